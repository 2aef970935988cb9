#include "artwork/painting.h"

#include "artwork/artwork.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineF>
#include <QLinearGradient>

#include <array>
#include <cmath>

namespace artwork::paint {

QPixmap canvas(QSize size, QColor fill)
{
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(fill);
    return pm;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont font(qreal pixelSize, bool bold)
{
    return face(pixelSize, bold);
}

QColor digitColour(int digit)
{
    static constexpr std::array<QRgb, 10> colours = {
        qRgb(0, 0, 0),   qRgb(144, 96, 47), qRgb(255, 0, 0),   qRgb(255, 128, 0),   qRgb(255, 255, 0),
        qRgb(0, 255, 0), qRgb(0, 0, 255),   qRgb(255, 0, 255), qRgb(128, 128, 128), qRgb(255, 255, 255),
    };
    return QColor(colours[static_cast<std::size_t>(qBound(0, digit, 9))]);
}

QColor toleranceColour(int index)
{
    static constexpr std::array<QRgb, 7> colours = {
        qRgb(255, 0, 255), qRgb(0, 0, 255),     qRgb(0, 255, 0),     qRgb(144, 96, 47),
        qRgb(255, 0, 0),   qRgb(248, 251, 140), qRgb(222, 222, 222),
    };
    return QColor(colours[static_cast<std::size_t>(qBound(0, index, 6))]);
}

void zigzagResistor(QPainter& p, QPointF from, QPointF to, qreal amplitude, int peaks)
{
    // Short straight ends so the zig-zag starts cleanly off the wire.
    const qreal lead = (to.x() - from.x()) * 0.12;
    const qreal x0 = from.x() + lead;
    const qreal x1 = to.x() - lead;
    const qreal step = (x1 - x0) / (2 * peaks);
    QPainterPath path(from);
    path.lineTo(x0, from.y());
    for (int i = 0; i < 2 * peaks; ++i) {
        const qreal sign = (i % 2 == 0) ? -1 : 1;
        path.lineTo(x0 + step * (i + 0.5), from.y() + sign * amplitude);
    }
    path.lineTo(x1, from.y());
    path.lineTo(to);
    p.save();
    p.setBrush(Qt::NoBrush);
    QPen pen = p.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(3);
    p.setPen(pen);
    p.drawPath(path);
    p.restore();
}

void capacitorPlates(QPainter& p, QPointF from, QPointF to, qreal plateHeight, qreal gap)
{
    const qreal mid = (from.x() + to.x()) / 2;
    const qreal y = from.y();
    p.drawLine(from, QPointF(mid - gap / 2, y));
    p.drawLine(QPointF(mid + gap / 2, y), to);
    p.save();
    QPen pen = p.pen();
    pen.setWidthF(pen.widthF() * 1.6);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(QPointF(mid - gap / 2, y - plateHeight / 2), QPointF(mid - gap / 2, y + plateHeight / 2));
    p.drawLine(QPointF(mid + gap / 2, y - plateHeight / 2), QPointF(mid + gap / 2, y + plateHeight / 2));
    p.restore();
}

void terminal(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    QPen pen = p.pen();
    pen.setWidthF(qMin<qreal>(pen.widthF(), 1.4));
    p.setPen(pen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void junction(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(Qt::NoPen);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void arrowHead(QPainter& p, QPointF tip, QPointF from, qreal length, qreal halfWidth)
{
    const QLineF axis(tip, from);
    const QPointF u = (axis.p2() - axis.p1()) / axis.length();
    const QPointF n(-u.y(), u.x());
    const QPointF base = tip + u * length;
    const QPointF head[3] = {tip, base + n * halfWidth, base - n * halfWidth};
    p.save();
    p.setBrush(p.pen().color());
    QPen pen = p.pen();
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setWidthF(qMin<qreal>(pen.widthF(), 1.0));
    p.setPen(pen);
    p.drawPolygon(head, 3);
    p.restore();
}

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

void centredText(QPainter& p, QPointF centre, const QString& text)
{
    const QFontMetricsF fm(p.font());
    const qreal w = fm.horizontalAdvance(text);
    p.drawText(QPointF(centre.x() - w / 2, centre.y() + (fm.ascent() - fm.descent()) / 2), text);
}

} // namespace artwork::paint

namespace artwork {

QFont face(qreal pixelSize, bool bold)
{
    // Metric-compatible with the small sans-serif face the layouts were
    // measured with, so every caption fits its control.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    return f;
}

} // namespace artwork
