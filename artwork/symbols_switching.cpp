#include "artwork/symbols.h"

// The connectors, switches and relays sheet (each symbol within about
// 120 x 72 pixels), the logic gates sheet (about 44 x 24, the sheet is only
// 77 pixels high) and the valves sheet (about 100 x 112).

namespace artwork::symbols {

namespace {

// A connector's socket: a cup opening to the left at x, its wire leaving
// right to `end`.
void socketCup(QPainter& p, qreal x, qreal end)
{
    QPainterPath cup(QPointF(x - 10, -11));
    cup.arcTo(QRectF(x - 21, -11, 22, 22), 90, -180);
    p.drawPath(cup);
    wire(p, {{x + 1, 0}, {end, 0}});
}

// A plug's pin: a solid bar ending at `tip`, its wire coming from `start`.
void plugPin(QPainter& p, qreal start, qreal tip)
{
    wire(p, {{start, 0}, {tip - 16, 0}});
    solid(p, {{tip - 16, -2.5}, {tip, -2.5}, {tip, 2.5}, {tip - 16, 2.5}});
}

// A changeover pole: common contact on the left, the blade resting on the
// upper of two contacts, all centred on the line y.
void changeover(QPainter& p, qreal y)
{
    wire(p, {{-60, y}, {-23, y}});
    wire(p, {{23, y - 12}, {60, y - 12}});
    wire(p, {{23, y + 12}, {60, y + 12}});
    wire(p, {{-20, y}, {18, y - 10}});
    contact(p, {-20, y});
    contact(p, {20, y - 12});
    contact(p, {20, y + 12});
}

// A push button's contacts on the line y, leads to both sides.
void pushContacts(QPainter& p, qreal y)
{
    wire(p, {{-60, y}, {-23, y}});
    wire(p, {{23, y}, {60, y}});
    contact(p, {-20, y});
    contact(p, {20, y});
}

void pushButton(QPainter& p, qreal from, qreal to)
{
    wire(p, {{0, from}, {0, to}});
    wire(p, {{-8, to}, {8, to}});
}

constexpr Symbol kConnectorsSwitchesRelays[] = {
    {"Plug", [](QPainter& p) { plugPin(p, -30, 22); }},
    {"Socket", [](QPainter& p) { socketCup(p, -14, 30); }},
    {"Plug and socket",
     [](QPainter& p) {
         plugPin(p, -60, 0);
         socketCup(p, 8, 60);
     }},
    {"Jack socket",
     [](QPainter& p) {
         // The sleeve below, the tip's spring contact above with the notch
         // that holds an inserted plug.
         solid(p, {{-44, 8}, {-22, 8}, {-22, 13}, {-44, 13}});
         wire(p, {{-22, 10}, {46, 10}});
         wire(p, {{46, -12}, {-16, -12}, {-25, -2}, {-34, -12}});
     }},
    {"Terminals",
     [](QPainter& p) {
         for (qreal y : {-12.0, 12.0}) {
             wire(p, {{-32, y}, {24, y}});
             circle(p, {28, y}, 4);
         }
     }},
    {"Switch (SPST)",
     [](QPainter& p) {
         pushContacts(p, 6);
         wire(p, {{-20, 6}, {17, -9}});
         contact(p, {-20, 6});
     }},
    {"Switch (SPDT)", [](QPainter& p) { changeover(p, 0); }},
    {"Switch (DPDT)",
     [](QPainter& p) {
         changeover(p, -20);
         changeover(p, 20);
         // Both blades move together.
         dashed(p, {0, -24}, {0, 15});
     }},
    {"Push-to-make switch",
     [](QPainter& p) {
         pushContacts(p, 8);
         wire(p, {{-24, -2}, {24, -2}});
         pushButton(p, -2, -20);
     }},
    {"Push-to-break switch",
     [](QPainter& p) {
         pushContacts(p, -6);
         wire(p, {{-24, -2}, {24, -2}});
         pushButton(p, -2, -22);
     }},
    {"Reed switch",
     [](QPainter& p) {
         wire(p, {{-60, 0}, {-36, 0}});
         wire(p, {{36, 0}, {60, 0}});
         QPainterPath glass;
         glass.addRoundedRect(QRectF(-36, -11, 72, 22), 11, 11);
         p.drawPath(glass);
         wire(p, {{-36, 0}, {-16, 0}, {8, 4}});
         wire(p, {{36, 0}, {16, 0}, {-8, -4}});
     }},
    {"Relay (coil and contacts)",
     [](QPainter& p) {
         wire(p, {{-51, -32}, {-51, -14}});
         wire(p, {{-51, 14}, {-51, 32}});
         p.drawRect(QRectF(-60, -14, 18, 28));
         wire(p, {{20, -32}, {20, -17}});
         wire(p, {{20, 17}, {20, 32}});
         wire(p, {{20, 14}, {33, -11}});
         contact(p, {20, -14});
         contact(p, {20, 14});
         dashed(p, {-42, 1}, {26, 1});
     }},
};

// Logic gates: 22 pixels high, inputs at y = -6 and 6, leads out to +-22.
QPainterPath andBody()
{
    QPainterPath path(QPointF(-11, -11));
    path.lineTo(0, -11);
    path.arcTo(QRectF(-11, -11, 22, 22), 90, -180);
    path.lineTo(-11, 11);
    path.closeSubpath();
    return path;
}

QPainterPath orBody()
{
    QPainterPath path(QPointF(-12, -11));
    path.cubicTo(0, -11, 7, -8, 12, 0);
    path.cubicTo(7, 8, 0, 11, -12, 11);
    path.quadTo(-6, 0, -12, -11);
    return path;
}

void gateInputs(QPainter& p, qreal end)
{
    wire(p, {{-22, -6}, {end, -6}});
    wire(p, {{-22, 6}, {end, 6}});
}

// The output lead, after the inverting bubble when there is one.
void gateOutput(QPainter& p, qreal from, bool inverted)
{
    if (inverted) {
        circle(p, {from + 3, 0}, 3);
        from += 6;
    }
    wire(p, {{from, 0}, {22, 0}});
}

void orGate(QPainter& p, bool inverted, bool exclusive)
{
    // The inputs end on the back curve, or on the extra curve of the
    // exclusive kinds.
    gateInputs(p, exclusive ? -14 : -10);
    if (exclusive) {
        QPainterPath extra(QPointF(-16, -11));
        extra.quadTo(-10, 0, -16, 11);
        p.drawPath(extra);
    }
    body(p, orBody());
    gateOutput(p, 12, inverted);
}

void andGate(QPainter& p, bool inverted)
{
    gateInputs(p, -11);
    body(p, andBody());
    gateOutput(p, 11, inverted);
}

void bufferGate(QPainter& p, bool inverted)
{
    wire(p, {{-22, 0}, {-10, 0}});
    body(p, {{-10, -11}, {-10, 11}, {11, 0}});
    gateOutput(p, 11, inverted);
}

constexpr Symbol kLogicGates[] = {
    {"Buffer", [](QPainter& p) { bufferGate(p, false); }},
    {"NOT", [](QPainter& p) { bufferGate(p, true); }},
    {"AND", [](QPainter& p) { andGate(p, false); }},
    {"NAND", [](QPainter& p) { andGate(p, true); }},
    {"OR", [](QPainter& p) { orGate(p, false, false); }},
    {"NOR", [](QPainter& p) { orGate(p, true, false); }},
    {"XOR", [](QPainter& p) { orGate(p, false, true); }},
    {"XNOR", [](QPainter& p) { orGate(p, true, true); }},
};

// Valves: a round glass envelope with the anode at the top and the
// indirectly heated cathode over its heater at the bottom. Grids are dashed;
// the control grid's lead leaves on the left, the others' on the right.
void valve(QPainter& p, std::initializer_list<qreal> rightGrids, bool controlGrid)
{
    circle(p, {0, 0}, 38);
    wire(p, {{0, -56}, {0, -22}});
    bar(p, {-15, -22}, {15, -22});
    // Cathode, its lead down on the right.
    wire(p, {{-14, 17}, {14, 17}, {14, 54}});
    // Heater: a filament under the cathode with both ends brought out.
    wire(p, {{-12, 54}, {-12, 31}, {-5, 24}, {2, 31}, {2, 54}});
    if (controlGrid) {
        const qreal y = rightGrids.size() == 0 ? 0 : 8;
        dashed(p, {-15, y}, {15, y});
        wire(p, {{-50, y}, {-15, y}});
    }
    for (qreal y : rightGrids) {
        dashed(p, {-15, y}, {15, y});
        wire(p, {{15, y}, {50, y}});
    }
}

constexpr Symbol kValves[] = {
    {"Diode", [](QPainter& p) { valve(p, {}, false); }},
    {"Triode", [](QPainter& p) { valve(p, {}, true); }},
    {"Tetrode", [](QPainter& p) { valve(p, {-6}, true); }},
    {"Pentode",
     [](QPainter& p) {
         valve(p, {-2, -12}, true);
     }},
};

} // namespace

std::span<const Symbol> connectorSwitchRelaySymbols()
{
    return kConnectorsSwitchesRelays;
}

std::span<const Symbol> logicGateSymbols()
{
    return kLogicGates;
}

std::span<const Symbol> valveSymbols()
{
    return kValves;
}

} // namespace artwork::symbols
