#include "resistors/two_of_three.h"

#include "shell/message_box.h"
#include "shell/numeric_field.h"

#include <QLineEdit>

void solveTwoOfThree(QWidget* owner, const TwoOfThreeFields& fields, const QString& quantity,
                     TwoOfThreeSolver solver, const QString& negativeNote)
{
    const LenientReadings r =
        ReadNumericFields(owner, {{fields.first, quantity}, {fields.second, quantity}, {fields.total, quantity}});
    if (r.errorSeen)
        return;
    if (r.givenCount < 2) {
        ui::showNote(owner, QStringLiteral("Error"),
                     QStringLiteral("Not enough values have been provided.\n\nEnsure that 2 values are given."));
        return;
    }
    if (r.givenCount > 2) {
        ui::showNote(owner, QStringLiteral("Error"),
                     QStringLiteral("Too many values have been provided.\n\nEnsure that only two values are given."));
        return;
    }
    auto given = [&](int i) {
        return r.fields[i].given() ? std::optional<double>(r.fields[i].value) : std::nullopt;
    };
    const series_parallel::Solution s = solver(given(0), given(1), given(2));
    QLineEdit* target = s.unknown == series_parallel::Unknown::First    ? fields.first
                        : s.unknown == series_parallel::Unknown::Second ? fields.second
                                                                         : fields.total;
    target->setText(s.infinitePart ? QStringLiteral("0") : FormatResult(s.value));
    if (s.negativePart())
        ui::showNote(owner, QStringLiteral("Note!"), negativeNote);
}
