#include "edit/grid_events.h"
#include "manual/manual_solve.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::makeGrid;
using vextor::test::ScriptedUserInterface;
using vextor::test::TempDir;

namespace {

// A 3 x 3 puzzle solved by 1 3 / 2 4:
//   X    0,3  0,7
//   4,0  .    .
//   6,0  .    .
struct SmallPuzzle : ::testing::Test {
    TempDir dir;
    AppState st{1};
    ScriptedUserInterface ui;

    void SetUp() override {
        st.apppath = dir.folder();
        st.setWorkingFiles();
        makeGrid(st, {"X 0,3 0,7", "4,0 . .", "6,0 . ."});
    }
    void start() { StartManualSolve(st, ui); }
    void put(int cell, int digit) {
        st.mnucnxTag = std::to_string(cell);
        DigitMenuClick(st, ui, digit - 1);
    }
    std::vector<int> ticked(Colour c) const {
        std::vector<int> out;
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (st.grid[i].tick == c)
                out.push_back(i);
        return out;
    }
    void key(KeyCode code) { GridKeyUp(st, ui, KeyEvent::of(code)); }
};

// One across run of three cells under the clue 6 ("123" each).
struct RunOfThree : SmallPuzzle {
    void SetUp() override {
        st.apppath = dir.folder();
        st.setWorkingFiles();
        makeGrid(st, {"6,0 . . ."});
    }
};

} // namespace

TEST_F(SmallPuzzle, StartClearsEntriesAndPreparesSortedCandidates) {
    st.grid[5].Choices = "7";
    st.grid[5].Enabled = false;
    st.grid[1].Enabled = false;
    st.grid[9].tick = st.redcol;
    st.pendingaction = "Black";
    st.undolist.push_front("5,12");
    st.curcell = 1;
    st.grid[1].tick = st.greencol;
    start();
    // Cell 5: down (3) is reached before across (4) and a tie keeps it.
    EXPECT_EQ(st.grid[5].Choices, "12");
    EXPECT_EQ(st.grid[6].Choices, "13"); // across 4 is shorter than down 7
    EXPECT_EQ(st.grid[8].Choices, "12");
    EXPECT_EQ(st.grid[9].Choices, "1245"); // across 6, sorted
    EXPECT_EQ(st.grid[9].Choices0, "1245");
    EXPECT_TRUE(st.grid[5].Enabled);
    EXPECT_FALSE(st.grid[1].Enabled); // only white cells are switched on
    EXPECT_EQ(st.grid[4].cellsacross, (std::vector<int>{5, 6}));
    EXPECT_EQ(st.grid[3].lendown, 2);
    EXPECT_EQ(st.solver.downowner[9], 3);
    EXPECT_EQ(st.solver.acrossowner[9], 7);
    EXPECT_TRUE(st.manualmode);
    EXPECT_TRUE(st.undolist.empty());
    EXPECT_TRUE(st.pendingaction.empty());
    EXPECT_EQ(st.curcell, 5);
    EXPECT_EQ(ticked(st.greencol), std::vector<int>{5});
    EXPECT_TRUE(ticked(st.redcol).empty()); // incomplete runs: red clues, no ticks
    EXPECT_EQ(st.grid[4].acrosscol, st.redcol);
    EXPECT_EQ(st.grid[2].downcol, st.redcol);
    EXPECT_EQ(st.grid[1].acrosscol, st.blackcol);
    EXPECT_EQ(vextor::test::readFile(st.undofile), ",,,,12,13,,12,1245,\r\n");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SmallPuzzle, StartIsRefusedWhileAutoSolveRuns) {
    st.autosolving = true;
    st.grid[5].Choices = "7";
    start();
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancel AutoSolve first"});
    EXPECT_FALSE(st.manualmode);
    EXPECT_EQ(st.grid[5].Choices, "7");
}

