#include "resistors/panels/smd_codes_panel.h"

#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "resistors/maths/smd_codes.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString schemeName(smd_codes::Scheme scheme)
{
    switch (scheme) {
    case smd_codes::Scheme::ThreeDigit:
        return QStringLiteral("three digits");
    case smd_codes::Scheme::FourDigit:
        return QStringLiteral("four digits");
    case smd_codes::Scheme::RForPoint:
        return QStringLiteral("R as the decimal point");
    case smd_codes::Scheme::Eia96:
        break;
    }
    return QStringLiteral("EIA-96");
}

// The values the colour-band calculator's two digits and multipliers (gold
// to violet) can show: from 1.0 to 99 x 10^7, below a thousand million.
constexpr double kLowestBandOhms = 1;
constexpr double kBandOhmsBeyond = 1e9;

QString valueText(double ohms)
{
    return QString::fromStdString(e_series::valueText(ohms));
}

// What a marking prints for a value: its code, or the code of the nearest
// value it can mark.
QString markingText(const std::optional<smd_codes::Encoded>& encoded)
{
    if (!encoded)
        return QString();
    const QString code = QString::fromStdString(encoded->code);
    if (encoded->exact)
        return code;
    return numeric::withDecimalSeparator(
        QStringLiteral("No code for this value; nearest %1 (%2)").arg(code, valueText(encoded->ohms)));
}

} // namespace

ResistorSmdCodesPanel::ResistorSmdCodesPanel(QWidget* parent)
    : CalculatorPanel("PanelResistorSmdCodes", parent)
{
    buildDecodeGroup();
    buildEncodeGroup();
    connectControls();
}

void ResistorSmdCodesPanel::buildDecodeGroup()
{
    QGroupBox* g = form::group(this, "GroupSmdDecode", 8, 8, 633, 172, QStringLiteral(" Code to Value "));
    form::instruction(g, "LabelSmdDecodeInstruction", 16, 22, 600, 32,
                      QStringLiteral("Type the code printed on the resistor: three digits (472), four "
                                     "digits (4702), R as the decimal point (4R7, R47) or an EIA-96 code "
                                     "(01C, 68X)."));
    form::label(g, nullptr, 28, 62, QStringLiteral("&Code"));
    m_code =
        form::field(g, "SmdCode", 28, 80, 110, QStringLiteral("Enter the code printed on the resistor"), 10);
    m_decode = form::button(g, "BtnSmdDecode", 150, 78, 90, 25, QStringLiteral("Decode"),
                            QStringLiteral("Read the value the code marks"));
    form::label(g, nullptr, 28, 118, QStringLiteral("Value:"));
    m_value = form::resultLabel(g, "SmdValue", 100, 118);
    form::label(g, nullptr, 28, 142, QStringLiteral("Marking:"));
    m_scheme = form::resultLabel(g, "SmdScheme", 100, 142);
    m_colourBands = form::button(
        g, "BtnSmdColourBands", 480, 78, 130, 25, QStringLiteral("Get Colour Bands"),
        QStringLiteral("Click here to get the nearest colour bands for a resistor of this value"));
}

void ResistorSmdCodesPanel::buildEncodeGroup()
{
    QGroupBox* g = form::group(this, "GroupSmdEncode", 8, 188, 633, 172, QStringLiteral(" Value to Codes "));
    form::instruction(g, "LabelSmdEncodeInstruction", 16, 22, 600, 16,
                      QStringLiteral("Type a value in ohms to see the code each marking prints for it."));
    form::label(g, nullptr, 28, 44, QStringLiteral("&Value (ohms)"));
    m_valueIn =
        form::field(g, "SmdValueIn", 28, 62, 110, QStringLiteral("Enter a resistance value here (in ohms)"));
    m_encode = form::button(g, "BtnSmdEncode", 150, 60, 90, 25, QStringLiteral("Encode"),
                            QStringLiteral("Find the codes that mark this value"));
    const struct
    {
        const char* caption;
        const char* name;
        QLabel** member;
    } lines[] = {{"Three digits:", "SmdCode3", &m_code3},
                 {"Four digits:", "SmdCode4", &m_code4},
                 {"EIA-96:", "SmdCodeEia96", &m_codeEia96}};
    int y = 100;
    for (const auto& line : lines) {
        form::label(g, nullptr, 28, y, QString::fromLatin1(line.caption));
        *line.member = form::resultLabel(g, line.name, 120, y);
        y += 24;
    }
}

