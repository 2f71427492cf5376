// The creation dialog (Form3, "Create New Puzzles"): how many puzzles, the
// output file, the solution, the title and the template, plain or classic
// (with its difficulty and symmetry). The Auto command
// opens it with every frame; Add Puzzle opens it in its save form, with the
// Template and "# of Puzzles" frames hidden. The rules live in the core
// (CreateDialogForm); the dialog shows a form and hands it back.
#pragma once

#include "base/user_interface.h"
#include "create/batch_create.h"

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vextor::app {

class FNDialog;

class CreateDialog : public QDialog {
    Q_OBJECT
public:
    // ui shows the validation messages and the file picker; defaultDir is the
    // picker's start folder (the program folder).
    CreateDialog(UserInterface& ui, QWidget* parent = nullptr);

    // Shows the form modally: the controls take its values and give them back
    // when the dialog closes, with tag "Y" (Create passed its checks) or "X".
    void showForm(CreateDialogForm& form, const std::string& defaultDir);

    // The form as the controls stand now.
    CreateDialogForm form() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load(const CreateDialogForm& form);
    void apply(void (*rule)(CreateDialogForm&));
    void onCreate();
    void onPick();

    UserInterface& ui_;
    std::string defaultDir_;
    CreateDialogForm shown_; // what the controls do not hold (captions, tag)
    QGroupBox* frame4_;
    QLineEdit* text4_;
    QGroupBox* frame3_;
    QCheckBox* check3_;
    QCheckBox* check2_;
    QRadioButton* option1_1_;
    QRadioButton* option1_0_;
    QLineEdit* text3_;
    QLineEdit* text2_;
    QPushButton* command2_;
    QPushButton* command1_;
    QGroupBox* frame2_;
    QCheckBox* check1_;
    QCheckBox* checkUnique_;  // "Unique solution"
    QCheckBox* checkClassic_; // "Classic layout"
    QComboBox* difficulty_;   // ComboDifficulty
    QComboBox* symmetry_;     // ComboSymmetry
    QGroupBox* frame1_;
    QLineEdit* text1_;
    QGroupBox* inFileFrame_;
    QLineEdit* fileNow_;
    FNDialog* gf1_;
};

} // namespace vextor::app
