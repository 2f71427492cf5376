#include "app/create_dialog.h"

#include "app/fn_dialog.h"
#include "app/qt_support.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vextor::app {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CreateDialog::CreateDialog(UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName("Form3");
    setWindowTitle("Create New Puzzles");
    setModal(true);

    frame4_ = named(new QGroupBox("Puzzle Title", this), "Frame4");
    text4_ = named(new QLineEdit("New Puzzle", frame4_), "Text4");
    (new QVBoxLayout(frame4_))->addWidget(text4_);

    frame3_ = named(new QGroupBox("Template", this), "Frame3");
    check3_ = named(new QCheckBox("Random between 7x7 and 10x10", frame3_), "Check3",
                    "Grid size will vary randomly between 7x7 and 10x10");
    check2_ =
        named(new QCheckBox("Fixed", frame3_), "Check2", "Grid size will be fixed as specified");
    option1_1_ = named(new QRadioButton("Random with Grid Size", frame3_), "Option1_1",
                       "Computer will create a random layout of black and sum squares");
    option1_0_ = named(new QRadioButton("Current", frame3_), "Option1_0",
                       "New puzzle will use the current setup of black and sum squares");
    text3_ = named(new QLineEdit("10", frame3_), "Text3");
    text2_ = named(new QLineEdit("10", frame3_), "Text2");
    auto* label2 = named(new QLabel("Columns", frame3_), "Label2");
    auto* label1 = named(new QLabel("Rows", frame3_), "Label1");
    auto* options = new QButtonGroup(this);
    options->addButton(option1_0_, 0);
    options->addButton(option1_1_, 1);
    for (QLineEdit* box : {text2_, text3_})
        box->setMaximumWidth(60);
    auto* grid = new QGridLayout(frame3_);
    grid->addWidget(option1_0_, 0, 0, 1, 2);
    grid->addWidget(option1_1_, 1, 0, 1, 2);
    grid->addWidget(check2_, 2, 0);
    grid->addWidget(label1, 2, 1);
    grid->addWidget(text2_, 2, 2);
    grid->addWidget(label2, 2, 3);
    grid->addWidget(text3_, 2, 4);
    grid->addWidget(check3_, 3, 0, 1, 5);
    // Beyond the dialog's first design: every puzzle made has one solution.
    checkUnique_ = named(new QCheckBox("Unique solution", frame3_), "CheckUnique",
                         "Every puzzle made has exactly one solution");
    grid->addWidget(checkUnique_, 4, 0, 1, 5);
    // Classic puzzles: a difficulty and a symmetry, sizes up to 15 x 18.
    checkClassic_ = named(new QCheckBox("Classic layout", frame3_), "CheckClassic",
                          "Classic puzzles of a chosen difficulty, 5 to 15 rows and 5 to 18 "
                          "columns; with Current the layout drawn is filled");
    difficulty_ = named(new QComboBox(frame3_), "ComboDifficulty", "Difficulty of every puzzle");
    difficulty_->addItems({"any", "easy", "medium", "hard", "expert"});
    symmetry_ = named(new QComboBox(frame3_), "ComboSymmetry", "Symmetry of a random layout");
    symmetry_->addItems({"half-turn", "mirror", "none"});
    grid->addWidget(checkClassic_, 5, 0);
    grid->addWidget(named(new QLabel("Difficulty", frame3_), "LabelDifficulty"), 5, 1);
    grid->addWidget(difficulty_, 5, 2);
    grid->addWidget(named(new QLabel("Symmetry", frame3_), "LabelSymmetry"), 5, 3);
    grid->addWidget(symmetry_, 5, 4);

    command2_ = named(new QPushButton("Cancel", this), "Command2");
    command1_ = named(new QPushButton("Create", this), "Command1");
    command1_->setDefault(true);

    frame2_ = named(new QGroupBox("Store Solution", this), "Frame2",
                    "Tick yes if solution is to be stored for printout later");
    check1_ = named(new QCheckBox("Yes", frame2_), "Check1");
    (new QVBoxLayout(frame2_))->addWidget(check1_);

    frame1_ = named(new QGroupBox("# of Puzzles", this), "Frame1",
                    "Enter 0 if only one puzzle is required without saving to output file");
    text1_ = named(new QLineEdit("0", frame1_), "Text1");
    (new QVBoxLayout(frame1_))->addWidget(text1_);

    inFileFrame_ = named(new QGroupBox("Output File", this), "InFileFrame",
                         "This is the file where puzzles are stored");
    fileNow_ = named(new QLineEdit(inFileFrame_), "FileNow");
    gf1_ = named(new FNDialog(inFileFrame_), "gf1");
    gf1_->setFixedSize(px(365), px(300));
    auto* fileRow = new QHBoxLayout(inFileFrame_);
    fileRow->addWidget(fileNow_);
    fileRow->addWidget(gf1_);

    auto* top = new QHBoxLayout;
    top->addWidget(frame1_);
    top->addWidget(frame2_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(command1_);
    buttons->addWidget(command2_);
    auto* all = new QVBoxLayout(this);
    all->addWidget(frame4_);
    all->addLayout(top);
    all->addWidget(inFileFrame_);
    all->addWidget(frame3_);
    all->addLayout(buttons);
    setMinimumWidth(px(6000));

    connect(option1_0_, &QRadioButton::clicked, this, [this] { apply(SelectCurrentTemplate); });
    connect(option1_1_, &QRadioButton::clicked, this, [this] { apply(SelectRandomTemplate); });
    connect(check2_, &QCheckBox::clicked, this, [this] { apply(FixedSizeReleased); });
    connect(check3_, &QCheckBox::clicked, this, [this] { apply(RandomSizeReleased); });
    connect(checkClassic_, &QCheckBox::toggled, this, [this](bool on) {
        difficulty_->setEnabled(on);
        symmetry_->setEnabled(on);
    });
    connect(command1_, &QPushButton::clicked, this, &CreateDialog::onCreate);
    connect(command2_, &QPushButton::clicked, this, [this] {
        shown_.tag = "X";
        hide();
        reject();
    });
    connect(gf1_, &FNDialog::Click, this, &CreateDialog::onPick);

    CreateDialogForm initial;
    load(initial); // "Current" selected: the size controls start disabled
}

