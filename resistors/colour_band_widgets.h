#pragma once

// Small helpers shared by the colour-band panel's source files: band tables
// shown in lists and swatches.

#include "resistors/colour_bands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
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

// Paints a swatch and names its colour for screen readers.
inline void paintSwatch(QLineEdit* s, colour_bands::Rgb rgb, std::string_view colourName)
{
    s->setAccessibleName(textOf(colourName));
    QPalette pal = s->palette();
    pal.setColor(QPalette::All, QPalette::Base, QColor(rgb.r, rgb.g, rgb.b));
    s->setPalette(pal);
}

} // namespace band_widgets
