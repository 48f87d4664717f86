// The small windows around the main one: Game Directory, File Editor, About and the model
// Preview that follows its mod window.
#include "fixtures/FakeHalfLife.h"
#include "fixtures/NoPermissionOverride.h"
#include "fixtures/ProgramFolder.h"
#include "fixtures/ScriptedDialogs.h"

#include "core/ModTable.h"
#include "core/UInit.h"
#include "platform/IniFile.h"
#include "platform/Jpeg.h"
#include "platform/Registry.h"
#include "ui/StoredPicture.h"
#include "ui/UAbout.h"
#include "ui/UEditor.h"
#include "ui/UPreview.h"
#include "ui/URep.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

template <typename T>
T* Child(const QWidget& parent, const char* name)
{
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Real key presses, so the field reacts as it does to a user (textEdited, not setText).
void TypeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
}

// Shows a dialog the way exec() would, without blocking: its activation work runs too.
void Open(QDialog& dialog)
{
    dialog.show();
    QCoreApplication::processEvents();
}

void PressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// Keeps the globals the windows change, so every test starts from the same state.
class AuxWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_program.IsValid());
        ASSERT_TRUE(m_hl.IsValid());
        m_saved = {UInit::AppPath, UInit::HLPath, UInit::HLExe, UInit::SelectedMod};
        m_savedPreviewOpen = UInit::PreviewOpen;
        UInit::AppPath = m_program.Root();
        UInit::HLPath = m_hl.Root();
        UInit::HLExe = QStringLiteral("hl.exe");
    }
    void TearDown() override
    {
        UInit::AppPath = m_saved[0];
        UInit::HLPath = m_saved[1];
        UInit::HLExe = m_saved[2];
        UInit::SelectedMod = m_saved[3];
        UInit::PreviewOpen = m_savedPreviewOpen;
    }

    QString StoredValue(const QString& name) const
    {
        const TRegistryKey key(UInit::QorKeyPath, false);
        return key.ReadString(name);
    }

    ProgramFolder m_program;
    FakeHalfLife m_hl;
    ScriptedDialogs m_dialogs;
    QStringList m_saved;
    bool m_savedPreviewOpen = false;
};

// ---------------------------------------------------------------------------------------------
// Game Directory

using GameDirectoryTest = AuxWindowsTest;

struct TWordingCase {
    const char* Exe;
    bool CounterStrike;
    const char* LabExe;
    const char* Location;
};

TEST_F(GameDirectoryTest, OpensWithTheWordingOfTheStoredExecutable)
{
    const TWordingCase cases[] = {
        {"cstrike.exe", true, "cstrike.exe", "Enter the location of your Counter-Strike program :"},
        {"hl.exe", false, "HL.exe", "Enter the location of your Half Life program :"},
    };
    m_hl.AddExe(QStringLiteral("cstrike.exe"));
    for (const TWordingCase& c : cases) {
        SCOPED_TRACE(c.Exe);
        UInit::HLExe = QString::fromLatin1(c.Exe);
        TRep dialog;
        Open(dialog);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Game Directory"));
        EXPECT_EQ(Child<QRadioButton>(dialog, "RB_CS")->isChecked(), c.CounterStrike);
        EXPECT_EQ(Child<QRadioButton>(dialog, "RB_HL")->isChecked(), !c.CounterStrike);
        EXPECT_EQ(Child<QLabel>(dialog, "Lab_exe")->text(), QString::fromLatin1(c.LabExe));
        EXPECT_EQ(Child<QLabel>(dialog, "Lab_location")->text(), QString::fromLatin1(c.Location));
        EXPECT_EQ(Child<QLineEdit>(dialog, "HLDir")->text(), m_hl.Root());
        EXPECT_TRUE(m_dialogs.Texts().isEmpty()) << m_dialogs.Texts().join(u'|').toStdString();
        dialog.reject();
    }
}

