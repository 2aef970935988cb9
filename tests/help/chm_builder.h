#pragma once

// Builds small help-file containers byte by byte, so the reader's bounds can
// be tried on exactly the damage a test names: a version 3 file header, a
// directory of one listing chunk holding the given entries, and the given
// bytes as the uncompressed content section. Nothing is compressed.

#include <QByteArray>
#include <QtEndian>

namespace help_test {

// Offsets of the fields that tests damage.
inline constexpr qsizetype kDirectoryOffset = 0x60;
inline constexpr qsizetype kDirectoryLengthField = 0x50;
inline constexpr qsizetype kChunkSizeField = kDirectoryOffset + 0x10;
inline constexpr qsizetype kChunkOffset = kDirectoryOffset + 0x54;
inline constexpr qsizetype kFreeSpaceField = kChunkOffset + 0x04;
inline constexpr qsizetype kNextChunkField = kChunkOffset + 0x10;
inline constexpr qsizetype kChunkSize = 0x200;

inline void putLittleEndian(QByteArray& bytes, qsizetype at, quint64 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

// Seven bits a byte, most significant first, the high bit on all but the last.
inline QByteArray encodedNumber(quint64 value)
{
    QByteArray bytes(1, char(value & 0x7F));
    while (value >>= 7)
        bytes.prepend(char(0x80 | (value & 0x7F)));
    return bytes;
}

inline QByteArray directoryEntry(const QByteArray& name, quint64 section, quint64 start, quint64 length)
{
    return encodedNumber(quint64(name.size())) + name + encodedNumber(section) + encodedNumber(start) +
           encodedNumber(length);
}

inline QByteArray buildContainer(const QByteArray& entries, const QByteArray& content)
{
    const qsizetype dataOffset = kChunkOffset + kChunkSize;
    QByteArray bytes(dataOffset, '\0');
    bytes.replace(0, 4, "ITSF");
    putLittleEndian(bytes, 0x04, 3, 4);    // version
    putLittleEndian(bytes, 0x08, 0x60, 4); // header size
    putLittleEndian(bytes, 0x0C, 1, 4);
    putLittleEndian(bytes, 0x48, kDirectoryOffset, 8);
    putLittleEndian(bytes, kDirectoryLengthField, 0x54 + kChunkSize, 8);
    putLittleEndian(bytes, 0x58, dataOffset, 8);

    bytes.replace(kDirectoryOffset, 4, "ITSP");
    putLittleEndian(bytes, kDirectoryOffset + 0x04, 1, 4);    // version
    putLittleEndian(bytes, kDirectoryOffset + 0x08, 0x54, 4); // header size
    putLittleEndian(bytes, kChunkSizeField, kChunkSize, 4);
    putLittleEndian(bytes, kDirectoryOffset + 0x18, 1, 4);           // index depth
    putLittleEndian(bytes, kDirectoryOffset + 0x1C, quint32(-1), 4); // no index chunk
    putLittleEndian(bytes, kDirectoryOffset + 0x20, 0, 4);           // first listing chunk

    bytes.replace(kChunkOffset, 4, "PMGL");
    putLittleEndian(bytes, kFreeSpaceField, quint64(kChunkSize - 0x14 - entries.size()), 4);
    putLittleEndian(bytes, kChunkOffset + 0x0C, quint32(-1), 4); // previous
    putLittleEndian(bytes, kNextChunkField, quint32(-1), 4);
    bytes.replace(kChunkOffset + 0x14, entries.size(), entries);
    return bytes + content;
}

} // namespace help_test
