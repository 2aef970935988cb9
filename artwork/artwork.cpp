#include "artwork/artwork.h"

#include "artwork/painting.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>

// The resistor colour-band panel's pictures. The program's own pictures
// (background, logos, splash) are in program_pictures.cpp, the circuit
// drawings in circuits.cpp, the symbol sheets in symbol_sheets.cpp.

namespace artwork {

using namespace paint;

namespace {

// The body-tip-spot drawing's geometry, shared by the body, tip and
// tolerance pictures so the three line up into one part.
constexpr QRectF kOldBody(0.5, 0.5, 186, 38);
constexpr qreal kTipWidth = 25;
constexpr qreal kToleranceLeft = 160;
constexpr qreal kOldNeck = 3;
constexpr qreal kOldCorner = 11;

QPainterPath oldBodySilhouette()
{
    return resistorSilhouette(kOldBody, kTipWidth - 0.5, kOldBody.right() - kToleranceLeft, kOldNeck,
                              kOldCorner);
}

// A thin orthogonal leader line with an arrow at its end.
void leader(QPainter& p, const QPolygonF& route)
{
    QPainterPath path(route.first());
    for (qsizetype i = 1; i < route.size(); ++i)
        path.lineTo(route[i]);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    arrowHead(p, route.last(), route[route.size() - 2], 6, 2.8);
}

// The five leader lines from the bands down to their lists; only band 4's
// place on the body differs between the two markings.
QPixmap drawBandLeaderLines(qreal band4)
{
    QPixmap pm = canvas({487, 48});
    QPainter p(&pm);
    prepare(p);
    p.setPen(QPen(QColor(70, 70, 70), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    // The outer bands turn first so no line crosses another.
    leader(p, {{195.5, 0}, {195.5, 12.5}, {44.5, 12.5}, {44.5, 48}});
    leader(p, {{219.5, 0}, {219.5, 26.5}, {143.5, 26.5}, {143.5, 48}});
    leader(p, {{243.5, 0}, {243.5, 20}, {242.5, 21}, {242.5, 48}});
    leader(p, {{band4, 0}, {band4, 26.5}, {341.5, 26.5}, {341.5, 48}});
    leader(p, {{307.5, 0}, {307.5, 12.5}, {440.5, 12.5}, {440.5, 48}});
    return pm;
}

} // namespace

QPixmap resistorBody()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({220, 58});
        QPainter p(&pm);
        prepare(p);
        // The panel lays its band swatches at x 52..181, y 9..49; the body
        // runs a little past them on every side.
        paintLead(p, 0, 34, 29);
        paintLead(p, 199, 220, 29);
        const QPainterPath shape = resistorSilhouette(QRectF(26.5, 3.5, 180, 51), 26, 26, 3.5, 13);
        paintPart(p, shape, kBodyBeige);
        return pm;
    }();
    return picture;
}

QPixmap bandLeaderLines()
{
    static const QPixmap picture = drawBandLeaderLines(283.5);
    return picture;
}

QPixmap precisionBandLeaderLines()
{
    static const QPixmap picture = drawBandLeaderLines(267.5);
    return picture;
}

QPixmap bodyTipSpotLeaderLines()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({350, 79});
        QPainter p(&pm);
        prepare(p);
        p.setPen(QPen(QColor(70, 70, 70), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        // The multiplier and tolerance lines turn high, the tip line lower,
        // and the body line lowest, hopping over the tip line where they
        // cross so the two stay distinct.
        leader(p, {{222.5, 0}, {222.5, 16.5}, {174.5, 16.5}, {174.5, 79}});
        leader(p, {{321.5, 0}, {321.5, 38.5}, {246.5, 38.5}, {246.5, 79}});
        leader(p, {{123.5, 0}, {123.5, 28.5}, {93.5, 28.5}, {93.5, 79}});

        QPainterPath body(QPointF(24.5, 0));
        body.lineTo(24.5, 56.5);
        body.lineTo(89.5, 56.5);
        body.arcTo(QRectF(89.5, 52.5, 8, 8), 180, -180);
        body.lineTo(136.5, 56.5);
        body.lineTo(136.5, 79);
        p.setBrush(Qt::NoBrush);
        p.drawPath(body);
        arrowHead(p, {136.5, 79}, {136.5, 60}, 6, 2.8);
        return pm;
    }();
    return picture;
}

QPixmap bodyImage(int digit)
{
    static std::array<QPixmap, 10> pictures;
    QPixmap& picture = pictures[static_cast<std::size_t>(qBound(0, digit, 9))];
    if (picture.isNull()) {
        picture = canvas({187, 39});
        QPainter p(&picture);
        prepare(p);
        paintPart(p, oldBodySilhouette(), digitColour(digit));
        // Seams where the end caps meet the body.
        p.setPen(QPen(QColor(45, 45, 45, 120), 1));
        p.drawLine(QPointF(kTipWidth - 0.5, 1), QPointF(kTipWidth - 0.5, 38));
        p.drawLine(QPointF(kToleranceLeft + 0.5, 1), QPointF(kToleranceLeft + 0.5, 38));
    }
    return picture;
}

QPixmap tipImage(int digit)
{
    static std::array<QPixmap, 10> pictures;
    QPixmap& picture = pictures[static_cast<std::size_t>(qBound(0, digit, 9))];
    if (picture.isNull()) {
        picture = canvas({25, 39});
        QPainter p(&picture);
        prepare(p);
        QPainterPath clip;
        clip.addRect(QRectF(0, 0, kTipWidth - 0.5, 39));
        const QPainterPath cap = oldBodySilhouette().intersected(clip);
        paintPart(p, cap, digitColour(digit));
    }
    return picture;
}

QPixmap toleranceImage(int index)
{
    static std::array<QPixmap, 7> pictures;
    QPixmap& picture = pictures[static_cast<std::size_t>(qBound(0, index, 6))];
    if (picture.isNull()) {
        picture = canvas({11, 39});
        QPainter p(&picture);
        prepare(p);
        // The band is the flat front of the right end cap, so it takes the
        // cap's full height and shading.
        QPainterPath band;
        band.addRect(QRectF(0.5, kOldBody.top(), 10, kOldBody.height()));
        paintPart(p, band, toleranceColour(index));
    }
    return picture;
}

} // namespace artwork
