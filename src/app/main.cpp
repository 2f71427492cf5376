// vextor: the desktop program for cross-sum puzzles.
#include "app/app_paths.h"
#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vextor");
    QApplication::setOrganizationName("Vextor");
    vextor::app::MainWindow window;
    window.startUp(vextor::app::resolveAppFolder(QApplication::applicationDirPath()));
    window.show();
    return QApplication::exec();
}
