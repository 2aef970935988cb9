#pragma once

// The resonant frequency of an LC circuit, and the frequency of a coil from
// its turns and width.

#include "ui/calculator_panel.h"

class QLabel;
class QLineEdit;
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
    QLineEdit* FreqResonanceInductance = nullptr;
    QLineEdit* FreqResonanceCapacitance = nullptr;
    QLabel* LabelFreqResonanceResult = nullptr;
    QLabel* LabelFreqResonanceHz = nullptr;
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
    QLineEdit* FreqCoilTurns = nullptr;
    QLineEdit* FreqCoilWidth = nullptr;
    QRadioButton* RadioFreqCoilCM = nullptr;
    QRadioButton* RadioFreqCoilInches = nullptr;
    QLabel* LabelFreqCoilResult = nullptr;
    QLabel* LabelFreqCoilKHz = nullptr;
};
