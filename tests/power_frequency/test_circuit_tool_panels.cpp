// The 555 timer, regulator and RC time constant panels, each built alone.
// Run a second time in a "," locale. Expected values worked out by hand or
// with a calculator: 1 k, 10 k and 100 nF run at 687 Hz; 240 over 720 ohms
// give 5 V plus 36 mV; 10 k and 100 uF make tau one second.

#include "core/settings_store.h"
#include "power_frequency/panels/rc_time_panel.h"
#include "power_frequency/panels/regulator_panel.h"
#include "power_frequency/panels/timer555_panel.h"
#include "tests/support/comma_locale.h"
#include "tests/support/gui_test_helpers.h"
#include "tests/support/panel_harness.h"
#include "ui/numeric_field.h"

#include <QApplication>
#include <QComboBox>
#include <QLocale>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

using guitest::entryError;
using guitest::kNotEnough;
using guitest::kTooMany;

namespace {

// A text written with "." between digits, in the locale's own separator.
QString local(QString text)
{
    static const QRegularExpression point(QStringLiteral("(?<=\\d)\\.(?=\\d)"));
    return text.replace(point, QString(QLocale().decimalPoint()));
}

QStringList local(QStringList texts)
{
    for (QString& text : texts)
        text = local(text);
    return texts;
}

void typeAll(PanelHost& h, const std::vector<const char*>& fields, const QStringList& texts)
{
    for (std::size_t i = 0; i < fields.size(); ++i)
        h.type(fields[i], texts.value(int(i)));
}

QStringList textsOf(PanelHost& h, const std::vector<const char*>& names)
{
    QStringList out;
    for (const char* name : names)
        out.append(h.text(name));
    return out;
}

const std::vector<const char*> kAstableFields{"TimerC", "TimerR1", "TimerR2", "TimerFrequency",
                                              "TimerDutyCycle"};
const std::vector<const char*> kTimes{"TimerHighTime", "TimerLowTime", "TimerPeriod"};
const std::vector<const char*> kMonostableFields{"TimerC", "TimerR1", "TimerPulseWidth"};
const std::vector<const char*> kRegulatorFields{"RegulatorVref", "RegulatorIadj", "RegulatorR1",
                                                "RegulatorR2",   "RegulatorVout", "RegulatorVin",
                                                "RegulatorIload"};
const std::vector<const char*> kRcFields{"RcR", "RcC", "RcVs", "RcTime"};
const std::vector<const char*> kRcResults{
    "RcTau",      "RcCutoff",   "RcCharge50",        "RcCharge63",
    "RcCharge90", "RcCharge99", "RcVoltageCharging", "RcVoltageDischarging"};

// One of the three panels (0 timer, 1 regulator, 2 RC) in its start state.
void buildPanel(int which, QWidget& host)
{
    CalculatorPanel* panel = nullptr;
    if (which == 0)
        panel = new Timer555Panel(&host);
    else if (which == 1)
        panel = new RegulatorPanel(&host);
    else
        panel = new RcTimeConstantPanel(&host);
    panel->resetToStartState();
}

const QString kNotEnoughWithC = QStringLiteral(
    "Error: Not enough values have been provided.\n\nEnsure that C and 2 other values are given.");
const QString kInvalid = QStringLiteral("Invalid Input Values: ");

} // namespace

class TestCircuitToolPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString failure = testlocale::useLocaleOfEnvironment();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        ui::setReadUnitPrefixes(true);
    }
    void astable_data();
    void astable();
    void monostable_data();
    void monostable();
    void switchingModesKeepsTheTextsTyped();
    void regulator_data();
    void regulator();
    void regulatorSeriesChoosesAgain();
    void regulatorSeriesKeptInSettings();
    void rcTimeConstant_data();
    void rcTimeConstant();
    void tabOrder_data();
    void tabOrder();
};

