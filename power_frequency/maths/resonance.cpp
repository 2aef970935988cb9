#include "power_frequency/maths/resonance.h"

#include "core/checked_math.h"

namespace resonance {

double resonantFrequency(double l, double c)
{
    using namespace checked;
    return div(1.0, mul(checked::sqrt(mul(l, c)), kTwoPi));
}

double coilFrequency(double turns, double width, WidthUnit unit)
{
    using namespace checked;
    if (unit == WidthUnit::Centimetres)
        width = mul(width, 0.39370078740157477);
    const double denominator = mul(mul(mul(mul(turns, width), 3.141592653589793), 0.0254), 4.0);
    return div(300000.0, denominator);
}

} // namespace resonance
