// Checked arithmetic: the faults an unmasked floating-point unit would trap
// (division by zero, overflow, invalid operation), quiet NaN propagation, and
// the square root's domain report.

#include "core/checked_math.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

enum class Op
{
    Div,
    Mul,
    Add,
    Sub
};

double apply(Op op, double a, double b)
{
    switch (op) {
    case Op::Div:
        return checked::div(a, b);
    case Op::Mul:
        return checked::mul(a, b);
    case Op::Add:
        return checked::add(a, b);
    case Op::Sub:
        return checked::sub(a, b);
    }
    return 0;
}

QStringList g_domainReports;

void recordDomainError(const char* function, const char* kind)
{
    g_domainReports.append(QString::fromLatin1(function) + u'|' + QString::fromLatin1(kind));
}

} // namespace

Q_DECLARE_METATYPE(Op)

class TestCheckedMath : public QObject
{
    Q_OBJECT

private slots:
    void init() { g_domainReports.clear(); }
    void cleanup() { checked::setDomainReporter(nullptr); }

    void faults_data();
    void faults();
    void faultTexts_data();
    void faultTexts();
    void noFault_data();
    void noFault();
    void storing_data();
    void storing();
    void squareRoot_data();
    void squareRoot();
    void squareRootWithoutReporter();
};

void TestCheckedMath::faults_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("kind");

    const int byZero = int(checked::FaultKind::DivisionByZero);
    const int overflow = int(checked::FaultKind::Overflow);
    const int invalid = int(checked::FaultKind::Invalid);

    QTest::newRow("1 / 0") << Op::Div << 1.0 << 0.0 << byZero;
    QTest::newRow("-1 / 0") << Op::Div << -1.0 << 0.0 << byZero;
    QTest::newRow("1 / -0") << Op::Div << 1.0 << -0.0 << byZero;
    QTest::newRow("0 / 0 is invalid") << Op::Div << 0.0 << 0.0 << invalid;
    QTest::newRow("-0 / 0 is invalid") << Op::Div << -0.0 << 0.0 << invalid;
    QTest::newRow("infinity / infinity is invalid") << Op::Div << kInf << -kInf << invalid;
    QTest::newRow("huge / tiny overflows") << Op::Div << 1e308 << 1e-308 << overflow;
    QTest::newRow("1e200 x 1e200 overflows") << Op::Mul << 1e200 << 1e200 << overflow;
    QTest::newRow("negative product overflows") << Op::Mul << -1e200 << 1e200 << overflow;
    QTest::newRow("infinity x 0 is invalid") << Op::Mul << kInf << 0.0 << invalid;
    QTest::newRow("0 x -infinity is invalid") << Op::Mul << 0.0 << -kInf << invalid;
    QTest::newRow("series sum near 1e308 overflows") << Op::Add << 1e308 << 1e308 << overflow;
    QTest::newRow("negative sum overflows") << Op::Add << -1e308 << -1e308 << overflow;
    QTest::newRow("infinity + -infinity is invalid") << Op::Add << kInf << -kInf << invalid;
    QTest::newRow("infinity - infinity is invalid") << Op::Sub << kInf << kInf << invalid;
    QTest::newRow("difference overflows") << Op::Sub << -1e308 << 1e308 << overflow;
}

void TestCheckedMath::faults()
{
    QFETCH(Op, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, kind);
    try {
        const double result = apply(op, a, b);
        QFAIL(qPrintable(QStringLiteral("no fault, result %1").arg(result)));
    } catch (const checked::FloatFault& fault) {
        QCOMPARE(int(fault.kind()), kind);
    }
}

void TestCheckedMath::faultTexts_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("division by zero")
        << int(checked::FaultKind::DivisionByZero) << "Floating point division by zero";
    QTest::newRow("overflow") << int(checked::FaultKind::Overflow) << "Floating point overflow";
    QTest::newRow("invalid") << int(checked::FaultKind::Invalid) << "Invalid floating point operation";
}

void TestCheckedMath::faultTexts()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    const checked::FloatFault fault(static_cast<checked::FaultKind>(kind));
    QCOMPARE(QString::fromLatin1(fault.what()), text);
    QCOMPARE(int(fault.kind()), kind);
}

