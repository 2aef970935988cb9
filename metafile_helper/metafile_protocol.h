#pragma once

// What the program and its metafile drawing helper say to each other.
//
// The helper (ohmbrook-metafile-helper wmf|emf) reads one metafile on its
// standard input, at most kMaxInputBytes, and writes the drawn picture on its
// standard output: the eight bytes of kPictureMagic, the width and the height
// as 32-bit little-endian numbers, then height rows of width pixels, each a
// 32-bit premultiplied ARGB value in the machine's byte order. Its exit status
// says what went wrong when nothing is written.

#include <cstdint>

namespace metafile {

inline constexpr char kPictureMagic[8] = {'O', 'h', 'm', 'P', 'i', 'c', 't', '1'};
inline constexpr std::int64_t kHeaderBytes = 16;

inline constexpr std::int64_t kMaxInputBytes = 64 * 1024 * 1024;
// The drawn picture: each side at most kMaxSide, and at most kMaxPixels in
// all (200 MB of pixels).
inline constexpr std::int64_t kMaxSide = 32767;
inline constexpr std::int64_t kMaxPixels = 50'000'000;
// More records than any real drawing holds; a file claiming more is refused
// before the drawing library sees it.
inline constexpr std::int64_t kMaxRecords = 1'000'000;

enum ExitStatus : int
{
    kDrawn = 0,
    kUsage = 1,
    kMalformed = 2,
    kTooLarge = 3,
    kNotDrawn = 4,
    // The helper could not shut itself off from the user's files and the
    // system (see confinement.h), so it drew nothing.
    kUnconfined = 5,
};

inline constexpr std::int64_t maxOutputBytes()
{
    return kHeaderBytes + kMaxPixels * 4;
}

} // namespace metafile
