#pragma once

// Text <-> number rules shared by every calculator panel.
//
// Two reading rules exist. The lenient rule reads a leading number and ignores
// whatever follows (so "12abc" is 12 and an entry with no number at all is 0);
// the strict rule accepts a text only when all of it is one number. Results are
// written in the general format with 15 significant digits.
//
// Both readers use "." as the decimal point and also the user's own decimal
// separator, so a result written in a "," locale can be read back whole.

#include <QString>

#include <optional>

namespace numeric {

// The decimal separator of the user's regional settings (QLocale's default).
QString decimalSeparator();

// A text written with "." decimal points (the standard-value lines, the
// capacitor tolerance texts) with each point that stands between two digits
// written as the user's decimal separator, as the results are.
QString withDecimalSeparator(QString text);

// Lenient reading: leading white space, an optional sign, digits with an
// optional fraction and an optional exponent; reading stops at the first
// character that does not fit. No digits gives 0; a magnitude beyond the double
// range gives plus or minus infinity. Hexadecimal, "inf" and "nan" are not
// numbers here.
double readLeadingNumber(const QString& text);

// Strict reading. Empty when the text is not wholly one number:
// optional blanks, optional sign, digits with at most one decimal separator,
// optional exponent, optional trailing blanks (tabs are not blanks here).
struct StrictNumber
{
    double value = 0;
    // The text is a valid number but beyond the double range (it would fit
    // the wider extended-precision range); storing it is an overflow.
    bool overflowsDouble = false;
};
std::optional<StrictNumber> readWholeNumber(const QString& text);

// The unit a field holds its number in, for reading values typed with a unit
// prefix ("4k7", "100n", "20mA"). Plain: the field reads no prefixes; Any:
// the user picks the unit, and a prefix scales the number to ohms or farads.
enum class FieldUnit
{
    Plain,
    Any,
    Ohm,
    Kilohm,
    Megohm,
    Ampere,
    Milliampere,
    Microampere,
    Volt,
    Watt,
    Picofarad,
    Nanofarad,
    Microfarad,
    Millifarad,
    Farad,
    Henry,
    Hertz,
    Kilocycle,
    Megacycle,
    Metre,
    Second
};

// A value written as engineers write it, converted into the field's unit:
// the number with an SI prefix (p, n, u or µ, m, k or K, M, G) straight after
// it ("4.7k") or after one blank before the field's unit symbol ("4.7 kΩ");
// a letter-for-point code ("4k7", "2n2", "1M5", and R for ohms: "R47", "4R7");
// or the field's unit symbol, which converts ("0.02A" in a milliamp field).
// The field's own unit symbol is a unit, not a prefix ("40m" in metres).
// Read as the lenient rule reads (what follows is ignored) or, with whole,
// as the strict rule does (nothing but blanks may follow). Empty when the
// text holds no prefix, code or unit symbol: the plain reading applies.
std::optional<double> readWithUnitPrefix(const QString& text, FieldUnit unit, bool whole);

// The unit's own name in a sentence ("ohms", "mA"): for telling the user how
// a value was read.
QString unitName(FieldUnit unit);

// General format, 15 significant digits, user's decimal separator:
// "NAN", "INF", "-INF", fixed form for decimal exponents -3..15 of 0.d1d2...,
// otherwise d.dddE[-]x.
QString formatResult(double value);

} // namespace numeric
