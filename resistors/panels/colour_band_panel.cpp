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
    buildControls();
    connectControls();
}

void ColourBandPanel::buildControls()
{
    buildBandControls();
    buildBodyTipSpot();
    buildValueGroup();
    buildSaveGroup();
}

void ColourBandPanel::buildBandControls()
{
    using namespace colour_bands;
    QWidget* p = this;

    form::label(p, "LabelConventionalType", 8, 8, QStringLiteral("Conventional Colour Band type"));
    m_twoDigitButton =
        form::radio(p, "RadBtnResTwoDigits", 8, 30, 170, QStringLiteral("2 digits (4-5 bands)"));
    m_twoDigitButton->setToolTip(QStringLiteral("Read two digit bands, a multiplier, the tolerance and the "
                                                "temperature coefficient (this resets the bands)"));
    m_twoDigitButton->setChecked(true);
    m_threeDigitButton =
        form::radio(p, "RadBtnResThreeDigits", 8, 50, 170, QStringLiteral("3 digits (5-6 bands)"));
    m_threeDigitButton->setToolTip(QStringLiteral("Read three digit bands, a multiplier and the tolerance, "
                                                  "as on 1 % precision resistors (this resets the bands)"));
    form::picture(p, "ImageResistor", QRect(215, 4, 220, 58), &artwork::resistorBody);
    const int swatchX[] = {267, 291, 315, 355, 379};
    for (std::size_t i = 0; i < 5; ++i) {
        const QByteArray name = "ResBand" + QByteArray::number(int(i) + 1) + "Colour";
        m_bandSwatches[i] = swatch(p, name.constData(), swatchX[i], 13, 17, 40);
    }
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

    const struct
    {
        QStringList items;
        QString start;
        const char* ordinal;
    } lists[] = {{itemsOf(kDigitBands), QStringLiteral("Brown"), "first"},
                 {itemsOf(kDigitBands), QStringLiteral("Red"), "second"},
                 {itemsOf(kMultiplierBands), QStringLiteral("Gold"), "third"},
                 {itemsOf(kToleranceBands), QStringLiteral("Violet"), "fourth"},
                 {itemsOf(kTempCoeffBands), QStringLiteral("Grey"), "fifth"}};
    for (std::size_t i = 0; i < 5; ++i) {
        const QByteArray name = "ComboResCol" + QByteArray::number(int(i) + 1);
        m_bandLists[i] = form::comboBox(
            p, name.constData(), 80 + 99 * int(i), 110, 89, lists[i].items, lists[i].start,
            QStringLiteral("Select the %1 resistor band colour").arg(QLatin1String(lists[i].ordinal)));
    }
    for (std::size_t i = 0; i < 5; ++i) {
        const QByteArray name = "Calc" + QByteArray::number(int(i) + 1);
        m_bandTexts[i] = form::field(p, name.constData(), 0, 0, 10, QString());
    }
    for (QLineEdit* hidden : m_bandTexts) {
        hidden->setEnabled(false);
        hidden->setVisible(false);
    }
}

