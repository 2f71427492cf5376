// AutoSolve: guessing with retraction (choice list, guess step, retracting, restarting,
// try limit), and whole puzzles (outcomes, messages, button, cancelling, interactive).
#include "model/grid_checks.h"
#include "solver/autosolve.h"
#include "solver/deduce.h"
#include "solver/guessing.h"
#include "solver/rules.h"
#include "solver/sum_combos.h"
#include "support/grid_builder.h"
#include "support/random_puzzle.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <set>
#include <tuple>

using namespace vextor;
using namespace vextor::test;
using Texts = std::vector<std::string>;

namespace {

const Texts kUnique = {"X 0,4 0,3", "3,0 . .", "4,0 . ."};
// Two solutions: 12/21 and 21/12.
const Texts kTwoSolutions = {"X 0,3 0,3", "3,0 . .", "3,0 . ."};
const Texts kShortRun = {"X 0,4 0,3", "3,0 . .", "4,0 . X"};
const char* kShortRunError = "Need at least 2 cells for sum ( 3) down at 3";

// The prepared and deduced grid of a layout, as AutoSolve has it before guessing.
void prepare(AppState& st, ScriptedUserInterface& ui,
             const std::vector<std::string>& rows = kTwoSolutions) {
    makeGrid(st, rows);
    ASSERT_TRUE(PrepareSolve(st, ui));
    Deduce(st, ui);
    st.solver.guesscount = st.solver.tries = 0;
}

std::string sortedCells(const Grid& g) {
    std::string out;
    for (int i = 1; i <= g.ncells; ++i)
        out += SortDigits(g[i].Choices) + ",";
    return out;
}

void expectIdleButton(const AppState& st) {
    EXPECT_FALSE(st.autosolving || st.cancelsolve);
    EXPECT_EQ(st.texts.autoSolveTag + "/" + st.texts.autoSolveTooltip,
              "Auto Solve/Let computer solve this puzzle");
}

} // namespace

TEST(ChoiceList, LineFormatOrderAndPick) {
    AppState st(7);
    makeGrid(st, {"3,4 ."});
    EXPECT_EQ(ChoiceLine(st, 2), "00,00,01,02,"); // no run owners yet
    makeGrid(st, {"X X X X 0,23 X", "X X X X . X", "X X X 16,0 . ."});
    InitCandidates(st);
    const int cell = st.grid.CellIndex(3, 5);
    st.grid[cell].Choices = "79";
    EXPECT_EQ(ChoiceLine(st, cell), "02,39,03,05,79");
    st.grid[cell].Choices = "123456789";
    EXPECT_EQ(ChoiceLine(st, cell), "09,39,03,05,123456789");
    ScriptedUserInterface ui;
    prepare(st, ui);
    // The refinement runs first: the two-cell complements turn 213 into 21.
    st.grid[9].Choices = "213";
    RefineAndListChoices(st);
    EXPECT_EQ(st.solver.choiceList, (std::vector<std::string>{"02,06,02,02,12", "02,06,02,03,12",
                                                              "02,06,03,02,12", "02,06,03,03,21"}));
    // The pick draws among the lines with the fewest candidates.
    st.solver.choiceList = {"02,10,02,02,12", "02,10,02,03,34", "02,10,03,02,56",
                            "03,10,03,03,789"};
    std::set<std::string> drawn;
    for (int n = 0; n < 200; ++n)
        drawn.insert(PickGuessCell(st));
    EXPECT_EQ(drawn, (std::set<std::string>{"02,10,02,02,12", "02,10,02,03,34", "02,10,03,02,56"}));
    st.solver.choiceList = {"04,10,03,03,1234"};
    EXPECT_EQ(PickGuessCell(st), "04,10,03,03,1234");
    st.solver.choiceList.clear();
    EXPECT_EQ(PickGuessCell(st), "");
}

TEST(ChooseOption, LastSurvivingDigitAndGridUnchanged) {
    AppState st(1);
    ScriptedUserInterface ui;
    prepare(st, ui, {"X 0,4 0,3", "3,0 . .", "4,0 . ."});
    // Settled by deduction: 1 2 / 3 1. Reopen the first cell.
    st.grid[5].Choices = "213";
    const std::string before = snapshotLine(st.grid);
    EXPECT_EQ(ChooseOption(st, ui, "03,07,02,02,213"), "1");
    EXPECT_EQ(snapshotLine(st.grid), before);
    EXPECT_EQ(ChooseOption(st, ui, "02,07,02,02,23"), "");
    EXPECT_EQ(ChooseOption(st, ui, "02,07,09,09,12"), ""); // no such cell
    // No digit is an option while a white cell is empty.
    prepare(st, ui, {"X 0,4 0,3 X", "3,0 . . X", "4,0 . . X", "X X X ."});
    st.grid[6].Choices = "213";
    EXPECT_EQ(ChooseOption(st, ui, "03,07,02,02,213"), "");
    // Cells of the first column take guesses too.
    prepare(st, ui, {"0,3 X", ". X", ". X"});
    EXPECT_EQ(ChooseOption(st, ui, "02,03,02,01,12"), "2");
}

