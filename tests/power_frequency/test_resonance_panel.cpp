// The resonance and coil-frequency panels, each built alone.
//
// Expected frequencies were worked out apart from the program:
//   1 / (2 pi sqrt(1e-3 x 1e-9)) = 159154.94309189533... Hz
//   300000 / (4 pi x 10 x 0.0254) = 93989.139621198032... KHz
//   1 / (2 pi) = 0.15915494309189533...

#include "power_frequency/panels/resonance_panels.h"
#include "tests/power_frequency/panel_checks.h"
#include "ui/numeric_field.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <memory>

using guitest::entryError;
using guitest::fault;
using guitest::kDomainError;

namespace {

// What the result label shows before each case: L = 1 H, C = 1 F.
const QString kResonancePrevious = QStringLiteral("0.159154943091895");
// What the coil result shows before each case: 1 turn, 1 inch.
const QString kCoilPrevious = QStringLiteral("939891.39621198");

void checkUnitPlacement(PanelHost& h, const char* result, const char* unit)
{
    auto* r = h.find<QLabel>(result);
    auto* u = h.find<QLabel>(unit);
    QCOMPARE(u->x(), r->x() + r->width() + 5);
}

// The coil panel or the resonance panel, built alone.
std::shared_ptr<PanelHost> openPanel(bool coilPanel)
{
    if (coilPanel)
        return std::make_shared<PanelHarness<CoilFrequencyPanel>>();
    return std::make_shared<PanelHarness<ResonancePanel>>();
}

} // namespace

class TestResonancePanel : public QObject
{
    Q_OBJECT

private slots:
    // What a field reads with unit prefixes is tested with the option; here
    // every field reads as its plain rule says.
    void initTestCase() { ui::setReadUnitPrefixes(false); }

    void resonance_data();
    void resonance();
    void coil_data();
    void coil();
    void unitLabelFollowsTheResult_data();
    void unitLabelFollowsTheResult();
    void clearAll_data();
    void clearAll();
    void singleFieldClears_data();
    void singleFieldClears();
};

void TestResonancePanel::resonance_data()
{
    QTest::addColumn<QString>("inductance");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("inductanceAfter");
    QTest::addColumn<QString>("capacitanceAfter");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("boxes");

    const QStringList none;
    const QString f = QStringLiteral("159154.943091895");
    QTest::newRow("1 mH and 1 nF") << "0.001"
                                   << "0.000000001"
                                   << "0.001"
                                   << "0.000000001" << f << none;
    QTest::newRow("exponent form") << "1e-3"
                                   << "1e-9"
                                   << "1e-3"
                                   << "1e-9" << f << none;
    QTest::newRow("1 uH and 1 uF, same product") << "0.000001"
                                                 << "0.000001"
                                                 << "0.000001"
                                                 << "0.000001" << f << none;
    QTest::newRow("blanks around the numbers") << " 1e-3 "
                                               << "  1e-9"
                                               << " 1e-3 "
                                               << "  1e-9" << f << none;
    QTest::newRow("both negative") << "-0.001"
                                   << "-1e-9"
                                   << "-0.001"
                                   << "-1e-9" << f << none;
    QTest::newRow("long result") << "3"
                                 << "1"
                                 << "3"
                                 << "1"
                                 << "0.0918881492369654" << none;

    QTest::newRow("zero capacitance divides by zero")
        << "0.001"
        << "0"
        << "0.001"
        << "0" << kResonancePrevious << QStringList{fault("Floating point division by zero.")};
    QTest::newRow("zero inductance divides by zero")
        << "0"
        << "1e-9"
        << "0"
        << "1e-9" << kResonancePrevious << QStringList{fault("Floating point division by zero.")};
    QTest::newRow("opposite signs: square root of a negative") << "-0.001"
                                                               << "1e-9"
                                                               << "-0.001"
                                                               << "1e-9"
                                                               << "NAN" << QStringList{kDomainError};

    QTest::newRow("inductance with a unit, capacitance not examined")
        << "1 mH"
        << "x"
        << ""
        << "x" << kResonancePrevious << QStringList{entryError("Inductance")};
    QTest::newRow("empty inductance, capacitance not examined")
        << ""
        << "bad"
        << ""
        << "bad" << kResonancePrevious << QStringList{entryError("Inductance")};
    QTest::newRow("tab before the inductance")
        << "\t0.001"
        << "1e-9"
        << ""
        << "1e-9" << kResonancePrevious << QStringList{entryError("Inductance")};
    QTest::newRow("empty capacitance") << "0.001"
                                       << ""
                                       << "0.001"
                                       << "" << kResonancePrevious << QStringList{entryError("Capacitance")};
    QTest::newRow("comma in a point locale")
        << "0.001"
        << "1,5"
        << "0.001"
        << "" << kResonancePrevious << QStringList{entryError("Capacitance")};
    QTest::newRow("trailing word") << "0.001"
                                   << "1e-9 F"
                                   << "0.001"
                                   << "" << kResonancePrevious << QStringList{entryError("Capacitance")};
    QTest::newRow("beyond every range")
        << "1e5000"
        << "1e-9"
        << ""
        << "1e-9" << kResonancePrevious << QStringList{entryError("Inductance")};
    QTest::newRow("beyond the double range overflows")
        << "1e400"
        << "1e-9"
        << "1e400"
        << "1e-9" << kResonancePrevious << QStringList{fault("Floating point overflow.")};
}

