// The settings through the real main window: what a start makes of the
// stored values (tree options and frequency-slider limits), what the close
// writes back, the Options dialog however it is closed, and the warning when
// the settings cannot be written.

#include "core/settings_store.h"
#include "tests/support/gui_test_helpers.h"
#include "tests/support/settings_text.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>
#include <QTimer>

namespace {

const QByteArray kAcceptedFile = "Windows Registry Editor Version 5.00\n\n"
                                 "[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook]\n"
                                 "\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"\n";
// The values the close writes, in the order it writes them.
const char* const kSavedNames[] = {"Expand Category List When Launched", "Auto Expand Category List",
                                   "Freq Convert Slide Bar Mega Min",    "Freq Convert Slide Bar Mega Max",
                                   "Freq Convert Slide Bar Kilo Min",    "Freq Convert Slide Bar Kilo Max",
                                   "Freq Convert Slide Bar Meters Min",  "Freq Convert Slide Bar Meters Max",
                                   "Resistor Colour Band Digits"};
const QList<int> kDesignRanges = {1, 1000, 1, 1, 1000, 1, 1, 1000, 1};

void writeSettingsFile(const MainWindowHarness& h, const QByteArray& bytes)
{
    QDir().mkpath(h.configDir() + QStringLiteral("/Tarvolen"));
    QFile f(h.settingsFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QList<int> sliderRanges(MainWindowHarness& h)
{
    QList<int> r;
    for (const char* name : {"TrackBarFreqMC", "TrackBarFreqKC", "TrackBarFreqMeters"}) {
        const QSlider* s = h.find<QSlider>(name);
        r << s->minimum() << s->maximum() << s->value();
    }
    return r;
}

QStringList frequencyFields(MainWindowHarness& h)
{
    return {h.text("FreqKilo"), h.text("FreqMega"), h.text("FreqMeters")};
}

QStringList savedValues()
{
    const auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey));
    QStringList values;
    for (const char* name : kSavedNames)
        values.append(key ? describe(key->read(QString::fromLatin1(name))) : QStringLiteral("no key"));
    return values;
}

} // namespace

class TestOptionsAndSettings : public QObject
{
    Q_OBJECT

private slots:
    void storedSettingsRoundTrip_data();
    void storedSettingsRoundTrip();
    void firstCloseWritesEveryValueInOrder();
    void optionsDialogClosedAnyWay_data();
    void optionsDialogClosedAnyWay();
    void unitPrefixesInTheWindow_data();
    void unitPrefixesInTheWindow();
    void unwritableSettingsWarnOnceAndCloseGoesOn_data();
    void unwritableSettingsWarnOnceAndCloseGoesOn();
};

void TestOptionsAndSettings::storedSettingsRoundTrip_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("expandButton");
    QTest::addColumn<bool>("autoExpand");
    QTest::addColumn<QList<int>>("ranges");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("saved");
    using L = QStringList;
    const L empty{"", "", ""};

    QTest::newRow("nothing stored: expanded tree, no auto-expansion, sliders 1 to 1000")
        << QByteArray() << "Fully Collapse" << false << kDesignRanges << empty
        << L{"dword:1",    "dword:0", "dword:1",    "dword:1000", "dword:1",
             "dword:1000", "dword:1", "dword:1000", "dword:2"};
    QTest::newRow("auto-expansion stored as 5, kilo limits 2000 and 3000, three-digit bands")
        << QByteArray("\"Auto Expand Category List\"=dword:00000005\n"
                      "\"Freq Convert Slide Bar Kilo Min\"=dword:000007d0\n"
                      "\"Freq Convert Slide Bar Kilo Max\"=dword:00000bb8\n"
                      "\"Resistor Colour Band Digits\"=dword:00000003\n")
        << "Fully Collapse" << true << QList<int>{1, 1000, 1, 1, 3000, 1, 1, 1000, 1} << empty
        << L{"dword:1",    "dword:1", "dword:1",    "dword:1000", "dword:1",
             "dword:3000", "dword:1", "dword:1000", "dword:3"};
    QTest::newRow("a stored range without position 1 opens on its conversion")
        << QByteArray("\"Expand Category List When Launched\"=dword:00000000\n"
                      "\"Freq Convert Slide Bar Meters Min\"=dword:0000000a\n"
                      "\"Freq Convert Slide Bar Meters Max\"=dword:00000014\n")
        << "Fully Expand" << false << QList<int>{1, 1000, 1, 1, 1000, 1, 10, 20, 10} << L{"30000", "30", "10"}
        << L{"dword:0",    "dword:0",  "dword:1",  "dword:1000", "dword:1",
             "dword:1000", "dword:10", "dword:20", "dword:2"};
    QTest::newRow("negative limits taken; of two moved sliders the last one's conversion stays")
        << QByteArray("\"Freq Convert Slide Bar Mega Min\"=dword:fffffff6\n"
                      "\"Freq Convert Slide Bar Mega Max\"=dword:fffffffe\n"
                      "\"Freq Convert Slide Bar Meters Min\"=dword:0000000a\n")
        << "Fully Collapse" << false << QList<int>{-10, -2, -2, 1, 1000, 1, 10, 1000, 10}
        << L{"30000", "30", "10"}
        << L{"dword:1",    "dword:0",  "dword:4294967286", "dword:4294967294", "dword:1",
             "dword:1000", "dword:10", "dword:1000",       "dword:2"};
    QTest::newRow(
        "damaged lines, texts where numbers belong and a band digit count of 5 are skipped one by one")
        << QByteArray("\"Expand Category List When Launched\"=\"0\"\n"
                      "\"Auto Expand Category List\"=hex:01,00,00,00\n"
                      "\"Freq Convert Slide Bar Mega Min\"=\"5\"\n"
                      "\"Freq Convert Slide Bar Mega Max\"=dword:000001f4\n"
                      "garbage \x01\xfe line\n"
                      "\"Freq Convert Slide Bar Kilo Max\"=dword:123456789\n"
                      "\"Freq Convert Slide Bar Meters Max\"=dword:\n"
                      "\"Resistor Colour Band Digits\"=dword:00000005\n")
        << "Fully Collapse" << false << QList<int>{1, 500, 1, 1, 1000, 1, 1, 1000, 1} << empty
        << L{"dword:1",    "dword:0", "dword:1",    "dword:500", "dword:1",
             "dword:1000", "dword:1", "dword:1000", "dword:2"};
}

