// SV Insta Gib from the main window's button through its window's controls (the weapon setup and
// the beam colour through the colour dialog included), Apply and Launch, with teams and without.
#include "mods/common/FromMain.h"

#include "core/UQOR.h"
#include "mods/svinstagib/UFSVInstaGib.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace {

class SVInstaGibFromMain : public ::testing::TestWithParam<bool> {};

TEST_P(SVInstaGibFromMain, PickEditApplyAndLaunchWriteTheModsFiles)
{
    const bool teamplay = GetParam();
    TModTestEnv env(QStringLiteral("SVInstaGib"), QStringLiteral("svinstagib"), QString());
    env.HL.AddFile(QStringLiteral("svinstagib/dlls/dm.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("crossfire"));
    for (const char* m : {"gordon", "gina", "barney"})
        env.HL.AddPlayerModel(QString::fromLatin1(m));
    env.HL.AddFile(QStringLiteral("svinstagib/listenserver.cfg"), "hook 1\r\nsa 2\r\nsay hi\r\nnextshot 3\r\n");
    env.Program.AddFile(QStringLiteral("Bots/SV_Bots.ini"), "[Default]\r\nnumbot=0\r\n");

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("SVInstaGib"), QStringLiteral("SV Bot")));
    const bool closed = road.Edit([&](TModWindow& base) {
        auto& w = static_cast<TFSVInstaGib&>(base);
        EXPECT_EQ(w.windowTitle(), QStringLiteral("SV Insta Gib - SV Bot"));
        EXPECT_EQ(w.TS_Chat, nullptr);
        w.Control<QRadioButton>(QStringLiteral("SV_teamplay"))->click();
        Choose(w, QStringLiteral("SV_team1"), QStringLiteral("gina"));
        Choose(w, QStringLiteral("SV_team2"), QStringLiteral("gordon"));
        if (!teamplay)
            w.Control<QRadioButton>(QStringLiteral("SV_deathmatch"))->click();
        w.SV_hook->click();
        w.SV_headshotpoints->click();
        w.SV_funny->click();
        Choose(w, QStringLiteral("SV_sa"), QStringLiteral("Zooming"));
        TModTestEnv::Type(w.SV_nextshot, QStringLiteral("0.5\""));
        env.Dialogs.ExpectColor(QColor(0, 0, 255));
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w.SV_beamcolor, &dbl);
        for (int i = 0; i < w.MapDispo->count(); ++i) {
            const QString map = UQOR::BareMapName(w.MapDispo->item(i)->text());
            w.MapDispo->item(i)->setSelected(map == QLatin1String("boot_camp") || map == QLatin1String("crossfire"));
        }
        w.AddMapClick();
        w.SBCreeBot->click();
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"gina;gordon\"", "\"mp_fraglimit\"\t\t\"0.00000\"",
                    "\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_falldamage\"\t\t\"0\"",
                    teamplay ? "\"mp_teamplay\"\t\t\"1\"" : "\"mp_teamplay\"\t\t\"0\"",
                    "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"",
                    "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"hook\"\t\t\"1\"", "\"headshotpoints\"\t\t\"1\"",
                    "\"shootthroughwalls\"\t\t\"0\"", "\"sa\"\t\t\"1\"", "\"nextshot\"\t\t\"0.5\"",
                    "\"gaussr\"\t\t\"0.00000\"", "\"gaussg\"\t\t\"0.00000\"", "\"gaussb\"\t\t\"255.00000\"",
                    "\"funny\"\t\t\"8264\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"crossfire"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/SV_Bots.ini"))),
              Crlf({"[Default]", "numbot=1", "skill5=1", "spawnbot=1", "[Bot 1]", "nom=NewBot",
                    "modele=gordon", "skill5=1"}));

    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("svinstagib"), QStringLiteral("boot_camp")))
        << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"gamedir \"svinstagib\"", "game \"SV Insta Gib\"",
                    "url_info \"www.planethalflife.com/svinstagib\"",
                    "//url_dl \"www.planethalflife.com/svinstagib\"", "version \"1.1\"",
                    "size \"4612000\"", "svonly \"1\"", "cldll \"0\"", "hlversion \"1108\"",
                    "type \"SP+MP\"", "mpentity \"info_player_deathmatch\"", "gamedll \"dlls\\dm.dll\"",
                    "nomodels \"0\"", "//rating \"9.9\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "addbot gordon NewBot 1", "kick (1)NewBot"}));
    // The server configuration no longer undoes the weapon setup.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//hook 1", "//sa 2", "say hi", "//nextshot 3"}));
}

INSTANTIATE_TEST_SUITE_P(Teams, SVInstaGibFromMain, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Teamplay" : "DeathMatch"; });

} // namespace
