// The SMD code, voltage divider and combinations panels, each built alone,
// and the SMD code reader's hand-over to the colour bands through the real
// main window. Run a second time in a "," locale.

#include "core/settings_store.h"
#include "resistors/panels/combinations_panel.h"
#include "resistors/panels/divider_panel.h"
#include "resistors/panels/smd_codes_panel.h"
#include "tests/support/comma_locale.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/panel_harness.h"
#include "ui/numeric_field.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QListWidget>
#include <QLocale>
#include <QTest>

namespace {

// A text written with "." as the decimal point, in the locale's own.
QString local(QString text)
{
    return text.replace(u'.', QLocale().decimalPoint());
}

QStringList local(QStringList texts)
{
    for (QString& text : texts)
        text = local(text);
    return texts;
}

template <typename H> QStringList texts(H& h, std::initializer_list<const char*> names)
{
    QStringList out;
    for (const char* name : names)
        out.append(h.text(name));
    return out;
}

// The object names Tab visits from first until it comes back to it.
QStringList tabWalk(PanelHost& h, const char* first)
{
    if (!h.show())
        return {};
    h.host().activateWindow();
    if (!QTest::qWaitForWindowActive(&h.host()))
        return {};
    QWidget* start = h.find<QWidget>(first);
    start->setFocus(Qt::TabFocusReason);
    QStringList names{start->objectName()};
    for (int i = 0; i < 20; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus == start)
            break;
        names.append(focus->objectName());
    }
    return names;
}

const QString kNotEnough =
    QStringLiteral("Not enough values have been provided.\n\nEnsure that 3 values are given.");
const QString kTooMany =
    QStringLiteral("Too many values have been provided.\n\nEnsure that only three values are given.");

} // namespace

class TestResistorToolPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QString failure = testlocale::useLocaleOfEnvironment();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        ui::setReadUnitPrefixes(true);
    }

    void smdDecodes_data();
    void smdDecodes();
    void smdEncodes_data();
    void smdEncodes();
    void smdHandsOverToColourBands();
    void divider_data();
    void divider();
    void combinations_data();
    void combinations();
    void seriesKeptInSettings();
    void tabOrder();
};

void TestResistorToolPanels::smdDecodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("enter");
    QTest::addColumn<QStringList>("shown"); // value, marking
    QTest::addColumn<QString>("box");       // "title: start of the text"

    QTest::newRow("three digits, Enter")
        << "472" << true << QStringList{"4700 ohms (4.7 k)", "Three digits"} << "";
    QTest::newRow("R for the point") << " 4r7" << false << QStringList{"4.7 ohms", "R as the decimal point"}
                                     << "";
    QTest::newRow("zero-ohm link") << "000" << false
                                   << QStringList{"0 ohms (a zero-ohm link)", "Three digits"} << "";
    QTest::newRow("EIA-96") << "68X" << true << QStringList{"49.9 ohms", "EIA-96"} << "";
    QTest::newRow("ambiguous") << "10R" << false
                               << QStringList{"10 ohms", "Ambiguous: read with R as the decimal point; as "
                                                         "EIA-96 it is 1.24 ohms"}
                               << "";
    QTest::newRow("not a code") << "4K7" << true << QStringList{"", ""}
                                << "SMD Code Error: 4K7 is not a resistor code.";
    QTest::newRow("no code") << "" << false << QStringList{"", ""} << "Error: No code has been given.";
}

void TestResistorToolPanels::smdDecodes()
{
    QFETCH(QString, code);
    QFETCH(bool, enter);
    QFETCH(QStringList, shown);
    QFETCH(QString, box);
    PanelHarness<ResistorSmdCodesPanel> h;
    // After a code read before, so that nothing of it stays.
    h.type("SmdCode", QStringLiteral("999"));
    h.click("BtnSmdDecode");
    h.type("SmdCode", code);
    if (enter)
        QTest::keyClick(h.field("SmdCode"), Qt::Key_Return);
    else
        h.click("BtnSmdDecode");
    QCOMPARE(texts(h, {"SmdValue", "SmdScheme"}), local(shown));
    if (box.isEmpty()) {
        QVERIFY(h.boxes.boxes().isEmpty());
    } else {
        QCOMPARE(h.boxes.boxes().size(), qsizetype(1));
        const RecordedBox& b = h.boxes.boxes().first();
        QVERIFY2((b.title + QStringLiteral(": ") + b.text).startsWith(box), qPrintable(b.text));
    }
}

