#pragma once

// Capacitor colour codes, five bands: two significant digits, a multiplier,
// a tolerance and a rating. The rating is a working voltage on general
// (tubular) capacitors and a temperature coefficient on ceramic ones, and
// some multiplier and tolerance colours mean something else on a ceramic
// capacitor. Values are in picofarads.
//
// Each band is matched by its handler's table, exactly and case-sensitively;
// the table, not the list on the panel, decides what is accepted, so a colour
// typed into a list is applied whenever its band knows it. The swatch colours
// are the resistor bands' colours.

#include "maths/band_colours.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace colour_codes {

using band_colours::Rgb;

enum class CapacitorType
{
    General,
    Ceramic,
};

struct NamedColour
{
    std::string_view item;
    Rgb colour;
};
// Every colour a band can show.
inline constexpr std::array<NamedColour, 13> kSwatchColours{{
    {"Black", band_colours::kBlack},
    {"Brown", band_colours::kBrown},
    {"Red", band_colours::kRed},
    {"Orange", band_colours::kOrange},
    {"Yellow", band_colours::kYellow},
    {"Green", band_colours::kGreen},
    {"Blue", band_colours::kBlue},
    {"Violet", band_colours::kViolet},
    {"Grey", band_colours::kGrey},
    {"White", band_colours::kWhite},
    {"Gold", band_colours::kGold},
    {"Silver", band_colours::kSilver},
    {"No band", band_colours::kNoBand},
}};
std::optional<Rgb> swatchColour(std::string_view name);

// Bands 1 and 2: "Black" to "White" are the digits 0 to 9.
std::optional<int> digitOf(std::string_view colour);

struct MultiplierColour
{
    std::string_view item;
    double general;
    double ceramic;
};
// Band 3. On a ceramic capacitor grey and white divide rather than multiply.
inline constexpr std::array<MultiplierColour, 12> kMultiplierColours{{
    {"Black", 1, 1},
    {"Brown", 10, 10},
    {"Red", 100, 100},
    {"Orange", 1000, 1000},
    {"Yellow", 10000, 10000},
    {"Green", 100000, 100000},
    {"Blue", 1000000, 1000000},
    {"Violet", 10000000, 10000000},
    {"Grey", 100000000, 0.01},
    {"White", 1000000000, 0.1},
    {"Gold", 0.1, 0.1},
    {"Silver", 0.01, 0.01},
}};
std::optional<double> multiplierOf(std::string_view colour, CapacitorType type);

// Band 4 only records which colour it is; the tolerance is worked out from
// the colour when the value is shown. "Gold" is not a tolerance colour.
inline constexpr std::array<std::string_view, 12> kToleranceColours{"Black",  "Brown", "Red",    "Orange",
                                                                    "Yellow", "Green", "Blue",   "Violet",
                                                                    "Grey",   "White", "Silver", "No band"};
bool isToleranceColour(std::string_view colour);

struct RatingColour
{
    std::string_view item;
    std::string_view general; // volts
    std::string_view ceramic; // temperature coefficient
};
// Band 5.
inline constexpr std::array<RatingColour, 12> kRatingColours{{
    {"Black", "", "0"},
    {"Brown", "100", "-30"},
    {"Red", "200", "-80"},
    {"Orange", "300", "-150"},
    {"Yellow", "400", "-220"},
    {"Green", "500", "-330"},
    {"Blue", "600", "-470"},
    {"Violet", "700", "-750"},
    {"Grey", "800", "+30"},
    {"White", "900", "+500 to -330"},
    {"Gold", "1000", "+100"},
    {"Silver", "2000", ""},
}};
std::optional<std::string_view> ratingOf(std::string_view colour, CapacitorType type);

// What the lists offer. Lists 1 and 2 are the same for both types; lists 3 to
// 5 are refilled when the type changes.
inline constexpr std::array<std::string_view, 10> kDigitItems{"Black", "Brown", "Red",    "Orange", "Yellow",
                                                              "Green", "Blue",  "Violet", "Grey",   "White"};
struct BandItems
{
    std::span<const std::string_view> multiplier;
    std::span<const std::string_view> tolerance;
    std::span<const std::string_view> rating;
};
BandItems bandItems(CapacitorType type);

// The colours selected, by position in each list, when the type is chosen:
// Blue, Yellow, Orange, then Green and Red (general) or Grey and Brown
// (ceramic).
inline constexpr std::array<int, 5> kDefaultItems{6, 4, 3, 4, 1};

struct ColourCodeValue
{
    double picofarads;
    std::string toleranceText; // empty when the colour gives no tolerance
    double toleranceAmount;    // in pF
};
// The value of the two digits and the multiplier, with the tolerance that
// band 4's colour gives for this type and value.
ColourCodeValue compose(int digit1, int digit2, double multiplier, std::string_view toleranceColour,
                        CapacitorType type);

} // namespace colour_codes
