#include "shell/main_window.h"

#include "shell/form_builder.h"
#include "shell/help_launcher.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

namespace {

QTreeWidgetItem* addNode(QTreeWidgetItem* parent, const QString& text)
{
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    return item;
}

QString parentText(const QTreeWidgetItem* node)
{
    return node->parent() ? node->parent()->text(0) : QString();
}

} // namespace

void TFormMainApplication::buildTopicTree()
{
    QTreeWidget* tree = TreeViewTopicSelect;
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setIndentation(19);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setRootIsDecorated(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);

    auto top = [tree](const QString& text) { return new QTreeWidgetItem(tree, QStringList{text}); };

    QTreeWidgetItem* resistors = top(QStringLiteral("Resistors"));
    for (const char* t : {"Colour Bands", "Series/Parallel", "In-line Dropper"})
        addNode(resistors, QString::fromLatin1(t));
    QTreeWidgetItem* capacitors = top(QStringLiteral("Capacitors"));
    for (const char* t : {"In-line Dropper", "Scale Compare", "Series/Parallel"})
        addNode(capacitors, QString::fromLatin1(t));
    QTreeWidgetItem* values = addNode(capacitors, QStringLiteral("Values"));
    addNode(values, QStringLiteral("Colour Codes"));
    addNode(values, QStringLiteral("Digit Values"));
    QTreeWidgetItem* general = top(QStringLiteral("General"));
    addNode(general, QStringLiteral("Ohms Law/Power"));
    addNode(general, QStringLiteral("Reactance"));
    QTreeWidgetItem* frequencies = top(QStringLiteral("Frequencies"));
    for (const char* t : {"Coil Frequency", "Conversions", "Resonance"})
        addNode(frequencies, QString::fromLatin1(t));
    QTreeWidgetItem* schematics = top(QStringLiteral("Schematic Symbols"));
    for (const char* t : {"General", "Logic Gates", "Valves and Tubes", "Connectors etc."})
        addNode(schematics, QString::fromLatin1(t));
    top(QStringLiteral("Memo Notes"));
    top(QStringLiteral("Load Images"));
    top(QStringLiteral("Disclaimer"));
    tree->collapseAll();
    connectTopicTree();
}

void TFormMainApplication::connectTopicTree()
{
    connect(TreeViewTopicSelect, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                if (m_singleExpand && current) {
                    bool previousIsAncestor = false;
                    for (QTreeWidgetItem* p = current->parent(); p; p = p->parent())
                        previousIsAncestor = previousIsAncestor || p == previous;
                    if (previous && !previousIsAncestor)
                        previous->setExpanded(false);
                    current->setExpanded(true);
                }
                guarded([this] { TreeViewTopicSelectChange(); });
            });
    connect(TreeViewTopicSelect, &QTreeWidget::itemClicked, this,
            [this] { guarded([this] { TreeViewTopicSelectClick(); }); });
    onClick(BtnOpenSchematicGeneral, &TFormMainApplication::BtnOpenSchematicGeneralClick);
    onClick(BtnOpenSchematicLogicGates, &TFormMainApplication::BtnOpenSchematicLogicGatesClick);
    onClick(BtnOpenSchematicValvesTubes, &TFormMainApplication::BtnOpenSchematicValvesTubesClick);
    onClick(BtnOpenSchematicConnectorsSwitchesRelays,
            &TFormMainApplication::BtnOpenSchematicConnectorsSwitchesRelaysClick);
}

void TFormMainApplication::ShowPanel(QWidget* panel)
{
    panel->raise();
    m_frontPanel = panel;
    CurrentHelpPage = form::helpPageOf(panel);
}

