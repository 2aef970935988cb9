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
#include <string>

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

// Short texts for the standard values shown beside the results. They are
// the program's own notation, the same in every locale: "." as the decimal
// point, at most three significant digits (rounded), trailing zeros dropped.
enum class Prefixes
{
    None,  // "4700": for the calculators that work in whatever unit the user types
    Metric // "4.7 k": values from 1000 up take " k", " M", " G" or " T"
};
// "4.7 k", "4.99 k", "1 M", "470", "0.47"; below 0.0001 and from 10^15 up
// the value is written d.ddE[-]x, as the result fields do ("4.7E-6").
std::string valueText(double value, Prefixes prefixes = Prefixes::Metric);
// A deviation in percent with one decimal and its sign: "-1.9 %", "+3.2 %";
// one that rounds to nothing is "0.0 %".
std::string deviationText(double percent);
// "E24: 4.7 k (-1.9 %)": the nearest value of the series to x and how far it
// lies from x; empty when x has none (zero, negative, not finite).
std::string nearestText(Series series, double x, Prefixes prefixes = Prefixes::Metric);

} // namespace e_series
