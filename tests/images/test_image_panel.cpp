// The image viewer built alone: every picture kind, the failures that leave
// the previous picture, and hostile metafiles that must fail quickly and
// cleanly, in the helper and never in the program.

#include "images/image_panel.h"
#include "images/jpeg_reader.h"
#include "images/picture_loader.h"
#include "metafile_helper/metafile_check.h"
#include "tests/support/recorders.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

#include <linux/landlock.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}

void put32(QByteArray& b, qint64 v)
{
    put16(b, int(v & 0xFFFF));
    put16(b, int((v >> 16) & 0xFFFF));
}

// Windows metafile record: size in 16-bit words, function, parameters.
QByteArray wmfRecord(int function, std::initializer_list<int> params)
{
    QByteArray r;
    put32(r, 3 + qint64(params.size()));
    put16(r, function);
    for (int p : params)
        put16(r, p);
    return r;
}

// A placeable Windows metafile: bounding box in units of 1/inch.
QByteArray windowsMetafile(const QByteArray& records, QRect box, int inch = 1440)
{
    const QByteArray body = records + wmfRecord(0x0000, {});
    QByteArray placeable;
    put32(placeable, 0x9AC6CDD7);
    put16(placeable, 0);
    for (int v : {box.left(), box.top(), box.right(), box.bottom()})
        put16(placeable, v);
    put16(placeable, inch);
    put32(placeable, 0);
    int checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= quint8(placeable[i]) | quint8(placeable[i + 1]) << 8;
    put16(placeable, checksum);
    QByteArray header;
    put16(header, 1);
    put16(header, 9);
    put16(header, 0x0300);
    put32(header, (18 + body.size()) / 2);
    put16(header, 2);
    put32(header, 7);
    put16(header, 0);
    return placeable + header + body;
}

// One inch by half an inch (96 x 48 pixels): a red rectangle on the left,
// a blue ellipse on the right.
QByteArray sampleWindowsMetafile()
{
    QByteArray records = wmfRecord(0x020B, {0, 0}) + wmfRecord(0x020C, {720, 1440});
    records += wmfRecord(0x02FC, {0, 0x00FF, 0x0000, 0}) + wmfRecord(0x012D, {0});
    records += wmfRecord(0x041B, {600, 700, 100, 100});
    records += wmfRecord(0x02FC, {0, 0x0000, 0x00FF, 0}) + wmfRecord(0x012D, {1});
    records += wmfRecord(0x0418, {700, 1400, 200, 800});
    return windowsMetafile(records, QRect(QPoint(0, 0), QPoint(1440, 720)));
}

QByteArray emfRecord(quint32 type, std::initializer_list<qint64> values)
{
    QByteArray r;
    put32(r, type);
    put32(r, 8 + 4 * qint64(values.size()));
    for (qint64 v : values)
        put32(r, v);
    return r;
}

// An enhanced metafile; the frame in hundredths of a millimetre.
QByteArray enhancedMetafile(const QByteArrayList& recordList, QRect frame, QRect bounds)
{
    const QByteArray records = recordList.join();
    const QByteArray end = emfRecord(14, {0, 16, 20});
    QByteArray header;
    put32(header, 1);
    put32(header, 88);
    for (int v : {bounds.left(), bounds.top(), bounds.right(), bounds.bottom(), frame.left(), frame.top(),
                  frame.right(), frame.bottom()})
        put32(header, v);
    put32(header, 0x464D4520);
    put32(header, 0x10000);
    put32(header, 88 + records.size() + end.size());
    put32(header, recordList.size() + 2);
    put16(header, 3);
    put16(header, 0);
    for (qint64 v : {0, 0, 0, 1920, 1080, 508, 286})
        put32(header, v);
    return header + records + end;
}

// 192 x 96 pixels: a red rectangle on the left, a green ellipse on the right.
QByteArray sampleEnhancedMetafile()
{
    const QByteArrayList records = {
        emfRecord(39, {1, 0, 0x0000FF, 0}), emfRecord(37, {1}), emfRecord(43, {10, 10, 100, 80}),
        emfRecord(39, {2, 0, 0x00FF00, 0}), emfRecord(37, {2}), emfRecord(42, {110, 20, 180, 90})};
    return enhancedMetafile(records, QRect(QPoint(0, 0), QPoint(5080, 2540)), QRect(0, 0, 192, 96));
}

