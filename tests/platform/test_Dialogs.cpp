#include "fixtures/ScriptedDialogs.h"
#include "platform/Dialogs.h"
#include "platform/WindowLookup.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

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

TEST(ScriptedDialogs, UnexpectedDialogsFailTheTestAndAnswerNo)
{
    ScriptedDialogs dialogs;
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

TEST(ScriptedDialogs, RemovingTheLastScriptRestoresTheRealDialogs)
{
    {
        ScriptedDialogs dialogs;
        EXPECT_EQ(Dialogs::Provider(), &dialogs);
    }
    EXPECT_EQ(Dialogs::Provider(), nullptr);
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
