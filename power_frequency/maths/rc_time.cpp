#include "power_frequency/maths/rc_time.h"

#include "core/checked_math.h"

#include <cmath>
#include <numbers>

namespace rc_time {

double tauSeconds(double r, double c)
{
    return checked::mul(r, c);
}

double cutoffHz(double r, double c)
{
    using namespace checked;
    return div(1.0, mul(mul(2 * std::numbers::pi, r), c));
}

double timeToChargeSeconds(double tau, double share)
{
    return checked::mul(tau, -std::log1p(-share));
}

double chargingVolts(double vs, double tau, double t)
{
    // 1 - e^-x as expm1 gives it keeps its digits for a time far below tau.
    return checked::mul(vs, -std::expm1(-checked::div(t, tau)));
}

double dischargingVolts(double vs, double tau, double t)
{
    return checked::mul(vs, std::exp(-checked::div(t, tau)));
}

} // namespace rc_time
