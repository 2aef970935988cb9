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
    QWidget* p = this;
    QGroupBox* g = form::group(p, "GroupFreqResonance", 8, 8, 633, 241,
                               QStringLiteral(" Resonance (Frequency of a circuit) "));
    form::instruction(
        g, "LabelFreqResonanceInstruction", 16, 24, 600, 16,
        QStringLiteral("Input the two values to calculate the resonance (frequency) of a circuit"));
    form::label(g, nullptr, 28, 54, QStringLiteral("&Inductance (in Henry's)"));
    FreqResonanceInductance =
        form::field(g, "FreqResonanceInductance", 28, 72, 185, QStringLiteral("Inductance value in Henry's"));
    form::clearButton(g, "BtnFreqResonanceInductanceClear", 17, 68);
    form::label(g, nullptr, 248, 54, QStringLiteral("&Capacitance (in Farads)"));
    FreqResonanceCapacitance = form::field(g, "FreqResonanceCapacitance", 248, 72, 185,
                                           QStringLiteral("Capacitance value in Farads"));
    form::clearButton(g, "BtnFreqResonanceCapacitanceClear", 237, 68);
    QPushButton* calculateButton =
        form::button(g, "BtnCalcFreqResonance", 456, 70, 75, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the resonance"));
    QPushButton* clearAllButton =
        form::button(g, "BtnCalcFreqClearAll", 540, 70, 75, 25, QStringLiteral("Clear All"),
                     QStringLiteral("Clear all input fields"));
    QLabel* caption = form::label(g, nullptr, 28, 120, QStringLiteral("Resulting frequency: "));
    // The result follows the caption, so the caption is measured now.
    caption->adjustSize();
    LabelFreqResonanceResult =
        form::resultLabel(g, "LabelFreqResonanceResult", caption->x() + caption->width(), 120);
    LabelFreqResonanceHz = form::label(g, "LabelFreqResonanceHz", caption->x() + caption->width() + 5, 120,
                                       QStringLiteral("Hz (cycles per second)"));
    form::textBlock(
        g, "LabelFreqResonanceExplanation", 28, 160, 580, 40,
        QStringLiteral("If a circuit contains inductance and capacitance, it will resonate at a "
                       "particular frequency.  Use this calculation sheet to work out the resonance "
                       "of a particular circuit."));

    QGroupBox* formulas =
        form::group(p, "GroupResonanceFormulas", 8, 256, 633, 80, QStringLiteral(" Formula used "));
    form::textBlock(
        formulas, "LabelResonanceFormulas", 16, 24, 600, 50,
        QString::fromUtf8(
            "f = 1 / (2\u03c0 \u00d7 \u221a(L \u00d7 C))\nL in henries, C in farads: 1 mH is 0.001, "
            "1 nF is 1e-9."));

    onClick(calculateButton, &ResonancePanel::calculate);
    calculateOnEnter({FreqResonanceInductance, FreqResonanceCapacitance}, calculateButton);
    onClick(clearAllButton, &ResonancePanel::clearAll);
    connectClearButton("BtnFreqResonanceInductanceClear", FreqResonanceInductance);
    connectClearButton("BtnFreqResonanceCapacitanceClear", FreqResonanceCapacitance);
}

CoilFrequencyPanel::CoilFrequencyPanel(QWidget* parent) : CalculatorPanel("PanelFrequencyCoil", parent)
{
    QGroupBox* g =
        form::group(this, "GroupFreqCoil", 8, 8, 633, 385, QStringLiteral(" Frequency of a Coil "));
    form::instruction(g, "LabelFreqCoilInstruction", 16, 24, 600, 16,
                      QStringLiteral("Input the two values to calculate the frequency of a coil"));
    FreqCoilTurns = form::field(g, "FreqCoilTurns", 40, 52, 140, QStringLiteral("Number of turns"));
    form::clearButton(g, "BtnClearFreqCoilTurns", 29, 48);
    form::picture(g, "ImageFreqCoil", QRect(28, 80, 204, 181), &artwork::coilIllustration);
    FreqCoilWidth =
        form::field(g, "FreqCoilWidth", 40, 268, 140, QStringLiteral("Width of the coil (in cm or inches)"));
    form::clearButton(g, "BtnClearFreqCoilWidth", 29, 264);
    RadioFreqCoilCM = form::radio(g, "RadioFreqCoilCM", 196, 262, 130, QStringLiteral("width in &cm"));
    RadioFreqCoilInches =
        form::radio(g, "RadioFreqCoilInches", 196, 282, 130, QStringLiteral("width in &inches"));
    RadioFreqCoilCM->setChecked(true);
    QPushButton* calculateButton =
        form::button(g, "BtnFreqCoilCalc", 40, 316, 75, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the frequency of the coil"));
    QPushButton* clearAllButton =
        form::button(g, "BtnFreqCoilClearAll", 124, 316, 75, 25, QStringLiteral("Clear All"),
                     QStringLiteral("Clear all the input fields"));
    form::label(g, nullptr, 300, 120, QStringLiteral("Resulting frequency of the coil is: "));
    LabelFreqCoilResult = form::resultLabel(g, "LabelFreqCoilResult", 300, 140);
    LabelFreqCoilKHz = form::label(g, "LabelFreqCoilKHz", 305, 140, QStringLiteral("KHz"));

    onClick(calculateButton, &CoilFrequencyPanel::calculate);
    calculateOnEnter({FreqCoilTurns, FreqCoilWidth}, calculateButton);
    onClick(clearAllButton, &CoilFrequencyPanel::clearAll);
    connectClearButton("BtnClearFreqCoilTurns", FreqCoilTurns);
    connectClearButton("BtnClearFreqCoilWidth", FreqCoilWidth);
}

void ResonancePanel::calculate()
{
    const auto l = ReadStrictNumericField(this, FreqResonanceInductance, QStringLiteral("Inductance"));
    if (!l)
        return;
    const auto c = ReadStrictNumericField(this, FreqResonanceCapacitance, QStringLiteral("Capacitance"));
    if (!c)
        return;
    LabelFreqResonanceResult->setText(FormatResult(resonance::resonantFrequency(*l, *c)));
    PlaceUnitLabel(LabelFreqResonanceResult, LabelFreqResonanceHz);
}

void ResonancePanel::clearAll()
{
    FreqResonanceInductance->setText(QString());
    FreqResonanceCapacitance->setText(QString());
    LabelFreqResonanceResult->setText(QString());
}

void CoilFrequencyPanel::calculate()
{
    const auto turns = ReadStrictNumericField(this, FreqCoilTurns, QStringLiteral("Turns"));
    if (!turns)
        return;
    const auto width = ReadStrictNumericField(this, FreqCoilWidth, QStringLiteral("Width"));
    if (!width)
        return;
    const auto unit =
        RadioFreqCoilCM->isChecked() ? resonance::WidthUnit::Centimetres : resonance::WidthUnit::Inches;
    LabelFreqCoilResult->setText(FormatResult(resonance::coilFrequency(*turns, *width, unit)));
    PlaceUnitLabel(LabelFreqCoilResult, LabelFreqCoilKHz);
}

void CoilFrequencyPanel::clearAll()
{
    FreqCoilTurns->setText(QString());
    FreqCoilWidth->setText(QString());
    LabelFreqCoilResult->setText(QString());
}