void ColourBandPanel::buildBodyTipSpot()
{
    QWidget* p = this;
    m_bodyTipSpot << form::picture(p, "ImageBodyTipSpotLeaderLines", QRect(100, 133, 350, 79),
                                   &artwork::bodyTipSpotLeaderLines);
    m_bodyTipSpot << form::label(p, "LabelBodyTipSpotType", 8, 222, QStringLiteral("Body, Tip Spot type"));
    m_bodyImage = new QLabel(p);
    m_bodyImage->setObjectName(QStringLiteral("ResImageBody"));
    m_bodyImage->setGeometry(181, 212, 187, 39);
    m_tipImage = new QLabel(p);
    m_tipImage->setObjectName(QStringLiteral("ResImageTip"));
    m_tipImage->setGeometry(181, 212, 25, 39);
    m_spotSwatch = swatch(p, "ResImageSpot", 266, 223, 17, 17);
    m_toleranceImage = new QLabel(p);
    m_toleranceImage->setObjectName(QStringLiteral("ResImageTol"));
    m_toleranceImage->setGeometry(341, 212, 11, 39);
    m_bodyTipSpot << m_bodyImage << m_tipImage << m_spotSwatch << m_toleranceImage;
    m_noBodyTipSpot = form::label(
        p, "LabelBodyTipSpotNotUsed", 8, 222,
        QStringLiteral("Body, Tip Spot type: this older marking has two digits only, so it is not shown "
                       "for three digit bands."));
    m_noBodyTipSpot->hide();

    form::instruction(
        p, "LabelColourBandsInstruction", 440, 160, 200, 48,
        QStringLiteral("You can find the value of a resistor, or find the colour bands of a resistor "
                       "you are looking for."));

    m_toleranceValue = form::resultLabel(p, "ToleranceValue", 8, 253);
    m_toleranceValue->setAccessibleDescription(QStringLiteral("Tolerance"));
    m_tempCoeff = form::resultLabel(p, "LabelTempCoeff", 8, 253);
    m_tempCoeff->setAccessibleDescription(QStringLiteral("Temperature coefficient"));
}

void ColourBandPanel::buildValueGroup()
{
    QGroupBox* value =
        form::group(this, "GroupResistorValue", 8, 270, 400, 126, QStringLiteral(" Resistor Value "));
    form::instruction(
        value, "LabelResistorValueInstruction", 10, 16, 382, 42,
        QStringLiteral("Put in the value of the resistor you want, and click Calculate Nearest Match "
                       "to see what colours you need for that value.  Then to see how near the colour "
                       "band value is to yours, click Confirm Colour Bands."));
    form::label(value, nullptr, 22, 58, QStringLiteral("Value in ohms"));
    m_resValue =
        form::field(value, "ResValue", 22, 74, 110, QStringLiteral("Shows the resistor value in ohms"), 50);
    form::clearButton(value, "BtnClearResValue", 11, 70);
    form::label(value, nullptr, 150, 58, QStringLiteral("Value in K ohms"));
    m_resValueK = form::field(value, "ResValueK", 150, 74, 110,
                              QStringLiteral("Shows the resistor value in K ohms"), 50);
    form::clearButton(value, "BtnClearResValueK", 139, 70);
    form::label(value, nullptr, 278, 58, QStringLiteral("Value in M ohms"));
    m_resValueM = form::field(value, "ResValueM", 278, 74, 110,
                              QStringLiteral("Shows the resistor value in M ohms"), 50);
    form::clearButton(value, "BtnClearResValueM", 267, 70);
    m_calculateNearest =
        form::button(value, "CalculateResValues", 10, 99, 150, 23, QStringLiteral("Calculate Nearest Match"),
                     QStringLiteral("Calculate the other units, and the colour bands to make up that value"));
    m_confirmBands =
        form::button(value, "ConfirmResValues", 166, 99, 140, 23, QStringLiteral("Confirm Colour Bands"),
                     QStringLiteral("Confirm the resulting resistor value from the current colour bands"));
    m_clearValues = form::button(value, "ClearResValues", 312, 99, 76, 23, QStringLiteral("Clear All"),
                                 QStringLiteral("Clear the ohm, K and M fields"));
}

void ColourBandPanel::buildSaveGroup()
{
    QGroupBox* save =
        form::group(this, "GroupSaveValues", 416, 270, 226, 126, QStringLiteral(" Save the value to file "));
    form::label(save, nullptr, 10, 24, QStringLiteral("Record tag name for save:"));
    m_tagName = form::field(
        save, "TagName", 10, 42, 206,
        QStringLiteral("Specify the leading text to include if the resistor information is saved"), 50);
    m_tagName->setText(QStringLiteral("Resistor"));
    m_saveValues = form::button(save, "SaveValues", 10, 76, 100, 25, QStringLiteral("Save Values"),
                                QStringLiteral("Save the resistor value shown into a data file"));
}

