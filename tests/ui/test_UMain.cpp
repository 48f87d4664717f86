// The main window: installed-mod buttons, bot selector, option toggles, Game Directory at
// start, "Edit Mod Config" and the menus.
#include "core/ModTable.h"
#include "core/UInit.h"
#include "core/UInitMain.h"
#include "fixtures/FakeHalfLife.h"
#include "fixtures/ProgramFolder.h"
#include "fixtures/ScriptedDialogs.h"
#include "platform/IniFile.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "ui/ButtonWithColor.h"
#include "ui/UEditor.h"
#include "ui/UMain.h"
#include "ui/URep.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace {

QByteArray ModsFile(const QList<std::pair<QString, QString>>& bots)
{
    QByteArray text = "[Default]\r\ndispo=" + QByteArray::number(bots.size()) + "\r\n";
    for (int i = 0; i < bots.size(); ++i)
        text += "Bot" + QByteArray::number(i + 1) + "=" + bots[i].first.toUtf8() + "\r\n";
    for (const auto& [name, dll] : bots)
        if (!name.isEmpty())
            text += "[" + name.toUtf8() + "]\r\ndll=" + dll.toUtf8() + "\r\n";
    return text;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.IsValid());
        ASSERT_TRUE(game.IsValid());
        program.SetRegistry(UInit::QorKeyPath, "AppPath", program.Root());
        program.SetRegistry(UInit::QorKeyPath, "HLPath", game.Root());
        game.AddPlayerModel("gina");
        UInit::SelectedMod.clear();
        UInit::SelectedBot.clear();
        TMain::SetModalRunner([this](QDialog& dialog) {
            modals << QString::fromLatin1(dialog.metaObject()->className());
            return script ? script(dialog) : int(QDialog::Rejected);
        });
    }
    void TearDown() override
    {
        main.reset();
        TMain::SetModalRunner({});
        UInit::SelectedMod.clear();
        TIniFile::FlushCache();
    }

    void Start()
    {
        main = std::make_unique<TMain>();
        main->FormActivate();
    }
    // A mod folder whose Mods file offers one bot with its library present.
    void InstallWithBot(const QString& folder, const QString& modsFile, const QString& bot)
    {
        game.AddMod(folder);
        game.AddFile(folder + "/dlls/" + bot.toLower() + ".dll");
        program.AddFile("Mods/" + modsFile, ModsFile({{bot, "dlls\\" + bot.toLower() + ".dll"}}));
    }
    QStringList ShownKeys() const
    {
        QStringList keys;
        for (const TModRow& row : ModTable::Rows())
            if (!main->ModButton(row.Key)->isHidden())
                keys << row.Key;
        return keys;
    }
    QPoint Place(const QString& key) const { return main->ModButton(key)->pos(); }
    QComboBox* Bots() const { return main->findChild<QComboBox*>("CB_SelectBot"); }
    QStringList BotItems() const
    {
        QStringList items;
        for (int i = 0; i < Bots()->count(); ++i)
            items << Bots()->itemText(i);
        return items;
    }
    QString Text(const char* label) const { return main->findChild<QLabel*>(label)->text(); }
    QAction* Action(const char* name) const { return main->findChild<QAction*>(name); }
    QString Stored(const char* name) const
    {
        return TRegistryKey(UInit::QorKeyPath, false).ReadString(name);
    }
    QByteArray QorIni() const
    {
        QFile file(program.Path("QOR.ini"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    ProgramFolder program;
    FakeHalfLife game;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMain> main;
    QStringList modals;
    std::function<int(QDialog&)> script;
};

TEST_F(MainWindow, LayoutMenusAndStartState)
{
    main = std::make_unique<TMain>();
    EXPECT_EQ(main->windowTitle(), "Qorvane");
    EXPECT_EQ(main->centralWidget()->size(), QSize(586, 297));
    EXPECT_EQ(main->centralWidget()->palette().color(QPalette::Window), QColor(147, 172, 210));
    auto* quit = main->findChild<TBitBtnWithColor*>("BClose");
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->text(), "Quit QOR");
    EXPECT_EQ(quit->geometry(), QRect(481, 261, 87, 30));
    EXPECT_EQ(main->findChild<QWidget*>("GB_SelectBot")->geometry(), QRect(122, 253, 276, 39));
    EXPECT_EQ(main->findChild<QWidget*>("SB_EditConf")->geometry(), QRect(53, 24, 65, 65));
    EXPECT_EQ(main->findChild<QWidget*>("SB_HL")->geometry(), QRect(53, 100, 65, 65));
    for (const char* name : {"SB_EditConf", "SB_HL"}) {
        auto* button = main->findChild<QToolButton*>(name);
        EXPECT_FALSE(button->isEnabled()) << name;
        // The glyph the build drew and packed.
        EXPECT_EQ(button->icon().actualSize(QSize(56, 56)), QSize(56, 56)) << name;
    }
    EXPECT_TRUE(main->findChild<QWidget*>("GB_SelectBot")->isHidden());
    EXPECT_EQ(Text("Label_SelMod"), "Selected : none");
    EXPECT_EQ(main->ModButton("CStrike")->toolTip(), "Counter Strike 1.3");
    EXPECT_FALSE(Action("CB_HLkeyfr")->isEnabled());

    QStringList menus;
    for (QAction* top : main->menuBar()->actions()) {
        QStringList items;
        for (QAction* a : top->menu()->actions())
            items << (a->isSeparator() ? QString("-") : a->text());
        menus << top->text() + ": " + items.join(" | ");
    }
    EXPECT_EQ(menus, (QStringList{
                         "File   : Edit Bot Names | - | Exit",
                         "Options: Additional commands | - | Directory Setting | - | Close QOR when "
                         "HL starts | Automatic start | Start as Dedicated Server | Start with HLKeyFr",
                         "?: View Readme.txt | - | About QOR...",
                     }));
}

TEST_F(MainWindow, AShownModButtonPaintsItsLogoAndSinksWhenChosen)
{
    game.AddMod("goldeneye");
    Start();
    QToolButton* button = main->ModButton("Goldeneye");
    ASSERT_FALSE(button->isHidden());
    // The logo (read when the button is first painted) covers the middle of the button; the
    // face around it keeps the window's colour.
    const auto logoPixels = [button] {
        const QImage face = button->grab().toImage();
        int covered = 0;
        for (int y = 12; y < 52; ++y)
            for (int x = 12; x < 52; ++x)
                covered += QColor(face.pixel(x, y)) != QColor(147, 172, 210);
        return std::make_pair(covered, QColor(face.pixel(32, 1)));
    };
    const auto [raised, raisedEdge] = logoPixels();
    EXPECT_GT(raised, 40 * 40 * 3 / 4);
    main->ModButtonClick("Goldeneye");
    const auto [sunk, sunkEdge] = logoPixels();
    EXPECT_GT(sunk, 40 * 40 * 3 / 4);
    EXPECT_NE(sunkEdge, raisedEdge);   // the top edge turns dark when the mod is chosen
}

TEST_F(MainWindow, InstalledModsFillTheGridAndRelayFromTheOrigin)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    InstallWithBot("opera", "Opera.ini", "OpBot");
    for (const char* folder : {"gathering", "goldeneye", "scihunt", "wantedhl"})
        game.AddMod(folder);
    // TFC is there, but its only bot's library is not.
    game.AddMod("tfc");
    program.AddFile("Mods/TFC.ini", ModsFile({{"Gone", "dlls\\gone.dll"}}));

    Start();
    const QStringList expected{"CStrike", "Gathering", "Goldeneye", "Opera", "Scihunt", "Wantedhl"};
    const QList<QPoint> places{{10, 20}, {86, 20}, {162, 20}, {238, 20}, {314, 20}, {10, 95}};
    auto checkGrid = [&] {
        ASSERT_EQ(ShownKeys(), expected);
        for (int i = 0; i < expected.size(); ++i)
            EXPECT_EQ(Place(expected[i]), places[i]) << expected[i].toStdString();
    };
    checkGrid();

    // A dialog closes and the window is active again: the same places, not a second grid.
    main->About1Click();
    main->FormActivate();
    checkGrid();
    EXPECT_EQ(modals, QStringList{"TAbout"});
    EXPECT_TRUE(dialogs.Texts().isEmpty()) << dialogs.Texts().join("|").toStdString();
}