void TestResistorToolPanels::smdEncodes_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("codes"); // three, four, EIA-96
    QTest::addColumn<QStringList>("titles");

    QTest::newRow("4.75 k") << "4750"
                            << QStringList{"No code for this value; nearest 482 (4.8 k)", "4751", "66B"}
                            << QStringList{};
    QTest::newRow("4k7 with a prefix")
        << "4k7" << QStringList{"472", "4701", "No code for this value; nearest 66B (4.75 k)"}
        << QStringList{};
    QTest::newRow("zero") << "0" << QStringList{"000", "0000", "No code for this value; nearest 01Z (0.1)"}
                          << QStringList{};
    QTest::newRow("negative") << "-47" << QStringList{"", "", ""} << QStringList{"Error"};
    QTest::newRow("not a number") << "abc" << QStringList{"", "", ""} << QStringList{"Value Error"};
}

void TestResistorToolPanels::smdEncodes()
{
    QFETCH(QString, value);
    QFETCH(QStringList, codes);
    QFETCH(QStringList, titles);
    PanelHarness<ResistorSmdCodesPanel> h;
    h.type("SmdValueIn", QStringLiteral("1k"));
    h.click("BtnSmdEncode");
    h.type("SmdValueIn", value);
    QTest::keyClick(h.field("SmdValueIn"), Qt::Key_Enter);
    QCOMPARE(texts(h, {"SmdCode3", "SmdCode4", "SmdCodeEia96"}), local(codes));
    QCOMPARE(h.boxes.titles(), titles);
}

void TestResistorToolPanels::smdHandsOverToColourBands()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.showPanel(h.find<QWidget>("PanelResistorSmdCodes"));
    h.click("BtnSmdColourBands");
    QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("No Resistor Value")});
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorSmdCodes"));
    h.boxes.clear();

    // Values the bands cannot show stay here, with the reason.
    for (const char* code : {"000", "R47"}) {
        h.type("SmdCode", QString::fromLatin1(code));
        h.click("BtnSmdDecode");
        h.click("BtnSmdColourBands");
        QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("No Colour Bands")});
        QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorSmdCodes"));
        h.boxes.clear();
    }

    h.type("SmdCode", QStringLiteral("4R7"));
    h.click("BtnSmdDecode");
    h.click("BtnSmdColourBands");
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorColourBands"));
    QCOMPARE(h.text("ResValue"), local(QStringLiteral("4.7")));
    QCOMPARE(texts(h, {"ComboResCol1", "ComboResCol2", "ComboResCol3"}),
             (QStringList{"Yellow", "Violet", "Gold"}));
    QVERIFY(h.boxes.boxes().isEmpty());
}

void TestResistorToolPanels::divider_data()
{
    QTest::addColumn<QStringList>("typed");   // Vin, R1, R2, Vout
    QTest::addColumn<QStringList>("fields");  // after Calculate
    QTest::addColumn<QStringList>("results"); // current, power in R1, in R2, standard pair
    QTest::addColumn<QString>("box");

    using L = QStringList;
    QTest::newRow("Vout of halves, with prefixes")
        << L{"12", "10k", "10k", ""} << L{"12", "10k", "10k", "6"}
        << L{"0.0006 A", "0.0036 W", "0.0036 W", "E24: R1 10 k, R2 10 k give 6 V (0.0 %)"} << "";
    // 12 x 1000 / 5700 = 2.105263157894737
    QTest::newRow("15 digits") << L{"12", "4700", "1000", ""} << L{"12", "4700", "1000", "2.10526315789474"}
                               << L{"0.00210526315789474 A", "0.0208310249307479 W", "0.00443213296398892 W",
                                    "E24: R1 4.7 k, R2 1 k give 2.11 V (0.0 %)"}
                               << "";
    // 5 x 9.1 k / 13.8 k = 3.297, 0.09 % low.
    QTest::newRow("two voltages design")
        << L{"5", "", "", "3.3"} << L{"5", "", "", "3.3"}
        << L{"", "", "", "E24: R1 4.7 k, R2 9.1 k give 3.3 V (-0.1 %)"} << "";
    QTest::newRow("not enough") << L{"12", "1000", "", ""} << L{"12", "1000", "", ""} << L{"", "", "", ""}
                                << kNotEnough;
    QTest::newRow("too many") << L{"12", "1000", "1000", "6"} << L{"12", "1000", "1000", "6"}
                              << L{"", "", "", ""} << kTooMany;
    QTest::newRow("Vout not below Vin")
        << L{"5", "", "1000", "5"} << L{"5", "", "1000", "5"} << L{"", "", "", ""}
        << "The output voltage must be below the input voltage.\n\nA divider of two resistors can only "
           "divide "
           "a voltage down.";
    QTest::newRow("negative resistor")
        << L{"5", "-1000", "1000", ""} << L{"5", "-1000", "1000", ""} << L{"", "", "", ""}
        << "Every value must be greater than zero.\n\nA divider of two resistors "
           "works with positive voltages and resistances.";
}

