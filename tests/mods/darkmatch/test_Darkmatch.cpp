// Darkmatch from the main window's button through its window, Apply and Launch (teams on and
// off), its equipment switches kept by the defaults and written in their fixed order, and its
// waypoint legend.
#include "mods/common/FromMain.h"

#include "mods/darkmatch/UDarkmatch.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace {

class DarkmatchFromMain : public ::testing::TestWithParam<bool> {};

TEST_P(DarkmatchFromMain, PickEditApplyAndLaunchWriteTheModsFiles)
{
    const bool teamplay = GetParam();
    TModTestEnv env(QStringLiteral("Darkmatch"), QStringLiteral("Darkmatch"), QString());
    env.HL.AddFile(QStringLiteral("Darkmatch/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("Darkmatch"), QStringLiteral("dm_complex"));
    env.HL.AddMap(QStringLiteral("Darkmatch"), QStringLiteral("dm_shadows"));
    env.HL.AddFile(QStringLiteral("Darkmatch/maps/dm_shadows.wpt"));
    for (const char* m : {"gordon", "gina", "barney"})
        env.HL.AddPlayerModel(QString::fromLatin1(m));
    env.Program.AddFile(QStringLiteral("Bots/DK_Bots.ini"), "[Default]\r\nnumbot=0\r\n");

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("Darkmatch"), QStringLiteral("Akimbot")));
    const bool closed = road.Edit([&](TModWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Darkmatch - Akimbot"));
        ASSERT_EQ(w.MapDispo->count(), 2);
        EXPECT_EQ(w.MapDispo->item(1)->text(), QStringLiteral("dm_shadows *"));
        w.Control<QRadioButton>(QStringLiteral("DK_teamplay"))->click();
        StepTeams(w, +1);
        Choose(w, QStringLiteral("DK_team1"), QStringLiteral("barney"));
        Choose(w, QStringLiteral("DK_team2"), QStringLiteral("gina"));
        Choose(w, QStringLiteral("DK_team3"), QStringLiteral("gordon"));
        if (!teamplay)
            w.Control<QRadioButton>(QStringLiteral("DK_deathmatch"))->click();
        w.Control<QCheckBox>(QStringLiteral("DK_nvg"))->click();
        w.Control<QCheckBox>(QStringLiteral("DK_friendlyfire"))->click();
        w.AddAllMapsClick();
        w.SBCreeBot->click();
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"barney;gina;gordon\"", "\"mp_fraglimit\"\t\t\"0.00000\"",
                    "\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_falldamage\"\t\t\"0\"",
                    teamplay ? "\"mp_teamplay\"\t\t\"1\"" : "\"mp_teamplay\"\t\t\"0\"",
                    "\"mp_friendlyfire\"\t\t\"1\"", "\"mp_forcerespawn\"\t\t\"0\"",
                    "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"0\"",
                    "\"mp_flares\"\t\t\"1\"", "\"mp_boots\"\t\t\"1\"", "\"mp_nvg\"\t\t\"0\"",
                    "\"mp_radar\"\t\t\"1\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"dm_shadows"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/DK_Bots.ini"))),
              Crlf({"[Default]", "numbot=1", "skill5=1", "spawnbot=1", "chatfreq=10",
                    "chatfreq_kill=20", "chatfreq_died=10", "[Bot 1]", "nom=NewBot",
                    "modele=gordon", "skill5=1"}));

    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("darkmatch"), QStringLiteral("dm_complex")))
        << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Darkmatch Alpha 1\"        //Game title",
                    "url_info \"www.planethalflife.com/darkmatch\"  //Info URL",
                    "url_dl \"www.planethalflife.com/darkmatch/download\"//Downloading URL",
                    "version \"Alpha 1\"  //version of mod", "size \"5000\" //size of mod",
                    "svonly \"0\" //server side only mod?\t(1=yes, 0=no)",
                    "cldll \"1\" //client side dll?", "hlversion \"Newest\"  //version of Half-life",
                    "type \"multiplayer_only\" //type of mod", "nomodels \"1\" //game selects player model",
                    "mpentity \"info_player_deathmatch\" //name of multiplayer spawn entity",
                    "gamedll \"dlls\\akimbot.dll\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10",
                    "addbot gordon NewBot 1", "disablebotwaypointmessage"}));
}

INSTANTIATE_TEST_SUITE_P(Teams, DarkmatchFromMain, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Teamplay" : "DeathMatch"; });

TEST(Darkmatch, EquipmentIsKeptByTheDefaultsAndReadInAnyOrder)
{
    TModTestEnv env(QStringLiteral("Darkmatch"), QStringLiteral("Darkmatch"), QStringLiteral("Akimbot"));
    const QByteArray mods = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Mods/Darkmatch.ini")));
    env.Program.AddFile(QStringLiteral("Mods/Darkmatch.ini"),
                        mods + "\r\n[Legend]\r\ndll=dlls\\legend.dll\r\nwaypt=.wpt\r\n");
    env.HL.AddMap(QStringLiteral("Darkmatch"), QStringLiteral("dm_shadows"));
    env.HL.AddFile(QStringLiteral("Darkmatch/maps/dm_shadows.wpt"));
    env.Program.AddFile(QStringLiteral("Bots/DK_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    env.HL.AddFile(QStringLiteral("Darkmatch/game.cfg"),
                   Crlf({"\"mp_radar\"\t\t\"0\"", "\"mp_nvg\"\t\t\"1\"", "\"mp_flares\"\t\t\"0\""}));
    TIniFile::FlushCache();
    auto open = [] {
        auto* w = qobject_cast<TModWindow*>(ModTable::Find(QStringLiteral("Darkmatch"))->Hooks.CreateWindow(nullptr));
        w->FormActivate();
        return std::unique_ptr<TModWindow>(w);
    };
    auto w = open();
    auto on = [&w](const char* name) { return w->Control<QCheckBox>(QString::fromLatin1(name))->isChecked(); };
    EXPECT_FALSE(on("DK_radar"));
    EXPECT_TRUE(on("DK_nvg"));
    EXPECT_FALSE(on("DK_flares"));
    EXPECT_TRUE(on("DK_boots"));   // no line: as a new window shows it
    env.Dialogs.ExpectConfirm(true);
    w->BRestoreDefClick();
    EXPECT_FALSE(on("DK_radar"));
    EXPECT_FALSE(on("DK_flares"));
    const QStringList lines = ModCvars::GameCfgLines(*w, UDarkmatch::Logic().Cvars());
    EXPECT_EQ(lines.mid(11, 4), (QStringList{"\"mp_flares\"\t\t\"0\"", "\"mp_boots\"\t\t\"1\"",
                                             "\"mp_nvg\"\t\t\"1\"", "\"mp_radar\"\t\t\"0\""}));

    // Only "waypt": the legend shows, no map is marked.
    UInit::SelectedBot = QStringLiteral("Legend");
    TIniFile::FlushCache();
    w = open();
    EXPECT_EQ(w->MapLabel->text(), QStringLiteral("* Waypoints\r\n"));
    ASSERT_EQ(w->MapDispo->count(), 1);
    EXPECT_EQ(w->MapDispo->item(0)->text(), QStringLiteral("dm_shadows "));
}

} // namespace
