#include "Jpeg.h"

#include "FileSys.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace Pictures {

namespace {

// libjpeg reports fatal errors through error_exit, which by default ends the process; ours
// jumps back to the decoder instead. Warnings that mean the data is cut off or damaged are
// treated as errors too, so a truncated picture is refused rather than shown half grey.
struct TErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
};

[[noreturn]] void ErrorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<TErrorManager*>(info->err);
    std::longjmp(manager->Jump, 1);
}

void EmitMessage(j_common_ptr info, int level)
{
    // level -1 is a warning about the data; stray bytes between markers are harmless and
    // common, anything else means the picture is damaged.
    if (level < 0 && info->err->msg_code != JWRN_EXTRANEOUS_DATA)
        ErrorExit(info);
}

void OutputMessage(j_common_ptr) {}

// Pictures larger than this are not model pictures; refusing them keeps memory bounded.
constexpr unsigned long long MaxPixels = 64ull * 1024 * 1024;

QImage Decode(const QByteArray& bytes)
{
    jpeg_decompress_struct info{};
    TErrorManager errors{};
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.emit_message = EmitMessage;
    errors.Base.output_message = OutputMessage;

    // Everything that must survive a longjmp lives outside this frame's registers.
    QImage* volatile image = nullptr;
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return QImage();
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // The header alone says how large the picture claims to be: a huge one is refused before
    // the decoder reserves its buffers (a progressive picture's reach the whole image).
    if (info.image_width == 0 || info.image_height == 0
        || static_cast<unsigned long long>(info.image_width) * info.image_height > MaxPixels) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBX;
    jpeg_start_decompress(&info);

    if (info.output_width == 0 || info.output_height == 0
        || static_cast<unsigned long long>(info.output_width) * info.output_height > MaxPixels
        || info.output_components != 4) {
        jpeg_destroy_decompress(&info);
        return QImage();
    }
    image = new QImage(int(info.output_width), int(info.output_height),
                       cmyk ? QImage::Format_RGB32 : QImage::Format_RGBX8888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        delete image;
        return QImage();
    }
    while (info.output_scanline < info.output_height) {
        uchar* line = image->scanLine(int(info.output_scanline));
        JSAMPROW row = line;
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            // Adobe writes CMYK inverted; convert in place to 0xffRRGGBB.
            const bool adobe = info.saw_Adobe_marker;
            auto* out = reinterpret_cast<QRgb*>(line);
            for (unsigned x = 0; x < info.output_width; ++x) {
                int c = line[4 * x], m = line[4 * x + 1], y = line[4 * x + 2], k = line[4 * x + 3];
                if (!adobe) {
                    c = 255 - c; m = 255 - m; y = 255 - y; k = 255 - k;
                }
                out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
            }
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    QImage result = *image;
    delete image;
    return result;
}

} // namespace

QImage DecodeJpeg(const QString& path)
{
    QFile f(FileSys::Resolve(path));
    if (!f.open(QIODevice::ReadOnly))
        return QImage();
    const QByteArray bytes = f.readAll();
    if (bytes.isEmpty())
        return QImage();
    return Decode(bytes);
}

QImage LoadPicture(const QString& path)
{
    const QString resolved = FileSys::Resolve(path);
    const QString suffix = QFileInfo(resolved).suffix();
    if (suffix.compare(QStringLiteral("jpg"), Qt::CaseInsensitive) == 0
        || suffix.compare(QStringLiteral("jpeg"), Qt::CaseInsensitive) == 0)
        return DecodeJpeg(resolved);
    if (!QFileInfo(resolved).isFile())
        return QImage();
    return QImage(resolved);
}

} // namespace Pictures
