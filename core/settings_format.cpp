#include "core/settings_format.h"

#include "core/utf16_units.h"

#include <QStringDecoder>

namespace settings::format {

namespace {

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

} // namespace

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

} // namespace settings::format
