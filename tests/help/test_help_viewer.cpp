// The help window's Index and Search tabs, Home, Print, Escape and links out
// of the help file, driven as a reader would, offscreen. The desktop's browser
// and print dialog are replaced by a recorder.

#include "help/help_desktop.h"
#include "help/help_keywords.h"
#include "help/help_tabs.h"
#include "help/help_window.h"
#include "ui/help_launcher.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>
#include <QUrl>

namespace {

const QString kChm = QStringLiteral(OHMBROOK_HELP_CHM);

class DesktopRecorder : public help::HelpDesktop
{
public:
    DesktopRecorder() { help::setHelpDesktop(this); }
    ~DesktopRecorder() override { help::setHelpDesktop(nullptr); }
    void openExternalLink(const QUrl& url) override { links.append(url); }
    void printPage(const QTextDocument& page, const QString& title, QWidget*) override
    {
        printed.append({title, page.toPlainText()});
    }
    QList<QUrl> links;
    QList<std::pair<QString, QString>> printed;
};

template <typename T> T* part(const char* name)
{
    auto* window = help::helpWindow();
    T* found = window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!found)
        qFatal("the help window has no %s", name);
    return found;
}

help::HelpWindow* openAt(const QString& page, int tab = 0)
{
    help::displayHelp(help::helpPath(page));
    part<QTabWidget>("HelpNavigation")->setCurrentIndex(tab);
    return help::helpWindow();
}

} // namespace

