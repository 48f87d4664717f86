// The Opera end to end: the real TFOpera window, driven through its named controls with
// scripted dialogs, against a fake Half-Life tree; the files it leaves are checked byte for byte.
#include "mods/common/ModTestEnv.h"

#include "core/UQOR.h"
#include "ui/NumberEdit.h"
#include "mods/opera/UFOpera.h"
#include "mods/opera/UOpera.h"
#include "fixtures/NoPermissionOverride.h"
#include "platform/Shell.h"

#include <QCheckBox>
#include <QComboBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Kind = Dialogs::TKind;

const QString kMissingStore = QStringLiteral(
    "Bots definition file empty. No bot loaded.\r\nYou must create your own bots.");

// Extra bot sections beside the shipped ones, for the first-activation variants.
const QByteArray kExtraSections =
    "\r\n[Quiet Bot]\r\ndll=dlls\\quiet.dll\r\naddbot=addbot <model> <name> <skill>\r\n"
    "\r\n[Worst Bot]\r\ndll=dlls\\worst.dll\r\nskill0=worst\r\nchatfile=worst_chat.txt\r\n"
    "\r\n[Ten Bot]\r\ndll=dlls\\ten.dll\r\nmaxskill=10\r\nchatfile=ten_chat.txt\r\n"
    "\r\n[Twice]\r\ndll=dlls\\twice.dll\r\naddbot=addbot <name> <name> <skill>\r\n";

class OperaTest : public ::testing::Test {
protected:
    OperaTest() : Env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"))
    {
        QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/Opera.ini")));
        Env.Program.AddFile(QStringLiteral("Mods/Opera.ini"), mods + kExtraSections);
        Env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_db_chrest"));
        Env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_lms_chrest"));
        Env.HL.AddPlayerModel(QStringLiteral("bobby"), QStringLiteral("opera"));
        Env.HL.AddPlayerModel(QStringLiteral("lucia"), QStringLiteral("opera"));
        TIniFile::FlushCache();
    }

    // Creates the window through the mod table, as the main window does, and activates it.
    std::unique_ptr<TFOpera> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("Opera"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        QDialog* d = row->Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TFOpera*>(d);
        EXPECT_NE(w, nullptr);
        EXPECT_EQ(FOpera.data(), w);
        w->FormActivate();
        return std::unique_ptr<TFOpera>(w);
    }

    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/OP_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    QString StorePath() const { return Env.ProgramFile(QStringLiteral("Bots/OP_Bots.ini")); }

    // A window that passes CheckConf: one map in the cycle, one bot.
    std::unique_ptr<TFOpera> OpenReady()
    {
        WriteStore("[Default]\r\nnumbot=1\r\nskill5=2\r\nspawnbot=1\r\n"
                   "[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\n");
        Env.HL.AddFile(QStringLiteral("opera/mapcycle.txt"), "op_db_chrest\r\nop_lms_chrest\r\n");
        return Open();
    }

    TModTestEnv Env;
};

// Test names from a text: letters and digits kept, the rest "_".
std::string CaseName(const char* text)
{
    std::string n = text;
    for (char& ch : n)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return n;
}

TNumberEdit* Number(QWidget* w, const char* name)
{
    return w->findChild<TNumberEdit*>(QString::fromLatin1(name));
}
QCheckBox* Check(QWidget* w, const char* name)
{
    return w->findChild<QCheckBox*>(QString::fromLatin1(name));
}

// ---------------------------------------------------------------- first activation

struct TActivationCase {
    const char* Bot;
    bool ChatPage;
    bool ChatSliders;
    const char* LeftLabel;   // Label13 and Label1
    const char* RightLabel;  // Label15 and Label67
    int MaxSkill;
};

void PrintTo(const TActivationCase& c, std::ostream* os) { *os << c.Bot; }

class OperaActivation : public OperaTest, public ::testing::WithParamInterface<TActivationCase> {};

TEST_P(OperaActivation, LaysOutTheWindowForTheBot)
{
    const TActivationCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();

    EXPECT_EQ(w->windowTitle(), QStringLiteral("The Opera - ") + QString::fromLatin1(c.Bot));
    EXPECT_EQ(w->Label84->text(), QStringLiteral("Available maps for ") + QString::fromLatin1(c.Bot));
    EXPECT_EQ(w->PC->indexOf(w->TS_Chat) >= 0, c.ChatPage);
    for (const char* name : {"OP_Chatfreq", "OP_chatfreq_kill", "OP_Chatfreq_died", "Lab_chatfreq",
                             "Lab_chatkill", "Lab_chatdied"})
        EXPECT_EQ(!w->findChild<QWidget*>(QString::fromLatin1(name))->isHidden(), c.ChatSliders) << name;
    EXPECT_EQ(w->Label13->text(), QString::fromLatin1(c.LeftLabel));
    EXPECT_EQ(w->Label1->text(), QString::fromLatin1(c.LeftLabel));
    EXPECT_EQ(w->Label15->text(), QString::fromLatin1(c.RightLabel));
    EXPECT_EQ(w->Label67->text(), QString::fromLatin1(c.RightLabel));
    EXPECT_EQ(w->defskill->maximum(), c.MaxSkill);
    EXPECT_EQ(w->Botskill->maximum(), c.MaxSkill);
    EXPECT_EQ(UOpera::Logic().State.ActivationFlag, QStringLiteral("O"));
    EXPECT_EQ(UOpera::Logic().State.Modified, 0);
}

INSTANTIATE_TEST_SUITE_P(Bots, OperaActivation,
                         ::testing::Values(TActivationCase{"HPB Bot", true, false, "Good", "Bad", 5},
                                           TActivationCase{"Akimbot", true, true, "Good", "Bad", 5},
                                           TActivationCase{"Quiet Bot", false, false, "Good", "Bad", 5},
                                           TActivationCase{"Worst Bot", true, false, "Bad", "Good", 5},
                                           TActivationCase{"Ten Bot", true, false, "Good", "Bad", 10}),
                         [](const auto& info) { return CaseName(info.param.Bot); });

