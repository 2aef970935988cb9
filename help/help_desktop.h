#pragma once

// What the help window hands to the desktop: links out of the help file go
// to the desktop's browser or mail program, and a page to print goes through
// the print dialog. Tests install their own desktop that records both.

class QTextDocument;
class QUrl;
class QWidget;
class QString;

namespace help {

class HelpDesktop
{
public:
    virtual ~HelpDesktop() = default;
    virtual void openExternalLink(const QUrl& url) = 0;
    // Asks for a printer and prints <page>; <title> names the print job.
    virtual void printPage(const QTextDocument& page, const QString& title, QWidget* parent) = 0;
};

// Null restores the real desktop.
void setHelpDesktop(HelpDesktop* desktop);
HelpDesktop* helpDesktop();

} // namespace help
