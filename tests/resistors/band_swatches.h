#pragma once

// The swatch colour each band item should show, from the program's published
// colour table ("Gray" is grey too; "No band" is the body colour).

#include <QColor>
#include <QHash>
#include <QString>

inline QColor swatchOf(const QString& item)
{
    static const QHash<QString, QColor> colours{
        {"Black", QColor(0, 0, 0)},        {"Brown", QColor(144, 96, 47)},
        {"Red", QColor(255, 0, 0)},        {"Orange", QColor(255, 128, 0)},
        {"Yellow", QColor(255, 255, 0)},   {"Green", QColor(0, 255, 0)},
        {"Blue", QColor(0, 0, 255)},       {"Violet", QColor(255, 0, 255)},
        {"Grey", QColor(128, 128, 128)},   {"Gray", QColor(128, 128, 128)},
        {"White", QColor(255, 255, 255)},  {"Gold", QColor(248, 251, 140)},
        {"Silver", QColor(222, 222, 222)}, {"No band", QColor(222, 223, 170)},
    };
    return colours.value(item);
}
