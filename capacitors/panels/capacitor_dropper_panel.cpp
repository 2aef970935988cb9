#include "capacitors/panels/capacitor_dropper_panel.h"

#include "artwork/capacitor_artwork.h"
#include "capacitors/maths/capacitor_dropper.h"
#include "capacitors/panels/panel_parts.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using capacitor_parts::showResult;

namespace {

// The circuit drawing, with the entry fields laid into the gaps it leaves.
constexpr QPoint kCircuitAt(12, 116);

// The entry fields' clear buttons, in the order of the fields.
constexpr const char* kClearButtons[] = {
    "BtnClearCapacitorDropperVoltageIn", "BtnClearCapacitorDropperFrequencyIn",
    "BtnClearCapacitorDropperLoadVoltage", "BtnClearCapacitorDropperLoadCurrent"};

} // namespace

CapacitorDropperPanel::CapacitorDropperPanel(QWidget* parent)
    : CalculatorPanel("PanelCapacitorDropper", parent)
{
    QGroupBox* g = form::group(this, "GroupCapacitorDropper", 8, 4, 633, 388,
                               QStringLiteral(" In-Line Capacitor Dropper Calculations "));
    buildHeading(g);
    buildCircuit(g);
    buildResults(g);
    connectControls();
}

void CapacitorDropperPanel::buildHeading(QWidget* g)
{
    QLabel* notice =
        form::label(g, "LabelCapacitorDropperNotice", 12, 20,
                    QStringLiteral("For use with AC supplies only - see Help for more information."));
    QPalette red = notice->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    notice->setPalette(red);
    QFont bold = notice->font();
    bold.setBold(true);
    notice->setFont(bold);
    form::fitToText(notice);
    form::instruction(
        g, "LabelCapacitorDropperInstruction", 12, 38, 610, 46,
        QStringLiteral(
            "Set the four required input values to calculate the capacitor required to drop the "
            "voltage and current for the circuit.  Specify whether or not to include a surge limiting "
            "resistor value in the calculation (this value will be calculated for you)."));

    auto* tickPanel = new QFrame(g);
    tickPanel->setObjectName(QStringLiteral("PanelCapInLineDropperSurgeRes"));
    tickPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    tickPanel->setGeometry(12, 86, 150, 25);
    m_surgeLimiter = new QCheckBox(QStringLiteral("&Include surge limiter"), tickPanel);
    m_surgeLimiter->setObjectName(QStringLiteral("CapInLineDropperSurgeResCheckBox"));
    m_surgeLimiter->setGeometry(6, 4, 140, 17);
    m_surgeLimiter->setToolTip(
        QStringLiteral("Check this box to also get the value to use as a surge limiting "
                       "resistor when clicking Calculate - see Help for more information"));
    m_surgeLimiter->setChecked(true);
}

void CapacitorDropperPanel::buildCircuit(QWidget* g)
{
    form::picture(g, "ImageCapInLineDropperCircuit", QRect(kCircuitAt, QSize(610, 172)),
                  &artwork::capacitorDropperCircuit);
    m_surgeOverlay = form::picture(
        g, "CapInLineDropperSurgeResOverlay",
        QRect(kCircuitAt + QPoint(artwork::kSurgeOverlayLeft, artwork::kSurgeOverlayTop), QSize(110, 56)),
        &artwork::surgeResistorOverlay);
    m_surgeOverlay->hide();

    struct Input
    {
        QLineEdit** field;
        const char* name;
        int x, y;
        const char* caption;
        const char* hint;
    };
    const Input inputs[] = {
        {&m_voltageIn, "CapacitorDropperVoltageIn", 32, 156, "&Voltage in", "Enter the voltage in"},
        {&m_frequencyIn, "CapacitorDropperFrequencyIn", 32, 202, "&Frequency (Hz)",
         "Enter the frequency of the source voltage in Hz"},
        {&m_loadVoltage, "CapacitorDropperLoadVoltage", 524, 156, "&Load voltage",
         "Enter the load voltage (forward voltage)"},
        {&m_loadCurrent, "CapacitorDropperLoadCurrent", 524, 202, "Load &current (A)",
         "Enter the current rating of the load in Amps"},
    };
    for (std::size_t i = 0; i < std::size(inputs); ++i) {
        const Input& in = inputs[i];
        form::label(g, nullptr, in.x, in.y, QString::fromLatin1(in.caption));
        *in.field = form::field(g, in.name, in.x, in.y + 16, 90, QString::fromLatin1(in.hint));
        form::clearButton(g, kClearButtons[i], in.x - 11, in.y + 12);
    }
}