TEST_F(OperaTest, ASecondActivationLoadsNothingAgain)
{
    auto w = OpenReady();
    Number(w.get(), "OP_fraglimit")->SetText(QStringLiteral("44"));
    Env.HL.AddFile(QStringLiteral("opera/game.cfg"), "\"mp_fraglimit\"\t\t\"7.00000\"\r\n");
    w->FormActivate();
    EXPECT_EQ(Number(w.get(), "OP_fraglimit")->Text(), QStringLiteral("44"));
    EXPECT_EQ(w->MapCycle->count(), 2);
}

TEST_F(OperaTest, ShowingTheWindowActivatesAndLoadsIt)
{
    WriteStore("[Default]\r\nnumbot=0\r\n");
    TModRow* row = ModTable::Find(QStringLiteral("Opera"));
    std::unique_ptr<QDialog> d(row->Hooks.CreateWindow(nullptr));
    d->show();
    d->activateWindow();
    for (int i = 0; i < 200 && UOpera::Logic().State.ActivationFlag != QStringLiteral("O"); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("The Opera - HPB Bot"));
    d->hide();
}

TEST_F(OperaTest, ShoppingCartButtonFollowsTheToolAndStartsItInTheModFolder)
{
    {
        auto w = OpenReady();
        EXPECT_TRUE(w->B_Shopping->isHidden());
    }
    Env.HL.AddFile(QStringLiteral("opera/shopping_cart.exe"), "MZ");
    auto w = OpenReady();
    ASSERT_FALSE(w->B_Shopping->isHidden());
    Shell::TRequest seen;
    Shell::SetStarter([&seen](const Shell::TRequest& r, QString*) {
        seen = r;
        return true;
    });
    w->B_Shopping->click();
    Shell::SetStarter({});
    EXPECT_EQ(seen.File, QStringLiteral("shopping_cart.exe"));
    EXPECT_TRUE(seen.Parameters.isEmpty());
    EXPECT_EQ(QFileInfo(seen.WorkDir).canonicalFilePath(), QFileInfo(Env.ModDir).canonicalFilePath());
}

// ---------------------------------------------------------------- check, close, apply

TEST_F(OperaTest, ApplyWithNothingShowsTheThreeErrorsInOrderAndWritesNothing)
{
    QDir(Env.ModDir).removeRecursively();
    auto w = Open();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Warning), QStringList{kMissingStore});
    Env.Dialogs.Clear();

    w->BApplyConf->click();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Error),
              (QStringList{QStringLiteral("Can't find ") + QDir::toNativeSeparators(Env.ModDir),
                           QStringLiteral("You must select a starting map."),
                           QStringLiteral("You must have at least one bot to play.")}));
    EXPECT_TRUE(w->isVisible() || !w->ClosedByButtons());
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
    EXPECT_FALSE(TModTestEnv::Exists(StorePath()));
}

TEST_F(OperaTest, ClosingWithoutChangesNeverAsks)
{
    auto w = OpenReady();
    w->BClose->click();
    EXPECT_TRUE(w->ClosedByButtons());
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Confirmation).isEmpty());
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
}

TEST_F(OperaTest, AnsweringNoDiscardsTheEdits)
{
    auto w = OpenReady();
    Check(w.get(), "OP_pistols")->click();
    ASSERT_EQ(UOpera::Logic().State.Modified, 1);
    Env.Dialogs.ExpectConfirm(false);
    w->BClose->click();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Confirmation),
              QStringList{QStringLiteral("Do you want to save your settings ?")});
    EXPECT_TRUE(w->ClosedByButtons());
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
    EXPECT_TRUE(UOpera::Logic().Bots().isEmpty());
}

TEST_F(OperaTest, AnsweringYesWithAnEmptyMapCycleKeepsTheWindowOpen)
{
    auto w = OpenReady();
    w->DelAllMapsClick();
    Env.Dialogs.ExpectConfirm(true);
    w->BClose->click();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Error), QStringList{QStringLiteral("You must select a starting map.")});
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
}

TEST_F(OperaTest, EscapeAndTheCloseButtonDoWhatExitDoes)
{
    const std::vector<std::pair<const char*, std::function<void(TFOpera&)>>> ways = {
        {"Esc", [](TFOpera& w) { TModTestEnv::Key(&w, Qt::Key_Escape); }},
        {"close button", [](TFOpera& w) { w.close(); }},
    };
    for (const auto& [how, closeIt] : ways) {
        QFile::remove(Env.ModFile(QStringLiteral("game.cfg")));
        Env.Dialogs.Clear();
        auto w = OpenReady();
        w->show();
        Check(w.get(), "OP_smgs")->click();
        // "Yes" with an empty map cycle keeps the window open ...
        w->DelAllMapsClick();
        Env.Dialogs.ExpectConfirm(true);
        closeIt(*w);
        EXPECT_FALSE(w->ClosedByButtons()) << how;
        EXPECT_TRUE(w->isVisible()) << how;
        // ... and with a map it saves and closes.
        w->AddAllMapsClick();
        Env.Dialogs.ExpectConfirm(true);
        closeIt(*w);
        EXPECT_EQ(Env.Dialogs.Texts(Kind::Confirmation).size(), 2) << how;
        EXPECT_TRUE(w->ClosedByButtons()) << how;
        EXPECT_FALSE(w->isVisible()) << how;
        EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))).contains("\"sv_wpn_smgs\"\t\t\"1\"")) << how;
    }
}

// ---------------------------------------------------------------- game.cfg

