// What every mod window promises, run over every mod that registers one: it opens offscreen and
// loads its defaults; a save reloads as the same store; Restore Default and an empty or damaged
// store load without a crash; a mod that writes its files at launch writes liblist.gam; letters in
// a stored number or flag write the same files as the key left out.
#include "mods/common/ModTestEnv.h"

#include "core/UInitMain.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "platform/FileSys.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QSet>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QStyleOptionComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>
#include <utility>

namespace {

QStringList RegisteredMods()
{
    QStringList keys;
    for (const TModRow& row : ModTable::Rows())
        if (row.Hooks.CreateWindow)
            keys << row.Key;
    return keys;
}

// The first bot the mod's Mods file offers ("" for a mod without a choice of bot).
QString FirstBot(const TModRow& row)
{
    if (!row.HasBotSelector())
        return QString();
    const TIniFile mods(UInit::ModsIniPath(row.ListKey));
    return mods.ReadString(QStringLiteral("Default"), QStringLiteral("Bot1"), QString());
}

QString FolderOf(const TModRow& row)
{
    return row.Folder.isEmpty() ? QStringLiteral("valve") : row.Folder;
}

// Every bot program the mod's Mods file offers ("" alone for a mod without a choice of bot).
QStringList OfferedBots(const TModRow& row)
{
    QStringList bots;
    if (row.HasBotSelector()) {
        const TIniFile mods(UInit::ModsIniPath(row.ListKey));
        for (int n = 1; n <= 32; ++n) {
            const QString bot = mods.ReadString(QStringLiteral("Default"), QStringLiteral("Bot") + QString::number(n),
                                                QString());
            if (!bot.isEmpty() && !bots.contains(bot))
                bots << bot;
        }
    }
    return bots.isEmpty() ? QStringList{QString()} : bots;
}

// The folders every case starts from: the mod folder with a map and its cycle, the mod's first
// bot chosen.
void Prepare(TModTestEnv& env, const TModRow& row)
{
    UInit::SelectedBot = FirstBot(row);
    env.HL.AddMap(FolderOf(row), QStringLiteral("contract_map"));
    env.HL.AddFile(FolderOf(row) + QStringLiteral("/mapcycle.txt"), "contract_map\r\n");
    TIniFile::FlushCache();
}

// The bot program installed as its Mods file places it: its library, the folder of its file and,
// for Parabot, its folder of the game.
void Install(TModTestEnv& env, const TModRow& row, const QString& bot)
{
    if (bot.isEmpty())
        return;
    const TIniFile mods(UInit::ModsIniPath(row.ListKey));
    const QDir mod(FolderOf(row));
    auto below = [&](const QString& key) {
        const QString path = mods.ReadString(bot, key, QString()).replace(QLatin1Char('\\'), QLatin1Char('/'));
        return path.isEmpty() ? QString() : QDir::cleanPath(mod.filePath(path));
    };
    if (const QString dll = below(QStringLiteral("dll")); !dll.isEmpty()) {
        env.HL.AddFile(dll, "MZ");
        if (dll.startsWith(QLatin1String("Parabot/"), Qt::CaseInsensitive))
            QDir(env.HL.Root()).mkpath(QStringLiteral("Parabot/") + FolderOf(row));
    }
    if (const QString file = below(QStringLiteral("botfile")); !file.isEmpty())
        QDir(env.HL.Root()).mkpath(QFileInfo(file).path());
}

// Every file below the program and game folders with its bytes, by its path below them: some
// mods keep their bots in their own files (bot.cfg, .bot files) rather than in the bot store.
QMap<QString, QByteArray> FilesOf(const TModTestEnv& env)
{
    QMap<QString, QByteArray> files;
    for (const auto& [name, root] : {std::pair{"program/", env.Program.Root()}, std::pair{"hl/", env.HL.Root()}}) {
        const QDir base(root);
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(QLatin1String(name) + base.relativeFilePath(path), TModTestEnv::Read(path));
        }
    }
    return files;
}

