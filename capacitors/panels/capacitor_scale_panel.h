#pragma once

// The capacitor scale comparison sheet: one value typed into one of the pF,
// nF, uF and mF fields, converted into the other three. The code and dropper
// panels hand values to it: each hand-over clears the ticked fields, puts the
// value into one field and converts it, exactly as the user would.

#include "capacitors/maths/scale_units.h"
#include "ui/calculator_panel.h"

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

class CapacitorScalePanel : public CalculatorPanel
{
    Q_OBJECT

public:
    explicit CapacitorScalePanel(QWidget* parent = nullptr);

    // Every field empty, every tick box ticked.
    void resetToStartState() override;

    void calcCapacitance();
    void clearCapacitance();
    void clearField(capacitance::Unit unit);

    // A value handed over by another panel, as that panel shows it: clears
    // the ticked fields, copies the text unchanged into the unit's field and
    // converts. Its messages are the sheet's own.
    void convertHandedOverValue(capacitance::Unit unit, const QString& text);

private:
    void buildControls();
    void buildReference(QWidget* group);
    void buildKeyGroup();
    void connectControls();
    QLineEdit* field(capacitance::Unit unit) const { return m_fields[std::size_t(unit)]; }

    std::array<QLineEdit*, capacitance::kUnitCount> m_fields{};
    std::array<QCheckBox*, capacitance::kUnitCount> m_ticks{};
    std::array<QPushButton*, capacitance::kUnitCount> m_clearButtons{};
    QPushButton* m_calcCapacitance;
    QPushButton* m_clearCapacitance;
};
