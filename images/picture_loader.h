#pragma once

// Reading the picture files the image viewer shows.
//
// The kind of a picture comes from its file's extension. Bitmaps, icons and
// PNG are read in the program by Qt's readers, JPEG straight through
// libjpeg-turbo (shell/jpeg_reader.h), after the header shows the picture is
// within kMaxPixels. Windows and
// enhanced metafiles are drawn by a helper program (shell/metafile_helper),
// one run per picture, with limits on its memory, CPU time, output and
// running time: the metafile libraries are old C code, and a hostile file
// must never crash or hang the program.

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTimer>

#include <optional>
#include <stdexcept>

namespace pictures {

enum class Kind
{
    Bitmap,
    Jpeg,
    Icon,
    Png,
    WindowsMetafile,
    EnhancedMetafile
};

// A picture the viewer cannot show; the text is for the user.
struct PictureError : std::runtime_error
{
    explicit PictureError(const QString& text) : std::runtime_error(text.toStdString()) {}
};

// Pictures read in the program hold at most this many pixels (400 MB at four
// bytes each); Qt's own readers are allowed just that much memory.
inline constexpr qint64 kMaxPixels = 100'000'000;

// The kind named by the file's extension, compared case-insensitively;
// throws PictureError("Unknown picture file extension (.xyz)") otherwise.
Kind kindOf(const QString& path);
bool isMetafile(Kind kind);

// Lets Qt's readers allocate up to the kMaxPixels bound. Idempotent.
void allowLargePictures();

// A bitmap, JPEG, icon or PNG file whose header has been read.
struct RasterFile
{
    QString path;
    Kind kind = Kind::Bitmap;
    QSize size;                 // invalid when the reader cannot tell in advance
    bool canReadRegion = false; // a part can be read without the whole
    QByteArray jpegData;        // JPEG files are read whole and decoded directly
};

// Reads what the file's header says; throws PictureError when the file cannot
// be opened, is not a picture of its kind, or is over the bound.
RasterFile inspectRaster(const QString& path, Kind kind);

struct RasterResult
{
    QImage image;  // in a format that is quick to draw
    QString error; // empty on success
};

// Reads the whole picture, or with a non-empty region only that part. Runs on
// any thread.
RasterResult readRaster(const RasterFile& file, const QRect& region = QRect());

// Reads a metafile's bytes for the helper; throws PictureError.
QByteArray readMetafileBytes(const QString& path);

struct HelperLimits
{
    int wallClockMs = 10000;
    int cpuSeconds = 10;
    qint64 memoryBytes = qint64(1536) * 1024 * 1024;
};

// Where the helper program is: beside the program in the build tree, in
// ../libexec/ohmbrook once installed. Tests point at their own build.
QString metafileHelperPath();
void setMetafileHelperPath(const QString& path);
void setHelperLimits(const HelperLimits& limits);
HelperLimits helperLimits();

// One run of the helper for one metafile. The result arrives through
// finished(); deleting the object ends a run still going.
class MetafileDrawing : public QObject
{
    Q_OBJECT

public:
    MetafileDrawing(const QString& path, Kind kind, QObject* parent = nullptr);
    ~MetafileDrawing() override;

    void start(const QByteArray& bytes);

signals:
    // A null image comes with the user's error text.
    void finished(const QImage& image, const QString& error);

private:
    void takeOutput();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void fail(const QString& text);

    QString m_path;
    Kind m_kind;
    QProcess m_process;
    QTimer m_timeout;
    QByteArray m_output;
    bool m_ended = false;
};

} // namespace pictures
