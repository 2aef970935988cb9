#pragma once

// Ohm's law and power for one resistive load: from any two of voltage (V),
// current (A), resistance (ohm) and power (W), the other two.

#include <optional>

namespace ohms_law {

enum class Quantity
{
    Voltage,
    Current,
    Resistance,
    Watts
};

struct Outputs
{
    Quantity first;
    double firstValue;
    Quantity second;
    double secondValue;
};

// Exactly two of the four must be given. The first row of this order whose two
// quantities are given decides: V&I, V&R, V&P, I&R, I&P, R&P. The second output
// is computed from the first (P = I x V after I = V / R, not V x V / R), so a
// rounding in the first carries into the second as the user would see it.
// Arithmetic faults raise checked::FloatFault; a negative R x P gives NaN
// after the square-root domain report.
Outputs solve(std::optional<double> voltage, std::optional<double> current, std::optional<double> resistance,
              std::optional<double> watts);

} // namespace ohms_law
