#pragma once
// The program's own pictures (the About picture ":/about/about", the mod logos
// ":/logos/<mod key>") are compiled in uncompressed and already in the pixel format Qt paints
// from (the build packs them with tools/pack_picture), so showing one decodes and converts
// nothing: the image lies over the program's own bytes. A path that names no such picture gives
// a null image and an invalid size.
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace StoredPicture {

QImage Image(const QString& path);
// Read from the header alone.
QSize Size(const QString& path);
QPixmap Pixmap(const QString& path);

} // namespace StoredPicture
