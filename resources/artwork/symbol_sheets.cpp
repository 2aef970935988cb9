#include "resources/artwork/artwork.h"

#include "resources/artwork/painting.h"

#include <QHash>
#include <QVector>

#include <functional>

// Reference sheets of schematic symbols: a grid of symbols, each with its
// name beneath, chosen by the sheet's title.

namespace artwork {

using namespace paint;

namespace {

// Every symbol is drawn in a 100 x 60 box centred on the origin, with its
// connections leaving at x = -50 and x = 50 where it has two.
using SymbolDraw = std::function<void(QPainter&)>;

struct Symbol
{
    const char* caption;
    SymbolDraw draw;
};

void line(QPainter& p, qreal x0, qreal y0, qreal x1, qreal y1)
{
    p.drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

void filledTriangle(QPainter& p, QPointF a, QPointF b, QPointF c, bool filled = true)
{
    const QPointF pts[3] = {a, b, c};
    p.save();
    p.setBrush(filled ? p.pen().color() : QColor(Qt::white));
    p.drawPolygon(pts, 3);
    p.restore();
}

void diodeBody(QPainter& p)
{
    line(p, -50, 0, -12, 0);
    line(p, 12, 0, 50, 0);
    filledTriangle(p, {-12, -12}, {-12, 12}, {10, 0}, false);
    line(p, 11, -12, 11, 12);
}

void coilHumps(QPainter& p, qreal x0, qreal x1, qreal y, int humps, bool up = true)
{
    const qreal w = (x1 - x0) / humps;
    QPainterPath path(QPointF(x0, y));
    for (int i = 0; i < humps; ++i)
        path.arcTo(QRectF(x0 + i * w, y - w / 2, w, w), 180, up ? -180 : 180);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

void transistor(QPainter& p, bool npn)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4, 0), 24, 24);
    p.restore();
    line(p, -50, 0, -6, 0);
    QPen bar = p.pen();
    bar.setWidthF(bar.widthF() * 2);
    p.save();
    p.setPen(bar);
    line(p, -6, -12, -6, 12);
    p.restore();
    line(p, -6, -6, 12, -18);
    line(p, 12, -18, 12, -30);
    line(p, -6, 6, 12, 18);
    line(p, 12, 18, 12, 30);
    if (npn)
        arrowHead(p, {11, 17.3}, {-6, 6}, 8, 3.5);
    else
        arrowHead(p, {-4, 7.3}, {12, 18}, 8, 3.5);
}

void gateLeads(QPainter& p, qreal inputX, int inputs, qreal outputX)
{
    if (inputs == 2) {
        line(p, -50, -10, inputX, -10);
        line(p, -50, 10, inputX, 10);
    } else {
        line(p, -50, 0, inputX, 0);
    }
    line(p, outputX, 0, 50, 0);
}

QPainterPath andShape()
{
    QPainterPath path(QPointF(-25, -20));
    path.lineTo(5, -20);
    path.arcTo(QRectF(-15, -20, 40, 40), 90, -180);
    path.lineTo(-25, 20);
    path.closeSubpath();
    return path;
}

QPainterPath orShape()
{
    QPainterPath path(QPointF(-28, -20));
    path.cubicTo(0, -20, 18, -14, 28, 0);
    path.cubicTo(18, 14, 0, 20, -28, 20);
    path.quadTo(-16, 0, -28, -20);
    return path;
}

void bubble(QPainter& p, QPointF centre)
{
    p.save();
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 4, 4);
    p.restore();
}

void envelope(QPainter& p)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), 28, 28);
    p.restore();
}

// A valve's heater-fed cathode at the bottom and its anode plate at the top.
void cathodeAndAnode(QPainter& p)
{
    line(p, 0, -16, 0, -40);
    line(p, -12, -16, 12, -16);
    line(p, -12, 16, 12, 16);
    line(p, -12, 16, -12, 20);
    line(p, -8, 22, -8, 40);
    line(p, 8, 22, 8, 40);
    QPainterPath heater(QPointF(-8, 22));
    heater.lineTo(0, 18);
    heater.lineTo(8, 22);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawPath(heater);
    p.restore();
}

