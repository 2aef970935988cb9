#pragma once

// The series resistor that drops a source voltage to a load's forward voltage
// at the load's forward current (an LED, say).

namespace dropper {

// R = (V source - V forward) / (I forward x 0.001), in ohms; voltages in volts,
// the current in milliamperes. Arithmetic faults raise checked::FloatFault.
double resistorOhms(double sourceVolts, double forwardVolts, double forwardMilliamps);

} // namespace dropper
