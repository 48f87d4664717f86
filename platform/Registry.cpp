#include "Registry.h"

#include "FileSys.h"
#include "IniFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Values are stored so that a read gives back exactly what was written: the profile format
// trims blanks and drops one pair of enclosing quotes, so such values get a protecting pair.
QString Protect(const QString& value)
{
    const bool padded = !value.isEmpty() && (value.front().isSpace() || value.back().isSpace());
    bool quoted = false;
    if (value.size() >= 2) {
        const QChar f = value.front();
        quoted = (f == QLatin1Char('"') || f == QLatin1Char('\'')) && value.back() == f;
    }
    return padded || quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

bool StoreUsable(const QString& path, bool create)
{
    const QFileInfo fi(path);
    if (fi.exists())
        return fi.isFile() && fi.isReadable();
    if (!create)
        return false;
    return QDir().mkpath(fi.absolutePath());
}

} // namespace

QString TRegistryKey::StorePath()
{
    const QString custom = qEnvironmentVariable("QORVANE_REGISTRY");
    if (!custom.isEmpty())
        return custom;
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Qorvane/registry.ini");
}

TRegistryKey::TRegistryKey(const QString& keyPath, bool create) : m_keyPath(keyPath)
{
    const QString store = StorePath();
    if (keyPath.trimmed().isEmpty() || !StoreUsable(store, create))
        return;
    if (create) {
        m_open = true;   // the key comes into being with its first value
        return;
    }
    const QStringList keys = TIniFile(store).ReadSections();
    for (const QString& k : keys)
        if (k.compare(keyPath.trimmed(), Qt::CaseInsensitive) == 0)
            m_open = true;
}

QString TRegistryKey::ReadString(const QString& name) const
{
    if (!m_open)
        return QString();
    return TIniFile(StorePath()).ReadString(m_keyPath, name, QString());
}

bool TRegistryKey::WriteString(const QString& name, const QString& value)
{
    if (!m_open)
        return false;
    return TIniFile(StorePath()).WriteString(m_keyPath, name, Protect(value));
}
