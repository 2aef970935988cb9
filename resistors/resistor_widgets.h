#pragma once

// Controls of the resistor panels: colour bands (both directions and the
// record file), series/parallel, and the in-line dropper.

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

struct ResistorWidgets
{
    // Colour bands
    QWidget* PanelResistorColourBands = nullptr;
    QComboBox* ComboResCol1 = nullptr;
    QComboBox* ComboResCol2 = nullptr;
    QComboBox* ComboResCol3 = nullptr;
    QComboBox* ComboResCol4 = nullptr;
    QComboBox* ComboResCol5 = nullptr;
    QLineEdit* Calc1 = nullptr;
    QLineEdit* Calc2 = nullptr;
    QLineEdit* Calc3 = nullptr;
    QLineEdit* Calc4 = nullptr;
    QLineEdit* Calc5 = nullptr;
    QLineEdit* ResBand1Colour = nullptr;
    QLineEdit* ResBand2Colour = nullptr;
    QLineEdit* ResBand3Colour = nullptr;
    QLineEdit* ResBand4Colour = nullptr;
    QLineEdit* ResBand5Colour = nullptr;
    QLabel* ResImageBody = nullptr;
    QLabel* ResImageTip = nullptr;
    QLineEdit* ResImageSpot = nullptr;
    QLabel* ResImageTol = nullptr;
    QLineEdit* ResValue = nullptr;
    QLineEdit* ResValueK = nullptr;
    QLineEdit* ResValueM = nullptr;
    QLabel* ToleranceValue = nullptr;
    QLabel* LabelTempCoeff = nullptr;
    QPushButton* CalculateResValues = nullptr;
    QPushButton* ConfirmResValues = nullptr;
    QPushButton* ClearResValues = nullptr;
    QPushButton* BtnClearResValue = nullptr;
    QPushButton* BtnClearResValueK = nullptr;
    QPushButton* BtnClearResValueM = nullptr;
    QLineEdit* TagName = nullptr;
    QPushButton* SaveValues = nullptr;

    // Series and parallel
    QWidget* PanelResistorsSeriesParallel = nullptr;
    QLineEdit* ParRes1 = nullptr;
    QLineEdit* ParRes2 = nullptr;
    QLineEdit* ParResTotal = nullptr;
    QLineEdit* SerRes1 = nullptr;
    QLineEdit* SerRes2 = nullptr;
    QLineEdit* SerResTotal = nullptr;
    QPushButton* CalcParRes = nullptr;
    QPushButton* ClearParRes = nullptr;
    QPushButton* BtnCalculateResSeries = nullptr;
    QPushButton* BtnClearAllResSeries = nullptr;

    // In-line dropper
    QWidget* PanelResistorInLineDropper = nullptr;
    QLineEdit* DropperInLineVSource = nullptr;
    QLineEdit* DropperInLineVForward = nullptr;
    QLineEdit* DropperInLineIForward = nullptr;
    QLabel* DropperInLineResistor = nullptr;
    QLabel* LabelOhms = nullptr;
    QPushButton* DropperInLineCalculate = nullptr;
    QPushButton* DropperInLineClear = nullptr;
    QPushButton* DropperInLineGetColourBands = nullptr;
    QPushButton* BtnCalcHeatDissipation = nullptr;
};
