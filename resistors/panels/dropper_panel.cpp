#include "resistors/panels/dropper_panel.h"

#include "artwork/artwork.h"
#include "core/checked_math.h"
#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "resistors/maths/dropper.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <cmath>

ResistorDropperPanel::ResistorDropperPanel(QWidget* parent)
    : CalculatorPanel("PanelResistorInLineDropper", parent)
{
    buildControls();
    buildKeyGroup();
    buildHeatGroup();
    connectControls();
}

void ResistorDropperPanel::buildControls()
{
    QGroupBox* g = form::group(this, "GroupInLineDropper", 8, 8, 633, 250,
                               QStringLiteral(" In-Line Resistor Dropper Calculations "));
    form::instruction(
        g, "LabelInLineDropperInstruction", 16, 20, 600, 16,
        QStringLiteral("Use this to calculate the resistor required to be placed in line with a device "
                       "or set of devices to drop the voltage."));
    form::picture(g, "ImageInLineDropperCircuit", QRect(90, 40, 392, 179), &artwork::dropperCircuit);

    form::label(g, nullptr, 22, 104, QStringLiteral("V source"));
    m_dropperInLineVSource =
        form::field(g, "DropperInLineVSource", 22, 120, 64, QStringLiteral("Input the source voltage"));
    form::clearButton(g, "BtnClearLEDVSource", 11, 116);
    form::label(g, nullptr, 500, 96, QStringLiteral("V forward"));
    m_dropperInLineVForward = form::field(g, "DropperInLineVForward", 500, 112, 90,
                                          QStringLiteral("Input the forward voltage of the load"));
    form::clearButton(g, "BtnClearLEDVForward", 489, 108);
    form::label(g, nullptr, 500, 144, QStringLiteral("I forward (mA)"));
    m_dropperInLineIForward = form::field(g, "DropperInLineIForward", 500, 160, 90,
                                          QStringLiteral("Input the forward current of the load (in mA)"));
    form::clearButton(g, "BtnClearLEDIForward", 489, 156);

    m_dropperInLineResistor = form::resultLabel(g, "DropperInLineResistor", 226, 100);
    m_dropperInLineResistor->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_dropperInLineResistor->setGeometry(206, 100, 160, 16);
    m_dropperInLineResistor->setAccessibleDescription(QStringLiteral("Required dropper resistor"));
    m_labelOhms = form::resultLabel(g, "LabelOhms", 226, 118);
    m_labelOhms->setAccessibleDescription(QStringLiteral("Unit of the required dropper resistor"));
    m_labelOhms->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_labelOhms->setGeometry(206, 118, 160, 16);
    // Inside the circuit, under the result: the standard values to buy.
    m_e12Up = form::resultLabel(g, "LabelDropperE12Up", 136, 140);
    m_e12Up->setAccessibleDescription(QStringLiteral("Next E12 value up and the current it gives"));
    m_e24Up = form::resultLabel(g, "LabelDropperE24Up", 136, 157);
    m_e24Up->setAccessibleDescription(QStringLiteral("Next E24 value up and the current it gives"));
    for (QLabel* line : {m_e12Up, m_e24Up}) {
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setGeometry(136, line->y(), 300, 16);
    }

    m_calculate = form::button(g, "DropperInLineCalculate", 22, 216, 75, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the required resistor"));
    m_clearAll = form::button(g, "DropperInLineClear", 104, 216, 75, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all of the fields"));
    m_getColourBands = form::button(
        g, "DropperInLineGetColourBands", 500, 216, 120, 25, QStringLiteral("Get Colour Bands"),
        QStringLiteral("Click here to get the nearest colour bands for a resistor of this value"));
}

void ResistorDropperPanel::buildKeyGroup()
{
    QGroupBox* key = form::group(this, "GroupInLineDropperKey", 8, 264, 313, 129, QStringLiteral(" Key "));
    const struct
    {
        const char* term;
        const char* meaning;
    } keys[] = {{"V source", "is the voltage of the source (AC or DC)"},
                {"V forward", "is the forward (required) voltage of the load"},
                {"I forward", "is the forward current rating of the load (in mA)"}};
    int y = 24;
    for (const auto& k : keys) {
        QLabel* term = form::label(key, nullptr, 12, y, QString::fromLatin1(k.term));
        QFont bold = term->font();
        bold.setBold(true);
        term->setFont(bold);
        form::fitToText(term);
        form::textBlock(key, nullptr, 80, y, 225, 30, QString::fromLatin1(k.meaning));
        y += 32;
    }
}

void ResistorDropperPanel::buildHeatGroup()
{
    QGroupBox* heat =
        form::group(this, "GroupHeatDissipation", 328, 264, 313, 129, QStringLiteral(" Heat Dissipation "));
    // The group's caption is red; its contents keep the normal text colour.
    QPalette red = heat->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    heat->setPalette(red);
    QLabel* heatText = form::textBlock(
        heat, "LabelHeatDissipation", 12, 22, 290, 60,
        QStringLiteral("We can use Ohms law to calculate the heat dissipated throught this dropper "
                       "resistor.  Use this button to put the figures into the Ohms Law sheet to see the "
                       "wattage required for the resistor."));
    QPalette black = heatText->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    heatText->setPalette(black);
    m_calculateHeat = form::button(heat, "BtnCalcHeatDissipation", 12, 92, 180, 25,
                                   QStringLiteral("Calculate Heat Dissipation"),
                                   QStringLiteral("Calculate the heat dissipation of the required resistor"));
    m_heatWatts = form::resultLabel(heat, "LabelHeatWatts", 202, 88);
    m_heatWatts->setAccessibleDescription(QStringLiteral("Heat dissipated in the dropper resistor"));
    m_heatRating = form::resultLabel(heat, "LabelHeatRating", 202, 104);
    m_heatRating->setAccessibleDescription(QStringLiteral("Power rating the dropper resistor needs"));
}

void ResistorDropperPanel::connectControls()
{
    onClick(m_calculate, &ResistorDropperPanel::calculate);
    calculateOnEnter({m_dropperInLineVSource, m_dropperInLineVForward, m_dropperInLineIForward}, m_calculate);
    onClick(m_clearAll, &ResistorDropperPanel::clearAll);
    onClick(m_getColourBands, &ResistorDropperPanel::requestColourBands);
    onClick(m_calculateHeat, &ResistorDropperPanel::requestHeatDissipation);
    connectClearButton("BtnClearLEDVSource", m_dropperInLineVSource);
    connectClearButton("BtnClearLEDVForward", m_dropperInLineVForward);
    connectClearButton("BtnClearLEDIForward", m_dropperInLineIForward);
}

void ResistorDropperPanel::calculate()
{
    const LenientReadings r =
        ReadNumericFields(this, {{m_dropperInLineVSource, QStringLiteral("Source Voltage")},
                                 {m_dropperInLineVForward, QStringLiteral("Forward Voltage")},
                                 {m_dropperInLineIForward, QStringLiteral("Forward Current")}});
    if (r.errorSeen)
        return;
    if (r.givenCount < 3) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Not enough values have been provided.\n\nEnsure that the source voltage, "
                           "forward voltage and forward current values are given."));
        return;
    }
    const double ohms = dropper::resistorOhms(r.fields[0].value, r.fields[1].value, r.fields[2].value);
    m_dropperInLineResistor->setText(FormatResult(ohms));
    m_labelOhms->setText(QStringLiteral("ohms"));
    showStandardValuesAndHeat(r.fields[0].value, r.fields[1].value, r.fields[2].value, ohms);
    if (ohms == 0) {
        ui::showNote(
            this, QStringLiteral("Note!"),
            QStringLiteral("A zero value is being shown because the source voltage is the same as the "
                           "forward voltage of the load.\n\nTherefore no resistor is required."));
    } else if (ohms < 0) {
        ui::showNote(
            this, QStringLiteral("Note!"),
            QStringLiteral("A negative value is being shown because the source voltage is lower or the "
                           "same as the forward voltage of the load.\n\nIt is not possible to increase the "
                           "voltage using an in line resistor."));
    }
}

