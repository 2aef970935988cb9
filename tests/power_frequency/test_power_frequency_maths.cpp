// Ohm's law, reactance and resonance. The expected values are worked
// examples, checked by hand or with a calculator:
//   a 12 V lamp drawing 0.5 A is 24 ohm and 6 W, from any two of the four;
//   XL = 2 pi f L, XC = 1 / (2 pi f C), f = 1 / (2 pi sqrt(L C)) and the coil
//   frequency 300000 / (4 pi N W), W in metres, to 17 digits.

#include "core/checked_math.h"
#include "power_frequency/maths/ohms_law.h"
#include "power_frequency/maths/reactance.h"
#include "power_frequency/maths/resonance.h"

#include <QTest>

#include <optional>

using ohms_law::Quantity;

Q_DECLARE_METATYPE(Quantity)

// One of the two-value formulas, chosen per row.
using Formula = double (*)(double, double);
Q_DECLARE_METATYPE(Formula)

namespace {

// Not given: a column holding NaN.
std::optional<double> given(double value)
{
    return qIsNaN(value) ? std::nullopt : std::optional<double>(value);
}

double coilInInches(double turns, double width)
{
    return resonance::coilFrequency(turns, width, resonance::WidthUnit::Inches);
}

double coilInCentimetres(double turns, double width)
{
    return resonance::coilFrequency(turns, width, resonance::WidthUnit::Centimetres);
}

} // namespace

class TestPowerFrequencyMaths : public QObject
{
    Q_OBJECT

private slots:
    void ohmsLaw_data();
    void ohmsLaw();
    void ohmsLawFaults();
    void formulas_data();
    void formulas();
};

void TestPowerFrequencyMaths::ohmsLaw_data()
{
    QTest::addColumn<double>("volts");
    QTest::addColumn<double>("amps");
    QTest::addColumn<double>("ohms");
    QTest::addColumn<double>("watts");
    QTest::addColumn<Quantity>("first");
    QTest::addColumn<double>("firstValue");
    QTest::addColumn<Quantity>("second");
    QTest::addColumn<double>("secondValue");
    const double no = qQNaN();

    // The same lamp from each pair, in the order the pairs are tried.
    QTest::newRow("12 V, 0.5 A") << 12.0 << 0.5 << no << no << Quantity::Resistance << 24.0 << Quantity::Watts
                                 << 6.0;
    QTest::newRow("12 V, 24 ohm") << 12.0 << no << 24.0 << no << Quantity::Current << 0.5 << Quantity::Watts
                                  << 6.0;
    QTest::newRow("12 V, 6 W") << 12.0 << no << no << 6.0 << Quantity::Current << 0.5 << Quantity::Resistance
                               << 24.0;
    QTest::newRow("0.5 A, 24 ohm") << no << 0.5 << 24.0 << no << Quantity::Voltage << 12.0 << Quantity::Watts
                                   << 6.0;
    QTest::newRow("0.5 A, 6 W") << no << 0.5 << no << 6.0 << Quantity::Voltage << 12.0 << Quantity::Resistance
                                << 24.0;
    QTest::newRow("24 ohm, 6 W") << no << no << 24.0 << 6.0 << Quantity::Voltage << 12.0 << Quantity::Current
                                 << 0.5;
    // 20 mA through 470 ohm: 9.4 V and 188 mW.
    QTest::newRow("20 mA, 470 ohm") << no << 0.02 << 470.0 << no << Quantity::Voltage << 9.4
                                    << Quantity::Watts << 0.188;
    // 230 V across 52.9 ohm is a 1 kW heater drawing 230/52.9 = 4.3478... A.
    QTest::newRow("230 V, 52.9 ohm") << 230.0 << no << 52.9 << no << Quantity::Current << 4.3478260869565217
                                     << Quantity::Watts << 1000.0;
    // A negative R x P has no real square root: NaN, and NaN after it.
    QTest::newRow("-2 ohm, 8 W") << no << no << -2.0 << 8.0 << Quantity::Voltage << no << Quantity::Current
                                 << no;
}

