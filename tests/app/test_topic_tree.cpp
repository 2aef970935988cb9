// The topic tree: which node brings which panel to the front, the help page
// that follows, the expand button and the single-expand switch.

#include "core/settings_store.h"
#include "tests/support/main_window_harness.h"
#include "ui/help_launcher.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// Finds a node by its path of texts from the top, e.g. {"Capacitors", "Values", "Digit Values"}.
QTreeWidgetItem* node(QTreeWidget* tree, const QStringList& path)
{
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < tree->topLevelItemCount() && !found; ++i) {
        if (tree->topLevelItem(i)->text(0) == path.first())
            found = tree->topLevelItem(i);
    }
    for (int depth = 1; found && depth < path.size(); ++depth) {
        QTreeWidgetItem* parent = found;
        found = nullptr;
        for (int c = 0; c < parent->childCount(); ++c) {
            if (parent->child(c)->text(0) == path[depth])
                found = parent->child(c);
        }
    }
    return found;
}

QStringList allTexts(QTreeWidgetItem* item, const QString& indent = QString())
{
    QStringList lines{indent + item->text(0)};
    for (int c = 0; c < item->childCount(); ++c)
        lines += allTexts(item->child(c), indent + u'-');
    return lines;
}

bool everyNodeExpanded(QTreeWidget* tree, bool expanded)
{
    std::function<bool(QTreeWidgetItem*)> check = [&](QTreeWidgetItem* item) {
        if (item->childCount() > 0 && item->isExpanded() != expanded)
            return false;
        for (int c = 0; c < item->childCount(); ++c) {
            if (!check(item->child(c)))
                return false;
        }
        return true;
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        if (!check(tree->topLevelItem(i)))
            return false;
    }
    return true;
}

} // namespace

class TestTopicTree : public QObject
{
    Q_OBJECT

private slots:
    void fixedContent();
    void panelsShareOneRectangle();
    void treeHighlightsThePanelInFront();
    void tabNeverLeavesThePanelInFront_data();
    void tabNeverLeavesThePanelInFront();
    void nodeShowsPanel_data();
    void nodeShowsPanel();
    void categoryNodesChangeNothing_data();
    void categoryNodesChangeNothing();
    void clickingSelectedNodeShowsItAgain();
    void helpFollowsPanel();
    void disclaimerPanelUsesWelcomePage();
    void helpPath_data();
    void helpPath();
    void expandButtonFlips();
    void everyTopicShowsWholeWhenTheTreeIsOpen();
    void startsCollapsedWhenAskedTo();
    void singleExpand();
};

void TestTopicTree::fixedContent()
{
    MainWindowHarness h;
    h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    QStringList lines;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        lines += allTexts(tree->topLevelItem(i));
    const QStringList expected{
        "Resistors",        "-Colour Bands",   "-Series/Parallel",  "-In-line Dropper", "-SMD Codes",
        "-Voltage Divider", "-Combinations",   "Capacitors",        "-In-line Dropper", "-Scale Compare",
        "-Series/Parallel", "-Values",         "--Colour Codes",    "--Digit Values",   "General",
        "-Ohms Law/Power",  "-Reactance",      "-555 Timer",        "-Regulator",       "-RC Time Constant",
        "Frequencies",      "-Coil Frequency", "-Conversions",      "-Resonance",       "Schematic Symbols",
        "-General",         "-Logic Gates",    "-Valves and Tubes", "-Connectors etc.", "Memo Notes",
        "Load Images",      "Disclaimer"};
    QCOMPARE(lines, expected);
    QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(tree->indentation(), 19);
    QCOMPARE(tree->geometry(), QRect(8, 72, 153, 385));
}

void TestTopicTree::panelsShareOneRectangle()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    int panels = 0;
    auto* stack = h.find<QWidget>("PanelStack");
    QCOMPARE(stack->geometry(), QRect(168, 72, 650, 400));
    for (QWidget* child : stack->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->objectName().startsWith(QLatin1String("Panel")))
            continue;
        ++panels;
        QCOMPARE(child->mapTo(&w, QPoint(0, 0)), QPoint(168, 72));
        QCOMPARE(child->size(), QSize(650, 400));
        QVERIFY2(child->toolTip().isEmpty(), qPrintable(child->objectName()));
    }
    QCOMPARE(panels, 26);
}

