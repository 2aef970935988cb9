// The capacitors in series and in parallel panel, driven through the real
// window: any two of the two capacitors and the total give the third.

#include "tests/support/two_of_three_checks.h"

#include <QRegularExpression>
#include <QTest>

using guitest::entryError;
using guitest::fault;
using guitest::kNotEnough;
using guitest::kTooMany;

namespace {

using twoofthree::Calculator;

const Calculator kSeries{{"SerCap1", "SerCap2", "SerCapTotal"},
                         "CalcSerCap",
                         "ClearSerCap",
                         {"BtnClearSerCap1", "BtnClearSerCap2", "BtnClearSerCapTotal"}};
const Calculator kParallel{{"ParCap1", "ParCap2", "ParCapTotal"},
                           "BtnCalcParCap",
                           "BtnClearParCapAll",
                           {"BtnClearParCap1", "BtnClearParCap2", "BtnClearParCapTotal"}};

const QString kSeriesNote = QStringLiteral("Note!: A negative value is being shown because it is not "
                                           "possible to make the overall capacitance higher by "
                                           "wiring an additional capacitor in series.");
const QString kParallelNote = QStringLiteral("Note!: A negative value is being shown because it is not "
                                             "possible to make the overall capacitance lower by "
                                             "wiring an additional capacitor in parallel.");

} // namespace

class TestSeriesParallelCapacitors : public QObject
{
    Q_OBJECT

private slots:
    void calculation_data();
    void calculation();
    void calculatorsNeverReadEachOther_data();
    void calculatorsNeverReadEachOther();
    void clearButtons_data();
    void clearButtons();
    void standardValueUnderComputedField_data();
    void standardValueUnderComputedField();
};

void TestSeriesParallelCapacitors::calculation_data()
{
    QTest::addColumn<bool>("series");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");

    using L = QStringList;
    const L none;
    const QString capacitorError = entryError(QStringLiteral("Capacitor"));

    QTest::newRow("series 100 and 100") << true << L{"100", "100", ""} << L{"100", "100", "50"} << none;
    QTest::newRow("series 3 and 6") << true << L{"3", "6", ""} << L{"3", "6", "2"} << none;
    QTest::newRow("series 1 and 2") << true << L{"1", "2", ""} << L{"1", "2", "0.666666666666667"} << none;
    QTest::newRow("series total 50 with C2 100")
        << true << L{"", "100", "50"} << L{"100", "100", "50"} << none;
    QTest::newRow("series total 50 with C1 100")
        << true << L{"100", "", "50"} << L{"100", "100", "50"} << none;
    QTest::newRow("series total 47 with C1 100: wider than its field")
        << true << L{"100", "", "47"} << L{"100", "88.6792452830189", "47"} << none;
    QTest::newRow("series total 2 with C2 3, rounded") << true << L{"", "3", "2"} << L{"6", "3", "2"} << none;
    QTest::newRow("series total 100 with C2 50: negative and note")
        << true << L{"", "50", "100"} << L{"-100", "50", "100"} << L{kSeriesNote};
    QTest::newRow("series total 100 with C1 50: negative and note")
        << true << L{"50", "", "100"} << L{"50", "-100", "100"} << L{kSeriesNote};
    QTest::newRow("series total equal to C2 shows 0")
        << true << L{"", "100", "100"} << L{"0", "100", "100"} << none;
    QTest::newRow("series total equal to C1 shows 0")
        << true << L{"100", "", "100"} << L{"100", "0", "100"} << none;
    QTest::newRow("series negative capacitor given, no note")
        << true << L{"-100", "50", ""} << L{"-100", "50", "100"} << none;
    // Opposite capacitors in series: the sum of reciprocals is zero; the
    // program reports the division by zero and leaves the total as it was.
    QTest::newRow("series C1 = -C2 divides by zero") << true << L{"100", "-100", ""} << L{"100", "-100", ""}
                                                     << L{fault("Floating point division by zero.")};
    QTest::newRow("series reciprocals overflow")
        << true << L{"1e-308", "1e-308", ""} << L{"1e-308", "1e-308", ""}
        << L{fault("Floating point overflow.")};
    QTest::newRow("series one value") << true << L{"", "100", ""} << L{"", "100", ""} << L{kNotEnough};
    QTest::newRow("series nothing") << true << L{"", "", ""} << L{"", "", ""} << L{kNotEnough};
    QTest::newRow("series three consistent values")
        << true << L{"100", "100", "50"} << L{"100", "100", "50"} << L{kTooMany};
    QTest::newRow("series 0 rejected") << true << L{"0", "100", ""} << L{"", "100", ""} << L{capacitorError};
    QTest::newRow("series abc rejected")
        << true << L{"100", "abc", ""} << L{"100", "", ""} << L{capacitorError};
    QTest::newRow("series two rejected fields")
        << true << L{"abc", "100", "0"} << L{"", "100", ""} << L{capacitorError, capacitorError};
    QTest::newRow("series trailing text ignored")
        << true << L{"100 nF", "100n", ""} << L{"100 nF", "100n", "50"} << none;

    QTest::newRow("parallel 100 and 100") << false << L{"100", "100", ""} << L{"100", "100", "200"} << none;
    QTest::newRow("parallel 0.1 and 0.2") << false << L{"0.1", "0.2", ""} << L{"0.1", "0.2", "0.3"} << none;
    QTest::newRow("parallel total 300 with C2 100")
        << false << L{"", "100", "300"} << L{"200", "100", "300"} << none;
    QTest::newRow("parallel total 0.3 with C1 0.1")
        << false << L{"0.1", "", "0.3"} << L{"0.1", "0.2", "0.3"} << none;
    QTest::newRow("parallel total 100 with C1 150: negative and note")
        << false << L{"150", "", "100"} << L{"150", "-50", "100"} << L{kParallelNote};
    QTest::newRow("parallel total 100 with C2 150: negative and note")
        << false << L{"", "150", "100"} << L{"-50", "150", "100"} << L{kParallelNote};
    QTest::newRow("parallel total 100 with C1 100: zero, no note")
        << false << L{"100", "", "100"} << L{"100", "0", "100"} << none;
    QTest::newRow("parallel near 1e308 overflows")
        << false << L{"1e308", "1e308", ""} << L{"1e308", "1e308", ""}
        << L{fault("Floating point overflow.")};
    QTest::newRow("parallel negative overflow accepted")
        << false << L{"-1e999", "5", ""} << L{"-1e999", "5", "-INF"} << none;
    QTest::newRow("parallel one value") << false << L{"100", "", ""} << L{"100", "", ""} << L{kNotEnough};
    QTest::newRow("parallel three values")
        << false << L{"100", "100", "200"} << L{"100", "100", "200"} << L{kTooMany};
    QTest::newRow("parallel 0 rejected")
        << false << L{"100", "", "0"} << L{"100", "", ""} << L{capacitorError};
    QTest::newRow("parallel two rejected fields")
        << false << L{"x", "1e999", "5"} << L{"", "", "5"} << L{capacitorError, capacitorError};
}

