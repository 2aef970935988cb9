#include "shell/program_look.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QResource>
#include <QStyle>
#include <QToolTip>

namespace look {

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
