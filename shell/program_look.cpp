#include "shell/program_look.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace look {

void applyProgramPalette(QApplication& app)
{
    QPalette light = app.style()->standardPalette();
    light.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    light.setColor(QPalette::ToolTipText, Qt::black);
    QApplication::setPalette(light);
}

} // namespace look
