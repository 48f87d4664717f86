#include "fixtures/FakeHalfLife.h"
#include "fixtures/ProgramFolder.h"
#include "platform/FileSys.h"
#include "platform/Registry.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(Fixtures, FakeHalfLifeLaysOutModsMapsAndModels)
{
    FakeHalfLife hl;
    ASSERT_TRUE(hl.IsValid());
    EXPECT_TRUE(QFileInfo(hl.Path("hl.exe")).isExecutable());
    hl.AddMod("cstrike");
    EXPECT_EQ(hl.AddMap("cstrike", "de_dust"), hl.Path("cstrike/maps/de_dust.bsp"));
    hl.AddMap("cstrike", "cs_office.bsp");
    EXPECT_EQ(FileSys::ListFiles(hl.Path("cstrike\\maps"), "*.bsp"),
              (QStringList{"cs_office.bsp", "de_dust.bsp"}));
    EXPECT_EQ(hl.AddPlayerModel("gordon"), hl.Path("valve/models/player/gordon/gordon.mdl"));
    EXPECT_TRUE(QFileInfo(hl.Path("valve/models/player/gordon/gordon.mdl")).isFile());
    EXPECT_TRUE(hl.RecordedRuns().empty());
}

TEST(Fixtures, ProgramFolderCopiesDataAndKeepsItsRegistryPrivate)
{
    const QByteArray before = qgetenv("QORVANE_REGISTRY");
    {
        ProgramFolder folder;
        ASSERT_TRUE(folder.IsValid());
        EXPECT_TRUE(QFileInfo(folder.Path("Mods")).isDir());
        EXPECT_EQ(QDir(folder.Path("Mods")).entryList(QDir::Files),
                  QDir(QORVANE_DATA_DIR "/Mods").entryList(QDir::Files));
        EXPECT_EQ(TRegistryKey::StorePath(), folder.RegistryFile());
        EXPECT_FALSE(folder.RegistryFile().startsWith(folder.Root() + "/"));
        folder.SetRegistry("HKEY_LOCAL_MACHINE\\SOFTWARE\\Kovu Inc.\\QOR", "HLExe", "hl.exe");
        EXPECT_EQ(TRegistryKey("HKEY_LOCAL_MACHINE\\SOFTWARE\\Kovu Inc.\\QOR").ReadString("HLExe"),
                  "hl.exe");
    }
    EXPECT_EQ(qgetenv("QORVANE_REGISTRY"), before);
}

TEST(Fixtures, WithoutAProgramFolderTheStoreIsStillAPrivateOne)
{
    // The run itself points the store elsewhere, so a test that forgets its fixture writes
    // nothing into the user's configuration folder.
    const QString store = TRegistryKey::StorePath();
    EXPECT_FALSE(qEnvironmentVariableIsEmpty("QORVANE_REGISTRY"));
    EXPECT_FALSE(store.startsWith(QDir::homePath() + "/.config/")) << store.toStdString();
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    EXPECT_TRUE(xdg.isEmpty() || !store.startsWith(xdg + "/")) << store.toStdString();
}

} // namespace
