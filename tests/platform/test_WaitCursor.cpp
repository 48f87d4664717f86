#include "platform/WaitCursor.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

// Off an X display (the tests' offscreen platform) Qt's override cursor shows the wait, from
// Begin to End, and nothing is left set afterwards.
TEST(WaitCursorTest, OverrideCursorStandsInOffTheXDisplay)
{
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        WaitCursor::TSplashCursor cursor;
        cursor.Begin();
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QWidget splash;
        splash.show();
        cursor.Over(&splash);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        cursor.End();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A start that fails before the splash exists (or before the application does) must not wait
// for a thread that waits for the splash: the program would hang on its way out.
TEST(WaitCursorTest, EndsWithoutASplashEverShown)
{
    { WaitCursor::TSplashCursor cursor; }
    WaitCursor::TSplashCursor cursor;
    cursor.Begin();
    cursor.End();
    cursor.End();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}
