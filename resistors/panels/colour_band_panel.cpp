#include "resistors/panels/colour_band_panel.h"

#include "artwork/artwork.h"
#include "core/checked_math.h"
#include "core/numeric_text.h"
#include "maths/e_series.h"
#include "resistors/maths/colour_bands.h"
#include "resistors/maths/precision_bands.h"
#include "ui/colour_band_widgets.h"
#include "ui/form_builder.h"
#include "ui/message_box.h"
#include "ui/numeric_field.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

using band_widgets::itemsOf;
using band_widgets::listText;
using band_widgets::paintSwatch;
using band_widgets::swatch;
using band_widgets::textOf;

} // namespace

ColourBandPanel::ColourBandPanel(QWidget* parent) : CalculatorPanel("PanelResistorColourBands", parent)
{
    using namespace colour_bands;
    QWidget* p = this;

    form::label(p, "LabelConventionalType", 8, 8, QStringLiteral("Conventional Colour Band type"));
    RadBtnResTwoDigits =
        form::radio(p, "RadBtnResTwoDigits", 8, 30, 170, QStringLiteral("2 digits (4-5 bands)"));
    RadBtnResTwoDigits->setToolTip(QStringLiteral("Read two digit bands, a multiplier, the tolerance and the "
                                                  "temperature coefficient (this resets the bands)"));
    RadBtnResTwoDigits->setChecked(true);
    RadBtnResThreeDigits =
        form::radio(p, "RadBtnResThreeDigits", 8, 50, 170, QStringLiteral("3 digits (5-6 bands)"));
    RadBtnResThreeDigits->setToolTip(QStringLiteral("Read three digit bands, a multiplier and the tolerance, "
                                                    "as on 1 % precision resistors (this resets the bands)"));
    form::picture(p, "ImageResistor", QRect(215, 4, 220, 58), &artwork::resistorBody);
    ResBand1Colour = swatch(p, "ResBand1Colour", 267, 13, 17, 40);
    ResBand2Colour = swatch(p, "ResBand2Colour", 291, 13, 17, 40);
    ResBand3Colour = swatch(p, "ResBand3Colour", 315, 13, 17, 40);
    ResBand4Colour = swatch(p, "ResBand4Colour", 355, 13, 17, 40);
    ResBand5Colour = swatch(p, "ResBand5Colour", 379, 13, 17, 40);
    m_twoDigitLeaders =
        form::picture(p, "ImageBandLeaderLines", QRect(80, 62, 487, 48), &artwork::bandLeaderLines);
    m_precisionLeaders = form::picture(p, "ImageBandLeaderLinesPrecision", QRect(80, 62, 487, 48),
                                       &artwork::precisionBandLeaderLines);
    m_precisionLeaders->hide();
    // Beside the drawing: what to buy for the value on show.
    m_standardCaption =
        form::label(p, "LabelStandardValues", 452, 8, QStringLiteral("Nearest standard values:"));
    m_standardValues = form::resultLabel(p, "ResStandardValues", 452, 25);
    m_standardValues->setAccessibleDescription(QStringLiteral("Nearest standard E12, E24 and E96 values"));

    const QString ordinals[] = {QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third"),
                                QStringLiteral("fourth"), QStringLiteral("fifth")};
    auto hint = [&](int i) { return QStringLiteral("Select the %1 resistor band colour").arg(ordinals[i]); };
    ComboResCol1 = form::comboBox(p, "ComboResCol1", 80, 110, 89, itemsOf(kDigitBands),
                                  QStringLiteral("Brown"), hint(0));
    ComboResCol2 =
        form::comboBox(p, "ComboResCol2", 179, 110, 89, itemsOf(kDigitBands), QStringLiteral("Red"), hint(1));
    ComboResCol3 = form::comboBox(p, "ComboResCol3", 278, 110, 89, itemsOf(kMultiplierBands),
                                  QStringLiteral("Gold"), hint(2));
    ComboResCol4 = form::comboBox(p, "ComboResCol4", 377, 110, 89, itemsOf(kToleranceBands),
                                  QStringLiteral("Violet"), hint(3));
    ComboResCol5 = form::comboBox(p, "ComboResCol5", 476, 110, 89, itemsOf(kTempCoeffBands),
                                  QStringLiteral("Grey"), hint(4));

    Calc1 = form::field(p, "Calc1", 0, 0, 10, QString());
    Calc2 = form::field(p, "Calc2", 0, 0, 10, QString());
    Calc3 = form::field(p, "Calc3", 0, 0, 10, QString());
    Calc4 = form::field(p, "Calc4", 0, 0, 10, QString());
    Calc5 = form::field(p, "Calc5", 0, 0, 10, QString());
    for (QLineEdit* hidden : {Calc1, Calc2, Calc3, Calc4, Calc5}) {
        hidden->setEnabled(false);
        hidden->setVisible(false);
    }

    m_bodyTipSpot << form::picture(p, "ImageBodyTipSpotLeaderLines", QRect(100, 133, 350, 79),
                                   &artwork::bodyTipSpotLeaderLines);
    m_bodyTipSpot << form::label(p, "LabelBodyTipSpotType", 8, 222, QStringLiteral("Body, Tip Spot type"));
    ResImageBody = new QLabel(p);
    ResImageBody->setObjectName(QStringLiteral("ResImageBody"));
    ResImageBody->setGeometry(181, 212, 187, 39);
    ResImageTip = new QLabel(p);
    ResImageTip->setObjectName(QStringLiteral("ResImageTip"));
    ResImageTip->setGeometry(181, 212, 25, 39);
    ResImageSpot = swatch(p, "ResImageSpot", 266, 223, 17, 17);
    ResImageTol = new QLabel(p);
    ResImageTol->setObjectName(QStringLiteral("ResImageTol"));
    ResImageTol->setGeometry(341, 212, 11, 39);
    m_bodyTipSpot << ResImageBody << ResImageTip << ResImageSpot << ResImageTol;
    m_noBodyTipSpot = form::label(
        p, "LabelBodyTipSpotNotUsed", 8, 222,
        QStringLiteral("Body, Tip Spot type: this older marking has two digits only, so it is not shown "
                       "for three digit bands."));
    m_noBodyTipSpot->hide();

    form::instruction(
        p, "LabelColourBandsInstruction", 440, 160, 200, 48,
        QStringLiteral("You can find the value of a resistor, or find the colour bands of a resistor "
                       "you are looking for."));

    ToleranceValue = form::resultLabel(p, "ToleranceValue", 8, 253);
    ToleranceValue->setAccessibleDescription(QStringLiteral("Tolerance"));
    LabelTempCoeff = form::resultLabel(p, "LabelTempCoeff", 8, 253);
    LabelTempCoeff->setAccessibleDescription(QStringLiteral("Temperature coefficient"));

    QGroupBox* value =
        form::group(p, "GroupResistorValue", 8, 270, 400, 126, QStringLiteral(" Resistor Value "));
    form::instruction(
        value, "LabelResistorValueInstruction", 10, 16, 382, 42,
        QStringLiteral("Put in the value of the resistor you want, and click Calculate Nearest Match "
                       "to see what colours you need for that value.  Then to see how near the colour "
                       "band value is to yours, click Confirm Colour Bands."));
    form::label(value, nullptr, 22, 58, QStringLiteral("Value in ohms"));
    ResValue =
        form::field(value, "ResValue", 22, 74, 110, QStringLiteral("Shows the resistor value in ohms"), 50);
    form::clearButton(value, "BtnClearResValue", 11, 70);
    form::label(value, nullptr, 150, 58, QStringLiteral("Value in K ohms"));
    ResValueK = form::field(value, "ResValueK", 150, 74, 110,
                            QStringLiteral("Shows the resistor value in K ohms"), 50);
    form::clearButton(value, "BtnClearResValueK", 139, 70);
    form::label(value, nullptr, 278, 58, QStringLiteral("Value in M ohms"));
    ResValueM = form::field(value, "ResValueM", 278, 74, 110,
                            QStringLiteral("Shows the resistor value in M ohms"), 50);
    form::clearButton(value, "BtnClearResValueM", 267, 70);
    QPushButton* CalculateResValues =
        form::button(value, "CalculateResValues", 10, 99, 150, 23, QStringLiteral("Calculate Nearest Match"),
                     QStringLiteral("Calculate the other units, and the colour bands to make up that value"));
    QPushButton* ConfirmResValues =
        form::button(value, "ConfirmResValues", 166, 99, 140, 23, QStringLiteral("Confirm Colour Bands"),
                     QStringLiteral("Confirm the resulting resistor value from the current colour bands"));
    QPushButton* ClearResValues =
        form::button(value, "ClearResValues", 312, 99, 76, 23, QStringLiteral("Clear All"),
                     QStringLiteral("Clear the ohm, K and M fields"));

    QGroupBox* save =
        form::group(p, "GroupSaveValues", 416, 270, 226, 126, QStringLiteral(" Save the value to file "));
    form::label(save, nullptr, 10, 24, QStringLiteral("Record tag name for save:"));
    TagName = form::field(
        save, "TagName", 10, 42, 206,
        QStringLiteral("Specify the leading text to include if the resistor information is saved"), 50);
    TagName->setText(QStringLiteral("Resistor"));
    QPushButton* SaveValues = form::button(save, "SaveValues", 10, 76, 100, 25, QStringLiteral("Save Values"),
                                           QStringLiteral("Save the resistor value shown into a data file"));

    auto onBandChange = [this](QComboBox* list, void (ColourBandPanel::*handler)()) {
        connect(list, &QComboBox::editTextChanged, this,
                [this, handler] { guarded([this, handler] { (this->*handler)(); }); });
    };
    onBandChange(ComboResCol1, &ColourBandPanel::band1Changed);
    onBandChange(ComboResCol2, &ColourBandPanel::band2Changed);
    onBandChange(ComboResCol3, &ColourBandPanel::band3Changed);
    onBandChange(ComboResCol4, &ColourBandPanel::band4Changed);
    onBandChange(ComboResCol5, &ColourBandPanel::band5Changed);
    connect(RadBtnResThreeDigits, &QRadioButton::toggled, this,
            [this](bool three) { guarded([this, three] { setDigits(three ? 3 : 2); }); });
    connect(Calc5, &QLineEdit::textChanged, this,
            [this] { guarded([this] { temperatureCoefficientChanged(); }); });
    onClick(CalculateResValues, &ColourBandPanel::calculateNearestMatch);
    onClick(ConfirmResValues, &ColourBandPanel::confirmColourBands);
    onClick(ClearResValues, &ColourBandPanel::clearValues);
    connectClearButton("BtnClearResValue", ResValue);
    connectClearButton("BtnClearResValueK", ResValueK);
    connectClearButton("BtnClearResValueM", ResValueM);
    onClick(SaveValues, &ColourBandPanel::saveValues);
}

