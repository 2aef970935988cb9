#include "power_frequency/maths/ohms_law.h"

#include "core/checked_math.h"

namespace ohms_law {

Outputs solve(std::optional<double> v, std::optional<double> i, std::optional<double> r,
              std::optional<double> p)
{
    using namespace checked;
    if (v && i) {
        const double res = div(*v, *i);
        return {Quantity::Resistance, res, Quantity::Watts, mul(*i, *v)};
    }
    if (v && r) {
        const double cur = div(*v, *r);
        return {Quantity::Current, cur, Quantity::Watts, mul(cur, *v)};
    }
    if (v && p) {
        const double cur = div(*p, *v);
        return {Quantity::Current, cur, Quantity::Resistance, div(*v, cur)};
    }
    if (i && r) {
        const double volt = mul(*i, *r);
        return {Quantity::Voltage, volt, Quantity::Watts, mul(*i, volt)};
    }
    if (i && p) {
        const double volt = div(*p, *i);
        return {Quantity::Voltage, volt, Quantity::Resistance, div(volt, *i)};
    }
    const double volt = checked::sqrt(mul(*p, *r));
    return {Quantity::Voltage, volt, Quantity::Current, div(volt, *r)};
}

} // namespace ohms_law
