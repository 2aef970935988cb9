#include "resistors/maths/combinations.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace combinations {

namespace {

constexpr double kLowestOhms = 1;
constexpr double kHighestOhms = 10e6;

// mantissa x 10^exponent rounded once, as the E series tables are read, so
// that 47 x 10^-1 is the double nearest 4.7.
double scaled(int mantissa, int exponent)
{
    return exponent >= 0 ? mantissa * std::pow(10.0, exponent) : mantissa / std::pow(10.0, -exponent);
}

double parallel(double a, double b)
{
    return a * b / (a + b);
}

int partCount(Arrangement arrangement)
{
    return arrangement == Arrangement::TwoInSeries || arrangement == Arrangement::TwoInParallel ? 2 : 3;
}

// The best combinations offered so far, in order, never more than count.
class Shortlist
{
public:
    Shortlist(double target, std::size_t count) : m_target(target), m_count(count) {}

    // How far from the target a combination may lie and still enter (with
    // room for the rounding that ranks alike).
    double limit() const
    {
        return m_list.size() < m_count ? std::numeric_limits<double>::infinity()
                                       : miss(m_list.back()) + m_target * 1e-12;
    }

    void offer(Arrangement arrangement, const std::array<double, 3>& parts, double ohms)
    {
        const Combination c{arrangement, parts, ohms};
        const auto before = [this](const Combination& x, const Combination& y) { return comesBefore(x, y); };
        if (m_list.size() == m_count && !before(c, m_list.back()))
            return;
        m_list.insert(std::upper_bound(m_list.begin(), m_list.end(), c, before), c);
        if (m_list.size() > m_count)
            m_list.pop_back();
    }

    std::vector<Combination> take() { return std::move(m_list); }

private:
    double miss(const Combination& c) const { return std::fabs(c.ohms - m_target); }

    // Misses within a part in 10^12 of the target are rounding in the sums,
    // not a real difference: 2.7 k + 2.4 k and 3.3 k + 1.8 k both hit 5.1 k.
    double rankedMiss(const Combination& c) const { return std::round(miss(c) / m_target * 1e12); }

    bool comesBefore(const Combination& x, const Combination& y) const
    {
        const double rankX = rankedMiss(x);
        const double rankY = rankedMiss(y);
        if (rankX != rankY)
            return rankX < rankY;
        // Beyond the ranks' range, for targets far below every part.
        if (std::isinf(rankX) && miss(x) != miss(y))
            return miss(x) < miss(y);
        if (partCount(x.arrangement) != partCount(y.arrangement))
            return partCount(x.arrangement) < partCount(y.arrangement);
        if (x.arrangement != y.arrangement)
            return x.arrangement < y.arrangement;
        return x.parts < y.parts;
    }

    double m_target;
    std::size_t m_count;
    std::vector<Combination> m_list;
};

// Offers total(x) for the values from values[first] on, where total rises
// with x: from where it crosses the target outward both ways, while the
// shortlist still takes what lies that far away.
template <typename Total, typename Offer>
void offerAroundTarget(const std::vector<double>& values, std::size_t first, double target,
                       const Shortlist& shortlist, Total total, Offer offer)
{
    const auto crossing = std::partition_point(values.begin() + std::ptrdiff_t(first), values.end(),
                                               [&](double x) { return total(x) < target; });
    const std::size_t cross = std::size_t(crossing - values.begin());
    for (std::size_t i = cross; i < values.size(); ++i) {
        const double t = total(values[i]);
        if (std::fabs(t - target) > shortlist.limit())
            break;
        offer(values[i], t);
    }
    for (std::size_t i = cross; i-- > first;) {
        const double t = total(values[i]);
        if (std::fabs(t - target) > shortlist.limit())
            break;
        offer(values[i], t);
    }
}

// Two parts a <= b; a loop stops once even its smallest total lies too far
// above the target.
void offerTwo(const std::vector<double>& values, double target, Shortlist& list, bool inSeries)
{
    const Arrangement arrangement = inSeries ? Arrangement::TwoInSeries : Arrangement::TwoInParallel;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double a = values[i];
        if ((inSeries ? 2 * a : a / 2) - target > list.limit())
            break;
        offerAroundTarget(
            values, i, target, list, [&](double b) { return inSeries ? a + b : parallel(a, b); },
            [&](double b, double total) {
                list.offer(arrangement, {b, a, 0}, total);
            });
    }
}

