#pragma once

// The in-line capacitor dropper panel: from the AC supply's voltage and
// frequency and the load's voltage and current, the series capacitor in uF
// and, when asked for, the surge-limiting resistor. The capacitance can be
// handed to the scale comparison sheet.

#include "capacitors/maths/scale_units.h"
#include "ui/calculator_panel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class CapacitorDropperPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit CapacitorDropperPanel(QWidget* parent = nullptr);

    // Fields and results empty, the surge limiter included.
    void resetToStartState() override;

    void calculate();
    void clearAll();
    // Shows the surge resistor in the drawing and its result, or covers it
    // with a plain wire and hides the result, as the tick box says.
    void surgeLimiterChanged();
    void scaleCompare();

signals:
    void sendToScaleSheet(capacitance::Unit unit, const QString& text);

private:
    void buildHeading(QWidget* group);
    void buildCircuit(QWidget* group);
    void buildResults(QWidget* group);
    void connectControls();

    QLineEdit* m_voltageIn;
    QLineEdit* m_frequencyIn;
    QLineEdit* m_loadVoltage;
    QLineEdit* m_loadCurrent;
    QCheckBox* m_surgeLimiter;
    QWidget* m_surgeOverlay;
    QLabel* m_result;
    QLabel* m_resultUnit;
    QLabel* m_surgeCaption;
    QLabel* m_surgeResult;
    QLabel* m_surgeOhms;
    QPushButton* m_calculate;
    QPushButton* m_clearAll;
    QPushButton* m_scaleCompare;
};