// At start the disk is read for the first listing while the window shows: the listing is the
// one the disk gives, it is taken only for the paths it was read for, and only once.
TEST_F(MainWindow, TheListingReadAheadAtStartListsWhatTheDiskHoldsForItsOwnPathsOnce)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    game.AddMod("gathering");
    game.AddMod("tfc");   // its only bot's library is missing
    program.AddFile("Mods/TFC.ini", ModsFile({{"Gone", "dlls\\gone.dll"}}));
    main = std::make_unique<TMain>();
    main->ReadInstalledModsAhead();
    main->FormActivate();
    EXPECT_EQ(ShownKeys(), (QStringList{"CStrike", "Gathering"}));

    // Read for one game folder, then another is set before the listing: the listing reads it.
    FakeHalfLife other;
    ASSERT_TRUE(other.IsValid());
    other.AddMod("wantedhl");
    main->ReadInstalledModsAhead();
    UInit::HLPath = other.Root();
    UInit::BuildModDirs();
    main->FormActivate();
    EXPECT_EQ(ShownKeys(), QStringList{"Wantedhl"});

    // Taken once: what is installed afterwards shows at the next activation.
    main->ReadInstalledModsAhead();
    main->FormActivate();
    EXPECT_EQ(ShownKeys(), QStringList{"Wantedhl"});
    other.AddMod("goldeneye");
    main->FormActivate();
    EXPECT_EQ(ShownKeys(), (QStringList{"Goldeneye", "Wantedhl"}));
}