TEST_F(GameDirectoryTest, CancelAndEscapeRestoreWhatWasInForce)
{
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Esc" : "Cancel");
        UInit::HLPath = m_hl.Root();
        UInit::HLExe = QStringLiteral("hl.exe");
        TRep dialog;
        Open(dialog);
        Child<QRadioButton>(dialog, "RB_CS")->click();
        EXPECT_EQ(UInit::HLExe, QStringLiteral("cstrike.exe"));
        EXPECT_EQ(Child<QLabel>(dialog, "Lab_location")->text(),
                  QStringLiteral("Enter the location of your Counter-Strike program :"));
        TypeInto(Child<QLineEdit>(dialog, "HLDir"), QStringLiteral("/somewhere/else"));
        EXPECT_EQ(UInit::HLPath, QStringLiteral("/somewhere/else"));

        if (byEscape)
            PressKey(&dialog, Qt::Key_Escape);
        else
            Child<QPushButton>(dialog, "BCancel")->click();

        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(UInit::HLExe, QStringLiteral("hl.exe"));
        EXPECT_EQ(UInit::HLPath, m_hl.Root());
        EXPECT_EQ(StoredValue(QStringLiteral("HLExe")), QString());
        EXPECT_TRUE(m_dialogs.Texts().isEmpty()) << m_dialogs.Texts().join(u'|').toStdString();
    }
}

// The dialog asks for a path: the field has the focus when it opens, and Tab goes from it to
// the browse button, then to Apply and Cancel; the browse button answers the space bar.
TEST_F(GameDirectoryTest, ThePathFieldHasTheFocusAndTabReachesEveryButton)
{
    UInit::HLPath.clear();
    TRep dialog;
    Open(dialog);
    dialog.activateWindow();
    QCoreApplication::processEvents();
    auto* field = Child<QLineEdit>(dialog, "HLDir");
    EXPECT_EQ(dialog.focusWidget(), field);

    QStringList order;
    for (int i = 0; i < 4; ++i) {
        PressKey(dialog.focusWidget(), Qt::Key_Tab);
        order << dialog.focusWidget()->objectName();
    }
    EXPECT_EQ(order, (QStringList{"HLDirBrowse", "BApply", "BCancel", "RB_HL"}));

    auto* browse = Child<QToolButton>(dialog, "HLDirBrowse");
    browse->setFocus();
    m_dialogs.ExpectFolder(m_hl.Root());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QApplication::sendEvent(browse, &press);
    QApplication::sendEvent(browse, &release);
    EXPECT_EQ(field->text(), m_hl.Root());
    dialog.reject();
}

TEST_F(GameDirectoryTest, ApplyStoresThePathAndTheCaptionOfTheExecutable)
{
    // A first start: the path came from elsewhere, the executable is the default one.
    m_hl.AddPlayerModel(QStringLiteral("gordon"));
    TRep dialog;
    Open(dialog);
    // Typed with a trailing separator, stored without it.
    TypeInto(Child<QLineEdit>(dialog, "HLDir"), m_hl.Root() + QStringLiteral("/"));
    Child<QPushButton>(dialog, "BApply")->click();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(StoredValue(QStringLiteral("HLPath")), m_hl.Root());
    EXPECT_EQ(StoredValue(QStringLiteral("HLExe")), QStringLiteral("HL.exe"));
    EXPECT_EQ(UInit::HLPath, m_hl.Root());
    EXPECT_TRUE(m_dialogs.Texts(Dialogs::TKind::Error).isEmpty())
        << m_dialogs.Texts().join(u'|').toStdString();
}

// A native Linux Half-Life folder has no hl.exe: its own launcher makes it a game folder, so
// the typed path is kept and stored.
TEST_F(GameDirectoryTest, ANativeLinuxFolderIsAccepted)
{
    for (const char* launcher : {"hl.sh", "hl_linux"}) {
        SCOPED_TRACE(launcher);
        FakeHalfLife native;
        QFile::remove(native.Path(QStringLiteral("hl.exe")));
        native.AddFile(QString::fromLatin1(launcher), "#!/bin/sh\n");
        native.AddPlayerModel(QStringLiteral("gordon"));
        UInit::HLPath.clear();
        m_dialogs.Clear();
        TRep dialog;
        Open(dialog);
        TypeInto(Child<QLineEdit>(dialog, "HLDir"), native.Root());
        Child<QPushButton>(dialog, "BApply")->click();
        EXPECT_TRUE(m_dialogs.Texts(Dialogs::TKind::Error).isEmpty()) << m_dialogs.Texts().join(u'|').toStdString();
        EXPECT_EQ(Child<QLineEdit>(dialog, "HLDir")->text(), native.Root());
        EXPECT_EQ(StoredValue(QStringLiteral("HLPath")), native.Root());
    }
}

