#include "power_frequency/panels/timer555_panel.h"

Timer555Panel::Timer555Panel(QWidget* parent) : CalculatorPanel("PanelTimer555", parent)
{
}
