// Notes pad and image viewer benchmark, each against a plain baseline in the
// same run, the two alternating:
//
// - a 20 MiB notes file: the pad's first screen and its longest pause while
//   the rest arrives, beside one plain QPlainTextEdit::setPlainText load of
//   the same text (read, decoded, set and painted);
// - an 8000 x 6000 JPEG: the viewer's visible part and its whole picture,
//   beside djpeg's full decode of the same file (libjpeg-turbo's own tool),
//   on the wall clock and in CPU time (the viewer decodes a big JPEG in bands
//   on several threads, so on a busy machine the clock tells less).
//
//   notes_images_bench [runs]     (default 5 of each; medians are printed)

#include "images/image_panel.h"
#include "images/picture_loader.h"
#include "notes/notes_panel.h"
#include "ui/file_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class ChosenFile : public ui::FileDialogPresenter
{
public:
    std::optional<QString> present(QWidget*, const ui::FileDialogRequest&) override { return path; }
    QString path;
};

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// CPU time (user and system) of this process or of its waited-for children.
double cpuMs(int who)
{
    rusage usage{};
    ::getrusage(who, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double ms(const QElapsedTimer& t)
{
    return double(t.nsecsElapsed()) / 1e6;
}

// Runs the event loop until `done`, with a 1 ms probe; returns the longest
// time between two of its turns.
template <typename Done> double runUntil(Done done)
{
    QEventLoop loop;
    QElapsedTimer sinceTurn;
    double longest = 0;
    QTimer probe;
    probe.setInterval(1);
    QObject::connect(&probe, &QTimer::timeout, &loop, [&] {
        longest = std::max(longest, ms(sinceTurn));
        sinceTurn.restart();
        if (done())
            loop.quit();
    });
    sinceTurn.start();
    probe.start();
    loop.exec();
    return longest;
}

QByteArray bigNotes()
{
    QByteArray file;
    for (int i = 0; file.size() < 20 * 1024 * 1024; ++i)
        file += "Line " + QByteArray::number(i) + " of the notes: R = 4.7 k, C = 100 nF, f = 338.6 Hz\r\n";
    return file;
}

// Smooth gradients with fine noise, so that the file costs about as much to
// decode as a photograph.
QImage photoLike(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = int(random.bounded(24));
            line[x] = qRgb((x * 255 / width + noise) & 0xFF, (y * 255 / height + noise) & 0xFF,
                           ((x + y) / 37 * 11 + noise) & 0xFF);
        }
    }
    return image;
}

double djpegMs(const QString& djpeg, const QString& file, std::vector<double>& cpu)
{
    const double cpuBefore = cpuMs(RUSAGE_CHILDREN);
    QElapsedTimer t;
    t.start();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(djpeg.toLocal8Bit().constData(), "djpeg", "-outfile", "/dev/null",
                file.toLocal8Bit().constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "djpeg failed\n");
        std::exit(1);
    }
    cpu.push_back(cpuMs(RUSAGE_CHILDREN) - cpuBefore);
    return ms(t);
}

