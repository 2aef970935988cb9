// Standard values: the tables against their defining rule, the nearest, up
// and down searches across decade boundaries, and the short texts shown
// beside the results (also run in a real "," locale: the texts keep ".").

#include "maths/e_series.h"
#include "tests/support/comma_locale.h"

#include <QTest>

#include <cmath>
#include <limits>

using e_series::Series;
using Departures = QMap<int, int>;
Q_DECLARE_METATYPE(Series)

class TestESeries : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString failure = testlocale::useLocaleOfEnvironment();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    void tablesFollowTheirRule_data();
    void tablesFollowTheirRule();
    void coarserSeriesAreEverySecondValueOfTheFiner();
    void search_data();
    void search();
    void unusableInputsGiveNothing();
    void valueText_data();
    void valueText();
    void deviationText_data();
    void deviationText();
    void nearestText();
};

void TestESeries::tablesFollowTheirRule_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<int>("size");
    // Values where the published table departs from round(10^(i/N)), as
    // printed in the standard.
    QTest::addColumn<Departures>("departures");
    QTest::newRow("E6") << Series::E6 << 6 << Departures{{3, 33}, {4, 47}};
    QTest::newRow("E12") << Series::E12 << 12 << Departures{{5, 27}, {6, 33}, {7, 39}, {8, 47}, {11, 82}};
    QTest::newRow("E24") << Series::E24 << 24 << Departures{{10, 27}, {11, 30}, {12, 33}, {13, 36},
                                                            {14, 39}, {15, 43}, {16, 47}, {22, 82}};
    QTest::newRow("E48") << Series::E48 << 48 << Departures{};
    QTest::newRow("E96") << Series::E96 << 96 << Departures{};
    QTest::newRow("E192") << Series::E192 << 192 << Departures{{185, 920}};
}

void TestESeries::tablesFollowTheirRule()
{
    QFETCH(Series, series);
    QFETCH(int, size);
    QFETCH(Departures, departures);
    const auto values = e_series::mantissas(series);
    QCOMPARE(int(values.size()), size);
    const double scale = e_series::significantDigits(series) == 2 ? 10 : 100;
    for (int i = 0; i < size; ++i) {
        const int rule = int(std::lround(std::pow(10.0, double(i) / size) * scale));
        const int expected = departures.value(i, rule);
        QVERIFY2(values[std::size_t(i)] == expected,
                 qPrintable(QStringLiteral("%1 at %2: %3, expected %4")
                                .arg(QLatin1String(e_series::name(series)))
                                .arg(i)
                                .arg(values[std::size_t(i)])
                                .arg(expected)));
    }
}

void TestESeries::coarserSeriesAreEverySecondValueOfTheFiner()
{
    const std::pair<Series, Series> pairs[] = {{Series::E6, Series::E12},
                                               {Series::E12, Series::E24},
                                               {Series::E48, Series::E96},
                                               {Series::E96, Series::E192}};
    for (const auto& [coarse, fine] : pairs) {
        const auto c = e_series::mantissas(coarse);
        const auto f = e_series::mantissas(fine);
        for (std::size_t i = 0; i < c.size(); ++i)
            QCOMPARE(c[i], f[2 * i]);
    }
}

void TestESeries::search_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("nearest");
    QTest::addColumn<double>("up");
    QTest::addColumn<double>("down");

    QTest::newRow("4790 in E24") << Series::E24 << 4790.0 << 4700.0 << 5100.0 << 4700.0;
    QTest::newRow("E24 9.1 to 10: 9.5") << Series::E24 << 9.5 << 9.1 << 10.0 << 9.1;
    QTest::newRow("E24 9.1 to 10: 9.6") << Series::E24 << 9.6 << 10.0 << 10.0 << 9.1;
    QTest::newRow("E24 just above 10") << Series::E24 << 10.2 << 10.0 << 11.0 << 10.0;
    QTest::newRow("E96 976 to 1000") << Series::E96 << 990.0 << 1000.0 << 1000.0 << 976.0;
    QTest::newRow("E96 exact 4.99k") << Series::E96 << 4990.0 << 4990.0 << 4990.0 << 4990.0;
    QTest::newRow("E12 exact 4.7 stays") << Series::E12 << 4.7 << 4.7 << 4.7 << 4.7;
    QTest::newRow("E12 below 1 ohm") << Series::E12 << 0.5 << 0.47 << 0.56 << 0.47;
    QTest::newRow("E6 milliohms") << Series::E6 << 0.0012 << 0.001 << 0.0015 << 0.001;
    QTest::newRow("E24 above 1 gigaohm") << Series::E24 << 1.25e9 << 1.2e9 << 1.3e9 << 1.2e9;
    QTest::newRow("E192 920 departs from the rule") << Series::E192 << 919.0 << 920.0 << 920.0 << 909.0;
    QTest::newRow("E12 tie goes down") << Series::E12 << 11.0 << 10.0 << 12.0 << 10.0;
}

