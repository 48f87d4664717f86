// The road a user takes: pick Half-Life Deathmatch and a bot in the main window, set up a team
// game with two bots in the window "Edit Mod Config" opens, apply, and launch Half-Life; then the
// same road for every bot program of the shipped Mods\HL-DM.ini, every written file byte for byte.
#include "mods/common/FromMain.h"

#include "mods/deathmatch/UFDeathmatch.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QPlainTextEdit>
#include <QSlider>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>

namespace {

TEST(DeathmatchFromMainWindow, TeamGameWithHpbBotFromEditToLaunch)
{
    TModTestEnv env(QStringLiteral("Deathmatch"), QStringLiteral("valve"), QString());
    env.HL.AddFile(QStringLiteral("valve/dlls/hpb_bot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    env.HL.AddPlayerModel(QStringLiteral("gordon"));
    env.HL.AddPlayerModel(QStringLiteral("barney"));
    const QString listen = env.HL.AddFile(QStringLiteral("valve/listenserver.cfg"), "mp_timelimit 20\r\nsv_gravity 800\r\n");
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("Deathmatch"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("HPB Bot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("HPB Bot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFDeathmatch*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("HL Deathmatch - HPB Bot"));
        // HPB Bot has no Jumbot pages.
        EXPECT_EQ(w->PC->count(), 4);
        w->Control<QRadioButton>(QStringLiteral("DM_teamplay"))->click();
        auto* team1 = w->Control<QComboBox>(QStringLiteral("DM_Team1"));
        auto* team2 = w->Control<QComboBox>(QStringLiteral("DM_Team2"));
        EXPECT_TRUE(team2->isEnabled());
        team1->setCurrentIndex(team1->findText(QStringLiteral("gordon")));
        team2->setCurrentIndex(team2->findText(QStringLiteral("barney")));
        w->Control<QCheckBox>(QStringLiteral("DM_friendlyfire"))->click();
        w->Control<TNumberEdit>(QStringLiteral("DM_fraglimit"))->SetText(QStringLiteral("25"));
        w->Control<QComboBox>(QStringLiteral("DM_Reaction_Time"))->setCurrentIndex(2);
        w->spawnbot->SetValue(2);
        w->SBCreeBot->click();
        w->SBCreeBot->click();
        w->botname->clear();
        TModTestEnv::Type(w->botname, QStringLiteral("Rex"));
        SelectItems(w->MapDispo, {QStringLiteral("crossfire"), QStringLiteral("datacore")});
        w->SpeedButton1->click();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.join(QLatin1Char(' ')),
              QStringLiteral("-console -game valve +sv_lan 1 +maxplayers 3 +connect +map crossfire"));

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              QByteArray("\"mp_teamlist\"\t\t\"gordon;barney\"\r\n"
                         "\"mp_fraglimit\"\t\t\"25.00000\"\r\n"
                         "\"mp_timelimit\"\t\t\"0.00000\"\r\n"
                         "\"mp_falldamage\"\t\t\"0\"\r\n"
                         "\"mp_teamplay\"\t\t\"1\"\r\n"
                         "\"mp_friendlyfire\"\t\t\"1\"\r\n"
                         "\"mp_weaponstay\"\t\t\"0\"\r\n"
                         "\"mp_forcerespawn\"\t\t\"0\"\r\n"
                         "\"mp_footsteps\"\t\t\"1\"\r\n"
                         "\"mp_flashlight\"\t\t\"1\"\r\n"
                         "\"mp_autocrosshair\"\t\t\"1\"\r\n"
                         "\"sv_sendvelocity\"\t\t\"0\"\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), QByteArray("datacore\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              QByteArray("// Valve Game Info file\r\n"
                         "//  These are key/value pairs.  Certain mods will use different settings.\r\n"
                         "//\r\n"
                         "game \"Half-Life\"\r\n"
                         "startmap \"c0a0\"\r\n"
                         "trainingmap \"t0a0\"\r\n"
                         "mpentity \"info_player_deathmatch\"\r\n"
                         "gamedll \"dlls\\hpb_bot.dll\"\r\n"
                         "gamedll_linux \"dlls/hl_i386.so\"\r\n"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              QByteArray("bot_reaction_time 2\r\n"
                         "random_color 0\r\n"
                         "bot_chat_percent 10\r\n"
                         "bot_taunt_percent 0\r\n"
                         "bot_whine_percent 0\r\n"
                         "addbot gordon NewBot 1 10 10\r\n"
                         "addbot gordon Rex 1 10 10\r\n"));
    // The listen server's own settings would override the window's.
    EXPECT_EQ(TModTestEnv::Read(listen), QByteArray("//mp_timelimit 20\r\nsv_gravity 800\r\n"));
    // No backup of the stock game's liblist.gam is left beside it.
    EXPECT_EQ(QDir(env.ModDir).entryList({QStringLiteral("liblist*")}, QDir::Files),
              QStringList{QStringLiteral("liblist.gam")});
}

using TBotProgramCase = ::TBotProgramCase<TFDeathmatch>;

const QVector<TBotProgramCase>& BotProgramCases()
{
    static const QVector<TBotProgramCase> cases{
        AkimbotCase<TFDeathmatch>(QStringLiteral("valve"), "0"),
        {"HPB Bot", "dlls\\hpb_bot.dll",
         [](TFDeathmatch& w) {
             w.DM_Reaction_Time->setCurrentIndex(2);
             w.DM_random_color->click();
             w.Botskill->setValue(3);
             w.DM_Botparam2->stepBy(5);
         },
         {{"valve/bot.cfg", Crlf({"bot_reaction_time 2", "random_color 1", "bot_chat_percent 10",
                                  "bot_taunt_percent 0", "bot_whine_percent 0", "addbot gordon NewBot 1 10 10",
                                  "addbot gordon Rex 3 15 10"})},
         }},
        // The window writes jumbot.cfg where Jumbot reads it; the launch renews its five lines.
        {"Jumbot", "..\\jumbot\\dlls\\jumbot.dll",
         [](TFDeathmatch& w) {
             w.defskill->setValue(3);
             w.DM_bot_random->click();
             w.DM_spawndelay->SetText(QStringLiteral("6"));
             w.Control<QCheckBox>(QStringLiteral("DM_snipers"))->click();
             w.Control<TNumberEdit>(QStringLiteral("DM_bot_viewdelay"))->SetText(QStringLiteral("10"));
             w.DM_botchat->click();
             w.chatfreq_kill->setValue(25);
             w.DM_orders->setPlainText(QStringLiteral("follow me"));
             w.DM_Moron->setPlainText(QStringLiteral("Dumbo"));
         },
         {{"jumbot/bots.cfg", Crlf({"addbot gordon NewBot 1 10 10", "addbot gordon Rex 1 10 10"})},
          {"jumbot/botorder.cfg", Crlf({"follow me"})},
          {"jumbot/morons.cfg", Crlf({"Dumbo"})},
          {"jumbot/jumbot.cfg",
           Crlf({"// This file was generated by Qorvane",
                 "// don't modify anything unless you know what you're doing !", " ", "map crossfire",
                 "bot_random 1", "bot_num 2", "bot_weaprun 9", "bot_skill 3", "botcfgfile bots.cfg",
                 "chatfile exchat.cfg", "botchat 1", "bot_ordering 0", "chatfreq_killed 3", "chatfreq_died 0",
                 "bot_distance 4096", "bot_checkdistance 1", "bot_tripmines 0", "bot_longjump 0", "bot_gauss 1",
                 "bot_turret 1", "bot_rpgaimlow 1", "bot_runaway 1", "bot_hunt 1", "bothearing 1", "botpain 1",
                 "botusefov 1", "botfov 120", "botaccuracy 10", "bot_run_worse 8", "botspeed 0", "bot_crowbar 0",
                 "speedup 0", "spawndelay 6", "bot_squads 0", "bot_snipers 1", "bot_campers 0", "bot_objavoid 0",
                 "bot_funcsmash 0", "bot_leadsys 0", "bot_ackteam 0", "bot_realgame 0", "bot_thinkspeed 0.1",
                 "bot_angleupdate 1", "bot_viewdelay 1", "bot_yawspeed 30", "waypoints 1", "nav_autogen 0",
                 "wp_autoplace 0", "wp_jumpplace 0", "bot_wppref 1", "bot_advp 1", "bweap_crowbar 0",
                 "bweap_glock 10", "bweap_python 16", "bweap_mp5 18", "bweap_shotgun 17", "bweap_crossbow 15",
                 "bweap_rpg 20", "bweap_gauss 21", "bweap_egon 22", "bweap_hornet 12", "bweap_grenade 13",
                 "bweap_snark 14", "bweap_satchel 5", "bweap_tripmine -10", "wp_edit 0", "wp_vis 0", "botmsec 0",
                 "msecdiv 800", "msec_min 10", "msec_max 75", "bot_keepsettings 1", "nostartexec 1",
                 "echo \"The jumbot.cfg file has been executed.\""})}}},
        {"OddBot", "dlls\\oddbot.dll",
         [](TFDeathmatch& w) {
             w.Chatfreq->setValue(40);
             w.defskill->setValue(4);
             w.chatkill->setPlainText(QStringLiteral("so close"));
         },
         {{"valve/bot.cfg", Crlf({"bot_chat 40", "botskill 4", "addbot gordon NewBot 1", "addbot gordon Rex 1"})},
          {"valve/odd_loss.txt", Crlf({"so close"})}}},
        {"Parabot", "..\\Parabot\\dlls\\parabot.dll",
         [](TFDeathmatch& w) {
             w.DM_AlwaysRespond->click();
             w.DM_botchat->click();
             w.chatkill->setPlainText(QStringLiteral("hi all"));
         },
         {{"Parabot/valve/addbots.cfg", Crlf({"addbot", "addbot"})},
          {"Parabot/valve/ChatEnglish.txt", Crlf({"hi all"})},
          {"Parabot/valve/parabot.cfg",
           Crlf({"MinPlayers = 3", "PeaceMode = off", "RestrictedWeaponMode = off", "MinAimSkill = 1",
                 "MaxAimSkill = 10", "BotChat = on", "ChatFile = \"ChatEnglish.txt\"", "AlwaysRespond = on"})}}},
        {"Phineas", "dlls\\phineas.dll",
         [](TFDeathmatch& w) {
             w.DM_bot_random->click();
             w.DM_spawndelay->SetText(QStringLiteral("7"));
         },
         {{"valve/phineas.ini",
           Crlf({"[DefaultMap]", "Quantity\t\t=2", "Random\t\t=Yes", "InitialDelay\t\t=3", "SpawnDelay\t\t=7",
                 "WaitForPlayers = 0", "KeepServerFull = 0", " ", "Bot1\t\t=NewBot gordon 1",
                 "Bot2\t\t=Rex gordon 1"})}}},
        // RCBot's reader strips LF only.
        {"RCBot", "..\\rcbot\\dlls\\rcbot.dll",
         [](TFDeathmatch& w) {
             w.Botskill->setValue(4);
             w.Chatfreq->setValue(20);
         },
         {{"rcbot/bot_config.ini",
           "botdontshootsci 1\nuse_satchels 1\nuse_tripmines 1\ntripmine_percent 50\nallow_spammers 0\n"
           "spammer_percent 50\nbot_chat_percent 20\nbot_break_objects 1\nuse_astar 1\nmin_bot_skill 1\n"
           "max_bot_skill 5\nbot_shoot_impailers 1\nwaypoint update\nrcbot addbot\nrcbot addbot\n"}}},
        // Rho-Bot's cfg and bots folders are made when missing.
        {"Rho-Bot", "dlls\\rhobot.dll",
         [](TFDeathmatch& w) {
             w.defskill->setValue(30);
             w.Control<QSlider>(QStringLiteral("DM_accuracy"))->setValue(61);
             w.Control<QSlider>(QStringLiteral("DM_egon"))->setValue(40);
             w.DM_Botparam2->stepBy(3);
         },
         {{"valve/cfg/rhobot.cfg",
           Crlf({"//", "echo \"Rhobot.cfg Loaded\"", "//", "// Default number of bots [0 to 32]", "bot_number 2",
                 "//", "// Bot skill level [0 to 100]", "bot_skill 30", "//",
                 "// Bot skill level auto adjust [0 - off, 1 - on]", "bot_skill_aa 1", "//",
                 "// Bot jumping propensity [0 to 100]", "bot_jump 50", "//", "// Bot chat modifier [0 to 100]",
                 "bot_chat 10", "//", "// Bot movement speed", "bot_speed 300", "//",
                 "// Color of Bots blood [0-random, 1-Green, 2-Blue, 3-Red, 4-Yellow]", "bot_blood 3", "//",
                 "// allow spectators", "allow_spectators 1", "//", "//  allow bot chat", "mp_botchat 1", "//",
                 "// Debug variables", "bot_observer 0"})},
          {"valve/botcycle.txt", Crlf({"NewBot", "Rex"})},
          {"valve/bots/NewBot.cfg",
           RhoBotFile("NewBot", "10", "10", "// Rho-Bot weapons preferences", {"50", "88", "45", "55", "50"},
                      {"crossbow\t\t80", "crowbar\t\t20", "egon\t\t95", "gauss\t\t65", "glock\t\t5",
                       "handgrenade\t\t20", "hornetgun\t\t50", "mp5\t\t90", "python\t\t10", "rpg\t\t70",
                       "satchel\t\t7", "shotgun\t\t80", "snark\t\t10", "tripmine\t\t5"})},
          {"valve/bots/Rex.cfg",
           RhoBotFile("Rex", "13", "10", "// Rho-Bot weapons preferences", {"50", "61", "45", "55", "50"},
                      {"crossbow\t\t80", "crowbar\t\t20", "egon\t\t40", "gauss\t\t65", "glock\t\t5",
                       "handgrenade\t\t20", "hornetgun\t\t50", "mp5\t\t90", "python\t\t10", "rpg\t\t70",
                       "satchel\t\t7", "shotgun\t\t80", "snark\t\t10", "tripmine\t\t5"})}}},
        {"TeamBot", "dlls\\teambot.dll", [](TFDeathmatch&) {},
         {{"valve/bot.cfg", Crlf({"addbot gordon NewBot", "addbot gordon Rex"})}}},
    };
    return cases;
}

class DeathmatchEveryBotProgram : public ::testing::TestWithParam<int> {};

TEST_P(DeathmatchEveryBotProgram, PickEditApplyAndLaunchWriteItsFiles)
{
    const TBotProgramCase& c = BotProgramCases()[GetParam()];
    const QString bot = QString::fromLatin1(c.Bot);
    TModTestEnv env(QStringLiteral("Deathmatch"), QStringLiteral("valve"), QString());
    for (const char* dll : {"valve/dlls/akimbot.dll", "valve/dlls/hpb_bot.dll", "valve/dlls/oddbot.dll",
                            "valve/dlls/phineas.dll", "valve/dlls/rhobot.dll", "valve/dlls/teambot.dll",
                            "jumbot/dlls/jumbot.dll", "Parabot/dlls/parabot.dll", "rcbot/dlls/rcbot.dll"})
        env.HL.AddFile(QString::fromLatin1(dll), "MZ");
    env.HL.AddMod(QStringLiteral("Parabot/valve"));
    env.HL.AddFile(QStringLiteral("jumbot/jumbot.cfg"), "botfov 120\r\nbot_yawspeed 30\r\n");
    env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("stalkyard"));
    env.HL.AddPlayerModel(QStringLiteral("gordon"));
    const QMap<QString, QByteArray> before = FilesBelow(env.HL.Root());

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("Deathmatch"), bot));
    const bool closed = road.Edit([&](TModWindow& base) {
        auto& w = static_cast<TFDeathmatch&>(base);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("HL Deathmatch - ") + bot);
        w.Control<TNumberEdit>(QStringLiteral("DM_fraglimit"))->SetText(QStringLiteral("25"));
        w.Control<QCheckBox>(QStringLiteral("DM_weaponstay"))->click();
        CycleAndTwoBots(w, {QStringLiteral("crossfire"), QStringLiteral("stalkyard")});
        c.Edit(w);
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();
    EXPECT_EQ(road.Launch(),
              QStringLiteral("-console -game valve +sv_lan 1 +maxplayers 3 +connect +map crossfire").split(QLatin1Char(' ')))
        << road.Shown().toStdString();

    QMap<QString, QByteArray> expected = c.Files;
    expected.insert(QStringLiteral("valve/game.cfg"),
                    Crlf({"\"mp_teamlist\"\t\t\"\"", "\"mp_fraglimit\"\t\t\"25.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                          "\"mp_falldamage\"\t\t\"0\"", "\"mp_teamplay\"\t\t\"0\"", "\"mp_friendlyfire\"\t\t\"0\"",
                          "\"mp_weaponstay\"\t\t\"1\"", "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"",
                          "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    // The first map of the cycle is the start map; the file holds the maps after it.
    expected.insert(QStringLiteral("valve/mapcycle.txt"), Crlf({"stalkyard"}));
    expected.insert(QStringLiteral("valve/liblist.gam"),
                    Crlf({"// Valve Game Info file",
                          "//  These are key/value pairs.  Certain mods will use different settings.", "//",
                          "game \"Half-Life\"", "startmap \"c0a0\"", "trainingmap \"t0a0\"",
                          "mpentity \"info_player_deathmatch\"", (QByteArray("gamedll \"") + c.Dll + "\"").constData(),
                          "gamedll_linux \"dlls/hl_i386.so\""}));
    ExpectWritten(before, env.HL.Root(), expected);
    // The program keeps the cycle in its own folder.
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("mapcycle.txt"))), Crlf({"stalkyard"}));
}

INSTANTIATE_TEST_SUITE_P(ShippedBotPrograms, DeathmatchEveryBotProgram, ::testing::Range(0, 9),
                         [](const auto& info) { return CaseName(BotProgramCases()[info.param].Bot); });

} // namespace