// A row the store keeps as a number: a flag is one too, stored 0/1 and written so to the bot
// programs.
bool HoldsANumber(const TStoreRow& row)
{
    return row.Kind == TStoreKind::Number || row.Kind == TStoreKind::Flag;
}

// The bot store keys that hold numbers or flags, as the template and the mod's rows declare them:
// [Default]-like keys with their section, and the keys of each [Bot N]. The counts (numbot,
// spawnbot) are left out: the stores hold two bots to play.
struct TNumberKeys {
    QVector<QPair<QString, QString>> Window;
    QStringList Bot;
};

TNumberKeys NumberKeys(const TModLogic& logic)
{
    const TModTraits& t = logic.Traits();
    const QString def = QStringLiteral("Default");
    TNumberKeys keys;
    auto window = [&keys](const QString& section, const QString& key) {
        for (const auto& [s, k] : std::as_const(keys.Window))
            if (!s.compare(section, Qt::CaseInsensitive) && !k.compare(key, Qt::CaseInsensitive))
                return;
        if (key.compare(QLatin1String("numbot"), Qt::CaseInsensitive) &&
            key.compare(QLatin1String("spawnbot"), Qt::CaseInsensitive))
            keys.Window.append({section, key});
    };
    auto bot = [&keys](const QString& key) {
        if (!keys.Bot.contains(key, Qt::CaseInsensitive))
            keys.Bot << key;
    };
    if (t.HasBotsPage) {
        if (t.DefaultSkillKey)
            window(def, logic.SkillKey());
        if (t.ChatKeys)
            for (const char* key : {"chatfreq", "chatfreq_kill", "chatfreq_died"})
                window(def, QLatin1String(key));
        bot(logic.SkillKey());
        if (t.ModeleKey && (t.Models == TModelSource::ClassList || t.Profile.ModelStorage != TModelStorage::Name))
            bot(QStringLiteral("modele"));
        for (const TStoreRow& row : logic.BotStoreRows())
            if (HoldsANumber(row) && (!row.When || row.When()) && row.Slot >= 0)
                bot(row.Key);
    }
    for (const TStoreRow& row : logic.StoreRows())
        if (HoldsANumber(row) && (!row.When || row.When()) && row.Slot < 0)
            window(row.Section, row.Key);
    return keys;
}

// A store of two bots with value in every number key, or without those keys (value null).
QByteArray StoreOfTwo(const TNumberKeys& keys, const char* value)
{
    QMap<QString, QByteArray> sections;
    QStringList order{QStringLiteral("Default")};
    sections[QStringLiteral("Default")] = "numbot=2\r\nspawnbot=2\r\n";
    for (const auto& [section, key] : keys.Window) {
        if (!order.contains(section, Qt::CaseInsensitive))
            order << section;
        if (value)
            sections[section] += key.toUtf8() + '=' + value + "\r\n";
    }
    QByteArray store;
    for (const QString& section : std::as_const(order))
        store += '[' + section.toUtf8() + "]\r\n" + sections.value(section);
    for (const char* name : {"Alpha", "Bravo"}) {
        store += QByteArray("[Bot ") + (name[0] == 'A' ? '1' : '2') + "]\r\nnom=" + name + "\r\n";
        if (value)
            for (const QString& key : keys.Bot)
                store += key.toUtf8() + '=' + value + "\r\n";
    }
    return store;
}

// A store with the keys of each section in order of their lines' text: a save replaces a key
// where it stands and adds a missing one at its section's end, so two stores of the same values
// may list them in another order.
QByteArray KeysInOrder(const QByteArray& store)
{
    QByteArray out;
    QList<QByteArray> keys;
    auto section = [&] {
        std::sort(keys.begin(), keys.end());
        for (const QByteArray& key : std::as_const(keys))
            out += key + '\n';
        keys.clear();
    };
    for (const QByteArray& line : store.split('\n')) {
        if (line.startsWith('[')) {
            section();
            out += line + '\n';
        } else {
            keys << line;
        }
    }
    section();
    return out;
}