// A bitmap header for a picture of width x height, with no pixels; by
// default far over the bound.
QByteArray hugeBitmapHeader(int width = 12000, int height = 10000)
{
    QByteArray b("BM");
    put32(b, 54);
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, width);
    put32(b, height);
    put16(b, 1);
    put16(b, 24);
    for (int i = 0; i < 6; ++i)
        put32(b, 0);
    return b;
}

// A small JPEG whose frame header claims width x height.
QByteArray jpegClaiming(int width, int height)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    const qsizetype frame = bytes.indexOf("\xFF\xC0");
    if (frame >= 0) {
        bytes[frame + 5] = char(height >> 8);
        bytes[frame + 6] = char(height & 0xFF);
        bytes[frame + 7] = char(width >> 8);
        bytes[frame + 8] = char(width & 0xFF);
    }
    return bytes;
}

// 40 x 30: red left half, blue right half.
QImage twoColourPicture()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 30; ++y)
        for (int x = 20; x < 40; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

bool near(QRgb actual, QRgb expected)
{
    return std::abs(qRed(actual) - qRed(expected)) < 48 && std::abs(qGreen(actual) - qGreen(expected)) < 48 &&
           std::abs(qBlue(actual) - qBlue(expected)) < 48;
}

} // namespace

class TestImagePanel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eachKindLoads_data();
    void eachKindLoads();
    void badPictureKeepsPrevious_data();
    void badPictureKeepsPrevious();
    void bigPictureShowsVisiblePartFirst();
    void jpegBandsMatchQtsReader_data();
    void jpegBandsMatchQtsReader();
    void jpegRegionAtTheLeftEdge();
    void rasterPixelBound_data();
    void rasterPixelBound();
    void metafileOverItsSizeBound();
    void metafileStructureChecks_data();
    void metafileStructureChecks();
    void confinedHelperRefusesForbiddenActions_data();
    void confinedHelperRefusesForbiddenActions();
    void helperLimitsEndRun_data();
    void helperLimitsEndRun();

private:
    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString file = m_dir->filePath(name);
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }
    QString label() const
    {
        return m_panel->findChild<QLabel*>(QStringLiteral("ImageFileNameLabel"))->text();
    }
    void load(const QString& file)
    {
        m_files->choose(file);
        m_panel->findChild<QPushButton*>(QStringLiteral("LoadImage"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!m_panel->isLoading(), 30000);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ImageViewerPanel> m_panel;
    std::unique_ptr<BoxRecorder> m_boxes;
    std::unique_ptr<FileDialogStub> m_files;
};

void TestImagePanel::init()
{
    pictures::setMetafileHelperPath(QStringLiteral(METAFILE_HELPER));
    pictures::setHelperLimits({});
    m_dir = std::make_unique<QTemporaryDir>();
    m_boxes = std::make_unique<BoxRecorder>();
    m_files = std::make_unique<FileDialogStub>();
    m_panel = std::make_unique<ImageViewerPanel>();
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
}

void TestImagePanel::cleanup()
{
    m_panel.reset();
    m_files.reset();
    m_boxes.reset();
    m_dir.reset();
}

void TestImagePanel::eachKindLoads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("redAt");
    QTest::addColumn<QPoint>("otherAt");
    QTest::addColumn<QRgb>("other");

    const auto encoded = [](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        twoColourPicture().save(&buffer, format);
        return bytes;
    };
    const QRgb blue = qRgb(0, 0, 255);
    QTest::newRow("bitmap") << "p.bmp" << encoded("bmp") << QSize(40, 30) << QPoint(5, 5) << QPoint(35, 25)
                            << blue;
    QTest::newRow("JPEG") << "p.jpg" << encoded("jpeg") << QSize(40, 30) << QPoint(5, 5) << QPoint(35, 25)
                          << blue;
    QTest::newRow("JPEG, capital extension")
        << "P.JPEG" << encoded("jpeg") << QSize(40, 30) << QPoint(5, 5) << QPoint(35, 25) << blue;
    QTest::newRow("icon") << "p.ico" << encoded("ico") << QSize(40, 30) << QPoint(5, 5) << QPoint(35, 25)
                          << blue;
    QTest::newRow("PNG") << "p.png" << encoded("png") << QSize(40, 30) << QPoint(5, 5) << QPoint(35, 25)
                         << blue;
    QTest::newRow("Windows metafile")
        << "p.wmf" << sampleWindowsMetafile() << QSize(96, 48) << QPoint(25, 25) << QPoint(73, 30) << blue;
    QTest::newRow("enhanced metafile") << "p.Emf" << sampleEnhancedMetafile() << QSize(192, 96)
                                       << QPoint(50, 45) << QPoint(145, 55) << qRgb(0, 255, 0);
}

