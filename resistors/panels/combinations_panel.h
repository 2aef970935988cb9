#pragma once

// Standard resistors in twos and threes that come closest to a wanted value.

#include "ui/calculator_panel.h"

class ResistorCombinationsPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ResistorCombinationsPanel(QWidget* parent = nullptr);
};
