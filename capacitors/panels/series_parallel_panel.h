#pragma once

// Capacitors in series and in parallel: any two of the two parts and the
// total give the third.

#include "ui/calculator_panel.h"
#include "ui/two_of_three.h"

class CapacitorSeriesParallelPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit CapacitorSeriesParallelPanel(QWidget* parent = nullptr);

    void resetToStartState() override
    {
        clearSeries();
        clearParallel();
    }

    void calculateSeries();
    void clearSeries();
    void calculateParallel();
    void clearParallel();

private:
    void buildControls();
    void connectControls();

    TwoOfThreeControls m_series{};
    TwoOfThreeControls m_parallel{};
};
