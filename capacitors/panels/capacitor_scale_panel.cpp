#include "capacitors/panels/capacitor_scale_panel.h"

#include "ui/accessibility.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using capacitance::kUnitCount;
using capacitance::Unit;

namespace {

struct UnitControls
{
    const char* unit;
    const char* field;
    const char* hint;
    const char* tick;
    const char* clear;
};
constexpr std::array<UnitControls, kUnitCount> kUnits{{
    {"&pF", "pF", "Enter in a pF value to convert to nF, uF and mF", "TickClearpF", "BtnClearpF"},
    {"&nF", "nF", "Enter in a nF value to convert to pF, uF and mF", "TickClearnF", "BtnClearnF"},
    {"&uF", "uF", "Enter in a uF value to convert to pF, nF and mF", "TickClearuF", "BtnClearuF"},
    {"&mF", "mF", "Enter in a mF value to convert to pF, nF and uF", "TickClearmF", "BtnClearmF"},
}};

// Left edges of the four unit columns; the fields, tick boxes, reference
// table and powers of ten line up under each other.
constexpr std::array<int, kUnitCount> kColumnX{27, 177, 327, 477};

constexpr const char* kReferenceRows[][kUnitCount] = {
    {"1,000 pF", "1 nF", "0.001 uF", "0.000001 mF"},
    {"10,000 pF", "10 nF", "0.01 uF", "0.00001 mF"},
    {"100,000 pF", "100 nF", "0.1 uF", "0.0001 mF"},
    {"1,000,000 pF", "1,000 nF", "1 uF", "0.001 mF"},
};
constexpr const char* kExponents[kUnitCount] = {"-12", "-9", "-6", "-3"};

void equalsSigns(QWidget* parent, int y)
{
    for (int i = 0; i + 1 < kUnitCount; ++i)
        form::label(parent, nullptr, kColumnX[std::size_t(i)] + 128, y, QStringLiteral("="));
}

} // namespace

CapacitorScalePanel::CapacitorScalePanel(QWidget* parent)
    : CalculatorPanel("PanelCapacitorScaleComparisons", parent)
{
    buildControls();
    connectControls();
}

void CapacitorScalePanel::buildControls()
{
    QGroupBox* g = form::group(this, "GroupCapacitorScaleComparisons", 8, 8, 633, 262,
                               QStringLiteral(" Capacitor Scale Comparisons "));
    form::instruction(
        g, "LabelScaleComparisonsInstruction", 16, 22, 600, 32,
        QStringLiteral("Input your capacitor value into the relevant unit field, and calculate the "
                       "equivalent value in the other units."));

    for (std::size_t i = 0; i < kUnits.size(); ++i) {
        const UnitControls& u = kUnits[i];
        const int x = kColumnX[i];
        m_fields[i] = form::field(g, u.field, x, 64, 100, QString::fromLatin1(u.hint));
        form::label(g, nullptr, x + 104, 67, QString::fromLatin1(u.unit));
        m_clearButtons[i] = form::clearButton(g, u.clear, x - 11, 60);
        m_ticks[i] = new QCheckBox(QStringLiteral("Tick to clear"), g);
        m_ticks[i]->setObjectName(QString::fromLatin1(u.tick));
        m_ticks[i]->setGeometry(x, 90, 100, 17);
        m_ticks[i]->setToolTip(QStringLiteral("Clear this unit field when clicking Clear Ticked Units"));
        m_ticks[i]->setChecked(true);
    }
    equalsSigns(g, 67);

    m_calcCapacitance =
        form::button(g, "CalcCapacitance", kColumnX[0], 116, 90, 25, QStringLiteral("Calculate"),
                     QStringLiteral("Calculate the equivalent units"));
    m_clearCapacitance = form::button(g, "ClearCapacitance", kColumnX[0] + 98, 116, 120, 25,
                                      QStringLiteral("Clear ticked units"),
                                      QStringLiteral("Clear the unit fields with ticks"));
    buildReference(g);
    buildKeyGroup();
}

