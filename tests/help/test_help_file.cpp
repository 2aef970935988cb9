// The compiled help file as built: every page the program asks for is in it,
// every link, picture and style sheet of every page resolves inside it with
// exactly the same case, the contents and index point at stored pages, the
// project lists exactly the files of the help folder, and the stored "Main
// Window" definition is the project's.

#include "help/chm_archive.h"
#include "tests/help/help_project.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using help::ChmArchive;

namespace {

// Files of the help folder that build the help file rather than go into it.
const QStringList kBuildFiles = {
    QStringLiteral("Ohmbrook2Help.hhp"),
    QStringLiteral("Ohmbrook2Help.hhc"),
    QStringLiteral("Ohmbrook2Help.hhk"),
    QStringLiteral("CMakeLists.txt"),
};

bool isPage(const QString& name)
{
    return name.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".html"), Qt::CaseInsensitive);
}

// href="..." and src="..." in a page, url(...) and @import in a style sheet.
QStringList linksIn(const QString& objectName, const QByteArray& bytes)
{
    static const QRegularExpression htmlLink(
        QStringLiteral("\\b(?:href|src)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>\"']+))"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cssLink(
        QStringLiteral("url\\(\\s*['\"]?([^'\")]+)['\"]?\\s*\\)|@import\\s+['\"]([^'\"]+)['\"]"),
        QRegularExpression::CaseInsensitiveOption);
    const bool css = objectName.endsWith(QLatin1String(".css"), Qt::CaseInsensitive);
    QStringList links;
    for (const auto& m : (css ? cssLink : htmlLink).globalMatch(QString::fromUtf8(bytes))) {
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
            if (m.capturedStart(i) >= 0) {
                links.append(m.captured(i));
                break;
            }
        }
    }
    return links;
}

} // namespace

class TestHelpFile : public QObject
{
    Q_OBJECT

private:
    ChmArchive m_archive;

private slots:
    void initTestCase() { QVERIFY2(m_archive.open(QStringLiteral(OHMBROOK_HELP_CHM)), OHMBROOK_HELP_CHM); }

    void programPageIsStored_data()
    {
        QTest::addColumn<QString>("page");
        for (const QString& page : help_test::programPages())
            QTest::newRow(qPrintable(page)) << page;
    }
    void programPageIsStored()
    {
        QFETCH(QString, page);
        QVERIFY2(m_archive.contains(u'/' + page),
                 qPrintable(page + QStringLiteral(" is not in the help file")));
        QVERIFY(!m_archive.read(u'/' + page).value_or(QByteArray()).isEmpty());
    }

    void listedFileIsStored_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString& file : help_test::projectSection(QStringLiteral("FILES")))
            QTest::newRow(qPrintable(file)) << file;
    }
    void listedFileIsStored()
    {
        QFETCH(QString, file);
        QVERIFY2(m_archive.contains(u'/' + file),
                 qPrintable(file + QStringLiteral(" is not in the help file")));
    }

    void linksResolve_data()
    {
        QTest::addColumn<QString>("object");
        for (const QString& name : m_archive.objectNames()) {
            if (isPage(name) || name.endsWith(QLatin1String(".css"), Qt::CaseInsensitive))
                QTest::newRow(qPrintable(name)) << name;
        }
    }
    void linksResolve()
    {
        QFETCH(QString, object);
        const auto bytes = m_archive.read(object);
        QVERIFY(bytes);
        QStringList broken;
        for (const QString& link : linksIn(object, *bytes)) {
            const QString target = ChmArchive::resolveLink(object, link);
            if (!target.isEmpty() && !m_archive.contains(target))
                broken.append(link);
        }
        QVERIFY2(broken.isEmpty(),
                 qPrintable(QStringLiteral("broken: ") + broken.join(QStringLiteral(", "))));
    }

    void sitemapLocalsResolve_data()
    {
        QTest::addColumn<QString>("sitemap");
        QTest::newRow("contents") << help_test::projectOption(QStringLiteral("Contents file"));
        QTest::newRow("index") << help_test::projectOption(QStringLiteral("Index file"));
    }
    void sitemapLocalsResolve()
    {
        QFETCH(QString, sitemap);
        QVERIFY(!sitemap.isEmpty());
        const auto bytes = m_archive.read(u'/' + sitemap);
        QVERIFY2(bytes, qPrintable(sitemap + QStringLiteral(" is not in the help file")));
        const auto entries = help::parseSitemap(*bytes);
        QVERIFY(!entries.isEmpty());
        QStringList broken;
        for (const auto& entry : entries) {
            const QString target = ChmArchive::resolveLink(QStringLiteral("/"), entry.local);
            if (!entry.local.isEmpty() && !m_archive.contains(target))
                broken.append(entry.name + QStringLiteral(" -> ") + entry.local);
        }
        QVERIFY2(broken.isEmpty(),
                 qPrintable(QStringLiteral("broken: ") + broken.join(QStringLiteral(", "))));
    }

    void filesListMatchesFolder()
    {
        const QString root = help_test::helpSourceDir();
        QSet<QString> present;
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = QDir(root).relativeFilePath(it.next());
            if (!kBuildFiles.contains(relative))
                present.insert(relative);
        }
        const QStringList listedLines = help_test::projectSection(QStringLiteral("FILES"));
        const QSet<QString> listed(listedLines.begin(), listedLines.end());
        QCOMPARE(listedLines.size(), listed.size());
        QStringList unlisted = (present - listed).values();
        QStringList missing = (listed - present).values();
        unlisted.sort();
        missing.sort();
        QVERIFY2(unlisted.isEmpty(), qPrintable(QStringLiteral("not in [FILES]: ") + unlisted.join(u' ')));
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("listed but absent: ") + missing.join(u' ')));
    }

    void defaultTopicIsStored()
    {
        const QString topic = help_test::projectOption(QStringLiteral("Default topic"));
        QCOMPARE(topic, QStringLiteral("Welcome.htm"));
        QVERIFY(m_archive.contains(u'/' + topic));
    }

    void mainWindowDefinitionIsStored()
    {
        const auto project = help_test::projectWindow(QStringLiteral("Main Window"));
        QVERIFY(!project.caption.isEmpty());
        QVERIFY(project.geometry.isValid());
        const auto stored = m_archive.windowDefinition(QStringLiteral("Main Window"));
        QVERIFY(stored);
        QCOMPARE(stored->caption, project.caption);
        QCOMPARE(stored->geometry, project.geometry);
        QCOMPARE(stored->contentsFile, help_test::projectOption(QStringLiteral("Contents file")));
        QCOMPARE(m_archive.contentsFile(QStringLiteral("Main Window")),
                 u'/' + help_test::projectOption(QStringLiteral("Contents file")));
        QVERIFY(!m_archive.windowDefinition(QStringLiteral("No Such Window")));
    }
};

QTEST_GUILESS_MAIN(TestHelpFile)
#include "test_help_file.moc"
