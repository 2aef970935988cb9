#include "capacitors/maths/scale_units.h"

#include "core/checked_math.h"

namespace capacitance {

std::array<double, kUnitCount> convert(Unit given, double value)
{
    std::array<double, kUnitCount> result{};
    const int from = int(given);
    for (int to = 0; to < kUnitCount; ++to)
        result[std::size_t(to)] = to == from ? value : checked::mul(value, kFactors[from][to]);
    return result;
}

} // namespace capacitance