TEST_F(GameDirectoryTest, ApplyOfAFolderWithoutTheExecutableStoresNothing)
{
    const QString empty = m_hl.AddMod(QStringLiteral("notagame"));
    TRep dialog;
    Open(dialog);
    TypeInto(Child<QLineEdit>(dialog, "HLDir"), empty);
    Child<QPushButton>(dialog, "BApply")->click();

    EXPECT_EQ(m_dialogs.Texts(Dialogs::TKind::Error),
              QStringList{QStringLiteral("hl.exe can't be found in ") + empty});
    EXPECT_EQ(StoredValue(QStringLiteral("HLPath")), QString());
    EXPECT_EQ(StoredValue(QStringLiteral("HLExe")), QString());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(GameDirectoryTest, CancelledBeforeItsFirstCheckReportsNothing)
{
    const QString bad = m_hl.AddMod(QStringLiteral("nothere"));
    UInit::HLPath = bad;
    TRep dialog;
    dialog.show();
    Child<QPushButton>(dialog, "BCancel")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_dialogs.Texts().isEmpty()) << m_dialogs.Texts().join(u'|').toStdString();
    EXPECT_EQ(UInit::HLPath, bad);
}

struct TCheckCase {
    const char* Name;
    enum { AtCreation, Browsed, Typed } How;
    bool Valid;
    bool Reported;   // the error is shown and the field emptied
};

TEST_F(GameDirectoryTest, APathIsCheckedWhenSetButNotWhileTyped)
{
    const QString bad = m_hl.AddMod(QStringLiteral("nothere"));
    const TCheckCase cases[] = {
        {"valid at creation", TCheckCase::AtCreation, true, false},
        {"missing exe at creation", TCheckCase::AtCreation, false, true},
        {"valid folder browsed", TCheckCase::Browsed, true, false},
        {"bad folder browsed", TCheckCase::Browsed, false, true},
        {"bad folder typed", TCheckCase::Typed, false, false},
    };
    for (const TCheckCase& c : cases) {
        SCOPED_TRACE(c.Name);
        m_dialogs.Clear();
        const QString path = c.Valid ? m_hl.Root() : bad;
        UInit::HLPath = c.How == TCheckCase::AtCreation ? path : m_hl.Root();
        TRep dialog;
        Open(dialog);
        auto* field = Child<QLineEdit>(dialog, "HLDir");
        if (c.How == TCheckCase::Browsed) {
            m_dialogs.ExpectFolder(path);
            Child<QToolButton>(dialog, "HLDirBrowse")->click();
        } else if (c.How == TCheckCase::Typed) {
            TypeInto(field, path);
        }

        if (c.Reported) {
            EXPECT_EQ(m_dialogs.Texts(Dialogs::TKind::Error),
                      QStringList{QStringLiteral("hl.exe can't be found in ") + path});
            EXPECT_EQ(field->text(), QString());
            EXPECT_EQ(UInit::HLPath, QString());
        } else {
            EXPECT_TRUE(m_dialogs.Texts().filter(QStringLiteral("can't be found")).isEmpty());
            EXPECT_EQ(field->text(), path);
            EXPECT_EQ(UInit::HLPath, path);
        }
        dialog.reject();
    }
}

// ---------------------------------------------------------------------------------------------
// File Editor

using FileEditorTest = AuxWindowsTest;

struct TSaveCase {
    const char* Name;
    const char* Initial;   // nullptr: no file yet
    const char* Typed;     // nullptr: saved unchanged
    const char* Expected;
};

