// The inductive and capacitive reactance calculators, on their panel built
// alone. Expected values worked out apart from the program:
//   2 pi x 50 x 1 = 100 pi = 314.15926535897932...
//   2 pi x 1000 x 0.01 = 20 pi = 62.831853071795864...
//   1 / (2 pi x 50 x 1e-6) = 3183.0988618379067...
//   1 / (2 pi x 1000 x 1e-6) = 159.15494309189533...

#include "power_frequency/panels/reactance_panel.h"
#include "tests/power_frequency/panel_checks.h"
#include "ui/numeric_field.h"

#include <QLabel>
#include <QTest>

using guitest::entryError;
using guitest::fault;

using Harness = PanelHarness<ReactancePanel>;

namespace {

struct Calculator
{
    const char* frequency;
    const char* second;
    const char* calculate;
    const char* clearAll;
    const char* result;
    const char* unit;
};

const Calculator kInductive{"ReactanceInductFreq",     "ReactanceInductInductance", "BtnReactanceIndCalc",
                            "BtnReactanceIndClearAll", "LabelReactanceIndRes",      "LabelReactanceIndOhms"};
const Calculator kCapacitive{"ReactanceCapFreq",        "ReactanceCapCapacitance", "BtnReactanceCapCalc",
                             "BtnReactanceCapClearAll", "LabelReactanceCapRes",    "LabelReactanceCapOhms"};

// Each case starts from a result already shown: 1 Hz and 1 H or 1 F.
const QString kInductivePrevious = QStringLiteral("6.28318530717959");
const QString kCapacitivePrevious = QStringLiteral("0.159154943091895");

} // namespace

class TestReactancePanel : public QObject
{
    Q_OBJECT

private slots:
    // What a field reads with unit prefixes is tested with the option; here
    // every field reads as its plain rule says.
    void initTestCase() { ui::setReadUnitPrefixes(false); }

    void reactance_data();
    void reactance();
    void calculatorsAreIndependent_data();
    void calculatorsAreIndependent();
    void unitLabelFollowsTheResult_data();
    void unitLabelFollowsTheResult();
    void singleFieldClears_data();
    void singleFieldClears();
};

