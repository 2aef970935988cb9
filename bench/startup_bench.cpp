// Start-up benchmark: time from process start to the main window's first
// paint, and the peak memory of the process, for the real main window and for
// a bare Qt window of the same size, run alternately in the same session.
// Prints medians and the ratio main / bare.
//
//   startup_bench [runs]     (default 15 runs of each)

#include "shell/settings_store.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample
{
    double milliseconds;
    long peakKiB;
};

Sample runOnce(const std::string& probe, const char* mode)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl(probe.c_str(), probe.c_str(), mode, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "probe %s failed (status %d)\n", mode, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::string probe =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe")).toStdString();

    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))
        ->writeString(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"), QStringLiteral("yes"));

    std::vector<double> mainMs, bareMs, textMs, mainKiB, bareKiB;
    runOnce(probe, "bare"); // warm the file cache for all three
    runOnce(probe, "text");
    runOnce(probe, "main");
    for (int i = 0; i < runs; ++i) {
        const Sample b = runOnce(probe, "bare");
        const Sample t = runOnce(probe, "text");
        const Sample m = runOnce(probe, "main");
        bareMs.push_back(b.milliseconds);
        textMs.push_back(t.milliseconds);
        mainMs.push_back(m.milliseconds);
        bareKiB.push_back(double(b.peakKiB));
        mainKiB.push_back(double(m.peakKiB));
    }
    const double mT = median(mainMs), bT = median(bareMs), tT = median(textMs), mK = median(mainKiB),
                 bK = median(bareKiB);
    std::printf("runs each: %d (platform %s)\n", runs,
                qgetenv("QT_QPA_PLATFORM").isEmpty() ? "default" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("start to first paint, median: main window %.1f ms, bare window %.1f ms, ratio %.2f\n", mT,
                bT, mT / bT);
    std::printf("start to first paint, median: bare window with one label %.1f ms, main / that %.2f\n", tT,
                mT / tT);
    std::printf("peak memory, median:         main window %.0f KiB, bare window %.0f KiB, ratio %.2f\n", mK,
                bK, mK / bK);
    return 0;
}
