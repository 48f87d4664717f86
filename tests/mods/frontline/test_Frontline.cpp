// Front Line Force: from the main window's button through the real window to the launch, the
// bot file of each bot program, and the window's own parts (sides and classes, OddBot's chat
// files, the settings every edit marks).
#include "mods/common/ModTestEnv.h"
#include "mods/common/EditSweep.h"

#include "mods/frontline/UFFrontline.h"
#include "mods/frontline/UFrontline.h"
#include "ui/NumberEdit.h"
#include "ui/ModalRunner.h"
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
#include <QSet>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class Frontline : public ::testing::Test {
protected:
    explicit Frontline(const QString& bot = QStringLiteral("HPB Bot"))
        : Env(QStringLiteral("Frontline"), QStringLiteral("frontline"), bot)
    {
        Env.HL.AddMap(QStringLiteral("frontline"), QStringLiteral("flf_abandon"));
        Env.HL.AddMap(QStringLiteral("frontline"), QStringLiteral("flf_village"));
        TIniFile::FlushCache();
    }

    std::unique_ptr<TFFrontline> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Frontline"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFFrontline*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        w->FormActivate();
        return std::unique_ptr<TFFrontline>(w);
    }
    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/FL_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    QByteArray Store() const { return TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Bots/FL_Bots.ini"))); }

    TModTestEnv Env;
};

TEST_F(Frontline, FromTheMainWindowBothSidesThroughApplyAndLaunch)
{
    Env.HL.AddFile(QStringLiteral("frontline/dlls/hpb_bot.dll"), "MZ");
    Env.HL.AddFile(QStringLiteral("frontline/dlls/oddbot.dll"), "MZ");
    Env.HL.AddFile(QStringLiteral("frontline/HPB_bot_chat.txt"), "hi %s\r\n");
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("AppPath"), Env.Program.Root());
    Env.Program.SetRegistry(UInit::QorKeyPath, QStringLiteral("HLPath"), Env.HL.Root());

    TMain main;
    main.FormActivate();
    // A bot program's library in the mod folder shows the button; the selector lists the data
    // file's bots.
    EXPECT_FALSE(main.ModButton(QStringLiteral("Frontline"))->isHidden());
    main.ModButtonClick(QStringLiteral("Frontline"));
    QComboBox* bots = main.BotSelector();
    ASSERT_EQ(bots->count(), 2);
    ASSERT_EQ(bots->itemText(0), QStringLiteral("HPB Bot"));
    ASSERT_EQ(bots->itemText(1), QStringLiteral("OddBot"));
    bots->setCurrentIndex(bots->findText(QStringLiteral("HPB Bot")));

    bool applied = false;
    TMain::SetModalRunner([&](QDialog& dialog) {
        auto* w = qobject_cast<TFFrontline*>(&dialog);
        if (!w)
            return dialog.exec();
        w->FormActivate();
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Front Line Force - HPB Bot"));
        EXPECT_FALSE(w->GB_misc->isHidden());
        EXPECT_EQ(w->BClose->text(), QStringLiteral("Exit FLF"));
        w->FL_timelimit->SetText(QStringLiteral("30"));
        w->FL_autoteambalance->click();
        w->FL_logo->SetText(QStringLiteral("55"));
        // A Rebel with the second class ...
        w->SBCreeBot->click();
        w->botname->setText(QStringLiteral("Ayla"));
        emit w->botname->textEdited(w->botname->text());
        w->FL_TeamRebel->click();
        w->Control<QToolButton>(QStringLiteral("FL_NextModel"))->click();
        // ... and a Commando with the third, skill 4.
        w->SBCreeBot->click();
        w->FL_TeamCommando->click();
        w->botmodel->setCurrentIndex(2);
        emit w->botmodel->activated(2);
        w->Botskill->setValue(4);
        EXPECT_EQ(w->botmodel->itemText(2), QStringLiteral("Support"));
        w->spawnbot->SetText(QStringLiteral("3"));
        emit w->spawnbot->Edited();
        w->Control<QToolButton>(QStringLiteral("FL_AddAllMaps"))->click();
        w->BApplyConf->click();
        applied = w->ClosedByButtons();
        return dialog.result();
    });
    main.SB_EditConfClick();
    TMain::SetModalRunner({});
    ASSERT_TRUE(applied) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();

    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))),
              Crlf({"\"mp_timelimit\"\t\t\"30.00000\"", "\"mp_roundlimit\"\t\t\"0.00000\"",
                    "\"mp_friendlyfire\"\t\t\"1\"", "\"mp_footsteps\"\t\t\"1\"", "\"mp_flashlight\"\t\t\"0\"",
                    "\"mp_autoteambalance\"\t\t\"0\"", "\"mp_forcebalance\"\t\t\"1\"",
                    "\"mp_teamchange\"\t\t\"1\"", "\"sv_sendvelocity\"\t\t\"0\""}));
    // The first map is the start map; the cycle holds the rest.
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("mapcycle.txt"))), Crlf({"flf_village"}));
    EXPECT_EQ(Store(), Crlf({"[Default]", "numbot=2", "skill5=1", "spawnbot=3", "chatfreq=10", "chatfreq_kill=20",
                             "chatfreq_died=10", "botdontshoot=0", "dodge_bullets=0", "strafe=20", "grenade=15",
                             "logo=55", "reaction_time=0", "team_even=0", "[Bot 1]", "nom=Ayla", "modele=2",
                             "skill5=0", "team=1", "type=", "[Bot 2]", "nom=NewBot", "modele=3", "skill5=4",
                             "team=2", "type="}));

    // The listen server's own settings may not undo the mod's.
    Env.HL.AddFile(QStringLiteral("frontline/listenserver.cfg"),
                   Crlf({"mp_autoteambalance 1", "mp_teamchange 0", "mp_roundlimit 5", "sv_gravity 800"}));
    main.SB_HLClick();
    ASSERT_TRUE(Env.HL.WaitForRuns(1)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.mid(0, 3),
              (QStringList{QStringLiteral("-console"), QStringLiteral("-game"), QStringLiteral("frontline")}));
    EXPECT_EQ(Env.HL.RecordedRuns().front().Args.last(), QStringLiteral("flf_abandon"));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))),
              Crlf({"// Front Line Force", "version \"v1.3\"", "game \"Front Line Force\"",
                    "url_info \"www.frontlineforce.com\"", "url_dl \"\"", "size \"150000000\"", "svonly \"0\"",
                    "cldll \"1\"", "hlversion \"1104\"", "type \"multiplayer_only\"", "nomodels \"1\"",
                    "mpentity \"info_frontline\"", "gamedll \"dlls\\hpb_bot.dll\"",
                    "gamedll_linux \"dlls/front_i386.so\""}));
    // The third entry has no [Bot 3]: its values are left empty.
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <team> <model> <name> <skill>", "pause 2", "", "botskill 1", " ",
                    "botdontshoot 0", "bot_strafe_percent 20", "bot_grenade_time 15", "bot_logo_percent 55",
                    "bot_reaction_time 0", "bot_chat_percent 10", "bot_taunt_percent 20",
                    "bot_whine_percent 10", "addbot 1 2 Ayla 0", "addbot 2 3 NewBot 4", "addbot    "}));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("listenserver.cfg"))),
              Crlf({"//mp_autoteambalance 1", "//mp_teamchange 0", "//mp_roundlimit 5", "sv_gravity 800"}));
}

