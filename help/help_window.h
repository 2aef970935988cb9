#pragma once

// The program's help window: the compiled help file's pages in a text
// browser, with three tabs beside them (the file's table of contents, its
// keyword index and a full-text search) and Back, Forward, Home and Print
// buttons above. One window serves every help request for the life of the
// program; each request brings it forward with the requested page. Escape
// closes it. Links out of the help file and printing go to the desktop
// through HelpDesktop.
//
// The help file is looked up by its bare name beside the program, then in the
// installed data folder (<program folder>/../share/ohmbrook). Only the help
// file built with the program is opened (see ChmArchive). A missing, damaged
// or foreign file, or a missing page, is reported on the page itself, never in
// a message box.

#include "help/chm_archive.h"
#include "ui/help_launcher.h"

#include <QTextBrowser>
#include <QWidget>

class QPushButton;
class QSplitter;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace help {

class HelpIndexTab;
class HelpSearchTab;

// Folders searched for the help file, in order; an empty list restores the
// program folder and the installed data folder. Tests point this at the build.
void setHelpSearchFolders(const QStringList& folders);
QStringList helpSearchFolders();
// The full path of <fileName>'s bare name in the first folder holding it, or
// empty.
QString findHelpFile(const QString& fileName);

// Pages, pictures and style sheets come from the open archive; links into it
// are followed here, http, https and mailto links go to the desktop, any other
// link is ignored. Page URLs have the form "chm:/<object name>".
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
    // Marks every whole-word occurrence of <words> (any case) on the page
    // shown and scrolls to the first; the marks go with the next page.
    void markWords(const QStringList& words);

private:
    void followLink(const QUrl& url);
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
    void buildButtons();
    void buildNavigation();
    // <fileName> is the file found, or empty; <requested> the name asked for.
    void openArchive(const QString& fileName, const QString& requested, const QString& windowName);
    // Returns the contents' name of each page it lists.
    QHash<QString, QString> fillContents();
    void fillIndex(const QHash<QString, QString>& titles);
    void selectContentsEntry(const QUrl& url);
    void openPage(const QString& page, const QStringList& words = {});
    void goHome();
    void printPage();

    ChmArchive m_archive;
    QString m_windowName;
    QString m_defaultPage;
    QString m_homePage;
    bool m_placed = false;
    QPushButton* m_back = nullptr;
    QPushButton* m_forward = nullptr;
    QPushButton* m_home = nullptr;
    QPushButton* m_print = nullptr;
    QSplitter* m_splitter = nullptr;
    QTabWidget* m_navigation = nullptr;
    QTreeWidget* m_contents = nullptr;
    HelpIndexTab* m_index = nullptr;
    HelpSearchTab* m_search = nullptr;
    HelpBrowser* m_browser = nullptr;
};

// The one help window, or null before the first help request.
HelpWindow* helpWindow();
// Creates the window on first use, shows the path's page, raises and
// activates it.
void showHelpWindow(const QString& helpPath);

// The presenter that shows help in the help window, for the application to
// install (help::setHelpPresenter).
HelpPresenter* helpWindowPresenter();

} // namespace help