void TestReactancePanel::reactance_data()
{
    QTest::addColumn<bool>("capacitive");
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("frequencyAfter");
    QTest::addColumn<QString>("secondAfter");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("boxes");

    const QStringList none;
    QTest::newRow("inductive 50 Hz, 1 H") << false << "50"
                                          << "1"
                                          << "50"
                                          << "1"
                                          << "314.159265358979" << none;
    QTest::newRow("inductive 1000 Hz, 0.01 H") << false << "1000"
                                               << "0.01"
                                               << "1000"
                                               << "0.01"
                                               << "62.8318530717959" << none;
    QTest::newRow("inductive zero frequency gives 0") << false << "0"
                                                      << "1"
                                                      << "0"
                                                      << "1"
                                                      << "0" << none;
    QTest::newRow("inductive zero inductance gives 0") << false << "50"
                                                       << "0"
                                                       << "50"
                                                       << "0"
                                                       << "0" << none;
    QTest::newRow("inductive negative frequency") << false << "-50"
                                                  << "1"
                                                  << "-50"
                                                  << "1"
                                                  << "-314.159265358979" << none;
    QTest::newRow("inductive exponent form") << false << "5e1"
                                             << "1E0"
                                             << "5e1"
                                             << "1E0"
                                             << "314.159265358979" << none;
    QTest::newRow("inductive empty frequency, inductance not examined")
        << false << ""
        << "bad"
        << ""
        << "bad" << kInductivePrevious << QStringList{entryError("Frequency")};
    QTest::newRow("inductive inductance with a unit")
        << false << "50"
        << "1 H"
        << "50"
        << "" << kInductivePrevious << QStringList{entryError("Inductance")};
    QTest::newRow("inductive overflow")
        << false << "1e200"
        << "1e200"
        << "1e200"
        << "1e200" << kInductivePrevious << QStringList{fault("Floating point overflow.")};

    QTest::newRow("capacitive 50 Hz, 1 uF") << true << "50"
                                            << "0.000001"
                                            << "50"
                                            << "0.000001"
                                            << "3183.09886183791" << none;
    QTest::newRow("capacitive 1000 Hz, 1 uF") << true << "1000"
                                              << "0.000001"
                                              << "1000"
                                              << "0.000001"
                                              << "159.154943091895" << none;
    // 2 pi x f first, then x C: any other order ends in ...253 here, and
    // gives a result instead of the overflow below.
    QTest::newRow("capacitive product in its order") << true << "77"
                                                     << "3e-6"
                                                     << "77"
                                                     << "3e-6"
                                                     << "688.982437627252" << none;
    QTest::newRow("capacitive 2 pi x f overflows")
        << true << "1e308"
        << "1e-10"
        << "1e308"
        << "1e-10" << kCapacitivePrevious << QStringList{fault("Floating point overflow.")};
    QTest::newRow("capacitive negative capacitance") << true << "50"
                                                     << "-1e-6"
                                                     << "50"
                                                     << "-1e-6"
                                                     << "-3183.09886183791" << none;
    QTest::newRow("capacitive zero frequency divides by zero")
        << true << "0"
        << "0.000001"
        << "0"
        << "0.000001" << kCapacitivePrevious << QStringList{fault("Floating point division by zero.")};
    QTest::newRow("capacitive zero capacitance divides by zero")
        << true << "50"
        << "0"
        << "50"
        << "0" << kCapacitivePrevious << QStringList{fault("Floating point division by zero.")};
    QTest::newRow("capacitive 1uF with a unit")
        << true << "50"
        << "1uF"
        << "50"
        << "" << kCapacitivePrevious << QStringList{entryError("Capacitive")};
    QTest::newRow("capacitive empty frequency")
        << true << ""
        << "1uF"
        << ""
        << "1uF" << kCapacitivePrevious << QStringList{entryError("Frequency")};
    QTest::newRow("capacitive tab after the frequency")
        << true << "50\t"
        << "1e-6"
        << ""
        << "1e-6" << kCapacitivePrevious << QStringList{entryError("Frequency")};
}

void TestReactancePanel::reactance()
{
    QFETCH(bool, capacitive);
    QFETCH(QString, frequency);
    QFETCH(QString, second);
    QFETCH(QString, frequencyAfter);
    QFETCH(QString, secondAfter);
    QFETCH(QString, result);
    QFETCH(QStringList, boxes);
    const Calculator& c = capacitive ? kCapacitive : kInductive;
    Harness h;
    QVERIFY(h.show());
    h.type(c.frequency, QStringLiteral("1"));
    h.type(c.second, QStringLiteral("1"));
    h.click(c.calculate);
    QCOMPARE(h.text(c.result), capacitive ? kCapacitivePrevious : kInductivePrevious);

    paneltest::enter(h, c.frequency, frequency);
    paneltest::enter(h, c.second, second);
    h.click(c.calculate);
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(h.text(c.frequency), frequencyAfter);
    QCOMPARE(h.text(c.second), secondAfter);
    QCOMPARE(h.text(c.result), result);
}

void TestReactancePanel::calculatorsAreIndependent_data()
{
    QTest::addColumn<bool>("capacitive");
    QTest::addColumn<bool>("clear");

    QTest::newRow("calculating inductive") << false << false;
    QTest::newRow("calculating capacitive") << true << false;
    QTest::newRow("clearing inductive") << false << true;
    QTest::newRow("clearing capacitive") << true << true;
}