bool IsNumber(const QByteArray& text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

// The lines of withLetters that hold an empty argument where the same line of without has a
// number ("addbot 1  Alpha", a trailing blank): the bot programs' readers take those apart.
QStringList EmptyWhereANumberWas(const QByteArray& withLetters, const QByteArray& without)
{
    QStringList found;
    const QList<QByteArray> lines = QByteArray(withLetters).replace('\r', "").split('\n');
    const QList<QByteArray> others = QByteArray(without).replace('\r', "").split('\n');
    for (qsizetype i = 0; i < lines.size() && i < others.size(); ++i) {
        const QList<QByteArray> args = lines[i].split(' ');
        const QList<QByteArray> numbers = others[i].split(' ');
        for (qsizetype a = 0; a < args.size() && a < numbers.size(); ++a)
            if (args[a].isEmpty() && IsNumber(numbers[a])) {
                found << QString::fromUtf8(lines[i]);
                break;
            }
    }
    return found;
}

class ModContract : public ::testing::TestWithParam<QString> {
protected:
    ModContract() : Env(GetParam(), FolderOf(*ModTable::Find(GetParam())), QString()) { Prepare(Env, Row()); }

    std::unique_ptr<TModWindow> Open()
    {
        QDialog* d = Row().Hooks.CreateWindow(nullptr);
        auto* w = qobject_cast<TModWindow*>(d);
        EXPECT_NE(w, nullptr) << "the window is a template window";
        if (!w) {
            delete d;
            return nullptr;
        }
        Row().Window = w;
        w->FormActivate();
        return std::unique_ptr<TModWindow>(w);
    }

    QByteArray Store(const TModWindow& w) const
    {
        return TModTestEnv::Read(w.Logic().BotsIniPath());
    }

    QMap<QString, QByteArray> AllFiles() const { return FilesOf(Env); }

    // What a user's road through the mod leaves behind from a hand-edited store: the files after
    // a launch from the files alone, then after the window applied and a second launch. Each
    // stage keeps every file there and the ones it wrote.
    struct TStage {
        QMap<QString, QByteArray> Files;
        QSet<QString> Written;
    };
    QVector<TStage> Road(const QString& bot, const char* value, QString& store)
    {
        TModTestEnv env(GetParam(), FolderOf(Row()), QString());
        Prepare(env, Row());
        UInit::SelectedBot = bot;
        Install(env, Row(), bot);
        QString path;
        TNumberKeys keys;
        if (auto probe = Open()) {
            path = probe->Logic().BotsIniPath();
            keys = NumberKeys(probe->Logic());
        }
        store = QDir(env.Program.Root()).relativeFilePath(path);
        env.Program.AddFile(store, StoreOfTwo(keys, value));
        store.prepend(QStringLiteral("program/"));
        TIniFile::FlushCache();
        env.Dialogs.Clear();

        QVector<TStage> stages;
        QMap<QString, QByteArray> before = FilesOf(env);
        auto stage = [&] {
            TStage s{FilesOf(env), {}};
            for (auto it = s.Files.cbegin(); it != s.Files.cend(); ++it)
                if (!before.contains(it.key()) || before.value(it.key()) != it.value())
                    s.Written.insert(it.key());
            before = s.Files;
            stages << s;
        };
        const bool launches = Row().Hooks.LaunchWriters && Row().HasBotSelector();
        QString error;
        if (launches)
            EXPECT_TRUE(Row().Hooks.LaunchWriters(error)) << error.toStdString();
        stage();
        if (auto w = Open()) {
            EXPECT_TRUE(w->Logic().SaveConf())
                << env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
        }
        if (launches)
            EXPECT_TRUE(Row().Hooks.LaunchWriters(error)) << error.toStdString();
        stage();
        return stages;
    }

    // Looked up each time: the environment's copy of the rows makes the table detach.
    TModRow& Row() const { return *ModTable::Find(GetParam()); }
    TModTestEnv Env;
};

// Whether the widget shows when its window is shown and its page is the current one: the pages
// of a tab widget other than the current one are hidden, but their controls are there for the
// user all the same (a page the mod took out of its tabs is not).
bool OnItsPage(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        if (!w->isHidden())
            continue;
        const auto* stack = qobject_cast<const QStackedWidget*>(w->parentWidget());
        const auto* tabs = stack ? qobject_cast<const QTabWidget*>(stack->parentWidget()) : nullptr;
        if (!tabs || tabs->indexOf(const_cast<QWidget*>(w)) < 0)
            return false;
    }
    return true;
}

