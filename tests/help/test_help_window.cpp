// The help window as the main window's F1 and Help reach it: through
// help::displayHelp with a help path, offscreen.

#include "help/chm_archive.h"
#include "help/help_window.h"
#include "tests/help/damaged_copies.h"
#include "tests/help/help_project.h"
#include "tests/support/main_window_harness.h"
#include "ui/help_launcher.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

Q_DECLARE_METATYPE(help_test::Damage)

namespace {

const QString kChm = QStringLiteral(OHMBROOK_HELP_CHM);

help::HelpBrowser* page()
{
    auto* window = help::helpWindow();
    return window ? window->findChild<help::HelpBrowser*>(QStringLiteral("HelpPage")) : nullptr;
}

QString shownText()
{
    return page() ? page()->toPlainText() : QString();
}

// The text a page shows when rendered on its own, from the file's own bytes.
QString storedText(const QString& name)
{
    help::ChmArchive archive(kChm);
    QTextDocument document;
    document.setHtml(QString::fromUtf8(archive.read(u'/' + name).value_or(QByteArray())));
    return document.toPlainText();
}

int helpWindowCount()
{
    int count = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        count += w->objectName() == QLatin1String("HelpWindow") ? 1 : 0;
    return count;
}

bool anyMessageBox()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(w) && w->isVisible())
            return true;
    }
    return false;
}

} // namespace

class TestHelpWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        help::setHelpPresenter(help::helpWindowPresenter());
        help::setHelpSearchFolders({QFileInfo(kChm).absolutePath()});
    }

    void searchesProgramThenDataFolder()
    {
        help::setHelpSearchFolders({});
        const QString program = QCoreApplication::applicationDirPath();
        const QStringList expected = {program,
                                      QDir::cleanPath(program + QStringLiteral("/../share/ohmbrook"))};
        QCOMPARE(help::helpSearchFolders(), expected);
    }

    void opensRequestedPage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Ohm's law") << "OhmsLawPower.htm";
        QTest::newRow("welcome") << "Welcome.htm";
        QTest::newRow("options") << "Options.htm";
        QTest::newRow("capacitor colours") << "CapacitorColourBands.htm";
        QTest::newRow("last of the list") << "LoadImages.htm";
    }
    void opensRequestedPage()
    {
        QFETCH(QString, name);
        help::displayHelp(help::helpPath(name));
        QVERIFY(help::helpWindow());
        QVERIFY(help::helpWindow()->isVisible());
        QCOMPARE(help::helpWindow()->currentPage(), u'/' + name);
        QVERIFY(!shownText().contains(QLatin1String("Page not found")));
        QCOMPARE(shownText(), storedText(name));
        QVERIFY(!shownText().trimmed().isEmpty());
    }

    void windowFollowsMainWindowDefinition()
    {
        help::displayHelp(help::helpPath(QStringLiteral("Welcome.htm")));
        const auto project = help_test::projectWindow(QStringLiteral("Main Window"));
        auto* window = help::helpWindow();
        QCOMPARE(window->windowTitle(), project.caption);
        QCOMPARE(window->size(), project.geometry.size());
        QCOMPARE(window->pos(), project.geometry.topLeft());
    }

    void contentsBesideThePage()
    {
        help::displayHelp(help::helpPath(QStringLiteral("OhmsLawPower.htm")));
        auto* window = help::helpWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* contents = window->findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
        QVERIFY(contents);
        QVERIFY(contents->isVisible());
        QVERIFY(contents->topLevelItemCount() > 0);
        const QRect tree(contents->mapTo(window, QPoint()), contents->size());
        const QRect text(page()->mapTo(window, QPoint()), page()->size());
        QVERIFY(tree.right() < text.left());
        QVERIFY(tree.width() >= 100);
        QVERIFY(text.width() > tree.width());
        QVERIFY(window->rect().contains(tree) && window->rect().contains(text));
        QVERIFY(contents->currentItem());
        QCOMPARE(contents->currentItem()->data(0, Qt::UserRole).toString(),
                 QStringLiteral("/OhmsLawPower.htm"));
    }

    void contentsEntryOpensItsPage()
    {
        help::displayHelp(help::helpPath(QStringLiteral("Welcome.htm")));
        auto* contents = help::helpWindow()->findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
        QTreeWidgetItem* target = nullptr;
        for (QTreeWidgetItemIterator it(contents); *it && !target; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString() == QLatin1String("/FrequencyResonance.htm"))
                target = *it;
        }
        QVERIFY2(target, "the contents lists no FrequencyResonance.htm");
        QTest::mouseClick(contents->viewport(), Qt::LeftButton, {},
                          contents->visualItemRect(target).center());
        QCOMPARE(help::helpWindow()->currentPage(), QStringLiteral("/FrequencyResonance.htm"));
    }

    void missingPageShownInWindow_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("no such page") << "NoSuchPage.htm";
        QTest::newRow("wrong case") << "ohmslawpower.htm";
        QTest::newRow("a picture is no page") << "images";
    }
    void missingPageShownInWindow()
    {
        QFETCH(QString, name);
        help::displayHelp(help::helpPath(name));
        QVERIFY(help::helpWindow()->isVisible());
        QVERIFY2(shownText().contains(QLatin1String("Page not found")), qPrintable(shownText()));
        QVERIFY(shownText().contains(name));
        QVERIFY(!anyMessageBox());
    }

    void missingFileShownInWindow_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("bare name") << help::helpPath(QStringLiteral("OhmsLawPower.htm"));
        // A folder in the path is ignored: only the program's folders count.
        QTest::newRow("path elsewhere") << kChm + QStringLiteral("::/OhmsLawPower.htm>Main Window");
        QTest::newRow("other file") << QStringLiteral("Other.chm::/OhmsLawPower.htm>Main Window");
    }
    void missingFileShownInWindow()
    {
        QFETCH(QString, path);
        QTemporaryDir empty;
        help::setHelpSearchFolders({empty.path()});
        help::displayHelp(path);
        QVERIFY(help::helpWindow()->isVisible());
        QVERIFY2(shownText().contains(QLatin1String("Page not found")), qPrintable(shownText()));
        QVERIFY(shownText().contains(QLatin1String("could not be opened")));
        QVERIFY(!anyMessageBox());

        // The file found again on the next request shows the page.
        help::setHelpSearchFolders({QFileInfo(kChm).absolutePath()});
        help::displayHelp(help::helpPath(QStringLiteral("OhmsLawPower.htm")));
        QCOMPARE(shownText(), storedText(QStringLiteral("OhmsLawPower.htm")));
    }

    void damagedFileShownInWindow_data()
    {
        QTest::addColumn<help_test::Damage>("damage");
        QTest::newRow("byte of the header") << help_test::Damage::HeaderByte;
        QTest::newRow("byte of the directory") << help_test::Damage::DirectoryByte;
        QTest::newRow("byte of compressed content") << help_test::Damage::CompressedByte;
        QTest::newRow("cut short") << help_test::Damage::Truncated;
        QTest::newRow("empty") << help_test::Damage::Empty;
    }
    void damagedFileShownInWindow()
    {
        QFETCH(help_test::Damage, damage);
        const auto bytes = help_test::damagedCopy(kChm, damage);
        QVERIFY(bytes);
        QTemporaryDir folder;
        QFile copy(folder.filePath(QString::fromLatin1(help::kHelpFileName)));
        QVERIFY(copy.open(QIODevice::WriteOnly));
        QCOMPARE(copy.write(*bytes), bytes->size());
        copy.close();

        help::setHelpSearchFolders({folder.path()});
        help::displayHelp(help::helpPath(QStringLiteral("OhmsLawPower.htm")));
        QVERIFY(help::helpWindow()->isVisible());
        const QString expected = QStringLiteral("The help file %1 is damaged or from another version of "
                                                "Ohmbrook, so it has not been opened.")
                                     .arg(QDir::toNativeSeparators(copy.fileName()));
        QVERIFY2(shownText().contains(expected), qPrintable(shownText()));
        QVERIFY(!anyMessageBox());
        auto* contents = help::helpWindow()->findChild<QTreeWidget*>(QStringLiteral("HelpContents"));
        QCOMPARE(contents->topLevelItemCount(), 0);

        // The program goes on: the sound file shows its page on the next request.
        help::setHelpSearchFolders({QFileInfo(kChm).absolutePath()});
        help::displayHelp(help::helpPath(QStringLiteral("OhmsLawPower.htm")));
        QCOMPARE(shownText(), storedText(QStringLiteral("OhmsLawPower.htm")));
        QVERIFY(contents->topLevelItemCount() > 0);
    }

    // Help asked for from the Options dialog can be used while the dialog is
    // open: keys typed into its index arrive, and an index entry that points
    // into a page opens the page at that section.
    void helpBesideAModalDialogAndIndexSections()
    {
        MainWindowHarness h;
        TFormMainApplication& w = h.open();
        help::setHelpPresenter(help::helpWindowPresenter());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QString typed, page, section;
        int scrolled = -1;
        QTimer::singleShot(0, &w, [&] {
            QWidget* options = QApplication::activeModalWidget();
            if (!options)
                return;
            QTest::mouseClick(options->findChild<QPushButton*>(QStringLiteral("BtnHelp")), Qt::LeftButton);
            if (help::HelpWindow* window = help::helpWindow()) {
                auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("HelpNavigation"));
                tabs->setCurrentWidget(window->findChild<QWidget*>(QStringLiteral("HelpIndex")));
                auto* field = window->findChild<QLineEdit*>(QStringLiteral("HelpIndexText"));
                field->setFocus();
                // Through the window system, where a window a modal dialog blocks drops them.
                for (const char c : QByteArrayView("fuse"))
                    QTest::keyClick(window->windowHandle(), c);
                QTest::keyClick(window->windowHandle(), Qt::Key_Return);
                typed = field->text();
                page = window->currentPage();
                section = ::page()->source().fragment();
                scrolled = ::page()->verticalScrollBar()->value();
            }
            options->close();
        });
        h.click("BtnOptions");
        QCOMPARE(typed, QStringLiteral("fuse"));
        QCOMPARE(page, QStringLiteral("/CapacitorInLineDropper.htm"));
        QCOMPARE(section, QStringLiteral("safety"));
        QVERIFY(scrolled > 0);
    }

    void oneWindowReused()
    {
        help::displayHelp(help::helpPath(QStringLiteral("Welcome.htm")));
        QPointer<help::HelpWindow> first = help::helpWindow();
        first->showMinimized();
        help::displayHelp(help::helpPath(QStringLiteral("GeneralReactance.htm")));
        QCOMPARE(help::helpWindow(), first.data());
        QVERIFY(first->isVisible());
        QVERIFY(!first->isMinimized());
        QCOMPARE(first->currentPage(), QStringLiteral("/GeneralReactance.htm"));
        QCOMPARE(helpWindowCount(), 1);
    }

    void backAndForward()
    {
        help::displayHelp(help::helpPath(QStringLiteral("FrequencyCoil.htm")));
        help::displayHelp(help::helpPath(QStringLiteral("MemoNotes.htm")));
        auto* window = help::helpWindow();
        auto* back = window->findChild<QPushButton*>(QStringLiteral("HelpBack"));
        auto* forward = window->findChild<QPushButton*>(QStringLiteral("HelpForward"));
        QVERIFY(back && forward);
        QVERIFY(back->isEnabled());
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(window->currentPage(), QStringLiteral("/FrequencyCoil.htm"));
        QVERIFY(forward->isEnabled());
        QTest::mouseClick(forward, Qt::LeftButton);
        QCOMPARE(window->currentPage(), QStringLiteral("/MemoNotes.htm"));
        QVERIFY(!forward->isEnabled());
    }

    void linkStaysInTheFile()
    {
        help::displayHelp(help::helpPath(QStringLiteral("OhmsLawPower.htm")));
        const QUrl link = page()->source().resolved(QUrl(QStringLiteral("Welcome.htm")));
        emit page()->anchorClicked(link);
        QCOMPARE(help::helpWindow()->currentPage(), QStringLiteral("/Welcome.htm"));
        QCOMPARE(shownText(), storedText(QStringLiteral("Welcome.htm")));
    }

    void stylesheetAndPicturesLoad()
    {
        help::displayHelp(help::helpPath(QStringLiteral("OhmsLawPower.htm")));
        help::ChmArchive archive(kChm);
        for (const QString& name : archive.objectNames()) {
            const bool picture = name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
            const bool sheet = name.endsWith(QLatin1String(".css"), Qt::CaseInsensitive);
            if (!picture && !sheet)
                continue;
            const int type = picture ? QTextDocument::ImageResource : QTextDocument::StyleSheetResource;
            // Relative to the page shown, as the page's own links are.
            const QVariant loaded = page()->loadResource(type, QUrl(name.mid(1)));
            QVERIFY2(loaded.isValid(), qPrintable(name));
            QCOMPARE(loaded.toByteArray(), archive.read(name).value_or(QByteArray()));
        }
        QVERIFY(!page()
                     ->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("images/none.png")))
                     .isValid());
    }
};

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
