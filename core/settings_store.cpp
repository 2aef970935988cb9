#include "core/settings_store.h"

#include "core/settings_store_io.h"
#include "core/utf16_units.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

namespace settings {

namespace {

const QString kHive = QStringLiteral("HKEY_CURRENT_USER");
const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00");
// How long a write waits for another running copy to finish its own.
constexpr int kLockWaitMs = 5000;

// How the file's text is stored. A file is written back in the encoding it
// came in, its byte order mark included.
enum class FileEncoding
{
    Utf8,
    Utf8WithBom,
    Utf16LE,
    Utf16BE
};

// One line of the file (or a value line with its continuation lines).
struct Entry
{
    QString name; // empty for lines that are not values
    bool isValue = false;
    QString raw; // the line(s) as decoded, continuation lines joined by "\n"
    // The bytes the line(s) had in the file, line ends included; empty for a
    // line this store wrote. Lines left alone go back exactly as they were,
    // bytes that are not valid text included.
    QByteArray original;
};

struct Section
{
    Entry header;
    QString keyPath; // "HKEY_CURRENT_USER\Software\..." as written in the brackets
    QList<Entry> entries;
    // Added by this store rather than read from the file: only such a section
    // gets a blank line before it, so the file's own lines stay as they were.
    bool added = false;
};

struct Document
{
    QList<Entry> preamble; // lines before the first section
    QList<Section> sections;
    QString lineEnd = QStringLiteral("\n"); // CR LF when the file had them
    FileEncoding encoding = FileEncoding::Utf8;
};

// One line of the file: its text without the line end, and its bytes with it.
struct PhysicalLine
{
    QString text;
    QByteArray bytes;
};

struct FileLines
{
    FileEncoding encoding = FileEncoding::Utf8;
    QList<PhysicalLine> lines;
    bool crLf = false;
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

QByteArray encodeText(const QString& text, FileEncoding encoding)
{
    if (encoding != FileEncoding::Utf16LE && encoding != FileEncoding::Utf16BE)
        return text.toUtf8();
    return utf16::bytesOf(text, encoding == FileEncoding::Utf16BE);
}

// Which encoding the file's bytes are in, from the byte order mark, or from
// the zero bytes of a UTF-16 text without one. Empty when the bytes are
// no text this store can write back unharmed: UTF-32, or UTF-16 with an odd
// number of bytes.
std::optional<FileEncoding> detectEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith(QByteArrayView("\xFF\xFE\x00\x00", 4)) ||
        bytes.startsWith(QByteArrayView("\x00\x00\xFE\xFF", 4)))
        return std::nullopt;
    std::optional<FileEncoding> found;
    if (bytes.startsWith("\xFF\xFE"))
        found = FileEncoding::Utf16LE;
    else if (bytes.startsWith("\xFE\xFF"))
        found = FileEncoding::Utf16BE;
    else if (bytes.startsWith("\xEF\xBB\xBF"))
        return FileEncoding::Utf8WithBom;
    else if (bytes.size() >= 2 && bytes[0] != 0 && bytes[1] == 0)
        found = FileEncoding::Utf16LE;
    else if (bytes.size() >= 2 && bytes[0] == 0 && bytes[1] != 0)
        found = FileEncoding::Utf16BE;
    else
        return FileEncoding::Utf8;
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    return found;
}

qsizetype markSize(const QByteArray& bytes, FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8WithBom:
        return 3;
    case FileEncoding::Utf16LE:
        return bytes.startsWith("\xFF\xFE") ? 2 : 0;
    case FileEncoding::Utf16BE:
        return bytes.startsWith("\xFE\xFF") ? 2 : 0;
    case FileEncoding::Utf8:
        break;
    }
    return 0;
}