void ColourBandPanel::resetToStartState()
{
    setDigits(2);
}

void ColourBandPanel::band1Changed()
{
    const auto i = colour_bands::match(colour_bands::kDigitBands, listText(ComboResCol1));
    if (i) {
        const auto& band = colour_bands::kDigitBands[std::size_t(*i)];
        m_digit1 = band.digit;
        Calc1->setText(QString::number(band.digit));
        paintSwatch(ResBand1Colour, band.colour, band.item);
        ResImageBody->setPixmap(artwork::bodyImage(m_digit1));
    } else {
        ResImageBody->setPixmap(artwork::bodyImage(0));
    }
    showColourBandValue();
}

void ColourBandPanel::band2Changed()
{
    const auto i = colour_bands::match(colour_bands::kDigitBands, listText(ComboResCol2));
    if (i) {
        const auto& band = colour_bands::kDigitBands[std::size_t(*i)];
        m_digit2 = band.digit;
        Calc2->setText(QString::number(band.digit));
        paintSwatch(ResBand2Colour, band.colour, band.item);
        ResImageTip->setPixmap(artwork::tipImage(m_digit2));
    } else {
        ResImageTip->setPixmap(artwork::tipImage(0));
    }
    showColourBandValue();
}

void ColourBandPanel::band3Changed()
{
    if (m_threeDigits) {
        precisionDigit3Changed();
        return;
    }
    const auto i = colour_bands::match(colour_bands::kMultiplierBands, listText(ComboResCol3));
    if (i) {
        const auto& band = colour_bands::kMultiplierBands[std::size_t(*i)];
        m_multiplier = band.multiplier;
        Calc3->setText(textOf(band.text));
        paintSwatch(ResBand3Colour, band.colour, band.item);
        paintSwatch(ResImageSpot, band.colour, band.item);
    }
    showColourBandValue();
}