void TestResonancePanel::resonance()
{
    QFETCH(QString, inductance);
    QFETCH(QString, capacitance);
    QFETCH(QString, inductanceAfter);
    QFETCH(QString, capacitanceAfter);
    QFETCH(QString, result);
    QFETCH(QStringList, boxes);
    PanelHarness<ResonancePanel> h;
    paneltest::DomainErrorBoxes domainErrors(&h.host());
    QVERIFY(h.show());
    h.type("FreqResonanceInductance", QStringLiteral("1"));
    h.type("FreqResonanceCapacitance", QStringLiteral("1"));
    h.click("BtnCalcFreqResonance");
    QCOMPARE(h.text("LabelFreqResonanceResult"), kResonancePrevious);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());

    paneltest::enter(h, "FreqResonanceInductance", inductance);
    paneltest::enter(h, "FreqResonanceCapacitance", capacitance);
    h.click("BtnCalcFreqResonance");
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(h.text("FreqResonanceInductance"), inductanceAfter);
    QCOMPARE(h.text("FreqResonanceCapacitance"), capacitanceAfter);
    QCOMPARE(h.text("LabelFreqResonanceResult"), result);
    checkUnitPlacement(h, "LabelFreqResonanceResult", "LabelFreqResonanceHz");
}

void TestResonancePanel::coil_data()
{
    QTest::addColumn<QString>("turns");
    QTest::addColumn<QString>("width");
    QTest::addColumn<bool>("inches");
    QTest::addColumn<QString>("turnsAfter");
    QTest::addColumn<QString>("widthAfter");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("boxes");

    const QStringList none;
    // 2.54 x 0.39370078740157477 stored as a double is 0.9999999999999999,
    // one unit in the last place below 1, which shows in the 15th digit.
    QTest::newRow("10 turns, 2.54 cm") << "10"
                                       << "2.54" << false << "10"
                                       << "2.54"
                                       << "93989.1396211981" << none;
    QTest::newRow("10 turns, 1 inch") << "10"
                                      << "1" << true << "10"
                                      << "1"
                                      << "93989.139621198" << none;
    QTest::newRow("10 turns, 1 cm") << "10"
                                    << "1" << false << "10"
                                    << "1"
                                    << "238732.414637843" << none;
    QTest::newRow("fractional turns") << "2.5"
                                      << "1" << true << "2.5"
                                      << "1"
                                      << "375956.558484792" << none;
    QTest::newRow("negative turns give a negative frequency") << "-10"
                                                              << "1" << true << "-10"
                                                              << "1"
                                                              << "-93989.139621198" << none;

    QTest::newRow("zero turns divides by zero")
        << "0"
        << "1" << true << "0"
        << "1" << kCoilPrevious << QStringList{fault("Floating point division by zero.")};
    QTest::newRow("zero width divides by zero")
        << "10"
        << "0" << false << "10"
        << "0" << kCoilPrevious << QStringList{fault("Floating point division by zero.")};
    QTest::newRow("empty turns, width not examined")
        << ""
        << "bad" << true << ""
        << "bad" << kCoilPrevious << QStringList{entryError("Turns")};
    QTest::newRow("width with a unit") << "10"
                                       << "1cm" << false << "10"
                                       << "" << kCoilPrevious << QStringList{entryError("Width")};
}

