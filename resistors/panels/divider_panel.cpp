#include "resistors/panels/divider_panel.h"

#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "resistors/maths/divider.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kSeriesValue = QStringLiteral("Voltage Divider Series");
const QStringList kSeriesNames = {QStringLiteral("E6"), QStringLiteral("E12"), QStringLiteral("E24"),
                                  QStringLiteral("E48"), QStringLiteral("E96")};

QString shortText(double value, e_series::Prefixes prefixes = e_series::Prefixes::Metric)
{
    return QString::fromStdString(e_series::valueText(value, prefixes));
}

} // namespace

VoltageDividerPanel::VoltageDividerPanel(QWidget* parent) : CalculatorPanel("PanelResistorDivider", parent)
{
    buildControls();
    connectControls();
}

void VoltageDividerPanel::buildControls()
{
    QGroupBox* g = form::group(this, "GroupDivider", 8, 8, 633, 232, QStringLiteral(" Voltage Divider "));
    form::instruction(g, "LabelDividerInstruction", 16, 22, 600, 32,
                      QStringLiteral("Input any three of the four values and calculate the fourth. R1 runs "
                                     "from the input to the output, R2 from the output to ground."));
    struct FieldSpec
    {
        const char* name;
        const char* caption;
        const char* hint;
        QLineEdit** member;
    };
    const FieldSpec fields[] = {
        {"DividerVin", "V &in (volts)", "Enter the input voltage here", &m_vin},
        {"DividerR1", "R&1, top (ohms)", "Enter the top resistor here (in ohms)", &m_r1},
        {"DividerR2", "R&2, bottom (ohms)", "Enter the bottom resistor here (in ohms)", &m_r2},
        {"DividerVout", "V &out (volts)", "Enter the output voltage here", &m_vout},
    };
    int x = 28;
    for (const FieldSpec& f : fields) {
        form::label(g, nullptr, x, 62, QString::fromLatin1(f.caption));
        *f.member = form::field(g, f.name, x, 80, 133, QString::fromLatin1(f.hint));
        x += 150;
    }
    m_calculate = form::button(g, "BtnDividerCalculate", 28, 114, 100, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the missing value"));
    m_clear = form::button(g, "BtnDividerClear", 140, 114, 110, 25, QStringLiteral("Clear All Values"),
                           QStringLiteral("Clear all fields"));
    form::textBlock(
        g, "LabelDividerFormula", 328, 114, 290, 30,
        QString::fromUtf8("Vout = Vin \u00d7 R2 / (R1 + R2)\nI = Vin / (R1 + R2),  P = I\u00b2 \u00d7 R"));
    buildResults(g);

    QGroupBox* pair =
        form::group(this, "GroupDividerStandardPair", 8, 248, 633, 112, QStringLiteral(" Standard Pair "));
    form::textBlock(
        pair, "LabelDividerPairInstruction", 16, 22, 600, 32,
        QStringLiteral("The standard R1 and R2 whose output comes closest to Vout, their sum "
                       "between half and twice R1 + R2 (10 k when only the voltages are given)."));
    form::label(pair, nullptr, 28, 64, QStringLiteral("&Series"));
    m_series = form::fixedList(pair, "ComboDividerSeries", 80, 61, 70, kSeriesNames, QStringLiteral("E24"),
                               QStringLiteral("Choose the series of standard values"));
    form::label(pair, nullptr, 28, 88, QStringLiteral("Standard pair:"));
    m_bestPair = form::resultLabel(pair, "DividerBestPair", 130, 88);
}

void VoltageDividerPanel::buildResults(QWidget* group)
{
    const struct
    {
        const char* caption;
        const char* name;
        QLabel** member;
    } lines[] = {{"Current:", "DividerCurrent", &m_current},
                 {"Power in R1:", "DividerPowerR1", &m_powerR1},
                 {"Power in R2:", "DividerPowerR2", &m_powerR2}};
    int y = 152;
    for (const auto& line : lines) {
        form::label(group, nullptr, 28, y, QString::fromLatin1(line.caption));
        *line.member = form::resultLabel(group, line.name, 120, y);
        y += 24;
    }
}

void VoltageDividerPanel::connectControls()
{
    onClick(m_calculate, &VoltageDividerPanel::calculate);
    calculateOnEnter({m_vin, m_r1, m_r2, m_vout}, m_calculate);
    onClick(m_clear, &VoltageDividerPanel::clearAll);
    connect(m_series, &QComboBox::currentIndexChanged, this,
            [this] { guarded([this] { showStandardPairOfOtherSeries(); }); });
    setTabOrder({m_vin, m_r1, m_r2, m_vout, m_calculate, m_clear, m_current, m_powerR1, m_powerR2, m_series,
                 m_bestPair});
}

void VoltageDividerPanel::resetToStartState()
{
    clearAll();
}

void VoltageDividerPanel::clearAll()
{
    for (QLineEdit* field : {m_vin, m_r1, m_r2, m_vout})
        field->clear();
    clearResults();
}

void VoltageDividerPanel::clearResults()
{
    for (QLabel* result : {m_current, m_powerR1, m_powerR2, m_bestPair})
        result->clear();
    m_pairWanted.reset();
}

void VoltageDividerPanel::calculate()
{
    const LenientReadings r = ReadNumericFields(this, {{m_vin, QStringLiteral("Input Voltage")},
                                                       {m_r1, QStringLiteral("R1")},
                                                       {m_r2, QStringLiteral("R2")},
                                                       {m_vout, QStringLiteral("Output Voltage")}});
    if (r.errorSeen)
        return;
    auto given = [&](int i) {
        return r.fields[i].given() ? std::optional<double>(r.fields[i].value) : std::nullopt;
    };
    const divider::Given values{given(0), given(1), given(2), given(3)};
    const bool design = r.givenCount == 2 && values.vin && values.vout;
    if (!design && !HasGivenCount(this, r, 3))
        return;
    switch (divider::check(values)) {
    case divider::Problem::NotPositive:
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("Every value must be greater than zero.\n\nA divider of two resistors "
                                    "works with positive voltages and resistances."));
        return;
    case divider::Problem::OutputNotBelowInput:
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("The output voltage must be below the input voltage.\n\nA divider of "
                                    "two resistors can only divide a voltage down."));
        return;
    case divider::Problem::None:
        break;
    }
    if (design) {
        clearResults();
        showStandardPair(*values.vin, *values.vout, divider::kDesignTotalOhms);
        return;
    }
    const divider::Divider d = divider::solve(values);
    const divider::Load load = divider::load(d);
    if (!values.vin)
        m_vin->setText(FormatResult(d.vin));
    else if (!values.r1)
        m_r1->setText(FormatResult(d.r1));
    else if (!values.r2)
        m_r2->setText(FormatResult(d.r2));
    else
        m_vout->setText(FormatResult(d.vout));
    m_current->setText(FormatResult(load.amps) + QStringLiteral(" A"));
    m_powerR1->setText(FormatResult(load.r1Watts) + QStringLiteral(" W"));
    m_powerR2->setText(FormatResult(load.r2Watts) + QStringLiteral(" W"));
    for (QLabel* result : {m_current, m_powerR1, m_powerR2})
        form::fitToText(result);
    showStandardPair(d.vin, d.vout, d.r1 + d.r2);
}

