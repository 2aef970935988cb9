#include "core/checked_math.h"

#include <cmath>
#include <limits>

namespace checked {

namespace {

const char* faultText(FaultKind kind)
{
    switch (kind) {
    case FaultKind::DivisionByZero:
        return "Floating point division by zero";
    case FaultKind::Overflow:
        return "Floating point overflow";
    case FaultKind::Invalid:
        return "Invalid floating point operation";
    }
    return "Invalid floating point operation";
}

DomainReporter g_domainReporter = nullptr;

double checkResult(double result, double a, double b)
{
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        throw FloatFault(FaultKind::Overflow);
    return result;
}

} // namespace

FloatFault::FloatFault(FaultKind kind) : std::runtime_error(faultText(kind)), m_kind(kind)
{
}

double div(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return a / b;
    // As the hardware does: only a finite non-zero number divided by zero is
    // a division by zero; 0 / 0 is invalid, and an infinity stays one.
    if (b == 0 && !std::isinf(a))
        throw FloatFault(a == 0 ? FaultKind::Invalid : FaultKind::DivisionByZero);
    if (std::isinf(a) && std::isinf(b))
        throw FloatFault(FaultKind::Invalid);
    return checkResult(a / b, a, b);
}

double mul(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return a * b;
    if ((std::isinf(a) && b == 0) || (std::isinf(b) && a == 0))
        throw FloatFault(FaultKind::Invalid);
    return checkResult(a * b, a, b);
}

double add(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return a + b;
    if (std::isinf(a) && std::isinf(b) && (a > 0) != (b > 0))
        throw FloatFault(FaultKind::Invalid);
    return checkResult(a + b, a, b);
}

double sub(double a, double b)
{
    return add(a, -b);
}

double store(long double value)
{
    const double narrowed = static_cast<double>(value);
    if (std::isinf(narrowed) && std::isfinite(value))
        throw FloatFault(FaultKind::Overflow);
    return narrowed;
}

double sqrt(double a)
{
    if (a < 0) {
        if (g_domainReporter)
            g_domainReporter("sqrt", "DOMAIN");
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::sqrt(a);
}

void setDomainReporter(DomainReporter reporter)
{
    g_domainReporter = reporter;
}

} // namespace checked