void grid(QPainter& p, qreal y, qreal leadX, bool withLead)
{
    QPen dashed = p.pen();
    dashed.setStyle(Qt::DashLine);
    dashed.setDashPattern({2, 2});
    p.save();
    p.setPen(dashed);
    line(p, -14, y, 14, y);
    p.restore();
    if (withLead)
        line(p, -14, y, leadX, y);
}

void contact(QPainter& p, QPointF at)
{
    junction(p, at, 2.5);
}

QVector<Symbol> generalSymbols()
{
    return {
        {"Resistor",
         [](QPainter& p) {
             zigzagResistor(p, {-50, 0}, {50, 0}, 8, 6);
         }},
        {"Variable resistor",
         [](QPainter& p) {
             zigzagResistor(p, {-50, 0}, {50, 0}, 8, 6);
             line(p, -22, 18, 20, -16);
             arrowHead(p, {24, -19}, {-22, 18}, 8, 3.5);
         }},
        {"Potentiometer",
         [](QPainter& p) {
             zigzagResistor(p, {-50, 0}, {50, 0}, 8, 6);
             line(p, 0, 30, 0, 16);
             arrowHead(p, {0, 10}, {0, 30}, 8, 3.5);
         }},
        {"Capacitor",
         [](QPainter& p) {
             capacitorPlates(p, {-50, 0}, {50, 0}, 30, 9);
         }},
        {"Electrolytic capacitor",
         [](QPainter& p) {
             line(p, -50, 0, -5, 0);
             QPen plate = p.pen();
             plate.setWidthF(plate.widthF() * 1.6);
             p.save();
             p.setPen(plate);
             line(p, -5, -15, -5, 15);
             p.restore();
             QPainterPath curved(QPointF(10, -15));
             curved.quadTo(2, 0, 10, 15);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.setPen(plate);
             p.drawPath(curved);
             p.restore();
             line(p, 5, 0, 50, 0);
             line(p, -18, -14, -12, -14);
             line(p, -15, -17, -15, -11);
         }},
        {"Variable capacitor",
         [](QPainter& p) {
             capacitorPlates(p, {-50, 0}, {50, 0}, 30, 9);
             line(p, -20, 18, 16, -14);
             arrowHead(p, {20, -18}, {-20, 18}, 8, 3.5);
         }},
        {"Inductor",
         [](QPainter& p) {
             line(p, -50, 0, -30, 0);
             coilHumps(p, -30, 30, 0, 4);
             line(p, 30, 0, 50, 0);
         }},
        {"Iron-core inductor",
         [](QPainter& p) {
             line(p, -50, 4, -30, 4);
             coilHumps(p, -30, 30, 4, 4);
             line(p, 30, 4, 50, 4);
             line(p, -30, -12, 30, -12);
             line(p, -30, -16, 30, -16);
         }},
        {"Transformer",
         [](QPainter& p) {
             p.save();
             p.rotate(90);
             coilHumps(p, -24, 24, 10, 3, false);
             coilHumps(p, -24, 24, -10, 3, true);
             p.restore();
             line(p, -2, -26, -2, 26);
             line(p, 2, -26, 2, 26);
             line(p, -10, -24, -40, -24);
             line(p, -10, 24, -40, 24);
             line(p, 10, -24, 40, -24);
             line(p, 10, 24, 40, 24);
         }},
        {"Diode", [](QPainter& p) { diodeBody(p); }},
        {"Zener diode",
         [](QPainter& p) {
             diodeBody(p);
             line(p, 11, -12, 6, -15);
             line(p, 11, 12, 16, 15);
         }},
        {"Light-emitting diode",
         [](QPainter& p) {
             diodeBody(p);
             for (qreal dx : {0.0, 9.0}) {
                 line(p, 2 + dx, -14, 12 + dx, -26);
                 arrowHead(p, {14 + dx, -28.5}, {2 + dx, -14}, 6, 2.8);
             }
         }},
        {"NPN transistor", [](QPainter& p) { transistor(p, true); }},
        {"PNP transistor", [](QPainter& p) { transistor(p, false); }},
        {"Battery",
         [](QPainter& p) {
             line(p, -50, 0, -18, 0);
             line(p, 18, 0, 50, 0);
             QPen thick = p.pen();
             thick.setWidthF(thick.widthF() * 2.2);
             for (qreal x : {-18.0, 2.0}) {
                 line(p, x, -16, x, 16);
                 p.save();
                 p.setPen(thick);
                 line(p, x + 8, -8, x + 8, 8);
                 p.restore();
             }
             line(p, 18, 0, 18, 0);
             line(p, -26, -18, -20, -18);
             line(p, -23, -21, -23, -15);
         }},
        {"Cell",
         [](QPainter& p) {
             line(p, -50, 0, -5, 0);
             line(p, 5, 0, 50, 0);
             line(p, -5, -16, -5, 16);
             QPen thick = p.pen();
             thick.setWidthF(thick.widthF() * 2.2);
             p.save();
             p.setPen(thick);
             line(p, 5, -8, 5, 8);
             p.restore();
         }},
        {"Ground",
         [](QPainter& p) {
             line(p, 0, -26, 0, 4);
             line(p, -18, 4, 18, 4);
             line(p, -11, 11, 11, 11);
             line(p, -4, 18, 4, 18);
         }},
        {"Fuse",
         [](QPainter& p) {
             line(p, -50, 0, 50, 0);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(-22, -8, 44, 16));
             p.restore();
         }},
        {"Lamp",
         [](QPainter& p) {
             line(p, -50, 0, -16, 0);
             line(p, 16, 0, 50, 0);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(0, 0), 16, 16);
             p.restore();
             line(p, -11.3, -11.3, 11.3, 11.3);
             line(p, -11.3, 11.3, 11.3, -11.3);
         }},
        {"Crystal",
         [](QPainter& p) {
             line(p, -50, 0, -14, 0);
             line(p, 14, 0, 50, 0);
             line(p, -14, -14, -14, 14);
             line(p, 14, -14, 14, 14);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(-8, -18, 16, 36));
             p.restore();
         }},
        {"Loudspeaker",
         [](QPainter& p) {
             line(p, -50, -6, -14, -6);
             line(p, -50, 6, -14, 6);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(-14, -10, 10, 20));
             const QPointF cone[4] = {{-4, -10}, {14, -24}, {14, 24}, {-4, 10}};
             p.drawPolyline(cone, 4);
             p.restore();
         }},
        {"AC source",
         [](QPainter& p) {
             line(p, -50, 0, -18, 0);
             line(p, 18, 0, 50, 0);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(0, 0), 18, 18);
             QPainterPath wave(QPointF(-10, 0));
             wave.cubicTo(-6, -12, -2, -12, 0, 0);
             wave.cubicTo(2, 12, 6, 12, 10, 0);
             p.drawPath(wave);
             p.restore();
         }},
        {"Chassis",
         [](QPainter& p) {
             line(p, 0, -26, 0, 4);
             line(p, -18, 4, 18, 4);
             for (qreal x : {-18.0, -4.0, 10.0})
                 line(p, x, 4, x - 8, 16);
         }},
        {"Antenna",
         [](QPainter& p) {
             line(p, 0, 28, 0, -10);
             line(p, 0, -10, -16, -28);
             line(p, 0, -10, 16, -28);
             line(p, -16, -28, 16, -28);
         }},
    };
}