void CapacitorDropperPanel::buildResults(QWidget* g)
{
    form::label(g, nullptr, 12, 296, QStringLiteral("Capacitor dropper value:"));
    m_result = form::resultLabel(g, "LabelCapacitorDropperResult", 180, 296);
    m_resultUnit = form::label(g, "LabelCapacitorDropperUnit", 185, 296, QStringLiteral("uF"));
    m_surgeCaption =
        form::label(g, "LabelSurgeLimiterResValue", 12, 318, QStringLiteral("Surge Limiter Resistor Value:"));
    m_surgeResult = form::resultLabel(g, "LabelCapacitorDropperSurgeResResult", 180, 318);
    m_result->setAccessibleDescription(QStringLiteral("Capacitor dropper value in uF"));
    m_surgeResult->setAccessibleDescription(QStringLiteral("Surge limiter resistor value in ohms"));
    m_surgeOhms = form::label(g, "LabelSurgeLimiterOhms", 185, 318, QStringLiteral("ohms"));

    m_calculate = form::button(g, "BtnCapacitorDropperCalculate", 12, 352, 80, 25,
                               QStringLiteral("Calculate"), QStringLiteral("Calculate the dropper value"));
    m_clearAll = form::button(g, "BtnCapacitorDropperClearAll", 100, 352, 80, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all fields"));
    m_scaleCompare =
        form::button(g, "BtnCapDropperScaleCompare", 512, 352, 110, 25, QStringLiteral("Scale Compare"),
                     QStringLiteral("Put the capacitor value (in uF) into the scale comparison sheet"));
}

void CapacitorDropperPanel::connectControls()
{
    QLineEdit* const fields[] = {m_voltageIn, m_frequencyIn, m_loadVoltage, m_loadCurrent};
    for (std::size_t i = 0; i < std::size(fields); ++i)
        connectClearButton(kClearButtons[i], fields[i]);
    onClick(m_calculate, &CapacitorDropperPanel::calculate);
    calculateOnEnter({m_voltageIn, m_frequencyIn, m_loadVoltage, m_loadCurrent}, m_calculate);
    onClick(m_clearAll, &CapacitorDropperPanel::clearAll);
    onClick(m_scaleCompare, &CapacitorDropperPanel::scaleCompare);
    onClick(m_surgeLimiter, &CapacitorDropperPanel::surgeLimiterChanged);
}

void CapacitorDropperPanel::resetToStartState()
{
    m_surgeLimiter->setChecked(true);
    surgeLimiterChanged();
    clearAll();
}

void CapacitorDropperPanel::calculate()
{
    const auto supplyVolts = ReadStrictNumericField(this, m_voltageIn, QStringLiteral("Voltage In"));
    if (!supplyVolts)
        return;
    const auto frequency = ReadStrictNumericField(this, m_frequencyIn, QStringLiteral("Frequency In"));
    if (!frequency)
        return;
    const auto typedLoadVolts = ReadStrictNumericField(this, m_loadVoltage, QStringLiteral("Voltage Load"));
    if (!typedLoadVolts)
        return;
    const auto amps = ReadStrictNumericField(this, m_loadCurrent, QStringLiteral("Current Load"));
    if (!amps)
        return;

    double loadVolts = *typedLoadVolts;
    if (m_surgeLimiter->isChecked()) {
        loadVolts = capacitor_dropper::withSurgeDrop(loadVolts);
        // Shown at once, so it stays even when the voltages are refused below.
        showResult(m_surgeResult, FormatResult(capacitor_dropper::surgeResistorOhms(*amps)));
        PlaceUnitLabel(m_surgeResult, m_surgeOhms);
    }
    if (!capacitor_dropper::loadVoltageFits(*supplyVolts, loadVolts)) {
        ui::showNote(
            this, QStringLiteral("Invalid Input Values"),
            QStringLiteral("The load voltage must be less than the input voltage,\ntaking into account the "
                           "additional 10 volt drop with the\nsurge limiting resistor (if being "
                           "included).\n\nPlease check your values."));
        return;
    }
    const double microfarads =
        capacitor_dropper::capacitorMicrofarads(*supplyVolts, *frequency, loadVolts, *amps);
    showResult(m_result, FormatResult(microfarads));
    PlaceUnitLabel(m_result, m_resultUnit);
    PlaceUnitLabel(m_surgeResult, m_surgeOhms);
}

void CapacitorDropperPanel::clearAll()
{
    m_voltageIn->clear();
    m_frequencyIn->clear();
    m_loadVoltage->clear();
    m_loadCurrent->clear();
    m_result->clear();
    m_surgeResult->clear();
}

void CapacitorDropperPanel::surgeLimiterChanged()
{
    const bool included = m_surgeLimiter->isChecked();
    m_surgeOverlay->setVisible(!included);
    if (!included)
        m_surgeOverlay->raise();
    m_surgeCaption->setVisible(included);
    m_surgeResult->setVisible(included);
    m_surgeOhms->setVisible(included);
}

void CapacitorDropperPanel::scaleCompare()
{
    emit sendToScaleSheet(capacitance::Unit::Microfarad, m_result->text());
}