// Runs the events until the condition holds (true) or a second has gone (false).
template <typename Condition>
bool Within(Condition condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > 1000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QApplication::processEvents();
    return true;
}

// The first showing lists the mods; a mod installed while the user is in another window is
// there when they come back.
TEST_F(MainWindow, TheShowingListsTheModsAndAReturnToTheWindowListsThemAgain)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    main = std::make_unique<TMain>();
    main->show();
    main->activateWindow();
    ASSERT_TRUE(Within([&] { return main->isActiveWindow(); }));
    EXPECT_EQ(ShownKeys(), QStringList{"CStrike"});

    game.AddMod("gathering");
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(Within([&] { return !main->isActiveWindow(); }));
    EXPECT_EQ(ShownKeys(), QStringList{"CStrike"});
    main->activateWindow();
    ASSERT_TRUE(Within([&] { return main->isActiveWindow(); }));
    EXPECT_EQ(ShownKeys(), (QStringList{"CStrike", "Gathering"}));
}

// A button is made when its mod first shows; the keyboard still goes through the buttons in
// the grid's order when a mod earlier in it is installed later.
TEST_F(MainWindow, AModInstalledLaterTakesItsPlaceInTheGridAndInTheKeyboardOrder)
{
    game.AddMod("gathering");
    game.AddMod("wantedhl");
    Start();
    EXPECT_EQ(main->MadeModButton("CStrike"), nullptr);
    game.AddMod("goldeneye");
    main->FormActivate();
    ASSERT_EQ(ShownKeys(), (QStringList{"Gathering", "Goldeneye", "Wantedhl"}));
    EXPECT_EQ(Place("Goldeneye"), QPoint(86, 20));
    const auto nextStop = [](QWidget* from) {
        for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden())
                return w;
        return from;
    };
    EXPECT_EQ(nextStop(main->ModButton("Gathering")), main->ModButton("Goldeneye"));
    EXPECT_EQ(nextStop(main->ModButton("Goldeneye")), main->ModButton("Wantedhl"));
}

