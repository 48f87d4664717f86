// Goldeneye: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_goldeneye()
{
    TModRow* row = ModTable::Find(QStringLiteral("Goldeneye"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.OwnModelFolder = true;
    p.PreviewFollows = true;
    // The "ge2..." and "ge3..." maps are not playable in a multiplayer game.
    p.HidesMap = [](const QString& map) {
        return map.startsWith(QLatin1String("ge2"), Qt::CaseInsensitive)
               || map.startsWith(QLatin1String("ge3"), Qt::CaseInsensitive);
    };
}