TEST_F(SmallPuzzle, UndoFileHoldsOneFieldPerCellForEveryStart) {
    makeGrid(st, {"X 0,3 0,7 X", "4,0 . . X", "6,0 . . X"});
    start();
    const std::string file = vextor::test::readFile(st.undofile);
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
    EXPECT_EQ(std::count(file.begin(), file.end(), ','), st.grid.ncells);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 1);
}

TEST_F(SmallPuzzle, DuplicateInARunTicksTheWholeRunAndHidesTheCursor) {
    start();
    put(5, 1);
    EXPECT_TRUE(ticked(st.redcol).empty());
    EXPECT_TRUE(ticked(st.greencol).empty()); // every check clears the cursor mark
    put(6, 1); // also leaves 6 for cell 9, which is not among its candidates
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{5, 6, 9}));
    EXPECT_EQ(st.undolist.front(), "6,13");
    EXPECT_EQ(st.undolist.size(), 2u);
    // Clue colours are left alone by a plain entry.
    EXPECT_EQ(st.grid[4].acrosscol, st.redcol);
}

TEST_F(SmallPuzzle, SingleOpenCellRules) {
    start();
    // 9 leaves -5 for cell 6 (across) and -6 for cell 8 (down): only the open cells.
    put(5, 9);
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{6, 8}));
    // 2 leaves 2 for cell 6, which cell 5 already holds: the whole run.
    put(5, 2);
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{5, 6}));
    put(5, 1);
    EXPECT_TRUE(ticked(st.redcol).empty());
    // 1 in cell 6 leaves 3 for cell 5 ("12") and 6 for cell 9 ("1245").
    put(5, 1);
    st.mnucnxTag = "5";
    DigitMenuClick(st, ui, kDigitMenuReset);
    put(6, 1);
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{5, 9}));
}

TEST_F(RunOfThree, NeededDigitAlreadyInTheRunTicksTheRun) {
    start();
    EXPECT_EQ(st.grid[4].Choices, "123");
    put(2, 1);
    put(3, 4); // need 6 - 5 = 1, held by cell 2
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{2, 3, 4}));
}

TEST_F(RunOfThree, FullGridWithDuplicatesKeepsItsMarksAndIsNotPraised) {
    start();
    put(2, 2);
    put(3, 2);
    put(4, 2);
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{2, 3, 4}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(VerifyEntries(st, ui), VerifyResult::Conflict);
    VerifyManualSolve(st, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{2, 3, 4}));
}

TEST_F(RunOfThree, FullGridThatDoesNotAddUpIsMarkedAndNotPraised) {
    start();
    put(2, 1);
    put(3, 2);
    put(4, 4); // 7, not 6; no duplicate
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{2, 3, 4}));
    VerifyManualSolve(st, ui);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(st.grid[1].acrosscol, st.redcol);
}

TEST_F(SmallPuzzle, SolvedGridIsPraisedOnEntryAndOnVerify) {
    start();
    put(5, 1);
    put(6, 3);
    put(8, 2);
    EXPECT_TRUE(ui.messages.empty());
    put(9, 4);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Well done..."});
    EXPECT_TRUE(ticked(st.redcol).empty());
    EXPECT_EQ(st.grid[7].acrosscol, st.redcol); // entries do not recolour clues
    VerifyManualSolve(st, ui);
    EXPECT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(st.grid[7].acrosscol, st.greencol);
    EXPECT_EQ(st.grid[3].downcol, st.greencol);
    EXPECT_TRUE(st.manualmode);
}