void ColourBandPanel::band4Changed()
{
    if (m_threeDigits) {
        precisionMultiplierChanged();
        return;
    }
    const auto i = colour_bands::match(colour_bands::kToleranceBands, listText(ComboResCol4));
    if (i) {
        const auto& band = colour_bands::kToleranceBands[std::size_t(*i)];
        m_tolerancePercent = band.percent;
        Calc4->setText(textOf(band.text));
        paintSwatch(ResBand4Colour, band.colour, band.item);
        if (band.picture >= 0) {
            ResImageTol->setPixmap(artwork::toleranceImage(band.picture));
            ResImageTol->show();
        } else {
            ResImageTol->hide();
        }
    } else {
        ResImageTol->setPixmap(artwork::toleranceImage(0));
        ResImageTol->show();
    }
    showColourBandValue();
}

void ColourBandPanel::band5Changed()
{
    if (m_threeDigits) {
        precisionToleranceChanged();
        return;
    }
    const auto i = colour_bands::match(colour_bands::kTempCoeffBands, listText(ComboResCol5));
    if (!i)
        return;
    const auto& band = colour_bands::kTempCoeffBands[std::size_t(*i)];
    Calc5->setText(textOf(band.text));
    paintSwatch(ResBand5Colour, band.colour, band.item);
}

