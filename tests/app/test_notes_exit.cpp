// The question about unsaved notes when the real main window closes, and the
// notes pad and image viewer at their places in it.

#include "tests/support/gui_test_helpers.h"

#include <QFile>
#include <QPlainTextEdit>

namespace {

const QString kExitQuestion =
    QStringLiteral("Warning: The current memo text is not saved.\n\nAre you sure you want to exit? [yes/no]");

} // namespace

class TestNotesExit : public QObject
{
    Q_OBJECT

private slots:
    void closeAsksAboutUnsavedNotes_data();
    void closeAsksAboutUnsavedNotes();
    void panelsStartEmpty();
};

void TestNotesExit::closeAsksAboutUnsavedNotes_data()
{
    QTest::addColumn<QString>("action"); // what the user did in the pad
    QTest::addColumn<int>("answer");     // to the question, if one is asked
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");

    const int yes = int(ui::BoxAnswer::Yes);
    const int no = int(ui::BoxAnswer::No);
    QTest::newRow("nothing typed") << "" << no << false << true;
    QTest::newRow("typed, No keeps the window") << "type" << no << true << false;
    QTest::newRow("typed, Yes closes") << "type" << yes << true << true;
    QTest::newRow("typed and saved") << "type save" << no << false << true;
    QTest::newRow("saved, then cleared") << "type save clear" << no << true << false;
}

void TestNotesExit::closeAsksAboutUnsavedNotes()
{
    QFETCH(QString, action);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);

    MainWindowHarness h;
    QVERIFY(guitest::openOnPanel(h, "PanelMemoNotes"));
    auto* pad = h.find<QPlainTextEdit>("MemoPad");
    if (action.contains(QLatin1String("type"))) {
        pad->setFocus();
        QTest::keyClicks(pad, QStringLiteral("R1 = 470"));
    }
    const QString file = h.configDir() + QStringLiteral("/notes.txt");
    if (action.contains(QLatin1String("save"))) {
        h.files.choose(file);
        h.click("MemoSaveAs");
        QCOMPARE(h.text("MemoPadLabel"), QStringLiteral("File open: ") + file);
    }
    if (action.contains(QLatin1String("clear")))
        h.click("ClearMemo");

    h.boxes.answer(ui::BoxAnswer(answer));
    h.click("BtnClose");
    QCOMPARE(guitest::boxes(h.boxes), asked ? QStringList{kExitQuestion} : QStringList());
    QCOMPARE(h.window().isVisible(), !closed);
    // The settings are written whatever the answer.
    QVERIFY(h.settingsText().contains(QLatin1String("Expand Category List When Launched")));
    if (action.contains(QLatin1String("save")) && !action.contains(QLatin1String("clear"))) {
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("R1 = 470\r\n"));
    }
}

void TestNotesExit::panelsStartEmpty()
{
    MainWindowHarness h;
    QVERIFY(guitest::openOnPanel(h, "PanelImages"));
    QCOMPARE(h.text("ImageFileNameLabel"), QStringLiteral("No image file currently open"));
    QCOMPARE(h.text("MemoPadLabel"), QStringLiteral("No file currently open"));
    QVERIFY(!h.find<QPushButton>("MemoSave")->isEnabled());
    QCOMPARE(h.find<QWidget>("PanelImages")->geometry(), QRect(0, 0, 650, 400));
}

QTEST_MAIN(TestNotesExit)
#include "test_notes_exit.moc"
