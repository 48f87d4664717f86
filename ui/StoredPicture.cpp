#include "ui/StoredPicture.h"

#include <QResource>
#include <QtEndian>

#include <cstring>

namespace {

constexpr qsizetype kHeaderBytes = 16;

struct TStored {
    const uchar* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    QImage::Format Format = QImage::Format_Invalid;
};

// The header checked against the resource's size, so that a damaged or foreign resource gives
// nothing rather than a read past its end.
TStored Find(const QString& path)
{
    const QResource resource(path);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const uchar* data = resource.data();
    const qint64 size = resource.size();
    if (!data || size < kHeaderBytes || std::memcmp(data, "QPX1", 4) != 0)
        return {};
    const quint32 width = qFromLittleEndian<quint32>(data + 4);
    const quint32 height = qFromLittleEndian<quint32>(data + 8);
    const quint32 format = qFromLittleEndian<quint32>(data + 12);
    if (width == 0 || height == 0 || width > 4096 || height > 4096
        || (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied)
        || size != kHeaderBytes + qint64(width) * height * 4)
        return {};
    return {data + kHeaderBytes, int(width), int(height), QImage::Format(format)};
}

} // namespace

namespace StoredPicture {

QImage Image(const QString& path)
{
    const TStored stored = Find(path);
    if (!stored.Pixels)
        return {};
    const qsizetype rowBytes = qsizetype(stored.Width) * 4;
    // QImage reads 32-bit pixels in place only from 32-bit aligned rows.
    if (reinterpret_cast<quintptr>(stored.Pixels) % 4 != 0) {
        QImage copy(stored.Width, stored.Height, stored.Format);
        for (int y = 0; y < stored.Height; ++y)
            std::memcpy(copy.scanLine(y), stored.Pixels + y * rowBytes, rowBytes);
        return copy;
    }
    return QImage(stored.Pixels, stored.Width, stored.Height, rowBytes, stored.Format);
}

QSize Size(const QString& path)
{
    const TStored stored = Find(path);
    return stored.Pixels ? QSize(stored.Width, stored.Height) : QSize();
}

QPixmap Pixmap(const QString& path)
{
    return QPixmap::fromImage(Image(path));
}

} // namespace StoredPicture