void TestCheckedMath::noFault_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<double>("expected");

    QTest::newRow("ordinary division") << Op::Div << 12.0 << 4.0 << 3.0;
    QTest::newRow("ordinary product") << Op::Mul << 4.0 << 12.0 << 48.0;
    QTest::newRow("ordinary sum") << Op::Add << 100.0 << 100.0 << 200.0;
    QTest::newRow("ordinary difference") << Op::Sub << 100.0 << 150.0 << -50.0;
    QTest::newRow("largest double survives") << Op::Add << DBL_MAX / 2 << DBL_MAX / 2 << DBL_MAX;
    QTest::newRow("underflow is not a fault") << Op::Mul << 1e-200 << 1e-200 << 0.0;
    QTest::newRow("finite / infinity") << Op::Div << 1.0 << kInf << 0.0;
    QTest::newRow("infinity / finite") << Op::Div << -kInf << 2.0 << -kInf;
    QTest::newRow("infinity / 0 stays infinity") << Op::Div << kInf << 0.0 << kInf;
    QTest::newRow("-infinity / -0 is infinity") << Op::Div << -kInf << -0.0 << kInf;
    QTest::newRow("infinity x finite") << Op::Mul << kInf << 2.0 << kInf;
    QTest::newRow("infinity + finite") << Op::Add << -kInf << 5.0 << -kInf;
    QTest::newRow("infinity + infinity of one sign") << Op::Add << kInf << kInf << kInf;
    QTest::newRow("NaN / 0 propagates") << Op::Div << kNaN << 0.0 << kNaN;
    QTest::newRow("1 / NaN propagates") << Op::Div << 1.0 << kNaN << kNaN;
    QTest::newRow("NaN x infinity propagates") << Op::Mul << kNaN << kInf << kNaN;
    QTest::newRow("NaN + 1 propagates") << Op::Add << kNaN << 1.0 << kNaN;
    QTest::newRow("1 - NaN propagates") << Op::Sub << 1.0 << kNaN << kNaN;
}

void TestCheckedMath::noFault()
{
    QFETCH(Op, op);
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(double, expected);
    double result = 0;
    try {
        result = apply(op, a, b);
    } catch (const checked::FloatFault& fault) {
        QFAIL(fault.what());
    }
    if (std::isnan(expected))
        QVERIFY(std::isnan(result));
    else
        QVERIFY2(result == expected, qPrintable(QString::number(result, 'g', 17)));
}

void TestCheckedMath::storing_data()
{
    QTest::addColumn<bool>("faults");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("exponent");

    // value = 1.5 x 10^exponent as a long double
    QTest::newRow("fits a double") << false << 1.5e10 << 10;
    QTest::newRow("beyond the double range") << true << 0.0 << 400;
    QTest::newRow("negative beyond the double range") << true << 0.0 << -400;
}

void TestCheckedMath::storing()
{
    QFETCH(bool, faults);
    QFETCH(double, expected);
    QFETCH(int, exponent);
    const long double value =
        exponent >= 0 ? 1.5L * std::pow(10.0L, exponent) : -1.5L * std::pow(10.0L, -exponent);
    try {
        const double stored = checked::store(value);
        QVERIFY(!faults);
        QCOMPARE(stored, expected);
    } catch (const checked::FloatFault& fault) {
        QVERIFY(faults);
        QCOMPARE(fault.kind(), checked::FaultKind::Overflow);
    }
}

void TestCheckedMath::squareRoot_data()
{
    QTest::addColumn<double>("argument");
    QTest::addColumn<double>("expected");
    QTest::addColumn<QStringList>("reports");

    const QStringList none;
    const QStringList domain{QStringLiteral("sqrt|DOMAIN")};
    QTest::newRow("square") << 16.0 << 4.0 << none;
    QTest::newRow("zero") << 0.0 << 0.0 << none;
    QTest::newRow("negative zero is not a domain error") << -0.0 << 0.0 << none;
    QTest::newRow("infinity") << kInf << kInf << none;
    QTest::newRow("NaN propagates quietly") << kNaN << kNaN << none;
    QTest::newRow("minus one") << -1.0 << kNaN << domain;
    QTest::newRow("tiny negative") << -1e-300 << kNaN << domain;
    QTest::newRow("negative infinity") << -kInf << kNaN << domain;
}

void TestCheckedMath::squareRoot()
{
    QFETCH(double, argument);
    QFETCH(double, expected);
    QFETCH(QStringList, reports);
    checked::setDomainReporter(&recordDomainError);
    const double result = checked::sqrt(argument);
    if (std::isnan(expected))
        QVERIFY(std::isnan(result));
    else
        QCOMPARE(result, expected);
    QCOMPARE(g_domainReports, reports);
}

void TestCheckedMath::squareRootWithoutReporter()
{
    checked::setDomainReporter(nullptr);
    QVERIFY(std::isnan(checked::sqrt(-4.0)));
    QVERIFY(g_domainReports.isEmpty());
}

QTEST_GUILESS_MAIN(TestCheckedMath)
#include "test_checked_math.moc"
