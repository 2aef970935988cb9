// Writes a run of DWORD values into the settings store, one write per value,
// so that two copies started together compete for the settings file.
//
// Usage: settings_writer_helper <prefix> <count>
// Writes "<prefix> <i>" = i for i in 0..count-1 under the program's key, with
// the settings folder taken from XDG_CONFIG_HOME. Exit status 0 when every
// write succeeded.

#include "shell/settings_store.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString prefix = args.at(1);
    const int count = args.at(2).toInt();
    const auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
    if (!key)
        return 3;
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        if (!key->writeDword(prefix + u' ' + QString::number(i), std::uint32_t(i)))
            ++failures;
    }
    return failures == 0 ? 0 : 1;
}