// ---------------------------------------------------------------- the bot file

struct TBotFileCase {
    const char* Bot;
    const char* Default;     // the store's [Default] lines ("" none)
    const char* Lines;       // after the skeleton, before the bot entries, split at "|"
};

class FrontlineBotFile : public Frontline, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(FrontlineBotFile, EachBotProgramGetsItsSettingsLines)
{
    const TBotFileCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    WriteStore(QByteArray(c.Default) + "[Bot 1]\r\nnom=Zed\r\nteam=2\r\nmodele=1\r\nskill5=3\r\n");
    QString error;
    ASSERT_TRUE(UFrontline::Logic().WriteBotCfg(error)) << error.toStdString();
    const QByteArray file = TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg")));
    const QByteArray expected = QByteArray(c.Lines).replace('|', "\r\n") + "\r\n";
    EXPECT_TRUE(file.contains(" \r\n" + expected)) << file.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Bots, FrontlineBotFile,
    ::testing::Values(
        TBotFileCase{"HPB Bot",
                     "[Default]\r\nspawnbot=1\r\nbotdontshoot=1\r\nstrafe=abc\r\ngrenade=5\r\nlogo=0\r\n"
                     "reaction_time=2\r\nchatfreq=1\r\nchatfreq_kill=2\r\nchatfreq_died=3\r\n",
                     "botdontshoot 1|bot_strafe_percent 20|bot_grenade_time 5|bot_logo_percent 0|"
                     "bot_reaction_time 2|bot_chat_percent 1|bot_taunt_percent 2|bot_whine_percent 3|addbot 2 1 Zed 3"},
        TBotFileCase{"OddBot", "[Default]\r\nspawnbot=1\r\nbotdontshoot=1\r\nteam_even=1\r\nchatfreq=30\r\n",
                     "bot_shoot off|bot_balance on|bot_chat 30|bot_exec_default 0|addbot 2 1 Zed 3"},
        // Without a [Default] section OddBot shoots, is not balanced and does not chat; the
        // store's missing spawnbot then adds no bot at all.
        TBotFileCase{"OddBot", "", "bot_shoot on|bot_balance off|bot_chat 0|bot_exec_default 0"}),
    [](const auto& info) { return std::string(info.param.Default[0] ? "" : "NoDefault") +
                                  (info.param.Bot[0] == 'H' ? "HPBBot" : "OddBot"); });

