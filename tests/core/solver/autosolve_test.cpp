// AutoSolve on whole puzzles: outcomes, messages, the button, cancelling,
// interactive solving, and random puzzles.
#include "model/grid_checks.h"
#include "solver/autosolve.h"
#include "solver/deduce.h"
#include "solver/guessing.h"
#include "solver/rules.h"
#include "support/grid_builder.h"
#include "support/random_puzzle.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <random>

using namespace vextor;
using vextor::test::makeGrid;
using vextor::test::makeRandomPuzzle;
using vextor::test::ScriptedUserInterface;

namespace {

const std::vector<std::string> kUnique = {"X 0,4 0,3", "3,0 . .", "4,0 . ."};
const std::vector<std::string> kTwoSolutions = {"X 0,3 0,3", "3,0 . .", "3,0 . ."};

const char* kGuessed = "Done, this puzzle may have multiple solutions";

// A random 7 x 7 puzzle that AutoSolve cannot finish without at least
// minGuesses guesses (checked, not assumed).
void puzzleNeedingGuesses(AppState& st, std::uint64_t& seed, int minGuesses) {
    for (seed = 1;; ++seed) {
        AppState probe(seed);
        ScriptedUserInterface ui;
        makeRandomPuzzle(probe, 7, 7, seed, 0.75);
        RunAutoSolve(probe, ui, false);
        if (probe.solver.guessesApplied >= minGuesses)
            break;
        ASSERT_LT(seed, 200u) << "no random puzzle needs guessing";
    }
    makeRandomPuzzle(st, 7, 7, seed, 0.75);
}

} // namespace

TEST(AutoSolve, DeductionAloneSolvesWithoutRetractData) {
    vextor::test::TempDir dir;
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, kUnique);
    st.apppath = dir.folder();
    st.setWorkingFiles();
    st.grid[5].tick = st.greencol;
    AutoSolveCommand(st, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Solved without guesswork"});
    EXPECT_EQ(vextor::test::gridRows(st)[1], "3,0 1 2");
    EXPECT_EQ(vextor::test::gridRows(st)[2], "4,0 3 1");
    EXPECT_EQ(st.solver.solveresult, SolveResult::Solved);
    EXPECT_TRUE(st.solver.retractStack.empty());
    EXPECT_TRUE(st.solver.retractLines.empty());
    EXPECT_FALSE(std::filesystem::exists(st.startupfile));
    EXPECT_FALSE(std::filesystem::exists(st.retractfile));
    EXPECT_EQ(st.maxtries, 18);
    EXPECT_EQ(st.grid[5].tick, 0u);
    EXPECT_FALSE(st.grid[5].Enabled);
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_EQ(ui.maxBusyDepth, 1);
    EXPECT_EQ(ui.hiddenDepth, 0);
    EXPECT_FALSE(st.autosolving);
    EXPECT_EQ(st.texts.autoSolveTag, "Auto Solve");
    EXPECT_EQ(st.texts.autoSolveTooltip, "Let computer solve this puzzle");
}

TEST(AutoSolve, TwoSolutionsReachOneByGuessing) {
    vextor::test::TempDir dir;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        AppState st(seed);
        ScriptedUserInterface ui;
        makeGrid(st, kTwoSolutions);
        st.apppath = dir.folder();
        st.setWorkingFiles();
        EXPECT_EQ(RunAutoSolve(st, ui, true), SolveOutcome::Guessed);
        EXPECT_EQ(ui.messages, std::vector<std::string>{kGuessed});
        EXPECT_TRUE(IsGridSolved(st.grid));
        EXPECT_EQ(st.solver.solveresult, SolveResult::Solved);
        EXPECT_GE(st.solver.guessesApplied, 1);
        EXPECT_TRUE(st.solver.retractStack.empty());
        // The start-up snapshot holds the grid after the first deduction.
        EXPECT_EQ(vextor::test::readFile(st.startupfile), ",,,,12,12,,12,12,\r\n");
    }
}