void TestESeries::search()
{
    QFETCH(Series, series);
    QFETCH(double, x);
    QFETCH(double, nearest);
    QFETCH(double, up);
    QFETCH(double, down);
    QCOMPARE(e_series::nearest(series, x).value_or(-1), nearest);
    QCOMPARE(e_series::atLeast(series, x).value_or(-1), up);
    QCOMPARE(e_series::atMost(series, x).value_or(-1), down);
}

void TestESeries::unusableInputsGiveNothing()
{
    for (double x :
         {0.0, -4700.0, std::numeric_limits<double>::quiet_NaN(), double(INFINITY), -double(INFINITY)}) {
        QVERIFY(!e_series::nearest(Series::E24, x));
        QVERIFY(!e_series::atLeast(Series::E24, x));
        QVERIFY(!e_series::atMost(Series::E24, x));
    }
    // Nothing finite lies above the largest double.
    QVERIFY(!e_series::atLeast(Series::E24, std::numeric_limits<double>::max()));
    QVERIFY(e_series::atMost(Series::E24, std::numeric_limits<double>::max()));
    QCOMPARE(e_series::deviationPercent(4700, 4790), (4700.0 - 4790.0) / 4790.0 * 100);
}

void TestESeries::valueText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("prefixes");
    QTest::addColumn<QString>("text");

    QTest::newRow("4.7 k") << 4700.0 << true << "4.7 k";
    QTest::newRow("three digits 4.99 k") << 4990.0 << true << "4.99 k";
    QTest::newRow("1 M without zeros") << 1e6 << true << "1 M";
    QTest::newRow("470 has no prefix") << 470.0 << true << "470";
    QTest::newRow("0.47 below 1") << 0.47 << true << "0.47";
    QTest::newRow("9.1 G") << 9.1e9 << true << "9.1 G";
    QTest::newRow("999 T, the largest prefix") << 9.99e14 << true << "999 T";
    QTest::newRow("999.6 rounds into the next prefix") << 999.6 << true << "1 k";
    QTest::newRow("rounded, not cut: 17.857") << 17.857 << false << "17.9";
    QTest::newRow("plain 4700 in the user's unit") << 4700.0 << false << "4700";
    QTest::newRow("plain 330000") << 330000.0 << false << "330000";
    QTest::newRow("0.00047, last fixed form") << 0.00047 << false << "0.00047";
    QTest::newRow("4.7E-5 in exponent form") << 4.7e-5 << true << "4.7E-5";
    QTest::newRow("1E15 in exponent form") << 1e15 << true << "1E15";
}

void TestESeries::valueText()
{
    QFETCH(double, value);
    QFETCH(bool, prefixes);
    QFETCH(QString, text);
    const auto p = prefixes ? e_series::Prefixes::Metric : e_series::Prefixes::None;
    QCOMPARE(QString::fromStdString(e_series::valueText(value, p)), text);
}

void TestESeries::deviationText_data()
{
    QTest::addColumn<double>("percent");
    QTest::addColumn<QString>("text");

    QTest::newRow("4.7 k for 4790") << (4700.0 - 4790.0) / 4790.0 * 100 << "-1.9 %";
    QTest::newRow("3.3 k for 3197.3 has a plus") << 3.2118 << "+3.2 %";
    QTest::newRow("exact") << 0.0 << "0.0 %";
    QTest::newRow("rounds to nothing, no sign") << -0.04 << "0.0 %";
    QTest::newRow("over a hundred") << 150.0 << "+150.0 %";
    QTest::newRow("just under a million") << 999999.94 << "+999999.9 %";
    QTest::newRow("huge, with its power of ten") << -1.234e300 << "-1.23e+300 %";
}

void TestESeries::deviationText()
{
    QFETCH(double, percent);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(e_series::deviationText(percent)), text);
}

void TestESeries::nearestText()
{
    QCOMPARE(QString::fromStdString(e_series::nearestText(Series::E24, 4790)),
             QStringLiteral("E24: 4.7 k (-1.9 %)"));
    // 4750 - 4790 = -40, 40 / 4790 = 0.84 %.
    QCOMPARE(QString::fromStdString(e_series::nearestText(Series::E96, 4790)),
             QStringLiteral("E96: 4.75 k (-0.8 %)"));
    QCOMPARE(QString::fromStdString(e_series::nearestText(Series::E12, 0)), QString());
}

QTEST_GUILESS_MAIN(TestESeries)
#include "test_e_series.moc"
