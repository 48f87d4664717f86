// Counter-Strike's launch files, written from the stores alone (no window open): liblist.gam and
// each bot program's file byte for byte, the config.cfg bind, the P.O.D.Bot skill-table format
// and the full launch command.
#include "mods/common/ModTestEnv.h"

#include "core/UQOR.h"
#include "mods/cstrike/UCstrike.h"
#include "platform/Shell.h"
#include "platform/WindowLookup.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------- one bot's entry

struct TEntryCase {
    const char* Name;
    const char* Template;
    const char* Section;   // the [Bot 1] lines of the store
    QStringList Lines;
};

void PrintTo(const TEntryCase& c, std::ostream* os) { *os << c.Name; }

class CstrikeEntry : public ::testing::TestWithParam<TEntryCase> {};

TEST_P(CstrikeEntry, FillsThePlaceholdersOnceAndSplitsAtCR)
{
    const TEntryCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("[Bot 1]\r\n") + c.Section);
    f.close();
    TIniFile::FlushCache();
    const TIniFile store(path);
    EXPECT_EQ(UCstrike::BotEntryLines(QString::fromLatin1(c.Template), store, 1, QStringLiteral("5")),
              c.Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, CstrikeEntry,
    ::testing::Values(
        TEntryCase{"AllFour", "addbot <team> <model> <name> <skill>",
                   "nom=Alpha\r\nteam=1\r\nmodele=3\r\nskill5=4\r\n", {"addbot 1 3 Alpha 4"}},
        TEntryCase{"AutoTeamIsFive", "addbot <team> <model> <name> <skill>",
                   "nom=Alpha\r\nteam=0\r\nmodele=0\r\nskill5=0\r\n", {"addbot 5 0 Alpha 0"}},
        TEntryCase{"MissingSectionDefaults", "addbot <team> <model> <name> <skill>", "",
                   {"addbot 5 1 NewBot 1"}},
        TEntryCase{"OnlyFirstOccurrence", "<team> <team> <name> <name>",
                   "nom=Alpha\r\nteam=2\r\n", {"2 <team> Alpha <name>"}},
        TEntryCase{"CRSplitsTheEntry", "addbot <team> <model> <name> <skill><CR>pause 1<CR>",
                   "nom=Alpha\r\nteam=2\r\nmodele=1\r\nskill5=2\r\n", {"addbot 2 1 Alpha 2", "pause 1", ""}},
        TEntryCase{"WeaponByIndex", "addbot <name> <weapon>", "nom=Alpha\r\nweapon=10\r\n",
                   {"addbot Alpha weapon_awp"}},
        TEntryCase{"WeaponOutsideTheTable", "addbot <name> [<weapon>]", "nom=Alpha\r\nweapon=15\r\n",
                   {"addbot Alpha []"}},
        TEntryCase{"UnknownPlaceholderStays", "addbot <name> <class>", "nom=Alpha\r\n",
                   {"addbot Alpha <class>"}},
        // A name is the user's text: it never becomes a placeholder or a second command.
        TEntryCase{"NameHoldingCRAndSkill", "addbot <name> <skill>", "nom=A<CR>quit<skill>\r\nskill5=3\r\n",
                   {"addbot A<CR>quit<skill> 3"}}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- botskill.cfg format

TEST(CstrikeSkillTable, ShortBlockShiftsLaterValuesIntoTheNextBand)
{
    QStringList lines{QStringLiteral("# comment"), QString()};
    // The first block lacks SEEN_SHOOTTHRU_PROB, so the band moves on only after the next
    // block's first key.
    for (int k = 0; k < 9; ++k)
        lines << UCstrike::SkillKeys().at(k) + QStringLiteral(" a%1").arg(k);
    lines << QStringLiteral("   ");
    for (int k = 0; k < 10; ++k)
        lines << QStringLiteral("  ") + UCstrike::SkillKeys().at(k) + QStringLiteral("   b%1 ").arg(k);

    UCstrike::TSkillTable table;
    table[9][1] = QStringLiteral("kept");
    UCstrike::ParseBotSkill(lines, table);
    EXPECT_EQ(table[0][0], QStringLiteral("b0"));   // the tenth key of band 0 came from block 2
    EXPECT_EQ(table[8][0], QStringLiteral("a8"));
    EXPECT_EQ(table[1][1], QStringLiteral("b1"));
    EXPECT_EQ(table[9][1], QStringLiteral("b9"));
    EXPECT_EQ(table[0][1], QString());
}

TEST(CstrikeSkillTable, FormatReadsBackToTheSameTable)
{
    UCstrike::TSkillTable table;
    for (int k = 0; k < UCstrike::SkillKeyCount; ++k)
        for (int b = 0; b < UCstrike::SkillBandCount; ++b)
            table[k][b] = QStringLiteral("%1.%2").arg(k).arg(b);
    const QStringList lines = UCstrike::FormatBotSkill(table);
    ASSERT_EQ(lines.size(), 2 + 6 * 12);
    EXPECT_EQ(lines[0], QStringLiteral("# The order is from the Worst Bots to the Best. DON'T CHANGE THE"));
    EXPECT_EQ(lines[2], QString());
    EXPECT_EQ(lines[3], QStringLiteral("# Settings for Bots Skill 0-19"));
    EXPECT_EQ(lines[4], QStringLiteral("MIN_DELAY 0.0"));
    EXPECT_EQ(lines[73], QStringLiteral("SEEN_SHOOTTHRU_PROB 9.5"));
    EXPECT_EQ(lines[63], QStringLiteral("# Settings for Bots Skill 100"));

    UCstrike::TSkillTable back;
    UCstrike::ParseBotSkill(lines, back);
    EXPECT_EQ(back, table);
    EXPECT_FALSE(UCstrike::IsEmpty(back));
    EXPECT_TRUE(UCstrike::IsEmpty(UCstrike::TSkillTable{}));
}

// ---------------------------------------------------------------- launch writers

const QByteArray kLiblistHead = Crlf({"game \"Counterstrike\"", "url_info \"www.counter-strike.net\"",
                                      "url_dl \"\"", "version \"1.3\"", "size \"Largish\"", "svonly \"0\"",
                                      "cldll \"1\" ", "hlversion \"1108\"", "type \"multiplayer_only\"",
                                      "nomodels \"1\"", "mpentity \"info_player_start\""});
const QByteArray kLiblistTail = Crlf({"gamedll_linux \"dlls/cs_i386.so\"", "trainmap \"tr_1\""});

class CstrikeLaunch : public ::testing::Test {
protected:
    CstrikeLaunch()
        : Env(QStringLiteral("CStrike"), QStringLiteral("cstrike"), QStringLiteral("P.O.D.Bot"))
    {
        Env.HL.AddFile(QStringLiteral("cstrike/PODBot/wptcs10/de_dust.pwf"), "w");
        Env.HL.AddFile(QStringLiteral("cstrike/joebot/joebot.dll"), "MZ");
        Env.HL.AddFile(QStringLiteral("realbot/dll/realbot.dll"), "MZ");
        Env.HL.AddMap(QStringLiteral("cstrike"), QStringLiteral("cs_assault"));
    }

    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/CS_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    // Changes one key of the shipped Mods\CStrike.ini copy.
    void SetModsKey(const char* section, const char* key, const char* value)
    {
        TIniFile mods(Env.ProgramFile(QStringLiteral("Mods/CStrike.ini")));
        ASSERT_TRUE(mods.WriteString(QString::fromLatin1(section), QString::fromLatin1(key),
                                     QString::fromLatin1(value)));
        TIniFile::FlushCache();
    }
    bool RunWriters(QString& error)
    {
        TModRow* row = ModTable::Find(QStringLiteral("CStrike"));
        EXPECT_TRUE(row && row->Hooks.LaunchWriters);
        return row && row->Hooks.LaunchWriters(error);
    }
    QByteArray ModBytes(const QString& rel) const { return TModTestEnv::Read(Env.ModFile(rel)); }

    TModTestEnv Env;
};

TEST_F(CstrikeLaunch, PodBotFilesByteForByte)
{
    WriteStore("[Default]\r\nnumbot=2\r\nskill100=40\r\nspawnbot=3\r\nminskill=10\r\nbotchat=1\r\n"
               "knifeonly=0\r\nbot_control=2\r\ndetailnames=1\r\nbotmenu=F5\r\nwptfolder=wptcs10\r\n"
               "[PODBot]\r\ninhumanturns=1\r\nusespeech=Yes\r\nmaxweaponpickup=3\r\ntimer_sound=1.0\r\n"
               "timer_grenade=0.5\r\nimonmars=1\r\nimstoned=1\r\nimsober=0\r\n"
               "[Bot 1]\r\nnom=Alpha\r\nteam=0\r\nmodele=2\r\nskill100=55\r\n"
               "[Bot 2]\r\nnom=Bravo\r\nteam=2\r\nmodele=0\r\nskill100=90\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();

    EXPECT_EQ(ModBytes(QStringLiteral("liblist.gam")),
              kLiblistHead + "gamedll \"PODBot\\podbot.dll\"\r\n" + kLiblistTail);
    EXPECT_EQ(ModBytes(QStringLiteral("PODBot/podbot.cfg")),
              Crlf({"# addbot <skill> <team> <model> <name>", "pause 3", "", "bind \"F5\" \"podbotmenu\"",
                    "wptfolder wptcs10", "minbotskill 10", "maxbotskill 40", "jasonmode off", "botchat on",
                    "botsfollowuser 2", "detailnames on", "inhumanturns on", "collectexperience off",
                    "shootthruwalls off", "usespeech on", "botvotekick off", "botspray off",
                    "maxweaponpickup 3", "timer_sound 1.0", "timer_pickup 0", "timer_grenade 0.5",
                    "omg imonmars", "omg imstoned", "addbot 55 5 2 Alpha", "addbot 90 2 0 Bravo",
                    "addbot 1 5 1 NewBot"}));
}

TEST_F(CstrikeLaunch, PodBotTimerWithoutANumberIsLeftToTheBot)
{
    WriteStore("[Default]\r\nspawnbot=0\r\n[PODBot]\r\ntimer_sound=\r\ntimer_pickup=.\r\ntimer_grenade=0.7\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    const QByteArray file = ModBytes(QStringLiteral("PODBot/podbot.cfg"));
    EXPECT_FALSE(file.contains("timer_sound")) << file.toStdString();
    EXPECT_FALSE(file.contains("timer_pickup")) << file.toStdString();
    EXPECT_TRUE(file.contains("\r\ntimer_grenade 0.7\r\n")) << file.toStdString();
}

TEST_F(CstrikeLaunch, JoeBotWithCRTemplateAndFavouriteWeapon)
{
    UInit::SelectedBot = UCstrike::JoeBot;
    SetModsKey("JoeBot", "addbot", "addbot <team> <model> <name> <skill><CR>// <name> prefers <weapon>");
    SetModsKey("JoeBot", "size", "Small");
    WriteStore("[Default]\r\nnumbot=1\r\nskill100=70\r\nspawnbot=1\r\nminskill=20\r\nbotchat=0\r\n"
               "pistolonly=1\r\ndetailnames=0\r\nchatleet=25\r\nbotmenu=F5\r\n"
               "[Bot 1]\r\nnom=Joe\r\nteam=1\r\nmodele=4\r\nskill100=80\r\nweapon=9\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();

    QByteArray head = kLiblistHead;
    head.replace("size \"Largish\"", "size \"Small\"");
    EXPECT_EQ(ModBytes(QStringLiteral("liblist.gam")), head + "gamedll \"joebot\\joebot.dll\"\r\n" + kLiblistTail);
    // JoeBot has no bot-menu command, so the menu key binds nothing.
    EXPECT_EQ(ModBytes(QStringLiteral("joebot/bot.cfg")),
              Crlf({"# addbot <team> <model> <name> <skill><CR>// <name> prefers <weapon>", "pause 3", "",
                    "botskill 70", "leetposs 25", "botchat off", "pistolonly on", "botskill_min 20",
                    "botskill_max 70", "max_bots 0", "extjoe off", "extskill off", "lbp botbuyweapons.cfg",
                    "addbot 1 4 Joe 80", "// <name> prefers weapon_scout"}));
}

TEST_F(CstrikeLaunch, RealBotWritesNoBotskillLineIntoItsOwnFolder)
{
    UInit::SelectedBot = UCstrike::RealBot;
    WriteStore("[Default]\r\nnumbot=1\r\nskill10=4\r\nspawnbot=1\r\nminskill=2\r\nautoskill=1\r\n"
               "[Bot 1]\r\nnom=Rex\r\nteam=2\r\nmodele=1\r\nskill10=6\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    EXPECT_EQ(ModBytes(QStringLiteral("liblist.gam")),
              kLiblistHead + "gamedll \"..\\realbot\\dll\\realbot.dll\"\r\n" + kLiblistTail);
    EXPECT_EQ(TModTestEnv::Read(Env.HL.Path(QStringLiteral("realbot/bot.cfg"))),
              Crlf({"# realbot add <team> <skill> <model> <name>", "pause 3", "", "rb_skill 4",
                    "rb_setrandom  2 4", "rb_forceskill 1", "rb_internet 1", "realbot add 2 6 1 Rex"}));
}

// A bot left at "Default" (skill 0): RealBot reads 0 as a skill of its own scale and -1 as its
// own choice; JoeBot already takes 0 as its own choice; P.O.D.Bot refuses -1, so it gets 0.
TEST_F(CstrikeLaunch, DefaultSkillBotLeavesTheLevelToTheBotProgram)
{
    const struct {
        const QString& Bot;
        const char* SkillKey;
        const char* BotFile;   // below the Half-Life folder
        const char* Entry;
    } cases[] = {
        // P.O.D.Bot makes no bot of a skill outside 0..100: its "Default" is written as stored.
        {UCstrike::PodBot, "skill100", "cstrike/PODBot/podbot.cfg", "addbot 0 5 0 Zed"},
        {UCstrike::RealBot, "skill10", "realbot/bot.cfg", "realbot add 5 -1 0 Zed"},
        {UCstrike::JoeBot, "skill100", "cstrike/joebot/bot.cfg", "addbot 5 0 Zed 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Bot.toStdString());
        UInit::SelectedBot = c.Bot;
        WriteStore(QByteArray("[Default]\r\nnumbot=2\r\nspawnbot=2\r\n[Bot 1]\r\nnom=Zed\r\nteam=0\r\nmodele=0\r\n") +
                   c.SkillKey + "=0\r\n[Bot 2]\r\nnom=Ace\r\nteam=1\r\nmodele=2\r\n" + c.SkillKey + "=10\r\n");
        QString error;
        ASSERT_TRUE(RunWriters(error)) << error.toStdString();
        const QList<QByteArray> lines = TModTestEnv::Read(Env.HL.Path(QString::fromLatin1(c.BotFile))).split('\n');
        ASSERT_GE(lines.size(), 3);
        EXPECT_EQ(lines[lines.size() - 3], QByteArray(c.Entry) + "\r");
        // A chosen skill goes as it is.
        EXPECT_TRUE(lines[lines.size() - 2].contains(" 10") && !lines[lines.size() - 2].contains("-1"))
            << lines[lines.size() - 2].toStdString();
    }
}

TEST_F(CstrikeLaunch, PodBotSkillsStayWithinWhatItAccepts)
{
    UInit::SelectedBot = UCstrike::PodBot;
    WriteStore("[Default]\r\nnumbot=3\r\nspawnbot=3\r\nskill100=250\r\nminskill=-4\r\n"
               "[Bot 1]\r\nnom=A\r\nteam=1\r\nmodele=1\r\nskill100=150\r\n"
               "[Bot 2]\r\nnom=B\r\nteam=1\r\nmodele=1\r\nskill100=-20\r\n"
               "[Bot 3]\r\nnom=C\r\nteam=1\r\nmodele=1\r\nskill100=abc\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    const QByteArray file = TModTestEnv::Read(Env.HL.Path(QStringLiteral("cstrike/PODBot/podbot.cfg")));
    for (const char* line : {"\r\nminbotskill 0\r\n", "\r\nmaxbotskill 100\r\n", "\r\naddbot 100 1 1 A\r\n",
                             "\r\naddbot 0 1 1 B\r\n", "\r\naddbot 1 1 1 C\r\n"})
        EXPECT_TRUE(file.contains(line)) << line << "\n" << file.toStdString();
}

TEST_F(CstrikeLaunch, AListenServerLeavesTheHostASlot)
{
    UInit::SelectedBot = UCstrike::JoeBot;
    WriteStore("[Default]\r\nnumbot=0\r\nspawnbot=40\r\n");
    for (const auto& [dedicated, bots] : {std::pair{"N", 31}, std::pair{"O", 32}}) {
        UInit::DedicatedSetting = QString::fromLatin1(dedicated);
        QString error;
        ASSERT_TRUE(RunWriters(error)) << error.toStdString();
        const QByteArray file = TModTestEnv::Read(Env.HL.Path(QStringLiteral("cstrike/joebot/bot.cfg")));
        EXPECT_EQ(file.count("\r\naddbot "), bots) << dedicated;
    }
    UInit::DedicatedSetting = QStringLiteral("N");
}

TEST_F(CstrikeLaunch, NoStoreWritesTheHeaderOnly)
{
    UInit::SelectedBot = UCstrike::SwatBot;
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    EXPECT_EQ(ModBytes(QStringLiteral("bot.cfg")),
              Crlf({"# addbot <team> <model> <name> <skill>", "pause 3", "", "botskill 0", "knifewar 0"}));
}

TEST_F(CstrikeLaunch, BottBotWeaponModeTakesTheLastTickedLimit)
{
    UInit::SelectedBot = UCstrike::BottBot;
    WriteStore("[Default]\r\nskill10=7\r\nknifeonly=1\r\npistolonly=0\r\nSnipeonly=1\r\nbotchat=1\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error));
    EXPECT_EQ(ModBytes(QStringLiteral("bot.cfg")),
              Crlf({"# addbot <team> <model> <name> <skill>", "pause 3", "", "botchat 1", "bt_minskill 1",
                    "bt_maxskill 7", "bt_showskill 0", "bt_waypointedit 0", "bt_reactions 0.001",
                    "bt_unlocked 1", "bt_weaponmode 4"}));
}

struct TBindCase {
    const char* Name;
    const char* ExecKey;      // the store's display name ("" none)
    const char* Config;       // config.cfg before (nullptr: no file)
    int Launches;
    const char* After;        // config.cfg after (nullptr: still no file)
};

void PrintTo(const TBindCase& c, std::ostream* os) { *os << c.Name; }

class CstrikeBind : public CstrikeLaunch, public ::testing::WithParamInterface<TBindCase> {};

TEST_P(CstrikeBind, ConfigCfgGetsTheSpawnKeyOnce)
{
    const TBindCase& c = GetParam();
    UInit::SelectedBot = UCstrike::SwatBot;
    WriteStore(QByteArray("[Default]\r\nExecKey=") + c.ExecKey + "\r\n");
    if (c.Config)
        Env.HL.AddFile(QStringLiteral("cstrike/config.cfg"), c.Config);
    for (int i = 0; i < c.Launches; ++i) {
        QString error;
        ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    }
    const QString config = Env.ModFile(QStringLiteral("config.cfg"));
    if (c.After)
        EXPECT_EQ(TModTestEnv::Read(config), QByteArray(c.After));
    else
        EXPECT_FALSE(TModTestEnv::Exists(config));
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("bot.cfg"))));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CstrikeBind,
    ::testing::Values(
        TBindCase{"AppendedOnceOverTwoLaunches", "Num Keypad 5", "bind \"w\" \"+forward\"\r\n", 2,
                  "bind \"w\" \"+forward\"\r\nbind \"KP_5\" \"exec bot.cfg\"\r\n"},
        TBindCase{"LastLineWithoutEndingKept", "F6", "name \"Me\"", 1,
                  "name \"Me\"\r\nbind \"F6\" \"exec bot.cfg\"\r\n"},
        TBindCase{"AlreadyBoundByHand", "F6", "bind \"F6\" \"exec bot.cfg\"\r\nname \"Me\"\r\n", 1,
                  "bind \"F6\" \"exec bot.cfg\"\r\nname \"Me\"\r\n"},
        TBindCase{"NoKeyChosen", "", "name \"Me\"\r\n", 1, "name \"Me\"\r\n"},
        TBindCase{"KeyOutsideTheTable", "F11", "name \"Me\"\r\n", 1, "name \"Me\"\r\n"},
        TBindCase{"MissingConfigIsSkipped", "F6", nullptr, 1, nullptr}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CstrikeLaunch, BotNamesCannotSplitOrEndTheAddCommand)
{
    UInit::SelectedBot = UCstrike::JoeBot;   // its name stands before the skill
    WriteStore("[Default]\r\nspawnbot=4\r\n"
               "[Bot 1]\r\nnom=Big Bob\r\nteam=1\r\nmodele=1\r\nskill100=50\r\n"
               "[Bot 2]\r\nnom=x;quit\r\nteam=1\r\nmodele=1\r\nskill100=50\r\n"
               "[Bot 3]\r\nnom=\"Ace\"\r\nteam=1\r\nmodele=1\r\nskill100=50\r\n"
               "[Bot 4]\r\nnom=;\r\nteam=1\r\nmodele=1\r\nskill100=50\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    const QByteArray file = ModBytes(QStringLiteral("joebot/bot.cfg"));
    for (const char* line : {"\r\naddbot 1 1 BigBob 50\r\n", "\r\naddbot 1 1 xquit 50\r\n",
                             "\r\naddbot 1 1 Ace 50\r\n", "\r\naddbot 1 1 NewBot 50\r\n"})
        EXPECT_TRUE(file.contains(line)) << line << "\n" << file.toStdString();
}

TEST_F(CstrikeLaunch, UnwritableBotFileIsReportedOnceByName)
{
    WriteStore("[Default]\r\nspawnbot=1\r\n");
    ASSERT_TRUE(QDir(Env.ModFile(QStringLiteral("PODBot"))).mkpath(QStringLiteral("podbot.cfg")));
    QString error;
    EXPECT_FALSE(RunWriters(error));
    EXPECT_EQ(error.count(QStringLiteral("podbot.cfg")), 1) << error.toStdString();
    EXPECT_TRUE(error.startsWith(QStringLiteral("Can't write ")) && error.contains(QStringLiteral("folder")))
        << error.toStdString();
}

TEST_F(CstrikeLaunch, OutsideBotEditorLeavesTheBotFilesAlone)
{
    UInit::SelectedBot = UCstrike::SwatBot;
    SetModsKey("Swat Bot", "BotEditor", "editor.exe");
    WriteStore("[Default]\r\nExecKey=F6\r\nspawnbot=2\r\n");
    Env.HL.AddFile(QStringLiteral("cstrike/bot.cfg"), "mine\r\n");
    Env.HL.AddFile(QStringLiteral("cstrike/config.cfg"), "name \"Me\"\r\n");
    QString error;
    ASSERT_TRUE(RunWriters(error));
    EXPECT_EQ(ModBytes(QStringLiteral("bot.cfg")), QByteArray("mine\r\n"));
    EXPECT_EQ(ModBytes(QStringLiteral("config.cfg")), QByteArray("name \"Me\"\r\n"));
    EXPECT_EQ(ModBytes(QStringLiteral("liblist.gam")),
              kLiblistHead + "gamedll \"swatbot\\swat_bot.dll\"\r\n" + kLiblistTail);
}

TEST_F(CstrikeLaunch, MissingBotFolderIsReportedAndNothingIsHalfWritten)
{
    UInit::SelectedBot = UCstrike::JoeBot;
    QDir(Env.ModFile(QStringLiteral("joebot"))).removeRecursively();
    QString error;
    EXPECT_FALSE(RunWriters(error));
    EXPECT_TRUE(error.contains(QStringLiteral("bot.cfg"))) << error.toStdString();
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("liblist.gam"))));
}

// The whole launch as the main window runs it: the selected bot, automatic start, no First Map.
TEST_F(CstrikeLaunch, LaunchWithPodBotAndAutoStart)
{
    WriteStore("[Default]\r\nnumbot=1\r\nskill100=40\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nteam=1\r\n"
               "modele=1\r\nskill100=50\r\n");
    QWidget main;
    auto* group = new QGroupBox(&main);
    group->setObjectName(QStringLiteral("GB_SelectBot"));
    auto* bots = new QComboBox(group);
    bots->setObjectName(QStringLiteral("CB_SelectBot"));
    bots->addItem(UCstrike::PodBot);
    bots->setCurrentIndex(0);
    std::vector<Shell::TRequest> started;
    Shell::SetStarter([&started](const Shell::TRequest& r, QString*) {
        started.push_back(r);
        return true;
    });
    WindowLookup::SetOverride([](const QString&) { return false; });
    const bool ok = UQOR::LaunchHalfLife(&main);
    Shell::SetStarter({});
    WindowLookup::SetOverride({});

    ASSERT_TRUE(ok) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QString expected =
        QStringLiteral(" -console -game cstrike +sv_lan 1 +maxplayers 32 +connect +map cs_assault");
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].Parameters, expected);
    EXPECT_EQ(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("log.txt"))), expected.toUtf8() + "\r\n");
    EXPECT_TRUE(ModBytes(QStringLiteral("PODBot/podbot.cfg")).endsWith("addbot 50 1 1 Alpha\r\n"));
    EXPECT_TRUE(ModBytes(QStringLiteral("liblist.gam")).contains("gamedll \"PODBot\\podbot.dll\"\r\n"));
}

} // namespace