void TestCircuitToolPanels::astable_data()
{
    // C, R1, R2, frequency, duty cycle typed and shown; high, low and period
    // times; the E24 line; whether the diode note shows.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<bool>("diode");
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;
    const L none, noTimes{"", "", ""};

    QTest::newRow("1 k, 10 k, 100 nF: 687 Hz")
        << L{"100n", "1k", "10k"} << L{"100n", "1k", "10k", "686.997638518554", "52.3809523809524"}
        << L{"0.00076246189861594", "0.000693147180559945", "0.00145560907917589"} << "" << false << none;
    QTest::newRow("1 kHz at 60 %: the parts and their E24 values")
        << L{"100e-9", "", "", "1000", "60"}
        << L{"100e-9", "2885.39008177793", "5770.78016355585", "1000", "60"} << L{"0.0006", "0.0004", "0.001"}
        << QString::fromUtf8(
               "Nearest E24: R1 = 3 k\u2126, R2 = 5.6 k\u2126 give 1.02 kHz at 60.6 % duty cycle")
        << false << none;
    QTest::newRow("R1 and the frequency give R2")
        << L{"100n", "1k", "", "686.997638518554"}
        << L{"100n", "1k", "10000", "686.997638518554", "52.3809523809524"}
        << L{"0.00076246189861594", "0.000693147180559945", "0.00145560907917589"}
        << QString::fromUtf8("Nearest E24: R1 = 1 k\u2126, R2 = 10 k\u2126 give 687 Hz at 52.4 % duty cycle")
        << false << none;
    QTest::newRow("40 % needs the diode") << L{"100n", "", "", "1000", "40"}
                                          << L{"100n", "", "", "1000", "40"} << noTimes << "" << true << none;
    QTest::newRow("no C") << L{"", "1k", "10k"} << L{"", "1k", "10k", "", ""} << noTimes << "" << false
                          << L{kNotEnoughWithC};
    QTest::newRow("C and three others")
        << L{"100n", "1k", "10k", "1000"} << L{"100n", "1k", "10k", "1000", ""} << noTimes << "" << false
        << L{"Error: Too many values have been provided.\n\nEnsure that only C and two other values are "
             "given."};
    QTest::newRow("R2 alone already too slow for 1 kHz")
        << L{"100n", "", "10k", "1000"} << L{"100n", "", "10k", "1000", ""} << noTimes << "" << false
        << L{kInvalid +
             "No astable circuit gives these values.\n\nEnsure that every value is greater than "
             "zero, that the duty cycle lies below 100 % and that the frequency is one the resistor "
             "given can reach."};
    QTest::newRow("a negative duty cycle is no diode circuit")
        << L{"100n", "", "", "1000", "-60"} << L{"100n", "", "", "1000", "-60"} << noTimes << "" << false
        << L{kInvalid +
             "No astable circuit gives these values.\n\nEnsure that every value is greater than "
             "zero, that the duty cycle lies below 100 % and that the frequency is one the resistor "
             "given can reach."};
    QTest::newRow("a word in R1") << L{"100n", "abc", "10k"} << L{"100n", "", "10k", "", ""} << noTimes << ""
                                  << false << L{entryError("R1")};
}

void TestCircuitToolPanels::astable()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, times);
    QFETCH(QString, standard);
    QFETCH(bool, diode);
    QFETCH(QStringList, boxes);
    PanelHarness<Timer555Panel> h;
    QVERIFY(h.show());
    typeAll(h, kAstableFields, local(typed));
    h.click("BtnTimerCalculate");
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(textsOf(h, kAstableFields), local(fields));
    QCOMPARE(textsOf(h, kTimes), local(times));
    QCOMPARE(h.text("TimerStandardValues"), local(standard));
    QCOMPARE(h.text("LabelTimerDiodeNote").contains(QLatin1String("diode across R2")), diode);
    for (const char* field : kAstableFields)
        QVERIFY2(guitest::showsItsStart(h.field(field)), field);
    QCOMPARE(h.boxes.unownedBoxes(), 0);
}

void TestCircuitToolPanels::monostable_data()
{
    QTest::addColumn<QStringList>("typed"); // C, R, pulse width
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;

    QTest::newRow("100 k and 10 uF: 1.1 s") << L{"10u", "100k", ""} << L{"10u", "100k", "1.1"} << L{};
    QTest::newRow("1 ms from 4k7") << L{"", "4k7", "1m"} << L{"1.93423597678917E-7", "4k7", "1m"} << L{};
    QTest::newRow("one value") << L{"10u", "", ""} << L{"10u", "", ""} << L{kNotEnough};
    QTest::newRow("three values") << L{"10u", "1k", "1"} << L{"10u", "1k", "1"} << L{kTooMany};
    QTest::newRow("negative R")
        << L{"10u", "-1k", ""} << L{"10u", "-1k", ""}
        << L{kInvalid +
             "No monostable circuit gives these values.\n\nEnsure that every value is greater than zero."};
}

void TestCircuitToolPanels::monostable()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    PanelHarness<Timer555Panel> h;
    QVERIFY(h.show());
    h.click("RadioTimerMonostable");
    typeAll(h, kMonostableFields, typed);
    h.click("BtnTimerCalculate");
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(textsOf(h, kMonostableFields), local(expected));
}

