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
    const QString hint = QStringLiteral("Resistor value");
    const QString totalHint = QStringLiteral("Overall resistance value");
    const QString totalCaption = QStringLiteral("Real (or required) resistance:");
    const TwoOfThreeControls par = buildTwoOfThreeGroup(
        p, {"GroupResistorsParallel", QStringLiteral(" Resistors in Parallel "), 8, "ImageResistorsParallel",
            &artwork::resistorsParallel, TwoOfThreeGroup::Wiring::Branches, "ParRes1", "ParRes2",
            "ParResTotal", "CalcParRes", "ClearParRes", hint, totalHint, totalCaption, QString(), QString(),
            "LabelParResInstruction", "LabelParResExplanation",
            QStringLiteral(
                "Use this to calculate the effective resistance of resistors connected in parallel, or to "
                "calculate what resistor to add in parallel to bring down a high resistor.  Use any units "
                "(ohms, K, M etc.), but ensure you use the same units for all values.")});
    ParRes1 = par.first;
    ParRes2 = par.second;
    ParResTotal = par.total;
    CalcParRes = par.calculate;
    ClearParRes = par.clearAll;

    const TwoOfThreeControls ser = buildTwoOfThreeGroup(
        p, {"GroupResistorsSeries", QStringLiteral(" Resistors in Series "), 328, "ImageResistorsSeries",
            &artwork::resistorsSeries, TwoOfThreeGroup::Wiring::InLine, "SerRes1", "SerRes2", "SerResTotal",
            "BtnCalculateResSeries", "BtnClearAllResSeries", hint, totalHint, totalCaption, QString(),
            QString(), "LabelSerResInstruction", "LabelSerResExplanation",
            QStringLiteral(
                "Use this to calculate the effective resistance of resistors connected in series, or to "
                "calculate what resistor to add in series to change the overall effective resistence.  "
                "Use any units (ohms, K, M etc.), but ensure you use the same units for all values.")});
    SerRes1 = ser.first;
    SerRes2 = ser.second;
    SerResTotal = ser.total;
    BtnCalculateResSeries = ser.calculate;
    BtnClearAllResSeries = ser.clearAll;

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
    solveTwoOfThree(
        this, {ParRes1, ParRes2, ParResTotal}, QStringLiteral("Resistor"), &series_parallel::solveReciprocal,
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
    solveTwoOfThree(
        this, {SerRes1, SerRes2, SerResTotal}, QStringLiteral("Resistor"), &series_parallel::solveSum,
        QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                       "resistance lower by wiring an additional resistor in series."));
}

void TFormMainApplication::BtnClearAllResSeriesClick()
{
    SerRes1->setText(QString());
    SerRes2->setText(QString());
    SerResTotal->setText(QString());
}
