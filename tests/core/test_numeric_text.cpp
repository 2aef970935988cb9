// Reading numbers from field texts (lenient and strict rules) and writing
// results in the general 15-digit format, in a "." and a real "," locale (the
// C library's too, so a conversion that follows the C locale shows up).

#include "core/numeric_text.h"
#include "tests/support/comma_locale.h"

#include <QLocale>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Exact comparison: QCOMPARE on doubles is fuzzy and would take a denormal
// for zero.
bool same(double a, double b)
{
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) && std::isnan(b);
    return a == b;
}

QByteArray describe(double v)
{
    return QByteArray::number(v, 'g', 17);
}

void useDotLocale()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace

class TestNumericText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString failure = testlocale::useLocaleOfEnvironment();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    void init() { useDotLocale(); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void lenientReading_data();
    void lenientReading();
    void lenientReadingCommaLocale_data();
    void lenientReadingCommaLocale();
    void strictReading_data();
    void strictReading();
    void strictReadingCommaLocale_data();
    void strictReadingCommaLocale();
    void formatting_data();
    void formatting();
    void formattingCommaLocale_data();
    void formattingCommaLocale();
    void unitPrefixes_data();
    void unitPrefixes();
    void unitPrefixesCommaLocale_data() { unitPrefixes_data(); }
    void unitPrefixesCommaLocale();
    void pointsBetweenDigitsFollowTheLocale_data();
    void pointsBetweenDigitsFollowTheLocale();
    void formattedResultReadsBackWhole_data();
    void formattedResultReadsBackWhole();
};

void TestNumericText::unitPrefixes_data()
{
    using numeric::FieldUnit;
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("whole");      // the strict rule
    QTest::addColumn<double>("expected"); // NaN: no prefixed value, the plain reading applies
    const double none = std::nan("");
    const struct
    {
        const char* text;
        FieldUnit unit;
        bool whole;
        double expected;
    } rows[] = {
        {"4.7k", FieldUnit::Ohm, false, 4700},
        {"4k7", FieldUnit::Ohm, false, 4700},
        {"4k7", FieldUnit::Kilohm, false, 4.7},
        {"1M5", FieldUnit::Megohm, false, 1.5},
        {"R47", FieldUnit::Ohm, false, 0.47},
        {"4R7", FieldUnit::Ohm, true, 4.7},
        {"4.7 k\u03A9", FieldUnit::Ohm, true, 4700},
        {"4.7 kohm", FieldUnit::Ohm, false, 4700},
        {"4k7\u03A9", FieldUnit::Ohm, true, 4700},
        {"20m", FieldUnit::Milliampere, false, 20},
        {"20m", FieldUnit::Ampere, false, 0.02},
        {"20mA", FieldUnit::Ampere, false, 0.02},
        {"0.02A", FieldUnit::Milliampere, false, 20},
        {"100n", FieldUnit::Microfarad, false, 0.1},
        {"100n", FieldUnit::Picofarad, false, 100000},
        {"100nF", FieldUnit::Nanofarad, true, 100},
        {"2.2\u00B5", FieldUnit::Microfarad, false, 2.2},
        {"2n2", FieldUnit::Nanofarad, false, 2.2},
        {"10 mH", FieldUnit::Henry, true, 0.01},
        {"7.1M", FieldUnit::Kilocycle, false, 7100},
        {"7.1 MHz", FieldUnit::Kilocycle, true, 7100},
        {"40m", FieldUnit::Metre, false, 40},
        {"40 km", FieldUnit::Metre, false, 40000},
        {"40mm", FieldUnit::Metre, false, 0.04},
        {"100n", FieldUnit::Any, false, 1e-7},
        {"4k7", FieldUnit::Any, false, 4700},
        {"-4k7", FieldUnit::Ohm, false, -4700},
        {"1e3k", FieldUnit::Ohm, false, 1e6},
        {"4.7k junk", FieldUnit::Ohm, false, 4700},
        // A prefix after a blank, as the program writes its own values.
        {"4.7 k", FieldUnit::Ohm, true, 4700},
        {"7 m", FieldUnit::Ampere, false, 0.007},
        {"2.2 \u00B5", FieldUnit::Farad, false, 2.2e-6},
        // No prefix, code or unit of the field: the plain rules read these.
        {"4.7k junk", FieldUnit::Ohm, true, none},
        {"7 volts", FieldUnit::Ampere, false, none},
        {"4 pieces", FieldUnit::Ohm, false, none},
        {"2 min", FieldUnit::Volt, false, none},
        {"1e3", FieldUnit::Ohm, false, none},
        {"1E-3", FieldUnit::Volt, true, none},
        {"12", FieldUnit::Volt, false, none},
        {"R47", FieldUnit::Volt, false, none},
        {"4.7k", FieldUnit::Plain, false, none},
        {"k7", FieldUnit::Ohm, false, none},
        {"", FieldUnit::Ohm, false, none},
    };
    for (const auto& r : rows)
        QTest::newRow(r.text) << QString::fromUtf8(r.text) << int(r.unit) << r.whole << r.expected;
}