std::string ModName(const ::testing::TestParamInfo<QString>& info)
{
    std::string n = info.param.toStdString();
    for (char& c : n)
        if (!isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return n;
}

TEST_P(ModContract, OpensAndASaveReloadsAsTheSameStore)
{
    auto w = Open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->Logic().State.Modified, 0) << "loading marks nothing";
    // Two bots of the template's own creation, then a save through Apply.
    if (w->SBCreeBot && OnItsPage(w->SBCreeBot, w.get())) {
        w->SBCreeBotClick(false);
        w->SBCreeBotClick(true);
    }
    ASSERT_TRUE(w->Logic().SaveConf()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    const QByteArray first = Store(*w);
    const QMap<QString, QByteArray> firstFiles = AllFiles();
    w.reset();

    // Reopened, it shows what was saved and saves it again unchanged.
    Env.Dialogs.Clear();
    auto again = Open();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Logic().State.Modified, 0);
    ASSERT_TRUE(again->Logic().SaveConf()) << Env.Dialogs.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Store(*again), first);
    const QMap<QString, QByteArray> againFiles = AllFiles();
    EXPECT_EQ(againFiles.keys(), firstFiles.keys()) << "the second save writes the same files";
    for (auto it = firstFiles.cbegin(); it != firstFiles.cend(); ++it)
        EXPECT_EQ(againFiles.value(it.key()), it.value()) << it.key().toStdString();
}

TEST_P(ModContract, HasNoTitleBarButtonsAndTabLeavesEveryMemo)
{
    auto w = Open();
    ASSERT_TRUE(w);
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    for (const Qt::WindowType button : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                        Qt::WindowCloseButtonHint, Qt::WindowSystemMenuHint})
        EXPECT_FALSE(flags.testFlag(button)) << button;
    for (QPlainTextEdit* memo : w->findChildren<QPlainTextEdit*>()) {
        SCOPED_TRACE(memo->objectName().toStdString());
        const QString before = memo->toPlainText();
        for (const Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::NoModifier),
                                                 Qt::KeyboardModifiers(Qt::ControlModifier)}) {
            QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, mods, QStringLiteral("\t"));
            QApplication::sendEvent(memo, &tab);
        }
        EXPECT_EQ(memo->toPlainText(), before);
    }
}

// Every caption the window shows fits its control: a label's text, a check box's or button's
// caption, and each entry of a chooser beside its arrow (the bot's model among them).
TEST_P(ModContract, NoCaptionIsCut)
{
    auto w = Open();
    ASSERT_TRUE(w);
    if (w->SBCreeBot && OnItsPage(w->SBCreeBot, w.get()))
        w->SBCreeBotClick(false);
    for (QComboBox* chooser : w->findChildren<QComboBox*>()) {
        // A key chooser left in the one-line gap of its caption ("Bind ... to create the bots")
        // has no room for the longest key names; PlaceKeyChooser's test covers the ones it places.
        if (!OnItsPage(chooser, w.get()) || w->KeyChoosers.contains(chooser))
            continue;
        QStyleOptionComboBox option;
        option.initFrom(chooser);
        option.editable = chooser->isEditable();
        const int room = chooser->style()
                             ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, chooser)
                             .width();
        for (int i = 0; i < chooser->count(); ++i)
            EXPECT_LE(chooser->fontMetrics().horizontalAdvance(chooser->itemText(i)), room)
                << chooser->objectName().toStdString() << ": " << chooser->itemText(i).toStdString();
    }
    for (QLabel* label : w->findChildren<QLabel*>()) {
        if (!OnItsPage(label, w.get()) || label->wordWrap() || label->text().isEmpty() ||
            label->textFormat() == Qt::RichText)
            continue;
        for (const QString& line : label->text().split(QLatin1Char('\n')))
            EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->contentsRect().width())
                << label->objectName().toStdString() << ": " << line.toStdString();
    }
    for (QAbstractButton* button : w->findChildren<QAbstractButton*>()) {
        if (!OnItsPage(button, w.get()) || button->text().isEmpty() || !qobject_cast<QCheckBox*>(button))
            continue;
        EXPECT_LE(button->sizeHint().width(), button->width())
            << button->objectName().toStdString() << ": " << button->text().toStdString();
    }
}