void TestTopicTree::treeHighlightsThePanelInFront()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    QVERIFY(tree->currentItem());
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Colour Bands"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Brought forward by the program, as a hand-over does.
    w.showPanel(h.find<QWidget>("PanelCapacitorsSeriesParallel"));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Series/Parallel"));
    QCOMPARE(tree->currentItem()->parent()->text(0), QStringLiteral("Capacitors"));
    QVERIFY(tree->currentItem()->parent()->isExpanded());
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelCapacitorsSeriesParallel"));
}

void TestTopicTree::tabNeverLeavesThePanelInFront_data()
{
    QTest::addColumn<QString>("panel");
    for (const char* name : {"PanelOhmsLawAndPower", "PanelResistorColourBands", "PanelGeneralReactance",
                             "PanelCapacitorsSeriesParallel", "PanelResistorInLineDropper"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestTopicTree::tabNeverLeavesThePanelInFront()
{
    // Covered panels are hidden: neither Tab nor Shift+Tab may reach a
    // control the user cannot see.
    QFETCH(QString, panel);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* front = h.find<QWidget>(panel.toLatin1().constData());
    w.showPanel(front);
    QWidget* start = front->nextInFocusChain();
    while (!(start->focusPolicy() & Qt::TabFocus) || !start->isVisible())
        start = start->nextInFocusChain();
    start->setFocus();
    QCOMPARE(QApplication::focusWidget(), start);
    for (Qt::KeyboardModifiers mod :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ShiftModifier)}) {
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, mod);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(focus->isVisible(), qPrintable(focus->objectName()));
            QWidget* owner = focus;
            while (owner && !owner->objectName().startsWith(QLatin1String("Panel")))
                owner = owner->parentWidget();
            QVERIFY2(!owner || owner == front || owner->objectName() == QLatin1String("PanelStack"),
                     qPrintable(focus->objectName() + QStringLiteral(" on ") +
                                (owner ? owner->objectName() : QString())));
        }
    }
}

void TestTopicTree::nodeShowsPanel_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("page");

    QTest::newRow("Ohms Law/Power") << QStringList{"General", "Ohms Law/Power"} << "PanelOhmsLawAndPower"
                                    << "OhmsLawPower.htm";
    QTest::newRow("Reactance") << QStringList{"General", "Reactance"} << "PanelGeneralReactance"
                               << "GeneralReactance.htm";
    QTest::newRow("Load Images") << QStringList{"Load Images"} << "PanelImages"
                                 << "LoadImages.htm";
    QTest::newRow("Memo Notes") << QStringList{"Memo Notes"} << "PanelMemoNotes"
                                << "MemoNotes.htm";
    QTest::newRow("resistor dropper")
        << QStringList{"Resistors", "In-line Dropper"} << "PanelResistorInLineDropper"
        << "ResistorInLineDropper.htm";
    QTest::newRow("capacitor dropper")
        << QStringList{"Capacitors", "In-line Dropper"} << "PanelCapacitorDropper"
        << "CapacitorInLineDropper.htm";
    QTest::newRow("Digit Values") << QStringList{"Capacitors", "Values", "Digit Values"}
                                  << "PanelCapacitorDigitValues"
                                  << "CapacitorDigitValues.htm";
    QTest::newRow("schematic General")
        << QStringList{"Schematic Symbols", "General"} << "PanelSchematicSymbolsGeneral"
        << "SchematicSymbols.htm";
    QTest::newRow("Logic Gates") << QStringList{"Schematic Symbols", "Logic Gates"}
                                 << "PanelSchematicSymbolsLogicGates"
                                 << "SchematicSymbols.htm";
    QTest::newRow("Valves and Tubes")
        << QStringList{"Schematic Symbols", "Valves and Tubes"} << "PanelSchematicSymbolsValves"
        << "SchematicSymbols.htm";
    QTest::newRow("Connectors etc.") << QStringList{"Schematic Symbols", "Connectors etc."}
                                     << "PanelSchematicSymbolsConnectorsSwitchesRelays"
                                     << "SchematicSymbols.htm";
    QTest::newRow("Conversions") << QStringList{"Frequencies", "Conversions"} << "PanelFrequencyConversions"
                                 << "FrequencyConversions.htm";
    QTest::newRow("Resonance") << QStringList{"Frequencies", "Resonance"} << "PanelFrequencyResonance"
                               << "FrequencyResonance.htm";
    QTest::newRow("Coil Frequency") << QStringList{"Frequencies", "Coil Frequency"} << "PanelFrequencyCoil"
                                    << "FrequencyCoil.htm";
    QTest::newRow("Colour Bands") << QStringList{"Resistors", "Colour Bands"} << "PanelResistorColourBands"
                                  << "ResistorColourBands.htm";
    QTest::newRow("Colour Codes") << QStringList{"Capacitors", "Values", "Colour Codes"}
                                  << "PanelCapacitorColourCodes"
                                  << "CapacitorColourBands.htm";
    QTest::newRow("resistors series/parallel")
        << QStringList{"Resistors", "Series/Parallel"} << "PanelResistorsSeriesParallel"
        << "ResistorsSeriesParallel.htm";
    QTest::newRow("capacitors series/parallel")
        << QStringList{"Capacitors", "Series/Parallel"} << "PanelCapacitorsSeriesParallel"
        << "CapacitorsSeriesParallel.htm";
    QTest::newRow("Scale Compare") << QStringList{"Capacitors", "Scale Compare"}
                                   << "PanelCapacitorScaleComparisons"
                                   << "CapacitorScaleComparisons.htm";
    QTest::newRow("Disclaimer") << QStringList{"Disclaimer"} << "PanelDisclaimer"
                                << "";
}

