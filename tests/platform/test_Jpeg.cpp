#include "fixtures/FileBytes.h"
#include "platform/Jpeg.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class JpegTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Left half red, right half blue, so a decoder that mixes up channels or rows fails.
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::red);
        // Some texture, so that most of the file is picture data rather than tables.
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x) {
                const int n = (x * 37 + y * 91) % 40;
                picture.setPixel(x, y, x < 32 ? qRgb(255 - n, n, n) : qRgb(n, n, 255 - n));
            }
        ASSERT_TRUE(picture.save(Path("Model.JPG"), "JPEG", 95));
        m_good = FileBytes(Path("Model.JPG"));
    }
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes)
    {
        EXPECT_TRUE(PutBytes(Path(name), bytes)) << name.toStdString();
        return Path(name);
    }
    QTemporaryDir m_dir;
    QByteArray m_good;
};

TEST_F(JpegTest, DecodesSizeAndColours)
{
    const QImage image = Pictures::DecodeJpeg(Path("model.jpg"));   // found whatever the case
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(64, 48));
    const QColor left = image.pixelColor(8, 24), right = image.pixelColor(56, 24);
    EXPECT_GT(left.red(), 180);
    EXPECT_LT(left.blue(), 80);
    EXPECT_GT(right.blue(), 180);
    EXPECT_LT(right.red(), 80);
    EXPECT_EQ(Pictures::LoadPicture(Path("MODEL.jpg")).size(), QSize(64, 48));
}

TEST_F(JpegTest, GreyPicturesDecodeToo)
{
    QImage grey(16, 8, QImage::Format_Grayscale8);
    grey.fill(200);
    ASSERT_TRUE(grey.save(Path("grey.jpg"), "JPEG", 95));
    const QImage image = Pictures::DecodeJpeg(Path("grey.jpg"));
    ASSERT_EQ(image.size(), QSize(16, 8));
    EXPECT_NEAR(image.pixelColor(4, 4).green(), 200, 4);
    EXPECT_NEAR(image.pixelColor(4, 4).red(), 200, 4);
}

TEST_F(JpegTest, DamagedFilesGiveANullImage)
{
    QByteArray scrambled = m_good;
    for (qsizetype i = scrambled.size() / 3; i < scrambled.size() - 2; i += 7)
        scrambled[i] = char(0xFF);   // markers in the middle of the picture data
    QByteArray badHeader = m_good;
    badHeader[1] = 0x00;   // no start-of-image marker
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"truncated.jpg", m_good.left(m_good.size() / 2)},
        {"no-end.jpg", m_good.left(m_good.size() - 10)},
        {"header-only.jpg", m_good.left(200)},
        {"scrambled.jpg", scrambled},
        {"badheader.jpg", badHeader},
        {"text.jpg", "this is not a picture"},
        {"empty.jpg", ""},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(Pictures::DecodeJpeg(Write(c.Name, c.Bytes)).isNull()) << c.Name;
    EXPECT_TRUE(Pictures::DecodeJpeg(Path("missing.jpg")).isNull());
    EXPECT_TRUE(Pictures::LoadPicture(Path("missing.bmp")).isNull());
}

TEST_F(JpegTest, APictureClaimingAHugeSizeIsRefused)
{
    // A progressive picture would make the decoder reserve a buffer for every coefficient of
    // the whole image: 65500 x 65500 is refused on the header's word.
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::red);
    QImageWriter writer(Path("progressive.jpg"), "jpeg");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(small));
    QByteArray bytes = FileBytes(Path("progressive.jpg"));
    for (const char sof : {char(0xC2), char(0xC0)}) {
        const qsizetype at = bytes.indexOf(QByteArray("\xff") + sof);
        if (at < 0)
            continue;
        // Marker, length (2), precision (1), then height and width (2 each).
        for (int i : {5, 7}) {
            bytes[at + i] = char(0xFF);
            bytes[at + i + 1] = char(0xDC);
        }
        EXPECT_TRUE(Pictures::DecodeJpeg(Write("huge.jpg", bytes)).isNull());
        return;
    }
    FAIL() << "no frame header";
}

TEST_F(JpegTest, BitmapsLoadThroughQt)
{
    QImage bmp(10, 20, QImage::Format_RGB32);
    bmp.fill(Qt::green);
    ASSERT_TRUE(bmp.save(Path("gordon.bmp"), "BMP"));
    const QImage loaded = Pictures::LoadPicture(Path("Gordon.BMP"));
    EXPECT_EQ(loaded.size(), QSize(10, 20));
    EXPECT_EQ(loaded.pixelColor(5, 5), QColor(Qt::green));
}

} // namespace
