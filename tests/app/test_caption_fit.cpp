// Every caption of the fixed 830 x 530 layout fits its control in the
// program's face (Liberation Sans, which the package depends on), whatever
// font the desktop uses: every label and button of every panel and dialog
// has room for its text, lies inside its parent and covers no other control.

#include "app/about_dialog.h"
#include "app/options_dialog.h"
#include "power_frequency/panels/frequency_conversion_panel.h"
#include "power_frequency/panels/slider_range_dialog.h"
#include "tests/support/main_window_harness.h"
#include "ui/calculator_panel.h"
#include "ui/program_look.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <memory>

namespace {

QString nameOf(const QWidget* w, const QString& text, const QWidget* root)
{
    return (w->objectName().isEmpty() ? QStringLiteral("\"%1\"").arg(text) : w->objectName()) +
           QStringLiteral(" on ") + root->objectName();
}

// The room a button's style leaves for its text, against what the text needs.
QString buttonShortfall(const QAbstractButton* b)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(b))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(b))
        contents = QStyle::SE_RadioButtonContents;
    const QRect room = b->style()->subElementRect(contents, &option, b);
    const QFontMetrics metrics(b->font());
    const int iconWidth = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
    // A push button's caption keeps a few pixels clear of its frame, which it
    // needs at fractional scale factors, where text grows by rounding.
    const int air = contents == QStyle::SE_PushButtonContents ? 8 : 0;
    const QSize need(metrics.horizontalAdvance(QString(b->text()).remove(u'&')) + iconWidth + air,
                     metrics.height());
    if (need.width() <= room.width() && need.height() <= room.height())
        return QString();
    return QStringLiteral("needs %1 x %2, has %3 x %4")
        .arg(need.width())
        .arg(need.height())
        .arg(room.width())
        .arg(room.height());
}

QString labelShortfall(const QLabel* l)
{
    const QSize need = l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width())) : l->sizeHint();
    if (need.width() <= l->width() && need.height() <= l->height())
        return QString();
    return QStringLiteral("needs %1 x %2, has %3 x %4")
        .arg(need.width())
        .arg(need.height())
        .arg(l->width())
        .arg(l->height());
}

bool isControl(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// Where a caption's text is drawn (a label wider than its text leaves the
// rest of its rectangle empty).
QRect inkOf(const QWidget* w)
{
    const auto* l = qobject_cast<const QLabel*>(w);
    if (!l || l->wordWrap() || !(l->alignment() & Qt::AlignLeft))
        return w->geometry();
    return QRect(w->pos(), w->size().boundedTo(l->sizeHint()));
}

// Every shortfall of the visible captions in root, one line each.
QStringList captionFaults(QWidget* root)
{
    QStringList faults;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(root) || !w->parentWidget())
            continue;
        const auto* label = qobject_cast<QLabel*>(w);
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty())
            continue;
        const QString shortfall = label ? labelShortfall(label) : buttonShortfall(button);
        if (!shortfall.isEmpty())
            faults.append(nameOf(w, text, root) + QStringLiteral(": ") + shortfall);
        if (!w->parentWidget()->rect().contains(w->geometry()))
            faults.append(nameOf(w, text, root) + QStringLiteral(": outside its parent"));
        for (QObject* o : w->parentWidget()->children()) {
            auto* other = qobject_cast<QWidget*>(o);
            if (other && other != w && other->isVisibleTo(root) && isControl(other) &&
                inkOf(w).intersects(other->geometry()))
                faults.append(nameOf(w, text, root) + QStringLiteral(": covers ") + other->objectName());
        }
    }
    return faults;
}

} // namespace

class TestCaptionFit : public QObject
{
    Q_OBJECT

private slots:
    void captionsFit_data();
    void captionsFit();
    void groupFramesLookAsTheStandardStyles();
};

void TestCaptionFit::captionsFit_data()
{
    // The desktop's font, which the window's face replaces.
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::newRow("usual desktop font") << "DejaVu Sans" << 10;
    QTest::newRow("small desktop font") << "DejaVu Sans" << 6;
    QTest::newRow("large desktop font") << "DejaVu Serif" << 16;
}

void TestCaptionFit::captionsFit()
{
    QFETCH(QString, family);
    QFETCH(int, points);
    const QFont desktopFont = QApplication::font();
    QApplication::setFont(QFont(family, points));

    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    QCOMPARE(QFontInfo(w.font()).family(), QStringLiteral("Liberation Sans"));
    w.show();
    QStringList faults;
    for (auto* panel : h.find<QWidget>("PanelStack")->findChildren<CalculatorPanel*>()) {
        w.showPanel(panel);
        faults += captionFaults(panel);
    }
    w.showPanel(h.find<QWidget>("PanelResistorColourBands"));
    faults += captionFaults(&w);

    auto* conversions = h.find<FrequencyConversionPanel>("PanelFrequencyConversions");
    auto ranges = std::make_unique<TSetSliderBarRangesFrequencyConvert>(conversions);
    ranges->setPanel(conversions);
    const std::unique_ptr<QWidget> dialogs[] = {std::make_unique<TOptionsDialog>(&w), std::move(ranges),
                                                std::make_unique<TAboutDialog>(&w)};
    for (const auto& dialog : dialogs) {
        dialog->show();
        faults += captionFaults(dialog.get());
        dialog->hide();
    }
    faults.removeDuplicates();
    QApplication::setFont(desktopFont);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestCaptionFit::groupFramesLookAsTheStandardStyles()
{
    // The program draws group frames itself (to load no picture decoder);
    // they must look as the standard style's, captioned or not.
    const auto render = [](const QString& caption) {
        QWidget page;
        page.setAutoFillBackground(true);
        page.setPalette(QPalette(Qt::black, Qt::white));
        page.resize(200, 120);
        (new QGroupBox(caption, &page))->setGeometry(10, 10, 150, 80);
        return page.grab().toImage();
    };
    for (const QString& caption : {QStringLiteral("Resistor Value"), QString()}) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        const QImage standard = render(caption);
        look::applyProgramStyle(*qApp);
        const QImage own = render(caption);
        QApplication::setStyle(QStringLiteral("Fusion"));
        QCOMPARE(own.size(), standard.size());
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x)
                QVERIFY2(std::abs(qGray(own.pixel(x, y)) - qGray(standard.pixel(x, y))) <= 16,
                         qPrintable(QStringLiteral("\"%1\" at %2, %3").arg(caption).arg(x).arg(y)));
    }
}

QTEST_MAIN(TestCaptionFit)
#include "test_caption_fit.moc"