TEST_F(SmallPuzzle, VerifyColoursCompleteRunsAndTicksWrongTotals) {
    start();
    put(5, 1);
    put(6, 3); // across 4 complete and right
    put(8, 1); // down 3 complete, 1 + 1: a duplicate and a wrong total
    VerifyManualSolve(st, ui);
    EXPECT_EQ(st.grid[4].acrosscol, st.greencol);
    EXPECT_EQ(st.grid[2].downcol, st.redcol);
    EXPECT_EQ(st.grid[7].acrosscol, st.redcol); // cell 9 still open
    EXPECT_EQ(ticked(st.redcol), (std::vector<int>{5, 8}));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SmallPuzzle, UndoTakesBackEntriesThenRestarts) {
    start();
    put(5, 1);
    put(5, 2);
    st.mnucnxTag = "5";
    DigitMenuClick(st, ui, kDigitMenuReset); // not recorded
    EXPECT_EQ(st.grid[5].Choices, "12");
    EXPECT_EQ(st.undolist.size(), 2u);
    UndoLastEntry(st, ui);
    EXPECT_EQ(st.grid[5].Choices, "1"); // the value recorded with the entry
    put(6, 3);
    put(8, 2);
    put(9, 4);
    VerifyManualSolve(st, ui);
    ASSERT_EQ(st.grid[4].acrosscol, st.greencol);
    UndoLastEntry(st, ui); // a single undo neither checks nor recolours
    EXPECT_EQ(st.grid[9].Choices, "1245");
    EXPECT_EQ(st.grid[7].acrosscol, st.greencol);
    while (!st.undolist.empty())
        UndoLastEntry(st, ui);
    st.grid[6].Choices = "3";
    st.grid[9].tick = st.redcol;
    st.curcell = 9;
    UndoLastEntry(st, ui); // empty list: restart
    EXPECT_EQ(st.grid[6].Choices, "13");
    EXPECT_EQ(st.grid[4].acrosscol, st.redcol);
    EXPECT_EQ(st.curcell, 5);
    EXPECT_EQ(ticked(st.greencol), std::vector<int>{5});
    EXPECT_TRUE(ticked(st.redcol).empty());
}

TEST_F(SmallPuzzle, UndoAndVerifyOutsideTheModeAreRefused) {
    UndoLastEntry(st, ui);
    VerifyManualSolve(st, ui);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Undo in Manual Solve mode only",
                                                     "Verify in Manual Solve mode only"}));
}

TEST_F(SmallPuzzle, GridWithoutWhiteCellsLeavesNoCursor) {
    makeGrid(st, {"X 0,3 X", "X X X"});
    st.curcell = 2;
    st.grid[2].tick = st.greencol;
    start();
    EXPECT_TRUE(st.manualmode);
    EXPECT_EQ(st.curcell, 0);
    EXPECT_TRUE(ticked(st.greencol).empty());
    UndoLastEntry(st, ui);
    EXPECT_EQ(st.curcell, 0);
    key(KeyCode::Right);
    key(KeyCode::Down);
    GridKeyUp(st, ui, KeyEvent::mainDigit(5));
    key(KeyCode::Delete);
    EXPECT_EQ(st.curcell, 0);
    EXPECT_TRUE(st.undolist.empty());
}

TEST_F(SmallPuzzle, CursorKeys) {
    makeGrid(st, {"X 0,3 0,7 0,3", "4,0 . . X", "6,0 . . X", "X 0,3 0,7 X"});
    start();
    ASSERT_EQ(st.curcell, 6);
    key(KeyCode::Left); // wraps backwards to the last white cell
    EXPECT_EQ(st.curcell, 11);
    key(KeyCode::Right); // wraps to the first
    EXPECT_EQ(st.curcell, 6);
    key(KeyCode::Up); // top of the column: stays
    EXPECT_EQ(st.curcell, 6);
    key(KeyCode::Down);
    EXPECT_EQ(st.curcell, 10);
    key(KeyCode::Down); // only sum cells below: stays
    EXPECT_EQ(st.curcell, 10);
    key(KeyCode::Home);
    EXPECT_EQ(st.curcell, 1);
    EXPECT_EQ(ticked(st.greencol), std::vector<int>{1});
    key(KeyCode::End); // not a manual-mode key
    EXPECT_EQ(st.curcell, 1);
}

