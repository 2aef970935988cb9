// The arithmetic of the SMD code reader, the voltage divider and the
// standard-value combinations, against published tables, hand arithmetic and
// brute force.

#include "resistors/maths/combinations.h"
#include "resistors/maths/divider.h"
#include "resistors/maths/smd_codes.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using e_series::Series;
using smd_codes::Scheme;

Q_DECLARE_METATYPE(Series)
Q_DECLARE_METATYPE(Scheme)

namespace {

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b));
}

} // namespace

class TestResistorToolMaths : public QObject
{
    Q_OBJECT

private slots:
    void eia96Table();
    void decodes_data();
    void decodes();
    void rejectsCodes_data();
    void rejectsCodes();
    void everyCodeRoundTrips_data();
    void everyCodeRoundTrips();
    void encodesNearest_data();
    void encodesNearest();
    void dividerSolvesEachUnknown_data();
    void dividerSolvesEachUnknown();
    void standardPair_data();
    void standardPair();
    void standardValues_data();
    void standardValues();
    void combinationsMatchBruteForce_data();
    void combinationsMatchBruteForce();
    void describesCombinations_data();
    void describesCombinations();
};

void TestResistorToolMaths::eia96Table()
{
    // The E96 values are 10^(n/96) rounded to three digits, without
    // exceptions; the EIA-96 code numbers them from 01.
    for (int n = 1; n <= 96; ++n)
        QCOMPARE(smd_codes::eia96Value(n), int(std::lround(100 * std::pow(10.0, (n - 1) / 96.0))));
}

void TestResistorToolMaths::decodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Scheme>("scheme");
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("otherOhms"); // the EIA-96 reading of an ambiguous code; -1: none

    QTest::newRow("472") << "472" << Scheme::ThreeDigit << 4700.0 << -1.0;
    QTest::newRow("100 is ten, not a hundred") << "100" << Scheme::ThreeDigit << 10.0 << -1.0;
    QTest::newRow("000 zero-ohm link") << "000" << Scheme::ThreeDigit << 0.0 << -1.0;
    QTest::newRow("4702") << "4702" << Scheme::FourDigit << 47000.0 << -1.0;
    QTest::newRow("4R7") << "4R7" << Scheme::RForPoint << 4.7 << -1.0;
    QTest::newRow("R47") << "R47" << Scheme::RForPoint << 0.47 << -1.0;
    QTest::newRow("R100") << "R100" << Scheme::RForPoint << 0.1 << -1.0;
    QTest::newRow("01C") << "01C" << Scheme::Eia96 << 10000.0 << -1.0;
    QTest::newRow("68X") << "68X" << Scheme::Eia96 << 49.9 << -1.0;
    QTest::newRow("S is X") << "68S" << Scheme::Eia96 << 49.9 << -1.0;
    QTest::newRow("lower case") << "4r7" << Scheme::RForPoint << 4.7 << -1.0;
    QTest::newRow("blanks around") << " \t472  " << Scheme::ThreeDigit << 4700.0 << -1.0;
    // 10 as E96 number is 124, R multiplies by 0.01.
    QTest::newRow("10R ambiguous") << "10R" << Scheme::RForPoint << 10.0 << 1.24;
    QTest::newRow("01R: both read 1 ohm") << "01R" << Scheme::RForPoint << 1.0 << -1.0;
}

void TestResistorToolMaths::decodes()
{
    QFETCH(QString, code);
    QFETCH(Scheme, scheme);
    QFETCH(double, ohms);
    QFETCH(double, otherOhms);
    const std::optional<smd_codes::Decoded> d = smd_codes::decode(code.toStdString());
    QVERIFY(d);
    QCOMPARE(d->reading.scheme, scheme);
    QCOMPARE(d->reading.ohms, ohms);
    QCOMPARE(d->otherReading.has_value(), otherOhms >= 0);
    if (d->otherReading) {
        QCOMPARE(d->otherReading->scheme, Scheme::Eia96);
        QVERIFY(near(d->otherReading->ohms, otherOhms));
    }
}

void TestResistorToolMaths::rejectsCodes_data()
{
    QTest::addColumn<QString>("code");
    for (const char* code :
         {"",     "   ",  "47",  "12345", "4 7 2", "abc", "R",    "4R7R", "RR1",   "1.5",
          "-472", "+472", "00C", "97A",   "01G",   "1A",  "01AA", "47k",  "R1000", "4R7\u03a9"})
        QTest::newRow(code) << QString::fromUtf8(code);
}

void TestResistorToolMaths::rejectsCodes()
{
    QFETCH(QString, code);
    QVERIFY(!smd_codes::decode(code.toStdString()));
}