void TestResonancePanel::coil()
{
    QFETCH(QString, turns);
    QFETCH(QString, width);
    QFETCH(bool, inches);
    QFETCH(QString, turnsAfter);
    QFETCH(QString, widthAfter);
    QFETCH(QString, result);
    QFETCH(QStringList, boxes);
    PanelHarness<CoilFrequencyPanel> h;
    QVERIFY(h.show());
    QVERIFY(h.find<QRadioButton>("RadioFreqCoilCM")->isChecked());
    QTest::mouseClick(h.find<QRadioButton>("RadioFreqCoilInches"), Qt::LeftButton);
    h.type("FreqCoilTurns", QStringLiteral("1"));
    h.type("FreqCoilWidth", QStringLiteral("1"));
    h.click("BtnFreqCoilCalc");
    QCOMPARE(h.text("LabelFreqCoilResult"), kCoilPrevious);

    QTest::mouseClick(h.find<QRadioButton>(inches ? "RadioFreqCoilInches" : "RadioFreqCoilCM"),
                      Qt::LeftButton);
    QCOMPARE(h.find<QRadioButton>("RadioFreqCoilInches")->isChecked(), inches);
    paneltest::enter(h, "FreqCoilTurns", turns);
    paneltest::enter(h, "FreqCoilWidth", width);
    h.click("BtnFreqCoilCalc");
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(h.text("FreqCoilTurns"), turnsAfter);
    QCOMPARE(h.text("FreqCoilWidth"), widthAfter);
    QCOMPARE(h.text("LabelFreqCoilResult"), result);
    checkUnitPlacement(h, "LabelFreqCoilResult", "LabelFreqCoilKHz");
}

void TestResonancePanel::unitLabelFollowsTheResult_data()
{
    QTest::addColumn<bool>("coilPanel");

    QTest::newRow("resonance, Hz (cycles per second)") << false;
    QTest::newRow("coil, KHz") << true;
}

