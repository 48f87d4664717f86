// Vampire Slayer: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_vs()
{
    TModRow* row = ModTable::Find(QStringLiteral("VS"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.PictureFolder = QStringLiteral("VS\\");
}