void TestImagePanel::eachKindLoads()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, size);
    QFETCH(QPoint, redAt);
    QFETCH(QPoint, otherAt);
    QFETCH(QRgb, other);

    const QString file = write(name, bytes);
    load(file);
    QCOMPARE(m_boxes->titles(), QStringList());
    QCOMPARE(m_files->requests().first().filters.first(),
             QStringLiteral("All supported images (*.bmp *.jpg *.wmf)"));
    const QImage& picture = m_panel->picture();
    QCOMPARE(picture.size(), size);
    QCOMPARE(m_panel->findChild<QWidget*>(QStringLiteral("Image"))->size(), size);
    QVERIFY2(near(picture.pixel(redAt), qRgb(255, 0, 0)),
             qPrintable(QString::number(picture.pixel(redAt), 16)));
    QVERIFY2(near(picture.pixel(otherAt), other), qPrintable(QString::number(picture.pixel(otherAt), 16)));
    QCOMPARE(label(), QStringLiteral("Current image file: ") + file);
}

void TestImagePanel::badPictureKeepsPrevious_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // %1: the file's path

    const QByteArray wmf = sampleWindowsMetafile();
    const QByteArray emf = sampleEnhancedMetafile();
    const QString damagedWmf = QStringLiteral("The picture \"%1\" is damaged or is not a Windows metafile.");
    const QString damagedEmf =
        QStringLiteral("The picture \"%1\" is damaged or is not an enhanced metafile.");
    const QString tooLargeDrawn =
        QStringLiteral("The picture \"%1\" is too large to show (more than 50 million pixels when drawn)");

    QTest::newRow("unknown extension")
        << "notes.txt" << QByteArray("text") << QStringLiteral("Unknown picture file extension (.txt)");
    QTest::newRow("no extension") << "picture" << QByteArray("text")
                                  << QStringLiteral("Unknown picture file extension (.)");
    QTest::newRow("JPEG of noise") << "noise.jpg" << QByteArray(5000, 'x')
                                   << QStringLiteral("The picture \"%1\" is damaged or is not a JPEG file.");
    QTest::newRow("PNG named bitmap") << "png.bmp" << QByteArray("\x89PNG\r\n\x1a\n") + QByteArray(100, '\0')
                                      << QStringLiteral("The picture \"%1\" is damaged or is not a bitmap.");
    QTest::newRow("bitmap over the bound")
        << "huge.bmp" << hugeBitmapHeader()
        << QStringLiteral(
               "The picture \"%1\" is too large to show (12000 x 10000 pixels; at most 100 million)");

    QTest::newRow("WMF cut short") << "cut.wmf" << wmf.left(wmf.size() / 2) << damagedWmf;
    QByteArray hugeRecord = wmf;
    hugeRecord.replace(40, 4, QByteArray("\xFF\xFF\xFF\x7F"));
    QTest::newRow("WMF record larger than the file") << "big.wmf" << hugeRecord << damagedWmf;
    QByteArray zeroRecord = wmf;
    zeroRecord.replace(40, 4, QByteArray(4, '\0'));
    QTest::newRow("WMF record of no size, endless") << "loop.wmf" << zeroRecord << damagedWmf;
    QTest::newRow("WMF bounding box over the bound")
        << "box.wmf" << windowsMetafile(QByteArray(), QRect(QPoint(-32000, -32000), QPoint(32000, 32000)), 1)
        << tooLargeDrawn;
    QTest::newRow("WMF without its header") << "bare.wmf" << QByteArray("\x01\x00\x09\x00", 4) << damagedWmf;

    QTest::newRow("EMF cut short") << "cut.emf" << emf.left(emf.size() - 30) << damagedEmf;
    QByteArray hugeEmfRecord = emf;
    hugeEmfRecord.replace(92, 4, QByteArray("\xF0\xFF\xFF\xFF"));
    QTest::newRow("EMF record larger than the file") << "big.emf" << hugeEmfRecord << damagedEmf;
    QByteArray zeroEmfRecord = emf;
    zeroEmfRecord.replace(92, 4, QByteArray(4, '\0'));
    QTest::newRow("EMF record of no size, endless") << "loop.emf" << zeroEmfRecord << damagedEmf;
    QTest::newRow("EMF frame over the bound")
        << "frame.emf"
        << enhancedMetafile({}, QRect(QPoint(0, 0), QPoint(2'000'000'000, 2'000'000'000)),
                            QRect(0, 0, 10, 10))
        << tooLargeDrawn;
}

