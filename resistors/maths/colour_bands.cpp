#include "resistors/maths/colour_bands.h"

#include "core/checked_math.h"

#include <charconv>
#include <string>

namespace colour_bands {

BandValue compose(int digit1, int digit2, double multiplier, double tolerancePercent)
{
    using namespace checked;
    const int twoDigits = std::stoi(std::to_string(digit1) + std::to_string(digit2));
    const double ohms = mul(double(twoDigits), multiplier);
    return {ohms, mul(ohms, 0.001), mul(ohms, 0.000001), mul(tolerancePercent, mul(ohms, 0.01))};
}

NearestBands nearestBands(double ohms)
{
    // The "%f" text, written as in the C locale whatever the user's locale
    // is: the digit rule looks for a decimal point, and a "," locale would
    // hide it and leave the multiplier unset. The longest such text of a
    // double is 317 characters (sign, 309 integer digits, point, six decimals).
    char buffer[400];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, ohms, std::chars_format::fixed, 6);
    const std::string text(buffer, written.ptr);

    NearestBands bands;
    auto digitAt = [&](std::size_t i) -> std::optional<int> {
        if (i >= text.size())
            return std::nullopt;
        const int d = text[i] - '0';
        if (d < 0 || d > 9)
            return std::nullopt;
        return d;
    };
    bands.digit1 = digitAt(0);
    bands.digit2 = digitAt(text.size() > 1 && text[1] == '.' ? 2 : 1);
    const auto point = text.rfind('.');
    if (point != std::string::npos && point >= 1 && point <= 9)
        bands.multiplierIndex = int(point) - 1;
    return bands;
}

} // namespace colour_bands
