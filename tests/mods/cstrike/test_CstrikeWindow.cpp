// The real Counter-Strike window, driven offscreen through its named controls with scripted
// dialogs: the per-bot layout, the sides and their models, the bot store, the P.O.D.Bot skill
// grid, Restore Default and the waypoint folder.
#include "mods/common/ModTestEnv.h"

#include "core/UQOR.h"
#include "ui/NumberEdit.h"
#include "mods/cstrike/UCstrike.h"
#include "mods/cstrike/UFCstrike.h"
#include "platform/Shell.h"
#include "ui/ModalRunner.h"
#include "ui/UEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <gtest/gtest.h>
#include <cctype>
#include <memory>
#include <vector>

namespace {

using Kind = Dialogs::TKind;

QStringList Words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

class CstrikeWindow : public ::testing::Test {
protected:
    CstrikeWindow()
        : Env(QStringLiteral("CStrike"), QStringLiteral("cstrike"), QStringLiteral("P.O.D.Bot"))
    {
        Env.HL.AddMap(QStringLiteral("cstrike"), QStringLiteral("cs_assault"));
        Env.HL.AddMap(QStringLiteral("cstrike"), QStringLiteral("de_dust"));
        Env.HL.AddFile(QStringLiteral("cstrike/PODBot/wptcs10/de_dust.pwf"), "w");
        Env.HL.AddFile(QStringLiteral("cstrike/joebot/joebot.dll"), "MZ");
        // Bot programs beside the shipped ones, for the variants of the first activation.
        QByteArray mods = TModTestEnv::Read(Env.ProgramFile(QStringLiteral("Mods/CStrike.ini")));
        mods.replace("[BoC-bot]\r\n", "[BoC-bot]\r\nbotmenucmd=bocmenu\r\n");
        mods.replace("[BoC-bot]\n", "[BoC-bot]\nbotmenucmd=bocmenu\n");
        Env.Program.AddFile(QStringLiteral("Mods/CStrike.ini"),
                            mods + "\r\n[Plain Bot]\r\ndll=plain.dll\r\naddbot=addbot <name>\r\n");
        TIniFile::FlushCache();
    }

    std::unique_ptr<TFCstrike> Open()
    {
        TModRow* row = ModTable::Find(QStringLiteral("CStrike"));
        EXPECT_TRUE(row && row->Hooks.CreateWindow);
        auto* w = qobject_cast<TFCstrike*>(row->Hooks.CreateWindow(nullptr));
        EXPECT_NE(w, nullptr);
        EXPECT_EQ(FCstrike.data(), w);
        w->FormActivate();
        return std::unique_ptr<TFCstrike>(w);
    }

    void WriteStore(const QByteArray& bytes)
    {
        Env.Program.AddFile(QStringLiteral("Bots/CS_Bots.ini"), bytes);
        TIniFile::FlushCache();
    }
    QString StorePath() const { return Env.ProgramFile(QStringLiteral("Bots/CS_Bots.ini")); }
    QString Stored(const QString& section, const QString& key) const
    {
        TIniFile::FlushCache();
        return TIniFile(StorePath()).ReadString(section, key, QStringLiteral("<none>"));
    }
    // What Apply needs to pass its checks: a start map (the map cycle) and one bot.
    void MakeReady() { Env.HL.AddFile(QStringLiteral("cstrike/mapcycle.txt"), "de_dust\r\n"); }

    static QStringList Tabs(const TFCstrike& w)
    {
        QStringList tabs;
        for (int i = 0; i < w.PC->count(); ++i)
            tabs << w.PC->tabText(i);
        return tabs;
    }

    TModTestEnv Env;
};

// ---------------------------------------------------------------- per-bot layout

struct TLayoutCase {
    const char* Bot;
    const char* Tabs;
    const char* Shown;    // controls the bot program's settings need
    const char* Hidden;   // controls it has no use for
    const char* MaxSkillLabel;
    int MinSkillMax;
};

void PrintTo(const TLayoutCase& c, std::ostream* os) { *os << c.Bot; }

class CstrikeLayout : public CstrikeWindow, public ::testing::WithParamInterface<TLayoutCase> {};

TEST_P(CstrikeLayout, FirstActivationShowsWhatTheBotUses)
{
    const TLayoutCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();

    EXPECT_EQ(w->windowTitle(), QStringLiteral("Counter Strike - ") + QString::fromLatin1(c.Bot));
    EXPECT_EQ(Tabs(*w), QString::fromLatin1(c.Tabs).split(QLatin1Char(',')));
    for (const QString& name : Words(c.Shown)) {
        QWidget* x = w->findChild<QWidget*>(name);
        ASSERT_NE(x, nullptr) << name.toStdString();
        EXPECT_FALSE(x->isHidden()) << name.toStdString();
    }
    for (const QString& name : Words(c.Hidden)) {
        QWidget* x = w->findChild<QWidget*>(name);
        ASSERT_NE(x, nullptr) << name.toStdString();
        EXPECT_TRUE(x->isHidden()) << name.toStdString();
    }
    EXPECT_EQ(w->findChild<QLabel*>(QStringLiteral("Label86"))->text(), QString::fromLatin1(c.MaxSkillLabel));
    EXPECT_EQ(w->CS_minskill->maximum(), c.MinSkillMax);
    EXPECT_EQ(UCstrike::Logic().State.Modified, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Bots, CstrikeLayout,
    ::testing::Values(
        TLayoutCase{"P.O.D.Bot", "Game,Maps,Bots,Chat,Skills,Misc",
                    "GB_misc CS_bot_control Lab_bot_control CS_detailnames CS_botchat CS_knifeonly CS_botmenu "
                    "Lab_Botmenu CS_minskill Label16 Label17 Label19 CS_chatkill Label75",
                    "CS_pistolonly CS_subonly CS_Snipeonly CS_usesmoke CS_allowlaserdot CS_bot_group "
                    "CS_ExecKey CS_Bottype Lab_Type CS_autoskill CS_chatfreq B_BotEditor",
                    "Max Skill", 100},
        TLayoutCase{"JoeBot", "Game,Maps,Bots,Chat",
                    "GB_misc CS_detailnames CS_botchat CS_pistolonly Lab_Type CS_Bottype CS_minskill Label16 "
                    "CS_chatfreq Lab_chat",
                    "CS_knifeonly CS_subonly CS_allowlaserdot CS_bot_control CS_botmenu CS_ExecKey Label1 "
                    "CS_chatkill Label75 CS_autoskill",
                    "Max Skill", 100},
        TLayoutCase{"PlBot", "Game,Maps,Bots,Chat,A.I.",
                    "CS_allowlaserdot CS_botuselaserdot GB_PlBot_AI CS_knifeonly CS_bot_group Lab_bot_group "
                    "CS_bot_control Lab_bot_control CS_botchat CS_chatkill",
                    "CS_pistolonly CS_detailnames CS_minskill Label16 CS_Bottype CS_botmenu CS_chatfreq",
                    "Bots default skill", 5},
        TLayoutCase{"BoC-bot", "Game,Maps,Bots",
                    "GB_misc CS_botmenu Lab_Botmenu",
                    "CS_knifeonly CS_pistolonly CS_detailnames CS_ExecKey CS_minskill", "Bots default skill", 5},
        TLayoutCase{"Swat Bot", "Game,Maps,Bots", "GB_misc CS_knifeonly CS_ExecKey Lab_ExecKey",
                    "CS_pistolonly CS_botmenu CS_minskill", "Bots default skill", 5},
        TLayoutCase{"Plain Bot", "Game,Maps,Bots", "GB_misc",
                    "CS_knifeonly CS_pistolonly CS_subonly CS_Snipeonly CS_usesmoke CS_allowlaserdot "
                    "CS_botuselaserdot CS_detailnames CS_bot_group CS_bot_control CS_botmenu CS_ExecKey "
                    "CS_minskill CS_Bottype",
                    "Bots default skill", 5}),
    [](const auto& info) {
        std::string n;
        for (const char* p = info.param.Bot; *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p)))
                n += *p;
        return n;
    });

