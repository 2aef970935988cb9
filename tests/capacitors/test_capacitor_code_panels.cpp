// The capacitor digit-code and colour-code panels, each built alone: what
// every list change shows, the type switch, and the values their buttons hand
// to the scale comparison sheet.

#include "capacitors/panels/capacitor_colour_panel.h"
#include "capacitors/panels/capacitor_digit_panel.h"
#include "tests/support/recorders.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QString textOf(QWidget& panel, const char* name)
{
    QObject* o = panel.findChild<QObject*>(QString::fromLatin1(name));
    if (auto* l = qobject_cast<QLabel*>(o))
        return l->text();
    if (auto* c = qobject_cast<QComboBox*>(o))
        return c->currentText();
    qFatal("no label or list named %s", name);
}

// A text typed or pasted into a list, replacing what it showed.
void setListText(QWidget& panel, const char* list, const QString& text)
{
    auto* c = panel.findChild<QComboBox*>(QString::fromLatin1(list));
    QVERIFY(c);
    c->setEditText(text);
}

QStringList itemsOf(QWidget& panel, const char* list)
{
    auto* c = panel.findChild<QComboBox*>(QString::fromLatin1(list));
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items.append(c->itemText(i));
    return items;
}

// A unit label follows its result label at 5 pixels.
bool follows(QWidget& panel, const char* result, const char* unit)
{
    auto* r = panel.findChild<QLabel*>(QString::fromLatin1(result));
    auto* u = panel.findChild<QLabel*>(QString::fromLatin1(unit));
    return u->x() == r->x() + r->width() + 5;
}

QColor swatchColour(QWidget& panel, const QString& name)
{
    return panel.findChild<QLineEdit*>(name)->palette().color(QPalette::Disabled, QPalette::Base);
}

const char* const kColourLists[] = {"ComboCap1Colour", "ComboCap2Colour", "ComboCap3Colour",
                                    "ComboCap4Colour", "ComboCap5Colour"};

QStringList colourListTexts(QWidget& panel)
{
    QStringList texts;
    for (const char* list : kColourLists)
        texts.append(textOf(panel, list));
    return texts;
}

// Value, rating, rating unit, tolerance and the hidden tolerance amount.
QStringList colourResults(QWidget& panel)
{
    return {textOf(panel, "CapValueText"), textOf(panel, "CapRatingText"), textOf(panel, "CapRatingTextUnit"),
            textOf(panel, "CapValueTol"), textOf(panel, "CapColourTol_pF")};
}

const QStringList kGeneralStart{"64000", "200", " volts", "5% (3200 pF)", "3200"};
const QStringList kCeramicStart{"64000", "-30", " temperature", "0.25 pF", "0.25"};

} // namespace

class TestCapacitorCodePanels : public QObject
{
    Q_OBJECT

private slots:
    void digitPanelStartState();
    void digitListChanges_data();
    void digitListChanges();

    void colourPanelStartState();
    void typeSwitchResetsDefaults_data();
    void typeSwitchResetsDefaults();
    void colourBandEdits_data();
    void colourBandEdits();

private:
    BoxRecorder m_boxes;
};

void TestCapacitorCodePanels::digitPanelStartState()
{
    CapacitorDigitPanel panel;
    panel.resetToStartState();
    QCOMPARE(panel.objectName(), QStringLiteral("PanelCapacitorDigitValues"));
    QCOMPARE(itemsOf(panel, "Cap3"), QStringList({"0", "1", "2", "3", "4", "5", "8", "9", "None"}));
    QCOMPARE(itemsOf(panel, "Cap4"), QStringList({"D", "F", "G", "H", "J", "K", "M", "P", "Z", "None"}));
    const QStringList shown{textOf(panel, "Cap1"),       textOf(panel, "Cap2"),
                            textOf(panel, "Cap3"),       textOf(panel, "Cap4"),
                            textOf(panel, "CapValue"),   textOf(panel, "CapTolerance"),
                            textOf(panel, "CapTolValue")};
    QCOMPARE(shown, QStringList({"0", "0", "0", "D", "0", "+/- 0.5 pF", "0.5"}));
    QVERIFY(follows(panel, "CapValue", "Label_pF"));
    QVERIFY(!panel.findChild<QLabel*>(QStringLiteral("CapTolValue"))->isVisible());
    QCOMPARE(panel.findChild<QPushButton*>(QStringLiteral("CapScaleCompareTolerance"))->text(),
             QStringLiteral("Scale Compare Telerance"));
}

