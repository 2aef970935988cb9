#pragma once

// The 555 timer, astable and monostable: times, frequency and duty cycle from the parts, and
// the parts from the wanted timing.
//
// Astable: C and any two of R1, R2, the frequency and the duty cycle give the other two and
// the high, low and period times; where R1 or R2 was worked out, their nearest E24 values
// stand below with the frequency they give. A duty cycle of 50 % or less needs a diode across
// R2, which the panel says in place of results. Monostable: any two of R (typed in the R1
// field), C and the pulse width give the third. The fields given and the fields worked out
// are the same fields, as on the Ohm's law panel.

#include "power_frequency/maths/timer555.h"
#include "ui/calculator_panel.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Timer555Panel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit Timer555Panel(QWidget* parent = nullptr);

    // Astable, every field and result empty.
    void resetToStartState() override;

    void calculate();
    void clearAll();
    // Shows the fields, results and picture of one circuit; the texts typed stay.
    void showAstable(bool astable);

private:
    void buildControls();
    void buildResults();
    void connectControls();
    void calculateAstable();
    // Writes what was worked out: the fields not given (R1, R2, frequency,
    // duty cycle), the times, and the E24 line when R1 or R2 was worked out.
    void showAstableResults(const std::array<bool, 4>& given, const timer555::AstableResistors& parts,
                            const timer555::AstableTiming& timing, double capacitanceFarads);
    void calculateMonostable();
    void clearResults();

    QRadioButton* m_astable = nullptr;
    QRadioButton* m_monostable = nullptr;
    QLabel* m_instruction = nullptr;
    QLabel* m_r1Caption = nullptr;
    QLineEdit* m_c = nullptr;
    QLineEdit* m_r1 = nullptr;
    QLineEdit* m_r2 = nullptr;
    QLineEdit* m_frequency = nullptr;
    QLineEdit* m_dutyCycle = nullptr;
    QLineEdit* m_pulseWidth = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_clearAll = nullptr;
    QLabel* m_highTime = nullptr;
    QLabel* m_lowTime = nullptr;
    QLabel* m_period = nullptr;
    QLabel* m_standardValues = nullptr;
    QLabel* m_diodeNote = nullptr;
    QWidget* m_astablePicture = nullptr;
    QWidget* m_monostablePicture = nullptr;
    // Shown in astable mode only: R2, frequency, duty cycle, the times, with their captions.
    QList<QWidget*> m_astableOnly;
    QList<QWidget*> m_monostableOnly;
};
