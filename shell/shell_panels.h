#pragma once

// The shell's own panels: the disclaimer, the notes pad, the image viewer and
// the four schematic-symbol sheets.

#include "shell/calculator_panel.h"

namespace artwork {
enum class SymbolSheet;
}

class QLabel;
class QPlainTextEdit;
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

class NotesPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit NotesPanel(QWidget* parent = nullptr);

    void resetToStartState() override;
    bool hasUnsavedText() const;

private:
    QPlainTextEdit* MemoPad = nullptr;
    QLabel* MemoPadLabel = nullptr;
};

class ImagesPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ImagesPanel(QWidget* parent = nullptr);

    void resetToStartState() override;

private:
    QLabel* ImageFileNameLabel = nullptr;
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