void TestResistorToolMaths::everyCodeRoundTrips_data()
{
    // Every code a marking writes reads back as the value it was written
    // for: the encoders write the codes makers print (R below the marking's
    // first decade, the first of two EIA-96 letters that mean the same).
    QTest::addColumn<int>("marking"); // 3, 4 or 96
    QTest::addColumn<QStringList>("codes");
    QStringList three;
    QStringList four;
    for (int d = 10; d <= 99; ++d)
        for (int m = 0; m <= 9; ++m)
            three << QString::number(d) + QString::number(m);
    for (int d = 100; d <= 999; ++d)
        for (int m = 0; m <= 9; ++m)
            four << QString::number(d) + QString::number(m);
    QStringList threeR;
    QStringList fourR;
    for (int i = 1; i <= 99; ++i) {
        threeR << QStringLiteral("R%1").arg(i, 2, 10, QChar(u'0'));
        if (i % 10 && i >= 10)
            threeR << QStringLiteral("%1R%2").arg(i / 10).arg(i % 10);
    }
    for (int i = 1; i <= 999; ++i) {
        fourR << QStringLiteral("R%1").arg(i, 3, 10, QChar(u'0'));
        if (i >= 100)
            fourR << QStringLiteral("%1R%2").arg(i / 100).arg(i % 100, 2, 10, QChar(u'0'));
        if (i >= 100)
            fourR << QStringLiteral("%1R%2").arg(i / 10).arg(i % 10);
    }
    QStringList eia96;
    for (int n = 1; n <= 96; ++n)
        for (QChar letter : QStringLiteral("ZYXABCDEF"))
            eia96 << QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')) + letter;
    QTest::newRow("three digits") << 3 << three;
    QTest::newRow("three characters with R") << 3 << threeR;
    QTest::newRow("four digits") << 4 << four;
    QTest::newRow("four characters with R") << 4 << fourR;
    QTest::newRow("EIA-96") << 96 << eia96;
}

void TestResistorToolMaths::everyCodeRoundTrips()
{
    QFETCH(int, marking);
    QFETCH(QStringList, codes);
    for (const QString& code : std::as_const(codes)) {
        const std::optional<smd_codes::Decoded> d = smd_codes::decode(code.toStdString());
        QVERIFY2(d, qPrintable(code));
        const double ohms = d->reading.ohms;
        const std::optional<smd_codes::Encoded> e = marking == 3   ? smd_codes::encodeThreeDigit(ohms)
                                                    : marking == 4 ? smd_codes::encodeFourDigit(ohms)
                                                                   : smd_codes::encodeEia96(ohms);
        QVERIFY2(e && e->exact, qPrintable(code));
        QCOMPARE(QString::fromStdString(e->code), code);
        QCOMPARE(e->ohms, ohms);
    }
}

void TestResistorToolMaths::encodesNearest_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<QStringList>("codes"); // three, four, EIA-96; "" where none
    QTest::addColumn<QList<double>>("marked");
    QTest::addColumn<QList<bool>>("exact");

    QTest::newRow("4.75 k: two digits cannot")
        << 4750.0 << QStringList{"482", "4751", "66B"} << QList<double>{4800, 4750, 4750}
        << QList<bool>{false, true, true};
    QTest::newRow("49.9") << 49.9 << QStringList{"500", "49R9", "68X"} << QList<double>{50, 49.9, 49.9}
                          << QList<bool>{false, true, true};
    QTest::newRow("99.6 rounds up a decade")
        << 99.6 << QStringList{"101", "99R6", "01A"} << QList<double>{100, 99.6, 100}
        << QList<bool>{false, true, false};
    QTest::newRow("0.047 below the R grid of three")
        << 0.047 << QStringList{"R05", "R047", "01Z"} << QList<double>{0.05, 0.047, 0.1}
        << QList<bool>{false, true, false};
    QTest::newRow("zero: the link, no EIA-96 code")
        << 0.0 << QStringList{"000", "0000", "01Z"} << QList<double>{0, 0, 0.1}
        << QList<bool>{true, true, false};
    QTest::newRow("1 T: beyond every marking")
        << 1e12 << QStringList{"999", "9999", "96F"} << QList<double>{99e9, 999e9, 97.6e6}
        << QList<bool>{false, false, false};
    // Far beyond, 97.6 M and 0.1 are equally far once rounded.
    QTest::newRow("1e308: still the top end")
        << 1e308 << QStringList{"999", "9999", "96F"} << QList<double>{99e9, 999e9, 97.6e6}
        << QList<bool>{false, false, false};
    QTest::newRow("negative") << -47.0 << QStringList{"", "", ""} << QList<double>{0, 0, 0}
                              << QList<bool>{false, false, false};
}

