// Rocket Crowbar: from the main window's button through its window to the files it and the
// launch write; the game type and the number of teams; its own bot records; the bot file's
// variations and the damaged-store cases.
#include "mods/common/ModTestEnv.h"

#include "mods/common/TeamPanel.h"
#include "mods/rocket/UFRocket.h"
#include "mods/rocket/URocket.h"
#include "ui/NumberEdit.h"
#include "ui/UMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RocketTest : public ::testing::Test {
protected:
    RocketTest() : Env(QStringLiteral("Rocket"), QStringLiteral("rockcrowbar"), QStringLiteral("RCBot"))
    {
        Env.HL.AddFile(QStringLiteral("rcbot/dlls/rcbot.dll"), "MZ");
        for (const char* m : {"gordon", "barney", "helmet", "zombie"})
            Env.HL.AddPlayerModel(QString::fromLatin1(m));
        Env.HL.AddMap(QStringLiteral("valve"), QStringLiteral("rc_arena"));
        // The main list of player models, as the program builds it at start.
        UInit::ListPlayerModels();
        TIniFile::FlushCache();
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/RC_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    std::unique_ptr<TFRocket> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Rocket"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFRocket*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFRocket>(w);
    }
    bool RunWriters(QString& error)
    {
        TModRow* row = ModTable::Find(QStringLiteral("Rocket"));
        return row && row->Hooks.LaunchWriters && row->Hooks.LaunchWriters(error);
    }
    QByteArray ModBytes(const char* name) const { return TModTestEnv::Read(Env.ModFile(QString::fromLatin1(name))); }
    static void Choose(QComboBox* c, int index)
    {
        c->setCurrentIndex(index);
        emit c->activated(index);
    }
    static void Focus(QWidget* w, bool in)
    {
        QFocusEvent e(in ? QEvent::FocusIn : QEvent::FocusOut);
        QApplication::sendEvent(w, &e);
    }

    TModTestEnv Env;
};

// ---------------------------------------------------------------- end to end

