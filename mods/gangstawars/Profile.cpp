// Gangsta Wars: what the launcher needs to know of the mod before its window is built. The mod's
// window, store and writers come with the rest of its module.
#include "core/ModTable.h"

void RegisterMod_gangstawars()
{
    TModRow* row = ModTable::Find(QStringLiteral("Gangstawars"));
    if (!row)
        return;
    TModProfile& p = row->Profile;
    (void)p;   // nothing beyond the template's defaults yet
}
