#include "core/ModTable.h"

// Each mod module registers its row here; the order does not matter.
void RegisterMods()
{
}
