#include "resources/artwork/artwork.h"

#include "resources/artwork/painting.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>

// The main window's frame pictures and the resistor colour-band panel's
// pictures. The circuit drawings are in circuits.cpp, the symbol sheets in
// symbol_sheets.cpp.

namespace artwork {

using namespace paint;

namespace {

// A banded resistor's outline: two end caps of full height joined by a
// slightly narrower middle, with smooth shoulders between them, the way a
// moulded film resistor looks from the side.
QPainterPath resistorSilhouette(const QRectF& r, qreal leftCap, qreal rightCap, qreal neck, qreal corner)
{
    const qreal l = r.left(), t = r.top(), rt = r.right(), b = r.bottom();
    const qreal shoulder = neck * 1.6;
    QPainterPath path;
    path.moveTo(l, t + corner);
    path.arcTo(l, t, 2 * corner, 2 * corner, 180, -90);
    path.lineTo(l + leftCap, t);
    path.cubicTo(l + leftCap + shoulder * 0.5, t, l + leftCap + shoulder * 0.5, t + neck,
                 l + leftCap + shoulder, t + neck);
    path.lineTo(rt - rightCap - shoulder, t + neck);
    path.cubicTo(rt - rightCap - shoulder * 0.5, t + neck, rt - rightCap - shoulder * 0.5, t, rt - rightCap,
                 t);
    path.lineTo(rt - corner, t);
    path.arcTo(rt - 2 * corner, t, 2 * corner, 2 * corner, 90, -90);
    path.lineTo(rt, b - corner);
    path.arcTo(rt - 2 * corner, b - 2 * corner, 2 * corner, 2 * corner, 0, -90);
    path.lineTo(rt - rightCap, b);
    path.cubicTo(rt - rightCap - shoulder * 0.5, b, rt - rightCap - shoulder * 0.5, b - neck,
                 rt - rightCap - shoulder, b - neck);
    path.lineTo(l + leftCap + shoulder, b - neck);
    path.cubicTo(l + leftCap + shoulder * 0.5, b - neck, l + leftCap + shoulder * 0.5, b, l + leftCap, b);
    path.lineTo(l + corner, b);
    path.arcTo(l, b - 2 * corner, 2 * corner, 2 * corner, 270, -90);
    path.closeSubpath();
    return path;
}

// Light from above: a highlight near the top and shade towards the bottom,
// laid over the base colour so a black body and a white body both read as
// round.
void shadeCylinder(QPainter& p, const QPainterPath& shape, qreal top, qreal bottom)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.00, QColor(0, 0, 0, 60));
    g.setColorAt(0.10, QColor(255, 255, 255, 0));
    g.setColorAt(0.24, QColor(255, 255, 255, 130));
    g.setColorAt(0.40, QColor(255, 255, 255, 0));
    g.setColorAt(0.68, QColor(0, 0, 0, 0));
    g.setColorAt(1.00, QColor(0, 0, 0, 95));
    p.fillPath(shape, g);
}

