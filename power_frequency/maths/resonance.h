#pragma once

// Resonant frequency of an LC circuit, and the frequency of a coil from its
// turns and width. Arithmetic faults raise checked::FloatFault.

namespace resonance {

inline constexpr double kTwoPi = 6.283185307179586;

// f = 1 / (sqrt(L x C) x 2 pi), in hertz; L in henry, C in farad.
// Formed in exactly this order: product, square root, times 2 pi, reciprocal.
double resonantFrequency(double inductanceHenry, double capacitanceFarad);

enum class WidthUnit
{
    Centimetres,
    Inches
};

// f = 300000 / (N x W x pi x 0.0254 x 4), in kilocycles: the denominator is
// 4 pi N times the width in metres; 300000 is the speed of light in km/s.
// A width in centimetres is first turned into inches (x 1/2.54).
double coilFrequency(double turns, double width, WidthUnit unit);

} // namespace resonance