TEST_F(FileEditorTest, SaveWritesTheLinesWithCrLf)
{
    const TSaveCase cases[] = {
        {"edited", "old\nlines\n", "alpha\nbeta", "alpha\r\nbeta\r\n"},
        {"missing file is created", nullptr, "Bob\nZed\n", "Bob\r\nZed\r\n"},
        {"unchanged keeps a trailing empty line", "a\r\n\r\n", nullptr, "a\r\n\r\n"},
        {"unchanged Latin-1 bytes stay", "caf\xe9\r\n", nullptr, "caf\xe9\r\n"},
    };
    int n = 0;
    for (const TSaveCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = m_hl.Path(QStringLiteral("valve/edit%1.cfg").arg(++n));
        if (c.Initial)
            m_hl.AddFile(QStringLiteral("valve/edit%1.cfg").arg(n), QByteArray(c.Initial));
        TEditor editor;
        editor.LoadFile(path);
        editor.show();
        EXPECT_EQ(editor.windowTitle(), path);
        if (c.Typed)
            Child<QPlainTextEdit>(editor, "Memo")->setPlainText(QString::fromLatin1(c.Typed));
        Child<QPushButton>(editor, "BEdit_Save")->click();
        EXPECT_EQ(ReadBytes(path), QByteArray(c.Expected));
        EXPECT_FALSE(editor.isVisible());
    }
}

TEST_F(FileEditorTest, EditFileIsModalAndReturnsAfterSave)
{
    const QString path = m_hl.AddFile(QStringLiteral("valve/server.cfg"), "hostname x\n");
    bool sawEditor = false;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<TEditor*>(QApplication::activeModalWidget());
        if (!editor)
            return;
        sawEditor = editor->FilePath() == path;
        editor->findChild<QPlainTextEdit*>(QStringLiteral("Memo"))->setPlainText(QStringLiteral("sv_lan 1"));
        editor->findChild<QPushButton*>(QStringLiteral("BEdit_Save"))->click();
    });
    TEditor::Edit_File(path);
    EXPECT_TRUE(sawEditor);
    EXPECT_EQ(ReadBytes(path), QByteArray("sv_lan 1\r\n"));
}

TEST_F(FileEditorTest, DeleteAsksAndClosesWithoutSaving)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Yes" : "No");
        m_dialogs.Clear();
        const QString path = m_hl.AddFile(QStringLiteral("valve/mapcycle.txt"), "crossfire\r\n");
        TEditor editor;
        editor.LoadFile(path);
        editor.show();
        Child<QPlainTextEdit>(editor, "Memo")->setPlainText(QStringLiteral("edited but not saved"));
        m_dialogs.ExpectConfirm(yes);
        Child<QPushButton>(editor, "BitBtnWithColor1")->click();

        EXPECT_EQ(m_dialogs.Texts(Dialogs::TKind::Confirmation),
                  QStringList{QStringLiteral("Are you sure you want to delete ") + path + QStringLiteral(" ?")});
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(ReadBytes(path), yes ? QByteArray("<missing>") : QByteArray("crossfire\r\n"));
    }
}

