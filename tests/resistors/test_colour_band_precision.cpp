// The colour-band panel's three-digit marking, the panel built alone: the
// switch between markings, every digit and multiplier, the nearest match and
// the record line; and, through the real window, the marking kept between
// runs. The two-digit marking's own
// tests run unchanged in test_colour_band_panel.

#include "core/settings_store.h"
#include "resistors/panels/colour_band_panel.h"
#include "tests/resistors/band_swatches.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/panel_harness.h"
#include "tests/support/settings_text.h"

#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char* const kLists[] = {"ComboResCol1", "ComboResCol2", "ComboResCol3", "ComboResCol4", "ComboResCol5"};

void select(PanelHost& h, const char* list, const QString& item)
{
    auto* combo = h.find<QComboBox>(list);
    const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
}

template <typename H> QStringList bands(H& h)
{
    QStringList b;
    for (const char* name : kLists)
        b.append(h.text(name));
    return b;
}

QColor swatchColour(PanelHost& h, const char* name)
{
    return h.field(name)->palette().color(QPalette::Disabled, QPalette::Base);
}

QString storedDigits()
{
    const auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey));
    return key ? describe(key->read(QStringLiteral("Resistor Colour Band Digits"))) : QString();
}

const QStringList kThreeDigitStart{"Brown", "Black", "Black", "Brown", "Brown"};
const QString kCannotShow =
    QStringLiteral("Error: Three digit bands cannot show this value.\n\nThey reach from 1 "
                   "ohm (Brown, Black, Black, Silver) to 999 G ohms (White, White, "
                   "White, White).");

} // namespace

class TestColourBandPrecision : public QObject
{
    Q_OBJECT

private slots:
    void switchingResetsTheBands();
    void everyDigitAndMultiplier_data();
    void everyDigitAndMultiplier();
    void nearestMatch_data();
    void nearestMatch();
    void recordLineReadsThreeDigits();
    void markingKeptBetweenRuns();
};

void TestColourBandPrecision::switchingResetsTheBands()
{
    PanelHarness<ColourBandPanel> h;
    QVERIFY(h.find<QRadioButton>("RadBtnResTwoDigits")->isChecked());
    select(h, "ComboResCol1", "Orange");
    h.click("RadBtnResThreeDigits");
    QCOMPARE(bands(h), kThreeDigitStart);
    QCOMPARE(h.text("ResValue"), QStringLiteral("1000"));
    QCOMPARE(h.text("ResValueK"), QStringLiteral("1"));
    QCOMPARE(h.text("ResValueM"), QStringLiteral("0.001"));
    QCOMPARE(h.text("ToleranceValue"), QStringLiteral("Extra info: Tolerance is +/- 10 ohms (1 %)"));
    QVERIFY(h.find<QLabel>("LabelTempCoeff")->isHidden());
    auto* multipliers = h.find<QComboBox>("ComboResCol4");
    QCOMPARE(multipliers->count(), 12);
    QCOMPARE(multipliers->itemText(0), QStringLiteral("Silver"));
    QCOMPARE(multipliers->itemText(11), QStringLiteral("White"));
    QCOMPARE(h.find<QComboBox>("ComboResCol5")->itemText(7), QStringLiteral("No band"));
    // Four bands close together, the tolerance apart; no body-tip-spot drawing.
    QCOMPARE(h.field("ResBand4Colour")->x() - h.field("ResBand3Colour")->x(), 24);
    QCOMPARE(h.field("ResBand5Colour")->x() - h.field("ResBand4Colour")->x(), 40);
    QVERIFY(h.find<QWidget>("ResImageBody")->isHidden());
    QVERIFY(h.find<QWidget>("ResImageTol")->isHidden());
    QVERIFY(!h.find<QWidget>("LabelBodyTipSpotNotUsed")->isHidden());

    // The tolerance is band 5 now; it never brings back the drawing or the
    // temperature coefficient.
    select(h, "ComboResCol5", "No band");
    QCOMPARE(h.text("ToleranceValue"), QStringLiteral("Extra info: Tolerance is +/- 200 ohms (20 %)"));
    QVERIFY(h.find<QLabel>("LabelTempCoeff")->isHidden());
    QVERIFY(h.find<QWidget>("ResImageTol")->isHidden());

    h.click("RadBtnResTwoDigits");
    QCOMPARE(bands(h), (QStringList{"Brown", "Red", "Gold", "Violet", "Grey"}));
    QCOMPARE(h.text("ResValue"), QStringLiteral("1.2"));
    QCOMPARE(h.text("ToleranceValue") + h.text("LabelTempCoeff"),
             QStringLiteral("Extra info: Tolerance is +/- 0.0012 ohms (0.1 %), Temperature Coefficient is 1 "
                            "ppm/degrees C"));
    QVERIFY(!h.find<QLabel>("LabelTempCoeff")->isHidden());
    QCOMPARE(h.field("ResBand5Colour")->x() - h.field("ResBand4Colour")->x(), 24);
    QVERIFY(!h.find<QWidget>("ResImageBody")->isHidden());
    QVERIFY(!h.find<QWidget>("ResImageTol")->isHidden());
    QVERIFY(h.find<QWidget>("LabelBodyTipSpotNotUsed")->isHidden());
    QVERIFY(h.boxes.boxes().isEmpty());
}

