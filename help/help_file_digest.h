#pragma once

// The size and SHA-256 of the help file built together with this program.
// The build writes the definition from the file it has just compiled, so the
// help reader can tell that file apart from a damaged copy or one of another
// version before it parses anything in it.

#include <cstdint>

namespace help {

struct HelpFileDigest
{
    std::int64_t size = -1;
    const char* sha256 = ""; // 64 lower-case hexadecimal digits
};

HelpFileDigest builtHelpFileDigest();

} // namespace help
