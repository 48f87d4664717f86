#pragma once
// Stand-in for the Windows registry: string values under key paths such as
// "HKEY_LOCAL_MACHINE\SOFTWARE\Kovu Inc.\QOR". On Linux one profile file,
// $XDG_CONFIG_HOME/Qorvane/registry.ini (~/.config when unset), one section per key path;
// QORVANE_REGISTRY names another file. A store that cannot be opened reads and writes nothing.
#include <QString>

class TRegistryKey {
public:
    // Opens the key, creating it when create is true and it is missing. IsOpen() tells.
    explicit TRegistryKey(const QString& keyPath, bool create = true);
    bool IsOpen() const { return m_open; }
    QString ReadString(const QString& name) const;    // missing -> ""
    bool WriteString(const QString& name, const QString& value);

    static QString StorePath();

private:
    QString m_keyPath;
    bool m_open = false;
};
