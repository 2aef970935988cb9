#include "maths/series_parallel.h"

#include "core/checked_math.h"

namespace series_parallel {

using namespace checked;

Solution solveReciprocal(std::optional<double> a, std::optional<double> b, std::optional<double> total)
{
    if (a && b)
        return {Unknown::Total, div(1.0, add(div(1.0, *a), div(1.0, *b)))};
    if (total && b) {
        if (*total == *b)
            return {Unknown::First, 0, true};
        return {Unknown::First, div(1.0, sub(div(1.0, *total), div(1.0, *b)))};
    }
    if (*total == *a)
        return {Unknown::Second, 0, true};
    return {Unknown::Second, div(1.0, sub(div(1.0, *total), div(1.0, *a)))};
}

Solution solveSum(std::optional<double> a, std::optional<double> b, std::optional<double> total)
{
    if (a && b)
        return {Unknown::Total, add(*a, *b)};
    if (total && b)
        return {Unknown::First, sub(*total, *b)};
    return {Unknown::Second, sub(*total, *a)};
}

} // namespace series_parallel
