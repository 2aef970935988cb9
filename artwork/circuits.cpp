#include "artwork/artwork.h"

#include "artwork/painting.h"

#include <QHash>
#include <QLinearGradient>

#include <cmath>
#include <numbers>

// Circuit drawings of the dropper, coil and series/parallel panels. The
// panels lay their entry fields on top of these pictures, so each drawing
// leaves those rectangles empty and places a part's symbol right beside its
// field; the field then reads as that part's label.

namespace artwork {

using namespace paint;

namespace {

QPen wirePen()
{
    return QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// The pictures keyed by size are kept per size; the panels ask for one size
// each, so this stays tiny.
QPixmap cachedBySize(QHash<quint64, QPixmap>& cache, QSize size, QPixmap (*draw)(QSize))
{
    const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, draw(size));
    return *it;
}

void partCaption(QPainter& p, QPointF centre, const QString& text)
{
    p.save();
    p.setPen(kCaption);
    p.setFont(font(11, true));
    centredText(p, centre, text);
    p.restore();
}

// A pale line under the whole network marking what the total field below the
// picture refers to.
void totalSpan(QPainter& p, qreal x0, qreal x1, qreal y, const QString& text)
{
    p.save();
    p.setFont(font(10));
    const qreal half = QFontMetricsF(p.font()).horizontalAdvance(text) / 2 + 6;
    const qreal mid = (x0 + x1) / 2;
    const QColor grey(120, 120, 120);
    p.setPen(QPen(grey, 1));
    p.drawLine(QPointF(x0, y - 5), QPointF(x0, y + 5));
    p.drawLine(QPointF(x1, y - 5), QPointF(x1, y + 5));
    p.drawLine(QPointF(x0 + 1, y), QPointF(mid - half, y));
    p.drawLine(QPointF(mid + half, y), QPointF(x1 - 1, y));
    arrowHead(p, {x0 + 1, y}, {x0 + 10, y}, 6, 2.5);
    arrowHead(p, {x1 - 1, y}, {x1 - 10, y}, 6, 2.5);
    p.setPen(kCaption);
    centredText(p, {mid, y}, text);
    p.restore();
}

enum class Part
{
    Resistor,
    Capacitor
};

void drawPart(QPainter& p, Part part, QPointF from, QPointF to)
{
    if (part == Part::Resistor)
        zigzagResistor(p, from, to, 7, 5);
    else
        capacitorPlates(p, from, to, 24, 7);
}

// Two parts between common rails. The fields sit at x 20..110, y 40..61 and
// y 100..121; each branch runs along its field's centre line.
QPixmap drawParallel(QSize size, Part part)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    prepare(p);
    const QString prefix = part == Part::Resistor ? QStringLiteral("R") : QStringLiteral("C");
    const qreal top = 50, bottom = 110, mid = 80;
    const qreal left = 126, right = 252;
    p.setPen(wirePen());
    p.drawLine(QPointF(left, top - 1), QPointF(left, bottom + 1));
    p.drawLine(QPointF(right, top - 1), QPointF(right, bottom + 1));
    for (qreal y : {top, bottom}) {
        p.drawLine(QPointF(left, y), QPointF(150, y));
        drawPart(p, part, QPointF(150, y), QPointF(230, y));
        p.drawLine(QPointF(230, y), QPointF(right, y));
    }
    p.drawLine(QPointF(23.5, mid), QPointF(left, mid));
    p.drawLine(QPointF(right, mid), QPointF(size.width() - 10.5, mid));
    terminal(p, QPointF(20, mid));
    terminal(p, QPointF(size.width() - 7, mid));
    junction(p, QPointF(left, mid));
    junction(p, QPointF(right, mid));
    // A small pointer from each field to its branch.
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (qreal y : {top, bottom})
        arrowHead(p, QPointF(121, y), QPointF(112, y), 6, 3.5);

