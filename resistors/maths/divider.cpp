#include "resistors/maths/divider.h"

#include "core/checked_math.h"
#include "resistors/maths/combinations.h"

#include <cmath>

namespace divider {

Problem check(const Given& given)
{
    for (const std::optional<double>& v : {given.vin, given.r1, given.r2, given.vout}) {
        if (v && !(*v > 0))
            return Problem::NotPositive;
    }
    if (given.vin && given.vout && !(*given.vout < *given.vin))
        return Problem::OutputNotBelowInput;
    return Problem::None;
}

Divider solve(const Given& given)
{
    using namespace checked;
    Divider d{given.vin.value_or(0), given.r1.value_or(0), given.r2.value_or(0), given.vout.value_or(0)};
    if (!given.vout)
        d.vout = div(mul(d.vin, d.r2), add(d.r1, d.r2));
    else if (!given.vin)
        d.vin = div(mul(d.vout, add(d.r1, d.r2)), d.r2);
    else if (!given.r1)
        d.r1 = div(mul(d.r2, sub(d.vin, d.vout)), d.vout);
    else
        d.r2 = div(mul(d.r1, d.vout), sub(d.vin, d.vout));
    return d;
}

Load load(const Divider& d)
{
    using namespace checked;
    const double amps = div(d.vin, add(d.r1, d.r2));
    return {amps, mul(mul(amps, amps), d.r1), mul(mul(amps, amps), d.r2)};
}

std::optional<StandardPair> standardPair(e_series::Series series, double vin, double vout, double totalOhms)
{
    if (!(vout > 0 && vout < vin && std::isfinite(vin) && totalOhms > 0 && std::isfinite(totalOhms)))
        return std::nullopt;
    const std::vector<double> values = combinations::standardValues(series);
    std::optional<StandardPair> best;
    double bestMiss = INFINITY;
    double bestSpread = INFINITY;
    for (double r1 : values) {
        if (r1 >= 2 * totalOhms)
            break;
        for (double r2 : values) {
            const double total = r1 + r2;
            if (total < totalOhms / 2)
                continue;
            if (total > 2 * totalOhms)
                break;
            const double out = vin * (r2 / total);
            const double miss = std::fabs(out - vout);
            const double spread = std::fabs(std::log(total / totalOhms));
            // Pairs of the same ratio give the same output but for rounding.
            const bool sameMiss = std::fabs(miss - bestMiss) <= 1e-12 * vout;
            if ((!sameMiss && miss < bestMiss) || (sameMiss && spread < bestSpread)) {
                best = StandardPair{r1, r2, out, e_series::deviationPercent(out, vout)};
                bestMiss = miss;
                bestSpread = spread;
            }
        }
    }
    return best;
}

} // namespace divider
