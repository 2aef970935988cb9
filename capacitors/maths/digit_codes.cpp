#include "capacitors/maths/digit_codes.h"

#include "capacitors/maths/code_text.h"

namespace digit_codes {

using code_text::formatG;

namespace {

std::string percent(int k)
{
    return std::to_string(k) + "%";
}

} // namespace

double multiplierOf(std::string_view third)
{
    for (const MultiplierCode& code : kMultiplierCodes) {
        if (code.item == third)
            return code.multiplier;
    }
    return 0;
}

Tolerance toleranceOf(std::string_view letter, double picofarads)
{
    for (const ToleranceCode& code : kToleranceCodes) {
        if (code.item != letter)
            continue;
        const double upper = 0.01 * picofarads * code.percent;
        switch (code.kind) {
        case ToleranceKind::HalfPicofarad:
            return {"+/- " + formatG(0.5) + " pF", 0.5};
        case ToleranceKind::Symmetric:
            return {"+/- " + percent(code.percent) + " (" + formatG(upper) + " pF)", upper};
        case ToleranceKind::PlusOnly:
            // +100 % is the value itself.
            return {"+ " + percent(code.percent) + " (" + formatG(picofarads) + " pF), -0% (0 pF)",
                    picofarads};
        case ToleranceKind::PlusMinus: {
            const double lower = 0.01 * picofarads * code.lowerPercent;
            return {"+ " + percent(code.percent) + " (" + formatG(upper) + " pF), -" +
                        percent(code.lowerPercent) + " (" + formatG(lower) + " pF)",
                    upper};
        }
        case ToleranceKind::NoneGiven:
            return {"(none given)", 0};
        }
    }
    return {std::string(), 0};
}

DigitCodeValue decode(std::string_view first, std::string_view second, std::string_view third,
                      std::string_view letter)
{
    const int n = code_text::joinDigits(code_text::leadingInteger(first), code_text::leadingInteger(second));
    const double picofarads = n * multiplierOf(third);
    return {picofarads, toleranceOf(letter, picofarads)};
}

} // namespace digit_codes
