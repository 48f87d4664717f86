#include "core/ModTable.h"
#include "ui/ButtonWithColor.h"
#include "ui/StoredPicture.h"
#include "ui/UAbout.h"

#include <QImage>
#include <QResource>
#include <gtest/gtest.h>

namespace {

// What Qt would paint from after decoding the PNG the picture was packed from.
QImage FromSource(const QString& png)
{
    const QImage image(png);
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

TEST(StoredPictureTest, EveryPictureIsItsSourcePixelForPixelOverTheProgramsOwnBytes)
{
    InitProgramResources();
    QList<std::pair<QString, QString>> pictures{
        {QStringLiteral(":/about/about"), QStringLiteral(QORVANE_UI_DIR "/about/about.png")}};
    for (const TModRow& row : ModTable::Rows())
        pictures.append({QStringLiteral(":/logos/") + row.Key,
                         QStringLiteral(QORVANE_UI_DIR "/logos/") + row.Key + QStringLiteral(".png")});
    for (const auto& [resource, png] : pictures) {
        SCOPED_TRACE(resource.toStdString());
        const QImage stored = StoredPicture::Image(resource);
        const QImage source = FromSource(png);
        ASSERT_FALSE(source.isNull());
        EXPECT_EQ(stored.format(), source.format());
        EXPECT_EQ(stored, source);
        EXPECT_EQ(StoredPicture::Size(resource), source.size());
        // Nothing decoded or copied: the pixels are the resource's own.
        EXPECT_EQ(stored.constBits(), QResource(resource).data() + 16);
        EXPECT_EQ(StoredPicture::Pixmap(resource).toImage(), source);
    }
}

// The main window shows the packed 59 px logos in place of scaling the 65 px ones: they must be
// the very pixels that scaling gives.
TEST(StoredPictureTest, EveryLogoIsPackedAtTheButtonSizeAsScalingItWouldGive)
{
    InitProgramResources();
    for (const TModRow& row : ModTable::Rows()) {
        SCOPED_TRACE(row.Key.toStdString());
        const QString shown = QStringLiteral(":/logos/59/") + row.Key;
        const QPixmap scaled = StoredPicture::Pixmap(QStringLiteral(":/logos/") + row.Key)
                                   .scaled(QSize(59, 59), Qt::IgnoreAspectRatio,
                                           Qt::SmoothTransformation);
        ASSERT_EQ(StoredPicture::Size(shown), QSize(59, 59));
        EXPECT_EQ(StoredPicture::Pixmap(shown).toImage(), scaled.toImage());
    }
}

TEST(StoredPictureTest, WhatIsNoStoredPictureGivesNothing)
{
    InitProgramResources();
    // A resource of the program, but a PNG rather than a stored picture.
    TBitBtnWithColor::KindGlyph(TBitBtnKind::bkOK);
    ASSERT_TRUE(QResource(QStringLiteral(":/buttons/BBCOK")).isValid());
    for (const QString& path : {QStringLiteral(":/logos/NoSuchMod"), QStringLiteral(":/logos"),
                                QStringLiteral(":/buttons/BBCOK"), QString()}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(StoredPicture::Image(path).isNull());
        EXPECT_FALSE(StoredPicture::Size(path).isValid());
        EXPECT_TRUE(StoredPicture::Pixmap(path).isNull());
    }
}
