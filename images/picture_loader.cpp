#include "images/picture_loader.h"

#include "images/jpeg_reader.h"
#include "metafile_helper/metafile_protocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QThread>

#include <cstdlib>
#include <cstring>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>

namespace pictures {

namespace {

QString g_helperPath;
HelperLimits g_limits;

const char* readerFormat(Kind kind)
{
    switch (kind) {
    case Kind::Bitmap:
        return "bmp";
    case Kind::Jpeg:
        return "jpeg";
    case Kind::Icon:
        return "ico";
    case Kind::Png:
        return "png";
    case Kind::WindowsMetafile:
    case Kind::EnhancedMetafile:
        break;
    }
    return "";
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Bitmap:
        return QStringLiteral("a bitmap");
    case Kind::Jpeg:
        return QStringLiteral("a JPEG file");
    case Kind::Icon:
        return QStringLiteral("an icon");
    case Kind::Png:
        return QStringLiteral("a PNG file");
    case Kind::WindowsMetafile:
        return QStringLiteral("a Windows metafile");
    case Kind::EnhancedMetafile:
        return QStringLiteral("an enhanced metafile");
    }
    return QString();
}

QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason);
}

QString damaged(const QString& path, Kind kind)
{
    return QStringLiteral("The picture \"%1\" is damaged or is not %2").arg(path, kindName(kind));
}

QString tooLarge(const QString& path, const QString& detail)
{
    return QStringLiteral("The picture \"%1\" is too large to show (%2)").arg(path, detail);
}

QString notDrawn(const QString& path)
{
    return QStringLiteral("The picture \"%1\" could not be drawn").arg(path);
}

bool isOpenFailure(const QImageReader& reader)
{
    return reader.error() == QImageReader::FileNotFoundError || reader.error() == QImageReader::DeviceError;
}

void toDisplayFormat(QImage& image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied ||
        image.format() == QImage::Format_RGB888)
        return;
    image.convertTo(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

// JPEG files are read into memory whole; no photograph within the pixel
// bound comes near this.
constexpr qint64 kMaxJpegBytes = 256 * 1024 * 1024;

void checkSize(const QString& path, const QSize& size)
{
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        throw PictureError(tooLarge(path, QStringLiteral("%1 x %2 pixels; at most %3 million")
                                              .arg(size.width())
                                              .arg(size.height())
                                              .arg(kMaxPixels / 1'000'000)));
}

QByteArray readWholeFile(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw PictureError(cannotOpen(path, QStringLiteral("It is not a plain file")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(cannotOpen(path, file.errorString()));
    if (file.size() > maxBytes)
        throw PictureError(tooLarge(path, QStringLiteral("a file of more than %1 MiB").arg(maxBytes >> 20)));
    QByteArray bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError)
        throw PictureError(cannotOpen(path, file.errorString()));
    return bytes;
}

quint32 littleEndian32(const char* p)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(p[i]);
    return value;
}

// The cores with nothing else to do, by the load average. A JPEG band past
// the first costs extra work (its thread first reads through the rows above
// it), which pays only when a core would otherwise be idle.
int idleCores()
{
    double load = 0;
    const int cores = QThread::idealThreadCount();
    if (getloadavg(&load, 1) != 1)
        return cores;
    return std::max(1, cores - int(load + 0.5));
}

RasterResult readRasterOnce(const RasterFile& file, const QRect& region)
{
    RasterResult result;
    if (!file.jpegData.isEmpty()) {
        result.image = region.isEmpty() ? jpeg::decode(file.jpegData, idleCores())
                                        : jpeg::decodeRegion(file.jpegData, region);
        if (result.image.isNull())
            result.error = damaged(file.path, file.kind);
        return result;
    }
    QImageReader reader(file.path, readerFormat(file.kind));
    reader.setAutoDetectImageFormat(false);
    if (!region.isEmpty())
        reader.setClipRect(region);
    if (!reader.read(&result.image)) {
        result.error = isOpenFailure(reader) ? cannotOpen(file.path, reader.errorString())
                                             : damaged(file.path, file.kind);
        result.image = QImage();
        return result;
    }
    toDisplayFormat(result.image);
    return result;
}

} // namespace