void TestOptionsAndSettings::storedSettingsRoundTrip()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, expandButton);
    QFETCH(bool, autoExpand);
    QFETCH(QList<int>, ranges);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, saved);
    MainWindowHarness h(false);
    writeSettingsFile(h, kAcceptedFile + stored);
    TFormMainApplication& w = h.open();
    QCOMPARE(h.text("BtnExpandCategories"), expandButton);
    QCOMPARE(w.singleExpand(), autoExpand);
    QCOMPARE(sliderRanges(h), ranges);
    QCOMPARE(frequencyFields(h), fields);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());

    QVERIFY(w.close());
    QCOMPARE(savedValues(), saved);

    // The next start finds what this one left.
    h.close();
    h.open();
    QCOMPARE(sliderRanges(h), ranges);
    QCOMPARE(h.text("BtnExpandCategories"), expandButton);
}

void TestOptionsAndSettings::firstCloseWritesEveryValueInOrder()
{
    MainWindowHarness h(false);
    writeSettingsFile(h, kAcceptedFile);
    QVERIFY(h.open().close());
    QCOMPARE(h.settingsText(), QString::fromLatin1(kAcceptedFile + kFirstCloseValues));
}

void TestOptionsAndSettings::optionsDialogClosedAnyWay_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("helpByF1");

    QTest::newRow("Help button, Close button") << "button" << false;
    QTest::newRow("F1, title-bar close box") << "close box" << true;
    QTest::newRow("F1, Esc") << "Esc" << true;
}

