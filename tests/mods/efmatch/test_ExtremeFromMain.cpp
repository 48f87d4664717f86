// Extreme Fragmatch from the main window's button through its window's controls, Apply and
// Launch, with teams and without; every file written is compared byte for byte.
#include "mods/common/FromMain.h"

#include "mods/common/TeamPanel.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QToolButton>

namespace {

class ExtremeFromMain : public ::testing::TestWithParam<bool> {};

TEST_P(ExtremeFromMain, PickEditApplyAndLaunchWriteTheModsFiles)
{
    const bool teamplay = GetParam();
    TModTestEnv env(QStringLiteral("EFMatch"), QStringLiteral("EFMatch"), QString());
    env.HL.AddFile(QStringLiteral("EFMatch/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("EFMatch"), QStringLiteral("dm_Bridge"));
    env.HL.AddMap(QStringLiteral("EFMatch"), QStringLiteral("dm_castle"));
    for (const char* m : {"drake", "gina", "zombie"})
        env.HL.AddPlayerModel(QString::fromLatin1(m), QStringLiteral("EFMatch"));
    env.HL.AddPlayerModel(QStringLiteral("barney"));   // Half-Life's, not the mod's
    env.HL.AddFile(QStringLiteral("EFMatch/listenserver.cfg"), "mp_teamplay 1\r\nsv_gravity 800\r\n");
    env.Program.AddFile(QStringLiteral("Bots/EF_Bots.ini"), "[Default]\r\nnumbot=0\r\n");

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("EFMatch"), QStringLiteral("Akimbot")));
    const bool closed = road.Edit([&](TModWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Extreme Fragmatch - Akimbot"));
        EXPECT_EQ(w.botmodel->count(), 3);
        w.Control<QRadioButton>(QStringLiteral("EF_teamplay"))->click();
        StepTeams(w, +1);
        Choose(w, QStringLiteral("EF_team1"), QStringLiteral("gina"));
        Choose(w, QStringLiteral("EF_team2"), QStringLiteral("drake"));
        Choose(w, QStringLiteral("EF_team3"), QStringLiteral("zombie"));
        if (!teamplay)
            w.Control<QRadioButton>(QStringLiteral("EF_deathmatch"))->click();
        w.Control<TNumberEdit>(QStringLiteral("EF_fraglimit"))->SetText(QStringLiteral("25"));
        w.Control<QRadioButton>(QStringLiteral("EF_fallreal"))->click();
        w.Control<QCheckBox>(QStringLiteral("EF_footsteps"))->click();
        w.Control<QCheckBox>(QStringLiteral("EF_weaponstay"))->click();
        w.AddAllMapsClick();
        w.SBCreeBot->click();
        w.Botskill->setValue(2);
        w.defskill->setValue(3);
        w.Chatfreq->setValue(30);
        w.chatkill->setPlainText(QStringLiteral("gg %n"));
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              // The team list is written whatever the game type.
              Crlf({"\"mp_teamlist\"\t\t\"gina;drake;zombie\"",
                    "\"mp_fraglimit\"\t\t\"25.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                    "\"mp_falldamage\"\t\t\"1\"",
                    teamplay ? "\"mp_teamplay\"\t\t\"1\"" : "\"mp_teamplay\"\t\t\"0\"",
                    "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_weaponstay\"\t\t\"1\"",
                    "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"0\"",
                    "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"dm_castle"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("akimbot_chat.txt"))), Crlf({"gg %n"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/EF_Bots.ini"))),
              Crlf({"[Default]", "numbot=1", "skill5=3", "spawnbot=1", "chatfreq=30",
                    "chatfreq_kill=20", "chatfreq_died=10", "[Bot 1]", "nom=NewBot",
                    "modele=drake", "skill5=2"}));

    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("efmatch"), QStringLiteral("dm_Bridge")))
        << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Extreme Fragmatch\"", "url_info \"\"", "url_dl \"\"", "version \"0.1\"",
                    "size \"33\"", "svonly \"0\"", "cldll \"1\" ", "hlversion \"1106\"",
                    "type \"multiplayer_only\"", "mpentity \"info_player_deathmatch\"",
                    "gamedll \"dlls\\akimbot.dll\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 3", " ",
                    "bot_chat_percent 30", "bot_taunt_percent 20", "bot_whine_percent 10",
                    "addbot drake NewBot 2", "disablebotwaypointmessage"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_teamplay 1", "sv_gravity 800"}));
}

INSTANTIATE_TEST_SUITE_P(Teams, ExtremeFromMain, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Teamplay" : "DeathMatch"; });

} // namespace
