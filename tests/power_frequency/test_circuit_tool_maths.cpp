// The 555 timer, the adjustable regulator and RC time constants. Expected
// values are textbook examples worked by hand or with a calculator:
//   R1 = 1 k, R2 = 10 k, C = 100 nF runs at 687 Hz with a 52.4 % duty cycle;
//   an LM317-style regulator with 240 ohm over 720 ohm gives 5 V plus
//   Iadj R2 = 36 mV; 10 k and 100 uF make tau one second;
// and the best standard pairs come from trying every pair of the series.

#include "power_frequency/maths/rc_time.h"
#include "power_frequency/maths/regulator.h"
#include "power_frequency/maths/timer555.h"

#include <QTest>

#include <cmath>
#include <optional>

Q_DECLARE_METATYPE(e_series::Series)

namespace {

// Not given: a column holding NaN.
std::optional<double> given(double value)
{
    return qIsNaN(value) ? std::nullopt : std::optional<double>(value);
}

bool near(double got, double expected)
{
    return std::abs(got - expected) <= 1e-12 * std::abs(expected);
}

#define COMPARE_NEAR(got, expected)                                                                          \
    QVERIFY2(near(got, expected),                                                                            \
             qPrintable(QStringLiteral("%1, expected %2").arg(got, 0, 'g', 17).arg(expected, 0, 'g', 17)))

} // namespace

class TestCircuitToolMaths : public QObject
{
    Q_OBJECT

private slots:
    void astable_data();
    void astable();
    void astableResistors_data();
    void astableResistors();
    void astableNearestStandard();
    void monostable_data();
    void monostable();
    void regulatorSolve_data();
    void regulatorSolve();
    void regulatorBestPair_data();
    void regulatorBestPair();
    void rcTimes_data();
    void rcTimes();
    void rcVoltages_data();
    void rcVoltages();
};

void TestCircuitToolMaths::astable_data()
{
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("duty");

    QTest::newRow("1 k, 10 k, 100 nF: 687 Hz")
        << 1e3 << 10e3 << 100e-9 << 7.624618986159398e-4 << 6.931471805599452e-4 << 686.997638518554
        << 52.38095238095238;
    QTest::newRow("10 k, 10 k, 10 uF: 4.8 Hz, two thirds high")
        << 10e3 << 10e3 << 10e-6 << 0.13862943611198905 << 0.06931471805599453 << 4.8089834696298785
        << 66.66666666666667;
}

void TestCircuitToolMaths::astable()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, c);
    QFETCH(double, high);
    QFETCH(double, low);
    QFETCH(double, frequency);
    QFETCH(double, duty);
    const std::optional<timer555::AstableTiming> t = timer555::astable(r1, r2, c);
    QVERIFY(t);
    COMPARE_NEAR(t->highSeconds, high);
    COMPARE_NEAR(t->lowSeconds, low);
    COMPARE_NEAR(t->periodSeconds, high + low);
    COMPARE_NEAR(t->frequencyHz, frequency);
    COMPARE_NEAR(t->dutyCyclePercent, duty);
    QVERIFY(!timer555::astable(-r1, r2, c));
    QVERIFY(!timer555::astable(r1, r2, -c));
}

void TestCircuitToolMaths::astableResistors_data()
{
    // Each pair of the four given, C = 100 nF; expected R1 and R2 (NaN: no
    // circuit gives them).
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("frequency");
    QTest::addColumn<double>("duty");
    QTest::addColumn<double>("expectedR1");
    QTest::addColumn<double>("expectedR2");
    const double no = qQNaN();
    const double f = 686.997638518554; // of 1 k and 10 k
    const double d = 100.0 * 11 / 21;

    QTest::newRow("1 kHz at 60 %") << no << no << 1000.0 << 60.0 << 2885.3900817779263 << 5770.780163555854;
    QTest::newRow("R1 and R2 as given") << 1e3 << 10e3 << no << no << 1e3 << 10e3;
    QTest::newRow("R1 and the frequency") << 1e3 << no << f << no << 1e3 << 10e3;
    QTest::newRow("R2 and the frequency") << no << 10e3 << f << no << 1e3 << 10e3;
    QTest::newRow("R1 and the duty cycle") << 1e3 << no << no << d << 1e3 << 10e3;
    QTest::newRow("R2 and the duty cycle") << no << 10e3 << no << d << 1e3 << 10e3;
    QTest::newRow("50 % needs the diode") << no << no << 1000.0 << 50.0 << no << no;
    QTest::newRow("100 % cannot be") << no << no << 1000.0 << 100.0 << no << no;
    QTest::newRow("R2 alone already too slow") << no << 10e3 << 1000.0 << no << no << no;
}

