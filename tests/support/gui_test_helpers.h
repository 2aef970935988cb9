#pragma once

// Small helpers shared by the tests that drive the real main window.

#include "tests/support/main_window_harness.h"

#include <QImage>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

namespace guitest {

// Every box the user saw, in order, as "Title: text", with " [critical]" for
// the error icon, " [icon]" for any other icon and " [yes/no]" for a question.
inline QStringList boxes(const BoxRecorder& recorder)
{
    QStringList out;
    for (const RecordedBox& b : recorder.boxes()) {
        QString line = b.title + QStringLiteral(": ") + b.text;
        if (b.icon == ui::BoxIcon::Critical)
            line += QStringLiteral(" [critical]");
        else if (b.icon != ui::BoxIcon::None)
            line += QStringLiteral(" [icon]");
        if (b.buttons == ui::BoxButtons::YesNo)
            line += QStringLiteral(" [yes/no]");
        out.append(line);
    }
    return out;
}

inline QString entryError(const QString& quantity)
{
    return quantity + QStringLiteral(" Error: Entry not a floating point number");
}

inline QString fault(const QString& text)
{
    return QStringLiteral("Tarvolen Ohmbrook: ") + text + QStringLiteral(" [critical]");
}

inline const QString kDomainError = QStringLiteral("Tarvolen Ohmbrook: sqrt: DOMAIN error");
inline const QString kNotEnough =
    QStringLiteral("Error: Not enough values have been provided.\n\nEnsure that 2 values are given.");
inline const QString kTooMany =
    QStringLiteral("Error: Too many values have been provided.\n\nEnsure that only two values are given.");

// Opens the window, brings the named panel to the front and shows the window.
inline bool openOnPanel(MainWindowHarness& h, const char* panel)
{
    TFormMainApplication& w = h.open();
    w.showPanel(h.find<QWidget>(panel));
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

// Types a text into a field as the user would. Tabs cannot be typed into a
// line edit (they move the focus), so a text holding one is pasted instead.
inline void enter(MainWindowHarness& h, const char* field, const QString& text)
{
    if (text.contains(u'\t'))
        h.field(field)->setText(text);
    else
        h.type(field, text);
}

// Whether the field paints its text from the first character: it looks the
// same as when scrolled to its start. A value wider than the field must show
// its leading digits, not its end.
inline bool showsItsStart(QLineEdit* field)
{
    const auto paint = [field] {
        QImage image(field->size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        field->render(&image);
        return image;
    };
    field->clearFocus();
    const int cursor = field->cursorPosition();
    const QImage shown = paint();
    field->setCursorPosition(0);
    const QImage start = paint();
    field->setCursorPosition(cursor);
    return shown == start;
}

} // namespace guitest
