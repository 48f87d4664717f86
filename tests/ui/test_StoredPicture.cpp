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
