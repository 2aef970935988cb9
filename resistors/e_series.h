#pragma once

// Standard preferred values (the E-series of IEC 60063): the values in which
// resistors and capacitors are actually made. E6, E12 and E24 have two
// significant digits, E48, E96 and E192 three; each repeats in every decade.
//
// Values are in any unit (ohms, farads, ...): the series have no unit. Every
// function returns nothing for an input that is not a finite positive number,
// and for a result that would not be a finite number.

#include <optional>
#include <span>

namespace e_series {

enum class Series
{
    E6,
    E12,
    E24,
    E48,
    E96,
    E192
};

// The series' significant digits as whole numbers, in rising order: 10 to 82
// for E12, 100 to 988 for E192.
std::span<const int> mantissas(Series series);
// How many significant digits the series has: 2 or 3.
int significantDigits(Series series);
const char* name(Series series);

// The standard value closest to x (the smaller one when two are equally
// close).
std::optional<double> nearest(Series series, double x);
// The smallest standard value not below x.
std::optional<double> atLeast(Series series, double x);
// The largest standard value not above x.
std::optional<double> atMost(Series series, double x);

// How far a standard value lies from x, in percent of x: (standard - x) / x x 100.
double deviationPercent(double standard, double x);

} // namespace e_series