void TestPowerFrequencyMaths::ohmsLaw()
{
    QFETCH(double, volts);
    QFETCH(double, amps);
    QFETCH(double, ohms);
    QFETCH(double, watts);
    QFETCH(Quantity, first);
    QFETCH(double, firstValue);
    QFETCH(Quantity, second);
    QFETCH(double, secondValue);
    const ohms_law::Outputs out = ohms_law::solve(given(volts), given(amps), given(ohms), given(watts));
    QCOMPARE(out.first, first);
    QCOMPARE(out.second, second);
    if (qIsNaN(firstValue)) {
        QVERIFY(qIsNaN(out.firstValue));
        QVERIFY(qIsNaN(out.secondValue));
        return;
    }
    QCOMPARE(out.firstValue, firstValue);
    QCOMPARE(out.secondValue, secondValue);
}

void TestPowerFrequencyMaths::ohmsLawFaults()
{
    // 12 V at no current is no resistance; 1e200 V at 1e200 A no power.
    QVERIFY_THROWS_EXCEPTION(checked::FloatFault, ohms_law::solve(12.0, 0.0, std::nullopt, std::nullopt));
    QVERIFY_THROWS_EXCEPTION(checked::FloatFault, ohms_law::solve(1e200, 1e200, std::nullopt, std::nullopt));
}

void TestPowerFrequencyMaths::formulas_data()
{
    QTest::addColumn<Formula>("formula");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected"); // NaN: a fault
    const double fault = qQNaN();
    const Formula inductive = &reactance::inductive;
    const Formula capacitive = &reactance::capacitive;
    const Formula lc = &resonance::resonantFrequency;

    // Mains hum through a 1 H choke: 100 pi ohm.
    QTest::newRow("XL 50 Hz, 1 H") << inductive << 50.0 << 1.0 << 314.15926535897932;
    QTest::newRow("XL 1 kHz, 10 mH") << inductive << 1000.0 << 0.01 << 62.831853071795865;
    QTest::newRow("XL 0 Hz is a short") << inductive << 0.0 << 1.0 << 0.0;
    QTest::newRow("XC 50 Hz, 1 uF") << capacitive << 50.0 << 1e-6 << 3183.0988618379067;
    QTest::newRow("XC 1 kHz, 1 uF") << capacitive << 1000.0 << 1e-6 << 159.15494309189534;
    QTest::newRow("XC 0 Hz divides by zero") << capacitive << 0.0 << 1e-6 << fault;
    QTest::newRow("XC 2 pi f overflows") << capacitive << 1e308 << 1e-10 << fault;

    // L in henry, C in farad, f in hertz.
    QTest::newRow("1 mH, 1 nF: 159 kHz") << lc << 1e-3 << 1e-9 << 159154.94309189534;
    QTest::newRow("10 uH, 100 pF: 5.03 MHz") << lc << 10e-6 << 100e-12 << 5032921.2104487035;
    QTest::newRow("100 mH, 1 uF: 503 Hz") << lc << 0.1 << 1e-6 << 503.29212104487035;
    QTest::newRow("no capacitance divides by zero") << lc << 1e-3 << 0.0 << fault;

    // Turns and width to kilocycles; 2.54 cm is an inch.
    QTest::newRow("coil 10 turns, 1 inch") << &coilInInches << 10.0 << 1.0 << 93989.139621198033;
    QTest::newRow("coil 10 turns, 2.54 cm") << &coilInCentimetres << 10.0 << 2.54 << 93989.139621198033;
    QTest::newRow("coil 10 turns, 1 cm") << &coilInCentimetres << 10.0 << 1.0 << 238732.41463784300;
    QTest::newRow("coil 2.5 turns, 1 inch") << &coilInInches << 2.5 << 1.0 << 375956.55848479213;
    QTest::newRow("coil without turns divides by zero") << &coilInInches << 0.0 << 1.0 << fault;
}

void TestPowerFrequencyMaths::formulas()
{
    QFETCH(Formula, formula);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    if (qIsNaN(expected)) {
        QVERIFY_THROWS_EXCEPTION(checked::FloatFault, formula(a, b));
        return;
    }
    QCOMPARE(formula(a, b), expected);
}

QTEST_APPLESS_MAIN(TestPowerFrequencyMaths)
#include "test_power_frequency_maths.moc"
