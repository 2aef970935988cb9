#pragma once

// Reactance in ohms of an inductor or a capacitor at a frequency in hertz.
// Arithmetic faults raise checked::FloatFault.

namespace reactance {

// XL = 2 pi x f x L (L in henry), multiplied in this order.
double inductive(double frequencyHz, double inductanceHenry);

// XC = 1 / (2 pi x f x C) (C in farad); a zero product divides by zero.
double capacitive(double frequencyHz, double capacitanceFarad);

} // namespace reactance
