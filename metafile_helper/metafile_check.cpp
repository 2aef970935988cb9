#include "metafile_helper/metafile_check.h"

#include "metafile_helper/metafile_protocol.h"

#include <algorithm>
#include <cstdlib>

namespace metafile {

namespace {

std::uint32_t u16(const std::vector<unsigned char>& b, std::size_t at)
{
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8;
}

std::uint32_t u32(const std::vector<unsigned char>& b, std::size_t at)
{
    return u16(b, at) | u16(b, at + 2) << 16;
}

std::int64_t i16(const std::vector<unsigned char>& b, std::size_t at)
{
    return std::int16_t(u16(b, at));
}

std::int64_t i32(const std::vector<unsigned char>& b, std::size_t at)
{
    return std::int32_t(u32(b, at));
}

void put32(std::vector<unsigned char>& b, std::size_t at, std::uint64_t value)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

// Rounds a length in some unit to pixels at 96 per inch.
std::int64_t toPixels(std::int64_t length, std::int64_t unitsPerInch)
{
    return (std::llabs(length) * 96 + unitsPerInch / 2) / unitsPerInch;
}

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableBytes = 22;
constexpr std::size_t kWmfHeaderBytes = 18;
constexpr std::uint32_t kWmfEndFunction = 0x0000;

constexpr std::uint32_t kEmfHeaderType = 1;
constexpr std::uint32_t kEmfEndType = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::size_t kEmfHeaderBytes = 88;
constexpr std::int64_t kHundredthsOfMmPerInch = 2540;

} // namespace

std::optional<CheckedFile> checkWindowsMetafile(std::vector<unsigned char> bytes)
{
    CheckedFile checked;
    std::size_t header = 0;
    if (bytes.size() >= kPlaceableBytes && u32(bytes, 0) == kPlaceableKey) {
        const std::int64_t unitsPerInch = u16(bytes, 14);
        if (unitsPerInch == 0)
            return std::nullopt;
        checked.statedSize = PictureSize{toPixels(i16(bytes, 10) - i16(bytes, 6), unitsPerInch),
                                         toPixels(i16(bytes, 12) - i16(bytes, 8), unitsPerInch)};
        header = kPlaceableBytes;
    }
    if (bytes.size() < header + kWmfHeaderBytes)
        return std::nullopt;
    const std::uint32_t type = u16(bytes, header);
    if ((type != 1 && type != 2) || u16(bytes, header + 2) != kWmfHeaderBytes / 2)
        return std::nullopt;

    std::size_t at = header + kWmfHeaderBytes;
    std::uint64_t largestRecordWords = 0;
    for (std::int64_t records = 0;; ++records) {
        if (records >= kMaxRecords || bytes.size() - at < 6)
            return std::nullopt;
        const std::uint64_t words = u32(bytes, at);
        if (words < 3 || words > (bytes.size() - at) / 2)
            return std::nullopt;
        largestRecordWords = std::max(largestRecordWords, words);
        const std::uint32_t function = u16(bytes, at + 4);
        at += words * 2;
        if (function == kWmfEndFunction)
            break;
    }
    bytes.resize(at);
    put32(bytes, header + 6, (at - header) / 2);
    put32(bytes, header + 12, largestRecordWords);
    checked.bytes = std::move(bytes);
    return checked;
}

std::optional<CheckedFile> checkEnhancedMetafile(std::vector<unsigned char> bytes)
{
    if (bytes.size() < kEmfHeaderBytes || u32(bytes, 0) != kEmfHeaderType || u32(bytes, 40) != kEmfSignature)
        return std::nullopt;
    CheckedFile checked;
    // The frame is in hundredths of a millimetre, inclusive; the bounds, the
    // fallback, in device pixels.
    std::int64_t width = toPixels(i32(bytes, 32) - i32(bytes, 24), kHundredthsOfMmPerInch);
    std::int64_t height = toPixels(i32(bytes, 36) - i32(bytes, 28), kHundredthsOfMmPerInch);
    if (width <= 0 || height <= 0) {
        width = std::llabs(i32(bytes, 16) - i32(bytes, 8)) + 1;
        height = std::llabs(i32(bytes, 20) - i32(bytes, 12)) + 1;
    }
    checked.statedSize = PictureSize{width, height};

    std::size_t at = 0;
    std::int64_t records = 0;
    for (;; ++records) {
        if (records >= kMaxRecords || bytes.size() - at < 8)
            return std::nullopt;
        const std::uint32_t type = u32(bytes, at);
        const std::uint64_t size = u32(bytes, at + 4);
        if (size < 8 || size % 4 != 0 || size > bytes.size() - at)
            return std::nullopt;
        if (at == 0 && size < kEmfHeaderBytes)
            return std::nullopt;
        at += size;
        if (type == kEmfEndType)
            break;
    }
    bytes.resize(at);
    put32(bytes, 48, at);
    put32(bytes, 52, records + 1);
    checked.bytes = std::move(bytes);
    return checked;
}

} // namespace metafile
