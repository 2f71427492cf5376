// Auto Solve and Cancel Auto Solve in the main window.
#include "program_folder.h"
#include "solver/rules.h"
#include "support/random_puzzle.h"

using namespace vextor;
using namespace vextor::test;

namespace {

struct SolverWindow : ProgramWindow {
    // A loosely clued 9 x 9 puzzle that needs many guesses.
    void SetUp() override {
        start();
        ui.messages.clear();
        makeRandomPuzzle(st(), 9, 9, 1, 0.85);
        w->refresh();
    }
};

} // namespace

TEST_F(SolverWindow, CancelAutoSolveStopsALongSolve) {
    int pumps = 0;
    ui.onPump = [&] {
        w->refresh(); // as the program's own interface does between cycles
        if (++pumps == 3) {
            EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Cancel AutoSolve");
            run("AutoSolve"); // a click on Auto Solve while it runs is ignored
        }
        if (pumps == 4 || st().solver.guessesApplied >= 2)
            run("Command9");
    };
    run("AutoSolve");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancelled"});
    EXPECT_FALSE(st().autosolving);
    EXPECT_EQ(w->button("AutoSolve")->toolTip(), "Let computer solve this puzzle");
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(SolverWindow, ClosingWhileAutoSolveRunsEndsItWithoutAnOutcomeBox) {
    for (const bool exitButton : {false, true}) {
        SetUp();
        ui.yesNoAnswers = {true};
        int pumps = 0;
        ui.onPump = [&] {
            if (++pumps != 2)
                return;
            if (exitButton)
                run("Exitcmd");
            else
                w->close();
        };
        run("AutoSolve");
        EXPECT_FALSE(w->isVisible()) << exitButton;
        EXPECT_FALSE(st().autosolving);
        EXPECT_EQ(st().solver.solveresult, SolveResult::Cancelled) << exitButton;
        EXPECT_TRUE(ui.messages.empty()) << exitButton;
    }
    EXPECT_EQ(ui.log.back(), "yesno: Exit?");
}
