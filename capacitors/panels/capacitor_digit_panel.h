#pragma once

// The capacitor digit values panel: decodes a printed code such as "104k"
// picked character by character from four lists, shows the value in pF and
// the tolerance after every change, and hands the value or the tolerance
// amount to the scale comparison sheet.

#include "capacitors/maths/scale_units.h"
#include "ui/calculator_panel.h"

class QComboBox;
class QLabel;
class QPushButton;

class CapacitorDigitPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit CapacitorDigitPanel(QWidget* parent = nullptr);

    // 0, 0, 0, D: the panel shows 0 pF and +/- 0.5 pF.
    void resetToStartState() override;

    // Recomputes everything from the four list texts.
    void showCapacitorDigitValue();
    void scaleCompareValue();
    void scaleCompareTolerance();

signals:
    // A value in the given unit for the scale comparison sheet, as shown here.
    void sendToScaleSheet(capacitance::Unit unit, const QString& text);

private:
    void buildCodeGroup();
    void buildKeyGroup();
    void connectControls();

    QComboBox* m_cap1;
    QComboBox* m_cap2;
    QComboBox* m_cap3;
    QComboBox* m_cap4;
    QLabel* m_capValue;
    QLabel* m_labelPf;
    QLabel* m_capTolerance;
    QLabel* m_capTolValue; // hidden: the tolerance amount in pF, for the hand-over
    QPushButton* m_capScaleCompare;
    QPushButton* m_capScaleCompareTolerance;
};
