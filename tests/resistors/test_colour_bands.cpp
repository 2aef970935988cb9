// The band arithmetic: bands to value, and value to the nearest bands (in a
// real "," locale as well, where "%f" in the C library writes a comma).

#include "resistors/colour_bands.h"
#include "tests/support/comma_locale.h"

#include <QTest>

#include <cmath>

using namespace colour_bands;

class TestColourBands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString failure = testlocale::useLocaleOfEnvironment();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    void compose_data();
    void compose();
    void nearestBands_data();
    void nearestBands();
    void nearestBandsCommaLocale_data() { nearestBands_data(); }
    void nearestBandsCommaLocale();
    void tablesMatchExactly_data();
    void tablesMatchExactly();
};

void TestColourBands::compose_data()
{
    QTest::addColumn<int>("d1");
    QTest::addColumn<int>("d2");
    QTest::addColumn<double>("multiplier");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("toleranceOhms");

    QTest::newRow("brown red gold violet") << 1 << 2 << 0.1 << 0.1 << 1.2 << 0.0012;
    QTest::newRow("brown black red gold") << 1 << 0 << 100.0 << 5.0 << 1000.0 << 50.0;
    QTest::newRow("yellow violet gold") << 4 << 7 << 0.1 << 20.0 << 4.7 << 0.94;
    QTest::newRow("black first band") << 0 << 5 << 1.0 << 20.0 << 5.0 << 1.0;
    QTest::newRow("black black") << 0 << 0 << 1000.0 << 5.0 << 0.0 << 0.0;
    QTest::newRow("white white gray") << 9 << 9 << 100000000.0 << 10.0 << 9900000000.0 << 990000000.0;
    QTest::newRow("yellow violet red no band") << 4 << 7 << 100.0 << 20.0 << 4700.0 << 940.0;
}

void TestColourBands::compose()
{
    QFETCH(int, d1);
    QFETCH(int, d2);
    QFETCH(double, multiplier);
    QFETCH(double, tolerance);
    QFETCH(double, ohms);
    QFETCH(double, toleranceOhms);
    const BandValue v = colour_bands::compose(d1, d2, multiplier, tolerance);
    QCOMPARE(v.ohms, ohms);
    QVERIFY(std::fabs(v.kiloOhms - ohms / 1000) <= 1e-12 * std::fabs(ohms));
    QVERIFY(std::fabs(v.megaOhms - ohms / 1e6) <= 1e-12 * std::fabs(ohms));
    QVERIFY(std::fabs(v.toleranceOhms - toleranceOhms) <= 1e-9 * std::max(1.0, toleranceOhms));
}

void TestColourBands::nearestBands_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<int>("digit1"); // -1: band left as it is
    QTest::addColumn<int>("digit2");
    QTest::addColumn<int>("multiplier"); // index into the band-3 list, -1: kept

    QTest::newRow("4700") << 4700.0 << 4 << 7 << 3;
    QTest::newRow("4790 cut, not rounded") << 4790.0 << 4 << 7 << 3;
    QTest::newRow("0.47 gives 0 and 4, gold") << 0.47 << 0 << 4 << 0;
    QTest::newRow("5 gives green black gold") << 5.0 << 5 << 0 << 0;
    QTest::newRow("1.2") << 1.2 << 1 << 2 << 0;
    QTest::newRow("500") << 500.0 << 5 << 0 << 2;
    QTest::newRow("-47 keeps band 1") << -47.0 << -1 << 4 << 2;
    QTest::newRow("ten integer digits keep band 3") << 1000000000.0 << 1 << 0 << -1;
    QTest::newRow("nine integer digits: violet") << 470000000.0 << 4 << 7 << 8;
    QTest::newRow("9.9999999 rounds in the six decimals") << 9.9999999 << 1 << 0 << 1;
    QTest::newRow("0.05 below the bands") << 0.05 << 0 << 0 << 0;
    QTest::newRow("largest double") << 1.7976931348623157e308 << 1 << 7 << -1;
}

void TestColourBands::nearestBands()
{
    QFETCH(double, ohms);
    QFETCH(int, digit1);
    QFETCH(int, digit2);
    QFETCH(int, multiplier);
    const NearestBands b = colour_bands::nearestBands(ohms);
    QCOMPARE(b.digit1.value_or(-1), digit1);
    QCOMPARE(b.digit2.value_or(-1), digit2);
    QCOMPARE(b.multiplierIndex.value_or(-1), multiplier);
}

void TestColourBands::nearestBandsCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    nearestBands();
}

void TestColourBands::tablesMatchExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("digit");
    QTest::addColumn<int>("multiplier");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("tempCoeff");

    QTest::newRow("Brown") << "Brown" << 1 << 2 << 3 << 6;
    QTest::newRow("lower case matches nothing") << "brown" << -1 << -1 << -1 << -1;
    QTest::newRow("Gray only on band 3") << "Gray" << -1 << 9 << -1 << -1;
    QTest::newRow("Grey not on band 3") << "Grey" << 8 << -1 << -1 << 0;
    QTest::newRow("Gold") << "Gold" << -1 << 0 << 5 << -1;
    QTest::newRow("No band") << "No band" << -1 << -1 << 7 << 8;
    QTest::newRow("trailing blank") << "Red " << -1 << -1 << -1 << -1;
    QTest::newRow("Silver") << "Silver" << -1 << -1 << 6 << -1;
    QTest::newRow("White") << "White" << 9 << -1 << -1 << -1;
}

void TestColourBands::tablesMatchExactly()
{
    QFETCH(QString, text);
    QFETCH(int, digit);
    QFETCH(int, multiplier);
    QFETCH(int, tolerance);
    QFETCH(int, tempCoeff);
    const std::string t = text.toStdString();
    QCOMPARE(match(kDigitBands, t).value_or(-1), digit);
    QCOMPARE(match(kMultiplierBands, t).value_or(-1), multiplier);
    QCOMPARE(match(kToleranceBands, t).value_or(-1), tolerance);
    QCOMPARE(match(kTempCoeffBands, t).value_or(-1), tempCoeff);
}

QTEST_GUILESS_MAIN(TestColourBands)
#include "test_colour_bands.moc"
