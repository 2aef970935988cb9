#pragma once

// Resistor colour bands in both directions: five band lists give the value
// and tolerance (with the banded and the body-tip-spot drawings), a value in
// ohms, kilohms or megohms gives the nearest bands, and the reading can be
// appended to a record file.
//
// Two markings are read: two digits, a multiplier, the tolerance and the
// temperature coefficient (the default), or the precision marking of three
// digits, a multiplier and the tolerance. The same five lists, swatches and
// fields serve both; the marking decides what each list holds.

#include "maths/band_colours.h"
#include "ui/calculator_panel.h"

#include <QList>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class ColourBandPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ColourBandPanel(QWidget* parent = nullptr);

    // Start state: the two-digit marking with its start bands; the band state
    // of a 0-ohm, 0.1 % reading, then the five band handlers in order, so the
    // panel shows the bands preselected in the lists.
    void resetToStartState() override;
    // The marking, 2 or 3 digits, kept between runs.
    void loadSettings(const settings::Key& key) override;
    bool saveSettings(const settings::Key& key) override;

    // Switches the marking (2 or 3 digits): the lists take that marking's
    // items and start bands (three digits: Brown, Black, Black, Brown, Brown,
    // 1 kilohm at 1 %) and the value is composed afresh.
    void setDigits(int digits);
    int digits() const { return m_threeDigits ? 3 : 2; }

    // A band list's text drives the band state: band 0 to 4, left to right.
    void bandChanged(int band);
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
    // What a band shows once its list's text is read: its text, its colour
    // and its picture in the body-tip-spot drawing.
    struct BandShown
    {
        QString text;
        band_colours::Rgb colour;
        std::string_view item;
        int picture;
    };

    void buildControls();
    void buildBandControls();
    void buildBodyTipSpot();
    void buildValueGroup();
    void buildSaveGroup();
    void connectControls();

    // Takes a band's text into the band state, as the marking reads that
    // band; nothing when the text names no item of the band's list.
    std::optional<BandShown> readBand(int band, const std::string& text);
    // The body-tip-spot drawing's part for a band.
    void showBodyTipSpot(int band, const std::optional<BandShown>& shown);
    // The five band handlers in order.
    void runBandHandlers();
    // Selects the given items with the value fields held, then runs the five
    // band handlers in order; a list without an index keeps its selection.
    void selectBandsHeld(const QList<std::pair<QComboBox*, std::optional<int>>>& selections);
    // The lists' items and start texts, the drawing and the labels of a
    // marking; the band state is left to the caller.
    void applyMarking(bool threeDigits);
    void findPrecisionBands(double ohms);
    // The nearest E12, E24 and E96 values to `ohms` and how far each lies
    // from it; hidden when there are none (zero or a negative value).
    void showStandardValues(double ohms);

    std::array<QComboBox*, 5> m_bandLists{};
    // Hidden: each band's meaning as text.
    std::array<QLineEdit*, 5> m_bandTexts{};
    std::array<QLineEdit*, 5> m_bandSwatches{};
    QLabel* m_bodyImage = nullptr;
    QLabel* m_tipImage = nullptr;
    QLineEdit* m_spotSwatch = nullptr;
    QLabel* m_toleranceImage = nullptr;
    QLineEdit* m_resValue = nullptr;
    QLineEdit* m_resValueK = nullptr;
    QLineEdit* m_resValueM = nullptr;
    QLabel* m_toleranceValue = nullptr;
    QLabel* m_tempCoeff = nullptr;
    QLineEdit* m_tagName = nullptr;
    QLabel* m_standardCaption = nullptr;
    QLabel* m_standardValues = nullptr;
    QRadioButton* m_twoDigitButton = nullptr;
    QRadioButton* m_threeDigitButton = nullptr;
    QPushButton* m_calculateNearest = nullptr;
    QPushButton* m_confirmBands = nullptr;
    QPushButton* m_clearValues = nullptr;
    QPushButton* m_saveValues = nullptr;
    QWidget* m_twoDigitLeaders = nullptr;
    QWidget* m_precisionLeaders = nullptr;
    QList<QWidget*> m_bodyTipSpot; // the drawing and its caption
    QLabel* m_noBodyTipSpot = nullptr;

    // Band state: the two digits, the multiplier and the tolerance in percent;
    // with three digits also the third digit, and the multiplier as a power
    // of ten.
    bool m_threeDigits = false;
    int m_digit1 = 0;
    int m_digit2 = 0;
    int m_digit3 = 0;
    double m_multiplier = 0.1;
    int m_exponent = 0;
    double m_tolerancePercent = 0.1;
    // While the nearest bands are being set, the value fields keep the value
    // the user asked for.
    bool m_valueFieldsHeld = false;
    // While every band is being set in turn, the value is shown once at the
    // end rather than after each band.
    bool m_valueDeferred = false;
};
