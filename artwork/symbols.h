#pragma once

// The schematic symbols of the reference sheets and the strokes they share.
//
// Each symbol draws itself around the origin, in pixels, with no scaling: the
// sheet places the origin on a pixel centre, so one-pixel wires and
// three-pixel plates fall on whole pixels and stay sharp at any device pixel
// ratio. Wires are thin, plates and bars thick, arrow heads filled, bodies
// that wires must not show through filled white.

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <initializer_list>
#include <span>

namespace artwork::symbols {

struct Symbol
{
    const char* caption;
    void (*draw)(QPainter&);
};

// The sheets' contents, in reading order.
std::span<const Symbol> generalSymbols();
std::span<const Symbol> logicGateSymbols();
std::span<const Symbol> valveSymbols();
std::span<const Symbol> connectorSwitchRelaySymbols();

inline constexpr qreal kThin = 1;
inline constexpr qreal kThick = 3;

// A thin polyline through the points.
void wire(QPainter& p, std::initializer_list<QPointF> points);
// A thick flat-ended bar, for capacitor and cell plates, transistor bases.
void bar(QPainter& p, QPointF a, QPointF b, qreal width = kThick);
// A thin dashed line, for grids and mechanical links.
void dashed(QPainter& p, QPointF a, QPointF b);
// An outline filled white, so wires behind it do not show through.
void body(QPainter& p, const QPainterPath& shape);
void body(QPainter& p, std::initializer_list<QPointF> corners);
void circle(QPainter& p, QPointF centre, qreal radius);
// A solid shape in the ink colour.
void solid(QPainter& p, std::initializer_list<QPointF> corners);
// A thin line from `from` to `tip` with a filled head at the tip.
void arrow(QPainter& p, QPointF from, QPointF tip, qreal head = 6);
// Only the head, for an arrow on a wire already drawn.
void arrowHead(QPainter& p, QPointF tip, QPointF from, qreal head = 6);
// A switch contact: a small open circle.
void contact(QPainter& p, QPointF centre);
// A "+" polarity mark.
void plus(QPainter& p, QPointF centre);
// A zig-zag resistor body between x0 and x1 on the line y.
void zigzag(QPainter& p, qreal x0, qreal x1, qreal y = 0);
// Coil turns as semicircles bulging to -y (up) between x0 and x1 on line y.
QPainterPath coil(qreal x0, qreal x1, qreal y, int turns);
// Diode triangle pointing right with its cathode bar, between x0 and x1.
void diode(QPainter& p, qreal x0, qreal x1, qreal halfHeight = 10);

} // namespace artwork::symbols
