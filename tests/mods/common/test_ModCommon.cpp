// The template's shared machinery on its own: the addbot placeholder filler, the game.cfg row
// kinds a mod can list, the number field that keeps its raw text, the optional steps of the
// first activation, the chat-file chooser and the config.cfg binds.
#include "mods/common/ModTestEnv.h"

#include "mods/common/ModCvars.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "mods/common/ModWriters.h"
#include "ui/NumberEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include "platform/Shell.h"
#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------- addbot filler

struct TFillCase {
    const char* Name;
    const char* Template;
    const char* Store;       // the bot store's [Bot 1] (and more)
    ModWriters::TFillOptions Options;
    QStringList Expected;
};

// The tags a writer may know: every one of them, or none but repeated placeholders.
ModWriters::TFillOptions AllTags()
{
    ModWriters::TFillOptions o;
    o.Tab = o.RcBreak = o.CrBreak = true;
    return o;
}
ModWriters::TFillOptions Every()
{
    ModWriters::TFillOptions o;
    o.EveryOccurrence = true;
    return o;
}
const ModWriters::TFillOptions kNone{};

void PrintTo(const TFillCase& c, std::ostream* os) { *os << c.Name; }

class AddbotFiller : public ::testing::TestWithParam<TFillCase> {};

TEST_P(AddbotFiller, ReplacesFirstOccurrencesInTableOrder)
{
    const TFillCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.ini"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(c.Store);
    f.close();
    TIniFile::FlushCache();
    const TIniFile store(path);

    ModWriters::TPlaceholderTable table = ModWriters::TemplatePlaceholders(QStringLiteral("skill5"));
    // A mod's own placeholder with a conversion: team 0 is written as 5.
    table.append({QStringLiteral("<team>"), QStringLiteral("team"), QStringLiteral("0"),
                  [](const QString& v, int) { return v == QStringLiteral("0") ? QStringLiteral("5") : v; }});
    // A computed one: the bot's number.
    table.append({QStringLiteral("<number>"), QString(), QString(),
                  [](const QString&, int n) { return QString::number(n); }});
    // A number with a default of its own.
    table.append({QStringLiteral("<rate>"), QStringLiteral("rate"), QStringLiteral("10"), {}, true});
    EXPECT_EQ(ModWriters::FillTemplate(QString::fromLatin1(c.Template), table, store, 1, c.Options),
              c.Expected);
}

const char* kAlpha = "[Bot 1]\r\nnom=Alpha\r\nmodele=bobby\r\nskill5=3\r\nteam=0\r\n";

