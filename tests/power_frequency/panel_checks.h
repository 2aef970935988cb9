#pragma once

// Helpers for the tests of the power and frequency panels built alone.

#include "core/app_info.h"
#include "core/checked_math.h"
#include "tests/support/gui_test_helpers.h"
#include "tests/support/panel_harness.h"
#include "ui/message_box.h"

namespace paneltest {

// Types a text into a field as the user would. Tabs cannot be typed into a
// line edit (they move the focus), so a text holding one is pasted instead.
inline void enter(PanelHost& h, const char* field, const QString& text)
{
    if (text.contains(u'\t'))
        h.field(field)->setText(text);
    else
        h.type(field, text);
}

// A square root of a negative is reported by the main window, in a box of
// the program's title that its window owns. A panel built alone has no main
// window, so this shows the same box, owned by the panel's window, while it
// exists.
class DomainErrorBoxes
{
public:
    explicit DomainErrorBoxes(QWidget* owner)
    {
        s_owner = owner;
        checked::setDomainReporter(&report);
    }
    ~DomainErrorBoxes()
    {
        checked::setDomainReporter(nullptr);
        s_owner = nullptr;
    }
    DomainErrorBoxes(const DomainErrorBoxes&) = delete;
    DomainErrorBoxes& operator=(const DomainErrorBoxes&) = delete;

private:
    static void report(const char* function, const char* kind)
    {
        ui::showNote(s_owner, QString::fromLatin1(app::kApplicationTitle),
                     QStringLiteral("%1: %2 error").arg(QLatin1String(function), QLatin1String(kind)));
    }
    static inline QWidget* s_owner = nullptr;
};

} // namespace paneltest