QVector<Symbol> logicSymbols()
{
    return {
        {"AND",
         [](QPainter& p) {
             gateLeads(p, -25, 2, 25);
             p.setBrush(Qt::white);
             p.drawPath(andShape());
         }},
        {"OR",
         [](QPainter& p) {
             gateLeads(p, -22, 2, 28);
             p.setBrush(Qt::white);
             p.drawPath(orShape());
         }},
        {"NOT",
         [](QPainter& p) {
             gateLeads(p, -20, 1, 24);
             filledTriangle(p, {-20, -18}, {-20, 18}, {14, 0}, false);
             bubble(p, {18, 0});
         }},
        {"NAND",
         [](QPainter& p) {
             gateLeads(p, -25, 2, 33);
             p.setBrush(Qt::white);
             p.drawPath(andShape());
             bubble(p, {29, 0});
         }},
    };
}

QVector<Symbol> valveSymbols()
{
    return {
        {"Diode valve",
         [](QPainter& p) {
             envelope(p);
             cathodeAndAnode(p);
         }},
        {"Triode",
         [](QPainter& p) {
             envelope(p);
             cathodeAndAnode(p);
             grid(p, 0, -40, true);
         }},
        {"Tetrode",
         [](QPainter& p) {
             envelope(p);
             cathodeAndAnode(p);
             grid(p, 6, -40, true);
             grid(p, -6, 40, false);
             line(p, 14, -6, 40, -6);
         }},
        {"Pentode",
         [](QPainter& p) {
             envelope(p);
             cathodeAndAnode(p);
             grid(p, 8, -40, true);
             grid(p, 0, 40, false);
             line(p, 14, 0, 40, 0);
             grid(p, -8, 0, false);
             line(p, 14, -8, 17, -8);
             line(p, 17, -8, 17, 13);
             line(p, 17, 13, 12, 16);
         }},
    };
}

