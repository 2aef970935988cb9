#pragma once

// JPEG decoding straight through libjpeg-turbo, for the image viewer.
//
// A big photograph is decoded in horizontal bands on several threads: each
// thread skips to its band (libjpeg-turbo then only reads the compressed data
// of the rows above, without the costly transform and colour steps) and
// decodes its rows into its own part of the picture. Progressive files are
// decoded whole by one thread. Pictures come out as QImage::Format_RGB888.

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <optional>

namespace jpeg {

struct Header
{
    int width = 0;
    int height = 0;
    // False for colour spaces the direct path does not convert (CMYK);
    // those go through Qt's reader.
    bool directlyDecodable = false;
};

// Reads the header of a JPEG file held in memory; nullopt when it is not one.
std::optional<Header> readHeader(const QByteArray& file);

// Decodes the whole picture with up to `threads` threads; a null image when
// the data is damaged beyond reading.
QImage decode(const QByteArray& file, int threads);

// Decodes only `region` (its left edge is rounded down to the file's block
// grid internally; the result is exactly the region).
QImage decodeRegion(const QByteArray& file, const QRect& region);

} // namespace jpeg