void TestTopicTree::nodeShowsPanel()
{
    QFETCH(QStringList, path);
    QFETCH(QString, panel);
    QFETCH(QString, page);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    QTreeWidgetItem* item = node(tree, path);
    QVERIFY(item);
    tree->setCurrentItem(item);
    QCOMPARE(w.frontPanel()->objectName(), panel);
    QCOMPARE(w.currentHelpPage(), page);
    // The panel in front is the topmost child in that rectangle.
    QCOMPARE(w.childAt(168 + 325, 72 + 395)->window(), &w);
    QWidget* top = w.childAt(168 + 1, 72 + 399);
    while (top && !top->objectName().startsWith(QLatin1String("Panel")))
        top = top->parentWidget();
    QCOMPARE(top->objectName(), panel);
}

void TestTopicTree::categoryNodesChangeNothing_data()
{
    QTest::addColumn<QStringList>("path");
    QTest::newRow("Resistors") << QStringList{"Resistors"};
    QTest::newRow("Capacitors") << QStringList{"Capacitors"};
    QTest::newRow("Values") << QStringList{"Capacitors", "Values"};
    QTest::newRow("top-level General") << QStringList{"General"};
    QTest::newRow("Frequencies") << QStringList{"Frequencies"};
    QTest::newRow("Schematic Symbols") << QStringList{"Schematic Symbols"};
}

void TestTopicTree::categoryNodesChangeNothing()
{
    QFETCH(QStringList, path);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    tree->setCurrentItem(node(tree, {"General", "Reactance"}));
    tree->setCurrentItem(node(tree, path));
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelGeneralReactance"));
    QCOMPARE(w.currentHelpPage(), QStringLiteral("GeneralReactance.htm"));
}

void TestTopicTree::clickingSelectedNodeShowsItAgain()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    QTreeWidgetItem* reactance = node(tree, {"General", "Reactance"});
    tree->setCurrentItem(reactance);
    // Another panel comes to the front by a hand-over, not through the tree.
    w.showPanel(h.find<QWidget>("PanelResistorColourBands"));
    tree->scrollToItem(reactance);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(reactance).center());
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelGeneralReactance"));
}

void TestTopicTree::helpFollowsPanel()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    h.click("BtnHelp");
    tree->setCurrentItem(node(tree, {"Frequencies", "Resonance"}));
    QTest::keyClick(h.field("FreqResonanceInductance"), Qt::Key_F1);
    QCOMPARE(h.help.paths, (QStringList{"Ohmbrook2Help.chm::/ResistorColourBands.htm>Main Window",
                                        "Ohmbrook2Help.chm::/FrequencyResonance.htm>Main Window"}));
    QCOMPARE(w.currentHelpPage(), QStringLiteral("FrequencyResonance.htm"));
}

void TestTopicTree::disclaimerPanelUsesWelcomePage()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    tree->setCurrentItem(node(tree, {"Disclaimer"}));
    QCOMPARE(w.currentHelpPage(), QString());
    h.click("BtnHelp");
    QCOMPARE(w.currentHelpPage(), QStringLiteral("Welcome.htm"));
    h.click("BtnHelp");
    QCOMPARE(h.help.paths, (QStringList{"Ohmbrook2Help.chm::/Welcome.htm>Main Window",
                                        "Ohmbrook2Help.chm::/Welcome.htm>Main Window"}));
    tree->setCurrentItem(node(tree, {"Memo Notes"}));
    h.click("BtnHelp");
    QCOMPARE(h.help.paths.last(), QStringLiteral("Ohmbrook2Help.chm::/MemoNotes.htm>Main Window"));
}

