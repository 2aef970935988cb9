// Renders the main window with each panel in front to PNG files, so the
// program's looks can be checked without clicking through it.
//
//   render_windows <output folder> [panel or dialog object name ...]
//
// After a panel's name, steps drive it before it is drawn, in order:
//   --set Name=Text   types Text into the field or list Name
//   --click Name      presses the button (or radio button) Name
//   --as File         names the picture File.png instead of the panel
// so a panel can be drawn showing a result.
//
// Runs with a private settings folder (the disclaimer accepted) so it never
// touches the user's own settings. Without names every panel and the dialogs
// (OptionsDialog, SetSliderBarRangesFrequencyConvert) are drawn.

#include "power_frequency/frequency_conversion_panel.h"
#include "power_frequency/slider_range_dialog.h"
#include "shell/main_window.h"
#include "shell/options_dialog.h"
#include "shell/settings_store.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QHash>
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

    struct Step
    {
        QString kind, name, text;
    };
    QStringList panels;
    QHash<int, QList<Step>> steps; // by position in panels
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("--")) && i + 1 < argc && !panels.isEmpty()) {
            const QString value = QString::fromLocal8Bit(argv[++i]);
            const qsizetype eq = value.indexOf(u'=');
            steps[int(panels.size()) - 1].append(
                {arg.mid(2), eq < 0 ? value : value.left(eq), eq < 0 ? QString() : value.mid(eq + 1)});
            continue;
        }
        panels.append(arg);
    }
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
    for (qsizetype index = 0; index < panels.size(); ++index) {
        const QString& name = panels[index];
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
        QString file = name;
        for (const Step& step : steps.value(int(index))) {
            QWidget* target = window.findChild<QWidget*>(step.name);
            if (step.kind == QLatin1String("as"))
                file = step.name;
            else if (auto* edit = qobject_cast<QLineEdit*>(target); edit && step.kind == QLatin1String("set"))
                edit->setText(step.text);
            else if (auto* list = qobject_cast<QComboBox*>(target); list && step.kind == QLatin1String("set"))
                list->setEditText(step.text);
            else if (auto* button = qobject_cast<QAbstractButton*>(target);
                     button && step.kind == QLatin1String("click"))
                button->click();
            else
                std::fprintf(stderr, "cannot %s %s\n", qPrintable(step.kind), qPrintable(step.name));
        }
        QApplication::processEvents();
        save(&window, file);
    }
    return 0;
}
