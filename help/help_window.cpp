#include "help/help_window.h"

#include "help/help_desktop.h"
#include "help/help_tabs.h"
#include "ui/help_launcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBlock>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace help {

namespace {

constexpr auto kScheme = "chm";
constexpr auto kDefaultTitle = "Ohmbrook Help";
constexpr auto kDefaultPage = "/Welcome.htm";
constexpr int kDefaultWidth = 800;
constexpr int kDefaultHeight = 600;
constexpr int kDefaultNavigationWidth = 220;
// An index file larger than this is not read; the built one is a few
// kilobytes.
constexpr qsizetype kMaxIndexFileBytes = 8 * 1024 * 1024;
// Marks beyond this many on one page are left off.
constexpr qsizetype kMaxMarkedWords = 2000;

QStringList g_searchFolders;
QPointer<HelpWindow> g_window;

class WindowPresenter : public HelpPresenter
{
public:
    void display(const QString& path) override { showHelpWindow(path); }
};

} // namespace

HelpPresenter* helpWindowPresenter()
{
    static WindowPresenter presenter;
    return &presenter;
}

void setHelpSearchFolders(const QStringList& folders)
{
    g_searchFolders = folders;
}

QStringList helpSearchFolders()
{
    if (!g_searchFolders.isEmpty())
        return g_searchFolders;
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/ohmbrook"))};
}

QString findHelpFile(const QString& fileName)
{
    // Only the bare name counts: a help path never sends the window to a
    // file outside the program's own folders.
    const QString bare = QFileInfo(fileName).fileName();
    if (bare.isEmpty())
        return {};
    for (const QString& folder : helpSearchFolders()) {
        const QFileInfo candidate(QDir(folder), bare);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return {};
}

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent)
{
    // Links are followed here, so that a link into the archive is never
    // handed to the desktop and one out of it never replaces the page.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
    connect(this, &QTextBrowser::sourceChanged, this, [this] { setExtraSelections({}); });
}

void HelpBrowser::followLink(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String(kScheme))
        setSource(url);
    else if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
             scheme == QLatin1String("mailto"))
        helpDesktop()->openExternalLink(url);
    // Any other link (a local file, a script) is neither shown here nor
    // handed to the desktop.
}

void HelpBrowser::markWords(const QStringList& words)
{
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 226, 102));
    marked.setForeground(Qt::black);
    QList<QTextEdit::ExtraSelection> marks;
    int first = -1;
    for (const QString& word : words) {
        const QRegularExpression pattern(
            QStringLiteral("(?<![\\p{L}\\p{N}])%1(?![\\p{L}\\p{N}])").arg(QRegularExpression::escape(word)),
            QRegularExpression::CaseInsensitiveOption);
        for (QTextCursor hit = document()->find(pattern); !hit.isNull() && marks.size() < kMaxMarkedWords;
             hit = document()->find(pattern, hit)) {
            marks.append({hit, marked});
            first = first < 0 ? hit.selectionStart() : qMin(first, hit.selectionStart());
        }
    }
    setExtraSelections(marks);
    if (first >= 0) {
        QTextCursor cursor(document());
        cursor.setPosition(first);
        setTextCursor(cursor);
        ensureCursorVisible();
    }
}

void HelpBrowser::setArchive(const ChmArchive* archive, const QString& problem)
{
    m_archive = archive;
    m_problem = problem;
}

QUrl HelpBrowser::pageUrl(const QString& objectName)
{
    QUrl url;
    url.setScheme(QLatin1String(kScheme));
    url.setPath(objectName);
    return url;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != QLatin1String(kScheme))
        return {};
    const QString objectName = ChmArchive::resolveLink(QStringLiteral("/"), url.path(QUrl::FullyDecoded));
    std::optional<QByteArray> bytes;
    if (m_archive && m_archive->isOpen())
        bytes = m_archive->read(objectName);
    if (bytes)
        return *bytes;
    if (type == QTextDocument::HtmlResource)
        return notFoundPage(objectName);
    return {};
}

