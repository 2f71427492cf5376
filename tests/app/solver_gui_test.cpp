// Auto Solve and Cancel Auto Solve in the main window.
#include "app/main_window.h"
#include "model/cell_display.h"
#include "solver/rules.h"
#include "support/grid_builder.h"
#include "support/random_puzzle.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::app;
using vextor::test::ScriptedUserInterface;

namespace {

struct SolverWindow : ::testing::Test {
    ScriptedUserInterface ui;
    std::unique_ptr<MainWindow> w;

    void SetUp() override {
        w = std::make_unique<MainWindow>(&ui);
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    }
    AppState& st() { return w->state(); }
    void click(const char* name) {
        QPushButton* b = w->button(name);
        ASSERT_NE(b, nullptr) << name;
        ASSERT_TRUE(b->isEnabled()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

} // namespace

TEST_F(SolverWindow, AutoSolveFillsTheGridWithLargeBoldDigits) {
    vextor::test::makeGrid(st(), {"X 0,4 0,3", "3,0 . .", "4,0 . ."});
    w->refresh();
    click("AutoSolve");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Solved without guesswork"});
    EXPECT_TRUE(IsGridSolved(st().grid));
    for (int i = 1; i <= st().grid.ncells; ++i) {
        if (st().grid[i].known)
            continue;
        const CellDisplay d = describeCell(st().grid[i]);
        EXPECT_EQ(d.pointSize, 16) << i;
        EXPECT_TRUE(d.bold) << i;
    }
    EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Let computer solve this puzzle");
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(SolverWindow, CancelAutoSolveStopsALongSolve) {
    // A loosely clued puzzle that needs many guesses.
    vextor::test::makeRandomPuzzle(st(), 9, 9, 1, 0.85);
    w->refresh();
    int pumps = 0;
    ui.onPump = [&] {
        w->refresh(); // as the program's own interface does between cycles
        ++pumps;
        if (pumps == 3) {
            EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Cancel AutoSolve");
            // A click on Auto Solve while it runs is ignored.
            QTest::mouseClick(w->button("AutoSolve"), Qt::LeftButton);
        }
        if (pumps == 4 || st().solver.guessesApplied >= 2)
            QTest::mouseClick(w->button("Command9"), Qt::LeftButton);
    };
    click("AutoSolve");
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back(), "Cancelled");
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_FALSE(st().autosolving);
    EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Let computer solve this puzzle");
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(SolverWindow, FindChoicesAndSolveInteractivelyRunThroughTheCore) {
    vextor::test::makeGrid(st(), {"X 0,3 0,3", "3,0 . .", "3,0 . ."});
    auto* findChoices = w->findChild<QPushButton*>("Command2");
    ASSERT_NE(findChoices, nullptr);
    EXPECT_FALSE(findChoices->isVisible());
    findChoices->click();
    EXPECT_EQ(vextor::test::gridRows(st())[1], "3,0 12 12");

    QAction* interactive = w->action("mnusolveinteractive");
    ASSERT_NE(interactive, nullptr);
    EXPECT_FALSE(interactive->isEnabled());
    interactive->setEnabled(true); // as a developer would, to reach it
    interactive->trigger();
    EXPECT_TRUE(st().interactive);
    interactive->trigger();
    EXPECT_TRUE(IsGridSolved(st().grid));
    interactive->trigger();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Done"});
}

TEST_F(SolverWindow, ClosingWhileAutoSolveRunsEndsItWithoutAnOutcomeBox) {
    vextor::test::TempDir dir;
    for (const bool exitButton : {false, true}) {
        SetUp();
        st().apppath = dir.folder();
        st().setWorkingFiles();
        vextor::test::makeRandomPuzzle(st(), 9, 9, 1, 0.85);
        ui.messages.clear();
        ui.yesNoAnswers = {true};
        int pumps = 0;
        ui.onPump = [&] {
            if (++pumps != 2)
                return;
            if (exitButton)
                QTest::mouseClick(w->button("Exitcmd"), Qt::LeftButton);
            else
                w->close();
        };
        click("AutoSolve");
        EXPECT_FALSE(w->isVisible()) << exitButton;
        EXPECT_FALSE(st().autosolving);
        EXPECT_EQ(st().solver.solveresult, SolveResult::Cancelled) << exitButton;
        EXPECT_TRUE(ui.messages.empty()) << exitButton;
    }
    EXPECT_EQ(ui.log.back(), "yesno: Exit?");
}
