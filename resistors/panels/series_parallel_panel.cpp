#include "resistors/panels/series_parallel_panel.h"

#include "artwork/artwork.h"
#include "maths/series_parallel.h"

#include <QLineEdit>
#include <QPushButton>

ResistorSeriesParallelPanel::ResistorSeriesParallelPanel(QWidget* parent)
    : CalculatorPanel("PanelResistorsSeriesParallel", parent)
{
    buildControls();
    connectControls();
}

void ResistorSeriesParallelPanel::buildControls()
{
    const QString hint = QStringLiteral("Resistor value");
    const QString totalHint = QStringLiteral("Overall resistance value");
    const QString totalCaption = QStringLiteral("Real (or required) resistance:");
    m_parallel = buildTwoOfThreeGroup(
        this, {"GroupResistorsParallel", QStringLiteral(" Resistors in Parallel "), 8,
               "ImageResistorsParallel", &artwork::resistorsParallel, TwoOfThreeGroup::Wiring::Branches,
               "ParRes1", "ParRes2", "ParResTotal", "CalcParRes", "ClearParRes", hint, totalHint,
               totalCaption, QString(), QString(), "LabelParResInstruction", "LabelParResExplanation",
               QStringLiteral(
                   "Use this to calculate the effective resistance of resistors connected in parallel, or to "
                   "calculate what resistor to add in parallel to bring down a high resistor.  Use any units "
                   "(ohms, K, M etc.), but ensure you use the same units for all values.")});
    m_series = buildTwoOfThreeGroup(
        this, {"GroupResistorsSeries", QStringLiteral(" Resistors in Series "), 328, "ImageResistorsSeries",
               &artwork::resistorsSeries, TwoOfThreeGroup::Wiring::InLine, "SerRes1", "SerRes2",
               "SerResTotal", "BtnCalculateResSeries", "BtnClearAllResSeries", hint, totalHint, totalCaption,
               QString(), QString(), "LabelSerResInstruction", "LabelSerResExplanation",
               QStringLiteral(
                   "Use this to calculate the effective resistance of resistors connected in series, or to "
                   "calculate what resistor to add in series to change the overall effective resistence.  "
                   "Use any units (ohms, K, M etc.), but ensure you use the same units for all values.")});
}

void ResistorSeriesParallelPanel::connectControls()
{
    onClick(m_parallel.calculate, &ResistorSeriesParallelPanel::calculateParallel);
    onClick(m_parallel.clearAll, &ResistorSeriesParallelPanel::clearParallel);
    onClick(m_series.calculate, &ResistorSeriesParallelPanel::calculateSeries);
    onClick(m_series.clearAll, &ResistorSeriesParallelPanel::clearSeries);
    for (const TwoOfThreeControls* c : {&m_parallel, &m_series}) {
        calculateOnEnter({c->first, c->second, c->total}, c->calculate);
        for (QLineEdit* f : {c->first, c->second, c->total})
            connectClearButton(("BtnClear" + f->objectName().toLatin1()).constData(), f);
    }
}

void ResistorSeriesParallelPanel::calculateParallel()
{
    solveTwoOfThree(
        this, m_parallel, QStringLiteral("Resistor"), &series_parallel::solveReciprocal,
        QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                       "resistance higher by wiring an additional resistor in parallel."));
}

void ResistorSeriesParallelPanel::clearParallel()
{
    clearTwoOfThree(m_parallel);
}

void ResistorSeriesParallelPanel::calculateSeries()
{
    solveTwoOfThree(
        this, m_series, QStringLiteral("Resistor"), &series_parallel::solveSum,
        QStringLiteral("A negative value is being shown because it is not possible to make the overall "
                       "resistance lower by wiring an additional resistor in series."));
}

void ResistorSeriesParallelPanel::clearSeries()
{
    clearTwoOfThree(m_series);
}
