#include "power_frequency/panels/timer555_panel.h"

#include "artwork/artwork.h"
#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "power_frequency/maths/timer555.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString kAstableInstruction =
    QStringLiteral("Input C and any two of R1, R2, the frequency and the duty cycle, and calculate the other "
                   "two with the high and low times.");
const QString kMonostableInstruction =
    QStringLiteral("Input any two of R, C and the pulse width, and calculate the third.");

std::optional<double> valueOf(const FieldReading& reading)
{
    return reading.given() ? std::optional<double>(reading.value) : std::nullopt;
}

// A standard value and its unit symbol, a prefix joined to the symbol: "470 Hz", "1.02 kHz".
QString standardText(double value, const QString& unit)
{
    QString text = QString::fromStdString(e_series::valueText(value));
    if (text.back().isDigit())
        text += u' ';
    return text + unit;
}

} // namespace

Timer555Panel::Timer555Panel(QWidget* parent) : CalculatorPanel("PanelTimer555", parent)
{
    buildControls();
    buildResults();
    connectControls();
}

void Timer555Panel::buildControls()
{
    QGroupBox* g = form::group(this, "GroupTimer555", 8, 8, 633, 385, QStringLiteral(" 555 Timer "));
    m_astable = form::radio(g, "RadioTimerAstable", 16, 22, 170, QStringLiteral("&Astable (free running)"));
    m_monostable =
        form::radio(g, "RadioTimerMonostable", 200, 22, 190, QStringLiteral("&Monostable (one pulse)"));
    m_instruction = form::instruction(g, "LabelTimerInstruction", 16, 44, 600, 30, kAstableInstruction);

    const struct
    {
        const char* name;
        const char* caption;
        const char* hint;
        int y;
        QLineEdit** member;
    } fields[] = {
        {"TimerC", "&C (farads)", "Enter the timing capacitor (in farads)", 82, &m_c},
        {"TimerR1", "R&1 (ohms)", "Enter R1, from the supply to pin 7 (in ohms)", 110, &m_r1},
        {"TimerR2", "R&2 (ohms)", "Enter R2, from pin 7 to pins 6 and 2 (in ohms)", 138, &m_r2},
        {"TimerFrequency", "&Frequency (Hz)", "Enter the frequency (in hertz)", 166, &m_frequency},
        {"TimerDutyCycle", "&Duty cycle (%)", "Enter the share of the period the output is high", 194,
         &m_dutyCycle},
        {"TimerPulseWidth", "&Pulse width (s)", "Enter the pulse width (in seconds)", 138, &m_pulseWidth},
    };
    for (const auto& f : fields) {
        QLabel* caption = form::label(g, nullptr, 16, f.y + 3, QString::fromLatin1(f.caption));
        *f.member = form::field(g, f.name, 130, f.y, 150, QString::fromLatin1(f.hint));
        // R2 and the pulse width share a line, one of them hidden: each
        // caption is tied to its own field here rather than found by place.
        caption->setBuddy(*f.member);
        (*f.member)->setAccessibleName(QString::fromLatin1(f.caption).remove(u'&'));
        (*f.member)->setAccessibleDescription(QString::fromLatin1(f.hint));
        if (f.member == &m_r1)
            m_r1Caption = caption;
        else if (f.member == &m_pulseWidth)
            m_monostableOnly << caption << *f.member;
        else if (f.member != &m_c)
            m_astableOnly << caption << *f.member;
    }
    m_calculate = form::button(g, "BtnTimerCalculate", 16, 226, 75, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the values not given"));
    m_clearAll = form::button(g, "BtnTimerClear", 100, 226, 75, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all the fields and results"));
    m_astablePicture =
        form::picture(g, "ImageTimerAstable", QRect(296, 76, 320, 240), &artwork::timer555Astable);
    m_monostablePicture =
        form::picture(g, "ImageTimerMonostable", QRect(296, 76, 320, 240), &artwork::timer555Monostable);
    m_monostableOnly << m_monostablePicture;
    m_astableOnly << m_astablePicture;
}

void Timer555Panel::buildResults()
{
    QWidget* g = m_astable->parentWidget();
    const struct
    {
        const char* name;
        const char* caption;
        int y;
        QLabel** member;
    } results[] = {{"TimerHighTime", "High time (s):", 264, &m_highTime},
                   {"TimerLowTime", "Low time (s):", 286, &m_lowTime},
                   {"TimerPeriod", "Period (s):", 308, &m_period}};
    for (const auto& r : results) {
        m_astableOnly << form::label(g, nullptr, 16, r.y, QString::fromLatin1(r.caption));
        *r.member = form::resultLabel(g, r.name, 130, r.y);
        m_astableOnly << *r.member;
    }
    m_standardValues = form::resultLabel(g, "TimerStandardValues", 16, 334);
    m_standardValues->setAccessibleDescription(
        QStringLiteral("Nearest E24 values and the frequency they give"));
    m_astableOnly << m_standardValues;
    m_diodeNote = form::textBlock(g, "LabelTimerDiodeNote", 16, 352, 600, 30, QString());
    QPalette red = m_diodeNote->palette();
    red.setColor(QPalette::WindowText, QColor(200, 0, 0));
    m_diodeNote->setPalette(red);
}

void Timer555Panel::connectControls()
{
    onClick(m_calculate, &Timer555Panel::calculate);
    onClick(m_clearAll, &Timer555Panel::clearAll);
    calculateOnEnter({m_c, m_r1, m_r2, m_frequency, m_dutyCycle, m_pulseWidth}, m_calculate);
    connect(m_astable, &QRadioButton::toggled, this,
            [this](bool on) { guarded([this, on] { showAstable(on); }); });
    setTabOrder({m_astable, m_monostable, m_c, m_r1, m_r2, m_frequency, m_dutyCycle, m_pulseWidth,
                 m_calculate, m_clearAll, m_highTime, m_lowTime, m_period, m_standardValues});
}

void Timer555Panel::resetToStartState()
{
    m_astable->setChecked(true);
    showAstable(true);
    clearAll();
}

void Timer555Panel::showAstable(bool astable)
{
    for (QWidget* w : m_astableOnly)
        w->setVisible(astable);
    for (QWidget* w : m_monostableOnly)
        w->setVisible(!astable);
    m_instruction->setText(astable ? kAstableInstruction : kMonostableInstruction);
    m_r1Caption->setText(astable ? QStringLiteral("R&1 (ohms)") : QStringLiteral("&R (ohms)"));
    form::fitToText(m_r1Caption);
    // The field keeps the name of what it holds in this circuit.
    m_r1->setAccessibleName(astable ? QStringLiteral("R1 (ohms)") : QStringLiteral("R (ohms)"));
    clearResults();
}

void Timer555Panel::calculate()
{
    if (m_astable->isChecked())
        calculateAstable();
    else
        calculateMonostable();
}

void Timer555Panel::calculateAstable()
{
    const LenientReadings r = ReadNumericFields(this, {{m_c, QStringLiteral("Capacitance")},
                                                       {m_r1, QStringLiteral("R1")},
                                                       {m_r2, QStringLiteral("R2")},
                                                       {m_frequency, QStringLiteral("Frequency")},
                                                       {m_dutyCycle, QStringLiteral("Duty Cycle")}});
    if (r.errorSeen)
        return;
    const int others = r.givenCount - int(r.fields[0].given());
    if (!r.fields[0].given() || others < 2) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral(
                "Not enough values have been provided.\n\nEnsure that C and 2 other values are given."));
        return;
    }
    if (others > 2) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("Too many values have been provided.\n\nEnsure that only C and two other "
                                    "values are given."));
        return;
    }
    clearResults();
    const std::optional<double> duty = valueOf(r.fields[4]);
    // A duty cycle below zero is no circuit at all, not one for the diode.
    if (duty && *duty > 0 && timer555::needsDiode(*duty)) {
        m_diodeNote->setText(numeric::withDecimalSeparator(
            QStringLiteral("A duty cycle of 50 % or less needs a diode across R2 (anode at pin 7), so that C "
                           "charges through R1 alone: the high time is then 0.693 R1 C and the low time "
                           "0.693 R2 C.")));
        return;
    }
    const double c = r.fields[0].value;
    const std::optional<timer555::AstableResistors> parts =
        timer555::astableResistors(valueOf(r.fields[1]), valueOf(r.fields[2]), valueOf(r.fields[3]), duty, c);
    const std::optional<timer555::AstableTiming> timing =
        parts ? timer555::astable(parts->r1Ohms, parts->r2Ohms, c) : std::nullopt;
    if (!timing) {
        ui::showNote(this, QStringLiteral("Invalid Input Values"),
                     QStringLiteral("No astable circuit gives these values.\n\nEnsure that every value is "
                                    "greater than zero, that the duty cycle lies below 100 % and that the "
                                    "frequency is one the resistor given can reach."));
        return;
    }
    showAstableResults({r.fields[1].given(), r.fields[2].given(), r.fields[3].given(), r.fields[4].given()},
                       *parts, *timing, c);
}

