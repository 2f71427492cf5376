// File and creation commands in the window, and faults mended there.
#include "app/create_commands.h"
#include "app/create_dialog.h"
#include "app/grid_view.h"
#include "app/main_window.h"
#include "files/puzzle_file.h"
#include "model/cell_display.h"
#include "program_folder.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
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
           "\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";
}
const std::string kTiny = rec(1, "Tiny");
const std::string kThree = rec(1, "Gamma") + rec(2, "alpha") + rec(3, "Beta");

struct FileWindow : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;
    std::string puz = dir.file("puzzles.vxt");
    // `ownDialogs` shows the program's own dialogs instead of the scripted answers.
    void start(const std::string& puzzles = kThree, const std::string& scheme = "default.sch",
               bool ownDialogs = false) {
        writeFile(puz, puzzles);
        fillProgramFolder(dir, scheme, puz);
        w = startProgram(dir, ownDialogs ? nullptr : &ui);
    }
    QString title() { return w->label("Title")->text(); }
    std::vector<int> checkedSchemes() {
        std::vector<int> out;
        for (int i = 0; i < 24; ++i)
            if (w->action(QString("mnucolx%1").arg(i))->isChecked())
                out.push_back(i);
        return out;
    }
};

void onModal(std::function<void(QWidget*)> body) {
    QTimer::singleShot(0, [body] {
        QWidget* m = QApplication::activeModalWidget();
        ASSERT_NE(m, nullptr);
        body(m);
    });
}

const std::vector<std::string> kSquare = {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . . .",
                                          "-1,0 . . ."};

