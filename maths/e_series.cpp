#include "maths/e_series.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace e_series {

namespace {

constexpr std::array<int, 6> kE6{10, 15, 22, 33, 47, 68};
constexpr std::array<int, 12> kE12{10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
constexpr std::array<int, 24> kE24{10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                   33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr std::array<int, 48> kE48{100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                   178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                   316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                   562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};
constexpr std::array<int, 96> kE96{
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143, 147, 150, 154, 158,
    162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210, 215, 221, 226, 232, 237, 243, 249, 255,
    261, 267, 274, 280, 287, 294, 301, 309, 316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412,
    422, 432, 442, 453, 464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};
constexpr std::array<int, 192> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

// mantissa x 10^exponent, rounded once: powers of ten up to 10^22 are exact
// doubles, so 47 x 10^-1 gives the double nearest 4.7, not 47 x 0.1.
double scaled(int mantissa, int exponent)
{
    if (exponent >= 0)
        return exponent <= 22 ? mantissa * std::pow(10.0, exponent)
                              : mantissa * 1e22 * std::pow(10.0, exponent - 22);
    return exponent >= -22 ? mantissa / std::pow(10.0, -exponent)
                           : mantissa / 1e22 / std::pow(10.0, -exponent - 22);
}

bool usable(double x)
{
    return std::isfinite(x) && x > 0;
}

// Walks the standard values of the decade below x's, x's own and the one
// above, in rising order; enough to find x's neighbours on both sides.
template <typename Visit> void forNeighbourhood(Series series, double x, Visit visit)
{
    const int decade = int(std::floor(std::log10(x)));
    const int shift = significantDigits(series) - 1;
    for (int d = decade - 1; d <= decade + 1; ++d)
        for (int m : mantissas(series))
            visit(scaled(m, d - shift));
    visit(scaled(mantissas(series).front(), decade + 2 - shift));
}

std::optional<double> finite(double v)
{
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

} // namespace

std::span<const int> mantissas(Series series)
{
    switch (series) {
    case Series::E6:
        return kE6;
    case Series::E12:
        return kE12;
    case Series::E24:
        return kE24;
    case Series::E48:
        return kE48;
    case Series::E96:
        return kE96;
    case Series::E192:
        break;
    }
    return kE192;
}

int significantDigits(Series series)
{
    return mantissas(series).front() >= 100 ? 3 : 2;
}

const char* name(Series series)
{
    constexpr const char* names[] = {"E6", "E12", "E24", "E48", "E96", "E192"};
    return names[int(series)];
}

std::optional<double> nearest(Series series, double x)
{
    if (!usable(x))
        return std::nullopt;
    double best = 0;
    double bestDistance = INFINITY;
    forNeighbourhood(series, x, [&](double v) {
        const double distance = std::fabs(v - x);
        if (distance < bestDistance) {
            best = v;
            bestDistance = distance;
        }
    });
    return finite(best);
}

std::optional<double> atLeast(Series series, double x)
{
    if (!usable(x))
        return std::nullopt;
    double best = INFINITY;
    forNeighbourhood(series, x, [&](double v) {
        if (v >= x)
            best = std::min(best, v);
    });
    return finite(best);
}

std::optional<double> atMost(Series series, double x)
{
    if (!usable(x))
        return std::nullopt;
    double best = 0;
    forNeighbourhood(series, x, [&](double v) {
        if (v <= x)
            best = std::max(best, v);
    });
    return best > 0 ? finite(best) : std::nullopt;
}

double deviationPercent(double standard, double x)
{
    return (standard - x) / x * 100;
}

std::string valueText(double value, Prefixes prefixes)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // Three significant digits, rounded once from the double: d.dde+XX.
    char buffer[32];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 2);
    const std::string scientific(buffer, written.ptr);
    std::string digits{scientific[0], scientific[2], scientific[3]};
    const int exponent = std::stoi(scientific.substr(5));
    const std::string sign = value < 0 ? "-" : "";
    auto trimmed = [](std::string text) {
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0')
                text.pop_back();
            if (text.back() == '.')
                text.pop_back();
        }
        return text;
    };

    if (exponent < -4 || exponent >= 15)
        return sign + trimmed(digits.substr(0, 1) + "." + digits.substr(1)) + "E" + std::to_string(exponent);

    const int group = prefixes == Prefixes::Metric && exponent >= 3 ? exponent / 3 : 0;
    const int integerDigits = exponent - 3 * group + 1; // digits before the point
    std::string number;
    if (integerDigits <= 0) {
        number = "0." + std::string(std::size_t(-integerDigits), '0') + digits;
    } else {
        digits.resize(std::max(digits.size(), std::size_t(integerDigits)), '0');
        number =
            digits.substr(0, std::size_t(integerDigits)) + "." + digits.substr(std::size_t(integerDigits));
    }
    constexpr const char* prefixTexts[] = {"", " k", " M", " G", " T"};
    return sign + trimmed(number) + prefixTexts[group];
}

std::string deviationText(double percent)
{
    // Beyond a million percent the figure is written with its power of ten,
    // so that a line stays readable whatever the values were.
    char buffer[400]; // a fixed-point double has at most 309 integer digits
    const double size = std::fabs(percent);
    const std::to_chars_result written =
        size < 1e6 ? std::to_chars(buffer, buffer + sizeof buffer, size, std::chars_format::fixed, 1)
                   : std::to_chars(buffer, buffer + sizeof buffer, size, std::chars_format::scientific, 2);
    const std::string magnitude(buffer, written.ptr);
    if (magnitude == "0.0")
        return "0.0 %";
    return (percent < 0 ? "-" : "+") + magnitude + " %";
}

std::string nearestText(Series series, double x, Prefixes prefixes)
{
    const std::optional<double> standard = nearest(series, x);
    if (!standard)
        return {};
    return std::string(name(series)) + ": " + valueText(*standard, prefixes) + " (" +
           deviationText(deviationPercent(*standard, x)) + ")";
}

} // namespace e_series