TEST_F(CstrikeWindow, JoeBotScalesAndWeaponList)
{
    UInit::SelectedBot = UCstrike::JoeBot;
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Joe\r\nteam=1\r\nmodele=2\r\nweapon=10\r\n");
    auto w = Open();
    for (const char* name : {"Label2", "Label17", "Label64"})
        EXPECT_EQ(w->findChild<QLabel*>(QString::fromLatin1(name))->text(), QStringLiteral("Bad")) << name;
    for (const char* name : {"Label4", "Label19", "Label65"})
        EXPECT_EQ(w->findChild<QLabel*>(QString::fromLatin1(name))->text(), QStringLiteral("Good")) << name;
    EXPECT_EQ(w->Botskill->width(), 130);
    EXPECT_EQ(w->Lab_chat->text(), QStringLiteral("        Chat leet : Never                            Always"));
    ASSERT_EQ(w->CS_Bottype->count(), 15);
    EXPECT_EQ(w->CS_Bottype->currentText(), QStringLiteral("Rifle - AWP"));

    w->CS_Bottype->setCurrentIndex(3);
    emit w->CS_Bottype->activated(3);
    EXPECT_EQ(UCstrike::Logic().Bots()[0][4], QStringLiteral("3"));
    EXPECT_EQ(UCstrike::Logic().State.Modified, 1);
}

TEST_F(CstrikeWindow, UnreadableBotIndexesReadAsDefaultsWithinRange)
{
    UInit::SelectedBot = UCstrike::JoeBot;
    WriteStore("[Default]\r\nnumbot=3\r\n"
               "[Bot 1]\r\nnom=Letters\r\nteam=T\r\nmodele=x7\r\nweapon=awp\r\n"
               "[Bot 2]\r\nnom=Beyond\r\nteam=9\r\nmodele=9\r\nweapon=22\r\n"
               "[Bot 3]\r\nnom=Good\r\nteam=1\r\nmodele=3\r\nweapon=10\r\n");
    auto w = Open();
    const struct {
        const char* Team;
        const char* Model;
        const char* Weapon;
        const char* Shown;   // the model entry shown for the bot
    } expected[] = {
        {"0", "0", "0", "<Random Model>"},
        {"2", "4", "14", "French GIGN"},
        {"1", "3", "10", "Artic Avengers"},
    };
    ASSERT_EQ(UCstrike::Logic().Bots().size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TBot& b = UCstrike::Logic().Bots()[i];
        EXPECT_EQ(QStringList({b[3], b[1], b[4]}),
                  QStringList({expected[i].Team, expected[i].Model, expected[i].Weapon}));
        w->ListBot->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
        w->ListBotClick();
        EXPECT_EQ(w->botmodel->currentText(), QString::fromLatin1(expected[i].Shown));
    }
}

TEST_F(CstrikeWindow, BotNameRefusesWhatWouldSplitTheAddCommand)
{
    auto w = Open();
    ASSERT_NE(w->botname->validator(), nullptr);
    for (const char* typed : {"x;quit", "Big Bob", "\"Ace\""}) {
        QString text = QString::fromLatin1(typed);
        int pos = 0;
        EXPECT_EQ(w->botname->validator()->validate(text, pos), QValidator::Invalid) << typed;
    }
    QString good = QStringLiteral("Ace_2");
    int pos = 0;
    EXPECT_EQ(w->botname->validator()->validate(good, pos), QValidator::Acceptable);
}

