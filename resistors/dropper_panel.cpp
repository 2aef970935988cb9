#include "resistors/dropper_panel.h"

#include "resistors/dropper.h"
#include "resources/artwork/artwork.h"
#include "shell/checked_math.h"
#include "shell/form_builder.h"
#include "shell/message_box.h"
#include "shell/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

ResistorDropperPanel::ResistorDropperPanel(QWidget* parent)
    : CalculatorPanel("PanelResistorInLineDropper", QStringLiteral("ResistorInLineDropper.htm"), parent)
{
    QGroupBox* g = form::group(this, "GroupInLineDropper", 8, 8, 633, 250,
                               QStringLiteral(" In-Line Resistor Dropper Calculations "));
    form::instruction(
        g, "LabelInLineDropperInstruction", 16, 20, 600, 16,
        QStringLiteral("Use this to calculate the resistor required to be placed in line with a device "
                       "or set of devices to drop the voltage."));
    form::picture(g, "ImageInLineDropperCircuit", QRect(90, 40, 392, 179), &artwork::dropperCircuit);

    form::label(g, nullptr, 22, 104, QStringLiteral("V source"));
    DropperInLineVSource =
        form::field(g, "DropperInLineVSource", 22, 120, 64, QStringLiteral("Input the source voltage"));
    form::clearButton(g, "BtnClearLEDVSource", 11, 116);
    form::label(g, nullptr, 500, 96, QStringLiteral("V forward"));
    DropperInLineVForward = form::field(g, "DropperInLineVForward", 500, 112, 90,
                                        QStringLiteral("Input the forward voltage of the load"));
    form::clearButton(g, "BtnClearLEDVForward", 489, 108);
    form::label(g, nullptr, 500, 144, QStringLiteral("I forward (mA)"));
    DropperInLineIForward = form::field(g, "DropperInLineIForward", 500, 160, 90,
                                        QStringLiteral("Input the forward current of the load (in mA)"));
    form::clearButton(g, "BtnClearLEDIForward", 489, 156);

    DropperInLineResistor = form::resultLabel(g, "DropperInLineResistor", 226, 100);
    DropperInLineResistor->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    DropperInLineResistor->setGeometry(206, 100, 160, 16);
    DropperInLineResistor->setAccessibleDescription(QStringLiteral("Required dropper resistor"));
    LabelOhms = form::resultLabel(g, "LabelOhms", 226, 118);
    LabelOhms->setAccessibleDescription(QStringLiteral("Unit of the required dropper resistor"));
    LabelOhms->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    LabelOhms->setGeometry(206, 118, 160, 16);

    QPushButton* DropperInLineCalculate =
        form::button(g, "DropperInLineCalculate", 22, 216, 75, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the required resistor"));
    QPushButton* DropperInLineClear =
        form::button(g, "DropperInLineClear", 104, 216, 75, 25, QStringLiteral("Clear All"),
                     QStringLiteral("Clear all of the fields"));
    QPushButton* DropperInLineGetColourBands = form::button(
        g, "DropperInLineGetColourBands", 500, 216, 120, 25, QStringLiteral("Get Colour Bands"),
        QStringLiteral("Click here to get the nearest colour bands for a resistor of this value"));

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
        term->adjustSize();
        form::textBlock(key, nullptr, 80, y, 225, 30, QString::fromLatin1(k.meaning));
        y += 32;
    }

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
    QPushButton* BtnCalcHeatDissipation = form::button(
        heat, "BtnCalcHeatDissipation", 12, 92, 180, 25, QStringLiteral("Calculate Heat Dissipation"),
        QStringLiteral("Calculate the heat dissipation of the required resistor"));

    onClick(DropperInLineCalculate, &ResistorDropperPanel::calculate);
    calculateOnEnter({DropperInLineVSource, DropperInLineVForward, DropperInLineIForward},
                     DropperInLineCalculate);
    onClick(DropperInLineClear, &ResistorDropperPanel::clearAll);
    onClick(DropperInLineGetColourBands, &ResistorDropperPanel::requestColourBands);
    onClick(BtnCalcHeatDissipation, &ResistorDropperPanel::requestHeatDissipation);
    connectClearButton("BtnClearLEDVSource", DropperInLineVSource);
    connectClearButton("BtnClearLEDVForward", DropperInLineVForward);
    connectClearButton("BtnClearLEDIForward", DropperInLineIForward);
}

void ResistorDropperPanel::calculate()
{
    const LenientReadings r =
        ReadNumericFields(this, {{DropperInLineVSource, QStringLiteral("Source Voltage")},
                                 {DropperInLineVForward, QStringLiteral("Forward Voltage")},
                                 {DropperInLineIForward, QStringLiteral("Forward Current")}});
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
    DropperInLineResistor->setText(FormatResult(ohms));
    LabelOhms->setText(QStringLiteral("ohms"));
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

void ResistorDropperPanel::clearAll()
{
    DropperInLineResistor->setText(QString());
    LabelOhms->setText(QString());
    DropperInLineVSource->setText(QString());
    DropperInLineVForward->setText(QString());
    DropperInLineIForward->setText(QString());
}

void ResistorDropperPanel::requestColourBands()
{
    if (DropperInLineResistor->text().isEmpty()) {
        ui::showNote(
            this, QStringLiteral("No Resistor Value"),
            QStringLiteral("Resistor value not yet shown.\n\nInput your values and click Calculate\nbefore "
                           "getting the colour bands."));
        return;
    }
    emit colourBandsRequested(DropperInLineResistor->text());
}

void ResistorDropperPanel::requestHeatDissipation()
{
    const QString invalid = QStringLiteral("Invalid inputs to calculate heat dissipation.");
    if (DropperInLineResistor->text().isEmpty()) {
        ui::showNote(this, QStringLiteral("Invalid values"), invalid);
        return;
    }
    const double milliamps = ReadNumberOrZero(DropperInLineIForward->text());
    if (milliamps == 0) {
        ui::showNote(this, QStringLiteral("Invalid values"), invalid);
        return;
    }
    emit heatDissipationRequested(FormatResult(checked::mul(milliamps, 0.001)),
                                  DropperInLineResistor->text());
}
