// The colour-band panel built alone: bands to value, value to bands, and the
// hold that keeps the user's value in place; and the bands it opens on in the
// real main window.

#include "artwork/artwork.h"
#include "resistors/panels/colour_band_panel.h"
#include "tests/resistors/band_swatches.h"
#include "tests/support/comma_locale.h"
#include "tests/support/main_window_harness.h"
#include "tests/support/panel_harness.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QTest>

class TestColourBandPanel : public QObject
{
    Q_OBJECT

private:
    void select(PanelHost& h, const char* list, const QString& item)
    {
        auto* combo = h.find<QComboBox>(list);
        const int index = combo->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        QVERIFY2(index >= 0, qPrintable(item));
        combo->setCurrentIndex(index);
    }
    void typeInto(PanelHost& h, const char* list, const QString& text)
    {
        auto* combo = h.find<QComboBox>(list);
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), text);
    }
    template <typename H> QStringList bands(H& h)
    {
        QStringList b;
        for (const char* name :
             {"ComboResCol1", "ComboResCol2", "ComboResCol3", "ComboResCol4", "ComboResCol5"})
            b.append(h.text(name));
        return b;
    }
    bool showsPicture(QLabel* label, const QPixmap& expected)
    {
        return label->pixmap().toImage() == expected.toImage();
    }
    QColor swatchColour(PanelHost& h, const char* name)
    {
        return h.field(name)->palette().color(QPalette::Disabled, QPalette::Base);
    }
    // What the bands show: the values, both labels and every swatch.
    QStringList bandState(PanelHost& h)
    {
        QStringList state;
        for (const char* name : {"ResValue", "ResValueK", "ResValueM", "ToleranceValue", "LabelTempCoeff"})
            state.append(h.text(name));
        state.append(h.find<QLabel>("LabelTempCoeff")->isHidden() ? "hidden" : "shown");
        for (const char* name : {"ResBand1Colour", "ResBand2Colour", "ResBand3Colour", "ResBand4Colour",
                                 "ResBand5Colour", "ResImageSpot"})
            state.append(swatchColour(h, name).name());
        return state;
    }
    // A result as the user's locale writes it.
    static QString localised(QString text) { return text.replace(u'.', QLocale().decimalPoint()); }

private slots:
    void opensOnTheDefaultBands();
    void bandsGiveValue_data();
    void bandsGiveValue();
    void everyBandItem_data();
    void everyBandItem();
    void noBandToleranceHidesPicture();
    void lowerCaseTextMatchesNothing();
    void typedNameChangesBandOnlyWhenWhole_data();
    void typedNameChangesBandOnlyWhenWhole();
    void fifthBandLeavesValueFields();
    void valueGivesBands_data();
    void valueGivesBands();
    void valueGivesBandsCommaLocale_data() { valueGivesBands_data(); }
    void valueGivesBandsCommaLocale();
    void valueMessages_data();
    void valueMessages();
    void clearAllKeepsBands();
    void overflowChangesNothing();
    void standardValuesBesideTheValue();
    void standardValuesCommaLocale();
};

void TestColourBandPanel::opensOnTheDefaultBands()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorColourBands"));
    QCOMPARE(w.currentHelpPage(), QStringLiteral("ResistorColourBands.htm"));
    QCOMPARE(bands(h), (QStringList{"Brown", "Red", "Gold", "Violet", "Grey"}));
    QCOMPARE(h.text("ResValue"), QStringLiteral("1.2"));
    QCOMPARE(h.text("ResValueK"), QStringLiteral("0.0012"));
    QCOMPARE(h.text("ResValueM"), QStringLiteral("1.2E-6"));
    auto* tolerance = h.find<QLabel>("ToleranceValue");
    auto* coefficient = h.find<QLabel>("LabelTempCoeff");
    QCOMPARE(tolerance->text() + coefficient->text(),
             QStringLiteral("Extra info: Tolerance is +/- 0.0012 ohms (0.1 %), Temperature Coefficient is 1 "
                            "ppm/degrees C"));
    QVERIFY(!coefficient->isHidden());
    QCOMPARE(coefficient->x(), tolerance->x() + tolerance->width());
    QCOMPARE(h.text("TagName"), QStringLiteral("Resistor"));
    QCOMPARE(h.field("ResValue")->maxLength(), 50);
    QVERIFY(h.boxes.boxes().isEmpty());
}

