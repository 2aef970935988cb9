#include "power_frequency/panels/rc_time_panel.h"

RcTimeConstantPanel::RcTimeConstantPanel(QWidget* parent) : CalculatorPanel("PanelRcTimeConstant", parent)
{
}
