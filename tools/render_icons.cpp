// Renders the program's icon from its vector source to the sizes of the
// desktop's icon theme, at build time:
//
//   render_icons <icon.svg> <output folder> <size>...
//
// writes <output folder>/<size>.png for each size, and <size>.argb: the same
// pixels raw (premultiplied ARGB, 32 bits each, row after row), which the
// program's windows take as their icon without a picture decoder. At 24 pixels and below
// only the emblem is drawn, filling the square: the resistor under it would be
// a smudge of a few pixels there.

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

constexpr int kLargestSmallSize = 24;
// The emblem's disc with its ring, in the drawing's units.
const QRectF kEmblem(29.75, 3.75, 196.5, 196.5);

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icons <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    QSvgRenderer whole(QString::fromLocal8Bit(argv[1]));
    QSvgRenderer emblem(QString::fromLocal8Bit(argv[1]));
    if (!whole.isValid()) {
        std::fprintf(stderr, "render_icons: cannot read %s\n", argv[1]);
        return 1;
    }
    emblem.setViewBox(kEmblem);
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        if (size < 8 || size > 1024) {
            std::fprintf(stderr, "render_icons: bad size %s\n", argv[i]);
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        (size <= kLargestSmallSize ? emblem : whole).render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString file = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1.png").arg(size);
        if (!image.save(file)) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
        const QString rawFile = QString::fromLocal8Bit(argv[2]) + QStringLiteral("/%1.argb").arg(size);
        QFile raw(rawFile);
        const qint64 bytes = qint64(size) * size * 4;
        if (!raw.open(QIODevice::WriteOnly) ||
            raw.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes || !raw.flush()) {
            std::fprintf(stderr, "render_icons: cannot write %s\n", qPrintable(rawFile));
            return 1;
        }
    }
    return 0;
}
