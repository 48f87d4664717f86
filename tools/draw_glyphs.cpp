// Build tool: draws the glyphs of the main window's "Edit Mod Config" and "Launch Half-Life"
// buttons as PNG files, which the build then packs like the other pictures (tools/pack_picture),
// so that the start paints none of them.
//
//     draw_glyphs OUTPUT_FOLDER      (writes edit.png and launch.png there)
//
// Each is 56 x 56 on a transparent ground, drawn smoothly. Premultiplied pixels read back the
// same through a PNG, so the packed glyph is the one drawn here, pixel for pixel.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <initializer_list>

namespace {

template <typename Draw>
QImage PaintGlyph(Draw draw)
{
    QImage image(56, 56, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

QPainterPath Polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path(*points.begin());
    for (auto point = points.begin() + 1; point != points.end(); ++point)
        path.lineTo(*point);
    path.closeSubpath();
    return path;
}

// "Edit Mod Config": a sheet of settings with a pencil.
QImage EditGlyph()
{
    return PaintGlyph([](QPainter& p) {
        p.setPen(QPen(QColor(40, 50, 70), 2));
        p.setBrush(QColor(250, 250, 240));
        p.drawRoundedRect(QRectF(8, 4, 32, 44), 3, 3);
        p.setPen(QPen(QColor(70, 90, 130), 2));
        for (int y = 14; y <= 38; y += 8)
            p.drawLine(14, y, 34, y);
        p.setPen(QPen(QColor(60, 40, 10), 1.5));
        p.setBrush(QColor(235, 170, 40));
        p.drawPath(Polygon({{46, 18}, {52, 24}, {30, 46}, {22, 48}, {24, 40}}));
    });
}

// "Launch Half-Life": a start arrow in a ring.
QImage LaunchGlyph()
{
    return PaintGlyph([](QPainter& p) {
        p.setPen(QPen(QColor(120, 50, 0), 3));
        p.setBrush(QColor(250, 140, 20));
        p.drawEllipse(QRectF(4, 4, 48, 48));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 250, 235));
        p.drawPath(Polygon({{21, 15}, {41, 28}, {21, 41}}));
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_glyphs OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "draw_glyphs: cannot make %s\n", argv[1]);
        return 1;
    }
    for (const auto& [name, image] : {std::pair{"edit.png", EditGlyph()},
                                      std::pair{"launch.png", LaunchGlyph()}}) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "draw_glyphs: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
