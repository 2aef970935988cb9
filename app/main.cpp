// Program entry: create the application and run the program. No command line
// is read.

#include "app/main_startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    app::startLoadingFontConfiguration();
    QApplication app(argc, argv);
    app::prepareApplication(app);
    return app::runProgram(app);
}
