// Renders the main window with each panel in front to PNG files, so the
// program's looks can be checked without clicking through it.
//
//   render_windows <output folder> [panel or dialog object name ...]
//
// Runs with a private settings folder (the disclaimer accepted) so it never
// touches the user's own settings. Without names every panel and the dialogs
// (OptionsDialog, SetSliderBarRangesFrequencyConvert) are drawn.

#include "power_frequency/frequency_conversion_panel.h"
#include "power_frequency/slider_range_dialog.h"
#include "shell/main_window.h"
#include "shell/options_dialog.h"
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
        for (const CalculatorPanel* panel : window.findChildren<CalculatorPanel*>())
            panels.append(panel->objectName());
        panels << QStringLiteral("OptionsDialog") << QStringLiteral("SetSliderBarRangesFrequencyConvert");
    }
    const auto save = [&out](QWidget* w, const QString& name) {
        const QString file = out + u'/' + name + QStringLiteral(".png");
        w->grab().save(file);
        std::printf("%s\n", qPrintable(file));
    };
    for (const QString& name : panels) {
        if (name == QLatin1String("OptionsDialog")) {
            TOptionsDialog dialog(&window);
            dialog.SetOptionStates(window.expandCategoryListWhenLaunched(), window.autoExpandCategoryList());
            dialog.show();
            QApplication::processEvents();
            save(&dialog, name);
            continue;
        }
        if (name == QLatin1String("SetSliderBarRangesFrequencyConvert")) {
            auto* conversions = window.findChild<FrequencyConversionPanel*>();
            TSetSliderBarRangesFrequencyConvert dialog(conversions);
            dialog.setPanel(conversions);
            dialog.show();
            QApplication::processEvents();
            save(&dialog, name);
            continue;
        }
        auto* panel = window.findChild<QWidget*>(name);
        if (!panel) {
            std::fprintf(stderr, "no panel %s\n", qPrintable(name));
            continue;
        }
        window.ShowPanel(panel);
        QApplication::processEvents();
        save(&window, name);
    }
    return 0;
}
