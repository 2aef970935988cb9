// Renders the help window showing help pages to PNG files, so the pages and
// the window's messages can be looked at without pressing F1:
//
//   render_help [--dark] <output folder> [--folder <help folder>] [--tabs] [page ...]
//
// The help file is looked for in the build folder, or in <help folder> (for
// instance one holding a damaged copy, to see the message it gives). Without
// page names every page of the help file is drawn; "Page.htm#anchor" scrolls
// the page to that anchor. --tabs draws the window with each of its tabs in
// use instead: the contents, a keyword typed into the index, and a search
// with its results and the first found page marked. The window has the
// program's palette; --dark stands in for a dark desktop theme, which the
// program must replace by its own. Under QT_SCALE_FACTOR the files are named
// "<name>@<factor>x.png". Run under a real X server (xvfb-run) for fonts and
// frames as the user sees them.

#include "help/chm_archive.h"
#include "help/help_window.h"
#include "tools/dark_desktop.h"
#include "ui/help_launcher.h"
#include "ui/program_look.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

// The end of every file name: the scale factor and the palette drawn with.
QString g_suffix = QStringLiteral(".png");

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QString file)
{
    file.replace(QStringLiteral(".png"), g_suffix);
    settle(300);
    if (!help::helpWindow()->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(file));
    return true;
}

template <typename T> T* part(const char* name)
{
    return help::helpWindow()->findChild<T*>(QLatin1String(name));
}

bool renderTabs(const QString& out)
{
    help::displayHelp(help::helpPath(QStringLiteral("Welcome.htm")));
    auto* tabs = part<QTabWidget>("HelpNavigation");
    if (!save(out + QStringLiteral("/help_tab_contents.png")))
        return false;

    tabs->setCurrentIndex(1);
    QTest::keyClicks(part<QLineEdit>("HelpIndexText"), QStringLiteral("reson"));
    if (!save(out + QStringLiteral("/help_tab_index.png")))
        return false;

    tabs->setCurrentIndex(2);
    QTest::keyClicks(part<QLineEdit>("HelpSearchText"), QStringLiteral("surge resistor"));
    QTest::mouseClick(part<QPushButton>("HelpSearchList"), Qt::LeftButton);
    QTest::mouseClick(part<QPushButton>("HelpSearchDisplay"), Qt::LeftButton);
    return save(out + QStringLiteral("/help_tab_search.png"));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const bool dark = args.removeAll(QStringLiteral("--dark")) > 0;
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: render_help [--dark] <output folder> [--folder <help folder>] [--tabs] "
                             "[page ...]\n");
        return 2;
    }
    if (dark)
        imitateDarkDesktop();
    look::applyProgramStyle(app);
    look::applyProgramPalette(app);
    const qreal ratio = app.devicePixelRatio();
    g_suffix = (ratio > 1 ? QStringLiteral("@%1x").arg(ratio) : QString()) +
               (dark ? QStringLiteral("_dark.png") : QStringLiteral(".png"));
    const QString out = args.takeFirst();
    QDir().mkpath(out);
    QString folder = QFileInfo(QStringLiteral(OHMBROOK_HELP_CHM)).absolutePath();
    if (args.size() >= 2 && args.front() == QLatin1String("--folder")) {
        folder = args.at(1);
        args = args.mid(2);
    }
    help::setHelpSearchFolders({folder});
    help::setHelpPresenter(help::helpWindowPresenter());
    if (!args.isEmpty() && args.front() == QLatin1String("--tabs"))
        return renderTabs(out) ? 0 : 1;

    QStringList pages = args;
    if (pages.isEmpty()) {
        const help::ChmArchive archive(help::findHelpFile(QString::fromLatin1(help::kHelpFileName)));
        for (const QString& name : archive.objectNames()) {
            if (name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
                pages.append(name.mid(1));
        }
        if (pages.isEmpty())
            pages.append(QStringLiteral("Welcome.htm"));
    }
    for (const QString& request : std::as_const(pages)) {
        const QString page = request.section(u'#', 0, 0);
        const QString anchor = request.section(u'#', 1);
        help::displayHelp(help::helpPath(page));
        if (!anchor.isEmpty()) {
            if (auto* browser = help::helpWindow()->findChild<help::HelpBrowser*>(QStringLiteral("HelpPage")))
                browser->scrollToAnchor(anchor);
        }
        QString name = QFileInfo(page).completeBaseName();
        if (!anchor.isEmpty())
            name += u'_' + anchor;
        if (!save(out + QStringLiteral("/help_") + name + QStringLiteral(".png")))
            return 1;
    }
    return 0;
}
