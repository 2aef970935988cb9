#pragma once

// Printed resistor codes read both ways: a three- or four-digit code, R as the decimal point or
// an EIA-96 code to its value, and a value to the codes that mark it. The value read can be
// handed to the colour-band calculator.

#include "ui/calculator_panel.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class ResistorSmdCodesPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ResistorSmdCodesPanel(QWidget* parent = nullptr);

    void resetToStartState() override;

    void decode();
    void encode();
    void requestColourBands();

signals:
    // The value read from the code, in ohms, as its text.
    void colourBandsRequested(const QString& ohms);

private:
    void buildDecodeGroup();
    void buildEncodeGroup();
    void connectControls();

    QLineEdit* m_code = nullptr;
    QPushButton* m_decode = nullptr;
    QPushButton* m_colourBands = nullptr;
    QLabel* m_value = nullptr;
    QLabel* m_scheme = nullptr;
    QLineEdit* m_valueIn = nullptr;
    QPushButton* m_encode = nullptr;
    QLabel* m_code3 = nullptr;
    QLabel* m_code4 = nullptr;
    QLabel* m_codeEia96 = nullptr;
    std::optional<double> m_decodedOhms;
};
