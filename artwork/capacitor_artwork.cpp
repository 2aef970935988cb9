#include "artwork/capacitor_artwork.h"

#include "artwork/painting.h"

#include <QLinearGradient>
#include <QPainterPath>

// Pictures of the capacitor colour-code and dropper panels.

namespace artwork {

using namespace paint;

namespace {

QPen wirePen()
{
    return QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// Light from above over a body of any colour: a highlight near the top and
// shade towards the bottom.
void shadeFromAbove(QPainter& p, const QPainterPath& shape)
{
    const QRectF box = shape.boundingRect();
    QLinearGradient g(0, box.top(), 0, box.bottom());
    g.setColorAt(0.00, QColor(0, 0, 0, 50));
    g.setColorAt(0.10, QColor(255, 255, 255, 0));
    g.setColorAt(0.25, QColor(255, 255, 255, 120));
    g.setColorAt(0.42, QColor(255, 255, 255, 0));
    g.setColorAt(0.70, QColor(0, 0, 0, 0));
    g.setColorAt(1.00, QColor(0, 0, 0, 90));
    p.fillPath(shape, g);
}

void paintBody(QPainter& p, const QPainterPath& shape, QColor colour)
{
    p.fillPath(shape, colour);
    shadeFromAbove(p, shape);
    p.setPen(QPen(QColor(45, 45, 45, 210), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
}

// A tinned lead from one point to another, 4 pixels thick, lit along its
// length.
void paintLead(QPainter& p, QPointF from, QPointF to)
{
    const bool horizontal = qFuzzyCompare(from.y(), to.y());
    const QRectF r = horizontal ? QRectF(QPointF(qMin(from.x(), to.x()), from.y() - 2),
                                         QPointF(qMax(from.x(), to.x()), from.y() + 2))
                                : QRectF(QPointF(from.x() - 2, qMin(from.y(), to.y())),
                                         QPointF(from.x() + 2, qMax(from.y(), to.y())));
    QLinearGradient g =
        horizontal ? QLinearGradient(0, r.top(), 0, r.bottom()) : QLinearGradient(r.left(), 0, r.right(), 0);
    g.setColorAt(0.0, QColor(110, 110, 110));
    g.setColorAt(0.4, QColor(235, 235, 235));
    g.setColorAt(1.0, QColor(120, 120, 120));
    p.setPen(QPen(QColor(100, 100, 100), 0.8));
    p.setBrush(g);
    p.drawRoundedRect(r, 1.5, 1.5);
}

void caption(QPainter& p, QPointF centre, const QString& text, qreal size = 11)
{
    p.save();
    p.setPen(kCaption);
    p.setFont(font(size));
    centredText(p, centre, text);
    p.restore();
}

// The dropper drawing's wires and parts (picture coordinates).
constexpr qreal kTop = 56;
constexpr qreal kBottom = 150;
constexpr qreal kTerminalX = 128;
constexpr qreal kSplitLeft = 205;
constexpr qreal kSplitRight = 295;
constexpr qreal kBleederY = 24;
constexpr qreal kSurgeLeft = 330;
constexpr qreal kSurgeRight = 420;
constexpr QPointF kLoad(470, 103);
constexpr qreal kLoadRadius = 22;

} // namespace

QPixmap capacitorTubeBody()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({220, 58});
        QPainter p(&pm);
        prepare(p);
        // The swatches cover x 45..174, y 5..45; the tube runs a little past
        // them, with a soft shadow under it.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 26));
        p.drawEllipse(QRectF(30, 47, 160, 9));
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawEllipse(QRectF(50, 49, 120, 6));

        paintLead(p, {0, 25}, {30, 25});
        paintLead(p, {190, 25}, {220, 25});
        QPainterPath tube;
        tube.addRoundedRect(QRectF(22.5, 1.5, 175, 47), 14, 22);
        paintBody(p, tube, QColor(176, 196, 214));
        return pm;
    }();
    return picture;
}

QPixmap ceramicCapacitorBody()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({85, 92});
        QPainter p(&pm);
        prepare(p);
        paintLead(p, {27, 74}, {27, 92});
        paintLead(p, {58, 74}, {58, 92});
        // A dipped body: square above, drawn in round where the leads leave.
        QPainterPath body;
        body.moveTo(0.5, 8);
        body.quadTo(0.5, 0.5, 8, 0.5);
        body.lineTo(77, 0.5);
        body.quadTo(84.5, 0.5, 84.5, 8);
        body.lineTo(84.5, 72);
        body.cubicTo(84.5, 77, 72, 80.5, 58, 80.5);
        body.lineTo(27, 80.5);
        body.cubicTo(13, 80.5, 0.5, 77, 0.5, 72);
        body.closeSubpath();
        paintBody(p, body, QColor(205, 150, 86));
        return pm;
    }();
    return picture;
}

