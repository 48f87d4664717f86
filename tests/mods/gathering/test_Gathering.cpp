// The Gathering end to end: from the main window's button through the real window's controls and
// Apply to cfg\multiplayer.cfg, cfg\bot.cfg and mapcycle.txt, then the launch, which writes
// nothing of its own; then what Restore Default keeps, the lines of multiplayer.cfg a save keeps,
// and a bot file that is not there.
#include "mods/common/ModTestEnv.h"

#include "mods/common/FromMain.h"
#include "mods/common/TeamPanel.h"
#include "mods/gathering/UFGathering.h"
#include "mods/gathering/UGathering.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// The file's own lines, as the mod's description gives them, for the values shown.
QByteArray OwnLines(const char* deathmatch, const char* teamplay, const char* teamlist,
                    std::initializer_list<const char*> settings)
{
    QByteArray head = Crlf({"echo \"#1 - Multiplayer.cfg Loaded\"", "// Multiplayer Config File", "",
                            "hostname \"The Gathering v2.3\"", "", "log off", ""});
    head += QByteArray("deathmatch\t\t") + deathmatch + "\r\n";
    head += QByteArray("mp_teamplay\t\t") + teamplay + "\r\n";
    head += "mp_teamoverride\t\t1\r\n";
    head += QByteArray("mp_teamlist\t\t\"") + teamlist + "\"\r\n";
    head += Crlf({"mp_allowmonsters\t\t0", ""});
    head += Crlf(settings);
    return head + Crlf({"\"sv_sendvelocity\"\t\t\"0\"", "", "// Disable the bots from joining",
                        "sv_disable_bots\t\t0", "", "sv_password\t\t\"\"", "sv_maxrate\t\t\"7500\"",
                        "sv_minrate\t\t\"0\"", "sv_allowupload\t\t1", "sv_allowdownload\t\t1", "",
                        "sv_cheats\t\t0", "", "motd_display_time\t\t10 ", "", "decalfrequency\t\t20", "",
                        "mapcyclefile\t\t\"mapcycle.txt\"", "servercfgfile\t\t\"server.cfg\"",
                        "lservercfgfile\t\t\"listenserver.cfg\"", "", "sv_gravity 800", "", "maxplayers 32",
                        "", "// disable autoaim", "sv_aim 0", "",
                        "// player bounding boxes (collisions, not clipping)", "sv_clienttrace 3.5", "",
                        "// disable clients' ability to pause the server", "pausable 0", "",
                        "// Set your Remote Console password", "rcon_password\t\t\"\""});
}

void AddTree(TModTestEnv& env)
{
    env.HL.AddMap(QStringLiteral("gathering"), QStringLiteral("gt_arena"));
    env.HL.AddFile(QStringLiteral("gathering/maps/gt_arena.cfg"), "sv_gravity 400\r\n");
    env.HL.AddMap(QStringLiteral("gathering"), QStringLiteral("gt_lab"));
}

