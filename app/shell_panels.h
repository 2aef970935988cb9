#pragma once

// The shell's own panels: the disclaimer and the four schematic-symbol sheets.
// The notes pad and the image viewer have their own files.

#include "ui/calculator_panel.h"

namespace artwork {
enum class SymbolSheet;
}

class QLabel;
class QPushButton;

class DisclaimerPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit DisclaimerPanel(QWidget* parent = nullptr);

    // The disclaimer's wording, also quoted by the question at first start.
    static QString disclaimerText();
    QString shownText() const;

private:
    QLabel* DisclaimerText = nullptr;
};

// One sheet of schematic symbols in a scroll box, with a button that opens the
// same sheet in a window of its own.
class SchematicPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    struct Sheet
    {
        const char* panelName;
        const char* caption;
        artwork::SymbolSheet symbols;
        const char* buttonName;
    };
    explicit SchematicPanel(const Sheet& sheet, QWidget* parent = nullptr);

signals:
    void separateWindowRequested();
};