TEST_F(OperaTest, SavedGameCfgIsExactAndReadsBackIntoTheSameControls)
{
    {
        auto w = OpenReady();
        w->OP_gamemode->setCurrentIndex(4);   // Dueling Berettas
        Number(w.get(), "OP_fraglimit")->SetText(QStringLiteral("20"));
        Number(w.get(), "OP_timelimit")->SetText(QStringLiteral("30"));
        Number(w.get(), "OP_roundduration")->SetText(QStringLiteral("5"));
        Check(w.get(), "OP_friendlyfire")->setChecked(true);
        Check(w.get(), "OP_long")->setChecked(true);
        w->BApplyConf->click();
        ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    }
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))),
              QByteArray("\"mp_gamemode\"\t\t\"10\"\r\n"
                         "\"mp_fraglimit\"\t\t\"20.00000\"\r\n"
                         "\"mp_timelimit\"\t\t\"30.00000\"\r\n"
                         "\"mp_roundduration\"\t\t\"5.00000\"\r\n"
                         "\"mp_friendlyfire\"\t\t\"1\"\r\n"
                         "\"sv_killcount\"\t\t\"0\"\r\n"
                         "\"sv_wpn_knife_combat\"\t\t\"0\"\r\n"
                         "\"sv_wpn_knife_throwing\"\t\t\"0\"\r\n"
                         "\"sv_wpn_pistols\"\t\t\"0\"\r\n"
                         "\"sv_wpn_smgs\"\t\t\"0\"\r\n"
                         "\"sv_wpn_long\"\t\t\"1\"\r\n"
                         "\"sv_wpn_panic\"\t\t\"0\"\r\n"
                         "\"sv_sendvelocity\"\t\t\"0\"\r\n"));

    auto w = Open();
    EXPECT_EQ(w->OP_gamemode->currentIndex(), 4);
    EXPECT_EQ(Number(w.get(), "OP_fraglimit")->Text(), QStringLiteral("20"));
    EXPECT_EQ(Number(w.get(), "OP_timelimit")->Text(), QStringLiteral("30"));
    EXPECT_EQ(Number(w.get(), "OP_roundduration")->Text(), QStringLiteral("5"));
    EXPECT_TRUE(Check(w.get(), "OP_friendlyfire")->isChecked());
    EXPECT_TRUE(Check(w.get(), "OP_long")->isChecked());
    EXPECT_FALSE(Check(w.get(), "OP_panic")->isChecked());
    EXPECT_EQ(w->MapCycle->count(), 2);
    EXPECT_EQ(w->ListBot->count(), 1);
}

struct TReadCase {
    const char* Name;
    const char* Lines;        // game.cfg content
    int GameMode;             // expected OP_gamemode index (the chooser starts at 2 here)
    const char* FragLimit;    // expected OP_fraglimit text
    const char* TimeLimit;
    bool Pistols;
};

void PrintTo(const TReadCase& c, std::ostream* os) { *os << c.Name; }

class OperaGameCfgRead : public OperaTest, public ::testing::WithParamInterface<TReadCase> {};

TEST_P(OperaGameCfgRead, SetsTheControlsByTheTableRules)
{
    const TReadCase& c = GetParam();
    WriteStore("[Default]\r\nnumbot=0\r\n");
    Env.HL.AddFile(QStringLiteral("opera/game.cfg"), c.Lines);
    TModRow* row = ModTable::Find(QStringLiteral("Opera"));
    std::unique_ptr<TFOpera> w(qobject_cast<TFOpera*>(row->Hooks.CreateWindow(nullptr)));
    // The chooser's state before the load: an unknown value must leave it so. LoadDefaults
    // resets it to Deathmatch, so the file is read a second time over index 2.
    w->FormActivate();
    w->OP_gamemode->setCurrentIndex(2);
    UOpera::Logic().ReadGameCfg();
    EXPECT_EQ(w->OP_gamemode->currentIndex(), c.GameMode);
    EXPECT_EQ(Number(w.get(), "OP_fraglimit")->Text(), QString::fromLatin1(c.FragLimit));
    EXPECT_EQ(Number(w.get(), "OP_timelimit")->Text(), QString::fromLatin1(c.TimeLimit));
    EXPECT_EQ(Check(w.get(), "OP_pistols")->isChecked(), c.Pistols);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OperaGameCfgRead,
    ::testing::Values(
        TReadCase{"mode 0.0", "\"mp_gamemode\"\t\t\"0.0\"\r\n", 0, "0", "0", false},
        TReadCase{"mode 13", "\"mp_gamemode\"\t\t\"13\"\r\n", 5, "0", "0", false},
        TReadCase{"mode 7 unknown", "\"mp_gamemode\"\t\t\"7\"\r\n", 2, "0", "0", false},
        TReadCase{"mode with tail", "\"mp_gamemode\"\t\t\"10.00000\"\r\n", 4, "0", "0", false},
        TReadCase{"mode letters", "\"mp_gamemode\"\t\t\"dm\"\r\n", 2, "0", "0", false},
        // A comment after the value; a name in capitals is somebody else's.
        TReadCase{"comment and capitals", "mp_timelimit 30 // half an hour\r\nMP_FRAGLIMIT 50\r\n", 2, "0", "30", false},
        // Values are taken as read, even outside the field's range.
        TReadCase{"out of range and Yes", "\"mp_fraglimit\"\t\t\"1234.00000\"\r\n\"sv_wpn_pistols\"\t\t\"Yes\"\r\n", 2, "1234", "0", true},
        TReadCase{"foreign lines", "exec other.cfg\r\nsv_gravity 800\r\n\r\n// nothing of ours\r\n", 2, "0", "0", false}),
    [](const auto& info) { return CaseName(info.param.Name); });

TEST_F(OperaTest, ForeignLinesLeaveTheDefaultsAndAreReplacedWholeOnSave)
{
    Env.HL.AddFile(QStringLiteral("opera/game.cfg"), "exec other.cfg\r\nsv_gravity 800\r\n");
    auto w = OpenReady();
    EXPECT_EQ(w->OP_gamemode->currentIndex(), 0);
    EXPECT_EQ(Number(w.get(), "OP_fraglimit")->Text(), QStringLiteral("0"));
    w->BApplyConf->click();
    const QByteArray saved = TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg")));
    EXPECT_FALSE(saved.contains("gravity"));
    EXPECT_TRUE(saved.startsWith("\"mp_gamemode\"\t\t\"0\"\r\n"));
    EXPECT_TRUE(saved.endsWith("\"sv_sendvelocity\"\t\t\"0\"\r\n"));
}

