#include "core/settings_store.h"

#include "core/settings_format.h"
#include "core/settings_store_io.h"

#include <QDir>
#include <QFileInfo>

namespace settings {

namespace {

using namespace format;

const QString kHive = QStringLiteral("HKEY_CURRENT_USER");
// How long a write waits for another running copy to finish its own.
constexpr int kLockWaitMs = 5000;

QString fullPath(const QString& path)
{
    QString p = path;
    if (!p.startsWith(u'\\'))
        p.prepend(u'\\');
    while (p.endsWith(u'\\'))
        p.chop(1);
    return kHive + p;
}

// The last section naming the key: new values go there.
Section* findSection(Document& doc, const QString& keyPath)
{
    Section* found = nullptr;
    for (Section& s : doc.sections) {
        if (s.keyPath.compare(keyPath, Qt::CaseInsensitive) == 0)
            found = &s;
    }
    return found;
}

bool keyExists(const Document& doc, const QString& keyPath)
{
    const QString prefix = keyPath + u'\\';
    for (const Section& s : doc.sections) {
        if (s.keyPath.compare(keyPath, Qt::CaseInsensitive) == 0 ||
            s.keyPath.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString undecodableSentence(const QString& path)
{
    return QStringLiteral("%1 is not in a text encoding Ohmbrook can read (UTF-8 or UTF-16); it is left as "
                          "it is.")
        .arg(QDir::toNativeSeparators(path));
}

Document load()
{
    QByteArray bytes;
    QString failure;
    if (!io::readFile(io::resolveLinks(settingsFilePath()), bytes, failure))
        return {};
    const std::optional<FileLines> file = splitFile(bytes);
    return file ? parse(*file) : Document{};
}

// Runs a read-modify-write of the settings file under the lock. A file that
// exists but cannot be read is never written over: its values would be lost.
template <typename Change> bool update(Change change)
{
    io::clearFailure();
    const QString target = io::resolveLinks(settingsFilePath());
    if (!io::makeFolder(QFileInfo(target).absolutePath()))
        return false;
    io::FileLock lock;
    if (!lock.acquire(target, kLockWaitMs))
        return false;
    QByteArray bytes;
    QString failure;
    if (!io::readFile(target, bytes, failure)) {
        io::recordFailure(failure);
        return false;
    }
    // A file whose text cannot be told is never written over either.
    const std::optional<FileLines> file = splitFile(bytes);
    if (!file) {
        io::recordFailure(undecodableSentence(target));
        return false;
    }
    Document doc = parse(*file);
    if (!change(doc))
        return true; // nothing to write
    return io::replaceFile(target, serialise(doc));
}

bool writeLine(const QString& keyPath, const QString& name, const QString& line)
{
    return update([&](Document& doc) {
        // The key may be named by several sections and the value given more
        // than once; as on reading, the last copy is the one that stands. It
        // takes the new line, and the earlier copies go.
        Entry* last = nullptr;
        for (Section& section : doc.sections) {
            if (section.keyPath.compare(keyPath, Qt::CaseInsensitive) != 0)
                continue;
            for (Entry& e : section.entries) {
                if (e.isValue && e.name.compare(name, Qt::CaseInsensitive) == 0)
                    last = &e;
            }
        }
        if (last) {
            last->raw = line;
            last->original.clear();
            for (Section& section : doc.sections) {
                if (section.keyPath.compare(keyPath, Qt::CaseInsensitive) != 0)
                    continue;
                section.entries.removeIf([&](const Entry& e) {
                    return &e != last && e.isValue && e.name.compare(name, Qt::CaseInsensitive) == 0;
                });
            }
            return true;
        }
        Section* s = findSection(doc, keyPath);
        if (!s) {
            Section fresh;
            fresh.keyPath = keyPath;
            fresh.header.raw = u'[' + keyPath + u']';
            fresh.added = true;
            doc.sections.append(fresh);
            s = &doc.sections.last();
        }
        // Insert after the last value line, before any trailing blank lines.
        qsizetype at = s->entries.size();
        while (at > 0 && s->entries[at - 1].raw.trimmed().isEmpty())
            --at;
        Entry e;
        e.isValue = true;
        e.name = name;
        e.raw = line;
        s->entries.insert(at, e);
        return true;
    });
}

} // namespace

QString settingsFolder()
{
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/Tarvolen");
}

QString lastFailure()
{
    return io::failure();
}

QString undecodableFile()
{
    const QString path = io::resolveLinks(settingsFilePath());
    QByteArray bytes;
    QString failure;
    if (!io::readFile(path, bytes, failure) || splitFile(bytes))
        return QString();
    return undecodableSentence(path);
}

QString settingsFilePath()
{
    return settingsFolder() + QStringLiteral("/Ohmbrook.reg");
}

std::optional<Key> Key::openExisting(const QString& path)
{
    const QString keyPath = fullPath(path);
    if (!keyExists(load(), keyPath))
        return std::nullopt;
    return Key(keyPath);
}

std::optional<Key> Key::openOrCreate(const QString& path)
{
    const QString keyPath = fullPath(path);
    io::clearFailure();
    if (keyExists(load(), keyPath))
        return Key(keyPath);
    const bool ok = update([&](Document& doc) {
        if (keyExists(doc, keyPath))
            return false;
        Section fresh;
        fresh.keyPath = keyPath;
        fresh.header.raw = u'[' + keyPath + u']';
        fresh.added = true;
        doc.sections.append(fresh);
        return true;
    });
    if (!ok)
        return std::nullopt;
    return Key(keyPath);
}

Value Key::read(const QString& name) const
{
    // As a registry import reads it: where the key or the value is given
    // more than once, the last copy stands.
    const Document doc = load();
    const Entry* last = nullptr;
    for (const Section& s : doc.sections) {
        if (s.keyPath.compare(m_path, Qt::CaseInsensitive) != 0)
            continue;
        for (const Entry& e : s.entries) {
            if (e.isValue && e.name.compare(name, Qt::CaseInsensitive) == 0)
                last = &e;
        }
    }
    QString parsedName, data;
    if (!last || !splitValueLine(last->raw.trimmed(), parsedName, data))
        return {};
    return parseData(data);
}

bool Key::writeString(const QString& name, const QString& text) const
{
    return writeLine(m_path, name, stringLine(name, text));
}

bool Key::writeDword(const QString& name, std::uint32_t value) const
{
    return writeLine(m_path, name,
                     quoted(name) + QStringLiteral("=dword:%1").arg(value, 8, 16, QLatin1Char('0')));
}

} // namespace settings
