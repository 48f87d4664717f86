#include "fixtures/FileBytes.h"
#include "fixtures/ProgramFolder.h"
#include "platform/Registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString QorKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Kovu Inc.\\QOR";
const QString ValveKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Valve\\Half-Life";

// Sets an environment variable for the test's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

TEST(Registry, ValuesRoundTripExactlyInOneSectionPerKey)
{
    ProgramFolder folder;
    const QStringList values{"/games/Half-Life", "  padded  ", "\"quoted\"", "'single'",
                             "-game cstrike +map \"de dust\"", "", QString::fromUtf8("caf\xc3\xa9")};
    {
        TRegistryKey key(QorKey);
        ASSERT_TRUE(key.IsOpen());
        for (int i = 0; i < values.size(); ++i)
            ASSERT_TRUE(key.WriteString(QString("v%1").arg(i), values[i]));
    }
    TRegistryKey again(QorKey.toLower(), false);
    ASSERT_TRUE(again.IsOpen());
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(again.ReadString(QString("V%1").arg(i)), values[i]) << i;
    EXPECT_EQ(again.ReadString("missing"), "");

    folder.SetRegistry(ValveKey, "InstallPath", "/hl");
    EXPECT_EQ(TRegistryKey(ValveKey, false).ReadString("InstallPath"), "/hl");
    const QByteArray store = FileBytes(folder.RegistryFile());
    EXPECT_TRUE(store.contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Kovu Inc.\\QOR]\r\nv0=/games/Half-Life\r\n"));
    EXPECT_TRUE(store.contains("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Valve\\Half-Life]\r\nInstallPath=/hl\r\n"));
}

TEST(Registry, MissingKeyDoesNotOpenWithoutCreate)
{
    ProgramFolder folder;
    TRegistryKey key(ValveKey, false);
    EXPECT_FALSE(key.IsOpen());
    EXPECT_EQ(key.ReadString("InstallPath"), "");
    EXPECT_FALSE(key.WriteString("InstallPath", "x"));
    EXPECT_FALSE(QFile::exists(folder.RegistryFile()));
}

TEST(Registry, UnusableStoreReadsAndWritesNothing)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The store's folder would have to be inside a plain file.
    ScopedEnv env("QORVANE_REGISTRY", dir.filePath("file/Qorvane/registry.ini").toLocal8Bit());
    TRegistryKey key(QorKey);
    EXPECT_FALSE(key.IsOpen());
    EXPECT_FALSE(key.WriteString("HLExe", "hl.exe"));
    EXPECT_EQ(key.ReadString("HLExe"), "");
}

TEST(Registry, StoreLivesInTheConfigurationFolder)
{
    ScopedEnv reg("QORVANE_REGISTRY", QByteArray());
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/tmp/cfg");
        EXPECT_EQ(TRegistryKey::StorePath(), "/tmp/cfg/Qorvane/registry.ini");
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", QByteArray());
    ScopedEnv home("HOME", "/home/someone");
    EXPECT_EQ(TRegistryKey::StorePath(), "/home/someone/.config/Qorvane/registry.ini");
    ScopedEnv custom("QORVANE_REGISTRY", "/elsewhere/reg.ini");
    EXPECT_EQ(TRegistryKey::StorePath(), "/elsewhere/reg.ini");
}

} // namespace
