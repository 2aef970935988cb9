#pragma once

// The series resistor that drops a source voltage to a load's forward voltage
// at the load's forward current (an LED, say), and the power it turns into
// heat.

#include <array>
#include <optional>

namespace dropper {

// R = (V source - V forward) / (I forward x 0.001), in ohms; voltages in volts,
// the current in milliamperes. Arithmetic faults raise checked::FloatFault.
double resistorOhms(double sourceVolts, double forwardVolts, double forwardMilliamps);

// The current in milliamperes that a resistor of `ohms` passes with the same
// voltages: (V source - V forward) / R x 1000. A standard value above the
// computed one passes a little less than the load's forward current.
double currentMilliamps(double sourceVolts, double forwardVolts, double ohms);

// The power the resistor turns into heat, in watts, at the load's forward
// current: P = (V source - V forward) x I forward x 0.001.
double dissipationWatts(double sourceVolts, double forwardVolts, double forwardMilliamps);

// Common resistor power ratings, in watts.
inline constexpr std::array<double, 6> kPowerRatings{0.125, 0.25, 0.5, 1, 2, 5};

// The smallest common rating that carries `watts` with a margin of two (a
// resistor run at its full rating gets too hot to touch); empty when even the
// largest does not.
std::optional<double> smallestRating(double watts);

} // namespace dropper
