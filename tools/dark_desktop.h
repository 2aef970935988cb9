#pragma once

// For the renderers: a dark desktop theme as a platform theme hands it to Qt,
// the application palette and the palettes it gives single kinds of widget
// and the hints. The program must replace all of them by its own.

#include <QApplication>
#include <QPalette>
#include <QToolTip>

inline void imitateDarkDesktop()
{
    QPalette dark;
    for (auto role :
         {QPalette::Window, QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase})
        dark.setColor(role, QColor(35, 38, 41));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                      QPalette::BrightText})
        dark.setColor(role, QColor(232, 232, 232));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    QApplication::setPalette(dark);
    for (const char* kind : {"QLabel", "QLineEdit", "QAbstractItemView", "QGroupBox", "QAbstractButton",
                             "QMenu", "QTextEdit", "QMessageBoxLabel"})
        QApplication::setPalette(dark, kind);
    QToolTip::setPalette(dark);
}