void TestResistorToolMaths::encodesNearest()
{
    QFETCH(double, ohms);
    QFETCH(QStringList, codes);
    QFETCH(QList<double>, marked);
    QFETCH(QList<bool>, exact);
    const std::optional<smd_codes::Encoded> e[] = {
        smd_codes::encodeThreeDigit(ohms), smd_codes::encodeFourDigit(ohms), smd_codes::encodeEia96(ohms)};
    for (int i = 0; i < 3; ++i) {
        if (codes[i].isEmpty()) {
            QVERIFY(!e[i]);
            continue;
        }
        QVERIFY(e[i]);
        QCOMPARE(QString::fromStdString(e[i]->code), codes[i]);
        QCOMPARE(e[i]->ohms, marked[i]);
        QCOMPARE(e[i]->exact, exact[i]);
    }
}

void TestResistorToolMaths::dividerSolvesEachUnknown_data()
{
    QTest::addColumn<QList<double>>("divider"); // Vin, R1, R2, Vout
    QTest::addColumn<QList<double>>("load");    // I, P(R1), P(R2)

    QTest::newRow("halves") << QList<double>{12, 10000, 10000, 6} << QList<double>{0.0006, 0.0036, 0.0036};
    QTest::newRow("12 V over 4.7 k and 1 k")
        << QList<double>{12, 4700, 1000, 2.1052631578947367}
        << QList<double>{0.002105263157894737, 0.020831024930747923, 0.00443213296398892};
    QTest::newRow("24 V") << QList<double>{24, 3300, 1500, 7.5} << QList<double>{0.005, 0.0825, 0.0375};
}

void TestResistorToolMaths::dividerSolvesEachUnknown()
{
    QFETCH(QList<double>, divider);
    QFETCH(QList<double>, load);
    for (int unknown = 0; unknown < 4; ++unknown) {
        auto given = [&](int i) { return i == unknown ? std::nullopt : std::optional<double>(divider[i]); };
        const divider::Given g{given(0), given(1), given(2), given(3)};
        QCOMPARE(divider::check(g), divider::Problem::None);
        const divider::Divider d = divider::solve(g);
        const double solved[] = {d.vin, d.r1, d.r2, d.vout};
        for (int i = 0; i < 4; ++i)
            QVERIFY2(near(solved[i], divider[i]),
                     qPrintable(QStringLiteral("unknown %1, value %2").arg(unknown).arg(i)));
        const divider::Load l = divider::load(d);
        QVERIFY(near(l.amps, load[0]));
        QVERIFY(near(l.r1Watts, load[1]));
        QVERIFY(near(l.r2Watts, load[2]));
    }
}

void TestResistorToolMaths::standardPair_data()
{
    // Expected pairs from a brute force over exact fractions.
    QTest::addColumn<Series>("series");
    QTest::addColumn<QList<double>>("wanted"); // Vin, Vout, total
    QTest::addColumn<QList<double>>("pair");   // R1, R2, Vout, error %

    QTest::newRow("E12, 12 V to 3.3 V") << Series::E12 << QList<double>{12, 3.3, 10000}
                                        << QList<double>{4700, 1800, 3.3230769230769233, 0.6993006993006993};
    QTest::newRow("E24, 5 V to 3.3 V") << Series::E24 << QList<double>{5, 3.3, 10000}
                                       << QList<double>{4700, 9100, 3.2971014492753623, -0.0878348704435661};
    QTest::newRow("E12 halves: the total nearest 10 k")
        << Series::E12 << QList<double>{10, 5, 10000} << QList<double>{4700, 4700, 5, 0};
    QTest::newRow("E24 one to four, 150 k within twice 100 k")
        << Series::E24 << QList<double>{9, 1.8, 100000} << QList<double>{120000, 30000, 1.8, 0};
}

void TestResistorToolMaths::standardPair()
{
    QFETCH(Series, series);
    QFETCH(QList<double>, wanted);
    QFETCH(QList<double>, pair);
    const std::optional<divider::StandardPair> p =
        divider::standardPair(series, wanted[0], wanted[1], wanted[2]);
    QVERIFY(p);
    QCOMPARE(p->r1, pair[0]);
    QCOMPARE(p->r2, pair[1]);
    QVERIFY(std::fabs(p->vout - pair[2]) <= 1e-12 * pair[2]);
    QVERIFY(std::fabs(p->errorPercent - pair[3]) <= 1e-9);
}

void TestResistorToolMaths::standardValues_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<int>("count"); // seven decades and 10 M
    QTest::addColumn<double>("standard");
    QTest::addColumn<double>("notStandard");

    QTest::newRow("E6") << Series::E6 << 43 << 4.7 << 5100.0;
    QTest::newRow("E24") << Series::E24 << 169 << 5100.0 << 5000.0;
    QTest::newRow("E96") << Series::E96 << 673 << 4990.0 << 4.7;
}

