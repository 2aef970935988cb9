// One start-up of either the real main window or a bare Qt window of the
// same size; the process ends the moment the window has been painted once.
//
//   startup_probe main|bare|text
//
// "text" is the bare window with one line of text on it: any window that
// shows text pays for loading the font database, which a blank one skips.
//
// The main window reads its settings from XDG_CONFIG_HOME, which the bench
// points at a folder where the disclaimer is already accepted.

#include "shell/main_window.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

#include <cstring>
#include <unistd.h>

namespace {

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            // Let this paint finish, then leave without any teardown: the
            // figure is the time to the first picture on screen.
            QMetaObject::invokeMethod(
                watched, [] { ::_exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    const bool text = argc > 1 && std::strcmp(argv[1], "text") == 0;
    FirstPaint watcher;
    if (bare || text) {
        QWidget window;
        window.setFixedSize(830, 530);
        if (text)
            (new QLabel(QStringLiteral("Ohmbrook"), &window))->move(8, 8);
        window.installEventFilter(&watcher);
        window.show();
        return app.exec();
    }
    TFormMainApplication window;
    window.installEventFilter(&watcher);
    window.show();
    return app.exec();
}
