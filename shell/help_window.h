#pragma once

// The program's help window: the compiled help file's pages in a text
// browser, with the file's table of contents beside them and Back/Forward
// buttons. One window serves every help request for the life of the program;
// each request brings it forward with the requested page.
//
// The help file is looked up by its bare name beside the program, then in the
// installed data folder (<program folder>/../share/ohmbrook). Only the help
// file built with the program is opened (see ChmArchive). A missing, damaged
// or foreign file, or a missing page, is reported on the page itself, never in
// a message box.

#include "shell/chm_archive.h"

#include <QTextBrowser>
#include <QWidget>

class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

namespace help {

// Folders searched for the help file, in order; an empty list restores the
// program folder and the installed data folder. Tests point this at the build.
void setHelpSearchFolders(const QStringList& folders);
QStringList helpSearchFolders();
// The full path of <fileName>'s bare name in the first folder holding it, or
// empty.
QString findHelpFile(const QString& fileName);

// Pages, pictures and style sheets come from the open archive; links stay in
// it. Page URLs have the form "chm:/<object name>".
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    // <archive> may be null or closed: every page is then "not found", and
    // <problem> says why the help file was not opened.
    void setArchive(const ChmArchive* archive, const QString& problem = {});
    QVariant loadResource(int type, const QUrl& name) override;

    static QUrl pageUrl(const QString& objectName);

private:
    QString notFoundPage(const QString& objectName) const;

    const ChmArchive* m_archive = nullptr;
    QString m_problem;
};

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the page of a help path ("<file>::/<page>><window>"), opening the
    // file if it is not the one already open.
    void showHelp(const QString& helpPath);
    // The object name of the page shown, such as "/OhmsLawPower.htm".
    QString currentPage() const;

private:
    // <fileName> is the file found, or empty; <requested> the name asked for.
    void openArchive(const QString& fileName, const QString& requested, const QString& windowName);
    void fillContents();
    void selectContentsEntry(const QUrl& url);

    ChmArchive m_archive;
    QString m_windowName;
    bool m_placed = false;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QSplitter* m_splitter = nullptr;
    QTreeWidget* m_contents = nullptr;
    HelpBrowser* m_browser = nullptr;
};

// The one help window, or null before the first help request.
HelpWindow* helpWindow();
// Creates the window on first use, shows the path's page, raises and
// activates it.
void showHelpWindow(const QString& helpPath);

} // namespace help
