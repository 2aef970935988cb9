#include "power_frequency/panels/ohms_law_panel.h"

#include "power_frequency/maths/ohms_law.h"
#include "ui/form_builder.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

OhmsLawPanel::OhmsLawPanel(QWidget* parent) : CalculatorPanel("PanelOhmsLawAndPower", parent)
{
    buildControls();
    connectControls();
}

void OhmsLawPanel::buildControls()
{
    QGroupBox* g = form::group(this, "GroupOhmsLaw", 8, 8, 633, 177,
                               QStringLiteral(" Ohms Law and Power Calculations "));
    form::instruction(
        g, "LabelOhmsLawInstruction", 16, 24, 600, 16,
        QStringLiteral("Input any two known values into the corresponding fields, and calculate the "
                       "other two."));
    struct FieldSpec
    {
        const char* name;
        const char* caption;
        const char* hint;
        const char* clear;
        QLineEdit** member;
    };
    const FieldSpec fields[] = {
        {"Voltage", "&Voltage (volts)", "Enter a voltage value here", "BtnClearVoltage", &m_voltage},
        {"Current", "&Current (amps)", "Enter a current value here", "BtnClearCurrent", &m_current},
        {"Resistance", "&Resistance (ohms)", "Enter a resistance value here (in ohms)", "BtnClearResistance",
         &m_resistance},
        {"Watts", "&Watts (watts)", "Enter a watts value here", "BtnClearWatts", &m_watts},
    };
    int x = 28;
    for (const FieldSpec& f : fields) {
        form::label(g, nullptr, x, 60, QString::fromLatin1(f.caption));
        *f.member = form::field(g, f.name, x, 78, 133, QString::fromLatin1(f.hint));
        form::clearButton(g, f.clear, x - 11, 74);
        x += 150;
    }
    m_calculate = form::button(g, "CalculatePowerCalues", 28, 126, 100, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the remaining two values"));
    m_clearAll = form::button(g, "ClearPowerValues", 140, 126, 110, 25, QStringLiteral("Clear All Values"),
                              QStringLiteral("Clear all fields"));

    QGroupBox* formulas =
        form::group(this, "GroupOhmsLawFormulas", 8, 196, 633, 120, QStringLiteral(" Formulas used "));
    form::textBlock(formulas, "LabelOhmsLawFormulas", 16, 24, 600, 90,
                    QString::fromUtf8(
                        "Voltage  V = I \u00d7 R          Current  I = V / R          Resistance  R = V / I\n"
                        "Power  P = V \u00d7 I = I\u00b2 \u00d7 R = V\u00b2 / R\n\n"
                        "V in volts, I in amps, R in ohms, P in watts. Enter milliamps as amps "
                        "(20 mA is 0.02) and kilohms as ohms (4.7 K is 4700)."));
}

void OhmsLawPanel::connectControls()
{
    onClick(m_calculate, &OhmsLawPanel::calculate);
    calculateOnEnter({m_voltage, m_current, m_resistance, m_watts}, m_calculate);
    onClick(m_clearAll, &OhmsLawPanel::clearAll);
    connectClearButton("BtnClearVoltage", m_voltage);
    connectClearButton("BtnClearCurrent", m_current);
    connectClearButton("BtnClearResistance", m_resistance);
    connectClearButton("BtnClearWatts", m_watts);
}

void OhmsLawPanel::calculate()
{
    const LenientReadings r = ReadNumericFields(this, {{m_voltage, QStringLiteral("Voltage")},
                                                       {m_current, QStringLiteral("Current")},
                                                       {m_resistance, QStringLiteral("Resistance")},
                                                       {m_watts, QStringLiteral("Watts")}});
    if (r.errorSeen)
        return;
    if (!HasGivenCount(this, r, 2))
        return;
    auto given = [&](int i) -> std::optional<double> {
        return r.fields[i].given() ? std::optional<double>(r.fields[i].value) : std::nullopt;
    };
    const ohms_law::Outputs out = ohms_law::solve(given(0), given(1), given(2), given(3));
    auto fieldOf = [this](ohms_law::Quantity q) {
        switch (q) {
        case ohms_law::Quantity::Voltage:
            return m_voltage;
        case ohms_law::Quantity::Current:
            return m_current;
        case ohms_law::Quantity::Resistance:
            return m_resistance;
        case ohms_law::Quantity::Watts:
            break;
        }
        return m_watts;
    };
    fieldOf(out.first)->setText(FormatResult(out.firstValue));
    fieldOf(out.second)->setText(FormatResult(out.secondValue));
}

void OhmsLawPanel::clearAll()
{
    m_voltage->setText(QString());
    m_current->setText(QString());
    m_resistance->setText(QString());
    m_watts->setText(QString());
}

void OhmsLawPanel::calculateFromCurrentAndResistance(const QString& current, const QString& resistance)
{
    clearAll();
    m_current->setText(current);
    m_resistance->setText(resistance);
    calculate();
}