void Timer555Panel::showAstableResults(const std::array<bool, 4>& given,
                                       const timer555::AstableResistors& parts,
                                       const timer555::AstableTiming& timing, double c)
{
    const bool resistorsWorkedOut = !given[0] || !given[1];
    const std::optional<timer555::StandardAstable> standard =
        resistorsWorkedOut ? timer555::nearestStandard(e_series::Series::E24, parts, c) : std::nullopt;
    const std::pair<QLineEdit*, double> written[] = {{m_r1, parts.r1Ohms},
                                                     {m_r2, parts.r2Ohms},
                                                     {m_frequency, timing.frequencyHz},
                                                     {m_dutyCycle, timing.dutyCyclePercent}};
    for (std::size_t i = 0; i < std::size(written); ++i) {
        if (!given[i])
            written[i].first->setText(FormatResult(written[i].second));
    }
    const std::pair<QLabel*, double> times[] = {
        {m_highTime, timing.highSeconds}, {m_lowTime, timing.lowSeconds}, {m_period, timing.periodSeconds}};
    for (const auto& [label, seconds] : times) {
        label->setText(FormatResult(seconds));
        label->adjustSize();
    }
    if (standard) {
        m_standardValues->setText(numeric::withDecimalSeparator(
            QStringLiteral("Nearest E24: R1 = %1, R2 = %2 give %3 at %4 % duty cycle")
                .arg(standardText(standard->r1Ohms, QString::fromUtf8("\u2126")),
                     standardText(standard->r2Ohms, QString::fromUtf8("\u2126")),
                     standardText(standard->timing.frequencyHz, QStringLiteral("Hz")),
                     QString::fromStdString(e_series::valueText(standard->timing.dutyCyclePercent)))));
        m_standardValues->adjustSize();
    }
}