TEST(AutoSolve, InconsistentPuzzleHasNoValidSolution) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, {"X 0,3 0,17", "3,0 . .", "17,0 . ."});
    EXPECT_EQ(RunAutoSolve(st, ui, true), SolveOutcome::NoSolution);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"There appears to be no valid solution to this puzzle\r\n"
                                       "Please check the puzzle layout"});
    EXPECT_EQ(st.solver.solveresult, SolveResult::None);
}

TEST(AutoSolve, InvalidPuzzles) {
    {
        AppState st(1);
        ScriptedUserInterface ui;
        makeGrid(st, {"X 0,3 X", "3,0 X X", "X X X"});
        EXPECT_EQ(RunAutoSolve(st, ui, true), SolveOutcome::Invalid);
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Invalid puzzle"});
    }
    {
        // The layout check shows its error first.
        AppState st(1);
        ScriptedUserInterface ui;
        makeGrid(st, {"X 0,4 0,3", "3,0 . .", "4,0 . X"});
        EXPECT_EQ(RunAutoSolve(st, ui, true), SolveOutcome::Invalid);
        EXPECT_EQ(ui.messages,
                  (std::vector<std::string>{"Need at least 2 cells for sum ( 3) down at 3",
                                            "Invalid puzzle"}));
        EXPECT_EQ(st.solver.solveresult, SolveResult::None);
    }
}

TEST(AutoSolve, WithoutMessagesNothingIsShown) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, kTwoSolutions);
    EXPECT_EQ(RunAutoSolve(st, ui, false), SolveOutcome::Guessed);
    EXPECT_TRUE(ui.log.empty());
}

TEST(AutoSolve, ButtonShowsCancelWhileRunningAndReentryCancels) {
    AppState st(1);
    ScriptedUserInterface ui;
    std::uint64_t seed = 0;
    puzzleNeedingGuesses(st, seed, 2);
    int pumps = 0;
    ui.onPump = [&] {
        if (++pumps == 1) {
            EXPECT_TRUE(st.autosolving);
            EXPECT_EQ(st.texts.autoSolveTag, "Cancel");
            EXPECT_EQ(st.texts.autoSolveTooltip, "Cancel AutoSolve");
            // The button ignores clicks; a second run request cancels.
            AutoSolveCommand(st, ui);
            EXPECT_FALSE(st.cancelsolve);
            RunAutoSolve(st, ui, true);
            EXPECT_TRUE(st.cancelsolve);
        }
    };
    const SolveOutcome outcome = RunAutoSolve(st, ui, true);
    // The cancel is seen at the next check: possibly only once guessing starts.
    EXPECT_EQ(outcome, SolveOutcome::Cancelled);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancelled"});
    EXPECT_EQ(st.solver.solveresult, SolveResult::Cancelled);
    EXPECT_FALSE(st.autosolving);
    EXPECT_FALSE(st.cancelsolve);
    EXPECT_EQ(st.texts.autoSolveTag, "Auto Solve");
    EXPECT_EQ(st.texts.autoSolveTooltip, "Let computer solve this puzzle");
}

TEST(AutoSolve, CancelDuringGuessing) {
    AppState st(1);
    ScriptedUserInterface ui;
    std::uint64_t seed = 0;
    puzzleNeedingGuesses(st, seed, 3);
    st.texts.overlayVisible = true;
    st.interactive = true;
    ui.onPump = [&] {
        if (st.solver.guessesApplied >= 1)
            CancelAutoSolveCommand(st);
    };
    EXPECT_EQ(RunAutoSolve(st, ui, true), SolveOutcome::Cancelled);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancelled"});
    EXPECT_FALSE(st.autosolving);
    EXPECT_FALSE(st.interactive);
    EXPECT_FALSE(st.texts.overlayVisible);
    EXPECT_EQ(st.texts.autoSolveTooltip, "Let computer solve this puzzle");
    EXPECT_TRUE(st.solver.retractStack.empty());
    EXPECT_EQ(ui.hiddenDepth, 0);
}

