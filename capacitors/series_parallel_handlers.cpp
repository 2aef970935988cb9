#include "shell/main_window.h"

#include "resistors/series_parallel.h"
#include "resistors/two_of_three.h"
#include "resources/artwork/artwork.h"
#include "shell/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TFormMainApplication::buildCapacitorPanels()
{
    PanelCapacitorDropper = form::panel(this, "PanelCapacitorDropper", QStringLiteral("CapacitorInLineDropper.htm"));
    PanelCapacitorScaleComparisons =
        form::panel(this, "PanelCapacitorScaleComparisons", QStringLiteral("CapacitorScaleComparisons.htm"));
    PanelCapacitorColourCodes =
        form::panel(this, "PanelCapacitorColourCodes", QStringLiteral("CapacitorColourBands.htm"));
    PanelCapacitorDigitValues =
        form::panel(this, "PanelCapacitorDigitValues", QStringLiteral("CapacitorDigitValues.htm"));

    QWidget* p = PanelCapacitorsSeriesParallel =
        form::panel(this, "PanelCapacitorsSeriesParallel", QStringLiteral("CapacitorsSeriesParallel.htm"));
    const QString instructionText = QStringLiteral("Input any two values to calculate the remaining one.");

    QGroupBox* ser = form::group(p, "GroupCapacitorsSeries", 8, 8, 313, 385, QStringLiteral(" Capacitors in Series "));
    form::picture(ser, "ImageCapacitorsSeries", QRect(16, 24, 281, 150), [] { return artwork::capacitorsSeries({281, 150}); });
    SerCap1 = form::field(ser, "SerCap1", 36, 100, 90, QStringLiteral("Capacitor value"));
    form::clearButton(ser, "BtnClearSerCap1", 25, 96);
    SerCap2 = form::field(ser, "SerCap2", 180, 100, 90, QStringLiteral("Capacitor value"));
    form::clearButton(ser, "BtnClearSerCap2", 169, 96);
    form::label(ser, nullptr, 36, 182, QStringLiteral("Real (or required) capacitance:"));
    SerCapTotal = form::field(ser, "SerCapTotal", 36, 200, 110, QStringLiteral("Effective capacitance value"));
    form::clearButton(ser, "BtnClearSerCapTotal", 25, 196);
    CalcSerCap = form::button(ser, "CalcSerCap", 160, 198, 65, 25, QStringLiteral("Calculate"),
                              QStringLiteral("Calculate the remaining value"));
    ClearSerCap = form::button(ser, "ClearSerCap", 232, 198, 65, 25, QStringLiteral("Clear All"),
                               QStringLiteral("Clear all fields"));
    form::instruction(ser, "LabelSerCapInstruction", 16, 236, 285, 18, instructionText);
    form::textBlock(ser, "LabelSerCapExplanation", 16, 258, 285, 110,
                    QStringLiteral("Use this to calculate the effective capacitance of capacitors connected in "
                                   "series, or to calculate what capacitor to add in series to bring down a high "
                                   "capacitor.  Use any units (pF, nF, uF etc.), but ensure you use the same units "
                                   "for all values."));

    QGroupBox* par =
        form::group(p, "GroupCapacitorsParallel", 328, 8, 313, 385, QStringLiteral(" Capacitors in Parallel "));
    form::picture(par, "ImageCapacitorsParallel", QRect(16, 24, 281, 150), [] { return artwork::capacitorsParallel({281, 150}); });
    ParCap1 = form::field(par, "ParCap1", 36, 64, 90, QStringLiteral("Capacitor value"));
    form::clearButton(par, "BtnClearParCap1", 25, 60);
    ParCap2 = form::field(par, "ParCap2", 36, 124, 90, QStringLiteral("Capacitor value"));
    form::clearButton(par, "BtnClearParCap2", 25, 120);
    form::label(par, nullptr, 36, 182, QStringLiteral("Real (or required) capacitance:"));
    ParCapTotal = form::field(par, "ParCapTotal", 36, 200, 110, QStringLiteral("Effective capacitance value"));
    form::clearButton(par, "BtnClearParCapTotal", 25, 196);
    BtnCalcParCap = form::button(par, "BtnCalcParCap", 160, 198, 65, 25, QStringLiteral("Calculate"),
                                 QStringLiteral("Calculate the remaining value"));
    BtnClearParCapAll = form::button(par, "BtnClearParCapAll", 232, 198, 65, 25, QStringLiteral("Clear All"),
                                     QStringLiteral("Clear all fields"));
    form::instruction(par, "LabelParCapInstruction", 16, 236, 285, 18, instructionText);
    form::textBlock(par, "LabelParCapExplanation", 16, 258, 285, 110,
                    QStringLiteral("Use this to calculate the effective capacitance of capacitors connected in "
                                   "parallel, or to calculate what capacitor to add in parallel to change the overall "
                                   "capacitance.  Use any units (pF, nF, uF etc.), but ensure you use the same units "
                                   "for all values."));

    onClick(CalcSerCap, &TFormMainApplication::CalcSerCapClick);
    onClick(ClearSerCap, &TFormMainApplication::ClearSerCapClick);
    onClick(BtnCalcParCap, &TFormMainApplication::BtnCalcParCapClick);
    onClick(BtnClearParCapAll, &TFormMainApplication::BtnClearParCapAllClick);
    onClearClick(p, "BtnClearSerCap1", &TFormMainApplication::BtnClearSerCap1Click);
    onClearClick(p, "BtnClearSerCap2", &TFormMainApplication::BtnClearSerCap2Click);
    onClearClick(p, "BtnClearSerCapTotal", &TFormMainApplication::BtnClearSerCapTotalClick);
    onClearClick(p, "BtnClearParCap1", &TFormMainApplication::BtnClearParCap1Click);
    onClearClick(p, "BtnClearParCap2", &TFormMainApplication::BtnClearParCap2Click);
    onClearClick(p, "BtnClearParCapTotal", &TFormMainApplication::BtnClearParCapTotalClick);
}

void TFormMainApplication::CalcSerCapClick()
{
    solveTwoOfThree(this, {SerCap1, SerCap2, SerCapTotal}, QStringLiteral("Capacitor"),
                    &series_parallel::solveReciprocal,
                    QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                                   "capacitance higher by wiring an additional capacitor in series."));
}

void TFormMainApplication::ClearSerCapClick()
{
    SerCap1->setText(QString());
    SerCap2->setText(QString());
    SerCapTotal->setText(QString());
}

void TFormMainApplication::BtnCalcParCapClick()
{
    solveTwoOfThree(this, {ParCap1, ParCap2, ParCapTotal}, QStringLiteral("Capacitor"), &series_parallel::solveSum,
                    QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                                   "capacitance lower by wiring an additional capacitor in parallel."));
}

void TFormMainApplication::BtnClearParCapAllClick()
{
    ParCap1->setText(QString());
    ParCap2->setText(QString());
    ParCapTotal->setText(QString());
}
