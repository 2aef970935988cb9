#pragma once

// Resistors in parallel and in series: any two of the two parts and the total
// give the third.

#include "ui/calculator_panel.h"
#include "ui/two_of_three.h"

class ResistorSeriesParallelPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ResistorSeriesParallelPanel(QWidget* parent = nullptr);

    void resetToStartState() override
    {
        clearParallel();
        clearSeries();
    }

    void calculateParallel();
    void clearParallel();
    void calculateSeries();
    void clearSeries();

private:
    void buildControls();
    void connectControls();

    TwoOfThreeControls m_parallel{};
    TwoOfThreeControls m_series{};
};
