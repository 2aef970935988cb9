#include "ui/program_look.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QResource>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

#include <algorithm>

namespace look {

namespace {

// A group frame as the standard style draws it: a faint line just inside the
// frame's top and left edges and on its right and bottom edges, with softened
// corners, a fainter line inside it and a very faint shade within.
void paintGroupFrame(QPainter& painter, const QRect& frame)
{
    const int l = frame.left() + 1, t = frame.top() + 1, r = frame.right(), b = frame.bottom();
    if (r - l < 4 || b - t < 4)
        return;
    const auto fill = [&painter](int x1, int y1, int x2, int y2, int alpha) {
        painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), QColor(0, 0, 0, alpha));
    };
    constexpr int kLine = 27, kCorner = 11, kInner = 7, kShade = 3;
    fill(l + 1, t, r - 1, t, kLine);
    fill(l + 1, b, r - 1, b, kLine);
    fill(l, t + 1, l, b - 1, kLine);
    fill(r, t + 1, r, b - 1, kLine);
    for (const QPoint corner : {QPoint(l, t), QPoint(r, t), QPoint(l, b), QPoint(r, b)})
        fill(corner.x(), corner.y(), corner.x(), corner.y(), kCorner);
    fill(l + 1, t + 1, r - 1, t + 1, kInner);
    fill(l + 1, b - 1, r - 1, b - 1, kInner);
    fill(l + 1, t + 2, l + 1, b - 2, kInner);
    fill(r - 1, t + 2, r - 1, b - 2, kInner);
    fill(l + 2, t + 2, r - 2, b - 2, kShade);
}

class ProgramStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox || baseStyle()->name() != QLatin1String("fusion")) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        // The frame starts below the caption's line, as the standard style's.
        constexpr int kBelowCaption = 3;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const bool uncaptioned = box && !box->isCheckable() && box->title().isEmpty();
        const int top = uncaptioned ? kBelowCaption
                                    : std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                                               option->fontMetrics.height()) +
                                          kBelowCaption;
        paintGroupFrame(*painter, option->rect.adjusted(0, top, 0, 0));
    }
};

} // namespace

void applyProgramPalette(QApplication& app)
{
    QPalette light = app.style()->standardPalette();
    light.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    light.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(light);
    // Hints, and the fields that take the hints' colours, keep the light
    // hint palette too: a dark theme hands Qt a palette of its own for them.
    QToolTip::setPalette(light);
}

void applyProgramStyle(QApplication& app)
{
    app.setStyle(new ProgramStyle);
}

QIcon programIcon()
{
    // Every size given is handed to the window system when a window is made,
    // so the first frame pays for each. Title bars and task switchers use
    // these; the desktop finds the larger sizes among the installed icons
    // named by the desktop file. The pixels are stored raw: reading a
    // compressed picture would load the picture decoders first.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        const QByteArray pixels = QResource(QStringLiteral(":/icons/%1.argb").arg(size)).uncompressedData();
        if (pixels.size() != qsizetype(size) * size * 4)
            continue;
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image.copy())); // the copy owns its pixels
    }
    return icon;
}

} // namespace look
