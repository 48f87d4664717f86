#include "fixtures/ScriptedDialogs.h"
#include "platform/Dialogs.h"
#include "platform/WindowLookup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(ScriptedDialogs, AnswersFromTheQueueAndRecordsEveryText)
{
    ScriptedDialogs dialogs;
    dialogs.ExpectConfirm(true);
    dialogs.ExpectConfirm(false);
    dialogs.ExpectFolder("/games/hl");
    dialogs.ExpectColor(QColor(0x93, 0xAC, 0xD2));
    dialogs.ExpectColor(Qt::red, false);

    Dialogs::ShowError("Can't write game.cfg");
    EXPECT_TRUE(Dialogs::Confirm("Save changes?"));
    EXPECT_FALSE(Dialogs::Confirm("Really?"));
    Dialogs::ShowWarning("careful");
    Dialogs::ShowInfo("done");
    EXPECT_EQ(Dialogs::SelectFolder("Game Directory", "/"), "/games/hl");
    QColor colour(Qt::black);
    EXPECT_TRUE(Dialogs::SelectColor(colour));
    EXPECT_EQ(colour, QColor(0x93, 0xAC, 0xD2));
    EXPECT_FALSE(Dialogs::SelectColor(colour));
    EXPECT_EQ(colour, QColor(0x93, 0xAC, 0xD2));   // a cancelled choice changes nothing

    EXPECT_EQ(dialogs.Texts(Dialogs::TKind::Confirmation), (QStringList{"Save changes?", "Really?"}));
    EXPECT_EQ(dialogs.Texts().mid(0, 5),
              (QStringList{"Can't write game.cfg", "Save changes?", "Really?", "careful", "done"}));
    EXPECT_EQ(dialogs.Shown()[3].Kind, Dialogs::TKind::Warning);
    EXPECT_EQ(dialogs.PendingAnswers(), 0);
}

// Questions nobody answers fail the running test and come back as No / Cancel, with nothing
// changed.
void ExpectUnansweredQuestionsFailAndCancel()
{
    bool answer = true;
    EXPECT_NONFATAL_FAILURE(answer = Dialogs::Confirm("Delete the bot?"), "Delete the bot?");
    EXPECT_FALSE(answer);
    QString folder = "x";
    EXPECT_NONFATAL_FAILURE(folder = Dialogs::SelectFolder("Game Directory", "/"), "Game Directory");
    EXPECT_TRUE(folder.isEmpty());
    QColor colour(Qt::blue);
    EXPECT_NONFATAL_FAILURE(answer = Dialogs::SelectColor(colour), "colour");
    EXPECT_FALSE(answer);
    EXPECT_EQ(colour, QColor(Qt::blue));
}

TEST(ScriptedDialogs, UnexpectedDialogsFailTheTestAndAnswerNo)
{
    ScriptedDialogs dialogs;
    ExpectUnansweredQuestionsFailAndCancel();
}

TEST(ScriptedDialogs, OnlyTheLivingScriptAnswers)
{
    ScriptedDialogs outer;
    {
        ScriptedDialogs inner;
        inner.ExpectConfirm(true);
        EXPECT_TRUE(Dialogs::Confirm("inner"));
    }
    // The inner script is gone; the outer one answers again.
    outer.ExpectConfirm(true);
    EXPECT_TRUE(Dialogs::Confirm("outer"));
    EXPECT_EQ(outer.Texts(), QStringList{"outer"});
}

TEST(ScriptedDialogs, RemovingTheLastScriptRestoresTheProviderBeforeIt)
{
    Dialogs::IProvider* const before = Dialogs::Provider();
    {
        ScriptedDialogs dialogs;
        EXPECT_EQ(Dialogs::Provider(), &dialogs);
    }
    EXPECT_EQ(Dialogs::Provider(), before);
}

TEST(ScriptedDialogs, OutsideAnyScriptEveryDialogFailsTheTestInsteadOfWaiting)
{
    // The test run's own stand-in answers; a real modal box would block the run.
    ASSERT_NE(Dialogs::Provider(), nullptr);
    EXPECT_NONFATAL_FAILURE(Dialogs::ShowError("Can't write game.cfg"), "Can't write game.cfg");
    EXPECT_NONFATAL_FAILURE(Dialogs::ShowInfo("Launched"), "Launched");
    ExpectUnansweredQuestionsFailAndCancel();
}

