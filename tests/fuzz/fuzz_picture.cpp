// The model pictures: .jpg/.jpeg through libjpeg, .bmp through Qt, as the bots page loads them.
// The input's first byte picks the kind. Any bytes give a picture of bounded size or none.
#include "FuzzSupport.h"

#include "platform/Jpeg.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    Fuzz::Init(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool bitmap = data[0] & 1;
    const QString path = Fuzz::Scratch(bitmap ? QStringLiteral("model.bmp") : QStringLiteral("model.jpg"));
    Fuzz::Put(path, Fuzz::Bytes(data + 1, size - 1));
    const QImage image = Pictures::LoadPicture(path);
    if (!image.isNull()) {
        FUZZ_CHECK(image.width() > 0 && image.height() > 0, path);
        if (!bitmap)
            FUZZ_CHECK(qint64(image.width()) * image.height() <= 64ll * 1024 * 1024,
                       QStringLiteral("%1 x %2").arg(image.width()).arg(image.height()));
    }
    return 0;
}
