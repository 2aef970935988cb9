#pragma once

// Damaged copies of the built help file, made inside a test: one byte changed
// in the file header, in the directory or in the compressed content, the file
// cut short, or emptied. Where the directory and the compressed content lie is
// read from the intact file with chmlib, apart from the program's own reader.

#include <chm_lib.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <optional>

namespace help_test {

enum class Damage
{
    HeaderByte,
    DirectoryByte,
    CompressedByte,
    Truncated,
    Empty,
};

inline std::optional<QByteArray> damagedCopy(const QString& intactFile, Damage damage)
{
    QFile file(intactFile);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    const auto flip = [&](qsizetype at) {
        if (at >= 0 && at < bytes.size())
            bytes[at] = char(bytes[at] ^ 0x01);
    };
    // File header: the language field, which nothing needs to read a page.
    constexpr qsizetype kHeaderLanguage = 0x14;
    // Directory: the first entry's name, past the directory and listing headers.
    constexpr qsizetype kDirectoryOffsetField = 0x48;
    constexpr qsizetype kDirectoryHeaderSize = 0x54;
    constexpr qsizetype kListingHeaderSize = 0x14;
    constexpr qsizetype kContentOffsetField = 0x58;
    switch (damage) {
    case Damage::HeaderByte:
        flip(kHeaderLanguage);
        break;
    case Damage::DirectoryByte:
        flip(qFromLittleEndian<qint64>(bytes.constData() + kDirectoryOffsetField) + kDirectoryHeaderSize +
             kListingHeaderSize + 2);
        break;
    case Damage::CompressedByte: {
        chmFile* chm = chm_open(QFile::encodeName(intactFile).constData());
        chmUnitInfo content{};
        const bool found = chm && chm_resolve_object(chm, "::DataSpace/Storage/MSCompressed/Content",
                                                     &content) == CHM_RESOLVE_SUCCESS;
        if (chm)
            chm_close(chm);
        if (!found)
            return std::nullopt;
        flip(qFromLittleEndian<qint64>(bytes.constData() + kContentOffsetField) + qint64(content.start) +
             qint64(content.length / 2));
        break;
    }
    case Damage::Truncated:
        bytes.chop(bytes.size() / 3);
        break;
    case Damage::Empty:
        bytes.clear();
        break;
    }
    return bytes;
}

} // namespace help_test
