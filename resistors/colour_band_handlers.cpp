#include "shell/main_window.h"

#include "shell/form_builder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TFormMainApplication::buildColourBandPanel()
{
    PanelResistorColourBands =
        form::panel(this, "PanelResistorColourBands", QStringLiteral("ResistorColourBands.htm"));
}

void TFormMainApplication::ComboRes1Change() {}
void TFormMainApplication::ComboRes2Change() {}
void TFormMainApplication::ComboRes3Change() {}
void TFormMainApplication::ComboRes4Change() {}
void TFormMainApplication::ComboRes5Change() {}
void TFormMainApplication::ShowColourBandValue() {}
void TFormMainApplication::Calc5Change() {}
void TFormMainApplication::CalculateResValuesClick() {}
void TFormMainApplication::ConfirmResValuesClick() {}
void TFormMainApplication::ClearResValuesClick() {}
void TFormMainApplication::SaveValuesClick() {}
void TFormMainApplication::selectBandItem(QComboBox*, int) {}
