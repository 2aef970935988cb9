// The in-line capacitor dropper built alone: the worked examples with and
// without the surge limiter, the checks and faults, the tick box and the
// value it hands to the scale comparison sheet.

#include "capacitors/panels/capacitor_dropper_panel.h"
#include "tests/support/gui_test_helpers.h"
#include "ui/numeric_field.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using guitest::entryError;
using guitest::fault;

namespace {

const char* const kFields[] = {"CapacitorDropperVoltageIn", "CapacitorDropperFrequencyIn",
                               "CapacitorDropperLoadVoltage", "CapacitorDropperLoadCurrent"};

const QString kInvalid = QStringLiteral(
    "Invalid Input Values: The load voltage must be less than the input voltage,\ntaking into account the "
    "additional 10 volt drop with the\nsurge limiting resistor (if being included).\n\nPlease check your "
    "values.");

template <typename W = QWidget> W* child(QWidget& panel, const char* name)
{
    W* w = panel.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget named %s", name);
    return w;
}

QString text(QWidget& panel, const char* name)
{
    if (auto* l = panel.findChild<QLabel*>(QString::fromLatin1(name)))
        return l->text();
    return child<QLineEdit>(panel, name)->text();
}

void typeAll(QWidget& panel, const QStringList& typed)
{
    for (int i = 0; i < 4; ++i) {
        auto* f = child<QLineEdit>(panel, kFields[i]);
        f->clear();
        QTest::keyClicks(f, typed.value(i));
    }
}

void click(QWidget& panel, const char* button)
{
    QTest::mouseClick(child<QAbstractButton>(panel, button), Qt::LeftButton);
}

void setSurgeLimiter(QWidget& panel, bool on)
{
    auto* tick = child<QCheckBox>(panel, "CapInLineDropperSurgeResCheckBox");
    if (tick->isChecked() != on)
        QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(6, tick->height() / 2));
}

} // namespace

class TestCapacitorDropperPanel : public QObject
{
    Q_OBJECT

private slots:
    // What a field reads with unit prefixes is tested with the option; here
    // every field reads as its plain rule says.
    void initTestCase() { ui::setReadUnitPrefixes(false); }

    void calculation_data();
    void calculation();
    void surgeLimiterTickBox();
    void clearButtons_data();
    void clearButtons();
    void scaleCompareHandsOverMicrofarads();

private:
    BoxRecorder m_boxes;
};

void TestCapacitorDropperPanel::calculation_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("surge");
    QTest::addColumn<QString>("capacitance");
    QTest::addColumn<QString>("surgeOhms");
    QTest::addColumn<QStringList>("fields"); // after the calculation; empty: as typed
    QTest::addColumn<QStringList>("boxes");

    using L = QStringList;
    const L none;
    // The results start out as "old", "old".
    QTest::newRow("230 V 50 Hz, 12 V 0.1 A, with limiter")
        << L{"230", "50", "12", "0.1"} << true << "1.39033094610478"
        << "100" << none << none;
    QTest::newRow("230 V 50 Hz, 12 V 0.1 A, no limiter")
        << L{"230", "50", "12", "0.1"} << false << "1.38584352651176"
        << "old" << none << none;
    QTest::newRow("110 V 60 Hz, 0 V 0.05 A, no limiter")
        << L{"110", "60", "0", "0.05"} << false << "1.20571926584769"
        << "old" << none << none;
    QTest::newRow("225 V load on 230 V with limiter") << L{"230", "50", "225", "0.1"} << true << "old"
                                                      << "100" << none << L{kInvalid};
    QTest::newRow("225 V load on 230 V without limiter")
        << L{"230", "50", "225", "0.1"} << false << "6.67358854130295"
        << "old" << none << none;
    QTest::newRow("load equal to supply") << L{"230", "50", "230", "0.1"} << false << "old"
                                          << "old" << none << L{kInvalid};
    QTest::newRow("empty frequency stops before the load fields")
        << L{"230", "", "abc", ""} << true << "old"
        << "old" << L{"230", "", "abc", ""} << L{entryError("Frequency In")};
    QTest::newRow("strict reading: unit after the number")
        << L{"230", "50", "12 V", "0.1"} << true << "old"
        << "old" << L{"230", "50", "", "0.1"} << L{entryError("Voltage Load")};
    QTest::newRow("empty current") << L{"230", "50", "12", ""} << true << "old"
                                   << "old" << none << L{entryError("Current Load")};
    QTest::newRow("zero frequency") << L{"230", "0", "12", "0.1"} << true << "old"
                                    << "100" << none << L{fault("Floating point division by zero.")};
    QTest::newRow("zero current with limiter")
        << L{"230", "50", "12", "0"} << true << "old"
        << "old" << none << L{fault("Floating point division by zero.")};
    QTest::newRow("zero current without limiter")
        << L{"230", "50", "12", "0"} << false << "old"
        << "old" << none << L{fault("Floating point division by zero.")};
    QTest::newRow("negative load beyond the supply: square root of a negative")
        << L{"10", "50", "-20", "0.1"} << false << "NAN"
        << "old" << none << none;
}

