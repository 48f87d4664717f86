// Rocket Crowbar: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_rocket()
{
    TModRow* row = ModTable::Find(QStringLiteral("Rocket"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.OwnBotRecords = true;
    p.DeathmatchStockMaps = true;
    p.ListedStockMaps = {QStringLiteral("c1a0"), QStringLiteral("c2a2h"), QStringLiteral("c2a4e"), QStringLiteral("c2a4f"), QStringLiteral("c2a5"), QStringLiteral("c2a5a"), QStringLiteral("c2a5b"), QStringLiteral("c2a5e")};
    p.WholeNumberCvars = true;
    p.PreviewFollows = true;
}