void TestResistorToolPanels::divider()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, results);
    QFETCH(QString, box);
    PanelHarness<VoltageDividerPanel> h;
    const char* names[] = {"DividerVin", "DividerR1", "DividerR2", "DividerVout"};
    for (int i = 0; i < 4; ++i)
        h.type(names[i], local(typed[i]));
    h.click("BtnDividerCalculate");
    QCOMPARE(texts(h, {"DividerVin", "DividerR1", "DividerR2", "DividerVout"}), local(fields));
    QCOMPARE(texts(h, {"DividerCurrent", "DividerPowerR1", "DividerPowerR2", "DividerBestPair"}),
             local(results));
    QCOMPARE(h.boxes.boxes().size(), qsizetype(box.isEmpty() ? 0 : 1));
    if (!box.isEmpty())
        QCOMPARE(h.boxes.boxes().first().text, box);
    if (!results[3].isEmpty()) {
        // Another series gives its pair at once.
        h.find<QComboBox>("ComboDividerSeries")->setCurrentText(QStringLiteral("E6"));
        QVERIFY2(h.text("DividerBestPair").startsWith(QLatin1String("E6: R1 ")),
                 qPrintable(h.text("DividerBestPair")));
    }
    h.click("BtnDividerClear");
    QCOMPARE(texts(h, {"DividerVout", "DividerCurrent", "DividerBestPair"}), (QStringList{"", "", ""}));
}

void TestResistorToolPanels::combinations_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("series");
    QTest::addColumn<QStringList>("untick");
    QTest::addColumn<QStringList>("firstLines");
    QTest::addColumn<QString>("box");

    // Two E6 parts around 5.1 k, from a brute force over exact fractions.
    QTest::newRow("E6, two parts") << "5100"
                                   << "E6" << QStringList{"CheckCombinationThree"}
                                   << QStringList{"4.7 k + 330 = 5.03 k (-1.4 %)",
                                                  "4.7 k + 470 = 5.17 k (+1.4 %)",
                                                  "22 k || 6.8 k = 5.19 k (+1.9 %)",
                                                  "10 k || 10 k = 5 k (-2.0 %)"}
                                   << "";
    QTest::newRow("a standard value says so first")
        << "5k1"
        << "E24" << QStringList{}
        << QStringList{"5.1 k is itself an E24 value: one resistor is enough",
                       "2.7 k + 2.4 k = 5.1 k (0.0 %)"}
        << "";
    QTest::newRow("nothing ticked")
        << "5100"
        << "E24"
        << QStringList{"CheckCombinationTwoSeries", "CheckCombinationTwoParallel", "CheckCombinationThree"}
        << QStringList{} << "No arrangement has been chosen.\n\nTick at least one arrangement to try.";
    // Far beyond, every total misses by the same rounded amount.
    QTest::newRow("beyond what two in series make")
        << "1e308"
        << "E24" << QStringList{"CheckCombinationTwoParallel", "CheckCombinationThree"} << QStringList{}
        << "1E308 lies too far beyond what these parts can make.\n\nThe arrangements ticked make 2 to 20 M "
           "from parts of 1 ohm to 10 M.";
    QTest::newRow("no target")
        << ""
        << "E24" << QStringList{} << QStringList{}
        << "Not enough values have been provided.\n\nEnsure that the target value is given.";
}