    partCaption(p, QPointF(190, top - 18), prefix + QStringLiteral("1"));
    partCaption(p, QPointF(190, bottom - 18), prefix + QStringLiteral("2"));
    totalSpan(p, 20.5, size.width() - 6.5, 140, QStringLiteral("total"));
    return pm;
}

// Two parts in one line, each above its field (fields at x 20..110 and
// 164..254, y 76..97).
QPixmap drawSeries(QSize size, Part part)
{
    QPixmap pm = canvas(size);
    QPainter p(&pm);
    prepare(p);
    const QString prefix = part == Part::Resistor ? QStringLiteral("R") : QStringLiteral("C");
    const qreal y = 50;
    const qreal first = 65, second = 209, half = 36;
    p.setPen(wirePen());
    p.drawLine(QPointF(10.5, y), QPointF(first - half, y));
    drawPart(p, part, QPointF(first - half, y), QPointF(first + half, y));
    p.drawLine(QPointF(first + half, y), QPointF(second - half, y));
    drawPart(p, part, QPointF(second - half, y), QPointF(second + half, y));
    p.drawLine(QPointF(second + half, y), QPointF(size.width() - 10.5, y));
    terminal(p, QPointF(7, y));
    terminal(p, QPointF(size.width() - 7, y));
    junction(p, QPointF((first + second) / 2, y));

    // A small pointer from each symbol down to its field.
    p.setPen(QPen(QColor(150, 150, 150), 1));
    for (qreal x : {first, second})
        arrowHead(p, QPointF(x + 0.5, 73), QPointF(x + 0.5, 60), 6, 3.5);
    partCaption(p, QPointF(first, y - 22), prefix + QStringLiteral("1"));
    partCaption(p, QPointF(second, y - 22), prefix + QStringLiteral("2"));
    totalSpan(p, 6.5, size.width() - 6.5, 122, QStringLiteral("total"));
    return pm;
}

QPixmap drawResistorsParallel(QSize size)
{
    return drawParallel(size, Part::Resistor);
}
QPixmap drawResistorsSeries(QSize size)
{
    return drawSeries(size, Part::Resistor);
}
QPixmap drawCapacitorsParallel(QSize size)
{
    return drawParallel(size, Part::Capacitor);
}
QPixmap drawCapacitorsSeries(QSize size)
{
    return drawSeries(size, Part::Capacitor);
}

// The coil picture: a helix seen from the side with a little perspective: x
// advances with the turn and swings with its depth, so each turn shows as a
// loop whose near half is drawn heavier than its far half.
namespace helix {

constexpr int turns = 5;
constexpr qreal x0 = 44, pitch = 24, swing = 10, radius = 30, yc = 88;
constexpr qreal pi = std::numbers::pi;
constexpr qreal t0 = pi, t1 = pi + 2 * pi * turns;

QPointF at(qreal t)
{
    return QPointF(x0 + pitch * (t - pi) / (2 * pi) + swing * std::sin(t), yc - radius * std::cos(t));
}

} // namespace helix

// The wire, its far halves faint, its near halves and leads heavy.
void drawHelix(QPainter& p)
{
    using namespace helix;
    QPainterPath back, front;
    const int steps = 400;
    bool wasFront = false;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = t0 + (t1 - t0) * i / steps;
        const bool isFront = std::sin(t) >= 0;
        QPainterPath& path = isFront ? front : back;
        if (i == 0 || isFront != wasFront) {
            if (i > 0)
                path.moveTo(at(t0 + (t1 - t0) * (i - 1) / steps));
            else
                path.moveTo(at(t));
        }
        path.lineTo(at(t));
        wasFront = isFront;
    }
    const QColor copper(184, 108, 48);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(184, 108, 48, 110), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(back);

    const QPointF start = at(t0), end = at(t1);
    p.setPen(QPen(QColor(90, 45, 15), 4.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, start.y()), start);
    p.drawLine(end, QPointF(194, end.y()));
    p.drawPath(front);
    p.setPen(QPen(copper.lighter(115), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, start.y()), start);
    p.drawLine(end, QPointF(194, end.y()));
    p.drawPath(front);
}

// "Number of turns" above the coil, pointing at the top of every loop. Leaves
// the caption's pen and face set.
void drawTurnsPointers(QPainter& p)
{
    using namespace helix;
    p.setPen(kCaption);
    p.setFont(font(11));
    centredText(p, QPointF(102, 10), QStringLiteral("Number of turns"));
    p.setPen(QPen(QColor(95, 95, 95), 0.9));
    const QPointF hub(102, 20);
    for (int k = 1; k <= turns; ++k) {
        const QPointF loopTop = at(2 * pi * k);
        arrowHead(p, loopTop - QPointF(0, 2), hub, 5, 2.2);
        p.drawLine(hub, loopTop - QPointF(0, 6));
    }
}

