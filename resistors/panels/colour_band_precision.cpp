// The colour-band panel's two markings: switching between them, the
// three-digit band handlers and nearest match, and the marking kept between
// runs.

#include "resistors/panels/colour_band_panel.h"

#include "core/settings_store.h"
#include "resistors/maths/precision_bands.h"
#include "ui/colour_band_widgets.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

using band_widgets::itemsOf;
using band_widgets::listText;
using band_widgets::paintSwatch;
using band_widgets::textOf;

namespace {

const QString kDigitsValue = QStringLiteral("Resistor Colour Band Digits");

// Band 4's swatch: set apart from band 3 for two digits, beside it for three
// (where band 5, the tolerance, stands apart).
constexpr int kBand4TwoDigitX = 355;
constexpr int kBand4ThreeDigitX = 339;

} // namespace

void ColourBandPanel::setDigits(int digits)
{
    const bool three = digits == 3;
    {
        const QSignalBlocker blockTwo(RadBtnResTwoDigits);
        const QSignalBlocker blockThree(RadBtnResThreeDigits);
        (three ? RadBtnResThreeDigits : RadBtnResTwoDigits)->setChecked(true);
    }
    applyMarking(three);
    m_valueFieldsHeld = false;
    m_digit1 = 0;
    m_digit2 = 0;
    m_digit3 = 0;
    m_multiplier = 0.1;
    m_exponent = 0;
    m_tolerancePercent = 0.1;
    m_valueDeferred = true;
    band1Changed();
    band2Changed();
    band3Changed();
    band4Changed();
    band5Changed();
    m_valueDeferred = false;
    showColourBandValue();
    temperatureCoefficientChanged();
}

void ColourBandPanel::applyMarking(bool threeDigits)
{
    using namespace colour_bands;
    m_threeDigits = threeDigits;
    const QStringList digitItems = itemsOf(kDigitBands);
    const struct
    {
        QComboBox* list;
        QStringList items;
        QString start;
    } lists[] = {
        {ComboResCol1, digitItems, QStringLiteral("Brown")},
        {ComboResCol2, digitItems, threeDigits ? QStringLiteral("Black") : QStringLiteral("Red")},
        {ComboResCol3, threeDigits ? digitItems : itemsOf(kMultiplierBands),
         threeDigits ? QStringLiteral("Black") : QStringLiteral("Gold")},
        {ComboResCol4, threeDigits ? itemsOf(precision_bands::kMultiplierBands) : itemsOf(kToleranceBands),
         threeDigits ? QStringLiteral("Brown") : QStringLiteral("Violet")},
        {ComboResCol5, threeDigits ? itemsOf(kToleranceBands) : itemsOf(kTempCoeffBands),
         threeDigits ? QStringLiteral("Brown") : QStringLiteral("Grey")},
    };
    for (const auto& l : lists) {
        const QSignalBlocker block(l.list);
        l.list->clear();
        l.list->addItems(l.items);
        l.list->setCurrentIndex(int(l.items.indexOf(l.start)));
        l.list->setEditText(l.start);
    }

    ResBand4Colour->move(threeDigits ? kBand4ThreeDigitX : kBand4TwoDigitX, ResBand4Colour->y());
    m_twoDigitLeaders->setVisible(!threeDigits);
    m_precisionLeaders->setVisible(threeDigits);
    // The body-tip-spot marking has no third digit. Its tolerance picture
    // follows band 4 again when two digits come back.
    for (QWidget* part : std::as_const(m_bodyTipSpot))
        part->setVisible(!threeDigits);
    m_noBodyTipSpot->setVisible(threeDigits);
}

void ColourBandPanel::precisionDigit3Changed()
{
    const auto i = colour_bands::match(colour_bands::kDigitBands, listText(ComboResCol3));
    if (i) {
        const auto& band = colour_bands::kDigitBands[std::size_t(*i)];
        m_digit3 = band.digit;
        Calc3->setText(QString::number(band.digit));
        paintSwatch(ResBand3Colour, band.colour, band.item);
    }
    showColourBandValue();
}

void ColourBandPanel::precisionMultiplierChanged()
{
    const auto i = colour_bands::match(precision_bands::kMultiplierBands, listText(ComboResCol4));
    if (i) {
        const auto& band = precision_bands::kMultiplierBands[std::size_t(*i)];
        m_exponent = band.exponent;
        Calc4->setText(textOf(band.text));
        paintSwatch(ResBand4Colour, band.colour, band.item);
    }
    showColourBandValue();
}

void ColourBandPanel::precisionToleranceChanged()
{
    const auto i = colour_bands::match(colour_bands::kToleranceBands, listText(ComboResCol5));
    if (i) {
        const auto& band = colour_bands::kToleranceBands[std::size_t(*i)];
        m_tolerancePercent = band.percent;
        Calc5->setText(textOf(band.text));
        paintSwatch(ResBand5Colour, band.colour, band.item);
    }
    showColourBandValue();
}

void ColourBandPanel::findPrecisionBands(double ohms)
{
    const std::optional<precision_bands::Bands> bands = precision_bands::nearestBands(ohms);
    if (!bands) {
        ui::showNote(this, QStringLiteral("Error"),
                     QStringLiteral("Three digit bands cannot show this value.\n\nThey reach from 1 ohm "
                                    "(Brown, Black, Black, Silver) to 999 G ohms (White, White, White, "
                                    "White)."));
        return;
    }
    // The tolerance band stays as the user chose it.
    selectBandsHeld({{ComboResCol1, bands->digit1},
                     {ComboResCol2, bands->digit2},
                     {ComboResCol3, bands->digit3},
                     {ComboResCol4, bands->multiplierIndex}});
}

void ColourBandPanel::loadSettings(const settings::Key& key)
{
    const settings::Value digits = key.read(kDigitsValue);
    if (digits.isDword() && (digits.dword == 2 || digits.dword == 3) && int(digits.dword) != this->digits())
        setDigits(int(digits.dword));
}

bool ColourBandPanel::saveSettings(const settings::Key& key)
{
    return key.writeDword(kDigitsValue, std::uint32_t(digits()));
}
