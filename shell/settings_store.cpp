#include "shell/settings_store.h"

#include "shell/settings_store_io.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace settings {

namespace {

const QString kHive = QStringLiteral("HKEY_CURRENT_USER");
const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00");
// How long a write waits for another running copy to finish its own.
constexpr int kLockWaitMs = 5000;

// One value line (or an unknown line kept verbatim) inside a section.
struct Entry
{
    QString name; // empty for lines that are not values
    bool isValue = false;
    QString raw; // the line(s) as found, continuation lines joined by "\n"
};

struct Section
{
    QString headerLine;
    QString keyPath; // "HKEY_CURRENT_USER\Software\..." as written in the brackets
    QList<Entry> entries;
    // Added by this store rather than read from the file: only such a section
    // gets a blank line before it, so the file's own lines stay as they were.
    bool added = false;
};

struct Document
{
    QStringList preamble; // lines before the first section
    QList<Section> sections;
    QString lineEnd = QStringLiteral("\n"); // CR LF when the file had them
};

QString fullPath(const QString& path)
{
    QString p = path;
    if (!p.startsWith(u'\\'))
        p.prepend(u'\\');
    while (p.endsWith(u'\\'))
        p.chop(1);
    return kHive + p;
}

QString decodeFile(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::ConvertInitialBom);
        return decoder(bytes.mid(2));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    return QString::fromUtf8(bytes);
}

// Parses a quoted text at s[pos] ('"' expected); returns the end index after
// the closing quote, or -1 when the quote is not closed.
qsizetype parseQuoted(const QString& s, qsizetype pos, QString& out)
{
    if (pos >= s.size() || s[pos] != u'"')
        return -1;
    out.clear();
    for (qsizetype i = pos + 1; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'\\' && i + 1 < s.size()) {
            out += s[++i];
        } else if (c == u'"') {
            return i + 1;
        } else {
            out += c;
        }
    }
    return -1;
}

QString quoted(const QString& text)
{
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == u'\\' || c == u'"')
            out += u'\\';
        out += c;
    }
    out += u'"';
    return out;
}

std::optional<QByteArray> hexBytes(const QString& list)
{
    QByteArray bytes;
    QString compact = list;
    compact.remove(u'\\').remove(u'\n').remove(u'\r').remove(u' ').remove(u'\t');
    if (compact.isEmpty())
        return bytes;
    for (const QString& part : compact.split(u',')) {
        bool ok = false;
        const uint b = part.toUInt(&ok, 16);
        if (!ok || b > 0xFF)
            return std::nullopt;
        bytes.append(char(b));
    }
    return bytes;
}

// Splits a value line into its name and its data text.
bool splitValueLine(const QString& raw, QString& name, QString& data)
{
    if (raw.startsWith(u'@')) {
        name = QStringLiteral("@");
        if (raw.size() < 2 || raw[1] != u'=')
            return false;
        data = raw.mid(2);
        return true;
    }
    const qsizetype end = parseQuoted(raw, 0, name);
    if (end < 0 || end >= raw.size() || raw[end] != u'=')
        return false;
    data = raw.mid(end + 1);
    return true;
}

Value parseData(const QString& dataText)
{
    Value v;
    const QString data = dataText.trimmed();
    if (data.startsWith(u'"')) {
        QString text;
        const qsizetype end = parseQuoted(data, 0, text);
        if (end == data.size()) {
            v.type = Value::Type::String;
            v.text = text;
        }
        return v;
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QString hex = data.mid(6);
        bool ok = false;
        const uint n = hex.toUInt(&ok, 16);
        if (ok && !hex.isEmpty() && hex.size() <= 8) {
            v.type = Value::Type::Dword;
            v.dword = n;
        }
        return v;
    }
    if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        const qsizetype colon = data.indexOf(u':');
        if (colon < 0)
            return v;
        const QString kind = data.left(colon).toLower();
        const auto bytes = hexBytes(data.mid(colon + 1));
        if (!bytes)
            return v;
        if (kind == QLatin1String("hex(4)") && bytes->size() == 4) {
            v.type = Value::Type::Dword;
            v.dword = quint32(quint8(bytes->at(0))) | quint32(quint8(bytes->at(1))) << 8 |
                      quint32(quint8(bytes->at(2))) << 16 | quint32(quint8(bytes->at(3))) << 24;
        } else if (kind == QLatin1String("hex(1)") && bytes->size() % 2 == 0) {
            QStringDecoder decoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::ConvertInitialBom);
            QString text = decoder(*bytes);
            // One NUL ends the text; a NUL before it belongs to the text.
            if (text.endsWith(QChar(0)))
                text.chop(1);
            v.type = Value::Type::String;
            v.text = text;
        } else {
            v.type = Value::Type::Other;
        }
        return v;
    }
    return v; // "-" (deleted) or damaged: missing
}