void TestImagePanel::badPictureKeepsPrevious()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    QByteArray good;
    QBuffer buffer(&good);
    buffer.open(QIODevice::WriteOnly);
    twoColourPicture().save(&buffer, "png");
    const QString previous = write(QStringLiteral("good.png"), good);
    load(previous);

    const QString file = write(name, bytes);
    QElapsedTimer clock;
    clock.start();
    load(file);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_boxes->boxes().size(), 1);
    QCOMPARE(m_boxes->boxes().first().text, message.contains(u'%') ? message.arg(file) : message);
    QCOMPARE(int(m_boxes->boxes().first().icon), int(ui::BoxIcon::Critical));
    QCOMPARE(m_panel->picture().size(), QSize(40, 30));
    QCOMPARE(label(), QStringLiteral("Current image file: ") + previous);
}

void TestImagePanel::bigPictureShowsVisiblePartFirst()
{
    QImage big(3000, 2000, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    const QString file = m_dir->filePath(QStringLiteral("big.jpg"));
    QVERIFY(big.save(file, "jpeg"));

    m_panel->showPictureFile(file);
    QVERIFY(m_panel->isLoading());
    const QSize viewport =
        m_panel->findChild<QScrollArea*>(QStringLiteral("ImageScrollBox"))->maximumViewportSize();
    QCOMPARE(m_panel->picture().size(), viewport);
    QCOMPARE(m_panel->findChild<QWidget*>(QStringLiteral("Image"))->size(), QSize(3000, 2000));
    QCOMPARE(label(), QStringLiteral("Current image file: ") + file);

    QTRY_VERIFY_WITH_TIMEOUT(!m_panel->isLoading(), 30000);
    QCOMPARE(m_panel->picture().size(), QSize(3000, 2000));
    QVERIFY(m_boxes->boxes().isEmpty());
}

void TestImagePanel::jpegBandsMatchQtsReader_data()
{
    QTest::addColumn<int>("threads");
    QTest::addColumn<QRect>("region"); // empty: the whole picture
    QTest::newRow("one thread") << 1 << QRect();
    QTest::newRow("two bands") << 2 << QRect();
    QTest::newRow("three bands, odd rows") << 3 << QRect();
    QTest::newRow("region off the block grid") << 1 << QRect(37, 250, 301, 77);
}

void TestImagePanel::jpegBandsMatchQtsReader()
{
    QFETCH(int, threads);
    QFETCH(QRect, region);

    // Colour detail everywhere, so that chroma subsampling and the rows
    // around each band edge matter.
    QImage source(1203, 1601, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (y * 5) & 0xFF, ((x ^ y) * 3) & 0xFF));
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(source.save(&buffer, "jpeg", 85));

    QImage expected = QImage::fromData(file, "jpeg").convertToFormat(QImage::Format_RGB32);
    QImage decoded;
    if (region.isEmpty()) {
        decoded = jpeg::decode(file, threads);
    } else {
        decoded = jpeg::decodeRegion(file, region);
        expected = expected.copy(region);
    }
    QCOMPARE(decoded.size(), expected.size());
    QVERIFY(decoded.convertToFormat(QImage::Format_RGB32) == expected);
}

