#pragma once

// The in-line resistor dropper: the series resistor that drops a source
// voltage to a load's forward voltage at its forward current. Its result can
// be handed to the colour-band calculator and, with the current, to Ohm's law
// for the resistor's heat dissipation. Beside the result the panel shows the
// next standard values up with the current each gives, and the heat the
// resistor must carry with the power rating that does so safely.

#include "ui/calculator_panel.h"

class QLabel;
class QLineEdit;
class QPushButton;

class ResistorDropperPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ResistorDropperPanel(QWidget* parent = nullptr);

    void resetToStartState() override { clearAll(); }

    void calculate();
    void clearAll();
    void requestColourBands();
    void requestHeatDissipation();

signals:
    // The resistance shown, as its text.
    void colourBandsRequested(const QString& ohms);
    // The forward current in amps and the resistance shown, as texts.
    void heatDissipationRequested(const QString& amps, const QString& ohms);

private:
    void buildControls();
    void buildKeyGroup();
    void buildHeatGroup();
    void connectControls();
    // Standard values and heat for a result shown; nothing for a resistance
    // of zero or less.
    void showStandardValuesAndHeat(double sourceVolts, double forwardVolts, double forwardMilliamps,
                                   double ohms);
    void clearStandardValuesAndHeat();

    QLineEdit* m_dropperInLineVSource = nullptr;
    QLineEdit* m_dropperInLineVForward = nullptr;
    QLineEdit* m_dropperInLineIForward = nullptr;
    QLabel* m_dropperInLineResistor = nullptr;
    QLabel* m_labelOhms = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
    QPushButton* m_getColourBands = nullptr;
    QPushButton* m_calculateHeat = nullptr;
    QLabel* m_e12Up = nullptr;
    QLabel* m_e24Up = nullptr;
    QLabel* m_heatWatts = nullptr;
    QLabel* m_heatRating = nullptr;
};
