#include "ui/message_box.h"

#include <QMessageBox>

namespace ui {

namespace {

class QtMessageBoxPresenter : public MessageBoxPresenter
{
public:
    BoxAnswer present(QWidget* owner, const MessageBoxRequest& request) override
    {
        QMessageBox box(owner);
        box.setWindowTitle(request.title);
        box.setText(request.text);
        box.setTextFormat(Qt::PlainText);
        switch (request.icon) {
        case BoxIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case BoxIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case BoxIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case BoxIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case BoxIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        }
        if (request.buttons == BoxButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        makeModalToItsWindow(&box);
        const int result = box.exec();
        if (request.buttons == BoxButtons::YesNo)
            return result == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
        return BoxAnswer::Ok;
    }
};

QtMessageBoxPresenter g_realPresenter;
MessageBoxPresenter* g_presenter = &g_realPresenter;

} // namespace

void makeModalToItsWindow(QWidget* dialog)
{
    dialog->setWindowModality(dialog->parentWidget() ? Qt::WindowModal : Qt::ApplicationModal);
}

void setMessageBoxPresenter(MessageBoxPresenter* presenter)
{
    g_presenter = presenter ? presenter : &g_realPresenter;
}

BoxAnswer showMessageBox(QWidget* owner, const MessageBoxRequest& request)
{
    return g_presenter->present(owner, request);
}

void showNote(QWidget* owner, const QString& title, const QString& text)
{
    showMessageBox(owner, {title, text, BoxButtons::Ok, BoxIcon::None});
}

bool askYesNo(QWidget* owner, const QString& title, const QString& text)
{
    return showMessageBox(owner, {title, text, BoxButtons::YesNo, BoxIcon::None}) == BoxAnswer::Yes;
}

} // namespace ui