INSTANTIATE_TEST_SUITE_P(
    Templates, AddbotFiller,
    ::testing::Values(
        TFillCase{"plain", "addbot <model> <name> <skill>", kAlpha, kNone, {"addbot bobby Alpha 3"}},
        TFillCase{"twice", "addbot <name> <name>", kAlpha, kNone, {"addbot Alpha <name>"}},
        TFillCase{"every occurrence", "addbot <name> <name>", kAlpha, Every(), {"addbot Alpha Alpha"}},
        TFillCase{"unknown stays", "addbot <foo> <name>", kAlpha, Every(), {"addbot <foo> Alpha"}},
        TFillCase{"stray <", "say 3 < 4 <name>", kAlpha, kNone, {"say 3 < 4 Alpha"}},
        TFillCase{"own and computed", "addbot <team> 1 <name> <number>", kAlpha, kNone,
                  {"addbot 5 1 Alpha 1"}},
        TFillCase{"no section", "addbot <model> <name> <skill> <team>", "", kNone, {"addbot    5"}},
        // A number key holding letters reads as the key left out; a number keeps its text.
        TFillCase{"letters in a number", "addbot <name> <rate> <skill>",
                  "[Bot 1]\r\nnom=Alpha\r\nrate=abc\r\nskill5=x3\r\n", kNone, {"addbot Alpha 10 "}},
        TFillCase{"number as written", "addbot <name> <rate> <skill>",
                  "[Bot 1]\r\nnom=Alpha\r\nrate=07\r\nskill5=3\r\n", kNone, {"addbot Alpha 07 3"}},
        TFillCase{"tab everywhere", "a<TAB><name><TAB>b", kAlpha, AllTags(), {"a\tAlpha\tb"}},
        TFillCase{"split", "bot_name <name><CR>bot_skill <skill><RC>x", kAlpha, AllTags(),
                  {"bot_name Alpha", "bot_skill 3", "x"}},
        // A writer that knows no tags leaves them as written.
        TFillCase{"tags not known", "a<TAB><name><CR>b<RC>", kAlpha, kNone, {"a<TAB>Alpha<CR>b<RC>"}},
        // A value holding a placeholder's or a tag's text is the user's text: it is written as
        // it stands, never filled, never split.
        TFillCase{"value with brackets", "addbot <name> <model>",
                  "[Bot 1]\r\nnom=<model>\r\nmodele=m\r\n", kNone, {"addbot <model> m"}},
        TFillCase{"name with tags and a later placeholder", "addbot <name><CR>botskill <skill>",
                  "[Bot 1]\r\nnom=A<CR>quit<TAB><skill><RC>\r\nskill5=4\r\n", AllTags(),
                  {"addbot A<CR>quit<TAB><skill><RC>", "botskill 4"}},
        TFillCase{"value repeated with every occurrence", "<name> <name> <skill>",
                  "[Bot 1]\r\nnom=<name>\r\nskill5=2\r\n", Every(), {"<name> <name> 2"}}),
    [](const auto& info) {
        std::string n = info.param.Name;
        for (char& ch : n)
            if (!isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return n;
    });

TEST(BotNames, OneRuleForEveryFileAndTheEngineRuleWhereTheConsoleReadsTheLine)
{
    const struct {
        const char* In;
        bool Engine;
        const char* Out;
    } cases[] = {
        {"Alpha", false, "Alpha"},
        {"Big Bob", false, "BigBob"},
        {"\"x\";quit's", false, "xquits"},
        {"tab\there", false, "tabhere"},
        {"(x),{y}:z", false, "(x),{y}:z"},
        {"(x),{y}:z", true, "xyz"},
        {"Caf\xC3\xA9", false, "Caf\xC3\xA9"},
        {"Caf\xC3\xA9", true, "Caf"},
        {"' ; '", false, "NewBot"},
        {"", false, ""},
        {"1234567890123456789012345678901234", false, "1234567890123456789012345678901"},
        // Thirty bytes of a three-byte letter fit; the eleventh would make 33.
        {"\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
         "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", false,
         "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"
         "\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC"},
        // A letter outside the basic plane is kept or dropped whole, never halved.
        {"abcdefghijklmnopqrstuvwxyz01\xF0\x9F\x98\x80", false, "abcdefghijklmnopqrstuvwxyz01"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ModWriters::CleanBotName(QString::fromUtf8(c.In), c.Engine), QString::fromUtf8(c.Out))
            << c.In << (c.Engine ? " (engine)" : "");
}

TEST(BotFileSkeleton, HeaderAndAkimbotLinesHaveTheirFixedForm)
{
    EXPECT_EQ(ModWriters::BotFileHeader(QStringLiteral("addbot <name>"), QStringLiteral("pause 5"),
                                        QStringLiteral("2")),
              (QStringList{"# addbot <name>", "pause 5", "", "botskill 2", " "}));
    QTemporaryDir dir;
    const TIniFile missing(dir.filePath(QStringLiteral("none.ini")));
    EXPECT_EQ(ModWriters::AkimbotRateLines(missing),
              (QStringList{"bot_chat_percent 10", "bot_taunt_percent 20", "bot_whine_percent 10"}));
    // A hand-edited rate that is no number is the missing key's.
    QFile damaged(dir.filePath(QStringLiteral("damaged.ini")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[Default]\r\nchatfreq=abc\r\nchatfreq_kill=35\r\nchatfreq_died=\r\n");
    damaged.close();
    TIniFile::FlushCache();
    EXPECT_EQ(ModWriters::AkimbotRateLines(TIniFile(damaged.fileName())),
              (QStringList{"bot_chat_percent 10", "bot_taunt_percent 35", "bot_whine_percent 10"}));
    EXPECT_EQ(ModWriters::LiblistLine(QStringLiteral("url_dl"), QString()), QStringLiteral("url_dl \"\""));
}

TEST(LiblistValues, AreWrittenInTheCommonOrderWithTheirTailsAndOnlyWhenSet)
{
    EXPECT_EQ(ModWriters::Liblist({}, QStringLiteral("dlls\\x.dll")), QStringList{"gamedll \"dlls\\x.dll\""});
    const ModWriters::TLiblist liblist{
        .Header = {"// Probe", ""},
        .Game = {"Probe", " // Game title"},
        .UrlDl = "",
        .Size = QStringLiteral("7"),
        .ClDll = {"1", " "},
        .MpEntity = "info_player_start",
        .GameDllTail = " // dll",
        .GameDllLinux = "dlls/probe_i386.so",
    };
    EXPECT_EQ(ModWriters::Liblist(liblist, QStringLiteral("dlls\\probe.dll")),
              (QStringList{"// Probe", "", "game \"Probe\" // Game title", "url_dl \"\"", "size \"7\"",
                           "cldll \"1\" ", "mpentity \"info_player_start\"", "gamedll \"dlls\\probe.dll\" // dll",
                           "gamedll_linux \"dlls/probe_i386.so\""}));
}

// ---------------------------------------------------------------- cvar rows

// A bare window with controls of every kind a game page uses, built by a mod-like subclass.
class TProbeWindow : public TModWindow {
public:
    explicit TProbeWindow(TModLogic& logic) : TModWindow(logic, nullptr) {}
    void Build() { BuildWindow(); }

protected:
    void BuildGamePage(QWidget* page) override
    {
        AddNumber(page, QStringLiteral("XX_limit"), 0, 90, 2, 0, 0, 50);
        AddCheck(page, QStringLiteral("XX_box"), QStringLiteral("Box"), 0, 30, 80);
        AddCombo(page, QStringLiteral("XX_mode"),
                 {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, 0, 60, 80);
        AddSlider(page, QStringLiteral("XX_rate"), 0, 100, 0, 90, 100, 10);
        auto* r1 = new QRadioButton(QStringLiteral("Realistic"), page);
        r1->setObjectName(QStringLiteral("XX_real"));
        auto* r2 = new QRadioButton(QStringLiteral("Classic"), page);
        r2->setObjectName(QStringLiteral("XX_classic"));
    }
};

TModTraits ProbeTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("NoSuchMod");
    s.Prefix = QStringLiteral("XX");
    s.Title = QStringLiteral("Probe");
    s.ShortName = QStringLiteral("Probe");
    return s;
}

class CvarRows : public ::testing::Test {
protected:
    CvarRows() : Logic(ProbeTraits()), W(Logic) { W.Build(); }

    TCvarTable Table() const
    {
        using namespace ModCvars;
        TCvarRow radio = RadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("XX_real"),
                                   QStringLiteral("XX_classic"), true);
        TCvarRow shown = Fixed(QStringLiteral("mp_botteam"), QStringLiteral("0"));
        shown.When = [](const TModWindow& w) {
            return w.Control<QCheckBox>(QStringLiteral("XX_box"))->isChecked();
        };
        TCvarRow six = Fixed(QStringLiteral("mp_maxbots"), QStringLiteral("0.000000"));
        TCvarRow last = Fixed(QStringLiteral("mp_curses"), QStringLiteral("1"));
        last.AfterSendVelocity = true;
        TCvarRow own;
        own.Cvar = QStringLiteral("mp_teamlist");
        own.Read = TCvarRead::Own;
        own.Written = TCvarWrite::Own;
        own.ReadRule = [this](TModWindow&, const QString& v) { OwnValue = v; };
        own.WriteRule = [this](const TModWindow&) { return OwnValue; };
        return {Number(QStringLiteral("mp_limit"), QStringLiteral("XX_limit"), QStringLiteral("10")),
                Check(QStringLiteral("mp_box"), QStringLiteral("XX_box")),
                Index(QStringLiteral("mp_mode"), QStringLiteral("XX_mode"), {}, QStringLiteral("1"), true),
                radio, shown, last, six, own};
    }

    TModLogic Logic;
    TProbeWindow W;
    mutable QString OwnValue;
};

TEST_F(CvarRows, DefaultsTouchOnlyRowsWithADefault)
{
    W.Control<QCheckBox>(QStringLiteral("XX_box"))->setChecked(true);
    ModCvars::ApplyDefaults(W, Table());
    EXPECT_EQ(W.Control<TNumberEdit>(QStringLiteral("XX_limit"))->Text(), QStringLiteral("10"));
    EXPECT_TRUE(W.Control<QCheckBox>(QStringLiteral("XX_box"))->isChecked());
    EXPECT_EQ(W.Control<QComboBox>(QStringLiteral("XX_mode"))->currentIndex(), 1);
    EXPECT_TRUE(W.Control<QRadioButton>(QStringLiteral("XX_real"))->isChecked());
}

TEST_F(CvarRows, ASliderMarksTheModModifiedOnlyWhenTheUserMovesIt)
{
    auto* rate = W.Control<QSlider>(QStringLiteral("XX_rate"));
    ASSERT_NE(rate, nullptr);
    EXPECT_EQ(rate->pageStep(), 10);
    const int loadingDone = UInit::LoadingDone;
    UInit::LoadingDone = 1;
    Logic.State.Modified = 0;
    {
        const UInit::TLoadingGuard loading;
        rate->setValue(30);
    }
    EXPECT_EQ(Logic.State.Modified, 0);
    rate->setValue(40);
    EXPECT_EQ(Logic.State.Modified, 1);
    UInit::LoadingDone = loadingDone;
}

TEST_F(CvarRows, ReadingFollowsEachRowsRuleAndTellsKnownNames)
{
    const TCvarTable t = Table();
    struct {
        const char* Name;
        const char* Value;
        bool Known;
    } cases[] = {{"mp_limit", "45.00000", true}, {"mp_box", "Yes", true}, {"mp_mode", "2.00000", true},
                 {"mp_falldamage", "0", true},   {"mp_teamlist", "a;b", true},
                 {"mp_maxbots", "3", false},     {"MP_LIMIT", "1", false}, {"", "x", false}};
    for (const auto& c : cases)
        EXPECT_EQ(ModCvars::ApplyCvar(W, t, QString::fromLatin1(c.Name), QString::fromLatin1(c.Value)), c.Known)
            << c.Name;
    EXPECT_EQ(W.Control<TNumberEdit>(QStringLiteral("XX_limit"))->Text(), QStringLiteral("45"));
    EXPECT_TRUE(W.Control<QCheckBox>(QStringLiteral("XX_box"))->isChecked());
    EXPECT_EQ(W.Control<QComboBox>(QStringLiteral("XX_mode"))->currentIndex(), 2);
    EXPECT_TRUE(W.Control<QRadioButton>(QStringLiteral("XX_classic"))->isChecked());
    EXPECT_EQ(OwnValue, QStringLiteral("a;b"));
}

// Only the exact "1" ticks the first radio of a pair; what the other reads take for true does not.
TEST_F(CvarRows, RadioPairTicksTheFirstForExactlyOne)
{
    const TCvarTable t = Table();
    auto* real = W.Control<QRadioButton>(QStringLiteral("XX_real"));
    auto* classic = W.Control<QRadioButton>(QStringLiteral("XX_classic"));
    for (const char* value : {"1", "0", "Yes", "1.00000", " 1", "2", ""}) {
        const bool first = QByteArray(value) == "1";
        ModCvars::ApplyCvar(W, t, QStringLiteral("mp_falldamage"), QString::fromLatin1(value));
        EXPECT_EQ(real->isChecked(), first) << value;
        EXPECT_EQ(classic->isChecked(), !first) << value;
        EXPECT_TRUE(ModCvars::GameCfgLines(W, t).contains(
            QStringLiteral("\"mp_falldamage\"\t\t\"") + (first ? "1" : "0") + QStringLiteral("\"")))
            << value;
    }
    // The kept pair is read and written alike, but the defaults leave it as it stands.
    const TCvarTable kept{ModCvars::KeptRadioPair(QStringLiteral("mp_falldamage"), QStringLiteral("XX_real"),
                                                  QStringLiteral("XX_classic"))};
    ModCvars::ApplyCvar(W, kept, QStringLiteral("mp_falldamage"), QStringLiteral("0"));
    ModCvars::ApplyDefaults(W, kept);
    EXPECT_TRUE(classic->isChecked());
    ModCvars::ApplyDefaults(W, t);
    EXPECT_TRUE(real->isChecked());
}

TEST_F(CvarRows, WritingGivesEachRowsFormConditionalLinesAndSendVelocityLast)
{
    const TCvarTable t = Table();
    ModCvars::ApplyDefaults(W, t);
    OwnValue = QStringLiteral("red;blue");
    const QStringList off = ModCvars::GameCfgLines(W, t);
    EXPECT_EQ(off, (QStringList{"\"mp_limit\"\t\t\"10.00000\"", "\"mp_box\"\t\t\"0\"",
                                "\"mp_mode\"\t\t\"1.00000\"", "\"mp_falldamage\"\t\t\"1\"",
                                "\"mp_maxbots\"\t\t\"0.000000\"", "\"mp_teamlist\"\t\t\"red;blue\"",
                                "\"sv_sendvelocity\"\t\t\"0\"", "\"mp_curses\"\t\t\"1\""}));
    W.Control<QCheckBox>(QStringLiteral("XX_box"))->setChecked(true);
    const QStringList on = ModCvars::GameCfgLines(W, t);
    EXPECT_EQ(on.size(), off.size() + 1);
    EXPECT_EQ(on.at(4), QStringLiteral("\"mp_botteam\"\t\t\"0\""));
    EXPECT_EQ(on.at(on.size() - 2), ModCvars::SendVelocityLine());
}

// ---------------------------------------------------------------- number field

TEST(NumberEdit, KeepsRawTextAndFiltersTyping)
{
    TNumberEdit n(0, 90, 2);
    int edited = 0;
    QObject::connect(&n, &TNumberEdit::Edited, [&] { ++edited; });
    n.SetText(QStringLiteral("120"));
    EXPECT_EQ(n.Text(), QStringLiteral("120"));
    EXPECT_EQ(edited, 0);
    EXPECT_EQ(n.ClampedValue(0), 90);

    auto* line = n.findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    line->selectAll();
    TModTestEnv::Type(&n, QStringLiteral("4a5x6"));
    EXPECT_EQ(n.Text(), QStringLiteral("45"));    // letters refused, at most two digits
    EXPECT_GT(edited, 0);
    line->selectAll();
    TModTestEnv::Type(&n, QStringLiteral("99"));
    emit line->editingFinished();                 // typed beyond the range: the nearer end
    EXPECT_EQ(n.Text(), QStringLiteral("90"));

    n.SetText(QStringLiteral("abc"));
    EXPECT_EQ(n.Value(7), 7);
    n.SetText(QStringLiteral("95"));
    n.stepBy(1);                                  // from outside the range: the nearer end
    EXPECT_EQ(n.Text(), QStringLiteral("90"));
    n.stepBy(-100);
    EXPECT_EQ(n.Text(), QStringLiteral("0"));
}


// ---------------------------------------------------------------- optional activation steps

TModTraits EditorTraits()
{
    TModTraits s;
    s.Key = QStringLiteral("Opera");   // borrows The Opera's row for its folder
    s.Prefix = QStringLiteral("EB");
    s.Title = QStringLiteral("Editor Probe");
    s.ShortName = QStringLiteral("Probe");
    s.OutsideBotEditor = true;
    s.MapConfig = true;
    return s;
}

// The same probe with the bot editor of the template.
TModTraits PlainTraits()
{
    TModTraits s = EditorTraits();
    s.OutsideBotEditor = false;
    return s;
}

class TEditorWindow : public TModWindow {
public:
    explicit TEditorWindow(TModLogic& logic) : TModWindow(logic, nullptr) { BuildWindow(); }
};

TEST(OptionalActivationSteps, OutsideEditorReplacesTheBotListAndMapConfigShowsItsButton)
{
    for (const bool editorPresent : {true, false}) {
        TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("Editor Bot"));
        env.Program.AddFile(QStringLiteral("Mods/Opera.ini"),
                            "[Editor Bot]\r\ndll=dlls\\e.dll\r\nBotEditor=edit.exe\r\n"
                            "BotEditorPath=/tools/\r\nconfig=.cfg\r\naddbot=addbot <name>\r\n");
        QFile::remove(env.ProgramFile(QStringLiteral("Bots/EB_Bots.ini")));
        if (editorPresent)
            env.HL.AddFile(QStringLiteral("tools/edit.exe"), "MZ");
        TIniFile::FlushCache();
        TModLogic logic(EditorTraits());
        TEditorWindow w(logic);
        w.FormActivate();

        EXPECT_TRUE(w.GB_BotList->isHidden());
        EXPECT_FALSE(w.B_BotEditor->isHidden());
        EXPECT_EQ(w.B_BotEditor->text(), QStringLiteral("Open Editor Bot Editor"));
        EXPECT_EQ(w.B_BotEditor->isEnabled(), editorPresent);
        EXPECT_FALSE(w.BEditCfg->isHidden());
        // No store is no warning for such a bot, and no bot is needed to play.
        EXPECT_TRUE(env.Dialogs.Texts(Dialogs::TKind::Warning).isEmpty());
        EXPECT_FALSE(logic.CheckConf());
        EXPECT_EQ(env.Dialogs.Texts(Dialogs::TKind::Error),
                  QStringList{QStringLiteral("You must select a starting map.")});

        Shell::TRequest seen;
        Shell::SetStarter([&seen](const Shell::TRequest& r, QString*) {
            seen = r;
            return true;
        });
        w.B_BotEditorClick();
        Shell::SetStarter({});
        EXPECT_EQ(seen.File, QStringLiteral("edit.exe"));
        EXPECT_EQ(QDir::cleanPath(seen.WorkDir), env.HL.Root() + QStringLiteral("/tools"));

        // The bot program keeps its own bot list: no bot file at launch.
        QString error;
        EXPECT_TRUE(logic.WriteBotCfg(error));
        EXPECT_FALSE(TModTestEnv::Exists(env.ModFile(QStringLiteral("bot.cfg"))));
    }
}


// ---------------------------------------------------------------- chat-file chooser

TEST(ChatFileChooser, SavesBeforeOpeningAndShowsOnlyTheChosenFile)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("Chat Bot"));
    env.Program.AddFile(QStringLiteral("Mods/Opera.ini"),
                        "[Chat Bot]\r\ndll=dlls\\c.dll\r\nchatfile=chat\\taunt.txt\r\n");
    const QString taunt = env.HL.AddFile(QStringLiteral("opera/chat/taunt.txt"), "gg\r\n");
    const QString loss = env.ModFile(QStringLiteral("chat/loss.txt"));
    TIniFile::FlushCache();
    TModTraits traits = PlainTraits();
    traits.ChatChooserFolder = QStringLiteral("chat\\");
    TModLogic logic(traits);
    TEditorWindow w(logic);
    w.FormActivate();
    ASSERT_EQ(w.chatkill->toPlainText(), QStringLiteral("gg"));
    EXPECT_TRUE(w.Selectchat->isHidden());

    w.ShowChatFiles({QStringLiteral("taunt.txt"), QStringLiteral("loss.txt")});
    EXPECT_FALSE(w.Selectchat->isHidden());
    EXPECT_FALSE(w.Lab_SelectChat->isHidden());
    EXPECT_EQ(w.Selectchat->itemText(0), QStringLiteral("loss.txt"));
    // The chooser shows the file the memo was loaded from.
    EXPECT_EQ(w.Selectchat->currentText(), QStringLiteral("taunt.txt"));
    EXPECT_EQ(logic.State.ChatFileName, QStringLiteral("chat\\taunt.txt"));

    // Opening the list keeps what was typed in the file it belongs to ...
    w.chatkill->setPlainText(QStringLiteral("gg\nwp"));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.Selectchat, &press);
    EXPECT_EQ(TModTestEnv::Read(taunt), QByteArray("gg\r\nwp\r\n"));
    // ... a file that does not exist yet starts empty and is not created empty ...
    w.Selectchat->setCurrentIndex(0);
    w.SelectChatChange();
    EXPECT_EQ(logic.State.ChatFileName, QStringLiteral("chat\\loss.txt"));
    EXPECT_TRUE(w.chatkill->toPlainText().isEmpty());
    w.SelectchatDropDown();
    EXPECT_FALSE(TModTestEnv::Exists(loss));
    // ... and choosing the first file again shows its text.
    w.Selectchat->setCurrentIndex(1);
    w.SelectChatChange();
    EXPECT_EQ(w.chatkill->toPlainText(), QStringLiteral("gg\nwp"));
    // A choice made without opening the list (the keyboard) keeps the typed text too.
    w.chatkill->setPlainText(QStringLiteral("gg\nwp\nlol"));
    w.Selectchat->setCurrentIndex(0);
    w.SelectChatChange();
    EXPECT_EQ(TModTestEnv::Read(taunt), QByteArray("gg\r\nwp\r\nlol\r\n"));
    EXPECT_TRUE(w.chatkill->toPlainText().isEmpty());
    EXPECT_TRUE(env.Dialogs.Texts(Dialogs::TKind::Error).isEmpty());

    // A bot section whose chat file is none of the list: the first one is shown and loaded.
    logic.State.ChatFileName = QStringLiteral("other.txt");
    w.ShowChatFiles({QStringLiteral("taunt.txt"), QStringLiteral("loss.txt")});
    EXPECT_EQ(w.Selectchat->currentText(), QStringLiteral("loss.txt"));
    EXPECT_EQ(logic.State.ChatFileName, QStringLiteral("chat\\loss.txt"));
}


