#pragma once

// The 555 timer, astable and monostable: times, frequency and duty cycle from the parts, and
// the parts from the wanted timing.

#include "ui/calculator_panel.h"

class Timer555Panel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit Timer555Panel(QWidget* parent = nullptr);
};