void TestSeriesParallelCapacitors::calculation()
{
    QFETCH(bool, series);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    const Calculator& c = series ? kSeries : kParallel;
    twoofthree::checkCalculation("PanelCapacitorsSeriesParallel", c, typed, expected, boxes);
}

void TestSeriesParallelCapacitors::calculatorsNeverReadEachOther_data()
{
    QTest::addColumn<bool>("series");
    QTest::addColumn<bool>("clear");

    QTest::newRow("calculating series") << true << false;
    QTest::newRow("calculating parallel") << false << false;
    QTest::newRow("clearing series") << true << true;
    QTest::newRow("clearing parallel") << false << true;
}

void TestSeriesParallelCapacitors::calculatorsNeverReadEachOther()
{
    QFETCH(bool, series);
    QFETCH(bool, clear);
    const Calculator& used = series ? kSeries : kParallel;
    const Calculator& other = series ? kParallel : kSeries;
    twoofthree::checkIndependence("PanelCapacitorsSeriesParallel", used, other, clear,
                                  series ? QStringLiteral("50") : QStringLiteral("200"));
}

void TestSeriesParallelCapacitors::clearButtons_data()
{
    QTest::addColumn<bool>("series");
    QTest::addColumn<int>("which"); // 0..2: one field, 3: Clear All
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("series C1") << true << 0 << QStringList{"", "2", "3"};
    QTest::newRow("series C2") << true << 1 << QStringList{"1", "", "3"};
    QTest::newRow("series total") << true << 2 << QStringList{"1", "2", ""};
    QTest::newRow("series clear all") << true << 3 << QStringList{"", "", ""};
    QTest::newRow("parallel C1") << false << 0 << QStringList{"", "2", "3"};
    QTest::newRow("parallel C2") << false << 1 << QStringList{"1", "", "3"};
    QTest::newRow("parallel total") << false << 2 << QStringList{"1", "2", ""};
    QTest::newRow("parallel clear all") << false << 3 << QStringList{"", "", ""};
}

void TestSeriesParallelCapacitors::clearButtons()
{
    QFETCH(bool, series);
    QFETCH(int, which);
    QFETCH(QStringList, expected);
    const Calculator& c = series ? kSeries : kParallel;
    const Calculator& other = series ? kParallel : kSeries;
    twoofthree::checkClearButton("PanelCapacitorsSeriesParallel", c, other, which, expected);
}

void TestSeriesParallelCapacitors::standardValueUnderComputedField_data()
{
    QTest::addColumn<bool>("series");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("standard"); // the lines under the two parts and the total
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;

    // 100 x 220 / 320 = 68.75; 68 lies 1.1 % below it.
    QTest::newRow("series 100 and 220: 68")
        << true << L{"100", "220", ""} << L{"100", "220", "68.75"} << L{"", "", "E24: 68 (-1.1 %)"} << L{};
    // 0.1 - 0.0022 = 0.0978; 0.1 lies 2.2 % above it, in the user's unit.
    QTest::newRow("parallel total 0.1 with C1 0.0022: 0.1")
        << false << L{"0.0022", "", "0.1"} << L{"0.0022", "0.0978", "0.1"} << L{"", "E24: 0.1 (+2.2 %)", ""}
        << L{};
    QTest::newRow("series total equal to C2: 0 and no line")
        << true << L{"", "100", "100"} << L{"0", "100", "100"} << L{"", "", ""} << L{};
}

void TestSeriesParallelCapacitors::standardValueUnderComputedField()
{
    QFETCH(bool, series);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, standard);
    QFETCH(QStringList, boxes);
    twoofthree::checkStandardValueLine("PanelCapacitorsSeriesParallel", series ? kSeries : kParallel, typed,
                                       expected, standard, boxes);
}

QTEST_MAIN(TestSeriesParallelCapacitors)
#include "test_series_parallel_capacitors.moc"
