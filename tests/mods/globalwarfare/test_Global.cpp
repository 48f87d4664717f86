// Global Warfare end to end: from the main window's button through the real window's controls,
// Apply and Launch, every written file compared byte for byte; then the bot file's variations,
// the side radios, the map list bound to waypoint files, and the damaged stores.
#include "mods/common/ModTestEnv.h"

#include "mods/globalwarfare/UFGlobal.h"
#include "mods/globalwarfare/UGlobal.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
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

void AddTree(TModTestEnv& env)
{
    env.HL.AddFile(QStringLiteral("GlobalWarfare/dlls/hpb_bot.dll"), "MZ");
    env.HL.AddMap(QStringLiteral("GlobalWarfare"), QStringLiteral("gw_desert"));
    env.HL.AddMap(QStringLiteral("GlobalWarfare"), QStringLiteral("gw_jungle"));
    env.HL.AddMap(QStringLiteral("GlobalWarfare"), QStringLiteral("gw_snow"));
    env.HL.AddFile(QStringLiteral("GlobalWarfare/maps/gw_desert.wpt"), "w");
    env.HL.AddFile(QStringLiteral("GlobalWarfare/maps/gw_jungle.wpt"), "w");
}

TEST(GlobalFromMainWindow, PickEditApplyAndLaunch)
{
    TModTestEnv env(QStringLiteral("GlobalWarfare"), QStringLiteral("GlobalWarfare"), QString());
    AddTree(env);
    env.HL.AddPlayerModel(QStringLiteral("gordon"));
    // The bot-menu key is the user's own entry in the store; the window keeps it.
    env.Program.AddFile(QStringLiteral("Bots/GW_Bots.ini"), "[Default]\r\nnumbot=0\r\nbotmenu=F5\r\n");
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), env.Program.Root());
    env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), env.HL.Root());

    TMain main;
    main.ModButtonClick(QStringLiteral("GlobalWarfare"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("HPB Bot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("HPB Bot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFGlobal*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Global Warfare - HPB Bot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Global"));
        EXPECT_EQ(w->MapDispo->count(), 2);   // gw_snow has no waypoint file
        EXPECT_EQ(w->GW_transportrespawn->Text(), QStringLiteral("120"));
        w->GW_fraglimit->SetText(QStringLiteral("25"));
        w->GW_friendlyfire->click();
        EXPECT_EQ(UGlobal::Logic().State.Modified, 1);
        w->GW_warmuptime->SetText(QStringLiteral("30"));
        w->GW_campaign->click();
        w->spawnbot->SetText(QStringLiteral("2"));
        w->SBCreeBot->click();
        EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Infantry"));
        EXPECT_TRUE(w->GW_BotA->isChecked());
        w->SpeedButton13->click();
        w->SpeedButton13->click();   // Medic
        w->GW_BotAr->click();
        w->Botskill->setValue(2);
        EXPECT_EQ(UGlobal::Logic().Bots()[0][1], QStringLiteral("3"));
        EXPECT_EQ(UGlobal::Logic().Bots()[0][3], QStringLiteral("1"));
        w->SBCreeBot->click();
        TModTestEnv::Type(w->botname, QStringLiteral("Z"));
        w->AddAllMapsClick();
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_teamlist\"\t\t\"\"", "\"mp_fraglimit\"\t\t\"25.00000\"",
                    "\"mp_timelimit\"\t\t\"0.00000\"", "\"mp_falldamage\"\t\t\"0\"", "\"mp_teamplay\"\t\t\"1\"",
                    "\"mp_weaponstay\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"",
                    "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"1\"",
                    "\"mp_transportrespawn\"\t\t\"120.00000\"", "\"mp_intermissionend\"\t\t\"0.00000\"",
                    "\"mp_intermissionstart\"\t\t\"0.00000\"", "\"mp_warmuptime\"\t\t\"30.00000\"",
                    "\"mp_weaponrespawntime\"\t\t\"0.00000\"", "\"mp_weaponremovetime\"\t\t\"0.00000\"",
                    "\"mp_allowcameras\"\t\t\"0\"", "\"mp_campaign\"\t\t\"1\"", "\"mp_mirrordamage\"\t\t\"0\"",
                    "\"sv_sendvelocity\"\t\t\"0\""}));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"gw_jungle"}));
    const QByteArray store = TModTestEnv::Read(env.ProgramFile(QStringLiteral("Bots/GW_Bots.ini")));
    EXPECT_TRUE(store.startsWith("[Default]\r\nnumbot=2\r\nbotmenu=F5\r\nskill5=1\r\nspawnbot=2\r\n"))
        << store.constData();
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=NewBot\r\nmodele=3\r\nskill5=2\r\nteam=1\r\n")) << store.constData();
    EXPECT_TRUE(store.contains("[Bot 2]\r\nnom=NewBotZ\r\nmodele=1\r\nskill5=0\r\nteam=0\r\n")) << store.constData();

    main.SB_HLClick();
    ASSERT_TRUE(env.HL.WaitForRuns(1)) << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const FakeHalfLife::TRun run = env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Args.mid(0, 3), (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                               QStringLiteral("globalwarfare")}));
    EXPECT_EQ(run.Args.last(), QStringLiteral("gw_desert"));
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"game \"Global Warfare \"", "url_info \"www.globalwarfare.net\"", "url_dl \"\" ",
                    "version \"1.2\"", "hlversion \"1.1.0.6\"", "size \"1\" ", "svonly \"0\" ",
                    "cldll \"1\"    ", "type \"multiplayer_only\"", "mpentity \"info_gwwaiting_spawn\"",
                    "gamedll_linux \"dlls/gw_i386.so\"", "gamedll \"dlls\\hpb_bot.dll\"", "nomodels \"1\" "}));
    // A bot on Auto enters with team 5; the bind follows the botskill line.
    EXPECT_EQ(TModTestEnv::Read(env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <team> <model> <name> <skill>", "pause 3", "", "botskill 1",
                    "bind \"F5\" \"addbot\"", " ", "addbot 1 3 NewBot 2", "addbot 5 1 NewBotZ 0"}));
}

