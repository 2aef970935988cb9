// The program without a mouse, through the real window: the Tab order of
// every panel and dialog, the topic tree with the arrow keys, and results
// taken away with Ctrl+C or the context menu.

#include "app/options_dialog.h"
#include "power_frequency/panels/frequency_conversion_panel.h"
#include "power_frequency/panels/slider_range_dialog.h"
#include "tests/support/gui_test_helpers.h"
#include "ui/accessibility.h"
#include "ui/calculator_panel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include <memory>

namespace {

bool activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The object names Tab visits from `first` until it comes back to it.
QStringList tabWalk(QWidget* first)
{
    first->setFocus(Qt::TabFocusReason);
    QStringList names{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus == first)
            break;
        names.append(focus->objectName());
    }
    return names;
}

} // namespace

class TestKeyboardUse : public QObject
{
    Q_OBJECT

private slots:
    void tabOrder_data();
    void tabOrder();
    void topicTreeWithArrowKeys();
    void everyResultCopies();
    void everyResultSaysWhatItHolds_data();
    void everyResultSaysWhatItHolds();
};

void TestKeyboardUse::tabOrder_data()
{
    // For a panel, the controls between the tree's column (the tree, then
    // Fully Expand) and the bottom row (About, Options, Help, Exit). Results
    // that show nothing yet are passed over.
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("disclaimer: the frame alone") << "PanelDisclaimer" << QStringList{};
    QTest::newRow("colour bands: the checked marking first")
        << "PanelResistorColourBands"
        << QStringList{"RadBtnResTwoDigits", "ResStandardValues", "ComboResCol1",   "ComboResCol2",
                       "ComboResCol3",       "ComboResCol4",      "ComboResCol5",   "ToleranceValue",
                       "LabelTempCoeff",     "ResValue",          "ResValueK",      "ResValueM",
                       "CalculateResValues", "ConfirmResValues",  "ClearResValues", "TagName",
                       "SaveValues"};
    QTest::newRow("resistors in parallel, then in series")
        << "PanelResistorsSeriesParallel" << QStringList{"ParRes1",
                                                         "ParRes2",
                                                         "ParResTotal",
                                                         "CalcParRes",
                                                         "ClearParRes",
                                                         "SerRes1",
                                                         "SerRes2",
                                                         "SerResTotal",
                                                         "BtnCalculateResSeries",
                                                         "BtnClearAllResSeries"};
    QTest::newRow("resistor dropper")
        << "PanelResistorInLineDropper"
        << QStringList{"DropperInLineVSource",   "DropperInLineVForward", "DropperInLineIForward",
                       "DropperInLineCalculate", "DropperInLineClear",    "DropperInLineGetColourBands",
                       "BtnCalcHeatDissipation"};
    QTest::newRow("capacitor digits")
        << "PanelCapacitorDigitValues" << QStringList{"Cap1",
                                                      "Cap2",
                                                      "Cap3",
                                                      "Cap4",
                                                      "CapValue",
                                                      "CapTolerance",
                                                      "CapScaleCompare",
                                                      "CapScaleCompareTolerance"};
    QTest::newRow("capacitor colours: one stop for the checked type")
        << "PanelCapacitorColourCodes"
        << QStringList{"RadBtnCapColGeneral",
                       "ComboCap1Colour",
                       "ComboCap2Colour",
                       "ComboCap3Colour",
                       "ComboCap4Colour",
                       "ComboCap5Colour",
                       "CapValueText",
                       "CapRatingText",
                       "CapValueTol",
                       "BtnCapScaleCompareColour",
                       "BtnCapScaleCompareToleranceColour"};
    QTest::newRow("scale sheet: every unit field, then the ticks") << "PanelCapacitorScaleComparisons"
                                                                   << QStringList{"pF",
                                                                                  "nF",
                                                                                  "uF",
                                                                                  "mF",
                                                                                  "TickClearpF",
                                                                                  "TickClearnF",
                                                                                  "TickClearuF",
                                                                                  "TickClearmF",
                                                                                  "CalcCapacitance",
                                                                                  "ClearCapacitance"};
    QTest::newRow("capacitors in series, then in parallel")
        << "PanelCapacitorsSeriesParallel"
        << QStringList{"SerCap1", "SerCap2", "SerCapTotal", "CalcSerCap",    "ClearSerCap",
                       "ParCap1", "ParCap2", "ParCapTotal", "BtnCalcParCap", "BtnClearParCapAll"};
    QTest::newRow("capacitor dropper")
        << "PanelCapacitorDropper"
        << QStringList{"CapInLineDropperSurgeResCheckBox", "CapacitorDropperVoltageIn",
                       "CapacitorDropperFrequencyIn",      "CapacitorDropperLoadVoltage",
                       "CapacitorDropperLoadCurrent",      "BtnCapacitorDropperCalculate",
                       "BtnCapacitorDropperClearAll",      "BtnCapDropperScaleCompare"};
    QTest::newRow("Ohm's law") << "PanelOhmsLawAndPower" << QStringList{"Voltage",
                                                                        "Current",
                                                                        "Resistance",
                                                                        "Watts",
                                                                        "CalculatePowerCalues",
                                                                        "ClearPowerValues"};
    QTest::newRow("frequency conversions: down the left column, then the right")
        << "PanelFrequencyConversions"
        << QStringList{"TrackBarFreqMC", "FreqMega",   "FreqKilo",
                       "TrackBarFreqKC", "FreqMeters", "TrackBarFreqMeters",
                       "FreqCalculate",  "FreqClear",  "BtnFreqConvSetSliderRanges"};
    QTest::newRow("resonance") << "PanelFrequencyResonance"
                               << QStringList{"FreqResonanceInductance", "FreqResonanceCapacitance",
                                              "BtnCalcFreqResonance", "BtnCalcFreqClearAll"};
    QTest::newRow("coil: one stop for the checked unit")
        << "PanelFrequencyCoil"
        << QStringList{"FreqCoilTurns", "FreqCoilWidth", "RadioFreqCoilCM", "BtnFreqCoilCalc",
                       "BtnFreqCoilClearAll"};
    QTest::newRow("reactance: the inductive calculator first")
        << "PanelGeneralReactance"
        << QStringList{"ReactanceInductFreq",     "ReactanceInductInductance", "BtnReactanceIndCalc",
                       "BtnReactanceIndClearAll", "ReactanceCapFreq",          "ReactanceCapCapacitance",
                       "BtnReactanceCapCalc",     "BtnReactanceCapClearAll"};
    QTest::newRow("notes: Tab leaves the pad")
        << "PanelMemoNotes" << QStringList{"MemoPad", "MemoOpen", "MemoSaveAs", "ClearMemo"};
    QTest::newRow("image viewer") << "PanelImages" << QStringList{"ImageScrollBox", "LoadImage"};
    QTest::newRow("schematic symbols")
        << "PanelSchematicSymbolsValves"
        << QStringList{"PanelSchematicSymbolsValvesScroll", "BtnOpenSchematicValvesTubes"};
    QTest::newRow("Options dialog") << "OptionsDialog"
                                    << QStringList{"OptionExpandCategoryListWhenLaunched",
                                                   "OptionAutoExpandCategoryList", "CheckReadUnitPrefixes",
                                                   "BtnClose", "BtnHelp"};
    QTest::newRow("slider range dialog: group by group")
        << "SetSliderBarRangesFrequencyConvert"
        << QStringList{"SliderMegaMin",  "SliderMegaMax",  "SliderKiloMin", "SliderKiloMax",
                       "SliderMeterMin", "SliderMeterMax", "BtnOk",         "BtnCancel"};
}

