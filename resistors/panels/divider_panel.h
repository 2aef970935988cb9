#pragma once

// The voltage divider: any three of input voltage, top and bottom resistor and output voltage
// give the fourth, with the current and each resistor's heat, and the standard pair of a chosen
// series that comes closest. Given only the two voltages, it designs: just the standard pair.

#include "ui/calculator_panel.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class VoltageDividerPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit VoltageDividerPanel(QWidget* parent = nullptr);

    void resetToStartState() override;
    void loadSettings(const settings::Key& key) override;
    bool saveSettings(const settings::Key& key) override;

    void calculate();
    void clearAll();

private:
    void buildControls();
    void buildResults(QWidget* group);
    void connectControls();
    void clearResults();
    // The standard pair for vout from vin, its sum near totalOhms; kept, so
    // that another series gives its pair at once.
    void showStandardPair(double vin, double vout, double totalOhms);
    void showStandardPairOfOtherSeries();

    QLineEdit* m_vin = nullptr;
    QLineEdit* m_r1 = nullptr;
    QLineEdit* m_r2 = nullptr;
    QLineEdit* m_vout = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clear = nullptr;
    QComboBox* m_series = nullptr;
    QLabel* m_current = nullptr;
    QLabel* m_powerR1 = nullptr;
    QLabel* m_powerR2 = nullptr;
    QLabel* m_bestPair = nullptr;
    struct PairWanted
    {
        double vin;
        double vout;
        double totalOhms;
    };
    std::optional<PairWanted> m_pairWanted;
};
