#include "resources/artwork/painting.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineF>

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
    QFont f = QGuiApplication::font();
    f.setPixelSize(qRound(pixelSize));
    f.setBold(bold);
    f.setStyleHint(QFont::SansSerif);
    return f;
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

void centredText(QPainter& p, QPointF centre, const QString& text)
{
    const QFontMetricsF fm(p.font());
    const qreal w = fm.horizontalAdvance(text);
    p.drawText(QPointF(centre.x() - w / 2, centre.y() + (fm.ascent() - fm.descent()) / 2), text);
}

} // namespace artwork::paint
