// Program entry: create the application and its windows, run the message loop.

#include "shell/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <QToolTip>

#include <exception>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(TFormMainApplication::kApplicationTitle));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    try {
        TFormMainApplication window;
        window.show();
        return app.exec();
    } catch (const StartupAborted& aborted) {
        return aborted.exitStatus;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QString::fromLatin1(TFormMainApplication::kApplicationTitle),
                              QString::fromUtf8(error.what()));
        return 0;
    }
}
