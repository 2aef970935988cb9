// The frequency arithmetic and the sliders' range rule.

#include "core/checked_math.h"
#include "power_frequency/maths/frequency_conversion.h"
#include "power_frequency/maths/slider_range.h"

#include <QTest>

using frequency::SliderBound;
using frequency::SliderRange;

Q_DECLARE_METATYPE(SliderRange)
Q_DECLARE_METATYPE(SliderBound)

// One of the four conversions, chosen per row.
using Conversion = double (*)(double);
Q_DECLARE_METATYPE(Conversion)

class TestFrequencyConversion : public QObject
{
    Q_OBJECT

private slots:
    void conversions_data();
    void conversions();
    void withBound_data();
    void withBound();
    void readWholeNumber_data();
    void readWholeNumber();
};

void TestFrequencyConversion::conversions_data()
{
    QTest::addColumn<Conversion>("conversion");
    QTest::addColumn<double>("input");
    QTest::addColumn<double>("expected"); // NaN: the overflow fault
    const double fault = qQNaN();

    // 300 m is the 1 MHz band: 300000 km/s / 1000 kHz.
    const Conversion metresFromKc = &frequency::metresFromKilocycles;
    const Conversion kcFromMetres = &frequency::kilocyclesFromMetres;
    const Conversion kcFromMc = &frequency::kilocyclesFromMegacycles;
    const Conversion mcFromKc = &frequency::megacyclesFromKilocycles;
    QTest::newRow("1000 kc is 300 m") << metresFromKc << 1000.0 << 300.0;
    QTest::newRow("40 m band is 7500 kc") << kcFromMetres << 40.0 << 7500.0;
    QTest::newRow("7.1 mc is 7100 kc") << kcFromMc << 7.1 << 7100.0;
    QTest::newRow("2 kc is 0.002 mc") << mcFromKc << 2.0 << 0.002;
    QTest::newRow("tiny kc overflows the metres") << metresFromKc << 1e-310 << fault;
    QTest::newRow("huge mc overflows the kc") << kcFromMc << 1e306 << fault;
}

void TestFrequencyConversion::conversions()
{
    QFETCH(Conversion, conversion);
    QFETCH(double, input);
    QFETCH(double, expected);
    if (qIsNaN(expected)) {
        QVERIFY_THROWS_EXCEPTION(checked::FloatFault, conversion(input));
        return;
    }
    QCOMPARE(conversion(input), expected);
}

void TestFrequencyConversion::withBound_data()
{
    QTest::addColumn<SliderRange>("before");
    QTest::addColumn<SliderBound>("bound");
    QTest::addColumn<int>("value");
    QTest::addColumn<SliderRange>("after");
    const auto min = SliderBound::Minimum;
    const auto max = SliderBound::Maximum;

    QTest::newRow("minimum within range")
        << SliderRange{1, 1000, 500} << min << 10 << SliderRange{10, 1000, 500};
    QTest::newRow("minimum above position moves it up")
        << SliderRange{1, 1000, 1} << min << 10 << SliderRange{10, 1000, 10};
    QTest::newRow("minimum equal to maximum")
        << SliderRange{1, 1000, 1} << min << 1000 << SliderRange{1000, 1000, 1000};
    QTest::newRow("minimum above maximum refused, maximum kept")
        << SliderRange{1, 1000, 7} << min << 2000 << SliderRange{1, 1000, 7};
    QTest::newRow("maximum above old maximum")
        << SliderRange{1, 1000, 7} << max << 3000 << SliderRange{1, 3000, 7};
    QTest::newRow("maximum below position moves it down")
        << SliderRange{1, 1000, 900} << max << 50 << SliderRange{1, 50, 50};
    QTest::newRow("maximum below minimum refused")
        << SliderRange{10, 1000, 10} << max << 5 << SliderRange{10, 1000, 10};
    QTest::newRow("negative minimum taken")
        << SliderRange{1, 1000, 1} << min << -20 << SliderRange{-20, 1000, 1};
    QTest::newRow("zero maximum with negative minimum")
        << SliderRange{-20, 1000, 1} << max << 0 << SliderRange{-20, 0, 0};
    QTest::newRow("largest int as maximum")
        << SliderRange{1, 1000, 1} << max << INT_MAX << SliderRange{1, INT_MAX, 1};
}

void TestFrequencyConversion::withBound()
{
    QFETCH(SliderRange, before);
    QFETCH(SliderBound, bound);
    QFETCH(int, value);
    QFETCH(SliderRange, after);
    const SliderRange got = frequency::withBound(before, bound, value);
    QCOMPARE(QList<int>({got.minimum, got.maximum, got.position}),
             QList<int>({after.minimum, after.maximum, after.position}));
}

void TestFrequencyConversion::readWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "250" << true << 250;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("blanks around") << " 12 " << true << 12;
    QTest::newRow("lowest int") << "-2147483648" << true << INT_MIN;
    QTest::newRow("beyond int") << "2147483648" << false << 0;
    QTest::newRow("fraction") << "12.5" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("two signs") << "+-3" << false << 0;
    QTest::newRow("exponent") << "1e3" << false << 0;
    QTest::newRow("arabic-indic digits") << QString::fromUtf8("\u0661\u0662") << false << 0;
}

void TestFrequencyConversion::readWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto got = frequency::readWholeNumber(text.toStdString());
    QCOMPARE(got.has_value(), valid);
    if (valid)
        QCOMPARE(*got, value);
}

QTEST_APPLESS_MAIN(TestFrequencyConversion)
#include "test_frequency_conversion.moc"
