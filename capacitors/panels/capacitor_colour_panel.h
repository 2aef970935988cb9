#pragma once

// The capacitor colour codes panel: five band lists over a drawing of a
// general (tubular) or ceramic capacitor. The type decides what lists 3 to 5
// offer, what some colours mean and whether band 5 is a voltage or a
// temperature coefficient; choosing a type always starts again from that
// type's default colours. The value, rating and tolerance follow every
// change, and two buttons hand the value or the tolerance amount to the
// scale comparison sheet.

#include "capacitors/maths/colour_codes.h"
#include "capacitors/maths/scale_units.h"
#include "ui/calculator_panel.h"

#include <QString>

#include <array>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CapacitorColourPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit CapacitorColourPanel(QWidget* parent = nullptr);

    // General type, Blue, Yellow, Orange, Green, Red: 64000 pF.
    void resetToStartState() override;

    // Rebuilds lists 3 to 5 for the checked type and selects its defaults.
    void resetCapacitorColourBands();
    // A band (0 to 4, left to right) applies its list's text to the band
    // state and the swatches.
    void bandChanged(int band);
    void showCapacitorColourValue();
    void scaleCompareValue();
    void scaleCompareTolerance();

signals:
    void sendToScaleSheet(capacitance::Unit unit, const QString& text);

private:
    void buildBandGroup();
    void buildValueGroup();
    void connectControls();
    // Takes a band's text into the band state; false when the band does not
    // know the text.
    bool takeBand(int band, const std::string& text);
    colour_codes::CapacitorType checkedType() const;
    void paintBand(int band, std::string_view colour);
    void showDrawing(colour_codes::CapacitorType type);

    // The band state: what the bands last accepted.
    int m_capDigit1 = 0;
    int m_capDigit2 = 0;
    double m_capMultiplier = 0;
    QString m_capToleranceColour;
    QString m_capRatingValue;

    QRadioButton* m_general;
    QRadioButton* m_ceramic;
    std::array<QComboBox*, 5> m_lists{};
    std::array<QLineEdit*, 5> m_generalSwatches{};
    std::array<QLineEdit*, 5> m_ceramicSwatches{};
    QWidget* m_generalBody;
    QWidget* m_generalGuides;
    QWidget* m_ceramicBody;
    QWidget* m_ceramicGuides;
    QLabel* m_ratingCaption;
    QLabel* m_capValueText;
    QLabel* m_textRatedAt;
    QLabel* m_capRatingText;
    QLabel* m_capRatingTextUnit;
    QLabel* m_capValueTol;
    QLabel* m_capColourTolPf; // hidden: the tolerance amount in pF, for the hand-over
    QPushButton* m_scaleCompare;
    QPushButton* m_scaleCompareTolerance;
};
