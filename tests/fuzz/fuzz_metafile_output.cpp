// The program's side of the metafile helper: whatever a helper writes and
// however it ends (a hostile metafile may have taken over the drawing
// libraries), the viewer gets either a picture that is exactly what the
// protocol describes or a message, once.
//
// Input: one byte giving the helper's exit status, then what it writes on
// its standard output. A shell script stands in for the helper.

#include "images/picture_loader.h"
#include "metafile_helper/metafile_protocol.h"
#include "tests/fuzz/fuzz_check.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <cstring>
#include <memory>

using fuzzcheck::expect;

namespace {

std::unique_ptr<QTemporaryDir> folder;

void writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(folder->filePath(name));
    expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
           "the fuzzer can write the helper's output");
}

quint32 littleEndian32(const QByteArray& bytes, int at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// What the protocol allows through: the magic, a size within the bounds and
// exactly that many pixels, after a helper that ended well.
bool wellFormed(int status, const QByteArray& output)
{
    if (status != metafile::kDrawn || output.size() < metafile::kHeaderBytes ||
        std::memcmp(output.constData(), metafile::kPictureMagic, sizeof metafile::kPictureMagic) != 0)
        return false;
    const qint64 width = littleEndian32(output, 8);
    const qint64 height = littleEndian32(output, 12);
    return width >= 1 && height >= 1 && width <= metafile::kMaxSide && height <= metafile::kMaxSide &&
           width * height <= metafile::kMaxPixels &&
           output.size() == metafile::kHeaderBytes + width * height * 4;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/ohmbrook-fuzz-XXXXXX"));
    const QString helper = folder->filePath(QStringLiteral("helper"));
    writeFile(QStringLiteral("helper"),
              QStringLiteral("#!/bin/sh\ncat >/dev/null\ncat '%1/output'\nexit $(cat '%1/status')\n")
                  .arg(folder->path())
                  .toUtf8());
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner);
    pictures::setMetafileHelperPath(helper);
    pictures::HelperLimits limits;
    limits.wallClockMs = 5000;
    pictures::setHelperLimits(limits);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int status = data[0] % 8;
    const QByteArray output(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    writeFile(QStringLiteral("status"), QByteArray::number(status));
    writeFile(QStringLiteral("output"), output);

    int calls = 0;
    QImage image;
    QString error;
    QEventLoop loop;
    pictures::MetafileDrawing drawing(QStringLiteral("picture.wmf"), pictures::Kind::WindowsMetafile);
    QObject::connect(&drawing, &pictures::MetafileDrawing::finished, &loop,
                     [&](const QImage& picture, const QString& text) {
                         ++calls;
                         image = picture;
                         error = text;
                         loop.quit();
                     });
    drawing.start(QByteArray("metafile"));
    if (calls == 0)
        loop.exec();
    QCoreApplication::processEvents(); // a second report would come now

    expect(calls == 1, "the viewer hears once how a drawing ended", QString::number(calls));
    expect(image.isNull() != error.isEmpty(), "a drawing ends in a picture or a message", error);
    expect(image.isNull() != wellFormed(status, output), "only a well-formed drawing becomes a picture",
           error);
    if (!image.isNull()) {
        expect(std::memcmp(image.constBits(), output.constData() + metafile::kHeaderBytes, 4) == 0,
               "the picture holds the pixels the helper wrote");
        const QSize stated(int(littleEndian32(output, 8)), int(littleEndian32(output, 12)));
        expect(image.size() == stated, "the picture has the size the helper states",
               QStringLiteral("%1 x %2").arg(image.width()).arg(image.height()));
        expect(qint64(image.width()) * image.height() <= metafile::kMaxPixels,
               "the picture is within the pixel bound");
    }
    return 0;
}
