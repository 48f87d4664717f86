// "Launch Half-Life": the command line, the executable, log.txt, the server-config filter and
// every way a launch can end.
#include "fixtures/FakeHalfLife.h"
#include "fixtures/NoPermissionOverride.h"
#include "fixtures/ProgramFolder.h"
#include "fixtures/ScriptedDialogs.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UQOR_Launch.h"
#include "platform/IniFile.h"
#include "platform/Shell.h"
#include "platform/WindowLookup.h"
#include "ui/UMain.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <utility>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// The globals and mod rows a launch reads and changes, put back after every test.
struct TSavedState {
    QString AppPath = UInit::AppPath, HLPath = UInit::HLPath, HLExe = UInit::HLExe;
    QString SelectedMod = UInit::SelectedMod, SelectedBot = UInit::SelectedBot;
    QString AutoStart = UInit::AutoStartSetting, Dedicated = UInit::DedicatedSetting;
    QString HLKeyFr = UInit::HLKeyFrSetting, CloseQOR = UInit::CloseQORSetting;
    QString MaxPlayers = UInit::MaxPlayers;
    QStringList MapList = UInit::MapList;
    // Only what the tests change, field by field: sharing the table itself would make it move
    // on the next write and strand every pointer the mod modules keep to their rows.
    struct TRowState {
        QString Dir;
        std::function<bool(QString&)> Writers;
    };
    QVector<TRowState> RowStates = [] {
        QVector<TRowState> states;
        for (const TModRow& row : std::as_const(ModTable::Rows()))
            states.append(TRowState{row.Dir, row.Hooks.LaunchWriters});
        return states;
    }();

    ~TSavedState()
    {
        UInit::AppPath = AppPath;
        UInit::HLPath = HLPath;
        UInit::HLExe = HLExe;
        UInit::SelectedMod = SelectedMod;
        UInit::SelectedBot = SelectedBot;
        UInit::AutoStartSetting = AutoStart;
        UInit::DedicatedSetting = Dedicated;
        UInit::HLKeyFrSetting = HLKeyFr;
        UInit::CloseQORSetting = CloseQOR;
        UInit::MaxPlayers = MaxPlayers;
        UInit::MapList = MapList;
        QVector<TModRow>& rows = ModTable::Rows();
        for (qsizetype i = 0; i < rows.size() && i < RowStates.size(); ++i) {
            rows[i].Dir = RowStates[i].Dir;
            rows[i].Hooks.LaunchWriters = RowStates[i].Writers;
        }
    }
};

// A stand-in for the main window: the bot group with its selector, found by objectName.
class TFakeMain : public QWidget {
public:
    TFakeMain()
    {
        Group = new QGroupBox(this);
        Group->setObjectName(QStringLiteral("GB_SelectBot"));
        Bots = new QComboBox(Group);
        Bots->setObjectName(QStringLiteral("CB_SelectBot"));
        auto* layout = new QVBoxLayout(Group);
        layout->addWidget(Bots);
        resize(400, 300);
    }
    QGroupBox* Group;
    QComboBox* Bots;
};

class LaunchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_hl.IsValid());
        ASSERT_TRUE(m_program.IsValid());
        TIniFile::FlushCache();
        UInit::AppPath = m_program.Root();
        UInit::HLPath = m_hl.Root();
        UInit::HLExe = QStringLiteral("hl.exe");
        UInit::AutoStartSetting = QStringLiteral("O");
        UInit::DedicatedSetting = QStringLiteral("N");
        UInit::HLKeyFrSetting = QStringLiteral("N");
        UInit::CloseQORSetting = QStringLiteral("N");
        // The program folder's data may hold a log or settings of its own; start clean.
        QFile::remove(m_program.Path(QStringLiteral("log.txt")));
        QFile::remove(m_program.Path(QStringLiteral("QOR.ini")));

        WindowLookup::SetOverride([this](const QString& title) {
            m_lookedUp << title;
            return m_toolWindowOpen;
        });
        Shell::SetStarter([this](const Shell::TRequest& request, QString* error) {
            m_started.push_back(request);
            if (!m_startSucceeds && error)
                *error = QStringLiteral("Can't start hl.exe: refused");
            return m_startSucceeds;
        });
        SelectMod(QStringLiteral("CStrike"), QStringLiteral("cstrike"));
    }
    void TearDown() override
    {
        Shell::SetStarter({});
        WindowLookup::SetOverride({});
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    // Selects a mod as its button would, with one usable bot picked in the selector.
    TModRow* SelectMod(const QString& key, const QString& folder, const QString& bot = QStringLiteral("POD-Bot"))
    {
        UInit::SelectedMod = key;
        TModRow* row = ModTable::Find(key);
        EXPECT_NE(row, nullptr) << key.toStdString();
        if (!row)
            return nullptr;
        if (!folder.isEmpty())
            row->Dir = m_hl.AddMod(folder);
        row->Hooks.LaunchWriters = [this](QString&) {
            ++m_writerRuns;
            return true;
        };
        m_main.Bots->clear();
        m_main.Bots->addItem(bot);
        m_main.Bots->setCurrentIndex(0);
        m_main.Group->setVisible(row->HasBotSelector());
        return row;
    }

    void SetQorIni(const QByteArray& bytes)
    {
        m_program.AddFile(QStringLiteral("QOR.ini"), bytes);
        TIniFile::FlushCache();
    }

    bool Launch() { return UQOR::LaunchHalfLife(&m_main); }

    // Launches through the real shell layer and checks what the fake game received: its name,
    // the Half-Life folder as working directory and its arguments. log.txt holds the parameter
    // string exactly (the arguments are blank-separated words in these cases).
    void ExpectGameRun(const QString& exe, const QString& parameters)
    {
        Shell::SetStarter({});
        ASSERT_TRUE(Launch());
        ASSERT_TRUE(m_hl.WaitForRuns(1));
        const auto runs = m_hl.RecordedRuns();
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].Program, exe);
        EXPECT_EQ(runs[0].WorkDir, m_hl.Root());
        EXPECT_EQ(runs[0].Args, parameters.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        EXPECT_EQ(Log(), parameters.toUtf8() + "\r\n");
    }
    QByteArray Log() { return ReadBytes(m_program.Path(QStringLiteral("log.txt"))); }

    // What every launch that stops early must leave behind.
    void ExpectStoppedEarly(const QString& message)
    {
        EXPECT_TRUE(m_started.empty());
        EXPECT_EQ(m_dialogs.Texts(Dialogs::TKind::Error), QStringList{message});
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }

    FakeHalfLife m_hl;
    ProgramFolder m_program;
    ScriptedDialogs m_dialogs;
    TSavedState m_saved;
    TFakeMain m_main;
    std::vector<Shell::TRequest> m_started;
    QStringList m_lookedUp;
    bool m_startSucceeds = true;
    bool m_toolWindowOpen = false;
    int m_writerRuns = 0;
};