TEST(AutoSolve, SeededRunsRepeat) {
    std::uint64_t seed = 0;
    AppState probe(1);
    puzzleNeedingGuesses(probe, seed, 2);
    std::string first;
    for (int run = 0; run < 2; ++run) {
        AppState st(99);
        ScriptedUserInterface ui;
        makeRandomPuzzle(st, 7, 7, seed, 0.75);
        RunAutoSolve(st, ui, false);
        const std::string result = snapshotLine(st.grid) + std::to_string(st.solver.guessesApplied);
        if (run == 0)
            first = result;
        else
            EXPECT_EQ(result, first);
    }
}

TEST(Deduce, LetsEventsRunOncePerCycleAndStopsOnCancel) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeRandomPuzzle(st, 9, 9, 5, 0.8);
    ASSERT_TRUE(PrepareSolve(st, ui));
    AppState copy = st;
    Deduce(st, ui);
    EXPECT_GE(ui.pumpCount, 1);
    EXPECT_EQ(ui.hiddenDepth, 0);
    EXPECT_EQ(st.solver.deduceBoundHits, 0);

    ScriptedUserInterface cancelling;
    cancelling.onPump = [&] { copy.cancelsolve = true; };
    Deduce(copy, cancelling);
    EXPECT_EQ(cancelling.pumpCount, 1);
}

TEST(Deduce, ACycleThatNeverSettlesEndsAtTheBound) {
    // Between cycles the interface undoes every settled cell, so each cycle
    // finds new work: without a bound the loop would never end.
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, kUnique);
    ASSERT_TRUE(PrepareSolve(st, ui));
    const auto reopen = [&] {
        st.grid[5].Choices = st.grid[6].Choices = "12";
        st.grid[8].Choices = st.grid[9].Choices = "13";
    };
    reopen();
    ui.onPump = reopen;
    Deduce(st, ui);
    EXPECT_EQ(ui.pumpCount, SolverLoopBound(st.grid));
    EXPECT_EQ(st.solver.deduceBoundHits, SolverLoopBound(st.grid));
    EXPECT_EQ(ui.hiddenDepth, 0);
}

TEST(SolveInteractively, PreparesThenGuessesStepByStep) {
    AppState st(4);
    ScriptedUserInterface ui;
    makeGrid(st, kTwoSolutions);
    SolveInteractivelyCommand(st, ui);
    EXPECT_TRUE(st.interactive);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(vextor::test::gridRows(st)[1], "3,0 12 12");
    SolveInteractivelyCommand(st, ui);
    EXPECT_TRUE(IsGridSolved(st.grid));
    EXPECT_EQ(ui.busyDepth, 0);
    SolveInteractivelyCommand(st, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Done"});

    st.autosolving = true;
    SolveInteractivelyCommand(st, ui);
    EXPECT_EQ(ui.messages.back(), "Cancel AutoSolve first");
    st.autosolving = false;
    CancelAutoSolveCommand(st);
    EXPECT_FALSE(st.interactive);
}

TEST(SolveInteractively, LayoutErrorKeepsItUnprepared) {
    AppState st(4);
    ScriptedUserInterface ui;
    makeGrid(st, {"X 0,4 0,3", "3,0 . .", "4,0 . X"});
    SolveInteractivelyCommand(st, ui);
    EXPECT_FALSE(st.interactive);
    EXPECT_EQ(ui.messages,
              std::vector<std::string>{"Need at least 2 cells for sum ( 3) down at 3"});
}

TEST(FindChoices, NarrowsExistingCandidatesAndSaysDone) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, kUnique);
    FindChoicesCommand(st, ui);
    EXPECT_EQ(vextor::test::gridRows(st)[1], "3,0 1 2");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Done"});

    // Existing candidates are kept and intersected, not rebuilt.
    makeGrid(st, kTwoSolutions);
    st.grid[5].Choices = "2";
    ui.messages.clear();
    FindChoicesCommand(st, ui);
    EXPECT_EQ(vextor::test::gridRows(st)[1], "3,0 2 1");
    EXPECT_EQ(vextor::test::gridRows(st)[2], "3,0 1 2");
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Done"});
}