TEST_F(OperaTest, AValueOutsideTheFieldIsWrittenBackAsRead)
{
    Env.HL.AddFile(QStringLiteral("opera/game.cfg"), "\"mp_timelimit\"\t\t\"120.00000\"\r\n");
    auto w = OpenReady();
    w->BApplyConf->click();
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg")))
                    .contains("\"mp_timelimit\"\t\t\"120.00000\"\r\n"));
}

// ---------------------------------------------------------------- modified flag

TEST_F(OperaTest, LoadingMarksNothingAndEveryKindOfUserEditMarksTheMod)
{
    Env.HL.AddFile(QStringLiteral("opera/HPB_bot_chat.txt"), "hello %n\r\n");
    auto w = OpenReady();
    TModLogic& logic = UOpera::Logic();
    ASSERT_EQ(logic.State.Modified, 0);

    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"check box", [&] { Check(w.get(), "OP_knife_combat")->click(); }},
        {"chooser", [&] { TModTestEnv::Key(w->OP_gamemode, Qt::Key_Down); }},
        {"number typed", [&] { TModTestEnv::Type(Number(w.get(), "OP_fraglimit"), QStringLiteral("5")); }},
        {"number of bots", [&] { w->spawnbot->stepBy(1); }},
        {"default skill", [&] { w->defskill->triggerAction(QAbstractSlider::SliderSingleStepAdd); }},
        {"chat memo", [&] { TModTestEnv::Type(w->chatkill, QStringLiteral("x")); }},
        {"bot name", [&] { TModTestEnv::Type(w->botname, QStringLiteral("Z")); }},
        {"map cycle", [&] { w->RandomMapClick(); }},
    };
    for (const auto& [what, edit] : edits) {
        logic.State.Modified = 0;
        edit();
        EXPECT_EQ(logic.State.Modified, 1) << what;
    }
    EXPECT_TRUE(w->chatkill->toPlainText().contains(QStringLiteral("hello %n")));
    EXPECT_TRUE(w->chatkill->toPlainText().contains(QLatin1Char('x')));
}

// ---------------------------------------------------------------- restore

TEST_F(OperaTest, RestoreDefaultResetsTheTableDefaultsButNotTheCheckBoxes)
{
    auto w = OpenReady();
    w->OP_gamemode->setCurrentIndex(3);
    Number(w.get(), "OP_fraglimit")->SetText(QStringLiteral("15"));
    Check(w.get(), "OP_panic")->setChecked(true);
    Check(w.get(), "OP_killcount")->setChecked(true);
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Confirmation),
              QStringList{QStringLiteral("Do you really want to reload your default Opera settings ? ")});
    EXPECT_EQ(w->OP_gamemode->currentIndex(), 0);
    EXPECT_EQ(Number(w.get(), "OP_fraglimit")->Text(), QStringLiteral("0"));
    EXPECT_TRUE(Check(w.get(), "OP_panic")->isChecked());
    EXPECT_TRUE(Check(w.get(), "OP_killcount")->isChecked());
    EXPECT_EQ(w->ListBot->count(), 1);
    EXPECT_EQ(UOpera::Logic().State.Modified, 1);
}

TEST_F(OperaTest, RestoreConfigBringsBackTheSavedSettingsUnmodified)
{
    Env.HL.AddFile(QStringLiteral("opera/game.cfg"), "\"mp_fraglimit\"\t\t\"25.00000\"\r\n");
    auto w = OpenReady();
    Number(w.get(), "OP_fraglimit")->SetText(QStringLiteral("99"));
    w->SBCreeBotClick(false);
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreConf->click();
    EXPECT_EQ(Number(w.get(), "OP_fraglimit")->Text(), QStringLiteral("25"));
    EXPECT_EQ(w->ListBot->count(), 1);
    EXPECT_EQ(UOpera::Logic().State.Modified, 0);
}

TEST_F(OperaTest, ReloadingWithoutAChatFileEmptiesTheMemo)
{
    const QString chat = Env.HL.AddFile(QStringLiteral("opera/HPB_bot_chat.txt"), "old line\r\n");
    auto w = OpenReady();
    ASSERT_EQ(w->chatkill->toPlainText(), QStringLiteral("old line"));
    QFile::remove(chat);
    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreConfClick();
    EXPECT_TRUE(w->chatkill->toPlainText().isEmpty());
}

// Saving writes the chat file only with something to keep: no empty file for a bot program that
// has none, and never the empty memo over a file that could not be read.
TEST_F(OperaTest, SavingCreatesNoEmptyChatFileAndLeavesAnUnreadableOneAlone)
{
    const QString chat = Env.ModFile(QStringLiteral("HPB_bot_chat.txt"));
    {
        auto w = OpenReady();
        Check(w.get(), "OP_smgs")->click();
        w->BApplyConf->click();
        ASSERT_TRUE(w->ClosedByButtons());
        EXPECT_FALSE(TModTestEnv::Exists(chat));
    }
    {
        auto w = OpenReady();
        w->chatkill->setPlainText(QStringLiteral("gg %n"));
        w->BApplyConf->click();
        EXPECT_EQ(TModTestEnv::Read(chat), QByteArray("gg %n\r\n"));
    }
    {
        // The user empties a chat file that was loaded: that is an edit like any other.
        auto w = OpenReady();
        ASSERT_EQ(w->chatkill->toPlainText(), QStringLiteral("gg %n"));
        w->chatkill->clear();
        EXPECT_EQ(UOpera::Logic().State.Modified, 1);
        w->BApplyConf->click();
        EXPECT_EQ(TModTestEnv::Read(chat), QByteArray());
    }
    NoPermissionOverride guard;
    if (!guard.Active())
        GTEST_SKIP() << "file permissions are not enforced here";
    Env.HL.AddFile(QStringLiteral("opera/HPB_bot_chat.txt"), "keep me\r\n");
    QFile::setPermissions(chat, QFileDevice::WriteOwner);
    auto w = OpenReady();
    ASSERT_EQ(Env.Dialogs.Texts(Kind::Error).size(), 1);
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).front().contains(QStringLiteral("HPB_bot_chat.txt")));
    Check(w.get(), "OP_smgs")->click();
    w->BApplyConf->click();
    QFile::setPermissions(chat, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(w->ClosedByButtons());
    EXPECT_EQ(TModTestEnv::Read(chat), QByteArray("keep me\r\n"));
}

