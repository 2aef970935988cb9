#include "shell/program_look.h"

#include <QApplication>
#include <QPalette>
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
    // Every size given is decoded at once and handed to the window system
    // when a window is made, so the first frame pays for each. Title bars
    // and task switchers use these; the desktop finds the larger sizes among
    // the installed icons named by the desktop file.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace look
