// Global Warfare: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_globalwarfare()
{
    TModRow* row = ModTable::Find(QStringLiteral("GlobalWarfare"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.ModelStorage = TModelStorage::ClassNumber;
    p.PictureFolder = QStringLiteral("Global\\");
    p.SidePictures = true;
}