void ColourBandPanel::showColourBandValue()
{
    if (m_valueDeferred)
        return;
    const colour_bands::BandValue v =
        m_threeDigits ? precision_bands::compose(m_digit1, m_digit2, m_digit3, m_exponent, m_tolerancePercent)
                      : colour_bands::compose(m_digit1, m_digit2, m_multiplier, m_tolerancePercent);
    // The tolerance band is band 4 of two digits, band 5 of three.
    const QLineEdit* toleranceText = m_threeDigits ? Calc5 : Calc4;
    ToleranceValue->setText(QStringLiteral("Extra info: Tolerance is +/- ") + FormatResult(v.toleranceOhms) +
                            QStringLiteral(" ohms (") + toleranceText->text() + QStringLiteral(")"));
    ToleranceValue->adjustSize();
    LabelTempCoeff->move(ToleranceValue->x() + ToleranceValue->width(), LabelTempCoeff->y());
    if (!m_valueFieldsHeld) {
        ResValue->setText(FormatResult(v.ohms));
        ResValueK->setText(FormatResult(v.kiloOhms));
        ResValueM->setText(FormatResult(v.megaOhms));
        showStandardValues(v.ohms);
    }
}

void ColourBandPanel::showStandardValues(double ohms)
{
    QStringList lines;
    for (e_series::Series series : {e_series::Series::E12, e_series::Series::E24, e_series::Series::E96}) {
        const std::string line = e_series::nearestText(series, ohms);
        if (!line.empty())
            lines.append(numeric::withDecimalSeparator(QString::fromStdString(line)));
    }
    m_standardValues->setText(lines.join(u'\n'));
    m_standardValues->adjustSize();
    m_standardCaption->setVisible(!lines.isEmpty());
    m_standardValues->setVisible(!lines.isEmpty());
}

