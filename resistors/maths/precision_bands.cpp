#include "resistors/maths/precision_bands.h"

#include <charconv>
#include <cmath>
#include <string>

namespace precision_bands {

colour_bands::BandValue compose(int digit1, int digit2, int digit3, int exponent, double tolerancePercent)
{
    const double digits = 100 * digit1 + 10 * digit2 + digit3;
    // Powers of ten up to 10^9 are exact doubles, so each result is rounded
    // once.
    const double ohms =
        exponent >= 0 ? digits * std::pow(10.0, exponent) : digits / std::pow(10.0, -exponent);
    return {ohms, ohms * 0.001, ohms * 0.000001, tolerancePercent * (ohms * 0.01)};
}

std::optional<Bands> nearestBands(double ohms)
{
    if (!std::isfinite(ohms) || ohms <= 0)
        return std::nullopt;
    // d.dde+XX, rounded once from the double's exact value.
    char buffer[32];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, ohms, std::chars_format::scientific, 2);
    const std::string text(buffer, written.ptr);
    const int exponent = std::stoi(text.substr(5)) - 2; // of the last of the three digits
    const int first = kMultiplierBands.front().exponent;
    const int last = kMultiplierBands.back().exponent;
    if (exponent < first || exponent > last)
        return std::nullopt;
    return Bands{text[0] - '0', text[2] - '0', text[3] - '0', exponent - first};
}

} // namespace precision_bands
