#pragma once

// The 555 timer's two classic circuits, from the parts to the timing and back.
//
// Astable: C charges through R1 + R2 from a third to two thirds of the supply
// and discharges through R2 alone into pin 7, so the output is high for
// ln 2 (R1 + R2) C and low for ln 2 R2 C (about 0.693 x each). Monostable: one
// charge from zero to two thirds, a pulse of 1.1 R C (ln 3 = 1.0986, rounded
// as the data sheets give it). Resistances in ohms, capacitances in farads,
// times in seconds, frequencies in hertz, duty cycles in percent of the
// period. Arithmetic faults raise checked::FloatFault.

#include "maths/e_series.h"

#include <optional>

namespace timer555 {

struct AstableTiming
{
    double highSeconds;
    double lowSeconds;
    double periodSeconds;
    double frequencyHz;
    double dutyCyclePercent; // the high time's share of the period
};

// The timing of the astable circuit; empty unless all three parts are above
// zero.
std::optional<AstableTiming> astable(double r1Ohms, double r2Ohms, double capacitanceFarads);

struct AstableResistors
{
    double r1Ohms;
    double r2Ohms;
};

// R1 and R2 from C and any two of R1, R2, the frequency and the duty cycle
// (the two not given come back worked out, the given ones as they were).
// Exactly two must be given. Empty when C is not above zero or the values
// need a resistor of zero or less: the plain astable's duty cycle lies above
// 50 % and below 100 %, its frequency below 1 / (ln 2 x 2 R2 C) for a given R2
// and 1 / (ln 2 x R1 C) for a given R1.
std::optional<AstableResistors> astableResistors(std::optional<double> r1Ohms, std::optional<double> r2Ohms,
                                                 std::optional<double> frequencyHz,
                                                 std::optional<double> dutyCyclePercent,
                                                 double capacitanceFarads);

// The nearest values of the series to R1 and R2, with the timing they give.
struct StandardAstable
{
    double r1Ohms;
    double r2Ohms;
    AstableTiming timing;
};
std::optional<StandardAstable> nearestStandard(e_series::Series series, const AstableResistors& exact,
                                               double capacitanceFarads);

// A duty cycle the plain astable cannot give, as high time never falls below
// low time: it needs a diode across R2, so that C charges through R1 alone.
bool needsDiode(double dutyCyclePercent);

// The monostable's pulse width, resistance and capacitance: any two of the
// three give the third. Empty when a given value is not above zero.
struct Monostable
{
    double rOhms;
    double capacitanceFarads;
    double pulseSeconds;
};
std::optional<Monostable> monostable(std::optional<double> rOhms, std::optional<double> capacitanceFarads,
                                     std::optional<double> pulseSeconds);

} // namespace timer555
