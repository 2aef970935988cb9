// The resistor and the capacitor series/parallel panels, each built alone:
// any two of the two parts and the total give the third. Both panels hold a
// reciprocal calculator (resistors in parallel, capacitors in series) and a
// sum (resistors in series, capacitors in parallel); every case runs on both.

#include "capacitors/panels/series_parallel_panel.h"
#include "resistors/panels/series_parallel_panel.h"
#include "tests/support/two_of_three_checks.h"
#include "ui/numeric_field.h"

#include <QTest>

#include <functional>

using guitest::entryError;
using guitest::fault;
using guitest::kNotEnough;
using guitest::kTooMany;
using twoofthree::Calculator;

namespace {

using Check = std::function<void(PanelHost&)>;

template <typename Panel> void onPanel(const Check& check)
{
    PanelHarness<Panel> h;
    QVERIFY(h.show());
    check(h);
}

// What tells the two panels apart.
struct PanelCase
{
    const char* name;
    void (*open)(const Check&);
    Calculator reciprocal;
    Calculator sum;
    const char* reciprocalWiring;
    const char* sumWiring;
    const char* part; // how the row names call a part
    QString quantity;
    QString reciprocalNote;
    QString sumNote;
    QStringList withUnits; // two parts typed with their units
};

const PanelCase kPanels[] = {
    {"resistors",
     &onPanel<ResistorSeriesParallelPanel>,
     {{"ParRes1", "ParRes2", "ParResTotal"},
      "CalcParRes",
      "ClearParRes",
      {"BtnClearParRes1", "BtnClearParRes2", "BtnClearParResTotal"}},
     {{"SerRes1", "SerRes2", "SerResTotal"},
      "BtnCalculateResSeries",
      "BtnClearAllResSeries",
      {"BtnClearSerRes1", "BtnClearSerRes2", "BtnClearSerResTotal"}},
     "parallel",
     "series",
     "R",
     QStringLiteral("Resistor"),
     QStringLiteral("Note!: A negative value is being shown because it is not possible to make the overall "
                    "resistance higher by wiring an additional resistor in parallel."),
     QStringLiteral("Note!: A negative value is being shown because it is not possible to make the overall "
                    "resistance lower by wiring an additional resistor in series."),
     {QStringLiteral("100 ohm"), QStringLiteral("100K")}},
    {"capacitors",
     &onPanel<CapacitorSeriesParallelPanel>,
     {{"SerCap1", "SerCap2", "SerCapTotal"},
      "CalcSerCap",
      "ClearSerCap",
      {"BtnClearSerCap1", "BtnClearSerCap2", "BtnClearSerCapTotal"}},
     {{"ParCap1", "ParCap2", "ParCapTotal"},
      "BtnCalcParCap",
      "BtnClearParCapAll",
      {"BtnClearParCap1", "BtnClearParCap2", "BtnClearParCapTotal"}},
     "series",
     "parallel",
     "C",
     QStringLiteral("Capacitor"),
     QStringLiteral("Note!: A negative value is being shown because it is not possible to make the overall "
                    "capacitance higher by wiring an additional capacitor in series."),
     QStringLiteral("Note!: A negative value is being shown because it is not possible to make the overall "
                    "capacitance lower by wiring an additional capacitor in parallel."),
     {QStringLiteral("100 nF"), QStringLiteral("100n")}},
};
constexpr int kResistors = 0;
constexpr int kCapacitors = 1;

const Calculator& calculator(int panel, bool reciprocal)
{
    return reciprocal ? kPanels[panel].reciprocal : kPanels[panel].sum;
}

// Starts a row "<panel> <wiring> <name>", with the part letter for each # in
// the name, and fills the panel and reciprocal columns.
QTestData& row(int panel, bool reciprocal, QString name)
{
    const PanelCase& p = kPanels[panel];
    const QString tag =
        QStringLiteral("%1 %2 %3")
            .arg(QLatin1String(p.name), QLatin1String(reciprocal ? p.reciprocalWiring : p.sumWiring),
                 name.replace(u'#', QLatin1String(p.part)));
    return QTest::newRow(qPrintable(tag)) << panel << reciprocal;
}

} // namespace

class TestSeriesParallelPanels : public QObject
{
    Q_OBJECT

private slots:
    // What a field reads with unit prefixes is tested with the option; here
    // every field reads as its plain rule says.
    void initTestCase() { ui::setReadUnitPrefixes(false); }

    void calculation_data();
    void calculation();
    void calculatorsNeverReadEachOther_data();
    void calculatorsNeverReadEachOther();
    void clearButtons_data();
    void clearButtons();
    void standardValueUnderComputedField_data();
    void standardValueUnderComputedField();
};