TEST_F(CstrikeWindow, OutsideBotEditorReplacesTheBotList)
{
    UInit::SelectedBot = UCstrike::SwatBot;
    {
        TIniFile mods(Env.ProgramFile(QStringLiteral("Mods/CStrike.ini")));
        ASSERT_TRUE(mods.WriteString(UCstrike::SwatBot, QStringLiteral("BotEditor"), QStringLiteral("swatedit.exe")));
        ASSERT_TRUE(mods.WriteString(UCstrike::SwatBot, QStringLiteral("BotEditorPath"), QStringLiteral("/swattools/")));
        TIniFile::FlushCache();
    }
    Env.HL.AddFile(QStringLiteral("swattools/swatedit.exe"), "MZ");
    MakeReady();
    auto w = Open();   // no bot store: an outside editor keeps the bots, so nothing is missing
    EXPECT_TRUE(Env.Dialogs.Shown().isEmpty()) << Env.Dialogs.Texts().join('|').toStdString();
    EXPECT_TRUE(w->GroupBox16->isHidden());
    EXPECT_FALSE(w->B_BotEditor->isHidden());
    EXPECT_TRUE(w->B_BotEditor->isEnabled());
    EXPECT_EQ(w->B_BotEditor->text(), QStringLiteral("Open Swat Bot Editor"));

    Shell::TRequest seen;
    Shell::SetStarter([&seen](const Shell::TRequest& r, QString*) {
        seen = r;
        return true;
    });
    w->B_BotEditor->click();
    Shell::SetStarter({});
    EXPECT_EQ(seen.File, QStringLiteral("swatedit.exe"));
    EXPECT_EQ(QDir::cleanPath(seen.WorkDir), Env.HL.Path(QStringLiteral("swattools")));

    w->BApplyConf->click();   // no bot needed
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).isEmpty()) << Env.Dialogs.Texts().join('|').toStdString();
    EXPECT_TRUE(w->ClosedByButtons());
}

// ---------------------------------------------------------------- sides and models

TEST_F(CstrikeWindow, SideChangeRefillsTheModelsAndKeepsTheIndex)
{
    // Two pictures of different colours tell which side's picture is shown.
    QDir().mkpath(Env.ProgramFile(QStringLiteral("models/cs")));
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    ASSERT_TRUE(red.save(Env.ProgramFile(QStringLiteral("models/cs/1_3.jpg")), "JPG"));
    ASSERT_TRUE(blue.save(Env.ProgramFile(QStringLiteral("models/cs/2_3.jpg")), "JPG"));

    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nteam=1\r\nmodele=3\r\nskill100=9\r\n");
    auto w = Open();
    EXPECT_TRUE(w->CS_BotT->isChecked());
    EXPECT_EQ(w->botmodel->count(), 5);
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Artic Avengers"));
    auto shownColour = [&] { return QColor(w->BotPic->pixmap().toImage().pixel(4, 4)); };
    EXPECT_GT(shownColour().red(), 200);

    w->CS_BotCT->click();
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("UK SAS"));
    EXPECT_EQ(w->botmodel->itemText(1), QStringLiteral("US Seal Team 6"));
    EXPECT_GT(shownColour().blue(), 200);
    EXPECT_EQ(UCstrike::Logic().Bots()[0][3], QStringLiteral("2"));
    EXPECT_EQ(UCstrike::Logic().Bots()[0][1], QStringLiteral("3"));
    EXPECT_EQ(UCstrike::Logic().State.Modified, 1);

    w->CS_BotA->click();
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("Artic / UK SAS"));
    EXPECT_EQ(UCstrike::Logic().Bots()[0][3], QStringLiteral("0"));
}

// Each side's models ("Phoenix / US Seal" the longest) show whole in the chooser beside its arrow.
TEST_F(CstrikeWindow, EverySidesModelsFitTheirChooser)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\nteam=1\r\nmodele=1\r\n");
    auto w = Open();
    QStyleOptionComboBox option;
    option.initFrom(w->botmodel);
    const int room = w->botmodel->style()
                         ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, w->botmodel)
                         .width();
    for (QRadioButton* side : {w->CS_BotT, w->CS_BotCT, w->CS_BotA}) {
        side->click();
        ASSERT_GT(w->botmodel->count(), 1);
        for (int i = 0; i < w->botmodel->count(); ++i)
            EXPECT_LE(w->botmodel->fontMetrics().horizontalAdvance(w->botmodel->itemText(i)), room)
                << w->botmodel->itemText(i).toStdString();
    }
}

TEST_F(CstrikeWindow, CreatedBotsTakeTheirValuesWithinRange)
{
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    w->SBCreeBot->click();
    const TBot plain = UCstrike::Logic().Bots().at(0);
    EXPECT_EQ(plain[0], QStringLiteral("NewBot"));
    EXPECT_EQ(QStringList({plain[1], plain[2], plain[3], plain[4]}), QStringList({"0", "0", "0", "0"}));
    EXPECT_TRUE(w->CS_BotA->isChecked());
    EXPECT_EQ(w->botmodel->currentText(), QStringLiteral("<Random Model>"));
    for (int i = 0; i < 20; ++i) {
        w->SBCreeRandomBot->click();
        const TBot b = UCstrike::Logic().Bots().last();
        EXPECT_TRUE(b[1].toInt() >= 0 && b[1].toInt() <= 4) << b[1].toStdString();
        EXPECT_TRUE(b[2].toInt() >= 0 && b[2].toInt() <= 100) << b[2].toStdString();
        EXPECT_TRUE(b[3].toInt() >= 0 && b[3].toInt() <= 2) << b[3].toStdString();
        EXPECT_EQ(w->botmodel->currentIndex(), b[1].toInt());
    }
    EXPECT_EQ(w->ListBot->count(), 21);
}

TEST_F(CstrikeWindow, FirstSaveWithoutStoreGivesPodBotItsOwnTimings)
{
    MakeReady();
    auto w = Open();
    ASSERT_EQ(Env.Dialogs.Texts(Kind::Warning).size(), 1);   // no bot store yet
    w->SBCreeBot->click();
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Stored(QStringLiteral("PODBot"), QStringLiteral("timer_sound")), QStringLiteral("1.0"));
    EXPECT_EQ(Stored(QStringLiteral("PODBot"), QStringLiteral("timer_pickup")), QStringLiteral("0.3"));
    EXPECT_EQ(Stored(QStringLiteral("PODBot"), QStringLiteral("timer_grenade")), QStringLiteral("0.5"));

    TModRow* row = ModTable::Find(QStringLiteral("CStrike"));
    ASSERT_TRUE(row && row->Hooks.LaunchWriters);
    QString error;
    ASSERT_TRUE(row->Hooks.LaunchWriters(error)) << error.toStdString();
    const QByteArray botFile = TModTestEnv::Read(Env.ModFile(QStringLiteral("PODBot/podbot.cfg")));
    for (const char* line : {"\r\ntimer_sound 1.0\r\n", "\r\ntimer_pickup 0.3\r\n", "\r\ntimer_grenade 0.5\r\n"})
        EXPECT_TRUE(botFile.contains(line)) << line << "\n" << botFile.toStdString();
}

