#include "app/solver_buttons.h"

#include "app/main_window.h"
#include "solver/autosolve.h"
#include "solver/guessing.h"

#include <QAction>
#include <QPushButton>

namespace vextor::app {

void wireSolverButtons(MainWindow& w) {
    // While AutoSolve runs its button ignores clicks; the window keeps
    // processing events once per deduction cycle, so Cancel Auto Solve is
    // delivered and seen at the next check.
    if (QPushButton* b = w.button("AutoSolve")) {
        b->setEnabled(true);
        QObject::connect(b, &QPushButton::clicked, &w, [&w] {
            w.hidePad(); // the solver owns the grid from now on
            w.runCommand([&w] { AutoSolveCommand(w.state(), w.ui()); });
        });
    }
    if (QPushButton* b = w.button("Command9")) {
        b->setEnabled(true);
        QObject::connect(b, &QPushButton::clicked, &w, [&w] {
            CancelAutoSolveCommand(w.state());
            w.refresh();
        });
    }
    // The menu item stays disabled, as the program has always shown it.
    if (QAction* a = w.action("mnusolveinteractive"))
        QObject::connect(a, &QAction::triggered, &w, [&w] {
            w.runCommand([&w] { SolveInteractivelyCommand(w.state(), w.ui()); });
        });
    auto* findChoices = new QPushButton("Find Choices", &w);
    findChoices->setObjectName("Command2");
    findChoices->hide();
    QObject::connect(findChoices, &QPushButton::clicked, &w,
                     [&w] { w.runCommand([&w] { FindChoicesCommand(w.state(), w.ui()); }); });
}

} // namespace vextor::app
