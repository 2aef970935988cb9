// The main window's life: the disclaimer gate at start-up, the window's frame,
// Esc as the Exit button, and the tree options written on every close.

#include "core/settings_store.h"
#include "tests/support/gui_test_helpers.h"
#include "tests/support/settings_text.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kValueName = QStringLiteral("Accepted Disclaimer for Version 2.1.0.0");
const QByteArray kEmptyKeyFile =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Tarvolen\\Ohmbrook]\n";
const QString kQuestionStart =
    QStringLiteral("Before using Ohmbrook, you must first agree to the terms of this disclaimer.\n\n");
const QString kQuestionEnd =
    QStringLiteral("\n\nDo you agree with and understand these conditions, and want to run Ohmbrook?");

QString readSetting(const QString& name)
{
    const auto key = settings::Key::openExisting(QString::fromLatin1(settings::kProgramKey));
    return key ? describe(key->read(name)) : QStringLiteral("no key");
}

void writeSettingsFile(const MainWindowHarness& h, const QByteArray& bytes)
{
    QDir().mkpath(h.configDir() + QStringLiteral("/Tarvolen"));
    QFile f(h.settingsFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Opens the window; the exit status when start-up was abandoned, -1 otherwise.
int openAndCatch(MainWindowHarness& h)
{
    try {
        h.open();
    } catch (const StartupAborted& aborted) {
        return aborted.exitStatus;
    }
    return -1;
}

} // namespace

class TestMainWindowLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void firstRunAsksForTheDisclaimer_data();
    void firstRunAsksForTheDisclaimer();
    void storedAcceptancePassesTheGate_data();
    void storedAcceptancePassesTheGate();
    void settingsFileInOtherEncodings_data();
    void settingsFileInOtherEncodings();
    void hiddenPanelsComeJustAfterTheFirstFrame();
    void earlyUseBuildsThePanelsItNeeds_data();
    void earlyUseBuildsThePanelsItNeeds();
    void unwritableSettingsFolderStopsStartUp_data();
    void unwritableSettingsFolderStopsStartUp();
    void windowFrame();
    void escapeInAFieldClosesTheWindow_data();
    void escapeInAFieldClosesTheWindow();
    void closingWritesTheTreeOptions_data();
    void closingWritesTheTreeOptions();
};

void TestMainWindowLifecycle::firstRunAsksForTheDisclaimer_data()
{
    QTest::addColumn<bool>("accept");

    QTest::newRow("Yes runs the program") << true;
    QTest::newRow("No ends the program") << false;
}

void TestMainWindowLifecycle::firstRunAsksForTheDisclaimer()
{
    QFETCH(bool, accept);
    MainWindowHarness h(false);
    QVERIFY(!QFile::exists(h.settingsFile()));
    h.boxes.answer(accept ? ui::BoxAnswer::Yes : ui::BoxAnswer::No);
    const int status = openAndCatch(h);

    QCOMPARE(h.boxes.boxes().size(), 1);
    const RecordedBox& box = h.boxes.boxes().first();
    QCOMPARE(box.title, QStringLiteral("Accept Disclaimer"));
    QCOMPARE(box.buttons, ui::BoxButtons::YesNo);
    QCOMPARE(box.icon, ui::BoxIcon::None);
    QVERIFY2(box.text.startsWith(kQuestionStart), qPrintable(box.text));
    QVERIFY2(box.text.endsWith(kQuestionEnd), qPrintable(box.text));
    const QString quoted =
        box.text.mid(kQuestionStart.size(), box.text.size() - kQuestionStart.size() - kQuestionEnd.size());
    QVERIFY(!quoted.trimmed().isEmpty());
    QCOMPARE(h.boxes.unownedBoxes(), 0);

    if (accept) {
        QCOMPARE(status, -1);
        // The question quotes the disclaimer page's own text.
        QCOMPARE(quoted, h.find<QLabel>("DisclaimerText")->text());
        QCOMPARE(readSetting(kValueName), QStringLiteral("string:yes"));
        // The first close writes the settings in their order.
        QVERIFY(h.window().close());
        QCOMPARE(h.settingsText(),
                 QString::fromLatin1(kEmptyKeyFile + "\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"\n" +
                                     kFirstCloseValues));
    } else {
        QCOMPARE(status, 0);
        QFile f(h.settingsFile());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), kEmptyKeyFile);
        QCOMPARE(QDir(h.configDir() + QStringLiteral("/Tarvolen"))
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Ohmbrook.reg")});
    }
}

