#include "ui/numeric_field.h"

#include "core/checked_math.h"
#include "core/numeric_text.h"
#include "ui/message_box.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

FieldReading ReadNumericField(QWidget* owner, QLineEdit* field, const QString& quantity)
{
    const QString text = field->text();
    const double value = numeric::readLeadingNumber(text);
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
    const auto number = numeric::readWholeNumber(field->text());
    if (!number) {
        ReportEntryError(owner, field, quantity);
        return std::nullopt;
    }
    if (number->overflowsDouble)
        throw checked::FloatFault(checked::FaultKind::Overflow);
    return number->value;
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