TEST(OptionalActivationSteps, AModWithoutAChoiceOfBotOnlyLoads)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QString());
    env.HL.AddMap(QStringLiteral("opera"), QStringLiteral("op_db_chrest"));
    TIniFile::FlushCache();
    TModTraits traits = PlainTraits();
    traits.ReadsBotSection = false;
    TModLogic logic(traits);
    TEditorWindow w(logic);
    w.FormActivate();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Editor Probe"));
    EXPECT_EQ(w.Label84->text(), QStringLiteral("Available Maps"));
    EXPECT_EQ(w.MapDispo->count(), 1);
    EXPECT_EQ(logic.State.ActivationFlag, QStringLiteral("O"));
    EXPECT_EQ(logic.State.Modified, 0);
}


TEST(OptionalActivationSteps, BotsWithoutAModelHaveNoModelControls)
{
    TModTestEnv env(QStringLiteral("Opera"), QStringLiteral("opera"), QStringLiteral("HPB Bot"));
    TModTraits traits = PlainTraits();
    traits.HasModelChooser = false;
    TModLogic logic(traits);
    TEditorWindow w(logic);
    w.FormActivate();
    EXPECT_EQ(w.botmodel, nullptr);
    EXPECT_EQ(w.BotPic, nullptr);
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("SpeedButton13")), nullptr);
    w.SBCreeBotClick(false);
    w.SBCreeBotClick(true);
    ASSERT_EQ(w.ListBot->count(), 2);
    w.ListBot->setCurrentRow(0);
    w.ListBotClick();
    EXPECT_EQ(w.botname->text(), QStringLiteral("NewBot"));
    EXPECT_TRUE(logic.Bots()[1][1].isEmpty());
}


