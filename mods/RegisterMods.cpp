#include "core/ModTable.h"
#include "mods/cstrike/UCstrike.h"
#include "mods/opera/UOpera.h"

// Each mod module registers its row here; the order does not matter.
void RegisterMods()
{
    UCstrike::Register();
    UOpera::Register();
}