void TestColourBandPanel::bandsGiveValue_data()
{
    QTest::addColumn<QStringList>("choice");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<bool>("coefficientShown");

    QTest::newRow("1000 ohms, 5 %, no fifth band")
        << QStringList{"Brown", "Black", "Red", "Gold", "No band"} << QStringList{"1000", "1", "0.001"}
        << "Extra info: Tolerance is +/- 50 ohms (5 %)" << false;
    QTest::newRow("4.7 ohms") << QStringList{"Yellow", "Violet", "Gold", "Violet", "Grey"}
                              << QStringList{"4.7", "0.0047", "4.7E-6"}
                              << "Extra info: Tolerance is +/- 0.0047 ohms (0.1 %)" << true;
    QTest::newRow("black first band")
        << QStringList{"Black", "Green", "Black", "Violet", "Grey"} << QStringList{"5", "0.005", "5E-6"}
        << "Extra info: Tolerance is +/- 0.005 ohms (0.1 %)" << true;
    QTest::newRow("black black is zero")
        << QStringList{"Black", "Black", "Orange", "Gold", "Red"} << QStringList{"0", "0", "0"}
        << "Extra info: Tolerance is +/- 0 ohms (5 %)" << true;
    QTest::newRow("white white gray") << QStringList{"White", "White", "Gray", "Silver", "Black"}
                                      << QStringList{"9900000000", "9900000", "9900"}
                                      << "Extra info: Tolerance is +/- 990000000 ohms (10 %)" << true;
}

void TestColourBandPanel::bandsGiveValue()
{
    QFETCH(QStringList, choice);
    QFETCH(QStringList, values);
    QFETCH(QString, tolerance);
    QFETCH(bool, coefficientShown);
    PanelHarness<ColourBandPanel> h;
    const char* lists[] = {"ComboResCol1", "ComboResCol2", "ComboResCol3", "ComboResCol4", "ComboResCol5"};
    for (int i = 0; i < 5; ++i)
        select(h, lists[i], choice[i]);
    QCOMPARE(h.text("ResValue"), values[0]);
    QCOMPARE(h.text("ResValueK"), values[1]);
    QCOMPARE(h.text("ResValueM"), values[2]);
    QCOMPARE(h.text("ToleranceValue"), tolerance);
    QCOMPARE(!h.find<QLabel>("LabelTempCoeff")->isHidden(), coefficientShown);
}

void TestColourBandPanel::everyBandItem_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("item");
    QTest::addColumn<qlonglong>("ohms");
    QTest::addColumn<QString>("text"); // band 3: its band text; 4: the tolerance; 5: the coefficient

    // From Brown, Black, Red, Gold, Grey: 10 x 100 = 1000 ohms.
    QTest::newRow("band 3 Gold") << 3 << "Gold" << 1LL << "/ 10";
    QTest::newRow("band 3 Black") << 3 << "Black" << 10LL << "x 1";
    QTest::newRow("band 3 Brown") << 3 << "Brown" << 100LL << "x 10";
    QTest::newRow("band 3 Red") << 3 << "Red" << 1000LL << "x 100";
    QTest::newRow("band 3 Orange") << 3 << "Orange" << 10000LL << "x 1000";
    QTest::newRow("band 3 Yellow") << 3 << "Yellow" << 100000LL << "x 10000";
    QTest::newRow("band 3 Green") << 3 << "Green" << 1000000LL << "x 100000";
    QTest::newRow("band 3 Blue") << 3 << "Blue" << 10000000LL << "x 1000000";
    QTest::newRow("band 3 Violet") << 3 << "Violet" << 100000000LL << "x 10000000";
    QTest::newRow("band 3 Gray") << 3 << "Gray" << 1000000000LL << "x 100000000";
    const QString tolerance = QStringLiteral("Extra info: Tolerance is +/- %1 ohms (%2 %)");
    QTest::newRow("band 4 Violet") << 4 << "Violet" << 1000LL << tolerance.arg("1", "0.1");
    QTest::newRow("band 4 Blue") << 4 << "Blue" << 1000LL << tolerance.arg("2.5", "0.25");
    QTest::newRow("band 4 Green") << 4 << "Green" << 1000LL << tolerance.arg("5", "0.5");
    QTest::newRow("band 4 Brown") << 4 << "Brown" << 1000LL << tolerance.arg("10", "1");
    QTest::newRow("band 4 Red") << 4 << "Red" << 1000LL << tolerance.arg("20", "2");
    QTest::newRow("band 4 Gold") << 4 << "Gold" << 1000LL << tolerance.arg("50", "5");
    QTest::newRow("band 4 Silver") << 4 << "Silver" << 1000LL << tolerance.arg("100", "10");
    QTest::newRow("band 4 No band") << 4 << "No band" << 1000LL << tolerance.arg("200", "20");
    const QString coefficient = QStringLiteral(", Temperature Coefficient is %1 ppm/degrees C");
    QTest::newRow("band 5 Grey") << 5 << "Grey" << 1000LL << coefficient.arg(1);
    QTest::newRow("band 5 Violet") << 5 << "Violet" << 1000LL << coefficient.arg(5);
    QTest::newRow("band 5 Blue") << 5 << "Blue" << 1000LL << coefficient.arg(10);
    QTest::newRow("band 5 Orange") << 5 << "Orange" << 1000LL << coefficient.arg(15);
    QTest::newRow("band 5 Yellow") << 5 << "Yellow" << 1000LL << coefficient.arg(25);
    QTest::newRow("band 5 Red") << 5 << "Red" << 1000LL << coefficient.arg(50);
    QTest::newRow("band 5 Brown") << 5 << "Brown" << 1000LL << coefficient.arg(100);
    QTest::newRow("band 5 Black") << 5 << "Black" << 1000LL << coefficient.arg(200);
    QTest::newRow("band 5 No band hides the label") << 5 << "No band" << 1000LL << QString();
}

