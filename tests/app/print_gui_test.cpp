// The print menu: the print dialog's checks, and both commands printing to a PDF.
#include "app/print_dialog.h"
#include "app/print_menu.h"
#include "program_folder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

const std::string kThree =
    tinyRecord(1, true, "Gamma") + tinyRecord(2, true, "alpha") + tinyRecord(3, true, "Beta");

struct PrintFixture : ProgramWindow {
    void SetUp() override { start(kThree); }
    bool isPdf(const std::string& path) {
        return std::filesystem::exists(path) && readFile(path).rfind("%PDF", 0) == 0;
    }
};

template <typename T> T* child(QWidget* d, const char* name) {
    return d->findChild<T*>(name);
}

} // namespace

TEST_F(PrintFixture, DialogRefusesBadInputAndPrintsARangeToPdf) {
    onModal([&](QWidget* d) {
        EXPECT_EQ(child<QLineEdit>(d, "FileNow")->text().toStdString(), puz);
        EXPECT_EQ(child<QLineEdit>(d, "Text1")->text() + child<QLineEdit>(d, "Text2")->text(),
                  "13");
        for (auto* option : d->findChildren<QRadioButton*>())
            EXPECT_FALSE(option->isEnabled()) << option->text().toStdString();
        EXPECT_TRUE(child<QRadioButton>(d, "Option4")->isChecked()); // "2"
        d->close(); // the close box prints nothing and asks for no file
    });
    run("mnuprintfile");
    EXPECT_TRUE(ui.messages.empty() && ui.fileRequests.empty());
    const std::string pdf = dir.file("out.pdf");
    ui.fileAnswers.push_back(pdf);
    onModal([&](QWidget* d) {
        child<QComboBox>(d, "Combo1")->setCurrentText("PDF file");
        auto* print = child<QPushButton>(d, "Command1");
        child<QLineEdit>(d, "Text2")->setText("4");
        print->click();
        EXPECT_TRUE(d->isVisible());
        child<QLineEdit>(d, "Text1")->setText("2");
        child<QLineEdit>(d, "Text2")->setText("3");
        print->click();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(qobject_cast<PrintDialog*>(d)->Tag.toStdString(), puz + ",2,3,1");
    });
    run("mnuprintfile");
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Invalid from or to puzzle number",
                                                     "Done\r\nPDF file: " + pdf}));
    ASSERT_TRUE(ui.fileRequests.size() == 1u && ui.fileRequests[0].save);
    EXPECT_TRUE(isPdf(pdf));
}

TEST_F(PrintFixture, PrintCurrentPuzzleWithoutAPrinterGoesToPdf) {
    if (currentPrinter(*w) != PrintDialog::pdfEntry())
        GTEST_SKIP() << "this machine has a printer";
    const std::string pdf = dir.file("current"); // the picker's name gets ".pdf"
    ui.fileAnswers = {"", puz, pdf}; // cancelled: nothing happens; the puzzle file: refused
    for (int k = 0; k < 3; ++k)
        run("mnuprintcurrent");
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"A puzzle file cannot be printed into itself:\r\n" + puz,
                                        "Done\r\nPDF file: " + pdf + ".pdf"}));
    EXPECT_EQ(readFile(puz), kThree);
    EXPECT_TRUE(isPdf(pdf + ".pdf"));
    // The working file holds the grid on screen as record 1 with its contents.
    EXPECT_EQ(readFile(st().currentpuzfile).substr(0, 9), "#1\r\nGamma");
}

TEST_F(PrintFixture, SolutionsAtTheBackPrintABookletAndNeedTheSolutions) {
    const std::string pdf = dir.file("book.pdf");
    ui.fileAnswers.push_back(pdf);
    onModal([&](QWidget* d) {
        child<QComboBox>(d, "Combo1")->setCurrentText("PDF file");
        auto* book = child<QCheckBox>(d, "CheckBook");
        book->setChecked(true);
        child<QCheckBox>(d, "Check1")->setChecked(false); // no solutions: no booklet
        EXPECT_FALSE(book->isEnabled() || book->isChecked());
        child<QCheckBox>(d, "Check1")->setChecked(true);
        book->setChecked(true);
        child<QPushButton>(d, "Command1")->click();
        EXPECT_EQ(qobject_cast<PrintDialog*>(d)->Tag.toStdString(), puz + ",1,3,2");
    });
    run("mnuprintfile");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Done\r\nPDF file: " + pdf});
    EXPECT_TRUE(isPdf(pdf));
}