void TFormMainApplication::ShowSelectedTreeTopic()
{
    const QTreeWidgetItem* node = TreeViewTopicSelect->currentItem();
    if (!node)
        return;
    const QString text = node->text(0);
    const QString parent = parentText(node);

    // Matched in this order; the first entry whose text matches ends the
    // search, even when its condition on the parent fails.
    struct Topic
    {
        const char* text;
        const char* parent; // nullptr: any parent
        QWidget* panel;
        const char* otherParent;
        QWidget* otherPanel;
    };
    const Topic topics[] = {
        {"Ohms Law/Power", nullptr, PanelOhmsLawAndPower, nullptr, nullptr},
        {"Reactance", nullptr, PanelGeneralReactance, nullptr, nullptr},
        {"Disclaimer", nullptr, PanelDisclaimer, nullptr, nullptr},
        {"Load Images", nullptr, PanelImages, nullptr, nullptr},
        {"Memo Notes", nullptr, PanelMemoNotes, nullptr, nullptr},
        {"In-line Dropper", "Resistors", PanelResistorInLineDropper, "Capacitors", PanelCapacitorDropper},
        {"Digit Values", nullptr, PanelCapacitorDigitValues, nullptr, nullptr},
        {"General", "Schematic Symbols", PanelSchematicSymbolsGeneral, nullptr, nullptr},
        {"Logic Gates", nullptr, PanelSchematicSymbolsLogicGates, nullptr, nullptr},
        {"Valves and Tubes", nullptr, PanelSchematicSymbolsValves, nullptr, nullptr},
        {"Connectors etc.", nullptr, PanelSchematicSymbolsConnectorsSwitchesRelays, nullptr, nullptr},
        {"Conversions", "Frequencies", PanelFrequencyConversions, nullptr, nullptr},
        {"Resonance", nullptr, PanelFrequencyResonance, nullptr, nullptr},
        {"Coil Frequency", nullptr, PanelFrequencyCoil, nullptr, nullptr},
        {"Colour Bands", nullptr, PanelResistorColourBands, nullptr, nullptr},
        {"Colour Codes", nullptr, PanelCapacitorColourCodes, nullptr, nullptr},
        {"Series/Parallel", "Resistors", PanelResistorsSeriesParallel, "Capacitors",
         PanelCapacitorsSeriesParallel},
        {"Scale Compare", "Capacitors", PanelCapacitorScaleComparisons, nullptr, nullptr},
    };
    for (const Topic& t : topics) {
        if (text != QLatin1String(t.text))
            continue;
        if (!t.parent || parent == QLatin1String(t.parent))
            ShowPanel(t.panel);
        else if (t.otherParent && parent == QLatin1String(t.otherParent))
            ShowPanel(t.otherPanel);
        return;
    }
}

void TFormMainApplication::TreeViewTopicSelectChange()
{
    ShowSelectedTreeTopic();
}

void TFormMainApplication::TreeViewTopicSelectClick()
{
    ShowSelectedTreeTopic();
}

void TFormMainApplication::expandAll(bool expand)
{
    for (int i = 0; i < TreeViewTopicSelect->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = TreeViewTopicSelect->topLevelItem(i);
        std::function<void(QTreeWidgetItem*)> apply = [&](QTreeWidgetItem* node) {
            node->setExpanded(expand);
            for (int c = 0; c < node->childCount(); ++c)
                apply(node->child(c));
        };
        apply(item);
    }
}

void TFormMainApplication::BtnExpandCategoriesClick()
{
    if (NextClickExpands) {
        expandAll(true);
        NextClickExpands = false;
        BtnExpandCategories->setText(QStringLiteral("Fully Collapse"));
    } else {
        expandAll(false);
        NextClickExpands = true;
        BtnExpandCategories->setText(QStringLiteral("Fully Expand"));
    }
}

void TFormMainApplication::setSingleExpand(bool on)
{
    m_singleExpand = on;
}

void TFormMainApplication::BtnHelpClick()
{
    if (CurrentHelpPage.isEmpty() || CurrentHelpPage == QLatin1String("0"))
        CurrentHelpPage = QStringLiteral("Welcome.htm");
    LaunchHelp(CurrentHelpPage);
}

void TFormMainApplication::FormHelp()
{
    BtnHelpClick();
}

void TFormMainApplication::LaunchHelp(const QString& page)
{
    help::displayHelp(help::helpPath(page));
}