QString HelpBrowser::notFoundPage(const QString& objectName) const
{
    QString text = QStringLiteral("Page not found: %1").arg(objectName.mid(1));
    if (!m_problem.isEmpty())
        text = m_problem + u'\n' + text;
    return QStringLiteral("<html><body><p>%1</p></body></html>")
        .arg(text.toHtmlEscaped().replace(u'\n', QLatin1String("<br>")));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QLatin1String(kDefaultTitle));
    // An open help window must not keep the program running once the main
    // window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("HelpSplitter"));
    m_splitter->setChildrenCollapsible(false);
    buildNavigation();
    m_browser = new HelpBrowser(m_splitter);
    m_browser->setObjectName(QStringLiteral("HelpPage"));
    m_splitter->setStretchFactor(1, 1);
    buildButtons();

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_back, m_forward, m_home, m_print})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_splitter, 1);

    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::selectContentsEntry);
    resize(kDefaultWidth, kDefaultHeight);
    m_splitter->setSizes({kDefaultNavigationWidth, kDefaultWidth - kDefaultNavigationWidth});
}

void HelpWindow::buildButtons()
{
    const auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    m_back = button(tr("&Back"), "HelpBack");
    m_back->setEnabled(false);
    m_forward = button(tr("&Forward"), "HelpForward");
    m_forward->setEnabled(false);
    m_home = button(tr("&Home"), "HelpHome");
    m_print = button(tr("&Print"), "HelpPrint");

    connect(m_back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_home, &QPushButton::clicked, this, &HelpWindow::goHome);
    connect(m_print, &QPushButton::clicked, this, &HelpWindow::printPage);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);

    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_Escape), &QWidget::close);
    shortcut(QKeySequence::Back, [this] { m_browser->backward(); });
    shortcut(QKeySequence::Forward, [this] { m_browser->forward(); });
    shortcut(QKeySequence::Print, &HelpWindow::printPage);
}

void HelpWindow::buildNavigation()
{
    m_navigation = new QTabWidget(m_splitter);
    m_navigation->setObjectName(QStringLiteral("HelpNavigation"));
    m_contents = new QTreeWidget(m_navigation);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setAccessibleName(tr("Contents"));
    m_contents->setHeaderHidden(true);
    m_contents->setColumnCount(1);
    m_index = new HelpIndexTab(m_navigation);
    m_search = new HelpSearchTab(m_navigation);
    m_navigation->addTab(m_contents, tr("C&ontents"));
    m_navigation->addTab(m_index, tr("I&ndex"));
    m_navigation->addTab(m_search, tr("&Search"));

    // A tab chosen puts the reader where the typing goes.
    connect(m_navigation, &QTabWidget::currentChanged, this,
            [this](int tab) { m_navigation->widget(tab)->setFocus(); });
    connect(m_contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        const QString local = item->data(0, Qt::UserRole).toString();
        if (!local.isEmpty())
            openPage(local);
    });
    connect(m_index, &HelpIndexTab::pageChosen, this, [this](const QString& page) { openPage(page); });
    connect(m_search, &HelpSearchTab::pageChosen, this, &HelpWindow::openPage);
}

void HelpWindow::showHelp(const QString& helpPath)
{
    const HelpPath parts = splitHelpPath(helpPath);
    const QString found = findHelpFile(parts.file);
    const QString windowName = parts.window.isEmpty() ? QStringLiteral("Main Window") : parts.window;
    if (found.isEmpty() || found != m_archive.fileName() || windowName != m_windowName)
        openArchive(found, parts.file, windowName);

    QString page =
        parts.page.isEmpty() ? QString() : ChmArchive::resolveLink(QStringLiteral("/"), parts.page);
    if (page.isEmpty())
        page = m_defaultPage;
    const QUrl url = HelpBrowser::pageUrl(page);
    if (m_browser->source() == url)
        m_browser->reload();
    else
        m_browser->setSource(url);
}

QString HelpWindow::currentPage() const
{
    return m_browser->source().path(QUrl::FullyDecoded);
}

