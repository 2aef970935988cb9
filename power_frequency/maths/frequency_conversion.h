#pragma once

// Frequency conversions between kilocycles, megacycles and the wavelength in
// metres. Kilocycles are kilohertz and megacycles megahertz; metres x
// kilocycles = 300000, the speed of light in kilometres per second.
// Arithmetic faults raise checked::FloatFault.

namespace frequency {

inline constexpr double kSpeedOfLightKmPerSecond = 300000;

// metres = 300000 / kilocycles; also kilocycles = 300000 / metres.
double metresFromKilocycles(double kilocycles);
double kilocyclesFromMetres(double metres);

// kilocycles = megacycles x 1000.
double kilocyclesFromMegacycles(double megacycles);

// Megacycles are always formed as kilocycles x 0.001, never kilocycles / 1000,
// so a conversion from megacycles shows the digits the calculator has always
// shown (0.001 is not exact in binary).
double megacyclesFromKilocycles(double kilocycles);

} // namespace frequency