void TestColourBandPanel::everyBandItem()
{
    QFETCH(int, band);
    QFETCH(QString, item);
    QFETCH(qlonglong, ohms);
    QFETCH(QString, text);
    PanelHarness<ColourBandPanel> h;
    select(h, "ComboResCol2", "Black");
    select(h, "ComboResCol3", "Red");
    select(h, "ComboResCol4", "Gold");
    select(h, ("ComboResCol" + QByteArray::number(band)).constData(), item);
    QCOMPARE(h.text("ResValue"), QString::number(ohms));
    auto* coefficient = h.find<QLabel>("LabelTempCoeff");
    const QString shown = band == 3   ? h.text("Calc3")
                          : band == 4 ? h.text("ToleranceValue")
                                      : (coefficient->isHidden() ? QString() : coefficient->text());
    QCOMPARE(shown, text);
    const QColor swatch = swatchOf(item);
    QCOMPARE(swatchColour(h, ("ResBand" + QByteArray::number(band) + "Colour").constData()), swatch);
    if (band == 3)
        QCOMPARE(swatchColour(h, "ResImageSpot"), swatch);
}

void TestColourBandPanel::noBandToleranceHidesPicture()
{
    PanelHarness<ColourBandPanel> h;
    auto* picture = h.find<QLabel>("ResImageTol");
    select(h, "ComboResCol4", "No band");
    QVERIFY(picture->isHidden());
    QCOMPARE(h.text("ToleranceValue"), QStringLiteral("Extra info: Tolerance is +/- 0.24 ohms (20 %)"));
    select(h, "ComboResCol4", "Gold");
    QVERIFY(!picture->isHidden());
    QVERIFY(showsPicture(picture, artwork::toleranceImage(5)));
}

void TestColourBandPanel::lowerCaseTextMatchesNothing()
{
    PanelHarness<ColourBandPanel> h;
    select(h, "ComboResCol1", "Yellow");
    QVERIFY(showsPicture(h.find<QLabel>("ResImageBody"), artwork::bodyImage(4)));
    typeInto(h, "ComboResCol1", QStringLiteral("brown"));
    // The digit stays 4; the picture falls back to the first one (black).
    QCOMPARE(h.text("ResValue"), QStringLiteral("4.2"));
    QVERIFY(showsPicture(h.find<QLabel>("ResImageBody"), artwork::bodyImage(0)));
    typeInto(h, "ComboResCol1", QStringLiteral("Brown"));
    QCOMPARE(h.text("ResValue"), QStringLiteral("1.2"));
    QVERIFY(showsPicture(h.find<QLabel>("ResImageBody"), artwork::bodyImage(1)));

    // An unknown tolerance text shows the first tolerance picture and keeps 0.1 %.
    select(h, "ComboResCol4", "No band");
    typeInto(h, "ComboResCol4", QStringLiteral("gold"));
    QVERIFY(!h.find<QLabel>("ResImageTol")->isHidden());
    QVERIFY(showsPicture(h.find<QLabel>("ResImageTol"), artwork::toleranceImage(0)));
    QCOMPARE(h.text("ToleranceValue"), QStringLiteral("Extra info: Tolerance is +/- 0.24 ohms (20 %)"));
}