void TestCircuitToolPanels::switchingModesKeepsTheTextsTyped()
{
    PanelHarness<Timer555Panel> h;
    QVERIFY(h.show());
    const auto shown = [&](const char* name) { return h.find<QWidget>(name)->isVisibleTo(&h.host()); };
    QVERIFY(h.find<QRadioButton>("RadioTimerAstable")->isChecked());
    QVERIFY(shown("TimerR2") && shown("ImageTimerAstable") && shown("TimerHighTime"));
    QVERIFY(!shown("TimerPulseWidth") && !shown("ImageTimerMonostable"));
    typeAll(h, kAstableFields, {"100n", "1k", "10k"});
    h.click("BtnTimerCalculate");
    QVERIFY(!h.text("TimerPeriod").isEmpty());

    h.click("RadioTimerMonostable");
    QVERIFY(shown("TimerPulseWidth") && shown("ImageTimerMonostable"));
    QVERIFY(!shown("TimerR2") && !shown("TimerFrequency") && !shown("ImageTimerAstable") &&
            !shown("TimerPeriod"));
    QCOMPARE(h.field("TimerR1")->accessibleName(), QStringLiteral("R (ohms)"));
    QCOMPARE(h.text("TimerPeriod"), QString());
    QCOMPARE(textsOf(h, kMonostableFields), (QStringList{"100n", "1k", ""}));
    h.click("BtnTimerCalculate");
    QCOMPARE(h.text("TimerPulseWidth"), local("0.00011"));

    h.click("RadioTimerAstable");
    QCOMPARE(h.field("TimerR1")->accessibleName(), QStringLiteral("R1 (ohms)"));
    QCOMPARE(textsOf(h, kAstableFields),
             local({"100n", "1k", "10k", "686.997638518554", "52.3809523809524"}));
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestCircuitToolPanels::regulator_data()
{
    // Vref, Iadj, R1, R2, Vout, Vin and Iload typed; R1, R2 and Vout shown;
    // the best pair, the dissipation and the warnings.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("divider");
    QTest::addColumn<QString>("pair");
    QTest::addColumn<QString>("watts");
    QTest::addColumn<QString>("warnings");
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;
    const QString pair5V =
        QString::fromUtf8("E24: R1 = 510 \u2126, R2 = 1.5 k\u2126 give 5.0015 V (+1.47 mV, +0.03 %)");
    const QString heat =
        QStringLiteral("The regulator turns 3.48 W into heat: above about 1 W it needs a heatsink.");

    QTest::newRow("240 over 720: 5.036 V") << L{"1.25", "50", "240", "720"} << L{"240", "720", "5.036"} << ""
                                           << ""
                                           << "" << L{};
    QTest::newRow("without adjust current, 1.2 V reference")
        << L{"1.2", "0", "240", "720"} << L{"240", "720", "4.8"} << ""
        << ""
        << "" << L{};
    QTest::newRow("Vout alone: the best E24 pair")
        << L{"1.25", "50", "", "", "5"} << L{"", "", "5"} << pair5V << ""
        << "" << L{};
    QTest::newRow("R1 and Vout: R2 and the pair")
        << L{"1.25", "50", "240", "", "5"} << L{"240", "713.153724247227", "5"} << pair5V << ""
        << "" << L{};
    QTest::newRow("12 V in, 0.5 A out: a heatsink")
        << L{"1.25", "50", "240", "720", "", "12", "0.5"} << L{"240", "720", "5.036"} << ""
        << "3.482" << heat << L{};
    QTest::newRow("7 V in: below the dropout")
        << L{"1.25", "50", "240", "720", "", "7", "0.1"} << L{"240", "720", "5.036"} << ""
        << "0.1964"
        << "Vin - Vout is 1.96 V: below about 3 V the regulator drops out and cannot hold its output." << L{};
    QTest::newRow("R1, R2 and Vout") << L{"1.25", "50", "240", "720", "5"} << L{"240", "720", "5"} << ""
                                     << ""
                                     << "" << L{kTooMany};
    QTest::newRow("R1 alone") << L{"1.25", "50", "240"} << L{"240", "", ""} << ""
                              << ""
                              << ""
                              << L{"Error: Not enough values have been provided.\n\nEnsure that 2 values are "
                                   "given, or Vout alone for the best pair."};
    QTest::newRow("Vout under Vref") << L{"1.25", "50", "240", "", "1"} << L{"240", "", "1"} << ""
                                     << ""
                                     << ""
                                     << L{kInvalid +
                                          "No resistor pair gives these values.\n\nEnsure that R1 and "
                                          "R2 are greater than zero and that Vout is above Vref."};
    QTest::newRow("Vout alone under Vref")
        << L{"1.25", "50", "", "", "1.2"} << L{"", "", "1.2"} << ""
        << ""
        << ""
        << L{kInvalid + "No resistor pair gives these values.\n\nEnsure that R1 and "
                        "R2 are greater than zero and that Vout is above Vref."};
    QTest::newRow("a load current below zero")
        << L{"1.25", "50", "240", "720", "", "12", "-1"} << L{"240", "720", ""} << ""
        << ""
        << "" << L{kInvalid + "Vin and the load current must be greater than zero."};
    QTest::newRow("Vref of zero") << L{"0", "50", "", "", "5"} << L{"", "", "5"} << ""
                                  << ""
                                  << ""
                                  << L{local(kInvalid + QString::fromUtf8(
                                                            "Vref must be greater than zero and Iadj zero or "
                                                            "more.\n\nThe common parts hold 1.25 V across R1 "
                                                            "and let 50 \u00b5A out of the adjust pin."))};
    // 50 uA x 100 k is 5 V: nothing is left for R1 to carry.
    QTest::newRow("R2 whose adjust current alone reaches Vout")
        << L{"1.25", "50", "", "100k", "5"} << L{"", "100k", "5"} << ""
        << ""
        << ""
        << L{kInvalid + "No R1 gives this Vout with this R2.\n\nThe adjust current through R2 alone raises "
                        "the output 5 V above Vref, as far as Vout or beyond: choose a smaller R2."};
    QTest::newRow("Vref emptied") << L{"", "50", "240", "720"} << L{"240", "720", ""} << ""
                                  << ""
                                  << "" << L{entryError("Reference Voltage")};
}

void TestCircuitToolPanels::regulator()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, divider);
    QFETCH(QString, pair);
    QFETCH(QString, watts);
    QFETCH(QString, warnings);
    QFETCH(QStringList, boxes);
    PanelHarness<RegulatorPanel> h;
    QVERIFY(h.show());
    QCOMPARE(textsOf(h, {"RegulatorVref", "RegulatorIadj"}), local({"1.25", "50"}));
    typeAll(h, kRegulatorFields, local(typed));
    QTest::keyClick(h.field("RegulatorVout"), Qt::Key_Return);
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(textsOf(h, {"RegulatorR1", "RegulatorR2", "RegulatorVout"}), local(divider));
    QCOMPARE(h.text("RegulatorBestPair"), local(pair));
    QCOMPARE(h.text("RegulatorDissipation"), local(watts));
    QCOMPARE(h.text("LabelRegulatorWarnings"), local(warnings));
}

