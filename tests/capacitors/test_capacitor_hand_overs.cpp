// The capacitor panels in the real main window: every hand-over into the scale comparison sheet, which always
// comes to the front with its help page, even when it rejects the value.

#include "tests/support/gui_test_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

using guitest::entryError;

namespace {

const char* const kScaleFields[] = {"pF", "nF", "uF", "mF"};

const QString kTooMany = QStringLiteral(
    "Error: Too many values provided.\n\nEnsure that you only enter one of the pF, nF, uF or mF values.");
const QString kNotEnough = QStringLiteral(
    "Error: Not enough values provided.\n\nEnsure that you enter one of the pF, nF, uF or mF values.");

QStringList scaleTexts(MainWindowHarness& h)
{
    QStringList t;
    for (const char* f : kScaleFields)
        t.append(h.text(f));
    return t;
}

} // namespace

class TestCapacitorHandOvers : public QObject
{
    Q_OBJECT

private slots:
    void handOver_data();
    void handOver();
    void dropperSquareRootOfANegativeIsReported();
};

void TestCapacitorHandOvers::handOver_data()
{
    QTest::addColumn<QString>("source");    // the panel the user is on
    QTest::addColumn<QStringList>("setup"); // "name=text" for lists and fields, "click:name" for buttons
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");

    using L = QStringList;
    const QString digits = QStringLiteral("PanelCapacitorDigitValues");
    const QString colours = QStringLiteral("PanelCapacitorColourCodes");
    const QString dropper = QStringLiteral("PanelCapacitorDropper");
    const L code104K{"Cap1=1", "Cap2=0", "Cap3=4", "Cap4=K"};

    QTest::newRow("digit value at start-up: 0 is rejected")
        << digits << L{} << "CapScaleCompare" << L{"", "", "", ""} << L{entryError("pF")};
    QTest::newRow("digit tolerance at start-up: D is 0.5 pF")
        << digits << L{} << "CapScaleCompareTolerance" << L{"0.5", "0.0005", "5E-7", "5E-10"} << L{};
    QTest::newRow("digit value of 104K")
        << digits << code104K << "CapScaleCompare" << L{"100000", "100", "0.1", "0.0001"} << L{};
    QTest::newRow("digit tolerance of 104K")
        << digits << code104K << "CapScaleCompareTolerance" << L{"10000", "10", "0.01", "1E-5"} << L{};
    QTest::newRow("colour value at start-up")
        << colours << L{} << "BtnCapScaleCompareColour" << L{"64000", "64", "0.064", "6.4E-5"} << L{};
    QTest::newRow("colour tolerance at start-up") << colours << L{} << "BtnCapScaleCompareToleranceColour"
                                                  << L{"3200", "3.2", "0.0032", "3.2E-6"} << L{};
    QTest::newRow("colour tolerance of a typed Black band 4: 0 is rejected")
        << colours << L{"ComboCap4Colour=Black"} << "BtnCapScaleCompareToleranceColour" << L{"", "", "", ""}
        << L{entryError("pF")};
    QTest::newRow("dropper value in uF")
        << dropper
        << L{"CapacitorDropperVoltageIn=230", "CapacitorDropperFrequencyIn=50",
             "CapacitorDropperLoadVoltage=12", "CapacitorDropperLoadCurrent=0.1",
             "click:BtnCapacitorDropperCalculate"}
        << "BtnCapDropperScaleCompare"
        << L{"1390330.94610478", "1390.33094610478", "1.39033094610478", "0.00139033094610478"} << L{};
    QTest::newRow("dropper after Clear All: nothing to convert")
        << dropper << L{"click:BtnCapacitorDropperClearAll"} << "BtnCapDropperScaleCompare"
        << L{"", "", "", ""} << L{kNotEnough};
    QTest::newRow("unticked nF kept: too many values")
        << digits << (L{"nF=47", "untick:TickClearnF"} + code104K) << "CapScaleCompare"
        << L{"100000", "47", "", ""} << L{kTooMany};
    QTest::newRow("ticked fields replaced") << digits << (L{"uF=9", "mF=abc"} + code104K) << "CapScaleCompare"
                                            << L{"100000", "100", "0.1", "0.0001"} << L{};
}

void TestCapacitorHandOvers::handOver()
{
    QFETCH(QString, source);
    QFETCH(QStringList, setup);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    MainWindowHarness h;
    QVERIFY(guitest::openOnPanel(h, "PanelCapacitorScaleComparisons"));
    for (const QString& step : setup) {
        const QByteArray name = step.section(u'=', 0, 0).section(u':', -1).toLatin1();
        if (step.startsWith(QLatin1String("click:"))) {
            h.click(name.constData());
        } else if (step.startsWith(QLatin1String("untick:"))) {
            h.find<QCheckBox>(name.constData())->setChecked(false);
        } else if (auto* list = h.window().findChild<QComboBox*>(QString::fromLatin1(name))) {
            list->setEditText(step.section(u'=', 1));
        } else {
            h.type(name.constData(), step.section(u'=', 1));
        }
    }
    QWidget* sourcePanel = h.find<QWidget>(source.toLatin1().constData());
    h.window().showPanel(sourcePanel);
    QCOMPARE(h.window().frontPanel(), sourcePanel);
    h.boxes.clear();

    h.click(button.toLatin1().constData());
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(scaleTexts(h), expected);
    for (const char* field : kScaleFields)
        QVERIFY2(guitest::showsItsStart(h.field(field)), field);
    QCOMPARE(h.window().frontPanel(), h.find<QWidget>("PanelCapacitorScaleComparisons"));
    QCOMPARE(h.window().currentHelpPage(), QStringLiteral("CapacitorScaleComparisons.htm"));
    QCOMPARE(h.boxes.unownedBoxes(), 0);
}

void TestCapacitorHandOvers::dropperSquareRootOfANegativeIsReported()
{
    MainWindowHarness h;
    QVERIFY(guitest::openOnPanel(h, "PanelCapacitorDropper"));
    h.find<QCheckBox>("CapInLineDropperSurgeResCheckBox")->click();
    for (auto [field, text] : {std::pair{"CapacitorDropperVoltageIn", "10"},
                               {"CapacitorDropperFrequencyIn", "50"},
                               {"CapacitorDropperLoadVoltage", "-20"},
                               {"CapacitorDropperLoadCurrent", "0.1"}})
        h.type(field, QString::fromLatin1(text));
    h.click("BtnCapacitorDropperCalculate");
    QCOMPARE(guitest::boxes(h.boxes), QStringList{guitest::kDomainError});
    QCOMPARE(h.text("LabelCapacitorDropperResult"), QStringLiteral("NAN"));
}

QTEST_MAIN(TestCapacitorHandOvers)
#include "test_capacitor_hand_overs.moc"