Kind kindOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    const QString lower = suffix.toLower();
    if (lower == QLatin1String("bmp"))
        return Kind::Bitmap;
    if (lower == QLatin1String("jpg") || lower == QLatin1String("jpeg"))
        return Kind::Jpeg;
    if (lower == QLatin1String("ico"))
        return Kind::Icon;
    if (lower == QLatin1String("png"))
        return Kind::Png;
    if (lower == QLatin1String("wmf"))
        return Kind::WindowsMetafile;
    if (lower == QLatin1String("emf"))
        return Kind::EnhancedMetafile;
    throw PictureError(QStringLiteral("Unknown picture file extension (.%1)").arg(suffix));
}

bool isMetafile(Kind kind)
{
    return kind == Kind::WindowsMetafile || kind == Kind::EnhancedMetafile;
}

void allowLargePictures()
{
    // Qt counts the decoded picture in MiB; a little over the pixel bound
    // leaves room for a reader's own buffers.
    QImageReader::setAllocationLimit(int(kMaxPixels * 4 / (1024 * 1024)) + 64);
}

RasterFile inspectRaster(const QString& path, Kind kind)
{
    RasterFile file;
    file.path = path;
    file.kind = kind;
    if (kind == Kind::Jpeg) {
        QByteArray data = readWholeFile(path, kMaxJpegBytes);
        const std::optional<jpeg::Header> header = jpeg::readHeader(data);
        if (!header)
            throw PictureError(damaged(path, kind));
        file.size = QSize(header->width, header->height);
        checkSize(path, file.size);
        if (header->directlyDecodable) {
            file.canReadRegion = true;
            file.jpegData = std::move(data);
            return file;
        }
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        throw PictureError(cannotOpen(path, QStringLiteral("It is not a plain file")));
    QImageReader reader(path, readerFormat(kind));
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead()) {
        throw PictureError(isOpenFailure(reader) ? cannotOpen(path, reader.errorString())
                                                 : damaged(path, kind));
    }
    file.size = reader.size();
    checkSize(path, file.size);
    file.canReadRegion = reader.supportsOption(QImageIOHandler::ClipRect);
    return file;
}

RasterResult readRaster(const RasterFile& file, const QRect& region)
{
    // Runs on a worker thread, where nothing may escape.
    try {
        return readRasterOnce(file, region);
    } catch (const std::exception&) {
        return {QImage(),
                QStringLiteral("The picture \"%1\" could not be read: out of memory").arg(file.path)};
    }
}

QByteArray readMetafileBytes(const QString& path)
{
    return readWholeFile(path, metafile::kMaxInputBytes);
}

QString metafileHelperPath()
{
    if (!g_helperPath.isEmpty())
        return g_helperPath;
    const QString name = QStringLiteral("/ohmbrook-metafile-helper");
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString besideProgram = programDir + name;
    if (QFileInfo(besideProgram).isExecutable())
        return besideProgram;
    return QFileInfo(programDir + QStringLiteral("/" OHMBROOK_HELPER_DIR) + name).absoluteFilePath();
}

void setMetafileHelperPath(const QString& path)
{
    g_helperPath = path;
}

void setHelperLimits(const HelperLimits& limits)
{
    g_limits = limits;
}

HelperLimits helperLimits()
{
    return g_limits;
}

MetafileDrawing::MetafileDrawing(const QString& path, Kind kind, QObject* parent)
    : QObject(parent), m_path(path), m_kind(kind)
{
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this,
            [this] { fail(QStringLiteral("The picture \"%1\" took too long to draw").arg(m_path)); });
    connect(&m_process, &QProcess::readyReadStandardOutput, this, &MetafileDrawing::takeOutput);
    connect(&m_process, &QProcess::finished, this, &MetafileDrawing::processEnded);
    connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(notDrawn(m_path) +
                 QStringLiteral(": the program \"%1\" could not be started").arg(m_process.program()));
    });
}

