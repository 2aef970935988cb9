// The splash, the About box and the four schematic windows: the splash's
// time limit, the ways out of the About box, and the schematic windows'
// sizes, scroll bars and memory between showings.

#include "shell/about_dialog.h"
#include "shell/schematic_window.h"
#include "shell/splash.h"

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

} // namespace

Q_DECLARE_METATYPE(MakeSchematic)

class TestSecondaryWindows : public QObject
{
    Q_OBJECT

private slots:
    void splashClosesItselfWithinItsInterval_data();
    void splashClosesItselfWithinItsInterval();
    void aboutBoxCloses_data();
    void aboutBoxCloses();
    void aboutLabelsFitTheirPlaces();
    void schematicWindowFirstShowing_data();
    void schematicWindowFirstShowing();
    void schematicWindowKeepsSizeAndScroll();
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
    TAboutDialog about;
    QTimer::singleShot(0, &about, [&] {
        if (key == 0)
            QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("OKBtn")), Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &about, Qt::Key(key));
    });
    // A box that failed to close would hang here; the watchdog ends it.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &about, &QDialog::reject);
    watchdog.start(3000);
    QCOMPARE(about.exec(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
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

QTEST_MAIN(TestSecondaryWindows)
#include "test_secondary_windows.moc"
