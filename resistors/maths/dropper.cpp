#include "resistors/maths/dropper.h"

#include "core/checked_math.h"

namespace dropper {

double resistorOhms(double sourceVolts, double forwardVolts, double forwardMilliamps)
{
    using namespace checked;
    return div(sub(sourceVolts, forwardVolts), mul(forwardMilliamps, 0.001));
}

// The two figures below only add to a result already shown, so they never
// raise a fault of their own: a figure beyond the double range comes back
// infinite and the caller leaves it out.
double currentMilliamps(double sourceVolts, double forwardVolts, double ohms)
{
    return (sourceVolts - forwardVolts) / ohms * 1000;
}

double dissipationWatts(double sourceVolts, double forwardVolts, double forwardMilliamps)
{
    return (sourceVolts - forwardVolts) * (forwardMilliamps * 0.001);
}

std::optional<double> smallestRating(double watts)
{
    for (double rating : kPowerRatings) {
        if (2 * watts <= rating)
            return rating;
    }
    return std::nullopt;
}

} // namespace dropper
