// Saving the resistor shown to a record file: the exact bytes, appending, the
// "File Exists" question, the remembered file and the failures.

#include "core/settings_store.h"
#include "resistors/maths/record_file.h"
#include "resistors/panels/colour_band_panel.h"
#include "tests/support/panel_harness.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString lastSaveFile()
{
    auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey));
    return key ? key->read(QStringLiteral("Last Resistor Save File")).text : QString();
}

const QByteArray kInitialLine =
    "Resistor: Bands - Brown,Red,Gold,Violet,Grey - Value: 1.2 ohms Extra info: Tolerance is +/- 0.0012 ohms "
    "(0.1 %)\r\n";

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void recordLine_data();
    void recordLine();
    void firstSaveWritesOneLine();
    void secondSaveAppendsAfterAsking();
    void declinedSaveWritesNothing();
    void cancelledDialogWritesNothing();
    void oddTextsAreWrittenAsTheyAre();
    void unwritableTargetIsReported_data();
    void unwritableTargetIsReported();
    void appendNeverRewrites();
    void recordStartsItsOwnLine_data();
    void recordStartsItsOwnLine();
};

void TestRecordFile::recordLine_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QStringList>("bands");
    QTest::addColumn<QString>("ohms");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("initial panel") << "Resistor" << QStringList{"Brown", "Red", "Gold", "Violet", "Grey"}
                                   << "1.2"
                                   << "Extra info: Tolerance is +/- 0.0012 ohms (0.1 %)" << kInitialLine;
    QTest::newRow("empty tag") << "" << QStringList{"Yellow", "Violet", "Red", "No band", "No band"} << "4790"
                               << "Extra info: Tolerance is +/- 940 ohms (20 %)"
                               << QByteArray(
                                      ": Bands - Yellow,Violet,Red,No band,No band - Value: 4790 ohms Extra "
                                      "info: Tolerance is +/- 940 ohms (20 %)\r\n");
    QTest::newRow("commas and dashes unquoted")
        << "R1, R2 - spare" << QStringList{"a,b", "Red", "-", "Gold", ""} << "x"
        << "t" << QByteArray("R1, R2 - spare: Bands - a,b,Red,-,Gold, - Value: x ohms t\r\n");
    QTest::newRow("line breaks inside texts")
        << "two\nlines" << QStringList{"Brown\r\n", "Red", "Gold", "Violet", "Grey"} << "1.2"
        << "t"
        << QByteArray("two lines: Bands - Brown  ,Red,Gold,Violet,Grey - Value: "
                      "1.2 ohms t\r\n");
    QTest::newRow("non-ASCII as UTF-8")
        << "\u00b5-Widerstand" << QStringList{"Brown", "Red", "Gold", "Violet", "Grey"} << "1.2"
        << "t"
        << QByteArray("\xc2\xb5-Widerstand: Bands - Brown,Red,Gold,Violet,Grey - "
                      "Value: 1.2 ohms t\r\n");
}

void TestRecordFile::recordLine()
{
    QFETCH(QString, tag);
    QFETCH(QStringList, bands);
    QFETCH(QString, ohms);
    QFETCH(QString, tolerance);
    QFETCH(QByteArray, line);
    QCOMPARE(record_file::recordLine(tag, bands, ohms, tolerance), line);
}

void TestRecordFile::firstSaveWritesOneLine()
{
    PanelHarness<ColourBandPanel> h;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parts.RES"));
    h.files.choose(path);
    h.click("SaveValues");
    QVERIFY(h.boxes.boxes().isEmpty());
    QCOMPARE(readAll(path), kInitialLine);
    QCOMPARE(lastSaveFile(), path);

    const ui::FileDialogRequest& asked = h.files.requests().first();
    QCOMPARE(asked.mode, ui::FileDialogRequest::Mode::Save);
    QCOMPARE(asked.defaultSuffix, QStringLiteral("RES"));
    QVERIFY(!asked.promptOverwrite);
    QVERIFY(asked.title.isEmpty());
    QVERIFY(asked.initialFile.isEmpty());
    QCOMPARE(asked.filters.size(), 2);
    QVERIFY(asked.filters[0].startsWith(QStringLiteral("Resistor files (*.res")));
}

void TestRecordFile::secondSaveAppendsAfterAsking()
{
    PanelHarness<ColourBandPanel> h;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parts.RES"));
    h.files.choose(path);
    h.click("SaveValues");
    h.type("TagName", QString());
    h.click("ClearResValues");
    h.type("ResValue", QStringLiteral("4790"));
    h.click("CalculateResValues");
    h.files.choose(path);
    h.boxes.answer(ui::BoxAnswer::Yes);
    h.click("SaveValues");

    QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("File Exists")});
    QCOMPARE(
        h.boxes.boxes().first().text,
        QStringLiteral("The specified file already exists.\n\nIf you continue, the new resistor information "
                       "will be appended to this file.\n\nDo you want to continue?"));
    QCOMPARE(h.boxes.boxes().first().buttons, ui::BoxButtons::YesNo);
    QCOMPARE(h.boxes.boxes().first().icon, ui::BoxIcon::None);
    QCOMPARE(readAll(path),
             kInitialLine + QByteArray(": Bands - Yellow,Violet,Red,No band,No band - Value: 4790 "
                                       "ohms Extra info: Tolerance is +/- 940 ohms (20 %)\r\n"));
    // The dialog offers the last file again.
    QCOMPARE(h.files.requests().at(1).initialFile, path);
}