void TestCircuitToolPanels::regulatorSeriesChoosesAgain()
{
    PanelHarness<RegulatorPanel> h;
    QVERIFY(h.show());
    h.type("RegulatorVout", QStringLiteral("12"));
    h.click("BtnRegulatorCalculate");
    auto* series = h.find<QComboBox>("ComboRegulatorSeries");
    QCOMPARE(series->currentText(), QStringLiteral("E24"));
    series->setCurrentText(QStringLiteral("E12"));
    QCOMPARE(h.text("RegulatorBestPair"),
             local(QString::fromUtf8(
                 "E12: R1 = 390 \u2126, R2 = 3.3 k\u2126 give 11.9919 V (-8.08 mV, -0.07 %)")));
    h.click("BtnRegulatorClear");
    series->setCurrentText(QStringLiteral("E96"));
    QCOMPARE(h.text("RegulatorBestPair"), QString());
    QCOMPARE(textsOf(h, kRegulatorFields), local({"1.25", "50", "", "", "", "", ""}));
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestCircuitToolPanels::regulatorSeriesKeptInSettings()
{
    PanelHost host;
    auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
    QVERIFY(key);
    const auto loaded = [&] {
        RegulatorPanel panel(&host.host());
        panel.loadSettings(*key);
        return panel.findChild<QComboBox*>(QStringLiteral("ComboRegulatorSeries"))->currentText();
    };
    {
        RegulatorPanel panel(&host.host());
        panel.findChild<QComboBox*>(QStringLiteral("ComboRegulatorSeries"))
            ->setCurrentText(QStringLiteral("E96"));
        QVERIFY(panel.saveSettings(*key));
    }
    QCOMPARE(key->read(QStringLiteral("Regulator Series")).text, QStringLiteral("E96"));
    QCOMPARE(loaded(), QStringLiteral("E96"));
    // A value that names no series, or is no string, is skipped.
    QVERIFY(key->writeString(QStringLiteral("Regulator Series"), QStringLiteral("E192")));
    QCOMPARE(loaded(), QStringLiteral("E24"));
    QVERIFY(key->writeDword(QStringLiteral("Regulator Series"), 1));
    QCOMPARE(loaded(), QStringLiteral("E24"));
}

void TestCircuitToolPanels::rcTimeConstant_data()
{
    // R, C, Vs and t typed; tau, the corner, the times to 50, 63.2, 90 and
    // 99 %, and the voltages charging and discharging.
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;
    const L times1s{"1",
                    "0.159154943091895",
                    "0.693147180559945",
                    "0.999672340813206",
                    "2.30258509299405",
                    "4.60517018598809"};
    const L nothing{"", "", "", "", "", "", "", ""};

    QTest::newRow("10 k and 100 uF: one second") << L{"10k", "100u"} << times1s + L{"", ""} << L{};
    QTest::newRow("5 V after one second")
        << L{"10k", "100u", "5", "1"} << times1s + L{"3.16060279414279", "1.83939720585721"} << L{};
    QTest::newRow("4k7 and 100 nF in seconds") << L{"4k7", "100n"}
                                               << L{"0.00047",
                                                    "338.627538493394",
                                                    "0.000325779174863174",
                                                    "0.000469846000182207",
                                                    "0.0010822149937072",
                                                    "0.0021644299874144",
                                                    "",
                                                    ""}
                                               << L{};
    QTest::newRow("no C")
        << L{"10k", "", "5", "1"} << nothing
        << L{"Error: Not enough values have been provided.\n\nEnsure that R and C are given."};
    QTest::newRow("a supply without a time") << L{"10k", "100u", "5"} << nothing
                                             << L{"Error: Not enough values have been provided.\n\nEnsure "
                                                  "that both the supply voltage and the time "
                                                  "are given, or neither."};
    QTest::newRow("negative C") << L{"10k", "-100u"} << nothing
                                << L{kInvalid + "R, C and the time must be greater than zero."};
}

void TestCircuitToolPanels::rcTimeConstant()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, results);
    QFETCH(QStringList, boxes);
    PanelHarness<RcTimeConstantPanel> h;
    QVERIFY(h.show());
    // Enter in a field calculates, as the button does.
    typeAll(h, kRcFields, typed);
    QTest::keyClick(h.field("RcR"), Qt::Key_Return);
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(textsOf(h, kRcResults), local(results));
    // The whole of a long result shows.
    for (const char* name : kRcResults) {
        auto* result = h.find<QLabel>(name);
        QVERIFY2(result->width() >= result->sizeHint().width(), name);
    }
}