// ---------------------------------------------------------------- bot store

TEST_F(OperaTest, StoreWithMissingSectionsAndHighSkillsReadsWithDefaults)
{
    WriteStore("[Default]\r\nnumbot=4\r\nskill5=0\r\nspawnbot=40\r\nChatfreq=30\r\n"
               "[Bot 1]\r\nnom=Alpha\r\nmodele=lucia\r\nskill5=9\r\n"
               "[Bot 4]\r\nnom=Delta\r\nmodele=bobby\r\nskill5=-3\r\n");
    auto w = Open();
    const QVector<TBot>& bots = UOpera::Logic().Bots();
    ASSERT_EQ(bots.size(), 4);
    EXPECT_EQ(w->ListBot->count(), 4);
    EXPECT_EQ(bots[0][0], QStringLiteral("Alpha"));
    EXPECT_EQ(bots[0][2], QStringLiteral("5"));     // cut to the maximum
    EXPECT_EQ(bots[3][2], QStringLiteral("0"));     // below the slider: the bot's own default
    for (int i : {1, 2}) {
        EXPECT_EQ(bots[i][0], QStringLiteral("NewBot"));
        EXPECT_EQ(bots[i][1], QStringLiteral("1"));
        EXPECT_EQ(bots[i][2], QStringLiteral("0"));
    }
    EXPECT_EQ(w->defskill->value(), 1);               // 0 shows as the slider's low end
    EXPECT_EQ(w->spawnbot->Text(), QStringLiteral("31"));
    EXPECT_EQ(w->Chatfreq->value(), 30);
    EXPECT_EQ(w->ListBot->currentRow(), 0);
    EXPECT_EQ(w->botname->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("lucia"));
    EXPECT_EQ(w->Botskill->value(), 5);
    EXPECT_FALSE(w->GB_BotProp->isHidden());
}

TEST_F(OperaTest, AStoreWithAMarkAndAnotherCodePageKeepsItsBotsThroughASave)
{
    // Notepad's mark in front, a name typed in another code page: the bots are read, and the
    // save keeps them, the mark and the byte.
    const QByteArray store = "\xef\xbb\xbf[Default]\r\nnumbot=1\r\nskill5=2\r\nspawnbot=1\r\n"
                             "[Bot 1]\r\nnom=Caf\xe9\r\nmodele=bobby\r\nskill5=3\r\n";
    WriteStore(store);
    Env.HL.AddFile(QStringLiteral("opera/mapcycle.txt"), "op_db_chrest\r\nop_lms_chrest\r\n");
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 1);
    EXPECT_EQ(w->botname->text(), QString::fromLatin1("Caf\xe9"));
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray saved = TModTestEnv::Read(StorePath());
    EXPECT_TRUE(saved.startsWith("\xef\xbb\xbf[Default]\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[Bot 1]\r\nnom=Caf\xe9\r\nmodele=bobby\r\nskill5=3\r\n")) << saved.toStdString();
    EXPECT_EQ(saved.count("[Default]"), 1);
}

TEST_F(OperaTest, ASaveKeepsTheStoresOtherLinesByteForByte)
{
    // LF and CR line ends, notes, a section of another program and a last line without an end.
    WriteStore("; my notes\n[Default]\nnumbot=1\nskill5=2\r[Bot 1]\nnom=Alpha\nmodele=bobby\n"
               "skill5=3\n[Bot 40]\r\nnom=Far\n[Other]\rx = 1");
    Env.HL.AddFile(QStringLiteral("opera/mapcycle.txt"), "op_db_chrest\r\nop_lms_chrest\r\n");
    auto w = Open();
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray saved = TModTestEnv::Read(StorePath());
    EXPECT_TRUE(saved.startsWith("; my notes\n[Default]\nnumbot=1\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("[Bot 40]\r\nnom=Far\n[Other]\rx = 1")) << saved.toStdString();
}

TEST_F(OperaTest, SavingTwoBotsOverFiveErasesTheStaleSectionsAndKeepsOneChatKey)
{
    QByteArray store = "[Default]\r\nnumbot=5\r\nskill5=2\r\nspawnbot=3\r\nChatfreq=30\r\n";
    for (int i = 1; i <= 5; ++i)
        store += "[Bot " + QByteArray::number(i) + "]\r\nnom=B" + QByteArray::number(i) +
                 "\r\nmodele=bobby\r\nskill5=1\r\n";
    store += "[Bot 40]\r\nnom=Far\r\n";
    WriteStore(store);
    auto w = Open();
    w->AddAllMapsClick();
    w->ListBot->setCurrentRow(2, QItemSelectionModel::ClearAndSelect);
    w->ListBot->item(3)->setSelected(true);
    w->ListBot->item(4)->setSelected(true);
    Env.Dialogs.ExpectConfirm(true);
    w->SBDelBotClick();
    ASSERT_EQ(w->ListBot->count(), 2);
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons());

    TIniFile::FlushCache();
    const TIniFile ini(StorePath());
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Default"), QStringLiteral("numbot"), -1), 2);
    EXPECT_EQ(ini.ReadString(QStringLiteral("Bot 2"), QStringLiteral("nom"), QString()), QStringLiteral("B2"));
    for (int n : {3, 4, 5})
        EXPECT_FALSE(ini.SectionExists(QStringLiteral("Bot ") + QString::number(n))) << n;
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("Bot 40")));   // beyond 32: not touched
    const QByteArray bytes = TModTestEnv::Read(StorePath());
    EXPECT_EQ(bytes.toLower().count("chatfreq="), 1);
    EXPECT_TRUE(bytes.contains("=30\r\n"));
}