void ColourBandPanel::temperatureCoefficientChanged()
{
    // Three-digit bands have no temperature coefficient: band 5 is the
    // tolerance.
    if (m_threeDigits || Calc5->text().isEmpty()) {
        LabelTempCoeff->hide();
        return;
    }
    LabelTempCoeff->setText(QStringLiteral(", Temperature Coefficient is ") + Calc5->text());
    LabelTempCoeff->adjustSize();
    LabelTempCoeff->show();
}

void ColourBandPanel::selectBandItem(QComboBox* list, int index)
{
    band_widgets::selectQuietly(list, index);
}

void ColourBandPanel::calculateNearestMatch()
{
    const LenientReadings r = ReadNumericFields(this, {{ResValue, QStringLiteral("Ohms")},
                                                       {ResValueK, QStringLiteral("K Ohm")},
                                                       {ResValueM, QStringLiteral("M Ohm")}});
    if (r.errorSeen)
        return;
    if (r.givenCount > 1) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Too many values provided.\n\nEnsure that you only enter one of the ohm, K ohm "
                           "or M ohm values."));
        return;
    }
    if (r.givenCount == 0) {
        ui::showNote(
            this, QStringLiteral("Error"),
            QStringLiteral("Not enough values provided.\n\nEnsure that you enter one of the ohm, K ohm or M "
                           "ohm values."));
        return;
    }

    // Complete the units; all three are computed before any field is written.
    double ohms = 0;
    if (r.fields[0].given()) {
        ohms = r.fields[0].value;
        const double k = checked::mul(ohms, 0.001);
        const double m = checked::mul(ohms, 0.000001);
        ResValueK->setText(FormatResult(k));
        ResValueM->setText(FormatResult(m));
    } else if (r.fields[1].given()) {
        ohms = checked::mul(r.fields[1].value, 1000);
        const double m = checked::mul(r.fields[1].value, 0.001);
        ResValue->setText(FormatResult(ohms));
        ResValueM->setText(FormatResult(m));
    } else {
        ohms = checked::mul(r.fields[2].value, 1000000);
        const double k = checked::mul(r.fields[2].value, 1000);
        ResValue->setText(FormatResult(ohms));
        ResValueK->setText(FormatResult(k));
    }

    if (m_threeDigits) {
        findPrecisionBands(ohms);
    } else {
        const colour_bands::NearestBands bands = colour_bands::nearestBands(ohms);
        selectBandsHeld({{ComboResCol1, bands.digit1},
                         {ComboResCol2, bands.digit2},
                         {ComboResCol3, bands.multiplierIndex},
                         {ComboResCol4, colour_bands::kNoToleranceBandIndex},
                         {ComboResCol5, colour_bands::kNoTempCoeffBandIndex}});
    }
    // The standard values answer the value the user asked for, not the
    // bands' approximation of it.
    showStandardValues(ohms);
}

void ColourBandPanel::selectBandsHeld(const QList<std::pair<QComboBox*, std::optional<int>>>& selections)
{
    m_valueFieldsHeld = true;
    for (const auto& [list, index] : selections) {
        if (index)
            selectBandItem(list, *index);
    }
    struct Release
    {
        bool& held;
        ~Release() { held = false; }
    } release{m_valueFieldsHeld};
    band1Changed();
    band2Changed();
    band3Changed();
    band4Changed();
    band5Changed();
}

void ColourBandPanel::confirmColourBands()
{
    band1Changed();
}

void ColourBandPanel::clearValues()
{
    ResValue->setText(QString());
    ResValueK->setText(QString());
    ResValueM->setText(QString());
}

void ColourBandPanel::findNearestBands(const QString& ohms)
{
    clearValues();
    ResValue->setText(ohms);
    calculateNearestMatch();
}