// Splits the file into its lines, each with the bytes it had. The byte order
// mark is left out; serialise() writes it again.
std::optional<FileLines> splitFile(const QByteArray& bytes)
{
    const std::optional<FileEncoding> encoding = detectEncoding(bytes);
    if (!encoding)
        return std::nullopt;
    FileLines file;
    file.encoding = *encoding;
    const bool wide = *encoding == FileEncoding::Utf16LE || *encoding == FileEncoding::Utf16BE;
    const bool bigEndian = *encoding == FileEncoding::Utf16BE;
    const qsizetype unit = wide ? 2 : 1;
    const auto isNewline = [&](qsizetype at) {
        if (!wide)
            return bytes[at] == '\n';
        return bytes[at + (bigEndian ? 1 : 0)] == '\n' && bytes[at + (bigEndian ? 0 : 1)] == 0;
    };
    qsizetype start = markSize(bytes, *encoding);
    for (qsizetype at = start; at < bytes.size(); at += unit) {
        if (!isNewline(at) && at + unit < bytes.size())
            continue;
        const qsizetype end = at + unit;
        const QByteArrayView line = QByteArrayView(bytes).sliced(start, end - start);
        QByteArrayView body = line;
        if (isNewline(at))
            body.chop(unit);
        QString text = wide ? utf16::unitsOf(body, bigEndian) : QString::fromUtf8(body);
        if (text.endsWith(u'\r')) {
            text.chop(1);
            file.crLf = file.crLf || isNewline(at);
        }
        file.lines.append({text, line.toByteArray()});
        start = end;
    }
    return file;
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

Document parse(const FileLines& file)
{
    Document doc;
    doc.encoding = file.encoding;
    if (file.crLf)
        doc.lineEnd = QStringLiteral("\r\n");
    const QList<PhysicalLine>& physical = file.lines;

    Section* current = nullptr;
    for (qsizetype i = 0; i < physical.size(); ++i) {
        QString raw = physical[i].text;
        QByteArray original = physical[i].bytes;
        // hex lists continue on the next line after a trailing backslash
        if (isHexLine(raw.trimmed())) {
            while (raw.trimmed().endsWith(u'\\') && i + 1 < physical.size() &&
                   isHexContinuation(physical[i + 1].text)) {
                raw += u'\n' + physical[++i].text;
                original += physical[i].bytes;
            }
        }
        const QString trimmed = raw.trimmed();
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']')) {
            Section s;
            s.header = {QString(), false, raw, original};
            s.keyPath = trimmed.mid(1, trimmed.size() - 2);
            doc.sections.append(s);
            current = &doc.sections.last();
            continue;
        }
        if (!current) {
            doc.preamble.append({QString(), false, raw, original});
            continue;
        }
        Entry e;
        e.raw = raw;
        e.original = original;
        QString name, data;
        if (splitValueLine(trimmed, name, data)) {
            e.isValue = true;
            e.name = name;
        }
        current->entries.append(e);
    }
    return doc;
}

QByteArray serialise(const Document& doc)
{
    QByteArray out;
    if (doc.encoding == FileEncoding::Utf8WithBom)
        out = "\xEF\xBB\xBF";
    else if (doc.encoding == FileEncoding::Utf16LE)
        out = "\xFF\xFE";
    else if (doc.encoding == FileEncoding::Utf16BE)
        out = "\xFE\xFF";
    const QByteArray lineEnd = encodeText(doc.lineEnd, doc.encoding);
    // A line kept from the file whose line end was cut off (the file's last)
    // gets one when more lines follow it.
    bool endOpen = false;
    bool lastBlank = true;
    const auto append = [&](const Entry& line) {
        if (endOpen)
            out += lineEnd;
        if (line.original.isEmpty()) {
            QString text = line.raw;
            if (doc.lineEnd != QLatin1String("\n"))
                text.replace(u'\n', doc.lineEnd);
            out += encodeText(text, doc.encoding);
            out += lineEnd;
            endOpen = false;
        } else {
            out += line.original;
            endOpen = !line.original.endsWith(lineEnd.right(
                doc.encoding == FileEncoding::Utf16LE || doc.encoding == FileEncoding::Utf16BE ? 2 : 1));
        }
        lastBlank = line.raw.trimmed().isEmpty();
    };
    if (doc.preamble.isEmpty() ||
        !doc.preamble.first().raw.trimmed().startsWith(QLatin1String("Windows Registry Editor"))) {
        append({QString(), false, kHeader, {}});
        append({});
    }
    for (const Entry& line : doc.preamble)
        append(line);
    for (const Section& s : doc.sections) {
        if (s.added && !lastBlank)
            append({});
        append(s.header);
        for (const Entry& e : s.entries)
            append(e);
    }
    if (endOpen)
        out += lineEnd;
    return out;
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
