#include "capacitors/maths/capacitor_dropper.h"

#include "core/checked_math.h"

namespace capacitor_dropper {

using namespace checked;

double surgeResistorOhms(double loadAmps)
{
    return div(kSurgeDropVolts, loadAmps);
}

double withSurgeDrop(double loadVolts)
{
    return add(loadVolts, kSurgeDropVolts);
}

double capacitorMicrofarads(double supplyVolts, double frequencyHz, double loadVolts, double loadAmps)
{
    const double capacitorVolts =
        checked::sqrt(sub(mul(supplyVolts, supplyVolts), mul(loadVolts, loadVolts)));
    const double reactance = div(capacitorVolts, loadAmps);
    const double farads = div(1.0, mul(reactance, mul(6.283185307179586, frequencyHz)));
    return mul(farads, 1000000);
}

} // namespace capacitor_dropper
