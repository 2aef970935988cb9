#include "power_frequency/panels/frequency_conversion_panel.h"

#include "core/settings_store.h"
#include "power_frequency/maths/frequency_conversion.h"
#include "power_frequency/panels/slider_range_dialog.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

#include <cstdint>
#include <functional>

using frequency::SliderBound;
using frequency::SliderRange;

namespace {

// A "-" or "+" beside a slider. A click steps once; a double-click steps once
// more, so the two clicks of a double-click step twice (the release that ends a
// double-click is not a click of its own).
class SignLabel : public QLabel
{
public:
    SignLabel(QWidget* parent, std::function<void()> step) : QLabel(parent), m_step(std::move(step)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override { m_pressed = event->button() == Qt::LeftButton; }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
        m_pressed = false;
        if (click)
            m_step();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            m_step();
    }

private:
    std::function<void()> m_step;
    bool m_pressed = false;
};

struct StoredLimit
{
    const char* name;
    FrequencyConversionPanel::Slider slider;
    SliderBound bound;
};

// In the order they are read and written: for each slider, minimum first.
const StoredLimit kStoredLimits[] = {
    {"Freq Convert Slide Bar Mega Min", FrequencyConversionPanel::Slider::Megacycles, SliderBound::Minimum},
    {"Freq Convert Slide Bar Mega Max", FrequencyConversionPanel::Slider::Megacycles, SliderBound::Maximum},
    {"Freq Convert Slide Bar Kilo Min", FrequencyConversionPanel::Slider::Kilocycles, SliderBound::Minimum},
    {"Freq Convert Slide Bar Kilo Max", FrequencyConversionPanel::Slider::Kilocycles, SliderBound::Maximum},
    {"Freq Convert Slide Bar Meters Min", FrequencyConversionPanel::Slider::Metres, SliderBound::Minimum},
    {"Freq Convert Slide Bar Meters Max", FrequencyConversionPanel::Slider::Metres, SliderBound::Maximum},
};

// A slider of the conversion. Sliders are named for screen readers here: the
// caption nearest to each is a "-" sign, not what the slider sets.
QSlider* addSlider(QWidget* parent, const char* name, int x, int y, const QString& quantity)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setAccessibleName(quantity + QStringLiteral(" slider"));
    s->setAccessibleDescription(QStringLiteral("Puts its position into the ") + quantity.toLower() +
                                QStringLiteral(" field and converts it"));
    s->setGeometry(x, y, 200, 20);
    s->setRange(1, 1000);
    s->setValue(1);
    s->setTickPosition(QSlider::NoTicks);
    return s;
}

} // namespace

FrequencyConversionPanel::FrequencyConversionPanel(QWidget* parent)
    : CalculatorPanel("PanelFrequencyConversions", parent)
{
    buildControls();
    connectControls();
}

void FrequencyConversionPanel::buildControls()
{
    QGroupBox* g =
        form::group(this, "GroupFreqConversions", 8, 8, 633, 273, QStringLiteral(" Frequency Conversions "));
    form::instruction(g, "LabelFreqConversionsInstruction1", 16, 24, 600, 16,
                      QStringLiteral("Use this to calculate the relationship between Megacycles (or "
                                     "kilocycles) and meters for frequency conversions."));
    form::instruction(
        g, "LabelFreqConversionsInstruction2", 16, 42, 600, 16,
        QStringLiteral("Input one value to calculate the remaining two, or use the slider bars.."));

    buildConverters(g);

    m_calculate = form::button(g, "FreqCalculate", 44, 234, 75, 25, QStringLiteral("Calculate"),
                               QStringLiteral("Calculate the remaining values"));
    m_clearAll = form::button(g, "FreqClear", 128, 234, 75, 25, QStringLiteral("Clear All"),
                              QStringLiteral("Clear all fields"));
    m_setSliderRanges = form::button(
        g, "BtnFreqConvSetSliderRanges", 360, 234, 200, 25, QStringLiteral("Set Slider Bar Ranges"),
        QStringLiteral("Define the minumum and maximum values for each of the slider bars"));

    QGroupBox* formulas =
        form::group(this, "GroupFreqConversionsFormulas", 8, 292, 633, 80, QStringLiteral(" Formulas used "));
    form::textBlock(
        formulas, "LabelFreqConversionsFormulas", 16, 24, 600, 50,
        QString::fromUtf8("Meters = 300000 / kilocycles          Kilocycles = megacycles \u00d7 1000\n"
                          "300000 is the speed of light in kilometres per second; kilocycles are "
                          "kHz and megacycles MHz."));
}