TEST_F(Frontline, BotFileStartsWithPauseTwoAndLeavesOtherTagsAlone)
{
    UInit::SelectedBot = QStringLiteral("Other Bot");
    Env.Program.AddFile(QStringLiteral("Mods/Frontline.ini"),
                        "[Other Bot]\r\ndll=dlls\\other.dll\r\naddbot=addbot <team> <name> <CR> <skill> <skill>\r\n");
    WriteStore("[Default]\r\nspawnbot=1\r\nskill5=2\r\n[Bot 1]\r\nnom=Zed\r\nteam=0\r\nskill5=3\r\n");
    QString error;
    ASSERT_TRUE(UFrontline::Logic().WriteBotCfg(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              Crlf({"# addbot <team> <name> <CR> <skill> <skill>", "pause 2", "", "botskill 2", " ",
                    "addbot 0 Zed <CR> 3 <skill>"}));
}

// ---------------------------------------------------------------- the window

TEST_F(Frontline, StoredSidesClassesAndTypesReadAsTheyShouldAndSurviveASave)
{
    Env.HL.AddFile(QStringLiteral("frontline/mapcycle.txt"), "flf_village\r\n");
    WriteStore("[Default]\r\nnumbot=4\r\n"
               "[Bot 1]\r\nnom=A\r\nteam=1\r\nmodele=3\r\ntype=sniper x\r\n"
               "[Bot 2]\r\nnom=B\r\nteam=2\r\nmodele=0\r\n"
               "[Bot 3]\r\nnom=C\r\nteam=9\r\nmodele=7\r\n"
               "[Bot 4]\r\nnom=D\r\nteam=x\r\nmodele=x\r\n");
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 4);
    EXPECT_TRUE(w->FL_TeamRebel->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Support"));
    w->ListBot->setCurrentRow(1);
    w->ListBotClick();
    EXPECT_TRUE(w->FL_TeamCommando->isChecked());
    EXPECT_EQ(w->botmodel->currentIndex(), -1);   // class 0: no class
    for (int row : {2, 3}) {
        // Outside the lists: the read defaults, Auto and the first class.
        w->ListBot->setCurrentRow(row);
        w->ListBotClick();
        EXPECT_TRUE(w->FL_TeamAuto->isChecked()) << row;
        EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Recon")) << row;
    }
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray store = Store();
    EXPECT_TRUE(store.contains("[Bot 1]\r\nnom=A\r\nteam=1\r\nmodele=3\r\ntype=sniper x\r\n")) << store.toStdString();
    EXPECT_TRUE(store.contains("[Bot 2]\r\nnom=B\r\nteam=2\r\nmodele=0\r\n")) << store.toStdString();
}

TEST_F(Frontline, EveryEditMarksTheSettingsModified)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\n");
    auto w = Open();
    TModLogic& logic = UFrontline::Logic();
    auto marks = [&](const char* what, const std::function<void()>& edit) {
        logic.State.Modified = 0;
        edit();
        EXPECT_EQ(logic.State.Modified, 1) << what;
    };
    marks("grenade", [&] { w->FL_grenade->stepBy(1); });
    marks("logo", [&] { w->FL_logo->stepBy(1); });
    marks("default skill", [&] { w->defskill->setValue(w->defskill->value() == 1 ? 2 : 1); });
    marks("reaction time", [&] { emit w->FL_Reaction_Time->activated(1); });
    marks("don't shoot", [&] { w->FL_Botshoot->click(); });
    marks("side", [&] { w->FL_TeamCommando->click(); });
    marks("chat", [&] { w->Chatfreq->setValue(55); });
}

