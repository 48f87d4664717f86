// Firearms: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_firearms()
{
    TModRow* row = ModTable::Find(QStringLiteral("Firearms"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    (void)p;   // nothing beyond the template's defaults yet
}
