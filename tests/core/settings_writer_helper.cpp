// Writes a run of DWORD values into the settings store, one write per value,
// so that two copies started together compete for the settings file, or so
// that a copy can be killed in the middle of a write.
//
// Usage: settings_writer_helper <prefix> <count>
// Writes "<prefix> <i>" = i for i in 0..count-1 under the program's key, with
// the settings folder taken from XDG_CONFIG_HOME. Exit status 0 when every
// write succeeded.
//
// Usage: settings_writer_helper <name> forever
// Writes "<name>" = 0, 1, 2, ... until killed; prints one line once the
// first write is done.

#include "core/settings_store.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString prefix = args.at(1);
    const auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
    if (!key)
        return 3;
    if (args.at(2) == QLatin1String("forever")) {
        for (std::uint32_t i = 0;; ++i) {
            if (!key->writeDword(prefix, i))
                return 1;
            if (i == 0) {
                std::puts("writing");
                std::fflush(stdout);
            }
        }
    }
    const int count = args.at(2).toInt();
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        if (!key->writeDword(prefix + u' ' + QString::number(i), std::uint32_t(i)))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
