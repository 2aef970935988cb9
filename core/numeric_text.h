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

// General format, 15 significant digits, user's decimal separator:
// "NAN", "INF", "-INF", fixed form for decimal exponents -3..15 of 0.d1d2...,
// otherwise d.dddE[-]x.
QString formatResult(double value);

} // namespace numeric