void TestCapacitorCodePanels::digitListChanges_data()
{
    QTest::addColumn<QStringList>("texts"); // Cap1..Cap4, "" leaves a list as it is
    QTest::addColumn<QStringList>("shown"); // CapValue, CapTolerance, CapTolValue

    using L = QStringList;
    QTest::newRow("104K") << L{"1", "0", "4", "K"} << L{"100000", "+/- 10% (10000 pF)", "10000"};
    QTest::newRow("995Z, exponent form")
        << L{"9", "9", "5", "Z"} << L{"9900000", "+ 80% (7.92e+06 pF), -20% (1.98e+06 pF)", "7920000"};
    QTest::newRow("typed 12 in the first list") << L{"12", "", "1", "None"} << L{"1200", "(none given)", "0"};
}

void TestCapacitorCodePanels::digitListChanges()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, shown);
    CapacitorDigitPanel panel;
    panel.resetToStartState();
    const char* lists[] = {"Cap1", "Cap2", "Cap3", "Cap4"};
    for (int i = 0; i < 4; ++i) {
        if (!texts[i].isEmpty())
            setListText(panel, lists[i], texts[i]);
    }
    QCOMPARE(
        QStringList({textOf(panel, "CapValue"), textOf(panel, "CapTolerance"), textOf(panel, "CapTolValue")}),
        shown);
    QVERIFY(follows(panel, "CapValue", "Label_pF"));
    QCOMPARE(m_boxes.boxes().size(), 0);
}

void TestCapacitorCodePanels::colourPanelStartState()
{
    CapacitorColourPanel panel;
    panel.resetToStartState();
    QCOMPARE(panel.objectName(), QStringLiteral("PanelCapacitorColourCodes"));
    QVERIFY(panel.findChild<QRadioButton*>(QStringLiteral("RadBtnCapColGeneral"))->isChecked());
    QCOMPARE(colourListTexts(panel), QStringList({"Blue", "Yellow", "Orange", "Green", "Red"}));
    QCOMPARE(colourResults(panel), kGeneralStart);
    QVERIFY(follows(panel, "CapValueText", "TextRatedAt"));
    QVERIFY(follows(panel, "TextRatedAt", "CapRatingText"));
    QVERIFY(follows(panel, "CapRatingText", "CapRatingTextUnit"));
    const QColor expected[] = {QColor(0, 0, 255), QColor(255, 255, 0), QColor(255, 128, 0), QColor(0, 255, 0),
                               QColor(255, 0, 0)};
    for (int band = 1; band <= 5; ++band) {
        QCOMPARE(swatchColour(panel, QStringLiteral("CapColourGeneralBand%1").arg(band)), expected[band - 1]);
        QCOMPARE(swatchColour(panel, QStringLiteral("CapColourCeramicBand%1").arg(band)), expected[band - 1]);
    }
    panel.show();
    QVERIFY(panel.findChild<QWidget*>(QStringLiteral("ImageCapColourGeneralBody"))->isVisible());
    QVERIFY(panel.findChild<QWidget*>(QStringLiteral("CapColourGeneralBand3"))->isVisible());
    QVERIFY(!panel.findChild<QWidget*>(QStringLiteral("ImageCapColourCeramicBody"))->isVisible());
    QVERIFY(!panel.findChild<QWidget*>(QStringLiteral("CapColourCeramicBand3"))->isVisible());
}

void TestCapacitorCodePanels::typeSwitchResetsDefaults_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<bool>("ceramic");

    QTest::newRow("ceramic") << QStringList{"RadBtnCapColCeramic"} << true;
    QTest::newRow("ceramic, then general")
        << QStringList{"RadBtnCapColCeramic", "RadBtnCapColGeneral"} << false;
    QTest::newRow("general again") << QStringList{"RadBtnCapColGeneral"} << false;
}