void TestRecordFile::declinedSaveWritesNothing()
{
    PanelHarness<ColourBandPanel> h;
    QTemporaryDir dir;
    const QString remembered = dir.filePath(QStringLiteral("first.RES"));
    h.files.choose(remembered);
    h.click("SaveValues");
    const QString other = dir.filePath(QStringLiteral("other.RES"));
    {
        QFile f(other);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("kept\r\n");
    }
    h.files.choose(other);
    h.boxes.answer(ui::BoxAnswer::No);
    h.click("SaveValues");
    QCOMPARE(readAll(other), QByteArray("kept\r\n"));
    QCOMPARE(lastSaveFile(), remembered);
}

void TestRecordFile::cancelledDialogWritesNothing()
{
    PanelHarness<ColourBandPanel> h;
    h.files.choose(std::nullopt);
    h.click("SaveValues");
    QVERIFY(h.boxes.boxes().isEmpty());
    QVERIFY(lastSaveFile().isEmpty());
}

void TestRecordFile::oddTextsAreWrittenAsTheyAre()
{
    PanelHarness<ColourBandPanel> h;
    auto* band1 = h.find<QComboBox>("ComboResCol1");
    band1->lineEdit()->clear();
    QTest::keyClicks(band1->lineEdit(), QStringLiteral("brownish"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("odd.res"));
    h.files.choose(path);
    h.click("SaveValues");
    QVERIFY(readAll(path).startsWith("Resistor: Bands - brownish,Red,Gold,Violet,Grey - Value: 1.2 ohms "));
}

void TestRecordFile::unwritableTargetIsReported_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing folder") << "no/such/folder/parts.RES" << false;
    QTest::newRow("a folder, not a file") << "folder" << true;
    // Root may write any file, so the refusal comes from the path itself.
    QTest::newRow("parent is a file") << "earlier.RES/parts.RES" << false;
}

void TestRecordFile::unwritableTargetIsReported()
{
    QFETCH(QString, relative);
    QFETCH(bool, exists);
    PanelHarness<ColourBandPanel> h;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder"));
    const QString earlier = dir.filePath(QStringLiteral("earlier.RES"));
    {
        QFile f(earlier);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier line\r\n");
    }
    const QString remembered = dir.filePath(QStringLiteral("good.RES"));
    h.files.choose(remembered);
    h.click("SaveValues");

    h.files.choose(dir.filePath(relative));
    if (exists)
        h.boxes.answer(ui::BoxAnswer::Yes);
    h.click("SaveValues");
    const QStringList expected =
        exists ? QStringList{"File Exists", "Save Error"} : QStringList{"Save Error"};
    QCOMPARE(h.boxes.titles(), expected);
    QVERIFY(h.boxes.boxes().last().text.contains(QDir::toNativeSeparators(dir.filePath(relative))));
    QVERIFY(h.boxes.boxes().last().text.contains(QStringLiteral("Nothing was written.")));
    QCOMPARE(lastSaveFile(), remembered);
    QCOMPARE(readAll(remembered), kInitialLine);
    QCOMPARE(readAll(earlier), QByteArray("earlier line\r\n"));
}

void TestRecordFile::appendNeverRewrites()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("many.RES"));
    QByteArray expected;
    for (int i = 0; i < 50; ++i) {
        const QByteArray line =
            record_file::recordLine(QString::number(i), {"a", "b", "c", "d", "e"}, "1", "t");
        QVERIFY(record_file::appendLine(path, line).isEmpty());
        expected += line;
    }
    QCOMPARE(readAll(path), expected);
}

void TestRecordFile::recordStartsItsOwnLine_data()
{
    QTest::addColumn<QByteArray>("before"); // "-": no file yet
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("no file") << QByteArray("-") << QByteArray("new\r\n");
    QTest::newRow("empty file") << QByteArray("") << QByteArray("new\r\n");
    QTest::newRow("ends with CR LF") << QByteArray("old\r\n") << QByteArray("old\r\nnew\r\n");
    QTest::newRow("ends with LF") << QByteArray("old\n") << QByteArray("old\nnew\r\n");
    QTest::newRow("last line unfinished") << QByteArray("old line") << QByteArray("old line\r\nnew\r\n");
    QTest::newRow("cut between CR and LF") << QByteArray("old\r") << QByteArray("old\r\nnew\r\n");
}

void TestRecordFile::recordStartsItsOwnLine()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hand-edited.RES"));
    if (before != "-") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    QCOMPARE(record_file::appendLine(path, "new\r\n"), QString());
    QCOMPARE(readAll(path), after);
}

QTEST_MAIN(TestRecordFile)
#include "test_record_file.moc"
