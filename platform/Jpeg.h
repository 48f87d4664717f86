#pragma once
#include <QImage>
#include <QString>

namespace Pictures {
// Decodes a JPEG file with libjpeg; a missing, corrupt or truncated file gives a null image.
QImage DecodeJpeg(const QString& path);
// A model picture: .jpg/.jpeg through DecodeJpeg, anything else (.bmp) through Qt.
QImage LoadPicture(const QString& path);
}