TEST(WindowLookup, OverrideDecidesAndOffscreenFindsNothing)
{
    WindowLookup::SetOverride([](const QString& title) { return title == "Half-Life"; });
    EXPECT_TRUE(WindowLookup::WindowExists("Half-Life"));
    EXPECT_FALSE(WindowLookup::WindowExists("half-life"));
    WindowLookup::SetOverride({});
    EXPECT_FALSE(WindowLookup::WindowExists("Half-Life"));   // no X display offscreen
}

} // namespace

namespace {

struct TSeen {
    QString Title, Text;
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
};

// Hands the next modal window to act once it is on screen (act closes it); gives up after 5 s
// so a dialog that never comes fails the test instead of hanging it.
void OnNextModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    auto* waited = new int(0);
    QObject::connect(timer, &QTimer::timeout, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal && ++*waited < 500)
            return;
        if (modal)
            act(modal);
        timer->deleteLater();
        delete waited;
    });
    timer->start(10);
}

// Answers the real Qt message box, after noting what it showed.
void AnswerNextBox(TSeen& seen, QMessageBox::StandardButton answer)
{
    OnNextModal([=, &seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
            modal->close();
            return;
        }
        seen = {box->windowTitle(), box->text(), box->icon()};
        if (QAbstractButton* b = box->button(answer))
            b->click();
        else
            box->reject();
    });
}

// The real Qt dialogs for one test; the run's stand-in comes back afterwards.
class QtDialogs : public ::testing::Test {
protected:
    void SetUp() override { Dialogs::SetProvider(nullptr); }
    void TearDown() override { Dialogs::SetProvider(m_saved); }

private:
    Dialogs::IProvider* m_saved = Dialogs::Provider();
};

TEST_F(QtDialogs, MessageBoxesCarryTheOwnersCaptionAndMapYesNo)
{
    ASSERT_EQ(Dialogs::Provider(), nullptr);
    QWidget owner;
    owner.setWindowTitle("Counter-Strike");
    TSeen seen;

    AnswerNextBox(seen, QMessageBox::No);
    EXPECT_FALSE(Dialogs::Confirm("Save changes?", &owner));
    EXPECT_EQ(seen.Title, "Counter-Strike");
    EXPECT_EQ(seen.Text, "Save changes?");

    AnswerNextBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(Dialogs::Confirm("Delete the bot?", &owner));

    AnswerNextBox(seen, QMessageBox::Cancel);   // no such button: closed as Esc closes it
    EXPECT_FALSE(Dialogs::Confirm("Delete the bot?", &owner));

    AnswerNextBox(seen, QMessageBox::Ok);
    Dialogs::ShowError("Can't write game.cfg");
    EXPECT_EQ(seen.Title, QGuiApplication::applicationDisplayName());
    EXPECT_EQ(seen.Icon, QMessageBox::Critical);
    EXPECT_EQ(seen.Text, "Can't write game.cfg");
}

TEST_F(QtDialogs, FolderChoiceStartsInTheGivenFolderWhateverItsCaseOrAtHome)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("Half-Life"));
    const QString onDisk = QFileInfo(dir.filePath("Half-Life")).canonicalFilePath();
    const struct {
        QString Start;
        QString Shown;
    } cases[] = {
        {dir.path() + "/HALF-LIFE", onDisk},
        {"C:\\", QDir::homePath()},
        {dir.path() + "/gone", QDir::homePath()},
    };
    for (const auto& c : cases) {
        QString shown, caption;
        OnNextModal([&](QWidget* modal) {
            if (auto* chooser = qobject_cast<QFileDialog*>(modal)) {
                shown = QFileInfo(chooser->directory().absolutePath()).canonicalFilePath();
                caption = chooser->windowTitle();
            }
            modal->close();
        });
        EXPECT_EQ(Dialogs::SelectFolder("Game Directory", c.Start), "") << c.Start.toStdString();
        EXPECT_EQ(shown, QFileInfo(c.Shown).canonicalFilePath()) << c.Start.toStdString();
        EXPECT_EQ(caption, "Game Directory");
    }
}

} // namespace