TEST_F(MainWindow, BotSelectorOffersUsableBotsAndReselectsTheLastOne)
{
    game.AddMod("cstrike");
    game.AddFile("cstrike/dlls/zeta.dll");
    game.AddFile("cstrike/dlls/alpha.dll");
    program.AddFile("Mods/CStrike.ini",
                    ModsFile({{"Zeta", "dlls\\zeta.dll"}, {"Beta", ""}, {"alpha", "dlls\\alpha.dll"}}));
    program.AddFile("QOR.ini", "[CStrike]\r\nLast Bot=  Zeta  \r\n");
    const QByteArray before = QorIni();

    Start();
    main->ModButtonClick("CStrike");
    EXPECT_EQ(BotItems(), (QStringList{"alpha", "Zeta"}));
    EXPECT_EQ(Bots()->currentText(), "Zeta");
    EXPECT_EQ(Text("Label_SelMod"), "Selected : CStrike");
    EXPECT_EQ(Text("LB_SelectBot"), "Current Bot for CS");
    EXPECT_TRUE(main->findChild<QWidget*>("GB_SelectBot")->isVisibleTo(main.get()));
    EXPECT_TRUE(main->findChild<QWidget*>("SB_HL")->isEnabled());
    EXPECT_EQ(UInit::SelectedMod, "CStrike");

    // Refilling (the button, every new layout) stores nothing.
    main->FormActivate();
    EXPECT_EQ(BotItems(), (QStringList{"alpha", "Zeta"}));
    EXPECT_EQ(Bots()->currentText(), "Zeta");
    EXPECT_EQ(QorIni(), before);

    // The user's pick is stored and survives the next layout.
    Bots()->setCurrentIndex(0);
    emit Bots()->activated(0);
    TIniFile::FlushCache();
    EXPECT_EQ(TIniFile(program.Path("QOR.ini")).ReadString("CStrike", "Last Bot", "?"), "alpha");
    main->FormActivate();
    EXPECT_EQ(Bots()->currentText(), "alpha");
}

TEST_F(MainWindow, EachModReadsItsOwnModsFileAndLibraryFolder)
{
    struct Case {
        const char* key;
        const char* modsFile;
        const char* section;     // of QOR.ini's Last Bot
        const char* modFolder;   // created below HLPath ("" for none)
        const char* dllFolder;   // where the listed bot's library lies
    };
    const Case cases[] = {
        {"Dod", "DoD.ini", "DoD", "DoD", "DoD"},
        {"Op4", "OP4.ini", "OP4", "gearbox", "gearbox"},
        {"Deathmatch", "HL-DM.ini", "Deathmatch", "", "valve"},
        {"DMC", "DMC.ini", "DMC", "Dmc", "dmc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        if (*c.modFolder)
            game.AddMod(c.modFolder);
        game.AddFile(QString(c.dllFolder) + "/dlls/good.dll");
        // A library beside the Half-Life folder itself does not count.
        game.AddFile("dlls/elsewhere.dll");
        program.AddFile(QString("Mods/") + c.modsFile,
                        ModsFile({{"Elsewhere", "dlls\\elsewhere.dll"}, {"Good", "dlls\\good.dll"}}));
        program.AddFile("QOR.ini", "[" + QByteArray(c.section) + "]\r\nLast Bot=Good\r\n");
        TIniFile::FlushCache();
        Start();
        EXPECT_FALSE(main->ModButton(c.key)->isHidden());
        main->ModButtonClick(c.key);
        EXPECT_EQ(BotItems(), QStringList{"Good"});
        EXPECT_EQ(Bots()->currentText(), "Good");
        main.reset();
    }
}

TEST_F(MainWindow, ModWithoutBotSelectorHidesItAndForgetsTheBot)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    game.AddMod("gathering");
    Start();
    main->ModButtonClick("CStrike");
    UInit::SelectedBot = "Zeta";
    main->ModButtonClick("Gathering");
    EXPECT_TRUE(main->findChild<QWidget*>("GB_SelectBot")->isHidden());
    EXPECT_EQ(UInit::SelectedBot, "");
    EXPECT_EQ(Bots()->currentText(), "");
    EXPECT_EQ(Text("Label_SelMod"), "Selected : The Gathering");
    EXPECT_TRUE(main->ModButton("Gathering")->isChecked());
    EXPECT_FALSE(main->ModButton("CStrike")->isChecked());
}

TEST_F(MainWindow, SelectedModThatIsGoneAfterANewLayoutIsDeselected)
{
    InstallWithBot("opera", "Opera.ini", "OpBot");
    Start();
    main->ModButtonClick("Opera");
    ASSERT_TRUE(QDir(game.Path("opera")).removeRecursively());
    main->FormActivate();
    EXPECT_TRUE(main->ModButton("Opera")->isHidden());
    EXPECT_EQ(UInit::SelectedMod, "");
    EXPECT_EQ(Text("Label_SelMod"), "Selected : none");
    EXPECT_FALSE(main->findChild<QWidget*>("SB_HL")->isEnabled());
    EXPECT_TRUE(main->findChild<QWidget*>("GB_SelectBot")->isHidden());
}

