#include "resources/artwork/artwork.h"

#include <QGuiApplication>
#include <QPainter>

namespace artwork {

namespace {

QPixmap blank(QSize size, QColor fill = Qt::white)
{
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(size * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(fill);
    return pm;
}

} // namespace

QPixmap background() { return blank({830, 530}); }
QPixmap logo() { return blank({95, 50}); }
QPixmap helpGlyph() { return blank({16, 16}, Qt::transparent); }
QPixmap resistorBody() { return blank({220, 58}, QColor(222, 223, 170)); }
QPixmap bandLeaderLines() { return blank({487, 48}); }
QPixmap bodyTipSpotLeaderLines() { return blank({350, 79}); }
QPixmap bodyImage(int) { return blank({187, 39}, Qt::gray); }
QPixmap tipImage(int) { return blank({25, 39}, Qt::darkGray); }
QPixmap toleranceImage(int) { return blank({11, 39}, Qt::black); }
QPixmap dropperCircuit() { return blank({392, 179}); }
QPixmap coilIllustration() { return blank({204, 181}); }
QPixmap resistorsParallel(QSize size) { return blank(size); }
QPixmap resistorsSeries(QSize size) { return blank(size); }
QPixmap capacitorsSeries(QSize size) { return blank(size); }
QPixmap capacitorsParallel(QSize size) { return blank(size); }
QPixmap schematicSheet(QSize size, const QString&) { return blank(size); }

} // namespace artwork
