#include "power_frequency/panels/rc_time_panel.h"

#include "artwork/artwork.h"
#include "core/numeric_text.h"
#include "power_frequency/maths/rc_time.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

RcTimeConstantPanel::RcTimeConstantPanel(QWidget* parent) : CalculatorPanel("PanelRcTimeConstant", parent)
{
    buildControls();
    buildResults();
    connectControls();
}

void RcTimeConstantPanel::buildControls()
{
    QGroupBox* g =
        form::group(this, "GroupRcTimeConstant", 8, 8, 633, 196, QStringLiteral(" RC Time Constant "));
    form::instruction(g, "LabelRcInstruction", 16, 20, 600, 30,
                      QStringLiteral("Input R and C for the time constant. Add the supply voltage and a time "
                                     "for the capacitor's voltage at that time."));
    const struct
    {
        const char* name;
        const char* caption;
        const char* hint;
        QLineEdit** member;
    } fields[] = {
        {"RcR", "&R (ohms)", "Enter the resistance here (in ohms)", &m_r},
        {"RcC", "&C (farads)", "Enter the capacitance here (in farads)", &m_c},
        {"RcVs", "Supply &Vs (volts)", "Enter the supply voltage here (in volts)", &m_supply},
        {"RcTime", "&Time t (seconds)", "Enter the time since the switch closed (in seconds)", &m_time},
    };
    int y = 52;
    for (const auto& f : fields) {
        form::label(g, nullptr, 16, y + 3, QString::fromLatin1(f.caption));
        *f.member = form::field(g, f.name, 140, y, 120, QString::fromLatin1(f.hint));
        y += 26;
    }
    m_calculate = form::button(g, "BtnRcCalculate", 16, 162, 75, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the time constant and the voltages"));
    m_clearAll = form::button(g, "BtnRcClear", 100, 162, 75, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all the fields and results"));
    form::picture(g, "ImageRcCircuit", QRect(300, 52, 320, 130), &artwork::rcCircuit);
}

void RcTimeConstantPanel::buildResults()
{
    QGroupBox* g = form::group(this, "GroupRcResults", 8, 210, 633, 183, QStringLiteral(" Results "));
    auto addResult = [g](const char* name, const QString& caption, int x, int y) {
        form::label(g, nullptr, x, y, caption);
        return form::resultLabel(g, name, x + 150, y);
    };
    m_tau = addResult("RcTau", QString::fromUtf8("Tau \u03c4 = RC (s):"), 16, 28);
    m_cutoff = addResult("RcCutoff", QStringLiteral("-3 dB cutoff (Hz):"), 16, 52);
    m_charging = addResult("RcVoltageCharging", QStringLiteral("Charging, Vc at t (V):"), 16, 100);
    m_discharging = addResult("RcVoltageDischarging", QStringLiteral("Discharging, Vc at t (V):"), 16, 124);
    const char* const names[] = {"RcCharge50", "RcCharge63", "RcCharge90", "RcCharge99"};
    const char* const captions[] = {
        "Charged to 50 % (s):", "Charged to 63.2 % (s):", "Charged to 90 % (s):", "Charged to 99 % (s):"};
    for (std::size_t i = 0; i < m_chargeTimes.size(); ++i)
        m_chargeTimes[i] = addResult(
            names[i], numeric::withDecimalSeparator(QString::fromLatin1(captions[i])), 330, 28 + 24 * int(i));
    form::textBlock(
        g, "LabelRcFormulas", 16, 150, 600, 32,
        QString::fromUtf8("Charging  Vc = Vs (1 \u2212 e^(\u2212t/\u03c4))          Discharging  Vc = "
                          "Vs e^(\u2212t/\u03c4)          Time to a share p  t = \u03c4 ln(1 / (1 "
                          "\u2212 p))"));
}

void RcTimeConstantPanel::connectControls()
{
    onClick(m_calculate, &RcTimeConstantPanel::calculate);
    onClick(m_clearAll, &RcTimeConstantPanel::clearAll);
    calculateOnEnter({m_r, m_c, m_supply, m_time}, m_calculate);
    setTabOrder({m_r, m_c, m_supply, m_time, m_calculate, m_clearAll, m_tau, m_cutoff, m_charging,
                 m_discharging, m_chargeTimes[0], m_chargeTimes[1], m_chargeTimes[2], m_chargeTimes[3]});
}

void RcTimeConstantPanel::calculate()
{
    const LenientReadings r = ReadNumericFields(this, {{m_r, QStringLiteral("Resistance")},
                                                       {m_c, QStringLiteral("Capacitance")},
                                                       {m_supply, QStringLiteral("Supply Voltage")},
                                                       {m_time, QStringLiteral("Time")}});
    if (r.errorSeen)
        return;
    if (!r.fields[0].given() || !r.fields[1].given()) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Not enough values have been provided.\n\nEnsure that R and C are given."));
        return;
    }
    const bool voltages = r.fields[2].given() && r.fields[3].given();
    if (r.fields[2].given() != r.fields[3].given()) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("Not enough values have been provided.\n\nEnsure that both the supply "
                                    "voltage and the time are given, or neither."));
        return;
    }
    const double ohms = r.fields[0].value, farads = r.fields[1].value;
    if (!(ohms > 0) || !(farads > 0) || (voltages && !(r.fields[3].value > 0))) {
        ui::showNote(this, QStringLiteral("Invalid Input Values"),
                     QStringLiteral("R, C and the time must be greater than zero."));
        return;
    }
    // Everything is worked out before anything is shown, so a fault leaves
    // the results as they were.
    const double tau = rc_time::tauSeconds(ohms, farads);
    QStringList texts{FormatResult(tau), FormatResult(rc_time::cutoffHz(ohms, farads))};
    for (double share : rc_time::kChargeShares)
        texts.append(FormatResult(rc_time::timeToChargeSeconds(tau, share)));
    texts << QString() << QString();
    if (voltages) {
        const double supply = r.fields[2].value, seconds = r.fields[3].value;
        texts[6] = FormatResult(rc_time::chargingVolts(supply, tau, seconds));
        texts[7] = FormatResult(rc_time::dischargingVolts(supply, tau, seconds));
    }
    QLabel* const results[] = {
        m_tau,      m_cutoff,     m_chargeTimes[0], m_chargeTimes[1], m_chargeTimes[2], m_chargeTimes[3],
        m_charging, m_discharging};
    for (std::size_t i = 0; i < std::size(results); ++i) {
        results[i]->setText(texts[int(i)]);
        results[i]->adjustSize();
    }
}

void RcTimeConstantPanel::clearResults()
{
    for (QLabel* result : {m_tau, m_cutoff, m_charging, m_discharging})
        result->clear();
    for (QLabel* result : m_chargeTimes)
        result->clear();
}

void RcTimeConstantPanel::clearAll()
{
    for (QLineEdit* field : {m_r, m_c, m_supply, m_time})
        field->clear();
    clearResults();
}
