// Compile, Auto and CreateNewRandom in the main window; the creation dialog.
#include "app/create_commands.h"
#include "app/create_dialog.h"
#include "app/main_window.h"
#include "files/puzzle_file.h"
#include "model/cell_display.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using namespace vextor::test;

namespace {

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

TEST_F(CreateWindow, CompileShowsDoneAndPaintsTheClues) {
    drawSquare();
    QAction* compile = w->action("mnucompile");
    ASSERT_TRUE(compile->isEnabled());
    compile->trigger();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Done"});
    EXPECT_FALSE(describeCell(st().grid[5]).acrossText.empty());
    EXPECT_FALSE(describeCell(st().grid[2]).downText.empty());
    EXPECT_TRUE(describeCell(st().grid[6]).bold); // one digit, large and bold
}

TEST_F(CreateWindow, DialogControlsRulesAndValidation) {
    runAuto([this] {
        CreateDialog* d = createDialog(*w);
        EXPECT_EQ(d->windowTitle(), "Creat Puzzles");
        EXPECT_EQ(control<QLineEdit>("Text4")->text(), "New Puzzle");
        EXPECT_EQ(control<QLineEdit>("Text1")->text(), "0");
        EXPECT_EQ(control<QLineEdit>("FileNow")->text().toStdString(), st().puzfile);
        EXPECT_TRUE(control<QRadioButton>("Option1_0")->isChecked());
        for (const char* name : {"Text2", "Text3", "Check2", "Check3"})
            EXPECT_FALSE(control<QWidget>(name)->isEnabled()) << name;
        click("Option1_1");
        EXPECT_TRUE(control<QWidget>("Check2")->isEnabled());
        EXPECT_FALSE(control<QWidget>("Text2")->isEnabled());
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
    EXPECT_FALSE(st().autosolving);
    EXPECT_TRUE(w->gridView()->isVisible());
}

TEST_F(CreateWindow, CreateNewRandomMakesATenByTenPuzzle) {
    QPushButton* b = w->button("Command14");
    EXPECT_EQ(b->text(), "CreateNewRandom");
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
    ASSERT_TRUE(add->isEnabled());
    // Escape cancels: nothing is written.
    QTimer::singleShot(
        0, [this] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    add->trigger();
    EXPECT_FALSE(std::filesystem::exists(st().puzfile));
    QTimer::singleShot(0, [this] {
        CreateDialog* d = createDialog(*w);
        ASSERT_EQ(QApplication::activeModalWidget(), d);
        EXPECT_EQ(d->windowTitle(), "Save Puzzle");
        EXPECT_EQ(control<QPushButton>("Command1")->text(), "Save");
        EXPECT_FALSE(control<QGroupBox>("Frame3")->isVisible());
        EXPECT_FALSE(control<QGroupBox>("Frame1")->isVisible());
        control<QCheckBox>("Check1")->setChecked(true);
        click("Command1");
    });
    add->trigger();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Puzzle# 1 added to file " + st().puzfile});
    EXPECT_EQ(CountPuzzles(st().puzfile, ui), 1);
    EXPECT_NE(readFile(st().puzfile).find('|'), std::string::npos); // the solution
    EXPECT_EQ(st().grid.rows, 4);
}
