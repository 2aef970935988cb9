// The Ohm's law and power panel, built alone: any two of voltage, current,
// resistance and watts give the other two.

#include "power_frequency/panels/ohms_law_panel.h"
#include "tests/power_frequency/panel_checks.h"
#include "ui/numeric_field.h"

#include <QTest>

using guitest::entryError;
using guitest::fault;
using guitest::kDomainError;
using guitest::kNotEnough;
using guitest::kTooMany;

using Harness = PanelHarness<OhmsLawPanel>;

namespace {

const char* const kFields[] = {"Voltage", "Current", "Resistance", "Watts"};

QStringList fieldTexts(Harness& h)
{
    QStringList texts;
    for (const char* name : kFields)
        texts.append(h.text(name));
    return texts;
}

void typeAll(Harness& h, const QStringList& texts)
{
    for (int i = 0; i < 4; ++i)
        paneltest::enter(h, kFields[i], texts.value(i));
}

} // namespace

class TestOhmsLawPanel : public QObject
{
    Q_OBJECT

private slots:
    // What a field reads with unit prefixes is tested with the option; here
    // every field reads as its plain rule says.
    void initTestCase() { ui::setReadUnitPrefixes(false); }

    void calculation_data();
    void calculation();
    void calculatingTwiceFindsTooManyValues();
    void clearButtons_data();
    void clearButtons();
    void handOverCallsTheHandlersDirectly();
};

void TestOhmsLawPanel::calculation_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");

    using L = QStringList;
    const L none;

    QTest::newRow("12 V and 4 A") << L{"12", "4", "", ""} << L{"12", "4", "3", "48"} << none;
    QTest::newRow("5 V and 2 ohm") << L{"5", "", "2", ""} << L{"5", "2.5", "2", "12.5"} << none;
    QTest::newRow("2 ohm and 8 W") << L{"", "", "2", "8"} << L{"4", "2", "2", "8"} << none;
    QTest::newRow("0.5 A and 2 W") << L{"", "0.5", "", "2"} << L{"4", "0.5", "8", "2"} << none;
    QTest::newRow("12 V and 48 W") << L{"12", "", "", "48"} << L{"12", "4", "3", "48"} << none;
    QTest::newRow("2 A and 3 ohm") << L{"", "2", "3", ""} << L{"6", "2", "3", "12"} << none;
    QTest::newRow("10 V and 3 W, resistance rounded to 15 digits")
        << L{"10", "", "", "3"} << L{"10", "0.3", "33.3333333333333", "3"} << none;
    QTest::newRow("negative voltage carried through")
        << L{"-12", "4", "", ""} << L{"-12", "4", "-3", "-48"} << none;
    QTest::newRow("negative current and resistance")
        << L{"", "-2", "-3", ""} << L{"6", "-2", "-3", "-12"} << none;
    QTest::newRow("given fields keep their text")
        << L{"12abc", " 4 A", "", ""} << L{"12abc", " 4 A", "3", "48"} << none;
    QTest::newRow("comma ends the number") << L{"1,5", "2", "", ""} << L{"1,5", "2", "0.5", "2"} << none;
    QTest::newRow("exponent entries") << L{"1e3", "1e-3", "", ""} << L{"1e3", "1e-3", "1000000", "1"} << none;
    QTest::newRow("tiny result in scientific form")
        << L{"1e-3", "1e3", "", ""} << L{"1e-3", "1e3", "1E-6", "1"} << none;
    QTest::newRow("negative overflow is accepted")
        << L{"-1e999", "1", "", ""} << L{"-1e999", "1", "-INF", "-INF"} << none;
    QTest::newRow("-1e999 V and 2 W: infinity / 0 is no fault")
        << L{"-1e999", "", "", "2"} << L{"-1e999", "0", "INF", "2"} << none;

    // The second output comes from the first, in the table's order. One case
    // each where another way to the same quantity shows (worked out step by
    // step in double arithmetic): V x V / R overflows or ends in ...374, P / I^2
    // and V x V / P end in ...025 and ...444, P / V and sqrt(P / R) in ...928.
    QTest::newRow("V and I: P = I x V, where V x V overflows")
        << L{"1e155", "1e-150", "", ""} << L{"1e155", "1e-150", "1E305", "100000"} << none;
    QTest::newRow("V and R: P = I x V, not V x V / R")
        << L{"0.2", "", "8.3", ""} << L{"0.2", "0.0240963855421687", "8.3", "0.00481927710843373"} << none;
    QTest::newRow("V and P: R = V / I, not P / I^2")
        << L{"0.4", "", "", "4.1"} << L{"0.4", "10.25", "0.0390243902439024", "4.1"} << none;
    QTest::newRow("I and R: P = I x V, where V x V overflows")
        << L{"", "1e-150", "1e305", ""} << L{"1E155", "1e-150", "1e305", "100000"} << none;
    QTest::newRow("I and P: R = V / I, not P / I^2")
        << L{"", "0.3", "", "0.4"} << L{"1.33333333333333", "0.3", "4.44444444444445", "0.4"} << none;
    QTest::newRow("R and P: I = V / R, not P / V")
        << L{"", "", "0.1", "1.8"} << L{"0.424264068711929", "4.24264068711929", "0.1", "1.8"} << none;

    QTest::newRow("nothing given") << L{"", "", "", ""} << L{"", "", "", ""} << L{kNotEnough};
    QTest::newRow("one value given") << L{"12", "", "", ""} << L{"12", "", "", ""} << L{kNotEnough};
    QTest::newRow("three values given") << L{"12", "4", "3", ""} << L{"12", "4", "3", ""} << L{kTooMany};
    QTest::newRow("four consistent values")
        << L{"12", "4", "3", "48"} << L{"12", "4", "3", "48"} << L{kTooMany};

    QTest::newRow("zero voltage") << L{"0", "4", "", ""} << L{"", "4", "", ""} << L{entryError("Voltage")};
    QTest::newRow("0.0 and -0 are zero too")
        << L{"0.0", "-0", "", ""} << L{"", "", "", ""} << L{entryError("Voltage"), entryError("Current")};
    QTest::newRow("words in two fields")
        << L{"abc", "x", "", ""} << L{"", "", "", ""} << L{entryError("Voltage"), entryError("Current")};
    QTest::newRow("every field bad, reported in order")
        << L{"a", "b", "0", "1e999"} << L{"", "", "", ""}
        << L{entryError("Voltage"), entryError("Current"), entryError("Resistance"), entryError("Watts")};
    QTest::newRow("bad field wins over too many")
        << L{"abc", "1", "2", "3"} << L{"", "1", "2", "3"} << L{entryError("Voltage")};
    QTest::newRow("bad field wins over not enough")
        << L{"", "", "x", ""} << L{"", "", "", ""} << L{entryError("Resistance")};
    QTest::newRow("positive overflow rejected")
        << L{"5", "", "", "1e999"} << L{"5", "", "", ""} << L{entryError("Watts")};

    QTest::newRow("-2 ohm and 8 W: square root of a negative")
        << L{"", "", "-2", "8"} << L{"NAN", "NAN", "-2", "8"} << L{kDomainError};
    QTest::newRow("1e200 V and 1e200 A: power overflows")
        << L{"1e200", "1e200", "", ""} << L{"1e200", "1e200", "", ""} << L{fault("Floating point overflow.")};
    QTest::newRow("current overflows before anything is written")
        << L{"1e300", "", "1e-10", ""} << L{"1e300", "", "1e-10", ""} << L{fault("Floating point overflow.")};
}

