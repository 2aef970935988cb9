#pragma once

// The program's pictures, drawn with QPainter when first asked for and kept.
// Each is drawn at the screen's device pixel ratio so it stays crisp on
// scaled displays; sizes below are in device-independent pixels.

#include <QFont>
#include <QPixmap>
#include <QSize>

class QPainter;

namespace artwork {

// The program's sans-serif face at a pixel size: the face of the windows'
// controls, so that picture text and control text match and start-up loads
// one family only.
QFont face(qreal pixelSize, bool bold = false);

QPixmap background(); // 830 x 530, behind the whole main window
// Paints the background at (0, 0) keeping only its header and footer as
// pictures: the flat middle is cheaper to paint than to keep.
void paintBackground(QPainter& p);
QPixmap logo();      // 95 x 50, top right of the main window
QPixmap helpGlyph(); // 16 x 16, on Help buttons
QPixmap splash();    // 350 x 232, opaque: the start-up picture
QPixmap aboutLogo(); // 70 x 55, in the About box

// Resistor colour-band panel
QPixmap resistorBody();           // 220 x 58: beige body with two leads, behind the band swatches
QPixmap bandLeaderLines();        // 487 x 48: lines joining each band to its list below
QPixmap bodyTipSpotLeaderLines(); // 350 x 79: lines joining body, tip, spot and end band to the lists
QPixmap bodyImage(int digit);     // 187 x 39: rounded body with end caps in a digit colour (0..9)
QPixmap tipImage(int digit);      // 25 x 39: the left end cap in a digit colour (0..9)
QPixmap
toleranceImage(int index); // 11 x 39: narrow band, 0..6 = Violet, Blue, Green, Brown, Red, Gold, Silver
// 487 x 48: the band leader lines for the three-digit marking, band 4 beside
// band 3
QPixmap precisionBandLeaderLines();

// Circuit drawings
QPixmap dropperCircuit();   // 392 x 179: source terminals, "dropper resistor", "load"
QPixmap coilIllustration(); // 204 x 181: five-loop coil, "Number of turns", "Width of coil"
QPixmap resistorsParallel(QSize size);
QPixmap resistorsSeries(QSize size);
QPixmap capacitorsSeries(QSize size);
QPixmap capacitorsParallel(QSize size);

// Circuit drawings of the 555 timer, regulator and RC time constant panels
QPixmap timer555Astable();    // 320 x 240: R1, R2 and C on the 555, supply rails, output
QPixmap timer555Monostable(); // 320 x 240: R and C on the 555, trigger input, output
QPixmap regulatorCircuit();   // 340 x 150: Vin, the regulator, R1 over R2 at its adjust pin, Vout
QPixmap rcCircuit();          // 320 x 130: supply, switch, R along the top, C with its voltage

// Reference sheets of schematic symbols, each symbol with its name under it.
enum class SymbolSheet
{
    General,                 // 580 x 952
    LogicGates,              // 423 x 77
    Valves,                  // 505 x 160
    ConnectorsSwitchesRelays // 595 x 451
};
QSize sheetSize(SymbolSheet sheet);
QPixmap schematicSheet(SymbolSheet sheet);

} // namespace artwork
