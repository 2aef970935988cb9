#pragma once

// The in-line resistor dropper: the series resistor that drops a source
// voltage to a load's forward voltage at its forward current. Its result can
// be handed to the colour-band calculator and, with the current, to Ohm's law
// for the resistor's heat dissipation.

#include "shell/calculator_panel.h"

class QLabel;
class QLineEdit;

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
    QLineEdit* DropperInLineVSource = nullptr;
    QLineEdit* DropperInLineVForward = nullptr;
    QLineEdit* DropperInLineIForward = nullptr;
    QLabel* DropperInLineResistor = nullptr;
    QLabel* LabelOhms = nullptr;
};