void TestColourBandPrecision::everyDigitAndMultiplier_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("ohms");
    QTest::addColumn<QString>("text"); // the band's text

    // From Brown, Black, Black, Brown: 100 x 10 = 1000 ohms. Each digit once,
    // in each of the three places.
    QTest::newRow("band 1 Black") << 1 << "Black"
                                  << "0"
                                  << "0";
    QTest::newRow("band 2 Brown") << 2 << "Brown"
                                  << "1100"
                                  << "1";
    QTest::newRow("band 3 Red") << 3 << "Red"
                                << "1020"
                                << "2";
    QTest::newRow("band 1 Orange") << 1 << "Orange"
                                   << "3000"
                                   << "3";
    QTest::newRow("band 2 Yellow") << 2 << "Yellow"
                                   << "1400"
                                   << "4";
    QTest::newRow("band 3 Green") << 3 << "Green"
                                  << "1050"
                                  << "5";
    QTest::newRow("band 1 Blue") << 1 << "Blue"
                                 << "6000"
                                 << "6";
    QTest::newRow("band 2 Violet") << 2 << "Violet"
                                   << "1700"
                                   << "7";
    QTest::newRow("band 3 Grey") << 3 << "Grey"
                                 << "1080"
                                 << "8";
    QTest::newRow("band 1 White") << 1 << "White"
                                  << "9000"
                                  << "9";
    QTest::newRow("multiplier Silver") << 4 << "Silver"
                                       << "1"
                                       << "/ 100";
    QTest::newRow("multiplier Gold") << 4 << "Gold"
                                     << "10"
                                     << "/ 10";
    QTest::newRow("multiplier Black") << 4 << "Black"
                                      << "100"
                                      << "x 1";
    QTest::newRow("multiplier Brown") << 4 << "Brown"
                                      << "1000"
                                      << "x 10";
    QTest::newRow("multiplier Red") << 4 << "Red"
                                    << "10000"
                                    << "x 100";
    QTest::newRow("multiplier Orange") << 4 << "Orange"
                                       << "100000"
                                       << "x 1000";
    QTest::newRow("multiplier Yellow") << 4 << "Yellow"
                                       << "1000000"
                                       << "x 10000";
    QTest::newRow("multiplier Green") << 4 << "Green"
                                      << "10000000"
                                      << "x 100000";
    QTest::newRow("multiplier Blue") << 4 << "Blue"
                                     << "100000000"
                                     << "x 1000000";
    QTest::newRow("multiplier Violet") << 4 << "Violet"
                                       << "1000000000"
                                       << "x 10000000";
    QTest::newRow("multiplier Grey") << 4 << "Grey"
                                     << "10000000000"
                                     << "x 100000000";
    QTest::newRow("multiplier White") << 4 << "White"
                                      << "100000000000"
                                      << "x 1000000000";
}

void TestColourBandPrecision::everyDigitAndMultiplier()
{
    QFETCH(int, band);
    QFETCH(QString, item);
    QFETCH(QString, ohms);
    QFETCH(QString, text);
    PanelHarness<ColourBandPanel> h;
    h.click("RadBtnResThreeDigits");
    select(h, kLists[band - 1], item);
    QCOMPARE(h.text("ResValue"), ohms);
    QCOMPARE(h.text(("Calc" + QByteArray::number(band)).constData()), text);
    QCOMPARE(swatchColour(h, ("ResBand" + QByteArray::number(band) + "Colour").constData()), swatchOf(item));
}

