// The capacitor code tables: printed digit codes and colour codes, every row
// of the multiplier, rating and tolerance tables, and the texts written
// printf-style whatever the C library's locale.

#include "capacitors/maths/code_text.h"
#include "capacitors/maths/colour_codes.h"
#include "capacitors/maths/digit_codes.h"
#include "tests/support/comma_locale.h"

#include <QTest>

using colour_codes::CapacitorType;

class TestCapacitorCodes : public QObject
{
    Q_OBJECT

private slots:
    void digitCode_data();
    void digitCode();
    // The texts keep "." when the C library's locale writes ",".
    void digitCodeCommaLocale_data() { digitCode_data(); }
    void digitCodeCommaLocale();
    void colourMultiplier_data();
    void colourMultiplier();
    void rating_data();
    void rating();
    void colourTolerance_data();
    void colourTolerance();
    void colourToleranceCommaLocale_data() { colourTolerance_data(); }
    void colourToleranceCommaLocale();
};

void TestCapacitorCodes::digitCode_data()
{
    QTest::addColumn<QStringList>("code");
    QTest::addColumn<double>("picofarads");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<double>("amount");

    using L = QStringList;
    // The third digit, every row, with "10" in front.
    QTest::newRow("x 1") << L{"1", "0", "0", "None"} << 10.0 << "(none given)" << 0.0;
    QTest::newRow("x 10") << L{"1", "0", "1", "None"} << 100.0 << "(none given)" << 0.0;
    QTest::newRow("x 100") << L{"1", "0", "2", "None"} << 1000.0 << "(none given)" << 0.0;
    QTest::newRow("x 1000") << L{"1", "0", "3", "None"} << 10000.0 << "(none given)" << 0.0;
    QTest::newRow("x 10000") << L{"1", "0", "4", "None"} << 100000.0 << "(none given)" << 0.0;
    QTest::newRow("x 100000") << L{"1", "0", "5", "None"} << 1000000.0 << "(none given)" << 0.0;
    QTest::newRow("8 is x 0.01") << L{"2", "2", "8", "None"} << 0.22 << "(none given)" << 0.0;
    QTest::newRow("9 is x 0.1") << L{"4", "7", "9", "None"} << 4.7 << "(none given)" << 0.0;
    QTest::newRow("no third digit") << L{"4", "7", "None", "None"} << 47.0 << "(none given)" << 0.0;
    QTest::newRow("typed 6 gives 0") << L{"4", "7", "6", "None"} << 0.0 << "(none given)" << 0.0;
    QTest::newRow("typed 7 gives 0") << L{"4", "7", "7", "None"} << 0.0 << "(none given)" << 0.0;
    QTest::newRow("none in lower case gives 0")
        << L{"4", "7", "none", "None"} << 0.0 << "(none given)" << 0.0;

    // The letter, every row, on 104 = 100000 pF.
    QTest::newRow("104D") << L{"1", "0", "4", "D"} << 100000.0 << "+/- 0.5 pF" << 0.5;
    QTest::newRow("104F") << L{"1", "0", "4", "F"} << 100000.0 << "+/- 1% (1000 pF)" << 1000.0;
    QTest::newRow("104G") << L{"1", "0", "4", "G"} << 100000.0 << "+/- 2% (2000 pF)" << 2000.0;
    QTest::newRow("104H") << L{"1", "0", "4", "H"} << 100000.0 << "+/- 3% (3000 pF)" << 3000.0;
    QTest::newRow("104J") << L{"1", "0", "4", "J"} << 100000.0 << "+/- 5% (5000 pF)" << 5000.0;
    QTest::newRow("104K") << L{"1", "0", "4", "K"} << 100000.0 << "+/- 10% (10000 pF)" << 10000.0;
    QTest::newRow("104M") << L{"1", "0", "4", "M"} << 100000.0 << "+/- 20% (20000 pF)" << 20000.0;
    QTest::newRow("104P") << L{"1", "0", "4", "P"} << 100000.0 << "+ 100% (100000 pF), -0% (0 pF)"
                          << 100000.0;
    QTest::newRow("104Z") << L{"1", "0", "4", "Z"} << 100000.0 << "+ 80% (80000 pF), -20% (20000 pF)"
                          << 80000.0;
    QTest::newRow("104 lower-case k") << L{"1", "0", "4", "k"} << 100000.0 << "" << 0.0;

    QTest::newRow("0.5 pF whatever the value") << L{"4", "7", "9", "D"} << 4.7 << "+/- 0.5 pF" << 0.5;
    QTest::newRow("105Z") << L{"1", "0", "5", "Z"} << 1000000.0 << "+ 80% (800000 pF), -20% (200000 pF)"
                          << 800000.0;
    QTest::newRow("995Z switches to exponent form")
        << L{"9", "9", "5", "Z"} << 9900000.0 << "+ 80% (7.92e+06 pF), -20% (1.98e+06 pF)" << 7920000.0;
    QTest::newRow("102P") << L{"1", "0", "2", "P"} << 1000.0 << "+ 100% (1000 pF), -0% (0 pF)" << 1000.0;
    QTest::newRow("479F, six digits at most") << L{"4", "7", "9", "F"} << 4.7 << "+/- 1% (0.047 pF)" << 0.047;
    QTest::newRow("leading zero digit") << L{"0", "4", "0", "D"} << 4.0 << "+/- 0.5 pF" << 0.5;
    QTest::newRow("start-up code") << L{"0", "0", "0", "D"} << 0.0 << "+/- 0.5 pF" << 0.5;
    QTest::newRow("typed 12 then 0 joins to 120")
        << L{"12", "0", "1", "None"} << 1200.0 << "(none given)" << 0.0;
    QTest::newRow("leading blank, trailing text")
        << L{" 4x", "7", "None", "None"} << 47.0 << "(none given)" << 0.0;
    QTest::newRow("no digits count as 0") << L{"x", "7", "None", "None"} << 7.0 << "(none given)" << 0.0;
    QTest::newRow("negative first digit") << L{"-1", "2", "0", "None"} << -12.0 << "(none given)" << 0.0;
    QTest::newRow("negative second digit ends the number")
        << L{"1", "-2", "0", "None"} << 1.0 << "(none given)" << 0.0;
    QTest::newRow("huge digit text is clamped")
        << L{"99999999999", "0", "0", "None"} << 2147483647.0 << "(none given)" << 0.0;
}

