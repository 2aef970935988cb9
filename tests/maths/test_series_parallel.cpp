// Two parts and their total, both ways of combining: textbook cases worked by
// hand, the part that would have to be infinite, negative parts and the
// arithmetic faults.

#include "core/checked_math.h"
#include "maths/series_parallel.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <optional>

using series_parallel::Solution;
using series_parallel::Unknown;
Q_DECLARE_METATYPE(Unknown)

namespace {

// Not given: the field was left empty.
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
// No fault expected.
constexpr int kNoFault = -1;

std::optional<double> given(double v)
{
    return std::isnan(v) ? std::nullopt : std::optional<double>(v);
}

} // namespace

class TestSeriesParallel : public QObject
{
    Q_OBJECT

private slots:
    void solve_data();
    void solve();
};

void TestSeriesParallel::solve_data()
{
    QTest::addColumn<bool>("reciprocal");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("total");
    QTest::addColumn<Unknown>("unknown");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("infinitePart");
    QTest::addColumn<bool>("negativePart");
    QTest::addColumn<int>("fault");

    const int divByZero = int(checked::FaultKind::DivisionByZero);
    const int overflow = int(checked::FaultKind::Overflow);
    const Unknown first = Unknown::First, second = Unknown::Second, total = Unknown::Total;

    // 1/T = 1/A + 1/B
    QTest::newRow("100 || 100 = 50") << true << 100.0 << 100.0 << kNone << total << 50.0 << false << false
                                     << kNoFault;
    QTest::newRow("3 || 6 = 2") << true << 3.0 << 6.0 << kNone << total << 2.0 << false << false << kNoFault;
    QTest::newRow("4.7 k || 10 k") << true << 4700.0 << 10000.0 << kNone << total << 47000000.0 / 14700.0
                                   << false << false << kNoFault;
    QTest::newRow("50 total with 100 needs 100")
        << true << kNone << 100.0 << 50.0 << first << 100.0 << false << false << kNoFault;
    QTest::newRow("2 total with 3 needs 6")
        << true << 3.0 << kNone << 2.0 << second << 6.0 << false << false << kNoFault;
    QTest::newRow("100 total with 50 needs -100")
        << true << kNone << 50.0 << 100.0 << first << -100.0 << false << true << kNoFault;
    QTest::newRow("total equal to the second part: infinite first")
        << true << kNone << 100.0 << 100.0 << first << 0.0 << true << false << kNoFault;
    QTest::newRow("total equal to the first part: infinite second")
        << true << 100.0 << kNone << 100.0 << second << 0.0 << true << false << kNoFault;
    QTest::newRow("a zero part divides by zero")
        << true << 0.0 << 100.0 << kNone << total << 0.0 << false << false << divByZero;
    QTest::newRow("opposite parts divide by zero")
        << true << 100.0 << -100.0 << kNone << total << 0.0 << false << false << divByZero;
    QTest::newRow("tiny parts overflow")
        << true << 1e-308 << 1e-308 << kNone << total << 0.0 << false << false << overflow;

    // T = A + B
    QTest::newRow("100 + 100 = 200") << false << 100.0 << 100.0 << kNone << total << 200.0 << false << false
                                     << kNoFault;
    QTest::newRow("0 + 5 = 5") << false << 0.0 << 5.0 << kNone << total << 5.0 << false << false << kNoFault;
    QTest::newRow("300 total with 100 needs 200")
        << false << kNone << 100.0 << 300.0 << first << 200.0 << false << false << kNoFault;
    QTest::newRow("100 total with 150 needs -50")
        << false << 150.0 << kNone << 100.0 << second << -50.0 << false << true << kNoFault;
    QTest::newRow("total equal to a part needs 0")
        << false << 100.0 << kNone << 100.0 << second << 0.0 << false << false << kNoFault;
    QTest::newRow("huge parts overflow")
        << false << 1e308 << 1e308 << kNone << total << 0.0 << false << false << overflow;
}

void TestSeriesParallel::solve()
{
    QFETCH(bool, reciprocal);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, total);
    QFETCH(Unknown, unknown);
    QFETCH(double, value);
    QFETCH(bool, infinitePart);
    QFETCH(bool, negativePart);
    QFETCH(int, fault);
    const auto solve = reciprocal ? &series_parallel::solveReciprocal : &series_parallel::solveSum;
    try {
        const Solution s = solve(given(a), given(b), given(total));
        QCOMPARE(fault, kNoFault);
        QCOMPARE(s.unknown, unknown);
        QVERIFY2(std::abs(s.value - value) <= 1e-12 * std::abs(value), qPrintable(QString::number(s.value)));
        QCOMPARE(s.infinitePart, infinitePart);
        QCOMPARE(s.negativePart(), negativePart);
    } catch (const checked::FloatFault& f) {
        QCOMPARE(int(f.kind()), fault);
    }
}

QTEST_APPLESS_MAIN(TestSeriesParallel)
#include "test_series_parallel.moc"