void TestCircuitToolPanels::tabOrder_data()
{
    // The controls Tab visits from the first, after the clicks; results
    // join once they show a value.
    QTest::addColumn<int>("panel");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("555 astable: one stop for the checked circuit")
        << 0 << QStringList{}
        << QStringList{"RadioTimerAstable", "TimerC",         "TimerR1",           "TimerR2",
                       "TimerFrequency",    "TimerDutyCycle", "BtnTimerCalculate", "BtnTimerClear"};
    QTest::newRow("regulator: the list before the buttons")
        << 1 << QStringList{}
        << QStringList{"RegulatorVref",         "RegulatorIadj",    "RegulatorR1",    "RegulatorR2",
                       "RegulatorVout",         "RegulatorVin",     "RegulatorIload", "ComboRegulatorSeries",
                       "BtnRegulatorCalculate", "BtnRegulatorClear"};
    QTest::newRow("RC with results: down the left column, then the right")
        << 2 << QStringList{"BtnRcCalculate"}
        << QStringList{"RcR",   "RcC",      "RcVs",       "RcTime",     "BtnRcCalculate", "BtnRcClear",
                       "RcTau", "RcCutoff", "RcCharge50", "RcCharge63", "RcCharge90",     "RcCharge99"};
}

void TestCircuitToolPanels::tabOrder()
{
    QFETCH(int, panel);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, order);
    PanelHost h;
    buildPanel(panel, h.host());
    QVERIFY(h.show());
    h.host().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.host()));
    if (panel == 2) {
        h.type("RcR", QStringLiteral("1k"));
        h.type("RcC", QStringLiteral("1u"));
    }
    for (const QString& name : clicks)
        h.click(name.toLatin1().constData());
    QWidget* first = h.find<QWidget>(order.first().toLatin1().constData());
    first->setFocus(Qt::TabFocusReason);
    QStringList walked{first->objectName()};
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus == first)
            break;
        walked.append(focus->objectName());
    }
    QCOMPARE(walked, order);
}

QTEST_MAIN(TestCircuitToolPanels)
#include "test_circuit_tool_panels.moc"
