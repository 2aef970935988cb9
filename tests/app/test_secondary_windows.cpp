// The splash, the About box and the four schematic windows: the splash's
// time limit and its one showing, the ways out of the About box, the
// schematic panels' buttons, and the schematic windows' sizes, scroll bars
// and memory between showings.

#include "app/about_dialog.h"
#include "app/schematic_window.h"
#include "app/splash.h"
#include "tests/support/main_window_harness.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

using MakeSchematic = std::function<std::unique_ptr<SchematicWindow>()>;

template <typename Window> MakeSchematic make()
{
    return [] { return std::make_unique<Window>(); };
}

// The visible top-level windows of the given object name.
int shownWindows(const QString& name)
{
    int count = 0;
    for (const QWidget* w : QApplication::topLevelWidgets())
        count += w->isVisible() && w->objectName() == name ? 1 : 0;
    return count;
}

class ShowCounter : public QObject
{
public:
    int shows = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        shows += event->type() == QEvent::Show ? 1 : 0;
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(MakeSchematic)

class TestSecondaryWindows : public QObject
{
    Q_OBJECT

private slots:
    void splashClosesItselfWithinItsInterval_data();
    void splashClosesItselfWithinItsInterval();
    void splashOverTheFirstFrameOnly_data();
    void splashOverTheFirstFrameOnly();
    void splashLateForItsTimeIsNotShown();
    void aboutBoxCloses_data();
    void aboutBoxCloses();
    void aboutLabelsFitTheirPlaces();
    void schematicWindowFirstShowing_data();
    void schematicWindowFirstShowing();
    void schematicWindowKeepsSizeAndScroll();
    void schematicButtonOpensOneWindow_data();
    void schematicButtonOpensOneWindow();
    void allFourOpenAtOnceAndEndWithTheProgram();
};

void TestSecondaryWindows::splashClosesItselfWithinItsInterval_data()
{
    QTest::addColumn<int>("showAfterMs");

    QTest::newRow("shown as soon as created") << 0;
    // The timer runs from creation, so a late showing is a short one.
    QTest::newRow("shown a second after creation") << 1000;
}

void TestSecondaryWindows::splashClosesItselfWithinItsInterval()
{
    QFETCH(int, showAfterMs);
    TSplash splash;
    QTest::qWait(showAfterMs);
    bool shownModally = false;
    QTimer::singleShot(100, &splash, [&] { shownModally = QApplication::activeModalWidget() == &splash; });
    QElapsedTimer shown;
    shown.start();
    splash.exec();
    QVERIFY(shownModally);
    QVERIFY(!splash.isVisible());
    QVERIFY2(shown.elapsed() <= TSplash::kTimerInterval - showAfterMs + 250,
             qPrintable(QString::number(shown.elapsed())));
}

void TestSecondaryWindows::splashOverTheFirstFrameOnly_data()
{
    QTest::addColumn<bool>("firstStart");
    QTest::addColumn<QString>("closedBy");
    QTest::newRow("its timer") << false << "timer";
    QTest::newRow("a key") << false << "key";
    QTest::newRow("a click") << false << "click";
    QTest::newRow("first start: the disclaimer comes before both windows") << true << "timer";
}

void TestSecondaryWindows::splashOverTheFirstFrameOnly()
{
    QFETCH(bool, firstStart);
    QFETCH(QString, closedBy);
    MainWindowHarness h(!firstStart);
    h.boxes.answer(ui::BoxAnswer::Yes);
    // As the program starts: the window (and the disclaimer question), then
    // the splash, whose time runs from here, then the window shows.
    TFormMainApplication& w = h.open();
    QCOMPARE(h.boxes.titles(), firstStart ? QStringList{QStringLiteral("Accept Disclaimer")} : QStringList());
    TSplash splash;
    QElapsedTimer clock;
    clock.start();
    ShowCounter counter;
    splash.installEventFilter(&counter);
    QVERIFY(!splash.isVisible());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Over the main window's first frame, centred on it, and modal.
    QTRY_VERIFY(splash.isVisible());
    QVERIFY(w.isVisible());
    QVERIFY((splash.geometry().center() - w.geometry().center()).manhattanLength() <= 2);
    QCOMPARE(QApplication::activeModalWidget(), &splash);
    if (closedBy == QLatin1String("key"))
        QTest::keyClick(&splash, Qt::Key_Space);
    else if (closedBy == QLatin1String("click"))
        QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(20, 20));
    if (closedBy != QLatin1String("timer"))
        QVERIFY(!splash.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!splash.isVisible(), 3000);
    QVERIFY2(clock.elapsed() <= TSplash::kTimerInterval + 250, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QTRY_COMPARE(QApplication::activeWindow(), &w);

    // Never again in the run.
    w.hide();
    w.show();
    QTest::qWait(50);
    QCOMPARE(counter.shows, 1);
}

void TestSecondaryWindows::splashLateForItsTimeIsNotShown()
{
    TSplash splash;
    QTest::qWait(TSplash::kTimerInterval + 100);
    QWidget window;
    window.show();
    splash.showOver(&window);
    QVERIFY(!splash.isVisible());
}

void TestSecondaryWindows::aboutBoxCloses_data()
{
    QTest::addColumn<int>("key");

    QTest::newRow("OK button") << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void TestSecondaryWindows::aboutBoxCloses()
{
    QFETCH(int, key);
    MainWindowHarness h;
    h.open().show();
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        opened = box ? box->objectName() : QString();
        if (!box)
            return;
        if (key == 0)
            QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : box, Qt::Key(key));
    });
    // A box that failed to close would hang the test; the watchdog rejects it.
    QTimer::singleShot(3000, [] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            box->reject();
    });
    h.click("About");
    QCOMPARE(opened, QStringLiteral("AboutDialog"));
    QVERIFY(AboutDialog && !AboutDialog->isVisible());
    QCOMPARE(AboutDialog->result(), int(QDialog::Accepted));
}