// A one-inch Windows metafile: a filled rectangle and an ellipse.
QByteArray smallMetafile()
{
    const auto word = [](QByteArray& b, int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto record = [&](int function, std::initializer_list<int> params) {
        QByteArray r;
        word(r, 3 + int(params.size()));
        word(r, 0);
        word(r, function);
        for (int p : params)
            word(r, p);
        return r;
    };
    const QByteArray body = record(0x020B, {0, 0}) + record(0x020C, {1440, 1440}) +
                            record(0x041B, {700, 700, 100, 100}) + record(0x0418, {1400, 1400, 800, 800}) +
                            record(0x0000, {});
    QByteArray file;
    for (int v : {1, 9, 0x0300})
        word(file, v);
    word(file, (18 + int(body.size())) / 2);
    word(file, 0);
    for (int v : {0, 7, 0, 0})
        word(file, v);
    return file + body;
}

// The metafile helper drawing a small picture, confined as the viewer runs
// it and without its confinement: what shutting it in costs.
void measureConfinement(int runs)
{
    const QString helper =
        QCoreApplication::applicationDirPath() + QStringLiteral("/../ohmbrook-metafile-helper");
    const QByteArray picture = smallMetafile();
    std::vector<double> confined, unconfined;
    for (int run = 0; run < 4 * runs; ++run) {
        for (const bool confine : {true, false}) {
            QProcess process;
            process.setProcessEnvironment(QProcessEnvironment());
            QElapsedTimer t;
            t.start();
            process.start(helper, confine ? QStringList{"wmf"} : QStringList{"wmf", "unconfined"});
            process.write(picture);
            process.closeWriteChannel();
            process.waitForFinished(10000);
            if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
                std::fprintf(stderr, "the metafile helper failed (%d)\n", process.exitCode());
                std::exit(1);
            }
            (confine ? confined : unconfined).push_back(ms(t));
        }
    }
    std::printf("metafile helper drawing a small WMF, medians of %d runs:\n", 4 * runs);
    std::printf("  without confinement:                        %8.1f ms\n", median(unconfined));
    std::printf("  confined as the viewer runs it:             %8.1f ms (%.2f x)\n", median(confined),
                median(confined) / median(unconfined));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    ChosenFile chooser;
    ui::setFileDialogPresenter(&chooser);

    const QString notesFile = dir.filePath(QStringLiteral("notes.txt"));
    {
        QFile f(notesFile);
        if (!f.open(QIODevice::WriteOnly) || f.write(bigNotes()) < 0)
            return 1;
    }
    std::vector<double> plain, firstScreen, longestPause, wholeText;
    for (int run = 0; run < runs; ++run) {
        {
            QPlainTextEdit edit;
            edit.setLineWrapMode(QPlainTextEdit::NoWrap);
            edit.resize(617, 297);
            edit.show();
            app.processEvents();
            QElapsedTimer t;
            t.start();
            QFile f(notesFile);
            f.open(QIODevice::ReadOnly);
            edit.setPlainText(QString::fromUtf8(f.readAll()));
            edit.viewport()->repaint();
            plain.push_back(ms(t));
        }
        {
            NotesPanel panel;
            panel.show();
            app.processEvents();
            chooser.path = notesFile;
            QElapsedTimer t;
            t.start();
            panel.openFile();
            panel.findChild<QPlainTextEdit*>()->viewport()->repaint();
            firstScreen.push_back(ms(t));
            longestPause.push_back(runUntil([&] { return !panel.isLoading(); }));
            wholeText.push_back(ms(t));
        }
    }
    std::printf("20 MiB notes file, medians of %d runs:\n", runs);
    std::printf("  plain setPlainText load, read to painted:   %8.1f ms (the window waits all along)\n",
                median(plain));
    std::printf("  notes pad, first screen painted:            %8.1f ms (%.1f %% of plain)\n",
                median(firstScreen), 100 * median(firstScreen) / median(plain));
    std::printf("  notes pad, longest pause while the rest arrives: %5.1f ms\n", median(longestPause));
    std::printf("  notes pad, whole text in:                   %8.1f ms\n", median(wholeText));

    const QString djpeg = QStandardPaths::findExecutable(QStringLiteral("djpeg"));
    const QString jpegFile = dir.filePath(QStringLiteral("big.jpg"));
    if (!photoLike(8000, 6000).save(jpegFile, "jpeg", 90))
        return 1;
    std::vector<double> reference, referenceCpu, visible, whole, wholeCpu, pause;
    for (int run = 0; run < runs; ++run) {
        if (!djpeg.isEmpty())
            reference.push_back(djpegMs(djpeg, jpegFile, referenceCpu));
        ImageViewerPanel panel;
        panel.show();
        app.processEvents();
        QElapsedTimer t;
        const double cpuBefore = cpuMs(RUSAGE_SELF);
        t.start();
        panel.showPictureFile(jpegFile);
        panel.repaint();
        visible.push_back(ms(t));
        pause.push_back(runUntil([&] { return !panel.isLoading(); }));
        panel.repaint();
        whole.push_back(ms(t));
        wholeCpu.push_back(cpuMs(RUSAGE_SELF) - cpuBefore);
        if (panel.picture().size() != QSize(8000, 6000)) {
            std::fprintf(stderr, "the picture did not load\n");
            return 1;
        }
    }
    std::printf("8000 x 6000 JPEG, medians of %d runs (wall clock; CPU time of all threads):\n", runs);
    if (!reference.empty())
        std::printf("  djpeg full decode:                          %8.1f ms; CPU %.1f ms\n",
                    median(reference), median(referenceCpu));
    std::printf("  viewer, visible part painted:               %8.1f ms\n", median(visible));
    std::printf("  viewer, whole picture painted:              %8.1f ms; CPU %.1f ms", median(whole),
                median(wholeCpu));
    if (!reference.empty())
        std::printf(" (%.2f x djpeg)", median(whole) / median(reference));
    std::printf("\n  viewer, longest pause meanwhile:            %8.1f ms\n", median(pause));
    measureConfinement(runs);
    return 0;
}
