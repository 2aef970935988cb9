// One start-up of either the real program or a bare Qt window of the same
// size; the process ends the moment the window has been painted once.
//
//   startup_probe main|bare [--stay]
//
// With --stay the process does not end at the first frame: the start-up
// benchmark then watches its windows from outside and ends it itself.
//
// "main" is the program itself, started by the same function as the
// program's entry: the application set-up, the main window (whose hidden
// panels follow its first frame), the splash, then show; it ends when the
// main window has drawn its first frame (the splash comes over it after). "bare" is an 830 x 530 window with
// the same topic tree, fully expanded as the program shows it by default, and twenty-six empty pages stacked
// beside it: the least any window showing that tree can cost.
//
// The main window reads its settings from XDG_CONFIG_HOME, which the bench
// points at a folder where the disclaimer is already accepted.

#include "app/main_startup.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QStackedWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

// Whether any of Qt's picture decoder plugins is mapped into the process.
bool pictureDecodersLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    const bool loaded = maps.readAll().contains("/imageformats/");
    if (loaded)
        std::fputs("startup_probe: a picture decoder was loaded before the first frame\n", stderr);
    return loaded;
}

// Watches the whole application: the first frame is painted when a widget of
// the watched window is painted (the window itself may be covered by an
// opaque child and never get a paint event of its own).
class FirstPaint : public QObject
{
public:
    QWidget* window = nullptr;
    // Or, with no window given, the window of this name.
    QString windowName;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const QWidget* painted = static_cast<QWidget*>(watched)->window();
        if (painted == window || (!window && painted->objectName() == windowName)) {
            // Let this frame finish, then leave without any teardown: the
            // figure is the time to the first picture on screen. A picture
            // decoder loaded by then fails the run: the first frame needs none.
            QMetaObject::invokeMethod(
                this, [] { ::_exit(pictureDecodersLoaded() ? 4 : 0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

void addTopics(QTreeWidget* tree)
{
    const auto top = [tree](const char* text) {
        return new QTreeWidgetItem(tree, QStringList{QString::fromLatin1(text)});
    };
    const auto add = [](QTreeWidgetItem* parent, std::initializer_list<const char*> texts) {
        for (const char* text : texts)
            new QTreeWidgetItem(parent, QStringList{QString::fromLatin1(text)});
    };
    add(top("Resistors"), {"Colour Bands", "Series/Parallel", "In-line Dropper", "SMD Codes",
                           "Voltage Divider", "Combinations"});
    QTreeWidgetItem* capacitors = top("Capacitors");
    add(capacitors, {"In-line Dropper", "Scale Compare", "Series/Parallel", "Values"});
    add(capacitors->child(3), {"Colour Codes", "Digit Values"});
    add(top("General"), {"Ohms Law/Power", "Reactance", "555 Timer", "Regulator", "RC Time Constant"});
    add(top("Frequencies"), {"Coil Frequency", "Conversions", "Resonance"});
    add(top("Schematic Symbols"), {"General", "Logic Gates", "Valves and Tubes", "Connectors etc."});
    top("Memo Notes");
    top("Load Images");
    top("Disclaimer");
}

int runBare(QApplication& app, FirstPaint* watcher)
{
    QWidget window;
    window.setFixedSize(830, 530);
    QFont face(QStringLiteral("Liberation Sans"));
    face.setStyleHint(QFont::SansSerif);
    face.setPixelSize(12);
    window.setFont(face);
    auto* tree = new QTreeWidget(&window);
    tree->setGeometry(8, 72, 153, 385);
    tree->setHeaderHidden(true);
    tree->setIndentation(19);
    addTopics(tree);
    tree->expandAll();
    auto* pages = new QStackedWidget(&window);
    pages->setGeometry(168, 72, 650, 400);
    for (int i = 0; i < 26; ++i)
        pages->addWidget(new QWidget);
    if (watcher) {
        watcher->window = &window;
        app.installEventFilter(watcher);
    }
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    if (!bare)
        app::startLoadingFontConfiguration();
    QApplication app(argc, argv);
    FirstPaint watcher;
    // A window that never shows fails the run rather than hang the bench.
    QTimer::singleShot(60000, [] { ::_exit(3); });
    const bool stay = argc > 2 && std::strcmp(argv[2], "--stay") == 0;
    if (bare)
        return runBare(app, stay ? nullptr : &watcher);
    app::prepareApplication(app);
    watcher.windowName = QStringLiteral("FormMainApplication");
    app.installEventFilter(&watcher);
    return app::runProgram(app);
}
