// Half-Life Deathmatch's launch files for every bot program of the shipped Mods\HL-DM.ini, from
// one bot store, byte for byte; then the variations of the writers and the damaged inputs.
#include "mods/common/ModTestEnv.h"

#include "core/UQOR.h"
#include "mods/deathmatch/UDeathmatch.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const char* const kStore =
    "[game.cfg]\r\nmp_teamlist=gordon;barney\r\nmp_fraglimit=30\r\nmp_timelimit=abc\r\nmp_falldamage=1.0\r\n"
    "mp_teamplay=1\r\nmp_friendlyfire=Yes\r\nmp_footsteps=0\r\nmp_flashlight=1\r\n"
    "[Default]\r\nspawnbot=2\r\nskill5=3\r\nskill10=7\r\nskill100=40\r\nchatfreq=30\r\nchatfreq_kill=25\r\n"
    "chatfreq_died=15\r\nreaction_time=1\r\nrandom_color=1\r\nbot_random=1\r\nspawndelay=5\r\n"
    "botdontshoot=0\r\nBotChat=1\r\nRestrictedWeaponMode=0\r\nAlwaysRespond=1\r\nmatrix_mode=1\r\n"
    "[Bot 1]\r\nnom=Ann\r\nmodele=barney\r\nparam1=7\r\nparam2=9\r\nskill5=2\r\nACCURACY=45\r\n"
    "AGGRESSION=88\r\nPERCEPTION=5\r\nMP5=90\r\n"
    "[Bot 2]\r\nnom=Rex\r\nmodele=helmet\r\nskill5=4\r\n";

class DeathmatchLaunch : public ::testing::Test {
protected:
    DeathmatchLaunch() : env(QStringLiteral("Deathmatch"), QStringLiteral("valve"), QString())
    {
        env.Program.AddFile(QStringLiteral("Bots/HL_Bots.ini"), kStore);
        env.Program.AddFile(QStringLiteral("QOR.ini"), "[Deathmatch]\r\nFirst Map=crossfire\r\n");
        env.Program.AddFile(QStringLiteral("mapcycle.txt"), "datacore\r\nstalkyard\r\n");
        TIniFile::FlushCache();
    }
    bool Launch(const QString& bot, QString& error)
    {
        UInit::SelectedBot = bot;
        TIniFile::FlushCache();
        return UDeathmatch::Logic().LaunchWriters(error);
    }
    QByteArray HL(const QString& rel) const { return TModTestEnv::Read(env.HL.Path(rel)); }

    TModTestEnv env;
};

struct TBotCase {
    const char* Bot;
    const char* Dll;
    const char* File;      // the bot's file below Half-Life
    const char* Expected;
};

