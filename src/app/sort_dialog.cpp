#include "app/sort_dialog.h"

#include "app/fn_dialog.h"
#include "app/main_window.h"
#include "app/qt_support.h"
#include "files/file_commands.h"

#include <QGroupBox>
#include <QLabel>

namespace vextor::app {

namespace {} // namespace

SortDialog::SortDialog(MainWindow& window) : QDialog(&window), w_(window) {
    setObjectName("SortForm");
    setWindowTitle("Sort Puzzle File");
    setModal(true);
    setFont(arialFont(pointsToPixels(8)));

    QGroupBox* f = twipsFrame(this, "Source Puzzles File", 120, 120, 5400, 660);
    input_ = named(new QLineEdit(f), "Text2");
    input_->setGeometry(px(120), px(300), px(4700), px(285));
    pickInput_ = named(new FNDialog(f), "gf2");
    pickInput_->setGeometry(px(4880), px(300), px(400), px(285));

    f = twipsFrame(this, "Output File Name", 120, 840, 5400, 660);
    output_ = named(new QLineEdit(f), "Text1");
    output_->setGeometry(px(120), px(300), px(4700), px(285));
    pickOutput_ = named(new FNDialog(f), "gf1");
    pickOutput_->setGeometry(px(4880), px(300), px(400), px(285));

    f = twipsFrame(this, "Sort Criteria", 120, 1560, 2640, 1260);
    byNumber_ = named(new QRadioButton("Puzzle Number", f), "Option5");
    byRows_ = named(new QRadioButton("No of Rows", f), "Option4");
    byHeader_ = named(new QRadioButton("Header", f), "Option3");
    int top = 300;
    for (QRadioButton* b : {byNumber_, byRows_, byHeader_}) {
        b->setGeometry(px(120), px(top), px(2400), px(285));
        top += 300;
    }
    byNumber_->setChecked(true);

    f = twipsFrame(this, "Sort Order", 2880, 1560, 2640, 1260);
    ascending_ = named(new QRadioButton("Ascending", f), "Option1");
    descending_ = named(new QRadioButton("Descending", f), "Option2");
    ascending_->setGeometry(px(120), px(300), px(2400), px(285));
    descending_->setGeometry(px(120), px(600), px(2400), px(285));
    ascending_->setChecked(true);

    f = twipsFrame(this, "Puzzle#s", 120, 2880, 5400, 660);
    resequence_ = named(new QCheckBox("Resequence", f), "Check1");
    resequence_->setGeometry(px(120), px(300), px(1800), px(285));
    auto* startLabel = named(new QLabel("Start#", f), "Label1");
    startLabel->setGeometry(px(2400), px(300), px(700), px(285));
    start_ = named(new QLineEdit("1", f), "Text3");
    start_->setGeometry(px(3120), px(300), px(1000), px(285));

    auto* sort = named(new QPushButton("Sort", this), "Command1");
    sort->setToolTip("Sort puzzle file");
    auto* convert = named(new QPushButton("Convert", this), "Command3");
    convert->setToolTip(
        "This option will convert old format puzzle file containing solutions as well");
    auto* close = named(new QPushButton("Close", this), "Command2");
    close->setToolTip("Close this window");
    int left = 120;
    for (QPushButton* b : {sort, convert, close}) {
        b->setGeometry(px(left), px(3660), px(1700), px(400));
        b->setAutoDefault(false);
        left += 1850;
    }
    setFixedSize(px(5640), px(4200));

    connect(pickOutput_, &FNDialog::Click, this,
            [this] { pick(output_, "Select sort output file", true); });
    connect(pickInput_, &FNDialog::Click, this,
            [this] { pick(input_, "Select sort input file", false); });
    connect(sort, &QPushButton::clicked, this, &SortDialog::onSort);
    connect(convert, &QPushButton::clicked, this, &SortDialog::onConvert);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    window.registerSchemeWidget(this);
}

void SortDialog::showEvent(QShowEvent* event) {
    input_->setText(QString::fromStdString(w_.state().texts.caption));
    // The pickers only keep the panel colour.
    pickInput_->ForeColor = palette().color(QPalette::Window);
    pickOutput_->ForeColor = pickInput_->ForeColor;
    QDialog::showEvent(event);
}

void SortDialog::pick(QLineEdit* box, const char* title, bool save) {
    const std::string path = w_.ui().pickFile(puzzleFileRequest(w_.state(), title, save));
    if (path.empty())
        return;
    box->setText(QString::fromStdString(path));
    box->setToolTip(box->text());
}

SortOptions SortDialog::options() const {
    SortOptions o;
    o.input = toStd(input_->text());
    o.output = toStd(output_->text());
    o.key = byRows_->isChecked()     ? SortKey::Rows
            : byHeader_->isChecked() ? SortKey::Header
                                     : SortKey::Number;
    o.descending = descending_->isChecked();
    o.resequence = resequence_->isChecked();
    o.start = toStd(start_->text());
    return o;
}

void SortDialog::onSort() {
    // A click that arrives while the sort lets events run is not a new sort.
    if (running_)
        return;
    running_ = true;
    SortOptions o = options();
    w_.runCommand([&] { SortPuzzleFile(w_.ui(), o); });
    start_->setText(QString::fromStdString(o.start));
    running_ = false;
}

void SortDialog::onConvert() {
    if (running_)
        return;
    running_ = true;
    const SortOptions o = options();
    w_.runCommand([&] { ConvertCommand(w_.ui(), o.input, o.output); });
    running_ = false;
}

} // namespace vextor::app
