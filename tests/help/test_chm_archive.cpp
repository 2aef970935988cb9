// The archive reader's own rules: how a link from a page names a stored
// object, how contents and index files are read, how a missing or foreign
// file is refused, and how the reader's bounds hold on damaged containers
// opened as their own expected bytes, past the size and hash check.

#include "help/chm_archive.h"
#include "help/help_file_digest.h"
#include "tests/help/chm_builder.h"

#include <QCryptographicHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using help::ChmArchive;
using help_test::directoryEntry;
using help_test::putLittleEndian;

namespace {

// Writes <bytes> to a file in <dir> and opens it expecting exactly those bytes.
bool openAsExpected(ChmArchive& archive, const QTemporaryDir& dir, const QByteArray& bytes)
{
    QFile file(dir.filePath(QStringLiteral("container.chm")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return false;
    file.close();
    const QByteArray sha256 = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return archive.open(file.fileName(), help::HelpFileDigest{bytes.size(), sha256.constData()});
}

const QByteArray kSoundEntries = directoryEntry("/a.htm", 0, 0, 5) + directoryEntry("/b.htm", 0, 5, 3);
const QByteArray kSoundContent = "helloabc";

QByteArray soundWith(qsizetype field, quint64 value, int size)
{
    QByteArray bytes = help_test::buildContainer(kSoundEntries, kSoundContent);
    putLittleEndian(bytes, field, value, size);
    return bytes;
}

// A reset table stating a compressed section of <length> bytes.
QByteArray resetTable(quint64 length)
{
    QByteArray table(0x28, '\0');
    putLittleEndian(table, 0x00, 2, 4);
    putLittleEndian(table, 0x10, length, 8);
    return table;
}

const QByteArray kResetTableName = "::DataSpace/Storage/MSCompressed/Transform/"
                                   "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";

// One window definition of #WINDOWS: name and caption as #STRINGS offsets,
// then the window's edges.
QByteArray windowsBytes(quint32 count, quint32 nameOffset, quint32 captionOffset, QList<qint32> edges,
                        qsizetype keep = -1)
{
    QByteArray bytes(8 + 0x70, '\0');
    putLittleEndian(bytes, 0, count, 4);
    putLittleEndian(bytes, 4, 0x70, 4);
    putLittleEndian(bytes, 8 + 0x08, nameOffset, 4);
    putLittleEndian(bytes, 8 + 0x14, captionOffset, 4);
    for (int i = 0; i < edges.size(); ++i)
        putLittleEndian(bytes, 8 + 0x20 + 4 * i, quint32(edges[i]), 4);
    return keep < 0 ? bytes : bytes.left(keep);
}

} // namespace

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
        ChmArchive absent;
        QVERIFY(!absent.open(dir.filePath(QStringLiteral("absent.chm"))));
        QCOMPARE(absent.failure(), ChmArchive::Failure::Unreadable);
        QFile text(dir.filePath(QStringLiteral("text.chm")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("This is not a compiled help file.\n");
        text.close();
        ChmArchive archive(text.fileName());
        QVERIFY(!archive.isOpen());
        QCOMPARE(archive.failure(), ChmArchive::Failure::Damaged);
        QVERIFY(!archive.read(QStringLiteral("/Welcome.htm")));
        QVERIFY(archive.objectNames().isEmpty());
    }

    void opensBuiltFileAnywhere()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("renamed.chm"));
        QVERIFY(QFile::copy(QStringLiteral(OHMBROOK_HELP_CHM), copy));
        ChmArchive archive(copy);
        QVERIFY(archive.isOpen());
        QCOMPARE(archive.failure(), ChmArchive::Failure::None);
        QVERIFY(archive.read(QStringLiteral("/Welcome.htm")).value_or(QByteArray()).contains("Welcome"));
    }

    void readsSoundContainer()
    {
        QTemporaryDir dir;
        ChmArchive archive;
        QVERIFY(openAsExpected(archive, dir, help_test::buildContainer(kSoundEntries, kSoundContent)));
        QCOMPARE(archive.objectNames(), QStringList({QStringLiteral("/a.htm"), QStringLiteral("/b.htm")}));
        QCOMPARE(archive.read(QStringLiteral("/a.htm")), QByteArray("hello"));
        QCOMPARE(archive.read(QStringLiteral("/b.htm")), QByteArray("abc"));
    }

