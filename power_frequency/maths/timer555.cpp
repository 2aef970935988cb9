#include "power_frequency/maths/timer555.h"

#include "core/checked_math.h"

#include <numbers>

namespace timer555 {

namespace {

constexpr double kMonostableFactor = 1.1;

bool positive(double x)
{
    return x > 0;
}

bool positive(std::optional<double> x)
{
    return !x || *x > 0;
}

} // namespace

std::optional<AstableTiming> astable(double r1, double r2, double c)
{
    using namespace checked;
    if (!positive(r1) || !positive(r2) || !positive(c))
        return std::nullopt;
    const double high = mul(mul(std::numbers::ln2, add(r1, r2)), c);
    const double low = mul(mul(std::numbers::ln2, r2), c);
    const double period = add(high, low);
    return AstableTiming{high, low, period, div(1.0, period), mul(div(high, period), 100.0)};
}

std::optional<AstableResistors> astableResistors(std::optional<double> r1, std::optional<double> r2,
                                                 std::optional<double> f, std::optional<double> duty,
                                                 double c)
{
    using namespace checked;
    if (!positive(c) || !positive(r1) || !positive(r2) || !positive(f) || !positive(duty))
        return std::nullopt;
    if (duty && (needsDiode(*duty) || *duty >= 100))
        return std::nullopt;
    const double d = duty ? div(*duty, 100.0) : 0;
    // R1 + 2 R2 = 1 / (ln 2 f C); the duty cycle is (R1 + R2) / (R1 + 2 R2).
    const auto sumOfPeriod = [&] { return div(1.0, mul(mul(std::numbers::ln2, *f), c)); };
    double first = 0, second = 0;
    if (r1 && r2) {
        first = *r1;
        second = *r2;
    } else if (f && duty) {
        first = mul(sumOfPeriod(), sub(mul(2.0, d), 1.0));
        second = mul(sumOfPeriod(), sub(1.0, d));
    } else if (r1 && f) {
        first = *r1;
        second = div(sub(sumOfPeriod(), *r1), 2.0);
    } else if (r2 && f) {
        first = sub(sumOfPeriod(), mul(2.0, *r2));
        second = *r2;
    } else if (r1 && duty) {
        first = *r1;
        second = div(mul(*r1, sub(1.0, d)), sub(mul(2.0, d), 1.0));
    } else {
        first = div(mul(*r2, sub(mul(2.0, d), 1.0)), sub(1.0, d));
        second = *r2;
    }
    if (!positive(first) || !positive(second))
        return std::nullopt;
    return AstableResistors{first, second};
}

std::optional<StandardAstable> nearestStandard(e_series::Series series, const AstableResistors& exact,
                                               double c)
{
    const std::optional<double> r1 = e_series::nearest(series, exact.r1Ohms);
    const std::optional<double> r2 = e_series::nearest(series, exact.r2Ohms);
    if (!r1 || !r2)
        return std::nullopt;
    const std::optional<AstableTiming> timing = astable(*r1, *r2, c);
    if (!timing)
        return std::nullopt;
    return StandardAstable{*r1, *r2, *timing};
}

bool needsDiode(double dutyCyclePercent)
{
    return dutyCyclePercent <= 50;
}

std::optional<Monostable> monostable(std::optional<double> r, std::optional<double> c,
                                     std::optional<double> pulse)
{
    using namespace checked;
    if (!positive(r) || !positive(c) || !positive(pulse))
        return std::nullopt;
    if (r && c)
        return Monostable{*r, *c, mul(mul(kMonostableFactor, *r), *c)};
    if (r && pulse)
        return Monostable{*r, div(*pulse, mul(kMonostableFactor, *r)), *pulse};
    return Monostable{div(*pulse, mul(kMonostableFactor, *c)), *c, *pulse};
}

} // namespace timer555
