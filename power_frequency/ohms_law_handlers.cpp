#include "shell/main_window.h"

#include "power_frequency/ohms_law.h"
#include "shell/form_builder.h"
#include "shell/message_box.h"
#include "shell/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TFormMainApplication::buildOhmsLawPanel()
{
    QWidget* p = PanelOhmsLawAndPower =
        form::panel(this, "PanelOhmsLawAndPower", QStringLiteral("OhmsLawPower.htm"));
    QGroupBox* g =
        form::group(p, "GroupOhmsLaw", 8, 8, 633, 177, QStringLiteral(" Ohms Law and Power Calculations "));
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
        {"Voltage", "Voltage (volts)", "Enter a voltage value here", "BtnClearVoltage", &Voltage},
        {"Current", "Current (amps)", "Enter a current value here", "BtnClearCurrent", &Current},
        {"Resistance", "Resistance (ohms)", "Enter a resistance value here (in ohms)", "BtnClearResistance",
         &Resistance},
        {"Watts", "Watts (watts)", "Enter a watts value here", "BtnClearWatts", &Watts},
    };
    int x = 28;
    for (const FieldSpec& f : fields) {
        form::label(g, nullptr, x, 60, QString::fromLatin1(f.caption));
        *f.member = form::field(g, f.name, x, 78, 133, QString::fromLatin1(f.hint));
        form::clearButton(g, f.clear, x - 11, 74);
        x += 150;
    }
    CalculatePowerCalues =
        form::button(g, "CalculatePowerCalues", 28, 126, 100, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the remaining two values"));
    ClearPowerValues = form::button(g, "ClearPowerValues", 140, 126, 110, 25,
                                    QStringLiteral("Clear All Values"), QStringLiteral("Clear all fields"));

    QGroupBox* formulas =
        form::group(p, "GroupOhmsLawFormulas", 8, 196, 633, 120, QStringLiteral(" Formulas used "));
    form::textBlock(formulas, "LabelOhmsLawFormulas", 16, 24, 600, 90,
                    QString::fromUtf8(
                        "Voltage  V = I \u00d7 R          Current  I = V / R          Resistance  R = V / I\n"
                        "Power  P = V \u00d7 I = I\u00b2 \u00d7 R = V\u00b2 / R\n\n"
                        "V in volts, I in amps, R in ohms, P in watts. Enter milliamps as amps "
                        "(20 mA is 0.02) and kilohms as ohms (4.7 K is 4700)."));

    onClick(CalculatePowerCalues, &TFormMainApplication::CalculatePowerCaluesClick);
    onClick(ClearPowerValues, &TFormMainApplication::ClearPowerValuesClick);
    onClearClick(p, "BtnClearVoltage", &TFormMainApplication::BtnClearVoltageClick);
    onClearClick(p, "BtnClearCurrent", &TFormMainApplication::BtnClearCurrentClick);
    onClearClick(p, "BtnClearResistance", &TFormMainApplication::BtnClearResistanceClick);
    onClearClick(p, "BtnClearWatts", &TFormMainApplication::BtnClearWattsClick);
}

void TFormMainApplication::CalculatePowerCaluesClick()
{
    const LenientReadings r = ReadNumericFields(this, {{Voltage, QStringLiteral("Voltage")},
                                                       {Current, QStringLiteral("Current")},
                                                       {Resistance, QStringLiteral("Resistance")},
                                                       {Watts, QStringLiteral("Watts")}});
    if (r.errorSeen)
        return;
    if (r.givenCount < 2) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Not enough values have been provided.\n\nEnsure that 2 values are given."));
        return;
    }
    if (r.givenCount > 2) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Too many values have been provided.\n\nEnsure that only two values are given."));
        return;
    }
    auto given = [&](int i) -> std::optional<double> {
        return r.fields[i].given() ? std::optional<double>(r.fields[i].value) : std::nullopt;
    };
    const ohms_law::Outputs out = ohms_law::solve(given(0), given(1), given(2), given(3));
    auto fieldOf = [this](ohms_law::Quantity q) {
        switch (q) {
        case ohms_law::Quantity::Voltage:
            return Voltage;
        case ohms_law::Quantity::Current:
            return Current;
        case ohms_law::Quantity::Resistance:
            return Resistance;
        case ohms_law::Quantity::Watts:
            break;
        }
        return Watts;
    };
    fieldOf(out.first)->setText(FormatResult(out.firstValue));
    fieldOf(out.second)->setText(FormatResult(out.secondValue));
}

void TFormMainApplication::ClearPowerValuesClick()
{
    Voltage->setText(QString());
    Current->setText(QString());
    Resistance->setText(QString());
    Watts->setText(QString());
}
