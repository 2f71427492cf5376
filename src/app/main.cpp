// vextor: the desktop program for cross-sum puzzles.
// `vextor [FILE]` opens FILE at record 1 once start-up is done.
#include "app/app_paths.h"
#include "app/main_window.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vextor");
    QApplication::setOrganizationName("Vextor");
    QApplication::setApplicationVersion("1.1");
    QApplication::setDesktopFileName("vextor");
    QCommandLineParser options;
    options.setApplicationDescription("Vextor: cross-sum puzzles");
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument("file", "A puzzle file to open at its first record.", "[file]");
    options.process(app);

    vextor::app::MainWindow window;
    window.startUp(vextor::app::resolveAppFolder(QApplication::applicationDirPath()));
    window.show();
    if (!options.positionalArguments().isEmpty())
        window.openFile(options.positionalArguments().constFirst());
    return QApplication::exec();
}