void CapacitorScalePanel::buildReference(QWidget* g)
{
    int y = 156;
    for (const auto& row : kReferenceRows) {
        for (std::size_t i = 0; i < kUnitCount; ++i)
            form::label(g, nullptr, kColumnX[i], y, QString::fromLatin1(row[i]));
        equalsSigns(g, y);
        y += 18;
    }
    // Powers of ten of the farad: "10" and "F" with a small exponent raised
    // into the gap between them.
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        form::label(g, nullptr, kColumnX[i], 234, QStringLiteral("10       F"));
        QLabel* exponent = form::label(g, nullptr, kColumnX[i] + 15, 229, QString::fromLatin1(kExponents[i]));
        QFont small = exponent->font();
        small.setPixelSize(9);
        exponent->setFont(small);
        form::fitToText(exponent);
    }
}

void CapacitorScalePanel::buildKeyGroup()
{
    QGroupBox* key = form::group(this, "GroupCapacitorScaleKey", 8, 278, 633, 114, QStringLiteral(" Key "));
    form::label(key, nullptr, 16, 24, QStringLiteral("pF - pico Farad"));
    form::label(key, nullptr, 16, 44, QStringLiteral("nF - nano Farad"));
    form::label(key, nullptr, 16, 64, QStringLiteral("uF - micro Farad"));
    form::label(key, nullptr, 124, 64, QStringLiteral("(aka mfd or MF)"));
    form::label(key, nullptr, 16, 84, QStringLiteral("mF - milli Farad"));
}

void CapacitorScalePanel::connectControls()
{
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        const auto unit = Unit(i);
        // A screen reader names the button after the field it clears.
        m_clearButtons[i]->setProperty(a11y::kClearsField, QVariant::fromValue<QObject*>(m_fields[i]));
        connect(m_clearButtons[i], &QPushButton::clicked, this,
                [this, unit] { guarded([this, unit] { clearField(unit); }); });
    }
    onClick(m_calcCapacitance, &CapacitorScalePanel::calcCapacitance);
    calculateOnEnter({m_fields[0], m_fields[1], m_fields[2], m_fields[3]}, m_calcCapacitance);
    onClick(m_clearCapacitance, &CapacitorScalePanel::clearCapacitance);
    // Every unit field is a Tab stop, so a value in any unit can be typed
    // without a mouse; Tab crosses the four fields before their tick boxes.
    setTabOrder({m_fields[0], m_fields[1], m_fields[2], m_fields[3], m_ticks[0], m_ticks[1], m_ticks[2],
                 m_ticks[3], m_calcCapacitance, m_clearCapacitance});
}

void CapacitorScalePanel::resetToStartState()
{
    for (QLineEdit* f : m_fields)
        f->clear();
    for (QCheckBox* tick : m_ticks)
        tick->setChecked(true);
}

void CapacitorScalePanel::calcCapacitance()
{
    const LenientReadings r = ReadNumericFields(this, {{m_fields[0], QStringLiteral("pF")},
                                                       {m_fields[1], QStringLiteral("nF")},
                                                       {m_fields[2], QStringLiteral("uF")},
                                                       {m_fields[3], QStringLiteral("mF")}});
    if (r.errorSeen)
        return;
    if (r.givenCount > 1) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Too many values provided.\n\nEnsure that you only enter one of the pF, nF, "
                           "uF or mF values."));
        return;
    }
    if (r.givenCount == 0) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Not enough values provided.\n\nEnsure that you enter one of the pF, nF, uF "
                           "or mF values."));
        return;
    }
    std::size_t given = 0;
    while (!r.fields[qsizetype(given)].given())
        ++given;
    const auto values = capacitance::convert(Unit(given), r.fields[qsizetype(given)].value);
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        if (i != given)
            m_fields[i]->setText(FormatResult(values[i]));
    }
}

void CapacitorScalePanel::clearCapacitance()
{
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        if (m_ticks[i]->isChecked())
            m_fields[i]->clear();
    }
}

void CapacitorScalePanel::clearField(Unit unit)
{
    field(unit)->clear();
}

void CapacitorScalePanel::convertHandedOverValue(Unit unit, const QString& text)
{
    clearCapacitance();
    field(unit)->setText(text);
    calcCapacitance();
}
