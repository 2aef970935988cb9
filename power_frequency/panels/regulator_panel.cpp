#include "power_frequency/panels/regulator_panel.h"

RegulatorPanel::RegulatorPanel(QWidget* parent) : CalculatorPanel("PanelRegulator", parent)
{
}