// ---------------------------------------------------------------- config.cfg binds

TEST(ConfigBinds, AddedOnceOldOnesReplacedAndAMissingFileLeftMissing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("config.cfg"));
    QString error;
    const QString bind = ModWriters::BindLine(QStringLiteral("F5"), QStringLiteral("exec bot.cfg"));
    EXPECT_EQ(bind, QStringLiteral("bind \"F5\" \"exec bot.cfg\""));
    EXPECT_TRUE(ModWriters::AppendLineOnce(path, bind, error));
    EXPECT_FALSE(QFile::exists(path));

    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("name \"J\xe9r\xf4me\"\r\nbind \"F6\" \"exec bot.cfg\"\r\n");
    }
    // The old bind goes, the new one comes once, the Latin-1 name keeps its bytes.
    auto isBotBind = [](const QString& l) { return l.contains(QStringLiteral("\"exec bot.cfg\"")); };
    EXPECT_TRUE(ModWriters::RewriteConfigLines(path, isBotBind, {bind}, error));
    EXPECT_TRUE(ModWriters::RewriteConfigLines(path, isBotBind, {bind}, error));
    EXPECT_TRUE(ModWriters::AppendLineOnce(path, QStringLiteral("  ") + bind, error));
    EXPECT_EQ(TModTestEnv::Read(path), QByteArray("name \"J\xe9r\xf4me\"\r\nbind \"F5\" \"exec bot.cfg\"\r\n"));
    EXPECT_TRUE(ModWriters::RewriteConfigLines(path, isBotBind, {}, error));
    EXPECT_EQ(TModTestEnv::Read(path), QByteArray("name \"J\xe9r\xf4me\"\r\n"));
    EXPECT_TRUE(error.isEmpty());
}


