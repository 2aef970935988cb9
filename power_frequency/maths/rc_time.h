#pragma once

// A capacitor charged or discharged through a resistor from an ideal source:
// the time constant tau = R C, the corner of the RC low-pass 1 / (2 pi R C),
// the time to reach a share p of the supply, tau ln(1 / (1 - p)), and the
// voltage at a time t, Vs (1 - e^(-t / tau)) charging from nothing and
// Vs e^(-t / tau) discharging from Vs. Resistance in ohms, capacitance in
// farads, times in seconds, frequencies in hertz, voltages in volts.
// Arithmetic faults raise checked::FloatFault.

#include <array>

namespace rc_time {

double tauSeconds(double rOhms, double capacitanceFarads);
double cutoffHz(double rOhms, double capacitanceFarads);

// The shares of the supply whose charging times are shown: 50 %, 63.2 %
// (about one tau), 90 % and 99 % (about 4.6 tau, "fully charged").
inline constexpr std::array<double, 4> kChargeShares{0.5, 0.632, 0.9, 0.99};
// The time to charge to a share (0 < share < 1) of the supply.
double timeToChargeSeconds(double tauSeconds, double share);

double chargingVolts(double supplyVolts, double tauSeconds, double timeSeconds);
double dischargingVolts(double supplyVolts, double tauSeconds, double timeSeconds);

} // namespace rc_time
