// The print menu: the print dialog's checks, and both commands printing to a PDF.
#include "app/main_window.h"
#include "app/print_dialog.h"
#include "app/print_menu.h"
#include "program_folder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

std::string rec(int n, const std::string& title) {
    return "#" + std::to_string(n) + "\r\n" + title +
           "\r\n 3, 3\r\nX 0,3 0,4|X 0,3 0,4\r\n3,0 2|3,0 2 1\r\n4,0 2|4,0 1 3\r\n";
}

struct PrintFixture : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;
    std::string puz;

    void SetUp() override {
        puz = dir.file("three.vxt");
        writeFile(puz, rec(1, "Gamma") + rec(2, "alpha") + rec(3, "Beta"));
        test::fillProgramFolder(dir, "default.sch", puz);
        w = test::startProgram(dir, &ui);
    }
    bool isPdf(const std::string& path) {
        return std::filesystem::exists(path) && readFile(path).rfind("%PDF", 0) == 0;
    }
};

void onDialog(std::function<void(PrintDialog*)> body) {
    QTimer::singleShot(0, [body] {
        auto* d = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        body(d);
    });
}

template <typename T> T* child(QWidget* d, const char* name) {
    return d->findChild<T*>(name);
}

} // namespace

TEST_F(PrintFixture, DialogShowsItsFieldsAndTheCloseBoxCancels) {
    ASSERT_TRUE(w->action("mnuprintfile")->isEnabled());
    onDialog([&](PrintDialog* d) {
        EXPECT_EQ(child<QLineEdit>(d, "FileNow")->text().toStdString(), puz);
        EXPECT_EQ(child<QLineEdit>(d, "Text1")->text() + child<QLineEdit>(d, "Text2")->text(),
                  "13");
        EXPECT_GE(child<QComboBox>(d, "Combo1")->findText("PDF file"), 0);
        for (auto* option : d->findChildren<QRadioButton*>())
            EXPECT_FALSE(option->isEnabled()) << option->text().toStdString();
        EXPECT_TRUE(child<QRadioButton>(d, "Option4")->isChecked()); // "2"
        d->close();                                                  // the close box
    });
    w->action("mnuprintfile")->trigger();
    EXPECT_TRUE(ui.messages.empty() && ui.fileRequests.empty()); // nothing printed, no picker
}

TEST_F(PrintFixture, DialogRefusesBadInputAndPrintsARangeToPdf) {
    const std::string pdf = dir.file("out.pdf");
    ui.fileAnswers.push_back(pdf);
    onDialog([&](PrintDialog* d) {
        child<QComboBox>(d, "Combo1")->setCurrentText("PDF file");
        auto* print = child<QPushButton>(d, "Command1");
        const std::string missing = dir.file("none.vxt");
        child<QLineEdit>(d, "FileNow")->setText(QString::fromStdString(missing));
        print->click();
        EXPECT_TRUE(d->isVisible());
        child<QLineEdit>(d, "FileNow")->setText(QString::fromStdString(puz));
        child<QLineEdit>(d, "Text2")->setText("4");
        print->click();
        EXPECT_TRUE(d->isVisible());
        child<QLineEdit>(d, "Text1")->setText("2");
        child<QLineEdit>(d, "Text2")->setText("3");
        print->click();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d->Tag.toStdString(), puz + ",2,3,1");
    });
    w->action("mnuprintfile")->trigger();
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "No puzzles in this file: " + dir.file("none.vxt"),
                               "Invalid from or to puzzle number", "Done\r\nPDF file: " + pdf}));
    ASSERT_TRUE(ui.fileRequests.size() == 1u && ui.fileRequests[0].save);
    EXPECT_TRUE(isPdf(pdf));
}

TEST_F(PrintFixture, PrintCurrentPuzzleWithoutAPrinterGoesToPdf) {
    if (currentPrinter(*w) != PrintDialog::pdfEntry())
        GTEST_SKIP() << "this machine has a printer";
    const std::string pdf = dir.file("current"); // the picker's name gets ".pdf"
    ui.fileAnswers.push_back("");                // first cancelled: nothing happens
    ui.fileAnswers.push_back(puz);               // the puzzle file itself: refused
    ui.fileAnswers.push_back(pdf);
    w->action("mnuprintcurrent")->trigger();
    EXPECT_TRUE(ui.messages.empty());
    w->action("mnuprintcurrent")->trigger();
    w->action("mnuprintcurrent")->trigger();
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"A puzzle file cannot be printed into itself:\r\n" + puz,
                                        "Done\r\nPDF file: " + pdf + ".pdf"}));
    EXPECT_EQ(readFile(puz), rec(1, "Gamma") + rec(2, "alpha") + rec(3, "Beta"));
    EXPECT_TRUE(isPdf(pdf + ".pdf"));
    // The working file holds the grid on screen as record 1 with its contents.
    EXPECT_EQ(readFile(w->state().currentpuzfile).substr(0, 9), "#1\r\nGamma");
}
