// The notes pad on any file: opened and saved again unedited, the file comes
// back as it was, apart from its line ends (each line then ends in CR LF), or
// the pad has said on opening which characters it cannot keep.
//
// The text goes through a text document as it does in the pad, which is
// where a paragraph separator would silently become a line break.

#include "notes/notes_file.h"
#include "tests/fuzz/fuzz_check.h"

#include <QGuiApplication>
#include <QTextDocument>

using fuzzcheck::expect;

namespace {

// The file with every line end (CR LF, CR or LF) made CR LF and one after the
// last line, counted in code units of `unit` bytes after a mark of `mark`
// bytes; a file of a single line end is an empty text, saved as no line.
QByteArray withCrLfLines(const QByteArray& file, qsizetype mark, qsizetype unit, bool bigEndian)
{
    const auto unitOf = [&](char c) {
        if (unit == 1)
            return QByteArray(1, c);
        return bigEndian ? QByteArray(1, '\0') + c : QByteArray(1, c) + '\0';
    };
    const QByteArray cr = unitOf('\r');
    const QByteArray lf = unitOf('\n');
    QByteArray out = file.left(mark);
    const QByteArray body = file.mid(mark);
    bool lineOpen = false;
    for (qsizetype at = 0; at < body.size(); at += unit) {
        const QByteArray u = body.mid(at, unit);
        if (u == cr || u == lf) {
            if (u == cr && body.mid(at + unit, unit) == lf)
                at += unit;
            out += cr + lf;
            lineOpen = false;
        } else {
            out += u;
            lineOpen = true;
        }
    }
    if (lineOpen)
        out += cr + lf;
    if (out.size() == mark + 2 * unit)
        out.truncate(mark);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), qsizetype(size));
    notes::DecodedNotes decoded = notes::decodeNotes(file);
    if (notes::unkeptCharacters(decoded.text) > 0)
        return 0; // the pad says so on opening

    QTextDocument editor;
    editor.setPlainText(decoded.text);
    QString shown = editor.toRawText();
    shown.replace(QChar::ParagraphSeparator, u'\n');
    expect(shown == decoded.text, "the editor holds the text as read", fuzzcheck::shown(decoded.text));

    notes::Encoding encoding = decoded.encoding;
    const QByteArray saved = notes::encodeNotes(shown, encoding);
    expect(encoding == decoded.encoding, "an unedited text is saved in the encoding it came in");
    const bool utf16 = encoding == notes::Encoding::Utf16LE || encoding == notes::Encoding::Utf16BE;
    const qsizetype mark = utf16 ? 2 : encoding == notes::Encoding::Utf8WithBom ? 3 : 0;
    const QByteArray expected =
        withCrLfLines(file, mark, utf16 ? 2 : 1, encoding == notes::Encoding::Utf16BE);
    expect(saved == expected, "an unedited file is saved as it was, apart from its line ends",
           QString::fromLatin1(file.toHex(' ')) + QStringLiteral("\nsaved as\n") +
               QString::fromLatin1(saved.toHex(' ')));
    return 0;
}
