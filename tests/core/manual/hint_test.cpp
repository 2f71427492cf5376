// Hint while solving by hand: the three presses, wrong entries and marks,
// puzzles without one solution, and undo of an applied hint.
#include "manual/hint.h"
#include "manual/manual_solve.h"
#include "manual/play_aids.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <functional>
#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::gridRows;
using vextor::test::makeGrid;
using Cells = std::vector<int>;

namespace {

// X 0,3 0,7 / 4,0 . . / 6,0 . .: solved by 1 3 / 2 4.
struct HintPuzzle : ::testing::Test {
    test::TempDir dir;
    AppState st{1};
    test::ScriptedUserInterface ui;

    void SetUp() override {
        st = AppState(1);
        ui = test::ScriptedUserInterface();
        st.apppath = dir.folder();
        st.setWorkingFiles();
        makeGrid(st, {"X 0,3 0,7", "4,0 . .", "6,0 . ."});
        StartManualSolve(st, ui);
    }
    void put(int cell, int digit) {
        st.mnucnxTag = std::to_string(cell);
        DigitMenuClick(st, ui, digit - 1);
    }
    Cells ticked(Colour c) const {
        Cells out;
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (st.grid[i].tick == c)
                out.push_back(i);
        return out;
    }
    std::string hint() {
        HintCommand(st, ui);
        return HintText(st);
    }
};

} // namespace

TEST_F(HintPuzzle, ThreePressesMarkTellAndApplyOneUndoTakesItBack) {
    const auto before = gridRows(st);
    EXPECT_EQ(hint(), "Hint 1 of 3: Combinations (easy): look at the marked cells.");
    EXPECT_EQ(ticked(st.yellowcol), (Cells{5, 6}));
    EXPECT_EQ(gridRows(st), before);
    const std::string told = "4 across in 2 cells (row 2, columns 2\u20133): the only "
                             "combination is 1 + 3, so row 2, column 2 is 1.";
    EXPECT_EQ(hint(), "Hint 2 of 3: " + told);
    EXPECT_EQ(gridRows(st), before);
    st.texts.status = "Verify: no conflicts"; // goes with the entry the hint makes
    EXPECT_EQ(hint(), "Hint 3 of 3, applied: " + told);
    EXPECT_TRUE(st.grid[5].Choices == "1" && st.texts.status.empty());
    EXPECT_EQ(st.undolist.size(), 1u);
    // A change on the grid starts at the first press again.
    EXPECT_EQ(hint().rfind("Hint 1 of 3: ", 0), 0u);
    put(9, 4);
    EXPECT_EQ(hint().rfind("Hint 1 of 3: ", 0), 0u);
    UndoLastEntry(st, ui);
    UndoLastEntry(st, ui); // the applied hint, all at once
    EXPECT_EQ(gridRows(st), before);
    EXPECT_TRUE(st.undolist.empty());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(HintPuzzle, WrongEntriesAndMarksAreNamedNeverTheirDigit) {
    const struct {
        std::function<void(HintPuzzle&)> setUp;
        std::string text;
        Cells red;
    } cases[] = {
        {[](HintPuzzle& p) { p.put(5, 2); },
         "Hint: Row 2, column 2 holds a wrong digit (marked in red).",
         {5}},
        {[](HintPuzzle& p) { p.st.grid[9].Choices = "125"; },
         "Hint: the candidates of row 3, column 3 no longer hold the digit it needs (marked in "
         "red).",
         {9}},
        {[](HintPuzzle& p) {
             p.st.aids.editPencilMarks = true;
             TogglePencilMark(p.st, 9, 4);
         },
         "Hint: the pencil marks of row 3, column 3 no longer hold the digit it needs (marked in "
         "red).",
         {9}},
        // A lone pencil mark is no entry: the hint places it.
        {[](HintPuzzle& p) {
             p.st.aids.editPencilMarks = true;
             for (const int d : {1, 2, 5})
                 TogglePencilMark(p.st, 9, d);
         },
         "Hint 1 of 3: One candidate left (easy): look at the marked cells.",
         {}},
        {[](HintPuzzle& p) { StopManualSolve(p.st, p.ui); },
         "Hints are given while solving by hand: choose Solve Manually first.",
         {}},
        {[](HintPuzzle& p) {
             makeGrid(p.st, {"X 0,4 0,4", "4,0 . .", "4,0 . ."});
             StartManualSolve(p.st, p.ui);
         },
         "This puzzle has more than one solution: no reasoning can choose between them, so there "
         "is no hint.",
         {}},
        {[](HintPuzzle& p) {
             makeGrid(p.st, {"X 0,3 0,3", "3,0 . .", "4,0 . ."});
             StartManualSolve(p.st, p.ui);
         },
         "This puzzle has no solution, so there is no hint.",
         {}},
    };
    for (const auto& c : cases) {
        SetUp();
        c.setUp(*this);
        EXPECT_EQ(hint(), c.text);
        EXPECT_EQ(ticked(st.redcol), c.red) << c.text;
    }
}
