#pragma once

// Controls of the capacitor panels.

class QLineEdit;
class QPushButton;
class QWidget;

struct CapacitorWidgets
{
    QWidget* PanelCapacitorDropper = nullptr;
    QWidget* PanelCapacitorScaleComparisons = nullptr;
    QWidget* PanelCapacitorColourCodes = nullptr;
    QWidget* PanelCapacitorDigitValues = nullptr;

    // Series and parallel
    QWidget* PanelCapacitorsSeriesParallel = nullptr;
    QLineEdit* SerCap1 = nullptr;
    QLineEdit* SerCap2 = nullptr;
    QLineEdit* SerCapTotal = nullptr;
    QLineEdit* ParCap1 = nullptr;
    QLineEdit* ParCap2 = nullptr;
    QLineEdit* ParCapTotal = nullptr;
    QPushButton* CalcSerCap = nullptr;
    QPushButton* ClearSerCap = nullptr;
    QPushButton* BtnCalcParCap = nullptr;
    QPushButton* BtnClearParCapAll = nullptr;
};
