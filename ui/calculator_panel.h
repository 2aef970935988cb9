#pragma once

// The common contract of the panels shown right of the topic tree.
//
// A panel is a 650 x 400 white page that owns its controls and handlers. It
// can put itself into its start state, and, when it keeps settings, loads and
// saves them through the settings key the main window hands it; when it holds
// work of the user's, it is asked before the program closes. A panel knows no other panel and not the main
// window: results it hands to another panel leave as signals, which the main window connects.

#include <QAbstractButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>

class QComboBox;
class QLineEdit;

namespace settings {
class Key;
}

class CalculatorPanel : public QWidget
{
    Q_OBJECT

public:
    CalculatorPanel(const char* objectName, QWidget* parent = nullptr);

    // The page F1 opens while the panel is in front, as the main window's
    // panel table gives it.
    const QString& helpPage() const { return m_helpPage; }
    void setHelpPage(const QString& page) { m_helpPage = page; }

    // Puts the panel into the state it has when the program starts.
    virtual void resetToStartState() {}
    // Settings hooks, for the panels that keep settings; a bad stored value is
    // skipped, never fatal.
    virtual void loadSettings(const settings::Key& key) { Q_UNUSED(key); }
    // True when every value was written.
    virtual bool saveSettings(const settings::Key& key)
    {
        Q_UNUSED(key);
        return true;
    }

    // Asked before the program closes: false keeps it open. A panel holding
    // unsaved work asks the user.
    virtual bool agreesToClose() { return true; }

    // Puts the controls into this Tab order, one after the other; a control
    // that takes no focus is skipped.
    using QWidget::setTabOrder;
    static void setTabOrder(std::initializer_list<QWidget*> controls);

protected:
    // Runs one of the panel's handlers; faults it raises are shown in the
    // standard error box, owned by the panel's window.
    void guarded(const std::function<void()>& handler);

    // Wires a button's click to one of the panel's handlers, inside the guard.
    template <typename Panel> void onClick(QAbstractButton* button, void (Panel::*handler)())
    {
        Panel* self = static_cast<Panel*>(this);
        connect(button, &QAbstractButton::clicked, this,
                [this, self, handler] { guarded([self, handler] { (self->*handler)(); }); });
    }

    // Wires the small clear button named buttonName, somewhere on the panel,
    // to empty one field.
    void connectClearButton(const char* buttonName, QLineEdit* field);
    // Enter in any of the fields presses the calculator's button, as users of
    // desktop calculators expect.
    void calculateOnEnter(std::initializer_list<QLineEdit*> fields, QAbstractButton* button);

    // A fixed list's choice kept in the settings as its item's text; a
    // stored value that names no item is skipped.
    static void loadListChoice(const settings::Key& key, const QString& valueName, QComboBox* list);
    static bool saveListChoice(const settings::Key& key, const QString& valueName, const QComboBox* list);

private:
    QString m_helpPage;
};
