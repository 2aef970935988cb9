#include "help/help_desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QUrl>

namespace help {

namespace {

class RealDesktop : public HelpDesktop
{
public:
    void openExternalLink(const QUrl& url) override { QDesktopServices::openUrl(url); }

    void printPage(const QTextDocument& page, const QString& title, QWidget* parent) override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(title);
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QCoreApplication::translate("HelpWindow", "Print Topic"));
        if (dialog.exec() == QDialog::Accepted)
            page.print(&printer);
    }
};

HelpDesktop* g_desktop = nullptr;

} // namespace

void setHelpDesktop(HelpDesktop* desktop)
{
    g_desktop = desktop;
}

HelpDesktop* helpDesktop()
{
    static RealDesktop real;
    return g_desktop ? g_desktop : &real;
}

} // namespace help
