#pragma once

// The dialog that sets the minimum and maximum of the three frequency
// sliders. It is filled from the sliders each time it is shown; Ok applies the
// six fields in order through the sliders' range rule, skipping any field that
// is not a whole number; Cancel (or Esc) applies nothing.

#include "power_frequency/panels/frequency_conversion_panel.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

class TSetSliderBarRangesFrequencyConvert : public QDialog
{
    Q_OBJECT

public:
    explicit TSetSliderBarRangesFrequencyConvert(QWidget* parent = nullptr);

    // The panel whose sliders the dialog edits; set before each showing.
    void setPanel(FrequencyConversionPanel* panel) { m_panel = panel; }

    void fillFromSliders();
    void applyFields();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void connectControls();

    struct Field
    {
        QLineEdit* edit;
        FrequencyConversionPanel::Slider slider;
        frequency::SliderBound bound;
    };
    // In the order Ok applies them.
    QList<Field> m_fields;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    FrequencyConversionPanel* m_panel = nullptr;
};