void TestCapacitorDropperPanel::calculation()
{
    QFETCH(QStringList, typed);
    QFETCH(bool, surge);
    QFETCH(QString, capacitance);
    QFETCH(QString, surgeOhms);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, boxes);
    m_boxes.clear();
    CapacitorDropperPanel panel;
    panel.resetToStartState();
    child<QLabel>(panel, "LabelCapacitorDropperResult")->setText(QStringLiteral("old"));
    child<QLabel>(panel, "LabelCapacitorDropperSurgeResResult")->setText(QStringLiteral("old"));
    panel.show();
    setSurgeLimiter(panel, surge);
    typeAll(panel, typed);
    click(panel, "BtnCapacitorDropperCalculate");
    QCOMPARE(guitest::boxes(m_boxes), boxes);
    QCOMPARE(text(panel, "LabelCapacitorDropperResult"), capacitance);
    QCOMPARE(text(panel, "LabelCapacitorDropperSurgeResResult"), surgeOhms);
    QStringList after;
    for (const char* f : kFields)
        after.append(text(panel, f));
    QCOMPARE(after, fields.isEmpty() ? typed : fields);
    if (boxes.isEmpty()) {
        auto* result = child<QLabel>(panel, "LabelCapacitorDropperResult");
        QCOMPARE(child<QLabel>(panel, "LabelCapacitorDropperUnit")->x(), result->x() + result->width() + 5);
    }
}

void TestCapacitorDropperPanel::surgeLimiterTickBox()
{
    CapacitorDropperPanel panel;
    panel.resetToStartState();
    panel.show();
    auto* overlay = child(panel, "CapInLineDropperSurgeResOverlay");
    const char* surgeParts[] = {"LabelSurgeLimiterResValue", "LabelCapacitorDropperSurgeResResult",
                                "LabelSurgeLimiterOhms"};
    for (bool on : {true, false, true}) {
        setSurgeLimiter(panel, on);
        QCOMPARE(overlay->isVisible(), !on);
        for (const char* part : surgeParts)
            QCOMPARE(child(panel, part)->isVisible(), on);
    }
    // The plain wire lies over the surge resistor of the drawing.
    const QRect drawing = child(panel, "ImageCapInLineDropperCircuit")->geometry();
    QVERIFY(drawing.contains(overlay->geometry()));
}

void TestCapacitorDropperPanel::clearButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("voltage in") << "BtnClearCapacitorDropperVoltageIn" << QStringList{"", "50", "12", "0.1"};
    QTest::newRow("frequency") << "BtnClearCapacitorDropperFrequencyIn"
                               << QStringList{"230", "", "12", "0.1"};
    QTest::newRow("load voltage") << "BtnClearCapacitorDropperLoadVoltage"
                                  << QStringList{"230", "50", "", "0.1"};
    QTest::newRow("load current") << "BtnClearCapacitorDropperLoadCurrent"
                                  << QStringList{"230", "50", "12", ""};
    QTest::newRow("clear all, results too") << "BtnCapacitorDropperClearAll" << QStringList{"", "", "", ""};
}

void TestCapacitorDropperPanel::clearButtons()
{
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    CapacitorDropperPanel panel;
    panel.resetToStartState();
    typeAll(panel, {"230", "50", "12", "0.1"});
    click(panel, "BtnCapacitorDropperCalculate");
    click(panel, button.toLatin1().constData());
    QStringList after;
    for (const char* f : kFields)
        after.append(text(panel, f));
    QCOMPARE(after, expected);
    const bool clearAll = button == QLatin1String("BtnCapacitorDropperClearAll");
    QCOMPARE(text(panel, "LabelCapacitorDropperResult").isEmpty(), clearAll);
    QCOMPARE(text(panel, "LabelCapacitorDropperSurgeResResult").isEmpty(), clearAll);
}

void TestCapacitorDropperPanel::scaleCompareHandsOverMicrofarads()
{
    CapacitorDropperPanel panel;
    panel.resetToStartState();
    QSignalSpy spy(&panel, &CapacitorDropperPanel::sendToScaleSheet);
    click(panel, "BtnCapDropperScaleCompare");
    typeAll(panel, {"230", "50", "12", "0.1"});
    click(panel, "BtnCapacitorDropperCalculate");
    click(panel, "BtnCapDropperScaleCompare");
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy[0][0].value<capacitance::Unit>(), capacitance::Unit::Microfarad);
    QCOMPARE(spy[0][1].toString(), QString());
    QCOMPARE(spy[1][1].toString(), QStringLiteral("1.39033094610478"));
}

QTEST_MAIN(TestCapacitorDropperPanel)
#include "test_capacitor_dropper_panel.moc"