TEST_F(MainWindow, TypedNameCountsOnlyWhenItIsAnOfferedBot)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    program.AddFile("QOR.ini", "[CStrike]\r\nLast Bot=Zeta\r\n");
    Start();
    main->ModButtonClick("CStrike");
    ASSERT_EQ(Bots()->currentIndex(), 0);
    Bots()->lineEdit()->setText("Zet");
    emit Bots()->lineEdit()->textEdited("Zet");
    EXPECT_EQ(Bots()->currentIndex(), -1);
    EXPECT_EQ(Bots()->currentText(), "Zet");
    main->SB_EditConfClick();
    EXPECT_EQ(dialogs.Texts(Dialogs::TKind::Error), QStringList{"You must select a bot first."});
    EXPECT_TRUE(modals.isEmpty());

    // Typing the whole name picks the bot, and a pick is stored.
    program.AddFile("QOR.ini", "[CStrike]\r\nLast Bot=Other\r\n");
    TIniFile::FlushCache();
    Bots()->lineEdit()->setText("Zeta");
    emit Bots()->lineEdit()->textEdited("Zeta");
    EXPECT_EQ(Bots()->currentIndex(), 0);
    TIniFile::FlushCache();
    EXPECT_EQ(TIniFile(program.Path("QOR.ini")).ReadString("CStrike", "Last Bot", ""), "Zeta");
}

TEST_F(MainWindow, BotsAreTheEntriesUpToDispoWhoseLibraryIsThere)
{
    struct Case {
        const char* name;
        const char* defaultSection;   // the [Default] lines of Mods/CStrike.ini
        QStringList offered;          // empty: the mod gets no button
    };
    const Case cases[] = {
        {"entries beyond dispo are not read", "dispo=1\r\nBot1=Zeta\r\nBot2=Alpha\r\n", {"Zeta"}},
        {"a gap below dispo", "dispo=5\r\nBot5=Alpha\r\n", {"Alpha"}},
        {"key names ignore case", "dispo=2\r\nbot2=Alpha\r\n", {"Alpha"}},
        {"Bot01 is not Bot1", "dispo=2\r\nBot01=Zeta\r\nBot2=Alpha\r\n", {"Alpha"}},
        {"the first of two Bot1 lines", "dispo=1\r\nBot1=Zeta\r\nBot1=Alpha\r\n", {"Zeta"}},
        {"a huge dispo", "dispo=2000000000\r\nBot1=Zeta\r\n", {"Zeta"}},
        {"letters in dispo", "dispo=two\r\nBot1=Zeta\r\n", {}},
        {"a bot named twice is offered once", "dispo=2\r\nBot1=Zeta\r\nBot2=Zeta\r\n", {"Zeta"}},
    };
    game.AddMod("cstrike");
    game.AddFile("cstrike/dlls/zeta.dll");
    game.AddFile("cstrike/dlls/alpha.dll");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        program.AddFile("Mods/CStrike.ini", QByteArray("[Default]\r\n") + c.defaultSection +
                                                "[Zeta]\r\ndll=dlls\\zeta.dll\r\n"
                                                "[Alpha]\r\ndll=dlls\\alpha.dll\r\n");
        TIniFile::FlushCache();
        Start();
        EXPECT_EQ(main->ModButton("CStrike")->isHidden(), c.offered.isEmpty());
        main->ModButtonClick("CStrike");
        EXPECT_EQ(BotItems(), c.offered);
        main.reset();
    }
}

TEST_F(MainWindow, ClosingTheLastModalChildOfTheHiddenMainWindowKeepsTheProgramRunning)
{
    const bool quitBefore = QGuiApplication::quitOnLastWindowClosed();
    TMain::ConfigureApplication();
    Start();
    main->show();
    bool closedChild = false;
    bool stillRunning = false;
    QTimer::singleShot(0, [&] {
        // As while a mod window is open: the main window hidden, a window owned by nobody
        // modal on screen, and then closed before anything else is shown (its error message,
        // a failed launch's message).
        main->hide();
        QDialog child;
        QTimer::singleShot(0, [&] {
            closedChild = QApplication::activeModalWidget() == &child;
            child.close();
        });
        child.exec();
        // A quit asked for by the closing would end the loop before this runs.
        QTimer::singleShot(50, [&] {
            stillRunning = true;
            QCoreApplication::quit();
        });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::quit(); });   // never hang the suite
    QCoreApplication::exec();
    QGuiApplication::setQuitOnLastWindowClosed(quitBefore);

    EXPECT_TRUE(closedChild);
    EXPECT_TRUE(stillRunning);
}