// A first save without a bot store, then a launch: the bot programs that take a skill range get
// a minimum no higher than the maximum, the others keep the default level 0; no key chooser
// starts with a key chosen, so no bind line reaches config.cfg until the user picks a key.
struct TFirstSaveCase {
    const char* Bot;
    const char* BotFile;                    // below the mod folder
    std::vector<const char*> SkillLines;    // each a whole line of the bot file
    const char* ConfigAfter;
};

void PrintTo(const TFirstSaveCase& c, std::ostream* os) { *os << c.Bot; }

class CstrikeFirstSave : public CstrikeWindow, public ::testing::WithParamInterface<TFirstSaveCase> {};

TEST_P(CstrikeFirstSave, SkillRangeIsInOrderAndOnlyAnExecuteCommandIsBound)
{
    const TFirstSaveCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    MakeReady();
    Env.HL.AddFile(QStringLiteral("realbot/dll/realbot.dll"), "MZ");
    Env.HL.AddFile(QStringLiteral("cstrike/config.cfg"), "name \"Me\"\r\n");
    auto w = Open();
    ASSERT_EQ(Env.Dialogs.Texts(Kind::Warning).size(), 1);   // no bot store yet
    w->SBCreeBot->click();
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(w->CS_ExecKey->currentIndex(), -1);
    EXPECT_EQ(w->CS_botmenu->currentIndex(), -1);
    ASSERT_EQ(Stored(QStringLiteral("Default"), QStringLiteral("ExecKey")), QString());
    ASSERT_EQ(Stored(QStringLiteral("Default"), QStringLiteral("botmenu")), QString());
    // A first save writes what a store without these keys would read as.
    EXPECT_EQ(Stored(QStringLiteral("Default"), QStringLiteral("bot_control")), QStringLiteral("3"));
    EXPECT_EQ(Stored(QStringLiteral("Default"), QStringLiteral("bot_group")), QStringLiteral("1"));
    EXPECT_EQ(Stored(QStringLiteral("Default"), QStringLiteral("plbot_nav")), QStringLiteral("1"));

    TModRow* row = ModTable::Find(QStringLiteral("CStrike"));
    ASSERT_TRUE(row && row->Hooks.LaunchWriters);
    QString error;
    ASSERT_TRUE(row->Hooks.LaunchWriters(error)) << error.toStdString();
    const QByteArray botFile = "\r\n" + TModTestEnv::Read(Env.ModFile(QString::fromLatin1(c.BotFile)));
    for (const char* line : c.SkillLines)
        EXPECT_TRUE(botFile.contains(QByteArray("\r\n") + line + "\r\n")) << line << "\n" << botFile.toStdString();
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("config.cfg"))), QByteArray(c.ConfigAfter));
}

INSTANTIATE_TEST_SUITE_P(
    Bots, CstrikeFirstSave,
    ::testing::Values(
        TFirstSaveCase{"P.O.D.Bot", "PODBot/podbot.cfg", {"minbotskill 1", "maxbotskill 1"}, "name \"Me\"\r\n"},
        TFirstSaveCase{"RealBot:AI", "../realbot/bot.cfg", {"rb_skill 1", "rb_setrandom  1 1"},
                       "name \"Me\"\r\n"},
        TFirstSaveCase{"JoeBot", "joebot/bot.cfg", {"botskill_min 1", "botskill_max 1"}, "name \"Me\"\r\n"},
        TFirstSaveCase{"BottBot", "bot.cfg", {"bt_minskill 1", "bt_maxskill 1"}, "name \"Me\"\r\n"},
        TFirstSaveCase{"Swat Bot", "bot.cfg", {"botskill 0"}, "name \"Me\"\r\n"}),
    [](const auto& info) {
        std::string name;
        for (const char ch : std::string(info.param.Bot))
            if (std::isalnum(static_cast<unsigned char>(ch)))
                name += ch;
        return name;
    });

TEST_F(CstrikeWindow, EmptyOrUnreadablePodBotTimersStandForTheBotsOwnTimings)
{
    // An empty value as an earlier save left it, a point alone, and a good one.
    WriteStore("[Default]\r\nnumbot=1\r\n[PODBot]\r\ntimer_sound=\r\ntimer_pickup=.\r\ntimer_grenade=2.5\r\n"
               "[Bot 1]\r\nnom=Alpha\r\n");
    MakeReady();
    auto w = Open();
    EXPECT_EQ(w->CS_timer_sound->text(), QStringLiteral("1.0"));
    EXPECT_EQ(w->CS_timer_pickup->text(), QStringLiteral("0.3"));
    EXPECT_EQ(w->CS_timer_grenade->text(), QStringLiteral("2.5"));
    w->CS_timer_grenade->clear();   // cleared by the user
    w->BApplyConf->click();
    ASSERT_TRUE(w->ClosedByButtons()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Stored(QStringLiteral("PODBot"), QStringLiteral("timer_sound")), QStringLiteral("1.0"));
    EXPECT_EQ(Stored(QStringLiteral("PODBot"), QStringLiteral("timer_pickup")), QStringLiteral("0.3"));
    EXPECT_EQ(Stored(QStringLiteral("PODBot"), QStringLiteral("timer_grenade")), QStringLiteral("0.5"));
}

// ---------------------------------------------------------------- bot store round trip

struct TStoreCase {
    const char* Bot;
    const char* SkillKey;
    const char* ChatFreqWritten;    // JoeBot reads Chatleet over Chatfreq
    bool Weapon;
    const char* FolderKey;          // nwpdir / wptfolder, or ""
};

void PrintTo(const TStoreCase& c, std::ostream* os) { *os << c.Bot; }