void Timer555Panel::calculateMonostable()
{
    const LenientReadings r = ReadNumericFields(this, {{m_c, QStringLiteral("Capacitance")},
                                                       {m_r1, QStringLiteral("R")},
                                                       {m_pulseWidth, QStringLiteral("Pulse Width")}});
    if (r.errorSeen)
        return;
    if (!HasGivenCount(this, r, 2))
        return;
    const std::optional<timer555::Monostable> m =
        timer555::monostable(valueOf(r.fields[1]), valueOf(r.fields[0]), valueOf(r.fields[2]));
    if (!m) {
        ui::showNote(this, QStringLiteral("Invalid Input Values"),
                     QStringLiteral("No monostable circuit gives these values.\n\nEnsure that every value is "
                                    "greater than zero."));
        return;
    }
    if (!r.fields[0].given())
        m_c->setText(FormatResult(m->capacitanceFarads));
    else if (!r.fields[1].given())
        m_r1->setText(FormatResult(m->rOhms));
    else
        m_pulseWidth->setText(FormatResult(m->pulseSeconds));
}

void Timer555Panel::clearResults()
{
    for (QLabel* result : {m_highTime, m_lowTime, m_period, m_standardValues, m_diodeNote})
        result->clear();
}

void Timer555Panel::clearAll()
{
    for (QLineEdit* field : {m_c, m_r1, m_r2, m_frequency, m_dutyCycle, m_pulseWidth})
        field->clear();
    clearResults();
}