TEST_F(MainWindow, DedicatedAndHLKeyFrExcludeEachOtherInTheStore)
{
    game.AddExe("HLKeyFr.exe");
    Start();
    ASSERT_TRUE(Action("CB_HLkeyfr")->isEnabled());

    main->CB_DedicatedClick();
    EXPECT_TRUE(Action("CB_Dedicated")->isChecked());
    EXPECT_EQ(Stored("Dedicated"), "O");
    EXPECT_EQ(Stored("HLkeyfr"), "N");

    main->CB_HLkeyfrClick();
    EXPECT_TRUE(Action("CB_HLkeyfr")->isChecked());
    EXPECT_FALSE(Action("CB_Dedicated")->isChecked());
    EXPECT_EQ(UInit::DedicatedSetting, "N");
    EXPECT_EQ(Stored("Dedicated"), "N");
    EXPECT_EQ(Stored("HLkeyfr"), "O");

    main->CB_CloseQORClick();
    EXPECT_EQ(Stored("CloseQOR"), "O");
    main->CB_CloseQORClick();
    EXPECT_EQ(Stored("CloseQOR"), "N");
    EXPECT_EQ(UInit::CloseQORSetting, "N");
}

TEST_F(MainWindow, OptionThatCannotBeStoredHoldsForTheRunAndSaysSo)
{
    Start();
    // The store lies below a plain file: it can be neither read nor created.
    program.AddFile("blocker", "not a folder");
    qputenv("QORVANE_REGISTRY", program.Path("blocker/registry.ini").toLocal8Bit());
    main->CB_CloseQORClick();
    EXPECT_TRUE(Action("CB_CloseQOR")->isChecked());
    EXPECT_EQ(UInit::CloseQORSetting, "O");
    const QStringList errors = dialogs.Texts(Dialogs::TKind::Error);
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Can't store the option")) << errors[0].toStdString();
}

TEST_F(MainWindow, AutomaticStartTickFollowsTheStoredLetter)
{
    const std::pair<const char*, bool> cases[] = {{"N", false}, {"", true}, {"o", false}, {"O", true}};
    for (const auto& [stored, ticked] : cases) {
        SCOPED_TRACE(stored);
        program.SetRegistry(UInit::QorKeyPath, "AutoStart", stored);
        main = std::make_unique<TMain>();
        EXPECT_EQ(Action("CB_Autostart")->isChecked(), ticked);
        main->CB_AutostartClick();
        EXPECT_EQ(Stored("AutoStart"), ticked ? "N" : "O");
        main.reset();
    }
}

TEST_F(MainWindow, GameDirectoryDoesNotTrapTheUser)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    program.SetRegistry(UInit::QorKeyPath, "HLPath", "");
    Start();   // no game known: the dialog opens, the user cancels
    EXPECT_EQ(modals, QStringList{"TRep"});
    EXPECT_TRUE(ShownKeys().isEmpty());

    // The activation that closing the dialog causes leaves the window alone.
    main->FormActivate();
    EXPECT_EQ(modals.size(), 1);
    // A later one asks again; the menu always can.
    main->FormActivate();
    EXPECT_EQ(modals.size(), 2);
    main->Directories1Click();
    EXPECT_EQ(modals.size(), 3);
}

// A first start whose Game Directory is cancelled leaves no blank window: it says where the
// folder is set, and says so too when the folder holds no mod it can show.
TEST_F(MainWindow, AnEmptyWindowSaysWhereTheGameFolderIsSet)
{
    program.SetRegistry(UInit::QorKeyPath, "HLPath", "");
    Start();
    auto* note = main->findChild<QLabel*>("Lab_Empty");
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(note->text(), "No Half-Life folder is set yet. Set it in Options > Directory Setting.");

    program.SetRegistry(UInit::QorKeyPath, "HLPath", game.Root());
    main = std::make_unique<TMain>();
    main->FormActivate();
    note = main->findChild<QLabel*>("Lab_Empty");
    EXPECT_FALSE(note->isHidden());
    EXPECT_TRUE(note->text().endsWith("The folder is set in Options > Directory Setting.")) << note->text().toStdString();

    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    UInit::ShowInstalledMods();
    EXPECT_TRUE(note->isHidden());
}