TEST_F(SmallPuzzle, DigitKeysEnterOnlyFromTheMainKeyboard) {
    start();
    GridKeyUp(st, ui, KeyEvent::keypadDigit(1));
    GridKeyUp(st, ui, KeyEvent::mainDigit(0));
    EXPECT_EQ(st.grid[5].Choices, "12");
    EXPECT_TRUE(st.undolist.empty());
    GridKeyUp(st, ui, KeyEvent::mainDigit(1));
    EXPECT_EQ(st.grid[5].Choices, "1");
    EXPECT_EQ(st.grid[5].tick, st.greencol); // the cursor is marked again
    key(KeyCode::Right);
    GridKeyUp(st, ui, KeyEvent::mainDigit(1)); // duplicate: run ticked, cursor re-marked
    EXPECT_EQ(st.grid[5].tick, st.redcol);
    EXPECT_EQ(st.grid[6].tick, st.greencol);
    key(KeyCode::Delete);
    EXPECT_EQ(st.grid[6].Choices, "13");
    EXPECT_EQ(st.undolist.size(), 2u);
}

TEST_F(SmallPuzzle, DigitsNeverLandInBlackOrSumCells) {
    start();
    key(KeyCode::Home); // cell 1 is black
    ASSERT_EQ(st.curcell, 1);
    GridKeyUp(st, ui, KeyEvent::mainDigit(5));
    key(KeyCode::Delete);
    EXPECT_TRUE(st.grid[1].Choices.empty());
    EXPECT_EQ(st.grid[1].BackColor, st.blackcol);
    put(4, 3); // the sum cell 4,0
    st.mnucnxTag = "4";
    DigitMenuClick(st, ui, kDigitMenuReset);
    EXPECT_TRUE(st.grid[4].Choices.empty());
    EXPECT_EQ(st.grid[4].BackColor, st.greycol); // still saved as a sum cell
    EXPECT_TRUE(st.undolist.empty());
    const CellMouseResult r = GridMouseUp(st, MouseEvent{MouseButton::Right, false, 2, 100, 100});
    EXPECT_EQ(r.popup, CellPopup::None);
}

TEST_F(SmallPuzzle, MouseInManualMode) {
    start();
    st.pendingaction = "Black";
    CellMouseResult r = GridMouseUp(st, MouseEvent{MouseButton::Right, false, 9, 400, 400});
    EXPECT_EQ(r.popup, CellPopup::DigitMenu);
    EXPECT_EQ(st.mnucnxTag, "9");
    EXPECT_EQ(st.curcell, 5); // the cursor does not move
    r = GridMouseUp(st, MouseEvent{MouseButton::Left, false, 8, 0, 0});
    EXPECT_EQ(r.popup, CellPopup::None);
    EXPECT_EQ(st.curcell, 8);
    st.grid[9].Enabled = false;
    GridMouseUp(st, MouseEvent{MouseButton::Left, false, 9, 0, 0});
    EXPECT_EQ(st.curcell, 8);
    // Other buttons take the left-click path of editing, pending action included.
    GridMouseUp(st, MouseEvent{MouseButton::Middle, false, 6, 0, 0});
    EXPECT_EQ(st.curcell, 6);
    EXPECT_TRUE(st.grid[6].Black);
    EXPECT_TRUE(st.pendingaction.empty());
}

TEST_F(SmallPuzzle, ClueNotGivenEmptiesItsRunAndBlackCellsLoseClues) {
    makeGrid(st, {"X 0,3 0,7", "-1,0 . .", "6,0 . ."});
    st.grid[1].across = 5;
    st.grid[1].down = -1;
    start();
    EXPECT_EQ(st.grid[5].Choices, "");
    EXPECT_EQ(st.grid[6].Choices, "");
    EXPECT_EQ(st.grid[9].Choices, "1245");
    EXPECT_EQ(st.grid[1].across, 0);
    EXPECT_EQ(st.grid[1].down, 0);
    EXPECT_EQ(st.grid[4].acrosscol, st.redcol);
}