void TestNumericText::unitPrefixes()
{
    QFETCH(QString, text);
    QFETCH(int, unit);
    QFETCH(bool, whole);
    QFETCH(double, expected);
    // The text as the user types it in the locale in force.
    if (QLocale().decimalPoint() != u'.')
        text.replace(u'.', QLocale().decimalPoint());
    const std::optional<double> read = numeric::readWithUnitPrefix(text, numeric::FieldUnit(unit), whole);
    if (std::isnan(expected)) {
        QVERIFY2(!read, qPrintable(QString::number(read.value_or(0))));
        return;
    }
    QVERIFY(read.has_value());
    QCOMPARE(*read, expected);
}

void TestNumericText::unitPrefixesCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    unitPrefixes();
}

void TestNumericText::pointsBetweenDigitsFollowTheLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("comma");
    QTest::newRow("standard value line") << "E24: 0.75 (-1.9 %)"
                                         << "E24: 0,75 (-1,9 %)";
    QTest::newRow("dropper line") << "Next E12 up: 1.2 k ohms, 18.3 mA"
                                  << "Next E12 up: 1,2 k ohms, 18,3 mA";
    QTest::newRow("capacitor tolerance") << "5% (0.5 pF)"
                                         << "5% (0,5 pF)";
    QTest::newRow("exponent form") << "E96: 1.21E-5 (+0.8 %)"
                                   << "E96: 1,21E-5 (+0,8 %)";
    QTest::newRow("a full stop that ends a sentence") << "Rating 2 W. Next 0.5."
                                                      << "Rating 2 W. Next 0,5.";
}

void TestNumericText::pointsBetweenDigitsFollowTheLocale()
{
    QFETCH(QString, text);
    QFETCH(QString, comma);
    QCOMPARE(numeric::withDecimalSeparator(text), text);
    const testlocale::CommaLocale locale;
    QVERIFY2(locale.failure().isEmpty(), qPrintable(locale.failure()));
    QCOMPARE(numeric::withDecimalSeparator(text), comma);
}

void TestNumericText::lenientReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("plain integer") << "7" << 7.0;
    QTest::newRow("leading blanks") << "   7" << 7.0;
    QTest::newRow("leading tab and newline") << "\t\n 7" << 7.0;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("minus sign") << "-7" << -7.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("fraction only") << ".5" << 0.5;
    QTest::newRow("signed fraction only") << "-.5" << -0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital exponent") << "1E3" << 1000.0;
    QTest::newRow("negative exponent") << "2.5e-3" << 0.0025;
    QTest::newRow("explicit plus exponent") << "4e+2" << 400.0;
    QTest::newRow("exponent without digits") << "1e" << 1.0;
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0;
    QTest::newRow("exponent minus without digits") << "1e-" << 1.0;
    QTest::newRow("fractional exponent stops at point") << "5e2.5" << 500.0;
    QTest::newRow("blank then word ignored") << "7 abc" << 7.0;
    QTest::newRow("letters right after digits") << "12abc" << 12.0;
    QTest::newRow("unit after number") << "4.7uF" << 4.7;
    QTest::newRow("comma stops in a point locale") << "1,5" << 1.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("word only") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("sign then blank") << "- 5" << 0.0;
    QTest::newRow("double sign") << "--5" << 0.0;
    QTest::newRow("nan is no number") << "nan" << 0.0;
    QTest::newRow("inf is no number") << "inf" << 0.0;
    QTest::newRow("infinity is no number") << "INFINITY" << 0.0;
    QTest::newRow("hexadecimal stops at x") << "0x10" << 0.0;
    QTest::newRow("hexadecimal float stops at x") << "0x1p3" << 0.0;
    QTest::newRow("non-ASCII digits are no number") << QString::fromUtf8("\xd9\xa3") << 0.0;
    QTest::newRow("full-width digits are no number") << QString::fromUtf8("\xef\xbc\x97") << 0.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("positive overflow") << "1e999" << kInf;
    QTest::newRow("negative overflow") << "-1e999" << -kInf;
    QTest::newRow("underflow to zero") << "1e-999" << 0.0;
    QTest::newRow("smallest denormal") << "4.9e-324" << 4.9406564584124654e-324;
    QTest::newRow("largest double") << "1.7976931348623157e308" << DBL_MAX;
    QTest::newRow("just past the largest double") << "1.8e308" << kInf;
    QTest::newRow("long mantissa") << "0.1000000000000000000000000000000000000001" << 0.1;
}