struct CreateWindow : ::testing::Test {
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;
    TempDir dir;
    void SetUp() override {
        w = std::make_unique<MainWindow>(&ui);
        w->state().puzfile = dir.file("current.vxt");
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    AppState& st() { return w->state(); }
    void drawSquare() {
        makeGrid(st(), kSquare);
        w->refresh();
    }
    template <class T> T* control(const char* name) {
        CreateDialog* d = createDialog(*w);
        return d ? d->findChild<T*>(name) : nullptr;
    }
    void click(const char* name) {
        auto* b = control<QAbstractButton>(name);
        ASSERT_NE(b, nullptr) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Opens Auto; `fill` runs while the dialog is shown.
    void runAuto(const std::function<void()>& fill) {
        QTimer::singleShot(0, [this, fill] {
            ASSERT_EQ(QApplication::activeModalWidget(), createDialog(*w));
            fill();
        });
        QAction* a = w->action("mnuautocreate");
        ASSERT_TRUE(a->isEnabled());
        a->trigger();
    }
};

} // namespace

TEST_F(FileWindow, LoadPuzzleFileThroughThePicker) {
    start(kThree, "default.sch", true);
    const std::string other = dir.file("other.vxt");
    writeFile(other, rec(1, "Picked") + rec(2, "Second"));
    onModal([&](QWidget* m) {
        auto* d = qobject_cast<QFileDialog*>(m);
        ASSERT_NE(d, nullptr);
        d->selectFile(QString::fromStdString(other));
        QMetaObject::invokeMethod(d, "accept");
    });
    QTest::mouseClick(w->button("Command13"), Qt::LeftButton);
    EXPECT_EQ(w->state().puzfile, other);
    EXPECT_EQ(title() + w->label("puznumber")->text(), "Picked of 2");
    EXPECT_EQ(w->windowTitle(), QString::fromStdString(other));
}

TEST_F(FileWindow, SortDialogEndToEnd) {
    start();
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
        input = d->findChild<QLineEdit*>("Text2")->text();
        EXPECT_TRUE(d->findChild<QRadioButton*>("Option5")->isChecked() &&
                    d->findChild<QRadioButton*>("Option1")->isChecked());
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
    ASSERT_TRUE(ui.fileRequests.size() == 1u && ui.fileRequests[0].save);
}

TEST_F(FileWindow, DeleteAsksThenShowsTheFirstRecord) {
    const std::string two = "#1\r\nTwo\r\n 3, 3\r\nX 0,4 0,4\r\n4,0 2\r\n4,0 2\r\n";
    start(two + rec(2, "alpha") + rec(3, "Beta"));
    w->action("mnudeletepuz")->trigger(); // answered No
    EXPECT_EQ(ui.log.back(), "yesno: Delete current puzzle from file?");
    EXPECT_EQ(readFile(puz), two + rec(2, "alpha") + rec(3, "Beta"));
    ui.yesNoAnswers = {true};
    // The difficulty label under "Done" rates the record shown, not the deleted one.
    std::string ratedAtDone;
    ui.onMessage = [&](const std::string&) { ratedAtDone = w->state().texts.difficulty; };
    w->action("mnudeletepuz")->trigger();
    EXPECT_TRUE(readFile(puz) == rec(2, "alpha") + rec(3, "Beta") && ui.messages.back() == "Done");
    EXPECT_EQ(title() + w->label("puznumber")->text(), "alpha of 2");
    EXPECT_EQ(ratedAtDone.substr(0, 5), "easy ");
}

TEST_F(FileWindow, CountSolutionsMarksWhereTwoSolutionsDiffer) {
    start("#1\r\nTwo\r\n 3, 3\r\nX 0,4 0,4\r\n4,0 2\r\n4,0 2\r\n");
    EXPECT_EQ(w->label("Difficulty")->text(), "trial 100");
    w->action("mnucountsol")->trigger();
    EXPECT_EQ(ui.messages.back(), "This puzzle has two or more solutions\r\n"
                                  "The marked cells differ between two of them");
    std::vector<int> marked;
    for (int i = 1; i <= 9; ++i)
        if (describeCell(w->state().grid[i]).tickVisible)
            marked.push_back(i);
    EXPECT_EQ(marked, (std::vector<int>{5, 6, 8, 9}));
}

TEST_F(FileWindow, AFailedLoadOfALargerRecordShowsItsCellsInPlace) {
    // Record 2 has a valid 6 x 7 size but only two row lines.
    ASSERT_NO_FATAL_FAILURE(start(kTiny + "#2\r\nBig\r\n 6, 7\r\nX X X X X X X\r\nX 6\r\n"));
    QTest::mouseClick(w->button("Command8_2"), Qt::LeftButton); // Next
    ASSERT_EQ(ui.messages.back(), "Error reading puzzle# 2 from file " + puz);
    GridView* grid = w->gridView();
    ASSERT_EQ(w->state().grid.ncells, 42);
    const QRect area = grid->rect();
    for (int i = 1; i <= 42; ++i)
        EXPECT_TRUE(area.contains(grid->cellRect(i)) &&
                    (i == 1 || grid->cellRect(i).topLeft() != grid->cellRect(1).topLeft()))
            << i;
    EXPECT_EQ(grid->cellRect(42).left(), grid->cellRect(7).left());
    EXPECT_GT(grid->cellRect(42).top(), grid->cellRect(35).top());
}

TEST_F(FileWindow, ExitTellsThatTheOptionsCouldNotBeSaved) {
    ASSERT_NO_FATAL_FAILURE(start(kTiny));
    // A folder in the file's place: not even root can write the configuration.
    std::filesystem::remove(dir.file("vextor.cfg"));
    std::filesystem::create_directory(dir.file("vextor.cfg"));
    writeFile(dir.file("undofile.vxt"), "1,\r\n");
    ui.messages.clear();
    ui.yesNoAnswers = {true};
    QTest::mouseClick(w->button("Exitcmd"), Qt::LeftButton);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Configuration file:\r\n" + dir.folder() +
                                                    "vextor.cfg\r\ncould not be accessed, "
                                                    "options not saved"});
    EXPECT_FALSE(std::filesystem::exists(dir.file("undofile.vxt")));
    EXPECT_FALSE(w->isVisible());
}

TEST_F(FileWindow, AMissingSchemeLeavesTheCheckOnTheSchemeInUse) {
    ASSERT_NO_FATAL_FAILURE(start(kTiny, "teal.sch"));
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});
    const Colour white = w->state().whitecol;
    std::filesystem::remove(dir.file("maple.sch"));
    w->action("mnucolx9")->trigger(); // maple
    EXPECT_EQ(ui.messages.back(), "Color Scheme File: maple.sch not found");
    EXPECT_EQ(w->state().whitecol, white);
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});
    w->action("mnucolx19")->trigger(); // the scheme in use again keeps its mark
    EXPECT_EQ(checkedSchemes(), std::vector<int>{19});
    w->action("mnucolx1")->trigger(); // blue
    EXPECT_EQ(checkedSchemes(), std::vector<int>{1});
}

TEST_F(CreateWindow, CompileShowsDoneAndPaintsTheClues) {
    drawSquare();
    ASSERT_TRUE(w->action("mnucompile")->isEnabled());
    w->action("mnucompile")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u); // Done, and the solution count
    EXPECT_EQ(ui.messages[0].substr(0, 6), "Done\r\n");
    EXPECT_FALSE(describeCell(st().grid[5]).acrossText.empty() ||
                 describeCell(st().grid[2]).downText.empty());
    EXPECT_TRUE(describeCell(st().grid[6]).bold); // one digit, large and bold
}

