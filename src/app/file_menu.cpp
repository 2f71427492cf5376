#include "app/file_menu.h"

#include "app/main_window.h"
#include "app/sort_dialog.h"
#include "files/file_management.h"
#include "manual/manual_solve.h"

#include <QAction>
#include <QCoreApplication>

namespace vextor::app {

SortDialog* sortDialog(MainWindow& w) {
    if (auto* d = w.findChild<SortDialog*>("SortForm"))
        return d;
    return new SortDialog(w);
}

namespace {

void onItem(MainWindow& w, const char* name, void (*command)(MainWindow&)) {
    QAction* a = w.action(name);
    if (!a)
        return;
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, &w, [&w, command] { command(w); });
}

void openSortDialog(MainWindow& w) {
    bool refused = false;
    w.runCommand([&] { refused = RefusedWhileSolving(w.state(), w.ui()); });
    if (refused)
        return;
    sortDialog(w)->exec();
    QCoreApplication::processEvents();
    if (RemarkCursor(w.state())) {
        w.gridView()->setFocus();
        w.gridView()->update();
    }
}

} // namespace

void wireFileMenu(MainWindow& w) {
    onItem(w, "mnuviewsol",
           [](MainWindow& w) { w.runCommand([&w] { ViewSolutionCommand(w.state(), w.ui()); }); });
    onItem(w, "mnudeletepuz", [](MainWindow& w) {
        w.hidePad(); // the grid is reloaded
        w.runCommand([&w] { DeletePuzzleCommand(w.state(), w.ui()); });
    });
    onItem(w, "mnusaveas", [](MainWindow& w) {
        w.runCommand([&w] { SavePuzzleFileAsCommand(w.state(), w.ui()); });
    });
    onItem(w, "mnubackup", [](MainWindow& w) {
        w.runCommand([&w] { BackupPuzzleFileCommand(w.state(), w.ui()); });
    });
    onItem(w, "mnusortpuz", openSortDialog);
}

} // namespace vextor::app
