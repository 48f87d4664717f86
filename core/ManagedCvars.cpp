#include "core/UInit.h"

namespace UInit {

int ManagedCvarHigh = -1;

void BuildManagedCvarList()
{
    ManagedCvars.clear();
    ManagedCvarHigh = -1;
}

} // namespace UInit
