// Damaged files fed into the real program paths of The Opera, Counter-Strike and Wizard Wars:
// the window's first activation and Apply, and the launch. Whatever the file holds, the program
// neither crashes nor hangs, says so where the user must act, and leaves the files it does not
// own byte for byte as they were.
#include "mods/common/ModTestEnv.h"

#include "core/UQOR.h"
#include "fixtures/NoPermissionOverride.h"
#include "mods/common/ModWindow.h"
#include "platform/Shell.h"
#include "platform/WindowLookup.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <functional>
#include <memory>
#include <tuple>
#include <vector>

namespace {

using Kind = Dialogs::TKind;

// ---------------------------------------------------------------- the mods

struct TModCase {
    const char* Key;
    const char* Folder;
    const char* Bot;
    const char* Store;     // below the program folder
    const char* ModsIni;   // below the program folder
    const char* Map;
    const char* ReadyStore;
};

const TModCase kOpera{"Opera", "opera", "HPB Bot", "Bots/OP_Bots.ini", "Mods/Opera.ini",
                      "op_db_chrest",
                      "[Default]\r\nnumbot=1\r\nskill5=2\r\nspawnbot=1\r\n"
                      "[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\n"};
const TModCase kCstrike{"CStrike", "cstrike", "P.O.D.Bot", "Bots/CS_Bots.ini", "Mods/CStrike.ini",
                        "de_dust",
                        "[Default]\r\nnumbot=1\r\nskill100=40\r\nspawnbot=1\r\n"
                        "[Bot 1]\r\nnom=Alpha\r\nteam=1\r\nmodele=1\r\nskill100=50\r\n"};
// A team mod whose classes are numbers and whose bot file translates them.
const TModCase kWizwars{"Wizwars", "wizwars", "Akimbot", "Bots/WZ_Bots.ini", "Mods/Wizwars.ini", "ww_2fort",
                        "[Default]\r\nnumbot=1\r\nskill5=2\r\nspawnbot=1\r\n"
                        "[Bot 1]\r\nnom=Alpha\r\nmodele=9\r\nskill5=3\r\nteam=2\r\n"};

// ---------------------------------------------------------------- the damaged files

enum class TPlace { Mod, Program };

struct TBadCase {
    const char* Name;
    TPlace Place;
    const char* File;       // relative; "<store>" / "<mods>" stand for the mod's own files
    // The damaged bytes, from the file's current (ready) bytes.
    std::function<QByteArray(const QByteArray&)> Damage;
    bool ApplyWrites;       // Apply rewrites this file on purpose (game.cfg, the cycle, the store)
    bool ReadOnlyModDir = false;
    // A text of the damaged file that must never reach a file written for the game.
    const char* NeverWritten = nullptr;
    // No map of the damaged cycle is there, so Apply asks for a start map instead of saving.
    bool NoStartMap = false;
};

void PrintTo(const TBadCase& c, std::ostream* os) { *os << c.Name; }
void PrintTo(const TModCase& c, std::ostream* os) { *os << c.Key; }

QByteArray BinaryJunk(const QByteArray&)
{
    QByteArray b;
    for (int r = 0; r < 8; ++r)
        for (int i = 0; i < 256; ++i)
            b += char(i * 7 + r);
    return b;
}

QByteArray WithoutKey(const QByteArray& bytes, const QByteArray& key)
{
    QByteArray out;
    for (const QByteArray& line : bytes.split('\n'))
        if (!line.trimmed().toLower().startsWith(key + '='))
            out += line + '\n';
    out.chop(1);
    return out;
}

QByteArray Constant(const char* text) { return QByteArray(text); }

const std::vector<TBadCase>& BadCases()
{
    static const std::vector<TBadCase> cases{
        {"GameCfgBinaryJunk", TPlace::Mod, "game.cfg", BinaryJunk, true},
        {"GameCfgLongLine", TPlace::Mod, "game.cfg",
         [](const QByteArray&) {
             return "\"mp_timelimit\"\t\t\"" + QByteArray(5000, '7') + "\"\r\n" + QByteArray(5000, 'x') + "\r\n";
         },
         true},
        {"GameCfgOnlyComments", TPlace::Mod, "game.cfg",
         [](const QByteArray&) { return Constant("//\r\n// mp_timelimit 5\r\n//\r\n"); }, true},
        {"GameCfgLettersInValues", TPlace::Mod, "game.cfg",
         [](const QByteArray&) {
             return Constant("\"mp_timelimit\"\t\t\"abc\"\r\n\"mp_fraglimit\"\t\t\"1e9x\"\r\n"
                             "\"mp_friendlyfire\"\t\t\"-\"\r\n\"mp_gamemode\"\t\t\"zz\"\r\n"
                             "\"mp_teamplay\"\t\t\"\"\r\n\"sv_gravity\"\t\t\"-99999999999999999999\"\r\n");
         },
         true},
        {"StoreLettersInNumbers", TPlace::Program, "<store>",
         [](const QByteArray& ready) {
             // Counter-Strike's models are numbered; The Opera's have names.
             const QByteArray model = ready.contains("skill100") ? "bad8" : "bobby";
             return "[Default]\r\nnumbot=bad1\r\nskill5=bad2\r\nskill100=bad3\r\nspawnbot=1\r\n"
                             "minskill=bad4\r\n[Bot 1]\r\nnom=Alpha\r\nteam=bad5\r\nmodele=" + model +
                    "\r\nskill5=bad6\r\nskill100=bad7\r\n";
         },
         true, false, "bad"},
        {"StoreNegativeNumbot", TPlace::Program, "<store>",
         [](const QByteArray&) { return Constant("[Default]\r\nnumbot=-5\r\n[Bot 1]\r\nnom=Alpha\r\n"); }, true},
        {"StoreHugeNumbot", TPlace::Program, "<store>",
         [](const QByteArray&) { return Constant("[Default]\r\nnumbot=99999999999\r\n[Bot 1]\r\nnom=Alpha\r\n"); },
         true},
        {"StoreHeaderWithoutBracket", TPlace::Program, "<store>",
         [](const QByteArray&) { return Constant("[Default\r\nnumbot=1\r\n[Bot 1\r\nnom=Alpha\r\n[\r\n]\r\n"); },
         true},
        {"StoreDuplicateSections", TPlace::Program, "<store>",
         [](const QByteArray& ready) { return ready + "[Default]\r\nnumbot=3\r\n[Bot 1]\r\nnom=Beta\r\n"; }, true},
        {"MapCycleNulBytes", TPlace::Mod, "mapcycle.txt",
         [](const QByteArray&) { return QByteArray("de_\0dust\r\n\0\0\0\r\nop_db_\0chrest\r\n", 30); }, true,
         false, nullptr, true},
        {"MapCycleCROnly", TPlace::Mod, "mapcycle.txt",
         [](const QByteArray& ready) {
             QByteArray b("de_dust\rop_db_chrest\rcs_assault\r");
             // The mod's own map among them, where it is none of these.
             if (!b.contains(ready.trimmed()))
                 b += ready.trimmed() + '\r';
             return b;
         },
         true},
        {"MapCycleHundredThousandLines", TPlace::Mod, "mapcycle.txt",
         [](const QByteArray& ready) {
             // Only the last line names a map that is there.
             QByteArray b;
             for (int i = 0; i < 99999; ++i)
                 b += "map" + QByteArray::number(i) + "\r\n";
             return b + ready;
         },
         true},
        {"ModsIniWithoutAddbot", TPlace::Program, "<mods>",
         [](const QByteArray& ready) { return WithoutKey(ready, "addbot"); }, false},
        {"ModsIniWithoutDll", TPlace::Program, "<mods>",
         [](const QByteArray& ready) { return WithoutKey(ready, "dll"); }, false},
        {"QorIniMalformed", TPlace::Program, "QOR.ini",
         [](const QByteArray&) {
             return QByteArray("[Opera\r\nFirst Map=\x01\x02\r\n[CStrike]]\r\n=\r\nFirst Map\r\n"
                               "[QOR]\r\nCommand=+map \"\r\n[[[\r\n\0\xff\xfe\r\n", 82);
         },
         true},
        {"BotNamesOnlyBlanksAndComments", TPlace::Program, "bot_names.txt",
         [](const QByteArray&) { return Constant("   \r\n// names\r\n\t\r\n# more\r\n\r\n/x\r\n"); }, false},
        {"ReadOnlyModFolder", TPlace::Mod, "mapcycle.txt", [](const QByteArray& ready) { return ready; }, false,
         true},
    };
    return cases;
}

class BadInput : public ::testing::TestWithParam<std::tuple<TModCase, TBadCase>> {
protected:
    BadInput()
        : Mod(std::get<0>(GetParam())), Case(std::get<1>(GetParam())),
          Env(QString::fromLatin1(Mod.Key), QString::fromLatin1(Mod.Folder), QString::fromLatin1(Mod.Bot))
    {
        Env.HL.AddMap(QString::fromLatin1(Mod.Folder), QString::fromLatin1(Mod.Map));
        Env.HL.AddPlayerModel(QStringLiteral("bobby"), QString::fromLatin1(Mod.Folder));
        Env.HL.AddFile(QStringLiteral("cstrike/PODBot/wptcs10/de_dust.pwf"), "w");
        Env.Program.AddFile(QString::fromLatin1(Mod.Store), Mod.ReadyStore);
        Env.HL.AddFile(QString::fromLatin1(Mod.Folder) + QStringLiteral("/mapcycle.txt"),
                       QByteArray(Mod.Map) + "\r\n");
        Env.HL.AddFile(QString::fromLatin1(Mod.Folder) + QStringLiteral("/game.cfg"),
                       "\"mp_timelimit\"\t\t\"20\"\r\n");

        QString rel = QString::fromLatin1(Case.File);
        rel.replace(QStringLiteral("<store>"), QString::fromLatin1(Mod.Store));
        rel.replace(QStringLiteral("<mods>"), QString::fromLatin1(Mod.ModsIni));
        if (Case.Place == TPlace::Mod) {
            Damaged = Env.ModFile(rel);
            Env.HL.AddFile(QString::fromLatin1(Mod.Folder) + QLatin1Char('/') + rel,
                           Case.Damage(TModTestEnv::Read(Damaged)));
        } else {
            Damaged = Env.ProgramFile(rel);
            const QByteArray ready = QFile::exists(Damaged) ? TModTestEnv::Read(Damaged) : QByteArray();
            Env.Program.AddFile(rel, Case.Damage(ready));
        }
        DamagedBytes = TModTestEnv::Read(Damaged);
        UInit::ReadBotNames();
        TIniFile::FlushCache();
        for (const QString& name : QDir(Env.ModDir).entryList(QDir::Files))
            ModFilesBefore[name] = TModTestEnv::Read(Env.ModFile(name));
    }

