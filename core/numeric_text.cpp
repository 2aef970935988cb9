#include "core/numeric_text.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace numeric {

namespace {

bool isCSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Converts a well-formed ASCII number ("-12.5e3") to the nearest double.
// Magnitudes beyond the double range become infinity, tiny ones become a
// denormal or zero, as the C library's conversion does.
long double toLongDouble(const std::string& ascii)
{
    long double wide = 0;
    auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), wide);
    if (ec == std::errc::result_out_of_range) {
        // Beyond even the extended range: decide by the sign of the exponent.
        const auto e = ascii.find_first_of("eE");
        const bool hugeMagnitude = e == std::string::npos || ascii.find('-', e) == std::string::npos;
        const bool negative = !ascii.empty() && ascii[0] == '-';
        if (hugeMagnitude)
            return negative ? -std::numeric_limits<long double>::infinity()
                            : std::numeric_limits<long double>::infinity();
        return negative ? -0.0L : 0.0L;
    }
    (void)ptr;
    return wide;
}

double toDouble(const std::string& ascii)
{
    double value = 0;
    auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)ptr;
    if (ec == std::errc())
        return value;
    return static_cast<double>(toLongDouble(ascii));
}

// Scans an optionally signed decimal number at text[pos], accepting any of the
// given decimal separators; returns the characters consumed and the number in
// plain ASCII form, or 0 when no digit was found.
struct Scan
{
    qsizetype length = 0;
    std::string ascii;
};

Scan scanNumber(const QString& text, qsizetype pos, const QStringList& separators)
{
    Scan scan;
    qsizetype i = pos;
    std::string ascii;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    int digits = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        ascii += char(text[i].unicode());
        ++i;
        ++digits;
    }
    for (const QString& sep : separators) {
        if (!sep.isEmpty() && text.mid(i, sep.size()) == sep) {
            qsizetype j = i + sep.size();
            std::string fraction;
            while (j < text.size() && isAsciiDigit(text[j])) {
                fraction += char(text[j].unicode());
                ++j;
            }
            if (digits > 0 || !fraction.empty()) {
                ascii += '.';
                ascii += fraction;
                digits += int(fraction.size());
                i = j;
            }
            break;
        }
    }
    if (digits == 0)
        return scan;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) {
            exponent += char(text[j].unicode());
            ++j;
        }
        const qsizetype firstExponentDigit = j;
        while (j < text.size() && isAsciiDigit(text[j])) {
            exponent += char(text[j].unicode());
            ++j;
        }
        if (j > firstExponentDigit) {
            ascii += exponent;
            i = j;
        }
    }
    scan.length = i - pos;
    scan.ascii = std::move(ascii);
    return scan;
}

} // namespace

QString decimalSeparator()
{
    return QLocale().decimalPoint();
}

QString withDecimalSeparator(QString text)
{
    const QString separator = decimalSeparator();
    if (separator == QLatin1String("."))
        return text;
    for (qsizetype i = text.size() - 2; i > 0; --i) {
        if (text[i] == u'.' && text[i - 1].isDigit() && text[i + 1].isDigit())
            text.replace(i, 1, separator);
    }
    return text;
}

double readLeadingNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    QStringList separators{QStringLiteral(".")};
    const QString local = decimalSeparator();
    if (local != separators.front())
        separators.append(local);
    const Scan scan = scanNumber(text, i, separators);
    if (scan.length == 0)
        return 0;
    return toDouble(scan.ascii);
}

std::optional<StrictNumber> readWholeNumber(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const Scan scan = scanNumber(text, i, QStringList{decimalSeparator()});
    if (scan.length == 0)
        return std::nullopt;
    qsizetype end = i + scan.length;
    while (end < text.size() && text[end] == u' ')
        ++end;
    if (end != text.size())
        return std::nullopt;
    const long double wide = toLongDouble(scan.ascii);
    if (std::isinf(wide))
        return std::nullopt;
    StrictNumber number;
    number.value = toDouble(scan.ascii);
    number.overflowsDouble = std::isinf(number.value);
    return number;
}

QString formatResult(double value)
{
    if (std::isnan(value))
        return std::signbit(value) ? QStringLiteral("-NAN") : QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, rounded once: d.dddddddddddddde+XX, with a point
    // whatever the C library's locale (its separator may even be several
    // bytes long); the user's separator is put in below.
    char buffer[64]; // always enough for 15 digits and a three-digit exponent
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string text(buffer, written.ptr);
    const auto ePos = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    const int exponent10 = std::stoi(text.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    const QString separator = decimalSeparator();
    QString out;
    if (value < 0)
        out += u'-';
    const int e = exponent10 + 1; // value = 0.d1d2... x 10^e
    if (e > 15 || e < -3) {
        out += QLatin1Char(digits[0]);
        if (digits.size() > 1)
            out += separator + QString::fromLatin1(digits.substr(1));
        out += u'E';
        if (exponent10 < 0)
            out += u'-';
        out += QString::number(std::abs(exponent10));
        return out;
    }
    if (e <= 0) {
        out += u'0' + separator + QString(-e, u'0') + QString::fromLatin1(digits);
        return out;
    }
    if (int(digits.size()) <= e) {
        out += QString::fromLatin1(digits) + QString(e - int(digits.size()), u'0');
        return out;
    }
    out += QString::fromLatin1(digits.substr(0, e)) + separator + QString::fromLatin1(digits.substr(e));
    return out;
}

} // namespace numeric
