#include "capacitors/panels/capacitor_colour_panel.h"

#include "artwork/capacitor_artwork.h"
#include "capacitors/panels/panel_parts.h"
#include "core/numeric_text.h"
#include "ui/form_builder.h"
#include "ui/numeric_field.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <vector>

using namespace capacitor_parts;
using colour_codes::CapacitorType;

namespace {

// Layout inside the band group: the five lists in a row, the tube drawing
// centred over them, the ceramic drawing at the right. Guide lines run from
// each band to the centre of its list.
constexpr std::array<int, 5> kListX{16, 128, 240, 352, 464};
constexpr int kListWidth = 100;
constexpr int kListY = 168;
constexpr QPoint kTubeAt(189, 46);
constexpr std::array<int, 5> kTubeBandX{45, 69, 93, 133, 157};
constexpr QPoint kCeramicAt(532, 46);
constexpr QRect kTubeGuides(16, 94, 522, 74);
constexpr QRect kCeramicGuides(16, 50, 518, 118);

qreal listCentre(std::size_t band)
{
    return kListX[band] + kListWidth / 2 + 0.5;
}

QPixmap drawTubeGuides()
{
    // The outer bands turn first so that no line crosses another.
    constexpr std::array<qreal, 5> turnY{108.5, 122.5, 0, 122.5, 108.5};
    const qreal top = kTubeGuides.top() + 2, bottom = kListY - 1;
    std::vector<QPolygonF> routes;
    for (std::size_t band = 0; band < 5; ++band) {
        const qreal x = kTubeAt.x() + kTubeBandX[band] + 8.5;
        QPolygonF route{QPointF(x, top)};
        if (turnY[band] > 0)
            route << QPointF(x, turnY[band]) << QPointF(listCentre(band), turnY[band]);
        route << QPointF(listCentre(band), bottom);
        routes.push_back(route.translated(-kTubeGuides.topLeft()));
    }
    return artwork::guideLines(kTubeGuides.size(), routes);
}

QPixmap drawCeramicGuides()
{
    // Every stripe leaves to the left; the top stripe turns down furthest
    // left, so the lines never cross.
    const qreal bottom = kListY - 1;
    std::vector<QPolygonF> routes;
    for (std::size_t band = 0; band < 5; ++band) {
        const qreal y = kCeramicAt.y() + 2 + 15 * qreal(band) + 7.5;
        const QPolygonF route{QPointF(kCeramicAt.x(), y), QPointF(listCentre(band), y),
                              QPointF(listCentre(band), bottom)};
        routes.push_back(route.translated(-kCeramicGuides.topLeft()));
    }
    return artwork::guideLines(kCeramicGuides.size(), routes);
}

} // namespace

CapacitorColourPanel::CapacitorColourPanel(QWidget* parent)
    : CalculatorPanel("PanelCapacitorColourCodes", parent)
{
    buildBandGroup();
    buildValueGroup();
    connectControls();
}