// A part from the left edge up to a few pixels short of the right one is
// decoded through a row of the whole width: each row must land in the part's
// own, narrower picture, not run past its end.
void TestImagePanel::jpegRegionAtTheLeftEdge()
{
    QImage source(40, 8, QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            source.setPixel(x, y, qRgb(x * 6, y * 30, 255 - x * 6));
    QByteArray file;
    QBuffer buffer(&file);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(source.save(&buffer, "jpeg", 90));
    const QImage whole = QImage::fromData(file, "jpeg").convertToFormat(QImage::Format_RGB32);
    for (int width = 1; width < source.width(); ++width) {
        const QRect region(0, 2, width, 3);
        const QImage decoded = jpeg::decodeRegion(file, region);
        QCOMPARE(decoded.size(), region.size());
        QVERIFY2(decoded.convertToFormat(QImage::Format_RGB32) == whole.copy(region),
                 qPrintable(QString::number(width)));
    }
}

void TestImagePanel::helperLimitsEndRun_data()
{
    QTest::addColumn<QString>("script"); // a stand-in for the helper
    QTest::addColumn<int>("limit");      // 0: wall clock, 1: CPU, 2: memory
    QTest::addColumn<QString>("message");

    const QString notDrawn = QStringLiteral("The picture \"%1\" could not be drawn.");
    QTest::newRow("never ends") << "exec sleep 60" << 0
                                << QStringLiteral("The picture \"%1\" took too long to draw.");
    QTest::newRow("endless output") << "exec cat /dev/zero" << 0 << notDrawn;
    QTest::newRow("sides past any bound")
        << "printf 'OhmPict1\\377\\377\\377\\377\\377\\377\\377\\377'" << 0 << notDrawn;
    QTest::newRow("endless work") << "while :; do :; done" << 1 << notDrawn;
    QTest::newRow("endless memory") << "exec awk 'BEGIN { s = \"x\"; while (1) s = s s }'" << 2 << QString();
    QTest::newRow("a system that lets it draw only unconfined")
        << "cat >/dev/null; exit 5" << 0
        << QStringLiteral(
               "The picture \"%1\" was not drawn: metafiles cannot be shown safely on this system, "
               "which does not let the drawing program shut itself off from your files.");
    QTest::newRow("missing helper") << QString() << 0
                                    << notDrawn.chopped(1) +
                                           QStringLiteral(": the program \"%2\" could not be started.");
}

void TestImagePanel::helperLimitsEndRun()
{
    QFETCH(QString, script);
    QFETCH(int, limit);
    QFETCH(QString, message);

    const QString helper = m_dir->filePath(QStringLiteral("helper.sh"));
    if (!script.isEmpty()) {
        write(QStringLiteral("helper.sh"), "#!/bin/sh\n" + script.toUtf8() + "\n");
        QFile::setPermissions(helper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    pictures::setMetafileHelperPath(helper);
    pictures::HelperLimits limits;
    limits.wallClockMs = limit == 0 ? 500 : 60000;
    limits.cpuSeconds = limit == 1 ? 1 : 60;
    limits.memoryBytes = 64 * 1024 * 1024;
    pictures::setHelperLimits(limits);

    const QString file = write(QStringLiteral("p.wmf"), sampleWindowsMetafile());
    QElapsedTimer clock;
    clock.start();
    load(file);
    QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_boxes->boxes().size(), 1);
    // How a program out of memory ends is its own affair; it must end.
    if (!message.isEmpty())
        QCOMPARE(m_boxes->boxes().first().text,
                 message.contains(QLatin1String("%2")) ? message.arg(file, helper) : message.arg(file));
    QVERIFY(m_panel->picture().isNull());
    QCOMPARE(label(), QStringLiteral("No image file currently open"));
}

void TestImagePanel::rasterPixelBound_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("tooLarge");
    QTest::newRow("bitmap of exactly 10000 x 10000") << "edge.bmp" << hugeBitmapHeader(10000, 10000) << false;
    QTest::newRow("bitmap of 10001 x 10000") << "over.bmp" << hugeBitmapHeader(10001, 10000) << true;
    // 65500 x 65500 is more pixels than a 32-bit signed count holds.
    QTest::newRow("JPEG claiming 65500 x 65500") << "huge.jpg" << jpegClaiming(65500, 65500) << true;
}

void TestImagePanel::rasterPixelBound()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, tooLarge);
    const QString file = write(name, bytes);
    QString error;
    try {
        pictures::inspectRaster(file, pictures::kindOf(file));
    } catch (const pictures::PictureError& e) {
        error = QString::fromStdString(e.what());
    }
    QCOMPARE(error.contains(QStringLiteral("is too large to show")), tooLarge);
}

