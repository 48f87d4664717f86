// Earth's Special Forces from the main window's button through its window, Apply and Launch, and
// its game mode read from every form a file may hold.
#include "mods/common/FromMain.h"

#include "mods/esforces/UESForces.h"
#include "mods/esforces/UFESForces.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

TEST(ESForcesFromMain, PickEditApplyAndLaunchWriteTheModsFiles)
{
    TModTestEnv env(QStringLiteral("ESForces"), QStringLiteral("ESForces"), QString());
    env.HL.AddFile(QStringLiteral("ESForces/dlls/akimbot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("ESForces"), QStringLiteral("esf_CellArena"));
    env.HL.AddMap(QStringLiteral("ESForces"), QStringLiteral("esf_namek"));
    env.HL.AddFile(QStringLiteral("ESForces/maps/esf_namek.wpt"));
    for (const char* m : {"goku", "vegeta"})
        env.HL.AddPlayerModel(QString::fromLatin1(m), QStringLiteral("ESForces"));
    env.Program.AddFile(QStringLiteral("Bots/ES_Bots.ini"), "[Default]\r\nnumbot=0\r\n");

    TFromMain road(env);
    ASSERT_TRUE(road.Pick(QStringLiteral("ESForces"), QStringLiteral("Akimbot")));
    const bool closed = road.Edit([&](TModWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Earth's Special Forces - Akimbot"));
        EXPECT_EQ(w.TeamPanel, nullptr);
        ASSERT_EQ(w.MapDispo->count(), 2);
        EXPECT_EQ(w.MapDispo->item(1)->text(), QStringLiteral("esf_namek *"));
        Choose(w, QStringLiteral("ES_gamemode"), QStringLiteral("Capture the Dragonballs"));
        w.Control<TNumberEdit>(QStringLiteral("ES_timelimit"))->SetText(QStringLiteral("15"));
        w.Control<QCheckBox>(QStringLiteral("ES_forcerespawn"))->click();
        w.AddAllMapsClick();
        w.SBCreeBot->click();
        w.chatkill->setPlainText(QStringLiteral("Kamehameha!"));
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"\"", "\"mp_gamemode\"\t\t\"2\"", "\"mp_fraglimit\"\t\t\"0.00000\"",
                    "\"mp_timelimit\"\t\t\"15.00000\"", "\"mp_falldamage\"\t\t\"0\"",
                    "\"mp_teamplay\"\t\t\"0\"", "\"mp_friendlyfire\"\t\t\"0\"",
                    "\"mp_forcerespawn\"\t\t\"1\"", "\"mp_footsteps\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"0\"",
                    "\"mp_flashlight\"\t\t\"0\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"esf_namek"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("akimbot_chat.txt"))), Crlf({"Kamehameha!"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/ES_Bots.ini"))),
              Crlf({"[Default]", "numbot=1", "skill5=1", "spawnbot=1", "chatfreq=10",
                    "chatfreq_kill=20", "chatfreq_died=10", "[Bot 1]", "nom=NewBot",
                    "modele=goku", "skill5=1"}));

    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("esforces"), QStringLiteral("esf_CellArena")))
        << road.Shown().toStdString();
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"//  ESForce Game Info file", "game \"Earth`s Special Forces\"",
                    "url_info \"www.planethalflife.com/esforces\"",
                    "url_dl   \"www.planethalflife.com/esforces/download\"", "version \"12-5-2001\"",
                    "size \"2087428\"", "svonly \"0\"", "cldll \"0\"", "type \"multiplayer_only\"",
                    "nomodels \"1\"", "gamedll \"dlls\\akimbot.dll\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <model> <name> <skill>", "pause 3", "", "botskill 1", " ",
                    "bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10",
                    "addbot goku NewBot 1", "disablebotwaypointmessage"}));
}

TEST(ESForces, AStoredGameModeOutsideTheListReadsAsTheFirstAndRestoreDefaultKeepsTheCycle)
{
    TModTestEnv env(QStringLiteral("ESForces"), QStringLiteral("ESForces"), QStringLiteral("Akimbot"));
    env.HL.AddMap(QStringLiteral("ESForces"), QStringLiteral("esf_namek"));
    env.HL.AddFile(QStringLiteral("ESForces/mapcycle.txt"), "esf_namek\r\n");
    env.Program.AddFile(QStringLiteral("Bots/ES_Bots.ini"), "[Default]\r\nnumbot=0\r\n");
    struct {
        const char* Value;
        int Mode;
    } cases[] = {{"2.000000", 2}, {"1", 1}, {"3", 0}, {"-1", 0}, {"abc", 0}, {"", 0}};
    for (const auto& c : cases) {
        env.HL.AddFile(QStringLiteral("ESForces/game.cfg"),
                       "\"mp_gamemode\"\t\t\"" + QByteArray(c.Value) + "\"\r\n\"mp_teamplay\"\t\t\"1\"\r\n");
        std::unique_ptr<TFESForces> w(qobject_cast<TFESForces*>(
            ModTable::Find(QStringLiteral("ESForces"))->Hooks.CreateWindow(nullptr)));
        w->FormActivate();
        EXPECT_EQ(w->ES_gamemode->currentIndex(), c.Mode) << c.Value;
        const QStringList lines = ModCvars::GameCfgLines(*w, UESForces::Logic().Cvars());
        EXPECT_EQ(lines.at(1), QStringLiteral("\"mp_gamemode\"\t\t\"%1\"").arg(c.Mode)) << c.Value;
        EXPECT_EQ(lines.at(5), QStringLiteral("\"mp_teamplay\"\t\t\"0\"")) << c.Value;
    }
    env.HL.AddFile(QStringLiteral("ESForces/game.cfg"), "\"mp_gamemode\"\t\t\"2\"\r\n");
    std::unique_ptr<TFESForces> w(qobject_cast<TFESForces*>(
        ModTable::Find(QStringLiteral("ESForces"))->Hooks.CreateWindow(nullptr)));
    w->FormActivate();
    ASSERT_EQ(w->ES_gamemode->currentIndex(), 2);
    env.Dialogs.ExpectConfirm(true);
    w->BRestoreDefClick();
    EXPECT_EQ(w->ES_gamemode->currentIndex(), 0);
    EXPECT_EQ(w->MapCycle->count(), 1);
}

} // namespace