void TestKeyboardUse::tabOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    std::unique_ptr<QDialog> dialog;
    if (window == QLatin1String("OptionsDialog")) {
        dialog = std::make_unique<TOptionsDialog>(&w);
    } else if (window == QLatin1String("SetSliderBarRangesFrequencyConvert")) {
        auto* conversions = h.find<FrequencyConversionPanel>("PanelFrequencyConversions");
        auto ranges = std::make_unique<TSetSliderBarRangesFrequencyConvert>(conversions);
        ranges->setPanel(conversions);
        dialog = std::move(ranges);
    }
    if (dialog) {
        QVERIFY(activate(dialog.get()));
        QCOMPARE(tabWalk(dialog->findChild<QWidget*>(order.first())), order);
        return;
    }
    w.showPanel(h.find<QWidget>(window.toLatin1().constData()));
    QVERIFY(activate(&w));
    const QStringList expected = QStringList{"TreeViewTopicSelect", "BtnExpandCategories"} + order +
                                 QStringList{"About", "BtnOptions", "BtnHelp", "BtnClose"};
    QCOMPARE(tabWalk(h.find<QWidget>("TreeViewTopicSelect")), expected);
}

void TestKeyboardUse::topicTreeWithArrowKeys()
{
    // Each step: a key on the tree, the node it lands on and the panel in
    // front after it (a category node leaves the panel as it was).
    struct Step
    {
        Qt::Key key;
        const char* node;
        const char* panel;
    };
    const Step steps[] = {
        {Qt::Key_Down, "Series/Parallel", "PanelResistorsSeriesParallel"},
        {Qt::Key_Down, "In-line Dropper", "PanelResistorInLineDropper"},
        {Qt::Key_Down, "SMD Codes", "PanelResistorSmdCodes"},
        {Qt::Key_Down, "Voltage Divider", "PanelResistorDivider"},
        {Qt::Key_Down, "Combinations", "PanelResistorCombinations"},
        {Qt::Key_Down, "Capacitors", "PanelResistorCombinations"},
        {Qt::Key_Left, "Capacitors", "PanelResistorCombinations"}, // folds the category
        {Qt::Key_Down, "General", "PanelResistorCombinations"},
        {Qt::Key_Down, "Ohms Law/Power", "PanelOhmsLawAndPower"},
        {Qt::Key_Up, "General", "PanelOhmsLawAndPower"},
        {Qt::Key_Up, "Capacitors", "PanelOhmsLawAndPower"},
        {Qt::Key_Right, "Capacitors", "PanelOhmsLawAndPower"}, // unfolds it again
        {Qt::Key_Down, "In-line Dropper", "PanelCapacitorDropper"},
        {Qt::Key_End, "Disclaimer", "PanelDisclaimer"},
        {Qt::Key_Home, "Resistors", "PanelDisclaimer"},
    };
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    QVERIFY(activate(&w));
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    // Shift+Tab from the first field of the panel in front reaches the tree
    // past its button, on the node of that panel.
    h.field("ResValue")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 20 && QApplication::focusWidget() != tree; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), tree);
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Colour Bands"));
    for (const Step& step : steps) {
        QTest::keyClick(tree, step.key);
        const QString where =
            QStringLiteral("after key %1 to %2").arg(step.key).arg(QLatin1String(step.node));
        QVERIFY2(tree->currentItem()->text(0) == QLatin1String(step.node), qPrintable(where));
        QVERIFY2(w.frontPanel()->objectName() == QLatin1String(step.panel), qPrintable(where));
    }
    QCOMPARE(h.boxes.boxes().size(), qsizetype(0));
}