MetafileDrawing::~MetafileDrawing()
{
    m_process.disconnect(this);
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

void MetafileDrawing::start(const QByteArray& bytes)
{
    const HelperLimits limits = g_limits;
    m_process.setProgram(metafileHelperPath());
    m_process.setArguments({m_kind == Kind::WindowsMetafile ? QStringLiteral("wmf") : QStringLiteral("emf")});
    m_process.setStandardErrorFile(QProcess::nullDevice());
    // Nothing of the program's own: no display, no desktop bus, no home.
    m_process.setProcessEnvironment(QProcessEnvironment());
    m_process.setWorkingDirectory(QStringLiteral("/"));
    // Runs in the new process before the helper starts: only plain system
    // calls here.
    m_process.setChildProcessModifier([limits] {
        const auto limit = [](int resource, rlim_t value) {
            const rlimit r{value, value};
            ::setrlimit(resource, &r);
        };
        limit(RLIMIT_AS, rlim_t(limits.memoryBytes));
        limit(RLIMIT_CPU, rlim_t(limits.cpuSeconds));
        // No files: a write fails instead of ending the helper, since the
        // font library may try to refresh its cache.
        limit(RLIMIT_FSIZE, 0);
        ::signal(SIGXFSZ, SIG_IGN);
        limit(RLIMIT_CORE, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    m_timeout.start(limits.wallClockMs);
    m_process.start(QIODevice::ReadWrite);
    m_process.write(bytes);
    m_process.closeWriteChannel();
}

void MetafileDrawing::takeOutput()
{
    m_output += m_process.readAllStandardOutput();
    qint64 expected = metafile::maxOutputBytes();
    if (m_output.size() >= metafile::kHeaderBytes) {
        const qint64 width = littleEndian32(m_output.constData() + 8);
        const qint64 height = littleEndian32(m_output.constData() + 12);
        // Sides past the bound are refused once the helper ends; their
        // product could overflow here.
        if (width <= metafile::kMaxSide && height <= metafile::kMaxSide)
            expected = std::min(expected, metafile::kHeaderBytes + width * height * 4);
    }
    if (m_output.size() > expected)
        fail(notDrawn(m_path));
}

void MetafileDrawing::processEnded(int exitCode, QProcess::ExitStatus status)
{
    if (m_ended)
        return;
    takeOutput();
    if (m_ended)
        return;
    if (status != QProcess::NormalExit)
        return fail(notDrawn(m_path));
    switch (exitCode) {
    case metafile::kDrawn:
        break;
    case metafile::kMalformed:
        return fail(damaged(m_path, m_kind));
    case metafile::kTooLarge:
        return fail(tooLarge(
            m_path,
            QStringLiteral("more than %1 million pixels when drawn").arg(metafile::kMaxPixels / 1'000'000)));
    case metafile::kUnconfined:
        return fail(
            QStringLiteral("The picture \"%1\" was not drawn: metafiles cannot be shown safely on this "
                           "system, which does not let the drawing program shut itself off from your "
                           "files")
                .arg(m_path));
    default:
        return fail(notDrawn(m_path));
    }
    if (m_output.size() < metafile::kHeaderBytes ||
        std::memcmp(m_output.constData(), metafile::kPictureMagic, sizeof metafile::kPictureMagic) != 0)
        return fail(notDrawn(m_path));
    const qint64 width = littleEndian32(m_output.constData() + 8);
    const qint64 height = littleEndian32(m_output.constData() + 12);
    if (width < 1 || height < 1 || width > metafile::kMaxSide || height > metafile::kMaxSide ||
        width * height > metafile::kMaxPixels ||
        m_output.size() != metafile::kHeaderBytes + width * height * 4)
        return fail(notDrawn(m_path));
    QImage image(int(width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return fail(notDrawn(m_path));
    const char* pixels = m_output.constData() + metafile::kHeaderBytes;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), pixels + qint64(y) * width * 4, std::size_t(width) * 4);
    m_output = QByteArray();
    m_ended = true;
    m_timeout.stop();
    emit finished(image, QString());
}

void MetafileDrawing::fail(const QString& text)
{
    if (m_ended)
        return;
    m_ended = true;
    m_timeout.stop();
    m_output = QByteArray();
    if (m_process.state() != QProcess::NotRunning)
        m_process.kill();
    emit finished(QImage(), text);
}

} // namespace pictures