TEST_F(CreateWindow, DialogControlsRulesAndValidation) {
    runAuto([this] {
        CreateDialog* d = createDialog(*w);
        EXPECT_EQ(control<QLineEdit>("Text4")->text() + control<QLineEdit>("Text1")->text(),
                  "New Puzzle0");
        EXPECT_EQ(control<QLineEdit>("FileNow")->text().toStdString(), st().puzfile);
        EXPECT_TRUE(control<QRadioButton>("Option1_0")->isChecked());
        for (const char* name : {"Text2", "Text3", "Check2", "Check3"})
            EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
        click("Option1_1");
        EXPECT_TRUE(control<QWidget>("Check2")->isEnabled() &&
                    !control<QWidget>("Text2")->isEnabled());
        click("Command1");
        EXPECT_EQ(ui.messages.back(), "Select Grid Size");
        click("Check2");
        EXPECT_TRUE(control<QWidget>("Text2")->isEnabled());
        control<QLineEdit>("Text2")->setText("11");
        click("Command1");
        EXPECT_EQ(ui.messages.back(), "Maximum rows or columns are limted to 10 for this option");
        EXPECT_TRUE(d->isVisible());
        click("Check2"); // cleared: Random between 7x7 and 10x10 takes over
        EXPECT_TRUE(control<QCheckBox>("Check3")->isChecked());
        click("Command2");
    });
    EXPECT_EQ(ui.messages.size(), 2u); // Cancel changes nothing and says nothing
    EXPECT_FALSE(std::filesystem::exists(st().puzfile));
}

TEST_F(CreateWindow, AutoAppendsThreePuzzles) {
    drawSquare();
    const std::string out = dir.file("made.vxt");
    runAuto([&] {
        control<QLineEdit>("Text1")->setText("3");
        control<QLineEdit>("FileNow")->setText(QString::fromStdString(out));
        click("Command1");
    });
    EXPECT_EQ(ui.messages, std::vector<std::string>{" 3 Puzzles added to file: " + out});
    EXPECT_EQ(CountPuzzles(out, ui), 3);
    EXPECT_EQ(w->windowTitle().toStdString(), st().puzfile);
    EXPECT_FALSE(w->label("Label3")->isVisible());
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(CreateWindow, CancelAutoSolveStopsARunningBatch) {
    const std::string out = dir.file("made.vxt");
    int pumps = 0;
    ui.onPump = [&] {
        w->refresh();
        if (++pumps == 40)
            QTest::mouseClick(w->button("Command9"), Qt::LeftButton);
    };
    runAuto([&] {
        click("Option1_1");
        click("Check2");
        control<QLineEdit>("Text2")->setText("8");
        control<QLineEdit>("Text3")->setText("8");
        control<QLineEdit>("Text1")->setText("1000");
        control<QLineEdit>("FileNow")->setText(QString::fromStdString(out));
        click("Command1");
    });
    const int made = CountPuzzles(out, ui);
    EXPECT_LT(made, 1000);
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Cancelled", " " + std::to_string(made) +
                                                         " Puzzles added to file: " + out}));
    EXPECT_TRUE(!st().autosolving && w->gridView()->isVisible());
}

TEST_F(CreateWindow, CreateNewRandomMakesATenByTenPuzzle) {
    QPushButton* b = w->button("Command14");
    EXPECT_TRUE(b->isVisible()); // shown below the grid area, whole
    EXPECT_FALSE(w->gridView()->geometry().intersects(b->geometry()));
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(st().grid.rows == 10 && st().grid.cols == 10);
    EXPECT_TRUE(w->gridView()->isVisible());
    EXPECT_TRUE(w->rect().contains(b->geometry()));
}

TEST_F(CreateWindow, AddPuzzleSavesTheGridThroughTheSaveForm) {
    drawSquare();
    QAction* add = w->action("mnuaddpuz");
    ASSERT_TRUE(add->isEnabled()); // Escape cancels: nothing is written
    QTimer::singleShot(
        0, [this] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    add->trigger();
    EXPECT_FALSE(std::filesystem::exists(st().puzfile));
    QTimer::singleShot(0, [this] {
        CreateDialog* d = createDialog(*w);
        ASSERT_EQ(QApplication::activeModalWidget(), d);
        EXPECT_FALSE(control<QGroupBox>("Frame3")->isVisible() ||
                     control<QGroupBox>("Frame1")->isVisible());
        control<QCheckBox>("Check1")->setChecked(true);
        click("Command1");
    });
    add->trigger();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Puzzle# 1 added to file " + st().puzfile});
    EXPECT_EQ(CountPuzzles(st().puzfile, ui), 1);
    EXPECT_NE(readFile(st().puzfile).find('|'), std::string::npos); // the solution
    EXPECT_EQ(st().grid.rows, 4);
}
