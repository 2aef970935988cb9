// The topic tree: built from the panel table's paths, showing the panel of
// the chosen node, keeping the node of the panel in front highlighted, and
// context help for the panel in front.

#include "app/main_window.h"

#include "app/panel_table.h"
#include "ui/calculator_panel.h"
#include "ui/help_launcher.h"

#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {

// A node's topic in the panel table; categories have none.
constexpr int kTopicRole = Qt::UserRole;

QTreeWidgetItem* childNamed(QTreeWidget* tree, QTreeWidgetItem* parent, const QString& text)
{
    const int count = parent ? parent->childCount() : tree->topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* child = parent ? parent->child(i) : tree->topLevelItem(i);
        if (child->text(0) == text)
            return child;
    }
    QTreeWidgetItem* made = parent ? new QTreeWidgetItem(parent, QStringList{text})
                                   : new QTreeWidgetItem(tree, QStringList{text});
    made->setData(0, kTopicRole, -1);
    return made;
}

class SlimScrollBar : public QScrollBar
{
public:
    explicit SlimScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

    QSize sizeHint() const override { return QScrollBar::sizeHint() - QSize(kNarrower, 0); }

private:
    static constexpr int kNarrower = 3;
};

} // namespace

void TFormMainApplication::buildTopicTree()
{
    QTreeWidget* tree = m_tree;
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setIndentation(19);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->setRootIsDecorated(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every node is one line of the same face: the tree measures one row
    // rather than each node's text.
    tree->setUniformRowHeights(true);
    // The whole tree open is taller than the tree: a scroll bar slimmer than
    // the style's leaves room for the longest topics beside it, whose last
    // letters would otherwise give way to an ellipsis.
    tree->setVerticalScrollBar(new SlimScrollBar(tree));
    tree->setTextElideMode(Qt::ElideNone);

    // Categories are made from the paths, in the order first met; a topic's
    // node comes after the others of its category.
    for (int topic = 0; topic < int(panelTopics().size()); ++topic) {
        QTreeWidgetItem* node = nullptr;
        for (const QString& text : panelTopics()[topic].treePath)
            node = childNamed(tree, node, text);
        node->setData(0, kTopicRole, topic);
    }
    tree->collapseAll();
    connectTopicTree();
}

void TFormMainApplication::connectTopicTree()
{
    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) {
                if (m_singleExpand && current) {
                    bool previousIsAncestor = false;
                    for (QTreeWidgetItem* p = current->parent(); p; p = p->parent())
                        previousIsAncestor = previousIsAncestor || p == previous;
                    if (previous && !previousIsAncestor)
                        previous->setExpanded(false);
                    current->setExpanded(true);
                }
                guarded([this] { showSelectedTopic(); });
            });
    connect(m_tree, &QTreeWidget::itemClicked, this, [this] { guarded([this] { showSelectedTopic(); }); });
}

void TFormMainApplication::showSelectedTopic()
{
    const QTreeWidgetItem* node = m_tree->currentItem();
    if (!node)
        return;
    finishBuilding();
    if (CalculatorPanel* panel = panelOfNode(node))
        showPanel(panel);
}

CalculatorPanel* TFormMainApplication::panelOfNode(const QTreeWidgetItem* node) const
{
    const int topic = node->data(0, kTopicRole).toInt();
    return topic >= 0 && topic < m_panels.size() ? m_panels[topic] : nullptr;
}

void TFormMainApplication::highlightTopicOf(CalculatorPanel* panel)
{
    QTreeWidgetItem* current = m_tree->currentItem();
    if (current && panelOfNode(current) == panel)
        return;
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        if (panelOfNode(*it) != panel)
            continue;
        // The panel is already in front: selecting its node must not run the
        // tree's handlers again.
        const QSignalBlocker block(m_tree);
        // Before the window shows, the view would scroll to the new current
        // node on showing and so open its collapsed category: the tree must
        // come up as the options say.
        const bool scrolls = m_tree->hasAutoScroll();
        m_tree->setAutoScroll(scrolls && isVisible());
        m_tree->setCurrentItem(*it);
        m_tree->setAutoScroll(scrolls);
        // Show the node, unless the tree is still being set up.
        if (isVisible())
            for (QTreeWidgetItem* p = (*it)->parent(); p; p = p->parent())
                p->setExpanded(true);
        m_tree->viewport()->update();
        return;
    }
}

void TFormMainApplication::expandAll(bool expand)
{
    // The whole tree in one step: the view lays itself out once, not once
    // per node.
    if (expand)
        m_tree->expandAll();
    else
        m_tree->collapseAll();
}

void TFormMainApplication::toggleExpandAll()
{
    expandAll(m_nextClickExpands);
    m_expandButton->setText(m_nextClickExpands ? QStringLiteral("Fully Collapse")
                                               : QStringLiteral("Fully Expand"));
    m_nextClickExpands = !m_nextClickExpands;
}

void TFormMainApplication::showHelpForFrontPanel()
{
    if (m_currentHelpPage.isEmpty() || m_currentHelpPage == QLatin1String("0"))
        m_currentHelpPage = QStringLiteral("Welcome.htm");
    launchHelp(m_currentHelpPage);
}

void TFormMainApplication::launchHelp(const QString& page)
{
    help::displayHelp(help::helpPath(page));
}
