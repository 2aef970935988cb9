#include "capacitors/panel_parts.h"

#include "shell/form_builder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace capacitor_parts {

std::string listText(const QComboBox* list)
{
    return list->currentText().toStdString();
}

void refill(QComboBox* list, std::span<const std::string_view> items)
{
    const QSignalBlocker block(list);
    list->clear();
    for (std::string_view item : items)
        list->addItem(toQString(item));
}

void selectQuietly(QComboBox* list, int index)
{
    const QSignalBlocker block(list);
    list->setCurrentIndex(index);
    list->setEditText(list->itemText(index));
}

QLineEdit* swatch(QWidget* parent, const char* name, int x, int y, int w, int h)
{
    auto* s = new QLineEdit(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setGeometry(x, y, w, h);
    s->setFrame(false);
    s->setEnabled(false);
    s->setFocusPolicy(Qt::NoFocus);
    return s;
}

void paintSwatch(QLineEdit* swatch, colour_bands::Rgb colour, std::string_view colourName)
{
    swatch->setAccessibleName(toQString(colourName));
    QPalette pal = swatch->palette();
    pal.setColor(QPalette::All, QPalette::Base, QColor(colour.r, colour.g, colour.b));
    swatch->setPalette(pal);
}

void showResult(QLabel* label, const QString& text)
{
    label->setText(text);
    // Measured now when it is on screen, else when its panel is shown.
    form::fitToText(label);
}

} // namespace capacitor_parts