void TestMainWindowLifecycle::storedAcceptancePassesTheGate_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("asked");

    QTest::newRow("string yes") << QByteArray("\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"") << false;
    QTest::newRow("string no") << QByteArray("\"Accepted Disclaimer for Version 2.1.0.0\"=\"no\"") << false;
    QTest::newRow("empty string") << QByteArray("\"Accepted Disclaimer for Version 2.1.0.0\"=\"\"") << false;
    QTest::newRow("DWORD 0") << QByteArray("\"Accepted Disclaimer for Version 2.1.0.0\"=dword:00000000")
                             << false;
    QTest::newRow("DWORD 1") << QByteArray("\"Accepted Disclaimer for Version 2.1.0.0\"=dword:00000001")
                             << false;
    QTest::newRow("binary value") << QByteArray("\"Accepted Disclaimer for Version 2.1.0.0\"=hex:00")
                                  << false;
    QTest::newRow("another version's acceptance")
        << QByteArray("\"Accepted Disclaimer for Version 2.0.0.0\"=\"yes\"") << true;
    QTest::newRow("name without its blank")
        << QByteArray("\"Accepted Disclaimer for Version2.1.0.0\"=\"yes\"") << true;
}

void TestMainWindowLifecycle::storedAcceptancePassesTheGate()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, asked);
    MainWindowHarness h(false);
    writeSettingsFile(h, kEmptyKeyFile + line + "\n");
    const int status = openAndCatch(h);
    if (asked) {
        QCOMPARE(h.boxes.titles(), QStringList{QStringLiteral("Accept Disclaimer")});
        QCOMPARE(status, 0); // the recorder answers No
    } else {
        QCOMPARE(h.boxes.titles(), QStringList());
        QCOMPARE(status, -1);
    }
}

void TestMainWindowLifecycle::settingsFileInOtherEncodings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("titles");

    QByteArray bigEndian("\xFE\xFF");
    for (const char c : kEmptyKeyFile + "\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"\n")
        bigEndian.append('\0').append(c);
    QTest::newRow("UTF-16 big-endian is read") << bigEndian << QStringList();
    QTest::newRow("a file that cannot be read is told of once and kept")
        << bigEndian + "x"
        << QStringList{QStringLiteral("Tarvolen Ohmbrook"), QStringLiteral("Accept Disclaimer")};
}

void TestMainWindowLifecycle::settingsFileInOtherEncodings()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, titles);
    MainWindowHarness h(false);
    writeSettingsFile(h, file);
    if (!titles.isEmpty())
        h.boxes.answer(ui::BoxAnswer::Ok);
    h.boxes.answer(ui::BoxAnswer::Yes);
    QCOMPARE(openAndCatch(h), -1);
    QCOMPARE(h.boxes.titles(), titles);
    if (!titles.isEmpty()) {
        QCOMPARE(h.boxes.boxes().first().icon, ui::BoxIcon::Warning);
        QVERIFY(h.boxes.boxes().first().text.contains(QDir::toNativeSeparators(h.settingsFile())));
    }
    QVERIFY(h.window().close());
    QCOMPARE(h.boxes.titles(), titles);
    QFile f(h.settingsFile());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray after = f.readAll();
    if (titles.isEmpty()) {
        QVERIFY(after.startsWith(file) && after.size() > file.size());
        QCOMPARE(readSetting(QStringLiteral("Auto Expand Category List")), QStringLiteral("dword:0"));
    } else {
        QCOMPARE(after, file);
    }
}

