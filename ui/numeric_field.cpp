#include "ui/numeric_field.h"

#include "core/checked_math.h"
#include "core/numeric_text.h"
#include "ui/message_box.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace {

bool g_readUnitPrefixes = true;

// The unit each number field holds its value in, by the field's name; a field
// not named here reads no prefixes.
numeric::FieldUnit unitOfField(const QLineEdit* field)
{
    using numeric::FieldUnit;
    static const QHash<QString, FieldUnit> units = {
        {QStringLiteral("ResValue"), FieldUnit::Ohm},
        {QStringLiteral("ResValueK"), FieldUnit::Kilohm},
        {QStringLiteral("ResValueM"), FieldUnit::Megohm},
        {QStringLiteral("DropperInLineVSource"), FieldUnit::Volt},
        {QStringLiteral("DropperInLineVForward"), FieldUnit::Volt},
        {QStringLiteral("DropperInLineIForward"), FieldUnit::Milliampere},
        {QStringLiteral("Voltage"), FieldUnit::Volt},
        {QStringLiteral("Current"), FieldUnit::Ampere},
        {QStringLiteral("Resistance"), FieldUnit::Ohm},
        {QStringLiteral("Watts"), FieldUnit::Watt},
        {QStringLiteral("pF"), FieldUnit::Picofarad},
        {QStringLiteral("nF"), FieldUnit::Nanofarad},
        {QStringLiteral("uF"), FieldUnit::Microfarad},
        {QStringLiteral("mF"), FieldUnit::Millifarad},
        {QStringLiteral("CapacitorDropperVoltageIn"), FieldUnit::Volt},
        {QStringLiteral("CapacitorDropperFrequencyIn"), FieldUnit::Hertz},
        {QStringLiteral("CapacitorDropperLoadVoltage"), FieldUnit::Volt},
        {QStringLiteral("CapacitorDropperLoadCurrent"), FieldUnit::Ampere},
        {QStringLiteral("ReactanceInductFreq"), FieldUnit::Hertz},
        {QStringLiteral("ReactanceInductInductance"), FieldUnit::Henry},
        {QStringLiteral("ReactanceCapFreq"), FieldUnit::Hertz},
        {QStringLiteral("ReactanceCapCapacitance"), FieldUnit::Farad},
        {QStringLiteral("FreqResonanceInductance"), FieldUnit::Henry},
        {QStringLiteral("FreqResonanceCapacitance"), FieldUnit::Farad},
        {QStringLiteral("FreqMega"), FieldUnit::Megacycle},
        {QStringLiteral("FreqKilo"), FieldUnit::Kilocycle},
        {QStringLiteral("FreqMeters"), FieldUnit::Metre},
        // The resistor tools.
        {QStringLiteral("SmdValueIn"), FieldUnit::Ohm},
        {QStringLiteral("DividerVin"), FieldUnit::Volt},
        {QStringLiteral("DividerR1"), FieldUnit::Ohm},
        {QStringLiteral("DividerR2"), FieldUnit::Ohm},
        {QStringLiteral("DividerVout"), FieldUnit::Volt},
        {QStringLiteral("CombinationTarget"), FieldUnit::Ohm},
        // The circuit tools.
        {QStringLiteral("TimerR1"), FieldUnit::Ohm},
        {QStringLiteral("TimerR2"), FieldUnit::Ohm},
        {QStringLiteral("TimerC"), FieldUnit::Farad},
        {QStringLiteral("TimerFrequency"), FieldUnit::Hertz},
        {QStringLiteral("TimerHighTime"), FieldUnit::Second},
        {QStringLiteral("TimerLowTime"), FieldUnit::Second},
        {QStringLiteral("TimerPeriod"), FieldUnit::Second},
        {QStringLiteral("TimerPulseWidth"), FieldUnit::Second},
        {QStringLiteral("RegulatorVref"), FieldUnit::Volt},
        {QStringLiteral("RegulatorIadj"), FieldUnit::Microampere},
        {QStringLiteral("RegulatorR1"), FieldUnit::Ohm},
        {QStringLiteral("RegulatorR2"), FieldUnit::Ohm},
        {QStringLiteral("RegulatorVout"), FieldUnit::Volt},
        {QStringLiteral("RegulatorVin"), FieldUnit::Volt},
        {QStringLiteral("RegulatorIload"), FieldUnit::Ampere},
        {QStringLiteral("RcR"), FieldUnit::Ohm},
        {QStringLiteral("RcC"), FieldUnit::Farad},
        {QStringLiteral("RcVs"), FieldUnit::Volt},
        {QStringLiteral("RcTime"), FieldUnit::Second},
    };
    const QString name = field->objectName();
    // The series and parallel parts: the user works in any unit.
    for (const char* any : {"SerRes", "ParRes", "SerCap", "ParCap"}) {
        if (name.startsWith(QLatin1String(any)))
            return FieldUnit::Any;
    }
    return units.value(name, FieldUnit::Plain);
}