void VoltageDividerPanel::showStandardPairOfOtherSeries()
{
    if (m_pairWanted)
        showStandardPair(m_pairWanted->vin, m_pairWanted->vout, m_pairWanted->totalOhms);
}

void VoltageDividerPanel::showStandardPair(double vin, double vout, double totalOhms)
{
    m_pairWanted = PairWanted{vin, vout, totalOhms};
    const auto series = e_series::Series(m_series->currentIndex());
    const std::optional<divider::StandardPair> pair = divider::standardPair(series, vin, vout, totalOhms);
    if (!pair)
        m_bestPair->setText(
            QStringLiteral("%1: no pair from 1 ohm to 10 M fits").arg(QLatin1String(e_series::name(series))));
    else
        m_bestPair->setText(numeric::withDecimalSeparator(
            QStringLiteral("%1: R1 %2, R2 %3 give %4 V (%5)")
                .arg(QLatin1String(e_series::name(series)), shortText(pair->r1), shortText(pair->r2),
                     shortText(pair->vout, e_series::Prefixes::None),
                     QString::fromStdString(e_series::deviationText(pair->errorPercent)))));
    form::fitToText(m_bestPair);
}

void VoltageDividerPanel::loadSettings(const settings::Key& key)
{
    loadListChoice(key, kSeriesValue, m_series);
}

bool VoltageDividerPanel::saveSettings(const settings::Key& key)
{
    return saveListChoice(key, kSeriesValue, m_series);
}
