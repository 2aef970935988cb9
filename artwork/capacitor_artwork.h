#pragma once

// Pictures of the capacitor panels: the two capacitor bodies that the colour
// swatches are laid over, the guide lines from each band to its list, and
// the in-line dropper's circuit with the plain wire that covers its surge
// resistor. Sizes are in device-independent pixels; every picture is drawn
// at the screen's pixel ratio.

#include <QPixmap>
#include <QPolygonF>
#include <QSize>

#include <span>

namespace artwork {

// 220 x 58: a tubular capacitor with a lead at each end. Its five band
// swatches (17 x 40) sit 5 pixels below the top, 45, 69, 93, 133 and 157
// pixels from the left.
QPixmap capacitorTubeBody();

// 85 x 92: a dipped ceramic capacitor, a square body with two leads at the
// bottom. Its five band swatches (81 x 15) are stripes 2 pixels in from the
// left, the first 2 pixels below the top, each next one 15 pixels lower.
QPixmap ceramicCapacitorBody();

// Thin leader lines, each following its route and ending in an arrow head.
QPixmap guideLines(QSize size, std::span<const QPolygonF> routes);

// 610 x 172: the capacitor dropper: AC supply terminals, fuse, dropper
// capacitor with its bleeder resistor across it, surge limit resistor, load.
// The supply fields sit at x 20..110 and the load fields at x 520..610 (y 40
// to 127 for both), left empty.
QPixmap capacitorDropperCircuit();
// Where the surge limit resistor and its caption are in that drawing, and
// the plain wire drawn over them when no surge resistor is used.
inline constexpr int kSurgeOverlayLeft = 320;
inline constexpr int kSurgeOverlayTop = 36;
QPixmap surgeResistorOverlay(); // 110 x 56

} // namespace artwork