void TestColourBandPanel::typedNameChangesBandOnlyWhenWhole_data()
{
    QTest::addColumn<int>("band");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("ohms");       // after the last key
    QTest::addColumn<QString>("swatch"); // the band's colour after the last key

    // From Yellow, Violet, Red, Gold, Red: 4700 ohms.
    QTest::newRow("Gold in band 1") << 1 << "Gold" << 4700 << "Yellow";
    QTest::newRow("Grey in band 3") << 3 << "Grey" << 4700 << "Red";
    QTest::newRow("No Band in band 4") << 4 << "No Band" << 4700 << "Gold";
    QTest::newRow("Black in band 4") << 4 << "Black" << 4700 << "Gold";
    QTest::newRow("Gray in band 5") << 5 << "Gray" << 4700 << "Red";
    QTest::newRow("Orange in band 1, on the last key") << 1 << "Orange" << 3700 << "Orange";
}

void TestColourBandPanel::typedNameChangesBandOnlyWhenWhole()
{
    QFETCH(int, band);
    QFETCH(QString, typed);
    QFETCH(int, ohms);
    QFETCH(QString, swatch);
    PanelHarness<ColourBandPanel> h;
    QVERIFY(h.show());
    const QStringList start{"Yellow", "Violet", "Red", "Gold", "Red"};
    const QByteArray list = "ComboResCol" + QByteArray::number(band);
    const QByteArray swatchName = "ResBand" + QByteArray::number(band) + "Colour";
    for (int i = 0; i < 5; ++i)
        select(h, ("ComboResCol" + QByteArray::number(i + 1)).constData(), start[i]);
    QCOMPARE(h.text("ResValue"), QStringLiteral("4700"));
    const QStringList before = bandState(h);

    auto* edit = h.find<QComboBox>(list.constData())->lineEdit();
    h.host().activateWindow();
    edit->setFocus();
    edit->clear();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        QTest::keyClick(edit, typed[i].toLatin1());
        if (i + 1 < typed.size())
            QVERIFY2(bandState(h) == before, qPrintable(typed.left(i + 1) + " changed the band"));
    }
    QCOMPARE(edit->text(), typed);
    QCOMPARE(h.text("ResValue"), QString::number(ohms));
    QCOMPARE(swatchColour(h, swatchName.constData()), swatchOf(swatch));
    if (ohms == 4700)
        QCOMPARE(bandState(h), before);
}

void TestColourBandPanel::fifthBandLeavesValueFields()
{
    PanelHarness<ColourBandPanel> h;
    h.field("ResValue")->setText(QStringLiteral("typed by hand"));
    select(h, "ComboResCol5", "Black");
    QCOMPARE(h.text("ResValue"), QStringLiteral("typed by hand"));
    QCOMPARE(h.text("LabelTempCoeff"), QStringLiteral(", Temperature Coefficient is 200 ppm/degrees C"));
    typeInto(h, "ComboResCol5", QStringLiteral("Pink"));
    QCOMPARE(h.text("LabelTempCoeff"), QStringLiteral(", Temperature Coefficient is 200 ppm/degrees C"));
    select(h, "ComboResCol5", "No band");
    QVERIFY(h.find<QLabel>("LabelTempCoeff")->isHidden());
}

