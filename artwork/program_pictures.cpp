#include "artwork/artwork.h"

#include "artwork/painting.h"
#include "core/app_info.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>

// The program's own pictures: the main window's background and logo, the
// Help glyph, the splash and the About box's logo. They share one emblem, an
// ohm sign on a blue disc, and one small banded resistor.

namespace artwork {

using namespace paint;

namespace {

const QColor kNavy(31, 58, 90);
const QColor kCopper(214, 150, 90);

// The size of the main window's title: the emblem's and the Help glyph's
// outlines are taken from that face and scaled, so the first frame loads one
// bold face, not three.
constexpr qreal kTitleSize = 28;

// Text as an outline centred exactly on a point by its drawn shape, not by
// the font's line metrics, so a lone glyph sits in the middle of its disc.
// The outline is taken from font and scaled by scale.
void centredGlyph(QPainter& p, QPointF centre, const QString& text, const QFont& font, QColor colour,
                  qreal scale = 1)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    path = QTransform::fromScale(scale, scale).map(path);
    const QPointF shift = centre - path.boundingRect().center();
    p.save();
    p.translate(shift);
    p.fillPath(path, colour);
    p.restore();
}

void paintEmblem(QPainter& p, QPointF centre, qreal radius)
{
    QRadialGradient disc(centre - QPointF(radius * 0.25, radius * 0.35), radius * 1.3);
    disc.setColorAt(0, QColor(76, 128, 184));
    disc.setColorAt(1, QColor(24, 50, 82));
    p.save();
    p.setPen(QPen(kCopper, qMax<qreal>(1.5, radius * 0.09)));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    p.restore();
    centredGlyph(p, centre, QString(QChar(0x03A9)), font(kTitleSize, true), Qt::white,
                 radius * 1.25 / kTitleSize);
}

// A 1 kilohm resistor (brown, black, red, gold) on its leads.
void paintSmallResistor(QPainter& p, const QRectF& body, qreal lead0, qreal lead1)
{
    const qreal y = body.center().y();
    const qreal leadHeight = qMax<qreal>(3, body.height() * 0.26);
    QLinearGradient tin(0, y - leadHeight / 2, 0, y + leadHeight / 2);
    tin.setColorAt(0.0, QColor(110, 110, 110));
    tin.setColorAt(0.4, QColor(235, 235, 235));
    tin.setColorAt(1.0, QColor(120, 120, 120));
    p.save();
    p.setPen(QPen(QColor(100, 100, 100), 0.8));
    p.setBrush(tin);
    p.drawRoundedRect(QRectF(lead0, y - leadHeight / 2, lead1 - lead0, leadHeight), 1.5, 1.5);
    p.restore();

    const qreal cap = body.width() * 0.19;
    const QPainterPath shape =
        resistorSilhouette(body, cap, cap, body.height() * 0.1, qMin(body.height() * 0.3, cap * 0.6));
    p.fillPath(shape, kBodyBeige);
    const std::array<QColor, 4> bands = {digitColour(1), digitColour(0), digitColour(2), toleranceColour(5)};
    const std::array<qreal, 4> at = {0.22, 0.37, 0.52, 0.74};
    const qreal bandWidth = body.width() * 0.09;
    p.save();
    p.setClipPath(shape);
    for (std::size_t i = 0; i < bands.size(); ++i)
        p.fillRect(QRectF(body.left() + body.width() * at[i], body.top(), bandWidth, body.height()),
                   bands[i]);
    p.restore();
    shadeCylinder(p, shape, body.top(), body.bottom());
    p.save();
    p.setPen(QPen(QColor(45, 45, 45, 210), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    p.restore();
}

// Copper traces ending in pads, for quiet texture behind text.
void paintTraces(QPainter& p, const std::initializer_list<QPolygonF>& traces, QColor ink, QColor padFill)
{
    p.save();
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPolygonF& trace : traces)
        p.drawPolyline(trace);
    p.setBrush(padFill);
    for (const QPolygonF& trace : traces) {
        p.drawEllipse(trace.first(), 3, 3);
        p.drawEllipse(trace.last(), 3, 3);
    }
    p.restore();
}

} // namespace

namespace {

const QColor kMargin(238, 242, 246);
// The header with its copper rule, and the band behind the bottom buttons:
// the only parts of the background that are more than a flat colour.
constexpr int kHeaderHeight = 69;
constexpr int kFooterTop = 488;

QPixmap backgroundHeader()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({830, kHeaderHeight}, kMargin);
        QPainter p(&pm);
        prepare(p);

        QLinearGradient header(0, 0, 0, 66);
        header.setColorAt(0, QColor(250, 252, 254));
        header.setColorAt(1, QColor(223, 231, 240));
        p.fillRect(QRectF(0, 0, 830, 66), header);

        // Faint traces behind the right half of the header, well away from
        // the program name and the logo.
        paintTraces(p,
                    {
                        QPolygonF({{300, 14}, {420, 14}, {436, 30}, {560, 30}, {574, 16}, {700, 16}}),
                        QPolygonF({{330, 48}, {470, 48}, {484, 38}, {620, 38}, {640, 56}, {705, 56}}),
                        QPolygonF({{390, 60}, {520, 60}, {530, 52}, {600, 52}}),
                        QPolygonF({{470, 6}, {520, 6}, {532, 22}, {660, 22}}),
                    },
                    QColor(31, 58, 90, 22), QColor(250, 252, 254));

