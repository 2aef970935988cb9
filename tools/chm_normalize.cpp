// Copies a freshly compiled help file, clearing the two compile-time stamps
// so that two builds of the same sources give byte-identical files:
//   - the stamp in the ITSF file header (bytes 0x10 to 0x13);
//   - the time-stamp record (code 10) of the uncompressed /#SYSTEM object.
// Usage: chm_normalize <input.chm> <output.chm>

#include <chm_lib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHeaderStampOffset = 0x10;
constexpr std::size_t kHeaderStampSize = 4;
constexpr std::uint16_t kSystemTimeStampCode = 10;

std::uint64_t readLe(const std::vector<unsigned char>& bytes, std::size_t at, int size)
{
    std::uint64_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | bytes.at(at + i);
    return value;
}

// Where the uncompressed content section starts: stored in a version 3
// header, or right after the directory in a version 2 one.
std::uint64_t contentSectionOffset(const std::vector<unsigned char>& bytes)
{
    const auto version = readLe(bytes, 4, 4);
    if (version >= 3)
        return readLe(bytes, 0x58, 8);
    return readLe(bytes, 0x48, 8) + readLe(bytes, 0x50, 8);
}

bool fail(const std::string& message)
{
    std::fprintf(stderr, "chm_normalize: %s\n", message.c_str());
    return false;
}

bool clearSystemTimeStamp(const char* path, std::vector<unsigned char>& bytes)
{
    chmFile* chm = chm_open(path);
    if (!chm)
        return fail(std::string("cannot read ") + path);
    chmUnitInfo info{};
    const int found = chm_resolve_object(chm, "/#SYSTEM", &info);
    chm_close(chm);
    if (found != CHM_RESOLVE_SUCCESS || info.space != CHM_UNCOMPRESSED)
        return fail("no uncompressed /#SYSTEM object");

    const std::uint64_t begin = contentSectionOffset(bytes) + info.start;
    const std::uint64_t end = begin + info.length;
    if (end > bytes.size() || info.length < 4)
        return fail("/#SYSTEM lies outside the file");
    std::uint64_t at = begin + 4; // after the format version
    while (at + 4 <= end) {
        const auto code = static_cast<std::uint16_t>(readLe(bytes, at, 2));
        const auto size = readLe(bytes, at + 2, 2);
        at += 4;
        if (at + size > end)
            return fail("/#SYSTEM record runs past its object");
        if (code == kSystemTimeStampCode)
            std::fill(bytes.begin() + at, bytes.begin() + at + size, 0);
        at += size;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: chm_normalize <input.chm> <output.chm>\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 0x60 || std::string(bytes.begin(), bytes.begin() + 4) != "ITSF") {
        fail(std::string(argv[1]) + " is not a compiled help file");
        return 1;
    }
    std::fill_n(bytes.begin() + kHeaderStampOffset, kHeaderStampSize, 0);
    if (!clearSystemTimeStamp(argv[1], bytes))
        return 1;

    // Written beside the target and renamed, so a failed run never leaves a
    // half-written help file that looks up to date.
    const std::filesystem::path target(argv[2]);
    std::filesystem::path partial = target;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            fail("cannot write " + partial.string());
            return 1;
        }
    }
    std::filesystem::rename(partial, target);
    return 0;
}
