#include "app/print_dialog.h"

#include "app/fn_dialog.h"
#include "app/main_window.h"
#include "app/print_menu.h"
#include "app/qt_support.h"
#include "base/text.h"
#include "files/file_commands.h"
#include "files/puzzle_file.h"
#include "print/print_commands.h"

#include <QGroupBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

namespace vextor::app {

namespace {} // namespace

PrintDialog::PrintDialog(MainWindow& window) : QDialog(&window), w_(window) {
    setObjectName("Form5");
    setWindowTitle("Print Puzzles From File");
    setModal(true);
    setFont(arialFont(pointsToPixels(8)));

    QGroupBox* f = named(twipsFrame(this, "Printer", 120, 120, 5400, 660), "Frame5");
    printers_ = named(new QComboBox(f), "Combo1");
    printers_->setGeometry(px(120), px(300), px(5160), px(285));
    printers_->setToolTip("Select a printer for output");

    const QString unavailable = "This option is not available";
    f = named(twipsFrame(this, "Orientation", 120, 840, 2640, 960), "Frame4");
    f->setToolTip(unavailable);
    auto* portrait = named(new QRadioButton("Portrait", f), "Option1");
    auto* landscape = named(new QRadioButton("Landscape", f), "Option2");
    portrait->setGeometry(px(120), px(300), px(2400), px(285));
    landscape->setGeometry(px(120), px(600), px(2400), px(285));
    portrait->setChecked(true);

    f = named(twipsFrame(this, "Grids per page", 2880, 840, 2640, 1260), "Frame3");
    f->setToolTip(unavailable);
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } grids[] = {{"Option3", "6 (puzzles only)", "Fit 6 grids (puzzles only) on one page"},
                 {"Option4", "2", "Print a puzzle and its solution on one page"},
                 {"Option5", "12 (puzzle  only)", "Fit 12 grids (puzzles only) on one page"}};
    int top = 300;
    QList<QRadioButton*> options = {portrait, landscape};
    for (const auto& g : grids) {
        auto* b = named(new QRadioButton(g.caption, f), g.name);
        b->setToolTip(g.tip);
        b->setGeometry(px(120), px(top), px(2400), px(285));
        top += 300;
        options.append(b);
    }
    options[3]->setChecked(true); // "2"
    for (QRadioButton* b : options)
        b->setEnabled(false);

    f = named(twipsFrame(this, "Puzzles File", 120, 2160, 5400, 660), "InFileFrame");
    f->setToolTip("Puzzles to be printed are stored in this file");
    fileNow_ = named(new QLineEdit(f), "FileNow");
    fileNow_->setGeometry(px(120), px(300), px(4700), px(285));
    pick_ = named(new FNDialog(f), "gf1");
    pick_->setGeometry(px(4880), px(300), px(400), px(285));

    f = named(twipsFrame(this, "# of Puzzles", 120, 2880, 3240, 660), "Frame1");
    named(new QLabel("From", f), "Label1")->setGeometry(px(120), px(300), px(500), px(285));
    from_ = named(new QLineEdit("1", f), "Text1");
    from_->setGeometry(px(640), px(300), px(900), px(285));
    named(new QLabel("To", f), "Label2")->setGeometry(px(1700), px(300), px(400), px(285));
    to_ = named(new QLineEdit(f), "Text2");
    to_->setGeometry(px(2160), px(300), px(900), px(285));

    f = named(twipsFrame(this, "Print Solution", 3480, 2880, 2040, 660), "Frame2");
    solution_ = named(new QCheckBox("Yes", f), "Check1");
    solution_->setGeometry(px(120), px(300), px(1800), px(285));
    solution_->setChecked(true);
    // A booklet: all puzzles first, then all their solutions. It prints the
    // solutions, so it is offered only while they are printed.
    book_ = named(new QCheckBox("Solutions at the back", this), "CheckBook",
                  "Print every puzzle first, two to a page, and all their solutions after them");
    book_->setGeometry(px(240), px(3600), px(5160), px(285));
    connect(solution_, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            book_->setChecked(false);
        book_->setEnabled(on);
    });

    auto* print = named(new QPushButton("Print", this), "Command1");
    auto* cancel = named(new QPushButton("Cancel", this), "Command2");
    print->setGeometry(px(1080), px(3960), px(1700), px(400));
    cancel->setGeometry(px(2940), px(3960), px(1700), px(400));
    print->setAutoDefault(false);
    cancel->setAutoDefault(false);
    setFixedSize(px(5640), px(4500));

    connect(pick_, &FNDialog::Click, this, &PrintDialog::onPick);
    connect(print, &QPushButton::clicked, this, &PrintDialog::onPrint);
    connect(cancel, &QPushButton::clicked, this, [this] {
        hide();
        Tag = "X";
    });
    window.registerSchemeWidget(this);
}

void PrintDialog::showEvent(QShowEvent* event) {
    // Until Print hands back a request, the dialog counts as cancelled: the
    // close box leaves "X".
    Tag = "X";
    printers_->clear();
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        printers_->addItem(name);
    printers_->addItem(pdfEntry());
    printers_->setCurrentText(currentPrinter(w_));
    fileNow_->setText(QString::fromStdString(w_.state().puzfile));
    to_->setText(QString::fromStdString(plainNumber(w_.state().npuzzles)));
    pick_->ForeColor = palette().color(QPalette::Window);
    QDialog::showEvent(event);
}

void PrintDialog::onPick() {
    FileRequest request = puzzleFileRequest(w_.state(), "Vextor", false);
    const std::string name = w_.ui().pickFile(request);
    if (name.empty())
        return;
    const int count = CountPuzzles(name, w_.ui());
    if (count < 1) {
        w_.ui().message("No puzzles in this file: " + name);
        return;
    }
    fileNow_->setText(QString::fromStdString(name));
    to_->setText(QString::fromStdString(plainNumber(count)));
}

void PrintDialog::onPrint() {
    std::optional<print::PrintRequest> request;
    w_.runCommand([&] {
        request = print::CheckPrintRequest(w_.ui(), toStd(fileNow_->text()), toStd(from_->text()),
                                           toStd(to_->text()), solution_->isChecked());
    });
    if (!request)
        return;
    request->book = book_->isChecked() && solution_->isChecked();
    printer_ = printers_->currentText();
    Tag = QString::fromStdString(print::requestTag(*request));
    hide();
}

} // namespace vextor::app