    void refusesUnsoundDirectory_data()
    {
        using namespace help_test;
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("chunk chain loops back") << soundWith(kNextChunkField, 0, 4);
        QByteArray emptyLoop = buildContainer({}, kSoundContent);
        putLittleEndian(emptyLoop, kNextChunkField, 0, 4);
        QTest::newRow("empty chunk chained to itself") << emptyLoop;
        QTest::newRow("chunk chain leaves the directory") << soundWith(kNextChunkField, 5, 4);
        QTest::newRow("chunk size zero") << soundWith(kChunkSizeField, 0, 4);
        QTest::newRow("directory past the end") << soundWith(kDirectoryLengthField, quint64(1) << 40, 8);
        QTest::newRow("free space beyond the chunk") << soundWith(kFreeSpaceField, 0xFFFFFFF0, 4);
        QTest::newRow("name runs past its chunk")
            << buildContainer(encodedNumber(1000) + "/a.htm", kSoundContent);
        QTest::newRow("number of more than 63 bits")
            << buildContainer(encodedNumber(6) + "/a.htm" + QByteArray(10, char(0x81)) + '\0', kSoundContent);
        QTest::newRow("name stored twice")
            << buildContainer(kSoundEntries + directoryEntry("/a.htm", 0, 0, 1), kSoundContent);
    }
    void refusesUnsoundDirectory()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        ChmArchive archive;
        QVERIFY(!openAsExpected(archive, dir, bytes));
        QCOMPARE(archive.failure(), ChmArchive::Failure::Damaged);
        QVERIFY(archive.objectNames().isEmpty());
    }

    void boundsObjectLengths_data()
    {
        QTest::addColumn<QByteArray>("entries");
        QTest::addColumn<QByteArray>("content");
        const QByteArray sound = directoryEntry("/a.htm", 0, 0, 5);
        QTest::newRow("runs past the file") << sound + directoryEntry("/x.htm", 0, 6, 100) << kSoundContent;
        QTest::newRow("starts past the file")
            << sound + directoryEntry("/x.htm", 0, quint64(1) << 40, 1) << kSoundContent;
        QTest::newRow("2^62 bytes") << sound + directoryEntry("/x.htm", 0, 0, quint64(1) << 62)
                                    << kSoundContent;
        QTest::newRow("compressed, no reset table")
            << sound + directoryEntry("/x.htm", 1, 0, quint64(1) << 40) << kSoundContent;
        QTest::newRow("compressed, past its section") << sound + directoryEntry(kResetTableName, 0, 8, 0x28) +
                                                             directoryEntry("/x.htm", 1, 50, quint64(1) << 40)
                                                      << kSoundContent + resetTable(100);
        QTest::newRow("compressed section beyond any expansion")
            << sound + directoryEntry(kResetTableName, 0, 8, 0x28) +
                   directoryEntry("/x.htm", 1, 0, quint64(1) << 40)
            << kSoundContent + resetTable(quint64(1) << 50);
        QTest::newRow("unknown section") << sound + directoryEntry("/x.htm", 7, 0, 1) << kSoundContent;
    }
    void boundsObjectLengths()
    {
        QFETCH(QByteArray, entries);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        ChmArchive archive;
        QVERIFY(openAsExpected(archive, dir, help_test::buildContainer(entries, content)));
        QVERIFY(archive.contains(QStringLiteral("/x.htm")));
        QVERIFY(!archive.read(QStringLiteral("/x.htm")));
        QCOMPARE(archive.read(QStringLiteral("/a.htm")), QByteArray("hello"));
    }

    void parseWindowDefinition_data()
    {
        QTest::addColumn<QByteArray>("windows");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        const QList<qint32> edges = {10, 20, 110, 220};
        QTest::newRow("sound") << windowsBytes(1, 1, 13, edges) << true << "Help Caption"
                               << QRect(10, 20, 100, 200);
        QTest::newRow("count beyond the bytes")
            << windowsBytes(0xFFFFFFFF, 1, 13, edges) << true << "Help Caption" << QRect(10, 20, 100, 200);
        QTest::newRow("entry cut short")
            << windowsBytes(1, 1, 13, edges, 8 + 0x50) << false << QString() << QRect();
        QTest::newRow("caption past the strings")
            << windowsBytes(1, 1, 0xFFFFFFF0, edges) << true << QString() << QRect(10, 20, 100, 200);
        QTest::newRow("edges at the extremes") << windowsBytes(1, 1, 13, {INT_MIN, INT_MIN, INT_MAX, INT_MAX})
                                               << true << "Help Caption" << QRect();
    }
    void parseWindowDefinition()
    {
        QFETCH(QByteArray, windows);
        QFETCH(bool, found);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        const QByteArray strings("\0Main Window\0Help Caption\0", 27);
        const auto def = help::parseWindowDefinition(windows, strings, QStringLiteral("Main Window"));
        QCOMPARE(bool(def), found);
        if (!def)
            return;
        QCOMPARE(def->caption, caption);
        QCOMPARE(def->geometry, geometry);
    }

    void sitemapDepthBounded()
    {
        const QByteArray deep =
            QByteArray("<UL>").repeated(100) +
            "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Deep\"></OBJECT>";
        const auto entries = help::parseSitemap(deep);
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].depth, help::kMaxSitemapDepth);
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
