#include "resistors/two_of_three.h"

#include "shell/form_builder.h"
#include "shell/message_box.h"
#include "shell/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TwoOfThreeControls buildTwoOfThreeGroup(QWidget* panel, const TwoOfThreeGroup& spec)
{
    QGroupBox* g = form::group(panel, spec.groupName, spec.x, 8, 313, 385, spec.caption);
    auto draw = spec.drawPicture;
    form::picture(g, spec.pictureName, QRect(16, 24, 281, 150), [draw] { return draw({281, 150}); });

    auto fieldWithClear = [g](const char* name, int x, int y, int w, const QString& hint) {
        QLineEdit* f = form::field(g, name, x, y, w, hint);
        form::clearButton(g, (QByteArray("BtnClear") + name).constData(), x - 11, y - 4);
        return f;
    };
    const bool branches = spec.wiring == TwoOfThreeGroup::Wiring::Branches;
    TwoOfThreeControls c{};
    c.first = fieldWithClear(spec.first, 36, branches ? 64 : 100, 90, spec.partHint);
    c.second = fieldWithClear(spec.second, branches ? 36 : 180, branches ? 124 : 100, 90, spec.partHint);
    form::label(g, nullptr, 36, 182, spec.totalCaption);
    c.total = fieldWithClear(spec.total, 36, 200, 110, spec.totalHint);
    c.calculate =
        form::button(g, spec.calculate, 160, 198, 65, 25, QStringLiteral("Calculate"), spec.calculateHint);
    c.clearAll =
        form::button(g, spec.clearAll, 232, 198, 65, 25, QStringLiteral("Clear All"), spec.clearAllHint);
    form::instruction(g, spec.instructionName, 16, 236, 285, 18,
                      QStringLiteral("Input any two values to calculate the remaining one."));
    form::textBlock(g, spec.explanationName, 16, 258, 285, 110, spec.explanation);
    return c;
}

void clearTwoOfThree(const TwoOfThreeControls& controls)
{
    controls.first->clear();
    controls.second->clear();
    controls.total->clear();
}

void solveTwoOfThree(QWidget* owner, const TwoOfThreeFields& fields, const QString& quantity,
                     TwoOfThreeSolver solver, const QString& negativeNote)
{
    const LenientReadings r = ReadNumericFields(
        owner, {{fields.first, quantity}, {fields.second, quantity}, {fields.total, quantity}});
    if (r.errorSeen)
        return;
    if (r.givenCount < 2) {
        ui::showNote(
            owner, QStringLiteral("Error"),
            QStringLiteral("Not enough values have been provided.\n\nEnsure that 2 values are given."));
        return;
    }
    if (r.givenCount > 2) {
        ui::showNote(
            owner, QStringLiteral("Error"),
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