void TestOptionsAndSettings::optionsDialogClosedAnyWay()
{
    QFETCH(QString, way);
    QFETCH(bool, helpByF1);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QStringList ticks;
    QTimer::singleShot(0, &w, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* expand = dialog->findChild<QCheckBox*>(QStringLiteral("OptionExpandCategoryListWhenLaunched"));
        auto* autoExpand = dialog->findChild<QCheckBox*>(QStringLiteral("OptionAutoExpandCategoryList"));
        ticks << QString::number(expand->isChecked()) << QString::number(autoExpand->isChecked());
        QTest::mouseClick(expand, Qt::LeftButton);
        QTest::mouseClick(autoExpand, Qt::LeftButton);
        if (helpByF1)
            QTest::keyClick(autoExpand, Qt::Key_F1);
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BtnHelp")), Qt::LeftButton);
        if (way == QLatin1String("button")) {
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("BtnClose")), Qt::LeftButton);
        } else if (way == QLatin1String("Esc")) {
            QTest::keyClick(autoExpand, Qt::Key_Escape);
        } else {
            QCloseEvent close;
            QCoreApplication::sendEvent(dialog->windowHandle(), &close);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    h.click("BtnOptions");
    QCOMPARE(ticks, (QStringList{"1", "0"}));
    QCOMPARE(h.help.paths, QStringList{"Ohmbrook2Help.chm::/Options.htm>Main Window"});
    // Auto-expansion follows at once; the start-up expansion waits for the next start.
    QVERIFY(w.singleExpand());
    QVERIFY(!w.expandCategoryListWhenLaunched());
    QCOMPARE(h.text("BtnExpandCategories"), QStringLiteral("Fully Collapse"));

    QVERIFY(w.close());
    h.close();
    TFormMainApplication& next = h.open();
    QCOMPARE(h.text("BtnExpandCategories"), QStringLiteral("Fully Expand"));
    QVERIFY(next.singleExpand());
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestOptionsAndSettings::unitPrefixesInTheWindow_data()
{
    QTest::addColumn<bool>("prefixes"); // the "Read Unit Prefixes" option
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QStringList>("typed"); // field=text, in order
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("result"); // field=text
    for (const bool on : {true, false}) {
        const char* state = on ? "" : ", option off";
        QTest::newRow(qPrintable(QStringLiteral("Ohm's law: 20mA in Current%1").arg(QLatin1String(state))))
            << on << "PanelOhmsLawAndPower" << QStringList{"Voltage=12", "Current=20mA"}
            << "CalculatePowerCalues" << (on ? "Resistance=600" : "Resistance=0.6");
        QTest::newRow(qPrintable(QStringLiteral("colour bands: 4k7 in ohms%1").arg(QLatin1String(state))))
            << on << "PanelResistorColourBands" << QStringList{"click:ClearResValues", "ResValue=4k7"}
            << "CalculateResValues" << (on ? "ResValueK=4.7" : "ResValueK=0.004");
        QTest::newRow(qPrintable(QStringLiteral("dropper: 20m in I forward%1").arg(QLatin1String(state))))
            << on << "PanelResistorInLineDropper"
            << QStringList{"DropperInLineVSource=12", "DropperInLineVForward=2", "DropperInLineIForward=20m"}
            << "DropperInLineCalculate"
            << "DropperInLineResistor=500";
        QTest::newRow(qPrintable(QStringLiteral("scale sheet: 100n in pF%1").arg(QLatin1String(state))))
            << on << "PanelCapacitorScaleComparisons" << QStringList{"pF=100n"} << "CalcCapacitance"
            << (on ? "nF=100" : "nF=0.1");
    }
}

void TestOptionsAndSettings::unitPrefixesInTheWindow()
{
    QFETCH(bool, prefixes);
    QFETCH(QString, panel);
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, result);
    MainWindowHarness h;
    settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))
        ->writeDword(QStringLiteral("Read Unit Prefixes"), prefixes ? 1 : 0);
    QVERIFY(guitest::openOnPanel(h, panel.toLatin1().constData()));
    for (const QString& step : typed) {
        if (step.startsWith(QLatin1String("click:")))
            h.click(step.mid(6).toLatin1().constData());
        else
            h.type(step.section(u'=', 0, 0).toLatin1().constData(), step.section(u'=', 1));
    }
    h.click(button.toLatin1().constData());
    const QByteArray field = result.section(u'=', 0, 0).toLatin1();
    QCOMPARE(h.text(field.constData()), result.section(u'=', 1));
    QCOMPARE(h.boxes.titles(), QStringList());
    // A screen reader hears how the prefixed value was read.
    const QLineEdit* last = h.field(typed.last().section(u'=', 0, 0).toLatin1().constData());
    QCOMPARE(last->accessibleDescription().startsWith(QLatin1String("Read as ")), prefixes);
}

void TestOptionsAndSettings::unwritableSettingsWarnOnceAndCloseGoesOn_data()
{
    QTest::addColumn<bool>("unsavedNotes");

    QTest::newRow("close accepted") << false;
    QTest::newRow("close refused at the notes question") << true;
}

void TestOptionsAndSettings::unwritableSettingsWarnOnceAndCloseGoesOn()
{
    QFETCH(bool, unsavedNotes);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    if (unsavedNotes)
        h.find<QPlainTextEdit>("MemoPad")->document()->setModified(true);
    // A folder where the settings file belongs: no write can succeed, not even
    // the superuser's.
    QVERIFY(QFile::remove(h.settingsFile()));
    QVERIFY(QDir().mkpath(h.settingsFile()));

    h.click("BtnClose");
    QCOMPARE(w.isVisible(), unsavedNotes);
    QStringList expected;
    if (unsavedNotes)
        expected << QStringLiteral("Warning: The current memo text is not saved.\n\nAre you sure you want to "
                                   "exit? [yes/no]");
    const QStringList shown = guitest::boxes(h.boxes);
    QCOMPARE(shown.size(), expected.size() + 1);
    QCOMPARE(shown.mid(0, expected.size()), expected);
    const QString warning = shown.last();
    QVERIFY2(
        warning.startsWith(QStringLiteral("Tarvolen Ohmbrook: Ohmbrook could not save its settings in this "
                                          "file:\n\n") +
                           QDir::toNativeSeparators(h.settingsFile()) + QStringLiteral("\n\n")),
        qPrintable(warning));
    QVERIFY2(warning.endsWith(QStringLiteral(" [icon]")), qPrintable(warning));
}

QTEST_MAIN(TestOptionsAndSettings)
#include "test_options_and_settings.moc"
