#pragma once

// Notes files: plain text, each line followed by CR LF.
//
// Reading accepts CR LF, CR or LF as a line end; a line end at the very end of
// the file does not start another line. The editor's text joins the lines
// with '\n'. A file that starts with a UTF-16 byte order mark (either byte
// order) is read as UTF-16 and written back so, mark included; otherwise it
// is read as UTF-8 when its bytes are valid UTF-8 (a leading byte-order mark
// is kept and written back), and as Windows-1252, the 8-bit code page such
// files were written in, when they are not. Every byte of Windows-1252,
// including the five it leaves unassigned, maps to one character and back,
// and UTF-16 is kept code unit by code unit, lone surrogates included, so a
// file opened and saved unchanged keeps every byte apart from its line ends,
// unless it holds characters the editor cannot keep (see unkeptCharacters).

#include <QByteArray>
#include <QString>

namespace notes {

enum class Encoding
{
    Utf8,
    Utf8WithBom,
    Windows1252,
    Utf16LE, // with its byte order mark
    Utf16BE  // with its byte order mark
};

struct DecodedNotes
{
    QString text; // lines joined by '\n'
    Encoding encoding = Encoding::Utf8;
};

// Notes files bigger than this are refused before anything is read into
// memory; the editor needs several times the file's size.
inline constexpr qint64 kMaxNotesFileBytes = 128 * 1024 * 1024;

DecodedNotes decodeNotes(const QByteArray& bytes);

// How many characters of a decoded text the editor cannot hold as they are:
// it takes a paragraph separator (U+2029) and the two characters it uses to
// mark frames (U+FDD0, U+FDD1) as line breaks, and saves them so.
qsizetype unkeptCharacters(const QString& text);

// Encodes the editor's text ('\n' between lines) with CR LF after each line;
// an empty text is an empty file. A Windows-1252 file that now holds a
// character the code page lacks is written as UTF-8 instead, so nothing typed
// is lost; `encoding` is updated to what was written.
QByteArray encodeNotes(const QString& text, Encoding& encoding);

// Reads a whole notes file. Throws std::runtime_error with a message for the
// user when the file cannot be read or is too big.
DecodedNotes readNotesFile(const QString& path);

// Replaces the file's content in one step: the old file stays whole until the
// new content is completely on disk. Throws std::runtime_error on failure.
void writeNotesFile(const QString& path, const QByteArray& bytes);

} // namespace notes