void FrequencyConversionPanel::buildConverters(QGroupBox* g)
{
    m_megacyclesSlider = addSlider(g, "TrackBarFreqMC", 44, 76, QStringLiteral("Megacycles"));
    addSignLabel(g, "FreqSliderMegaMinus", 26, 72, QStringLiteral("-"), Slider::Megacycles, -1);
    addSignLabel(g, "FreqSliderMegaPlus", 250, 72, QStringLiteral("+"), Slider::Megacycles, +1);
    form::label(g, nullptr, 44, 102, QStringLiteral("&Megacycles (mc)"));
    m_megacycles = form::field(g, "FreqMega", 44, 120, 200, QStringLiteral("Enter the megacycles"));
    form::clearButton(g, "BtnClearFreqMega", 33, 116);

    form::label(g, nullptr, 44, 154, QStringLiteral("&Kilocycles (kc)"));
    m_kilocycles = form::field(g, "FreqKilo", 44, 172, 200, QStringLiteral("Enter the kilocycles"));
    form::clearButton(g, "BtnClearFreqKilo", 33, 168);
    m_kilocyclesSlider = addSlider(g, "TrackBarFreqKC", 44, 202, QStringLiteral("Kilocycles"));
    addSignLabel(g, "FreqSliderKiloMinus", 26, 198, QStringLiteral("-"), Slider::Kilocycles, -1);
    addSignLabel(g, "FreqSliderKiloPlus", 250, 198, QStringLiteral("+"), Slider::Kilocycles, +1);

    QLabel* equals = form::label(g, "LabelFreqEquals", 292, 130, QStringLiteral("="));
    QFont big = equals->font();
    big.setPixelSize(40);
    equals->setFont(big);
    form::fitToText(equals);

    form::label(g, nullptr, 360, 128, QStringLiteral("M&eters"));
    m_metres = form::field(g, "FreqMeters", 360, 146, 200, QStringLiteral("Enter the meters"));
    form::clearButton(g, "BtnClearFreqMeters", 349, 142);
    m_metresSlider = addSlider(g, "TrackBarFreqMeters", 360, 176, QStringLiteral("Meters"));
    addSignLabel(g, "FreqSliderMetersMinus", 342, 172, QStringLiteral("-"), Slider::Metres, -1);
    addSignLabel(g, "FreqSliderMetersPlus", 566, 172, QStringLiteral("+"), Slider::Metres, +1);
}

QLabel* FrequencyConversionPanel::addSignLabel(QWidget* parent, const char* name, int x, int y,
                                               const QString& sign, Slider slider, int step)
{
    auto* l = new SignLabel(parent, [this, slider, step] { stepSlider(slider, step); });
    l->setObjectName(QString::fromLatin1(name));
    l->setText(sign);
    l->setToolTip(step > 0 ? QStringLiteral("Click here to increase the value by 1")
                           : QStringLiteral("Click here to decrease the value by 1"));
    l->setAccessibleName(step > 0 ? QStringLiteral("Plus 1") : QStringLiteral("Minus 1"));
    QFont big = l->font();
    big.setPixelSize(20);
    big.setBold(true);
    l->setFont(big);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, y, 14, 26);
    return l;
}

void FrequencyConversionPanel::connectControls()
{
    onClick(m_calculate, &FrequencyConversionPanel::calculate);
    calculateOnEnter({m_megacycles, m_kilocycles, m_metres}, m_calculate);
    onClick(m_clearAll, &FrequencyConversionPanel::clearAll);
    onClick(m_setSliderRanges, &FrequencyConversionPanel::showSliderRangeDialog);
    connectClearButton("BtnClearFreqMega", m_megacycles);
    connectClearButton("BtnClearFreqKilo", m_kilocycles);
    connectClearButton("BtnClearFreqMeters", m_metres);
    // Every change of position, whatever made it: dragging, keys, a click on
    // the bar, a sign, a new range.
    for (Slider s : {Slider::Megacycles, Slider::Kilocycles, Slider::Metres})
        connect(slider(s), &QSlider::valueChanged, this,
                [this, s] { guarded([this, s] { convertFromSlider(s); }); });
}