void TestColourBandPanel::valueGivesBands_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("values");   // ohms, K, M after Calculate
    QTest::addColumn<QStringList>("expected"); // the five bands
    QTest::addColumn<QString>("confirmed");    // ohms after Confirm

    QTest::newRow("4700") << "ResValue"
                          << "4700" << QStringList{"4700", "4.7", "0.0047"}
                          << QStringList{"Yellow", "Violet", "Red", "No band", "No band"} << "4700";
    QTest::newRow("4790 is cut to 4700")
        << "ResValue"
        << "4790" << QStringList{"4790", "4.79", "0.00479"}
        << QStringList{"Yellow", "Violet", "Red", "No band", "No band"} << "4700";
    QTest::newRow("4.7 K") << "ResValueK"
                           << "4.7" << QStringList{"4700", "4.7", "0.0047"}
                           << QStringList{"Yellow", "Violet", "Red", "No band", "No band"} << "4700";
    QTest::newRow("2.2 M") << "ResValueM"
                           << "2.2" << QStringList{"2200000", "2200", "2.2"}
                           << QStringList{"Red", "Red", "Green", "No band", "No band"} << "2200000";
    QTest::newRow("0.47") << "ResValue"
                          << "0.47" << QStringList{"0.47", "0.00047", "4.7E-7"}
                          << QStringList{"Black", "Yellow", "Gold", "No band", "No band"} << "0.4";
    QTest::newRow("5") << "ResValue"
                       << "5" << QStringList{"5", "0.005", "5E-6"}
                       << QStringList{"Green", "Black", "Gold", "No band", "No band"} << "5";
    QTest::newRow("9.9999999 gives 10")
        << "ResValue"
        << "9.9999999" << QStringList{"9.9999999", "0.0099999999", "9.9999999E-6"}
        << QStringList{"Brown", "Black", "Black", "No band", "No band"} << "10";
    QTest::newRow("ten integer digits keep band 3")
        << "ResValue"
        << "1000000000" << QStringList{"1000000000", "1000000", "1000"}
        << QStringList{"Brown", "Black", "Gold", "No band", "No band"} << "1";
    QTest::newRow("-47 keeps band 1")
        << "ResValue"
        << "-47" << QStringList{"-47", "-0.047", "-4.7E-5"}
        << QStringList{"Brown", "Yellow", "Brown", "No band", "No band"} << "140";
    if (QTest::currentTestFunction() == QByteArrayLiteral("valueGivesBandsCommaLocale"))
        QTest::newRow("4,7 with the user's separator")
            << "ResValue"
            << "4,7" << QStringList{"4,7", "0.0047", "4.7E-6"}
            << QStringList{"Yellow", "Violet", "Gold", "No band", "No band"} << "4.7";
}

void TestColourBandPanel::valueGivesBands()
{
    QFETCH(QString, field);
    QFETCH(QString, entry);
    QFETCH(QStringList, values);
    QFETCH(QStringList, expected);
    QFETCH(QString, confirmed);
    PanelHarness<ColourBandPanel> h;
    h.click("ClearResValues");
    h.type(field.toLatin1().constData(), entry);
    h.click("CalculateResValues");
    QVERIFY(h.boxes.boxes().isEmpty());
    // The hold keeps the user's value while the bands are set; the completed
    // units are written with the user's decimal separator.
    const char* const valueFields[] = {"ResValue", "ResValueK", "ResValueM"};
    for (int i = 0; i < 3; ++i)
        QCOMPARE(h.text(valueFields[i]), field == valueFields[i] ? values[i] : localised(values[i]));
    QCOMPARE(bands(h), expected);
    QVERIFY(h.find<QLabel>("ResImageTol")->isHidden());
    QVERIFY(h.find<QLabel>("LabelTempCoeff")->isHidden());
    h.click("ConfirmResValues");
    QCOMPARE(h.text("ResValue"), localised(confirmed));
}

void TestColourBandPanel::valueGivesBandsCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    valueGivesBands();
}

void TestColourBandPanel::valueMessages_data()
{
    QTest::addColumn<QStringList>("entries"); // ohms, K, M
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after");

    QTest::newRow("two fields")
        << QStringList{"100", "0.1", ""} << QStringList{"Error"}
        << "Too many values provided.\n\nEnsure that you only enter one of the ohm, K ohm or "
           "M ohm values."
        << QStringList{"100", "0.1", ""};
    QTest::newRow("no field")
        << QStringList{"", "", ""} << QStringList{"Error"}
        << "Not enough values provided.\n\nEnsure that you enter one of the ohm, K ohm or M ohm "
           "values."
        << QStringList{"", "", ""};
    QTest::newRow("zero ohms") << QStringList{"0", "", ""} << QStringList{"Ohms Error"}
                               << "Entry not a floating point number" << QStringList{"", "", ""};
    QTest::newRow("two bad fields") << QStringList{"", "abc", "0.0"}
                                    << QStringList{"K Ohm Error", "M Ohm Error"}
                                    << "Entry not a floating point number" << QStringList{"", "", ""};
}