void TestKeyboardUse::everyResultCopies()
{
    // Every result label of every panel, reached with Tab, is copied whole by
    // Ctrl+C; with nothing selected, its context menu's Copy takes it whole.
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    QVERIFY(activate(&w));
    QClipboard* clipboard = QGuiApplication::clipboard();
    int checked = 0;
    for (auto* panel : h.find<QWidget>("PanelStack")->findChildren<CalculatorPanel*>()) {
        w.showPanel(panel);
        for (QLabel* result : panel->findChildren<QLabel*>()) {
            if (!a11y::isResultLabel(result) || !result->isVisible())
                continue;
            const QString name = result->objectName();
            if (result->text().isEmpty())
                result->setText(QStringLiteral("1.5E-9"));

            h.find<QWidget>("TreeViewTopicSelect")->setFocus(Qt::TabFocusReason);
            for (int i = 0; i < 40 && QApplication::focusWidget() != result; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY2(QApplication::focusWidget() == result, qPrintable(name + " not reached by Tab"));
            clipboard->clear();
            QTest::keyClick(result, Qt::Key_C, Qt::ControlModifier);
            QVERIFY2(clipboard->text() == result->text(), qPrintable(name + " Ctrl+C"));

            clipboard->clear();
            result->setSelection(0, 0);
            QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(1, 1),
                                        result->mapToGlobal(QPoint(1, 1)));
            QApplication::sendEvent(result, &menuEvent);
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY2(menu, qPrintable(name + " has no context menu"));
            QAction* copy = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->text().remove(u'&').section(u'\t', 0, 0) == QLatin1String("Copy"))
                    copy = action;
            }
            QVERIFY2(copy && copy->isEnabled(), qPrintable(name + " offers no Copy"));
            copy->trigger();
            menu->close();
            QVERIFY2(clipboard->text() == result->text(), qPrintable(name + " context menu"));
            ++checked;
        }
    }
    QVERIFY(checked >= 15);
}

void TestKeyboardUse::everyResultSaysWhatItHolds_data()
{
    // A screen reader reads a result's value as its name and this as its
    // description: the caption that stands before it, never a unit of the
    // line above.
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("caption");
    const char* const rows[][2] = {
        {"LabelReactanceIndRes", "Resulting inductive reactance"},
        {"LabelReactanceCapRes", "Resulting capacitive reactance"},
        {"LabelFreqCoilResult", "Resulting frequency of the coil is"},
        {"LabelFreqResonanceResult", "Resulting frequency"},
        {"CapValue", "Capacitor Value"},
        {"CapTolerance", "Tolerance"},
        {"CapValueText", "Capacitor value in pF"},
        {"CapValueTol", "Tolerance"},
        // Named for what they are, not for their group.
        {"BtnClearResValue", "Clear Value in ohms"},
        {"BtnClearReactanceCapFreq", "Clear Frequency (in Hz ), Capacitive Reactance"},
        {"MemoPad", "Notes"},
        {"ComboResCol1 editor", "Select the first resistor band colour"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << QString::fromLatin1(row[0]) << QString::fromUtf8(row[1]);
}

void TestKeyboardUse::everyResultSaysWhatItHolds()
{
    QFETCH(QString, result);
    QFETCH(QString, caption);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList seen;
    for (auto* panel : h.find<QWidget>("PanelStack")->findChildren<CalculatorPanel*>()) {
        w.showPanel(panel);
        for (QLabel* label : panel->findChildren<QLabel*>()) {
            if (a11y::isResultLabel(label))
                seen.append(label->objectName() + QStringLiteral(" = ") + label->accessibleDescription());
        }
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QPlainTextEdit*>(control))
                seen.append(control->objectName() + QStringLiteral(" = ") + control->accessibleName());
            if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit())
                seen.append(list->objectName() + QStringLiteral(" editor = ") +
                            list->lineEdit()->accessibleName());
        }
    }
    QVERIFY2(seen.contains(result + QStringLiteral(" = ") + caption), qPrintable(seen.join(u'\n')));
}

QTEST_MAIN(TestKeyboardUse)
#include "test_keyboard_use.moc"
