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
    QWidget* p = this;

    QGroupBox* ind =
        form::group(p, "GroupReactanceInductive", 8, 8, 313, 241, QStringLiteral(" Inductive Reactance "));
    QGroupBox* cap = form::group(p, "GroupReactanceCapacitive", 328, 8, 313, 241,
                                 QStringLiteral(" Capacitive Reactance "));
    form::instruction(ind, "LabelReactanceIndInstruction", 16, 24, 285, 30,
                      QStringLiteral("Input the two values to calculate the inductive reactance"));
    form::instruction(cap, "LabelReactanceCapInstruction", 16, 24, 285, 30,
                      QStringLiteral("Input the two values to calculate the capacitive reactance"));

    ReactanceInductFreq = form::field(ind, "ReactanceInductFreq", 28, 64, 120, QStringLiteral("Frequency"));
    form::clearButton(ind, "BtnClearReactanceInductFreq", 17, 60);
    form::label(ind, nullptr, 156, 67, QStringLiteral("&Frequency (in Hz )"));
    ReactanceInductInductance =
        form::field(ind, "ReactanceInductInductance", 28, 96, 120, QStringLiteral("Inductance"));
    form::clearButton(ind, "BtnClearReactanceInductInductance", 17, 92);
    form::label(ind, nullptr, 156, 99, QStringLiteral("&Inductance (in Henry's)"));

    ReactanceCapFreq = form::field(cap, "ReactanceCapFreq", 28, 64, 120, QStringLiteral("Frequency"));
    form::clearButton(cap, "BtnClearReactanceCapFreq", 17, 60);
    form::label(cap, nullptr, 156, 67, QStringLiteral("F&requency (in Hz )"));
    ReactanceCapCapacitance =
        form::field(cap, "ReactanceCapCapacitance", 28, 96, 120, QStringLiteral("Capacitance in Farads"));
    form::clearButton(cap, "BtnClearReactanceCapCapacitance", 17, 92);
    form::label(cap, nullptr, 156, 99, QStringLiteral("&Capacitance (in Farads)"));

    QPushButton* BtnReactanceIndCalc =
        form::button(ind, "BtnReactanceIndCalc", 28, 136, 75, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the inductive reactance"));
    QPushButton* BtnReactanceIndClearAll =
        form::button(ind, "BtnReactanceIndClearAll", 112, 136, 75, 25, QStringLiteral("Clear All"),
                     QStringLiteral("Clear all the input fields"));
    QPushButton* BtnReactanceCapCalc =
        form::button(cap, "BtnReactanceCapCalc", 28, 136, 75, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the capacitive reactance"));
    QPushButton* BtnReactanceCapClearAll =
        form::button(cap, "BtnReactanceCapClearAll", 112, 136, 75, 25, QStringLiteral("Clear All"),
                     QStringLiteral("Clear all the input fields"));

    form::label(ind, nullptr, 28, 180, QStringLiteral("Resulting inductive reactance:"));
    LabelReactanceIndRes = form::resultLabel(ind, "LabelReactanceIndRes", 28, 200);
    LabelReactanceIndOhms = form::label(ind, "LabelReactanceIndOhms", 33, 200, QStringLiteral("ohms"));
    form::label(cap, nullptr, 28, 180, QStringLiteral("Resulting capacitive reactance:"));
    LabelReactanceCapRes = form::resultLabel(cap, "LabelReactanceCapRes", 28, 200);
    LabelReactanceCapOhms = form::label(cap, "LabelReactanceCapOhms", 33, 200, QStringLiteral("ohms"));

    QGroupBox* formulas =
        form::group(p, "GroupReactanceFormulas", 8, 256, 633, 80, QStringLiteral(" Formulas used "));
    form::textBlock(
        formulas, "LabelReactanceFormulas", 16, 24, 600, 50,
        QString::fromUtf8(
            "Inductive  XL = 2\u03c0 \u00d7 f \u00d7 L          Capacitive  XC = 1 / (2\u03c0 \u00d7 f "
            "\u00d7 C)\nf in hertz, L in henries, C in farads: 100 nF is 0.0000001 or 1e-7."));

    onClick(BtnReactanceIndCalc, &ReactancePanel::calculateInductive);
    onClick(BtnReactanceIndClearAll, &ReactancePanel::clearInductive);
    onClick(BtnReactanceCapCalc, &ReactancePanel::calculateCapacitive);
    calculateOnEnter({ReactanceInductFreq, ReactanceInductInductance}, BtnReactanceIndCalc);
    calculateOnEnter({ReactanceCapFreq, ReactanceCapCapacitance}, BtnReactanceCapCalc);
    onClick(BtnReactanceCapClearAll, &ReactancePanel::clearCapacitive);
    connectClearButton("BtnClearReactanceInductFreq", ReactanceInductFreq);
    connectClearButton("BtnClearReactanceInductInductance", ReactanceInductInductance);
    connectClearButton("BtnClearReactanceCapFreq", ReactanceCapFreq);
    connectClearButton("BtnClearReactanceCapCapacitance", ReactanceCapCapacitance);
    // Tab finishes the inductive calculator, result included, before the
    // capacitive one.
    setTabOrder({ReactanceInductFreq, ReactanceInductInductance, BtnReactanceIndCalc, BtnReactanceIndClearAll,
                 LabelReactanceIndRes, ReactanceCapFreq, ReactanceCapCapacitance, BtnReactanceCapCalc,
                 BtnReactanceCapClearAll, LabelReactanceCapRes});
}

void ReactancePanel::calculateInductive()
{
    const auto f = ReadStrictNumericField(this, ReactanceInductFreq, QStringLiteral("Frequency"));
    if (!f)
        return;
    const auto l = ReadStrictNumericField(this, ReactanceInductInductance, QStringLiteral("Inductance"));
    if (!l)
        return;
    LabelReactanceIndRes->setText(FormatResult(reactance::inductive(*f, *l)));
    PlaceUnitLabel(LabelReactanceIndRes, LabelReactanceIndOhms);
}

void ReactancePanel::clearInductive()
{
    ReactanceInductFreq->setText(QString());
    ReactanceInductInductance->setText(QString());
    LabelReactanceIndRes->setText(QString());
}

void ReactancePanel::calculateCapacitive()
{
    const auto f = ReadStrictNumericField(this, ReactanceCapFreq, QStringLiteral("Frequency"));
    if (!f)
        return;
    const auto c = ReadStrictNumericField(this, ReactanceCapCapacitance, QStringLiteral("Capacitive"));
    if (!c)
        return;
    LabelReactanceCapRes->setText(FormatResult(reactance::capacitive(*f, *c)));
    PlaceUnitLabel(LabelReactanceCapRes, LabelReactanceCapOhms);
}

void ReactancePanel::clearCapacitive()
{
    ReactanceCapFreq->setText(QString());
    ReactanceCapCapacitance->setText(QString());
    LabelReactanceCapRes->setText(QString());
}
