// The capacitor scale comparison sheet built alone: one unit given, the other
// three converted; its messages; the clear buttons and tick boxes; and the
// operation that takes a value handed over by another panel.

#include "capacitors/panels/capacitor_scale_panel.h"
#include "tests/support/gui_test_helpers.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using guitest::entryError;
using guitest::fault;

namespace {

const char* const kFields[] = {"pF", "nF", "uF", "mF"};
const char* const kTicks[] = {"TickClearpF", "TickClearnF", "TickClearuF", "TickClearmF"};

const QString kTooMany = QStringLiteral(
    "Error: Too many values provided.\n\nEnsure that you only enter one of the pF, nF, uF or mF values.");
const QString kNotEnough = QStringLiteral(
    "Error: Not enough values provided.\n\nEnsure that you enter one of the pF, nF, uF or mF values.");

QLineEdit* field(QWidget& panel, int i)
{
    return panel.findChild<QLineEdit*>(QString::fromLatin1(kFields[i]));
}

QStringList texts(QWidget& panel)
{
    QStringList t;
    for (int i = 0; i < 4; ++i)
        t.append(field(panel, i)->text());
    return t;
}

void typeAll(QWidget& panel, const QStringList& typed)
{
    for (int i = 0; i < 4; ++i) {
        field(panel, i)->clear();
        QTest::keyClicks(field(panel, i), typed.value(i));
    }
}

void click(QWidget& panel, const char* button)
{
    QTest::mouseClick(panel.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class TestCapacitorScalePanel : public QObject
{
    Q_OBJECT

private slots:
    void conversion_data();
    void conversion();
    void secondCalculateFindsTooManyValues();
    void clearing_data();
    void clearing();

private:
    BoxRecorder m_boxes;
};

void TestCapacitorScalePanel::conversion_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");

    using L = QStringList;
    const L none;
    QTest::newRow("1000 pF") << L{"1000", "", "", ""} << L{"1000", "1", "0.001", "1E-6"} << none;
    QTest::newRow("4.7 uF keeps its own text")
        << L{"", "", "4.7", ""} << L{"4700000", "4700", "4.7", "0.0047"} << none;
    QTest::newRow("22 nF") << L{"", "22", "", ""} << L{"22000", "22", "0.022", "2.2E-5"} << none;
    QTest::newRow("2 mF") << L{"", "", "", "2"} << L{"2000000000", "2000000", "2000", "2"} << none;
    QTest::newRow("0.5 pF") << L{"0.5", "", "", ""} << L{"0.5", "0.0005", "5E-7", "5E-10"} << none;
    QTest::newRow("negative accepted") << L{"-5", "", "", ""} << L{"-5", "-0.005", "-5E-6", "-5E-9"} << none;
    QTest::newRow("0 rejected") << L{"0", "", "", ""} << L{"", "", "", ""} << L{entryError("pF")};
    QTest::newRow("abc rejected") << L{"", "abc", "", ""} << L{"", "", "", ""} << L{entryError("nF")};
    QTest::newRow("two rejected, the valid one kept")
        << L{"", "x", "5", "0"} << L{"", "", "5", ""} << L{entryError("nF"), entryError("mF")};
    QTest::newRow("two given") << L{"1", "", "", "2"} << L{"1", "", "", "2"} << L{kTooMany};
    QTest::newRow("none given") << L{"", "", "", ""} << L{"", "", "", ""} << L{kNotEnough};
    QTest::newRow("converted value beyond the double range")
        << L{"", "", "", "1e300"} << L{"", "", "", "1e300"} << L{fault("Floating point overflow.")};
}

void TestCapacitorScalePanel::conversion()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    m_boxes.clear();
    CapacitorScalePanel panel;
    panel.resetToStartState();
    typeAll(panel, typed);
    click(panel, "CalcCapacitance");
    QCOMPARE(guitest::boxes(m_boxes), boxes);
    QCOMPARE(texts(panel), expected);
}

void TestCapacitorScalePanel::secondCalculateFindsTooManyValues()
{
    m_boxes.clear();
    CapacitorScalePanel panel;
    panel.resetToStartState();
    typeAll(panel, {"1000"});
    click(panel, "CalcCapacitance");
    click(panel, "CalcCapacitance");
    QCOMPARE(guitest::boxes(m_boxes), QStringList{kTooMany});
    QCOMPARE(texts(panel), QStringList({"1000", "1", "0.001", "1E-6"}));
}

void TestCapacitorScalePanel::clearing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<bool>>("ticks");
    QTest::addColumn<QStringList>("expected");

    using B = QList<bool>;
    const B all{true, true, true, true};
    QTest::newRow("clear ticked, all ticked") << "ClearCapacitance" << all << QStringList{"", "", "", ""};
    QTest::newRow("clear ticked, nF and mF unticked")
        << "ClearCapacitance" << B{true, false, true, false} << QStringList{"", "2", "", "4"};
    QTest::newRow("pF clear button") << "BtnClearpF" << all << QStringList{"", "2", "3", "4"};
    QTest::newRow("nF clear button, unticked")
        << "BtnClearnF" << B{true, false, true, true} << QStringList{"1", "", "3", "4"};
    QTest::newRow("mF clear button") << "BtnClearmF" << all << QStringList{"1", "2", "3", ""};
}

void TestCapacitorScalePanel::clearing()
{
    QFETCH(QString, button);
    QFETCH(QList<bool>, ticks);
    QFETCH(QStringList, expected);
    CapacitorScalePanel panel;
    panel.resetToStartState();
    typeAll(panel, {"1", "2", "3", "4"});
    for (int i = 0; i < 4; ++i)
        panel.findChild<QCheckBox*>(QString::fromLatin1(kTicks[i]))->setChecked(ticks[i]);
    click(panel, button.toLatin1().constData());
    QCOMPARE(texts(panel), expected);

    panel.resetToStartState();
    QCOMPARE(texts(panel), QStringList({"", "", "", ""}));
    for (const char* tick : kTicks)
        QVERIFY(panel.findChild<QCheckBox*>(QString::fromLatin1(tick))->isChecked());
}

QTEST_MAIN(TestCapacitorScalePanel)
#include "test_capacitor_scale_panel.moc"