void TestTopicTree::helpPath_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("path");
    QTest::newRow("Ohm's law") << "OhmsLawPower.htm"
                               << "Ohmbrook2Help.chm::/OhmsLawPower.htm>Main Window";
    QTest::newRow("options") << "Options.htm"
                             << "Ohmbrook2Help.chm::/Options.htm>Main Window";
}

void TestTopicTree::helpPath()
{
    QFETCH(QString, page);
    QFETCH(QString, path);
    QCOMPARE(help::helpPath(page), path);
    const help::HelpPath parts = help::splitHelpPath(path);
    QCOMPARE(parts.file, QStringLiteral("Ohmbrook2Help.chm"));
    QCOMPARE(parts.page, page);
    QCOMPARE(parts.window, QStringLiteral("Main Window"));
}

void TestTopicTree::expandButtonFlips()
{
    MainWindowHarness h;
    h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    // With no option stored the tree starts fully expanded.
    QVERIFY(everyNodeExpanded(tree, true));
    QCOMPARE(h.text("BtnExpandCategories"), QStringLiteral("Fully Collapse"));
    h.click("BtnExpandCategories");
    QVERIFY(everyNodeExpanded(tree, false));
    QCOMPARE(h.text("BtnExpandCategories"), QStringLiteral("Fully Expand"));
    h.click("BtnExpandCategories");
    QVERIFY(everyNodeExpanded(tree, true));
    QCOMPARE(h.text("BtnExpandCategories"), QStringLiteral("Fully Collapse"));
    // Expanding by hand does not change what the next click does.
    node(tree, {"Resistors"})->setExpanded(false);
    h.click("BtnExpandCategories");
    QVERIFY(everyNodeExpanded(tree, false));
}

void TestTopicTree::everyTopicShowsWholeWhenTheTreeIsOpen()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    QVERIFY(everyNodeExpanded(tree, true));
    QVERIFY(tree->verticalScrollBar()->isVisible());
    const QFontMetrics metrics(tree->font());
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        tree->scrollToItem(*it);
        const QRect row = tree->visualItemRect(*it);
        // The text starts after the row's small margin; its last letter must
        // lie inside the tree's visible area, not under the scroll bar.
        const int textEnd = row.left() + 3 + metrics.horizontalAdvance((*it)->text(0));
        QVERIFY2(textEnd <= tree->viewport()->width(), qPrintable((*it)->text(0)));
        QVERIFY(!tree->horizontalScrollBar()->isVisible());
    }
}

void TestTopicTree::startsCollapsedWhenAskedTo()
{
    MainWindowHarness h;
    settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))
        ->writeDword(QStringLiteral("Expand Category List When Launched"), 0);
    TFormMainApplication& w = h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    // Still collapsed once the window shows, with the panel in front
    // highlighted inside its closed category.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    QVERIFY(everyNodeExpanded(tree, false));
    QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Colour Bands"));
    QCOMPARE(h.text("BtnExpandCategories"), QStringLiteral("Fully Expand"));
    h.click("BtnExpandCategories");
    QVERIFY(everyNodeExpanded(tree, true));
}

void TestTopicTree::singleExpand()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
    h.click("BtnExpandCategories"); // collapse all
    QVERIFY(!w.singleExpand());
    tree->setCurrentItem(node(tree, {"Resistors"}));
    QVERIFY(!node(tree, {"Resistors"})->isExpanded());

    w.setSingleExpand(true);
    tree->setCurrentItem(node(tree, {"Capacitors"}));
    QVERIFY(node(tree, {"Capacitors"})->isExpanded());
    tree->setCurrentItem(node(tree, {"Capacitors", "Values"}));
    QVERIFY(node(tree, {"Capacitors"})->isExpanded());
    QVERIFY(node(tree, {"Capacitors", "Values"})->isExpanded());
    tree->setCurrentItem(node(tree, {"Frequencies"}));
    QVERIFY(!node(tree, {"Capacitors", "Values"})->isExpanded());
    QVERIFY(node(tree, {"Frequencies"})->isExpanded());
}

QTEST_MAIN(TestTopicTree)
#include "test_topic_tree.moc"
