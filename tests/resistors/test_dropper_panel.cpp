// The in-line resistor dropper built alone, and its two hand-overs driven end
// to end through the real main window.

#include "resistors/panels/dropper_panel.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/panel_harness.h"
#include "ui/numeric_field.h"

#include <QComboBox>
#include <QTest>

class TestDropperPanel : public QObject
{
    Q_OBJECT

private:
    template <typename H>
    void fill(H& h, const QString& source, const QString& forward, const QString& current)
    {
        h.type("DropperInLineVSource", source);
        h.type("DropperInLineVForward", forward);
        h.type("DropperInLineIForward", current);
    }
    QStringList bands(MainWindowHarness& h)
    {
        QStringList b;
        for (const char* name :
             {"ComboResCol1", "ComboResCol2", "ComboResCol3", "ComboResCol4", "ComboResCol5"})
            b.append(h.text(name));
        return b;
    }

private slots:
    // What a field reads with unit prefixes is tested with the option; here
    // every field reads as its plain rule says.
    void initTestCase() { ui::setReadUnitPrefixes(false); }

    void calculates_data();
    void calculates();
    void rejectsBadEntries_data();
    void rejectsBadEntries();
    void colourBandHandOver();
    void zeroResultHandsOverZero();
    void heatHandOver();
    void heatUsesCurrentAsTyped();
    void handOversWithoutResult_data();
    void handOversWithoutResult();
    void overflowKeepsPreviousResult();
    void standardValuesAndHeat_data();
    void standardValuesAndHeat();
};

void TestDropperPanel::calculates_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("note");

    QTest::newRow("LED from 12 V") << QStringList{"12", "2", "20"} << "500"
                                   << "";
    QTest::newRow("equal voltages")
        << QStringList{"5", "5", "20"} << "0"
        << "A zero value is being shown because the source voltage is the same as the "
           "forward voltage of the load.\n\nTherefore no resistor is required.";
    QTest::newRow("source below load")
        << QStringList{"3", "5", "20"} << "-100"
        << "A negative value is being shown because the source voltage is lower or "
           "the same as the forward voltage of the load.\n\nIt is not possible to "
           "increase the voltage using an in line resistor.";
    QTest::newRow("trailing units ignored") << QStringList{"9V", "1.8 V", "15mA"} << "480"
                                            << "";
}

void TestDropperPanel::calculates()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, result);
    QFETCH(QString, note);
    PanelHarness<ResistorDropperPanel> h;
    fill(h, entries[0], entries[1], entries[2]);
    h.click("DropperInLineCalculate");
    QCOMPARE(h.text("DropperInLineResistor"), result);
    QCOMPARE(h.text("LabelOhms"), QStringLiteral("ohms"));
    if (note.isEmpty()) {
        QVERIFY(h.boxes.boxes().isEmpty());
    } else {
        QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("Note!")});
        QCOMPARE(h.boxes.boxes().first().text, note);
    }
}

void TestDropperPanel::rejectsBadEntries_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("zero current") << QStringList{"12", "2", "0"} << QStringList{"Forward Current Error"}
                                  << QStringList{"12", "2", ""};
    QTest::newRow("two bad") << QStringList{"abc", "2", "-"}
                             << QStringList{"Source Voltage Error", "Forward Current Error"}
                             << QStringList{"", "2", ""};
    QTest::newRow("one missing") << QStringList{"12", "", "20"} << QStringList{"Error"}
                                 << QStringList{"12", "", "20"};
}

void TestDropperPanel::rejectsBadEntries()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, titles);
    QFETCH(QStringList, after);
    PanelHarness<ResistorDropperPanel> h;
    fill(h, QStringLiteral("12"), QStringLiteral("2"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    fill(h, entries[0], entries[1], entries[2]);
    h.click("DropperInLineCalculate");
    QCOMPARE(h.boxes.titles(), titles);
    if (titles.first() == QLatin1String("Error")) {
        QCOMPARE(
            h.boxes.boxes().first().text,
            QStringLiteral("Not enough values have been provided.\n\nEnsure that the source voltage, forward "
                           "voltage and forward current values are given."));
    }
    QCOMPARE(h.text("DropperInLineVSource"), after[0]);
    QCOMPARE(h.text("DropperInLineVForward"), after[1]);
    QCOMPARE(h.text("DropperInLineIForward"), after[2]);
    // The previous result stays on show.
    QCOMPARE(h.text("DropperInLineResistor"), QStringLiteral("500"));
}

void TestDropperPanel::colourBandHandOver()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    fill(h, QStringLiteral("12"), QStringLiteral("2"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    h.click("DropperInLineGetColourBands");
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorColourBands"));
    QCOMPARE(h.text("ResValue"), QStringLiteral("500"));
    QCOMPARE(h.text("ResValueK"), QStringLiteral("0.5"));
    QCOMPARE(h.text("ResValueM"), QStringLiteral("0.0005"));
    QCOMPARE(bands(h), (QStringList{"Green", "Black", "Brown", "No band", "No band"}));
    QVERIFY(h.boxes.boxes().isEmpty());
}

void TestDropperPanel::zeroResultHandsOverZero()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    fill(h, QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    h.boxes.clear();
    h.click("DropperInLineGetColourBands");
    QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("Ohms Error")});
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorColourBands"));
    QCOMPARE(h.text("ResValue"), QString());
}

