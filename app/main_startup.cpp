#include "app/main_startup.h"

#include "app/main_window.h"
#include "app/splash.h"
#include "artwork/artwork.h"
#include "core/app_info.h"
#include "help/help_window.h"
#include "ui/message_box.h"
#include "ui/program_look.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

#include <exception>
#include <thread>

#include <fontconfig/fontconfig.h>

namespace app {

namespace {

std::jthread g_fontConfiguration;

// Every hint of every window, also those made later, stays up for ten
// seconds unless its widget asks for another time. Done once for the whole
// application, rather than by visiting each widget at start-up.
class HintDuration : public QObject
{
public:
    using QObject::QObject;

    static constexpr int kMilliseconds = 10000;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->toolTip().isEmpty() || widget->toolTipDuration() >= 0)
            return false; // the widget's own handling: passed on, or its own time
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), kMilliseconds);
        return true;
    }
};

} // namespace

void startLoadingFontConfiguration()
{
    g_fontConfiguration = std::jthread([] { FcInit(); });
}

void prepareApplication(QApplication& application)
{
    QApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    look::applyProgramStyle(application);
    look::applyProgramPalette(application);
    // The windows are laid out in pixels for the program's own face; it is
    // also the face of everything made without a window to take it from
    // (text documents, hints, message boxes), so start-up loads one face.
    QApplication::setFont(artwork::face(12));
    // Ties the window to its launcher and icon on the desktop.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileId));
    QApplication::setWindowIcon(look::programIcon());
    application.installEventFilter(new HintDuration(&application));
}

int runProgram(QApplication& application)
{
    help::setHelpPresenter(help::helpWindowPresenter());
    if (g_fontConfiguration.joinable())
        g_fontConfiguration.join();
    try {
        TFormMainApplication window;
        // Then the other windows, in their order: the About box, the Options
        // dialog and the schematic windows are made by the main window when
        // first asked for; the splash is made here, since its time runs from
        // its creation, and comes up over the window's first frame.
        TSplash splash;
        window.show();
        return application.exec();
    } catch (const StartupAborted& aborted) {
        return aborted.exitStatus;
    } catch (const std::exception& error) {
        ui::showMessageBox(nullptr, {QString::fromLatin1(kApplicationTitle), QString::fromUtf8(error.what()),
                                     ui::BoxButtons::Ok, ui::BoxIcon::Critical});
        // A start-up that failed is not reported as a success.
        return 1;
    }
}

} // namespace app