class CstrikeStore : public CstrikeWindow, public ::testing::WithParamInterface<TStoreCase> {};

TEST_P(CstrikeStore, EverySectionReadsBackAsSaved)
{
    const TStoreCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    Env.HL.AddFile(QStringLiteral("nnbot/mywps/de_dust.nwp"), "n");
    Env.HL.AddFile(QStringLiteral("cstrike/PODBot/mywpt/de_dust.pwf"), "p");
    MakeReady();
    const QByteArray skill(c.SkillKey);
    WriteStore("[Default]\r\nnumbot=2\r\n" + skill + "=3\r\nminskill=2\r\nautoskill=1\r\nbotchat=0\r\n"
               "knifeonly=1\r\npistolonly=1\r\nSnipeonly=1\r\nsubonly=1\r\nusesmoke=0\r\nbotmenu=F7\r\n"
               "ExecKey=Num Keypad 5\r\nbot_control=7\r\nspawnbot=4\r\nChatfreq=30\r\ndetailnames=1\r\n"
               "Chatleet=40\r\nallowlaserdot=1\r\nbotuselaserdot=1\r\nbot_group=5\r\nplbot_nav=0\r\n"
               "nwpdir=mywps\r\nWptFolder=mywpt\r\n"
               "[PlBot]\r\nmaxway=150\r\nbheight=120\r\nminway=30\r\nspre=20\r\nunstuck=80\r\nbangle=10\r\n"
               "bsenss=30\r\nbsensf=40\r\nblevel=5\r\n"
               "[PODBot]\r\ninhumanturns=1\r\ncollectexperience=1\r\nshootthruwalls=0\r\nusespeech=1\r\n"
               "botvotekick=0\r\nbotspray=1\r\nimonmars=1\r\nimhaunted=0\r\nitstoodark=1\r\nitsnewyear=0\r\n"
               "tronisback=1\r\nimstoned=0\r\nimsober=1\r\nmaxweaponpickup=7\r\ntimer_sound=2.0\r\n"
               "timer_pickup=0.7\r\ntimer_grenade=1.5\r\n"
               "[Bot 1]\r\nnom=Alpha\r\nteam=1\r\nmodele=3\r\n" + skill + "=2\r\nweapon=7\r\n"
               "[Bot 2]\r\nnom=Bravo\r\nteam=2\r\nmodele=0\r\n" + skill + "=0\r\nweapon=0\r\n"
               "[Bot 3]\r\nnom=Stale\r\n");
    const QByteArray before = TModTestEnv::Read(StorePath());
    auto w = Open();
    ASSERT_EQ(w->ListBot->count(), 2);
    w->BApplyConf->click();
    ASSERT_TRUE(Env.Dialogs.Texts(Kind::Error).isEmpty()) << Env.Dialogs.Texts().join('|').toStdString();
    ASSERT_NE(TModTestEnv::Read(StorePath()), before);   // it was written

    const QString D = QStringLiteral("Default");
    const struct {
        QString Section;
        const char* Key;
        QString Value;
    } expected[] = {
        {D, "numbot", "2"}, {D, c.SkillKey, "3"}, {D, "minskill", "2"}, {D, "autoskill", "1"},
        {D, "botchat", "0"}, {D, "knifeonly", "1"}, {D, "pistolonly", "1"}, {D, "Snipeonly", "1"},
        {D, "subonly", "1"}, {D, "usesmoke", "0"}, {D, "botmenu", "F7"}, {D, "ExecKey", "Num Keypad 5"},
        {D, "bot_control", "7"}, {D, "spawnbot", "4"}, {D, "chatfreq", c.ChatFreqWritten},
        {D, "detailnames", "1"}, {D, "allowlaserdot", "1"}, {D, "botuselaserdot", "1"},
        {D, "bot_group", "5"}, {D, "plbot_nav", "0"},
        {"PlBot", "maxway", "150"}, {"PlBot", "bheight", "120"}, {"PlBot", "minway", "30"},
        {"PlBot", "spre", "20"}, {"PlBot", "unstuck", "80"}, {"PlBot", "bangle", "10"},
        {"PlBot", "bsenss", "30"}, {"PlBot", "bsensf", "40"}, {"PlBot", "blevel", "5"},
        {"PODBot", "inhumanturns", "1"}, {"PODBot", "collectexperience", "1"}, {"PODBot", "shootthruwalls", "0"},
        {"PODBot", "usespeech", "1"}, {"PODBot", "botvotekick", "0"}, {"PODBot", "botspray", "1"},
        {"PODBot", "imonmars", "1"}, {"PODBot", "imhaunted", "0"}, {"PODBot", "itstoodark", "1"},
        {"PODBot", "itsnewyear", "0"}, {"PODBot", "tronisback", "1"}, {"PODBot", "imstoned", "0"},
        {"PODBot", "imsober", "1"}, {"PODBot", "maxweaponpickup", "7"}, {"PODBot", "timer_sound", "2.0"},
        {"PODBot", "timer_pickup", "0.7"}, {"PODBot", "timer_grenade", "1.5"},
        {"Bot 1", "nom", "Alpha"}, {"Bot 1", "team", "1"}, {"Bot 1", "modele", "3"}, {"Bot 1", c.SkillKey, "2"},
        {"Bot 2", "nom", "Bravo"}, {"Bot 2", "team", "2"}, {"Bot 2", "modele", "0"}, {"Bot 2", c.SkillKey, "0"},
        {"Bot 3", "nom", "<none>"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(Stored(e.Section, QString::fromLatin1(e.Key)), e.Value) << e.Section.toStdString() << " " << e.Key;
    if (c.Weapon)
        EXPECT_EQ(Stored(QStringLiteral("Bot 1"), QStringLiteral("weapon")), QStringLiteral("7"));
    if (*c.FolderKey)
        EXPECT_EQ(Stored(D, QString::fromLatin1(c.FolderKey)),
                  QString::fromLatin1(c.FolderKey) == QStringLiteral("nwpdir") ? QStringLiteral("mywps")
                                                                             : QStringLiteral("mywpt"));
}

INSTANTIATE_TEST_SUITE_P(Bots, CstrikeStore,
                         ::testing::Values(TStoreCase{"JoeBot", "skill100", "40", true, ""},
                                           TStoreCase{"P.O.D.Bot", "skill100", "30", false, "wptfolder"},
                                           TStoreCase{"NN Bot", "skill5", "30", false, "nwpdir"}),
                         [](const auto& info) { return std::string(info.param.Bot[0] == 'J' ? "JoeBot"
                                                                   : info.param.Bot[0] == 'P' ? "PODBot"
                                                                                              : "NNBot"); });

TEST_F(CstrikeWindow, LaserDotBoxesAndKeyChoosersMarkModified)
{
    UInit::SelectedBot = UCstrike::PlBot;
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    for (QCheckBox* box : {w->CS_allowlaserdot, w->CS_botuselaserdot}) {
        UCstrike::Logic().State.Modified = 0;
        box->click();
        EXPECT_EQ(UCstrike::Logic().State.Modified, 1) << box->objectName().toStdString();
    }
    UCstrike::Logic().State.Modified = 0;
    emit w->CS_botmenu->activated(2);
    EXPECT_EQ(UCstrike::Logic().State.Modified, 1);
}

TEST_F(CstrikeWindow, MinimumAndDefaultSkillFollowEachOther)
{
    WriteStore("[Default]\r\nnumbot=0\r\nskill100=30\r\nminskill=10\r\n");
    auto w = Open();
    ASSERT_EQ(w->defskill->value(), 30);
    w->CS_minskill->setValue(50);
    EXPECT_EQ(w->defskill->value(), 50);
    w->defskill->setValue(20);
    EXPECT_EQ(w->CS_minskill->value(), 20);
    EXPECT_EQ(UCstrike::Logic().State.Modified, 1);
}

TEST_F(CstrikeWindow, HandEditedSkillRangeReadsInOrderAndTheMaximumStopsAtTheMinimumsFloor)
{
    WriteStore("[Default]\r\nnumbot=0\r\nskill100=30\r\nminskill=60\r\n");
    auto w = Open();
    EXPECT_EQ(w->CS_minskill->value(), 60);
    EXPECT_EQ(w->defskill->value(), 60);
    w->defskill->setValue(0);
    EXPECT_EQ(w->defskill->value(), 1);
    EXPECT_EQ(w->CS_minskill->value(), 1);
}

// ---------------------------------------------------------------- P.O.D.Bot skill grid

TEST_F(CstrikeWindow, SkillsGridReadsAndWritesBotskillCfg)
{
    UCstrike::TSkillTable table;
    for (int k = 0; k < UCstrike::SkillKeyCount; ++k)
        for (int b = 0; b < UCstrike::SkillBandCount; ++b)
            table[k][b] = QString::number(k * 10 + b);
    QByteArray file;
    for (const QString& line : UCstrike::FormatBotSkill(table))
        file += line.toLatin1() + "\r\n";
    // The bot's own file name is spelled in lower case here: it is found and replaced in place.
    Env.HL.AddFile(QStringLiteral("cstrike/PODBot/botskill.cfg"), file);
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    MakeReady();
    auto w = Open();

    EXPECT_EQ(w->CS_Skills->rowCount(), 11);
    EXPECT_EQ(w->CS_Skills->columnCount(), 7);
    EXPECT_EQ(w->CS_Skills->item(0, 6)->text(), QStringLiteral("    100"));
    EXPECT_EQ(w->CS_Skills->item(8, 0)->text(), QStringLiteral(" Headshot %"));
    EXPECT_EQ(w->CS_Skills->item(3, 2)->text(), QStringLiteral("21"));   // MIN_TURNSPEED, band 20-39
    EXPECT_FALSE(w->CS_Skills->item(0, 1)->flags() & Qt::ItemIsEditable);
    ASSERT_EQ(UCstrike::Logic().State.Modified, 0);

    w->CS_Skills->item(3, 2)->setText(QStringLiteral("0.75"));
    EXPECT_EQ(UCstrike::Logic().State.Modified, 1);
    w->BApplyConf->click();
    ASSERT_TRUE(Env.Dialogs.Texts(Kind::Error).isEmpty()) << Env.Dialogs.Texts().join('|').toStdString();

    QByteArray expected = file;
    expected.replace("\r\nMIN_TURNSPEED 21\r\n", "\r\nMIN_TURNSPEED 0.75\r\n");
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("PODBot/botskill.cfg"))), expected);
    EXPECT_FALSE(QDir(Env.ModFile(QStringLiteral("PODBot"))).entryList(QDir::Files).contains(QStringLiteral("Botskill.cfg")));
}

