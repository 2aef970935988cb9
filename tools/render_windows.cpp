// Renders the main window with each panel in front to PNG files, so the
// program's looks can be checked without clicking through it.
//
//   render_windows [--dark] <output folder> [panel or dialog object name ...]
//
// After a panel's name, steps drive it before it is drawn, in order:
//   --set Name=Text   types Text into the field or list Name
//   --click Name      presses the button (or radio button) Name
//   --as File         names the picture File.png instead of the panel
// so a panel can be drawn showing a result.
//
// Runs with a private settings folder (the disclaimer accepted) so it never
// touches the user's own settings, and with the program's own palette, as
// the program sets it. Without names every panel and the dialogs
// (OptionsDialog, SetSliderBarRangesFrequencyConvert, AboutDialog) and a
// message box (MessageBox) are drawn. --dark, before the folder, stands in
// for a dark desktop theme, whose palette the program must replace by its
// own. Under QT_SCALE_FACTOR the files are named "<name>@<factor>x.png".

#include "app/about_dialog.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "core/settings_store.h"
#include "power_frequency/panels/frequency_conversion_panel.h"
#include "power_frequency/panels/slider_range_dialog.h"
#include "tools/dark_desktop.h"
#include "ui/message_box.h"
#include "ui/program_look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHash>
#include <QLineEdit>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    const bool dark = !args.isEmpty() && args.front() == QLatin1String("--dark");
    if (dark)
        args.removeFirst();
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: render_windows [--dark] <output folder> [panel ...]\n");
        return 2;
    }
    if (dark)
        imitateDarkDesktop();
    look::applyProgramStyle(app);
    look::applyProgramPalette(app);

    const QString out = args.takeFirst();
    QDir().mkpath(out);
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    settings::Key::openOrCreate(QString::fromLatin1(settings::kProgramKey))
        ->writeString(QStringLiteral("Accepted Disclaimer for Version 2.1.0.0"), QStringLiteral("yes"));

    TFormMainApplication window;
    window.show();
    QApplication::processEvents();
    window.finishBuilding(); // in case the first frame has not come yet

    struct Step
    {
        QString kind, name, text;
    };
    QStringList names;
    QHash<int, QList<Step>> steps; // by position in names
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg.startsWith(QLatin1String("--")) && i + 1 < args.size() && !names.isEmpty()) {
            const QString& value = args[++i];
            const qsizetype eq = value.indexOf(u'=');
            steps[int(names.size()) - 1].append(
                {arg.mid(2), eq < 0 ? value : value.left(eq), eq < 0 ? QString() : value.mid(eq + 1)});
            continue;
        }
        names.append(arg);
    }
    if (names.isEmpty()) {
        for (const CalculatorPanel* panel : window.findChildren<CalculatorPanel*>())
            names.append(panel->objectName());
        names << QStringLiteral("OptionsDialog") << QStringLiteral("SetSliderBarRangesFrequencyConvert")
              << QStringLiteral("AboutDialog") << QStringLiteral("MessageBox");
    }
    const qreal ratio = app.devicePixelRatio();
    const QString suffix = (ratio > 1 ? QStringLiteral("@%1x").arg(ratio) : QString()) +
                           (dark ? QStringLiteral("_dark.png") : QStringLiteral(".png"));
    const auto save = [&](QWidget* w, const QString& name) {
        const QString file = out + u'/' + name + suffix;
        w->grab().save(file);
        std::printf("%s\n", qPrintable(file));
    };
    const auto showAndSave = [&](QWidget& w, const QString& name) {
        w.show();
        QApplication::processEvents();
        save(&w, name);
    };
    for (qsizetype index = 0; index < names.size(); ++index) {
        const QString& name = names[index];
        if (name == QLatin1String("OptionsDialog")) {
            TOptionsDialog dialog(&window);
            dialog.setOptionStates(window.expandCategoryListWhenLaunched(), window.autoExpandCategoryList());
            showAndSave(dialog, name);
            continue;
        }
        if (name == QLatin1String("SetSliderBarRangesFrequencyConvert")) {
            auto* conversions = window.findChild<FrequencyConversionPanel*>();
            TSetSliderBarRangesFrequencyConvert dialog(conversions);
            dialog.setPanel(conversions);
            showAndSave(dialog, name);
            continue;
        }
        if (name == QLatin1String("AboutDialog")) {
            TAboutDialog dialog(&window);
            showAndSave(dialog, name);
            continue;
        }
        if (name == QLatin1String("MessageBox")) {
            // A box waits for its answer: it is drawn and closed from the
            // event loop it runs.
            QTimer::singleShot(300, [&] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    save(box, name);
                    box->close();
                }
            });
            ui::showMessageBox(&window, {QStringLiteral("Voltage Error"),
                                         QStringLiteral("Entry not a floating point number"),
                                         ui::BoxButtons::Ok, ui::BoxIcon::Warning});
            continue;
        }
        auto* panel = window.findChild<CalculatorPanel*>(name);
        if (!panel) {
            std::fprintf(stderr, "no panel %s\n", qPrintable(name));
            continue;
        }
        window.showPanel(panel);
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