TEST(AutoSolve, RandomPuzzlesEndWithARealSolution) {
#ifdef NDEBUG
    const int count = 60;
#else
    const int count = 12;
#endif
    std::mt19937_64 sizes(2024);
    for (int k = 1; k <= count; ++k) {
        const int rows = 5 + static_cast<int>(sizes() % 7);
        const int cols = 5 + static_cast<int>(sizes() % 8);
        AppState st(static_cast<std::uint64_t>(k));
        ScriptedUserInterface ui;
        makeRandomPuzzle(st, rows, cols, static_cast<std::uint64_t>(k) * 7919, 0.75);
        // Loosely clued puzzles can need many guesses: go on without a limit.
        ui.yesNoCancelAnswers = {Answer::Yes};
        const SolveOutcome outcome = RunAutoSolve(st, ui, true);
        EXPECT_TRUE(outcome == SolveOutcome::Solved || outcome == SolveOutcome::Guessed)
            << "puzzle " << k << " " << rows << "x" << cols << " outcome "
            << static_cast<int>(outcome);
        EXPECT_TRUE(IsGridSolved(st.grid)) << "puzzle " << k;
    }
}

TEST(AutoSolve, PathologicalGridsEnd) {
    // Clues no run can make, a run longer than nine cells, negative clues and
    // random clues: every run ends, with some outcome, and never claims a
    // solution that is not one.
    std::vector<std::vector<std::string>> grids = {
        {"X 0,50 0,3", "60,0 . .", "3,0 . ."},
        {"X 0,-4 0,3", "-3,0 . .", "3,0 . ."},
        {"X 0,2147483647 0,-2147483648", "3,0 . .", "4,0 . ."},
        {"X 0,3 0,4", "-2147483648,0 . .", "2147483647,0 . ."},
        {"X 0,3 0,3 0,3 0,3 0,3 0,3 0,3 0,3 0,3 0,3", "55,0 . . . . . . . . . .",
         "55,0 . . . . . . . . . ."},
    };
    for (const auto& rows : grids) {
        AppState st(1);
        ScriptedUserInterface ui;
        makeGrid(st, rows);
        st.maxtries = 2 * st.grid.rows * st.grid.cols;
        const SolveOutcome outcome = RunAutoSolve(st, ui, true);
        EXPECT_NE(outcome, SolveOutcome::Solved);
        EXPECT_NE(outcome, SolveOutcome::Guessed);
    }
    std::mt19937_64 rng(77);
#ifdef NDEBUG
    const int count = 150;
#else
    const int count = 30;
#endif
    for (int k = 0; k < count; ++k) {
        AppState st(static_cast<std::uint64_t>(k));
        ScriptedUserInterface ui;
        makeRandomPuzzle(st, 6, 6, static_cast<std::uint64_t>(k) + 500, 0.8);
        for (int i = 1; i <= st.grid.ncells; ++i) {
            if (st.grid[i].across)
                st.grid[i].across = 1 + static_cast<int>(rng() % 45);
            if (st.grid[i].down)
                st.grid[i].down = 1 + static_cast<int>(rng() % 45);
        }
        st.maxtries = 20;
        ui.yesNoCancelAnswers = {Answer::No, Answer::No};
        const SolveOutcome outcome = RunAutoSolve(st, ui, k % 2 == 0);
        if (outcome == SolveOutcome::Solved || outcome == SolveOutcome::Guessed) {
            EXPECT_TRUE(IsGridSolved(st.grid)) << k;
        }
        EXPECT_FALSE(st.autosolving);
    }
}
