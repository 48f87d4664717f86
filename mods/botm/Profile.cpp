// Battle of the Millennium: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_botm()
{
    TModRow* row = ModTable::Find(QStringLiteral("Botm"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    p.ModelStorage = TModelStorage::ClassNumber;
    p.PictureFolder = QStringLiteral("Botm\\");
}
