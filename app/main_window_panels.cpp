// The main window's panels, from the panel table: building them into the
// stack (the one in front first, the others just after the window's first
// frame), the hand-overs between them, their start state and bringing one to
// the front.

#include "app/main_window.h"

#include "app/panel_table.h"
#include "core/settings_store.h"
#include "ui/accessibility.h"
#include "ui/calculator_panel.h"
#include "ui/fault_guard.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>

#include <algorithm>

CalculatorPanel* TFormMainApplication::buildPanel(int topic)
{
    // Each panel is made inside the stack, so it has the window's face while
    // it sizes its captions: a caption sized in the desktop's own font first
    // would be clipped when the window's face is wider.
    const PanelTopic& row = panelTopics()[topic];
    CalculatorPanel* panel = row.make(m_stack);
    panel->setHelpPage(QString::fromLatin1(row.helpPage));
    m_panels[topic] = panel;
    return panel;
}

void TFormMainApplication::buildFrontPanel()
{
    m_panels.fill(nullptr, qsizetype(panelTopics().size()));
    for (int topic = 0; topic < int(panelTopics().size()); ++topic) {
        if (!panelTopics()[topic].inFrontAtStart)
            continue;
        CalculatorPanel* panel = buildPanel(topic);
        m_stack->addWidget(panel);
        a11y::nameControlsWhenShown(panel);
    }
    placeBottomRowLastInTabOrder();
}

void TFormMainApplication::placeBottomRowLastInTabOrder()
{
    // Tab runs down the left column (the tree, then its button), through the
    // panel in front and along the bottom row, left to right.
    QWidget* last = previousInFocusChain();
    while (last != this && last->focusPolicy() == Qt::NoFocus)
        last = last->previousInFocusChain();
    CalculatorPanel::setTabOrder({last, m_aboutButton, m_optionsButton, m_helpButton, m_closeButton});
}

void TFormMainApplication::finishBuilding()
{
    if (m_allPanelsBuilt)
        return;
    m_allPanelsBuilt = true;
    // The stack keeps the panels in the table's order, the one in front
    // (made first) among them.
    for (int topic = 0; topic < int(m_panels.size()); ++topic) {
        if (m_panels[topic])
            continue;
        m_stack->insertWidget(topic, buildPanel(topic));
        a11y::nameControlsWhenShown(m_panels[topic]);
    }
    placeBottomRowLastInTabOrder();
    connectHandOvers(m_panels, this, [this](CalculatorPanel* target, const std::function<void()>& operation) {
        handOver(target, operation);
    });

    // The start state, in the table's start order (the panel in front has
    // its own already), then the settings of those that keep some.
    QList<int> order;
    for (int topic = 0; topic < int(m_panels.size()); ++topic) {
        if (panelTopics()[topic].startOrder >= 0 && !panelTopics()[topic].inFrontAtStart)
            order.append(topic);
    }
    std::sort(order.begin(), order.end(),
              [](int a, int b) { return panelTopics()[a].startOrder < panelTopics()[b].startOrder; });
    for (int topic : order)
        m_panels[topic]->resetToStartState();
    if (auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey))) {
        for (int topic = 0; topic < int(m_panels.size()); ++topic) {
            if (!panelTopics()[topic].inFrontAtStart)
                m_panels[topic]->loadSettings(*key);
        }
    }
}

void TFormMainApplication::handOver(CalculatorPanel* target, const std::function<void()>& operation)
{
    runGuarded(this, [&] {
        operation();
        showPanel(target);
    });
}

void TFormMainApplication::showPanel(QWidget* panel)
{
    auto* page = qobject_cast<CalculatorPanel*>(panel);
    if (!page || m_stack->indexOf(page) < 0)
        return;
    m_stack->setCurrentWidget(page);
    m_currentHelpPage = page->helpPage();
    if (m_tree->topLevelItemCount() > 0)
        highlightTopicOf(page);
}

QWidget* TFormMainApplication::frontPanel() const
{
    return m_stack->currentWidget();
}
