#pragma once

// Small helpers that build the fixed-position controls of the program's
// windows. Every control gets its object name, geometry, caption and hint in
// one call, so each panel's layout reads as a list of its controls.

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QRadioButton;
class QWidget;

namespace form {

// Colours of the program's texts.
inline const QColor kInstructionColour(252, 103, 3);
inline const QColor kResultColour(0, 0, 255);

// A group box; its caption is measured when it is first shown (or by
// measureNow()), not when it is made.
QGroupBox* group(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& caption);

// A label sized to its text; the text is measured when the label is first
// shown (or by measureNow()), not when it is made.
QLabel* label(QWidget* parent, const char* name, int x, int y, const QString& text);
// Sizes a label made by label() to its present text and font, when it is
// shown or at once if it is: for a label given another font.
void fitToText(QLabel* label);
// Gives every label and group box made here below root that has not been
// shown yet its size and caption now: for what reads them before they are
// shown.
void measureNow(QWidget* root);
// A word-wrapped label in a fixed rectangle.
QLabel* textBlock(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& text);
QLabel* instruction(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& text);
// Blue result label that sizes itself to its text. Tab reaches it once it
// shows a value; Ctrl+C and its context menu copy the value.
QLabel* resultLabel(QWidget* parent, const char* name, int x, int y);

// Numeric input field: tool-tip background, own hint, character limit.
QLineEdit* field(QWidget* parent, const char* name, int x, int y, int w, const QString& hint,
                 int maxLength = 100);

QPushButton* button(QWidget* parent, const char* name, int x, int y, int w, int h, const QString& caption,
                    const QString& hint = QString());
// The 9 x 9 clear button beside a field, hint "Clear this field".
QPushButton* clearButton(QWidget* parent, const char* name, int x, int y);

// A fixed picture that is drawn the first time it is actually painted, so
// pictures on panels the user never opens cost nothing at start-up.
QWidget* picture(QWidget* parent, const char* name, const QRect& geometry, std::function<QPixmap()> draw);

// A fixed area that paint draws, every pixel of it, each time it is shown or
// uncovered: for a picture that is cheaper to paint than to keep.
QWidget* paintedArea(QWidget* parent, const char* name, const QRect& geometry,
                     std::function<void(QPainter&)> paint);

QRadioButton* radio(QWidget* parent, const char* name, int x, int y, int w, const QString& caption);

QComboBox* comboBox(QWidget* parent, const char* name, int x, int y, int w, const QStringList& items,
                    const QString& initialText, const QString& hint);
// A list the user only chooses from, with no text line, at initialText.
QComboBox* fixedList(QWidget* parent, const char* name, int x, int y, int w, const QStringList& items,
                     const QString& initialText, const QString& hint);

} // namespace form