void TestResistorToolPanels::combinations()
{
    QFETCH(QString, target);
    QFETCH(QString, series);
    QFETCH(QStringList, untick);
    QFETCH(QStringList, firstLines);
    QFETCH(QString, box);
    PanelHarness<ResistorCombinationsPanel> h;
    h.find<QComboBox>("ComboCombinationSeries")->setCurrentText(series);
    for (const QString& name : std::as_const(untick))
        h.click(name.toLatin1().constData());
    h.type("CombinationTarget", target);
    QTest::keyClick(h.field("CombinationTarget"), Qt::Key_Return);
    auto* list = h.find<QListWidget>("ListCombinations");
    QStringList lines;
    for (int i = 0; i < std::min(list->count(), int(firstLines.size())); ++i)
        lines.append(list->item(i)->text());
    QCOMPARE(lines, local(firstLines));
    QCOMPARE(h.boxes.boxes().size(), qsizetype(box.isEmpty() ? 0 : 1));
    if (!box.isEmpty()) {
        QCOMPARE(h.boxes.boxes().first().text, box);
        return;
    }
    QCOMPARE(list->count(), int(10 + firstLines.first().contains(QLatin1String("itself"))));
    // The selected line is copied.
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), local(firstLines[1]));
}

void TestResistorToolPanels::seriesKeptInSettings()
{
    PanelHost host;
    auto key = settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey));
    QVERIFY(key);
    const auto series = [](QWidget* panel, const char* name) {
        return panel->findChild<QComboBox*>(QString::fromLatin1(name));
    };
    const auto load = [&](QStringList expected) {
        VoltageDividerPanel divider(&host.host());
        ResistorCombinationsPanel combinations(&host.host());
        divider.loadSettings(*key);
        combinations.loadSettings(*key);
        QCOMPARE((QStringList{series(&divider, "ComboDividerSeries")->currentText(),
                              series(&combinations, "ComboCombinationSeries")->currentText()}),
                 expected);
    };
    {
        VoltageDividerPanel divider(&host.host());
        ResistorCombinationsPanel combinations(&host.host());
        series(&divider, "ComboDividerSeries")->setCurrentText(QStringLiteral("E96"));
        series(&combinations, "ComboCombinationSeries")->setCurrentText(QStringLiteral("E12"));
        QVERIFY(divider.saveSettings(*key));
        QVERIFY(combinations.saveSettings(*key));
    }
    QCOMPARE(key->read(QStringLiteral("Voltage Divider Series")).text, QStringLiteral("E96"));
    load({"E96", "E12"});
    // A value that names no list item, or is no string, is skipped.
    QVERIFY(key->writeString(QStringLiteral("Voltage Divider Series"), QStringLiteral("E7")));
    QVERIFY(key->writeDword(QStringLiteral("Combinations Series"), 2));
    load({"E24", "E24"});
}

void TestResistorToolPanels::tabOrder()
{
    // Results join the order once they show a value.
    PanelHarness<ResistorSmdCodesPanel> smd;
    smd.type("SmdCode", QStringLiteral("472"));
    smd.click("BtnSmdDecode");
    smd.type("SmdValueIn", QStringLiteral("4750"));
    smd.click("BtnSmdEncode");
    QCOMPARE(tabWalk(smd, "SmdCode"),
             (QStringList{"SmdCode", "BtnSmdDecode", "SmdValue", "SmdScheme", "BtnSmdColourBands",
                          "SmdValueIn", "BtnSmdEncode", "SmdCode3", "SmdCode4", "SmdCodeEia96"}));
    PanelHarness<VoltageDividerPanel> divider;
    QCOMPARE(tabWalk(divider, "DividerVin"),
             (QStringList{"DividerVin", "DividerR1", "DividerR2", "DividerVout", "BtnDividerCalculate",
                          "BtnDividerClear", "ComboDividerSeries"}));
    PanelHarness<ResistorCombinationsPanel> combinations;
    QCOMPARE(tabWalk(combinations, "CombinationTarget"),
             (QStringList{"CombinationTarget", "ComboCombinationSeries", "CheckCombinationTwoSeries",
                          "CheckCombinationTwoParallel", "CheckCombinationThree", "BtnCombinationFind",
                          "ListCombinations"}));
}

QTEST_MAIN(TestResistorToolPanels)
#include "test_resistor_tool_panels.moc"
