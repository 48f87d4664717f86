#pragma once
// The server-config filter must know every cvar a mod writes to game.cfg: a listenserver.cfg
// line setting one it does not know would run after game.cfg and undo the user's setting.
#include "core/UInit.h"

#include <QByteArray>
#include <QStringList>

namespace ServerFilter {

// The cvars of a written game.cfg ("name" "value" lines) that the filter's table lacks.
inline QStringList UnfilteredCvars(const QByteArray& gameCfg)
{
    UInit::BuildManagedCvarList();
    QStringList missing;
    for (const QByteArray& line : gameCfg.split('\n')) {
        const QString name = QString::fromLatin1(line).section(QLatin1Char('"'), 1, 1);
        if (name.isEmpty())
            continue;
        bool known = false;
        for (const TCVar& cvar : std::as_const(UInit::ManagedCvars))
            known = known || cvar.Name.compare(name, Qt::CaseInsensitive) == 0;
        if (!known)
            missing << name;
    }
    return missing;
}

} // namespace ServerFilter
