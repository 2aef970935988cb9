#pragma once

// Small widget helpers shared by the capacitor panels.

#include "resistors/colour_bands.h"

#include <QString>

#include <span>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace capacitor_parts {

inline QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// The text of a list as the code tables see it.
std::string listText(const QComboBox* list);

// Replaces a list's items without running its change handler.
void refill(QComboBox* list, std::span<const std::string_view> items);

// Selects an item by position without running the list's change handler.
void selectQuietly(QComboBox* list, int index);

// A borderless, disabled field used only to show a colour.
QLineEdit* swatch(QWidget* parent, const char* name, int x, int y, int w, int h);
// Paints a swatch and names its colour for screen readers.
void paintSwatch(QLineEdit* swatch, colour_bands::Rgb colour, std::string_view colourName);

// Writes a result into a self-sizing label.
void showResult(QLabel* label, const QString& text);

} // namespace capacitor_parts
