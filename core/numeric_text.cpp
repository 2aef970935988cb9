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

namespace {

struct UnitInfo
{
    FieldUnit unit;
    int scale;               // the field's unit is 10^scale of its base unit
    const char16_t* symbols; // the base unit's symbols, '|' between them
    const char16_t* name;
};

constexpr UnitInfo kUnits[] = {
    {FieldUnit::Any, 0, u"Ω|ohms|ohm|F", u""},
    {FieldUnit::Ohm, 0, u"Ω|ohms|ohm", u"ohms"},
    {FieldUnit::Kilohm, 3, u"Ω|ohms|ohm", u"k ohms"},
    {FieldUnit::Megohm, 6, u"Ω|ohms|ohm", u"M ohms"},
    {FieldUnit::Ampere, 0, u"A", u"A"},
    {FieldUnit::Milliampere, -3, u"A", u"mA"},
    {FieldUnit::Microampere, -6, u"A", u"\u00B5A"},
    {FieldUnit::Volt, 0, u"V", u"V"},
    {FieldUnit::Watt, 0, u"W", u"W"},
    {FieldUnit::Picofarad, -12, u"F", u"pF"},
    {FieldUnit::Nanofarad, -9, u"F", u"nF"},
    {FieldUnit::Microfarad, -6, u"F", u"µF"},
    {FieldUnit::Millifarad, -3, u"F", u"mF"},
    {FieldUnit::Farad, 0, u"F", u"F"},
    {FieldUnit::Henry, 0, u"H", u"H"},
    {FieldUnit::Hertz, 0, u"Hz", u"Hz"},
    {FieldUnit::Kilocycle, 3, u"Hz|c", u"kc"},
    {FieldUnit::Megacycle, 6, u"Hz|c", u"Mc"},
    {FieldUnit::Metre, 0, u"m", u"metres"},
    {FieldUnit::Second, 0, u"s", u"s"},
};

const UnitInfo* infoOf(FieldUnit unit)
{
    for (const UnitInfo& info : kUnits) {
        if (info.unit == unit)
            return &info;
    }
    return nullptr;
}

// The power of ten a prefix letter stands for.
std::optional<int> prefixExponent(QChar c)
{
    switch (c.unicode()) {
    case u'p':
        return -12;
    case u'n':
        return -9;
    case u'u':
    case u'\u00B5':
    case u'\u03BC':
        return -6;
    case u'm':
        return -3;
    case u'k':
    case u'K':
        return 3;
    case u'M':
        return 6;
    case u'G':
        return 9;
    default:
        return std::nullopt;
    }
}

// value x 10^exponent, rounded once: powers of ten up to 10^22 are exact
// doubles, so one multiplication or division by one rounds correctly.
double scaled(double value, int exponent)
{
    double power = 1;
    for (int i = 0; i < std::abs(exponent); ++i)
        power *= 10;
    return exponent >= 0 ? value * power : value / power;
}

// The length of the field's unit symbol at text[pos], or 0.
qsizetype symbolAt(const QString& text, qsizetype pos, const UnitInfo& info)
{
    for (const QStringView symbol : QStringView(info.symbols).split(u'|')) {
        if (QStringView(text).mid(pos).startsWith(symbol))
            return symbol.size();
    }
    return 0;
}

struct Tail
{
    int exponent = 0;
    qsizetype length = 0;
    bool found = false;
};

// What follows a number: a prefix and the unit symbol, the symbol alone, or
// a prefix alone, straight after the number or after a blank as the program
// writes its own values ("4.7 k"); after a blank, only as a word of its own,
// so that "4 pieces" is no 4 pico. The field's own symbol is read as the unit
// before a prefix of the same letter.
Tail readTail(const QString& text, qsizetype pos, const UnitInfo& info)
{
    Tail tail;
    const bool blank = pos < text.size() && text[pos] == u' ';
    const qsizetype at = blank ? pos + 1 : pos;
    if (at >= text.size())
        return tail;
    if (const auto prefix = prefixExponent(text[at])) {
        if (const qsizetype symbol = symbolAt(text, at + 1, info))
            return {*prefix, at + 1 + symbol - pos, true};
    }
    if (const qsizetype symbol = symbolAt(text, at, info))
        return {0, at + symbol - pos, true};
    const bool wordEnds = at + 1 >= text.size() || !text[at + 1].isLetterOrNumber();
    if (!blank || wordEnds) {
        if (const auto prefix = prefixExponent(text[at]))
            return {*prefix, at + 1 - pos, true};
    }
    return tail;
}

// A letter-for-point code at text[pos] ("4k7", "R47"): its number, the power
// of ten of its letter and its length.
struct Code
{
    double number = 0;
    int exponent = 0;
    qsizetype length = 0;
};
std::optional<Code> readCode(const QString& text, qsizetype pos, const UnitInfo& info)
{
    qsizetype i = pos;
    std::string ascii;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ascii += text[i++] == u'-' ? "-" : "";
    const qsizetype firstDigit = i;
    while (i < text.size() && isAsciiDigit(text[i]))
        ascii += char(text[i++].unicode());
    if (i >= text.size())
        return std::nullopt;
    const QChar letter = text[i];
    const bool ohms = QStringView(info.symbols).startsWith(u"Ω");
    const std::optional<int> exponent =
        letter == u'R' && ohms ? std::optional<int>(0) : prefixExponent(letter);
    if (!exponent || (i == firstDigit && letter != u'R'))
        return std::nullopt;
    qsizetype j = i + 1;
    std::string fraction;
    while (j < text.size() && isAsciiDigit(text[j]))
        fraction += char(text[j++].unicode());
    if (fraction.empty())
        return std::nullopt;
    const double number = toDouble((ascii.empty() || ascii == "-" ? ascii + "0" : ascii) + "." + fraction);
    return Code{number, *exponent, j - pos};
}

} // namespace

std::optional<double> readWithUnitPrefix(const QString& text, FieldUnit unit, bool whole)
{
    const UnitInfo* info = infoOf(unit);
    if (!info)
        return std::nullopt;
    qsizetype i = 0;
    while (i < text.size() && (whole ? text[i] == u' ' : isCSpace(text[i])))
        ++i;
    double number = 0;
    int exponent = 0;
    qsizetype end = 0;
    if (const auto code = readCode(text, i, *info)) {
        number = code->number;
        exponent = code->exponent;
        end = i + code->length;
        end += symbolAt(text, end, *info);
    } else {
        QStringList separators{decimalSeparator()};
        if (!whole && separators.front() != QLatin1String("."))
            separators.prepend(QStringLiteral("."));
        const Scan scan = scanNumber(text, i, separators);
        if (scan.length == 0)
            return std::nullopt;
        const Tail tail = readTail(text, i + scan.length, *info);
        if (!tail.found)
            return std::nullopt;
        number = toDouble(scan.ascii);
        exponent = tail.exponent;
        end = i + scan.length + tail.length;
    }
    if (whole) {
        while (end < text.size() && text[end] == u' ')
            ++end;
        if (end != text.size())
            return std::nullopt;
    }
    return scaled(number, exponent - info->scale);
}

QString unitName(FieldUnit unit)
{
    const UnitInfo* info = infoOf(unit);
    return info ? QString::fromUtf16(info->name) : QString();
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