// The keyboard reaches the mod buttons with Tab, and the one it is on shows a dotted frame.
TEST_F(MainWindow, TheModButtonTheKeyboardIsOnShowsAFocusFrame)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    Start();
    QToolButton* button = main->ModButton("CStrike");
    ASSERT_FALSE(button->isHidden());
    EXPECT_TRUE(button->focusPolicy() & Qt::TabFocus);
    main->show();
    main->activateWindow();
    QApplication::processEvents();
    const auto dark = [button] {
        const QImage face = button->grab().toImage();
        int count = 0;
        for (int x = 0; x < face.width(); ++x)
            count += QColor(face.pixel(x, 0)).lightness() < 40;
        return count;
    };
    main->findChild<QPushButton*>("BClose")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(dark(), 0);
    button->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(button->hasFocus());
    EXPECT_GT(dark(), 10);
}

TEST_F(MainWindow, GameDirectoryApplyStoresThePathAndShowsTheMods)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    program.SetRegistry(UInit::QorKeyPath, "HLPath", "");
    script = [this](QDialog& dialog) {
        auto* rep = qobject_cast<TRep*>(&dialog);
        if (!rep)
            return int(QDialog::Rejected);
        rep->findChild<QLineEdit*>("HLDir")->setText(game.Root());
        rep->BApplyClick();
        return rep->result();
    };
    Start();
    EXPECT_EQ(modals, QStringList{"TRep"});
    EXPECT_EQ(Stored("HLPath"), game.Root());
    EXPECT_EQ(Stored("HLExe"), "HL.exe");
    EXPECT_EQ(ShownKeys(), QStringList{"CStrike"});
    main->FormActivate();
    EXPECT_EQ(modals.size(), 1);

    // Pick the mod and its bot, then quit: the work lists go, and the program is told to end.
    main->ModButtonClick("CStrike");
    EXPECT_EQ(Bots()->currentIndex(), -1);
    Bots()->setCurrentIndex(0);
    emit Bots()->activated(0);
    int closed = 0;
    QObject::connect(main.get(), &TMain::Closed, [&] { ++closed; });
    UInit::ModelList = QStringList{"gina"};
    main->findChild<QPushButton*>("BClose")->click();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(UInit::ModelList.isEmpty());
    TIniFile::FlushCache();
    EXPECT_EQ(TIniFile(program.Path("QOR.ini")).ReadString("CStrike", "Last Bot", ""), "Zeta");
}

TEST_F(MainWindow, EditModConfigRunsTheModsWindowWhileTheMainWindowIsHidden)
{
    InstallWithBot("cstrike", "CStrike.ini", "Zeta");
    program.AddFile("QOR.ini", "[CStrike]\r\nLast Bot=Zeta\r\n");
    TModRow* row = ModTable::Find("CStrike");
    const TModHooks saved = row->Hooks;
    QPointer<QDialog> created;
    bool heldWhileOpen = false;
    bool mainHidden = false;
    row->Hooks.CreateWindow = [&](QWidget*) {
        created = new QDialog;
        return created.data();
    };
    script = [&](QDialog& dialog) {
        heldWhileOpen = row->Window == &dialog;
        mainHidden = main->isHidden();
        return int(QDialog::Accepted);
    };
    Start();
    main->show();
    main->ModButtonClick("CStrike");
    main->SB_EditConfClick();
    EXPECT_EQ(modals, QStringList{"QDialog"});
    EXPECT_TRUE(heldWhileOpen);
    EXPECT_TRUE(mainHidden);
    EXPECT_TRUE(created.isNull());   // released when it closed
    EXPECT_TRUE(row->Window.isNull());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(UInit::SelectedBot, "Zeta");

    // A mod whose window is not there yet shows nothing and gives the main window back.
    row->Hooks.CreateWindow = {};
    main->SB_EditConfClick();
    EXPECT_EQ(modals.size(), 1);
    EXPECT_TRUE(main->isVisible());

    // Minimised by a launch: the mod window's end brings it back on screen, not as an icon.
    main->showMinimized();
    main->SB_EditConfClick();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(main->isMinimized());

    // A window that fails to build is reported, and the main window comes back.
    row->Hooks.CreateWindow = [](QWidget*) -> QDialog* { throw std::runtime_error("no layout"); };
    main->SB_EditConfClick();
    EXPECT_EQ(dialogs.Texts(Dialogs::TKind::Error),
              QStringList{"The window of CStrike failed: no layout"});
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(row->Window.isNull());
    row->Hooks = saved;
}

