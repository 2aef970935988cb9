// The metafile helper's structure checks, which stand between a metafile and
// the drawing libraries that trust its sizes and counts.
//
// Input: one byte choosing a Windows (even) or enhanced (odd) metafile, then
// the file's bytes. A file the checks pass comes out as the same bytes up to
// its end record, changed only in the header's totals; checking that again
// passes it unchanged; its stated size is never negative.
//
// The drawing libraries themselves (libwmf, libemf2svg) are not fuzzed here:
// they run in the helper process under memory, time and output limits, where
// a fault ends only that process.

#include "metafile_helper/metafile_check.h"
#include "tests/fuzz/fuzz_check.h"

#include <set>

using fuzzcheck::expect;

namespace {

using Check = std::optional<metafile::CheckedFile> (*)(std::vector<unsigned char>);

// The bytes each check may rewrite: the header's totals.
std::set<std::size_t> totals(bool enhanced, const std::vector<unsigned char>& bytes)
{
    std::set<std::size_t> at;
    if (enhanced) {
        for (std::size_t i = 48; i < 56; ++i)
            at.insert(i);
        return at;
    }
    const bool placeable =
        bytes.size() >= 22 && bytes[0] == 0xD7 && bytes[1] == 0xCD && bytes[2] == 0xC6 && bytes[3] == 0x9A;
    const std::size_t header = placeable ? 22 : 0;
    for (std::size_t i = 0; i < 4; ++i) {
        at.insert(header + 6 + i);
        at.insert(header + 12 + i);
    }
    return at;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool enhanced = data[0] & 1;
    const Check check = enhanced ? metafile::checkEnhancedMetafile : metafile::checkWindowsMetafile;
    const std::vector<unsigned char> input(data + 1, data + size);
    const std::optional<metafile::CheckedFile> checked = check(input);
    if (!checked)
        return 0;

    const std::vector<unsigned char>& out = checked->bytes;
    expect(out.size() <= input.size(), "a checked file is never longer than the file");
    const std::set<std::size_t> rewritten = totals(enhanced, input);
    for (std::size_t i = 0; i < out.size(); ++i)
        expect(out[i] == input[i] || rewritten.count(i) != 0,
               "a checked file changes only the header's totals", QString::number(i));
    if (checked->statedSize)
        expect(checked->statedSize->width >= 0 && checked->statedSize->height >= 0,
               "a stated size is never negative");

    const std::optional<metafile::CheckedFile> again = check(out);
    expect(again && again->bytes == out, "a checked file passes the check again unchanged");
    expect(again->statedSize.has_value() == checked->statedSize.has_value() &&
               (!again->statedSize || (again->statedSize->width == checked->statedSize->width &&
                                       again->statedSize->height == checked->statedSize->height)),
           "a checked file states the same size again");
    return 0;
}