void TestNumericText::lenientReading()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = numeric::readLeadingNumber(text);
    QVERIFY2(same(actual, expected), describe(actual) + " instead of " + describe(expected));
}

void TestNumericText::lenientReadingCommaLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("comma fraction") << "1,5" << 1.5;
    QTest::newRow("point fraction still read") << "1.5" << 1.5;
    QTest::newRow("comma with exponent") << "1,5e2" << 150.0;
    QTest::newRow("second comma stops") << "1,5,3" << 1.5;
    QTest::newRow("comma fraction only") << ",25" << 0.25;
    QTest::newRow("thousands grouping is not read") << "1.000,5" << 1.0;
    QTest::newRow("word only") << "abc" << 0.0;
}

void TestNumericText::lenientReadingCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = numeric::readLeadingNumber(text);
    QVERIFY2(same(actual, expected), describe(actual) + " instead of " + describe(expected));
}

void TestNumericText::strictReading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");
    QTest::addColumn<bool>("overflows");

    QTest::newRow("zero is valid") << "0" << true << 0.0 << false;
    QTest::newRow("integer") << "7" << true << 7.0 << false;
    QTest::newRow("surrounding blanks") << "  7  " << true << 7.0 << false;
    QTest::newRow("negative") << "-7" << true << -7.0 << false;
    QTest::newRow("plus sign") << "+7" << true << 7.0 << false;
    QTest::newRow("fraction") << "0.001" << true << 0.001 << false;
    QTest::newRow("exponent form") << "1e-3" << true << 0.001 << false;
    QTest::newRow("capital exponent with sign") << "2.5E+2" << true << 250.0 << false;
    QTest::newRow("beyond double but within extended") << "1e400" << true << kInf << true;
    QTest::newRow("negative beyond double") << "-1e400" << true << -kInf << true;
    QTest::newRow("near the extended limit") << "1e4900" << true << kInf << true;
    QTest::newRow("largest double fits") << "1.7976931348623157e308" << true << DBL_MAX << false;

    QTest::newRow("empty") << "" << false << 0.0 << false;
    QTest::newRow("blanks only") << "   " << false << 0.0 << false;
    QTest::newRow("leading tab") << "\t7" << false << 0.0 << false;
    QTest::newRow("trailing tab") << "7\t" << false << 0.0 << false;
    QTest::newRow("blank then word") << "7 abc" << false << 0.0 << false;
    QTest::newRow("unit after number") << "1uF" << false << 0.0 << false;
    QTest::newRow("unit after blank") << "1 mH" << false << 0.0 << false;
    QTest::newRow("comma in a point locale") << "1,5" << false << 0.0 << false;
    QTest::newRow("two points") << "1.2.3" << false << 0.0 << false;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0 << false;
    QTest::newRow("exponent sign without digits") << "1e+" << false << 0.0 << false;
    QTest::newRow("sign only") << "-" << false << 0.0 << false;
    QTest::newRow("double sign") << "+-7" << false << 0.0 << false;
    QTest::newRow("sign then blank") << "- 7" << false << 0.0 << false;
    QTest::newRow("blank inside number") << "1 000" << false << 0.0 << false;
    QTest::newRow("hexadecimal") << "0x10" << false << 0.0 << false;
    QTest::newRow("inf") << "inf" << false << 0.0 << false;
    QTest::newRow("nan") << "nan" << false << 0.0 << false;
    QTest::newRow("beyond extended range") << "1e5000" << false << 0.0 << false;
}

void TestNumericText::strictReading()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    QFETCH(bool, overflows);
    const auto number = numeric::readWholeNumber(text);
    QCOMPARE(number.has_value(), valid);
    if (!valid)
        return;
    QVERIFY2(same(number->value, expected), describe(number->value) + " instead of " + describe(expected));
    QCOMPARE(number->overflowsDouble, overflows);
}

void TestNumericText::strictReadingCommaLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<double>("expected");

    QTest::newRow("comma fraction") << "1,5" << true << 1.5;
    QTest::newRow("comma with exponent") << "1,5e3" << true << 1500.0;
    QTest::newRow("point is not the separator") << "1.5" << false << 0.0;
    QTest::newRow("two commas") << "1,5,3" << false << 0.0;
    QTest::newRow("integer") << "12" << true << 12.0;
}

