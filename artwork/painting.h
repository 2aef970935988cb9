#pragma once

// Drawing helpers shared by the artwork files: canvases at the screen's pixel
// ratio, the band colours, and the few circuit-symbol strokes that several
// pictures reuse.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointF>
#include <QSize>

namespace artwork::paint {

// A canvas of `size` device-independent pixels at the application's device
// pixel ratio, filled with `fill` (transparent for pictures laid over panels).
QPixmap canvas(QSize size, QColor fill = Qt::transparent);

// Antialiased painter on a canvas.
void prepare(QPainter& p);

// The program's face (artwork::face) at a pixel size.
QFont font(qreal pixelSize, bool bold = false);

// Band colours by digit (0..9 = Black..White) and the tolerance pictures'
// order (0..6 = Violet, Blue, Green, Brown, Red, Gold, Silver).
QColor digitColour(int digit);
QColor toleranceColour(int index);
inline const QColor kBodyBeige(222, 223, 170);

inline const QColor kInk(0x20, 0x20, 0x20);
inline const QColor kCaption(0x40, 0x40, 0x40);

// Circuit strokes, all horizontal from `from` to `to` on the same y.
void zigzagResistor(QPainter& p, QPointF from, QPointF to, qreal amplitude = 7, int peaks = 6);
void capacitorPlates(QPainter& p, QPointF from, QPointF to, qreal plateHeight = 26, qreal gap = 8);
void terminal(QPainter& p, QPointF centre, qreal radius = 3.5);
void junction(QPainter& p, QPointF centre, qreal radius = 2.5);
void arrowHead(QPainter& p, QPointF tip, QPointF from, qreal length = 6, qreal halfWidth = 3);

// Resistor bodies seen from the side, shared by the colour-band panel and the
// program's logos.
// The outline: two end caps of full height joined by a slightly narrower
// middle, with smooth shoulders, the way a moulded film resistor looks.
QPainterPath resistorSilhouette(const QRectF& r, qreal leftCap, qreal rightCap, qreal neck, qreal corner);
// Light from above laid over a part's base colour, so dark and light bodies
// both read as round.
void shadeCylinder(QPainter& p, const QPainterPath& shape, qreal top, qreal bottom);
// A part's body: base colour, shading and a dark outline.
void paintPart(QPainter& p, const QPainterPath& shape, QColor colour);
// A tinned lead: a thin horizontal wire with a bright centre line.
void paintLead(QPainter& p, qreal x0, qreal x1, qreal y);

// Text centred on a point.
void centredText(QPainter& p, QPointF centre, const QString& text);

} // namespace artwork::paint
