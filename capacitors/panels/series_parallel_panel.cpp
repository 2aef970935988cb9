#include "capacitors/panels/series_parallel_panel.h"

#include "artwork/artwork.h"
#include "maths/series_parallel.h"

#include <QLineEdit>
#include <QPushButton>

CapacitorSeriesParallelPanel::CapacitorSeriesParallelPanel(QWidget* parent)
    : CalculatorPanel("PanelCapacitorsSeriesParallel", parent)
{
    buildControls();
    connectControls();
}

void CapacitorSeriesParallelPanel::buildControls()
{
    const QString hint = QStringLiteral("Capacitor value");
    const QString totalHint = QStringLiteral("Effective capacitance value");
    const QString totalCaption = QStringLiteral("Real (or required) capacitance:");
    const QString calculateHint = QStringLiteral("Calculate the remaining value");
    const QString clearHint = QStringLiteral("Clear all fields");
    m_series = buildTwoOfThreeGroup(
        this, {"GroupCapacitorsSeries", QStringLiteral(" Capacitors in Series "), 8, "ImageCapacitorsSeries",
               &artwork::capacitorsSeries, TwoOfThreeGroup::Wiring::InLine, "SerCap1", "SerCap2",
               "SerCapTotal", "CalcSerCap", "ClearSerCap", hint, totalHint, totalCaption, calculateHint,
               clearHint, "LabelSerCapInstruction", "LabelSerCapExplanation",
               QStringLiteral(
                   "Use this to calculate the effective capacitance of capacitors connected in series, or to "
                   "calculate what capacitor to add in series to bring down a high capacitor.  Use any units "
                   "(pF, nF, uF etc.), but ensure you use the same units for all values.")});
    m_parallel = buildTwoOfThreeGroup(
        this, {"GroupCapacitorsParallel", QStringLiteral(" Capacitors in Parallel "), 328,
               "ImageCapacitorsParallel", &artwork::capacitorsParallel, TwoOfThreeGroup::Wiring::Branches,
               "ParCap1", "ParCap2", "ParCapTotal", "BtnCalcParCap", "BtnClearParCapAll", hint, totalHint,
               totalCaption, calculateHint, clearHint, "LabelParCapInstruction", "LabelParCapExplanation",
               QStringLiteral(
                   "Use this to calculate the effective capacitance of capacitors connected in parallel, or "
                   "to calculate what capacitor to add in parallel to change the overall capacitance.  Use "
                   "any units (pF, nF, uF etc.), but ensure you use the same units for all values.")});
}

void CapacitorSeriesParallelPanel::connectControls()
{
    onClick(m_series.calculate, &CapacitorSeriesParallelPanel::calculateSeries);
    onClick(m_series.clearAll, &CapacitorSeriesParallelPanel::clearSeries);
    onClick(m_parallel.calculate, &CapacitorSeriesParallelPanel::calculateParallel);
    onClick(m_parallel.clearAll, &CapacitorSeriesParallelPanel::clearParallel);
    for (const TwoOfThreeControls* c : {&m_series, &m_parallel}) {
        calculateOnEnter({c->first, c->second, c->total}, c->calculate);
        for (QLineEdit* f : {c->first, c->second, c->total})
            connectClearButton(("BtnClear" + f->objectName().toLatin1()).constData(), f);
    }
}

void CapacitorSeriesParallelPanel::calculateSeries()
{
    solveTwoOfThree(
        this, m_series, QStringLiteral("Capacitor"), &series_parallel::solveReciprocal,
        QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                       "capacitance higher by wiring an additional capacitor in series."));
}

void CapacitorSeriesParallelPanel::clearSeries()
{
    clearTwoOfThree(m_series);
}

void CapacitorSeriesParallelPanel::calculateParallel()
{
    solveTwoOfThree(
        this, m_parallel, QStringLiteral("Capacitor"), &series_parallel::solveSum,
        QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                       "capacitance lower by wiring an additional capacitor in parallel."));
}

void CapacitorSeriesParallelPanel::clearParallel()
{
    clearTwoOfThree(m_parallel);
}