TEST_F(CstrikeWindow, HalfFilledSkillsTableIsNotWrittenAndSaysWhichCellIsEmpty)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    MakeReady();
    auto w = Open();
    w->CS_Skills->item(1, 1)->setText(QStringLiteral("0.3"));   // the only value, no file before
    w->BApplyConf->click();
    const QStringList errors = Env.Dialogs.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("\"Max Delay\" for skills 0 - 19"))) << errors[0].toStdString();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_EQ(UCstrike::Logic().State.Modified, 1);
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("PODBot/Botskill.cfg"))));
    EXPECT_FALSE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("PODBot/botskill.cfg"))));

    // Filled completely, it is written.
    for (int r = 1; r <= UCstrike::SkillKeyCount; ++r)
        for (int c = 1; c <= UCstrike::SkillBandCount; ++c)
            w->CS_Skills->item(r, c)->setText(QStringLiteral("1"));
    Env.Dialogs.Clear();
    w->BApplyConf->click();
    EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).isEmpty()) << Env.Dialogs.Texts().join('|').toStdString();
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("PODBot/Botskill.cfg"))));
}

TEST_F(CstrikeWindow, SkillsSaveWithoutPodBotFolderIsReportedAndKeepsTheWindowOpen)
{
    {
        TIniFile mods(Env.ProgramFile(QStringLiteral("Mods/CStrike.ini")));
        ASSERT_TRUE(mods.WriteString(QStringLiteral("P.O.D.Bot"), QStringLiteral("chatfile"),
                                     QStringLiteral("podchat.txt")));
        TIniFile::FlushCache();
    }
    Env.HL.AddFile(QStringLiteral("cstrike/PODBot/botskill.cfg"), "MIN_DELAY 0.1\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    MakeReady();
    auto w = Open();
    ASSERT_EQ(w->CS_Skills->item(1, 1)->text(), QStringLiteral("0.1"));
    w->CS_Skills->item(1, 1)->setText(QStringLiteral("0.2"));
    QDir(Env.ModFile(QStringLiteral("PODBot"))).removeRecursively();
    w->BApplyConf->click();
    const QStringList errors = Env.Dialogs.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("PODBot")) && errors[0].contains(QStringLiteral("skill table")))
        << errors[0].toStdString();
    EXPECT_FALSE(w->ClosedByButtons());
    EXPECT_EQ(UCstrike::Logic().State.Modified, 1);
    // The files before it are written.
    EXPECT_TRUE(TModTestEnv::Exists(Env.ModFile(QStringLiteral("game.cfg"))));
}