void ColourBandPanel::connectControls()
{
    for (int band = 0; band < 5; ++band) {
        connect(m_bandLists[std::size_t(band)], &QComboBox::editTextChanged, this,
                [this, band] { guarded([this, band] { bandChanged(band); }); });
    }
    connect(m_threeDigitButton, &QRadioButton::toggled, this,
            [this](bool three) { guarded([this, three] { setDigits(three ? 3 : 2); }); });
    connect(m_bandTexts[4], &QLineEdit::textChanged, this,
            [this] { guarded([this] { temperatureCoefficientChanged(); }); });
    onClick(m_calculateNearest, &ColourBandPanel::calculateNearestMatch);
    onClick(m_confirmBands, &ColourBandPanel::confirmColourBands);
    onClick(m_clearValues, &ColourBandPanel::clearValues);
    connectClearButton("BtnClearResValue", m_resValue);
    connectClearButton("BtnClearResValueK", m_resValueK);
    connectClearButton("BtnClearResValueM", m_resValueM);
    onClick(m_saveValues, &ColourBandPanel::saveValues);
}

void ColourBandPanel::resetToStartState()
{
    setDigits(2);
}

namespace {

// The entry of a band table that a list's text names, if any.
template <typename Table>
const typename Table::value_type* entryNamed(const Table& table, std::string_view text)
{
    const std::optional<int> i = colour_bands::match(table, text);
    return i ? &table[std::size_t(*i)] : nullptr;
}

} // namespace

std::optional<ColourBandPanel::BandShown> ColourBandPanel::readBand(int band, const std::string& text)
{
    using namespace colour_bands;
    // The digits: bands 1 and 2, and band 3 of three digits.
    if (band < 2 || (m_threeDigits && band == 2)) {
        const DigitBand* b = entryNamed(kDigitBands, text);
        if (!b)
            return std::nullopt;
        (band == 0 ? m_digit1 : band == 1 ? m_digit2 : m_digit3) = b->digit;
        return BandShown{QString::number(b->digit), b->colour, b->item, b->digit};
    }
    // The tolerance: band 4 of two digits, band 5 of three.
    if (band == (m_threeDigits ? 4 : 3)) {
        const ToleranceBand* b = entryNamed(kToleranceBands, text);
        if (!b)
            return std::nullopt;
        m_tolerancePercent = b->percent;
        return BandShown{textOf(b->text), b->colour, b->item, b->picture};
    }
    if (band == 2) {
        const MultiplierBand* b = entryNamed(kMultiplierBands, text);
        if (!b)
            return std::nullopt;
        m_multiplier = b->multiplier;
        return BandShown{textOf(b->text), b->colour, b->item, 0};
    }
    if (band == 3) {
        const precision_bands::MultiplierBand* b = entryNamed(precision_bands::kMultiplierBands, text);
        if (!b)
            return std::nullopt;
        m_exponent = b->exponent;
        return BandShown{textOf(b->text), b->colour, b->item, 0};
    }
    const TempCoeffBand* b = entryNamed(kTempCoeffBands, text);
    if (!b)
        return std::nullopt;
    return BandShown{textOf(b->text), b->colour, b->item, 0};
}

void ColourBandPanel::bandChanged(int band)
{
    const auto i = std::size_t(band);
    const std::optional<BandShown> shown = readBand(band, listText(m_bandLists[i]));
    if (shown) {
        m_bandTexts[i]->setText(shown->text);
        paintSwatch(m_bandSwatches[i], shown->colour, shown->item);
    }
    showBodyTipSpot(band, shown);
    // The temperature coefficient leaves the value as it is.
    if (m_threeDigits || band != 4)
        showColourBandValue();
}

void ColourBandPanel::showBodyTipSpot(int band, const std::optional<BandShown>& shown)
{
    // An unknown text shows a band's first picture. The body and tip follow
    // the first two digits in either marking; the spot and the tolerance
    // picture belong to two digits only.
    const int picture = shown ? shown->picture : 0;
    if (band == 0) {
        m_bodyImage->setPixmap(artwork::bodyImage(picture));
    } else if (band == 1) {
        m_tipImage->setPixmap(artwork::tipImage(picture));
    } else if (m_threeDigits) {
        return;
    } else if (band == 2) {
        if (shown)
            paintSwatch(m_spotSwatch, shown->colour, shown->item);
    } else if (band == 3) {
        if (picture >= 0) {
            m_toleranceImage->setPixmap(artwork::toleranceImage(picture));
            m_toleranceImage->show();
        } else {
            m_toleranceImage->hide();
        }
    }
}

