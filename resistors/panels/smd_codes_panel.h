#pragma once

// Printed resistor codes read both ways: a three- or four-digit code, R as the decimal point or
// an EIA-96 code to its value, and a value to the codes that mark it.

#include "ui/calculator_panel.h"

class ResistorSmdCodesPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ResistorSmdCodesPanel(QWidget* parent = nullptr);
};