// ---------------------------------------------------------------- Restore Default

TEST_F(CstrikeWindow, RestoreDefaultRereadsBotsAndChatThenExitAsks)
{
    Env.HL.AddFile(QStringLiteral("cstrike/game.cfg"),
                   "\"mp_timelimit\"\t\t\"45.00000\"\r\n\"mp_startmoney\"\t\t\"4000.00000\"\r\n"
                   "\"mp_footsteps\"\t\t\"0\"\r\n");
    Env.HL.AddFile(QStringLiteral("cstrike/PODBot/BotChat.txt"), "gg %s\r\n");
    Env.HL.AddFile(QStringLiteral("cstrike/PODBot/botskill.cfg"), "MIN_DELAY 0.1\r\n");
    WriteStore("[Default]\r\nnumbot=1\r\nbotmenu=F3\r\nknifeonly=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    MakeReady();
    auto w = Open();
    TNumberEdit* timelimit = w->CS_timelimit;
    ASSERT_EQ(timelimit->Text(), QStringLiteral("45"));
    ASSERT_EQ(w->CS_startmoney->Text(), QStringLiteral("4000"));
    ASSERT_EQ(w->chatkill->toPlainText(), QStringLiteral("gg %s"));
    w->SBCreeBot->click();
    w->chatkill->setPlainText(QStringLiteral("edited"));

    Env.Dialogs.ExpectConfirm(true);
    w->BRestoreDef->click();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Confirmation),
              QStringList{"Do you really want to reload your default CStrike settings ? "});
    EXPECT_EQ(timelimit->Text(), QStringLiteral("0"));
    EXPECT_EQ(w->CS_RoundTime->Text(), QStringLiteral("5"));
    EXPECT_TRUE(w->CS_footsteps->isChecked());
    EXPECT_EQ(w->CS_startmoney->Text(), QStringLiteral("4000"));   // not a default
    EXPECT_EQ(w->ListBot->count(), 1);
    EXPECT_EQ(w->ListBot->item(0)->text(), QStringLiteral("Alpha"));
    EXPECT_EQ(w->chatkill->toPlainText(), QStringLiteral("gg %s"));
    EXPECT_TRUE(w->CS_knifeonly->isChecked());               // the bot settings come from the store
    EXPECT_EQ(w->CS_botmenu->count(), 24);                   // refilled, not appended to
    EXPECT_EQ(w->CS_botmenu->currentText(), QStringLiteral("F3"));
    EXPECT_EQ(w->CS_Skills->item(1, 1)->text(), QStringLiteral("0.1"));
    EXPECT_EQ(w->CS_Skills->item(1, 0)->text(), QStringLiteral(" Min Delay"));

    Env.Dialogs.Clear();
    Env.Dialogs.ExpectConfirm(false);
    w->BClose->click();
    EXPECT_EQ(Env.Dialogs.Texts(Kind::Confirmation), QStringList{"Do you want to save your settings ?"});
    EXPECT_TRUE(w->ClosedByButtons());
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("PODBot/BotChat.txt"))), QByteArray("gg %s\r\n"));
}

TEST_F(CstrikeWindow, GameCfgIsWrittenInTableOrder)
{
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    MakeReady();
    auto w = Open();
    w->CS_startmoney->stepBy(3);
    w->CS_friendlyfire->click();
    w->BApplyConf->click();
    ASSERT_TRUE(Env.Dialogs.Texts(Kind::Error).isEmpty());
    const char* lines[] = {
        "mp_timelimit\"\t\t\"0.00000", "mp_roundtime\"\t\t\"5.00000", "mp_freezetime\"\t\t\"1.00000",
        "mp_maxrounds\"\t\t\"0.00000", "mp_winlimit\"\t\t\"0.00000", "mp_hostagepenalty\"\t\t\"0.00000",
        "mp_c4timer\"\t\t\"35.00000", "mp_limitteams\"\t\t\"2.00000", "mp_startmoney\"\t\t\"950.00000",
        "mp_autokick\"\t\t\"1", "mp_friendlyfire\"\t\t\"1", "mp_chasecam\"\t\t\"0", "mp_footsteps\"\t\t\"1",
        "mp_flashlight\"\t\t\"1", "mp_friendly_grenade_damage\"\t\t\"0", "mp_autoteambalance\"\t\t\"1",
        "sv_sendvelocity\"\t\t\"0"};
    QByteArray expected;
    for (const char* l : lines)
        expected += QByteArray("\"") + l + "\"\r\n";
    EXPECT_EQ(TModTestEnv::Read(Env.ModFile(QStringLiteral("game.cfg"))), expected);
}

// ---------------------------------------------------------------- waypoint folder

struct TWayDirCase {
    const char* Name;
    const char* Bot;
    const char* Chosen;      // relative to the Half-Life folder
    bool Accepted;
    const char* Folder;      // WaypointFolder afterwards
};

void PrintTo(const TWayDirCase& c, std::ostream* os) { *os << c.Name; }