class GlobalTest : public ::testing::Test {
protected:
    GlobalTest()
        : Env(QStringLiteral("GlobalWarfare"), QStringLiteral("GlobalWarfare"), QStringLiteral("HPB Bot"))
    {
        AddTree(Env);
        Env.HL.AddFile(QStringLiteral("GlobalWarfare/mapcycle.txt"), "gw_desert\r\ngw_snow\r\ngw_jungle\r\n");
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/GW_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    void WriteMods(const QByteArray& hpbSection)
    {
        Env.Program.AddFile(QStringLiteral("Mods/GlobalWarfare.ini"),
                            "[Default]\r\ndispo=1\r\nBot1=HPB Bot\r\n[HPB Bot]\r\n" + hpbSection);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFGlobal> Open()
    {
        QDialog* d = ModTable::Find(QStringLiteral("GlobalWarfare"))->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFGlobal*>(d);
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFGlobal>(w);
    }
    QByteArray Launch()
    {
        QString error;
        EXPECT_TRUE(ModTable::Find(QStringLiteral("GlobalWarfare"))->Hooks.LaunchWriters(error))
            << error.toStdString();
        return TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg")));
    }
    TModTestEnv Env;
};

struct TBotFileCase {
    const char* Name;
    const char* Mods;    // the [HPB Bot] lines
    const char* Store;
    QByteArray Expected;
};

void PrintTo(const TBotFileCase& c, std::ostream* os) { *os << c.Name; }

class GlobalBotFile : public GlobalTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(GlobalBotFile, WritesTheSkeletonTheBindAndTheBots)
{
    WriteMods(GetParam().Mods);
    WriteStore(GetParam().Store);
    EXPECT_EQ(Launch(), GetParam().Expected);
}

const char* kTeamTemplate = "addbot=addbot <team> <model> <name> <skill>\r\nbotmenucmd=botmenu\r\n";

INSTANTIATE_TEST_SUITE_P(
    Stores, GlobalBotFile,
    ::testing::Values(
        TBotFileCase{"EachTeamAndDefaults", kTeamTemplate,
                     "[Default]\r\nspawnbot=4\r\nskill5=3\r\n"
                     "[Bot 1]\r\nnom=Ann\r\nteam=0\r\nmodele=2\r\nskill5=1\r\n"
                     "[Bot 2]\r\nnom=Ben\r\nteam=1\r\nmodele=6\r\nskill5=4\r\n"
                     "[Bot 3]\r\nnom=Cid\r\nteam=2\r\nmodele=5\r\nskill5=5\r\n",
                     Crlf({"# addbot <team> <model> <name> <skill>", "pause 3", "", "botskill 3", " ",
                           "addbot 5 2 Ann 1", "addbot 1 6 Ben 4", "addbot 2 5 Cid 5", "addbot 5 0 NewBot 1"})},
        TBotFileCase{"BindWithKeyAndCommand", kTeamTemplate, "[Default]\r\nspawnbot=0\r\nbotmenu=F5\r\n",
                     Crlf({"# addbot <team> <model> <name> <skill>", "pause 3", "", "botskill 0",
                           "bind \"F5\" \"botmenu\"", " "})},
        TBotFileCase{"NoBindWithoutCommand", "addbot=addbot <team> <name>\r\n",
                     "[Default]\r\nspawnbot=0\r\nbotmenu=F5\r\n",
                     Crlf({"# addbot <team> <name>", "pause 3", "", "botskill 0", " "})},
        TBotFileCase{"NoBindWithoutKey", kTeamTemplate, "[Default]\r\nspawnbot=0\r\nbotmenu=NoSuchKey\r\n",
                     Crlf({"# addbot <team> <model> <name> <skill>", "pause 3", "", "botskill 0", " "})}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(GlobalTest, SideRadiosShowTheStoredTeamAndAnUnknownOneAsAuto)
{
    WriteStore("[Default]\r\nnumbot=3\r\n[Bot 1]\r\nnom=Ann\r\nteam=2\r\nmodele=3\r\n"
               "[Bot 2]\r\nnom=Ben\r\nteam=7\r\nmodele=1\r\n[Bot 3]\r\nnom=Cid\r\nteam=x\r\nmodele=9\r\n");
    Env.Program.AddFile(QStringLiteral("models/Global/2_3.jpg"),
                        TModTestEnv::Read(QStringLiteral(QORVANE_DATA_DIR "/models/Global/2_3.jpg")));
    auto w = Open();
    EXPECT_TRUE(w->GW_BotRe->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Medic"));
    EXPECT_NE(w->BotPic->pixmap().toImage(), QImage());
    for (int row : {1, 2}) {
        w->ListBot->setCurrentRow(row);
        w->ListBotClick();
        EXPECT_TRUE(w->GW_BotA->isChecked()) << row;
        EXPECT_FALSE(w->GW_BotAr->isChecked()) << row;
        EXPECT_FALSE(w->GW_BotRe->isChecked()) << row;
    }
    EXPECT_EQ(w->botmodel->currentIndex(), -1);   // class 9 names no class
    EXPECT_EQ(UGlobal::Logic().State.Modified, 0);
    // Without a selected bot the team buttons change nothing.
    w->ListBot->setCurrentRow(-1);
    w->GW_BotAr->click();
    for (const TBot& bot : UGlobal::Logic().Bots())
        EXPECT_NE(bot[3], QStringLiteral("1"));
}

TEST_F(GlobalTest, FriendlyFireReadsBackAndEveryEditAsksBeforeExit)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nteam=1\r\nmodele=2\r\n");
    Env.HL.AddFile(QStringLiteral("GlobalWarfare/game.cfg"),
                   Crlf({"\"mp_friendlyfire\"\t\t\"1\"", "\"mp_fraglimit\"\t\t\"9.00000\""}));
    auto w = Open();
    EXPECT_TRUE(w->GW_friendlyfire->isChecked());
    EXPECT_EQ(w->MapCycle->count(), 2);   // gw_snow dropped: no waypoint file
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_FALSE(w->GW_friendlyfire->isChecked());
    EXPECT_EQ(w->MapCycle->count(), 0);   // Restore Default empties the cycle
    EXPECT_EQ(w->defskill->value(), 1);
    w = Open();
    w->GW_fraglimit->SetText(QStringLiteral("10"));
    TModTestEnv::Type(w->GW_fraglimit, QStringLiteral("1"));
    EXPECT_EQ(UGlobal::Logic().State.Modified, 1);
    Env.Dialogs.Clear();
    Env.Dialogs.ExpectConfirm(false);
    w->BClose->click();
    EXPECT_EQ(Env.Dialogs.Texts(), QStringList{QStringLiteral("Do you want to save your settings ?")});
}

TEST_F(GlobalTest, RandomBotsStayWithinTheListsAndTheSlider)
{
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    for (int i = 0; i < 40; ++i)
        w->SBCreeRandomBot->click();
    for (const TBot& bot : UGlobal::Logic().Bots()) {
        const int cls = bot[1].toInt();
        const int skill = bot[2].toInt();
        EXPECT_TRUE(cls >= 1 && cls <= 6) << bot[1].toStdString();
        EXPECT_TRUE(skill >= w->Botskill->minimum() && skill <= w->Botskill->maximum()) << bot[2].toStdString();
        EXPECT_TRUE(bot[3] == QStringLiteral("0") || bot[3] == QStringLiteral("1") || bot[3] == QStringLiteral("2"));
    }
}

} // namespace
