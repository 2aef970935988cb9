#include "power_frequency/maths/reactance.h"

#include "core/checked_math.h"
#include "power_frequency/maths/resonance.h"

namespace reactance {

double inductive(double f, double l)
{
    return checked::mul(checked::mul(resonance::kTwoPi, f), l);
}

double capacitive(double f, double c)
{
    return checked::div(1.0, checked::mul(checked::mul(resonance::kTwoPi, f), c));
}

} // namespace reactance
