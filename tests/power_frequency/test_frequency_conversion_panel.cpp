// The frequency-conversion panel built alone: typed conversions, the sliders
// and their signs, and the slider-range dialog.

#include "power_frequency/panels/frequency_conversion_panel.h"
#include "tests/support/gui_test_helpers.h"
#include "tests/support/panel_harness.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

using guitest::entryError;
using guitest::fault;

namespace {

const QString kNotEnough =
    QStringLiteral("Error: Not enough values have been provided.\n\nEnsure that 1 value is given.");
const QString kTooMany =
    QStringLiteral("Error: Too many values have been provided.\n\nEnsure that only one value is given.");

// Reading order of the conversion: kilocycles, megacycles, metres.
const char* const kFields[] = {"FreqKilo", "FreqMega", "FreqMeters"};
const char* const kSliders[] = {"TrackBarFreqMC", "TrackBarFreqKC", "TrackBarFreqMeters"};
const char* const kDialogFields[] = {"SliderMegaMin", "SliderMegaMax",  "SliderKiloMin",
                                     "SliderKiloMax", "SliderMeterMin", "SliderMeterMax"};
const QList<int> kDesignRanges = {1, 1000, 1, 1, 1000, 1, 1, 1000, 1};

// The panel alone, shown, with the conversion's fields, sliders and dialog at
// hand.
struct Conversions : PanelHarness<FrequencyConversionPanel>
{
    Conversions() { host().show(); }