TEST(TryNextGuess, ExhaustedSearchRestartsFromTheStartupSnapshot) {
    TempDir dir;
    AppState st(3);
    ScriptedUserInterface ui;
    prepare(st, ui);
    st.apppath = dir.folder();
    st.setWorkingFiles();
    writeFile(st.startupfile, ",,,,34,43,,43,34,\r\n");
    Grid& g = st.grid; // no digit survives
    std::tie(g[5].Choices, g[6].Choices, g[8].Choices, g[9].Choices) =
        std::tuple("1", "1", "12", "21");
    st.solver.guesscount = st.maxtries = 5; // no question after an exhausted search
    TryNextGuess(st, ui, true);
    EXPECT_TRUE(st.solver.searchExhausted && ui.log.empty());
    EXPECT_EQ(std::pair(st.solver.restarts, st.solver.tries), std::pair(1, 0));
    EXPECT_EQ(sortedCells(st.grid), ",,,,34,34,,34,34,");
    EXPECT_EQ(snapshotLine(st.grid, true), snapshotLine(st.grid));
    // The snapshot in memory wins over a stale file.
    st.solver.guesscount = 0;
    st.solver.startupSnapshot = ",,,,12,12,,12,12,";
    st.solver.tries = 2 * st.grid.ncells + 1;
    st.solver.retractLines = {"x", "y"};
    st.solver.retractStack = {RetractEntry{2, 2, 2, "2"}};
    TryNextGuess(st, ui, true);
    EXPECT_EQ(sortedCells(st.grid), ",,,,12,12,,12,12,");
    EXPECT_EQ(std::pair(st.solver.restarts, st.solver.tries), std::pair(2, 0));
    EXPECT_TRUE(st.solver.retractStack.empty() && st.solver.retractLines.empty());
}

TEST(TryNextGuess, TryLimitQuestion) {
    EXPECT_EQ(TryLimitQuestion(200),
              "Unable to solve in 200 tries\r\nThis puzzle may have multiple solution...\r\n\r\n"
              "Click Yes to continue without any limit\r\nClick No to continue for another 200 "
              "tries\r\nClick Cancel to cancel AutoSolve\r\n");
    struct Case {
        Answer answer;
        bool nolimit, cancel;
        int restarts;
    };
    for (const Case c : {Case{Answer::Yes, true, false, 1}, Case{Answer::No, false, false, 1},
                         Case{Answer::Cancel, false, true, 0}}) {
        AppState st(3);
        ScriptedUserInterface ui;
        prepare(st, ui);
        st.solver.startupSnapshot = ",,,,12,12,,12,12,";
        st.maxtries = st.solver.guesscount = 200;
        st.solver.tries = 2 * st.grid.ncells + 1;
        ui.yesNoCancelAnswers = {c.answer};
        TryNextGuess(st, ui, true);
        EXPECT_EQ(ui.log, std::vector<std::string>{"yesnocancel: " + TryLimitQuestion(200)});
        EXPECT_EQ(
            std::tuple(st.solver.nolimit, st.cancelsolve, st.solver.guesscount, st.solver.restarts),
            std::tuple(c.nolimit, c.cancel, 0, c.restarts));
        // After Yes the limit is never asked again; after No, after maxtries more guesses.
        st.cancelsolve = false;
        st.solver.guesscount = 200;
        st.solver.tries = 2 * st.grid.ncells + 1;
        TryNextGuess(st, ui, true);
        EXPECT_EQ(ui.log.size(), c.nolimit ? 1u : 2u);
    }
    // Without messages the limit gives up, even after an exhausted step.
    AppState st(3);
    ScriptedUserInterface ui;
    prepare(st, ui);
    st.maxtries = st.solver.guesscount = 10;
    st.solver.tries = 2 * st.grid.ncells + 1;
    st.solver.searchExhausted = true;
    const std::string before = snapshotLine(st.grid);
    TryNextGuess(st, ui, false);
    EXPECT_EQ(snapshotLine(st.grid), before);
    EXPECT_TRUE(st.solver.solveresult == SolveResult::GaveUp && st.solver.restarts == 0 &&
                ui.log.empty());
}

TEST(AutoSolve, DeductionAloneSolvesWithoutRetractData) {
    TempDir dir;
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
    TempDir dir;
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
        EXPECT_EQ(readFile(st.startupfile), ",,,,12,12,,12,12,\r\n");
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
}

TEST(AutoSolve, SecondRunRequestCancelsAndTheButtonShowsCancel) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeRandomPuzzle(st, 7, 7, 7, 0.75); // deduction alone leaves it open: many guesses
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