void ResistorSmdCodesPanel::connectControls()
{
    onClick(m_decode, &ResistorSmdCodesPanel::decode);
    calculateOnEnter({m_code}, m_decode);
    onClick(m_encode, &ResistorSmdCodesPanel::encode);
    calculateOnEnter({m_valueIn}, m_encode);
    onClick(m_colourBands, &ResistorSmdCodesPanel::requestColourBands);
    setTabOrder({m_code, m_decode, m_value, m_scheme, m_colourBands, m_valueIn, m_encode, m_code3, m_code4,
                 m_codeEia96});
}

void ResistorSmdCodesPanel::resetToStartState()
{
    for (QLineEdit* field : {m_code, m_valueIn})
        field->clear();
    for (QLabel* result : {m_value, m_scheme, m_code3, m_code4, m_codeEia96})
        result->clear();
    m_decodedOhms.reset();
}

void ResistorSmdCodesPanel::decode()
{
    // A code that cannot be read leaves no value behind, to be handed on
    // as if it were this code's.
    for (QLabel* result : {m_value, m_scheme})
        result->clear();
    m_decodedOhms.reset();
    const QString code = m_code->text().trimmed();
    if (code.isEmpty()) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("No code has been given.\n\nType the code printed on the resistor."));
        return;
    }
    const std::optional<smd_codes::Decoded> decoded = smd_codes::decode(code.toStdString());
    if (!decoded) {
        ui::showNote(
            this, QStringLiteral("SMD Code Error"),
            numeric::withDecimalSeparator(
                QStringLiteral(
                    "%1 is not a resistor code.\n\nCodes are three digits (472 is 4.7 k), four digits (4702 "
                    "is 47 k), digits with R as the decimal point (4R7 is 4.7, R47 is 0.47) or EIA-96: two "
                    "digits and a multiplier letter (01C is 10 k, 68X is 49.9).")
                    .arg(code)));
        return;
    }
    const double ohms = decoded->reading.ohms;
    QString value = FormatResult(ohms) + QStringLiteral(" ohms");
    if (ohms == 0)
        value += QStringLiteral(" (a zero-ohm link)");
    else if (ohms >= 1000)
        value += numeric::withDecimalSeparator(QStringLiteral(" (%1)").arg(valueText(ohms)));
    m_value->setText(value);
    QString scheme = schemeName(decoded->reading.scheme);
    scheme[0] = scheme[0].toUpper();
    if (const std::optional<smd_codes::Reading>& other = decoded->otherReading) {
        scheme = numeric::withDecimalSeparator(
            QStringLiteral("Ambiguous: read with %1; as %2 it is %3 ohms")
                .arg(schemeName(decoded->reading.scheme), schemeName(other->scheme), valueText(other->ohms)));
    }
    m_scheme->setText(scheme);
    form::fitToText(m_value);
    form::fitToText(m_scheme);
    m_decodedOhms = ohms;
}

void ResistorSmdCodesPanel::encode()
{
    for (QLabel* result : {m_code3, m_code4, m_codeEia96})
        result->clear();
    const std::optional<double> ohms = ReadStrictNumericField(this, m_valueIn, QStringLiteral("Value"));
    if (!ohms)
        return;
    if (*ohms < 0) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("A resistance cannot be negative.\n\nType a value of 0 ohms or more."));
        return;
    }
    m_code3->setText(markingText(smd_codes::encodeThreeDigit(*ohms)));
    m_code4->setText(markingText(smd_codes::encodeFourDigit(*ohms)));
    m_codeEia96->setText(markingText(smd_codes::encodeEia96(*ohms)));
    for (QLabel* result : {m_code3, m_code4, m_codeEia96})
        form::fitToText(result);
}

void ResistorSmdCodesPanel::requestColourBands()
{
    if (!m_decodedOhms) {
        ui::showNote(this, QStringLiteral("No Resistor Value"),
                     QStringLiteral("Resistor value not yet shown.\n\nInput a code and click Decode\nbefore "
                                    "getting the colour bands."));
        return;
    }
    if (*m_decodedOhms == 0) {
        ui::showNote(this, QStringLiteral("No Colour Bands"),
                     QStringLiteral("A zero-ohm link has no value bands.\n\nIt is marked with a single black "
                                    "band."));
        return;
    }
    if (*m_decodedOhms < kLowestBandOhms || *m_decodedOhms >= kBandOhmsBeyond) {
        ui::showNote(this, QStringLiteral("No Colour Bands"),
                     numeric::withDecimalSeparator(
                         QStringLiteral("The colour bands show values from 1 ohm to 990 M.\n\nThe value "
                                        "read, %1, lies outside them.")
                             .arg(valueText(*m_decodedOhms))));
        return;
    }
    emit colourBandsRequested(FormatResult(*m_decodedOhms));
}
