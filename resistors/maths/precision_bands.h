#pragma once

// Precision resistors (1 % metal film and better): three digit bands, a
// multiplier and a tolerance, read the same way as the two-digit marking but
// with one more significant digit. The digit and tolerance bands are the
// two-digit marking's own lists; the multiplier list reaches further, from
// Silver (/ 100) to White (x 1000000000), and spells its grey "Grey".

#include "resistors/maths/colour_bands.h"

#include <array>
#include <optional>
#include <string_view>

namespace precision_bands {

struct MultiplierBand
{
    std::string_view item;
    int exponent; // the multiplier is 10^exponent
    std::string_view text;
    colour_bands::Rgb colour;
};
// Band 4.
inline constexpr std::array<MultiplierBand, 12> kMultiplierBands{{
    {"Silver", -2, "/ 100", colour_bands::kSilver},
    {"Gold", -1, "/ 10", colour_bands::kGold},
    {"Black", 0, "x 1", colour_bands::kBlack},
    {"Brown", 1, "x 10", colour_bands::kBrown},
    {"Red", 2, "x 100", colour_bands::kRed},
    {"Orange", 3, "x 1000", colour_bands::kOrange},
    {"Yellow", 4, "x 10000", colour_bands::kYellow},
    {"Green", 5, "x 100000", colour_bands::kGreen},
    {"Blue", 6, "x 1000000", colour_bands::kBlue},
    {"Violet", 7, "x 10000000", colour_bands::kViolet},
    {"Grey", 8, "x 100000000", colour_bands::kGrey},
    {"White", 9, "x 1000000000", colour_bands::kWhite},
}};

// The value the bands stand for: (100 x digit1 + 10 x digit2 + digit3) x
// 10^exponent, scaled exactly (499 / 100 is the double nearest 4.99); the
// other units and the tolerance in ohms as for two digits.
colour_bands::BandValue compose(int digit1, int digit2, int digit3, int exponent, double tolerancePercent);

// The bands of the three-digit value nearest to `ohms`: the value rounded to
// three significant digits from the double itself (4996 gives 500 x 10,
// 12345 gives 123 x 100), the same in every locale. Empty when the rounded
// value is beyond the bands, below 1 ohm (100 x Silver) or from 1000
// gigaohms (1000 x White) up, and for a negative or non-finite value.
struct Bands
{
    int digit1;
    int digit2;
    int digit3;
    int multiplierIndex; // into kMultiplierBands
};
std::optional<Bands> nearestBands(double ohms);

} // namespace precision_bands
