#include "resistors/maths/smd_codes.h"

#include "maths/e_series.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace smd_codes {

namespace {

struct Multiplier
{
    char letter;
    int exponent;
};

// The EIA-96 multiplier letters; where two letters mean the same power of
// ten, the first is the one written.
constexpr std::array<Multiplier, 12> kMultipliers{{{'Z', -3},
                                                   {'Y', -2},
                                                   {'R', -2},
                                                   {'X', -1},
                                                   {'S', -1},
                                                   {'A', 0},
                                                   {'B', 1},
                                                   {'H', 1},
                                                   {'C', 2},
                                                   {'D', 3},
                                                   {'E', 4},
                                                   {'F', 5}}};

long long powerOfTen(int exponent)
{
    long long p = 1;
    for (int i = 0; i < exponent; ++i)
        p *= 10;
    return p;
}

// mantissa x 10^exponent rounded once, so 47 x 10^-1 is the double nearest
// 4.7 (powers of ten up to 10^22 are exact doubles).
double scaled(long long mantissa, int exponent)
{
    return exponent >= 0 ? double(mantissa) * std::pow(10.0, exponent)
                         : double(mantissa) / std::pow(10.0, -exponent);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(std::string_view s)
{
    for (char c : s) {
        if (!isDigit(c))
            return false;
    }
    return !s.empty();
}

long long numberOf(std::string_view digits)
{
    long long n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

std::string normalised(std::string_view code)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!code.empty() && blank(code.front()))
        code.remove_prefix(1);
    while (!code.empty() && blank(code.back()))
        code.remove_suffix(1);
    std::string upper(code);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    }
    return upper;
}

std::optional<Reading> readDigits(std::string_view code)
{
    if ((code.size() != 3 && code.size() != 4) || !allDigits(code))
        return std::nullopt;
    const double ohms = scaled(numberOf(code.substr(0, code.size() - 1)), code.back() - '0');
    return Reading{code.size() == 3 ? Scheme::ThreeDigit : Scheme::FourDigit, ohms};
}

std::optional<Reading> readRForPoint(std::string_view code)
{
    const std::size_t r = code.find('R');
    if (r == std::string_view::npos || code.size() < 2 || code.size() > 4)
        return std::nullopt;
    const std::string_view whole = code.substr(0, r);
    const std::string_view fraction = code.substr(r + 1);
    if ((!whole.empty() && !allDigits(whole)) || (!fraction.empty() && !allDigits(fraction)))
        return std::nullopt;
    const long long digits = numberOf(whole) * powerOfTen(int(fraction.size())) + numberOf(fraction);
    return Reading{Scheme::RForPoint, scaled(digits, -int(fraction.size()))};
}

std::optional<Reading> readEia96(std::string_view code)
{
    if (code.size() != 3 || !allDigits(code.substr(0, 2)))
        return std::nullopt;
    const int value = eia96Value(int(numberOf(code.substr(0, 2))));
    if (value == 0)
        return std::nullopt;
    for (const Multiplier& m : kMultipliers) {
        if (m.letter == code[2])
            return Reading{Scheme::Eia96, scaled(value, m.exponent)};
    }
    return std::nullopt;
}

bool sameValue(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::fabs(b);
}

// A three- or four-character code for a value on its grid, counted in units
// of 10^-digits ohm (the last place an R code shows).
std::string codeOfUnits(long long units, int digits)
{
    const long long unitsPerOhm = powerOfTen(digits);
    if (units == 0)
        return std::string(std::size_t(digits) + 1, '0');
    if (units >= powerOfTen(digits - 1) * unitsPerOhm) {
        long long mantissa = units / unitsPerOhm;
        int exponent = 0;
        while (mantissa >= powerOfTen(digits)) {
            mantissa /= 10;
            ++exponent;
        }
        return std::to_string(mantissa) + char('0' + exponent);
    }
    std::string fraction = std::to_string(units % unitsPerOhm);
    fraction.insert(0, std::size_t(digits) - fraction.size(), '0');
    const long long whole = units / unitsPerOhm;
    if (whole == 0)
        return 'R' + fraction;
    const std::string wholeText = std::to_string(whole);
    return wholeText + 'R' + fraction.substr(0, std::size_t(digits) - wholeText.size());
}

// The digit markings with `digits` significant digits: whole ohms in
// `digits` significant digits from 10^(digits - 1) up, a fixed grid of
// 10^-digits ohm below (where R codes take over).
std::optional<Encoded> encodeDigits(double ohms, int digits)
{
    if (!std::isfinite(ohms) || ohms < 0)
        return std::nullopt;
    const long long unitsPerOhm = powerOfTen(digits);
    const long long mostUnits = (powerOfTen(digits) - 1) * powerOfTen(9) * unitsPerOhm;
    long long units = mostUnits;
    if (ohms * double(unitsPerOhm) < double(mostUnits)) {
        const int decade = ohms > 0 ? int(std::floor(std::log10(ohms))) : -digits;
        const int step = std::max(decade - digits + 1, -digits);
        const double steps = step >= 0 ? ohms / std::pow(10.0, step) : ohms * std::pow(10.0, -step);
        units = std::llround(steps) * powerOfTen(step + digits);
    }
    const double marked = scaled(units, -digits);
    return Encoded{codeOfUnits(units, digits), marked, sameValue(marked, ohms)};
}

} // namespace

int eia96Value(int number)
{
    const std::span<const int> values = e_series::mantissas(e_series::Series::E96);
    return number >= 1 && number <= int(values.size()) ? values[std::size_t(number - 1)] : 0;
}

std::optional<Decoded> decode(std::string_view code)
{
    const std::string text = normalised(code);
    if (const std::optional<Reading> digits = readDigits(text))
        return Decoded{*digits, std::nullopt};
    const std::optional<Reading> point = readRForPoint(text);
    const std::optional<Reading> eia96 = readEia96(text);
    if (point && eia96 && !sameValue(point->ohms, eia96->ohms))
        return Decoded{*point, eia96};
    if (point)
        return Decoded{*point, std::nullopt};
    if (eia96)
        return Decoded{*eia96, std::nullopt};
    return std::nullopt;
}

std::optional<Encoded> encodeThreeDigit(double ohms)
{
    return encodeDigits(ohms, 2);
}

std::optional<Encoded> encodeFourDigit(double ohms)
{
    return encodeDigits(ohms, 3);
}

std::optional<Encoded> encodeEia96(double ohms)
{
    if (!std::isfinite(ohms) || ohms < 0)
        return std::nullopt;
    // Beyond the codes' range the nearest is its end; measured from a value
    // far beyond, every code would lie equally far once rounded.
    const double lowest = scaled(eia96Value(1), kMultipliers.front().exponent);
    const double highest = scaled(eia96Value(96), kMultipliers.back().exponent);
    const double wanted = std::clamp(ohms, lowest, highest);
    Encoded best;
    double bestDistance = INFINITY;
    for (const Multiplier& m : kMultipliers) {
        for (int number = 1; number <= 96; ++number) {
            const double value = scaled(eia96Value(number), m.exponent);
            const double distance = std::fabs(value - wanted);
            if (distance < bestDistance) {
                bestDistance = distance;
                best.ohms = value;
                best.code = (number < 10 ? "0" : "") + std::to_string(number) + m.letter;
            }
        }
    }
    best.exact = sameValue(best.ohms, ohms);
    return best;
}

} // namespace smd_codes
