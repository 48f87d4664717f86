#include "platform/FontPreload.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

// A start-up that fails before the application exists must not wait for a thread that waits
// for the application: the program would hang on its way out.
TEST(FontPreloadTest, EndsWithoutTheApplicationEverBeingReady)
{
    FontPreload::TPreload preload;
}

// The main thread asks for a font while the thread fills the database: both get through, and
// the thread is done when the fill goes.
TEST(FontPreloadTest, MainThreadUsesFontsWhileTheDatabaseIsFilled)
{
    FontPreload::TPreload preload;
    {
        const FontPreload::TDatabaseFill fill(preload);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(13);
        EXPECT_GT(QFontMetrics(font).height(), 0);
    }
    preload.Wait();
}
