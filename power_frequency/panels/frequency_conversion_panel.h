#pragma once

// Frequency conversions: megacycles, kilocycles and the wavelength in metres.
//
// The user types one of the three values and presses Calculate, or moves one
// of the three sliders, which writes its whole-number position into its field
// and converts at once. The sliders' ranges are set in the slider-range dialog
// and kept in the settings.

#include "power_frequency/maths/slider_range.h"
#include "ui/calculator_panel.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class TSetSliderBarRangesFrequencyConvert;

class FrequencyConversionPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit FrequencyConversionPanel(QWidget* parent = nullptr);

    void resetToStartState() override { clearAll(); }
    // The six slider limits, minimum before maximum for each slider, applied
    // by the range rule; a value that is missing or not a number is skipped.
    void loadSettings(const settings::Key& key) override;
    bool saveSettings(const settings::Key& key) override;

    enum class Slider
    {
        Megacycles,
        Kilocycles,
        Metres
    };
    frequency::SliderRange sliderRange(Slider slider) const;
    // Sets one bound by the range rule; a position moved into the new range
    // runs that slider's conversion, as a move by the user would.
    void setSliderBound(Slider slider, frequency::SliderBound bound, int value);

    void calculate();
    void clearAll();
    void showSliderRangeDialog();

private:
    void buildControls();
    // The three fields, each with its slider and signs.
    void buildConverters(QGroupBox* group);
    void connectControls();
    void convertFromSlider(Slider slider);
    // One step of a slider towards its maximum (+1) or minimum (-1); nothing
    // at the bound.
    void stepSlider(Slider slider, int step);
    QSlider* slider(Slider which) const;
    QLabel* addSignLabel(QWidget* parent, const char* name, int x, int y, const QString& sign, Slider slider,
                         int step);

    QLineEdit* m_megacycles = nullptr;
    QLineEdit* m_kilocycles = nullptr;
    QLineEdit* m_metres = nullptr;
    QSlider* m_megacyclesSlider = nullptr;
    QSlider* m_kilocyclesSlider = nullptr;
    QSlider* m_metresSlider = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
    QPushButton* m_setSliderRanges = nullptr;
    // Built on first use: most sessions never open it.
    TSetSliderBarRangesFrequencyConvert* m_rangeDialog = nullptr;
};