void paintPart(QPainter& p, const QPainterPath& shape, QColor colour)
{
    const QRectF box = shape.boundingRect();
    p.fillPath(shape, colour);
    shadeCylinder(p, shape, box.top(), box.bottom());
    p.setPen(QPen(QColor(45, 45, 45, 210), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

// A tinned lead: a thin horizontal wire with a bright centre line.
void paintLead(QPainter& p, qreal x0, qreal x1, qreal y)
{
    QLinearGradient g(0, y - 2, 0, y + 2);
    g.setColorAt(0.0, QColor(110, 110, 110));
    g.setColorAt(0.4, QColor(235, 235, 235));
    g.setColorAt(1.0, QColor(120, 120, 120));
    p.setPen(QPen(QColor(100, 100, 100), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(x0, y - 2, x1 - x0, 4), 1.5, 1.5);
}

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

} // namespace

QPixmap background()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({830, 530}, QColor(238, 242, 246));
        QPainter p(&pm);
        prepare(p);

        QLinearGradient header(0, 0, 0, 66);
        header.setColorAt(0, QColor(250, 252, 254));
        header.setColorAt(1, QColor(223, 231, 240));
        p.fillRect(QRectF(0, 0, 830, 66), header);

        // Faint copper traces behind the right half of the header, well away
        // from the program name.
        p.setPen(QPen(QColor(31, 58, 90, 22), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        const std::array<QPolygonF, 4> traces = {
            QPolygonF({{300, 14}, {420, 14}, {436, 30}, {560, 30}, {574, 16}, {700, 16}}),
            QPolygonF({{330, 48}, {470, 48}, {484, 38}, {620, 38}, {640, 56}, {715, 56}}),
            QPolygonF({{390, 60}, {520, 60}, {530, 52}, {600, 52}}),
            QPolygonF({{470, 6}, {520, 6}, {532, 22}, {660, 22}}),
        };
        for (const QPolygonF& trace : traces)
            p.drawPolyline(trace);
        p.setBrush(QColor(250, 252, 254));
        for (const QPolygonF& trace : traces) {
            p.drawEllipse(trace.first(), 3, 3);
            p.drawEllipse(trace.last(), 3, 3);
        }

        QLinearGradient accent(0, 0, 830, 0);
        accent.setColorAt(0.0, QColor(192, 112, 52));
        accent.setColorAt(0.45, QColor(214, 150, 90));
        accent.setColorAt(1.0, QColor(150, 170, 195));
        p.fillRect(QRectF(0, 66, 830, 2), accent);
        p.fillRect(QRectF(0, 68, 830, 1), QColor(255, 255, 255, 180));

        p.setPen(QColor(31, 58, 90));
        p.setFont(font(27, true));
        p.drawText(QPointF(18, 36), QStringLiteral("Ohmbrook"));
        p.setPen(QColor(88, 104, 122));
        p.setFont(font(12));
        p.drawText(QPointF(20, 55), QStringLiteral("Electronics calculator"));

        // A hairline frame round the panel area lifts the white panels off
        // the grey margin.
        p.setPen(QPen(QColor(197, 207, 218), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(167.5, 71.5, 651, 401));

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

QPixmap logo()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({95, 50});
        QPainter p(&pm);
        prepare(p);

        // A small resistor running out of the right side of the badge.
        paintLead(p, 40, 93, 25);
        const QRectF body(52, 17.5, 32, 15);
        const QPainterPath shape = resistorSilhouette(body, 6, 6, 1.5, 4);
        paintPart(p, shape, kBodyBeige);
        const std::array<QColor, 4> bands = {digitColour(1), digitColour(0), digitColour(2),
                                             toleranceColour(5)};
        const std::array<qreal, 4> xs = {59, 64, 69, 76};
        p.save();
        p.setClipPath(shape);
        for (std::size_t i = 0; i < bands.size(); ++i) {
            QPainterPath band;
            band.addRect(QRectF(xs[i], body.top(), 3, body.height()));
            p.fillPath(band, bands[i]);
        }
        shadeCylinder(p, shape, body.top(), body.bottom());
        p.restore();
        p.setPen(QPen(QColor(45, 45, 45, 210), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);

        QRadialGradient disc(QPointF(20, 17), 26);
        disc.setColorAt(0, QColor(72, 122, 176));
        disc.setColorAt(1, QColor(27, 55, 88));
        p.setPen(QPen(QColor(214, 150, 90), 2));
        p.setBrush(disc);
        p.drawEllipse(QPointF(25, 25), 21, 21);
        p.setPen(Qt::white);
        p.setFont(font(27, true));
        centredText(p, QPointF(25, 25.5), QString(QChar(0x03A9)));
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
        p.setPen(Qt::white);
        p.setFont(font(12, true));
        centredText(p, QPointF(8, 8.3), QStringLiteral("?"));
        return pm;
    }();
    return picture;
}

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
    static const QPixmap picture = [] {
        QPixmap pm = canvas({487, 48});
        QPainter p(&pm);
        prepare(p);
        p.setPen(QPen(QColor(70, 70, 70), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        // The outer bands turn first so no line crosses another.
        leader(p, {{195.5, 0}, {195.5, 12.5}, {44.5, 12.5}, {44.5, 48}});
        leader(p, {{219.5, 0}, {219.5, 26.5}, {143.5, 26.5}, {143.5, 48}});
        leader(p, {{243.5, 0}, {243.5, 20}, {242.5, 21}, {242.5, 48}});
        leader(p, {{283.5, 0}, {283.5, 26.5}, {341.5, 26.5}, {341.5, 48}});
        leader(p, {{307.5, 0}, {307.5, 12.5}, {440.5, 12.5}, {440.5, 48}});
        return pm;
    }();
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
