#pragma once

// The one way the program shows a message box.
//
// Every prompt, note and error goes through showMessageBox(); the installed
// presenter decides how. The real presenter shows a QMessageBox owned by the
// given window; tests install a recorder that answers from a script.

#include <QString>

class QWidget;

namespace ui {

enum class BoxIcon
{
    None,
    Information,
    Warning,
    Critical,
    Question
};
enum class BoxButtons
{
    Ok,
    YesNo
};
enum class BoxAnswer
{
    Ok,
    Yes,
    No
};

struct MessageBoxRequest
{
    QString title;
    QString text;
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
};

class MessageBoxPresenter
{
public:
    virtual ~MessageBoxPresenter() = default;
    virtual BoxAnswer present(QWidget* owner, const MessageBoxRequest& request) = 0;
};

// Installs a presenter (not owned); nullptr restores the real one.
void setMessageBoxPresenter(MessageBoxPresenter* presenter);

BoxAnswer showMessageBox(QWidget* owner, const MessageBoxRequest& request);

// The usual case: OK button, no icon.
void showNote(QWidget* owner, const QString& title, const QString& text);
// Yes/No question, no icon; true for Yes.
bool askYesNo(QWidget* owner, const QString& title, const QString& text);

// Makes a dialog that is about to be run modal to the window it belongs to
// only, rather than to the whole program: the help window (which belongs to
// no window) stays usable beside it, so help asked for from a dialog can be
// read while the dialog is open. A dialog that belongs to no window stays
// modal to the whole program.
void makeModalToItsWindow(QWidget* dialog);

} // namespace ui
