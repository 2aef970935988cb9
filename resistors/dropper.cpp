#include "resistors/dropper.h"

#include "shell/checked_math.h"

namespace dropper {

double resistorOhms(double sourceVolts, double forwardVolts, double forwardMilliamps)
{
    using namespace checked;
    return div(sub(sourceVolts, forwardVolts), mul(forwardMilliamps, 0.001));
}

} // namespace dropper
