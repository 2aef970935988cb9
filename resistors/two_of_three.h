#pragma once

// The handler half shared by the four series/parallel calculators: read the
// three fields leniently, check that exactly two are given, solve, write the
// third field and add the note for a negative part.

#include "resistors/series_parallel.h"

#include <QString>

class QLineEdit;
class QWidget;

struct TwoOfThreeFields
{
    QLineEdit* first;
    QLineEdit* second;
    QLineEdit* total;
};

using TwoOfThreeSolver = series_parallel::Solution (*)(std::optional<double>, std::optional<double>,
                                                       std::optional<double>);

void solveTwoOfThree(QWidget* owner, const TwoOfThreeFields& fields, const QString& quantity,
                     TwoOfThreeSolver solver, const QString& negativeNote);