void TestResistorToolMaths::standardValues()
{
    QFETCH(Series, series);
    QFETCH(int, count);
    QFETCH(double, standard);
    QFETCH(double, notStandard);
    const std::vector<double> values = combinations::standardValues(series);
    QCOMPARE(int(values.size()), count);
    QCOMPARE(values.front(), 1.0);
    QCOMPARE(values.back(), 10e6);
    QVERIFY(std::is_sorted(values.begin(), values.end()));
    QVERIFY(combinations::isStandardValue(series, standard));
    QVERIFY(!combinations::isStandardValue(series, notStandard));
}

void TestResistorToolMaths::combinationsMatchBruteForce_data()
{
    QTest::addColumn<Series>("series");
    QTest::addColumn<double>("target");
    QTest::addColumn<bool>("twoInSeries");
    QTest::addColumn<bool>("twoInParallel");
    QTest::addColumn<bool>("three");

    QTest::newRow("E6 5.1 k, all") << Series::E6 << 5100.0 << true << true << true;
    QTest::newRow("E6 5.1 k, two in series") << Series::E6 << 5100.0 << true << false << false;
    QTest::newRow("E12 1.234 k, all") << Series::E12 << 1234.0 << true << true << true;
    QTest::newRow("E12 0.2: below every part") << Series::E12 << 0.2 << true << true << true;
    QTest::newRow("E12 45 M: above every part") << Series::E12 << 45e6 << true << true << true;
}

void TestResistorToolMaths::combinationsMatchBruteForce()
{
    QFETCH(Series, series);
    QFETCH(double, target);
    QFETCH(bool, twoInSeries);
    QFETCH(bool, twoInParallel);
    QFETCH(bool, three);
    const std::vector<double> v = combinations::standardValues(series);
    // Every arrangement of every set of parts, one total each.
    std::vector<double> misses;
    auto add = [&](double total) { misses.push_back(std::fabs(total - target)); };
    auto par = [](double a, double b) { return 1 / (1 / a + 1 / b); };
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i; j < n; ++j) {
            if (twoInSeries)
                add(v[i] + v[j]);
            if (twoInParallel)
                add(par(v[i], v[j]));
            if (!three)
                continue;
            for (std::size_t k = j; k < n; ++k) {
                add(v[i] + v[j] + v[k]);
                add(1 / (1 / v[i] + 1 / v[j] + 1 / v[k]));
            }
            for (std::size_t k = 0; k < n; ++k) {
                add(v[k] + par(v[i], v[j]));
                add(par(v[k], v[i] + v[j]));
            }
        }
    }
    std::sort(misses.begin(), misses.end());
    const std::vector<combinations::Combination> found =
        combinations::closest(v, target, {twoInSeries, twoInParallel, three});
    QCOMPARE(found.size(), std::size_t(10));
    for (std::size_t i = 0; i < found.size(); ++i) {
        const combinations::Combination& c = found[i];
        QVERIFY2(std::fabs(std::fabs(c.ohms - target) - misses[i]) <= 1e-9 * target,
                 qPrintable(
                     QStringLiteral("line %1: %2").arg(i).arg(QString::fromStdString(describe(c, target)))));
    }
}

void TestResistorToolMaths::describesCombinations_data()
{
    using combinations::Arrangement;
    QTest::addColumn<int>("arrangement");
    QTest::addColumn<QList<double>>("parts");
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("target");
    QTest::addColumn<QString>("text");

    QTest::newRow("two in series") << int(Arrangement::TwoInSeries) << QList<double>{4700, 390, 0} << 5090.0
                                   << 5100.0 << "4.7 k + 390 = 5.09 k (-0.2 %)";
    QTest::newRow("a part and a parallel pair")
        << int(Arrangement::OneAndParallelPair) << QList<double>{4700, 1000, 1000} << 5200.0 << 5100.0
        << "4.7 k + (1 k || 1 k) = 5.2 k (+2.0 %)";
    // 10 k || 10.3 k = 5073.9, 0.51 % under 5.1 k.
    QTest::newRow("a part and a series pair")
        << int(Arrangement::OneAndSeriesPair) << QList<double>{10000, 5600, 4700} << 5073.891625615764
        << 5100.0 << "10 k || (5.6 k + 4.7 k) = 5.07 k (-0.5 %)";
}

void TestResistorToolMaths::describesCombinations()
{
    QFETCH(int, arrangement);
    QFETCH(QList<double>, parts);
    QFETCH(double, ohms);
    QFETCH(double, target);
    QFETCH(QString, text);
    const combinations::Combination c{
        combinations::Arrangement(arrangement), {parts[0], parts[1], parts[2]}, ohms};
    QCOMPARE(QString::fromStdString(combinations::describe(c, target)), text);
}

QTEST_APPLESS_MAIN(TestResistorToolMaths)
#include "test_resistor_tool_maths.moc"