TEST_F(RocketTest, FromTheMainWindowThroughApplyAndLaunch)
{
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), Env.Program.Root());
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), Env.HL.Root());
    TMain main;
    main.ModButtonClick(QStringLiteral("Rocket"));
    QComboBox* bots = main.BotSelector();
    ASSERT_GE(bots->findText(QStringLiteral("RCBot")), 0);
    bots->setCurrentIndex(bots->findText(QStringLiteral("RCBot")));

    bool edited = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFRocket*>(&dialog);
        if (!w)
            return dialog.exec();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Rocket & Crowbar"));
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Rocket Crowbar - RCBot"));
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit Rocket"));
        EXPECT_GE(w->PC->indexOf(w->TS_RC_Misc), 0);
        EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("3"));
        TTeamPanel* p = w->TeamPanel;
        EXPECT_FALSE(p->Teams[0]->isEnabled());

        Choose(w->RC_Teamplay, 2);
        EXPECT_TRUE(p->Teams[1]->isEnabled());
        EXPECT_FALSE(p->Teams[2]->isEnabled());
        Choose(p->Teams[0], p->Teams[0]->findText(QStringLiteral("barney")));
        Choose(p->Teams[1], p->Teams[1]->findText(QStringLiteral("zombie")));
        w->RC_fraglimit->stepBy(10);
        Choose(w->RC_falldamage, 2);
        w->RC_curses->click();
        w->RC_matrixmode->click();
        w->RC_bot_chat_percent->setValue(30);
        w->SBCreeBot->click();
        const QList<QListWidgetItem*> maps = w->MapDispo->findItems(QStringLiteral("rc_arena"), Qt::MatchStartsWith);
        EXPECT_EQ(maps.size(), 1);
        if (!maps.isEmpty()) {
            maps.first()->setSelected(true);
            w->AddMapClick();
        }
        w->BApplyConf->click();
        edited = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(edited) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(ModBytes("game.cfg"),
              Crlf({"\"mp_teamlist\"\t\t\"barney;zombie\"", "\"mp_fraglimit\"\t\t\"10.000000\"",
                    "\"mp_timelimit\"\t\t\"0.000000\"", "\"mp_flag_return_time\"\t\t\"60.000000\"",
                    "\"mp_points_per_capture\"\t\t\"10.000000\"", "\"mp_scikill\"\t\t\"0.000000\"",
                    "\"mp_deathballs\"\t\t\"0.000000\"", "\"mp_falldamage\"\t\t\"2\"",
                    "\"minplayers\"\t\t\"0.000000\"", "\"minbots\"\t\t\"0.000000\"",
                    "\"mp_teamplay\"\t\t\"1\"", "\"mp_ctf\"\t\t\"1\"", "\"mp_friendlyfire\"\t\t\"0\"",
                    "\"mp_weaponstay\"\t\t\"0\"", "\"mp_forcerespawn\"\t\t\"0\"", "\"mp_footsteps\"\t\t\"1\"",
                    "\"mp_flashlight\"\t\t\"1\"", "\"mp_autocrosshair\"\t\t\"1\"",
                    "\"mp_drunkrockets\"\t\t\"0\"", "\"sv_poll\"\t\t\"0\"", "\"mp_teamannoy\"\t\t\"0\"",
                    "\"mp_allowrifts\"\t\t\"1\"", "\"mp_teampush\"\t\t\"0\"", "\"mp_curses\"\t\t\"1\"",
                    "\"sv_chglevel\"\t\t\"0\"", "\"sv_noexit\"\t\t\"1\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    const TIniFile store(Env.ProgramFile(QStringLiteral("Bots/RC_Bots.ini")));
    EXPECT_EQ(store.ReadString(QStringLiteral("Bot 1"), QStringLiteral("modele"), QString()), QStringLiteral("gordon"));

    main.SB_HLClick();
    ASSERT_TRUE(Env.HL.WaitForRuns(1)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.last(), QStringLiteral("rc_arena"));
    EXPECT_EQ(ModBytes("liblist.gam"),
              Crlf({"game \"Rocket Crowbar\"", "url_info \"www.planethalflife.com/rocketcrowbar\"",
                    "url_dl \"www.planethalflife.com/rocketcrowbar\"", "rl_dl \"\"", "version \"19\"",
                    "size \"712774\"", "svonly \"1\"", "cldll \"0\"", "//#mpentity \"info_player_deathmatch\"",
                    "//#gamedll \"dlls\\rc.dll\"", "gamedll \"..\\rcbot\\dlls\\rcbot.dll\""}));
    EXPECT_EQ(ModBytes("bot.cfg"),
              Crlf({"# rcbot addbot", "pause 2", "", "botskill 1", " ", "sv_pregameobserver 1",
                    "botdontshootsci 0", "use_satchels 0", "use_tripmines 0", "tripmine_percent 50",
                    "allow_spammers 0", "spammer_percent 10", "matrix_mode", "bot_chat_percent 30",
                    "bot_break_objects 1", "use_astar 1", "min_bot_skill 1", "max_bot_skill 5",
                    "bot_shoot_impailers 1", "waypoint update", "rcbot addbot", "rcbot addbot",
                    "rcbot addbot", "exec autoexec.cfg"}));
}

// ---------------------------------------------------------------- the bot file

struct TBotFileCase {
    const char* Name;
    const char* Bot;
    QByteArray Store;
    QByteArray Expected;
};

class RocketBotFile : public RocketTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(RocketBotFile, WritesWhatTheBotProgramReads)
{
    const TBotFileCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    WriteStore(c.Store);
    QString error;
    ASSERT_TRUE(RunWriters(error)) << error.toStdString();
    EXPECT_EQ(ModBytes("bot.cfg"), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RocketBotFile,
    ::testing::Values(
        TBotFileCase{"AkimbotFillsModelNameSkillAndNothingElse", "Akimbot",
                     "[Default]\r\nspawnbot=2\r\nskill5=2\r\nmatrix_mode=1\r\n"
                     "[Bot 1]\r\nnom=Alpha\r\nmodele=barney\r\nskill5=3\r\n",
                     Crlf({"# addbot <model> <name> <skill>", "pause 2", "", "botskill 2", " ",
                           "addbot barney Alpha 3", "addbot  NewBot "})},
        TBotFileCase{"RCBotKeysMissingTakeTheLaunchDefaults", "RCBot", "[Default]\r\nspawnbot=0\r\n",
                     Crlf({"# rcbot addbot", "pause 2", "", "botskill 0", " ", "sv_pregameobserver 1",
                           "botdontshootsci 0", "use_satchels 0", "use_tripmines 0", "tripmine_percent 50",
                           "allow_spammers 0", "spammer_percent 50", "bot_chat_percent 8",
                           "bot_break_objects 0", "use_astar 0", "min_bot_skill 1", "max_bot_skill 5",
                           "bot_shoot_impailers 1", "waypoint update", "exec autoexec.cfg"})},
        TBotFileCase{"RCBotLettersTakeTheLaunchDefaults", "RCBot",
                     "[Default]\r\nspawnbot=1\r\nskill5=x\r\ntripmine_percent=lots\r\nuse_astar=1\r\n"
                     "matrix_mode=yes\r\nbot_chat_percent=\r\n",
                     Crlf({"# rcbot addbot", "pause 2", "", "botskill 0", " ", "sv_pregameobserver 1",
                           "botdontshootsci 0", "use_satchels 0", "use_tripmines 0", "tripmine_percent 50",
                           "allow_spammers 0", "spammer_percent 50", "bot_chat_percent 8",
                           "bot_break_objects 0", "use_astar 1", "min_bot_skill 1", "max_bot_skill 5",
                           "bot_shoot_impailers 1", "waypoint update", "rcbot addbot", "exec autoexec.cfg"})}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---------------------------------------------------------------- game type and teams

TEST_F(RocketTest, TheGameTypeReadsBackWhateverTheOrderOfItsTwoLines)
{
    struct TCase {
        const char* Lines;
        int GameType;
    };
    const TCase cases[] = {
        {"", 0},
        {"\"mp_teamplay\"\t\t\"0\"\r\n\"mp_ctf\"\t\t\"0\"\r\n", 0},
        {"\"mp_teamplay\"\t\t\"1\"\r\n\"mp_ctf\"\t\t\"0\"\r\n", 1},
        {"\"mp_teamplay\"\t\t\"1\"\r\n\"mp_ctf\"\t\t\"1\"\r\n", 2},
        {"\"mp_ctf\"\t\t\"1\"\r\n\"mp_teamplay\"\t\t\"1\"\r\n", 2},
        {"\"mp_ctf\"\t\t\"1\"\r\n\"mp_teamplay\"\t\t\"0\"\r\n", 2},
    };
    WriteStore("[Default]\r\nnumbot=0\r\n");
    for (const TCase& c : cases) {
        Env.HL.AddFile(QStringLiteral("rockcrowbar/game.cfg"), c.Lines);
        auto w = Open();
        EXPECT_EQ(w->RC_Teamplay->currentIndex(), c.GameType) << c.Lines;
        EXPECT_EQ(w->TeamPanel->Teams[0]->isEnabled(), c.GameType > 0) << c.Lines;
        EXPECT_EQ(URocket::Logic().State.Modified, 0);
    }
}

TEST_F(RocketTest, TheTwoTeamsCheckHoldsOnlyForTeamGames)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    Env.HL.AddFile(QStringLiteral("rockcrowbar/mapcycle.txt"), "rc_arena\r\n");
    const QString message = QStringLiteral("You must select at least two teams for Teamplay / CTF.");
    for (int type : {1, 2, 0}) {
        Env.Dialogs.Clear();
        auto w = Open();
        Choose(w->RC_Teamplay, type);
        Choose(w->TeamPanel->Teams[0], 0);
        w->BApplyConf->click();
        EXPECT_EQ(w->ClosedByButtons(), type == 0) << type;
        EXPECT_EQ(Env.Dialogs.Texts().contains(message), type != 0) << type;
    }
}

TEST_F(RocketTest, TheNumberOfTeamsMovesByItsArrowsAndClearsOnlyTeamsAboveIt)
{
    Env.HL.AddFile(QStringLiteral("rockcrowbar/game.cfg"),
                   "\"mp_teamlist\"\t\t\"gordon;barney;helmet;zombie;gordon\"\r\n\"mp_teamplay\"\t\t\"1\"\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    TTeamPanel* p = w->TeamPanel;
    TNumberEdit* n = p->NumTeam;
    ASSERT_EQ(n->Text(), QStringLiteral("5"));
    TModTestEnv::Type(n, QStringLiteral("2"));
    EXPECT_EQ(n->Text(), QStringLiteral("5"));   // typing changes nothing

    Focus(n, true);
    n->stepBy(-2);
    Focus(n, false);
    EXPECT_EQ(n->Text(), QStringLiteral("3"));
    for (int k = 0; k < 3; ++k) {
        EXPECT_GE(p->Teams[k]->currentIndex(), 0) << k;
        EXPECT_TRUE(p->Teams[k]->isEnabled()) << k;
    }
    EXPECT_EQ(p->Teams[3]->currentIndex(), -1);
    EXPECT_EQ(p->Teams[4]->currentIndex(), -1);
    EXPECT_FALSE(p->Teams[3]->isEnabled());
    EXPECT_EQ(URocket::Logic().State.Modified, 1);

    // 7..10 show every one of the six teams.
    Focus(n, true);
    n->stepBy(5);
    Focus(n, false);
    EXPECT_EQ(n->Text(), QStringLiteral("8"));
    for (QComboBox* t : p->Teams)
        EXPECT_TRUE(t->isEnabled());
    EXPECT_GE(p->Teams[2]->currentIndex(), 0);
}

// ---------------------------------------------------------------- its own records

TEST_F(RocketTest, BotsLiveInTheModsOwnRecordsAndTheStoreKeepsNameModelSkill)
{
    WriteStore("[Default]\r\nnumbot=3\r\nskill5=2\r\n"
               "[Bot 1]\r\nnom=Alpha\r\nmodele=barney\r\nskill5=1\r\n"
               "[Bot 2]\r\nnom=Bravo\r\nmodele=helmet\r\nskill5=abc\r\n"
               "[Bot 3]\r\nnom=Charlie\r\nmodele=zombie\r\nskill5=9\r\n"
               "[Bot 4]\r\nnom=Stale\r\n");
    auto w = Open();
    TModRow* row = ModTable::Find(QStringLiteral("Rocket"));
    ASSERT_EQ(row->RocBots.size(), 3);
    EXPECT_TRUE(row->Bots.isEmpty());
    EXPECT_EQ(row->RocBots[1][2], QStringLiteral("0"));
    EXPECT_EQ(row->RocBots[2][2], QStringLiteral("5"));
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("barney"));

    // Move Alpha down, rename it, delete Bravo.
    w->ListBot->setCurrentRow(0);
    w->SBDownBot->click();
    EXPECT_EQ(row->RocBots[1][0], QStringLiteral("Alpha"));
    EXPECT_EQ(row->RocBots[1][1], QStringLiteral("barney"));
    w->botname->setText(QStringLiteral("Ace"));
    emit w->botname->textEdited(QStringLiteral("Ace"));
    w->ListBot->setCurrentRow(0);
    w->ListBot->item(0)->setSelected(true);
    Env.Dialogs.ExpectConfirm(true);
    w->SBDelBot->click();
    ASSERT_EQ(row->RocBots.size(), 2);
    EXPECT_EQ(row->RocBots[0][0], QStringLiteral("Ace"));
    w->SBCreeRandomBot->click();
    ASSERT_EQ(row->RocBots.size(), 3);
    EXPECT_GE(w->botmodel->findText(row->RocBots[2][1]), 0);
    const int skill = row->RocBots[2][2].toInt();
    EXPECT_TRUE(skill >= 1 && skill <= 5);

    Env.HL.AddFile(QStringLiteral("rockcrowbar/mapcycle.txt"), "rc_arena\r\n");
    w->MapCycle->addItem(QStringLiteral("rc_arena"));
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(row->RocBots.isEmpty());
    const QByteArray store = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/RC_Bots.ini")));
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=Ace\r\nmodele=barney\r\nskill5=1\r\n[Bot 2]\r\nnom=Charlie\r\n"))
        << store.toStdString();
    EXPECT_FALSE(store.contains("Stale"));
    EXPECT_FALSE(store.contains("Bravo"));
}

} // namespace