TEST(GatheringFromMainWindow, EditApplyAndLaunch)
{
    TModTestEnv env(QStringLiteral("Gathering"), QStringLiteral("gathering"), QString());
    AddTree(env);
    env.HL.AddFile(QStringLiteral("gathering/cfg/multiplayer.cfg"),
                   Crlf({"mp_teamplay 1", "mp_teamlist \"gordon;robo\"", "exec extra.cfg", "sv_gravity 600",
                         "// my note", "sv_aim 1; say hi"}));
    env.HL.AddFile(QStringLiteral("gathering/cfg/bot.cfg"), Crlf({"botskill 3", "addbot", "addbot robo Robby 2"}));
    TFromMain road(env);
    road.Main->FormActivate();
    QToolButton* button = road.Main->ModButton(QStringLiteral("Gathering"));
    ASSERT_TRUE(button && !button->isHidden());
    button->click();

    const bool closed = road.Edit([&](TModWindow& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("The Gathering"));
        EXPECT_EQ(w.BClose->text(), QStringLiteral("Exit Gathering "));
        EXPECT_EQ(w.PC->count(), 3);   // Game, Maps, Bots: no Chat page
        EXPECT_EQ(Items(w.MapDispo), (QStringList{QStringLiteral("gt_arena +"), QStringLiteral("gt_lab ")}));
        EXPECT_FALSE(w.BEditCfg->isHidden());
        EXPECT_TRUE(w.TeamPanel->Teamplay->isChecked());
        EXPECT_EQ(w.TeamPanel->Teams[1]->currentText(), QStringLiteral("robo"));
        EXPECT_EQ(w.botmodel->count(), 18);
        EXPECT_EQ(Items(w.ListBot), (QStringList{QStringLiteral("<RandomBot1>"), QStringLiteral("Robby")}));
        EXPECT_EQ(w.Logic().State.Modified, 0);

        Choose(w, QStringLiteral("GA_team2"), QStringLiteral("alien"));
        w.Control<TNumberEdit>(QStringLiteral("GA_timelimit"))->SetText(QStringLiteral("20"));
        w.Control<TNumberEdit>(QStringLiteral("GA_fraglimit"))->SetText(QStringLiteral("40"));
        w.Control<QCheckBox>(QStringLiteral("GA_friendlyfire"))->click();
        w.Control<QCheckBox>(QStringLiteral("GA_footsteps"))->click();
        EXPECT_EQ(w.Logic().State.Modified, 1);
        w.SBCreeBot->click();
        TModTestEnv::Type(w.botname, QStringLiteral("x <"));
        w.Botskill->setValue(3);
        w.AddAllMapsClick();
        w.BApplyConf->click();
    });
    ASSERT_TRUE(closed) << road.Shown().toStdString();

    // The user's lines stay after the mod's own; those of commands the mod writes go.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("cfg/multiplayer.cfg"))),
              OwnLines("0", "1", "gordon;alien",
                       {"\"mp_fraglimit\"\t\t\"40.00000\"", "\"mp_timelimit\"\t\t\"20.00000\"",
                        "\"mp_friendlyfire\"\t\t\"1\"", "\"mp_weaponstay\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"",
                        "\"mp_footsteps\"\t\t\"0\"", "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\""}) +
                  Crlf({"exec extra.cfg", "// my note", " say hi"}));
    // The bare line is written back bare; every named bot's line carries its skill.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("cfg/bot.cfg"))),
              Crlf({"addbot", "addbot robo Robby 2", "addbot gordon NewBotx 3"}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"gt_lab"}));

    EXPECT_EQ(road.Launch(), ListenArgs(QStringLiteral("gathering"), QStringLiteral("gt_arena")));
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("liblist.gam"))));
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("game.cfg"))));
}

class GatheringTest : public ::testing::Test {
protected:
    GatheringTest() : Env(QStringLiteral("Gathering"), QStringLiteral("gathering"), QString()) { AddTree(Env); }
    std::unique_ptr<TFGathering> Open()
    {
        QDialog* d = ModTable::Find(QStringLiteral("Gathering"))->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFGathering*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFGathering>(w);
    }
    void AddFile(const QString& rel, const QByteArray& bytes) { Env.HL.AddFile(QStringLiteral("gathering/") + rel, bytes); }
    QByteArray Read(const QString& rel) const { return TModTestEnv::Read(Env.ModFile(rel)); }
    QString Shown() const { return Env.Dialogs.Texts().join(QLatin1Char('|')); }
    TModTestEnv Env;
};