TEST_F(OperaTest, TheFirstSaveCreatesTheStoreAndItsFolder)
{
    QDir(Env.ProgramFile(QStringLiteral("Bots"))).removeRecursively();
    Env.HL.AddFile(QStringLiteral("opera/mapcycle.txt"), "op_db_chrest\r\n");
    auto w = Open();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Warning), QStringList{kMissingStore});
    EXPECT_TRUE(w->GB_BotProp->isHidden());
    w->SBCreeBot->click();
    EXPECT_FALSE(w->GB_BotProp->isHidden());
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(TModTestEnv::Read(StorePath()).toStdString(),
              std::string("[Default]\r\nnumbot=1\r\nskill5=1\r\nspawnbot=1\r\nchatfreq=10\r\n"
                         "chatfreq_kill=20\r\nchatfreq_died=10\r\n"
                         "[Bot 1]\r\nnom=NewBot\r\nmodele=bobby\r\nskill5=1\r\n"));
}

TEST_F(OperaTest, AStoreWrittenUnderAnotherMaximumShowsSkillZero)
{
    WriteStore("[Default]\r\nnumbot=1\r\nskill10=8\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill10=8\r\n");
    auto w = Open();
    EXPECT_EQ(UOpera::Logic().Bots()[0][2], QStringLiteral("0"));
    EXPECT_EQ(w->Botskill->value(), 0);
}

TEST_F(OperaTest, DeletingAsksOnlyWithASelectionAndNoKeepsEveryBot)
{
    auto w = OpenReady();
    w->ListBot->clearSelection();
    w->SBDelBotClick();
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Confirmation).isEmpty());
    w->ListBot->item(0)->setSelected(true);
    Env.Dialogs.ExpectConfirm(false);
    TModTestEnv::Key(w->ListBot, Qt::Key_Delete);
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Confirmation),
              QStringList{QStringLiteral("Are you sure you want to delete selected bot(s) ?")});
    EXPECT_EQ(w->ListBot->count(), 1);
    EXPECT_EQ(UOpera::Logic().Bots().size(), 1);
}

TEST_F(OperaTest, CreatedBotsTakeThePlainOrRandomValues)
{
    auto w = OpenReady();
    w->SBCreeBot->click();
    const QVector<TBot>& bots = UOpera::Logic().Bots();
    ASSERT_EQ(bots.size(), 2);
    EXPECT_EQ(bots[1][0], QStringLiteral("NewBot"));
    EXPECT_EQ(bots[1][1], QStringLiteral("bobby"));
    EXPECT_EQ(bots[1][2], QStringLiteral("1"));
    EXPECT_EQ(w->ListBot->currentRow(), 1);
    EXPECT_EQ(w->botname->text(), QStringLiteral("NewBot"));

    for (int i = 0; i < 20; ++i)
        w->SBCreeRandomBot->click();
    QStringList names;
    for (const TBot& b : bots) {
        names << b[0];
        if (&b - bots.data() < 2)
            continue;
        const int skill = b[2].toInt();
        EXPECT_GE(skill, 1);
        EXPECT_LE(skill, 5);
        EXPECT_TRUE(b[1] == QStringLiteral("bobby") || b[1] == QStringLiteral("lucia")) << b[1].toStdString();
    }
    // Names drawn from bot_names.txt never repeat one already in the list (the file holds more
    // than twenty names).
    EXPECT_EQ(names.size(), 22);
    EXPECT_EQ(QSet<QString>(names.begin() + 2, names.end()).size(), 20);
    EXPECT_FALSE(names.mid(2).contains(QStringLiteral("Alpha")));
}

TEST_F(OperaTest, ARandomBotWithoutModelsTakesThePlainModel)
{
    QDir(Env.ModFile(QStringLiteral("models"))).removeRecursively();
    auto w = OpenReady();
    ASSERT_EQ(w->botmodel->count(), 0);
    w->SBCreeRandomBot->click();
    ASSERT_EQ(UOpera::Logic().Bots().size(), 2);
    EXPECT_EQ(UOpera::Logic().Bots()[1][1], QStringLiteral("bobby"));
}

TEST_F(OperaTest, TypingFiltersRefuseForbiddenCharactersAndKeysNeverChangeTheModel)
{
    Env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_extra"));
    auto w = OpenReady();
    w->botname->setFocus();
    w->botname->selectAll();
    TModTestEnv::Type(w->botname, QStringLiteral("A b\"c'd;e"));
    EXPECT_EQ(w->botname->text(), QStringLiteral("Abcde"));
    EXPECT_EQ(UOpera::Logic().Bots()[0][0], QStringLiteral("Abcde"));
    // A name stops at the game's 31 bytes, so the bot's add line stays whole: 31 letters, or
    // ten of three bytes each.
    w->botname->selectAll();
    TModTestEnv::Type(w->botname, QString(40, QLatin1Char('n')));
    EXPECT_EQ(UOpera::Logic().Bots()[0][0], QString(31, QLatin1Char('n')));
    w->botname->selectAll();
    TModTestEnv::Type(w->botname, QString(20, QChar(0x20AC)));
    EXPECT_EQ(UOpera::Logic().Bots()[0][0], QString(10, QChar(0x20AC)));
    // Pasted text passes the same rule.
    w->botname->clear();
    w->botname->insert(QStringLiteral("Big Bob"));
    EXPECT_EQ(w->botname->text(), QString());

    const int before = w->botmodel->currentIndex();
    TModTestEnv::Type(w->botmodel, QStringLiteral("l"));
    EXPECT_EQ(w->botmodel->currentIndex(), before);
    EXPECT_EQ(UOpera::Logic().Bots()[0][1], QStringLiteral("bobby"));

    TModTestEnv::Type(w->MapCom, QStringLiteral("a|b"));
    EXPECT_EQ(w->MapCom->toPlainText(), QStringLiteral("ab"));
}

// ---------------------------------------------------------------- maps page