QPixmap guideLines(QSize size, std::span<const QPolygonF> routes)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    prepare(p);
    p.setPen(QPen(QColor(70, 70, 70), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (const QPolygonF& route : routes) {
        if (route.size() < 2)
            continue;
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(route);
        arrowHead(p, route.last(), route[route.size() - 2], 6, 2.8);
    }
    return pm;
}

QPixmap capacitorDropperCircuit()
{
    static const QPixmap picture = [] {
        // Drawn on a white sheet, so that the plain wire laid over the surge
        // resistor matches the paper around it whatever the group box's fill.
        QPixmap pm = canvas({610, 172});
        QPainter p(&pm);
        prepare(p);
        p.setPen(QPen(QColor(208, 212, 218), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(0.5, 0.5, 609, 171), 4, 4);
        p.setPen(wirePen());
        p.setBrush(Qt::NoBrush);

        // Supply side, through the fuse to the capacitor and its bleeder.
        const QRectF fuse(150, kTop - 5, 34, 10);
        p.drawLine(QPointF(kTerminalX + 3.5, kTop), QPointF(fuse.left(), kTop));
        p.drawRect(fuse);
        p.drawLine(QPointF(fuse.left(), kTop), QPointF(fuse.right(), kTop));
        p.drawLine(QPointF(fuse.right(), kTop), QPointF(kSplitLeft, kTop));
        capacitorPlates(p, QPointF(kSplitLeft, kTop), QPointF(kSplitRight, kTop), 26, 8);
        QPainterPath bleeder(QPointF(kSplitLeft, kTop));
        bleeder.lineTo(kSplitLeft, kBleederY);
        bleeder.lineTo(222, kBleederY);
        bleeder.moveTo(278, kBleederY);
        bleeder.lineTo(kSplitRight, kBleederY);
        bleeder.lineTo(kSplitRight, kTop);
        p.drawPath(bleeder);
        zigzagResistor(p, QPointF(222, kBleederY), QPointF(278, kBleederY), 6, 5);
        junction(p, QPointF(kSplitLeft, kTop));
        junction(p, QPointF(kSplitRight, kTop));

        // Surge limit resistor, then the load and the return wire.
        p.drawLine(QPointF(kSplitRight, kTop), QPointF(kSurgeLeft, kTop));
        zigzagResistor(p, QPointF(kSurgeLeft, kTop), QPointF(kSurgeRight, kTop), 8, 6);
        p.drawLine(QPointF(kSurgeRight, kTop), QPointF(kLoad.x() + 1, kTop));
        p.drawLine(QPointF(kLoad.x(), kTop), QPointF(kLoad.x(), kLoad.y() - kLoadRadius));
        p.drawLine(QPointF(kLoad.x(), kLoad.y() + kLoadRadius), QPointF(kLoad.x(), kBottom + 1));
        p.drawLine(QPointF(kLoad.x() + 1, kBottom), QPointF(kTerminalX + 3.5, kBottom));
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(40, 40, 40), 1.6));
        p.drawEllipse(kLoad, kLoadRadius, kLoadRadius);
        p.setPen(wirePen());
        terminal(p, QPointF(kTerminalX, kTop), 4);
        terminal(p, QPointF(kTerminalX, kBottom), 4);

        caption(p, QPointF(167, kTop - 16), QStringLiteral("fuse"));
        caption(p, QPointF(250, kBleederY - 15), QStringLiteral("bleeder 100k 1W"));
        caption(p, QPointF(250, kTop + 27), QStringLiteral("dropper capacitor"));
        caption(p, QPointF(250, kTop + 41), QStringLiteral("(X2 rated)"), 10);
        caption(p, QPointF((kSurgeLeft + kSurgeRight) / 2, kTop + 24),
                QStringLiteral("surge limit resistor"));
        caption(p, kLoad, QStringLiteral("load"));
        p.setPen(kCaption);
        p.setFont(font(20, true));
        centredText(p, QPointF(kTerminalX, (kTop + kBottom) / 2 - 6), QStringLiteral("~"));
        caption(p, QPointF(kTerminalX, (kTop + kBottom) / 2 + 12), QStringLiteral("AC"), 10);
        return pm;
    }();
    return picture;
}

QPixmap surgeResistorOverlay()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({110, 56}, Qt::white);
        QPainter p(&pm);
        prepare(p);
        p.setPen(wirePen());
        const qreal y = kTop - kSurgeOverlayTop;
        p.drawLine(QPointF(0, y), QPointF(110, y));
        return pm;
    }();
    return picture;
}

} // namespace artwork