// ---------------------------------------------------------------- key choosers in their captions

TEST(KeyChooserInCaption, HoldsEveryKeyNameAndTheCaptionsTailWrapsBelowWhenTheRowIsShort)
{
    for (const auto& [parentWidth, wraps] : {std::pair{560, false}, std::pair{270, true}}) {
        SCOPED_TRACE(parentWidth);
        QWidget parent;
        parent.resize(parentWidth, 200);
        auto* label = new QLabel(QStringLiteral("Bind                             to spawn the bots"), &parent);
        label->setObjectName(QStringLiteral("Lab_ExecKey"));
        label->move(10, 30);
        label->resize(label->sizeHint());
        auto* chooser = new QComboBox(&parent);
        const int height = TModWindow::PlaceKeyChooser(label, chooser, QStringLiteral("Bind"));

        EXPECT_EQ(label->text(), QStringLiteral("Bind"));
        auto* tail = label->findChild<QLabel*>(QStringLiteral("Lab_ExecKeyTail"));
        ASSERT_NE(tail, nullptr);
        EXPECT_EQ(tail->text(), QStringLiteral("to spawn the bots"));
        // No key chosen yet, and the chooser's text field holds the longest key name.
        EXPECT_EQ(chooser->currentIndex(), -1);
        QStyleOptionComboBox option;
        option.initFrom(chooser);
        const int room = chooser->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, chooser)
                             .width();
        ASSERT_GE(chooser->findText(QStringLiteral("Num Keypad ENTER")), 0);
        for (int i = 0; i < chooser->count(); ++i)
            EXPECT_LE(chooser->fontMetrics().horizontalAdvance(chooser->itemText(i)), room)
                << chooser->itemText(i).toStdString();

        // Nothing overlaps, everything stays inside the parent, the caption reads in order.
        const QRect head(label->pos(), QSize(label->fontMetrics().horizontalAdvance(label->text()), 1));
        const QRect rest(label->mapTo(&parent, tail->pos()), tail->size());
        EXPECT_LT(head.right(), chooser->x());
        EXPECT_FALSE(rest.intersects(chooser->geometry()));
        EXPECT_LE(rest.right(), parentWidth);
        EXPECT_LE(chooser->geometry().right(), parentWidth);
        EXPECT_LE(tail->fontMetrics().horizontalAdvance(tail->text()), tail->width());
        EXPECT_EQ(rest.top() > chooser->geometry().bottom(), wraps);
        if (wraps)
            EXPECT_EQ(rest.left(), chooser->x());
        else
            EXPECT_GT(rest.left(), chooser->geometry().right());
        EXPECT_EQ(label->y() + height, qMax(rest.bottom(), chooser->geometry().bottom()) + 1);
        // The tail shows and hides with its caption.
        parent.show();
        label->hide();
        EXPECT_FALSE(tail->isVisibleTo(&parent));
    }
}

} // namespace
