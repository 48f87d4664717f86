// Day of Defeat: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_dod()
{
    TModRow* row = ModTable::Find(QStringLiteral("Dod"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.ModelStorage = TModelStorage::ClassNumber;
    p.PictureFolder = QStringLiteral("dod\\");
    p.SidePictures = true;
}
