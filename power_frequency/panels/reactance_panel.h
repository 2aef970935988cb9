#pragma once

// Inductive and capacitive reactance at a frequency, side by side.

#include "ui/calculator_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;

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
    void buildControls();
    void connectControls();

    QLineEdit* m_inductiveFrequency = nullptr;
    QLineEdit* m_inductance = nullptr;
    QLineEdit* m_capacitiveFrequency = nullptr;
    QLineEdit* m_capacitance = nullptr;
    QPushButton* m_calculateInductive = nullptr;
    QPushButton* m_clearInductive = nullptr;
    QPushButton* m_calculateCapacitive = nullptr;
    QPushButton* m_clearCapacitive = nullptr;
    QLabel* m_inductiveResult = nullptr;
    QLabel* m_inductiveUnit = nullptr;
    QLabel* m_capacitiveResult = nullptr;
    QLabel* m_capacitiveUnit = nullptr;
};
