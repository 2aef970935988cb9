// The lenient and strict number readers against the C library's own
// conversion (strtod in the "C" locale).
//
// Input: one byte choosing the user's locale (decimal separator ".", "," or
// the Arabic one), then the field's text in UTF-8.
//
// Both readers must give exactly strtod's value for the text with the
// accepted separators turned into "."; every character strtod could read but
// the readers must not (the x of hexadecimal, the letters of "inf" and "nan",
// non-ASCII digits) is first turned into a "#", so strtod stops where the
// readers' grammar stops. The strict reader must also accept exactly the texts
// strtod reads whole (blanks around allowed, no other white space), refuse
// those beyond the extended range, and flag those beyond the double range.
//
// The unit-prefix reader, for every kind of field, reads a value only where
// the text holds a prefix, a letter-for-point code or a unit symbol; without
// one the plain readers stand, and a plain number reads no differently.

#include "core/numeric_text.h"
#include "tests/fuzz/fuzz_check.h"

#include <QLocale>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

using fuzzcheck::expect;
using fuzzcheck::shown;

namespace {

bool identical(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The text as strtod is to see it: each accepted separator becomes ".", the
// kept white space and the characters of a decimal number stay, all else
// becomes "#".
std::string forCLibrary(const QString& text, const QStringList& separators, const char* keptBlanks)
{
    std::string out;
    for (qsizetype i = 0; i < text.size();) {
        bool separator = false;
        for (const QString& sep : separators) {
            if (text.mid(i, sep.size()) == sep) {
                out += '.';
                i += sep.size();
                separator = true;
                break;
            }
        }
        if (separator)
            continue;
        const char16_t c = text[i].unicode();
        const bool numberChar = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E';
        const bool kept = c != 0 && c < 0x80 && (numberChar || std::strchr(keptBlanks, char(c)) != nullptr);
        out += kept ? char(c) : '#';
        ++i;
    }
    return out;
}

void checkLenient(const QString& text, const QString& local)
{
    QStringList separators{QStringLiteral(".")};
    if (local != separators.front())
        separators.append(local);
    const std::string ascii = forCLibrary(text, separators, " \t\n\v\f\r");
    const double expected = std::strtod(ascii.c_str(), nullptr);
    const double actual = numeric::readLeadingNumber(text);
    expect(identical(actual, expected), "the lenient reader gives strtod's value",
           shown(text) + QStringLiteral(" read as ") + shown(actual) + QStringLiteral(", strtod gives ") +
               shown(expected));
}

void checkStrict(const QString& text, const QString& local)
{
    const std::string ascii = forCLibrary(text, {local}, " ");
    const char* start = ascii.c_str();
    char* end = nullptr;
    const double expected = std::strtod(start, &end);
    const bool readWhole = end != start && std::strspn(end, " ") == std::strlen(end);
    const bool beyondExtended = readWhole && std::isinf(std::strtold(start, nullptr));

    const std::optional<numeric::StrictNumber> actual = numeric::readWholeNumber(text);
    expect(actual.has_value() == (readWhole && !beyondExtended),
           "the strict reader accepts exactly the whole numbers within the extended range",
           shown(text) + (actual ? QStringLiteral(" accepted") : QStringLiteral(" refused")));
    if (!actual)
        return;
    expect(identical(actual->value, expected), "the strict reader gives strtod's value",
           shown(text) + QStringLiteral(" read as ") + shown(actual->value) +
               QStringLiteral(", strtod gives ") + shown(expected));
    expect(actual->overflowsDouble == std::isinf(expected), "the strict reader flags overflow", shown(text));
}

const QLocale& localeFor(std::uint8_t choice)
{
    static const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Arabic, QLocale::Egypt)};
    return locales[choice % 3];
}

void checkUnitPrefixes(const QString& text)
{
    // The letters a prefix, a code or a unit symbol is made of.
    static const QString letters = QStringLiteral(u"pnu\u00B5\u03BCmkKMGRΩohsAVWFHzc");
    bool marked = false;
    for (const QChar c : text)
        marked = marked || letters.contains(c);
    for (int unit = int(numeric::FieldUnit::Plain); unit <= int(numeric::FieldUnit::Metre); ++unit) {
        for (const bool whole : {false, true}) {
            const std::optional<double> read =
                numeric::readWithUnitPrefix(text, numeric::FieldUnit(unit), whole);
            expect(!read || marked, "a value is read with a prefix only where one is written", shown(text));
            if (read && whole)
                expect(numeric::readWithUnitPrefix(text, numeric::FieldUnit(unit), false).has_value(),
                       "what the strict rule reads with a prefix, the lenient rule reads too", shown(text));
        }
    }
    expect(!numeric::readWithUnitPrefix(text, numeric::FieldUnit::Plain, false),
           "a field with no unit reads no prefixes", shown(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    QLocale::setDefault(localeFor(data[0]));
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString local = numeric::decimalSeparator();
    checkLenient(text, local);
    checkStrict(text, local);
    checkUnitPrefixes(text);
    return 0;
}