TEST_F(FileEditorTest, AFileItCannotWriteOrReadKeepsItsContents)
{
    const struct {
        const char* Name;
        QFileDevice::Permissions Permissions;
        const char* Reported;   // a word of the one error shown
        bool SaveOffered;
    } cases[] = {
        // Save is refused; the editor stays open with the edited text.
        {"read-only", QFileDevice::ReadOwner, "read-only", true},
        // The empty memo is not the file: Save is not offered at all.
        {"unreadable", QFileDevice::WriteOwner, "server.cfg", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        m_dialogs.Clear();
        const QString path = m_hl.AddFile(QStringLiteral("valve/server.cfg"), "hostname x\r\n");
        ASSERT_TRUE(QFile::setPermissions(path, c.Permissions));
        {
            NoPermissionOverride enforce;
            ASSERT_TRUE(enforce.Active()) << "cannot make permissions count for this test";
            TEditor editor;
            editor.LoadFile(path);
            editor.show();
            auto* save = Child<QPushButton>(editor, "BEdit_Save");
            auto* memo = Child<QPlainTextEdit>(editor, "Memo");
            EXPECT_EQ(save->isEnabled(), c.SaveOffered);
            memo->setPlainText(QStringLiteral("sv_lan 1"));
            save->click();

            const QStringList errors = m_dialogs.Texts(Dialogs::TKind::Error);
            ASSERT_EQ(errors.size(), 1);
            EXPECT_TRUE(errors.first().contains(QLatin1String(c.Reported))) << errors.first().toStdString();
            // One message, not the same words twice.
            EXPECT_EQ(errors.first().count(QStringLiteral("Can't")), 1) << errors.first().toStdString();
            EXPECT_TRUE(editor.isVisible());
            EXPECT_EQ(memo->toPlainText(), QStringLiteral("sv_lan 1"));
            editor.reject();
        }
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(ReadBytes(path), QByteArray("hostname x\r\n"));
    }
}

TEST_F(FileEditorTest, ReadmeHintIsHiddenOnlyForBotNames)
{
    const struct {
        QString Path;
        bool HintShown;
    } cases[] = {
        {UInit::AppPath + QStringLiteral("/bot_names.txt"), false},
        {UInit::AppPath + QStringLiteral("\\Bot_Names.TXT"), false},
        {m_hl.Path(QStringLiteral("valve/bot_names.txt")), true},
        {m_hl.Path(QStringLiteral("valve/maps/crossfire.cfg")), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path.toStdString());
        TEditor editor;
        editor.LoadFile(c.Path);
        editor.show();
        EXPECT_EQ(Child<QLabel>(editor, "Label1")->isVisible(), c.HintShown);
        editor.reject();
    }
}

// ---------------------------------------------------------------------------------------------
// About box

using AboutTest = AuxWindowsTest;

TEST_F(AboutTest, OnlyTheAboutBoxClosesOnAClickOnThePicture)
{
    for (const bool aboutBox : {false, true}) {
        SCOPED_TRACE(aboutBox ? "about box" : "splash");
        TAbout about;
        if (aboutBox)
            about.PrepareAboutBox();
        about.show();
        auto* picture = Child<QLabel>(about, "Image1");
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_EQ(Child<QLabel>(about, "Label_loading")->isVisible(), !aboutBox);
        EXPECT_EQ(Child<QLabel>(about, "Label1")->text(), QStringLiteral("VERSION 15.3"));

        const QPointF at(150, 100);
        QMouseEvent press(QEvent::MouseButtonPress, at, picture->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, picture->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picture, &press);
        QApplication::sendEvent(picture, &release);
        EXPECT_EQ(about.isVisible(), !aboutBox);
    }
}

TEST_F(AboutTest, TheSplashMakesWayForAMessageDuringStartUp)
{
    std::unique_ptr<TAbout> splash(TAbout::ShowSplash());
    ASSERT_TRUE(splash->isVisible());
    EXPECT_TRUE(Child<QLabel>(*splash, "Label_loading")->isVisible());
    QWidget plain;
    plain.show();   // an ordinary window leaves it alone
    EXPECT_TRUE(splash->isVisible());

    QDialog message;
    message.setModal(true);
    message.show();
    EXPECT_FALSE(splash->isVisible());
}

namespace {

// Counts the paint events of the objects it watches (of those named so, when a name is given).
struct TPaints : QObject {
    explicit TPaints(QString name = QString()) : Name(std::move(name)) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && (Name.isEmpty() || watched->objectName() == Name))
            ++Count;
        return false;
    }
    QString Name;
    int Count = 0;
};

} // namespace

TEST_F(AboutTest, TheSplashIsDrawnOnceBeforeItsShowingReturns)
{
    // Counts the picture's paint events from the start: the splash is made inside ShowSplash.
    TPaints paints(QStringLiteral("Image1"));
    qApp->installEventFilter(&paints);
    std::unique_ptr<TAbout> splash(TAbout::ShowSplash());
    qApp->removeEventFilter(&paints);
    EXPECT_EQ(paints.Count, 1);
}