void ResistorDropperPanel::showStandardValuesAndHeat(double sourceVolts, double forwardVolts,
                                                     double forwardMilliamps, double ohms)
{
    clearStandardValuesAndHeat();
    if (!(ohms > 0))
        return;
    // The next value up: more resistance, a little less current, the safe side.
    const struct
    {
        e_series::Series series;
        QLabel* line;
    } ups[] = {{e_series::Series::E12, m_e12Up}, {e_series::Series::E24, m_e24Up}};
    for (const auto& up : ups) {
        const std::optional<double> standard = e_series::atLeast(up.series, ohms);
        if (!standard)
            continue;
        const double milliamps = dropper::currentMilliamps(sourceVolts, forwardVolts, *standard);
        up.line->setText(
            numeric::withDecimalSeparator(QStringLiteral("Next %1 up: %2 ohms, %3 mA")
                                              .arg(QLatin1String(e_series::name(up.series)),
                                                   QString::fromStdString(e_series::valueText(*standard)),
                                                   QString::fromStdString(e_series::valueText(milliamps)))));
    }

    const double watts = dropper::dissipationWatts(sourceVolts, forwardVolts, forwardMilliamps);
    if (!std::isfinite(watts) || watts <= 0)
        return;
    m_heatWatts->setText(numeric::withDecimalSeparator(
        QStringLiteral("P = %1 W")
            .arg(QString::fromStdString(e_series::valueText(watts, e_series::Prefixes::None)))));
    const std::optional<double> rating = dropper::smallestRating(watts);
    m_heatRating->setText(
        rating ? numeric::withDecimalSeparator(
                     QStringLiteral("Rating: %1 W")
                         .arg(QString::fromStdString(e_series::valueText(*rating, e_series::Prefixes::None))))
               : QStringLiteral("5 W is not enough"));
    m_heatWatts->adjustSize();
    m_heatRating->adjustSize();
}

