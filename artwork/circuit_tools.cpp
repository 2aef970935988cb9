#include "artwork/artwork.h"

#include "artwork/painting.h"

#include <QPainterPath>

// Circuit drawings of the 555 timer, regulator and RC time constant panels.
// They stand beside the panels' fields rather than under them, so each
// names its parts with the captions the fields use (R1, R2, C, Vout, ...).

namespace artwork {

using namespace paint;

namespace {

QPen wirePen()
{
    return QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

void partCaption(QPainter& p, QPointF centre, const QString& text)
{
    p.save();
    p.setPen(kCaption);
    p.setFont(font(11, true));
    centredText(p, centre, text);
    p.restore();
}

void note(QPainter& p, QPointF centre, const QString& text)
{
    p.save();
    p.setPen(kCaption);
    p.setFont(font(10));
    centredText(p, centre, text);
    p.restore();
}

void wire(QPainter& p, std::initializer_list<QPointF> points)
{
    QPainterPath path(*points.begin());
    for (auto it = points.begin() + 1; it != points.end(); ++it)
        path.lineTo(*it);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

// A resistor or capacitor standing upright from top to top + length.
void verticalResistor(QPainter& p, QPointF top, qreal length)
{
    p.save();
    p.translate(top);
    p.rotate(90);
    zigzagResistor(p, QPointF(0, 0), QPointF(length, 0), 6, 5);
    p.restore();
}

void verticalCapacitor(QPainter& p, QPointF top, qreal length)
{
    p.save();
    p.translate(top);
    p.rotate(90);
    capacitorPlates(p, QPointF(0, 0), QPointF(length, 0), 24, 7);
    p.restore();
}

// The 555 in its box, pins numbered and named inside it; the pins on the
// left at y 100 (7), 134 (6) and 166 (2), 8 and 4 on top at x 180 and 226,
// 1 under it at x 195, 3 on the right at y 134.
void timerChip(QPainter& p)
{
    const QRectF box(140, 70, 110, 126);
    p.save();
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(box);
    p.setFont(font(15, true));
    centredText(p, box.center() + QPointF(6, 0), QStringLiteral("555"));
    p.setFont(font(9));
    p.setPen(kCaption);
    const struct
    {
        QPointF at;
        const char* text;
    } pins[] = {{{162, 100}, "7 DIS"}, {{162, 134}, "6 THR"}, {{164, 166}, "2 TRIG"}, {{233, 134}, "3 OUT"},
                {{180, 80}, "8"},      {{226, 80}, "4"},      {{195, 187}, "1"}};
    for (const auto& pin : pins)
        centredText(p, pin.at, QString::fromLatin1(pin.text));
    p.restore();
    wire(p, {{180, 70}, {180, 22}});
    wire(p, {{226, 70}, {226, 22}});
    wire(p, {{195, 196}, {195, 222}});
    wire(p, {{250, 134}, {296.5, 134}});
    terminal(p, {300, 134});
    note(p, {300, 118}, QStringLiteral("out"));
}

// The supply rails across the top (y 22) and bottom (y 222) from the
// terminals on the left, with the chip's supply pins joined to them.
void rails(QPainter& p)
{
    wire(p, {{29.5, 22}, {226, 22}});
    wire(p, {{29.5, 222}, {195, 222}});
    terminal(p, {26, 22});
    terminal(p, {26, 222});
    junction(p, {180, 22});
    junction(p, {56, 22});
    junction(p, {56, 222});
    p.save();
    p.setPen(kCaption);
    p.setFont(font(11, true));
    centredText(p, {26, 8}, QStringLiteral("+V"));
    centredText(p, {26, 236}, QStringLiteral("0 V"));
    p.restore();
}

QPixmap drawTimer(bool astable)
{
    QPixmap pm = canvas({320, 240});
    QPainter p(&pm);
    prepare(p);
    p.setPen(wirePen());
    rails(p);
    timerChip(p);
    const qreal x = 56;
    if (astable) {
        // R1 from the supply to pin 7, R2 on to pins 6 and 2, C to ground.
        wire(p, {{x, 22}, {x, 34}});
        verticalResistor(p, {x, 34}, 50);
        wire(p, {{x, 84}, {x, 112}});
        verticalResistor(p, {x, 112}, 40);
        wire(p, {{x, 152}, {x, 182}});
        verticalCapacitor(p, {x, 182}, 28);
        wire(p, {{x, 210}, {x, 222}});
        wire(p, {{x, 100}, {140, 100}});
        wire(p, {{x, 166}, {140, 166}});
        wire(p, {{104, 166}, {104, 134}, {140, 134}});
        junction(p, {x, 100});
        junction(p, {x, 166});
        junction(p, {104, 166});
        partCaption(p, {x + 22, 59}, QStringLiteral("R1"));
        partCaption(p, {x + 22, 132}, QStringLiteral("R2"));
        partCaption(p, {x + 20, 196}, QStringLiteral("C"));
    } else {
        // R from the supply to pins 7 and 6, C to ground; the trigger
        // pulls pin 2 low to start a pulse.
        wire(p, {{x, 22}, {x, 40}});
        verticalResistor(p, {x, 40}, 50);
        wire(p, {{x, 90}, {x, 160}});
        verticalCapacitor(p, {x, 160}, 28);
        wire(p, {{x, 188}, {x, 222}});
        wire(p, {{x, 110}, {104, 110}, {104, 100}, {140, 100}});
        wire(p, {{104, 110}, {104, 134}, {140, 134}});
        junction(p, {x, 110});
        junction(p, {104, 110});
        wire(p, {{122, 192.5}, {122, 166}, {140, 166}});
        terminal(p, {122, 196});
        note(p, {106, 208}, QStringLiteral("trigger"));
        partCaption(p, {x + 20, 65}, QStringLiteral("R"));
        partCaption(p, {x + 20, 174}, QStringLiteral("C"));
    }
    return pm;
}

} // namespace

QPixmap timer555Astable()
{
    static const QPixmap picture = drawTimer(true);
    return picture;
}

QPixmap timer555Monostable()
{
    static const QPixmap picture = drawTimer(false);
    return picture;
}

QPixmap regulatorCircuit()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({340, 150});
        QPainter p(&pm);
        prepare(p);
        p.setPen(wirePen());
        // Vin into the regulator, its output across R1 to the adjust pin,
        // R2 from there to ground.
        const qreal top = 32, adjust = 88, bottom = 140, divider = 250;
        const QRectF box(96, 12, 80, 42);
        wire(p, {{24.5, top}, {box.left(), top}});
        wire(p, {{box.right(), top}, {316.5, top}});
        wire(p, {{136, box.bottom()}, {136, adjust}, {divider, adjust}});
        wire(p, {{divider, top}, {divider, 44}});
        verticalResistor(p, {divider, 44}, 36);
        wire(p, {{divider, 80}, {divider, 96}});
        verticalResistor(p, {divider, 96}, 36);
        wire(p, {{divider, 132}, {divider, bottom}});
        wire(p, {{24.5, bottom}, {316.5, bottom}});
        junction(p, {divider, top});
        junction(p, {divider, adjust});
        junction(p, {divider, bottom});
        for (qreal y : {top, bottom}) {
            terminal(p, {21, y});
            terminal(p, {320, y});
        }
        p.save();
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(250, 250, 245));
        p.drawRect(box);
        p.setPen(kCaption);
        p.setFont(font(9));
        centredText(p, {box.left() + 12, top}, QStringLiteral("IN"));
        centredText(p, {box.right() - 16, top}, QStringLiteral("OUT"));
        centredText(p, {136, box.bottom() - 8}, QStringLiteral("ADJ"));
        p.restore();
        partCaption(p, {divider + 22, 62}, QStringLiteral("R1"));
        partCaption(p, {divider + 22, 114}, QStringLiteral("R2"));
        partCaption(p, {21, 14}, QStringLiteral("Vin"));
        partCaption(p, {318, 14}, QStringLiteral("Vout"));
        partCaption(p, {21, bottom - 16}, QStringLiteral("0 V"));
        note(p, {193, adjust + 12}, QStringLiteral("Iadj"));
        return pm;
    }();
    return picture;
}