void TestCapacitorCodes::digitCode()
{
    QFETCH(QStringList, code);
    QFETCH(double, picofarads);
    QFETCH(QString, tolerance);
    QFETCH(double, amount);
    const auto value = digit_codes::decode(code[0].toStdString(), code[1].toStdString(),
                                           code[2].toStdString(), code[3].toStdString());
    QCOMPARE(value.picofarads, picofarads);
    QCOMPARE(QString::fromStdString(value.tolerance.text), tolerance);
    QCOMPARE(value.tolerance.amount, amount);
}

void TestCapacitorCodes::digitCodeCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    digitCode();
}

void TestCapacitorCodes::colourMultiplier_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("ceramic");
    QTest::addColumn<double>("multiplier"); // -1: not a band-3 colour

    const struct
    {
        const char* colour;
        double general;
        double ceramic;
    } rows[] = {{"Black", 1, 1},      {"Brown", 10, 10},   {"Red", 100, 100},  {"Orange", 1e3, 1e3},
                {"Yellow", 1e4, 1e4}, {"Green", 1e5, 1e5}, {"Blue", 1e6, 1e6}, {"Violet", 1e7, 1e7},
                {"Grey", 1e8, 0.01},  {"White", 1e9, 0.1}, {"Gold", 0.1, 0.1}, {"Silver", 0.01, 0.01},
                {"Gray", -1, -1},     {"No band", -1, -1}, {"black", -1, -1}};
    for (const auto& r : rows) {
        QTest::addRow("general %s", r.colour) << r.colour << false << r.general;
        QTest::addRow("ceramic %s", r.colour) << r.colour << true << r.ceramic;
    }
}

void TestCapacitorCodes::colourMultiplier()
{
    QFETCH(QString, colour);
    QFETCH(bool, ceramic);
    QFETCH(double, multiplier);
    const auto m = colour_codes::multiplierOf(colour.toStdString(),
                                              ceramic ? CapacitorType::Ceramic : CapacitorType::General);
    QCOMPARE(m.value_or(-1), multiplier);
}

void TestCapacitorCodes::rating_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("ceramic");
    QTest::addColumn<QString>("rating"); // "?": not a band-5 colour

    const struct
    {
        const char* colour;
        const char* general;
        const char* ceramic;
    } rows[] = {{"Black", "", "0"},        {"Brown", "100", "-30"},
                {"Red", "200", "-80"},     {"Orange", "300", "-150"},
                {"Yellow", "400", "-220"}, {"Green", "500", "-330"},
                {"Blue", "600", "-470"},   {"Violet", "700", "-750"},
                {"Grey", "800", "+30"},    {"White", "900", "+500 to -330"},
                {"Gold", "1000", "+100"},  {"Silver", "2000", ""},
                {"No band", "?", "?"}};
    for (const auto& r : rows) {
        QTest::addRow("general %s", r.colour) << r.colour << false << r.general;
        QTest::addRow("ceramic %s", r.colour) << r.colour << true << r.ceramic;
    }
}

void TestCapacitorCodes::rating()
{
    QFETCH(QString, colour);
    QFETCH(bool, ceramic);
    QFETCH(QString, rating);
    const auto r = colour_codes::ratingOf(colour.toStdString(),
                                          ceramic ? CapacitorType::Ceramic : CapacitorType::General);
    QCOMPARE(r ? QString::fromLatin1(r->data(), qsizetype(r->size())) : QStringLiteral("?"), rating);
}

