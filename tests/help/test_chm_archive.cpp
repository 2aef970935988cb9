// The archive reader's own rules: how a link from a page names a stored
// object, how contents and index files are read, and how a missing or
// foreign file is refused.

#include "shell/chm_archive.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using help::ChmArchive;

class TestChmArchive : public QObject
{
    Q_OBJECT

private slots:
    void resolveLink_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("object");
        QTest::newRow("page beside") << "/OhmsLawPower.htm"
                                     << "Welcome.htm"
                                     << "/Welcome.htm";
        QTest::newRow("picture in folder") << "/OhmsLawPower.htm"
                                           << "images/ohms.png"
                                           << "/images/ohms.png";
        QTest::newRow("case kept") << "/A.htm"
                                   << "Images/Ohms.PNG"
                                   << "/Images/Ohms.PNG";
        QTest::newRow("fragment dropped") << "/A.htm"
                                          << "B.htm#heat"
                                          << "/B.htm";
        QTest::newRow("query dropped") << "/A.htm"
                                       << "B.htm?x=1"
                                       << "/B.htm";
        QTest::newRow("same-page anchor") << "/A.htm"
                                          << "#top"
                                          << "";
        QTest::newRow("from a sub-folder") << "/sub/A.htm"
                                           << "../help.css"
                                           << "/help.css";
        QTest::newRow("sub-folder relative") << "/sub/A.htm"
                                             << "pic.png"
                                             << "/sub/pic.png";
        QTest::newRow("absolute") << "/sub/A.htm"
                                  << "/Welcome.htm"
                                  << "/Welcome.htm";
        QTest::newRow("backslashes") << "/A.htm"
                                     << "images\\ohms.png"
                                     << "/images/ohms.png";
        QTest::newRow("percent-encoded space") << "/A.htm"
                                               << "my%20page.htm"
                                               << "/my page.htm";
        QTest::newRow("web link") << "/A.htm"
                                  << "http://example.org/x.htm"
                                  << "";
        QTest::newRow("mail link") << "/A.htm"
                                   << "mailto:someone@example.org"
                                   << "";
        QTest::newRow("help-file link") << "/A.htm"
                                        << "ms-its:Ohmbrook2Help.chm::/B.htm#x"
                                        << "/B.htm";
        QTest::newRow("empty") << "/A.htm"
                               << ""
                               << "";
    }
    void resolveLink()
    {
        QFETCH(QString, from);
        QFETCH(QString, link);
        QFETCH(QString, object);
        QCOMPARE(ChmArchive::resolveLink(from, link), object);
    }

    void parseSitemap()
    {
        const QByteArray hhc =
            "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n"
            "<HTML><BODY>\n"
            "<OBJECT type=\"text/site properties\"><param name=\"ImageType\" value=\"Folder\"></OBJECT>\n"
            "<UL>\n"
            "  <LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Welcome\"><param "
            "name=\"Local\" value=\"Welcome.htm\"></OBJECT>\n"
            "  <LI><object TYPE=\"text/sitemap\"><PARAM NAME=\"Name\" VALUE=\"Resistors\"></object>\n"
            "  <UL>\n"
            "    <LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Colour &amp; Bands\"><param "
            "name=\"Local\" value='ResistorColourBands.htm'></OBJECT>\n"
            "  </UL>\n"
            "  <LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Ohm's law\"><param "
            "name=\"Local\" value=\"OhmsLawPower.htm\"><param name=\"Local\" "
            "value=\"Options.htm\"></OBJECT>\n"
            "</UL>\n"
            "</BODY></HTML>";
        const auto entries = help::parseSitemap(hhc);
        QCOMPARE(entries.size(), 5);
        QCOMPARE(entries[0].name, QStringLiteral("Welcome"));
        QCOMPARE(entries[0].local, QStringLiteral("Welcome.htm"));
        QCOMPARE(entries[0].depth, 0);
        QCOMPARE(entries[1].name, QStringLiteral("Resistors"));
        QVERIFY(entries[1].local.isEmpty());
        QCOMPARE(entries[2].name, QStringLiteral("Colour & Bands"));
        QCOMPARE(entries[2].local, QStringLiteral("ResistorColourBands.htm"));
        QCOMPARE(entries[2].depth, 1);
        QCOMPARE(entries[3].depth, 0);
        QCOMPARE(entries[3].local, QStringLiteral("OhmsLawPower.htm"));
        QCOMPARE(entries[4].name, QStringLiteral("Ohm's law"));
        QCOMPARE(entries[4].local, QStringLiteral("Options.htm"));
    }

    void refusesMissingAndForeignFiles()
    {
        QTemporaryDir dir;
        QVERIFY(!ChmArchive(dir.filePath(QStringLiteral("absent.chm"))).isOpen());
        QFile text(dir.filePath(QStringLiteral("text.chm")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("This is not a compiled help file.\n");
        text.close();
        ChmArchive archive(text.fileName());
        QVERIFY(!archive.isOpen());
        QVERIFY(!archive.read(QStringLiteral("/Welcome.htm")));
        QVERIFY(archive.objectNames().isEmpty());
    }

    void readsExactCaseOnly()
    {
        ChmArchive archive(QStringLiteral(OHMBROOK_HELP_CHM));
        QVERIFY(archive.isOpen());
        QVERIFY(archive.read(QStringLiteral("/Welcome.htm")));
        QVERIFY(!archive.read(QStringLiteral("/welcome.htm")));
        QVERIFY(!archive.read(QStringLiteral("/WELCOME.HTM")));
        QVERIFY(!archive.read(QStringLiteral("Welcome.htm")));
    }

    void movesOwnership()
    {
        ChmArchive first(QStringLiteral(OHMBROOK_HELP_CHM));
        QVERIFY(first.isOpen());
        ChmArchive second(std::move(first));
        QVERIFY(second.isOpen());
        QVERIFY(!first.isOpen());
        QVERIFY(second.read(QStringLiteral("/Welcome.htm")));
        first = std::move(second);
        QVERIFY(first.isOpen());
        QVERIFY(!second.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestChmArchive)
#include "test_chm_archive.moc"
