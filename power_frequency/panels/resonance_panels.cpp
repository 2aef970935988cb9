#include "power_frequency/panels/resonance_panels.h"

#include "artwork/artwork.h"
#include "power_frequency/maths/resonance.h"
#include "ui/form_builder.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

ResonancePanel::ResonancePanel(QWidget* parent) : CalculatorPanel("PanelFrequencyResonance", parent)
{
    buildControls();
    connectControls();
}

void ResonancePanel::buildControls()
{
    QGroupBox* g = form::group(this, "GroupFreqResonance", 8, 8, 633, 241,
                               QStringLiteral(" Resonance (Frequency of a circuit) "));
    form::instruction(
        g, "LabelFreqResonanceInstruction", 16, 24, 600, 16,
        QStringLiteral("Input the two values to calculate the resonance (frequency) of a circuit"));
    form::label(g, nullptr, 28, 54, QStringLiteral("&Inductance (in Henry's)"));
    m_inductance =
        form::field(g, "FreqResonanceInductance", 28, 72, 185, QStringLiteral("Inductance value in Henry's"));
    form::clearButton(g, "BtnFreqResonanceInductanceClear", 17, 68);
    form::label(g, nullptr, 248, 54, QStringLiteral("&Capacitance (in Farads)"));
    m_capacitance = form::field(g, "FreqResonanceCapacitance", 248, 72, 185,
                                QStringLiteral("Capacitance value in Farads"));
    form::clearButton(g, "BtnFreqResonanceCapacitanceClear", 237, 68);
    m_calculate = form::button(g, "BtnCalcFreqResonance", 456, 70, 75, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the resonance"));
    m_clearAll = form::button(g, "BtnCalcFreqClearAll", 540, 70, 75, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all input fields"));
    QLabel* caption = form::label(g, nullptr, 28, 120, QStringLiteral("Resulting frequency: "));
    // The result follows the caption, so the caption is measured now.
    caption->adjustSize();
    m_result = form::resultLabel(g, "LabelFreqResonanceResult", caption->x() + caption->width(), 120);
    m_unit = form::label(g, "LabelFreqResonanceHz", caption->x() + caption->width() + 5, 120,
                         QStringLiteral("Hz (cycles per second)"));
    form::textBlock(
        g, "LabelFreqResonanceExplanation", 28, 160, 580, 40,
        QStringLiteral("If a circuit contains inductance and capacitance, it will resonate at a "
                       "particular frequency.  Use this calculation sheet to work out the resonance "
                       "of a particular circuit."));

    QGroupBox* formulas =
        form::group(this, "GroupResonanceFormulas", 8, 256, 633, 80, QStringLiteral(" Formula used "));
    form::textBlock(
        formulas, "LabelResonanceFormulas", 16, 24, 600, 50,
        QString::fromUtf8(
            "f = 1 / (2\u03c0 \u00d7 \u221a(L \u00d7 C))\nL in henries, C in farads: 1 mH is 0.001, "
            "1 nF is 1e-9."));
}

void ResonancePanel::connectControls()
{
    onClick(m_calculate, &ResonancePanel::calculate);
    calculateOnEnter({m_inductance, m_capacitance}, m_calculate);
    onClick(m_clearAll, &ResonancePanel::clearAll);
    connectClearButton("BtnFreqResonanceInductanceClear", m_inductance);
    connectClearButton("BtnFreqResonanceCapacitanceClear", m_capacitance);
}

void ResonancePanel::calculate()
{
    CalculateFromTwoFields(this, {m_inductance, QStringLiteral("Inductance")},
                           {m_capacitance, QStringLiteral("Capacitance")}, &resonance::resonantFrequency,
                           m_result, m_unit);
}

void ResonancePanel::clearAll()
{
    m_inductance->setText(QString());
    m_capacitance->setText(QString());
    m_result->setText(QString());
}

CoilFrequencyPanel::CoilFrequencyPanel(QWidget* parent) : CalculatorPanel("PanelFrequencyCoil", parent)
{
    buildControls();
    connectControls();
}

void CoilFrequencyPanel::buildControls()
{
    QGroupBox* g =
        form::group(this, "GroupFreqCoil", 8, 8, 633, 385, QStringLiteral(" Frequency of a Coil "));
    form::instruction(g, "LabelFreqCoilInstruction", 16, 24, 600, 16,
                      QStringLiteral("Input the two values to calculate the frequency of a coil"));
    m_turns = form::field(g, "FreqCoilTurns", 40, 52, 140, QStringLiteral("Number of turns"));
    form::clearButton(g, "BtnClearFreqCoilTurns", 29, 48);
    form::picture(g, "ImageFreqCoil", QRect(28, 80, 204, 181), &artwork::coilIllustration);
    m_width =
        form::field(g, "FreqCoilWidth", 40, 268, 140, QStringLiteral("Width of the coil (in cm or inches)"));
    form::clearButton(g, "BtnClearFreqCoilWidth", 29, 264);
    m_widthInCentimetres = form::radio(g, "RadioFreqCoilCM", 196, 262, 130, QStringLiteral("width in &cm"));
    m_widthInInches =
        form::radio(g, "RadioFreqCoilInches", 196, 282, 130, QStringLiteral("width in &inches"));
    m_widthInCentimetres->setChecked(true);
    m_calculate = form::button(g, "BtnFreqCoilCalc", 40, 316, 75, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the frequency of the coil"));
    m_clearAll = form::button(g, "BtnFreqCoilClearAll", 124, 316, 75, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all the input fields"));
    form::label(g, nullptr, 300, 120, QStringLiteral("Resulting frequency of the coil is: "));
    m_result = form::resultLabel(g, "LabelFreqCoilResult", 300, 140);
    m_unit = form::label(g, "LabelFreqCoilKHz", 305, 140, QStringLiteral("KHz"));
}

void CoilFrequencyPanel::connectControls()
{
    onClick(m_calculate, &CoilFrequencyPanel::calculate);
    calculateOnEnter({m_turns, m_width}, m_calculate);
    onClick(m_clearAll, &CoilFrequencyPanel::clearAll);
    connectClearButton("BtnClearFreqCoilTurns", m_turns);
    connectClearButton("BtnClearFreqCoilWidth", m_width);
}

void CoilFrequencyPanel::calculate()
{
    const auto frequency = [this](double turns, double width) {
        const auto unit = m_widthInCentimetres->isChecked() ? resonance::WidthUnit::Centimetres
                                                            : resonance::WidthUnit::Inches;
        return resonance::coilFrequency(turns, width, unit);
    };
    CalculateFromTwoFields(this, {m_turns, QStringLiteral("Turns")}, {m_width, QStringLiteral("Width")},
                           frequency, m_result, m_unit);
}

void CoilFrequencyPanel::clearAll()
{
    m_turns->setText(QString());
    m_width->setText(QString());
    m_result->setText(QString());
}
