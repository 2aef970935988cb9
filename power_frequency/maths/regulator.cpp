#include "power_frequency/maths/regulator.h"

#include "core/checked_math.h"

#include <cmath>
#include <vector>

namespace regulator {

namespace {

double vout(double r1, double r2, double vref, double iadj)
{
    using namespace checked;
    return add(mul(vref, add(1.0, div(r2, r1))), mul(iadj, r2));
}

// The series' values from 100 to 1000 ohms, rising.
std::vector<double> r1Choices(e_series::Series series)
{
    // Two-digit series start at 10, three-digit ones at 100: either way the
    // decade from 100 is the mantissas times this.
    const double toHundreds = e_series::significantDigits(series) == 2 ? 10 : 1;
    std::vector<double> values;
    for (int m : e_series::mantissas(series))
        values.push_back(m * toHundreds);
    values.push_back(1000);
    return values;
}

} // namespace

std::optional<Divider> solve(std::optional<double> r1, std::optional<double> r2, std::optional<double> out,
                             double vref, double iadj)
{
    using namespace checked;
    if ((r1 && !(*r1 > 0)) || (r2 && !(*r2 > 0)))
        return std::nullopt;
    Divider d{0, 0, 0};
    if (r1 && r2) {
        d = {*r1, *r2, vout(*r1, *r2, vref, iadj)};
    } else {
        if (!(*out > vref))
            return std::nullopt;
        if (r1) // Vout - Vref = R2 (Vref / R1 + Iadj)
            d = {*r1, div(sub(*out, vref), add(div(vref, *r1), iadj)), *out};
        else { // Vref R2 / R1 = Vout - Vref - Iadj R2
            const double acrossR1Share = sub(sub(*out, vref), mul(iadj, *r2));
            if (!(acrossR1Share > 0))
                return std::nullopt;
            d = {div(mul(vref, *r2), acrossR1Share), *r2, *out};
        }
    }
    if (!(d.r1Ohms > 0) || !(d.r2Ohms > 0) || std::isinf(d.r1Ohms) || std::isinf(d.r2Ohms))
        return std::nullopt;
    return d;
}

std::optional<StandardPair> bestPair(e_series::Series series, double wanted, double vref, double iadj)
{
    using namespace checked;
    if (!(wanted > vref) || std::isinf(wanted))
        return std::nullopt;
    std::optional<StandardPair> best;
    for (double r1 : r1Choices(series)) {
        const double exactR2 = div(sub(wanted, vref), add(div(vref, r1), iadj));
        // Vout rises with R2, so the best R2 for this R1 is a neighbour of
        // the exact one.
        for (std::optional<double> r2 :
             {e_series::atMost(series, exactR2), e_series::atLeast(series, exactR2)}) {
            if (!r2)
                continue;
            const double got = vout(r1, *r2, vref, iadj);
            const double error = sub(got, wanted);
            if (!best || std::abs(error) < std::abs(best->errorVolts))
                best = StandardPair{r1, *r2, got, error, mul(div(error, wanted), 100.0)};
        }
    }
    return best;
}

double dissipationWatts(double vin, double vout, double amps)
{
    return checked::mul(checked::sub(vin, vout), amps);
}

} // namespace regulator
