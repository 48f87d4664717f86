// Build tool: turns a PNG into the picture the program keeps among its resources, already in the
// pixel format Qt paints from (opaque pictures as RGB32, the others as premultiplied ARGB32),
// so that starting the program decodes nothing and converts nothing (ui/StoredPicture.h).
//
//     pack_picture INPUT.png OUTPUT [WIDTH HEIGHT]
//
// With a size, the picture is packed scaled to it, as the program would scale the packed
// picture itself (smoothly, to exactly that size), so that a picture shown at one size only is
// not scaled at every start.
// The output is a 16-byte header (the 4 bytes "QPX1", then width, height and QImage::Format as
// 32-bit little-endian numbers) followed by the rows, 4 bytes a pixel, without padding.
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: pack_picture INPUT.png OUTPUT [WIDTH HEIGHT]\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "pack_picture: cannot read %s: %s\n", argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                          : QImage::Format_RGB32);
    if (argc == 5) {
        const QSize size(std::atoi(argv[3]), std::atoi(argv[4]));
        if (size.isEmpty()) {
            std::fprintf(stderr, "pack_picture: no size %s x %s\n", argv[3], argv[4]);
            return 2;
        }
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QByteArray bytes("QPX1");
    for (const quint32 value : {quint32(image.width()), quint32(image.height()),
                                quint32(image.format())}) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.append(char((value >> shift) & 0xFF));
    }
    const qsizetype rowBytes = qsizetype(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes);

    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()
        || !out.flush()) {
        std::fprintf(stderr, "pack_picture: cannot write %s: %s\n", argv[2],
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