void TestColourBandPrecision::nearestMatch_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("expected"); // the five bands
    QTest::addColumn<QString>("confirmed");    // ohms after Confirm
    QTest::addColumn<QStringList>("boxes");

    // Before each row: band 1 Orange and the tolerance Red, so a row that
    // changes nothing shows it, and the tolerance is seen to stay.
    using L = QStringList;
    const L unchanged{"Orange", "Black", "Black", "Brown", "Red"};
    QTest::newRow("1 ohm") << "ResValue"
                           << "1" << L{"Brown", "Black", "Black", "Silver", "Red"} << "1" << L{};
    QTest::newRow("10 ohms") << "ResValue"
                             << "10" << L{"Brown", "Black", "Black", "Gold", "Red"} << "10" << L{};
    QTest::newRow("1 k") << "ResValueK"
                         << "1" << L{"Brown", "Black", "Black", "Brown", "Red"} << "1000" << L{};
    QTest::newRow("4.99 k") << "ResValueK"
                            << "4.99" << L{"Yellow", "White", "White", "Brown", "Red"} << "4990" << L{};
    QTest::newRow("100 k") << "ResValueK"
                           << "100" << L{"Brown", "Black", "Black", "Orange", "Red"} << "100000" << L{};
    QTest::newRow("1 M") << "ResValueM"
                         << "1" << L{"Brown", "Black", "Black", "Yellow", "Red"} << "1000000" << L{};
    QTest::newRow("4990 is 499 x 10")
        << "ResValue"
        << "4990" << L{"Yellow", "White", "White", "Brown", "Red"} << "4990" << L{};
    QTest::newRow("4996 rounds up to 500 x 10")
        << "ResValue"
        << "4996" << L{"Green", "Black", "Black", "Brown", "Red"} << "5000" << L{};
    QTest::newRow("12345 is 123 x 100")
        << "ResValue"
        << "12345" << L{"Brown", "Red", "Orange", "Red", "Red"} << "12300" << L{};
    // 1.005 is stored as 1.00499999999999989..., so it rounds down.
    QTest::newRow("1.005 gives 1.00")
        << "ResValue"
        << "1.005" << L{"Brown", "Black", "Black", "Silver", "Red"} << "1" << L{};
    QTest::newRow("0.5 is below the bands") << "ResValue"
                                            << "0.5" << unchanged << "3000" << L{kCannotShow};
    QTest::newRow("2e12 is beyond the bands") << "ResValue"
                                              << "2e12" << unchanged << "3000" << L{kCannotShow};
    QTest::newRow("negative") << "ResValue"
                              << "-47" << unchanged << "3000" << L{kCannotShow};
}

void TestColourBandPrecision::nearestMatch()
{
    QFETCH(QString, field);
    QFETCH(QString, entry);
    QFETCH(QStringList, expected);
    QFETCH(QString, confirmed);
    QFETCH(QStringList, boxes);
    PanelHarness<ColourBandPanel> h;
    h.click("RadBtnResThreeDigits");
    select(h, "ComboResCol1", "Orange");
    select(h, "ComboResCol5", "Red");
    h.click("ClearResValues");
    h.type(field.toLatin1().constData(), entry);
    h.click("CalculateResValues");
    QStringList shown;
    for (const RecordedBox& b : h.boxes.boxes())
        shown.append(b.title + QStringLiteral(": ") + b.text);
    QCOMPARE(shown, boxes);
    QCOMPARE(bands(h), expected);
    QCOMPARE(h.text(field.toLatin1().constData()), entry); // the value asked for stays
    h.click("ConfirmResValues");
    QCOMPARE(h.text("ResValue"), confirmed);
}

void TestColourBandPrecision::recordLineReadsThreeDigits()
{
    PanelHarness<ColourBandPanel> h;
    h.click("RadBtnResThreeDigits");
    h.click("ClearResValues");
    h.type("ResValueK", QStringLiteral("4.99"));
    h.click("CalculateResValues");
    h.click("ConfirmResValues");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parts.RES"));
    h.files.choose(path);
    h.click("SaveValues");
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(),
             QByteArray("Resistor: Bands - Yellow,White,White,Brown,Brown - Value: 4990 ohms Extra "
                        "info: Tolerance is +/- 49.9 ohms (1 %)\r\n"));
}

void TestColourBandPrecision::markingKeptBetweenRuns()
{
    MainWindowHarness h;
    h.open();
    h.click("RadBtnResThreeDigits");
    QVERIFY(h.window().close());
    QCOMPARE(storedDigits(), QStringLiteral("dword:3"));
    h.close();

    h.open();
    QVERIFY(h.find<QRadioButton>("RadBtnResThreeDigits")->isChecked());
    QCOMPARE(bands(h), kThreeDigitStart);
    QCOMPARE(h.text("ResValue"), QStringLiteral("1000"));
    QVERIFY(h.find<QWidget>("ResImageBody")->isHidden());
    h.click("RadBtnResTwoDigits");
    QVERIFY(h.window().close());
    QCOMPARE(storedDigits(), QStringLiteral("dword:2"));
}

QTEST_MAIN(TestColourBandPrecision)
#include "test_colour_band_precision.moc"
