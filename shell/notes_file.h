#pragma once

// Notes files: plain text, each line followed by CR LF.
//
// Reading accepts CR LF, CR or LF as a line end; a line end at the very end of
// the file does not start another line. The editor's text joins the lines
// with '\n'. A file is read as UTF-8 when its bytes are valid UTF-8 (a leading
// byte-order mark is kept and written back), otherwise as Windows-1252, the
// 8-bit code page such files were written in. Every byte of Windows-1252,
// including the five it leaves unassigned, maps to one character and back, so
// a file opened and saved unchanged keeps every byte apart from its line ends.

#include <QByteArray>
#include <QString>

namespace notes {

enum class Encoding
{
    Utf8,
    Utf8WithBom,
    Windows1252
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
