// The dropper resistor's heat and the power rating it needs.

#include "resistors/maths/dropper.h"

#include <QTest>

#include <cmath>

class TestDropper : public QObject
{
    Q_OBJECT

private slots:
    void ratingWithMargin_data();
    void ratingWithMargin();
};

void TestDropper::ratingWithMargin_data()
{
    QTest::addColumn<QList<double>>("entries"); // V source, V forward, I forward (mA)
    QTest::addColumn<double>("watts");
    QTest::addColumn<double>("rating"); // 0: even 5 W is not enough

    QTest::newRow("LED from 12 V: 0.2 W needs 0.5 W") << QList<double>{12, 2, 20} << 0.2 << 0.5;
    QTest::newRow("exactly half of 1/8 W") << QList<double>{5, 3, 31.25} << 0.0625 << 0.125;
    QTest::newRow("just over half of 1/8 W") << QList<double>{5, 3, 32} << 0.064 << 0.25;
    QTest::newRow("1 W needs 2 W") << QList<double>{12, 2, 100} << 1.0 << 2.0;
    QTest::newRow("2.5 W is the most 5 W carries") << QList<double>{27, 2, 100} << 2.5 << 5.0;
    QTest::newRow("mains: 22.8 W is beyond 5 W") << QList<double>{230, 2, 100} << 22.8 << 0.0;
}

void TestDropper::ratingWithMargin()
{
    QFETCH(QList<double>, entries);
    QFETCH(double, watts);
    QFETCH(double, rating);
    const double p = dropper::dissipationWatts(entries[0], entries[1], entries[2]);
    QVERIFY2(std::fabs(p - watts) <= 1e-12 * watts, qPrintable(QString::number(p, 'g', 17)));
    QCOMPARE(dropper::smallestRating(watts).value_or(0), rating);
}

QTEST_APPLESS_MAIN(TestDropper)
#include "test_dropper.moc"
