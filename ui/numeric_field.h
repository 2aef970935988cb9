#pragma once

// Reading calculator fields and writing results, with the program's messages.
//
// Lenient calculators read every field with ReadNumericField (an empty field is
// simply not given; every bad field gets its own message) and then check the
// count of given values. Strict calculators read with ReadStrictNumericField
// and stop at the first bad field.

#include <QList>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

enum class FieldState
{
    Empty,
    Valid,
    Invalid
};

struct FieldReading
{
    FieldState state = FieldState::Empty;
    double value = 0;
    bool given() const { return state == FieldState::Valid; }
};

// Lenient rule: a text reading as 0 or +infinity is rejected (message, field
// emptied); an empty text is not given. Both rules also read a value typed
// with a unit prefix into the field's unit (see ui::setReadUnitPrefixes).
FieldReading ReadNumericField(QWidget* owner, QLineEdit* field, const QString& quantity);

// Strict rule: the whole text must be a number; empty is rejected too. A number
// that is valid but does not fit a double raises the overflow fault.
std::optional<double> ReadStrictNumericField(QWidget* owner, QLineEdit* field, const QString& quantity);

// The lenient conversion without any message: empty, no number or +infinity give 0.
double ReadNumberOrZero(const QString& text);
// The same for a field, reading its unit prefixes as the other readers do.
double ReadNumberOrZero(QLineEdit* field);

namespace ui {
// Whether the fields read values typed with unit prefixes ("4k7", "100n",
// "20mA") into their own unit (the "Read Unit Prefixes" option; on unless
// the user turns it off). Off, every field reads as the plain rules say.
void setReadUnitPrefixes(bool on);
bool readUnitPrefixes();
} // namespace ui

// "Entry not a floating point number" titled "<quantity> Error", then the
// field is emptied. Focus stays where it is.
void ReportEntryError(QWidget* owner, QLineEdit* field, const QString& quantity);

QString FormatResult(double value);

// Moves a unit label so that it starts 5 pixels after its result label, which
// is first sized to its new text.
void PlaceUnitLabel(QLabel* result, QLabel* unit);

// The handler of a strict calculator with two fields: reads them in order,
// stopping at the first bad one, then writes compute(first, second) into the
// result label and moves the unit label after it. A fault raised by a reading
// or by compute leaves the result as it was, for the panel's guard to report.
struct StrictField
{
    QLineEdit* field;
    QString quantity;
};
void CalculateFromTwoFields(QWidget* owner, const StrictField& first, const StrictField& second,
                            const std::function<double(double, double)>& compute, QLabel* result,
                            QLabel* unit);

// Reads the fields of a lenient calculator in order and counts the given ones.
struct LenientReadings
{
    QList<FieldReading> fields;
    bool errorSeen = false;
    int givenCount = 0;
};
struct LenientField
{
    QLineEdit* field;
    QString quantity;
};
LenientReadings ReadNumericFields(QWidget* owner, std::initializer_list<LenientField> fields);

// The count rule of a lenient calculator that needs exactly wanted values
// (1 to 3): true when that many were given; otherwise false, after the
// program's "Not enough values" or "Too many values" box.
bool HasGivenCount(QWidget* owner, const LenientReadings& readings, int wanted);