void TestMainWindowLifecycle::unwritableSettingsFolderStopsStartUp_data()
{
    // "%1" stands for the private config folder of the test.
    QTest::addColumn<bool>("fileAsFolder");
    QTest::addColumn<QString>("reason");

    QTest::newRow("settings folder name taken by a file")
        << true << "%1/Tarvolen is a file where a folder is needed.";
    QTest::newRow("settings file name taken by a folder")
        << false << "%1/Tarvolen/Ohmbrook.reg is a folder where the settings file is needed.";
}

void TestMainWindowLifecycle::unwritableSettingsFolderStopsStartUp()
{
    QFETCH(bool, fileAsFolder);
    QFETCH(QString, reason);
    MainWindowHarness h(false);
    const QString folder = h.configDir() + QStringLiteral("/Tarvolen");
    if (fileAsFolder) {
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    } else {
        QVERIFY(QDir().mkpath(h.settingsFile()));
    }
    const int status = openAndCatch(h);

    QVERIFY(status > 0);
    QCOMPARE(h.boxes.boxes().size(), 1);
    const RecordedBox& box = h.boxes.boxes().first();
    QCOMPARE(box.title, QStringLiteral("Tarvolen Ohmbrook"));
    QCOMPARE(box.icon, ui::BoxIcon::Critical);
    QCOMPARE(box.buttons, ui::BoxButtons::Ok);
    // The box names the settings file and the reason met on the way to it.
    QVERIFY2(box.text.contains(QStringLiteral(":\n\n") + QDir::toNativeSeparators(h.settingsFile()) +
                               QStringLiteral("\n\n")),
             qPrintable(box.text));
    QVERIFY2(box.text.contains(reason.arg(h.configDir())), qPrintable(box.text));
}

void TestMainWindowLifecycle::windowFrame()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Ohmbrook"));
    QCOMPARE(w.size(), QSize(830, 530));
    QCOMPARE(w.minimumSize(), QSize(830, 530));
    QCOMPARE(w.maximumSize(), QSize(830, 530));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(h.boxes.titles(), QStringList());
}

void TestMainWindowLifecycle::escapeInAFieldClosesTheWindow_data()
{
    QTest::addColumn<QByteArray>("panel");
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<bool>("ctrlQ");

    QTest::newRow("Ohm's law voltage")
        << QByteArray("PanelOhmsLawAndPower") << QByteArray("Voltage") << false;
    QTest::newRow("parallel resistor")
        << QByteArray("PanelResistorsSeriesParallel") << QByteArray("ParRes1") << false;
    QTest::newRow("resonance inductance")
        << QByteArray("PanelFrequencyResonance") << QByteArray("FreqResonanceInductance") << false;
    QTest::newRow("Ctrl+Q in Ohm's law") << QByteArray("PanelOhmsLawAndPower") << QByteArray("Watts") << true;
    QTest::newRow("Ctrl+Q in a band list's value")
        << QByteArray("PanelResistorColourBands") << QByteArray("ResValue") << true;
}

void TestMainWindowLifecycle::escapeInAFieldClosesTheWindow()
{
    QFETCH(QByteArray, panel);
    QFETCH(QByteArray, field);
    QFETCH(bool, ctrlQ);
    MainWindowHarness h;
    QVERIFY(guitest::openOnPanel(h, panel.constData()));
    h.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&h.window()));
    QLineEdit* edit = h.field(field.constData());
    h.type(field.constData(), QStringLiteral("12"));
    if (ctrlQ)
        QTest::keyClick(edit, Qt::Key_Q, Qt::ControlModifier);
    else
        QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(!h.window().isVisible());
    // The close request wrote the settings, as the Exit button does.
    QCOMPARE(readSetting(QStringLiteral("Expand Category List When Launched")), QStringLiteral("dword:1"));
    QCOMPARE(h.boxes.titles(), QStringList());
}

