// The result format: every finite result written with 15 significant digits
// must read back, through the strict reader in the same locale, as the value
// rounded to 15 digits (the C library's "%.14e" read back by strtod). Above
// the largest finite value 15 digits can write (1.79769313486231E308) the
// rounded text is beyond the double range and must read back as an overflow.
//
// Input: one byte choosing the user's locale, then the 8 bytes of a double.

#include "core/numeric_text.h"
#include "tests/fuzz/fuzz_check.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using fuzzcheck::expect;
using fuzzcheck::shown;

namespace {

const QLocale& localeFor(std::uint8_t choice)
{
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[choice % 3];
}

// Digits, a minus sign, the exponent's E and one separator.
bool wellFormed(const QString& text, const QString& separator)
{
    int separators = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.mid(i, separator.size()) == separator) {
            ++separators;
            i += separator.size() - 1;
            continue;
        }
        const QChar c = text[i];
        if (!(c >= u'0' && c <= u'9') && c != u'-' && c != u'E')
            return false;
    }
    return separators <= 1;
}

void checkSpecial(double value, const QString& text)
{
    const char* expected =
        std::isnan(value) ? (std::signbit(value) ? "-NAN" : "NAN") : (value < 0 ? "-INF" : "INF");
    expect(text == QLatin1String(expected), "NaN and infinities are written by name", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size != 1 + sizeof(double))
        return -1; // not kept in the corpus
    QLocale::setDefault(localeFor(data[0]));
    double value = 0;
    std::memcpy(&value, data + 1, sizeof value);

    const QString text = numeric::formatResult(value);
    if (!std::isfinite(value)) {
        checkSpecial(value, text);
        return 0;
    }
    const QString separator = numeric::decimalSeparator();
    const QString detail = shown(value) + QStringLiteral(" written as ") + fuzzcheck::shown(text);
    // At the longest: sign, 15 digits, separator, "E-308".
    expect(wellFormed(text, separator) && text.size() <= 21 + separator.size(),
           "a result is digits, sign, E and a separator", detail);

    char rounded[40];
    std::snprintf(rounded, sizeof rounded, "%.14e", value);
    const double expected = std::strtod(rounded, nullptr);

    const std::optional<numeric::StrictNumber> back = numeric::readWholeNumber(text);
    expect(back.has_value(), "a result reads back whole", detail);
    if (std::isinf(expected)) {
        expect(back->overflowsDouble, "a result rounded past the double range reads back as an overflow",
               detail);
        return 0;
    }
    expect(!back->overflowsDouble && back->value == expected,
           "a result reads back as its value rounded to 15 digits",
           detail + QStringLiteral(" reads back as ") + shown(back->value) + QStringLiteral(", not ") +
               QString::fromLatin1(rounded));
    expect(numeric::readLeadingNumber(text) == expected, "a result reads back leniently too", detail);
    return 0;
}