    QStringList texts() const
    {
        QStringList t;
        for (const char* name : kFields)
            t.append(text(name));
        return t;
    }
    void type(const QStringList& texts)
    {
        for (int i = 0; i < 3; ++i)
            PanelHost::type(kFields[i], texts.value(i));
    }
    // Minimum, maximum and position of each slider: megacycles, kilocycles, metres.
    QList<int> ranges() const
    {
        QList<int> r;
        for (const char* name : kSliders) {
            const QSlider* s = find<QSlider>(name);
            r << s->minimum() << s->maximum() << s->value();
        }
        return r;
    }
    // Opens the range dialog with the panel's button; while it is shown,
    // records its six fields and runs `use` on it.
    QStringList useRangeDialog(const std::function<void(QDialog*)>& use)
    {
        QStringList shown;
        QTimer::singleShot(0, &panel(), [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            for (const char* name : kDialogFields)
                shown.append(dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text());
            use(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        click("BtnFreqConvSetSliderRanges");
        return shown;
    }
};

} // namespace

class TestFrequencyConversionPanel : public QObject
{
    Q_OBJECT

private slots:
    void calculation_data();
    void calculation();
    void sliders_data();
    void sliders();
    void clearButtons_data();
    void clearButtons();
    void rangeDialog_data();
    void rangeDialog();
};

void TestFrequencyConversionPanel::calculation_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;
    const L none;

    QTest::newRow("1000 kc") << L{"1000", "", ""} << L{"1000", "1", "300"} << none;
    QTest::newRow("7 mc") << L{"", "7", ""} << L{"7000", "7", "42.8571428571429"} << none;
    QTest::newRow("1 m") << L{"", "", "1"} << L{"300000", "300", "1"} << none;
    QTest::newRow("7.1 mc converts as typed, not as 7")
        << L{"", "7.1", ""} << L{"7100", "7.1", "42.2535211267606"} << none;
    QTest::newRow("0.4 kc converts as typed, not as 0")
        << L{"0.4", "", ""} << L{"0.4", "0.0004", "750000"} << none;
    QTest::newRow("number before a word") << L{"12 kc", "", ""} << L{"12 kc", "0.012", "25000"} << none;
    QTest::newRow("negative metres") << L{"", "", "-600"} << L{"-500", "-0.5", "-600"} << none;

    QTest::newRow("nothing given") << L{"", "", ""} << L{"", "", ""} << L{kNotEnough};
    QTest::newRow("two fields") << L{"1000", "1", ""} << L{"1000", "1", ""} << L{kTooMany};
    QTest::newRow("all three fields") << L{"1000", "1", "300"} << L{"1000", "1", "300"} << L{kTooMany};
    QTest::newRow("zero kc") << L{"0", "", ""} << L{"", "", ""} << L{entryError("Kilocycles")};
    QTest::newRow("bad fields reported in reading order")
        << L{"abc", "0", "5"} << L{"", "", "5"} << L{entryError("Kilocycles"), entryError("Megacycles")};
    QTest::newRow("overflowing metres rejected")
        << L{"", "", "1e999"} << L{"", "", ""} << L{entryError("Meters")};
    QTest::newRow("mc overflows before anything is written")
        << L{"", "1e306", ""} << L{"", "1e306", ""} << L{fault("Floating point overflow.")};
    QTest::newRow("tiny mc: kc written, then metres overflow")
        << L{"", "1e-307", ""} << L{"1E-304", "1e-307", ""} << L{fault("Floating point overflow.")};
}

void TestFrequencyConversionPanel::calculation()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    Conversions h;
    h.type(typed);
    h.click("FreqCalculate");
    QCOMPARE(guitest::boxes(h.boxes), boxes);
    QCOMPARE(h.texts(), expected);
    QCOMPARE(h.boxes.unownedBoxes(), 0);
}

void TestFrequencyConversionPanel::sliders_data()
{
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QList<int>>("ranges");
    using L = QStringList;

    QTest::newRow("kc + once") << QByteArray("FreqSliderKiloPlus") << "click" << L{"2", "0.002", "150000"}
                               << QList<int>{1, 1000, 1, 1, 1000, 2, 1, 1000, 1};
    QTest::newRow("kc + double-click steps twice")
        << QByteArray("FreqSliderKiloPlus") << "double-click" << L{"3", "0.003", "100000"}
        << QList<int>{1, 1000, 1, 1, 1000, 3, 1, 1000, 1};
    QTest::newRow("mc + once") << QByteArray("FreqSliderMegaPlus") << "click" << L{"2000", "2", "150"}
                               << QList<int>{1, 1000, 2, 1, 1000, 1, 1, 1000, 1};
    QTest::newRow("meters + once") << QByteArray("FreqSliderMetersPlus") << "click" << L{"150000", "150", "2"}
                                   << QList<int>{1, 1000, 1, 1, 1000, 1, 1, 1000, 2};
    QTest::newRow("kc - at the minimum does nothing")
        << QByteArray("FreqSliderKiloMinus") << "double-click" << L{"", "9", ""} << kDesignRanges;
    QTest::newRow("meters - at the minimum does nothing")
        << QByteArray("FreqSliderMetersMinus") << "click" << L{"", "9", ""} << kDesignRanges;
    QTest::newRow("arrow key on the kc slider")
        << QByteArray("TrackBarFreqKC") << "Right" << L{"2", "0.002", "150000"}
        << QList<int>{1, 1000, 1, 1, 1000, 2, 1, 1000, 1};
    QTest::newRow("End key on the mc slider")
        << QByteArray("TrackBarFreqMC") << "End" << L{"1000000", "1000", "0.3"}
        << QList<int>{1, 1000, 1000, 1, 1000, 1, 1, 1000, 1};
}

void TestFrequencyConversionPanel::sliders()
{
    QFETCH(QByteArray, target);
    QFETCH(QString, gesture);
    QFETCH(QStringList, expected);
    QFETCH(QList<int>, ranges);
    Conversions h;
    QVERIFY(QTest::qWaitForWindowExposed(&h.host()));
    h.type({QString(), QStringLiteral("9"), QString()});
    QWidget* w = h.find<QWidget>(target.constData());
    // Through the window system, so a double-click arrives as the user's does:
    // press, release, press, double-click, release.
    QWindow* window = h.host().windowHandle();
    const QPoint at = w->mapTo(&h.host(), w->rect().center());
    if (gesture == QLatin1String("click"))
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
    else if (gesture == QLatin1String("double-click"))
        QTest::mouseDClick(window, Qt::LeftButton, {}, at);
    else
        QTest::keyClick(w, gesture == QLatin1String("End") ? Qt::Key_End : Qt::Key_Right);
    QCOMPARE(h.texts(), expected);
    QCOMPARE(h.ranges(), ranges);
    QCOMPARE(guitest::boxes(h.boxes), QStringList());
}

void TestFrequencyConversionPanel::clearButtons_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("clear kc") << QByteArray("BtnClearFreqKilo") << QStringList{"", "2", "3"};
    QTest::newRow("clear mc") << QByteArray("BtnClearFreqMega") << QStringList{"1", "", "3"};
    QTest::newRow("clear meters") << QByteArray("BtnClearFreqMeters") << QStringList{"1", "2", ""};
    QTest::newRow("clear all") << QByteArray("FreqClear") << QStringList{"", "", ""};
}

