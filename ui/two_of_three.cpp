#include "ui/two_of_three.h"

#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TwoOfThreeControls buildTwoOfThreeGroup(QWidget* panel, const TwoOfThreeGroup& spec)
{
    QGroupBox* g = form::group(panel, spec.groupName, spec.x, 8, 313, 385, spec.caption);
    auto draw = spec.drawPicture;
    form::picture(g, spec.pictureName, QRect(16, 24, 281, 150), [draw] { return draw({281, 150}); });

    TwoOfThreeControls c{};
    const bool branches = spec.wiring == TwoOfThreeGroup::Wiring::Branches;
    auto fieldWithClear = [&](int index, const char* name, int x, int y, int w, const QString& hint) {
        QLineEdit* f = form::field(g, name, x, y, w, hint);
        form::clearButton(g, (QByteArray("BtnClear") + name).constData(), x - 11, y - 4);
        // Under its field; the upper branch's above it, clear of the wire
        // that runs between the two branches.
        const int standardY = branches && index == 0 ? y - 18 : y + 22;
        QLabel* standard = form::resultLabel(g, (QByteArray("LabelE24") + name).constData(), x, standardY);
        standard->setAccessibleDescription(QStringLiteral("Nearest standard E24 value"));
        QObject::connect(f, &QLineEdit::textChanged, standard, &QLabel::clear);
        c.standard[index] = standard;
        return f;
    };
    c.first = fieldWithClear(0, spec.first, 36, branches ? 64 : 100, 90, spec.partHint);
    c.second = fieldWithClear(1, spec.second, branches ? 36 : 180, branches ? 124 : 100, 90, spec.partHint);
    form::label(g, nullptr, 36, 182, spec.totalCaption);
    c.total = fieldWithClear(2, spec.total, 36, 200, 110, spec.totalHint);
    c.calculate =
        form::button(g, spec.calculate, 160, 198, 65, 25, QStringLiteral("Calculate"), spec.calculateHint);
    c.clearAll =
        form::button(g, spec.clearAll, 232, 198, 65, 25, QStringLiteral("Clear All"), spec.clearAllHint);
    // The instruction sits low enough to leave the total's standard-value
    // line clear.
    form::instruction(g, spec.instructionName, 16, 244, 285, 18,
                      QStringLiteral("Input any two values to calculate the remaining one."));
    form::textBlock(g, spec.explanationName, 16, 266, 285, 110, spec.explanation);
    return c;
}

void clearTwoOfThree(const TwoOfThreeControls& controls)
{
    controls.first->clear();
    controls.second->clear();
    controls.total->clear();
}

void solveTwoOfThree(QWidget* owner, const TwoOfThreeControls& fields, const QString& quantity,
                     TwoOfThreeSolver solver, const QString& negativeNote)
{
    const LenientReadings r = ReadNumericFields(
        owner, {{fields.first, quantity}, {fields.second, quantity}, {fields.total, quantity}});
    if (r.errorSeen)
        return;
    if (!HasGivenCount(owner, r, 2))
        return;
    auto given = [&](int i) {
        return r.fields[i].given() ? std::optional<double>(r.fields[i].value) : std::nullopt;
    };
    const series_parallel::Solution s = solver(given(0), given(1), given(2));
    const int index = s.unknown == series_parallel::Unknown::First    ? 0
                      : s.unknown == series_parallel::Unknown::Second ? 1
                                                                      : 2;
    QLineEdit* target = index == 0 ? fields.first : index == 1 ? fields.second : fields.total;
    target->setText(s.infinitePart ? QStringLiteral("0") : FormatResult(s.value));
    if (!s.infinitePart) {
        // The fields hold whatever unit the user works in, so the value
        // keeps that unit: no metric prefix.
        QLabel* standard = fields.standard[index];
        standard->setText(numeric::withDecimalSeparator(QString::fromStdString(
            e_series::nearestText(e_series::Series::E24, s.value, e_series::Prefixes::None))));
        standard->adjustSize();
    }
    if (s.negativePart())
        ui::showNote(owner, QStringLiteral("Note!"), negativeNote);
}