void TestMainWindowLifecycle::closingWritesTheTreeOptions_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("viaExitButton");
    QTest::addColumn<QString>("expand");
    QTest::addColumn<QString>("autoExpand");

    const QByteArray expand0 = "\"Expand Category List When Launched\"=dword:00000000\n";
    const QByteArray auto5 = "\"Auto Expand Category List\"=dword:00000005\n";
    QTest::newRow("nothing stored, Exit button") << QByteArray() << true << "dword:1"
                                                 << "dword:0";
    QTest::newRow("nothing stored, close box") << QByteArray() << false << "dword:1"
                                               << "dword:0";
    QTest::newRow("stored 0 and 5") << expand0 + auto5 << true << "dword:0"
                                    << "dword:1";
    QTest::newRow("options stored as text are ignored")
        << QByteArray("\"Expand Category List When Launched\"=\"0\"\n\"Auto Expand Category List\"=\"1\"\n")
        << false << "dword:1"
        << "dword:0";
}

void TestMainWindowLifecycle::closingWritesTheTreeOptions()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, viaExitButton);
    QFETCH(QString, expand);
    QFETCH(QString, autoExpand);
    MainWindowHarness h(false);
    writeSettingsFile(h, kEmptyKeyFile + "\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"\n" + stored);
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    if (viaExitButton)
        h.click("BtnClose");
    else
        QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QCOMPARE(readSetting(QStringLiteral("Expand Category List When Launched")), expand);
    QCOMPARE(readSetting(QStringLiteral("Auto Expand Category List")), autoExpand);
    QCOMPARE(readSetting(kValueName), QStringLiteral("string:yes"));
    QCOMPARE(h.boxes.titles(), QStringList());
}

void TestMainWindowLifecycle::hiddenPanelsComeJustAfterTheFirstFrame()
{
    MainWindowHarness h;
    h.leaveHiddenPanelsToTheWindow();
    TFormMainApplication& w = h.open();
    auto* stack = h.find<QStackedWidget>("PanelStack");
    QCOMPARE(stack->count(), 1);
    w.show();
    QTRY_VERIFY(w.allPanelsBuilt());
    QStringList order;
    for (int i = 0; i < stack->count(); ++i)
        order += stack->widget(i)->objectName();
    QCOMPARE(order.size(), 26);
    // In the tree's order, the panel in front (made first) among them.
    QCOMPARE(order.first(), QStringLiteral("PanelResistorColourBands"));
    QCOMPARE(order.at(6), QStringLiteral("PanelCapacitorDropper"));
    QCOMPARE(order.last(), QStringLiteral("PanelDisclaimer"));
    QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelResistorColourBands"));
}

void TestMainWindowLifecycle::earlyUseBuildsThePanelsItNeeds_data()
{
    QTest::addColumn<bool>("chooseTopic");
    QTest::newRow("a topic is chosen") << true;
    QTest::newRow("the window is closed") << false;
}

void TestMainWindowLifecycle::earlyUseBuildsThePanelsItNeeds()
{
    QFETCH(bool, chooseTopic);
    MainWindowHarness h(false);
    writeSettingsFile(h, kEmptyKeyFile + "\"Accepted Disclaimer for Version 2.1.0.0\"=\"yes\"\n"
                                         "\"Freq Convert Slide Bar Mega Max\"=dword:00000007\n");
    h.leaveHiddenPanelsToTheWindow();
    TFormMainApplication& w = h.open();
    if (chooseTopic) {
        auto* tree = h.find<QTreeWidget>("TreeViewTopicSelect");
        tree->setCurrentItem(tree->findItems(QStringLiteral("Memo Notes"), Qt::MatchExactly).value(0));
        QCOMPARE(w.frontPanel()->objectName(), QStringLiteral("PanelMemoNotes"));
    } else {
        QVERIFY(w.close());
        // The panel's stored range is written back, not lost.
        QCOMPARE(readSetting(QStringLiteral("Freq Convert Slide Bar Mega Max")), QStringLiteral("dword:7"));
    }
    QVERIFY(w.allPanelsBuilt());
}

QTEST_MAIN(TestMainWindowLifecycle)
#include "test_main_window_lifecycle.moc"
