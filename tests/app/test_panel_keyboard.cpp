// Keyboard use of the calculators through the real window: Enter in a field
// runs that calculator, and results can be selected.

#include "tests/support/gui_test_helpers.h"
#include "ui/accessibility.h"
#include "ui/program_look.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolTip>

class TestPanelKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void enterCalculates_data();
    void enterCalculates();
    void everyControlHasAnAccessibleName();
    void darkDesktopKeepsTextReadable();
};

void TestPanelKeyboard::enterCalculates_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("fields"); // name=text; Enter goes to the last
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Ohm's law") << "PanelOhmsLawAndPower" << QStringList{"Voltage=12", "Current=4"} << "Watts"
                               << "48";
    QTest::newRow("parallel resistors")
        << "PanelResistorsSeriesParallel" << QStringList{"ParRes1=100", "ParRes2=100"} << "ParResTotal"
        << "50";
    QTest::newRow("series capacitors in the total field")
        << "PanelCapacitorsSeriesParallel" << QStringList{"SerCap1=2", "SerCapTotal=1"} << "SerCap2"
        << "2";
    QTest::newRow("resonance") << "PanelFrequencyResonance"
                               << QStringList{"FreqResonanceInductance=1", "FreqResonanceCapacitance=1"}
                               << "LabelFreqResonanceResult"
                               << "0.159154943091895";
    QTest::newRow("capacitive reactance")
        << "PanelGeneralReactance" << QStringList{"ReactanceCapFreq=1", "ReactanceCapCapacitance=1"}
        << "LabelReactanceCapRes"
        << "0.159154943091895";
    QTest::newRow("frequency conversions")
        << "PanelFrequencyConversions" << QStringList{"FreqMeters=40"} << "FreqKilo"
        << "7500";
    QTest::newRow("LED dropper") << "PanelResistorInLineDropper"
                                 << QStringList{"DropperInLineVSource=12", "DropperInLineVForward=2",
                                                "DropperInLineIForward=20"}
                                 << "DropperInLineResistor"
                                 << "500";
    QTest::newRow("capacitor scale sheet")
        << "PanelCapacitorScaleComparisons" << QStringList{"nF=4700"} << "uF"
        << "4.7";
    QTest::newRow("capacitor dropper")
        << "PanelCapacitorDropper"
        << QStringList{"CapacitorDropperVoltageIn=230", "CapacitorDropperFrequencyIn=50",
                       "CapacitorDropperLoadVoltage=12", "CapacitorDropperLoadCurrent=0.1"}
        << "LabelCapacitorDropperResult"
        << "1.39033094610478";
}

void TestPanelKeyboard::enterCalculates()
{
    QFETCH(QString, panel);
    QFETCH(QStringList, fields);
    QFETCH(QString, result);
    QFETCH(QString, expected);
    MainWindowHarness h;
    QVERIFY(guitest::openOnPanel(h, panel.toLatin1().constData()));
    QLineEdit* last = nullptr;
    for (const QString& f : fields) {
        const QStringList parts = f.split(u'=');
        last = h.field(parts[0].toLatin1().constData());
        last->setText(parts[1]);
    }
    QTest::keyClick(last, Qt::Key_Return);
    auto* out = h.find<QWidget>(result.toLatin1().constData());
    if (auto* label = qobject_cast<QLabel*>(out)) {
        QCOMPARE(label->text(), expected);
        QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    } else {
        QCOMPARE(qobject_cast<QLineEdit*>(out)->text(), expected);
    }
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestPanelKeyboard::everyControlHasAnAccessibleName()
{
    // What a screen reader says for each field, list, slider, result and
    // swatch: the caption (or colour), never nothing.
    MainWindowHarness h;
    TFormMainApplication& window = h.open();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList missing;
    auto* stack = h.find<QStackedWidget>("PanelStack");
    QWidgetList controls;
    for (int i = 0; i < stack->count(); ++i) {
        // A screen reader reaches the panel in front.
        window.showPanel(stack->widget(i));
        controls += stack->widget(i)->findChildren<QWidget*>();
    }
    for (QWidget* w : controls) {
        const auto* edit = qobject_cast<QLineEdit*>(w);
        const bool swatch = edit && !edit->isEnabled() && edit->focusPolicy() == Qt::NoFocus;
        const bool result = a11y::isResultLabel(w);
        if (!a11y::isNamedInput(w) && !swatch && !result)
            continue;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY(iface);
        const QString name = iface->text(QAccessible::Name);
        const QString description = iface->text(QAccessible::Description);
        if (qEnvironmentVariableIsSet("OHMBROOK_SHOW_NAMES"))
            qInfo("%s: %s | %s", qPrintable(w->objectName()), qPrintable(name), qPrintable(description));
        if ((result ? description : name).trimmed().isEmpty())
            missing.append(w->objectName());
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
}

void TestPanelKeyboard::darkDesktopKeepsTextReadable()
{
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::ToolTipBase})
        dark.setColor(role, QColor(30, 30, 30));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        dark.setColor(role, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    // A dark theme gives the hints a dark palette of their own.
    QToolTip::setPalette(dark);
    look::applyProgramPalette(*qApp);
    MainWindowHarness h;
    h.open();
    auto contrast = [](QColor a, QColor b) { return std::abs(a.lightness() - b.lightness()); };
    for (const char* name : {"Voltage", "ResValue", "ParRes1", "FreqCoilTurns"}) {
        const QPalette p = h.field(name)->palette();
        QVERIFY2(contrast(p.color(QPalette::Text), p.color(QPalette::Base)) > 120, name);
        QVERIFY2(p.color(QPalette::Base).lightness() > 200, name);
    }
    for (QLabel* label : h.find<QWidget>("PanelStack")->findChildren<QLabel*>()) {
        const QPalette p = label->palette();
        const QColor page = Qt::white;
        QVERIFY2(contrast(p.color(QPalette::WindowText), page) > 100 ||
                     p.color(QPalette::WindowText) == QColor(0, 0, 255),
                 qPrintable(label->objectName() + label->text()));
    }
    QApplication::setPalette(QPalette());
}

QTEST_MAIN(TestPanelKeyboard)
#include "test_panel_keyboard.moc"
