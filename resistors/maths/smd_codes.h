#pragma once

// The codes printed on surface-mount resistors, read both ways. Values are in
// ohms.
//
// Four markings are in use:
// - three digits: two significant digits and the power of ten ("472" is
//   47 x 10^2 = 4700; "000" marks a zero-ohm link);
// - four digits: three significant digits and the power of ten ("4702" is
//   47000);
// - R as the decimal point, for values the digit codes cannot reach ("4R7"
//   is 4.7, "R47" 0.47, "R100" 0.1);
// - EIA-96, on 1 % parts too small for four characters: two digits that
//   number the E96 values from 01 (100) to 96 (976), then a letter for the
//   multiplier ("01C" is 100 x 100, "68X" is 499 x 0.1).
// Makers print the three-digit and four-digit markings with an R for values
// below their first decade ("4R7", "49R9"), so the encoders below do too.

#include <optional>
#include <string>
#include <string_view>

namespace smd_codes {

enum class Scheme
{
    ThreeDigit,
    FourDigit,
    RForPoint,
    Eia96
};

struct Reading
{
    Scheme scheme;
    double ohms;
};

struct Decoded
{
    Reading reading;
    // The reading of another scheme that disagrees: a trailing R after two
    // digits ("10R") is a decimal point (10 ohms) or the EIA-96 multiplier
    // 0.01 (1.24 ohms). The R-for-point reading comes first, as printed
    // parts use it far more often.
    std::optional<Reading> otherReading;
};

// Reads a code; case does not matter and blanks around it are ignored.
// Empty when the code is none of the four markings.
std::optional<Decoded> decode(std::string_view code);

// The E96 value (100 to 976) that an EIA-96 code numbers 1 to 96; 0 outside.
int eia96Value(int number);

// A marking for a value: the code of the value nearest to the one asked for
// that the marking can show, and that value. exact is true when it is the
// value asked for (within a part in 10^9, for values typed in decimal).
struct Encoded
{
    std::string code;
    double ohms = 0;
    bool exact = false;
};

// Empty for a value that is negative or not finite. The three-character
// marking reaches 0.01 to 99 G (R below 10 ohms), the four-character one 0.001
// to 999 G (R below 100 ohms), EIA-96 0.1 ohm ("01Z") to 97.6 M ("96F");
// beyond them the nearest is the end of the range. Zero is the zero-ohm link
// "000" or "0000"; EIA-96 has no code for it.
std::optional<Encoded> encodeThreeDigit(double ohms);
std::optional<Encoded> encodeFourDigit(double ohms);
std::optional<Encoded> encodeEia96(double ohms);

} // namespace smd_codes