TEST_F(MainWindow, ModWindowsAreChildrenCentredOnTheMainWindowOrBesideIt)
{
    const std::pair<const char*, bool> cases[] = {{"Wizwars", true}, {"WormsHL", true}, {"Opera", false}};
    InstallWithBot("wizwars", "Wizwars.ini", "WizBot");
    InstallWithBot("wormshl", "WormsHL.ini", "WormBot");
    InstallWithBot("opera", "Opera.ini", "OpBot");
    program.AddFile("QOR.ini", "[Wizwars]\r\nLast Bot=WizBot\r\n[WormsHL]\r\nLast Bot=WormBot\r\n"
                               "[Opera]\r\nLast Bot=OpBot\r\n");
    Start();
    main->show();
    main->move(200, 150);
    for (const auto& [key, beside] : cases) {
        SCOPED_TRACE(key);
        TModRow* row = ModTable::Find(key);
        const TModHooks saved = row->Hooks;
        row->Hooks.CreateWindow = [](QWidget* owner) {
            auto* d = new QDialog(owner);
            d->resize(300, 200);
            return d;
        };
        QPoint place;
        QPoint mainPlace;
        QPoint centred;
        QWidget* parent = nullptr;
        script = [&](QDialog& dialog) {
            place = dialog.pos();
            mainPlace = main->pos();
            centred = main->frameGeometry().center() - dialog.rect().center();
            parent = dialog.parentWidget();
            return int(QDialog::Accepted);
        };
        main->ModButtonClick(key);
        main->SB_EditConfClick();
        row->Hooks = saved;
        EXPECT_EQ(place, beside ? mainPlace + QPoint(4, 22) : centred);
        EXPECT_EQ(parent, main.get());
    }
}

TEST_F(MainWindow, ReadmeAndBotNamesOpenTheirFiles)
{
    QStringList opened;
    Shell::SetDocumentOpener([&](const QString& path) {
        opened << QFileInfo(path).canonicalFilePath();
        return true;
    });
    QString edited;
    script = [&](QDialog& dialog) {
        if (auto* editor = qobject_cast<TEditor*>(&dialog))
            edited = editor->FilePath();
        return int(QDialog::Rejected);
    };
    Start();
    main->ViewReadmetxt1Click();
    EXPECT_EQ(opened, QStringList{program.Path("readme.txt")});
    QFile::remove(program.Path("readme.txt"));
    main->ViewReadmetxt1Click();
    EXPECT_EQ(opened.size(), 1);
    EXPECT_TRUE(dialogs.Texts().isEmpty());

    main->EditBotNames1Click();
    EXPECT_EQ(QFileInfo(edited).canonicalFilePath(), program.Path("bot_names.txt"));
    Shell::SetDocumentOpener({});
}

TEST_F(MainWindow, AReadmeNothingCanOpenIsShownInTheProgramsOwnEditor)
{
    Shell::SetDocumentOpener([](const QString&) { return false; });
    QString edited;
    script = [&](QDialog& dialog) {
        if (auto* editor = qobject_cast<TEditor*>(&dialog))
            edited = editor->FilePath();
        return int(QDialog::Rejected);
    };
    Start();
    main->ViewReadmetxt1Click();
    Shell::SetDocumentOpener({});
    EXPECT_EQ(QFileInfo(edited).canonicalFilePath(), program.Path("readme.txt"));
    EXPECT_TRUE(dialogs.Texts().isEmpty()) << dialogs.Texts().join(QLatin1Char('|')).toStdString();
}

} // namespace