void ResistorDropperPanel::clearStandardValuesAndHeat()
{
    for (QLabel* line : {m_e12Up, m_e24Up, m_heatWatts, m_heatRating})
        line->clear();
}

void ResistorDropperPanel::clearAll()
{
    m_dropperInLineResistor->setText(QString());
    m_labelOhms->setText(QString());
    clearStandardValuesAndHeat();
    m_dropperInLineVSource->setText(QString());
    m_dropperInLineVForward->setText(QString());
    m_dropperInLineIForward->setText(QString());
}

void ResistorDropperPanel::requestColourBands()
{
    if (m_dropperInLineResistor->text().isEmpty()) {
        ui::showNote(
            this, QStringLiteral("No Resistor Value"),
            QStringLiteral("Resistor value not yet shown.\n\nInput your values and click Calculate\nbefore "
                           "getting the colour bands."));
        return;
    }
    emit colourBandsRequested(m_dropperInLineResistor->text());
}

void ResistorDropperPanel::requestHeatDissipation()
{
    const QString invalid = QStringLiteral("Invalid inputs to calculate heat dissipation.");
    if (m_dropperInLineResistor->text().isEmpty()) {
        ui::showNote(this, QStringLiteral("Invalid values"), invalid);
        return;
    }
    const double milliamps = ReadNumberOrZero(m_dropperInLineIForward);
    if (milliamps == 0) {
        ui::showNote(this, QStringLiteral("Invalid values"), invalid);
        return;
    }
    emit heatDissipationRequested(FormatResult(checked::mul(milliamps, 0.001)),
                                  m_dropperInLineResistor->text());
}
