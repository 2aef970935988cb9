#include "capacitors/panels/panel_parts.h"

#include "ui/form_builder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace capacitor_parts {

void refill(QComboBox* list, std::span<const std::string_view> items)
{
    const QSignalBlocker block(list);
    list->clear();
    for (std::string_view item : items)
        list->addItem(textOf(item));
}

void showResult(QLabel* label, const QString& text)
{
    label->setText(text);
    // Measured now when it is on screen, else when its panel is shown.
    form::fitToText(label);
}

} // namespace capacitor_parts
