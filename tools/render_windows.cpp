// Renders the main window with each panel in front to PNG files, so the
// program's looks can be checked without clicking through it.
//
//   render_windows <output folder> [panel object name ...]
//
// Runs with a private settings folder (the disclaimer accepted) so it never
// touches the user's own settings. Without panel names every panel is drawn.

#include "shell/main_window.h"
#include "shell/settings_store.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_windows <output folder> [panel ...]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))
        ->writeString(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"), QStringLiteral("yes"));

    TFormMainApplication window;
    window.show();
    QApplication::processEvents();

    QStringList panels;
    for (int i = 2; i < argc; ++i)
        panels.append(QString::fromLocal8Bit(argv[i]));
    if (panels.isEmpty()) {
        for (QWidget* w : window.findChildren<QWidget*>()) {
            if (w->objectName().startsWith(QLatin1String("Panel")) && w->parentWidget() == &window)
                panels.append(w->objectName());
        }
    }
    for (const QString& name : panels) {
        auto* panel = window.findChild<QWidget*>(name);
        if (!panel) {
            std::fprintf(stderr, "no panel %s\n", qPrintable(name));
            continue;
        }
        window.ShowPanel(panel);
        QApplication::processEvents();
        const QString file = out + u'/' + name + QStringLiteral(".png");
        window.grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