void HelpWindow::openArchive(const QString& fileName, const QString& requested, const QString& windowName)
{
    m_archive.close();
    QString problem;
    if (fileName.isEmpty()) {
        problem = tr("The help file %1 could not be opened.").arg(QFileInfo(requested).fileName());
    } else if (!m_archive.open(fileName)) {
        const QString path = QDir::toNativeSeparators(fileName);
        problem = m_archive.failure() == ChmArchive::Failure::Damaged
                      ? tr("The help file %1 is damaged or from another version of Ohmbrook, so it has "
                           "not been opened.")
                            .arg(path)
                      : tr("The help file %1 could not be opened.").arg(path);
    }
    m_windowName = windowName;
    m_browser->setArchive(&m_archive, problem);
    // History entries of another file would show that file's pages as missing.
    m_browser->clearHistory();

    const auto def = m_archive.windowDefinition(windowName);
    setWindowTitle(def && !def->caption.isEmpty() ? def->caption : QLatin1String(kDefaultTitle));
    const auto pageOf = [](const QString& stated, const QString& otherwise) {
        const QString page = ChmArchive::resolveLink(QStringLiteral("/"), stated);
        return page.isEmpty() ? otherwise : page;
    };
    m_defaultPage = pageOf(def ? def->defaultPage : QString(), QString::fromLatin1(kDefaultPage));
    m_homePage = pageOf(def ? def->homePage : QString(), m_defaultPage);
    // The stored position and size place the window when it first appears;
    // after that it stays where the user put it.
    if (!m_placed && def && def->geometry.isValid()) {
        resize(def->geometry.size());
        move(def->geometry.topLeft());
        const int navigation = def->navigationWidth > 0 ? def->navigationWidth : kDefaultNavigationWidth;
        m_splitter->setSizes({navigation, def->geometry.width() - navigation});
        m_placed = true;
    }
    fillIndex(fillContents());
    m_search->setArchive(&m_archive);
}

QHash<QString, QString> HelpWindow::fillContents()
{
    const QSignalBlocker blocker(m_contents);
    m_contents->clear();
    QHash<QString, QString> titles;
    const auto hhc = m_archive.read(m_archive.contentsFile(m_windowName));
    if (!hhc)
        return titles;
    QList<QTreeWidgetItem*> parents;
    for (const SitemapEntry& entry : parseSitemap(*hhc)) {
        const int depth = qMin(entry.depth, int(parents.size()));
        parents.resize(depth);
        auto* item =
            parents.isEmpty() ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        if (!entry.local.isEmpty()) {
            const QString page = ChmArchive::resolveLink(QStringLiteral("/"), entry.local);
            item->setData(0, Qt::UserRole, page);
            if (!titles.contains(page))
                titles.insert(page, entry.name);
        }
        parents.append(item);
    }
    m_contents->expandAll();
    return titles;
}

void HelpWindow::fillIndex(const QHash<QString, QString>& titles)
{
    QList<IndexKeyword> keywords;
    const auto hhk = m_archive.read(m_archive.indexFile(m_windowName));
    if (hhk && hhk->size() <= kMaxIndexFileBytes)
        keywords = buildKeywordIndex(parseSitemap(*hhk));
    m_index->setKeywords(keywords, titles);
}

void HelpWindow::openPage(const QString& page, const QStringList& words)
{
    // An index entry may point into the page: "page#section".
    QUrl url = HelpBrowser::pageUrl(page.section(u'#', 0, 0));
    const QString section = page.section(u'#', 1);
    if (!section.isEmpty())
        url.setFragment(section);
    m_browser->setSource(url);
    m_browser->markWords(words);
}

void HelpWindow::goHome()
{
    openPage(m_homePage);
}

void HelpWindow::printPage()
{
    helpDesktop()->printPage(*m_browser->document(), m_browser->documentTitle(), this);
}

void HelpWindow::selectContentsEntry(const QUrl& url)
{
    const QString page = url.path(QUrl::FullyDecoded);
    const QSignalBlocker blocker(m_contents);
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == page) {
            m_contents->setCurrentItem(*it);
            return;
        }
    }
    m_contents->clearSelection();
}

HelpWindow* helpWindow()
{
    return g_window;
}

void showHelpWindow(const QString& helpPath)
{
    if (!g_window)
        g_window = new HelpWindow;
    g_window->showHelp(helpPath);
    // A help request brings the window back even from the task bar.
    g_window->setWindowState(g_window->windowState() & ~Qt::WindowMinimized);
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
}

} // namespace help