TEST_F(OperaTest, MapPageKeysAndCommentsWorkThroughTheList)
{
    auto w = OpenReady();
    ASSERT_EQ(w->MapDispo->count(), 2);
    // Enter on the available list adds the selected map; Delete on the cycle removes it.
    w->MapDispo->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    TModTestEnv::Key(w->MapDispo, Qt::Key_Return);
    ASSERT_EQ(w->MapCycle->count(), 3);
    EXPECT_EQ(w->MapCycle->item(2)->text(), QStringLiteral("op_db_chrest"));
    w->MapCycle->setCurrentRow(2, QItemSelectionModel::ClearAndSelect);
    TModTestEnv::Key(w->MapCycle, Qt::Key_Delete);
    EXPECT_EQ(w->MapCycle->count(), 2);

    // A comment is stored when the memo loses the focus and shown again for its map.
    w->MapDispoClick();
    w->MapCom->setPlainText(QStringLiteral("Chrest at night"));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(w->MapCom, &out);
    TIniFile::FlushCache();
    EXPECT_EQ(TIniFile(Env.ProgramFile(QStringLiteral("Maps/OP_mapcom.ini")))
                  .ReadString(QStringLiteral("op_db_chrest"), QStringLiteral("comment"), QString()),
              QStringLiteral("Chrest at night"));
    w->MapDispo->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    w->MapDispoClick();
    EXPECT_TRUE(w->MapCom->toPlainText().isEmpty());
    w->MapDispo->setCurrentRow(0, QItemSelectionModel::ClearAndSelect);
    w->MapDispoClick();
    EXPECT_EQ(w->MapCom->toPlainText(), QStringLiteral("Chrest at night"));
}

// ---------------------------------------------------------------- output errors

TEST_F(OperaTest, AnUnwritableFileEndsTheSaveThereAndKeepsTheWindowOpen)
{
    NoPermissionOverride guard;
    if (!guard.Active())
        GTEST_SKIP() << "file permissions are not enforced here";
    auto w = OpenReady();
    const QString cycle = Env.ModFile(QStringLiteral("mapcycle.txt"));
    const QByteArray oldCycle = TModTestEnv::Read(cycle);
    QFile::setPermissions(cycle, QFileDevice::ReadOwner);
    QFile::setPermissions(Env.ModDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    Check(w.get(), "OP_smgs")->click();
    // game.cfg cannot be written either now, so make it the failing file.
    w->BApplyConf->click();
    QFile::setPermissions(Env.ModDir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(cycle, QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    ASSERT_EQ(Env.Dialogs.Texts(Kind::Error).size(), 1);
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).front().contains(QStringLiteral("game.cfg")))
        << Env.Dialogs.Texts(Kind::Error).front().toStdString();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_EQ(UOpera::Logic().State.Modified, 1);
    EXPECT_EQ(TModTestEnv::Read(cycle), oldCycle);
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
    // The store comes after game.cfg: it was not written.
    EXPECT_EQ(TModTestEnv::Read(StorePath()),
              QByteArray("[Default]\r\nnumbot=1\r\nskill5=2\r\nspawnbot=1\r\n"
                         "[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\n"));
}

TEST_F(OperaTest, AReadOnlyStoreStopsTheSaveAfterTheMapCycleAndKeepsItsBytes)
{
    NoPermissionOverride guard;
    if (!guard.Active())
        GTEST_SKIP() << "file permissions are not enforced here";
    auto w = OpenReady();
    const QByteArray before = TModTestEnv::Read(StorePath());
    QFile::setPermissions(StorePath(), QFileDevice::ReadOwner);
    QFile::setPermissions(QFileInfo(StorePath()).absolutePath(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    w->SBCreeBot->click();
    w->BApplyConf->click();
    QFile::setPermissions(QFileInfo(StorePath()).absolutePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(StorePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    ASSERT_EQ(Env.Dialogs.Texts(Kind::Error).size(), 1);
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).front().contains(QStringLiteral("OP_Bots.ini")));
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("mapcycle.txt"))));
    EXPECT_EQ(TModTestEnv::Read(StorePath()), before);
}

// ---------------------------------------------------------------- launch writers

TEST_F(OperaTest, LiblistIsWrittenByteForByteWithTheBotsLibrary)
{
    QString error;
    ASSERT_TRUE(UOpera::Logic().WriteLiblist(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))),
              QByteArray("gamedir \"opera\"\r\n"
                         "game \"Opera\"\r\n"
                         "url_info \"www.planethalflife.com/opera\"\r\n"
                         "url_dl \"\"\r\n"
                         "startmap \"op_lms_chrest\"\r\n"
                         "trainmap \"\"\r\n"
                         "version \"v1.0\"\r\n"
                         "size \"100000000\"\r\n"
                         "svonly \"0\"\r\n"
                         "cldll \"1\"\r\n"
                         "hlversion \"1100\"\r\n"
                         "type \"multiplayer_only\"\r\n"
                         "nomodels \"0\"\r\n"
                         "mpentity \"info_player_deathmatch\"\r\n"
                         "gamedll \"dlls\\hpb_bot.dll\"\r\n"
                         "gamedll_linux \"dlls/opera_i386.so\"\r\n"));
}

TEST_F(OperaTest, ADoubleQuoteInTheBotsLibraryStopsTheLaunchWithTheReason)
{
    Env.Program.AddFile(QStringLiteral("Mods/Opera.ini"), "[HPB Bot]\r\ndll=dlls\\\"x\".dll\r\n");
    Env.HL.AddFile(QStringLiteral("opera/liblist.gam"), "old\r\n");
    TIniFile::FlushCache();
    QString error;
    EXPECT_FALSE(UOpera::Logic().WriteLiblist(error));
    EXPECT_TRUE(error.contains(QStringLiteral("double quote"))) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))), QByteArray("old\r\n"));
}

TEST_F(OperaTest, LiblistWithoutADllKeyUsesTheModsOwnLibrary)
{
    UInit::SelectedBot = QStringLiteral("No Such Bot");
    QString error;
    ASSERT_TRUE(UOpera::Logic().WriteLiblist(error));
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))).contains("gamedll \"opera.dll\"\r\n"));
}

struct TBotFileCase {
    const char* Name;
    const char* Bot;
    const char* Store;
    const char* Expected;
};

void PrintTo(const TBotFileCase& c, std::ostream* os) { *os << c.Name; }

class OperaBotFile : public OperaTest, public ::testing::WithParamInterface<TBotFileCase> {};

