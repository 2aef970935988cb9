#pragma once

// Small widget helpers shared by the capacitor panels.

#include "ui/colour_band_widgets.h"

#include <QString>

#include <span>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace capacitor_parts {

using band_widgets::textOf;

// The text of a list as the code tables see it; quiet selection and colour
// swatches, as on the resistor panel.
using band_widgets::listText;
using band_widgets::paintSwatch;
using band_widgets::selectQuietly;
using band_widgets::swatch;

// Replaces a list's items without running its change handler.
void refill(QComboBox* list, std::span<const std::string_view> items);

// Writes a result into a self-sizing label.
void showResult(QLabel* label, const QString& text);

} // namespace capacitor_parts
