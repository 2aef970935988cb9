#include "app/main_window.h"

#include "app/all_panels.h"
#include "ui/form_builder.h"
#include "ui/help_launcher.h"

#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

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
}

void TFormMainApplication::ShowSelectedTreeTopic()
{
    const QTreeWidgetItem* node = TreeViewTopicSelect->currentItem();
    if (!node)
        return;
    finishBuilding();
    if (CalculatorPanel* panel = panelOfNode(node))
        ShowPanel(panel);
}

CalculatorPanel* TFormMainApplication::panelOfNode(const QTreeWidgetItem* node) const
{
    const QString text = node->text(0);
    const QString parent = parentText(node);

    // Matched in this order; the first entry whose text matches ends the
    // search, even when its condition on the parent fails.
    struct Topic
    {
        const char* text;
        const char* parent; // nullptr: any parent
        CalculatorPanel* panel;
        const char* otherParent;
        CalculatorPanel* otherPanel;
    };
    const Topic topics[] = {
        {"Ohms Law/Power", nullptr, m_ohmsLaw, nullptr, nullptr},
        {"Reactance", nullptr, m_reactance, nullptr, nullptr},
        {"Disclaimer", nullptr, m_disclaimer, nullptr, nullptr},
        {"Load Images", nullptr, m_images, nullptr, nullptr},
        {"Memo Notes", nullptr, m_notes, nullptr, nullptr},
        {"In-line Dropper", "Resistors", m_resistorDropper, "Capacitors", m_capacitorDropper},
        {"Digit Values", nullptr, m_capacitorDigitValues, nullptr, nullptr},
        {"General", "Schematic Symbols", m_schematicGeneral, nullptr, nullptr},
        {"Logic Gates", nullptr, m_schematicLogicGates, nullptr, nullptr},
        {"Valves and Tubes", nullptr, m_schematicValves, nullptr, nullptr},
        {"Connectors etc.", nullptr, m_schematicConnectors, nullptr, nullptr},
        {"Conversions", "Frequencies", m_frequencyConversions, nullptr, nullptr},
        {"Resonance", nullptr, m_resonance, nullptr, nullptr},
        {"Coil Frequency", nullptr, m_coilFrequency, nullptr, nullptr},
        {"Colour Bands", nullptr, m_colourBands, nullptr, nullptr},
        {"Colour Codes", nullptr, m_capacitorColourCodes, nullptr, nullptr},
        {"Series/Parallel", "Resistors", m_resistorsSeriesParallel, "Capacitors", m_capacitorsSeriesParallel},
        {"Scale Compare", "Capacitors", m_capacitorScale, nullptr, nullptr},
    };
    for (const Topic& t : topics) {
        if (text != QLatin1String(t.text))
            continue;
        if (!t.parent || parent == QLatin1String(t.parent))
            return t.panel;
        if (t.otherParent && parent == QLatin1String(t.otherParent))
            return t.otherPanel;
        return nullptr;
    }
    return nullptr;
}

void TFormMainApplication::highlightTopicOf(CalculatorPanel* panel)
{
    QTreeWidgetItem* current = TreeViewTopicSelect->currentItem();
    if (current && panelOfNode(current) == panel)
        return;
    for (QTreeWidgetItemIterator it(TreeViewTopicSelect); *it; ++it) {
        if (panelOfNode(*it) != panel)
            continue;
        // The panel is already in front: selecting its node must not run the
        // tree's handlers again.
        const QSignalBlocker block(TreeViewTopicSelect);
        // Before the window shows, the view would scroll to the new current
        // node on showing and so open its collapsed category: the tree must
        // come up as the options say.
        const bool scrolls = TreeViewTopicSelect->hasAutoScroll();
        TreeViewTopicSelect->setAutoScroll(scrolls && isVisible());
        TreeViewTopicSelect->setCurrentItem(*it);
        TreeViewTopicSelect->setAutoScroll(scrolls);
        // Show the node, unless the tree is still being set up.
        if (isVisible())
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                p->setExpanded(true);
        TreeViewTopicSelect->viewport()->update();
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
    // The whole tree in one step: the view lays itself out once, not once
    // per node.
    if (expand)
        TreeViewTopicSelect->expandAll();
    else
        TreeViewTopicSelect->collapseAll();
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
