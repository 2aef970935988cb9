// The image viewer's picture loaders: bitmap, JPEG, icon and PNG files read
// as the viewer reads them (header first, then the whole picture, then a part
// where the loader can read one).
//
// Input: one byte choosing the kind (low two bits) and the part (the rest),
// then the file's bytes. A picture either is refused with a message or comes
// out at the size its header gave (an icon at any size), in a format that is
// quick to draw; a part comes out at the size asked for. Pictures whose header claims more than a
// few million pixels are only inspected, so that a run stays short; the
// loader's own bound (pictures::kMaxPixels) is checked on every header.

#include "images/picture_loader.h"
#include "tests/fuzz/fuzz_check.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>

using fuzzcheck::expect;

namespace {

constexpr qint64 kMaxDecodedPixels = 4'000'000;

struct KindFile
{
    pictures::Kind kind;
    const char* name;
};
constexpr KindFile kKinds[] = {{pictures::Kind::Bitmap, "picture.bmp"},
                               {pictures::Kind::Jpeg, "picture.jpg"},
                               {pictures::Kind::Icon, "picture.ico"},
                               {pictures::Kind::Png, "picture.png"}};

std::unique_ptr<QTemporaryDir> folder;

QString sizeText(const QSize& size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

bool drawable(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied ||
           image.format() == QImage::Format_RGB888;
}

void checkResult(const pictures::RasterResult& result, const QSize& expected, const char* what)
{
    expect(result.error.isEmpty() != result.image.isNull(),
           "a picture comes with no message, a refusal with one", result.error);
    if (result.image.isNull())
        return;
    expect(!expected.isValid() || result.image.size() == expected, what,
           sizeText(result.image.size()) + QStringLiteral(" instead of ") + sizeText(expected));
    expect(drawable(result.image), "a picture comes in a format that is quick to draw");
}

// One of sixteen parts of the picture, by the choice's bits: a quarter,
// half or whole of each side, starting at its beginning or middle.
QRect partOf(const QSize& size, std::uint8_t choice)
{
    const int w = size.width();
    const int h = size.height();
    const int x = (choice & 1) ? w / 2 : 0;
    const int y = (choice & 2) ? h / 2 : 0;
    const int pw = (choice & 4) ? w : w / 4 + 1;
    const int ph = (choice & 8) ? h : h / 4 + 1;
    return QRect(x, y, pw, ph) & QRect(QPoint(0, 0), size);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Icon and JPEG files that the direct path does not take go through
    // Qt's image plugins, which want an application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    // The image libraries' complaints about every damaged file would drown
    // the fuzzer's own report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    pictures::allowLargePictures();
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/ohmbrook-fuzz-XXXXXX"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const KindFile& kind = kKinds[data[0] & 3];
    const QString path = folder->filePath(QString::fromLatin1(kind.name));
    {
        QFile file(path);
        const auto bytes = reinterpret_cast<const char*>(data + 1);
        expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   file.write(bytes, qint64(size - 1)) == qint64(size - 1),
               "the fuzzer can write the picture file");
    }
    pictures::RasterFile file;
    try {
        file = pictures::inspectRaster(path, kind.kind);
    } catch (const pictures::PictureError&) {
        return 0;
    }
    const qint64 pixels = file.size.isValid() ? qint64(file.size.width()) * file.size.height() : 0;
    expect(pixels <= pictures::kMaxPixels, "a picture the loader takes is within its pixel bound",
           sizeText(file.size));
    if (pixels > kMaxDecodedPixels)
        return 0;

    // An icon's directory states a size its bitmap need not have: the reader
    // tells the former and reads the latter, which the viewer then shows.
    const QSize stated = kind.kind == pictures::Kind::Icon ? QSize() : file.size;
    checkResult(pictures::readRaster(file), stated, "a picture comes out at the size its header gives");
    if (file.canReadRegion && file.size.isValid() && !file.size.isEmpty()) {
        const QRect part = partOf(file.size, data[0] >> 2);
        checkResult(pictures::readRaster(file, part), part.size(), "a part comes out at the size asked for");
    }
    return 0;
}
