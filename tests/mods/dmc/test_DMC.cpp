// Deathmatch Classic: from the main window's button through the window, Apply and Launch; the
// launch files of every bot program of the shipped Mods\DMC.ini byte for byte; what each bot
// program shows, and the window's own fixes.
#include "mods/common/FromMain.h"

#include "mods/common/BotProperties.h"
#include "mods/dmc/UDMC.h"
#include "mods/dmc/UFDMC.h"
#include "ui/ModalRunner.h"
#include "ui/NumberEdit.h"
#include "ui/UEditor.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QDir>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <memory>

namespace {

using Kind = Dialogs::TKind;

TEST(DMCFromMainWindow, HpbBotFromEditToLaunch)
{
    TModTestEnv env(QStringLiteral("DMC"), QStringLiteral("dmc"), QString());
    env.HL.AddFile(QStringLiteral("dmc/dlls/hpb_bot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("dmc"), QStringLiteral("dmc_dm2"));
    env.HL.AddMap(QStringLiteral("dmc"), QStringLiteral("dmc_dm3"));
    env.HL.AddPlayerModel(QStringLiteral("gordon"));
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("DMC"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("HPB Bot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("HPB Bot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFDMC*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("DeathMatch Classic - HPB Bot"));
        w->Control<TNumberEdit>(QStringLiteral("DMC_fraglimit"))->SetText(QStringLiteral("40"));
        w->Control<QCheckBox>(QStringLiteral("DMC_weaponstay"))->click();
        w->Control<QSlider>(QStringLiteral("DMC_strafe"))->setValue(35);
        // The property pages come back with the first bot of an empty store.
        EXPECT_TRUE(w->GB_BotProp->isHidden());
        w->SBCreeBot->click();
        EXPECT_FALSE(w->GB_BotProp->isHidden());
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              QByteArray("\"mp_fraglimit\"\t\t\"40.00000\"\r\n\"mp_timelimit\"\t\t\"0.00000\"\r\n"
                         "\"mp_weaponstay\"\t\t\"1\"\r\n\"mp_forcerespawn\"\t\t\"0\"\r\n"
                         "\"mp_footsteps\"\t\t\"1\"\r\n\"mp_teamplay\"\t\t\"0\"\r\n\"sv_sendvelocity\"\t\t\"0\"\r\n"));

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.join(QLatin1Char(' ')),
              QStringLiteral("-console -game dmc +sv_lan 1 +maxplayers 32 +connect +map dmc_dm2"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              QByteArray("// Quake Classic Game .dll Listing File\r\n// Load order is determined by file order.\r\n"
                         "game \"DeathMatch Classic\"\r\nurl_info \"www.valvesoftware.com\"\r\nurl_dl \"\"\r\n"
                         "version \"1\"\r\nsize \"37000000\"\r\nsvonly \"0\"\r\ncldll \"0\"\r\n"
                         "type \"multiplayer_only\"\r\nmpentity \"info_player_deathmatch\"\r\n"
                         "gamedll \"dlls\\hpb_bot.dll\"\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              QByteArray("# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 1\r\nbotdontshoot 0\r\n"
                         "bot_strafe_percent 35\r\nbot_logo_percent 40\r\nbot_reaction_time 0\r\nrandom_color 0\r\n"
                         "bot_chat_percent 10\r\nbot_taunt_percent 20\r\nbot_whine_percent 10\r\n"
                         "addbot gordon NewBot 1\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), QByteArray("dmc_dm3\r\n"));
}

const char* const kStore =
    "[Default]\r\nnumbot=2\r\nspawnbot=2\r\nskill=3\r\nchatfreq=30\r\nchatfreq_kill=25\r\nchatfreq_died=15\r\n"
    "strafe=11\r\nlogo=22\r\nreaction_time=2\r\nrandom_color=1\r\nbotdontshoot=1\r\nBotChat=1\r\n"
    "AlwaysRespond=0\r\nallow_spammers=1\r\nspammer_percent=12\r\nmatrix_mode=0\r\nuse_astar=1\r\n"
    "[Bot 1]\r\nnom=Ann\r\nmodele=barney\r\nskill=2\r\nACCURACY=45\r\nnailgun=90\r\n"
    "[Bot 2]\r\nnom=Rex\r\n";

class DMCLaunch : public ::testing::Test {
protected:
    DMCLaunch() : env(QStringLiteral("DMC"), QStringLiteral("dmc"), QString())
    {
        env.Program.AddFile(QStringLiteral("Bots/DMC_Bots.ini"), kStore);
        env.HL.AddMod(QStringLiteral("rcbot"));
        env.HL.AddMod(QStringLiteral("Parabot/dmc"));
        TIniFile::FlushCache();
    }
    TModTestEnv env;
};

TEST_F(DMCLaunch, EveryBotProgramOfTheShippedModsFile)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Akimbot", "dmc/bot.cfg",
         "botdontshoot 1\r\nbot_chat_percent 30\r\nbot_taunt_percent 25\r\nbot_whine_percent 15\r\n"
         "addbot barney Ann 2\r\naddbot gordon Rex \r\ndisablebotwaypointmessage\r\n"},
        {"HPB Bot", "dmc/bot.cfg",
         "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 3\r\nbotdontshoot 1\r\n"
         "bot_strafe_percent 11\r\nbot_logo_percent 22\r\nbot_reaction_time 2\r\nrandom_color 1\r\n"
         "bot_chat_percent 30\r\nbot_taunt_percent 25\r\nbot_whine_percent 15\r\n"
         "addbot barney Ann 2\r\naddbot gordon Rex \r\n"},
        {"Parabot", "Parabot/dmc/addbots.cfg", "addbot\r\naddbot\r\n"},
        {"RCBot", "rcbot/bot_config.ini",
         "allow_spammers 1\nspammer_percent 12\nbot_chat_percent 30\nuse_astar 1\nmin_bot_skill 1\n"
         "max_bot_skill 5\nbot_shoot_impailers 1\nwaypoint update\nrcbot addbot\nrcbot addbot\n"},
        {"Rho-DMC", "dmc/botcycle.txt", "Ann\r\nRex\r\n"},
    };
    for (const auto& [bot, file, expected] : cases) {
        SCOPED_TRACE(bot);
        UInit::SelectedBot = QString::fromLatin1(bot);
        TIniFile::FlushCache();
        QString error;
        ASSERT_TRUE(UDMC::Logic().LaunchWriters(error)) << error.toStdString();
        EXPECT_EQ(TModTestEnv::Read(env.HL.Path(QString::fromLatin1(file))), QByteArray(expected));
    }
    EXPECT_EQ(TModTestEnv::Read(env.HL.Path(QStringLiteral("Parabot/dmc/parabot.cfg"))),
              QByteArray("MinPlayers = 3\r\nPeaceMode = on\r\nRestrictedWeaponMode = off\r\nMinAimSkill = 1\r\n"
                         "MaxAimSkill = 10\r\nBotChat = on\r\nChatFile = \"ChatEnglish.txt\"\r\nAlwaysRespond = off\r\n"));
    const QByteArray rho = TModTestEnv::Read(env.HL.Path(QStringLiteral("dmc/cfg/rhobot.cfg")));
    EXPECT_TRUE(rho.contains("\r\nbot_skill 3\r\n")) << rho.constData();
    EXPECT_TRUE(rho.contains("\r\nbot_chat 50\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.HL.Path(QStringLiteral("dmc/bots/Rex.cfg"))),
              QByteArray("//\r\n// Rho-Bot name, model, and model colors\r\n//\r\n"
                         "bot_name\t\t\"Rex\"\r\nbot_model\t\t\"gordon\"\r\nbot_top_color\t\t\"55\"\r\n"
                         "bot_bottom_color\t\t\"105\"\r\n//\r\n// Rho-Bot traits\r\n//\r\n"
                         "bot_trait_jump\t\t1\r\nbot_trait_accuracy\t\t1\r\nbot_trait_aggression\t\t1\r\n"
                         "bot_trait_perception\t\t1\r\nbot_trait_reflexes\t\t1\r\n//\r\n"
                         "// Rho-Bot DMC weapons preferences\r\n//\r\nbot_wp_axe\t\t1\r\n"
                         "bot_wp_grenadelauncher\t\t1\r\nbot_wp_lightning\t\t1\r\nbot_wp_nailgun \t\t1\r\n"
                         "bot_wp_quakegun\t\t1\r\nbot_wp_rocketlauncher\t\t1\r\nbot_wp_supernailgun\t\t1\r\n"
                         "bot_wp_supershotgun\t\t1\r\n"));
    EXPECT_TRUE(TModTestEnv::Read(env.HL.Path(QStringLiteral("dmc/bots/Ann.cfg"))).contains("\r\nbot_wp_nailgun \t\t90\r\n"));
}

TEST_F(DMCLaunch, TemplatePlaceholdersScaleTheTraits)
{
    env.Program.AddFile(QStringLiteral("Mods/DMC.ini"),
                        "[Test Bot]\r\ndll=dlls\\t.dll\r\nbotfile=t.cfg\r\n"
                        "addbot=a <model> <name> <skill> <accuracy> <aggression> <perception> <chat><TAB><name> <RC>\r\n");
    UInit::SelectedBot = QStringLiteral("Test Bot");
    TIniFile::FlushCache();
    QString error;
    ASSERT_TRUE(UDMC::Logic().LaunchWriters(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("t.cfg"))),
              QByteArray("a barney Ann 2 6 1 1 4\t<name> <RC>\r\na gordon Rex  1 1 1 4\t<name> <RC>\r\n"));
}

class DMCWindow : public ::testing::Test {
protected:
    DMCWindow() : Env(QStringLiteral("DMC"), QStringLiteral("dmc"), QStringLiteral("HPB Bot"))
    {
        Env.HL.AddPlayerModel(QStringLiteral("gordon"));
        Env.HL.AddMap(QStringLiteral("dmc"), QStringLiteral("dmc_dm2"));
        UInit::ListPlayerModels();
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFDMC> Open(const QString& bot)
    {
        UInit::SelectedBot = bot;
        TIniFile::FlushCache();
        auto w = std::make_unique<TFDMC>();
        w->FormActivate();
        return w;
    }
    TModTestEnv Env;
};

struct TLayoutCase {
    const char* Bot;
    const char* PropertyPages;
    const char* Shown;
    const char* Hidden;
};

void PrintTo(const TLayoutCase& c, std::ostream* os) { *os << c.Bot; }

class DMCLayout : public DMCWindow, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(DMCLayout, FirstActivationShowsWhatTheBotProgramUses)
{
    const TLayoutCase& c = GetParam();
    auto w = Open(QString::fromLatin1(c.Bot));
    QStringList pages;
    for (int i = 0; i < w->BotTabs->Tabs->count(); ++i)
        if (w->BotTabs->Tabs->isTabVisible(i))
            pages << w->BotTabs->Tabs->tabText(i);
    EXPECT_EQ(pages.join(QLatin1Char('|')), QString::fromLatin1(c.PropertyPages));
    for (const QString& name : QString::fromLatin1(c.Shown).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        EXPECT_FALSE(w->ControlWidget(name)->isHidden()) << name.toStdString();
    for (const QString& name : QString::fromLatin1(c.Hidden).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        EXPECT_TRUE(w->ControlWidget(name)->isHidden()) << name.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Bots, DMCLayout,
    ::testing::Values(
        TLayoutCase{"Akimbot", "Properties", "DMC_Chatfreq DMC_defskill DMC_Botskill", "DMC_strafe DMC_matrixmode"},
        TLayoutCase{"HPB Bot", "Properties", "DMC_strafe DMC_logo DMC_Reaction_Time DMC_random_color DMC_chatfreq_kill",
                    "DMC_AlwaysRespond DMC_use_astar"},
        TLayoutCase{"Parabot", "Properties|Behaviours",
                    "DMC_accuracy DMC_AlwaysRespond DMC_RestrictedWeaponMode DMC_botchat DMC_Chatfreq",
                    "DMC_jump DMC_reflexes DMC_defskill LabelDefSkill DMC_Botskill Label1"},
        TLayoutCase{"RCBot", "Properties", "DMC_allow_spammers DMC_spammer_percent DMC_use_astar DMC_matrixmode",
                    "DMC_strafe DMC_botchat"},
        TLayoutCase{"Rho-DMC", "Properties|Behaviours|Weapons", "DMC_jump DMC_gauss DMC_Botskill", "DMC_strafe"}),
    [](const auto& info) { return CaseName(info.param.Bot); });

TEST_F(DMCWindow, LabelsNamesEditConfigAndEveryControlMarksModified)
{
    Env.Program.AddFile(QStringLiteral("Mods/DMC.ini"),
                        "[Worst Bot]\r\ndll=dlls\\w.dll\r\nskill0=worst\r\nconfig=.cfg\r\nmaxskill=5\r\n");
    const QString mapCfg = Env.HL.AddFile(QStringLiteral("dmc/maps/dmc_dm2.cfg"), "mp_timelimit 5\r\n");
    auto w = Open(QStringLiteral("Worst Bot"));
    // The default skill reads from good to bad whatever the bot counts; the bot's own skill follows skill0.
    EXPECT_EQ(w->Label13->text(), QStringLiteral("Good"));
    EXPECT_EQ(w->Label15->text(), QStringLiteral("Bad"));
    EXPECT_EQ(w->Label1->text(), QStringLiteral("Bad"));
    EXPECT_EQ(w->Label67->text(), QStringLiteral("Good"));

    w->SBCreeBot->click();
    w->botname->selectAll();
    TModTestEnv::Type(w->botname, QStringLiteral("Big Bob."));
    EXPECT_EQ(w->botname->text(), QStringLiteral("BigBob"));

    UDMC::Logic().State.Modified = 0;
    w->Control<QCheckBox>(QStringLiteral("DMC_matrixmode"))->click();
    EXPECT_EQ(UDMC::Logic().State.Modified, 1);

    // "Edit config" opens the selected map's own file.
    ASSERT_FALSE(w->BEditCfg->isHidden());
    QString opened;
    ModalRunner::Set([&opened](QDialog& d) {
        if (auto* editor = qobject_cast<TEditor*>(&d))
            opened = editor->FilePath();
        return 0;
    });
    w->MapDispo->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    w->BEditCfg->click();
    ModalRunner::Set({});
    EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(opened)).toLower(), mapCfg.toLower());
}

// Every bot program of the shipped Mods\DMC.ini from the main window's button through its
// controls, Apply and Launch: every file written below Half-Life, byte for byte.
using TBotProgramCase = ::TBotProgramCase<TFDMC>;

const QVector<TBotProgramCase>& BotProgramCases()
{
    static const QVector<TBotProgramCase> cases{
        AkimbotCase<TFDMC>(QStringLiteral("dmc"), "10"),
        {"HPB Bot", "dlls\\hpb_bot.dll",
         [](TFDMC& w) {
             w.defskill->setValue(2);
             w.Control<QSlider>(QStringLiteral("DMC_strafe"))->setValue(35);
             w.Control<QComboBox>(QStringLiteral("DMC_Reaction_Time"))->setCurrentIndex(1);
             w.Control<QCheckBox>(QStringLiteral("DMC_random_color"))->click();
             w.Botskill->setValue(3);
         },
         {{"dmc/bot.cfg",
           Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 2", "botdontshoot 0",
                 "bot_strafe_percent 35", "bot_logo_percent 40", "bot_reaction_time 1", "random_color 1",
                 "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10", "addbot gordon NewBot 1",
                 "addbot gordon Rex 3"})}}},
        {"Parabot", "..\\Parabot\\dlls\\parabot.dll",
         [](TFDMC& w) {
             w.Control<QCheckBox>(QStringLiteral("DMC_AlwaysRespond"))->click();
             w.Control<QCheckBox>(QStringLiteral("DMC_RestrictedWeaponMode"))->click();
             w.Control<QCheckBox>(QStringLiteral("DMC_botchat"))->click();
             w.chatkill->setPlainText(QStringLiteral("hi all"));
         },
         {{"Parabot/dmc/addbots.cfg", Crlf({"addbot", "addbot"})},
          {"Parabot/dmc/ChatEnglish.txt", Crlf({"hi all"})},
          {"Parabot/dmc/parabot.cfg",
           Crlf({"MinPlayers = 3", "PeaceMode = off", "RestrictedWeaponMode = on", "MinAimSkill = 1",
                 "MaxAimSkill = 10", "BotChat = on", "ChatFile = \"ChatEnglish.txt\"", "AlwaysRespond = on"})}}},
        // RCBot's reader strips LF only.
        {"RCBot", "..\\rcbot\\dlls\\rcbot.dll",
         [](TFDMC& w) {
             w.Control<QCheckBox>(QStringLiteral("DMC_allow_spammers"))->click();
             w.Control<QSlider>(QStringLiteral("DMC_spammer_percent"))->setValue(25);
             w.Control<QCheckBox>(QStringLiteral("DMC_matrixmode"))->click();
             w.Control<QCheckBox>(QStringLiteral("DMC_use_astar"))->click();
             w.Chatfreq->setValue(20);
         },
         {{"rcbot/bot_config.ini",
           "allow_spammers 1\nspammer_percent 25\nmatrix_mode\nbot_chat_percent 20\nuse_astar 0\nmin_bot_skill 1\n"
           "max_bot_skill 5\nbot_shoot_impailers 1\nwaypoint update\nrcbot addbot\nrcbot addbot\n"}}},
        // The store keeps no colours for Deathmatch Classic: Rho-DMC's own ones are written.
        {"Rho-DMC", "dlls\\rhodmc.dll",
         [](TFDMC& w) {
             w.defskill->setValue(30);
             w.Control<QSlider>(QStringLiteral("DMC_accuracy"))->setValue(61);
             w.Control<QSlider>(QStringLiteral("DMC_mp5"))->setValue(40);
         },
         {{"dmc/cfg/rhobot.cfg",
           Crlf({"//", "echo \"Rhobot.cfg Loaded\"", "//", "// Default number of bots [0 to 32]", "bot_number 2",
                 "//", "// Bot skill level [0 to 100]", "bot_skill 30", "//",
                 "// Bot skill level auto adjust [0 - off, 1 - on]", "bot_skill_aa 1", "//",
                 "// Bot jumping propensity [0 to 100]", "bot_jump 50", "//", "// Bot chat modifier [0 to 100]",
                 "bot_chat 50", "//", "// Bot movement speed", "bot_speed 300", "//",
                 "// Color of Bots blood [0-random, 1-Green, 2-Blue, 3-Red, 4-Yellow]", "bot_blood 3", "//",
                 "// allow spectators", "allow_spectators 1", "//", "//  allow bot chat", "mp_botchat 1", "//",
                 "// Debug variables", "bot_observer 0"})},
          {"dmc/botcycle.txt", Crlf({"NewBot", "Rex"})},
          {"dmc/bots/NewBot.cfg",
           RhoBotFile("NewBot", "55", "105", "// Rho-Bot DMC weapons preferences", {"50", "88", "45", "55", "50"},
                      {"axe\t\t20", "grenadelauncher\t\t5", "lightning\t\t10", "nailgun \t\t90", "quakegun\t\t80",
                       "rocketlauncher\t\t80", "supernailgun\t\t70", "supershotgun\t\t65"})},
          {"dmc/bots/Rex.cfg",
           RhoBotFile("Rex", "55", "105", "// Rho-Bot DMC weapons preferences", {"50", "61", "45", "55", "50"},
                      {"axe\t\t20", "grenadelauncher\t\t5", "lightning\t\t10", "nailgun \t\t40", "quakegun\t\t80",
                       "rocketlauncher\t\t80", "supernailgun\t\t70", "supershotgun\t\t65"})}}},
    };
    return cases;
}

class DMCEveryBotProgram : public ::testing::TestWithParam<int> {};

TEST_P(DMCEveryBotProgram, PickEditApplyAndLaunchWriteItsFiles)
{
    const TBotProgramCase& c = BotProgramCases()[GetParam()];
    const QString bot = QString::fromLatin1(c.Bot);
    TModTestEnv env(QStringLiteral("DMC"), QStringLiteral("dmc"), QString());
    for (const char* dll : {"dmc/dlls/akimbot.dll", "dmc/dlls/hpb_bot.dll", "dmc/dlls/rhodmc.dll",
                            "Parabot/dlls/parabot.dll", "rcbot/dlls/rcbot.dll"})
        env.HL.AddFile(QString::fromLatin1(dll), "MZ");
    env.HL.AddMod(QStringLiteral("Parabot/dmc"));
    env.HL.AddMap(QStringLiteral("dmc"), QStringLiteral("dmc_dm2"));
    env.HL.AddMap(QStringLiteral("dmc"), QStringLiteral("dmc_dm3"));
    env.HL.AddMap(QStringLiteral("dmc"), QStringLiteral("dmc_dm4"));
    env.HL.AddPlayerModel(QStringLiteral("gordon"));
    const QMap<QString, QByteArray> before = FilesBelow(env.HL.Root());

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("DMC"), bot));
    const bool closed = road.Edit([&](TModWindow& base) {
        auto& w = static_cast<TFDMC&>(base);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("DeathMatch Classic - ") + bot);
        w.Control<TNumberEdit>(QStringLiteral("DMC_fraglimit"))->SetText(QStringLiteral("40"));
        w.Control<QCheckBox>(QStringLiteral("DMC_weaponstay"))->click();
        CycleAndTwoBots(w, {QStringLiteral("dmc_dm3"), QStringLiteral("dmc_dm4")});
        c.Edit(w);
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();
    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("dmc"), QStringLiteral("dmc_dm3"))) << road.Shown().toStdString();

    QMap<QString, QByteArray> expected = c.Files;
    expected.insert(QStringLiteral("dmc/game.cfg"),
                    Crlf({"\"mp_fraglimit\"\t\t\"40.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                          "\"mp_weaponstay\"\t\t\"1\"", "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"",
                          "\"mp_teamplay\"\t\t\"0\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    // The first map of the cycle is the start map; the file holds the maps after it.
    expected.insert(QStringLiteral("dmc/mapcycle.txt"), Crlf({"dmc_dm4"}));
    expected.insert(QStringLiteral("dmc/liblist.gam"),
                    Crlf({"// Quake Classic Game .dll Listing File", "// Load order is determined by file order.",
                          "game \"DeathMatch Classic\"", "url_info \"www.valvesoftware.com\"", "url_dl \"\"",
                          "version \"1\"", "size \"37000000\"", "svonly \"0\"", "cldll \"0\"",
                          "type \"multiplayer_only\"", "mpentity \"info_player_deathmatch\"",
                          (QByteArray("gamedll \"") + c.Dll + "\"").constData()}));
    ExpectWritten(before, env.HL.Root(), expected);
}

INSTANTIATE_TEST_SUITE_P(ShippedBotPrograms, DMCEveryBotProgram, ::testing::Range(0, 5),
                         [](const auto& info) { return CaseName(BotProgramCases()[info.param].Bot); });

} // namespace
