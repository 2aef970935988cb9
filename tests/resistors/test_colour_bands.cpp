// The band arithmetic: bands to value, and value to the nearest bands (in a
// real "," locale as well, where "%f" in the C library writes a comma).

#include "resistors/maths/colour_bands.h"
#include "resistors/maths/precision_bands.h"
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
    void precisionCompose_data();
    void precisionCompose();
    void precisionNearestBands_data();
    void precisionNearestBands();
    void precisionNearestBandsCommaLocale_data() { precisionNearestBands_data(); }
    void precisionNearestBandsCommaLocale();
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

void TestColourBands::precisionCompose_data()
{
    QTest::addColumn<QList<int>>("bands"); // three digits and the multiplier's power of ten
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("toleranceOhms"); // at 1 %

    QTest::newRow("1 ohm: brown black black silver") << QList<int>{1, 0, 0, -2} << 1.0 << 0.01;
    QTest::newRow("10 ohms: gold") << QList<int>{1, 0, 0, -1} << 10.0 << 0.1;
    QTest::newRow("1 k: brown") << QList<int>{1, 0, 0, 1} << 1000.0 << 10.0;
    QTest::newRow("4.99 k, E96") << QList<int>{4, 9, 9, 1} << 4990.0 << 49.9;
    QTest::newRow("4.99 ohms, silver scaled exactly") << QList<int>{4, 9, 9, -2} << 4.99 << 0.0499;
    QTest::newRow("100 k: orange") << QList<int>{1, 0, 0, 3} << 100000.0 << 1000.0;
    QTest::newRow("1 M: yellow") << QList<int>{1, 0, 0, 4} << 1e6 << 1e4;
    QTest::newRow("black first band: 47 ohms") << QList<int>{0, 4, 7, 0} << 47.0 << 0.47;
    QTest::newRow("999 G: white x 1000000000") << QList<int>{9, 9, 9, 9} << 999e9 << 9.99e9;
}

void TestColourBands::precisionCompose()
{
    QFETCH(QList<int>, bands);
    QFETCH(double, ohms);
    QFETCH(double, toleranceOhms);
    const BandValue v = precision_bands::compose(bands[0], bands[1], bands[2], bands[3], 1);
    QCOMPARE(v.ohms, ohms);
    QVERIFY(std::fabs(v.kiloOhms - ohms / 1000) <= 1e-12 * ohms);
    QVERIFY(std::fabs(v.toleranceOhms - toleranceOhms) <= 1e-12 * toleranceOhms);
}

void TestColourBands::precisionNearestBands_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<QList<int>>("bands"); // three digits and the multiplier's list index; empty: none

    const QList<int> none;
    QTest::newRow("4990 is 499 x 10") << 4990.0 << QList<int>{4, 9, 9, 3};
    QTest::newRow("4996 rounds up to 500 x 10") << 4996.0 << QList<int>{5, 0, 0, 3};
    QTest::newRow("12345 is 123 x 100") << 12345.0 << QList<int>{1, 2, 3, 4};
    // 1.005 is stored as 1.00499999999999989..., just below the half, so it
    // rounds down to 1.00; the rounding is the double's, not the decimal text's.
    QTest::newRow("1.005 gives 1.00") << 1.005 << QList<int>{1, 0, 0, 0};
    QTest::newRow("1 ohm, the smallest") << 1.0 << QList<int>{1, 0, 0, 0};
    QTest::newRow("0.9996 rounds up to 1 ohm") << 0.9996 << QList<int>{1, 0, 0, 0};
    QTest::newRow("1 M is 100 x 10000") << 1e6 << QList<int>{1, 0, 0, 6};
    QTest::newRow("999 G, the largest") << 999e9 << QList<int>{9, 9, 9, 11};
    QTest::newRow("0 ohms, no bands") << 0.0 << none;
    QTest::newRow("0.5 below the bands") << 0.5 << none;
    QTest::newRow("999.6 G rounds to 1000 G, beyond") << 999.6e9 << none;
    QTest::newRow("2e12 beyond the bands") << 2e12 << none;
    QTest::newRow("negative") << -4990.0 << none;
}

void TestColourBands::precisionNearestBands()
{
    QFETCH(double, ohms);
    QFETCH(QList<int>, bands);
    const auto b = precision_bands::nearestBands(ohms);
    const QList<int> found =
        b ? QList<int>{b->digit1, b->digit2, b->digit3, b->multiplierIndex} : QList<int>{};
    QCOMPARE(found, bands);
}

void TestColourBands::precisionNearestBandsCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    precisionNearestBands();
}

QTEST_GUILESS_MAIN(TestColourBands)
#include "test_colour_bands.moc"
