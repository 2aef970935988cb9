#pragma once

// RC time constants: tau, the low-pass corner and the capacitor's voltage while it charges
// and discharges.

#include "ui/calculator_panel.h"

class RcTimeConstantPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit RcTimeConstantPanel(QWidget* parent = nullptr);
};
