// The resistors in series and in parallel panel, driven through the real
// window: any two of the two resistors and the total give the third.

#include "tests/support/two_of_three_checks.h"

#include <QRegularExpression>
#include <QTest>

using guitest::entryError;
using guitest::fault;
using guitest::kNotEnough;
using guitest::kTooMany;

namespace {

using twoofthree::Calculator;

const Calculator kParallel{{"ParRes1", "ParRes2", "ParResTotal"},
                           "CalcParRes",
                           "ClearParRes",
                           {"BtnClearParRes1", "BtnClearParRes2", "BtnClearParResTotal"}};
const Calculator kSeries{{"SerRes1", "SerRes2", "SerResTotal"},
                         "BtnCalculateResSeries",
                         "BtnClearAllResSeries",
                         {"BtnClearSerRes1", "BtnClearSerRes2", "BtnClearSerResTotal"}};

const QString kParallelNote = QStringLiteral("Note!: A negative value is being shown because it is not "
                                             "possible to make the overall resistance higher by "
                                             "wiring an additional resistor in parallel.");
const QString kSeriesNote = QStringLiteral("Note!: A negative value is being shown because it is not "
                                           "possible to make the overall resistance lower by "
                                           "wiring an additional resistor in series.");

} // namespace

class TestSeriesParallelResistors : public QObject
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

void TestSeriesParallelResistors::calculation_data()
{
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");

    using L = QStringList;
    const L none;
    const QString resistorError = entryError(QStringLiteral("Resistor"));

    QTest::newRow("parallel 100 and 100") << true << L{"100", "100", ""} << L{"100", "100", "50"} << none;
    QTest::newRow("parallel 3 and 6") << true << L{"3", "6", ""} << L{"3", "6", "2"} << none;
    QTest::newRow("parallel 1 and 2") << true << L{"1", "2", ""} << L{"1", "2", "0.666666666666667"} << none;
    QTest::newRow("parallel total 50 with R2 100")
        << true << L{"", "100", "50"} << L{"100", "100", "50"} << none;
    QTest::newRow("parallel total 50 with R1 100")
        << true << L{"100", "", "50"} << L{"100", "100", "50"} << none;
    QTest::newRow("parallel total 47 with R1 100: wider than its field")
        << true << L{"100", "", "47"} << L{"100", "88.6792452830189", "47"} << none;
    QTest::newRow("parallel total 2 with R2 3, rounded")
        << true << L{"", "3", "2"} << L{"6", "3", "2"} << none;
    QTest::newRow("parallel total 100 with R2 50: negative and note")
        << true << L{"", "50", "100"} << L{"-100", "50", "100"} << L{kParallelNote};
    QTest::newRow("parallel total 100 with R1 50: negative and note")
        << true << L{"50", "", "100"} << L{"50", "-100", "100"} << L{kParallelNote};
    QTest::newRow("parallel total equal to R2 shows 0")
        << true << L{"", "100", "100"} << L{"0", "100", "100"} << none;
    QTest::newRow("parallel total equal to R1 shows 0")
        << true << L{"100", "", "100"} << L{"100", "0", "100"} << none;
    QTest::newRow("parallel negative resistor given, no note")
        << true << L{"-100", "50", ""} << L{"-100", "50", "100"} << none;
    QTest::newRow("parallel R1 = -R2 divides by zero") << true << L{"100", "-100", ""} << L{"100", "-100", ""}
                                                       << L{fault("Floating point division by zero.")};
    QTest::newRow("parallel reciprocals overflow")
        << true << L{"1e-308", "1e-308", ""} << L{"1e-308", "1e-308", ""}
        << L{fault("Floating point overflow.")};
    QTest::newRow("parallel one value") << true << L{"", "100", ""} << L{"", "100", ""} << L{kNotEnough};
    QTest::newRow("parallel nothing") << true << L{"", "", ""} << L{"", "", ""} << L{kNotEnough};
    QTest::newRow("parallel three consistent values")
        << true << L{"100", "100", "50"} << L{"100", "100", "50"} << L{kTooMany};
    QTest::newRow("parallel 0 rejected") << true << L{"0", "100", ""} << L{"", "100", ""} << L{resistorError};
    QTest::newRow("parallel abc rejected")
        << true << L{"100", "abc", ""} << L{"100", "", ""} << L{resistorError};
    QTest::newRow("parallel two rejected fields")
        << true << L{"abc", "100", "0"} << L{"", "100", ""} << L{resistorError, resistorError};
    QTest::newRow("parallel trailing text ignored")
        << true << L{"100 ohm", "100K", ""} << L{"100 ohm", "100K", "50"} << none;

    QTest::newRow("series 100 and 100") << false << L{"100", "100", ""} << L{"100", "100", "200"} << none;
    QTest::newRow("series 0.1 and 0.2") << false << L{"0.1", "0.2", ""} << L{"0.1", "0.2", "0.3"} << none;
    QTest::newRow("series total 300 with R2 100")
        << false << L{"", "100", "300"} << L{"200", "100", "300"} << none;
    QTest::newRow("series total 0.3 with R1 0.1")
        << false << L{"0.1", "", "0.3"} << L{"0.1", "0.2", "0.3"} << none;
    QTest::newRow("series total 100 with R1 150: negative and note")
        << false << L{"150", "", "100"} << L{"150", "-50", "100"} << L{kSeriesNote};
    QTest::newRow("series total 100 with R2 150: negative and note")
        << false << L{"", "150", "100"} << L{"-50", "150", "100"} << L{kSeriesNote};
    QTest::newRow("series total 100 with R1 100: zero, no note")
        << false << L{"100", "", "100"} << L{"100", "0", "100"} << none;
    QTest::newRow("series near 1e308 overflows")
        << false << L{"1e308", "1e308", ""} << L{"1e308", "1e308", ""}
        << L{fault("Floating point overflow.")};
    QTest::newRow("series negative overflow accepted")
        << false << L{"-1e999", "5", ""} << L{"-1e999", "5", "-INF"} << none;
    QTest::newRow("series one value") << false << L{"100", "", ""} << L{"100", "", ""} << L{kNotEnough};
    QTest::newRow("series three values")
        << false << L{"100", "100", "200"} << L{"100", "100", "200"} << L{kTooMany};
    QTest::newRow("series 0 rejected") << false << L{"100", "", "0"} << L{"100", "", ""} << L{resistorError};
    QTest::newRow("series two rejected fields")
        << false << L{"x", "1e999", "5"} << L{"", "", "5"} << L{resistorError, resistorError};
}

