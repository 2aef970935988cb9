#include "resistors/panels/combinations_panel.h"

ResistorCombinationsPanel::ResistorCombinationsPanel(QWidget* parent)
    : CalculatorPanel("PanelResistorCombinations", parent)
{
}
