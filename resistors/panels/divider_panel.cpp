#include "resistors/panels/divider_panel.h"

VoltageDividerPanel::VoltageDividerPanel(QWidget* parent) : CalculatorPanel("PanelResistorDivider", parent)
{
}
