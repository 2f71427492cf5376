#include "app/create_commands.h"

#include "app/create_dialog.h"
#include "app/main_window.h"
#include "create/batch_create.h"
#include "create/compile.h"
#include "create/random_layout.h"
#include "create/unique.h"

#include <QAction>
#include <QPushButton>

namespace vextor::app {

namespace {

// The dialog's values between uses.
class CreateCommands : public QObject {
public:
    explicit CreateCommands(MainWindow& w) : QObject(&w), w_(w) { setObjectName("CreateCommands"); }

    CreateDialog* dialog() {
        if (!dialog_)
            dialog_ = new CreateDialog(w_.ui(), &w_);
        return dialog_;
    }

    void autoCreate() {
        w_.hidePad();
        w_.runCommand([this] {
            AutoCreateCommand(w_.state(), w_.ui(), form_, [this](CreateDialogForm& f) {
                dialog()->showForm(f, w_.state().apppath);
            });
        });
    }

    void addPuzzle() {
        w_.hidePad(); // the grid is reloaded
        w_.runCommand([this] {
            AddPuzzleCommand(w_.state(), w_.ui(), form_, [this](CreateDialogForm& f) {
                dialog()->showForm(f, w_.state().apppath);
            });
        });
    }

private:
    MainWindow& w_;
    CreateDialog* dialog_ = nullptr;
    CreateDialogForm form_;
};

} // namespace

void wireCreateCommands(MainWindow& w) {
    auto* commands = new CreateCommands(w);
    if (QAction* a = w.action("mnucompile")) {
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, &w, [&w] {
            w.hidePad();
            w.runCommand([&w] { CompileCommand(w.state(), w.ui()); });
        });
    }
    if (QAction* a = w.action("mnucountsol")) {
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, &w, [&w] {
            w.runCommand([&w] { CountSolutionsCommand(w.state(), w.ui()); });
        });
    }
    if (QAction* a = w.action("mnuautocreate")) {
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, commands, [commands] { commands->autoCreate(); });
    }
    if (QAction* a = w.action("mnuaddpuz")) {
        a->setEnabled(true);
        QObject::connect(a, &QAction::triggered, commands, [commands] { commands->addPuzzle(); });
    }
    if (QPushButton* b = w.button("Command14")) {
        b->setEnabled(true);
        QObject::connect(b, &QPushButton::clicked, &w, [&w] {
            w.hidePad();
            w.runCommand([&w] { CreateNewRandomCommand(w.state(), w.ui()); });
        });
    }
}

CreateDialog* createDialog(MainWindow& w) {
    auto* commands = w.findChild<QObject*>("CreateCommands", Qt::FindDirectChildrenOnly);
    return commands ? static_cast<CreateCommands*>(commands)->dialog() : nullptr;
}

} // namespace vextor::app
