// Start-up benchmark: the real program, as a user starts it (the program
// itself, splash and all, with the disclaimer accepted and default settings),
// against a bare Qt window of the same size with the same topic tree and
// twenty-six empty pages (startup_probe bare), in the same run.
//
// - Watched from outside, as the X server sees the windows (window_watch.h):
//   time from process start to the first frame of any window, to the main
//   window drawn, to the splash drawn, and peak memory by then. Warm runs in
//   pairs, one of each, taking turns at going first; the figures are the
//   medians of each pair's ratio, so a machine that slows down during the
//   run skews neither side.
// - Instructions to the main window's first frame under callgrind, when
//   valgrind is installed: startup_probe main is the program started by the
//   program's own start-up function, ending at that frame. Noise-free, a
//   tripwire for start-up regressions.
//
//   startup_bench [pairs]     (default 10 pairs)
//
// Run it under Xvfb: xvfb-run -a startup_bench

#include "bench/window_watch.h"
#include "core/settings_store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample
{
    double milliseconds;
    double peakKiB;
};

// Runs a program to its end; its peak memory and how long it took.
Sample run(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", command.back().c_str(), status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), double(usage.ru_maxrss)};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Instructions the probe runs from its start to its first paint. A process
// the probe forks on its way (the desktop bus's auto-launch does) writes a
// count of its own, which is not the probe's: the largest count is.
std::optional<double> instructions(const QString& valgrind, const std::string& probe, const char* mode,
                                   const QString& folder)
{
    const QString prefix = QStringLiteral("callgrind.") + QLatin1String(mode) + QLatin1Char('.');
    run({valgrind.toStdString(), "--tool=callgrind", "-q",
         "--callgrind-out-file=" + (folder + QLatin1Char('/') + prefix).toStdString() + "%p", probe, mode});
    std::optional<double> most;
    for (const QString& name : QDir(folder).entryList({prefix + QLatin1Char('*')}, QDir::Files)) {
        QFile file(folder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            if (line.startsWith("summary:")) {
                const double count = line.mid(8).trimmed().toDouble();
                most = std::max(most.value_or(0), count);
                break;
            }
        }
    }
    return most;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int pairs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    const std::string probe =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/startup_probe")).toStdString();

    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))
        ->writeString(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"), QStringLiteral("yes"));

    const std::string program =
        (QCoreApplication::applicationDirPath() + QStringLiteral("/../ohmbrook")).toStdString();
    const std::vector<std::string> bare{probe, "bare", "--stay"}, main{program};
    const auto watch = [](const std::vector<std::string>& command, bool splash) {
        const std::optional<bench::WindowTimes> times = bench::watchStart(command, splash);
        if (!times || !times->mainPainted || (splash && !times->splashPainted)) {
            std::fprintf(stderr, "%s: no window was drawn (an X server with DAMAGE is needed)\n",
                         command.front().c_str());
            std::exit(1);
        }
        return *times;
    };
    watch(bare, false); // warm the file cache for both
    watch(main, true);
    std::vector<double> firstRatio, mainRatio, memoryRatio, bareMs, firstMs, mainMs, splashMs, bareKiB,
        mainKiB;
    for (int i = 0; i < pairs; ++i) {
        const bool bareFirst = i % 2 == 0;
        const bench::WindowTimes first = watch(bareFirst ? bare : main, !bareFirst);
        const bench::WindowTimes second = watch(bareFirst ? main : bare, bareFirst);
        const bench::WindowTimes& b = bareFirst ? first : second;
        const bench::WindowTimes& m = bareFirst ? second : first;
        bareMs.push_back(*b.mainPainted);
        firstMs.push_back(*m.firstFrame);
        mainMs.push_back(*m.mainPainted);
        splashMs.push_back(*m.splashPainted);
        bareKiB.push_back(b.peakKiB);
        mainKiB.push_back(m.peakKiB);
        firstRatio.push_back(*m.firstFrame / *b.mainPainted);
        mainRatio.push_back(*m.mainPainted / *b.mainPainted);
        memoryRatio.push_back(m.peakKiB / b.peakKiB);
    }
    std::printf("pairs: %d\n", pairs);
    std::printf("bare window drawn, median:          %.1f ms\n", median(bareMs));
    std::printf("first frame of any window, median:  %.1f ms, ratio %.2f\n", median(firstMs),
                median(firstRatio));
    std::printf("main window drawn, median:          %.1f ms, ratio %.2f\n", median(mainMs),
                median(mainRatio));
    std::printf("splash drawn over it, median:       %.1f ms\n", median(splashMs));
    std::printf("peak memory by then, median:        program %.1f MiB, bare window %.1f MiB, ratio %.2f\n",
                median(mainKiB) / 1024, median(bareKiB) / 1024, median(memoryRatio));

    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty()) {
        std::printf("instructions to first paint: valgrind is not installed\n");
        return 0;
    }
    const auto b = instructions(valgrind, probe, "bare", config.path());
    const auto m = instructions(valgrind, probe, "main", config.path());
    if (!b || !m) {
        std::fprintf(stderr, "callgrind gave no instruction count\n");
        return 1;
    }
    std::printf("instructions to the main window's first frame: program %.1f M, bare window %.1f M, "
                "ratio %.2f\n",
                *m / 1e6, *b / 1e6, *m / *b);
    return 0;
}
