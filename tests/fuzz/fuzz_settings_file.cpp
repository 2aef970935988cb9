// The settings store on any file content: every value the file holds reads
// the same (same type, same text or number) after the store has written
// another value into the file, and the value written reads back; a file in
// no encoding the store can write back is left exactly as it was.
//
// Input: two bytes choosing the write (what kind of value, which name), then
// the file's bytes. The names checked are those the file's lines seem to hold
// (found more loosely than the store reads them, so none is missed) and the
// program's own.

#include "core/settings_store.h"
#include "tests/fuzz/fuzz_check.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

using fuzzcheck::expect;
using fuzzcheck::shown;

namespace {

// A key path below HKEY_CURRENT_USER and a value name in it.
struct Place
{
    QString key;
    QString name;
};

constexpr qsizetype kMaxPlaces = 48;
const QString kHive = QStringLiteral("HKEY_CURRENT_USER");

QString describe(const settings::Value& v)
{
    switch (v.type) {
    case settings::Value::Type::Missing:
        return QStringLiteral("missing");
    case settings::Value::Type::String:
        return QStringLiteral("string ") + shown(v.text);
    case settings::Value::Type::Dword:
        return QStringLiteral("dword %1").arg(v.dword);
    case settings::Value::Type::Other:
        return QStringLiteral("other");
    }
    return QString();
}

bool sameValue(const settings::Value& a, const settings::Value& b)
{
    return a.type == b.type && a.text == b.text && a.dword == b.dword;
}

// Every section header naming a key below the hive, and every quoted text
// that starts a value line, paired with each key.
QList<Place> placesIn(const QString& content)
{
    QStringList keys{QString::fromLatin1(settings::kProgramKey)};
    QStringList names{QStringLiteral("Last Resistor Save File"), QStringLiteral("Auto Expand Category List"),
                      QStringLiteral("@")};
    for (const QString& line : content.split(u'\n')) {
        const qsizetype hive = line.indexOf(u'[' + kHive, 0, Qt::CaseInsensitive);
        const qsizetype close = line.lastIndexOf(u']');
        if (hive >= 0 && close > hive) {
            // As the store names keys: one backslash before, none after, so
            // that "[HKEY_CURRENT_USERSoftware\X]" and the program's own key
            // are one place, not two.
            QString key = line.mid(hive + 1 + kHive.size(), close - hive - 1 - kHive.size());
            if (!key.startsWith(u'\\'))
                key.prepend(u'\\');
            while (key.endsWith(u'\\'))
                key.chop(1);
            keys.append(key);
        }
        const qsizetype quote = line.indexOf(u'"');
        if (quote < 0)
            continue;
        QString name;
        for (qsizetype i = quote + 1; i < line.size() && line[i] != u'"'; ++i)
            name += line[i] == u'\\' && i + 1 < line.size() ? line[++i] : line[i];
        names.append(name);
    }
    keys.removeDuplicates();
    names.removeDuplicates();
    QList<Place> places;
    for (const QString& key : keys) {
        for (const QString& name : names) {
            if (places.size() < kMaxPlaces)
                places.append({key, name});
        }
    }
    return places;
}

settings::Value readAt(const Place& place)
{
    const auto key = settings::Key::openExisting(place.key);
    return key ? key->read(place.name) : settings::Value{};
}

std::unique_ptr<QTemporaryDir> folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // A memory file system when there is one: every write syncs to disk.
    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    folder = std::make_unique<QTemporaryDir>(base + QStringLiteral("/ohmbrook-fuzz-XXXXXX"));
    qputenv("XDG_CONFIG_HOME", folder->path().toUtf8());
    QDir().mkpath(settings::settingsFolder());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));
    {
        QFile file(settings::settingsFilePath());
        expect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
               "the fuzzer can write the settings file");
    }
    const QList<Place> places = placesIn(QString::fromUtf8(bytes));
    QList<settings::Value> before;
    for (const Place& place : places)
        before.append(readAt(place));

    // The write: a string (the file's first bytes, line breaks and all) or a
    // number, under one of the names found.
    const Place& target = places[data[0] % places.size()];
    settings::Value written;
    if (data[1] & 1) {
        written.type = settings::Value::Type::Dword;
        written.dword = std::uint32_t(data[1]) * 0x01010101u ^ std::uint32_t(size);
    } else {
        written.type = settings::Value::Type::String;
        written.text = QString::fromUtf8(bytes.left(data[1] >> 1));
    }
    const auto key = settings::Key::openOrCreate(target.key);
    if (!settings::undecodableFile().isEmpty()) {
        // A file the store cannot read back unharmed is never written over.
        expect(!key.has_value(), "no key is created in a file that cannot be read");
        QFile file(settings::settingsFilePath());
        expect(file.open(QIODevice::ReadOnly) && file.readAll() == bytes,
               "a file that cannot be read is kept");
        return 0;
    }
    expect(key.has_value(), "a key opens on any file content", settings::lastFailure());
    const bool ok = written.isDword() ? key->writeDword(target.name, written.dword)
                                      : key->writeString(target.name, written.text);
    expect(ok, "a value can be written after any file content", settings::lastFailure());

    const QString where = shown(target.key) + u' ' + shown(target.name);
    const settings::Value back = readAt(target);
    expect(sameValue(back, written), "the value written reads back",
           where + QStringLiteral(": wrote ") + describe(written) + QStringLiteral(", read ") +
               describe(back));
    for (qsizetype i = 0; i < places.size(); ++i) {
        const Place& p = places[i];
        if (p.key.compare(target.key, Qt::CaseInsensitive) == 0 &&
            p.name.compare(target.name, Qt::CaseInsensitive) == 0)
            continue;
        const settings::Value after = readAt(p);
        expect(sameValue(after, before[i]), "a write keeps every other value",
               shown(p.key) + u' ' + shown(p.name) + QStringLiteral(" was ") + describe(before[i]) +
                   QStringLiteral(", is ") + describe(after) + QStringLiteral(" after writing ") + where);
    }
    return 0;
}