void TestDropperPanel::heatHandOver()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    h.type("Voltage", QStringLiteral("99"));
    fill(h, QStringLiteral("12"), QStringLiteral("2"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    h.click("BtnCalcHeatDissipation");
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelOhmsLawAndPower"));
    QCOMPARE(w.currentHelpPage(), QStringLiteral("OhmsLawPower.htm"));
    QCOMPARE(h.text("Current"), QStringLiteral("0.02"));
    QCOMPARE(h.text("Resistance"), QStringLiteral("500"));
    QCOMPARE(h.text("Voltage"), QStringLiteral("10"));
    QCOMPARE(h.text("Watts"), QStringLiteral("0.2"));
    QVERIFY(h.boxes.boxes().isEmpty());
}

void TestDropperPanel::heatUsesCurrentAsTyped()
{
    MainWindowHarness h;
    h.open();
    fill(h, QStringLiteral("12"), QStringLiteral("2"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    h.type("DropperInLineIForward", QStringLiteral("40"));
    h.click("BtnCalcHeatDissipation");
    QCOMPARE(h.text("Current"), QStringLiteral("0.04"));
    QCOMPARE(h.text("Resistance"), QStringLiteral("500"));
    QCOMPARE(h.text("Watts"), QStringLiteral("0.8"));
}

void TestDropperPanel::handOversWithoutResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("calculateFirst");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");

    QTest::newRow("bands after clear")
        << "DropperInLineGetColourBands" << true << ""
        << "No Resistor Value"
        << "Resistor value not yet shown.\n\nInput your values and click Calculate\n"
           "before getting the colour bands.";
    QTest::newRow("heat after clear") << "BtnCalcHeatDissipation" << true << ""
                                      << "Invalid values"
                                      << "Invalid inputs to calculate heat dissipation.";
    QTest::newRow("heat with text current") << "BtnCalcHeatDissipation" << false << "abc"
                                            << "Invalid values"
                                            << "Invalid inputs to calculate heat dissipation.";
    QTest::newRow("heat with empty current") << "BtnCalcHeatDissipation" << false << ""
                                             << "Invalid values"
                                             << "Invalid inputs to calculate heat dissipation.";
}

void TestDropperPanel::handOversWithoutResult()
{
    QFETCH(QString, button);
    QFETCH(bool, calculateFirst);
    QFETCH(QString, current);
    QFETCH(QString, title);
    QFETCH(QString, text);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.showPanel(h.find<QWidget>("PanelResistorInLineDropper"));
    fill(h, QStringLiteral("12"), QStringLiteral("2"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    if (calculateFirst)
        h.click("DropperInLineClear");
    else
        h.type("DropperInLineIForward", current);
    h.click(button.toLatin1().constData());
    QCOMPARE(h.boxes.titles(), QStringList{title});
    QCOMPARE(h.boxes.boxes().first().text, text);
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorInLineDropper"));
}

void TestDropperPanel::overflowKeepsPreviousResult()
{
    PanelHarness<ResistorDropperPanel> h;
    fill(h, QStringLiteral("12"), QStringLiteral("2"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    fill(h, QStringLiteral("1e308"), QStringLiteral("-1e308"), QStringLiteral("20"));
    h.click("DropperInLineCalculate");
    QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("Tarvolen Ohmbrook")});
    QCOMPARE(h.boxes.boxes().first().text, QStringLiteral("Floating point overflow."));
    QCOMPARE(h.text("DropperInLineResistor"), QStringLiteral("500"));
}

void TestDropperPanel::standardValuesAndHeat_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QStringList>("lines"); // E12 up, E24 up, heat, rating
    QTest::addColumn<QStringList>("titles");

    // 10 V over 560 ohms is 17.9 mA, over 510 ohms 19.6 mA; 10 V x 20 mA is
    // 0.2 W, twice that fits 0.5 W.
    QTest::newRow("LED from 12 V") << QStringList{"12", "2", "20"} << "500"
                                   << QStringList{"Next E12 up: 560 ohms, 17.9 mA",
                                                  "Next E24 up: 510 ohms, 19.6 mA", "P = 0.2 W",
                                                  "Rating: 0.5 W"}
                                   << QStringList{};
    // 228 V x 100 mA is 22.8 W; 228 V over 2.7 k is 84.4 mA, over 2.4 k 95 mA.
    QTest::newRow("mains: beyond 5 W")
        << QStringList{"230", "2", "100"} << "2280"
        << QStringList{"Next E12 up: 2.7 k ohms, 84.4 mA", "Next E24 up: 2.4 k ohms, 95 mA", "P = 22.8 W",
                       "5 W is not enough"}
        << QStringList{};
    QTest::newRow("negative: nothing to buy, the note as before")
        << QStringList{"3", "5", "20"} << "-100" << QStringList{"", "", "", ""} << QStringList{"Note!"};
}

void TestDropperPanel::standardValuesAndHeat()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, result);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, titles);
    PanelHarness<ResistorDropperPanel> h;
    fill(h, entries[0], entries[1], entries[2]);
    h.click("DropperInLineCalculate");
    const char* names[] = {"LabelDropperE12Up", "LabelDropperE24Up", "LabelHeatWatts", "LabelHeatRating"};
    auto shown = [&] {
        QStringList texts;
        for (const char* name : names)
            texts.append(h.text(name));
        return texts;
    };
    QCOMPARE(h.text("DropperInLineResistor"), result);
    QCOMPARE(h.text("LabelOhms"), QStringLiteral("ohms"));
    QCOMPARE(h.boxes.titles(), titles);
    QCOMPARE(shown(), lines);
    h.click("DropperInLineClear");
    QCOMPARE(shown(), (QStringList{"", "", "", ""}));
}

QTEST_MAIN(TestDropperPanel)
#include "test_dropper_panel.moc"
