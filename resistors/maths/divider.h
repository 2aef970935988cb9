#pragma once

// The unloaded voltage divider: R1 from the input to the output, R2 from the
// output to ground, Vout = Vin x R2 / (R1 + R2). Voltages in volts,
// resistances in ohms, currents in amperes, powers in watts.

#include "maths/e_series.h"

#include <optional>

namespace divider {

struct Given
{
    std::optional<double> vin;
    std::optional<double> r1;
    std::optional<double> r2;
    std::optional<double> vout;
};

struct Divider
{
    double vin = 0;
    double r1 = 0;
    double r2 = 0;
    double vout = 0;
};

// What makes given values impossible for a divider of two resistors: a
// value of zero or below, or an output not below the input (the divider
// only divides down).
enum class Problem
{
    None,
    NotPositive,
    OutputNotBelowInput
};
Problem check(const Given& given);

// The fourth value from exactly three given ones that pass check().
// Arithmetic faults raise checked::FloatFault.
Divider solve(const Given& given);

// The current through both resistors, I = Vin / (R1 + R2), and the power
// each turns into heat, I^2 x R. Arithmetic faults raise checked::FloatFault.
struct Load
{
    double amps = 0;
    double r1Watts = 0;
    double r2Watts = 0;
};
Load load(const Divider& d);

// The total the standard pair aims at when no resistor was given.
inline constexpr double kDesignTotalOhms = 10000;

// Standard values R1 and R2 of the series, each from 1 ohm to 10 M, whose sum
// lies between half and twice totalOhms, whose output comes closest to vout;
// of pairs equally close, the one whose sum is nearest totalOhms. Empty when
// no pair lies in that range or the voltages are not 0 < vout < vin.
struct StandardPair
{
    double r1 = 0;
    double r2 = 0;
    double vout = 0;
    // (pair's Vout - vout) / vout x 100.
    double errorPercent = 0;
};
std::optional<StandardPair> standardPair(e_series::Series series, double vin, double vout, double totalOhms);

} // namespace divider