TEST_P(ModContract, RestoreDefaultAndEmptyOrDamagedStoresLoadWithoutACrash)
{
    const char* stores[] = {
        "",
        "[Default]\r\nnumbot=abc\r\nspawnbot=-5\r\nskill5=x\r\n[Bot 1]\r\nnom=\r\nmodele=\r\n",
        "[Default]\r\nnumbot=3\r\n[Bot 1]\r\nnom=a b\r\nmodele=999\r\nskill5=-7\r\nteam=x\r\n"
        "[Bot 3]\r\nnom=c\r\nmodele=zz\r\nskill5=1e9\r\n",
        "\xEF\xBB\xBF[Default]\r\nnumbot=1\r\n[Bot 1]\r\nnom=Caf\xE9\r\n",
    };
    for (const char* bytes : stores) {
        SCOPED_TRACE(bytes);
        auto probe = Open();
        ASSERT_TRUE(probe);
        const QString path = probe->Logic().BotsIniPath();
        probe.reset();
        Env.Program.AddFile(QDir(Env.Program.Root()).relativeFilePath(path), bytes);
        TIniFile::FlushCache();
        auto w = Open();
        ASSERT_TRUE(w);
        if (w->ListBot)
            EXPECT_LE(w->ListBot->count(), 32);
        Env.Dialogs.ExpectConfirm(true);
        w->BRestoreDefClick();
        Env.Dialogs.ExpectConfirm(true);
        w->BRestoreConfClick();
        EXPECT_EQ(Env.Dialogs.PendingAnswers(), 0);
    }
}

TEST_P(ModContract, ALaunchWritesLiblist)
{
    if (!Row().Hooks.LaunchWriters || !Row().HasBotSelector())
        GTEST_SKIP() << "writes its files when saved";
    // From the files alone: a launch needs no visit of the window.
    QString error;
    ASSERT_TRUE(Row().Hooks.LaunchWriters(error)) << error.toStdString();
    EXPECT_TRUE(FileSys::FileExists(FileSys::JoinPath(Row().Dir, QStringLiteral("liblist.gam"))));
}

// A hand-edited store with letters in its number and flag keys ("skill5=abc", "botchat=abc")
// reads as the same store without them, so every file a launch or a save writes is the one the field's default gives.
TEST_P(ModContract, LettersInAStoredNumberWriteWhatTheMissingKeyWrites)
{
    for (const QString& bot : OfferedBots(Row())) {
        SCOPED_TRACE(bot.toStdString());
        QString store;
        const QVector<TStage> letters = Road(bot, "abc", store);
        const QVector<TStage> missing = Road(bot, nullptr, store);
        ASSERT_EQ(letters.size(), missing.size());
        for (qsizetype i = 0; i < letters.size(); ++i) {
            SCOPED_TRACE(i == 0 ? "launched from the files" : "applied, then launched");
            for (const QString& path : letters[i].Written + missing[i].Written) {
                const QByteArray got = letters[i].Files.value(path, "<missing>");
                const QByteArray want = missing[i].Files.value(path, "<missing>");
                if (path == store)
                    EXPECT_EQ(KeysInOrder(got), KeysInOrder(want)) << path.toStdString();
                else
                    EXPECT_EQ(got, want) << path.toStdString();
                EXPECT_EQ(EmptyWhereANumberWas(got, want), QStringList()) << path.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMod, ModContract, ::testing::ValuesIn(RegisteredMods()), ModName);

} // namespace