class TestHelpViewer : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        help::setHelpPresenter(help::helpWindowPresenter());
        help::setHelpSearchFolders({QFileInfo(kChm).absolutePath()});
    }

    void indexOpensPageOfKeyword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<QString>("page");
        QTest::newRow("whole keyword") << "ohm's law"
                                       << "ohm's law"
                                       << "/OhmsLawPower.htm";
        QTest::newRow("first letters") << "reson"
                                       << "resonance"
                                       << "/FrequencyResonance.htm";
        QTest::newRow("other case") << "WAVEL"
                                    << "wavelength"
                                    << "/FrequencyConversions.htm";
        QTest::newRow("one letter") << "x"
                                    << "X2 capacitor"
                                    << "/CapacitorInLineDropper.htm";
    }
    void indexOpensPageOfKeyword()
    {
        QFETCH(QString, typed);
        QFETCH(QString, keyword);
        QFETCH(QString, page);
        auto* window = openAt(QStringLiteral("Welcome.htm"), 1);
        auto* field = part<QLineEdit>("HelpIndexText");
        field->clear();
        QTest::keyClicks(field, typed);
        auto* keywords = part<QTreeWidget>("HelpIndexKeywords");
        QVERIFY(keywords->currentItem());
        QCOMPARE(keywords->currentItem()->text(0), keyword);
        QCOMPARE(field->text(), typed);
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(window->currentPage(), page);
    }

    void keywordWithSeveralPagesLetsReaderChoose()
    {
        // Keywords out of order, one given twice and once with two pages in
        // one entry, one with a sub-keyword.
        const QByteArray hhk = R"(<UL>
            <LI><OBJECT type="text/sitemap"><param name="Name" value="volts">
                <param name="Local" value="OhmsLawPower.htm"></OBJECT>
            <LI><OBJECT type="text/sitemap"><param name="Name" value="Capacitor">
                <param name="Local" value="CapacitorColourBands.htm">
                <param name="Local" value="CapacitorDigitValues.htm"></OBJECT>
            <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="tolerance">
                <param name="Local" value="CapacitorDigitValues.htm"></OBJECT></UL>
            <LI><OBJECT type="text/sitemap"><param name="Name" value="capacitor">
                <param name="Local" value="CapacitorsSeriesParallel.htm"></OBJECT>
            </UL>)";
        const auto keywords = help::buildKeywordIndex(help::parseSitemap(hhk));
        QCOMPARE(keywords.size(), 3);
        QCOMPARE(keywords[0].name, QStringLiteral("Capacitor"));
        QCOMPARE(keywords[0].pages, (QStringList{"/CapacitorColourBands.htm", "/CapacitorDigitValues.htm",
                                                 "/CapacitorsSeriesParallel.htm"}));
        QCOMPARE(keywords[1].name, QStringLiteral("tolerance"));
        QCOMPARE(keywords[1].depth, 1);
        QCOMPARE(keywords[2].name, QStringLiteral("volts"));

        help::HelpIndexTab tab;
        tab.setKeywords(keywords,
                        {{QStringLiteral("/CapacitorDigitValues.htm"), QStringLiteral("Digit Values")}});
        tab.show();
        QSignalSpy chosen(&tab, &help::HelpIndexTab::pageChosen);
        QTest::keyClicks(tab.findChild<QLineEdit*>(QStringLiteral("HelpIndexText")), QStringLiteral("cap"));
        QTest::mouseClick(tab.findChild<QPushButton*>(QStringLiteral("HelpIndexDisplay")), Qt::LeftButton);
        QCOMPARE(chosen.count(), 0);
        auto* topics = tab.findChild<QListWidget*>(QStringLiteral("HelpIndexTopics"));
        QVERIFY(topics->isVisible());
        QCOMPARE(topics->count(), 3);
        QCOMPARE(topics->item(1)->text(), QStringLiteral("Digit Values"));
        QCOMPARE(topics->item(2)->text(), QStringLiteral("CapacitorsSeriesParallel"));
        topics->setCurrentRow(1);
        QTest::keyClick(topics, Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toString(), QStringLiteral("/CapacitorDigitValues.htm"));
    }

    void searchFindsOnlyPageWithWord_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("title");
        QTest::newRow("one word") << "flameproof"
                                  << "/CapacitorInLineDropper.htm"
                                  << "In-line Capacitor Dropper";
        QTest::newRow("other case") << "HEXADECIMAL"
                                    << "/Options.htm"
                                    << "Options and Settings";
        QTest::newRow("every word must be there") << "coil circumference"
                                                  << "/FrequencyCoil.htm"
                                                  << "Frequency of a Coil";
    }
    void searchFindsOnlyPageWithWord()
    {
        QFETCH(QString, query);
        QFETCH(QString, page);
        QFETCH(QString, title);
        // A copy of the file is a file newly opened, with no search index yet.
        QTemporaryDir folder;
        QVERIFY(QFile::copy(kChm, folder.filePath(QString::fromLatin1(help::kHelpFileName))));
        help::setHelpSearchFolders({folder.path()});
        auto* window = openAt(QStringLiteral("Welcome.htm"), 2);
        auto* tab = part<help::HelpSearchTab>("HelpSearch");
        QVERIFY(!tab->isIndexBuilt());

        part<QLineEdit>("HelpSearchText")->clear();
        QTest::keyClicks(part<QLineEdit>("HelpSearchText"), query);
        QTest::keyClick(part<QLineEdit>("HelpSearchText"), Qt::Key_Return);
        QVERIFY(tab->isIndexBuilt());
        auto* results = part<QListWidget>("HelpSearchResults");
        QCOMPARE(results->count(), 1);
        QCOMPARE(results->item(0)->text(), title);
        QTest::mouseClick(part<QPushButton>("HelpSearchDisplay"), Qt::LeftButton);
        QCOMPARE(window->currentPage(), page);

        // The words found are marked on the page, whatever their case there.
        const auto marks = part<help::HelpBrowser>("HelpPage")->extraSelections();
        QVERIFY(!marks.isEmpty());
        for (const auto& mark : marks)
            QVERIFY(query.contains(mark.cursor.selectedText(), Qt::CaseInsensitive));
        // Going on to another page leaves the marks behind.
        QTest::mouseClick(part<QPushButton>("HelpHome"), Qt::LeftButton);
        QVERIFY(part<help::HelpBrowser>("HelpPage")->extraSelections().isEmpty());
    }

    void homeOpensWelcomePage()
    {
        auto* window = openAt(QStringLiteral("OhmsLawPower.htm"));
        QTest::mouseClick(part<QPushButton>("HelpHome"), Qt::LeftButton);
        QCOMPARE(window->currentPage(), QStringLiteral("/Welcome.htm"));
        QVERIFY(part<QPushButton>("HelpBack")->isEnabled());
    }

    void escapeClosesWindow_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("from the page") << -1;
        QTest::newRow("from the index field") << 1;
        QTest::newRow("from the search field") << 2;
    }
    void escapeClosesWindow()
    {
        QFETCH(int, tab);
        auto* window = openAt(QStringLiteral("MemoNotes.htm"), qMax(tab, 0));
        QVERIFY(QTest::qWaitForWindowActive(window));
        // Choosing a tab puts the focus in its typing field.
        QWidget* target = tab < 0 ? part<help::HelpBrowser>("HelpPage") : QApplication::focusWidget();
        QVERIFY(tab < 0 || qobject_cast<QLineEdit*>(target));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        // Help asked for again brings the same window back.
        help::displayHelp(help::helpPath(QStringLiteral("MemoNotes.htm")));
        QCOMPARE(help::helpWindow(), window);
        QVERIFY(window->isVisible());
    }

    void linkOutGoesToDesktop_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("handedOver");
        QTest::newRow("web page") << "http://example.org/parts.html" << true;
        QTest::newRow("secure web page") << "https://example.org/" << true;
        QTest::newRow("mail") << "mailto:someone@example.org" << true;
        QTest::newRow("local file is ignored") << "file:///etc/passwd" << false;
        QTest::newRow("script is ignored") << "javascript:alert(1)" << false;
    }
    void linkOutGoesToDesktop()
    {
        QFETCH(QString, link);
        QFETCH(bool, handedOver);
        DesktopRecorder desktop;
        auto* window = openAt(QStringLiteral("OhmsLawPower.htm"));
        auto* browser = part<help::HelpBrowser>("HelpPage");
        const QString before = browser->toPlainText();
        emit browser->anchorClicked(QUrl(link));
        QCOMPARE(desktop.links, handedOver ? QList<QUrl>{QUrl(link)} : QList<QUrl>{});
        QCOMPARE(window->currentPage(), QStringLiteral("/OhmsLawPower.htm"));
        QCOMPARE(browser->toPlainText(), before);
    }

    void printGoesToDesktop()
    {
        DesktopRecorder desktop;
        openAt(QStringLiteral("GeneralReactance.htm"));
        QTest::mouseClick(part<QPushButton>("HelpPrint"), Qt::LeftButton);
        QCOMPARE(desktop.printed.size(), 1);
        QCOMPARE(desktop.printed[0].first, QStringLiteral("Inductive and Capacitive Reactance"));
        QCOMPARE(desktop.printed[0].second, part<help::HelpBrowser>("HelpPage")->toPlainText());
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_help_viewer.moc"
