#pragma once

// The panels the main window composes, listed once. A row gives a topic's
// path in the tree, how its panel is made, its help page and its place in
// the order in which panels are put into their start state; the tree, the
// panel stack, start-up, F1 and the settings loops all read this table, in
// its order, which is the tree's. Adding a calculator is one panel class and
// one row, at the end of its category.

#include <QList>
#include <QStringList>

#include <functional>
#include <span>

class CalculatorPanel;
class QObject;
class QWidget;

struct PanelTopic
{
    // The node's texts from the top of the tree down; the categories above
    // it are made from these paths.
    QStringList treePath;
    CalculatorPanel* (*make)(QWidget* parent);
    // The page F1 opens while the panel is in front; empty for the help
    // file's own first page.
    const char* helpPage;
    // When the panel is put into its start state, after the panels with
    // lower numbers; -1 for a panel that has none.
    int startOrder;
    // Built before the window's first frame and in front at start-up; the
    // others are built just after the first frame.
    bool inFrontAtStart = false;
};

std::span<const PanelTopic> panelTopics();

// Runs a hand-over: the target's operation, then the target to the front.
using HandOverRunner = std::function<void(CalculatorPanel* target, const std::function<void()>& operation)>;

// Connects every hand-over between the panels, given as built in the
// table's order: a signal of the source panel that runs the target's public
// operation through run.
void connectHandOvers(const QList<CalculatorPanel*>& panels, QObject* context, const HandOverRunner& run);
