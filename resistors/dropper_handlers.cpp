#include "shell/main_window.h"

#include "shell/form_builder.h"

void TFormMainApplication::buildResistorDropperPanel()
{
    PanelResistorInLineDropper =
        form::panel(this, "PanelResistorInLineDropper", QStringLiteral("ResistorInLineDropper.htm"));
}

void TFormMainApplication::DropperInLineCalculateClick() {}
void TFormMainApplication::DropperInLineClearClick() {}
void TFormMainApplication::DropperInLineGetColourBandsClick() {}
void TFormMainApplication::BtnCalcHeatDissipationClick() {}