void TestResonancePanel::unitLabelFollowsTheResult()
{
    QFETCH(bool, coilPanel);
    const std::shared_ptr<PanelHost> panel = openPanel(coilPanel);
    PanelHost& h = *panel;
    QVERIFY(h.show());
    const char* first = coilPanel ? "FreqCoilTurns" : "FreqResonanceInductance";
    const char* second = coilPanel ? "FreqCoilWidth" : "FreqResonanceCapacitance";
    const char* calc = coilPanel ? "BtnFreqCoilCalc" : "BtnCalcFreqResonance";
    const char* result = coilPanel ? "LabelFreqCoilResult" : "LabelFreqResonanceResult";
    const char* unit = coilPanel ? "LabelFreqCoilKHz" : "LabelFreqResonanceHz";
    auto* unitLabel = h.find<QLabel>(unit);
    const int unitY = unitLabel->y();

    // A short result first, then a long one: the unit moves right with it.
    if (coilPanel)
        QTest::mouseClick(h.find<QRadioButton>("RadioFreqCoilInches"), Qt::LeftButton);
    h.type(first, coilPanel ? QStringLiteral("93989.1396211980329") : QStringLiteral("1"));
    h.type(second, coilPanel ? QStringLiteral("1") : QStringLiteral("0.0253302959105844"));
    h.click(calc);
    QCOMPARE(h.text(result), coilPanel ? QStringLiteral("10") : QStringLiteral("1"));
    checkUnitPlacement(h, result, unit);
    const int shortX = unitLabel->x();

    h.type(first, QStringLiteral("3"));
    h.type(second, QStringLiteral("7"));
    h.click(calc);
    QVERIFY(h.text(result).size() >= 10);
    checkUnitPlacement(h, result, unit);
    QVERIFY(unitLabel->x() > shortX);
    QCOMPARE(unitLabel->y(), unitY);
    // The result label is as wide as its text.
    auto* resultLabel = h.find<QLabel>(result);
    QCOMPARE(resultLabel->width(), resultLabel->sizeHint().width());
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestResonancePanel::clearAll_data()
{
    QTest::addColumn<bool>("coilPanel");

    QTest::newRow("resonance") << false;
    QTest::newRow("coil") << true;
}

void TestResonancePanel::clearAll()
{
    QFETCH(bool, coilPanel);
    const std::shared_ptr<PanelHost> panel = openPanel(coilPanel);
    PanelHost& h = *panel;
    QVERIFY(h.show());
    const char* first = coilPanel ? "FreqCoilTurns" : "FreqResonanceInductance";
    const char* second = coilPanel ? "FreqCoilWidth" : "FreqResonanceCapacitance";
    const char* result = coilPanel ? "LabelFreqCoilResult" : "LabelFreqResonanceResult";
    if (coilPanel)
        QTest::mouseClick(h.find<QRadioButton>("RadioFreqCoilInches"), Qt::LeftButton);
    h.type(first, QStringLiteral("10"));
    h.type(second, QStringLiteral("1"));
    h.click(coilPanel ? "BtnFreqCoilCalc" : "BtnCalcFreqResonance");
    QVERIFY(!h.text(result).isEmpty());
    h.click(coilPanel ? "BtnFreqCoilClearAll" : "BtnCalcFreqClearAll");
    QCOMPARE(h.text(first), QString());
    QCOMPARE(h.text(second), QString());
    QCOMPARE(h.text(result), QString());
    if (coilPanel) // the unit choice is not part of the clearing
        QVERIFY(h.find<QRadioButton>("RadioFreqCoilInches")->isChecked());
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestResonancePanel::singleFieldClears_data()
{
    QTest::addColumn<QByteArray>("panel");
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QByteArray>("cleared");
    QTest::addColumn<QByteArray>("kept");

    QTest::newRow("inductance") << QByteArray("PanelFrequencyResonance")
                                << QByteArray("BtnFreqResonanceInductanceClear")
                                << QByteArray("FreqResonanceInductance")
                                << QByteArray("FreqResonanceCapacitance");
    QTest::newRow("capacitance") << QByteArray("PanelFrequencyResonance")
                                 << QByteArray("BtnFreqResonanceCapacitanceClear")
                                 << QByteArray("FreqResonanceCapacitance")
                                 << QByteArray("FreqResonanceInductance");
    QTest::newRow("turns") << QByteArray("PanelFrequencyCoil") << QByteArray("BtnClearFreqCoilTurns")
                           << QByteArray("FreqCoilTurns") << QByteArray("FreqCoilWidth");
    QTest::newRow("width") << QByteArray("PanelFrequencyCoil") << QByteArray("BtnClearFreqCoilWidth")
                           << QByteArray("FreqCoilWidth") << QByteArray("FreqCoilTurns");
}

void TestResonancePanel::singleFieldClears()
{
    QFETCH(QByteArray, panel);
    QFETCH(QByteArray, button);
    QFETCH(QByteArray, cleared);
    QFETCH(QByteArray, kept);
    const std::shared_ptr<PanelHost> host = openPanel(panel == "PanelFrequencyCoil");
    PanelHost& h = *host;
    h.find<QWidget>(panel.constData());
    QVERIFY(h.show());
    h.type(cleared.constData(), QStringLiteral("5"));
    h.type(kept.constData(), QStringLiteral("6"));
    h.click(button.constData());
    QCOMPARE(h.text(cleared.constData()), QString());
    QCOMPARE(h.text(kept.constData()), QStringLiteral("6"));
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

QTEST_MAIN(TestResonancePanel)
#include "test_resonance_panel.moc"