void TestOhmsLawPanel::calculation()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    Harness h;
    paneltest::DomainErrorBoxes domainErrors(&h.host());
    QVERIFY(h.show());
    typeAll(h, typed);
    h.click("CalculatePowerCalues");
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(fieldTexts(h), expected);
    QCOMPARE(h.boxes.unownedBoxes(), 0);
}

void TestOhmsLawPanel::calculatingTwiceFindsTooManyValues()
{
    Harness h;
    QVERIFY(h.show());
    typeAll(h, {QStringLiteral("12"), QStringLiteral("4")});
    h.click("CalculatePowerCalues");
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
    h.click("CalculatePowerCalues");
    QCOMPARE(guitest::boxes(h.boxes), QStringList{kTooMany});
    QCOMPARE(fieldTexts(h), (QStringList{"12", "4", "3", "48"}));
}

void TestOhmsLawPanel::clearButtons_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("clear voltage") << QByteArray("BtnClearVoltage") << QStringList{"", "2", "3", "4"};
    QTest::newRow("clear current") << QByteArray("BtnClearCurrent") << QStringList{"1", "", "3", "4"};
    QTest::newRow("clear resistance") << QByteArray("BtnClearResistance") << QStringList{"1", "2", "", "4"};
    QTest::newRow("clear watts") << QByteArray("BtnClearWatts") << QStringList{"1", "2", "3", ""};
    QTest::newRow("clear all values") << QByteArray("ClearPowerValues") << QStringList{"", "", "", ""};
}

void TestOhmsLawPanel::clearButtons()
{
    QFETCH(QByteArray, button);
    QFETCH(QStringList, expected);
    Harness h;
    QVERIFY(h.show());
    typeAll(h, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    h.click(button.constData());
    QCOMPARE(fieldTexts(h), expected);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestOhmsLawPanel::handOverCallsTheHandlersDirectly()
{
    // The dropper's heat-dissipation hand-over clears the panel, writes a
    // current and a resistance and runs the calculation itself.
    Harness h;
    typeAll(h, {QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9")});
    h.panel().calculateFromCurrentAndResistance(QStringLiteral("0.02"), QStringLiteral("470"));
    QCOMPARE(fieldTexts(h), (QStringList{"9.4", "0.02", "470", "0.188"}));
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

QTEST_MAIN(TestOhmsLawPanel)
#include "test_ohms_law_panel.moc"
