#include "shell/main_window.h"

#include "resistors/series_parallel.h"
#include "resistors/two_of_three.h"
#include "resources/artwork/artwork.h"
#include "shell/form_builder.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TFormMainApplication::buildResistorSeriesParallelPanel()
{
    QWidget* p = PanelResistorsSeriesParallel =
        form::panel(this, "PanelResistorsSeriesParallel", QStringLiteral("ResistorsSeriesParallel.htm"));
    const QString instructionText = QStringLiteral("Input any two values to calculate the remaining one.");

    QGroupBox* par = form::group(p, "GroupResistorsParallel", 8, 8, 313, 385, QStringLiteral(" Resistors in Parallel "));
    form::picture(par, "ImageResistorsParallel", QRect(16, 24, 281, 150), [] { return artwork::resistorsParallel({281, 150}); });
    ParRes1 = form::field(par, "ParRes1", 36, 64, 90, QStringLiteral("Resistor value"));
    form::clearButton(par, "BtnClearParRes1", 25, 60);
    ParRes2 = form::field(par, "ParRes2", 36, 124, 90, QStringLiteral("Resistor value"));
    form::clearButton(par, "BtnClearParRes2", 25, 120);
    form::label(par, nullptr, 36, 182, QStringLiteral("Real (or required) resistance:"));
    ParResTotal = form::field(par, "ParResTotal", 36, 200, 110, QStringLiteral("Overall resistance value"));
    form::clearButton(par, "BtnClearParResTotal", 25, 196);
    CalcParRes = form::button(par, "CalcParRes", 160, 198, 65, 25, QStringLiteral("Calculate"));
    ClearParRes = form::button(par, "ClearParRes", 232, 198, 65, 25, QStringLiteral("Clear All"));
    form::instruction(par, "LabelParResInstruction", 16, 236, 285, 18, instructionText);
    form::textBlock(par, "LabelParResExplanation", 16, 258, 285, 110,
                    QStringLiteral("Use this to calculate the effective resistance of resistors connected in "
                                   "parallel, or to calculate what resistor to add in parallel to bring down a high "
                                   "resistor.  Use any units (ohms, K, M etc.), but ensure you use the same units "
                                   "for all values."));

    QGroupBox* ser = form::group(p, "GroupResistorsSeries", 328, 8, 313, 385, QStringLiteral(" Resistors in Series "));
    form::picture(ser, "ImageResistorsSeries", QRect(16, 24, 281, 150), [] { return artwork::resistorsSeries({281, 150}); });
    SerRes1 = form::field(ser, "SerRes1", 36, 100, 90, QStringLiteral("Resistor value"));
    form::clearButton(ser, "BtnClearSerRes1", 25, 96);
    SerRes2 = form::field(ser, "SerRes2", 180, 100, 90, QStringLiteral("Resistor value"));
    form::clearButton(ser, "BtnClearSerRes2", 169, 96);
    form::label(ser, nullptr, 36, 182, QStringLiteral("Real (or required) resistance:"));
    SerResTotal = form::field(ser, "SerResTotal", 36, 200, 110, QStringLiteral("Overall resistance value"));
    form::clearButton(ser, "BtnClearSerResTotal", 25, 196);
    BtnCalculateResSeries =
        form::button(ser, "BtnCalculateResSeries", 160, 198, 65, 25, QStringLiteral("Calculate"));
    BtnClearAllResSeries = form::button(ser, "BtnClearAllResSeries", 232, 198, 65, 25, QStringLiteral("Clear All"));
    form::instruction(ser, "LabelSerResInstruction", 16, 236, 285, 18, instructionText);
    form::textBlock(ser, "LabelSerResExplanation", 16, 258, 285, 110,
                    QStringLiteral("Use this to calculate the effective resistance of resistors connected in "
                                   "series, or to calculate what resistor to add in series to change the overall "
                                   "effective resistence.  Use any units (ohms, K, M etc.), but ensure you use the "
                                   "same units for all values."));

    onClick(CalcParRes, &TFormMainApplication::CalcParResClick);
    onClick(ClearParRes, &TFormMainApplication::ClearParResClick);
    onClick(BtnCalculateResSeries, &TFormMainApplication::BtnCalculateResSeriesClick);
    onClick(BtnClearAllResSeries, &TFormMainApplication::BtnClearAllResSeriesClick);
    onClearClick(p, "BtnClearParRes1", &TFormMainApplication::BtnClearParRes1Click);
    onClearClick(p, "BtnClearParRes2", &TFormMainApplication::BtnClearParRes2Click);
    onClearClick(p, "BtnClearParResTotal", &TFormMainApplication::BtnClearParResTotalClick);
    onClearClick(p, "BtnClearSerRes1", &TFormMainApplication::BtnClearSerRes1Click);
    onClearClick(p, "BtnClearSerRes2", &TFormMainApplication::BtnClearSerRes2Click);
    onClearClick(p, "BtnClearSerResTotal", &TFormMainApplication::BtnClearSerResTotalClick);
}

void TFormMainApplication::CalcParResClick()
{
    solveTwoOfThree(this, {ParRes1, ParRes2, ParResTotal}, QStringLiteral("Resistor"), &series_parallel::solveReciprocal,
                    QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                                   "resistance higher by wiring an additional resistor in parallel."));
}

void TFormMainApplication::ClearParResClick()
{
    ParRes1->setText(QString());
    ParRes2->setText(QString());
    ParResTotal->setText(QString());
}

void TFormMainApplication::BtnCalculateResSeriesClick()
{
    solveTwoOfThree(this, {SerRes1, SerRes2, SerResTotal}, QStringLiteral("Resistor"), &series_parallel::solveSum,
                    QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                                   "resistance lower by wiring an additional resistor in series."));
}

void TFormMainApplication::BtnClearAllResSeriesClick()
{
    SerRes1->setText(QString());
    SerRes2->setText(QString());
    SerResTotal->setText(QString());
}