TEST_F(AboutTest, TheSplashGoesOnlyOnceTheMainWindowHasDrawnItself)
{
    TPaints paints;
    QPointer<TAbout> splash(TAbout::ShowSplash());
    QWidget window;
    window.resize(200, 100);
    window.installEventFilter(&paints);
    window.show();
    int paintsWhenGone = -1;
    QObject::connect(splash, &QObject::destroyed, [&] { paintsWhenGone = paints.Count; });
    splash->FinishWhenDrawn(&window);
    // Drawn at the latest when the window's exposure is handled; the splash lasts until then.
    QElapsedTimer waited;
    waited.start();
    while (splash && waited.elapsed() < 1500) {
        EXPECT_TRUE(splash->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_TRUE(splash.isNull());
    EXPECT_GE(paintsWhenGone, 1);
}

TEST_F(AboutTest, TheSplashShowsThePictureInItsOwnColours)
{
    TAbout splash;
    TAbout about;
    about.PrepareAboutBox();
    const QImage asSplash = splash.grab().toImage();
    const QImage asAbout = about.grab().toImage();
    // Away from the texts, which only the splash shows in part.
    for (const QPoint at : {QPoint(30, 30), QPoint(280, 40), QPoint(150, 110)})
        EXPECT_EQ(asSplash.pixel(at), asAbout.pixel(at)) << at.x() << "," << at.y();
}

// ---------------------------------------------------------------------------------------------
// Preview follower

class PreviewTest : public AuxWindowsTest {
protected:
    void SetUp() override
    {
        AuxWindowsTest::SetUp();
        UInit::PreviewOpen = false;
        UPreview::StartFollower(&m_owner);
    }
    void PlaceModWindow(QWidget& window, const QString& key, QPoint at)
    {
        UInit::SelectedMod = key;
        TModRow* row = ModTable::Find(key);
        ASSERT_NE(row, nullptr);
        row->Window = &window;
        window.resize(600, 400);
        window.move(at);
        window.show();
        QCoreApplication::processEvents();
    }
    QObject m_owner;
};

TEST_F(PreviewTest, FollowsTheMovedModWindowAtItsOffset)
{
    QDialog rocket;
    PlaceModWindow(rocket, QStringLiteral("Rocket"), QPoint(100, 50));
    TPreview* preview = UPreview::OpenPreview(&rocket);
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(UInit::PreviewOpen);
    EXPECT_EQ(preview->pos(), QPoint(683, 72));

    rocket.move(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(preview->pos(), QPoint(883, 222));

    // Closed by the user: it stays where it was.
    preview->close();
    EXPECT_FALSE(UInit::PreviewOpen);
    rocket.move(10, 10);
    QCoreApplication::processEvents();
    EXPECT_EQ(preview->pos(), QPoint(883, 222));
}

TEST_F(PreviewTest, EscapeEndsThePreviewSoThatItCanBeOpenedAgain)
{
    QDialog rocket;
    PlaceModWindow(rocket, QStringLiteral("Rocket"), QPoint(100, 50));
    TPreview* preview = UPreview::OpenPreview(&rocket);
    ASSERT_NE(preview, nullptr);
    PressKey(preview, Qt::Key_Escape);
    EXPECT_FALSE(preview->isVisible());
    EXPECT_FALSE(UInit::PreviewOpen);

    rocket.move(200, 100);
    QCoreApplication::processEvents();
    EXPECT_EQ(UPreview::OpenPreview(&rocket), preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(UInit::PreviewOpen);
    EXPECT_EQ(preview->pos(), QPoint(783, 122));
    UPreview::ClosePreview();
}

TEST_F(PreviewTest, StaysPutForAModWithoutTeamPreviewAndGoesWithItsWindow)
{
    QPointer<TPreview> preview;
    {
        QDialog window;
        PlaceModWindow(window, QStringLiteral("CStrike"), QPoint(100, 50));
        preview = UPreview::OpenPreview(&window);
        ASSERT_NE(preview, nullptr);
        window.move(400, 300);
        QCoreApplication::processEvents();
        EXPECT_EQ(preview->pos(), QPoint(683, 72));
    }
    // The preview belonged to the closed window: nothing may reach a dead one.
    EXPECT_TRUE(preview.isNull());
    EXPECT_EQ(Preview, nullptr);
    EXPECT_FALSE(UInit::PreviewOpen);
    UPreview::Timer1Timer();
}

// ---------------------------------------------------------------------------------------------
// The program's own data

TEST(ProgramDataTest, EveryModHasItsLogoAndThePicturesDecode)
{
    InitProgramResources();
    for (const TModRow& row : ModTable::Rows()) {
        const QImage logo = StoredPicture::Image(QStringLiteral(":/logos/") + row.Key);
        EXPECT_EQ(logo.size(), QSize(65, 65)) << row.Key.toStdString();
    }
    EXPECT_EQ(StoredPicture::Image(QStringLiteral(":/about/about")).size(), QSize(300, 225));
    const QImage nopic = Pictures::LoadPicture(QStringLiteral(QORVANE_DATA_DIR "/models/nopic.jpg"));
    EXPECT_FALSE(nopic.isNull());
}

TEST(ProgramDataTest, EveryBotSelectorHasBotsWithALibrary)
{
    for (const TModRow& row : ModTable::Rows()) {
        if (!row.HasBotSelector())
            continue;
        SCOPED_TRACE(row.Key.toStdString());
        const QString file = FileSys::Resolve(QStringLiteral(QORVANE_DATA_DIR "/Mods/") + row.ModsFile
                                              + QStringLiteral(".ini"));
        ASSERT_TRUE(FileSys::FileExists(file)) << file.toStdString();
        const TIniFile ini(file);
        const int count = ini.ReadInteger(QStringLiteral("Default"), QStringLiteral("dispo"), 0);
        EXPECT_GE(count, 1);
        for (int n = 1; n <= count; ++n) {
            const QString bot = ini.ReadString(QStringLiteral("Default"), QStringLiteral("Bot%1").arg(n), QString());
            ASSERT_FALSE(bot.isEmpty()) << "Bot" << n;
            EXPECT_FALSE(ini.ReadString(bot, QStringLiteral("dll"), QString()).isEmpty()) << bot.toStdString();
            if (row.Key == QLatin1String("Deathmatch")) {
                EXPECT_FALSE(ini.ReadString(bot, QStringLiteral("game"), QString()).isEmpty()) << bot.toStdString();
                EXPECT_FALSE(ini.ReadString(bot, QStringLiteral("path"), QString()).isEmpty()) << bot.toStdString();
            }
        }
    }
}

// The mod windows pick their per-bot behaviour by comparing the selected bot's section name,
// case-sensitively, with fixed names: each of those names must be offered, spelled alike.
TEST(ProgramDataTest, ModsFilesOfferTheBotsTheWindowsKnowByName)
{
    const struct {
        const char* ModsFile;
        QStringList Bots;
    } cases[] = {
        {"HL-DM", {"Akimbot", "HPB Bot", "Jumbot", "OddBot", "Parabot", "Phineas", "RCBot", "Rho-Bot", "TeamBot"}},
        {"DMC", {"Akimbot", "HPB Bot", "Parabot", "RCBot", "Rho-DMC"}},
        {"Action", {"AHL bot", "Akimbot"}},
        {"Firearms", {"FireBot"}},
        {"TFC", {"Abot", "Akimbot", "FoxBot", "HPB Bot", "OddBot"}},
        {"Rocket", {"RCBot"}},
        {"Frontline", {"HPB Bot", "OddBot"}},
        {"Holywars", {"Akimbot", "HPB Bot", "Parabot"}},
        {"OP4", {"Akimbot", "HPB Bot", "Parabot", "TeamBot"}},
        {"DoD", {"Sturmbot"}},
        {"Gangstawars", {"GangstaWars"}},
        {"SVInstaGib", {"SV Bot"}},
        {"Judgedm", {"Judgement"}},
        {"VS", {"Akimbot"}},
        {"WormsHL", {"Akimbot"}},
        {"Wizwars", {"Akimbot"}},
        {"EFMatch", {"Akimbot"}},
        {"ESForces", {"Akimbot"}},
        {"Snark_wars", {"Akimbot"}},
        {"Darkmatch", {"Akimbot"}},
        {"Existence", {"Akimbot"}},
        {"DragonmodZ", {"Akimbot"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ModsFile);
        const TIniFile ini(FileSys::Resolve(QStringLiteral(QORVANE_DATA_DIR "/Mods/") + QLatin1String(c.ModsFile)
                                            + QStringLiteral(".ini")));
        QStringList offered;
        const int count = ini.ReadInteger(QStringLiteral("Default"), QStringLiteral("dispo"), 0);
        for (int n = 1; n <= count; ++n)
            offered << ini.ReadString(QStringLiteral("Default"), QStringLiteral("Bot%1").arg(n), QString());
        for (const QString& bot : c.Bots) {
            EXPECT_TRUE(offered.contains(bot, Qt::CaseSensitive)) << bot.toStdString();
            // A library path relative to the mod folder, in Windows form.
            const QString dll = ini.ReadString(bot, QStringLiteral("dll"), QString());
            EXPECT_TRUE(dll.endsWith(QStringLiteral(".dll"), Qt::CaseInsensitive)) << bot.toStdString();
            EXPECT_FALSE(dll.contains(QLatin1Char('/')) || dll.contains(QLatin1Char(':'))) << dll.toStdString();
        }
    }
}

} // namespace
