// The colour-band panel's two markings: switching between them, the
// three-digit nearest match, and the marking kept between runs.

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
        const QSignalBlocker blockTwo(m_twoDigitButton);
        const QSignalBlocker blockThree(m_threeDigitButton);
        (three ? m_threeDigitButton : m_twoDigitButton)->setChecked(true);
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
    runBandHandlers();
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
        {m_bandLists[0], digitItems, QStringLiteral("Brown")},
        {m_bandLists[1], digitItems, threeDigits ? QStringLiteral("Black") : QStringLiteral("Red")},
        {m_bandLists[2], threeDigits ? digitItems : itemsOf(kMultiplierBands),
         threeDigits ? QStringLiteral("Black") : QStringLiteral("Gold")},
        {m_bandLists[3], threeDigits ? itemsOf(precision_bands::kMultiplierBands) : itemsOf(kToleranceBands),
         threeDigits ? QStringLiteral("Brown") : QStringLiteral("Violet")},
        {m_bandLists[4], threeDigits ? itemsOf(kToleranceBands) : itemsOf(kTempCoeffBands),
         threeDigits ? QStringLiteral("Brown") : QStringLiteral("Grey")},
    };
    for (const auto& l : lists) {
        const QSignalBlocker block(l.list);
        l.list->clear();
        l.list->addItems(l.items);
        l.list->setCurrentIndex(int(l.items.indexOf(l.start)));
        l.list->setEditText(l.start);
    }

    m_bandSwatches[3]->move(threeDigits ? kBand4ThreeDigitX : kBand4TwoDigitX, m_bandSwatches[3]->y());
    m_twoDigitLeaders->setVisible(!threeDigits);
    m_precisionLeaders->setVisible(threeDigits);
    // The body-tip-spot marking has no third digit. Its tolerance picture
    // follows band 4 again when two digits come back.
    for (QWidget* part : std::as_const(m_bodyTipSpot))
        part->setVisible(!threeDigits);
    m_noBodyTipSpot->setVisible(threeDigits);
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
    selectBandsHeld({{m_bandLists[0], bands->digit1},
                     {m_bandLists[1], bands->digit2},
                     {m_bandLists[2], bands->digit3},
                     {m_bandLists[3], bands->multiplierIndex}});
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
