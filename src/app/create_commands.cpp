#include "app/create_commands.h"

#include "app/create_dialog.h"
#include "app/main_window.h"
#include "create/batch_create.h"

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

CreateCommands& commands(MainWindow& w) {
    if (auto* c = w.findChild<QObject*>("CreateCommands", Qt::FindDirectChildrenOnly))
        return *static_cast<CreateCommands*>(c);
    return *new CreateCommands(w);
}

} // namespace

void autoCreate(MainWindow& w) {
    commands(w).autoCreate();
}

void addPuzzle(MainWindow& w) {
    commands(w).addPuzzle();
}

CreateDialog* createDialog(MainWindow& w) {
    return commands(w).dialog();
}

} // namespace vextor::app
