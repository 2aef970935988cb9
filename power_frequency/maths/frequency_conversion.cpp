#include "power_frequency/maths/frequency_conversion.h"

#include "core/checked_math.h"

namespace frequency {

double metresFromKilocycles(double kilocycles)
{
    return checked::div(kSpeedOfLightKmPerSecond, kilocycles);
}

double kilocyclesFromMetres(double metres)
{
    return checked::div(kSpeedOfLightKmPerSecond, metres);
}

double kilocyclesFromMegacycles(double megacycles)
{
    return checked::mul(megacycles, 1000);
}

double megacyclesFromKilocycles(double kilocycles)
{
    return checked::mul(kilocycles, 0.001);
}

} // namespace frequency