    ~BadInput() override { UnlockModDir(); }

    void LockModDir()
    {
        if (!Case.ReadOnlyModDir)
            return;
        for (const QString& name : QDir(Env.ModDir).entryList(QDir::Files))
            QFile::setPermissions(Env.ModFile(name), QFileDevice::ReadOwner);
        QFile::setPermissions(Env.ModDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    void UnlockModDir()
    {
        if (!Case.ReadOnlyModDir)
            return;
        QFile::setPermissions(Env.ModDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        for (const QString& name : QDir(Env.ModDir).entryList(QDir::Files))
            QFile::setPermissions(Env.ModFile(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    // Every file of the mod folder as it was before the damaged run.
    void ExpectModFolderKept()
    {
        for (auto it = ModFilesBefore.cbegin(); it != ModFilesBefore.cend(); ++it)
            EXPECT_EQ(TModTestEnv::Read(Env.ModFile(it.key())), it.value()) << it.key().toStdString();
    }

    QString Shown() const { return Env.Dialogs.Texts().join(QStringLiteral(" | ")); }

    TModCase Mod;
    TBadCase Case;
    TModTestEnv Env;
    QString Damaged;
    QByteArray DamagedBytes;
    QMap<QString, QByteArray> ModFilesBefore;
};

std::string Name(const ::testing::TestParamInfo<std::tuple<TModCase, TBadCase>>& info)
{
    return std::string(std::get<0>(info.param).Key) + "_" + std::get<1>(info.param).Name;
}

// ---------------------------------------------------------------- the window

TEST_P(BadInput, WindowOpensAppliesOrSaysWhyAndLosesNothing)
{
    std::unique_ptr<NoPermissionOverride> guard;
    if (Case.ReadOnlyModDir) {
        guard = std::make_unique<NoPermissionOverride>();
        if (!guard->Active())
            GTEST_SKIP() << "file permissions are not enforced here";
    }
    TModRow* row = ModTable::Find(QString::fromLatin1(Mod.Key));
    ASSERT_TRUE(row && row->Hooks.CreateWindow);
    std::unique_ptr<QDialog> dialog(row->Hooks.CreateWindow(nullptr));
    auto* w = qobject_cast<TModWindow*>(dialog.get());
    ASSERT_NE(w, nullptr);
    w->FormActivate();
    ASSERT_NE(w->BApplyConf, nullptr);
    // A bot made now takes its name from bot_names.txt.
    w->SBCreeRandomBot->click();
    w->SBCreeBot->click();
    const QStringList beforeApply = Env.Dialogs.Texts(Kind::Error);

    LockModDir();
    w->BApplyConf->click();
    UnlockModDir();

    const QStringList errors = Env.Dialogs.Texts(Kind::Error);
    if (Case.ReadOnlyModDir) {
        // The save stopped, the user was told which file, and the old files are all there.
        EXPECT_FALSE(w->ClosedByButtons());
        ASSERT_GT(errors.size(), beforeApply.size()) << Shown().toStdString();
        ExpectModFolderKept();
        return;
    }
    if (Case.NoStartMap) {
        EXPECT_FALSE(w->ClosedByButtons());
        EXPECT_TRUE(Env.Dialogs.Texts().contains(QStringLiteral("You must select a starting map.")))
            << Shown().toStdString();
        EXPECT_EQ(TModTestEnv::Read(Damaged), DamagedBytes);
        return;
    }
    // Whatever the damaged file held, the settings are saved and the window closes.
    EXPECT_TRUE(w->ClosedByButtons()) << Shown().toStdString();
    if (!Case.ApplyWrites)
        EXPECT_EQ(TModTestEnv::Read(Damaged), DamagedBytes);
    if (w->ClosedByButtons()) {
        // What Apply wrote reads back as numbers the bot program can use.
        TIniFile::FlushCache();
        const TIniFile store(Env.ProgramFile(QString::fromLatin1(Mod.Store)));
        bool ok = false;
        const int numbot = store.ReadString(QStringLiteral("Default"), QStringLiteral("numbot"), QString()).toInt(&ok);
        EXPECT_TRUE(ok) << TModTestEnv::Read(Env.ProgramFile(QString::fromLatin1(Mod.Store))).left(400).toStdString();
        EXPECT_GE(numbot, 0);
        EXPECT_LE(numbot, 32);
        // The one map that is there became the start map, wherever the damaged cycle had it.
        const TIniFile qor(Env.ProgramFile(QStringLiteral("QOR.ini")));
        EXPECT_EQ(qor.ReadString(QString::fromLatin1(Mod.Key), QStringLiteral("First Map"), QString()),
                  QString::fromLatin1(Mod.Map));
        const QByteArray cycle = TModTestEnv::Read(Env.ModFile(QStringLiteral("mapcycle.txt")));
        EXPECT_FALSE(cycle.contains('\0'));
        const QByteArray game = TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg")));
        EXPECT_FALSE(game.contains('\0'));
        EXPECT_LT(game.size(), 20000);
    }
}

// ---------------------------------------------------------------- the launch

class TFakeMain : public QWidget {
public:
    explicit TFakeMain(const QString& bot)
    {
        auto* group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("GB_SelectBot"));
        auto* bots = new QComboBox(group);
        bots->setObjectName(QStringLiteral("CB_SelectBot"));
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(bots);
        bots->addItem(bot);
        bots->setCurrentIndex(0);
    }
};

TEST_P(BadInput, LaunchStartsOrSaysWhyAndLosesNothing)
{
    std::unique_ptr<NoPermissionOverride> guard;
    if (Case.ReadOnlyModDir) {
        guard = std::make_unique<NoPermissionOverride>();
        if (!guard->Active())
            GTEST_SKIP() << "file permissions are not enforced here";
    }
    std::vector<Shell::TRequest> started;
    Shell::SetStarter([&started](const Shell::TRequest& r, QString*) {
        started.push_back(r);
        return true;
    });
    WindowLookup::SetOverride([](const QString&) { return false; });
    TFakeMain main(QString::fromLatin1(Mod.Bot));
    LockModDir();
    const bool ok = UQOR::LaunchHalfLife(&main);
    UnlockModDir();
    Shell::SetStarter({});
    WindowLookup::SetOverride({});

    // A number of the store that is not one never reaches the bot program's files.
    if (Case.NeverWritten) {
        QDirIterator it(Env.ModDir, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            EXPECT_FALSE(TModTestEnv::Read(path).contains(Case.NeverWritten))
                << path.toStdString() << ":\n" << TModTestEnv::Read(path).toStdString();
        }
    }
    // The launch never changes the files the user keeps: the damaged one is as it was.
    EXPECT_EQ(TModTestEnv::Read(Damaged), DamagedBytes);
    if (Case.ReadOnlyModDir) {
        EXPECT_FALSE(ok);
        EXPECT_TRUE(started.empty());
        EXPECT_FALSE(Env.Dialogs.Texts(Kind::Error).isEmpty());
        ExpectModFolderKept();
        return;
    }
    if (ok) {
        ASSERT_EQ(started.size(), 1u);
        // A damaged file never puts a control character or a second command into the game's line.
        for (const QChar c : started[0].Parameters)
            EXPECT_TRUE(c != QChar(0) && c != QLatin1Char('\r') && c != QLatin1Char('\n'))
                << started[0].Parameters.toStdString();
    } else {
        EXPECT_TRUE(started.empty());
        EXPECT_FALSE(Env.Dialogs.Texts(Kind::Error).isEmpty()) << Shown().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, BadInput,
                         ::testing::Combine(::testing::Values(kOpera, kCstrike, kWizwars),
                                            ::testing::ValuesIn(BadCases())),
                         Name);

// PrepareLaunch alone, for a mod folder that is gone: the message names the problem and nothing
// is created in its place.
TEST(BadInputPrepare, MissingModFolderStopsWithAMessage)
{
    for (const TModCase& mod : {kOpera, kCstrike}) {
        TModTestEnv env(QString::fromLatin1(mod.Key), QString::fromLatin1(mod.Folder), QString::fromLatin1(mod.Bot));
        env.Program.AddFile(QString::fromLatin1(mod.Store), mod.ReadyStore);
        QDir(env.ModDir).removeRecursively();
        TIniFile::FlushCache();
        QString error;
        EXPECT_FALSE(UQOR::PrepareLaunch(&error)) << mod.Key;
        EXPECT_FALSE(error.isEmpty()) << mod.Key;
        EXPECT_FALSE(QFileInfo::exists(env.ModDir)) << mod.Key;
    }
}

} // namespace
