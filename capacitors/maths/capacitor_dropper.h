#pragma once

// The series capacitor that drops an AC supply to what a small load needs
// (a transformerless supply). The load is taken as a resistance, so the
// voltages across the capacitor and across the load add at right angles:
//   V capacitor = sqrt(V supply^2 - V load^2), X = V capacitor / I,
//   C = 1 / (2 pi f X).
// A surge-limiting resistor, when used, is sized to drop a fixed 10 volts at
// the load current, and those 10 volts count as part of the load voltage.
//
// Voltages in volts (RMS), the frequency in hertz, the current in amperes.
// Arithmetic faults raise checked::FloatFault; the square root of a negative
// number is reported as a domain error and gives NaN.

namespace capacitor_dropper {

inline constexpr double kSurgeDropVolts = 10;

// R = 10 / I, in ohms.
double surgeResistorOhms(double loadAmps);

// The load voltage with the surge resistor's drop added.
double withSurgeDrop(double loadVolts);

// The capacitor only drops the voltage when the load needs less than the
// supply gives.
inline bool loadVoltageFits(double supplyVolts, double loadVolts)
{
    return loadVolts < supplyVolts;
}

// C in microfarads, computed in the order: capacitor voltage, reactance,
// farads, then x 1000000.
double capacitorMicrofarads(double supplyVolts, double frequencyHz, double loadVolts, double loadAmps);

} // namespace capacitor_dropper
