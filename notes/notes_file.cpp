#include "notes/notes_file.h"

#include "core/utf16_units.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <optional>
#include <stdexcept>

namespace notes {

namespace {

// Characters of the Windows-1252 bytes 0x80 to 0x9F. The five bytes the code
// page leaves unassigned stand for the C1 control of the same number, so every
// byte survives a read and a write.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char kBom[] = "\xEF\xBB\xBF";

std::optional<char> windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == c)
            return char(0x80 + i);
    }
    return std::nullopt;
}

// Turns CR LF and lone CR into '\n' and drops the line end that closes the
// last line, in place.
void joinLines(QString& text)
{
    QChar* out = text.data();
    const QChar* in = out;
    const QChar* end = in + text.size();
    QChar* const begin = out;
    while (in != end) {
        const QChar c = *in++;
        if (c == u'\r') {
            if (in != end && *in == u'\n')
                ++in;
            *out++ = u'\n';
        } else {
            *out++ = c;
        }
    }
    qsizetype length = out - begin;
    if (length > 0 && begin[length - 1] == u'\n')
        --length;
    text.truncate(length);
}

[[noreturn]] void fail(const QString& text)
{
    throw std::runtime_error(text.toStdString());
}

QByteArray markOf(Encoding encoding)
{
    return encoding == Encoding::Utf16BE ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
}

} // namespace

qsizetype unkeptCharacters(const QString& text)
{
    qsizetype count = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        count += u == 0x2029 || u == 0xFDD0 || u == 0xFDD1;
    }
    return count;
}

DecodedNotes decodeNotes(const QByteArray& bytes)
{
    DecodedNotes result;
    // A UTF-16 mark with an odd number of bytes after it is no UTF-16 text:
    // such a file is read as the 8-bit text it may be, byte for byte.
    const bool wide = bytes.size() % 2 == 0 && (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"));
    if (wide) {
        const bool bigEndian = bytes.startsWith("\xFE\xFF");
        result.encoding = bigEndian ? Encoding::Utf16BE : Encoding::Utf16LE;
        result.text = utf16::unitsOf(QByteArrayView(bytes).sliced(2), bigEndian);
        joinLines(result.text);
        return result;
    }
    QByteArrayView body(bytes);
    if (body.startsWith(kBom)) {
        result.encoding = Encoding::Utf8WithBom;
        body = body.sliced(3);
    }
    // A second mark after the first is text and must stay.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    result.text = utf8(body);
    if (utf8.hasError()) {
        result.encoding = Encoding::Windows1252;
        result.text = QString(bytes.size(), Qt::Uninitialized);
        QChar* out = result.text.data();
        for (const char b : bytes) {
            const auto u = static_cast<unsigned char>(b);
            *out++ = (u >= 0x80 && u < 0xA0) ? QChar(kWindows1252High[u - 0x80]) : QChar(u);
        }
    }
    joinLines(result.text);
    return result;
}

QByteArray encodeNotes(const QString& text, Encoding& encoding)
{
    const bool wide = encoding == Encoding::Utf16LE || encoding == Encoding::Utf16BE;
    if (text.isEmpty()) {
        if (wide)
            return markOf(encoding);
        return encoding == Encoding::Utf8WithBom ? QByteArray(kBom) : QByteArray();
    }
    if (wide) {
        QString withCrLf = text;
        withCrLf.replace(u'\n', QLatin1String("\r\n"));
        withCrLf.append(QLatin1String("\r\n"));
        return markOf(encoding) + utf16::bytesOf(withCrLf, encoding == Encoding::Utf16BE);
    }
    const qsizetype lines = text.count(u'\n') + 1;
    QByteArray out;
    if (encoding == Encoding::Windows1252) {
        out.reserve(text.size() + lines);
        for (const QChar c : text) {
            if (c == u'\n') {
                out.append("\r\n", 2);
                continue;
            }
            const std::optional<char> b = windows1252Byte(c.unicode());
            if (!b) {
                out.clear();
                break;
            }
            out.append(*b);
        }
        if (!out.isEmpty())
            return out.append("\r\n", 2);
        encoding = Encoding::Utf8;
    }
    QString withCrLf = text;
    withCrLf.replace(u'\n', QLatin1String("\r\n"));
    withCrLf.append(QLatin1String("\r\n"));
    QStringEncoder utf8(QStringEncoder::Utf8, QStringConverter::Flag::Stateless);
    out = utf8(withCrLf);
    if (encoding == Encoding::Utf8WithBom)
        out.prepend(kBom);
    return out;
}

DecodedNotes readNotesFile(const QString& path)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        fail(QStringLiteral("Cannot open file \"%1\". It is not a plain file").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const qint64 size = file.size();
    if (size > kMaxNotesFileBytes)
        fail(QStringLiteral("The file \"%1\" is too large for the notes pad (more than %2 MiB)")
                 .arg(path)
                 .arg(kMaxNotesFileBytes / (1024 * 1024)));
    QByteArray bytes(size, Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), size);
    if (got < 0 || file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    bytes.truncate(got);
    return decodeNotes(bytes);
}

void writeNotesFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

} // namespace notes
