#include "power_frequency/panels/reactance_panel.h"

#include "power_frequency/maths/reactance.h"
#include "ui/form_builder.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ReactancePanel::ReactancePanel(QWidget* parent) : CalculatorPanel("PanelGeneralReactance", parent)
{
    buildControls();
    connectControls();
}

void ReactancePanel::buildControls()
{
    QGroupBox* ind =
        form::group(this, "GroupReactanceInductive", 8, 8, 313, 241, QStringLiteral(" Inductive Reactance "));
    QGroupBox* cap = form::group(this, "GroupReactanceCapacitive", 328, 8, 313, 241,
                                 QStringLiteral(" Capacitive Reactance "));
    form::instruction(ind, "LabelReactanceIndInstruction", 16, 24, 285, 30,
                      QStringLiteral("Input the two values to calculate the inductive reactance"));
    form::instruction(cap, "LabelReactanceCapInstruction", 16, 24, 285, 30,
                      QStringLiteral("Input the two values to calculate the capacitive reactance"));

    m_inductiveFrequency = form::field(ind, "ReactanceInductFreq", 28, 64, 120, QStringLiteral("Frequency"));
    form::clearButton(ind, "BtnClearReactanceInductFreq", 17, 60);
    form::label(ind, nullptr, 156, 67, QStringLiteral("&Frequency (in Hz )"));
    m_inductance = form::field(ind, "ReactanceInductInductance", 28, 96, 120, QStringLiteral("Inductance"));
    form::clearButton(ind, "BtnClearReactanceInductInductance", 17, 92);
    form::label(ind, nullptr, 156, 99, QStringLiteral("&Inductance (in Henry's)"));

    m_capacitiveFrequency = form::field(cap, "ReactanceCapFreq", 28, 64, 120, QStringLiteral("Frequency"));
    form::clearButton(cap, "BtnClearReactanceCapFreq", 17, 60);
    form::label(cap, nullptr, 156, 67, QStringLiteral("F&requency (in Hz )"));
    m_capacitance =
        form::field(cap, "ReactanceCapCapacitance", 28, 96, 120, QStringLiteral("Capacitance in Farads"));
    form::clearButton(cap, "BtnClearReactanceCapCapacitance", 17, 92);
    form::label(cap, nullptr, 156, 99, QStringLiteral("&Capacitance (in Farads)"));

    m_calculateInductive =
        form::button(ind, "BtnReactanceIndCalc", 28, 136, 75, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the inductive reactance"));
    m_clearInductive =
        form::button(ind, "BtnReactanceIndClearAll", 112, 136, 75, 25, QStringLiteral("Clear All"),
                     QStringLiteral("Clear all the input fields"));
    m_calculateCapacitive =
        form::button(cap, "BtnReactanceCapCalc", 28, 136, 75, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the capacitive reactance"));
    m_clearCapacitive =
        form::button(cap, "BtnReactanceCapClearAll", 112, 136, 75, 25, QStringLiteral("Clear All"),
                     QStringLiteral("Clear all the input fields"));

    form::label(ind, nullptr, 28, 180, QStringLiteral("Resulting inductive reactance:"));
    m_inductiveResult = form::resultLabel(ind, "LabelReactanceIndRes", 28, 200);
    m_inductiveUnit = form::label(ind, "LabelReactanceIndOhms", 33, 200, QStringLiteral("ohms"));
    form::label(cap, nullptr, 28, 180, QStringLiteral("Resulting capacitive reactance:"));
    m_capacitiveResult = form::resultLabel(cap, "LabelReactanceCapRes", 28, 200);
    m_capacitiveUnit = form::label(cap, "LabelReactanceCapOhms", 33, 200, QStringLiteral("ohms"));

    QGroupBox* formulas =
        form::group(this, "GroupReactanceFormulas", 8, 256, 633, 80, QStringLiteral(" Formulas used "));
    form::textBlock(
        formulas, "LabelReactanceFormulas", 16, 24, 600, 50,
        QString::fromUtf8(
            "Inductive  XL = 2\u03c0 \u00d7 f \u00d7 L          Capacitive  XC = 1 / (2\u03c0 \u00d7 f "
            "\u00d7 C)\nf in hertz, L in henries, C in farads: 100 nF is 0.0000001 or 1e-7."));
}

void ReactancePanel::connectControls()
{
    onClick(m_calculateInductive, &ReactancePanel::calculateInductive);
    onClick(m_clearInductive, &ReactancePanel::clearInductive);
    onClick(m_calculateCapacitive, &ReactancePanel::calculateCapacitive);
    calculateOnEnter({m_inductiveFrequency, m_inductance}, m_calculateInductive);
    calculateOnEnter({m_capacitiveFrequency, m_capacitance}, m_calculateCapacitive);
    onClick(m_clearCapacitive, &ReactancePanel::clearCapacitive);
    connectClearButton("BtnClearReactanceInductFreq", m_inductiveFrequency);
    connectClearButton("BtnClearReactanceInductInductance", m_inductance);
    connectClearButton("BtnClearReactanceCapFreq", m_capacitiveFrequency);
    connectClearButton("BtnClearReactanceCapCapacitance", m_capacitance);
    // Tab finishes the inductive calculator, result included, before the
    // capacitive one.
    setTabOrder({m_inductiveFrequency, m_inductance, m_calculateInductive, m_clearInductive,
                 m_inductiveResult, m_capacitiveFrequency, m_capacitance, m_calculateCapacitive,
                 m_clearCapacitive, m_capacitiveResult});
}

void ReactancePanel::calculateInductive()
{
    CalculateFromTwoFields(this, {m_inductiveFrequency, QStringLiteral("Frequency")},
                           {m_inductance, QStringLiteral("Inductance")}, &reactance::inductive,
                           m_inductiveResult, m_inductiveUnit);
}

void ReactancePanel::clearInductive()
{
    m_inductiveFrequency->setText(QString());
    m_inductance->setText(QString());
    m_inductiveResult->setText(QString());
}

void ReactancePanel::calculateCapacitive()
{
    CalculateFromTwoFields(this, {m_capacitiveFrequency, QStringLiteral("Frequency")},
                           {m_capacitance, QStringLiteral("Capacitive")}, &reactance::capacitive,
                           m_capacitiveResult, m_capacitiveUnit);
}

void ReactancePanel::clearCapacitive()
{
    m_capacitiveFrequency->setText(QString());
    m_capacitance->setText(QString());
    m_capacitiveResult->setText(QString());
}
