#include "artwork/artwork.h"

#include "artwork/painting.h"
#include "artwork/symbols.h"

#include <array>

// Reference sheets of schematic symbols: a grid of cards, each holding one
// symbol with its name beneath.

namespace artwork {

using namespace paint;

namespace {

struct SheetLayout
{
    QSize size;
    int columns;
    int margin;        // round the grid
    int captionHeight; // strip at the bottom of each card
    std::span<const symbols::Symbol> (*symbols)();
};

const SheetLayout& layoutOf(SymbolSheet sheet)
{
    static const std::array<SheetLayout, 4> layouts = {{
        {{580, 952}, 3, 4, 20, &symbols::generalSymbols},
        {{423, 77}, 8, 2, 17, &symbols::logicGateSymbols},
        {{505, 160}, 4, 4, 20, &symbols::valveSymbols},
        {{595, 451}, 3, 4, 20, &symbols::connectorSwitchRelaySymbols},
    }};
    return layouts[static_cast<std::size_t>(sheet)];
}

QPixmap drawSheet(const SheetLayout& layout)
{
    QPixmap pm = canvas(layout.size, Qt::white);
    QPainter p(&pm);
    prepare(p);
    const std::span<const symbols::Symbol> all = layout.symbols();
    const int count = int(all.size());
    const int rows = (count + layout.columns - 1) / layout.columns;
    const qreal cellW = qreal(layout.size.width() - 2 * layout.margin) / layout.columns;
    const qreal cellH = qreal(layout.size.height() - 2 * layout.margin) / rows;
    const QFont captionFont = font(layout.captionHeight < 20 ? 10 : 11);

    for (int i = 0; i < count; ++i) {
        // Cards on whole pixels, so their hairline borders stay sharp.
        const int left = layout.margin + qRound((i % layout.columns) * cellW);
        const int right = layout.margin + qRound((i % layout.columns + 1) * cellW);
        const int top = layout.margin + qRound((i / layout.columns) * cellH);
        const int bottom = layout.margin + qRound((i / layout.columns + 1) * cellH);
        const QRect card(left + 1, top + 1, right - left - 2, bottom - top - 2);
        p.setPen(QPen(QColor(222, 226, 232), 1));
        p.setBrush(QColor(250, 251, 253));
        p.drawRoundedRect(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

        // The symbol's origin on a pixel centre, in the middle of the card
        // above the caption strip.
        const QPointF origin(card.left() + card.width() / 2 + 0.5,
                             card.top() + (card.height() - layout.captionHeight) / 2 + 2.5);
        p.save();
        p.translate(origin);
        p.setPen(QPen(kInk, symbols::kThin, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        all[std::size_t(i)].draw(p);
        p.restore();

        p.setPen(kCaption);
        p.setFont(captionFont);
        const QRect caption(card.left(), card.bottom() - layout.captionHeight, card.width(),
                            layout.captionHeight - 1);
        p.drawText(caption, Qt::AlignHCenter | Qt::AlignVCenter,
                   QString::fromUtf8(all[std::size_t(i)].caption));
    }
    return pm;
}

} // namespace

QSize sheetSize(SymbolSheet sheet)
{
    return layoutOf(sheet).size;
}

QPixmap schematicSheet(SymbolSheet sheet)
{
    // A panel and its separate window share one drawing.
    static std::array<QPixmap, 4> drawn;
    QPixmap& picture = drawn[static_cast<std::size_t>(sheet)];
    if (picture.isNull())
        picture = drawSheet(layoutOf(sheet));
    return picture;
}

} // namespace artwork
