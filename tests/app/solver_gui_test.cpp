// Auto Solve and Cancel Auto Solve in the main window.
#include "app/main_window.h"
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

TEST_F(SolverWindow, AutoSolveFillsTheGrid) {
    vextor::test::makeGrid(st(), {"X 0,4 0,3", "3,0 . .", "4,0 . ."});
    w->refresh();
    click("AutoSolve");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Solved without guesswork"});
    EXPECT_TRUE(IsGridSolved(st().grid));
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(SolverWindow, CancelAutoSolveStopsALongSolve) {
    // A loosely clued puzzle that needs many guesses.
    vextor::test::makeRandomPuzzle(st(), 9, 9, 1, 0.85);
    w->refresh();
    int pumps = 0;
    ui.onPump = [&] {
        w->refresh(); // as the program's own interface does between cycles
        if (++pumps == 3) {
            EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Cancel AutoSolve");
            // A click on Auto Solve while it runs is ignored.
            QTest::mouseClick(w->button("AutoSolve"), Qt::LeftButton);
        }
        if (pumps == 4 || st().solver.guessesApplied >= 2)
            QTest::mouseClick(w->button("Command9"), Qt::LeftButton);
    };
    click("AutoSolve");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancelled"});
    EXPECT_FALSE(st().autosolving);
    EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Let computer solve this puzzle");
    EXPECT_EQ(ui.busyDepth, 0);
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
