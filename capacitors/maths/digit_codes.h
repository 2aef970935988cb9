#pragma once

// Printed capacitor codes such as "104k": two significant digits, a third
// digit that selects a multiplier, and a tolerance letter. Values are in
// picofarads.
//
// Each character is matched against its table exactly and case-sensitively
// ("k" is not "K"). The third digit has no "6" or "7"; a text outside the
// table gives the multiplier 0, so the value shows as 0 pF.

#include <array>
#include <string>
#include <string_view>

namespace digit_codes {

// The items of the four lists, in list order.
inline constexpr std::array<std::string_view, 10> kDigitItems{"0", "1", "2", "3", "4",
                                                              "5", "6", "7", "8", "9"};
inline constexpr std::array<std::string_view, 9> kMultiplierItems{"0", "1", "2", "3",   "4",
                                                                  "5", "8", "9", "None"};
inline constexpr std::array<std::string_view, 10> kToleranceItems{"D", "F", "G", "H", "J",
                                                                  "K", "M", "P", "Z", "None"};

struct MultiplierCode
{
    std::string_view item;
    double multiplier;
};
inline constexpr std::array<MultiplierCode, 9> kMultiplierCodes{{
    {"0", 1},
    {"1", 10},
    {"2", 100},
    {"3", 1000},
    {"4", 10000},
    {"5", 100000},
    {"8", 0.01},
    {"9", 0.1},
    {"None", 1}, // a two-digit code
}};

enum class ToleranceKind
{
    HalfPicofarad, // an absolute +/- 0.5 pF, whatever the value
    Symmetric,     // +/- percent
    PlusOnly,      // + percent, -0 %
    PlusMinus,     // + percent, - lowerPercent
    NoneGiven,
};
struct ToleranceCode
{
    std::string_view item;
    ToleranceKind kind;
    int percent;
    int lowerPercent;
};
inline constexpr std::array<ToleranceCode, 10> kToleranceCodes{{
    {"D", ToleranceKind::HalfPicofarad, 0, 0},
    {"F", ToleranceKind::Symmetric, 1, 0},
    {"G", ToleranceKind::Symmetric, 2, 0},
    {"H", ToleranceKind::Symmetric, 3, 0},
    {"J", ToleranceKind::Symmetric, 5, 0},
    {"K", ToleranceKind::Symmetric, 10, 0},
    {"M", ToleranceKind::Symmetric, 20, 0},
    {"P", ToleranceKind::PlusOnly, 100, 0},
    {"Z", ToleranceKind::PlusMinus, 80, 20},
    {"None", ToleranceKind::NoneGiven, 0, 0},
}};

// The third digit's multiplier; 0 for a text not in the table.
double multiplierOf(std::string_view third);

struct Tolerance
{
    std::string text; // as shown, e.g. "+/- 10% (10000 pF)"; empty for an unknown letter
    double amount;    // in pF; for P and Z the upper deviation
};
Tolerance toleranceOf(std::string_view letter, double picofarads);

struct DigitCodeValue
{
    double picofarads;
    Tolerance tolerance;
};
// The four list texts: first and second digit, third digit, letter.
DigitCodeValue decode(std::string_view first, std::string_view second, std::string_view third,
                      std::string_view letter);

} // namespace digit_codes
