// Program entry: create the application, its main window and the splash,
// run the message loop. No command line is read.

#include "app/main_startup.h"
#include "app/main_window.h"
#include "app/splash.h"
#include "core/app_info.h"
#include "help/help_window.h"
#include "ui/message_box.h"

#include <QApplication>

#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app::prepareApplication(app);
    help::setHelpPresenter(help::helpWindowPresenter());
    try {
        TFormMainApplication window;
        // Then the other windows, in their order: the About box, the Options
        // dialog and the schematic windows are made by the main window when
        // first asked for; the splash is made here, since its timer runs from
        // its creation.
        TSplash splash;
        window.show();
        return app.exec();
    } catch (const StartupAborted& aborted) {
        return aborted.exitStatus;
    } catch (const std::exception& error) {
        ui::showMessageBox(nullptr,
                           {QString::fromLatin1(app::kApplicationTitle), QString::fromUtf8(error.what()),
                            ui::BoxButtons::Ok, ui::BoxIcon::Critical});
        // A start-up that failed is not reported as a success.
        return 1;
    }
}