void TestColourBandPanel::valueMessages()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, titles);
    QFETCH(QString, text);
    QFETCH(QStringList, after);
    PanelHarness<ColourBandPanel> h;
    select(h, "ComboResCol1", "Orange");
    const QStringList before = bands(h);
    h.type("ResValue", entries[0]);
    h.type("ResValueK", entries[1]);
    h.type("ResValueM", entries[2]);
    h.click("CalculateResValues");
    QCOMPARE(h.boxes.titles(), titles);
    QCOMPARE(h.boxes.boxes().last().text, text);
    QCOMPARE(h.boxes.boxes().last().icon, ui::BoxIcon::None);
    QCOMPARE(h.text("ResValue"), after[0]);
    QCOMPARE(h.text("ResValueK"), after[1]);
    QCOMPARE(h.text("ResValueM"), after[2]);
    QCOMPARE(bands(h), before);
}

void TestColourBandPanel::clearAllKeepsBands()
{
    PanelHarness<ColourBandPanel> h;
    const QString tolerance = h.text("ToleranceValue");
    h.click("ClearResValues");
    QCOMPARE(h.text("ResValue"), QString());
    QCOMPARE(h.text("ResValueK"), QString());
    QCOMPARE(h.text("ResValueM"), QString());
    QCOMPARE(bands(h), (QStringList{"Brown", "Red", "Gold", "Violet", "Grey"}));
    QCOMPARE(h.text("ToleranceValue"), tolerance);
    h.type("ResValueK", QStringLiteral("3.3"));
    h.click("BtnClearResValueK");
    QCOMPARE(h.text("ResValueK"), QString());
}

void TestColourBandPanel::overflowChangesNothing()
{
    PanelHarness<ColourBandPanel> h;
    h.click("ClearResValues");
    h.type("ResValueM", QStringLiteral("1e305"));
    h.click("CalculateResValues");
    QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("Tarvolen Ohmbrook")});
    QCOMPARE(h.boxes.boxes().first().text, QStringLiteral("Floating point overflow."));
    QCOMPARE(h.boxes.boxes().first().icon, ui::BoxIcon::Critical);
    QCOMPARE(h.text("ResValue"), QString());
    QCOMPARE(h.text("ResValueK"), QString());
    QCOMPARE(bands(h), (QStringList{"Brown", "Red", "Gold", "Violet", "Grey"}));
    // The hold is released, so the bands write the value fields again.
    QCOMPARE(h.text("ResValueM"), QStringLiteral("1e305"));
    h.click("ConfirmResValues");
    QCOMPARE(h.text("ResValue"), QStringLiteral("1.2"));
}

void TestColourBandPanel::standardValuesBesideTheValue()
{
    PanelHarness<ColourBandPanel> h;
    auto* standard = h.find<QLabel>("ResStandardValues");
    // 1.2 ohms: E96 has 1.18 and 1.21, and 1.21 is nearer.
    QCOMPARE(standard->text(), localised("E12: 1.2 (0.0 %)\nE24: 1.2 (0.0 %)\nE96: 1.21 (+0.8 %)"));

    // The value asked for, not the bands' 4700: 4.7 k lies 90 ohms (1.9 %)
    // below 4790, 4.75 k 40 ohms (0.8 %).
    h.click("ClearResValues");
    h.type("ResValue", QStringLiteral("4790"));
    h.click("CalculateResValues");
    QCOMPARE(standard->text(), localised("E12: 4.7 k (-1.9 %)\nE24: 4.7 k (-1.9 %)\nE96: 4.75 k (-0.8 %)"));
    QCOMPARE(bands(h), (QStringList{"Yellow", "Violet", "Red", "No band", "No band"}));
    QCOMPARE(h.text("ResValueK"), localised("4.79"));
    QVERIFY(h.boxes.boxes().isEmpty());

    // Confirm shows the bands' value, and the lines follow it.
    h.click("ConfirmResValues");
    QCOMPARE(h.text("ResValue"), QStringLiteral("4700"));
    QCOMPARE(standard->text(), localised("E12: 4.7 k (0.0 %)\nE24: 4.7 k (0.0 %)\nE96: 4.75 k (+1.1 %)"));

    // Black, Black is 0 ohms: there is nothing to buy.
    select(h, "ComboResCol1", "Black");
    select(h, "ComboResCol2", "Black");
    QVERIFY(standard->isHidden());
    QVERIFY(h.find<QLabel>("LabelStandardValues")->isHidden());
}

void TestColourBandPanel::standardValuesCommaLocale()
{
    const testlocale::CommaLocale comma;
    QVERIFY2(comma.failure().isEmpty(), qPrintable(comma.failure()));
    standardValuesBesideTheValue();
}

QTEST_MAIN(TestColourBandPanel)
#include "test_colour_band_panel.moc"
