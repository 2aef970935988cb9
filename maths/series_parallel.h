#pragma once

// Two parts and their combined value: given any two of part 1, part 2 and the
// total, the third. Units are whatever the user keeps to.
//
// Two ways of combining exist: reciprocal (resistors in parallel, capacitors in
// series: 1/T = 1/A + 1/B) and plain sum (resistors in series, capacitors in
// parallel: T = A + B). Capacitors use the same functions with the roles of
// the two wirings swapped. Arithmetic faults raise checked::FloatFault.

#include <optional>

namespace series_parallel {

enum class Unknown
{
    First,
    Second,
    Total
};

struct Solution
{
    Unknown unknown;
    double value = 0;
    // Reciprocal combination only: the total equals the known part, so the
    // missing part would have to be infinite; it is shown as "0".
    bool infinitePart = false;

    // A computed part below zero gets the calculator's note.
    bool negativePart() const { return unknown != Unknown::Total && !infinitePart && value < 0; }
};

// Exactly two of the three are given; cases are tested in the order
// (A, B), (T, B), (T, A).
Solution solveReciprocal(std::optional<double> a, std::optional<double> b, std::optional<double> total);
Solution solveSum(std::optional<double> a, std::optional<double> b, std::optional<double> total);

} // namespace series_parallel
