#pragma once

// The settings file's text: the registry export format the settings store
// keeps (settings_store.h), read into sections and lines that remember the
// bytes they came from, and written back the same way.

#include "core/settings_store.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace settings::format {

inline const QString kHeader = QStringLiteral("Windows Registry Editor Version 5.00");

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

// The file's lines in its encoding; empty when the bytes are no text that can
// be written back unharmed (UTF-32, or UTF-16 with an odd number of bytes).
std::optional<FileLines> splitFile(const QByteArray& bytes);
Document parse(const FileLines& file);
QByteArray serialise(const Document& doc);

// A value line's name and data text; false when it is no value line.
bool splitValueLine(const QString& raw, QString& name, QString& data);
// The value a data text holds; missing when it is damaged or deleted ("-").
Value parseData(const QString& dataText);
QString quoted(const QString& text);
// The line that stores a string value.
QString stringLine(const QString& name, const QString& text);

} // namespace settings::format