// The field's value read with a unit prefix, when the option is on and the
// text has one; the field's description then says how it was read, for
// screen readers.
std::optional<double> readPrefixed(QLineEdit* field, bool whole)
{
    const numeric::FieldUnit unit = unitOfField(field);
    std::optional<double> value;
    if (g_readUnitPrefixes && unit != numeric::FieldUnit::Plain)
        value = numeric::readWithUnitPrefix(field->text(), unit, whole);
    if (value) {
        const QString name = numeric::unitName(unit);
        field->setAccessibleDescription(
            QStringLiteral("Read as %1%2")
                .arg(FormatResult(*value), name.isEmpty() ? QString() : u' ' + name));
    } else if (field->accessibleDescription().startsWith(QLatin1String("Read as "))) {
        field->setAccessibleDescription(field->toolTip());
    }
    return value;
}

} // namespace

void ui::setReadUnitPrefixes(bool on)
{
    g_readUnitPrefixes = on;
}

bool ui::readUnitPrefixes()
{
    return g_readUnitPrefixes;
}

FieldReading ReadNumericField(QWidget* owner, QLineEdit* field, const QString& quantity)
{
    const QString text = field->text();
    const double value = readPrefixed(field, false).value_or(numeric::readLeadingNumber(text));
    const bool positiveInfinity = std::isinf(value) && value > 0;
    if (positiveInfinity || (!text.isEmpty() && value == 0)) {
        ReportEntryError(owner, field, quantity);
        return {FieldState::Invalid, 0};
    }
    if (text.isEmpty())
        return {FieldState::Empty, 0};
    return {FieldState::Valid, value};
}

std::optional<double> ReadStrictNumericField(QWidget* owner, QLineEdit* field, const QString& quantity)
{
    if (const std::optional<double> prefixed = readPrefixed(field, true)) {
        if (std::isinf(*prefixed))
            throw checked::FloatFault(checked::FaultKind::Overflow);
        return *prefixed;
    }
    const auto number = numeric::readWholeNumber(field->text());
    if (!number) {
        ReportEntryError(owner, field, quantity);
        return std::nullopt;
    }
    if (number->overflowsDouble)
        throw checked::FloatFault(checked::FaultKind::Overflow);
    return number->value;
}

double ReadNumberOrZero(QLineEdit* field)
{
    const std::optional<double> prefixed = readPrefixed(field, false);
    if (prefixed && !(std::isinf(*prefixed) && *prefixed > 0))
        return *prefixed;
    return ReadNumberOrZero(field->text());
}

double ReadNumberOrZero(const QString& text)
{
    if (text.isEmpty())
        return 0;
    const double value = numeric::readLeadingNumber(text);
    if (std::isinf(value) && value > 0)
        return 0;
    return value;
}

void ReportEntryError(QWidget* owner, QLineEdit* field, const QString& quantity)
{
    ui::showNote(owner, quantity + QStringLiteral(" Error"),
                 QStringLiteral("Entry not a floating point number"));
    field->setText(QString());
}

QString FormatResult(double value)
{
    return numeric::formatResult(value);
}

void PlaceUnitLabel(QLabel* result, QLabel* unit)
{
    result->adjustSize();
    unit->move(result->x() + result->width() + 5, unit->y());
}

void CalculateFromTwoFields(QWidget* owner, const StrictField& first, const StrictField& second,
                            const std::function<double(double, double)>& compute, QLabel* result,
                            QLabel* unit)
{
    const auto a = ReadStrictNumericField(owner, first.field, first.quantity);
    if (!a)
        return;
    const auto b = ReadStrictNumericField(owner, second.field, second.quantity);
    if (!b)
        return;
    result->setText(FormatResult(compute(*a, *b)));
    PlaceUnitLabel(result, unit);
}

LenientReadings ReadNumericFields(QWidget* owner, std::initializer_list<LenientField> fields)
{
    LenientReadings readings;
    for (const LenientField& f : fields) {
        const FieldReading r = ReadNumericField(owner, f.field, f.quantity);
        readings.fields.append(r);
        if (r.state == FieldState::Invalid)
            readings.errorSeen = true;
        else if (r.given())
            ++readings.givenCount;
    }
    return readings;
}

bool HasGivenCount(QWidget* owner, const LenientReadings& readings, int wanted)
{
    if (readings.givenCount == wanted)
        return true;
    static const char* const kWords[] = {"", "one", "two", "three"};
    const bool one = wanted == 1;
    const QString text =
        readings.givenCount < wanted
            ? QStringLiteral("Not enough values have been provided.\n\nEnsure that %1 %2 given.")
                  .arg(wanted)
                  .arg(one ? QStringLiteral("value is") : QStringLiteral("values are"))
            : QStringLiteral("Too many values have been provided.\n\nEnsure that only %1 %2 given.")
                  .arg(QLatin1String(kWords[std::clamp(wanted, 0, 3)]))
                  .arg(one ? QStringLiteral("value is") : QStringLiteral("values are"));
    ui::showNote(owner, QStringLiteral("Error"), text);
    return false;
}
