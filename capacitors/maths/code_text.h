#pragma once

// The texts of the capacitor code panels, written the way the C library's
// printf writes them, but always with "." as the decimal point whatever the
// process's locale says: "%g" (six significant digits, exponent form such as
// 7.92e+06 for large or small numbers) and "%d".
//
// The two digits of a code are joined as text ("%d%d") and read back as an
// integer, so a typed "12" followed by "0" is 120 rather than 12 x 10 + 0.

#include <string>
#include <string_view>

namespace code_text {

// printf's "%g" in the "C" locale.
std::string formatG(double value);

// The leading integer of a text, as the C library's text-to-long reads it:
// leading blanks, an optional sign, then decimal digits, stopping at the
// first other character; no digits gives 0. Clamped to the 32-bit range.
int leadingInteger(std::string_view text);

// "%d%d" of the two integers, read back with leadingInteger.
int joinDigits(int first, int second);

} // namespace code_text
