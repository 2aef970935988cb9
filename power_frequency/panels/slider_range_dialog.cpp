#include "power_frequency/panels/slider_range_dialog.h"

#include "ui/form_builder.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

using frequency::SliderBound;
using Slider = FrequencyConversionPanel::Slider;

TSetSliderBarRangesFrequencyConvert::TSetSliderBarRangesFrequencyConvert(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SetSliderBarRangesFrequencyConvert"));
    setWindowTitle(QStringLiteral("Set Slider Bar Ranges"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The dialog takes its owner's face, like the panels.
    setAttribute(Qt::WA_WindowPropagation);
    setFixedSize(472, 190);
    buildControls();
    connectControls();
}

void TSetSliderBarRangesFrequencyConvert::buildControls()
{
    form::textBlock(this, "LabelSliderRangesInstruction", 16, 12, 440, 32,
                    QStringLiteral("Define the minimum and maximum values (inclusive) for each of the slider "
                                   "bars - must be whole positive numbers"));
    struct GroupSpec
    {
        const char* name;
        const char* caption;
        const char* minimum;
        const char* maximum;
        Slider slider;
    };
    const GroupSpec groups[] = {
        {"GroupSliderMega", " Megacycles ", "SliderMegaMin", "SliderMegaMax", Slider::Megacycles},
        {"GroupSliderKilo", " Kilocycles ", "SliderKiloMin", "SliderKiloMax", Slider::Kilocycles},
        {"GroupSliderMeter", " Meters ", "SliderMeterMin", "SliderMeterMax", Slider::Metres},
    };
    int x = 16;
    for (const GroupSpec& spec : groups) {
        QGroupBox* g = form::group(this, spec.name, x, 52, 140, 86, QString::fromLatin1(spec.caption));
        form::label(g, nullptr, 12, 28, QStringLiteral("Minimum"));
        auto* minimum = new QLineEdit(g);
        minimum->setObjectName(QString::fromLatin1(spec.minimum));
        minimum->setGeometry(72, 24, 56, 21);
        minimum->setMaxLength(100);
        minimum->setAccessibleName(QString::fromLatin1(spec.caption).trimmed() + QStringLiteral(" minimum"));
        form::label(g, nullptr, 12, 56, QStringLiteral("Maximum"));
        auto* maximum = new QLineEdit(g);
        maximum->setObjectName(QString::fromLatin1(spec.maximum));
        maximum->setGeometry(72, 52, 56, 21);
        maximum->setMaxLength(100);
        maximum->setAccessibleName(QString::fromLatin1(spec.caption).trimmed() + QStringLiteral(" maximum"));
        m_fields.append({minimum, spec.slider, SliderBound::Minimum});
        m_fields.append({maximum, spec.slider, SliderBound::Maximum});
        x += 150;
    }
    m_ok = form::button(this, "BtnOk", 300, 152, 75, 25, QStringLiteral("Ok"));
    m_ok->setDefault(true);
    m_cancel = form::button(this, "BtnCancel", 381, 152, 75, 25, QStringLiteral("Cancel"));
}

void TSetSliderBarRangesFrequencyConvert::connectControls()
{
    connect(m_ok, &QPushButton::clicked, this, [this] {
        applyFields();
        accept();
    });
    // Esc rejects the dialog too, through QDialog.
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TSetSliderBarRangesFrequencyConvert::showEvent(QShowEvent* event)
{
    // Refilled on every showing, so text left by a cancelled edit is gone.
    fillFromSliders();
    QDialog::showEvent(event);
}

void TSetSliderBarRangesFrequencyConvert::fillFromSliders()
{
    if (!m_panel)
        return;
    for (const Field& f : m_fields) {
        const frequency::SliderRange range = m_panel->sliderRange(f.slider);
        f.edit->setText(QString::number(f.bound == SliderBound::Minimum ? range.minimum : range.maximum));
    }
}

void TSetSliderBarRangesFrequencyConvert::applyFields()
{
    if (!m_panel)
        return;
    for (const Field& f : m_fields) {
        if (const auto value = frequency::readWholeNumber(f.edit->text().toStdString()))
            m_panel->setSliderBound(f.slider, f.bound, *value);
    }
}