void TestImagePanel::metafileOverItsSizeBound()
{
    const QString file = m_dir->filePath(QStringLiteral("sparse.wmf"));
    QFile sparse(file);
    QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(64 * 1024 * 1024 + 1));
    sparse.close();
    try {
        pictures::readMetafileBytes(file);
        QFAIL("a metafile over 64 MiB was read");
    } catch (const pictures::PictureError& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(QStringLiteral("more than 64 MiB")), e.what());
    }
}

void TestImagePanel::metafileStructureChecks_data()
{
    QTest::addColumn<bool>("enhanced");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("stated"); // invalid: refused as damaged

    const QByteArray wmf = sampleWindowsMetafile();
    QTest::newRow("WMF as made") << false << wmf << QSize(96, 48);
    QTest::newRow("placeable WMF with 0 units an inch")
        << false << windowsMetafile(wmfRecord(0x020B, {0, 0}), QRect(0, 0, 1440, 720), 0) << QSize();
    QByteArray type2 = wmf;
    type2[22] = 2;
    QTest::newRow("WMF whose header type is 2") << false << type2 << QSize(96, 48);
    // The end record claims one word more than remain, though fewer than
    // the bytes that remain.
    QByteArray tooLong = wmf;
    tooLong[wmf.size() - 6] = 4;
    QTest::newRow("WMF record longer than the words that remain") << false << tooLong << QSize();

    const QByteArrayList shapes = {emfRecord(39, {1, 0, 0x0000FF, 0}), emfRecord(37, {1})};
    QTest::newRow("EMF frame 1000 hundredths of a millimetre wide")
        << true << enhancedMetafile(shapes, QRect(QPoint(0, 0), QPoint(1000, 500)), QRect(0, 0, 38, 19))
        << QSize(38, 19);
    QByteArray tenBytes;
    put32(tenBytes, 37);
    put32(tenBytes, 10);
    put16(tenBytes, 0);
    QTest::newRow("EMF record of 10 bytes")
        << true << enhancedMetafile({tenBytes}, QRect(QPoint(0, 0), QPoint(1000, 500)), QRect(0, 0, 38, 19))
        << QSize();
}

void TestImagePanel::metafileStructureChecks()
{
    QFETCH(bool, enhanced);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, stated);
    std::vector<unsigned char> file(bytes.begin(), bytes.end());
    const auto checked =
        enhanced ? metafile::checkEnhancedMetafile(file) : metafile::checkWindowsMetafile(file);
    QCOMPARE(checked.has_value(), stated.isValid());
    if (checked && checked->statedSize)
        QCOMPARE(QSize(int(checked->statedSize->width), int(checked->statedSize->height)), stated);
}

void TestImagePanel::confinedHelperRefusesForbiddenActions_data()
{
    QTest::addColumn<QString>("action");
    for (const char* action : {"read-outside-fonts", "open-for-writing", "unlink", "rename", "socket",
                               "connect-x-server", "connect-bus", "execve", "fork", "ptrace", "kill-parent"})
        QTest::newRow(action) << QString::fromLatin1(action);
}

void TestImagePanel::confinedHelperRefusesForbiddenActions()
{
    QFETCH(QString, action);
    // Without Landlock the kernel cannot keep reading to the font folders;
    // the system-call filter still forbids every write.
    if (action == QLatin1String("read-outside-fonts") &&
        ::syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION) < 1)
        QSKIP("this kernel offers no Landlock");
    QProcess helper;
    helper.setProcessEnvironment(QProcessEnvironment());
    helper.start(QStringLiteral(METAFILE_HELPER), {QStringLiteral("try"), action});
    QVERIFY(helper.waitForFinished(20000));
    const QByteArray said = helper.readAllStandardOutput();
    // Refused (status 10) or ended by the filter; never allowed.
    QVERIFY2((helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 10) ||
                 helper.exitStatus() == QProcess::CrashExit,
             said.constData());
    QVERIFY(!said.contains("ALLOWED"));
}

QTEST_MAIN(TestImagePanel)
#include "test_image_panel.moc"