class CstrikeWayDir : public CstrikeWindow, public ::testing::WithParamInterface<TWayDirCase> {};

TEST_P(CstrikeWayDir, AcceptsOnlyAFolderBelowItsRoot)
{
    const TWayDirCase& c = GetParam();
    UInit::SelectedBot = QString::fromLatin1(c.Bot);
    for (const char* dir : {"nnbot/nwps", "nnbot/other", "cstrike/PODBot/wptcs10", "cstrike/PODBot/mine",
                            "cstrike/joebot/wpjs", "cstrike/maps/sub", "valve/maps"})
        QDir().mkpath(Env.HL.Path(QString::fromLatin1(dir)));
    Env.HL.AddFile(QStringLiteral("cstrike/PODBot/mine/de_dust.pwf"), "p");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    const QString before = UCstrike::Logic().State.WaypointFolder;
    const QString beforeShown = w->WayDir->text();

    Env.Dialogs.ExpectFolder(Env.HL.Path(QString::fromLatin1(c.Chosen)));
    w->WayDirBrowse->click();

    if (c.Accepted) {
        EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error).isEmpty());
        EXPECT_EQ(UCstrike::Logic().State.WaypointFolder, QString::fromLatin1(c.Folder));
        EXPECT_EQ(UCstrike::Logic().State.Modified, 1);
        EXPECT_EQ(QDir::fromNativeSeparators(w->WayDir->text()).toLower(),
                  Env.HL.Path(QString::fromLatin1(c.Chosen)).toLower());
    } else {
        ASSERT_EQ(Env.Dialogs.Texts(Kind::Error).size(), 1);
        EXPECT_TRUE(Env.Dialogs.Texts(Kind::Error)[0].contains(QStringLiteral("below")));
        EXPECT_EQ(UCstrike::Logic().State.WaypointFolder, before);
        EXPECT_EQ(w->WayDir->text(), beforeShown);
        EXPECT_EQ(UCstrike::Logic().State.Modified, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, CstrikeWayDir,
    ::testing::Values(TWayDirCase{"NNBotBelowNnbot", "NN Bot", "nnbot/other", true, "nnbot\\other"},
                      TWayDirCase{"NNBotOutside", "NN Bot", "cstrike/maps/sub", false, ""},
                      TWayDirCase{"NNBotTheRootItself", "NN Bot", "nnbot", false, ""},
                      TWayDirCase{"PodBotBelowPodBot", "P.O.D.Bot", "cstrike/PODBot/mine", true, "PodBot\\mine"},
                      TWayDirCase{"PodBotInTheModFolder", "P.O.D.Bot", "cstrike/maps/sub", false, ""},
                      TWayDirCase{"JoeBotBelowTheMod", "JoeBot", "cstrike/maps/sub", true, "maps\\sub"},
                      TWayDirCase{"JoeBotOtherMod", "JoeBot", "valve/maps", false, ""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CstrikeWindow, PodBotWaypointChoiceMarksMapsAndIsSaved)
{
    Env.HL.AddFile(QStringLiteral("cstrike/PODBot/mine/cs_assault.pwf"), "p");
    WriteStore("[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Alpha\r\n");
    MakeReady();
    auto w = Open();
    auto entry = [&](const char* map) {
        for (int i = 0; i < w->MapDispo->count(); ++i)
            if (w->MapDispo->item(i)->text().startsWith(QString::fromLatin1(map)))
                return w->MapDispo->item(i)->text().trimmed();
        return QString();
    };
    EXPECT_EQ(entry("de_dust"), QStringLiteral("de_dust *"));
    EXPECT_EQ(entry("cs_assault"), QStringLiteral("cs_assault"));
    w->WayDirChange(Env.HL.Path(QStringLiteral("cstrike/PODBot/mine")));
    EXPECT_EQ(entry("cs_assault"), QStringLiteral("cs_assault *"));
    EXPECT_EQ(entry("de_dust"), QStringLiteral("de_dust"));
    w->BApplyConf->click();
    EXPECT_EQ(Stored(QStringLiteral("Default"), QStringLiteral("wptfolder")), QStringLiteral("mine"));
}

// NN Bot keeps its waypoints, and the maps' own configuration files beside them, below the
// Half-Life folder: the "+" marks and "Edit config" look there, not below cstrike.
TEST_F(CstrikeWindow, NNBotMapConfigLiesBesideItsWaypointsBelowHalfLife)
{
    UInit::SelectedBot = QStringLiteral("NN Bot");
    {
        TIniFile mods(Env.ProgramFile(QStringLiteral("Mods/CStrike.ini")));
        ASSERT_TRUE(mods.WriteString(QStringLiteral("NN Bot"), QStringLiteral("config"), QStringLiteral(".cfg")));
    }
    Env.HL.AddFile(QStringLiteral("nnbot/nwps/de_dust.nwp"), "w");
    Env.HL.AddFile(QStringLiteral("nnbot/nwps/de_dust.cfg"), "mp_timelimit 5\r\n");
    Env.HL.AddFile(QStringLiteral("cstrike/nnbot/nwps/cs_assault.cfg"), "wrong place\r\n");
    WriteStore("[Default]\r\nnumbot=0\r\n");
    auto w = Open();
    ASSERT_FALSE(w->BEditCfg->isHidden());
    QStringList entries;
    for (int i = 0; i < w->MapDispo->count(); ++i)
        entries << w->MapDispo->item(i)->text().trimmed();
    EXPECT_EQ(entries, (QStringList{QStringLiteral("cs_assault"), QStringLiteral("de_dust *+")}));

    QString opened;
    ModalRunner::Set([&opened](QDialog& d) {
        if (auto* editor = qobject_cast<TEditor*>(&d))
            opened = editor->FilePath();
        return 0;
    });
    w->MapDispo->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
    w->BEditCfg->click();
    ModalRunner::Set({});
    EXPECT_EQ(QDir::cleanPath(QDir::fromNativeSeparators(opened)).toLower(),
              Env.HL.Path(QStringLiteral("nnbot/nwps/de_dust.cfg")).toLower());
}

} // namespace