void TestFrequencyConversionPanel::clearButtons()
{
    QFETCH(QByteArray, button);
    QFETCH(QStringList, expected);
    Conversions h;
    h.type({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    h.click(button.constData());
    QCOMPARE(h.texts(), expected);
    QCOMPARE(h.ranges(), kDesignRanges);
}

void TestFrequencyConversionPanel::rangeDialog_data()
{
    QTest::addColumn<QStringList>("entered"); // the six dialog fields
    QTest::addColumn<QString>("close");
    QTest::addColumn<QList<int>>("ranges");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("boxes");
    using L = QStringList;
    const L empty{"", "", ""};

    QTest::newRow("mc 2000 to 3000: the minimum is above the old maximum")
        << L{"2000", "3000", "1", "1000", "1", "1000"} << "Ok"
        << QList<int>{1, 3000, 1, 1, 1000, 1, 1, 1000, 1} << empty << L{};
    QTest::newRow("meters minimum 10 moves the slider and converts")
        << L{"1", "1000", "1", "1000", "10", "1000"} << "Ok"
        << QList<int>{1, 1000, 1, 1, 1000, 1, 10, 1000, 10} << L{"30000", "30", "10"} << L{};
    QTest::newRow("abc as kc maximum is skipped, the rest applied")
        << L{"1", "500", "2", "abc", "1", "800"} << "Ok" << QList<int>{1, 500, 1, 2, 1000, 2, 1, 800, 1}
        << L{"2", "0.002", "150000"} << L{};
    QTest::newRow("maximum below the new minimum is refused")
        << L{"50", "20", "1", "1000", "1", "1000"} << "Ok" << QList<int>{50, 1000, 50, 1, 1000, 1, 1, 1000, 1}
        << L{"50000", "50", "6"} << L{};
    QTest::newRow("fractions, blanks and exponents are skipped")
        << L{"2.5", "", "1e3", " ", "+", "7,5"} << "Ok" << kDesignRanges << empty << L{};
    QTest::newRow("range up to 0 puts 0 into the field, which is rejected")
        << L{"-5", "0", "1", "1000", "1", "1000"} << "Ok" << QList<int>{-5, 0, 0, 1, 1000, 1, 1, 1000, 1}
        << empty << L{entryError("Megacycles")};
    QTest::newRow("Enter presses Ok")
        << L{"1", "1000", "1", "1000", "10", "1000"} << "Enter"
        << QList<int>{1, 1000, 1, 1, 1000, 1, 10, 1000, 10} << L{"30000", "30", "10"} << L{};
    QTest::newRow("Cancel applies nothing")
        << L{"1", "1000", "1", "1000", "10", "1000"} << "Cancel" << kDesignRanges << empty << L{};
    QTest::newRow("Esc applies nothing")
        << L{"1", "1000", "1", "1000", "10", "1000"} << "Esc" << kDesignRanges << empty << L{};
}

void TestFrequencyConversionPanel::rangeDialog()
{
    QFETCH(QStringList, entered);
    QFETCH(QString, close);
    QFETCH(QList<int>, ranges);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, boxes);
    Conversions h;
    const QStringList shown = h.useRangeDialog([&](QDialog* dialog) {
        for (int i = 0; i < 6; ++i)
            dialog->findChild<QLineEdit*>(QString::fromLatin1(kDialogFields[i]))->setText(entered[i]);
        if (close == QLatin1String("Enter") || close == QLatin1String("Esc"))
            QTest::keyClick(dialog, close == QLatin1String("Esc") ? Qt::Key_Escape : Qt::Key_Return);
        else
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("Btn") + close), Qt::LeftButton);
    });
    QCOMPARE(shown, (QStringList{"1", "1000", "1", "1000", "1", "1000"}));
    QCOMPARE(h.ranges(), ranges);
    QCOMPARE(h.texts(), expected);
    QCOMPARE(guitest::boxes(h.boxes), boxes);

    // The next showing is filled from the sliders again, whatever was left in it.
    const QStringList again = h.useRangeDialog([](QDialog*) {});
    QCOMPARE(again, (QStringList{QString::number(ranges[0]), QString::number(ranges[1]),
                                 QString::number(ranges[3]), QString::number(ranges[4]),
                                 QString::number(ranges[6]), QString::number(ranges[7])}));
}

QTEST_MAIN(TestFrequencyConversionPanel)
#include "test_frequency_conversion_panel.moc"