void TestSeriesParallelResistors::calculation()
{
    QFETCH(bool, parallel);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    const Calculator& c = parallel ? kParallel : kSeries;
    twoofthree::checkCalculation("PanelResistorsSeriesParallel", c, typed, expected, boxes);
}

void TestSeriesParallelResistors::calculatorsNeverReadEachOther_data()
{
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<bool>("clear");

    QTest::newRow("calculating parallel") << true << false;
    QTest::newRow("calculating series") << false << false;
    QTest::newRow("clearing parallel") << true << true;
    QTest::newRow("clearing series") << false << true;
}

void TestSeriesParallelResistors::calculatorsNeverReadEachOther()
{
    QFETCH(bool, parallel);
    QFETCH(bool, clear);
    const Calculator& used = parallel ? kParallel : kSeries;
    const Calculator& other = parallel ? kSeries : kParallel;
    twoofthree::checkIndependence("PanelResistorsSeriesParallel", used, other, clear,
                                  parallel ? QStringLiteral("50") : QStringLiteral("200"));
}

void TestSeriesParallelResistors::clearButtons_data()
{
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<int>("which"); // 0..2: one field, 3: Clear All
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("parallel R1") << true << 0 << QStringList{"", "2", "3"};
    QTest::newRow("parallel R2") << true << 1 << QStringList{"1", "", "3"};
    QTest::newRow("parallel total") << true << 2 << QStringList{"1", "2", ""};
    QTest::newRow("parallel clear all") << true << 3 << QStringList{"", "", ""};
    QTest::newRow("series R1") << false << 0 << QStringList{"", "2", "3"};
    QTest::newRow("series R2") << false << 1 << QStringList{"1", "", "3"};
    QTest::newRow("series total") << false << 2 << QStringList{"1", "2", ""};
    QTest::newRow("series clear all") << false << 3 << QStringList{"", "", ""};
}

void TestSeriesParallelResistors::clearButtons()
{
    QFETCH(bool, parallel);
    QFETCH(int, which);
    QFETCH(QStringList, expected);
    const Calculator& c = parallel ? kParallel : kSeries;
    const Calculator& other = parallel ? kSeries : kParallel;
    twoofthree::checkClearButton("PanelResistorsSeriesParallel", c, other, which, expected);
}

void TestSeriesParallelResistors::standardValueUnderComputedField_data()
{
    QTest::addColumn<bool>("parallel");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("standard"); // the lines under the two parts and the total
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;

    // 1 / (1/4700 + 1/10000) = 3197.28; 3300 lies 3.2 % above it.
    QTest::newRow("parallel 4.7 k and 10 k: 3300")
        << true << L{"4700", "10000", ""} << L{"4700", "10000", "3197.27891156463"}
        << L{"", "", "E24: 3300 (+3.2 %)"} << L{};
    QTest::newRow("series total 1000 with R2 820: 180 is standard")
        << false << L{"", "820", "1000"} << L{"180", "820", "1000"} << L{"E24: 180 (0.0 %)", "", ""} << L{};
    QTest::newRow("parallel negative: no line, the note as before")
        << true << L{"", "50", "100"} << L{"-100", "50", "100"} << L{"", "", ""} << L{kParallelNote};
}

void TestSeriesParallelResistors::standardValueUnderComputedField()
{
    QFETCH(bool, parallel);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, standard);
    QFETCH(QStringList, boxes);
    twoofthree::checkStandardValueLine("PanelResistorsSeriesParallel", parallel ? kParallel : kSeries, typed,
                                       expected, standard, boxes);
}

QTEST_MAIN(TestSeriesParallelResistors)
#include "test_series_parallel_resistors.moc"
