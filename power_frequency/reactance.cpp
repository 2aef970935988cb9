#include "power_frequency/reactance.h"

#include "power_frequency/resonance.h"
#include "shell/checked_math.h"

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
