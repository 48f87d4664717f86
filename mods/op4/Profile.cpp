// Opposing Force: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_op4()
{
    TModRow* row = ModTable::Find(QStringLiteral("Op4"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.PictureFolder = QStringLiteral("op4\\");
    p.PreviewFollows = true;
    p.PresentStockMaps = {QStringLiteral("op4_bootcamp"), QStringLiteral("op4_datacore"), QStringLiteral("op4_demise"), QStringLiteral("op4_disposal"), QStringLiteral("op4_gasworks"), QStringLiteral("op4_kbase"), QStringLiteral("op4_kndyone"), QStringLiteral("op4_meanie"), QStringLiteral("op4_outpost"), QStringLiteral("op4_park"), QStringLiteral("op4_repent"), QStringLiteral("op4_rubble"), QStringLiteral("op4_xendance")};
}
