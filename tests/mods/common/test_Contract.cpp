// What every mod window promises, run over every mod that registers one: it opens offscreen and
// loads its defaults; a save reloads as the same store; Restore Default and an empty or damaged
// store load without a crash; a mod that writes its files at launch writes liblist.gam.
#include "mods/common/ModTestEnv.h"

#include "core/UInitMain.h"
#include "mods/common/ModLogic.h"
#include "mods/common/ModWindow.h"
#include "platform/FileSys.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
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
#include <memory>

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

class ModContract : public ::testing::TestWithParam<QString> {
protected:
    ModContract() : Env(GetParam(), FolderOf(*ModTable::Find(GetParam())), QString())
    {
        UInit::SelectedBot = FirstBot(Row());
        Env.HL.AddMap(FolderOf(Row()), QStringLiteral("contract_map"));
        Env.HL.AddFile(FolderOf(Row()) + QStringLiteral("/mapcycle.txt"), "contract_map\r\n");
        TIniFile::FlushCache();
    }

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

    // Every file below the program and game folders with its bytes: some mods keep their bots
    // in their own files (bot.cfg, .bot files) rather than in the bot store.
    QMap<QString, QByteArray> AllFiles() const
    {
        QMap<QString, QByteArray> files;
        for (const QString& root : {Env.Program.Root(), Env.HL.Root()}) {
            QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                files.insert(path, TModTestEnv::Read(path));
            }
        }
        return files;
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

INSTANTIATE_TEST_SUITE_P(EveryMod, ModContract, ::testing::ValuesIn(RegisteredMods()), ModName);

} // namespace
