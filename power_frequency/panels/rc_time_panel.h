#pragma once

// RC time constants: tau, the low-pass corner and the capacitor's voltage while it charges
// and discharges.
//
// R and C give tau, the corner and the times to charge to four shares of the supply; a
// supply voltage with a time adds the capacitor's voltage at that time, charging from
// nothing and discharging from the supply.

#include "ui/calculator_panel.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class RcTimeConstantPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit RcTimeConstantPanel(QWidget* parent = nullptr);

    void resetToStartState() override { clearAll(); }

    void calculate();
    void clearAll();

private:
    void buildControls();
    void buildResults();
    void connectControls();
    void clearResults();

    QLineEdit* m_r = nullptr;
    QLineEdit* m_c = nullptr;
    QLineEdit* m_supply = nullptr;
    QLineEdit* m_time = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
    QLabel* m_tau = nullptr;
    QLabel* m_cutoff = nullptr;
    std::array<QLabel*, 4> m_chargeTimes{};
    QLabel* m_charging = nullptr;
    QLabel* m_discharging = nullptr;
};