TEST_P(OperaBotFile, FollowsTheTemplate)
{
    const TBotFileCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    if (*c.Store)
        WriteStore(c.Store);
    QString error;
    ASSERT_TRUE(UOpera::Logic().WriteBotCfg(error)) << error.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))), QByteArray(c.Expected));
}

INSTANTIATE_TEST_SUITE_P(
    Stores, OperaBotFile,
    ::testing::Values(
        TBotFileCase{"one bot", "HPB Bot",
                     "[Default]\r\nspawnbot=1\r\nskill5=2\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\n",
                     "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 2\r\n \r\n"
                     "addbot bobby Alpha 3\r\n"},
        // More bots to spawn than stored: the extra entries have empty values.
        TBotFileCase{"more spawned than stored", "HPB Bot",
                     "[Default]\r\nspawnbot=2\r\nskill5=2\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\n",
                     "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 2\r\n \r\n"
                     "addbot bobby Alpha 3\r\naddbot   \r\n"},
        // A hand-edited name keeps the one name rule in the file: no blank, quote, apostrophe
        // or ";", at most 31 bytes (ten 3-byte letters fill 30 of them), and a name of refused
        // characters only becomes the plain one.
        TBotFileCase{"hand-edited names", "HPB Bot",
                     "[Default]\r\nspawnbot=3\r\n[Bot 1]\r\nnom=\"Big Bob's\";quit\r\n"
                     "[Bot 2]\r\nnom=\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
                     "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\r\n"
                     "[Bot 3]\r\nnom=' ; '\r\n",
                     "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 0\r\n \r\n"
                     "addbot  BigBobsquit \r\n"
                     "addbot  \xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
                     "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC \r\n"
                     "addbot  NewBot \r\n"},
        TBotFileCase{"name twice", "Twice",
                     "[Default]\r\nspawnbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\n",
                     "# addbot <name> <name> <skill>\r\npause 3\r\n\r\nbotskill 0\r\n \r\n"
                     "addbot Alpha <name> 3\r\n"},
        TBotFileCase{"spawnbot 0", "HPB Bot", "[Default]\r\nspawnbot=0\r\nskill5=4\r\n[Bot 1]\r\nnom=Alpha\r\n",
                     "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 4\r\n \r\n"},
        TBotFileCase{"no store", "HPB Bot", "",
                     "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 0\r\n \r\n"},
        TBotFileCase{"Akimbot", "Akimbot",
                     "[Default]\r\nspawnbot=2\r\nskill5=2\r\nchatfreq=15\r\nchatfreq_kill=25\r\n"
                     "[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\n"
                     "[Bot 2]\r\nnom=Beta\r\nmodele=lucia\r\nskill5=1\r\n",
                     "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 2\r\n \r\n"
                     "bot_chat_percent 15\r\nbot_taunt_percent 25\r\nbot_whine_percent 10\r\n"
                     "addbot bobby Alpha 3\r\naddbot lucia Beta 1\r\ndisablebotwaypointmessage\r\n"},
        TBotFileCase{"Akimbot no bots", "Akimbot", "[Default]\r\nspawnbot=0\r\n",
                     "# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 0\r\n \r\n"
                     "bot_chat_percent 10\r\nbot_taunt_percent 20\r\nbot_whine_percent 10\r\n"
                     "disablebotwaypointmessage\r\n"}),
    [](const auto& info) { return CaseName(info.param.Name); });

TEST_F(OperaTest, WritersStopWithAMessageWhenTheModFolderIsGone)
{
    QDir(Env.ModDir).removeRecursively();
    QString error;
    EXPECT_FALSE(UOpera::Logic().WriteLiblist(error));
    EXPECT_TRUE(error.contains(QStringLiteral("opera"))) << error.toStdString();
    error.clear();
    EXPECT_FALSE(UOpera::Logic().WriteBotCfg(error));
    EXPECT_FALSE(error.isEmpty());
}

// A stand-in for the main window's bot selector.
class TFakeMain : public QWidget {
public:
    TFakeMain()
    {
        auto* group = new QGroupBox(this);
        group->setObjectName(QStringLiteral("GB_SelectBot"));
        Bots = new QComboBox(group);
        Bots->setObjectName(QStringLiteral("CB_SelectBot"));
        auto* layout = new QVBoxLayout(group);
        layout->addWidget(Bots);
    }
    QComboBox* Bots;
};

TEST_F(OperaTest, EditApplyAndLaunchStartTheGameWithTheModsFiles)
{
    {
        auto w = OpenReady();
        w->OP_gamemode->setCurrentIndex(5);
        w->BApplyConf->click();
        ASSERT_TRUE(w->ClosedByButtons());
    }
    TFakeMain main;
    main.Bots->addItem(QStringLiteral("HPB Bot"));
    main.Bots->setCurrentIndex(0);
    ASSERT_TRUE(UQOR::LaunchHalfLife(&main)) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(Env.HL.WaitForRuns(1));
    const FakeHalfLife::TRun run = Env.HL.RecordedRuns().front();
    EXPECT_EQ(run.Program, QStringLiteral("hl.exe"));
    EXPECT_EQ(run.WorkDir, Env.HL.Root());
    EXPECT_EQ(run.Args, (QStringList{QStringLiteral("-console"), QStringLiteral("-game"),
                                     QStringLiteral("opera"), QStringLiteral("+sv_lan"),
                                     QStringLiteral("1"), QStringLiteral("+maxplayers"),
                                     QStringLiteral("32"), QStringLiteral("+connect"),
                                     QStringLiteral("+map"), QStringLiteral("op_db_chrest")}));
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("liblist.gam"))).contains("gamedll \"dlls\\hpb_bot.dll\""));
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("bot.cfg"))),
              QByteArray("# addbot <model> <name> <skill>\r\npause 3\r\n\r\nbotskill 2\r\n \r\n"
                         "addbot bobby Alpha 3\r\n"));
    EXPECT_TRUE(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))).startsWith("\"mp_gamemode\"\t\t\"13\"\r\n"));
}

} // namespace