TEST_F(LaunchTest, AutomaticStartComposesStartsAndLogsTheCommand)
{
    ExpectGameRun(QStringLiteral("hl.exe"),
                  QStringLiteral(" -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map cs_assault"));
    EXPECT_EQ(m_writerRuns, 1);
    EXPECT_EQ(UInit::SelectedBot, QStringLiteral("POD-Bot"));
    EXPECT_TRUE(m_dialogs.Shown().isEmpty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

struct TCommandCase {
    const char* Name;
    const char* AutoStart;
    const char* QorIni;
    const char* Parameters;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const TCommandCase& c, std::ostream* os) { *os << c.Name; }

class LaunchCommandTest : public LaunchTest, public ::testing::WithParamInterface<TCommandCase> {};

TEST_P(LaunchCommandTest, ParametersFollowSettings)
{
    const TCommandCase& c = GetParam();
    UInit::AutoStartSetting = QString::fromLatin1(c.AutoStart);
    SetQorIni(c.QorIni);
    ExpectGameRun(QStringLiteral("hl.exe"), QString::fromLatin1(c.Parameters));
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LaunchCommandTest,
    ::testing::Values(
        TCommandCase{"AutoStartOff", "N", "",
                     " -nointro -console -game cstrike +maxplayers 32"},
        TCommandCase{"StoredFirstMap", "O", "[CStrike]\r\nFirst Map=de_dust2\r\n",
                     " -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map de_dust2"},
        TCommandCase{"BlankFirstMapTakesStockMap", "O", "[CStrike]\r\nFirst Map=\"   \"\r\n",
                     " -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map cs_assault"},
        TCommandCase{"OtherModsFirstMapIgnored", "O", "[TFC]\r\nFirst Map=2fort\r\n",
                     " -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map cs_assault"},
        TCommandCase{"BlankCommandNotAppended", "N", "[QOR]\r\nCommand=\"    \"\r\n",
                     " -nointro -console -game cstrike +maxplayers 32"},
        TCommandCase{"CommandAppendedUntrimmed", "N", "[QOR]\r\nCommand=\"  +sv_cheats 1  \"\r\n",
                     " -nointro -console -game cstrike +maxplayers 32   +sv_cheats 1  "},
        TCommandCase{"CommandAfterStartMap", "O", "[QOR]\r\nCommand=+fps_max 100\r\n",
                     " -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map cs_assault +fps_max 100"}),
    [](const auto& info) { return std::string(info.param.Name); });

// The game folder may lie on a case-sensitive file system: a start map typed by hand goes to the
// game with the case of its file, in the mod's maps or in Half-Life's own.
TEST_F(LaunchTest, AHandTypedStartMapTakesItsFilesCase)
{
    m_hl.AddFile(QStringLiteral("cstrike/maps/de_dust2.bsp"));
    m_hl.AddFile(QStringLiteral("valve/maps/CrossFire.BSP"));
    const struct {
        const char* Typed;
        const char* Started;
    } cases[] = {{"DE_Dust2", "de_dust2"}, {"crossfire", "CrossFire"}, {"Gone_Map", "Gone_Map"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed);
        SetQorIni(QByteArray("[CStrike]\r\nFirst Map=") + c.Typed + "\r\n");
        const QString parameters = UQOR::BuildLaunchCommand(QStringLiteral("cstrike")).Parameters;
        EXPECT_TRUE(parameters.endsWith(QStringLiteral(" +connect +map ") + QString::fromLatin1(c.Started)))
            << parameters.toStdString();
    }
}

struct TModCase {
    const char* Key;
    const char* Folder;
    const char* Parameters;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const TModCase& c, std::ostream* os) { *os << c.Key; }

class LaunchModTest : public LaunchTest, public ::testing::WithParamInterface<TModCase> {};

TEST_P(LaunchModTest, GameFolderAndStockMapOfTheMod)
{
    const TModCase& c = GetParam();
    SelectMod(QString::fromLatin1(c.Key), QString::fromLatin1(c.Folder));
    ExpectGameRun(QStringLiteral("hl.exe"), QString::fromLatin1(c.Parameters));
}

INSTANTIATE_TEST_SUITE_P(
    Mods, LaunchModTest,
    ::testing::Values(
        TModCase{"Op4", "gearbox", " -console -game gearbox +sv_lan 1 +maxplayers 32 +connect +map op4_bootcamp"},
        TModCase{"Rocket", "rockcrowbar", " -console -game rockcrowbar +sv_lan 1 +maxplayers 32 +connect +map boot_camp"},
        TModCase{"Dod", "DoD", " -console -game dod +sv_lan 1 +maxplayers 32 +connect +map dod_caen"},
        TModCase{"Botm", "botm", " -console -game botm +sv_lan 1 +maxplayers 32 +connect +map BOTM_Asteroid"},
        // A mod without a bot selector launches with nothing picked.
        TModCase{"Gathering", "gathering", " -console -game gathering +sv_lan 1 +maxplayers 32 +connect +map tg_ramp"},
        TModCase{"SVInstaGib", "svinstagib", " -console -game svinstagib +sv_lan 1 +maxplayers 32 +connect +map boot_camp"}),
    [](const auto& info) { return std::string(info.param.Key); });

TEST_F(LaunchTest, ModWithoutBotSelectorNeedsNoSelection)
{
    SelectMod(QStringLiteral("Goldeneye"), QStringLiteral("goldeneye"));
    m_main.Bots->setCurrentIndex(-1);
    ASSERT_TRUE(Launch());
    ASSERT_EQ(m_started.size(), 1u);
    EXPECT_TRUE(m_dialogs.Shown().isEmpty());
}

struct TDeathmatchCase {
    const char* Name;
    const char* BotsIni;   // nullptr: no Bots\HL_Bots.ini at all
    const char* MaxPlayers;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const TDeathmatchCase& c, std::ostream* os) { *os << c.Name; }

class DeathmatchLaunchTest : public LaunchTest, public ::testing::WithParamInterface<TDeathmatchCase> {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        m_hl.AddMod(QStringLiteral("ag"));
        m_program.AddFile(QStringLiteral("Mods/HL-DM.ini"),
                          "[Default]\r\ndispo=1\r\nBot1=Test Bot\r\n\r\n"
                          "[Test Bot]\r\ngame=ag\r\npath=valve\r\ndll=dlls\\test.dll\r\n");
        QFile::remove(m_program.Path(QStringLiteral("Bots/HL_Bots.ini")));
        TModRow* row = SelectMod(QStringLiteral("Deathmatch"), QString(), QStringLiteral("Test Bot"));
        ASSERT_NE(row, nullptr);
        row->Dir.clear();
        // The Deathmatch writers set the bot folder before the filter runs.
        row->Hooks.LaunchWriters = [this, row](QString&) {
            ++m_writerRuns;
            row->Dir = m_hl.Path(QStringLiteral("valve"));
            return true;
        };
        m_cfg = m_hl.AddFile(QStringLiteral("valve/listenserver.cfg"), "mp_fraglimit 5\r\n");
        TIniFile::FlushCache();
    }
    QString m_cfg;
};

TEST_P(DeathmatchLaunchTest, PlayerCountFromSpawnbotAndGameFromBot)
{
    const TDeathmatchCase& c = GetParam();
    if (c.BotsIni)
        m_program.AddFile(QStringLiteral("Bots/HL_Bots.ini"), c.BotsIni);
    TIniFile::FlushCache();
    ExpectGameRun(QStringLiteral("hl.exe"),
                  QStringLiteral(" -console -game ag +sv_lan 1 +maxplayers ") +
                      QString::fromLatin1(c.MaxPlayers) + QStringLiteral(" +connect +map boot_camp"));
    // The filter ran in the folder the writer chose.
    EXPECT_EQ(ReadBytes(m_cfg), QByteArray("//mp_fraglimit 5\r\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Spawnbot, DeathmatchLaunchTest,
    ::testing::Values(TDeathmatchCase{"Five", "[Default]\r\nspawnbot=5\r\n", "6"},
                      TDeathmatchCase{"LowerCaseSection", "[default]\r\nspawnbot=12\r\n", "13"},
                      TDeathmatchCase{"NoKey", "[Default]\r\nskill5=3\r\n", "32"},
                      TDeathmatchCase{"NoFile", nullptr, "32"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DeathmatchLaunchTest, SpawnbotNotAWholeNumberStopsTheLaunch)
{
    m_program.AddFile(QStringLiteral("Bots/HL_Bots.ini"), "[Default]\r\nspawnbot=five\r\n");
    m_program.AddFile(QStringLiteral("log.txt"), "previous\r\n");
    TIniFile::FlushCache();
    EXPECT_FALSE(Launch());
    EXPECT_TRUE(m_started.empty());
    const QStringList errors = m_dialogs.Texts(Dialogs::TKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("five"))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains(QStringLiteral("HL_Bots.ini"))) << errors[0].toStdString();
    EXPECT_EQ(Log(), QByteArray("previous\r\n"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

struct TExeCase {
    const char* Name;
    const char* HLExe;
    const char* Dedicated;
    const char* HLKeyFr;
    bool ToolWindowOpen;
    const char* Executable;
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const TExeCase& c, std::ostream* os) { *os << c.Name; }

class ExecutableChoiceTest : public LaunchTest, public ::testing::WithParamInterface<TExeCase> {};

TEST_P(ExecutableChoiceTest, PicksTheExecutable)
{
    const TExeCase& c = GetParam();
    UInit::HLExe = QString::fromLatin1(c.HLExe);
    UInit::DedicatedSetting = QString::fromLatin1(c.Dedicated);
    UInit::HLKeyFrSetting = QString::fromLatin1(c.HLKeyFr);
    m_toolWindowOpen = c.ToolWindowOpen;
    for (const char* exe : {"cstrike.exe", "hlds.exe", "HLKeyFr.exe"})
        m_hl.AddExe(QString::fromLatin1(exe));
    ExpectGameRun(QString::fromLatin1(c.Executable),
                  QStringLiteral(" -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map cs_assault"));
    EXPECT_EQ(m_lookedUp, QStringList{QStringLiteral("HLKey-Fr! V1.04")});
}

INSTANTIATE_TEST_SUITE_P(
    Options, ExecutableChoiceTest,
    ::testing::Values(TExeCase{"Plain", "cstrike.exe", "N", "N", false, "cstrike.exe"},
                      TExeCase{"Dedicated", "hl.exe", "O", "N", false, "hlds.exe"},
                      TExeCase{"LowerCaseLetterIsNo", "hl.exe", "o", "o", false, "hl.exe"},
                      TExeCase{"KeyLayoutTool", "hl.exe", "N", "O", false, "HLKeyFr.exe"},
                      TExeCase{"KeyLayoutToolAlreadyOpen", "hl.exe", "N", "O", true, "hl.exe"},
                      TExeCase{"KeyLayoutToolWinsOverDedicated", "hl.exe", "O", "O", false, "HLKeyFr.exe"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LaunchTest, DedicatedServerFiltersServerCfgToo)
{
    const QString listen = m_hl.AddFile(QStringLiteral("cstrike/listenserver.cfg"), "mp_timelimit 20\r\n");
    const QString server = m_hl.AddFile(QStringLiteral("cstrike/server.cfg"), "mp_friendlyfire 1\r\n");
    ASSERT_TRUE(Launch());
    EXPECT_EQ(ReadBytes(listen), QByteArray("//mp_timelimit 20\r\n"));
    EXPECT_EQ(ReadBytes(server), QByteArray("mp_friendlyfire 1\r\n"));

    UInit::DedicatedSetting = QStringLiteral("O");
    ASSERT_TRUE(Launch());
    EXPECT_EQ(ReadBytes(server), QByteArray("//mp_friendlyfire 1\r\n"));
    ASSERT_EQ(m_started.size(), 2u);
    EXPECT_EQ(m_started[1].File, QStringLiteral("hlds.exe"));
}

TEST_F(LaunchTest, NoBotSelectedStopsBeforeWritingAnything)
{
    m_main.Bots->setCurrentIndex(-1);
    EXPECT_FALSE(Launch());
    ExpectStoppedEarly(QStringLiteral("You must select a bot first."));
    EXPECT_EQ(m_writerRuns, 0);
    EXPECT_FALSE(QFile::exists(m_program.Path(QStringLiteral("log.txt"))));
}

TEST_F(LaunchTest, FailingWriterStopsTheLaunchAndKeepsFiles)
{
    const QString listen = m_hl.AddFile(QStringLiteral("cstrike/listenserver.cfg"), "mp_timelimit 20\r\n");
    m_program.AddFile(QStringLiteral("log.txt"), "previous\r\n");
    ModTable::Find(QStringLiteral("CStrike"))->Hooks.LaunchWriters = [](QString& error) {
        error = QStringLiteral("Can't write liblist.gam.");
        return false;
    };
    m_main.show();
    EXPECT_FALSE(Launch());
    ExpectStoppedEarly(QStringLiteral("Can't write liblist.gam."));
    EXPECT_EQ(Log(), QByteArray("previous\r\n"));
    EXPECT_EQ(ReadBytes(listen), QByteArray("mp_timelimit 20\r\n"));
    EXPECT_FALSE(m_main.isMinimized());
    EXPECT_TRUE(m_main.isVisible());
}

TEST_F(LaunchTest, ThrowingWriterIsAStoppedLaunch)
{
    ModTable::Find(QStringLiteral("CStrike"))->Hooks.LaunchWriters = [](QString&) -> bool {
        throw std::runtime_error("disk full");
    };
    EXPECT_FALSE(Launch());
    EXPECT_TRUE(m_started.empty());
    const QStringList errors = m_dialogs.Texts(Dialogs::TKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("disk full"))) << errors[0].toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaunchTest, UnwritableServerConfigStopsTheLaunch)
{
    const QByteArray bytes = "mp_timelimit 20\r\n";
    const QString listen = m_hl.AddFile(QStringLiteral("cstrike/listenserver.cfg"), bytes);
    ASSERT_TRUE(QFile::setPermissions(listen, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    NoPermissionOverride enforce;
    ASSERT_TRUE(enforce.Active());
    EXPECT_FALSE(Launch());
    EXPECT_TRUE(m_started.empty());
    const QStringList errors = m_dialogs.Texts(Dialogs::TKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Can't write ") + listen)) << errors[0].toStdString();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(ReadBytes(listen), bytes);
    EXPECT_FALSE(QFile::exists(m_program.Path(QStringLiteral("log.txt"))));
}

TEST_F(LaunchTest, ANativeLinuxInstallationStartsThroughItsOwnLauncher)
{
    const struct {
        const char* Files;      // below the Half-Life folder, ";"-separated
        const char* Dedicated;
        const char* Started;    // "" : nothing to start
    } cases[] = {
        {"hl_linux", "N", "hl_linux"},
        {"hl.sh;hl_linux", "N", "hl.sh"},
        {"hl.exe;hl_linux", "N", "hl.exe"},
        {"hlds_linux", "O", "hlds_linux"},
        {"hlds_run;hlds_linux", "O", "hlds_run"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Files);
        FakeHalfLife hl;
        UInit::HLPath = hl.Root();
        QFile::remove(hl.Path(QStringLiteral("hl.exe")));
        for (const QString& f : QString::fromLatin1(c.Files).split(QLatin1Char(';')))
            hl.AddFile(f, "#!/bin/sh\n");
        UInit::DedicatedSetting = QString::fromLatin1(c.Dedicated);
        EXPECT_EQ(UInit::GameProgram(UInit::DedicatedSetting == QLatin1String("O")), QString::fromLatin1(c.Started));
        SelectMod(QStringLiteral("CStrike"), QStringLiteral("cstrike"));
        m_started.clear();
        Launch();
        ASSERT_EQ(m_started.size(), 1u);
        EXPECT_EQ(m_started.front().File, QString::fromLatin1(c.Started));
    }
    // A retail Counter-Strike has no native launcher of its own.
    FakeHalfLife hl;
    UInit::HLPath = hl.Root();
    hl.AddFile(QStringLiteral("hl_linux"), "#!/bin/sh\n");
    UInit::HLExe = QStringLiteral("cstrike.exe");
    EXPECT_EQ(UInit::GameProgram(), QString());
}

TEST_F(LaunchTest, FailedStartIsReportedAndKeepsTheProgramOpen)
{
    UInit::CloseQORSetting = QStringLiteral("O");
    UInit::MapList = QStringList{QStringLiteral("cs_italy")};
    m_startSucceeds = false;
    m_main.show();
    EXPECT_FALSE(Launch());
    EXPECT_EQ(m_started.size(), 1u);
    EXPECT_EQ(m_dialogs.Texts(Dialogs::TKind::Error), QStringList{QStringLiteral("Can't start hl.exe: refused.")});
    EXPECT_TRUE(m_main.isVisible());
    EXPECT_FALSE(m_main.isMinimized());
    EXPECT_EQ(UInit::MapList, QStringList{QStringLiteral("cs_italy")});
    EXPECT_EQ(Log(), QByteArray(" -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map cs_assault\r\n"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(LaunchTest, SuccessfulStartMinimisesOrClosesAsChosen)
{
    m_main.show();
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(m_main.isVisible());
    EXPECT_TRUE(m_main.isMinimized());

    m_main.showNormal();
    UInit::CloseQORSetting = QStringLiteral("O");
    UInit::MapList = QStringList{QStringLiteral("cs_italy")};
    ASSERT_TRUE(Launch());
    EXPECT_FALSE(m_main.isVisible());
    EXPECT_TRUE(UInit::MapList.isEmpty());
}

// The real shell layer and the recording executable: what the game itself receives.
TEST_F(LaunchTest, GameReceivesArgumentsAndHalfLifeFolder)
{
    Shell::SetStarter({});
    SetQorIni("[QOR]\r\nCommand=+sv_password \"my secret\"\r\n");
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(m_hl.WaitForRuns(1));
    const auto runs = m_hl.RecordedRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Program, QStringLiteral("hl.exe"));
    EXPECT_EQ(runs[0].WorkDir, m_hl.Root());
    const QStringList expected{"-console", "-game", "cstrike", "+sv_lan", "1", "+maxplayers", "32",
                               "+connect", "+map", "cs_assault", "+sv_password", "my secret"};
    EXPECT_EQ(runs[0].Args, expected);
}

// The whole road through the real main window: registry settings, the mod button, the bot
// selector, "Launch Half-Life", the mod's own launch writers and the game.
TEST_F(LaunchTest, MainWindowLaunchesTheOperaWithItsWriters)
{
    Shell::SetStarter({});
    m_hl.AddPlayerModel(QStringLiteral("gordon"));
    m_hl.AddMod(QStringLiteral("opera"));
    m_hl.AddFile(QStringLiteral("opera/dlls/hpb_bot.dll"), "MZ");
    const QString listen = m_hl.AddFile(QStringLiteral("opera/listenserver.cfg"),
                                        "mp_timelimit 10\r\nsay welcome\r\n");
    m_program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), m_program.Root());
    m_program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), m_hl.Root());
    m_program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLExe"), QStringLiteral("hl.exe"));
    SetQorIni("[Opera]\r\nLast Bot=HPB Bot\r\n");

    TMain main;
    main.ModButtonClick(QStringLiteral("Opera"));
    auto* bots = main.findChild<QComboBox*>(QStringLiteral("CB_SelectBot"));
    ASSERT_NE(bots, nullptr);
    ASSERT_EQ(bots->currentText(), QStringLiteral("HPB Bot"));
    auto* launch = main.findChild<QToolButton*>(QStringLiteral("SB_HL"));
    ASSERT_NE(launch, nullptr);
    launch->click();

    ASSERT_TRUE(m_hl.WaitForRuns(1)) << m_dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const auto runs = m_hl.RecordedRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].Program, QStringLiteral("hl.exe"));
    EXPECT_EQ(runs[0].WorkDir, m_hl.Root());
    const QStringList expected{"-console", "-game", "opera", "+sv_lan", "1", "+maxplayers", "32",
                               "+connect", "+map", "op_db_chrest"};
    EXPECT_EQ(runs[0].Args, expected);
    EXPECT_TRUE(QFile::exists(m_hl.Path(QStringLiteral("opera/liblist.gam"))));
    EXPECT_EQ(ReadBytes(listen), QByteArray("//mp_timelimit 10\r\nsay welcome\r\n"));
    EXPECT_TRUE(m_dialogs.Texts(Dialogs::TKind::Error).isEmpty())
        << m_dialogs.Texts().join(QLatin1Char('|')).toStdString();
}

TEST_F(LaunchTest, MissingExecutableIsAFailedStart)
{
    Shell::SetStarter({});
    UInit::DedicatedSetting = QStringLiteral("O");   // no hlds.exe in the fake tree
    EXPECT_FALSE(Launch());
    // The reason is shown, not only that it failed.
    EXPECT_EQ(m_dialogs.Texts(Dialogs::TKind::Error),
              QStringList{QStringLiteral("Can't start hlds.exe: the file does not exist.")});
}

// ---- The server-config filter ----

struct TFilterCase {
    const char* Name;
    std::string Text;      // the file's bytes
    std::string Written;   // what the filter makes of them
};

// Failure messages name the case instead of dumping its bytes.
void PrintTo(const TFilterCase& c, std::ostream* os) { *os << c.Name; }

std::string Repeat(char c, int n) { return std::string(size_t(n), c); }

class FilterLineTest : public ::testing::TestWithParam<TFilterCase> {};

TEST_P(FilterLineTest, CommentsOutManagedCommandsOnly)
{
    const TFilterCase& c = GetParam();
    UInit::BuildManagedCvarList();
    const QByteArray text = QByteArray::fromStdString(c.Text);
    bool changed = false;
    const QByteArray out = UQOR::FilterCfgText(text, UInit::ManagedCvars, &changed);
    EXPECT_EQ(out, QByteArray::fromStdString(c.Written));
    EXPECT_EQ(changed, out != text);
    // The filter's own output is left as it is: a second launch changes nothing.
    bool again = true;
    EXPECT_EQ(UQOR::FilterCfgText(out, UInit::ManagedCvars, &again), out);
    EXPECT_FALSE(again);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, FilterLineTest,
    ::testing::Values(
        TFilterCase{"Managed", "mp_timelimit 20\r\n", "//mp_timelimit 20\r\n"},
        TFilterCase{"ManagedQuoted", "\"mp_fraglimit\"\t\t\"30.00000\"\r\n", "//\"mp_fraglimit\"\t\t\"30.00000\"\r\n"},
        TFilterCase{"ManagedIndented", "  \tmp_footsteps 0\r\n", "//  \tmp_footsteps 0\r\n"},
        TFilterCase{"NameAlone", "mp_flashlight\r\n", "//mp_flashlight\r\n"},
        TFilterCase{"ShortNameSa", "sa 1\r\n", "//sa 1\r\n"},
        TFilterCase{"AddedName", "mp_startmoney 16000\r\n", "//mp_startmoney 16000\r\n"},
        TFilterCase{"InstaGibName", "shootthroughwalls 1\r\n", "//shootthroughwalls 1\r\n"},
        TFilterCase{"TrailingSemicolon", "mp_timelimit 20;\r\n", "//mp_timelimit 20;\r\n"},
        TFilterCase{"AlreadyCommented", "//mp_timelimit 20\r\n", "//mp_timelimit 20\r\n"},
        TFilterCase{"IndentedComment", "   // mp_timelimit 20\r\n", "   // mp_timelimit 20\r\n"},
        // The engine finds cvars and commands without regard to case.
        TFilterCase{"Capitalised", "MP_TIMELIMIT 20\r\n", "//MP_TIMELIMIT 20\r\n"},
        TFilterCase{"SayHoldsSa", "say \"have fun\"\r\n", "say \"have fun\"\r\n"},
        TFilterCase{"PausableHoldsSa", "pausable 0\r\n", "pausable 0\r\n"},
        TFilterCase{"LongerName", "sv_visiblemaxplayers 16\r\n", "sv_visiblemaxplayers 16\r\n"},
        TFilterCase{"NamePrefix", "mp_timelimitx 5\r\n", "mp_timelimitx 5\r\n"},
        TFilterCase{"InValue", "echo mp_timelimit\r\n", "echo mp_timelimit\r\n"},
        TFilterCase{"InsideQuotes", "say \"x; mp_timelimit 5\"\r\n", "say \"x; mp_timelimit 5\"\r\n"},
        TFilterCase{"SeveralCommands", "hostname \"LAN\"; mp_timelimit 20;  say hi\r\n",
                    "hostname \"LAN\"\r\n//mp_timelimit 20\r\nsay hi\r\n"},
        // Empty commands in front: "//" would hide only the empty one.
        TFilterCase{"AfterEmptyCommand", ";mp_timelimit 5\r\n", "//mp_timelimit 5\r\n"},
        TFilterCase{"AfterBlankCommands", " ; ;mp_timelimit 5;say hi\r\n", "//mp_timelimit 5\r\nsay hi\r\n"},
        // The engine takes control characters for blanks.
        TFilterCase{"VerticalTabs", "\vmp_timelimit\v5\r\n", "//\vmp_timelimit\v5\r\n"},
        // The engine still runs what follows ";" after a comment.
        TFilterCase{"AfterComment", "//old; mp_fraglimit 3\r\n", "//old\r\n//mp_fraglimit 3\r\n"},
        // Every byte up to the space and from 0x80 up is a blank to the engine, before and after
        // a name: a no-break space (Latin-1 or UTF-8), a control byte, a UTF-8 letter. DEL is none.
        TFilterCase{"NoBreakSpace", "\xA0mp_timelimit 5\r\n", "//\xA0mp_timelimit 5\r\n"},
        TFilterCase{"Utf8NoBreakSpace", "\xC2\xA0mp_timelimit 5\r\n", "//\xC2\xA0mp_timelimit 5\r\n"},
        TFilterCase{"ControlBytes", "\x01\x1Fsa 1\r\n", "//\x01\x1Fsa 1\r\n"},
        TFilterCase{"HighByteAfterName", "mp_timelimit\xC3\xA9" "5\r\n", "//mp_timelimit\xC3\xA9" "5\r\n"},
        TFilterCase{"DeleteByteIsNoBlank", "\x7Fmp_timelimit 5\r\n", "\x7Fmp_timelimit 5\r\n"},
        // An alias runs its body whenever it is used, also one defined by another alias.
        TFilterCase{"Alias", "alias setup \"mp_timelimit 5; say hi\"\r\n", "//alias setup \"mp_timelimit 5; say hi\"\r\n"},
        TFilterCase{"AliasUnquoted", "ALIAS go mp_fraglimit 3\r\n", "//ALIAS go mp_fraglimit 3\r\n"},
        TFilterCase{"AliasInAlias", "alias a \"alias b sa 1\"; say hi\r\n", "//alias a \"alias b sa 1\"\r\nsay hi\r\n"},
        TFilterCase{"AliasSayingAName", "alias go \"say mp_timelimit\"\r\n", "alias go \"say mp_timelimit\"\r\n"},
        // Only LF ends a line: a CR is a blank, so a file of CR-ended lines is one echo command,
        // and splitting it would run what it echoes.
        TFilterCase{"CrOnlyEcho", "echo mp_timelimit 5\rexec x.cfg\r", "echo mp_timelimit 5\rexec x.cfg\r"},
        TFilterCase{"CrOnlyManaged", "mp_timelimit 5\rexec x.cfg\r", "//mp_timelimit 5\rexec x.cfg\r"},
        // Untouched lines keep their ends; a split line ends as it did.
        TFilterCase{"LineEndsKept", "say a; mp_timelimit 5\nsay b\r\nmp_fraglimit 3",
                    "say a\n//mp_timelimit 5\nsay b\r\n//mp_fraglimit 3"},
        // A command runs up to 1023 bytes; the engine drops the next byte and runs the rest.
        TFilterCase{"LongestCommand", "say " + Repeat('x', 1004) + " mp_timelimit 5\r\n",
                    "say " + Repeat('x', 1004) + " mp_timelimit 5\r\n"},
        TFilterCase{"RestOfALongCommand", "say " + Repeat('x', 1019) + " mp_timelimit 5\r\n",
                    "say " + Repeat('x', 1019) + "\r\n//mp_timelimit 5\r\n"},
        TFilterCase{"RestOfALongComment", "//" + Repeat('x', 1021) + " mp_fraglimit 3\r\n",
                    "//" + Repeat('x', 1021) + "\r\n//mp_fraglimit 3\r\n"},
        // "//" in front of a longest command would push its last bytes into a command of their own.
        TFilterCase{"LongManagedCommand", "mp_timelimit " + Repeat('5', 1010) + "\r\n",
                    "//mp_timelimit " + Repeat('5', 1008) + "\r\n//5\r\n//5\r\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

class FilterFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_hl.IsValid());
        m_oldDedicated = UInit::DedicatedSetting;
        UInit::DedicatedSetting = QStringLiteral("N");
    }
    void TearDown() override { UInit::DedicatedSetting = m_oldDedicated; }
    FakeHalfLife m_hl;
    QString m_oldDedicated;
};

TEST_F(FilterFileTest, OnlyTheManagedLineChanges)
{
    const QString dir = m_hl.AddMod(QStringLiteral("cstrike"));
    const QString cfg = m_hl.AddFile(QStringLiteral("cstrike/listenserver.cfg"),
                                     "// my LAN\r\n"
                                     "mp_timelimit 20\r\n"
                                     "//mp_fraglimit 5\r\n"
                                     "MP_FRAGLIMIT 5\r\n"
                                     "say welcome\n"
                                     "hostname \"Caf\xe9 \xff\"\r\n"
                                     "sv_gravity 800");
    QString error;
    ASSERT_TRUE(UQOR::FilterServerCfgs(dir, &error)) << error.toStdString();
    EXPECT_EQ(ReadBytes(cfg), QByteArray("// my LAN\r\n"
                                         "//mp_timelimit 20\r\n"
                                         "//mp_fraglimit 5\r\n"
                                         "//MP_FRAGLIMIT 5\r\n"
                                         "say welcome\n"
                                         "hostname \"Caf\xe9 \xff\"\r\n"
                                         "sv_gravity 800"));
}

// A file saved as UTF-8 comes back in kind, as Latin-1 does above; the byte-order mark, which
// the engine would read as part of the first command, is dropped.
TEST_F(FilterFileTest, Utf8FileKeepsItsCharactersWithoutMark)
{
    const QString dir = m_hl.AddMod(QStringLiteral("dod"));
    const QString cfg = m_hl.AddFile(QStringLiteral("dod/listenserver.cfg"),
                                     "\xEF\xBB\xBFhostname \"Caf\xC3\xA9\"\r\nmp_winlimit 3\r\n");
    ASSERT_TRUE(UQOR::FilterServerCfgs(dir));
    EXPECT_EQ(ReadBytes(cfg), QByteArray("hostname \"Caf\xC3\xA9\"\r\n//mp_winlimit 3\r\n"));
}

TEST_F(FilterFileTest, FileWithoutManagedLinesIsLeftAsItIs)
{
    const QString dir = m_hl.AddMod(QStringLiteral("tfc"));
    const QByteArray bytes = "say hi\nsv_gravity 800\n//mp_timelimit 3\r\nexec banned.cfg";
    const QString cfg = m_hl.AddFile(QStringLiteral("tfc/listenserver.cfg"), bytes);
    ASSERT_TRUE(UQOR::FilterServerCfgs(dir));
    EXPECT_EQ(ReadBytes(cfg), bytes);
}

TEST_F(FilterFileTest, MissingFilesAndFolderAreNoError)
{
    QString error;
    EXPECT_TRUE(UQOR::FilterServerCfgs(m_hl.AddMod(QStringLiteral("vs")), &error));
    UInit::DedicatedSetting = QStringLiteral("O");
    EXPECT_TRUE(UQOR::FilterServerCfgs(m_hl.Path(QStringLiteral("nowhere")), &error));
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(FilterFileTest, FileNamesMatchWithoutRegardToCase)
{
    const QString dir = m_hl.AddMod(QStringLiteral("cstrike"));
    const QString cfg = m_hl.AddFile(QStringLiteral("cstrike/ListenServer.CFG"), "mp_c4timer 35\r\n");
    ASSERT_TRUE(UQOR::FilterServerCfgs(dir));
    EXPECT_EQ(ReadBytes(cfg), QByteArray("//mp_c4timer 35\r\n"));
}

TEST_F(FilterFileTest, ReadOnlyFileIsReportedAndKept)
{
    const QString dir = m_hl.AddMod(QStringLiteral("cstrike"));
    const QByteArray bytes = "mp_timelimit 20\r\nsay hi\r\n";
    const QString cfg = m_hl.AddFile(QStringLiteral("cstrike/listenserver.cfg"), bytes);
    ASSERT_TRUE(QFile::setPermissions(cfg, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    NoPermissionOverride enforce;
    ASSERT_TRUE(enforce.Active());
    QString error;
    EXPECT_FALSE(UQOR::FilterServerCfgs(dir, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("listenserver.cfg"))) << error.toStdString();
    EXPECT_EQ(ReadBytes(cfg), bytes);
}

TEST(ManagedCvarList, HoldsEveryWrittenNameInItsSlots)
{
    UInit::BuildManagedCvarList();
    UInit::BuildManagedCvarList();   // rebuilt, not appended
    QStringList names;
    for (const TCVar& cvar : UInit::ManagedCvars)
        names << cvar.Name;
    ASSERT_GE(names.size(), 135);
    EXPECT_EQ(UInit::ManagedCvarHigh, names.size() - 1);
    EXPECT_EQ(names[0], QStringLiteral("maxplayers"));
    EXPECT_EQ(names[5], QString());
    EXPECT_EQ(names[133], QString());
    EXPECT_EQ(names[134], QStringLiteral("mp_tourlimit"));
    EXPECT_EQ(names.count(QString()), 2);
    for (const char* name : {"mp_startmoney", "tfc_respawndelay", "autoexeccfg", "bot_snipe", "hook",
                             "headshotpoints", "shootthroughwalls", "sa", "sh_weapfileloc"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    EXPECT_EQ(names.removeDuplicates(), 1);   // only the two empty slots repeat
}

} // namespace
