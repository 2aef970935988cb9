#pragma once

// Controls of the Ohm's law, frequency and reactance panels.

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct PowerFrequencyWidgets
{
    // Ohm's law and power
    QWidget* PanelOhmsLawAndPower = nullptr;
    QLineEdit* Voltage = nullptr;
    QLineEdit* Current = nullptr;
    QLineEdit* Resistance = nullptr;
    QLineEdit* Watts = nullptr;
    QPushButton* CalculatePowerCalues = nullptr;
    QPushButton* ClearPowerValues = nullptr;

    QWidget* PanelFrequencyConversions = nullptr;

    // Resonance
    QWidget* PanelFrequencyResonance = nullptr;
    QLineEdit* FreqResonanceInductance = nullptr;
    QLineEdit* FreqResonanceCapacitance = nullptr;
    QLabel* LabelFreqResonanceResult = nullptr;
    QLabel* LabelFreqResonanceHz = nullptr;
    QPushButton* BtnCalcFreqResonance = nullptr;
    QPushButton* BtnCalcFreqClearAll = nullptr;

    // Coil frequency
    QWidget* PanelFrequencyCoil = nullptr;
    QLineEdit* FreqCoilTurns = nullptr;
    QLineEdit* FreqCoilWidth = nullptr;
    QRadioButton* RadioFreqCoilCM = nullptr;
    QRadioButton* RadioFreqCoilInches = nullptr;
    QLabel* LabelFreqCoilResult = nullptr;
    QLabel* LabelFreqCoilKHz = nullptr;
    QPushButton* BtnFreqCoilCalc = nullptr;
    QPushButton* BtnFreqCoilClearAll = nullptr;

    // Reactance
    QWidget* PanelGeneralReactance = nullptr;
    QLineEdit* ReactanceInductFreq = nullptr;
    QLineEdit* ReactanceInductInductance = nullptr;
    QLineEdit* ReactanceCapFreq = nullptr;
    QLineEdit* ReactanceCapCapacitance = nullptr;
    QLabel* LabelReactanceIndRes = nullptr;
    QLabel* LabelReactanceIndOhms = nullptr;
    QLabel* LabelReactanceCapRes = nullptr;
    QLabel* LabelReactanceCapOhms = nullptr;
    QPushButton* BtnReactanceIndCalc = nullptr;
    QPushButton* BtnReactanceIndClearAll = nullptr;
    QPushButton* BtnReactanceCapCalc = nullptr;
    QPushButton* BtnReactanceCapClearAll = nullptr;
};
