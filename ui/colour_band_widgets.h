#pragma once

// Small helpers shared by the resistor and capacitor colour panels: band
// tables shown in lists, and colour swatches.

#include "maths/band_colours.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QSignalBlocker>
#include <QStringList>

#include <string>
#include <string_view>

namespace band_widgets {

inline QString textOf(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The item names of a band table, in list order.
template <typename Table> QStringList itemsOf(const Table& table)
{
    QStringList items;
    for (const auto& entry : table)
        items.append(textOf(entry.item));
    return items;
}

inline std::string listText(const QComboBox* list)
{
    return list->currentText().toStdString();
}

// Selects an item by position without running the list's change handler; the
// caller runs the handlers itself, in band order.
inline void selectQuietly(QComboBox* list, int index)
{
    const QSignalBlocker block(list);
    list->setCurrentIndex(index);
    list->setEditText(list->itemText(index));
}

// A borderless, disabled field used only to show a colour.
inline QLineEdit* swatch(QWidget* parent, const char* name, int x, int y, int w, int h)
{
    auto* s = new QLineEdit(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setGeometry(x, y, w, h);
    s->setFrame(false);
    s->setEnabled(false);
    s->setFocusPolicy(Qt::NoFocus);
    return s;
}

// Paints a swatch and names its colour for screen readers.
inline void paintSwatch(QLineEdit* s, band_colours::Rgb rgb, std::string_view colourName)
{
    s->setAccessibleName(textOf(colourName));
    QPalette pal = s->palette();
    pal.setColor(QPalette::All, QPalette::Base, QColor(rgb.r, rgb.g, rgb.b));
    s->setPalette(pal);
}

} // namespace band_widgets