void TestNumericText::strictReadingCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(double, expected);
    const auto number = numeric::readWholeNumber(text);
    QCOMPARE(number.has_value(), valid);
    if (valid)
        QVERIFY2(same(number->value, expected),
                 describe(number->value) + " instead of " + describe(expected));
}

void TestNumericText::formatting_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << "0.3";
    QTest::newRow("one third") << 1.0 / 3.0 << "0.333333333333333";
    QTest::newRow("two thirds rounds up") << 2.0 / 3.0 << "0.666666666666667";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("integer") << 48.0 << "48";
    QTest::newRow("negative integer") << -100.0 << "-100";
    QTest::newRow("negative fraction") << -2.5 << "-2.5";
    QTest::newRow("0.001 fixed") << 0.001 << "0.001";
    QTest::newRow("0.0001 still fixed") << 0.0001 << "0.0001";
    QTest::newRow("0.000123456 still fixed") << 0.000123456 << "0.000123456";
    QTest::newRow("0.00001 scientific") << 0.00001 << "1E-5";
    QTest::newRow("negative 0.00001 scientific") << -0.00001 << "-1E-5";
    QTest::newRow("0.0000123 scientific with fraction") << 0.0000123 << "1.23E-5";
    QTest::newRow("rounds up into fixed form") << 9.9999999999999995e-5 << "0.0001";
    QTest::newRow("10^14 in full") << 1e14 << "100000000000000";
    QTest::newRow("15 nines in full") << 999999999999999.0 << "999999999999999";
    QTest::newRow("15 digits in full") << 123456789012345.0 << "123456789012345";
    QTest::newRow("10^15 scientific") << 1e15 << "1E15";
    QTest::newRow("rounds up to 10^15") << 999999999999999.9 << "1E15";
    QTest::newRow("16 digits scientific") << 1234567890123456.0 << "1.23456789012346E15";
    QTest::newRow("1.2345678901234567e16") << 1.2345678901234567e16 << "1.23456789012346E16";
    QTest::newRow("1.23456789012345678e17") << 1.23456789012345678e17 << "1.23456789012346E17";
    QTest::newRow("negative scientific") << -1.5e300 << "-1.5E300";
    QTest::newRow("tiny") << 1e-300 << "1E-300";
    QTest::newRow("smallest denormal") << 5e-324 << "4.94065645841247E-324";
    QTest::newRow("largest double") << DBL_MAX << "1.79769313486232E308";
    QTest::newRow("fraction with integer part") << 12345.678 << "12345.678";
    QTest::newRow("15 significant digits with fraction") << 159154.94309189535 << "159154.943091895";
    QTest::newRow("not a number") << kNaN << "NAN";
    QTest::newRow("infinity") << kInf << "INF";
    QTest::newRow("negative infinity") << -kInf << "-INF";
}

void TestNumericText::formatting()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(numeric::formatResult(value), expected);
}

void TestNumericText::formattingCommaLocale_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("half") << 0.5 << "0,5";
    QTest::newRow("one third") << 1.0 / 3.0 << "0,333333333333333";
    QTest::newRow("negative fraction") << -12.5 << "-12,5";
    QTest::newRow("scientific with fraction") << 1.5e-5 << "1,5E-5";
    QTest::newRow("scientific without fraction") << 1e20 << "1E20";
    QTest::newRow("large integer has no grouping") << 123456789.0 << "123456789";
}

void TestNumericText::formattingCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(numeric::formatResult(value), expected);
}

void TestNumericText::formattedResultReadsBackWhole_data()
{
    QTest::addColumn<bool>("commaLocale");
    QTest::addColumn<double>("value");

    QTest::newRow("point locale") << false << 2.5;
    QTest::newRow("comma locale") << true << 2.5;
    QTest::newRow("comma locale scientific") << true << 1.5e-5;
}

void TestNumericText::formattedResultReadsBackWhole()
{
    QFETCH(bool, commaLocale);
    QFETCH(double, value);
    std::optional<testlocale::CommaLocale> comma;
    if (commaLocale) {
        comma.emplace();
        QVERIFY2(comma->failure().isEmpty(), qPrintable(comma->failure()));
    }
    const QString text = numeric::formatResult(value);
    QCOMPARE(numeric::readLeadingNumber(text), value);
    const auto strict = numeric::readWholeNumber(text);
    QVERIFY(strict.has_value());
    QCOMPARE(strict->value, value);
}

QTEST_GUILESS_MAIN(TestNumericText)
#include "test_numeric_text.moc"
