#include "core/UQOR_Dispatch.h"

namespace UQOR {

void RestoreDefaults() {}
void RestoreConf() {}
void MarkModified() {}

} // namespace UQOR
