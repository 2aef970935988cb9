#pragma once

// Capacitance in picofarads, nanofarads, microfarads and millifarads: one
// value given in one unit, the same value in all four.

#include <array>

namespace capacitance {

enum class Unit
{
    Picofarad,
    Nanofarad,
    Microfarad,
    Millifarad,
};
inline constexpr int kUnitCount = 4;

// kFactors[given][other]: multiply a value in the given unit by this to get it
// in the other unit.
inline constexpr double kFactors[kUnitCount][kUnitCount] = {
    {1, 0.001, 0.000001, 0.000000001},
    {1000, 1, 0.001, 0.000001},
    {1000000, 1000, 1, 0.001},
    {1000000000, 1000000, 1000, 1},
};

// The value in every unit, in the order of Unit; the given unit's entry is the
// value itself. A result beyond the double range raises checked::FloatFault.
std::array<double, kUnitCount> convert(Unit given, double value);

} // namespace capacitance