// Three parts a <= b <= c, all in series or all in parallel.
void offerThreeAlike(const std::vector<double>& values, double target, Shortlist& list, bool inSeries)
{
    const Arrangement arrangement = inSeries ? Arrangement::ThreeInSeries : Arrangement::ThreeInParallel;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double a = values[i];
        if ((inSeries ? 3 * a : a / 3) - target > list.limit())
            break;
        for (std::size_t j = i; j < values.size(); ++j) {
            const double b = values[j];
            if ((inSeries ? a + 2 * b : parallel(a, b / 2)) - target > list.limit())
                break;
            const double ab = inSeries ? a + b : parallel(a, b);
            offerAroundTarget(
                values, j, target, list, [&](double c) { return inSeries ? ab + c : parallel(ab, c); },
                [&](double c, double total) {
                    list.offer(arrangement, {c, b, a}, total);
                });
        }
    }
}

// One part a with a pair b <= c: a + (b || c), or a || (b + c).
void offerOneAndPair(const std::vector<double>& values, double target, Shortlist& list, bool pairInParallel)
{
    const Arrangement arrangement =
        pairInParallel ? Arrangement::OneAndParallelPair : Arrangement::OneAndSeriesPair;
    for (std::size_t j = 0; j < values.size(); ++j) {
        const double b = values[j];
        if (pairInParallel && b / 2 - target > list.limit())
            break;
        for (std::size_t k = j; k < values.size(); ++k) {
            const double c = values[k];
            const double pair = pairInParallel ? parallel(b, c) : b + c;
            if (pairInParallel && pair - target > list.limit())
                break;
            offerAroundTarget(
                values, 0, target, list,
                [&](double a) { return pairInParallel ? a + pair : parallel(a, pair); },
                [&](double a, double total) {
                    list.offer(arrangement, {a, c, b}, total);
                });
        }
    }
}

} // namespace

std::vector<double> standardValues(e_series::Series series)
{
    std::vector<double> values;
    const int shift = e_series::significantDigits(series) - 1;
    for (int decade = 0; decade <= 7; ++decade) {
        for (int m : e_series::mantissas(series)) {
            const double v = scaled(m, decade - shift);
            if (v >= kLowestOhms && v <= kHighestOhms)
                values.push_back(v);
        }
    }
    return values;
}

bool isStandardValue(e_series::Series series, double target)
{
    for (double v : standardValues(series)) {
        if (std::fabs(v - target) <= 1e-9 * v)
            return true;
    }
    return false;
}

Reach reach(const std::vector<double>& values, Arrangements arrangements)
{
    const double smallest = values.front();
    const double largest = values.back();
    Reach r{INFINITY, 0};
    const auto take = [&r](double lowest, double highest) {
        r.lowest = std::min(r.lowest, lowest);
        r.highest = std::max(r.highest, highest);
    };
    if (arrangements.twoInSeries)
        take(2 * smallest, 2 * largest);
    if (arrangements.twoInParallel)
        take(smallest / 2, largest / 2);
    if (arrangements.three)
        take(smallest / 3, 3 * largest);
    return r;
}

std::vector<Combination> closest(const std::vector<double>& values, double target, Arrangements arrangements,
                                 std::size_t count)
{
    Shortlist list(target, count);
    if (count == 0 || values.empty())
        return {};
    if (arrangements.twoInSeries)
        offerTwo(values, target, list, true);
    if (arrangements.twoInParallel)
        offerTwo(values, target, list, false);
    if (arrangements.three) {
        offerThreeAlike(values, target, list, true);
        offerThreeAlike(values, target, list, false);
        offerOneAndPair(values, target, list, true);
        offerOneAndPair(values, target, list, false);
    }
    return list.take();
}

std::string describe(const Combination& combination, double target)
{
    const auto [a, b, c] = combination.parts;
    const auto text = [](double v) { return e_series::valueText(v); };
    std::string parts;
    switch (combination.arrangement) {
    case Arrangement::TwoInSeries:
        parts = text(a) + " + " + text(b);
        break;
    case Arrangement::TwoInParallel:
        parts = text(a) + " || " + text(b);
        break;
    case Arrangement::ThreeInSeries:
        parts = text(a) + " + " + text(b) + " + " + text(c);
        break;
    case Arrangement::ThreeInParallel:
        parts = text(a) + " || " + text(b) + " || " + text(c);
        break;
    case Arrangement::OneAndParallelPair:
        parts = text(a) + " + (" + text(b) + " || " + text(c) + ")";
        break;
    case Arrangement::OneAndSeriesPair:
        parts = text(a) + " || (" + text(b) + " + " + text(c) + ")";
        break;
    }
    return parts + " = " + text(combination.ohms) + " (" +
           e_series::deviationText(e_series::deviationPercent(combination.ohms, target)) + ")";
}

} // namespace combinations