void ColourBandPanel::runBandHandlers()
{
    for (int band = 0; band < 5; ++band)
        bandChanged(band);
}

void ColourBandPanel::showColourBandValue()
{
    if (m_valueDeferred)
        return;
    const colour_bands::BandValue v =
        m_threeDigits ? precision_bands::compose(m_digit1, m_digit2, m_digit3, m_exponent, m_tolerancePercent)
                      : colour_bands::compose(m_digit1, m_digit2, m_multiplier, m_tolerancePercent);
    // The tolerance band is band 4 of two digits, band 5 of three.
    const QLineEdit* toleranceText = m_threeDigits ? m_bandTexts[4] : m_bandTexts[3];
    m_toleranceValue->setText(QStringLiteral("Extra info: Tolerance is +/- ") +
                              FormatResult(v.toleranceOhms) + QStringLiteral(" ohms (") +
                              toleranceText->text() + QStringLiteral(")"));
    m_toleranceValue->adjustSize();
    m_tempCoeff->move(m_toleranceValue->x() + m_toleranceValue->width(), m_tempCoeff->y());
    if (!m_valueFieldsHeld) {
        m_resValue->setText(FormatResult(v.ohms));
        m_resValueK->setText(FormatResult(v.kiloOhms));
        m_resValueM->setText(FormatResult(v.megaOhms));
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
    if (m_threeDigits || m_bandTexts[4]->text().isEmpty()) {
        m_tempCoeff->hide();
        return;
    }
    m_tempCoeff->setText(QStringLiteral(", Temperature Coefficient is ") + m_bandTexts[4]->text());
    m_tempCoeff->adjustSize();
    m_tempCoeff->show();
}

void ColourBandPanel::calculateNearestMatch()
{
    const LenientReadings r = ReadNumericFields(this, {{m_resValue, QStringLiteral("Ohms")},
                                                       {m_resValueK, QStringLiteral("K Ohm")},
                                                       {m_resValueM, QStringLiteral("M Ohm")}});
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
        m_resValueK->setText(FormatResult(k));
        m_resValueM->setText(FormatResult(m));
    } else if (r.fields[1].given()) {
        ohms = checked::mul(r.fields[1].value, 1000);
        const double m = checked::mul(r.fields[1].value, 0.001);
        m_resValue->setText(FormatResult(ohms));
        m_resValueM->setText(FormatResult(m));
    } else {
        ohms = checked::mul(r.fields[2].value, 1000000);
        const double k = checked::mul(r.fields[2].value, 1000);
        m_resValue->setText(FormatResult(ohms));
        m_resValueK->setText(FormatResult(k));
    }

    if (m_threeDigits) {
        findPrecisionBands(ohms);
    } else {
        const colour_bands::NearestBands bands = colour_bands::nearestBands(ohms);
        selectBandsHeld({{m_bandLists[0], bands.digit1},
                         {m_bandLists[1], bands.digit2},
                         {m_bandLists[2], bands.multiplierIndex},
                         {m_bandLists[3], colour_bands::kNoToleranceBandIndex},
                         {m_bandLists[4], colour_bands::kNoTempCoeffBandIndex}});
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
            band_widgets::selectQuietly(list, *index);
    }
    struct Release
    {
        bool& held;
        ~Release() { held = false; }
    } release{m_valueFieldsHeld};
    runBandHandlers();
}

void ColourBandPanel::confirmColourBands()
{
    bandChanged(0);
}

void ColourBandPanel::clearValues()
{
    m_resValue->setText(QString());
    m_resValueK->setText(QString());
    m_resValueM->setText(QString());
}

void ColourBandPanel::findNearestBands(const QString& ohms)
{
    clearValues();
    m_resValue->setText(ohms);
    calculateNearestMatch();
}
