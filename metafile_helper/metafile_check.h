#pragma once

// Structure checks run on a metafile before the drawing library reads it.
//
// The libraries that draw metafiles trust the sizes and counts written in
// the file. These checks walk the records with every size bounded by the
// bytes actually present, refuse a file whose records run past its end, that
// has no end record or too many records, and rewrite the header's totals
// (the file size, the largest record, the record count) from what was found,
// so the library never sizes a buffer from a claimed number. The bytes after
// the end record are cut off.

#include <cstdint>
#include <optional>
#include <vector>

namespace metafile {

struct PictureSize
{
    std::int64_t width = 0; // pixels at 96 per inch
    std::int64_t height = 0;
};

struct CheckedFile
{
    std::vector<unsigned char> bytes;
    // The size the file states for itself: the placeable header of a Windows
    // metafile (absent in plain ones, whose size comes from their drawing),
    // the frame of an enhanced metafile.
    std::optional<PictureSize> statedSize;
};

// Windows metafile (WMF), with or without the 22-byte placeable header.
std::optional<CheckedFile> checkWindowsMetafile(std::vector<unsigned char> bytes);
// Enhanced metafile (EMF).
std::optional<CheckedFile> checkEnhancedMetafile(std::vector<unsigned char> bytes);

} // namespace metafile