TEST_F(DeathmatchLaunch, EveryBotProgramOfTheShippedModsFile)
{
    const TBotCase cases[] = {
        {"Akimbot", "dlls\\akimbot.dll", "valve/bot.cfg",
         "botdontshoot 0\r\nbot_chat_percent 30\r\nbot_taunt_percent 25\r\nbot_whine_percent 15\r\n"
         "addbot barney Ann 2\r\naddbot helmet Rex 4\r\ndisablebotwaypointmessage\r\n"},
        {"HPB Bot", "dlls\\hpb_bot.dll", "valve/bot.cfg",
         "bot_reaction_time 1\r\nrandom_color 1\r\nbot_chat_percent 30\r\nbot_taunt_percent 25\r\n"
         "bot_whine_percent 15\r\naddbot barney Ann 2 9 7\r\naddbot helmet Rex 4 1 1\r\n"},
        {"Jumbot", "..\\jumbot\\dlls\\jumbot.dll", "jumbot/bots.cfg",
         "addbot barney Ann 2 9 7\r\naddbot helmet Rex 4 1 1\r\n"},
        {"OddBot", "dlls\\oddbot.dll", "valve/bot.cfg",
         "bot_chat 30\r\nbotskill 3\r\naddbot barney Ann 2\r\naddbot helmet Rex 4\r\n"},
        {"Parabot", "..\\Parabot\\dlls\\parabot.dll", "Parabot/valve/addbots.cfg", "addbot\r\naddbot\r\n"},
        {"Phineas", "dlls\\phineas.dll", "valve/phineas.ini",
         "[DefaultMap]\r\nQuantity\t\t=2\r\nRandom\t\t=Yes\r\nInitialDelay\t\t=3\r\nSpawnDelay\t\t=5\r\n"
         "WaitForPlayers = 0\r\nKeepServerFull = 0\r\n \r\n"
         "Bot1\t\t=Ann barney 2\r\nBot2\t\t=Rex helmet 4\r\n"},
        {"RCBot", "..\\rcbot\\dlls\\rcbot.dll", "rcbot/bot_config.ini",
         "botdontshootsci 1\nuse_satchels 1\nuse_tripmines 1\ntripmine_percent 50\nallow_spammers 0\n"
         "spammer_percent 50\nmatrix_mode\nbot_chat_percent 30\nbot_break_objects 1\nuse_astar 1\n"
         "min_bot_skill 1\nmax_bot_skill 5\nbot_shoot_impailers 1\nwaypoint update\nrcbot addbot\nrcbot addbot\n"},
        {"Rho-Bot", "dlls\\rhobot.dll", "valve/botcycle.txt", "Ann\r\nRex\r\n"},
        {"TeamBot", "dlls\\teambot.dll", "valve/bot.cfg", "addbot barney Ann\r\naddbot helmet Rex\r\n"},
    };
    env.HL.AddMod(QStringLiteral("jumbot"));
    env.HL.AddMod(QStringLiteral("rcbot"));
    env.HL.AddMod(QStringLiteral("Parabot/valve"));
    const QString jumbot = env.HL.AddFile(QStringLiteral("jumbot/jumbot.cfg"),
                                          "// map notes: bot_num is the number of bots\r\nmap old\r\n"
                                          "bot_num 9\r\nbot_random 0\r\nspawndelay 1\r\nbot_skill 1\r\nbotfov 90\r\n");
    for (const TBotCase& c : cases) {
        SCOPED_TRACE(c.Bot);
        QString error;
        ASSERT_TRUE(Launch(QString::fromLatin1(c.Bot), error)) << error.toStdString();
        EXPECT_EQ(HL(QString::fromLatin1(c.File)), QByteArray(c.Expected));
        EXPECT_EQ(HL(QStringLiteral("valve/game.cfg")),
                  QByteArray("\"mp_teamlist\"\t\t\"gordon;barney\"\r\n\"mp_fraglimit\"\t\t\"30.00000\"\r\n"
                             "\"mp_timelimit\"\t\t\"0.00000\"\r\n\"mp_falldamage\"\t\t\"0\"\r\n"
                             "\"mp_teamplay\"\t\t\"1\"\r\n\"mp_friendlyfire\"\t\t\"1\"\r\n"
                             "\"mp_weaponstay\"\t\t\"0\"\r\n\"mp_forcerespawn\"\t\t\"0\"\r\n"
                             "\"mp_footsteps\"\t\t\"0\"\r\n\"mp_flashlight\"\t\t\"1\"\r\n"
                             "\"mp_autocrosshair\"\t\t\"0\"\r\n\"sv_sendvelocity\"\t\t\"0\"\r\n"));
        EXPECT_EQ(HL(QStringLiteral("valve/mapcycle.txt")), QByteArray("datacore\r\nstalkyard\r\n"));
        EXPECT_TRUE(HL(QStringLiteral("valve/liblist.gam")).contains(QByteArray("\r\ngamedll \"") + c.Dll + "\"\r\n"));
        // The core filters the server configuration of the folder the game starts.
        EXPECT_EQ(UDeathmatch::Logic().Row()->Dir, env.HL.Path(QStringLiteral("valve")));
    }
    EXPECT_EQ(TModTestEnv::Read(jumbot),
              QByteArray("// map notes: bot_num is the number of bots\r\nmap crossfire\r\nbot_num 2\r\n"
                         "bot_random 1\r\nspawndelay 5\r\nbot_skill 3\r\nbotfov 90\r\n"));
    EXPECT_EQ(HL(QStringLiteral("Parabot/valve/parabot.cfg")),
              QByteArray("MinPlayers = 3\r\nPeaceMode = off\r\nRestrictedWeaponMode = off\r\nMinAimSkill = 1\r\n"
                         "MaxAimSkill = 10\r\nBotChat = on\r\nChatFile = \"ChatEnglish.txt\"\r\nAlwaysRespond = on\r\n"));
    const QByteArray rho = HL(QStringLiteral("valve/cfg/rhobot.cfg"));
    EXPECT_TRUE(rho.contains("\r\nbot_number 2\r\n//\r\n// Bot skill level [0 to 100]\r\nbot_skill 40\r\n")) << rho.constData();
    EXPECT_TRUE(rho.contains("\r\nbot_chat 30\r\n"));
    EXPECT_TRUE(HL(QStringLiteral("valve/bots/Ann.cfg")).contains("\r\nbot_top_color\t\t\"9\"\r\nbot_bottom_color\t\t\"7\"\r\n"));
    EXPECT_TRUE(HL(QStringLiteral("valve/bots/Rex.cfg")).contains("\r\nbot_model\t\t\"helmet\"\r\nbot_top_color\t\t\"1\"\r\n"));
    EXPECT_TRUE(HL(QStringLiteral("valve/bots/Ann.cfg")).endsWith("bot_wp_mp5\t\t90\r\nbot_wp_python\t\t1\r\nbot_wp_rpg\t\t1\r\n"
                                                                 "bot_wp_satchel\t\t1\r\nbot_wp_shotgun\t\t1\r\nbot_wp_snark\t\t1\r\n"
                                                                 "bot_wp_tripmine\t\t1\r\n"));
}

