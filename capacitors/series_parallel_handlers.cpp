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
    PanelCapacitorDropper =
        form::panel(this, "PanelCapacitorDropper", QStringLiteral("CapacitorInLineDropper.htm"));
    PanelCapacitorScaleComparisons =
        form::panel(this, "PanelCapacitorScaleComparisons", QStringLiteral("CapacitorScaleComparisons.htm"));
    PanelCapacitorColourCodes =
        form::panel(this, "PanelCapacitorColourCodes", QStringLiteral("CapacitorColourBands.htm"));
    PanelCapacitorDigitValues =
        form::panel(this, "PanelCapacitorDigitValues", QStringLiteral("CapacitorDigitValues.htm"));

    QWidget* p = PanelCapacitorsSeriesParallel =
        form::panel(this, "PanelCapacitorsSeriesParallel", QStringLiteral("CapacitorsSeriesParallel.htm"));
    const QString hint = QStringLiteral("Capacitor value");
    const QString totalHint = QStringLiteral("Effective capacitance value");
    const QString totalCaption = QStringLiteral("Real (or required) capacitance:");
    const QString calculateHint = QStringLiteral("Calculate the remaining value");
    const QString clearHint = QStringLiteral("Clear all fields");
    const TwoOfThreeControls ser = buildTwoOfThreeGroup(
        p, {"GroupCapacitorsSeries", QStringLiteral(" Capacitors in Series "), 8, "ImageCapacitorsSeries",
            &artwork::capacitorsSeries, TwoOfThreeGroup::Wiring::InLine, "SerCap1", "SerCap2", "SerCapTotal",
            "CalcSerCap", "ClearSerCap", hint, totalHint, totalCaption, calculateHint, clearHint,
            "LabelSerCapInstruction", "LabelSerCapExplanation",
            QStringLiteral(
                "Use this to calculate the effective capacitance of capacitors connected in series, or to "
                "calculate what capacitor to add in series to bring down a high capacitor.  Use any units "
                "(pF, nF, uF etc.), but ensure you use the same units for all values.")});
    SerCap1 = ser.first;
    SerCap2 = ser.second;
    SerCapTotal = ser.total;
    CalcSerCap = ser.calculate;
    ClearSerCap = ser.clearAll;

    const TwoOfThreeControls par = buildTwoOfThreeGroup(
        p, {"GroupCapacitorsParallel", QStringLiteral(" Capacitors in Parallel "), 328,
            "ImageCapacitorsParallel", &artwork::capacitorsParallel, TwoOfThreeGroup::Wiring::Branches,
            "ParCap1", "ParCap2", "ParCapTotal", "BtnCalcParCap", "BtnClearParCapAll", hint, totalHint,
            totalCaption, calculateHint, clearHint, "LabelParCapInstruction", "LabelParCapExplanation",
            QStringLiteral(
                "Use this to calculate the effective capacitance of capacitors connected in parallel, or "
                "to calculate what capacitor to add in parallel to change the overall capacitance.  Use "
                "any units (pF, nF, uF etc.), but ensure you use the same units for all values.")});
    ParCap1 = par.first;
    ParCap2 = par.second;
    ParCapTotal = par.total;
    BtnCalcParCap = par.calculate;
    BtnClearParCapAll = par.clearAll;

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
    solveTwoOfThree(
        this, {SerCap1, SerCap2, SerCapTotal}, QStringLiteral("Capacitor"), &series_parallel::solveReciprocal,
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
    solveTwoOfThree(
        this, {ParCap1, ParCap2, ParCapTotal}, QStringLiteral("Capacitor"), &series_parallel::solveSum,
        QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                       "capacitance lower by wiring an additional capacitor in parallel."));
}

void TFormMainApplication::BtnClearParCapAllClick()
{
    ParCap1->setText(QString());
    ParCap2->setText(QString());
    ParCapTotal->setText(QString());
}
