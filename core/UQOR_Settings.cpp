#include "core/UQOR_Settings.h"

namespace UQOR {

bool AccessModSetting(const QString&, const QString&, const QString&, QString& result)
{
    result.clear();
    return true;
}
bool AccessMemoFile(const QString&, QStringList&, const QString&, const QString&, QString*) { return true; }
bool AccessMemoFile(const QString&, QPlainTextEdit*, const QString&, const QString&, QString*) { return true; }
void SplitCvarLine(const QString&, QString& name, QString& value)
{
    name.clear();
    value.clear();
}
int HexPairToInt(const QString&, bool* ok)
{
    if (ok)
        *ok = false;
    return 0;
}

} // namespace UQOR