void TestSeriesParallelPanels::calculation_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("reciprocal");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");

    using L = QStringList;
    const L none;
    for (int p : {kResistors, kCapacitors}) {
        const PanelCase& c = kPanels[p];
        const QString error = entryError(c.quantity);
        const L note{c.reciprocalNote};
        row(p, true, "100 and 100") << L{"100", "100", ""} << L{"100", "100", "50"} << none;
        row(p, true, "3 and 6") << L{"3", "6", ""} << L{"3", "6", "2"} << none;
        row(p, true, "1 and 2") << L{"1", "2", ""} << L{"1", "2", "0.666666666666667"} << none;
        row(p, true, "total 50 with #2 100") << L{"", "100", "50"} << L{"100", "100", "50"} << none;
        row(p, true, "total 50 with #1 100") << L{"100", "", "50"} << L{"100", "100", "50"} << none;
        row(p, true, "total 47 with #1 100: wider than its field")
            << L{"100", "", "47"} << L{"100", "88.6792452830189", "47"} << none;
        row(p, true, "total 2 with #2 3, rounded") << L{"", "3", "2"} << L{"6", "3", "2"} << none;
        row(p, true, "total 100 with #2 50: negative and note")
            << L{"", "50", "100"} << L{"-100", "50", "100"} << note;
        row(p, true, "total 100 with #1 50: negative and note")
            << L{"50", "", "100"} << L{"50", "-100", "100"} << note;
        row(p, true, "total equal to #2 shows 0") << L{"", "100", "100"} << L{"0", "100", "100"} << none;
        row(p, true, "total equal to #1 shows 0") << L{"100", "", "100"} << L{"100", "0", "100"} << none;
        row(p, true, "negative part given, no note") << L{"-100", "50", ""} << L{"-100", "50", "100"} << none;
        // Opposite parts: the sum of reciprocals is zero; the program reports
        // the division by zero and leaves the total as it was.
        row(p, true, "#1 = -#2 divides by zero")
            << L{"100", "-100", ""} << L{"100", "-100", ""} << L{fault("Floating point division by zero.")};
        row(p, true, "reciprocals overflow")
            << L{"1e-308", "1e-308", ""} << L{"1e-308", "1e-308", ""} << L{fault("Floating point overflow.")};
        row(p, true, "one value") << L{"", "100", ""} << L{"", "100", ""} << L{kNotEnough};
        row(p, true, "nothing") << L{"", "", ""} << L{"", "", ""} << L{kNotEnough};
        row(p, true, "three consistent values")
            << L{"100", "100", "50"} << L{"100", "100", "50"} << L{kTooMany};
        row(p, true, "0 rejected") << L{"0", "100", ""} << L{"", "100", ""} << L{error};
        row(p, true, "abc rejected") << L{"100", "abc", ""} << L{"100", "", ""} << L{error};
        row(p, true, "two rejected fields") << L{"abc", "100", "0"} << L{"", "100", ""} << L{error, error};
        row(p, true, "trailing text ignored") << c.withUnits << (c.withUnits + L{"50"}) << none;

        const L sumNote{c.sumNote};
        row(p, false, "100 and 100") << L{"100", "100", ""} << L{"100", "100", "200"} << none;
        row(p, false, "0.1 and 0.2") << L{"0.1", "0.2", ""} << L{"0.1", "0.2", "0.3"} << none;
        row(p, false, "total 300 with #2 100") << L{"", "100", "300"} << L{"200", "100", "300"} << none;
        row(p, false, "total 0.3 with #1 0.1") << L{"0.1", "", "0.3"} << L{"0.1", "0.2", "0.3"} << none;
        row(p, false, "total 100 with #1 150: negative and note")
            << L{"150", "", "100"} << L{"150", "-50", "100"} << sumNote;
        row(p, false, "total 100 with #2 150: negative and note")
            << L{"", "150", "100"} << L{"-50", "150", "100"} << sumNote;
        row(p, false, "total 100 with #1 100: zero, no note")
            << L{"100", "", "100"} << L{"100", "0", "100"} << none;
        row(p, false, "near 1e308 overflows")
            << L{"1e308", "1e308", ""} << L{"1e308", "1e308", ""} << L{fault("Floating point overflow.")};
        row(p, false, "negative overflow accepted")
            << L{"-1e999", "5", ""} << L{"-1e999", "5", "-INF"} << none;
        row(p, false, "one value") << L{"100", "", ""} << L{"100", "", ""} << L{kNotEnough};
        row(p, false, "three values") << L{"100", "100", "200"} << L{"100", "100", "200"} << L{kTooMany};
        row(p, false, "0 rejected") << L{"100", "", "0"} << L{"100", "", ""} << L{error};
        row(p, false, "two rejected fields") << L{"x", "1e999", "5"} << L{"", "", "5"} << L{error, error};
    }
}

