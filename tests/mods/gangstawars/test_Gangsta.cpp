// Gangsta Wars end to end: from the main window's button through the real window's controls,
// Apply and Launch, every written file compared byte for byte; then game.cfg's bot lines per bot
// program and server, Restore Default, the map's configuration file and a damaged store.
#include "mods/common/ModTestEnv.h"

#include "mods/gangstawars/UFGangsta.h"
#include "mods/gangstawars/UGangsta.h"
#include "ui/NumberEdit.h"
#include "ui/UEditor.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(QStringLiteral("gangstawars/dlls/gwars27.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("gangstawars"), QStringLiteral("gw_hood"));
    env.HL.AddMap(QStringLiteral("gangstawars"), QStringLiteral("gw_docks"));
}

// The game.cfg lines of a window left at its first state, from the line after the lives on.
const QByteArray kDefaultSwitches = Crlf(
    {"\"mp_falldamage\"\t\t\"0\"", "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_weaponstay\"\t\t\"0\"",
     "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"",
     "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_dmteamplay\"\t\t\"1\"", "\"mp_autoteam\"\t\t\"1\"",
     "\"mp_kickteamkillers\"\t\t\"1\"", "\"mp_painsounds\"\t\t\"1\"", "\"mp_botsswear\"\t\t\"1\"",
     "\"mp_botusebot\"\t\t\"1\"", "\"mp_botcombatjump\"\t\t\"1\""});

TEST(GangstaFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(QStringLiteral("Gangstawars"), QStringLiteral("gangstawars"), QString());
    AddTree(env);
    env.HL.AddPlayerModel(QStringLiteral("gordon"));   // the main window wants Half-Life's models
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("Gangstawars"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("GangstaWars")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("GangstaWars")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFGangsta*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Gangsta Wars - GangstaWars"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Gangsta"));
        EXPECT_EQ(w->PC->count(), 2);
        EXPECT_EQ(w->ListBot, nullptr);
        // No store yet, and no complaint.
        EXPECT_TRUE(env.Dialogs.Texts().isEmpty()) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
        w->GG_donpointlimit->SetText(QStringLiteral("50"));
        w->GG_gbmaxlifes->SetText(QStringLiteral("3"));
        w->GG_fallreal->click();
        EXPECT_EQ(UGangsta::Logic().State.Modified, 1);
        w->GG_painsounds->click();
        w->GG_botsswear->click();
        w->GG_spawnbot->SetText(QStringLiteral("6"));
        w->AddAllMapsClick();
        w->BApplyConf->click();   // no bot needed
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_fraglimit\"\t\t\"0.00000\"", "\"mp_timelimit\"\t\t\"0.00000\"",
                    "\"mp_donpointlimit\"\t\t\"50.00000\"", "\"mp_gbpointlimit\"\t\t\"0.00000\"",
                    "\"mp_ctspointlimit\"\t\t\"0.00000\"", "\"mp_gbmaxlifes\"\t\t\"3.00000\"",
                    "\"mp_falldamage\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"0\"", "\"mp_weaponstay\"\t\t\"0\"",
                    "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"1\"",
                    "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_dmteamplay\"\t\t\"1\"", "\"mp_autoteam\"\t\t\"1\"",
                    "\"mp_kickteamkillers\"\t\t\"1\"", "\"mp_painsounds\"\t\t\"0\"", "\"mp_botsswear\"\t\t\"0\"",
                    "\"mp_botusebot\"\t\t\"1\"", "\"mp_botcombatjump\"\t\t\"1\"", "\"mp_bots\"\t\t\"1\"",
                    "\"mp_defaultbots\"\t\t\"6.00000\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"gw_hood"}));
    EXPECT_EQ(TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/GG_Bots.ini"))),
              Crlf({"[Default]", "numbot=0", "spawnbot=6"}));

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("gangstawars")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("gw_docks"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"// Gangsta Wars Game .dll Listing File", "// Load order is determined by file order.",
                    "game \"GangstaWars\"", "url_info \"www.gangstawars.com\"", "url_dl \"\"",
                    "version \"2.7\"", "size \"90668658\"", "svonly \"0\"", "cldll \"1\"",
                    "type \"multiplayer_only\"", "nomodels \"1\"  ", "mpentity \"info_gwars_map\"",
                    "gamedll \"dlls\\gwars27.dll\"", "gamedll_linux \"dlls/gansta_i386.so\""}));
    EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("bot.cfg"))));
}

