#pragma once

// The resonant frequency of an LC circuit, and the frequency of a coil from
// its turns and width.

#include "ui/calculator_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class ResonancePanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ResonancePanel(QWidget* parent = nullptr);

    void resetToStartState() override { clearAll(); }

    void calculate();
    void clearAll();

private:
    void buildControls();
    void connectControls();

    QLineEdit* m_inductance = nullptr;
    QLineEdit* m_capacitance = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
    QLabel* m_result = nullptr;
    QLabel* m_unit = nullptr;
};

class CoilFrequencyPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit CoilFrequencyPanel(QWidget* parent = nullptr);

    void resetToStartState() override { clearAll(); }

    void calculate();
    void clearAll();

private:
    void buildControls();
    void connectControls();

    QLineEdit* m_turns = nullptr;
    QLineEdit* m_width = nullptr;
    QRadioButton* m_widthInCentimetres = nullptr;
    QRadioButton* m_widthInInches = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
    QLabel* m_result = nullptr;
    QLabel* m_unit = nullptr;
};