TEST_F(GatheringTest, RestoreDefaultKeepsTheGameTypeAndTeamsAndReloadsTheBots)
{
    AddFile(QStringLiteral("cfg/multiplayer.cfg"),
            Crlf({"mp_teamplay\t\t1", "mp_teamlist\t\t\"alien;barney;zombie\"", "\"mp_fraglimit\"\t\t\"25.00000\"",
                  "\"mp_footsteps\"\t\t\"0\""}));
    AddFile(QStringLiteral("cfg/bot.cfg"), Crlf({"addbot alien Zed 4"}));
    AddFile(QStringLiteral("mapcycle.txt"), "gt_lab\r\n");
    auto w = Open();
    EXPECT_EQ(w->TeamPanel->NumTeam->Text(), QStringLiteral("3"));
    EXPECT_EQ(w->MapCycle->count(), 1);
    w->SBCreeBot->click();
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_TRUE(w->TeamPanel->Teamplay->isChecked());
    EXPECT_EQ(w->TeamPanel->Teams[2]->currentText(), QStringLiteral("zombie"));
    EXPECT_EQ(w->Control<TNumberEdit>(QStringLiteral("GA_fraglimit"))->Text(), QStringLiteral("0"));
    EXPECT_TRUE(w->Control<QCheckBox>(QStringLiteral("GA_footsteps"))->isChecked());
    EXPECT_EQ(w->MapCycle->count(), 0);
    EXPECT_EQ(Items(w->ListBot), QStringList{QStringLiteral("Zed")});
}

TEST_F(GatheringTest, ASaveKeepsEveryLineThatSetsNoneOfItsCommands)
{
    AddFile(QStringLiteral("cfg/multiplayer.cfg"),
            Crlf({"SV_GRAVITY 100", "//x; mp_footsteps 0", "\"mp_fraglimit\" \"9\"", "alias go \"say x; kill\"",
                  "echo hello", "deathmatch 1", "  ", "mp_teamplay 0"}));
    AddFile(QStringLiteral("cfg/bot.cfg"), Crlf({"addbot alien Zed 4"}));
    auto w = Open();
    EXPECT_TRUE(w->TeamPanel->DeathMatch->isChecked());
    ASSERT_TRUE(w->Logic().SaveConf()) << Shown().toStdString();
    const std::initializer_list<const char*> settings = {
        "\"mp_fraglimit\"\t\t\"9.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_friendlyfire\"\t\t\"0\"",
        "\"mp_weaponstay\"\t\t\"0\"",      "\"mp_forcerespawn\"\t\t\"0\"",   "\"mp_footsteps\"\t\t\"1\"",
        "\"mp_flashlight\"\t\t\"1\"",      "\"mp_autocrosshair\"\t\t\"1\""};
    // The commented-out line still sets mp_footsteps for the engine: that part goes.
    EXPECT_EQ(Read(QStringLiteral("cfg/multiplayer.cfg")),
              OwnLines("1", "0", "", settings) + Crlf({"//x", "alias go \"say x; kill\"", "echo hello"}));
}

TEST_F(GatheringTest, WithoutABotFileTheWarningSaysItIsEmpty)
{
    auto w = Open();
    EXPECT_EQ(w->ListBot->count(), 0);
    EXPECT_EQ(Env.Dialogs.Texts(Dialogs::TKind::Warning),
              QStringList{QStringLiteral("Bots definition file empty. No bot loaded.\r\nYou must create your own bots.")});
    EXPECT_TRUE(w->GB_BotProp->isHidden());
}

// Every bot of cfg\bot.cfg joins the game: a list longer than a listen server leaves room for
// is refused before anything is written.
TEST_F(GatheringTest, MoreBotsThanAListenServerHoldsAreRefused)
{
    QByteArray lines;
    for (int i = 1; i <= 32; ++i)
        lines += "addbot gordon Bot" + QByteArray::number(i) + " 1\r\n";
    AddFile(QStringLiteral("cfg/bot.cfg"), lines);
    AddFile(QStringLiteral("mapcycle.txt"), "gt_lab\r\n");
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 32);
    w->BApplyConf->click();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_TRUE(Shown().contains(QStringLiteral("at most 31 bots"))) << Shown().toStdString();
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("cfg/multiplayer.cfg"))));
}

} // namespace
