#pragma once

// Inductive and capacitive reactance at a frequency, side by side.

#include "ui/calculator_panel.h"

class QLabel;
class QLineEdit;

class ReactancePanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ReactancePanel(QWidget* parent = nullptr);

    void resetToStartState() override
    {
        clearInductive();
        clearCapacitive();
    }

    void calculateInductive();
    void clearInductive();
    void calculateCapacitive();
    void clearCapacitive();

private:
    QLineEdit* ReactanceInductFreq = nullptr;
    QLineEdit* ReactanceInductInductance = nullptr;
    QLineEdit* ReactanceCapFreq = nullptr;
    QLineEdit* ReactanceCapCapacitance = nullptr;
    QLabel* LabelReactanceIndRes = nullptr;
    QLabel* LabelReactanceIndOhms = nullptr;
    QLabel* LabelReactanceCapRes = nullptr;
    QLabel* LabelReactanceCapOhms = nullptr;
};
