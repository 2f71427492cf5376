// AutoSolve on whole puzzles: outcomes, messages, button, cancelling, interactive, random.
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
#include <tuple>

using namespace vextor;
using vextor::test::gridRows;
using vextor::test::makeGrid;
using vextor::test::makeRandomPuzzle;
using vextor::test::ScriptedUserInterface;
using Texts = std::vector<std::string>;

namespace {

const Texts kUnique = {"X 0,4 0,3", "3,0 . .", "4,0 . ."};
const Texts kTwoSolutions = {"X 0,3 0,3", "3,0 . .", "3,0 . ."};
const Texts kShortRun = {"X 0,4 0,3", "3,0 . .", "4,0 . X"};
const char* kShortRunError = "Need at least 2 cells for sum ( 3) down at 3";

// The seed of a random 7 x 7 puzzle AutoSolve needs at least minGuesses guesses for.
std::uint64_t seedNeedingGuesses(int minGuesses) {
    for (std::uint64_t seed = 1; seed < 200; ++seed) {
        AppState probe(seed);
        ScriptedUserInterface ui;
        makeRandomPuzzle(probe, 7, 7, seed, 0.75);
        RunAutoSolve(probe, ui, false);
        if (probe.solver.guessesApplied >= minGuesses)
            return seed;
    }
    ADD_FAILURE() << "no random puzzle needs guessing";
    return 1;
}

void expectIdleButton(const AppState& st) {
    EXPECT_FALSE(st.autosolving || st.cancelsolve);
    EXPECT_EQ(st.texts.autoSolveTag + "/" + st.texts.autoSolveTooltip,
              "Auto Solve/Let computer solve this puzzle");
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
    EXPECT_EQ(ui.messages, Texts{"Solved without guesswork"});
    EXPECT_EQ(gridRows(st), (Texts{"X 0,4 0,3", "3,0 1 2", "4,0 3 1"}));
    EXPECT_EQ(st.solver.solveresult, SolveResult::Solved);
    EXPECT_TRUE(st.solver.retractStack.empty() && st.solver.retractLines.empty());
    EXPECT_FALSE(std::filesystem::exists(st.startupfile));
    EXPECT_EQ(st.maxtries, 18);
    EXPECT_FALSE(st.grid[5].tick || st.grid[5].Enabled);
    EXPECT_EQ(std::tuple(ui.busyDepth, ui.maxBusyDepth, ui.hiddenDepth), std::tuple(0, 1, 0));
    expectIdleButton(st);
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
        EXPECT_EQ(ui.messages, Texts{"Done, this puzzle may have multiple solutions"});
        EXPECT_TRUE(IsGridSolved(st.grid) && st.solver.solveresult == SolveResult::Solved);
        EXPECT_TRUE(st.solver.guessesApplied >= 1 && st.solver.retractStack.empty());
        // The start-up snapshot holds the grid after the first deduction.
        EXPECT_EQ(vextor::test::readFile(st.startupfile), ",,,,12,12,,12,12,\r\n");
    }
}

TEST(AutoSolve, PuzzlesWithoutASolution) {
    const struct {
        Texts rows;
        SolveOutcome outcome;
        Texts messages;
    } cases[] = {
        {{"X 0,3 0,17", "3,0 . .", "17,0 . ."}, SolveOutcome::NoSolution, {kNoValidSolution}},
        {{"X 0,3 X", "3,0 X X", "X X X"}, SolveOutcome::Invalid, {"Invalid puzzle"}},
        {kShortRun, SolveOutcome::Invalid, {kShortRunError, "Invalid puzzle"}},
        // One candidate in all (1 in the top-left cell): not invalid, unsolvable.
        {{"X 0,3 0,17", "4,0 . .", "50,0 . ."}, SolveOutcome::NoSolution, {kNoValidSolution}},
    };
    for (const auto& c : cases) {
        AppState st(1);
        ScriptedUserInterface ui;
        makeGrid(st, c.rows);
        EXPECT_EQ(RunAutoSolve(st, ui, true), c.outcome);
        EXPECT_EQ(ui.messages, c.messages);
        EXPECT_EQ(st.solver.solveresult, SolveResult::None);
    }
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, kTwoSolutions);
    EXPECT_EQ(RunAutoSolve(st, ui, false), SolveOutcome::Guessed);
    EXPECT_TRUE(ui.log.empty()); // without messages nothing is shown
}

