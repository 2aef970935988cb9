#include "artwork/symbols.h"

#include <QLineF>
#include <QPolygonF>

#include <cmath>

// The strokes every symbol is made of. The painter arrives with the ink pen
// (thin, square ends, mitred corners) and no brush; each stroke leaves it so.

namespace artwork::symbols {

namespace {

QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

} // namespace

void wire(QPainter& p, std::initializer_list<QPointF> points)
{
    p.drawPolyline(polygon(points));
}

void bar(QPainter& p, QPointF a, QPointF b, qreal width)
{
    p.save();
    QPen pen = p.pen();
    pen.setWidthF(width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

void dashed(QPainter& p, QPointF a, QPointF b)
{
    p.save();
    QPen pen = p.pen();
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern({3, 2});
    p.setPen(pen);
    p.drawLine(a, b);
    p.restore();
}

void body(QPainter& p, const QPainterPath& shape)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawPath(shape);
    p.restore();
}

void body(QPainter& p, std::initializer_list<QPointF> corners)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawPolygon(polygon(corners));
    p.restore();
}

void circle(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void solid(QPainter& p, std::initializer_list<QPointF> corners)
{
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(polygon(corners));
    p.restore();
}

void arrowHead(QPainter& p, QPointF tip, QPointF from, qreal head)
{
    const QLineF axis(tip, from);
    const QPointF u = (axis.p2() - axis.p1()) / axis.length();
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip + u * head;
    const qreal half = head * 0.45;
    p.save();
    QPen pen = p.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(pen.color());
    const QPointF corners[3] = {tip, base + n * half, base - n * half};
    p.drawPolygon(corners, 3);
    p.restore();
}

void arrow(QPainter& p, QPointF from, QPointF tip, qreal head)
{
    // The line stops inside the head so its square end cannot poke past the
    // point.
    const QLineF axis(tip, from);
    p.drawLine(from, axis.pointAt(head / axis.length()));
    arrowHead(p, tip, from, head);
}

void contact(QPainter& p, QPointF centre)
{
    circle(p, centre, 3);
}

void plus(QPainter& p, QPointF centre)
{
    p.drawLine(centre - QPointF(3, 0), centre + QPointF(3, 0));
    p.drawLine(centre - QPointF(0, 3), centre + QPointF(0, 3));
}

void zigzag(QPainter& p, qreal x0, qreal x1, qreal y)
{
    // Six peaks, each half-wave as wide as it is high.
    constexpr int halfWaves = 12;
    const qreal step = (x1 - x0) / halfWaves;
    const qreal amplitude = 7;
    QPolygonF line;
    line << QPointF(x0, y);
    for (int i = 0; i < halfWaves; ++i)
        line << QPointF(x0 + step * (i + 0.5), y + (i % 2 == 0 ? -amplitude : amplitude));
    line << QPointF(x1, y);
    p.drawPolyline(line);
}

QPainterPath coil(qreal x0, qreal x1, qreal y, int turns)
{
    const qreal w = (x1 - x0) / turns;
    QPainterPath path(QPointF(x0, y));
    for (int i = 0; i < turns; ++i)
        path.arcTo(QRectF(x0 + i * w, y - w / 2, w, w), 180, -180);
    return path;
}

void diode(QPainter& p, qreal x0, qreal x1, qreal halfHeight)
{
    solid(p, {{x0, -halfHeight}, {x0, halfHeight}, {x1, 0}});
    bar(p, {x1, -halfHeight}, {x1, halfHeight}, 2);
}

} // namespace artwork::symbols