QVector<Symbol> connectorSymbols()
{
    return {
        {"Plug",
         [](QPainter& p) {
             line(p, -50, 0, 4, 0);
             filledTriangle(p, {4, -7}, {4, 7}, {18, 0});
         }},
        {"Socket",
         [](QPainter& p) {
             line(p, 50, 0, 4, 0);
             QPainterPath cup(QPointF(-14, -12));
             cup.lineTo(4, 0);
             cup.lineTo(-14, 12);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawPath(cup);
             p.restore();
         }},
        {"Plug and socket",
         [](QPainter& p) {
             line(p, -50, 0, -12, 0);
             filledTriangle(p, {-12, -7}, {-12, 7}, {2, 0});
             QPainterPath cup(QPointF(-4, -12));
             cup.lineTo(14, 0);
             cup.lineTo(-4, 12);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawPath(cup);
             p.restore();
             line(p, 14, 0, 50, 0);
         }},
        {"Switch (SPST)",
         [](QPainter& p) {
             line(p, -50, 0, -18, 0);
             line(p, 18, 0, 50, 0);
             contact(p, {-18, 0});
             contact(p, {18, 0});
             line(p, -18, 0, 16, -16);
         }},
        {"Switch (SPDT)",
         [](QPainter& p) {
             line(p, -50, 0, -18, 0);
             contact(p, {-18, 0});
             contact(p, {18, -14});
             contact(p, {18, 14});
             line(p, 18, -14, 50, -14);
             line(p, 18, 14, 50, 14);
             line(p, -18, 0, 16, -12);
         }},
        {"Push switch",
         [](QPainter& p) {
             line(p, -50, 6, -18, 6);
             line(p, 18, 6, 50, 6);
             contact(p, {-18, 6});
             contact(p, {18, 6});
             line(p, -20, -6, 20, -6);
             line(p, 0, -6, 0, -22);
             line(p, -8, -22, 8, -22);
         }},
        {"Push switch (break)",
         [](QPainter& p) {
             line(p, -50, 6, -18, 6);
             line(p, 18, 6, 50, 6);
             contact(p, {-18, 6});
             contact(p, {18, 6});
             line(p, -20, 12, 20, 12);
             line(p, 0, 12, 0, -18);
             line(p, -8, -18, 8, -18);
         }},
        {"Relay coil",
         [](QPainter& p) {
             line(p, -50, 0, -20, 0);
             line(p, 20, 0, 50, 0);
             p.save();
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(-20, -12, 40, 24));
             p.restore();
             line(p, -20, 12, 20, -12);
         }},
        {"Relay contacts",
         [](QPainter& p) {
             line(p, -50, 8, -18, 8);
             contact(p, {-18, 8});
             line(p, -18, 8, 16, -6);
             contact(p, {18, -12});
             contact(p, {18, 20});
             line(p, 18, -12, 50, -12);
             line(p, 18, 20, 50, 20);
             QPen dashed = p.pen();
             dashed.setStyle(Qt::DashLine);
             p.save();
             p.setPen(dashed);
             line(p, 0, 1, 0, -28);
             p.restore();
         }},
    };
}

