#pragma once

// Standard resistors in twos and threes whose total comes closest to a
// wanted resistance. Values in ohms; the parts are the standard values of one
// E series from 1 ohm to 10 M.

#include "maths/e_series.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace combinations {

// The standard values of the series from 1 ohm to 10 M, rising.
std::vector<double> standardValues(e_series::Series series);

// True when target is itself one of those values (within a part in 10^9).
bool isStandardValue(e_series::Series series, double target);

enum class Arrangement
{
    TwoInSeries,        // a + b
    TwoInParallel,      // a || b
    ThreeInSeries,      // a + b + c
    ThreeInParallel,    // a || b || c
    OneAndParallelPair, // a + (b || c)
    OneAndSeriesPair,   // a || (b + c)
};

// Which arrangements to try: two in series, two in parallel, and three in
// each of the four arrangements above.
struct Arrangements
{
    bool twoInSeries = true;
    bool twoInParallel = true;
    bool three = true;
};

// The smallest and the largest total the arrangements make from the values
// (rising, positive): a target beyond them is only ever met by the end of
// the range, however far it lies.
struct Reach
{
    double lowest;
    double highest;
};
Reach reach(const std::vector<double>& values, Arrangements arrangements);

struct Combination
{
    Arrangement arrangement;
    // a, b and c as the arrangement names them (c is 0 for two parts). Parts
    // that the arrangement treats alike stand largest first.
    std::array<double, 3> parts;
    double ohms;
};

// The `count` combinations of the values whose totals lie closest to target,
// closest first; of equally close ones, fewer parts first. Each set of parts
// appears once per arrangement. values must be rising and positive; target
// positive.
std::vector<Combination> closest(const std::vector<double>& values, double target, Arrangements arrangements,
                                 std::size_t count = 10);

// "4.7 k + 390 = 5.09 k (-0.2 %)": the parts, the total and how far it lies
// from target, with the "." of e_series::valueText.
std::string describe(const Combination& combination, double target);

} // namespace combinations