void CapacitorColourPanel::buildBandGroup()
{
    QGroupBox* g = form::group(this, "GroupCapacitorColourCodes", 8, 4, 633, 218,
                               QStringLiteral(" Capacitor Colour Codes "));
    form::instruction(g, "LabelSelectCapacitorType", 16, 21, 170, 16,
                      QStringLiteral("Select the type of capacitor"));
    m_general = form::radio(g, "RadBtnCapColGeneral", 190, 20, 80, QStringLiteral("&General"));
    m_general->setToolTip(QStringLiteral("Select a general capacitor type"));
    m_general->setChecked(true);
    m_ceramic = form::radio(g, "RadBtnCapColCeramic", 270, 20, 80, QStringLiteral("&Ceramic"));
    m_ceramic->setToolTip(QStringLiteral("Select a ceramic capacitor type"));
    form::label(g, "LabelCapTypeResetWarning", 360, 21,
                QStringLiteral("(this will reset the colour selections)"));

    m_generalGuides = form::picture(g, "ImageCapColourGuidesGeneral", kTubeGuides, &drawTubeGuides);
    m_generalBody = form::picture(g, "ImageCapColourGeneralBody", QRect(kTubeAt, QSize(220, 58)),
                                  &artwork::capacitorTubeBody);
    m_ceramicGuides = form::picture(g, "ImageCapColourGuidesCeramic", kCeramicGuides, &drawCeramicGuides);
    m_ceramicBody = form::picture(g, "ImageCapColourCeramicBody", QRect(kCeramicAt, QSize(85, 92)),
                                  &artwork::ceramicCapacitorBody);
    for (std::size_t i = 0; i < 5; ++i) {
        const QByteArray general = "CapColourGeneralBand" + QByteArray::number(int(i) + 1);
        const QByteArray ceramic = "CapColourCeramicBand" + QByteArray::number(int(i) + 1);
        m_generalSwatches[i] =
            swatch(g, general.constData(), kTubeAt.x() + kTubeBandX[i], kTubeAt.y() + 5, 17, 40);
        m_ceramicSwatches[i] =
            swatch(g, ceramic.constData(), kCeramicAt.x() + 2, kCeramicAt.y() + 2 + 15 * int(i), 81, 15);
    }

    const char* names[] = {"ComboCap1Colour", "ComboCap2Colour", "ComboCap3Colour", "ComboCap4Colour",
                           "ComboCap5Colour"};
    const char* ordinals[] = {"first", "second", "third", "fourth", "fifth"};
    const char* captions[] = {"1st digit", "2nd digit", "Multiplier", "Tolerance", "Voltage"};
    QStringList digits;
    for (std::string_view item : colour_codes::kDigitItems)
        digits.append(textOf(item));
    for (std::size_t i = 0; i < 5; ++i) {
        m_lists[i] = form::comboBox(
            g, names[i], kListX[i], kListY, kListWidth, i < 2 ? digits : QStringList(), QString(),
            QStringLiteral("Select the %1 capacitor band colour").arg(QLatin1String(ordinals[i])));
        QLabel* caption =
            form::label(g, nullptr, kListX[i] + 2, kListY + 25, QString::fromLatin1(captions[i]));
        if (i == 4)
            m_ratingCaption = caption;
    }
}

void CapacitorColourPanel::buildValueGroup()
{
    QGroupBox* r =
        form::group(this, "GroupCapacitorValue", 8, 228, 633, 164, QStringLiteral(" Capacitor Value "));
    form::label(r, nullptr, 16, 26, QStringLiteral("Capacitor value: "));
    m_capValueText = form::resultLabel(r, "CapValueText", 112, 26);
    m_textRatedAt = form::label(r, "TextRatedAt", 117, 26, QStringLiteral("pF, rated at "));
    m_capRatingText = form::resultLabel(r, "CapRatingText", 190, 26);
    m_capRatingTextUnit = form::label(r, "CapRatingTextUnit", 195, 26, QStringLiteral(" volts"));
    form::label(r, nullptr, 16, 50, QStringLiteral("Tolerance:"));
    m_capValueTol = form::resultLabel(r, "CapValueTol", 112, 50);
    m_capValueText->setAccessibleDescription(QStringLiteral("Capacitor value in pF"));
    m_capRatingText->setAccessibleDescription(QStringLiteral("Rating"));
    m_capValueTol->setAccessibleDescription(QStringLiteral("Tolerance"));
    m_capColourTolPf = form::label(r, "CapColourTol_pF", 0, 0, QString());
    m_capColourTolPf->hide();
    m_scaleCompare =
        form::button(r, "BtnCapScaleCompareColour", 16, 124, 150, 25, QStringLiteral("Scale Compare Value"),
                     QStringLiteral("Put the capacitor value (in pF) into the scale comparison sheet"));
    m_scaleCompareTolerance = form::button(
        r, "BtnCapScaleCompareToleranceColour", 174, 124, 170, 25, QStringLiteral("Scale Compare Tolerance"),
        QStringLiteral("Put the tolerance value (in pF) into the scale comparison sheet"));
}

void CapacitorColourPanel::connectControls()
{
    for (int band = 0; band < 5; ++band) {
        connect(m_lists[std::size_t(band)], &QComboBox::editTextChanged, this,
                [this, band] { guarded([this, band] { bandChanged(band); }); });
    }
    onClick(m_general, &CapacitorColourPanel::resetCapacitorColourBands);
    onClick(m_ceramic, &CapacitorColourPanel::resetCapacitorColourBands);
    onClick(m_scaleCompare, &CapacitorColourPanel::scaleCompareValue);
    onClick(m_scaleCompareTolerance, &CapacitorColourPanel::scaleCompareTolerance);
}

void CapacitorColourPanel::resetToStartState()
{
    m_general->setChecked(true);
    m_capDigit1 = 0;
    m_capDigit2 = 0;
    m_capMultiplier = 0;
    m_capToleranceColour.clear();
    m_capRatingValue.clear();
    resetCapacitorColourBands();
}

