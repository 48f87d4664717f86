#include "core/UQOR_Launch.h"

namespace UQOR {

const QString HLKeyFrWindowTitle = QStringLiteral("HLKey-Fr! V1.04");

bool PrepareLaunch(QString*) { return true; }
void GetStartMap(QString& map) { map = QStringLiteral("boot_camp"); }
QString StockStartMap(const QString&) { return QStringLiteral("boot_camp"); }
bool FilterServerCfgs(const QString&, QString*) { return true; }
bool FilterCfgFile(const QString&, QString*) { return true; }
QByteArray FilterCfgBytes(const QByteArray& content, const QVector<TCVar>&, bool* changed)
{
    if (changed)
        *changed = false;
    return content;
}
QString LaunchGameDir() { return QString(); }
TLaunchCommand BuildLaunchCommand(const QString&) { return {}; }
bool WriteLaunchLog(const QString&, QString*) { return true; }
bool LaunchHalfLife(QWidget*) { return false; }

} // namespace UQOR