void TestCircuitToolMaths::astableResistors()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, frequency);
    QFETCH(double, duty);
    QFETCH(double, expectedR1);
    QFETCH(double, expectedR2);
    const double c = 100e-9;
    const std::optional<timer555::AstableResistors> parts =
        timer555::astableResistors(given(r1), given(r2), given(frequency), given(duty), c);
    QCOMPARE(bool(parts), !qIsNaN(expectedR1));
    if (!parts)
        return;
    QVERIFY(std::abs(parts->r1Ohms - expectedR1) <= 1e-9 * expectedR1);
    QVERIFY(std::abs(parts->r2Ohms - expectedR2) <= 1e-9 * expectedR2);
    // Back through the timing: the wanted frequency and duty cycle again.
    const std::optional<timer555::AstableTiming> t = timer555::astable(parts->r1Ohms, parts->r2Ohms, c);
    QVERIFY(t);
    if (given(frequency))
        QVERIFY(std::abs(t->frequencyHz - frequency) <= 1e-9 * frequency);
    if (given(duty))
        QVERIFY(std::abs(t->dutyCyclePercent - duty) <= 1e-9 * duty);
}

void TestCircuitToolMaths::astableNearestStandard()
{
    // 1 kHz at 60 % with 100 nF: 2885 and 5771 ohms, nearest E24 3 k and 5.6 k.
    const std::optional<timer555::StandardAstable> s =
        timer555::nearestStandard(e_series::Series::E24, {2885.39, 5770.78}, 100e-9);
    QVERIFY(s);
    QCOMPARE(s->r1Ohms, 3000.0);
    QCOMPARE(s->r2Ohms, 5600.0);
    COMPARE_NEAR(s->timing.frequencyHz, 1015.9824231612417);
    COMPARE_NEAR(s->timing.dutyCyclePercent, 60.56338028169014);
    QVERIFY(timer555::needsDiode(50));
    QVERIFY(!timer555::needsDiode(50.001));
}

void TestCircuitToolMaths::monostable_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("pulse");
    QTest::addColumn<double>("expected"); // the one not given
    const double no = qQNaN();

    QTest::newRow("100 k and 10 uF: 1.1 s") << 100e3 << 10e-6 << no << 1.1;
    QTest::newRow("1 s from 10 uF: 90.9 k") << no << 10e-6 << 1.0 << 90909.0909090909;
    QTest::newRow("1.1 s from 100 k: 10 uF") << 100e3 << no << 1.1 << 1e-5;
}

void TestCircuitToolMaths::monostable()
{
    QFETCH(double, r);
    QFETCH(double, c);
    QFETCH(double, pulse);
    QFETCH(double, expected);
    const std::optional<timer555::Monostable> m = timer555::monostable(given(r), given(c), given(pulse));
    QVERIFY(m);
    const double got = qIsNaN(r) ? m->rOhms : qIsNaN(c) ? m->capacitanceFarads : m->pulseSeconds;
    COMPARE_NEAR(got, expected);
    QVERIFY(!timer555::monostable(given(-1.0), given(c), given(pulse)));
}

void TestCircuitToolMaths::regulatorSolve_data()
{
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("vout");
    QTest::addColumn<double>("iadj");
    QTest::addColumn<double>("expected"); // the one not given; NaN: no divider
    const double no = qQNaN();

    QTest::newRow("240 over 720: 5 V and 36 mV") << 240.0 << 720.0 << no << 50e-6 << 5.036;
    QTest::newRow("without Iadj, 240 over 720 is 5 V") << 240.0 << 720.0 << no << 0.0 << 5.0;
    QTest::newRow("5 V over 240: R2 713 ohms") << 240.0 << no << 5.0 << 50e-6 << 713.1537242472267;
    QTest::newRow("5 V with 720 under it: R1 242 ohms") << no << 720.0 << 5.0 << 50e-6 << 242.32633279483036;
    QTest::newRow("Vout at Vref: no divider") << 240.0 << no << 1.25 << 50e-6 << no;
    QTest::newRow("Iadj through R2 alone passes Vout") << no << 100e3 << 5.0 << 50e-6 << no;
    QTest::newRow("negative R1") << -240.0 << 720.0 << no << 50e-6 << no;
}

void TestCircuitToolMaths::regulatorSolve()
{
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, vout);
    QFETCH(double, iadj);
    QFETCH(double, expected);
    const std::optional<regulator::Divider> d =
        regulator::solve(given(r1), given(r2), given(vout), 1.25, iadj);
    QCOMPARE(bool(d), !qIsNaN(expected));
    if (!d)
        return;
    const double got = qIsNaN(r1) ? d->r1Ohms : qIsNaN(r2) ? d->r2Ohms : d->voutVolts;
    COMPARE_NEAR(got, expected);
}

