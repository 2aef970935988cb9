#pragma once

// The shell's own panels: the disclaimer and the four schematic-symbol sheets.
// The notes pad and the image viewer have their own files.

#include "ui/calculator_panel.h"

#include <memory>

namespace artwork {
enum class SymbolSheet;
}

class QLabel;
class QPushButton;
class SchematicWindow;

namespace app {
// The disclaimer's wording, shown on its panel and quoted by the question at
// first start.
QString disclaimerText();
} // namespace app

class DisclaimerPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit DisclaimerPanel(QWidget* parent = nullptr);

    QString shownText() const;

private:
    QLabel* m_text = nullptr;
};

// One sheet of schematic symbols in a scroll box, with a button that opens the
// same sheet in a window of its own. The window is made the first time it is
// asked for and ends with the panel, so with the program.
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
        std::unique_ptr<SchematicWindow> (*makeWindow)();
    };
    explicit SchematicPanel(const Sheet& sheet, QWidget* parent = nullptr);
    ~SchematicPanel() override;

    // Shows the sheet's own window, making it the first time.
    void showSeparateWindow();

private:
    std::unique_ptr<SchematicWindow> (*m_makeWindow)();
    std::unique_ptr<SchematicWindow> m_window;
};