CreateDialogForm CreateDialog::form() const {
    CreateDialogForm f = shown_;
    f.title = text4_->text().toStdString();
    f.randomTemplate = option1_1_->isChecked();
    f.fixedSize = check2_->isChecked();
    f.randomSize = check3_->isChecked();
    f.sizeChecksEnabled = check2_->isEnabled();
    f.sizeBoxesEnabled = text2_->isEnabled();
    f.rows = text2_->text().toStdString();
    f.cols = text3_->text().toStdString();
    f.storeSolution = check1_->isChecked();
    f.unique = checkUnique_->isChecked();
    f.classic = checkClassic_->isChecked();
    f.difficulty = difficulty_->currentText().toStdString();
    f.symmetry = symmetry_->currentText().toStdString();
    f.count = text1_->text().toStdString();
    f.fileNow = fileNow_->text().toStdString();
    return f;
}

void CreateDialog::load(const CreateDialogForm& f) {
    shown_ = f;
    setWindowTitle(q(f.caption));
    command1_->setText(q(f.acceptCaption));
    frame3_->setVisible(f.templateVisible);
    frame1_->setVisible(f.countVisible);
    text4_->setText(q(f.title));
    (f.randomTemplate ? option1_1_ : option1_0_)->setChecked(true);
    check2_->setChecked(f.fixedSize);
    check3_->setChecked(f.randomSize);
    check2_->setEnabled(f.sizeChecksEnabled);
    check3_->setEnabled(f.sizeChecksEnabled);
    text2_->setEnabled(f.sizeBoxesEnabled);
    text3_->setEnabled(f.sizeBoxesEnabled);
    text2_->setText(q(f.rows));
    text3_->setText(q(f.cols));
    check1_->setChecked(f.storeSolution);
    checkUnique_->setChecked(f.unique);
    checkClassic_->setChecked(f.classic);
    difficulty_->setCurrentText(q(f.difficulty));
    symmetry_->setCurrentText(q(f.symmetry));
    difficulty_->setEnabled(f.classic);
    symmetry_->setEnabled(f.classic);
    text1_->setText(q(f.count));
    fileNow_->setText(q(f.fileNow));
}

void CreateDialog::apply(void (*rule)(CreateDialogForm&)) {
    CreateDialogForm f = form();
    rule(f);
    load(f);
}

void CreateDialog::showForm(CreateDialogForm& f, const std::string& defaultDir) {
    defaultDir_ = defaultDir;
    load(f);
    // Escape and the close box cancel, as the Cancel button does.
    if (exec() != QDialog::Accepted)
        shown_.tag = "X";
    f = form();
}

void CreateDialog::onCreate() {
    const std::string problem = CreateDialogProblem(form());
    if (!problem.empty()) {
        ui_.message(problem);
        return;
    }
    shown_.tag = "Y";
    hide();
    accept();
}

void CreateDialog::onPick() {
    FileRequest r;
    r.fileTypes = "*.vxt;*.txt;*.dat";
    r.fileTypesName = "Vextor Files";
    r.defaultDir = defaultDir_;
    r.title = "Vextor";
    r.save = true;
    const std::string path = ui_.pickFile(r);
    if (path.empty())
        return;
    fileNow_->setText(q(path));
    fileNow_->setToolTip(q(path));
}

void CreateDialog::closeEvent(QCloseEvent* event) {
    shown_.tag = "X";
    QDialog::closeEvent(event);
}

} // namespace vextor::app