void TestReactancePanel::calculatorsAreIndependent()
{
    QFETCH(bool, capacitive);
    QFETCH(bool, clear);
    const Calculator& used = capacitive ? kCapacitive : kInductive;
    const Calculator& other = capacitive ? kInductive : kCapacitive;
    Harness h;
    QVERIFY(h.show());
    // The other calculator shows a result and holds fields it would reject.
    h.type(other.frequency, QStringLiteral("1"));
    h.type(other.second, QStringLiteral("1"));
    h.click(other.calculate);
    const QString otherResult = h.text(other.result);
    QVERIFY(!otherResult.isEmpty());
    h.type(other.frequency, QStringLiteral("abc"));
    h.type(other.second, QString());

    h.type(used.frequency, QStringLiteral("50"));
    h.type(used.second, capacitive ? QStringLiteral("0.000001") : QStringLiteral("1"));
    h.click(clear ? used.clearAll : used.calculate);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
    QCOMPARE(h.text(used.result), clear        ? QString()
                                  : capacitive ? QStringLiteral("3183.09886183791")
                                               : QStringLiteral("314.159265358979"));
    if (clear) {
        QCOMPARE(h.text(used.frequency), QString());
        QCOMPARE(h.text(used.second), QString());
    }
    QCOMPARE(h.text(other.frequency), QStringLiteral("abc"));
    QCOMPARE(h.text(other.second), QString());
    QCOMPARE(h.text(other.result), otherResult);
}

void TestReactancePanel::unitLabelFollowsTheResult_data()
{
    QTest::addColumn<bool>("capacitive");

    QTest::newRow("inductive") << false;
    QTest::newRow("capacitive") << true;
}

void TestReactancePanel::unitLabelFollowsTheResult()
{
    QFETCH(bool, capacitive);
    const Calculator& c = capacitive ? kCapacitive : kInductive;
    Harness h;
    QVERIFY(h.show());
    auto* result = h.find<QLabel>(c.result);
    auto* unit = h.find<QLabel>(c.unit);
    const int unitY = unit->y();

    // A short result first (0 ohms, or 1 / (2 pi x 0.159154943091895) = 1 ohm)
    h.type(c.frequency, capacitive ? QStringLiteral("1") : QStringLiteral("0"));
    h.type(c.second, capacitive ? QStringLiteral("0.159154943091895") : QStringLiteral("1"));
    h.click(c.calculate);
    QCOMPARE(h.text(c.result), capacitive ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(unit->x(), result->x() + result->width() + 5);
    const int shortX = unit->x();

    h.type(c.frequency, QStringLiteral("3"));
    h.type(c.second, QStringLiteral("0.0000007"));
    h.click(c.calculate);
    QVERIFY(h.text(c.result).size() >= 12);
    QCOMPARE(unit->x(), result->x() + result->width() + 5);
    QVERIFY(unit->x() > shortX);
    QCOMPARE(unit->y(), unitY);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestReactancePanel::singleFieldClears_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("cleared");

    QTest::newRow("inductive frequency")
        << QByteArray("BtnClearReactanceInductFreq") << QByteArray("ReactanceInductFreq");
    QTest::newRow("inductance") << QByteArray("BtnClearReactanceInductInductance")
                                << QByteArray("ReactanceInductInductance");
    QTest::newRow("capacitive frequency")
        << QByteArray("BtnClearReactanceCapFreq") << QByteArray("ReactanceCapFreq");
    QTest::newRow("capacitance") << QByteArray("BtnClearReactanceCapCapacitance")
                                 << QByteArray("ReactanceCapCapacitance");
}

void TestReactancePanel::singleFieldClears()
{
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, cleared);
    const char* fields[] = {"ReactanceInductFreq", "ReactanceInductInductance", "ReactanceCapFreq",
                            "ReactanceCapCapacitance"};
    Harness h;
    QVERIFY(h.show());
    for (const char* f : fields)
        h.type(f, QStringLiteral("7"));
    h.click(button.constData());
    for (const char* f : fields)
        QCOMPARE(h.text(f), cleared == f ? QString() : QStringLiteral("7"));
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

QTEST_MAIN(TestReactancePanel)
#include "test_reactance_panel.moc"
