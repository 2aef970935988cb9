#pragma once

// The adjustable three-terminal regulator: it holds its reference voltage
// between its output and its adjust pin, across R1, so R1 carries Vref / R1
// down into R2, joined there by the small current out of the adjust pin:
//     Vout = Vref (1 + R2 / R1) + Iadj R2.
// Voltages in volts, resistances in ohms, currents in amperes, powers in
// watts. Arithmetic faults raise checked::FloatFault.

#include "maths/e_series.h"

#include <optional>

namespace regulator {

// The common parts' reference voltage and adjust-pin current.
inline constexpr double kReferenceVolts = 1.25;
inline constexpr double kAdjustAmps = 50e-6;
// Below this much headroom between input and output the common parts drop
// out of regulation; above this dissipation they need a heatsink (a TO-220
// in free air).
inline constexpr double kDropoutVolts = 3;
inline constexpr double kFreeAirWatts = 1;

struct Divider
{
    double r1Ohms;
    double r2Ohms;
    double voutVolts;
};

// Any two of R1, R2 and Vout give the third. Empty when a resistance given or
// worked out is not above zero, or Vout is not above Vref: no divider gives
// it.
std::optional<Divider> solve(std::optional<double> r1Ohms, std::optional<double> r2Ohms,
                             std::optional<double> voutVolts, double vrefVolts, double adjustAmps);

// The pair of the series closest to a wanted Vout: R1 a value of the series
// from 100 to 1000 ohms (the range that keeps the parts' minimum load drawn
// through the divider), R2 any value of the series. On a tie the smaller R1
// wins. Empty when Vout is not above Vref.
struct StandardPair
{
    double r1Ohms;
    double r2Ohms;
    double voutVolts;
    double errorVolts;   // the pair's Vout less the wanted one
    double errorPercent; // in percent of the wanted Vout
};
std::optional<StandardPair> bestPair(e_series::Series series, double voutVolts, double vrefVolts,
                                     double adjustAmps);

// The heat in the regulator: (Vin - Vout) x I.
double dissipationWatts(double vinVolts, double voutVolts, double loadAmps);

} // namespace regulator
