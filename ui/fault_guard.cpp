#include "ui/fault_guard.h"

#include "core/app_info.h"
#include "ui/message_box.h"

#include <QString>

#include <exception>

void runGuarded(QWidget* owner, const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        QString text = QString::fromUtf8(error.what());
        if (!text.isEmpty() && text.back() > u'.')
            text += u'.';
        ui::showMessageBox(owner, {QString::fromLatin1(app::kApplicationTitle), text, ui::BoxButtons::Ok,
                                   ui::BoxIcon::Critical});
    }
}