void TestCapacitorCodePanels::typeSwitchResetsDefaults()
{
    QFETCH(QStringList, clicks);
    QFETCH(bool, ceramic);
    CapacitorColourPanel panel;
    panel.resetToStartState();
    panel.show();
    for (const QString& radio : clicks) {
        // Whatever was chosen before is replaced by the type's defaults.
        for (const char* list : kColourLists)
            setListText(panel, list, QStringLiteral("White"));
        QTest::mouseClick(panel.findChild<QRadioButton*>(radio), Qt::LeftButton, {}, QPoint(8, 8));
    }
    using L = QStringList;
    if (ceramic) {
        QCOMPARE(itemsOf(panel, "ComboCap3Colour"),
                 L({"Black", "Brown", "Red", "Orange", "Yellow", "Grey", "White"}));
        QCOMPARE(itemsOf(panel, "ComboCap4Colour"), L({"Black", "Brown", "Red", "Green", "Grey", "White"}));
        QCOMPARE(itemsOf(panel, "ComboCap5Colour"), L({"Black", "Brown", "Red", "Orange", "Yellow", "Green",
                                                       "Blue", "Violet", "Grey", "White", "Gold"}));
        QCOMPARE(colourListTexts(panel), L({"Blue", "Yellow", "Orange", "Grey", "Brown"}));
        QCOMPARE(colourResults(panel), kCeramicStart);
    } else {
        QCOMPARE(itemsOf(panel, "ComboCap3Colour"), L({"Black", "Brown", "Red", "Orange", "Yellow", "Green",
                                                       "Blue", "Violet", "Grey", "White", "Gold", "Silver"}));
        QCOMPARE(itemsOf(panel, "ComboCap4Colour"), L({"Brown", "Red", "Orange", "Yellow", "Green", "Blue",
                                                       "Violet", "Grey", "White", "Silver", "No band"}));
        QCOMPARE(itemsOf(panel, "ComboCap5Colour"), L({"Brown", "Red", "Orange", "Yellow", "Green", "Blue",
                                                       "Violet", "Grey", "White", "Gold", "Silver"}));
        QCOMPARE(colourListTexts(panel), L({"Blue", "Yellow", "Orange", "Green", "Red"}));
        QCOMPARE(colourResults(panel), kGeneralStart);
    }
    QCOMPARE(itemsOf(panel, "ComboCap1Colour").size(), 10);
    QCOMPARE(panel.findChild<QWidget*>(QStringLiteral("ImageCapColourCeramicBody"))->isVisible(), ceramic);
    QCOMPARE(panel.findChild<QWidget*>(QStringLiteral("CapColourCeramicBand5"))->isVisible(), ceramic);
    QCOMPARE(panel.findChild<QWidget*>(QStringLiteral("ImageCapColourGuidesGeneral"))->isVisible(), !ceramic);
    QCOMPARE(panel.findChild<QWidget*>(QStringLiteral("CapColourGeneralBand5"))->isVisible(), !ceramic);
    QVERIFY(follows(panel, "CapRatingText", "CapRatingTextUnit"));
}

void TestCapacitorCodePanels::colourBandEdits_data()
{
    QTest::addColumn<bool>("ceramic");
    QTest::addColumn<QStringList>("texts"); // lists 1..5, "" leaves a list as it is
    QTest::addColumn<QStringList>("results");

    using L = QStringList;
    QTest::newRow("band 3 Grey, general") << false << L{"Brown", "Black", "Grey", "", ""}
                                          << L{"1000000000", "200", " volts", "5% (5e+07 pF)", "50000000"};
    QTest::newRow("band 3 Grey, ceramic")
        << true << L{"Brown", "Black", "Grey", "", ""} << L{"0.1", "-30", " temperature", "0.25 pF", "0.25"};
    QTest::newRow("unknown band-3 colour gives 0 pF")
        << false << L{"", "", "Purple", "", ""} << L{"0", "200", " volts", "5% (0 pF)", "0"};
    QTest::newRow("then a colour of the table") << false << L{"", "", "Purple", "", ""} << L{};
    QTest::newRow("typed Black tolerance on a general capacitor")
        << false << L{"", "", "", "Black", ""} << L{"64000", "200", " volts", "", "0"};
    QTest::newRow("Gold is not a tolerance colour") << false << L{"", "", "", "Gold", ""} << kGeneralStart;
    QTest::newRow("unknown digit colour leaves the digit")
        << false << L{"Purple", "grey", "", "", ""} << kGeneralStart;
    QTest::newRow("ceramic Silver rating, not in its list")
        << true << L{"", "", "", "", "Silver"} << L{"64000", "", " temperature", "0.25 pF", "0.25"};
}

void TestCapacitorCodePanels::colourBandEdits()
{
    QFETCH(bool, ceramic);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, results);
    CapacitorColourPanel panel;
    panel.resetToStartState();
    if (ceramic)
        panel.findChild<QRadioButton*>(QStringLiteral("RadBtnCapColCeramic"))->click();
    for (int i = 0; i < 5; ++i) {
        if (!texts[i].isEmpty())
            setListText(panel, kColourLists[i], texts[i]);
    }
    if (results.isEmpty()) {
        setListText(panel, "ComboCap3Colour", QStringLiteral("Red"));
        results = QStringList{"6400", "200", " volts", "5% (320 pF)", "320"};
    }
    QCOMPARE(colourResults(panel), results);
    QVERIFY(follows(panel, "CapValueText", "TextRatedAt"));
    QVERIFY(follows(panel, "TextRatedAt", "CapRatingText"));
    QVERIFY(follows(panel, "CapRatingText", "CapRatingTextUnit"));
}

QTEST_MAIN(TestCapacitorCodePanels)
#include "test_capacitor_code_panels.moc"