QVector<Symbol> symbolsFor(const QString& title)
{
    const QString t = title.toLower();
    if (t.contains(QStringLiteral("logic")))
        return logicSymbols();
    if (t.contains(QStringLiteral("valve")) || t.contains(QStringLiteral("tube")))
        return valveSymbols();
    if (t.contains(QStringLiteral("connector")) || t.contains(QStringLiteral("switch")) ||
        t.contains(QStringLiteral("relay")))
        return connectorSymbols();
    return generalSymbols();
}

QPixmap drawSheet(QSize size, const QString& title)
{
    QPixmap pm = canvas(size, Qt::white);
    QPainter p(&pm);
    prepare(p);
    const QVector<Symbol> symbols = symbolsFor(title);
    const int count = int(symbols.size());

    // The column count that gives the symbols the largest scale.
    const qreal captionHeight = 18, margin = 6;
    int bestColumns = 1;
    qreal bestScale = 0;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        const qreal cellW = (size.width() - 2 * margin) / qreal(columns);
        const qreal cellH = (size.height() - 2 * margin) / qreal(rows);
        const qreal scale = qMin((cellW - 16) / 110.0, (cellH - captionHeight - 8) / 70.0);
        if (scale > bestScale) {
            bestScale = scale;
            bestColumns = columns;
        }
    }
    const int columns = bestColumns;
    const int rows = (count + columns - 1) / columns;
    const qreal cellW = (size.width() - 2 * margin) / qreal(columns);
    const qreal cellH = (size.height() - 2 * margin) / qreal(rows);
    const qreal scale = qMin<qreal>(bestScale, 1.6);

    for (int i = 0; i < count; ++i) {
        const QRectF cell(margin + (i % columns) * cellW, margin + (i / columns) * cellH, cellW, cellH);
        p.setPen(QPen(QColor(222, 226, 232), 1));
        p.setBrush(QColor(250, 251, 253));
        p.drawRoundedRect(cell.adjusted(2.5, 2.5, -2.5, -2.5), 4, 4);

        const QPointF centre(cell.center().x(), cell.top() + (cell.height() - captionHeight) / 2 + 2);
        p.save();
        p.translate(centre);
        p.scale(scale, scale);
        p.setPen(QPen(kInk, 1.4 / qMax<qreal>(scale, 0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        symbols[i].draw(p);
        p.restore();

        p.setPen(kCaption);
        p.setFont(font(11));
        centredText(p, QPointF(cell.center().x(), cell.bottom() - captionHeight / 2 - 3),
                    QString::fromLatin1(symbols[i].caption));
    }
    return pm;
}

} // namespace

QPixmap schematicSheet(QSize size, const QString& title)
{
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1x%2:%3").arg(size.width()).arg(size.height()).arg(title);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, drawSheet(size, title));
    return *it;
}

} // namespace artwork
