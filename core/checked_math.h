#pragma once

// Floating-point arithmetic that reports the faults an unmasked FPU would trap.
//
// C++ masks floating-point exceptions: 1/0 silently becomes infinity. The
// calculators must instead stop where the fault happens and let the handler
// guard report it, so every division, product, sum and square root they do goes
// through these functions. A quiet NaN operand propagates without a fault, as
// on the hardware.

#include <stdexcept>
#include <string>

namespace checked {

enum class FaultKind
{
    DivisionByZero,
    Overflow,
    Invalid
};

class FloatFault : public std::runtime_error
{
public:
    explicit FloatFault(FaultKind kind);
    FaultKind kind() const { return m_kind; }

private:
    FaultKind m_kind;
};

// a / b. A finite non-zero a over zero is a division by zero, 0 / 0 and
// infinity / infinity are invalid; infinity / 0 is an infinity, no fault.
double div(double a, double b);
double mul(double a, double b);
double add(double a, double b);
double sub(double a, double b);

// Storing a value into a double: infinity from a finite source is an overflow.
double store(long double value);

// Square root: a negative argument is a domain error. The domain reporter is
// called with ("sqrt", "DOMAIN") and the result is NaN.
double sqrt(double a);

using DomainReporter = void (*)(const char* function, const char* kind);
void setDomainReporter(DomainReporter reporter);

} // namespace checked