        QLinearGradient accent(0, 0, 830, 0);
        accent.setColorAt(0.0, QColor(192, 112, 52));
        accent.setColorAt(0.45, kCopper);
        accent.setColorAt(1.0, QColor(150, 170, 195));
        p.fillRect(QRectF(0, 66, 830, 2), accent);
        p.fillRect(QRectF(0, 68, 830, 1), QColor(255, 255, 255, 180));

        p.setPen(kNavy);
        p.setFont(font(kTitleSize, true));
        p.drawText(QPointF(18, 37), QStringLiteral("Ohmbrook"));
        p.setPen(QColor(88, 104, 122));
        p.setFont(font(12));
        p.drawText(QPointF(20, 55), QStringLiteral("Electronics calculator"));
        return pm;
    }();
    return picture;
}

QPixmap backgroundFooter()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({830, 530 - kFooterTop}, kMargin);
        QPainter p(&pm);
        prepare(p);
        p.translate(0, -kFooterTop);
        QLinearGradient bottom(0, 488, 0, 530);
        bottom.setColorAt(0, QColor(230, 236, 242));
        bottom.setColorAt(1, QColor(217, 225, 234));
        p.fillRect(QRectF(0, 488, 830, 42), bottom);
        p.fillRect(QRectF(0, 488, 830, 1), QColor(197, 207, 218));
        p.fillRect(QRectF(0, 489, 830, 1), QColor(255, 255, 255, 200));
        return pm;
    }();
    return picture;
}

} // namespace

void paintBackground(QPainter& p)
{
    p.drawPixmap(0, 0, backgroundHeader());
    p.fillRect(QRect(0, kHeaderHeight, 830, kFooterTop - kHeaderHeight), kMargin);
    // A hairline frame round the panel area lifts the white panels off the
    // grey margin.
    p.save();
    prepare(p);
    p.setPen(QPen(QColor(197, 207, 218), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(167.5, 71.5, 651, 401));
    p.restore();
    p.drawPixmap(0, kFooterTop, backgroundFooter());
}

QPixmap background()
{
    QPixmap pm = canvas({830, 530}, kMargin);
    QPainter p(&pm);
    paintBackground(p);
    return pm;
}

QPixmap logo()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({95, 50});
        QPainter p(&pm);
        prepare(p);
        // The resistor runs out of the right of the badge.
        paintSmallResistor(p, QRectF(52, 17.5, 32, 15), 40, 93);
        paintEmblem(p, QPointF(25, 25), 21);
        return pm;
    }();
    return picture;
}

QPixmap aboutLogo()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({70, 55});
        QPainter p(&pm);
        prepare(p);
        paintSmallResistor(p, QRectF(19, 41.5, 32, 12), 2, 68);
        paintEmblem(p, QPointF(35, 20.5), 19);
        return pm;
    }();
    return picture;
}

QPixmap helpGlyph()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({16, 16});
        QPainter p(&pm);
        prepare(p);
        QRadialGradient disc(QPointF(6, 5), 11);
        disc.setColorAt(0, QColor(98, 160, 230));
        disc.setColorAt(1, QColor(24, 86, 170));
        p.setPen(QPen(QColor(18, 62, 128), 1));
        p.setBrush(disc);
        p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
        centredGlyph(p, QPointF(8, 8), QStringLiteral("?"), font(kTitleSize, true), Qt::white,
                     12 / kTitleSize);
        return pm;
    }();
    return picture;
}

QPixmap splash()
{
    // Drawn when the splash first paints, which is also its only showing.
    QPixmap pm = canvas({350, 232}, kNavy);
    QPainter p(&pm);
    prepare(p);

    QLinearGradient sky(0, 0, 0, 232);
    sky.setColorAt(0, QColor(44, 80, 120));
    sky.setColorAt(1, QColor(20, 40, 66));
    p.fillRect(QRectF(0, 0, 350, 232), sky);
    paintTraces(p,
                {
                    QPolygonF({{150, 18}, {250, 18}, {264, 32}, {338, 32}}),
                    QPolygonF({{200, 160}, {262, 160}, {276, 174}, {338, 174}}),
                    QPolygonF({{14, 172}, {70, 172}, {84, 160}, {140, 160}}),
                },
                QColor(214, 150, 90, 40), QColor(36, 66, 100));

    paintEmblem(p, QPointF(82, 92), 46);

    p.setPen(Qt::white);
    p.setFont(font(38, true));
    p.drawText(QPointF(146, 92), QStringLiteral("Ohmbrook"));
    p.setPen(QColor(196, 212, 230));
    p.setFont(font(15));
    p.drawText(QPointF(148, 116), QStringLiteral("Electronics calculator"));
    paintSmallResistor(p, QRectF(186, 132, 62, 20), 148, 330);

    // A copper rule and a darker foot carrying the version.
    p.fillRect(QRectF(0, 194, 350, 2), kCopper);
    p.fillRect(QRectF(0, 196, 350, 36), QColor(14, 30, 50));
    p.setPen(QColor(196, 212, 230));
    p.setFont(font(12));
    p.drawText(QRectF(16, 196, 318, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Version ") + QLatin1String(app::kVersionText));
    p.drawText(QRectF(16, 196, 318, 36), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Resistors \u00B7 Capacitors \u00B7 Frequency"));

    // A hairline edge, since the splash has no window frame of its own.
    p.setPen(QPen(QColor(10, 22, 38), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 349, 231));
    return pm;
}

} // namespace artwork