bool isHexLine(const QString& trimmed)
{
    QString name, data;
    return (trimmed.startsWith(u'"') || trimmed.startsWith(u'@')) && splitValueLine(trimmed, name, data) &&
           data.trimmed().startsWith(QLatin1String("hex"), Qt::CaseInsensitive);
}

// A hex list goes on only over lines of hex digits, commas and blanks: a
// list cut short after its backslash must not take in the value, section or
// blank line that follows it.
bool isHexContinuation(const QString& line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const QChar c : trimmed) {
        const bool hexDigit =
            (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (!hexDigit && c != u',' && c != u' ' && c != u'\t' && c != u'\\')
            return false;
    }
    return true;
}

Document parse(const QString& content)
{
    Document doc;
    if (content.contains(QLatin1String("\r\n")))
        doc.lineEnd = QStringLiteral("\r\n");
    QStringList physical = content.split(u'\n');
    for (QString& line : physical) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (!physical.isEmpty() && physical.last().isEmpty())
        physical.removeLast();

    Section* current = nullptr;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        QString raw = physical[i];
        // hex lists continue on the next line after a trailing backslash
        if (isHexLine(raw.trimmed())) {
            while (raw.trimmed().endsWith(u'\\') && i + 1 < physical.size() &&
                   isHexContinuation(physical[i + 1]))
                raw += u'\n' + physical[++i];
        }
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            Section s;
            s.headerLine = raw;
            s.keyPath = trimmed.mid(1, trimmed.size() - 2);
            doc.sections.append(s);
            current = &doc.sections.last();
            continue;
        }
        if (!current) {
            doc.preamble.append(raw);
            continue;
        }
        Entry e;
        e.raw = raw;
        QString name, data;
        if (splitValueLine(trimmed, name, data)) {
            e.isValue = true;
            e.name = name;
        }
        current->entries.append(e);
    }
    return doc;
}

QString serialise(const Document& doc)
{
    QStringList lines = doc.preamble;
    if (lines.isEmpty() || !lines.first().trimmed().startsWith(QLatin1String("Windows Registry Editor"))) {
        lines.prepend(QString());
        lines.prepend(kHeader);
    }
    for (const Section& s : doc.sections) {
        if (s.added && !lines.isEmpty() && !lines.last().trimmed().isEmpty())
            lines.append(QString());
        lines.append(s.headerLine);
        for (const Entry& e : s.entries)
            lines.append(e.raw);
    }
    QString text = lines.join(u'\n') + u'\n';
    if (doc.lineEnd != QLatin1String("\n"))
        text.replace(u'\n', doc.lineEnd);
    return text;
}

Section* findSection(Document& doc, const QString& keyPath)
{
    for (Section& s : doc.sections) {
        if (s.keyPath.compare(keyPath, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
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

Document load()
{
    QByteArray bytes;
    QString failure;
    if (!io::readFile(io::resolveLinks(settingsFilePath()), bytes, failure))
        return {};
    return parse(decodeFile(bytes));
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
    Document doc = parse(decodeFile(bytes));
    if (!change(doc))
        return true; // nothing to write
    return io::replaceFile(target, serialise(doc).toUtf8());
}

QString stringLine(const QString& name, const QString& text)
{
    bool plain = true;
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar(0))
            plain = false;
    }
    if (plain)
        return quoted(name) + u'=' + quoted(text);
    // Texts with line breaks cannot stand in one quoted line: store them as
    // the string type's hex form (UTF-16LE with a terminating NUL).
    QByteArray bytes;
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    bytes.append('\0').append('\0');
    QStringList hex;
    for (const char b : bytes)
        hex.append(QStringLiteral("%1").arg(quint8(b), 2, 16, QLatin1Char('0')));
    return quoted(name) + QStringLiteral("=hex(1):") + hex.join(u',');
}

bool writeLine(const QString& keyPath, const QString& name, const QString& line)
{
    return update([&](Document& doc) {
        Section* s = findSection(doc, keyPath);
        if (!s) {
            Section fresh;
            fresh.keyPath = keyPath;
            fresh.headerLine = u'[' + keyPath + u']';
            fresh.added = true;
            doc.sections.append(fresh);
            s = &doc.sections.last();
        }
        for (Entry& e : s->entries) {
            if (e.isValue && e.name.compare(name, Qt::CaseInsensitive) == 0) {
                e.raw = line;
                return true;
            }
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
        fresh.headerLine = u'[' + keyPath + u']';
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
    Document doc = load();
    const Section* s = findSection(doc, m_path);
    if (!s)
        return {};
    for (const Entry& e : s->entries) {
        if (!e.isValue || e.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QString parsedName, data;
        if (!splitValueLine(e.raw.trimmed(), parsedName, data))
            return {};
        return parseData(data);
    }
    return {};
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
