#pragma once

// Resistor colour bands in both directions: five band lists give the value
// and tolerance (with the banded and the body-tip-spot drawings), a value in
// ohms, kilohms or megohms gives the nearest bands, and the reading can be
// appended to a record file.

#include "shell/calculator_panel.h"

class QComboBox;
class QLabel;
class QLineEdit;

class ColourBandPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ColourBandPanel(QWidget* parent = nullptr);

    // Start state: the band state of a 0-ohm, 0.1 % reading, then the five
    // band handlers in order, so the panel shows the bands preselected in the
    // lists.
    void resetToStartState() override;

    // Band handlers: the list's text drives the band state.
    void band1Changed();
    void band2Changed();
    void band3Changed();
    void band4Changed();
    void band5Changed();
    void showColourBandValue();
    void temperatureCoefficientChanged();

    void calculateNearestMatch();
    void confirmColourBands();
    void clearValues();
    // Hand-over from another calculator: the value in ohms goes into the ohms
    // field alone and the nearest bands are found as a click would.
    void findNearestBands(const QString& ohms);

    void saveValues();

private:
    void selectBandItem(QComboBox* list, int index);
    // The nearest E12, E24 and E96 values to `ohms` and how far each lies
    // from it; hidden when there are none (zero or a negative value).
    void showStandardValues(double ohms);

    QComboBox* ComboResCol1 = nullptr;
    QComboBox* ComboResCol2 = nullptr;
    QComboBox* ComboResCol3 = nullptr;
    QComboBox* ComboResCol4 = nullptr;
    QComboBox* ComboResCol5 = nullptr;
    QLineEdit* Calc1 = nullptr;
    QLineEdit* Calc2 = nullptr;
    QLineEdit* Calc3 = nullptr;
    QLineEdit* Calc4 = nullptr;
    QLineEdit* Calc5 = nullptr;
    QLineEdit* ResBand1Colour = nullptr;
    QLineEdit* ResBand2Colour = nullptr;
    QLineEdit* ResBand3Colour = nullptr;
    QLineEdit* ResBand4Colour = nullptr;
    QLineEdit* ResBand5Colour = nullptr;
    QLabel* ResImageBody = nullptr;
    QLabel* ResImageTip = nullptr;
    QLineEdit* ResImageSpot = nullptr;
    QLabel* ResImageTol = nullptr;
    QLineEdit* ResValue = nullptr;
    QLineEdit* ResValueK = nullptr;
    QLineEdit* ResValueM = nullptr;
    QLabel* ToleranceValue = nullptr;
    QLabel* LabelTempCoeff = nullptr;
    QLineEdit* TagName = nullptr;
    QLabel* m_standardCaption = nullptr;
    QLabel* m_standardValues = nullptr;

    // Band state: the two digits, the multiplier and the tolerance in percent.
    int m_digit1 = 0;
    int m_digit2 = 0;
    double m_multiplier = 0.1;
    double m_tolerancePercent = 0.1;
    // While the nearest bands are being set, the value fields keep the value
    // the user asked for.
    bool m_valueFieldsHeld = false;
};
