#pragma once

// The adjustable three-terminal regulator: output voltage from its two resistors and back,
// the nearest standard pair and the regulator's dissipation.

#include "ui/calculator_panel.h"

class RegulatorPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit RegulatorPanel(QWidget* parent = nullptr);
};
