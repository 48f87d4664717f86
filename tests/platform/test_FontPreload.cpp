#include "platform/FontPreload.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QRawFont>

#include <algorithm>
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

TEST(FontPreloadTest, TheType1CopyOfAFaceAlsoThereAsCffOrTrueTypeIsSetAside)
{
    using FontPreload::TFace;
    const int regular = 80, bold = 200, roman = 0, normal = 100;
    const std::vector<TFace> faces = {
        {"Nimbus Sans", regular, roman, normal, "Type 1", "/t1/NimbusSans-Regular.t1"},
        {"Nimbus Sans", regular, roman, normal, "Type 1", "/X11/NimbusSans-Regular.pfb"},
        {"Nimbus Sans", regular, roman, normal, "CFF", "/otf/NimbusSans-Regular.otf"},
        // Only the regular face has a twin: the bold Type 1 file is the only bold there is.
        {"Nimbus Sans", bold, roman, normal, "Type 1", "/t1/NimbusSans-Bold.t1"},
        // Family names are compared without case; a TrueType twin counts as a CFF one does.
        {"URW Gothic", regular, roman, normal, "Type 1", "/t1/URWGothic-Book.t1"},
        {"urw gothic", regular, roman, normal, "TrueType", "/ttf/URWGothic-Book.ttf"},
        // A bitmap copy is no faster outline.
        {"Courier", regular, roman, normal, "Type 1", "/t1/Courier.pfb"},
        {"Courier", regular, roman, normal, "PCF", "/misc/cour.pcf"},
        // A face of another width is another face.
        {"Nimbus Sans Narrow", regular, roman, 75, "Type 1", "/t1/NimbusSansNarrow-Regular.t1"},
    };
    EXPECT_EQ(FontPreload::SlowDuplicates(faces),
              (std::vector<std::string>{"/X11/NimbusSans-Regular.pfb", "/t1/NimbusSans-Regular.t1",
                                        "/t1/URWGothic-Book.t1"}));
    EXPECT_TRUE(FontPreload::SlowDuplicates({}).empty());

    // The configuration is told a folder where every font in it goes, else each file; a name that
    // would match others as a pattern stays.
    std::vector<TFace> more = faces;
    more.push_back({"Nimbus Sans", bold, roman, normal, "Type 1", "/t1/What?.t1"});
    more.push_back({"Nimbus Sans", bold, roman, normal, "CFF", "/otf/NimbusSans-Bold.otf"});
    EXPECT_EQ(FontPreload::SetAsideGlobs(more),
              (std::vector<std::string>{"/X11/*", "/t1/NimbusSans-Bold.t1", "/t1/NimbusSans-Regular.t1",
                                        "/t1/URWGothic-Book.t1"}));
}

// The test program starts its fonts as the program does: no face it offers has a quicker twin,
// and Arial's stand-in is opened from an outline file with tables wherever one is installed.
TEST(FontPreloadTest, TheProcessOffersNoSlowDuplicateAndArialComesFromAnOutlineFile)
{
    const std::vector<FontPreload::TFace> faces = FontPreload::OfferedFaces();
    if (faces.empty())
        GTEST_SKIP() << "built without fontconfig";
    EXPECT_TRUE(FontPreload::SlowDuplicates(faces).empty());

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    // Qt names the foundry where a family has several: "Nimbus Sans [UKWN]".
    QString family = QFontInfo(font).family();
    family = family.left(family.indexOf(QLatin1String(" ["))).trimmed();
    const bool quickCopy = std::any_of(faces.begin(), faces.end(), [&](const FontPreload::TFace& f) {
        return QString::fromStdString(f.Family).compare(family, Qt::CaseInsensitive) == 0 &&
               (f.Format == "CFF" || f.Format == "TrueType");
    });
    if (!quickCopy)
        GTEST_SKIP() << family.toStdString() << " is installed only in other formats";
    EXPECT_FALSE(QRawFont::fromFont(font).fontTable("head").isEmpty()) << family.toStdString();
}
