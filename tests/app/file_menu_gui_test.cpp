#include "app/main_window.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using vextor::test::readFile;
using vextor::test::ScriptedUserInterface;
using vextor::test::TempDir;
using vextor::test::writeFile;

namespace {

std::string rec(int n, const std::string& title) {
    return "#" + std::to_string(n) + "\r\n" + title +
           "\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";
}

struct FileMenuFixture : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;
    std::string puz;

    void start(UserInterface* with) {
        for (const auto& f : std::filesystem::directory_iterator(test::resourcesDir()))
            if (f.is_regular_file() && f.path().filename() != "puzzles.vxt")
                std::filesystem::copy_file(f.path(), dir.path() / f.path().filename());
        puz = dir.file("three.vxt");
        writeFile(puz, rec(1, "Gamma") + rec(2, "alpha") + rec(3, "Beta"));
        writeFile(dir.file("vextor.cfg"), "01-01-2026 00:00:00\r\ndefault.sch\r\n" + puz + "\r\n");
        w = std::make_unique<MainWindow>(with);
        w->startUp(QString::fromStdString(dir.path().string()));
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    QString title() { return w->label("Title")->text(); }
};

// Runs `body` on the next modal window once it is shown.
void onModal(std::function<void(QWidget*)> body) {
    QTimer::singleShot(0, [body] {
        QWidget* m = QApplication::activeModalWidget();
        ASSERT_NE(m, nullptr);
        body(m);
    });
}

} // namespace

TEST_F(FileMenuFixture, LoadPuzzleFileThroughThePicker) {
    start(nullptr); // the program's own dialogs
    const std::string other = dir.file("other.vxt");
    writeFile(other, rec(1, "Picked") + rec(2, "Second"));
    QString seenTitle;
    onModal([&](QWidget* m) {
        auto* d = qobject_cast<QFileDialog*>(m);
        ASSERT_NE(d, nullptr);
        seenTitle = d->windowTitle();
        d->selectFile(QString::fromStdString(other));
        QMetaObject::invokeMethod(d, "accept");
    });
    QTest::mouseClick(w->button("Command13"), Qt::LeftButton);
    EXPECT_EQ(seenTitle, "Vextor");
    EXPECT_EQ(w->state().puzfile, other);
    EXPECT_EQ(title(), "Picked");
    EXPECT_EQ(w->label("puznumber")->text(), " of 2");
    EXPECT_EQ(w->windowTitle(), QString::fromStdString(other));
}

TEST_F(FileMenuFixture, SortDialogEndToEnd) {
    start(&ui);
    for (const char* item : {"mnuviewsol", "mnudeletepuz", "mnusaveas", "mnubackup", "mnusortpuz"})
        EXPECT_TRUE(w->action(item)->isEnabled()) << item;
    w->state().autosolving = true;
    w->action("mnusortpuz")->trigger();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancel AutoSolve first"});
    w->state().autosolving = false;

    const std::string out = dir.file("sorted.vxt");
    ui.fileAnswers = {out};
    QString input, startAfter;
    onModal([&](QWidget* d) {
        EXPECT_EQ(d->objectName(), "SortForm");
        EXPECT_EQ(d->windowTitle(), "Sort Puzzle File");
        input = d->findChild<QLineEdit*>("Text2")->text();
        EXPECT_TRUE(d->findChild<QRadioButton*>("Option5")->isChecked());
        EXPECT_TRUE(d->findChild<QRadioButton*>("Option1")->isChecked());
        EXPECT_EQ(d->findChild<QPushButton*>("Command3")->toolTip(),
                  "This option will convert old format puzzle file containing solutions as well");
        QTest::mouseClick(d->findChild<QWidget*>("gf1")->findChild<QPushButton*>(), Qt::LeftButton);
        EXPECT_EQ(d->findChild<QLineEdit*>("Text1")->text(), QString::fromStdString(out));
        d->findChild<QRadioButton*>("Option3")->setChecked(true);
        d->findChild<QRadioButton*>("Option2")->setChecked(true);
        d->findChild<QCheckBox*>("Check1")->setChecked(true);
        d->findChild<QLineEdit*>("Text3")->setText("0");
        QTest::mouseClick(d->findChild<QPushButton*>("Command1"), Qt::LeftButton);
        startAfter = d->findChild<QLineEdit*>("Text3")->text();
        QTest::mouseClick(d->findChild<QPushButton*>("Command2"), Qt::LeftButton);
    });
    w->action("mnusortpuz")->trigger();
    EXPECT_EQ(input, QString::fromStdString(puz));
    EXPECT_EQ(startAfter, "1");
    EXPECT_EQ(readFile(out), rec(1, "Gamma") + rec(2, "Beta") + rec(3, "alpha"));
    EXPECT_EQ(ui.messages.back(), "3 puzzles sorted to file:\r\n" + out);
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    EXPECT_EQ(ui.fileRequests[0].title, "Select sort output file");
    EXPECT_TRUE(ui.fileRequests[0].save);
}

TEST_F(FileMenuFixture, DeleteAsksThenShowsTheFirstRecord) {
    start(&ui);
    w->state().texts.puzNumNow = "1";
    w->action("mnudeletepuz")->trigger(); // answered No
    EXPECT_EQ(ui.log.back(), "yesno: Delete current puzzle from file?");
    EXPECT_EQ(readFile(puz), rec(1, "Gamma") + rec(2, "alpha") + rec(3, "Beta"));
    ui.yesNoAnswers = {true};
    w->action("mnudeletepuz")->trigger();
    EXPECT_EQ(readFile(puz), rec(2, "alpha") + rec(3, "Beta"));
    EXPECT_EQ(ui.messages.back(), "Done");
    EXPECT_EQ(title(), "alpha");
    EXPECT_EQ(w->label("puznumber")->text(), " of 2");
}