void TestSeriesParallelPanels::calculation()
{
    QFETCH(int, panel);
    QFETCH(bool, reciprocal);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    kPanels[panel].open([&](PanelHost& h) {
        twoofthree::checkCalculation(h, calculator(panel, reciprocal), typed, expected, boxes);
    });
}

void TestSeriesParallelPanels::calculatorsNeverReadEachOther_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("reciprocal");
    QTest::addColumn<bool>("clear");

    for (int p : {kResistors, kCapacitors}) {
        for (bool reciprocal : {true, false}) {
            row(p, reciprocal, "calculating") << false;
            row(p, reciprocal, "clearing") << true;
        }
    }
}

void TestSeriesParallelPanels::calculatorsNeverReadEachOther()
{
    QFETCH(int, panel);
    QFETCH(bool, reciprocal);
    QFETCH(bool, clear);
    kPanels[panel].open([&](PanelHost& h) {
        twoofthree::checkIndependence(h, calculator(panel, reciprocal), calculator(panel, !reciprocal), clear,
                                      reciprocal ? QStringLiteral("50") : QStringLiteral("200"));
    });
}

void TestSeriesParallelPanels::clearButtons_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("reciprocal");
    QTest::addColumn<int>("which"); // 0..2: one field, 3: Clear All
    QTest::addColumn<QStringList>("expected");

    for (int p : {kResistors, kCapacitors}) {
        for (bool reciprocal : {true, false}) {
            row(p, reciprocal, "#1") << 0 << QStringList{"", "2", "3"};
            row(p, reciprocal, "#2") << 1 << QStringList{"1", "", "3"};
            row(p, reciprocal, "total") << 2 << QStringList{"1", "2", ""};
            row(p, reciprocal, "clear all") << 3 << QStringList{"", "", ""};
        }
    }
}

void TestSeriesParallelPanels::clearButtons()
{
    QFETCH(int, panel);
    QFETCH(bool, reciprocal);
    QFETCH(int, which);
    QFETCH(QStringList, expected);
    kPanels[panel].open([&](PanelHost& h) {
        twoofthree::checkClearButton(h, calculator(panel, reciprocal), calculator(panel, !reciprocal), which,
                                     expected);
    });
}

void TestSeriesParallelPanels::standardValueUnderComputedField_data()
{
    QTest::addColumn<int>("panel");
    QTest::addColumn<bool>("reciprocal");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("standard"); // the lines under the two parts and the total
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;

    // 1 / (1/4700 + 1/10000) = 3197.28; 3300 lies 3.2 % above it.
    row(kResistors, true, "4.7 k and 10 k: 3300")
        << L{"4700", "10000", ""} << L{"4700", "10000", "3197.27891156463"} << L{"", "", "E24: 3300 (+3.2 %)"}
        << L{};
    row(kResistors, false, "total 1000 with #2 820: 180 is standard")
        << L{"", "820", "1000"} << L{"180", "820", "1000"} << L{"E24: 180 (0.0 %)", "", ""} << L{};
    row(kResistors, true, "negative: no line, the note as before")
        << L{"", "50", "100"} << L{"-100", "50", "100"} << L{"", "", ""}
        << L{kPanels[kResistors].reciprocalNote};
    // 100 x 220 / 320 = 68.75; 68 lies 1.1 % below it.
    row(kCapacitors, true, "100 and 220: 68")
        << L{"100", "220", ""} << L{"100", "220", "68.75"} << L{"", "", "E24: 68 (-1.1 %)"} << L{};
    // 0.1 - 0.0022 = 0.0978; 0.1 lies 2.2 % above it, in the user's unit.
    row(kCapacitors, false, "total 0.1 with #1 0.0022: 0.1")
        << L{"0.0022", "", "0.1"} << L{"0.0022", "0.0978", "0.1"} << L{"", "E24: 0.1 (+2.2 %)", ""} << L{};
    row(kCapacitors, true, "total equal to #2: 0 and no line")
        << L{"", "100", "100"} << L{"0", "100", "100"} << L{"", "", ""} << L{};
}

void TestSeriesParallelPanels::standardValueUnderComputedField()
{
    QFETCH(int, panel);
    QFETCH(bool, reciprocal);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, standard);
    QFETCH(QStringList, boxes);
    kPanels[panel].open([&](PanelHost& h) {
        twoofthree::checkStandardValueLine(h, calculator(panel, reciprocal), typed, expected, standard,
                                           boxes);
    });
}

QTEST_MAIN(TestSeriesParallelPanels)
#include "test_series_parallel_panels.moc"