// A brace under the coil from its first turn to its last.
void drawWidthBrace(QPainter& p)
{
    using namespace helix;
    const qreal left = at(t0 + pi / 2).x(), right = at(t1 - pi / 2).x();
    const qreal y = 132, mid = (left + right) / 2, depth = 7;
    QPainterPath brace(QPointF(left, y));
    brace.quadTo(left, y + depth, left + depth, y + depth);
    brace.lineTo(mid - depth, y + depth);
    brace.quadTo(mid, y + depth, mid, y + 2 * depth);
    brace.quadTo(mid, y + depth, mid + depth, y + depth);
    brace.lineTo(right - depth, y + depth);
    brace.quadTo(right, y + depth, right, y);
    p.setPen(QPen(QColor(70, 70, 70), 1.2));
    p.drawPath(brace);
    p.setPen(QPen(QColor(150, 150, 150), 0.8, Qt::DotLine));
    p.drawLine(QPointF(left, y - 4), QPointF(left, yc + radius - 6));
    p.drawLine(QPointF(right, y - 4), QPointF(right, yc + radius - 6));
    p.setPen(kCaption);
    centredText(p, QPointF(mid, y + 2 * depth + 12), QStringLiteral("Width of coil"));
}

} // namespace

QPixmap dropperCircuit()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({392, 179});
        QPainter p(&pm);
        prepare(p);
        const qreal top = 40, bottom = 150;
        const QPointF load(340, 95);
        const qreal loadRadius = 22;

        p.setPen(wirePen());
        p.drawLine(QPointF(12.5, top), QPointF(136, top));
        zigzagResistor(p, QPointF(136, top), QPointF(256, top), 8, 7);
        p.drawLine(QPointF(256, top), QPointF(load.x(), top));
        p.drawLine(QPointF(load.x(), top - 1), QPointF(load.x(), load.y() - loadRadius));
        p.drawLine(QPointF(load.x(), load.y() + loadRadius), QPointF(load.x(), bottom + 1));
        p.drawLine(QPointF(load.x(), bottom), QPointF(12.5, bottom));
        p.setBrush(Qt::white);
        p.setPen(QPen(QColor(40, 40, 40), 1.6));
        p.drawEllipse(load, loadRadius, loadRadius);
        terminal(p, QPointF(8, top), 4);
        terminal(p, QPointF(8, bottom), 4);

        // Current direction through the resistor into the load.
        arrowHead(p, QPointF(300, top), QPointF(280, top), 8, 3.5);

        p.setPen(kCaption);
        p.setFont(font(11));
        centredText(p, QPointF(196, top - 20), QStringLiteral("dropper resistor"));
        centredText(p, load, QStringLiteral("load"));
        p.setFont(font(12, true));
        centredText(p, QPointF(20, top - 12), QStringLiteral("+"));
        centredText(p, QPointF(20, bottom + 13), QStringLiteral("\u2212"));
        return pm;
    }();
    return picture;
}

QPixmap coilIllustration()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({204, 181});
        QPainter p(&pm);
        prepare(p);
        drawHelix(p);
        drawTurnsPointers(p);
        drawWidthBrace(p);
        return pm;
    }();
    return picture;
}

QPixmap resistorsParallel(QSize size)
{
    static QHash<quint64, QPixmap> cache;
    return cachedBySize(cache, size, &drawResistorsParallel);
}

QPixmap resistorsSeries(QSize size)
{
    static QHash<quint64, QPixmap> cache;
    return cachedBySize(cache, size, &drawResistorsSeries);
}

QPixmap capacitorsSeries(QSize size)
{
    static QHash<quint64, QPixmap> cache;
    return cachedBySize(cache, size, &drawCapacitorsSeries);
}

QPixmap capacitorsParallel(QSize size)
{
    static QHash<quint64, QPixmap> cache;
    return cachedBySize(cache, size, &drawCapacitorsParallel);
}

} // namespace artwork