void TestCircuitToolMaths::regulatorBestPair_data()
{
    QTest::addColumn<e_series::Series>("series");
    QTest::addColumn<double>("wanted");
    QTest::addColumn<double>("iadj");
    QTest::addColumn<double>("r1");
    QTest::addColumn<double>("r2");
    QTest::addColumn<double>("vout");
    using e_series::Series;

    QTest::newRow("5 V, E12") << Series::E12 << 5.0 << 50e-6 << 270.0 << 820.0 << 5.087296296296296;
    QTest::newRow("5 V, E24") << Series::E24 << 5.0 << 50e-6 << 510.0 << 1500.0 << 5.001470588235295;
    QTest::newRow("5 V, E96") << Series::E96 << 5.0 << 50e-6 << 576.0 << 1690.0 << 5.002034722222223;
    QTest::newRow("12 V, E12, below the wanted")
        << Series::E12 << 12.0 << 50e-6 << 390.0 << 3300.0 << 11.991923076923078;
    QTest::newRow("twice Vref without Iadj: every R1 = R2 ties, 100 wins")
        << Series::E12 << 2.5 << 0.0 << 100.0 << 100.0 << 2.5;
}

void TestCircuitToolMaths::regulatorBestPair()
{
    QFETCH(e_series::Series, series);
    QFETCH(double, wanted);
    QFETCH(double, iadj);
    QFETCH(double, r1);
    QFETCH(double, r2);
    QFETCH(double, vout);
    const std::optional<regulator::StandardPair> p = regulator::bestPair(series, wanted, 1.25, iadj);
    QVERIFY(p);
    QCOMPARE(p->r1Ohms, r1);
    QCOMPARE(p->r2Ohms, r2);
    COMPARE_NEAR(p->voutVolts, vout);
    QVERIFY(std::abs(p->errorVolts - (vout - wanted)) <= 1e-12);
    QVERIFY(std::abs(p->errorPercent - (vout - wanted) / wanted * 100) <= 1e-10);
    QVERIFY(!regulator::bestPair(series, 1.25, 1.25, iadj));
}

void TestCircuitToolMaths::rcTimes_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("tau");
    QTest::addColumn<double>("cutoff");

    QTest::newRow("10 k, 100 uF: one second") << 10e3 << 100e-6 << 1.0 << 0.15915494309189535;
    QTest::newRow("1 k, 1 uF: 1 ms, 159 Hz") << 1e3 << 1e-6 << 1e-3 << 159.15494309189535;
}

void TestCircuitToolMaths::rcTimes()
{
    QFETCH(double, r);
    QFETCH(double, c);
    QFETCH(double, tau);
    QFETCH(double, cutoff);
    COMPARE_NEAR(rc_time::tauSeconds(r, c), tau);
    QVERIFY(std::abs(rc_time::cutoffHz(r, c) - cutoff) <= 1e-9 * cutoff);
    // The charging times in taus: ln 2, about one, ln 10, ln 100.
    const double taus[] = {0.6931471805599453, 0.9996723408132061, 2.302585092994046, 4.605170185988091};
    for (std::size_t i = 0; i < rc_time::kChargeShares.size(); ++i)
        COMPARE_NEAR(rc_time::timeToChargeSeconds(tau, rc_time::kChargeShares[i]), taus[i] * tau);
}

void TestCircuitToolMaths::rcVoltages_data()
{
    QTest::addColumn<double>("vs");
    QTest::addColumn<double>("tau");
    QTest::addColumn<double>("t");
    QTest::addColumn<double>("charging");
    QTest::addColumn<double>("discharging");

    QTest::newRow("5 V after one tau") << 5.0 << 1.0 << 1.0 << 3.1606027941427883 << 1.8393972058572117;
    QTest::newRow("a picosecond keeps its digits")
        << 10.0 << 1.0 << 1e-12 << 9.999999999995e-12 << 9.99999999999;
    QTest::newRow("ten taus: all but 45 uV")
        << 1.0 << 1.0 << 10.0 << 0.9999546000702375 << 4.5399929762484854e-5;
    QTest::newRow("negative supply") << -5.0 << 1.0 << 1.0 << -3.1606027941427883 << -1.8393972058572117;
}

void TestCircuitToolMaths::rcVoltages()
{
    QFETCH(double, vs);
    QFETCH(double, tau);
    QFETCH(double, t);
    QFETCH(double, charging);
    QFETCH(double, discharging);
    COMPARE_NEAR(rc_time::chargingVolts(vs, tau, t), charging);
    COMPARE_NEAR(rc_time::dischargingVolts(vs, tau, t), discharging);
}

QTEST_APPLESS_MAIN(TestCircuitToolMaths)
#include "test_circuit_tool_maths.moc"