QSlider* FrequencyConversionPanel::slider(Slider which) const
{
    switch (which) {
    case Slider::Megacycles:
        return m_megacyclesSlider;
    case Slider::Kilocycles:
        return m_kilocyclesSlider;
    case Slider::Metres:
        break;
    }
    return m_metresSlider;
}

void FrequencyConversionPanel::calculate()
{
    QWidget* owner = window();
    const LenientReadings r = ReadNumericFields(owner, {{m_kilocycles, QStringLiteral("Kilocycles")},
                                                        {m_megacycles, QStringLiteral("Megacycles")},
                                                        {m_metres, QStringLiteral("Meters")}});
    if (r.errorSeen)
        return;
    if (!HasGivenCount(owner, r, 1))
        return;
    // The conversion starts from the number as typed (7.1 megacycles is 7100
    // kilocycles), not from its nearest whole number. Each output is written
    // as soon as it is known, so a fault in the second leaves the first shown.
    if (r.fields[0].given()) {
        const double kc = r.fields[0].value;
        m_metres->setText(FormatResult(frequency::metresFromKilocycles(kc)));
        m_megacycles->setText(FormatResult(frequency::megacyclesFromKilocycles(kc)));
    } else if (r.fields[1].given()) {
        const double kc = frequency::kilocyclesFromMegacycles(r.fields[1].value);
        m_kilocycles->setText(FormatResult(kc));
        m_metres->setText(FormatResult(frequency::metresFromKilocycles(kc)));
    } else {
        const double kc = frequency::kilocyclesFromMetres(r.fields[2].value);
        m_kilocycles->setText(FormatResult(kc));
        m_megacycles->setText(FormatResult(frequency::megacyclesFromKilocycles(kc)));
    }
}

void FrequencyConversionPanel::clearAll()
{
    m_kilocycles->setText(QString());
    m_megacycles->setText(QString());
    m_metres->setText(QString());
}

void FrequencyConversionPanel::convertFromSlider(Slider which)
{
    clearAll();
    QLineEdit* field = which == Slider::Megacycles   ? m_megacycles
                       : which == Slider::Kilocycles ? m_kilocycles
                                                     : m_metres;
    field->setText(QString::number(slider(which)->value()));
    calculate();
}

void FrequencyConversionPanel::stepSlider(Slider which, int step)
{
    QSlider* s = slider(which);
    if (step > 0 && s->value() < s->maximum())
        s->setValue(s->value() + 1);
    else if (step < 0 && s->value() > s->minimum())
        s->setValue(s->value() - 1);
}

SliderRange FrequencyConversionPanel::sliderRange(Slider which) const
{
    const QSlider* s = slider(which);
    return {s->minimum(), s->maximum(), s->value()};
}

void FrequencyConversionPanel::setSliderBound(Slider which, SliderBound bound, int value)
{
    const SliderRange range = frequency::withBound(sliderRange(which), bound, value);
    // The range already holds the position, so QSlider moves it exactly as the
    // rule does and reports the move through valueChanged.
    slider(which)->setRange(range.minimum, range.maximum);
}

void FrequencyConversionPanel::loadSettings(const settings::Key& key)
{
    for (const StoredLimit& limit : kStoredLimits) {
        const settings::Value v = key.read(QString::fromLatin1(limit.name));
        if (v.isDword())
            setSliderBound(limit.slider, limit.bound, static_cast<std::int32_t>(v.dword));
    }
}

bool FrequencyConversionPanel::saveSettings(const settings::Key& key)
{
    bool saved = true;
    for (const StoredLimit& limit : kStoredLimits) {
        const SliderRange range = sliderRange(limit.slider);
        const int value = limit.bound == SliderBound::Minimum ? range.minimum : range.maximum;
        saved = key.writeDword(QString::fromLatin1(limit.name), static_cast<std::uint32_t>(value)) && saved;
    }
    return saved;
}

void FrequencyConversionPanel::showSliderRangeDialog()
{
    if (!m_rangeDialog)
        m_rangeDialog = new TSetSliderBarRangesFrequencyConvert(this);
    m_rangeDialog->setPanel(this);
    ui::makeModalToItsWindow(m_rangeDialog);
    m_rangeDialog->exec();
}
