// Team Fortress Classic: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_tfc()
{
    TModRow* row = ModTable::Find(QStringLiteral("TFC"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.ModelStorage = TModelStorage::ClassNumber;
    p.PictureFolder = QStringLiteral("tfc\\");
    p.SidePictures = true;
}
