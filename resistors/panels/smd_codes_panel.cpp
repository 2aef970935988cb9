#include "resistors/panels/smd_codes_panel.h"

ResistorSmdCodesPanel::ResistorSmdCodesPanel(QWidget* parent)
    : CalculatorPanel("PanelResistorSmdCodes", parent)
{
}