struct TTemplateCase {
    const char* Name;
    const char* Template;
    const char* Spawnbot;
    const char* Expected;
};

void PrintTo(const TTemplateCase& c, std::ostream* os) { *os << c.Name; }

class DeathmatchTemplate : public DeathmatchLaunch, public ::testing::WithParamInterface<TTemplateCase> {};

TEST_P(DeathmatchTemplate, FillsEachPlaceholderOnce)
{
    const TTemplateCase& c = GetParam();
    env.Program.AddFile(QStringLiteral("Mods/HL-DM.ini"),
                        QByteArray("[Test Bot]\r\ngame=valve\r\npath=valve\r\ndll=dlls\\t.dll\r\nBotFile=t.cfg\r\nAddbot=") +
                            c.Template + "\r\n");
    QByteArray store(kStore);
    store.replace("spawnbot=2", QByteArray("spawnbot=") + c.Spawnbot);
    env.Program.AddFile(QStringLiteral("Bots/HL_Bots.ini"), store);
    QString error;
    ASSERT_TRUE(Launch(QStringLiteral("Test Bot"), error)) << error.toStdString();
    EXPECT_EQ(HL(QStringLiteral("valve/t.cfg")), QByteArray(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Templates, DeathmatchTemplate,
    ::testing::Values(
        TTemplateCase{"EveryPlaceholder",
                      "a <number> <model> <name> <shirt> <pants> <skill> <accuracy> <aggression> <perception> <chat>",
                      "2", "a 1 barney Ann 9 7 2 6 10 2 4\r\na 2 helmet Rex 1 1 4 1 1 1 4\r\n"},
        TTemplateCase{"SecondOccurrenceStays", "addbot <name> <name> <x>", "1", "addbot Ann <name> <x>\r\n"},
        TTemplateCase{"RcSplitsAndTabsEverywhere", "addbot <name><RC>say<TAB>hi<TAB><RC>", "1",
                      "addbot Ann\r\nsay\thi\t\r\n\r\n"},
        TTemplateCase{"EmptyTemplateOneEmptyLinePerBot", "", "2", "\r\n\r\n"},
        TTemplateCase{"MissingBotTakesTheLaunchDefaults", "addbot <model> <name> <skill> <shirt> <pants>", "3",
                      "addbot barney Ann 2 9 7\r\naddbot helmet Rex 4 1 1\r\naddbot gordon NewBot 1 1 1\r\n"},
        TTemplateCase{"AListenServerKeepsTheHostsSlot", "b", "40",
                      "b\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\n"
                      "b\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\nb\r\n"}),
    [](const auto& info) { return std::string(info.param.Name); });

struct TRefusedCase {
    const char* Name;
    const char* Section;
    const char* Named;   // what the message names
};

void PrintTo(const TRefusedCase& c, std::ostream* os) { *os << c.Name; }

class DeathmatchRefused : public DeathmatchLaunch, public ::testing::WithParamInterface<TRefusedCase> {};

TEST_P(DeathmatchRefused, NothingIsWrittenAndTheMessageNamesTheCause)
{
    const TRefusedCase& c = GetParam();
    env.Program.AddFile(QStringLiteral("Mods/HL-DM.ini"), QByteArray("[Test Bot]\r\n") + c.Section);
    QString error;
    EXPECT_FALSE(Launch(QStringLiteral("Test Bot"), error));
    EXPECT_TRUE(error.contains(QString::fromLatin1(c.Named))) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(env.HL.Path(QStringLiteral("game.cfg"))));
    EXPECT_FALSE(TModTestEnv::Exists(env.HL.Path(QStringLiteral("bot.cfg"))));
    EXPECT_FALSE(TModTestEnv::Exists(env.HL.Path(QStringLiteral("valve/bot.cfg"))));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, DeathmatchRefused,
    ::testing::Values(TRefusedCase{"NoGame", "path=valve\r\ndll=dlls\\t.dll\r\n", "\"game\""},
                      TRefusedCase{"BlankPath", "game=valve\r\npath=  \r\ndll=dlls\\t.dll\r\n", "\"path\""},
                      TRefusedCase{"MissingGameFolder", "game=tfc\r\npath=valve\r\n", "tfc"},
                      TRefusedCase{"NoDllForTheStockGame", "game=valve\r\npath=valve\r\nBotFile=t.cfg\r\n", "\"dll\""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DeathmatchLaunch, OnlyTheStockFolderGetsLiblistAndAMapCycleCopyMustSucceed)
{
    // Another game folder, even "Valve" in another case, keeps its own liblist.gam.
    env.HL.AddMod(QStringLiteral("ag"));
    const QString agLiblist = env.HL.AddFile(QStringLiteral("ag/liblist.gam"), "game \"AG\"\r\n");
    env.Program.AddFile(QStringLiteral("Mods/HL-DM.ini"),
                        "[AG Bot]\r\ngame=ag\r\npath=valve\r\ndll=dlls\\t.dll\r\nBotFile=t.cfg\r\n"
                        "[Case Bot]\r\ngame=Valve\r\npath=valve\r\ndll=dlls\\t.dll\r\nBotFile=t.cfg\r\n"
                        "[Editor Bot]\r\ngame=valve\r\npath=valve\r\ndll=dlls\\t.dll\r\nBotFile=e.cfg\r\nBotEditor=edit.exe\r\n");
    QString error;
    ASSERT_TRUE(Launch(QStringLiteral("AG Bot"), error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(agLiblist), QByteArray("game \"AG\"\r\n"));
    EXPECT_EQ(HL(QStringLiteral("ag/mapcycle.txt")), QByteArray("datacore\r\nstalkyard\r\n"));
    EXPECT_EQ(UDeathmatch::Logic().Row()->Dir, env.HL.Path(QStringLiteral("ag")));
    EXPECT_TRUE(TModTestEnv::Exists(env.HL.Path(QStringLiteral("valve/t.cfg"))));
    ASSERT_TRUE(Launch(QStringLiteral("Case Bot"), error)) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(env.HL.Path(QStringLiteral("valve/liblist.gam"))));

    // A bot program with its own editor keeps its own bot list.
    ASSERT_TRUE(Launch(QStringLiteral("Editor Bot"), error)) << error.toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(env.HL.Path(QStringLiteral("valve/e.cfg"))));

    // No saved cycle is no error; a cycle that cannot be copied is one.
    QFile::remove(env.Program.Path(QStringLiteral("mapcycle.txt")));
    EXPECT_TRUE(Launch(QStringLiteral("AG Bot"), error)) << error.toStdString();
    env.Program.AddFile(QStringLiteral("mapcycle.txt"), "datacore\r\n");
    QFile::remove(env.HL.Path(QStringLiteral("ag/mapcycle.txt")));
    QDir().mkpath(env.HL.Path(QStringLiteral("ag/mapcycle.txt")));
    EXPECT_FALSE(Launch(QStringLiteral("AG Bot"), error));
    EXPECT_TRUE(error.contains(QStringLiteral("mapcycle.txt"))) << error.toStdString();
}

TEST_F(DeathmatchLaunch, PlayerCountKeepsTheHostsSlotOnAListenServer)
{
    TModRow* row = UDeathmatch::Logic().Row();
    ASSERT_TRUE(row && row->Profile.LaunchMaxPlayers);
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"spawnbot=2", "N", "3"}, {"spawnbot=40", "N", "32"}, {"spawnbot=31", "N", "32"},
        {"spawnbot=40", "O", "32"}, {"spawnbot=-4", "N", "1"}};
    for (const auto& [line, dedicated, players] : cases) {
        env.Program.AddFile(QStringLiteral("Bots/HL_Bots.ini"), QByteArray("[Default]\r\n") + line + "\r\n");
        UInit::DedicatedSetting = QString::fromLatin1(dedicated);
        TIniFile::FlushCache();
        QString max, error;
        ASSERT_TRUE(row->Profile.LaunchMaxPlayers(max, error)) << error.toStdString();
        EXPECT_EQ(max, QString::fromLatin1(players)) << line << dedicated;
    }
}

} // namespace
