#include "app/file_menu.h"

#include "app/main_window.h"
#include "app/sort_dialog.h"
#include "manual/manual_solve.h"

#include <QCoreApplication>

namespace vextor::app {

SortDialog* sortDialog(MainWindow& w) {
    if (auto* d = w.findChild<SortDialog*>("SortForm"))
        return d;
    return new SortDialog(w);
}

void sortPuzzleFile(MainWindow& w) {
    sortDialog(w)->exec();
    QCoreApplication::processEvents();
    if (RemarkCursor(w.state())) {
        w.gridView()->setFocus();
        w.gridView()->update();
    }
}

} // namespace vextor::app
