#pragma once

// The handler half shared by the four series/parallel calculators: read the
// three fields leniently, check that exactly two are given, solve, write the
// third field and add the note for a negative part. The computed value gets
// the nearest standard E24 value, in the user's own unit, right under its
// field.

#include "maths/series_parallel.h"

#include <QPixmap>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// One calculator's group box: its circuit picture with the two part fields on
// it, the total field, Calculate and Clear All, the instruction and the
// explanation. Each field's clear button is named "BtnClear" + the field name,
// its standard-value line "LabelE24" + the field name.
struct TwoOfThreeGroup
{
    enum class Wiring
    {
        Branches,
        InLine
    }; // part fields one above the other, or side by side
    const char* groupName;
    QString caption;
    int x; // of the group on its panel; the two calculators stand side by side
    const char* pictureName;
    QPixmap (*drawPicture)(QSize);
    Wiring wiring;
    const char* first;
    const char* second;
    const char* total;
    const char* calculate;
    const char* clearAll;
    QString partHint;
    QString totalHint;
    QString totalCaption;
    QString calculateHint;
    QString clearAllHint;
    const char* instructionName;
    const char* explanationName;
    QString explanation;
};

struct TwoOfThreeControls
{
    QLineEdit* first;
    QLineEdit* second;
    QLineEdit* total;
    QPushButton* calculate;
    QPushButton* clearAll;
    // Under first, second and total: the nearest E24 value of a computed
    // value; emptied whenever its field's text changes.
    QLabel* standard[3];
};

TwoOfThreeControls buildTwoOfThreeGroup(QWidget* panel, const TwoOfThreeGroup& spec);
// Empties the three fields.
void clearTwoOfThree(const TwoOfThreeControls& controls);

using TwoOfThreeSolver = series_parallel::Solution (*)(std::optional<double>, std::optional<double>,
                                                       std::optional<double>);

void solveTwoOfThree(QWidget* owner, const TwoOfThreeControls& fields, const QString& quantity,
                     TwoOfThreeSolver solver, const QString& negativeNote);