CapacitorType CapacitorColourPanel::checkedType() const
{
    return m_general->isChecked() ? CapacitorType::General : CapacitorType::Ceramic;
}

void CapacitorColourPanel::showDrawing(CapacitorType type)
{
    const bool general = type == CapacitorType::General;
    m_generalGuides->setVisible(general);
    m_generalBody->setVisible(general);
    m_ceramicGuides->setVisible(!general);
    m_ceramicBody->setVisible(!general);
    for (std::size_t i = 0; i < 5; ++i) {
        m_generalSwatches[i]->setVisible(general);
        m_ceramicSwatches[i]->setVisible(!general);
    }
}

void CapacitorColourPanel::resetCapacitorColourBands()
{
    const CapacitorType type = checkedType();
    const bool general = type == CapacitorType::General;
    m_capRatingTextUnit->setText(general ? QStringLiteral(" volts") : QStringLiteral(" temperature"));
    m_ratingCaption->setText(general ? QStringLiteral("Voltage") : QStringLiteral("Temperature"));
    m_ratingCaption->adjustSize();
    showDrawing(type);
    const colour_codes::BandItems items = colour_codes::bandItems(type);
    refill(m_lists[2], items.multiplier);
    refill(m_lists[3], items.tolerance);
    refill(m_lists[4], items.rating);
    for (std::size_t i = 0; i < 5; ++i)
        selectQuietly(m_lists[i], colour_codes::kDefaultItems[i]);
    for (int band = 0; band < 5; ++band)
        bandChanged(band);
    showCapacitorColourValue();
}

void CapacitorColourPanel::paintBand(int band, std::string_view colour)
{
    const band_colours::Rgb rgb = colour_codes::swatchColour(colour).value_or(band_colours::kNoBand);
    paintSwatch(m_generalSwatches[std::size_t(band)], rgb, colour);
    paintSwatch(m_ceramicSwatches[std::size_t(band)], rgb, colour);
}

void CapacitorColourPanel::bandChanged(int band)
{
    const std::string text = listText(m_lists[std::size_t(band)]);
    // A multiplier the type does not know counts as none.
    if (band == 2)
        m_capMultiplier = 0;
    if (takeBand(band, text))
        paintBand(band, text);
    showCapacitorColourValue();
}

bool CapacitorColourPanel::takeBand(int band, const std::string& text)
{
    switch (band) {
    case 0:
    case 1:
        if (const auto digit = colour_codes::digitOf(text)) {
            (band == 0 ? m_capDigit1 : m_capDigit2) = *digit;
            return true;
        }
        return false;
    case 2:
        if (const auto multiplier = colour_codes::multiplierOf(text, checkedType())) {
            m_capMultiplier = *multiplier;
            return true;
        }
        return false;
    case 3:
        if (!colour_codes::isToleranceColour(text))
            return false;
        m_capToleranceColour = QString::fromStdString(text);
        return true;
    default:
        if (const auto rating = colour_codes::ratingOf(text, checkedType())) {
            m_capRatingValue = textOf(*rating);
            return true;
        }
        return false;
    }
}

void CapacitorColourPanel::showCapacitorColourValue()
{
    const colour_codes::ColourCodeValue value = colour_codes::compose(
        m_capDigit1, m_capDigit2, m_capMultiplier, m_capToleranceColour.toStdString(), checkedType());
    m_capColourTolPf->setText(FormatResult(value.toleranceAmount));
    showResult(m_capValueText, FormatResult(value.picofarads));
    showResult(m_capRatingText, m_capRatingValue);
    showResult(m_capValueTol, numeric::withDecimalSeparator(QString::fromStdString(value.toleranceText)));
    m_capRatingTextUnit->adjustSize();
    PlaceUnitLabel(m_capValueText, m_textRatedAt);
    PlaceUnitLabel(m_textRatedAt, m_capRatingText);
    PlaceUnitLabel(m_capRatingText, m_capRatingTextUnit);
}

void CapacitorColourPanel::scaleCompareValue()
{
    emit sendToScaleSheet(capacitance::Unit::Picofarad, m_capValueText->text());
}

void CapacitorColourPanel::scaleCompareTolerance()
{
    emit sendToScaleSheet(capacitance::Unit::Picofarad, m_capColourTolPf->text());
}
