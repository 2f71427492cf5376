#include "app/print_menu.h"

#include "app/main_window.h"
#include "app/print_backend/painter_pages.h"
#include "app/print_dialog.h"
#include "app/qt_support.h"
#include "base/text.h"
#include "files/file_management.h"
#include "print/print_commands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace vextor::app {

PrintDialog* printDialog(MainWindow& w) {
    if (auto* d = w.findChild<PrintDialog*>("Form5"))
        return d;
    return new PrintDialog(w);
}

QString currentPrinter(MainWindow& w) {
    if (auto* d = w.findChild<PrintDialog*>("Form5"); d && !d->printer().isEmpty())
        return d->printer();
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    return system.isNull() ? PrintDialog::pdfEntry() : system.printerName();
}

namespace {

// Where the pages go: a system printer, or a PDF file named with a Save
// picker (the "PDF file" entry, and every machine without a printer).
class Output {
public:
    // nullptr when the person cancelled the picker, or picked the puzzle
    // file printed (`printed`) as the PDF.
    static std::unique_ptr<Output> open(MainWindow& w, const std::string& printed) {
        auto out = std::unique_ptr<Output>(new Output);
        const QString printer = currentPrinter(w);
        if (printer != PrintDialog::pdfEntry()) {
            out->printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(printer),
                                                       QPrinter::HighResolution);
            out->printer_->setDocName("Vextor puzzles");
            out->painter_ = std::make_unique<printing::PainterSink>(out->printer_.get());
            out->name_ = toStd(printer);
            return out;
        }
        FileRequest request;
        request.title = "Print to PDF file";
        request.fileTypes = "*.pdf";
        request.fileTypesName = "PDF Files";
        request.defaultDir = w.state().apppath;
        request.save = true;
        std::string path = w.ui().pickFile(request);
        if (path.empty())
            return nullptr;
        if (QFileInfo(QString::fromStdString(path)).suffix().isEmpty())
            path += ".pdf";
        if (print::RefusedPrintTarget(w.ui(), path, printed) || !ConfirmOverwrite(w.ui(), path))
            return nullptr;
        out->pdf_ = std::make_unique<printing::PdfSink>(
            QString::fromStdString(path), QFileInfo(QString::fromStdString(path)).fileName());
        out->name_ = path;
        return out;
    }

    print::PageSink& sink() { return pdf_ ? static_cast<print::PageSink&>(*pdf_) : *painter_; }
    // Ends the document and reports it: "Done" (naming the PDF file), or
    // the failure with the output's name. Pages on which no record could be
    // drawn are no print-out: a PDF of them is removed.
    void finish(UserInterface& ui, bool drawn) {
        const bool ok = pdf_ ? pdf_->finish() : painter_->finish();
        if (!ok)
            ui.message("Printing failed: cannot write to " + name_);
        else if (!drawn && pdf_)
            QFile::remove(QString::fromStdString(name_));
        if (!ok || !drawn)
            return;
        ui.message(pdf_ ? "Done\r\nPDF file: " + name_ : "Done");
    }

private:
    Output() = default;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<printing::PainterSink> painter_;
    std::unique_ptr<printing::PdfSink> pdf_;
    std::string name_;
};

std::string footer() {
    return print::footerText(dateTimeNow().substr(0, 10));
}

} // namespace

void printCurrentPuzzle(MainWindow& w) {
    const auto out = Output::open(w, w.state().puzfile);
    if (!out)
        return;
    w.runCommand([&] {
        const int pages = print::PrintCurrentPuzzle(w.state(), w.ui(), out->sink(), footer());
        out->finish(w.ui(), pages > 0);
    });
}

void printPuzzlesFromFile(MainWindow& w) {
    PrintDialog* d = printDialog(w);
    d->exec();
    QCoreApplication::processEvents();
    const auto request = print::parseRequestTag(toStd(d->Tag));
    if (!request)
        return;
    const auto out = Output::open(w, request->file);
    if (!out)
        return;
    w.runCommand([&] {
        int drawn = 0;
        const int pages =
            print::PrintPuzzlesFromFile(w.state(), w.ui(), *request, out->sink(), footer(), &drawn);
        // A range of no records (From above To) prints nothing and is done.
        out->finish(w.ui(), pages == 0 || drawn > 0);
    });
}

} // namespace vextor::app
