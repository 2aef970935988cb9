#include "capacitors/panels/capacitor_digit_panel.h"

#include "capacitors/maths/digit_codes.h"
#include "capacitors/panels/panel_parts.h"
#include "core/numeric_text.h"
#include "ui/form_builder.h"
#include "ui/numeric_field.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

using namespace capacitor_parts;

namespace {

QStringList itemsOf(std::span<const std::string_view> items)
{
    QStringList list;
    for (std::string_view item : items)
        list.append(textOf(item));
    return list;
}

} // namespace

CapacitorDigitPanel::CapacitorDigitPanel(QWidget* parent)
    : CalculatorPanel("PanelCapacitorDigitValues", parent)
{
    buildCodeGroup();
    buildKeyGroup();
    connectControls();
}

void CapacitorDigitPanel::buildCodeGroup()
{
    QGroupBox* g = form::group(this, "GroupCapacitorDigitValues", 8, 8, 633, 250,
                               QStringLiteral(" Capacitor Digit Values "));
    form::instruction(
        g, "LabelCapacitorDigitValuesInstruction", 16, 22, 600, 32,
        QStringLiteral("Some older style capacitors used an alpha numeric code to denote its "
                       "capacitance (e.g. 104k).  Use this sheet to work out the values of these "
                       "devices."));

    const int columns[] = {16, 168, 320, 472};
    form::label(g, nullptr, columns[0], 70, QStringLiteral("&First - digit"));
    form::label(g, nullptr, columns[1], 70, QStringLiteral("&Second - digit"));
    form::label(g, nullptr, columns[2], 70, QStringLiteral("&Third - digit"));
    form::label(g, nullptr, columns[3], 70, QStringLiteral("F&ourth - letter (tolerance)"));
    const QStringList digits = itemsOf(digit_codes::kDigitItems);
    m_cap1 = form::comboBox(g, "Cap1", columns[0], 88, 120, digits, QStringLiteral("0"),
                            QStringLiteral("Select the first capacitor digit"));
    m_cap2 = form::comboBox(g, "Cap2", columns[1], 88, 120, digits, QStringLiteral("0"),
                            QStringLiteral("Select the second capacitor digit"));
    m_cap3 = form::comboBox(g, "Cap3", columns[2], 88, 120, itemsOf(digit_codes::kMultiplierItems),
                            QStringLiteral("0"), QStringLiteral("Select the third capacitor digit"));
    m_cap4 = form::comboBox(g, "Cap4", columns[3], 88, 120, itemsOf(digit_codes::kToleranceItems),
                            QStringLiteral("D"), QStringLiteral("Select the fourth capacitor letter"));

    form::label(g, nullptr, 16, 140, QStringLiteral("Capacitor Value:"));
    m_capValue = form::resultLabel(g, "CapValue", 120, 140);
    m_labelPf = form::label(g, "Label_pF", 125, 140, QStringLiteral("pF"));
    form::label(g, nullptr, 16, 164, QStringLiteral("Tolerance:"));
    m_capTolerance = form::resultLabel(g, "CapTolerance", 120, 164);
    m_capTolValue = form::label(g, "CapTolValue", 0, 0, QString());
    m_capTolValue->hide();

    const QString hint = QStringLiteral("Put the capacitor value (in pF) into the scale comparison sheet");
    m_capScaleCompare =
        form::button(g, "CapScaleCompare", 16, 204, 150, 25, QStringLiteral("Scale Compare Value"), hint);
    m_capScaleCompareTolerance = form::button(g, "CapScaleCompareTolerance", 174, 204, 170, 25,
                                              QStringLiteral("Scale Compare Telerance"), hint);
}

void CapacitorDigitPanel::buildKeyGroup()
{
    QGroupBox* key = form::group(this, "GroupCapacitorDigitKey", 8, 266, 633, 126, QStringLiteral(" Key "));
    form::textBlock(key, nullptr, 16, 24, 290, 92,
                    QStringLiteral("Third digit (multiplier):\n0 = x 1,  1 = x 10,  2 = x 100,  3 = x 1000,\n"
                                   "4 = x 10000,  5 = x 100000,\n8 = x 0.01,  9 = x 0.1"));
    form::textBlock(key, nullptr, 320, 24, 300, 92,
                    QStringLiteral("Fourth letter (tolerance):\nD = +/- 0.5 pF,  F = 1%,  G = 2%,  H = 3%,\n"
                                   "J = 5%,  K = 10%,  M = 20%,\nP = +100% / -0%,  Z = +80% / -20%"));
}

void CapacitorDigitPanel::connectControls()
{
    for (QComboBox* list : {m_cap1, m_cap2, m_cap3, m_cap4}) {
        connect(list, &QComboBox::editTextChanged, this,
                [this] { guarded([this] { showCapacitorDigitValue(); }); });
    }
    onClick(m_capScaleCompare, &CapacitorDigitPanel::scaleCompareValue);
    onClick(m_capScaleCompareTolerance, &CapacitorDigitPanel::scaleCompareTolerance);
}

void CapacitorDigitPanel::resetToStartState()
{
    selectQuietly(m_cap1, 0);
    selectQuietly(m_cap2, 0);
    selectQuietly(m_cap3, 0);
    selectQuietly(m_cap4, 0);
    showCapacitorDigitValue();
}

void CapacitorDigitPanel::showCapacitorDigitValue()
{
    const digit_codes::DigitCodeValue code =
        digit_codes::decode(listText(m_cap1), listText(m_cap2), listText(m_cap3), listText(m_cap4));
    showResult(m_capValue, FormatResult(code.picofarads));
    PlaceUnitLabel(m_capValue, m_labelPf);
    showResult(m_capTolerance, numeric::withDecimalSeparator(QString::fromStdString(code.tolerance.text)));
    m_capTolValue->setText(FormatResult(code.tolerance.amount));
}

void CapacitorDigitPanel::scaleCompareValue()
{
    emit sendToScaleSheet(capacitance::Unit::Picofarad, m_capValue->text());
}

void CapacitorDigitPanel::scaleCompareTolerance()
{
    emit sendToScaleSheet(capacitance::Unit::Picofarad, m_capTolValue->text());
}
