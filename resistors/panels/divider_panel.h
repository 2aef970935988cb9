#pragma once

// The voltage divider: any three of input voltage, top and bottom resistor and output voltage
// give the fourth, with the nearest standard pair.

#include "ui/calculator_panel.h"

class VoltageDividerPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit VoltageDividerPanel(QWidget* parent = nullptr);
};