void TestCapacitorCodes::colourTolerance_data()
{
    QTest::addColumn<bool>("ceramic");
    QTest::addColumn<int>("digit1");
    QTest::addColumn<int>("digit2");
    QTest::addColumn<double>("multiplier");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<double>("picofarads");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<double>("amount");

    // General: a plain percentage, every row, on 64000 pF (Blue Yellow Orange).
    const struct
    {
        const char* colour;
        const char* text;
        double amount;
    } general[] = {{"Brown", "1% (640 pF)", 640},
                   {"Red", "2% (1280 pF)", 1280},
                   {"Orange", "3% (1920 pF)", 1920},
                   {"Yellow", "4% (2560 pF)", 2560},
                   {"Green", "5% (3200 pF)", 3200},
                   {"Blue", "6% (3840 pF)", 3840},
                   {"Violet", "7% (4480 pF)", 4480},
                   {"Grey", "8% (5120 pF)", 5120},
                   {"White", "9% (5760 pF)", 5760},
                   {"Silver", "10% (6400 pF)", 6400},
                   {"No band", "20% (12800 pF)", 12800},
                   {"Black", "", 0},
                   {"Gold", "", 0}};
    for (const auto& g : general)
        QTest::addRow("general %s", g.colour)
            << false << 6 << 4 << 1000.0 << g.colour << 64000.0 << g.text << g.amount;

    // Ceramic: each colour above 10 pF and at 10 pF or less.
    QTest::newRow("ceramic Black, 100 pF")
        << true << 1 << 0 << 10.0 << "Black" << 100.0 << "+/- 20% (20 pF)" << 20.0;
    QTest::newRow("ceramic Black, 11 pF")
        << true << 1 << 1 << 1.0 << "Black" << 11.0 << "+/- 20% (2.2 pF)" << 2.2;
    QTest::newRow("ceramic Black, exactly 10 pF")
        << true << 1 << 0 << 1.0 << "Black" << 10.0 << "2 pF" << 2.0;
    QTest::newRow("ceramic Brown, 100 pF")
        << true << 1 << 0 << 10.0 << "Brown" << 100.0 << "+/- 1% (1 pF)" << 1.0;
    QTest::newRow("ceramic Brown, 4.7 pF")
        << true << 4 << 7 << 0.1 << "Brown" << 4.7 << "+/- 1% (0.047 pF)" << 0.047;
    QTest::newRow("ceramic Red, 100 pF")
        << true << 1 << 0 << 10.0 << "Red" << 100.0 << "+/- 2% (2 pF)" << 2.0;
    QTest::newRow("ceramic Red, 10 pF") << true << 1 << 0 << 1.0 << "Red" << 10.0 << "+/- 2% (0.2 pF)" << 0.2;
    QTest::newRow("ceramic Green, 100 pF")
        << true << 1 << 0 << 10.0 << "Green" << 100.0 << "+/- 5% (5 pF)" << 5.0;
    QTest::newRow("ceramic Green, 10 pF") << true << 1 << 0 << 1.0 << "Green" << 10.0 << "0.5 pF" << 0.5;
    QTest::newRow("ceramic Grey, 64000 pF")
        << true << 6 << 4 << 1000.0 << "Grey" << 64000.0 << "0.25 pF" << 0.25;
    QTest::newRow("ceramic Grey, 4.7 pF") << true << 4 << 7 << 0.1 << "Grey" << 4.7 << "0.25 pF" << 0.25;
    QTest::newRow("ceramic White, 100 pF, no +/-")
        << true << 1 << 0 << 10.0 << "White" << 100.0 << "10% (10 pF)" << 10.0;
    QTest::newRow("ceramic White, 4.7 pF") << true << 4 << 7 << 0.1 << "White" << 4.7 << "1 pF" << 1.0;
    QTest::newRow("ceramic Orange") << true << 1 << 0 << 10.0 << "Orange" << 100.0 << "" << 0.0;
    QTest::newRow("no multiplier gives 0 pF")
        << false << 6 << 4 << 0.0 << "Green" << 0.0 << "5% (0 pF)" << 0.0;
}

void TestCapacitorCodes::colourTolerance()
{
    QFETCH(bool, ceramic);
    QFETCH(int, digit1);
    QFETCH(int, digit2);
    QFETCH(double, multiplier);
    QFETCH(QString, colour);
    QFETCH(double, picofarads);
    QFETCH(QString, tolerance);
    QFETCH(double, amount);
    const auto v = colour_codes::compose(digit1, digit2, multiplier, colour.toStdString(),
                                         ceramic ? CapacitorType::Ceramic : CapacitorType::General);
    QCOMPARE(v.picofarads, picofarads);
    QCOMPARE(QString::fromStdString(v.toleranceText), tolerance);
    QCOMPARE(v.toleranceAmount, amount);
}

void TestCapacitorCodes::colourToleranceCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    colourTolerance();
}

QTEST_APPLESS_MAIN(TestCapacitorCodes)
#include "test_capacitor_codes.moc"
