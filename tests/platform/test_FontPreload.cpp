#include "platform/FontPreload.h"

#include <QFont>
#include <QFontMetrics>
#include <gtest/gtest.h>

#ifdef QORVANE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

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

#ifdef QORVANE_HAVE_FONTCONFIG
namespace {

QByteArray MatchedFile(FcConfig* config, const char* family)
{
    FcPattern* const pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* const match = FcFontMatch(config, pattern, &result);
    QByteArray file;
    FcChar8* name = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &name) == FcResultMatch)
        file = reinterpret_cast<const char*>(name);
    if (match)
        FcPatternDestroy(match);
    FcPatternDestroy(pattern);
    return file;
}

} // namespace

// The thread builds fontconfig's configuration without FcInit(): what it makes current must be
// the system's own, as FcInit() would have loaded it, with the same fonts and the same choices.
TEST(FontPreloadTest, TheConfigurationMadeCurrentIsTheSystemsOwn)
{
    {
        FontPreload::TPreload preload;   // builds the configuration, then is cancelled
    }
    FcConfig* const current = FcConfigReference(nullptr);
    FcConfig* const stock = FcInitLoadConfigAndFonts();
    ASSERT_TRUE(current);
    ASSERT_TRUE(stock);
    const FcFontSet* const currentFonts = FcConfigGetFonts(current, FcSetSystem);
    const FcFontSet* const stockFonts = FcConfigGetFonts(stock, FcSetSystem);
    ASSERT_TRUE(currentFonts);
    ASSERT_TRUE(stockFonts);
    EXPECT_GT(currentFonts->nfont, 0);
    EXPECT_EQ(currentFonts->nfont, stockFonts->nfont);
    // Substitutions (Arial's metric twin), aliases (sans-serif) and bold faces come from conf.d.
    for (const char* family : {"Arial", "Arial:bold", "sans-serif", "monospace"})
        EXPECT_EQ(MatchedFile(current, family), MatchedFile(stock, family)) << family;
    FcConfigDestroy(stock);
    FcConfigDestroy(current);
}
#endif
