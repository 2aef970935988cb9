#pragma once

// The adjustable three-terminal regulator: output voltage from its two resistors and back,
// the nearest standard pair and the regulator's dissipation.
//
// Any two of R1, R2 and Vout give the third, with the reference voltage and adjust-pin
// current in their own fields. A Vout typed by the user also gets the best pair of the chosen
// series (kept in the settings). With Vin, the headroom is checked against the dropout; with
// the load current too, the regulator's heat. Warnings stand on the panel as text.

#include "ui/calculator_panel.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class RegulatorPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit RegulatorPanel(QWidget* parent = nullptr);

    void resetToStartState() override { clearAll(); }
    // "Regulator Series": the series' name, "E12", "E24" or "E96"; any other value is skipped.
    void loadSettings(const settings::Key& key) override;
    bool saveSettings(const settings::Key& key) override;

    void calculate();
    // Empties every field and result and puts Vref and Iadj back to the common parts' values.
    void clearAll();

private:
    void buildControls();
    void buildResults();
    void connectControls();
    void clearResults();
    // Shows the box for values no regulator works with: a reference voltage
    // not above zero, an adjust current below zero, a Vin or load current
    // not above zero, or an R2 whose adjust current alone reaches Vout.
    bool valuesPossible(double vrefVolts, double adjustAmps, std::optional<double> r1Ohms,
                        std::optional<double> r2Ohms, std::optional<double> voutVolts,
                        std::optional<double> vinVolts, std::optional<double> loadAmps);
    // The best pair of the chosen series for the Vout last asked for.
    void showBestPair();
    // The dissipation and the warnings for the load.
    void showLoad(double vout, std::optional<double> vin, std::optional<double> loadAmps);

    QLineEdit* m_vref = nullptr;
    QLineEdit* m_iadj = nullptr;
    QLineEdit* m_r1 = nullptr;
    QLineEdit* m_r2 = nullptr;
    QLineEdit* m_vout = nullptr;
    QLineEdit* m_vin = nullptr;
    QLineEdit* m_iload = nullptr;
    QComboBox* m_series = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
    QLabel* m_bestPair = nullptr;
    QLabel* m_dissipation = nullptr;
    QLabel* m_warnings = nullptr;

    struct PairRequest
    {
        double vout;
        double vref;
        double adjustAmps;
    };
    // What the best pair shown was chosen for; a new series chooses again.
    std::optional<PairRequest> m_pairRequest;
};