void TestSecondaryWindows::aboutLabelsFitTheirPlaces()
{
    TAboutDialog about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(about.findChild<QLabel*>(QStringLiteral("Label1"))->text().endsWith(QLatin1String("2.1.0.0")));
    const QRect bevel =
        about.findChild<QWidget*>(QStringLiteral("Bevel1"))->geometry().adjusted(2, 2, -2, -2);
    const QRect logo = about.findChild<QWidget*>(QStringLiteral("Image1"))->geometry();
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) {
        const auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        const QRect drawn(label->pos(), label->sizeHint());
        QVERIFY2(bevel.contains(drawn) && !drawn.intersects(logo), name);
    }
    const auto* label6 = about.findChild<QLabel*>(QStringLiteral("Label6"));
    QVERIFY(label6->wordWrap());
    QVERIFY(label6->heightForWidth(label6->width()) <= label6->height());
}

void TestSecondaryWindows::schematicWindowFirstShowing_data()
{
    QTest::addColumn<MakeSchematic>("makeWindow");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("scrollsDown");

    QTest::newRow("general") << make<TFormSchematicGeneral>() << "Schematics - General" << QSize(580, 952)
                             << true;
    QTest::newRow("valves") << make<TFormSchematicValves>() << "Schematics - Valves and Tubes"
                            << QSize(505, 160) << false;
    QTest::newRow("connectors") << make<TFormSchematicConnectorsSwitchesRelays>()
                                << "Schematics - Connectors, Switches and Relays" << QSize(595, 451) << false;
    QTest::newRow("logic gates") << make<TFormSchematicLogicGates>() << "Schematics - Logic Gates"
                                 << QSize(423, 77) << false;
}

void TestSecondaryWindows::schematicWindowFirstShowing()
{
    QFETCH(MakeSchematic, makeWindow);
    QFETCH(QString, caption);
    QFETCH(QSize, picture);
    QFETCH(bool, scrollsDown);
    const auto window = makeWindow();
    QVERIFY(!window->isVisible());
    window->showInFront();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->findChild<QWidget*>(QStringLiteral("Image1"))->size(), picture);
    QCOMPARE(window->verticalScrollBar()->isVisible(), scrollsDown);
    QVERIFY(!window->horizontalScrollBar()->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(qAbs(window->frameGeometry().center().x() - screen.center().x()) <= 8);
}

void TestSecondaryWindows::schematicWindowKeepsSizeAndScroll()
{
    TFormSchematicConnectorsSwitchesRelays window;
    window.showInFront();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // Smaller than the sheet both ways: both bars appear.
    window.resize(300, 200);
    QTRY_VERIFY(window.horizontalScrollBar()->isVisible() && window.verticalScrollBar()->isVisible());
    window.horizontalScrollBar()->setValue(120);
    window.verticalScrollBar()->setValue(90);
    const QPoint placed = window.pos();
    window.close();
    QVERIFY(!window.isVisible());

    window.showInFront();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(300, 200));
    QCOMPARE(window.pos(), placed);
    QCOMPARE(window.horizontalScrollBar()->value(), 120);
    QCOMPARE(window.verticalScrollBar()->value(), 90);
}

void TestSecondaryWindows::schematicButtonOpensOneWindow_data()
{
    QTest::addColumn<QString>("panel");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");

    QTest::newRow("general") << "PanelSchematicSymbolsGeneral"
                             << "BtnOpenSchematicGeneral"
                             << "FormSchematicGeneral";
    QTest::newRow("logic gates") << "PanelSchematicSymbolsLogicGates"
                                 << "BtnOpenSchematicLogicGates"
                                 << "FormSchematicLogicGates";
    QTest::newRow("valves") << "PanelSchematicSymbolsValves"
                            << "BtnOpenSchematicValvesTubes"
                            << "FormSchematicValves";
    QTest::newRow("connectors") << "PanelSchematicSymbolsConnectorsSwitchesRelays"
                                << "BtnOpenSchematicConnectorsSwitchesRelays"
                                << "FormSchematicConnectorsSwitchesRelays";
}

void TestSecondaryWindows::schematicButtonOpensOneWindow()
{
    QFETCH(QString, panel);
    QFETCH(QString, button);
    QFETCH(QString, window);
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.showPanel(h.find<QWidget>(panel.toLatin1().constData()));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    h.click(button.toLatin1().constData());
    h.click(button.toLatin1().constData());
    QCOMPARE(shownWindows(window), 1);
    // The main window stays usable: the window is not modal.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(w.frontPanel()->objectName(), panel);
}

void TestSecondaryWindows::allFourOpenAtOnceAndEndWithTheProgram()
{
    MainWindowHarness h;
    TFormMainApplication& w = h.open();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const char* buttons[] = {"BtnOpenSchematicGeneral", "BtnOpenSchematicLogicGates",
                             "BtnOpenSchematicValvesTubes", "BtnOpenSchematicConnectorsSwitchesRelays"};
    for (const char* button : buttons) {
        w.showPanel(h.find<QPushButton>(button)->parentWidget());
        h.click(button);
    }
    for (const char* window : {"FormSchematicGeneral", "FormSchematicLogicGates", "FormSchematicValves",
                               "FormSchematicConnectorsSwitchesRelays"})
        QVERIFY2(shownWindows(QString::fromLatin1(window)) == 1, window);

    // Closing the main window ends the program although they are still open.
    QApplication::setQuitOnLastWindowClosed(true);
    QTimer::singleShot(0, &w, [&w] { w.close(); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestSecondaryWindows)
#include "test_secondary_windows.moc"
