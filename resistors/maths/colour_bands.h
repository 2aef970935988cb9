#pragma once

// Resistor colour bands: band 1 and band 2 are two significant digits, band 3
// the multiplier, band 4 the tolerance, band 5 the temperature coefficient.
// There is no third digit band, so every value has two significant digits.
//
// Each band list is matched by its item text exactly and case-sensitively
// ("brown" matches nothing). Band 3 spells its grey entry "Gray", the other
// bands "Grey".

#include "maths/band_colours.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace colour_bands {

// The swatch colours, shared with the capacitor colour codes.
using namespace band_colours;

struct DigitBand
{
    std::string_view item;
    int digit;
    Rgb colour;
};
// Bands 1 and 2; position = digit.
inline constexpr std::array<DigitBand, 10> kDigitBands{{
    {"Black", 0, kBlack},
    {"Brown", 1, kBrown},
    {"Red", 2, kRed},
    {"Orange", 3, kOrange},
    {"Yellow", 4, kYellow},
    {"Green", 5, kGreen},
    {"Blue", 6, kBlue},
    {"Violet", 7, kViolet},
    {"Grey", 8, kGrey},
    {"White", 9, kWhite},
}};

struct MultiplierBand
{
    std::string_view item;
    double multiplier;
    std::string_view text;
    Rgb colour;
};
// Band 3. There is no silver (0.01) or white multiplier.
inline constexpr std::array<MultiplierBand, 10> kMultiplierBands{{
    {"Gold", 0.1, "/ 10", kGold},
    {"Black", 1, "x 1", kBlack},
    {"Brown", 10, "x 10", kBrown},
    {"Red", 100, "x 100", kRed},
    {"Orange", 1000, "x 1000", kOrange},
    {"Yellow", 10000, "x 10000", kYellow},
    {"Green", 100000, "x 100000", kGreen},
    {"Blue", 1000000, "x 1000000", kBlue},
    {"Violet", 10000000, "x 10000000", kViolet},
    {"Gray", 100000000, "x 100000000", kGrey},
}};

struct ToleranceBand
{
    std::string_view item;
    double percent;
    std::string_view text;
    Rgb colour;
    int picture; // index into the tolerance pictures; -1: no picture (no band)
};
// Band 4.
inline constexpr std::array<ToleranceBand, 8> kToleranceBands{{
    {"Violet", 0.1, "0.1 %", kViolet, 0},
    {"Blue", 0.25, "0.25 %", kBlue, 1},
    {"Green", 0.5, "0.5 %", kGreen, 2},
    {"Brown", 1, "1 %", kBrown, 3},
    {"Red", 2, "2 %", kRed, 4},
    {"Gold", 5, "5 %", kGold, 5},
    {"Silver", 10, "10 %", kSilver, 6},
    {"No band", 20, "20 %", kNoBand, -1},
}};
inline constexpr int kNoToleranceBandIndex = 7;

struct TempCoeffBand
{
    std::string_view item;
    std::string_view text;
    Rgb colour;
};
// Band 5.
inline constexpr std::array<TempCoeffBand, 9> kTempCoeffBands{{
    {"Grey", "1 ppm/degrees C", kGrey},
    {"Violet", "5 ppm/degrees C", kViolet},
    {"Blue", "10 ppm/degrees C", kBlue},
    {"Orange", "15 ppm/degrees C", kOrange},
    {"Yellow", "25 ppm/degrees C", kYellow},
    {"Red", "50 ppm/degrees C", kRed},
    {"Brown", "100 ppm/degrees C", kBrown},
    {"Black", "200 ppm/degrees C", kBlack},
    {"No band", "", kNoBand},
}};
inline constexpr int kNoTempCoeffBandIndex = 8;

// Index of the entry whose item equals text exactly, or empty.
template <typename Table> std::optional<int> match(const Table& table, std::string_view text)
{
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].item == text)
            return int(i);
    }
    return std::nullopt;
}

struct BandValue
{
    double ohms;
    double kiloOhms;
    double megaOhms;
    double toleranceOhms;
};

// The value the bands stand for: the two digits written one after the other
// and read back as a number (so 0 then 5 is 5), times the multiplier; the
// tolerance in ohms is percent x (ohms x 0.01).
BandValue compose(int digit1, int digit2, double multiplier, double tolerancePercent);

// The nearest bands for a value in ohms, as far as two digits and the band-3
// list reach. The value is written with six decimals and a point in every
// locale ("%f" in the C locale: 4700 gives
// "4700.000000"); the first two digit characters (skipping the point) are the
// digits, cut off rather than rounded, and the count of characters before the
// point picks the multiplier: one selects "Gold" (/ 10), two "Black" (x 1), up
// to nine for "Violet". A character that is not a digit, or a count outside
// 1..9, leaves that band as it is (empty here).
struct NearestBands
{
    std::optional<int> digit1;
    std::optional<int> digit2;
    std::optional<int> multiplierIndex;
};
NearestBands nearestBands(double ohms);

} // namespace colour_bands