TEST(AutoSolve, SecondRunRequestCancelsAndTheButtonShowsCancel) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeRandomPuzzle(st, 7, 7, seedNeedingGuesses(2), 0.75);
    int pumps = 0;
    ui.onPump = [&] {
        if (++pumps == 1) {
            EXPECT_TRUE(st.autosolving);
            EXPECT_EQ(st.texts.autoSolveTag + "/" + st.texts.autoSolveTooltip,
                      "Cancel/Cancel AutoSolve");
            AutoSolveCommand(st, ui); // the button ignores clicks
            EXPECT_FALSE(st.cancelsolve);
            RunAutoSolve(st, ui, true);
            EXPECT_TRUE(st.cancelsolve);
        }
    };
    EXPECT_EQ(RunAutoSolve(st, ui, true), SolveOutcome::Cancelled);
    EXPECT_EQ(ui.messages, Texts{"Cancelled"});
    EXPECT_EQ(st.solver.solveresult, SolveResult::Cancelled);
    expectIdleButton(st);
}

TEST(Deduce, LetsEventsRunOncePerCycleAndEndsAtTheBound) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeRandomPuzzle(st, 9, 9, 5, 0.8);
    ASSERT_TRUE(PrepareSolve(st, ui));
    AppState copy = st;
    Deduce(st, ui);
    EXPECT_GE(ui.pumpCount, 1);
    EXPECT_EQ(std::pair(ui.hiddenDepth, st.solver.deduceBoundHits), std::pair(0, 0));
    ScriptedUserInterface cancelling;
    cancelling.onPump = [&] { copy.cancelsolve = true; };
    Deduce(copy, cancelling);
    EXPECT_EQ(cancelling.pumpCount, 1);
    // Each cycle the interface reopens every settled cell: only the bound ends the loop.
    makeGrid(st, kUnique);
    ASSERT_TRUE(PrepareSolve(st, ui));
    const auto reopen = [&] {
        st.grid[5].Choices = st.grid[6].Choices = "12";
        st.grid[8].Choices = st.grid[9].Choices = "13";
    };
    reopen();
    ScriptedUserInterface undoing;
    undoing.onPump = reopen;
    Deduce(st, undoing);
    EXPECT_EQ(undoing.pumpCount, SolverLoopBound(st.grid));
    EXPECT_EQ(st.solver.deduceBoundHits, SolverLoopBound(st.grid));
}

TEST(SolveInteractively, PreparesThenGuessesStepByStep) {
    AppState st(4);
    ScriptedUserInterface ui;
    makeGrid(st, kTwoSolutions);
    for (int i = 1; i <= st.grid.ncells; ++i) {
        st.grid[i].tick = st.redcol;
        st.grid[i].acrosscol = st.grid[i].downcol = st.greencol;
    }
    SolveInteractivelyCommand(st, ui);
    EXPECT_TRUE(st.interactive && ui.messages.empty());
    EXPECT_EQ(gridRows(st)[1], "3,0 12 12");
    for (int i = 1; i <= st.grid.ncells; ++i) {
        const Square& s = st.grid[i];
        EXPECT_TRUE(s.tick == 0 && s.acrosscol == st.blackcol && s.downcol == st.blackcol) << i;
    }
    SolveInteractivelyCommand(st, ui);
    EXPECT_TRUE(IsGridSolved(st.grid) && ui.busyDepth == 0);
    SolveInteractivelyCommand(st, ui);
    EXPECT_EQ(ui.messages, Texts{"Done"});
    CancelAutoSolveCommand(st);
    EXPECT_FALSE(st.interactive);
    makeGrid(st, kShortRun); // a layout error keeps it unprepared
    SolveInteractivelyCommand(st, ui);
    EXPECT_FALSE(st.interactive);
    EXPECT_EQ(ui.messages.back(), kShortRunError);
}

TEST(FindChoices, NarrowsExistingCandidatesAndSaysDone) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, kUnique);
    FindChoicesCommand(st, ui);
    EXPECT_EQ(gridRows(st)[1], "3,0 1 2");
    // Existing candidates are kept and intersected, not rebuilt.
    makeGrid(st, kTwoSolutions);
    st.grid[5].Choices = "2";
    FindChoicesCommand(st, ui);
    EXPECT_EQ(gridRows(st), (Texts{"X 0,3 0,3", "3,0 2 1", "3,0 1 2"}));
    EXPECT_EQ(ui.messages, (Texts{"Done", "Done"}));
    makeGrid(st, kTwoSolutions); // no full grid: no message
    FindChoicesCommand(st, ui);
    EXPECT_EQ(ui.messages.size(), 2u);
    // Completing the last open cells repeats until nothing changes.
    makeGrid(st, {"X 0,15 0,13 X 0,10", "10,0 2 4 1 .", "13,0 . . X .", "18,0 8 . 7 ."});
    FindChoicesCommand(st, ui);
    EXPECT_EQ(gridRows(st)[2] + "/" + gridRows(st)[3], "13,0 5 8 X 5/18,0 8 1 7 2");
}
