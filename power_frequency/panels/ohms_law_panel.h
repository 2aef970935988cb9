#pragma once

// Ohm's law and power: any two of voltage, current, resistance and watts give
// the other two.

#include "ui/calculator_panel.h"

class QLineEdit;
class QPushButton;

class OhmsLawPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit OhmsLawPanel(QWidget* parent = nullptr);

    void resetToStartState() override { clearAll(); }

    void calculate();
    void clearAll();
    // Hand-over from the resistor dropper: the dropper's current (amps) and
    // resistance go into the fields and the calculation runs as a click would.
    void calculateFromCurrentAndResistance(const QString& current, const QString& resistance);

private:
    void buildControls();
    void connectControls();

    QLineEdit* m_voltage = nullptr;
    QLineEdit* m_current = nullptr;
    QLineEdit* m_resistance = nullptr;
    QLineEdit* m_watts = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
};