QPixmap rcCircuit()
{
    static const QPixmap picture = [] {
        QPixmap pm = canvas({320, 130});
        QPainter p(&pm);
        prepare(p);
        p.setPen(wirePen());
        // The supply, a switch, R along the top and C down to the return.
        const qreal top = 30, bottom = 116, source = 40, cap = 250;
        wire(p, {{source, 62}, {source, top}, {70, top}});
        wire(p, {{source, 72}, {source, bottom}, {cap, bottom}, {cap, 88}});
        wire(p, {{104, top}, {130, top}});
        zigzagResistor(p, {130, top}, {210, top}, 7, 5);
        wire(p, {{210, top}, {cap, top}, {cap, 60}});
        verticalCapacitor(p, {cap, 60}, 28);
        p.save();
        p.setPen(QPen(kInk, 2.4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(source - 14, 62), QPointF(source + 14, 62));
        p.drawLine(QPointF(source - 7, 70), QPointF(source + 7, 70));
        p.setPen(QPen(kInk, 1.6));
        p.drawLine(QPointF(74, top), QPointF(100, top - 12));
        p.restore();
        terminal(p, {72, top}, 3);
        terminal(p, {102, top}, 3);
        // The capacitor's voltage, marked beside it.
        p.save();
        p.setPen(QPen(QColor(120, 120, 120), 1));
        p.drawLine(QPointF(cap + 26, 46), QPointF(cap + 26, 102));
        arrowHead(p, QPointF(cap + 26, 44), QPointF(cap + 26, 54), 6, 3);
        p.restore();
        partCaption(p, {source - 26, 66}, QStringLiteral("Vs"));
        partCaption(p, {170, top - 18}, QStringLiteral("R"));
        partCaption(p, {cap - 20, 74}, QStringLiteral("C"));
        partCaption(p, {cap + 48, 74}, QStringLiteral("Vc"));
        note(p, {source + 20, 55}, QStringLiteral("+"));
        note(p, {88, top + 14}, QStringLiteral("t = 0"));
        return pm;
    }();
    return picture;
}

} // namespace artwork