class GangstaTest : public ::testing::Test {
protected:
    GangstaTest()
        : Env(QStringLiteral("Gangstawars"), QStringLiteral("gangstawars"), QStringLiteral("GangstaWars"))
    {
        AddTree(Env);
        QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/Gangstawars.ini")));
        Env.Program.AddFile(QStringLiteral("Mods/Gangstawars.ini"),
                            mods + "\r\n[Other]\r\ndll=dlls\\other.dll\r\nconfig=.cfg\r\n"
                                   "\r\n[Waypointed]\r\ndll=dlls\\wp.dll\r\nwaypt=.gwp\r\n");
        Env.HL.AddFile(QStringLiteral("gangstawars/mapcycle.txt"), "gw_docks\r\n");
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFGangsta> Open()
    {
        QDialog* d = ModTable::Find(QStringLiteral("Gangstawars"))->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFGangsta*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFGangsta>(w);
    }
    TModTestEnv Env;
};

struct TBotLinesCase {
    const char* Name;
    const char* Bot;
    const char* Dedicated;
    const char* Count;
    QByteArray Tail;   // game.cfg after the switches
};

void PrintTo(const TBotLinesCase& c, std::ostream* os) { *os << c.Name; }

class GangstaBotLines : public GangstaTest, public ::testing::WithParamInterface<TBotLinesCase> {};

TEST_P(GangstaBotLines, OnlyTheModsOwnBotsGetThem)
{
    const TBotLinesCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    UInit::DedicatedSetting = QString::fromLatin1(c.Dedicated);
    auto w = Open();
    w->GG_spawnbot->SetText(QString::fromLatin1(c.Count));
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray cfg = TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg")));
    EXPECT_TRUE(cfg.endsWith(kDefaultSwitches + c.Tail)) << cfg.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Bots, GangstaBotLines,
    ::testing::Values(
        TBotLinesCase{"OtherBotNone", "Other", "N", "6", Crlf({"\"sv_sendvelocity\"\t\t\"0\""})},
        TBotLinesCase{"OwnBots", "GangstaWars", "N", "12",
                      Crlf({"\"mp_bots\"\t\t\"1\"", "\"mp_defaultbots\"\t\t\"12.00000\"",
                            "\"sv_sendvelocity\"\t\t\"0\""})},
        // The host takes a slot on a listen server; a dedicated one may fill all 32.
        TBotLinesCase{"ListenServerStopsAt31", "GangstaWars", "N", "32",
                      Crlf({"\"mp_bots\"\t\t\"1\"", "\"mp_defaultbots\"\t\t\"31.00000\"",
                            "\"sv_sendvelocity\"\t\t\"0\""})},
        TBotLinesCase{"DedicatedServerTakes32", "GangstaWars", "O", "32",
                      Crlf({"\"mp_bots\"\t\t\"1\"", "\"mp_defaultbots\"\t\t\"32.00000\"",
                            "\"sv_sendvelocity\"\t\t\"0\""})}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GangstaTest, RestoreDefaultKeepsTheModesLimitsTheLastSwitchesAndTheCount)
{
    Env.Program.AddFile(QStringLiteral("Bots/GG_Bots.ini"), "[Default]\r\nnumbot=0\r\nspawnbot=9\r\n");
    Env.HL.AddFile(QStringLiteral("gangstawars/game.cfg"),
                   Crlf({"\"mp_fraglimit\"\t\t\"30.00000\"", "\"mp_donpointlimit\"\t\t\"70.00000\"",
                         "\"mp_falldamage\"\t\t\"1\"", "\"mp_footsteps\"\t\t\"0\"", "\"mp_autoteam\"\t\t\"0\"",
                         "\"mp_defaultbots\"\t\t\"4.00000\""}));
    TIniFile::FlushCache();
    auto w = Open();
    EXPECT_EQ(w->GG_spawnbot->Text(), QStringLiteral("9"));   // the store's, not game.cfg's
    EXPECT_TRUE(w->GG_fallreal->isChecked());
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(w->GG_fraglimit->Text(), QStringLiteral("0"));
    EXPECT_TRUE(w->GG_fallnorm->isChecked());
    EXPECT_TRUE(w->GG_footsteps->isChecked());
    EXPECT_EQ(w->GG_donpointlimit->Text(), QStringLiteral("70"));
    EXPECT_FALSE(w->GG_autoteam->isChecked());
    EXPECT_EQ(w->GG_spawnbot->Text(), QStringLiteral("9"));
}

TEST_F(GangstaTest, EditConfigOpensTheMapsOwnFileAndARequiredWaypointHidesMaps)
{
    UInit::SelectedBot = QStringLiteral("Other");
    {
        auto w = Open();
        ASSERT_FALSE(w->BEditCfg->isHidden());
        ASSERT_EQ(w->MapDispo->count(), 2);
        w->MapDispo->setCurrentRow(0);
        QString opened;
        QTimer::singleShot(0, [&] {
            if (auto* editor = qobject_cast<TEditor*>(QApplication::activeModalWidget())) {
                opened = editor->FilePath();
                editor->reject();
            }
        });
        w->BEditCfg->click();
        EXPECT_TRUE(opened.endsWith(QStringLiteral("gangstawars/maps/gw_docks.cfg")))
            << opened.toStdString();
    }
    UInit::SelectedBot = QStringLiteral("Waypointed");
    Env.HL.AddFile(QStringLiteral("gangstawars/maps/gw_hood.gwp"), "w");
    auto w = Open();
    EXPECT_TRUE(w->BEditCfg->isHidden());
    ASSERT_EQ(w->MapDispo->count(), 1);
    EXPECT_EQ(w->MapDispo->item(0)->text().trimmed(), QStringLiteral("gw_hood"));
    EXPECT_EQ(w->MapCycle->count(), 0);   // gw_docks has no waypoint file
    EXPECT_TRUE(w->MapLabel->text().contains(QStringLiteral("Waypoints")));
}

TEST_F(GangstaTest, DamagedStoreReadsTheDefaultCountAndLosesNothing)
{
    const QByteArray damaged = "[Default]\r\nnumbot=x\r\nspawnbot=lots\r\n[Bot 1]\r\nnom=Kept\r\n";
    Env.Program.AddFile(QStringLiteral("Bots/GG_Bots.ini"), damaged);
    TIniFile::FlushCache();
    auto w = Open();
    EXPECT_EQ(w->GG_spawnbot->Text(), QStringLiteral("1"));
    EXPECT_TRUE(Env.Dialogs.Texts().isEmpty()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(UGangsta::Logic().State.Modified, 0);
    w->BApplyConf->click();
    EXPECT_EQ(TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/GG_Bots.ini"))),
              QByteArray("[Default]\r\nnumbot=0\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Kept\r\n"));
}

} // namespace
