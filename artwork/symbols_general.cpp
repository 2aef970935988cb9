#include "artwork/symbols.h"

// The general sheet: passive parts, semiconductors, sources, and the parts
// that turn electricity into light, sound or a reading. Each fits in about
// 124 x 66 pixels; two-lead parts run their leads out to x = -60 and 60.

namespace artwork::symbols {

namespace {

void resistor(QPainter& p)
{
    wire(p, {{-60, 0}, {-30, 0}});
    zigzag(p, -30, 30);
    wire(p, {{30, 0}, {60, 0}});
}

void capacitor(QPainter& p)
{
    wire(p, {{-60, 0}, {-5, 0}});
    wire(p, {{5, 0}, {60, 0}});
    bar(p, {-5, -14}, {-5, 14});
    bar(p, {5, -14}, {5, 14});
}

void adjustable(QPainter& p)
{
    arrow(p, {-22, 17}, {22, -17}, 7);
}

void inductorCoil(QPainter& p, qreal y)
{
    wire(p, {{-60, y}, {-32, y}});
    p.drawPath(coil(-32, 32, y, 4));
    wire(p, {{32, y}, {60, y}});
}

void diodeWithLeads(QPainter& p)
{
    wire(p, {{-60, 0}, {-10, 0}});
    wire(p, {{10, 0}, {60, 0}});
    diode(p, -10, 9.5);
}

void bipolar(QPainter& p, bool npn)
{
    circle(p, {4, 0}, 22);
    wire(p, {{-60, 0}, {-6, 0}});
    bar(p, {-6, -12}, {-6, 12});
    wire(p, {{-6, -6}, {12, -16}, {12, -32}});
    wire(p, {{-6, 6}, {12, 16}, {12, 32}});
    if (npn)
        arrowHead(p, {11, 15.4}, {-6, 6}, 8);
    else
        arrowHead(p, {-5, 6.6}, {12, 16}, 8);
}

void mosfet(QPainter& p, bool nChannel)
{
    circle(p, {4, 0}, 22);
    wire(p, {{-60, 0}, {-11, 0}});
    wire(p, {{-11, -12}, {-11, 12}});
    // A broken channel: the enhancement kind, off until the gate is driven.
    for (qreal y : {-10.0, 0.0, 10.0})
        bar(p, {-5, y - 4}, {-5, y + 4}, 3);
    wire(p, {{-5, -10}, {12, -10}, {12, -32}});
    wire(p, {{-5, 10}, {12, 10}, {12, 32}});
    wire(p, {{-5, 0}, {12, 0}, {12, 10}});
    if (nChannel)
        arrowHead(p, {-3, 0}, {12, 0}, 8);
    else
        arrowHead(p, {11, 0}, {-3, 0}, 8);
}

void plate(QPainter& p, qreal x, bool longPlate)
{
    if (longPlate)
        wire(p, {{x, -15}, {x, 15}});
    else
        bar(p, {x, -7}, {x, 7});
}

constexpr Symbol kGeneral[] = {
    {"Resistor", &resistor},
    {"Variable resistor",
     [](QPainter& p) {
         resistor(p);
         adjustable(p);
     }},
    {"Potentiometer",
     [](QPainter& p) {
         resistor(p);
         arrow(p, {0, 26}, {0, 9}, 7);
     }},
    {"Capacitor", &capacitor},
    {"Polarised capacitor",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-5, 0}});
         bar(p, {-5, -14}, {-5, 14});
         QPainterPath curved(QPointF(10, -14));
         curved.quadTo(2, 0, 10, 14);
         p.save();
         QPen thick = p.pen();
         thick.setWidthF(kThick);
         thick.setCapStyle(Qt::FlatCap);
         p.setPen(thick);
         p.drawPath(curved);
         p.restore();
         wire(p, {{6, 0}, {60, 0}});
         plus(p, {-14, -12});
     }},
    {"Variable capacitor",
     [](QPainter& p) {
         capacitor(p);
         adjustable(p);
     }},
    {"Inductor (air core)", [](QPainter& p) { inductorCoil(p, 4); }},
    {"Inductor (iron core)",
     [](QPainter& p) {
         inductorCoil(p, 8);
         wire(p, {{-32, -6}, {32, -6}});
         wire(p, {{-32, -10}, {32, -10}});
     }},
    {"Transformer",
     [](QPainter& p) {
         // Two coils facing each other across a laminated core.
         for (const qreal side : {-1.0, 1.0}) {
             p.save();
             p.translate(side * 14, 0);
             p.rotate(side * -90);
             p.drawPath(coil(-24, 24, 0, 3));
             p.restore();
             wire(p, {{side * 44, -24}, {side * 14, -24}});
             wire(p, {{side * 44, 24}, {side * 14, 24}});
         }
         wire(p, {{-2, -26}, {-2, 26}});
         wire(p, {{2, -26}, {2, 26}});
     }},
    {"Diode", &diodeWithLeads},
    {"Zener diode",
     [](QPainter& p) {
         diodeWithLeads(p);
         wire(p, {{9.5, -10}, {4.5, -14}});
         wire(p, {{9.5, 10}, {14.5, 14}});
     }},
    {"Light-emitting diode",
     [](QPainter& p) {
         diodeWithLeads(p);
         arrow(p, {-1, -13}, {9, -25}, 6);
         arrow(p, {7, -13}, {17, -25}, 6);
     }},
    {"Photodiode",
     [](QPainter& p) {
         diodeWithLeads(p);
         arrow(p, {-16, -27}, {-6, -15}, 6);
         arrow(p, {-7, -27}, {3, -15}, 6);
     }},
    {"NPN transistor", [](QPainter& p) { bipolar(p, true); }},
    {"PNP transistor", [](QPainter& p) { bipolar(p, false); }},
    {"N-channel MOSFET", [](QPainter& p) { mosfet(p, true); }},
    {"P-channel MOSFET", [](QPainter& p) { mosfet(p, false); }},
    {"Op-amp",
     [](QPainter& p) {
         wire(p, {{-60, -12}, {-24, -12}});
         wire(p, {{-60, 12}, {-24, 12}});
         wire(p, {{28, 0}, {60, 0}});
         body(p, {{-24, -28}, {-24, 28}, {28, 0}});
         wire(p, {{-19, -12}, {-13, -12}});
         plus(p, {-16, 12});
     }},
    {"Battery",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-13, 0}});
         wire(p, {{13, 0}, {60, 0}});
         plate(p, -13, true);
         plate(p, -7, false);
         dashed(p, {-5, 0}, {6, 0});
         plate(p, 7, true);
         plate(p, 13, false);
         plus(p, {-20, -12});
     }},
    {"Cell",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-3, 0}});
         wire(p, {{3, 0}, {60, 0}});
         plate(p, -3, true);
         plate(p, 3, false);
         plus(p, {-10, -12});
     }},
    {"AC source",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-16, 0}});
         wire(p, {{16, 0}, {60, 0}});
         circle(p, {0, 0}, 16);
         QPainterPath wave(QPointF(-9, 0));
         wave.cubicTo(-6, -11, -1.5, -11, 0, 0);
         wave.cubicTo(1.5, 11, 6, 11, 9, 0);
         p.drawPath(wave);
     }},
    {"Fuse",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {60, 0}});
         p.drawRect(QRectF(-18, -6, 36, 12));
     }},
    {"Lamp",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-14, 0}});
         wire(p, {{14, 0}, {60, 0}});
         circle(p, {0, 0}, 14);
         wire(p, {{-10, -10}, {10, 10}});
         wire(p, {{-10, 10}, {10, -10}});
     }},
    {"Crystal",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-13, 0}});
         wire(p, {{13, 0}, {60, 0}});
         wire(p, {{-13, -12}, {-13, 12}});
         wire(p, {{13, -12}, {13, 12}});
         p.drawRect(QRectF(-7, -17, 14, 34));
     }},
    {"Ground",
     [](QPainter& p) {
         wire(p, {{0, -26}, {0, 4}});
         wire(p, {{-16, 4}, {16, 4}});
         wire(p, {{-10, 10}, {10, 10}});
         wire(p, {{-4, 16}, {4, 16}});
     }},
    {"Chassis",
     [](QPainter& p) {
         wire(p, {{0, -26}, {0, 4}});
         wire(p, {{-16, 4}, {16, 4}});
         for (qreal x : {-16.0, 0.0, 16.0})
             wire(p, {{x, 4}, {x - 7, 15}});
     }},
    {"Antenna",
     [](QPainter& p) {
         wire(p, {{0, 26}, {0, -26}});
         wire(p, {{-15, -26}, {0, -8}, {15, -26}});
     }},
    {"Loudspeaker",
     [](QPainter& p) {
         wire(p, {{-60, -5}, {-14, -5}});
         wire(p, {{-60, 5}, {-14, 5}});
         p.drawRect(QRectF(-14, -10, 10, 20));
         wire(p, {{-4, -10}, {12, -24}, {12, 24}, {-4, 10}});
     }},
    {"Microphone",
     [](QPainter& p) {
         wire(p, {{-60, -8}, {-9, -8}});
         wire(p, {{-60, 8}, {-9, 8}});
         circle(p, {6, 0}, 15);
         bar(p, {-9, -15}, {-9, 15});
     }},
    {"Meter",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-16, 0}});
         wire(p, {{16, 0}, {60, 0}});
         circle(p, {0, 0}, 16);
         // An "M" drawn as strokes, so the symbol needs no font.
         wire(p, {{-6, 6}, {-6, -6}, {0, 1}, {6, -6}, {6, 6}});
     }},
};

} // namespace

std::span<const Symbol> generalSymbols()
{
    return kGeneral;
}

} // namespace artwork::symbols
