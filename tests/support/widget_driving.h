#pragma once

// Reading and driving a control as the user would, shared by the harnesses
// that build the main window and one panel alone.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace drive {

// What the control shows: a field's or label's text, a list's current text,
// a button's caption. Ends the test program on a control with none.
inline QString textOf(QObject* control, const char* name)
{
    if (!control)
        qFatal("no widget named %s", name);
    if (auto* e = qobject_cast<QLineEdit*>(control))
        return e->text();
    if (auto* l = qobject_cast<QLabel*>(control))
        return l->text();
    if (auto* c = qobject_cast<QComboBox*>(control))
        return c->currentText();
    if (auto* b = qobject_cast<QAbstractButton*>(control))
        return b->text();
    qFatal("widget %s has no text", name);
}

// Empties the field and types the text key by key.
inline void typeInto(QLineEdit* field, const QString& text)
{
    field->clear();
    QTest::keyClicks(field, text);
}

} // namespace drive