class FrontlineOddBot : public Frontline {
protected:
    FrontlineOddBot() : Frontline(QStringLiteral("OddBot")) {}
};

TEST_F(FrontlineOddBot, ChatChooserShowsTheLoadedFileAndSwitchingKeepsEveryText)
{
    const QString loss = Env.HL.AddFile(QStringLiteral("frontline/odd_loss.txt"), "unlucky\r\n");
    const QString taunt = Env.HL.AddFile(QStringLiteral("frontline/odd_taunt.txt"), "too easy\r\n");
    Env.HL.AddFile(QStringLiteral("frontline/mapcycle.txt"), "flf_village\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=A\r\n");
    auto w = Open();
    EXPECT_TRUE(w->GB_misc->isHidden());
    EXPECT_FALSE(w->Selectchat->isHidden());
    EXPECT_FALSE(w->Chatfreq->isHidden());
    EXPECT_TRUE(w->chatfreq_kill->isHidden());
    EXPECT_EQ(w->Label75->text(), QStringLiteral("%s  can be used to insert the player's name."));
    EXPECT_EQ(w->Selectchat->currentText(), QStringLiteral("odd_loss.txt"));
    EXPECT_EQ(w->chatkill->toPlainText(), QStringLiteral("unlucky"));

    w->chatkill->setPlainText(QStringLiteral("unlucky\nnext time"));
    w->Selectchat->setCurrentIndex(w->Selectchat->findText(QStringLiteral("odd_taunt.txt")));
    emit w->Selectchat->activated(w->Selectchat->currentIndex());
    EXPECT_EQ(TModTestEnv::Read(loss), QByteArray("unlucky\r\nnext time\r\n"));
    EXPECT_EQ(w->chatkill->toPlainText(), QStringLiteral("too easy"));
    w->chatkill->setPlainText(QStringLiteral("too easy\ngg"));
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(taunt), QByteArray("too easy\r\ngg\r\n"));
}

TEST_F(Frontline, EditConfigOpensTheFileThePlusMarkFound)
{
    // The map configuration files lie beside the waypoints; a map without its waypoint file is
    // not offered at all when "waypt" is set.
    Env.Program.AddFile(QStringLiteral("Mods/Frontline.ini"),
                        "[HPB Bot]\r\ndll=dlls\\hpb_bot.dll\r\nwaypath=waypoints\r\nwaypt=.wpt\r\n"
                        "config=.cfg\r\n");
    Env.HL.AddFile(QStringLiteral("frontline/waypoints/flf_village.wpt"), "w");
    Env.HL.AddFile(QStringLiteral("frontline/waypoints/flf_village.cfg"), "mp_timelimit 5\r\n");
    Env.HL.AddFile(QStringLiteral("frontline/maps/flf_village.cfg"), "wrong place\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    ASSERT_FALSE(w->BEditCfg->isHidden());
    ASSERT_EQ(w->MapDispo->count(), 1);
    EXPECT_EQ(w->MapDispo->item(0)->text().trimmed(), QStringLiteral("flf_village +"));

    QString opened;
    ModalRunner::Set([&opened](QDialog& d) {
        if (auto* editor = qobject_cast<TEditor*>(&d))
            opened = editor->FilePath();
        return 0;
    });
    w->MapDispo->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    w->BEditCfg->click();
    ModalRunner::Set({});
    EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(opened)).toLower(),
              Env.HL.Path(QStringLiteral("frontline/waypoints/flf_village.cfg")).toLower());
}

// Every control of every page marks the settings modified, so Exit asks before an edit is lost;
// random bots stay within what their controls can show.
TEST_F(Frontline, EveryEditMarksTheSettingsModifiedAndRandomBotsStayInRange)
{
    const QByteArray store = "[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Ann\r\nteam=2\r\nmodele=2\r\nskill5=2\r\n";
    WriteStore(store);
    auto w = Open();
    EditSweep::ExpectEveryEditMarksAndExitLeavesTheStore(*w, UFrontline::Logic().State.Modified, Env,
                                                         QStringLiteral("Bots/FL_Bots.ini"), store);

    w.reset();
    auto again = Open();
    const EditSweep::TRandomSlots drawn = EditSweep::DrawRandomBots(*again);
    EXPECT_EQ(drawn.Classes, (QSet<int>{1, 2, 3}));
    EXPECT_EQ(drawn.Sides, (QSet<int>{0, 1, 2}));
    EXPECT_EQ(drawn.Skills, (QSet<int>{0, 1, 2, 3, 4, 5}));
}

} // namespace
