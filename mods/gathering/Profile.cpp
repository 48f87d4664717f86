// The Gathering: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_gathering()
{
    TModRow* row = ModTable::Find(QStringLiteral("Gathering"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.PictureFolder = QStringLiteral("Gathering\\");
    p.PreviewFollows = true;
}
