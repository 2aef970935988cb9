#pragma once

// Standard resistors in twos and threes that come closest to a wanted value: the ten best of the
// arrangements the user ticks, from the values of one series between 1 ohm and 10 M.

#include "ui/calculator_panel.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class ResistorCombinationsPanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit ResistorCombinationsPanel(QWidget* parent = nullptr);

    void resetToStartState() override;
    void loadSettings(const settings::Key& key) override;
    bool saveSettings(const settings::Key& key) override;

    void find();

private:
    void buildControls();
    void connectControls();

    QLineEdit* m_target = nullptr;
    QComboBox* m_series = nullptr;
    QCheckBox* m_twoInSeries = nullptr;
    QCheckBox* m_twoInParallel = nullptr;
    QCheckBox* m_three = nullptr;
    QPushButton* m_find = nullptr;
    QListWidget* m_results = nullptr;
};
