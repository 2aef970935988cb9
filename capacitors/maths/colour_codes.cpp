#include "capacitors/maths/colour_codes.h"

#include "capacitors/maths/code_text.h"

#include <algorithm>

namespace colour_codes {

using code_text::formatG;

namespace {

template <typename Table> auto findItem(const Table& table, std::string_view item)
{
    return std::find_if(table.begin(), table.end(), [item](const auto& e) { return e.item == item; });
}

constexpr std::array<std::string_view, 12> kGeneralMultiplierItems{"Black",  "Brown", "Red",  "Orange",
                                                                   "Yellow", "Green", "Blue", "Violet",
                                                                   "Grey",   "White", "Gold", "Silver"};
constexpr std::array<std::string_view, 11> kGeneralToleranceItems{
    "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Grey", "White", "Silver", "No band"};
constexpr std::array<std::string_view, 11> kGeneralRatingItems{
    "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Grey", "White", "Gold", "Silver"};
constexpr std::array<std::string_view, 7> kCeramicMultiplierItems{"Black",  "Brown", "Red",  "Orange",
                                                                  "Yellow", "Grey",  "White"};
constexpr std::array<std::string_view, 6> kCeramicToleranceItems{"Black", "Brown", "Red",
                                                                 "Green", "Grey",  "White"};
constexpr std::array<std::string_view, 11> kCeramicRatingItems{
    "Black", "Brown", "Red", "Orange", "Yellow", "Green", "Blue", "Violet", "Grey", "White", "Gold"};

// A general capacitor's tolerance is a plain percentage for every colour.
struct GeneralTolerance
{
    std::string_view item;
    int percent;
};
constexpr std::array<GeneralTolerance, 11> kGeneralTolerances{{
    {"Brown", 1},
    {"Red", 2},
    {"Orange", 3},
    {"Yellow", 4},
    {"Green", 5},
    {"Blue", 6},
    {"Violet", 7},
    {"Grey", 8},
    {"White", 9},
    {"Silver", 10},
    {"No band", 20},
}};

// A ceramic capacitor's tolerance for values above 10 pF, and the fixed
// amount that some colours stand for at 10 pF and below.
enum class Form
{
    PlusMinusPercent, // "+/- k% (amount pF)"
    Percent,          // "k% (amount pF)"
    Picofarads,       // "amount pF", a fixed amount
};
struct CeramicRule
{
    Form form;
    double figure; // the percentage, or the fixed amount in pF
};
struct CeramicTolerance
{
    std::string_view item;
    CeramicRule above10;
    CeramicRule upTo10;
};
constexpr std::array<CeramicTolerance, 6> kCeramicTolerances{{
    {"Black", {Form::PlusMinusPercent, 20}, {Form::Picofarads, 2}},
    {"Brown", {Form::PlusMinusPercent, 1}, {Form::PlusMinusPercent, 1}},
    {"Red", {Form::PlusMinusPercent, 2}, {Form::PlusMinusPercent, 2}},
    {"Green", {Form::PlusMinusPercent, 5}, {Form::Picofarads, 0.5}},
    {"Grey", {Form::Picofarads, 0.25}, {Form::Picofarads, 0.25}},
    {"White", {Form::Percent, 10}, {Form::Picofarads, 1}},
}};

std::string percentText(int k, double amount)
{
    return std::to_string(k) + "% (" + formatG(amount) + " pF)";
}

} // namespace

std::optional<Rgb> swatchColour(std::string_view name)
{
    const auto it = findItem(kSwatchColours, name);
    return it == kSwatchColours.end() ? std::nullopt : std::optional<Rgb>(it->colour);
}

std::optional<int> digitOf(std::string_view colour)
{
    const auto it = std::find(kDigitItems.begin(), kDigitItems.end(), colour);
    return it == kDigitItems.end() ? std::nullopt : std::optional<int>(int(it - kDigitItems.begin()));
}

std::optional<double> multiplierOf(std::string_view colour, CapacitorType type)
{
    const auto it = findItem(kMultiplierColours, colour);
    if (it == kMultiplierColours.end())
        return std::nullopt;
    return type == CapacitorType::General ? it->general : it->ceramic;
}

bool isToleranceColour(std::string_view colour)
{
    return std::find(kToleranceColours.begin(), kToleranceColours.end(), colour) != kToleranceColours.end();
}

std::optional<std::string_view> ratingOf(std::string_view colour, CapacitorType type)
{
    const auto it = findItem(kRatingColours, colour);
    if (it == kRatingColours.end())
        return std::nullopt;
    return type == CapacitorType::General ? it->general : it->ceramic;
}

BandItems bandItems(CapacitorType type)
{
    if (type == CapacitorType::General)
        return {kGeneralMultiplierItems, kGeneralToleranceItems, kGeneralRatingItems};
    return {kCeramicMultiplierItems, kCeramicToleranceItems, kCeramicRatingItems};
}

ColourCodeValue compose(int digit1, int digit2, double multiplier, std::string_view toleranceColour,
                        CapacitorType type)
{
    const double value = code_text::joinDigits(digit1, digit2) * multiplier;
    ColourCodeValue result{value, std::string(), 0};
    if (type == CapacitorType::General) {
        const auto it = findItem(kGeneralTolerances, toleranceColour);
        if (it != kGeneralTolerances.end()) {
            result.toleranceAmount = 0.01 * value * it->percent;
            result.toleranceText = percentText(it->percent, result.toleranceAmount);
        }
        return result;
    }
    const auto it = findItem(kCeramicTolerances, toleranceColour);
    if (it == kCeramicTolerances.end())
        return result;
    // Exactly 10 pF takes the small-value rule.
    const CeramicRule& rule = value > 10 ? it->above10 : it->upTo10;
    switch (rule.form) {
    case Form::PlusMinusPercent:
        result.toleranceAmount = 0.01 * value * rule.figure;
        result.toleranceText = "+/- " + percentText(int(rule.figure), result.toleranceAmount);
        break;
    case Form::Percent:
        result.toleranceAmount = 0.01 * value * rule.figure;
        result.toleranceText = percentText(int(rule.figure), result.toleranceAmount);
        break;
    case Form::Picofarads:
        result.toleranceAmount = rule.figure;
        result.toleranceText = formatG(rule.figure) + " pF";
        break;
    }
    return result;
}

} // namespace colour_codes
