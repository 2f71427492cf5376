// Compiling layouts: the connection test, clue pruning, the run list, digit
// filling and its corrections.
#include "create/compile.h"
#include "create/digit_fill.h"
#include "model/runs.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::test;

namespace {

std::vector<int> redCells(const AppState& st) {
    std::vector<int> out;
    for (int i = 1; i <= st.grid.ncells; ++i)
        if (st.grid[i].BackColor == st.redcol)
            out.push_back(i);
    return out;
}

} // namespace

TEST(Compile, BlockedLayoutPaintsTheLaterArea) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, {"X 0,-1 0,-1 X X", "-1,0 . . X X", "-1,0 . . 0,-1 0,-1", "X X -1,0 . .",
                  "X X -1,0 . ."});
    CompileCommand(st, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cells are blocked"});
    EXPECT_EQ(redCells(st), (std::vector<int>{19, 20, 24, 25}));
    EXPECT_TRUE(st.grid[7].Choices.empty());
}

TEST(Compile, AllBlackGridsCompileWithAnAttemptLimitOfHalfTheCells) {
    const struct {
        int rows, cols, tries;
    } cases[] = {{7, 7, 24}, {9, 9, 40}, {10, 10, 50}, {5, 5, 12}, {7, 9, 32}};
    for (const auto& c : cases) {
        AppState st(1);
        ScriptedUserInterface ui;
        makeGrid(st, std::vector<std::string>(static_cast<std::size_t>(c.rows), [&] {
                     std::string r = "X";
                     for (int k = 1; k < c.cols; ++k)
                         r += " X";
                     return r;
                 }()));
        EXPECT_EQ(CompileGrid(st, ui, false, true), CompileResult::Compiled);
        EXPECT_EQ(st.maxtries, c.tries) << c.rows << "x" << c.cols;
        CompileCommand(st, ui); // no white cell is not blocked
        EXPECT_EQ(ui.messages, std::vector<std::string>{"Done"});
    }
}

TEST(Compile, PruneCluesDropsPositiveCluesOnlyAndClearsRuns) {
    AppState st(1);
    makeGrid(st, {"X 0,5 X", "8,-1 X .", "-1,0 X X"});
    st.grid[2].cellsacross = {9};
    st.grid[2].lenacross = 1;
    PruneClues(st.grid);
    // Black below / to the right: dropped; marks are left for the layout check.
    EXPECT_EQ(gridRows(st), (std::vector<std::string>{"X 0,0 X", "0,-1 X -", "-1,0 X X"}));
    EXPECT_TRUE(st.grid[2].cellsacross.empty() && st.grid[2].lenacross == 0);
}

TEST(Compile, RunListSortsAsTextAndSingleRunCellsTakeTheSmallestDigit) {
    AppState st(1);
    ScriptedUserInterface ui;
    // Runs headed by cells 7 (across 8, 9), 11 (down 22, 33), 105 (across 106, 107).
    std::vector<std::string> rows(10, "X X X X X X X X X X X");
    rows[0] = "X X X X X X -1,0 . . X 0,-1";
    rows[1] = rows[2] = "X X X X X X X X X X .";
    rows[9] = "X X X X X -1,0 . . X X X";
    makeGrid(st, rows);
    ASSERT_EQ(CompileGrid(st, ui, false, false), CompileResult::Compiled);
    std::vector<std::string> texts;
    for (const auto& e : st.creator.runList)
        texts.push_back(e.text);
    EXPECT_EQ(texts,
              (std::vector<std::string>{"07,A, 8, 9,", "105,A, 106, 107,", "11,D, 22, 33,"}));
    // Cells of one, two and three digits in one run each: 1 then 2.
    for (const int cell : {8, 22, 106})
        EXPECT_EQ(st.grid[cell].Choices + st.grid[cell + (cell == 22 ? 11 : 1)].Choices, "12");
    EXPECT_EQ(st.grid[7].across, 3);
    EXPECT_EQ(st.grid[11].down, 3);
}

TEST(Compile, LargestFirstFillsInListOrderAndRepeats) {
    AppState st(1);
    ScriptedUserInterface ui;
    const std::vector<std::string> layout = {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . . .",
                                             "-1,0 . . ."};
    makeGrid(st, layout);
    ASSERT_EQ(CompileGrid(st, ui, false, false), CompileResult::Compiled);
    const auto first = gridRows(st);
    // "02,D, 6, 10, 14," takes 9, 8, 7; the double cross 9 8 over 8 9 loses its 9s.
    EXPECT_EQ(first, (std::vector<std::string>{"X 0,16 0,16 0,22", "16,0 1 8 7", "16,0 8 2 6",
                                               "22,0 7 6 9"}));
    makeGrid(st, layout);
    ASSERT_EQ(CompileGrid(st, ui, false, false), CompileResult::Compiled);
    EXPECT_EQ(gridRows(st), first);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(Compile, DoubleCrossIsRepaired) {
    const struct {
        const char *upper, *lower, *upperAfter, *lowerAfter;
    } cases[] = {
        {"3 4", "4 3", "1 4", "4 2"}, // a gets the smallest free digit
        {"1 2", "2 1", "3 2", "2 1"}, // a had it: the second smallest
        {"3 4", "5 3", "3 4", "5 3"}, // no cross
    };
    for (const auto& c : cases) {
        AppState st(1);
        makeGrid(st, {"X 0,0 0,0", std::string("0,0 ") + c.upper, std::string("0,0 ") + c.lower});
        FindDoubleCross(st);
        EXPECT_EQ(gridRows(st)[1], std::string("0,0 ") + c.upperAfter) << c.upper;
        EXPECT_EQ(gridRows(st)[2], std::string("0,0 ") + c.lowerAfter) << c.lower;
    }
}

TEST(Compile, FailedFillingWritesNoClueAndUnableClearsEveryClue) {
    AppState st(1);
    ScriptedUserInterface ui;
    // The across run of cell 1 has ten cells: no digits for all of them.
    const std::vector<std::string> layout = {
        "-1,0 . . . . . . . . . .", "X 0,-1 0,-1 X X X X X X X X", "-1,0 . . X X X X X X X X",
        "-1,0 . . X X X X X X X X"};
    makeGrid(st, layout);
    PruneClues(st.grid);
    FindRuns(st.grid);
    BuildRunList(st);
    EXPECT_FALSE(FillDigits(st, false));
    EXPECT_EQ(st.grid[23].across, -1);
    EXPECT_EQ(st.grid[13].down, -1);
    makeGrid(st, layout);
    EXPECT_EQ(CompileGrid(st, ui, true, true), CompileResult::Unable);
    EXPECT_EQ(ui.messages.back(), "Unable to compile");
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(!st.grid[i].across && !st.grid[i].down && st.grid[i].Choices.empty()) << i;
    // Compiling again finds no runs: the layout is now invalid.
    ui.messages.clear();
    EXPECT_EQ(CompileGrid(st, ui, false, true), CompileResult::Invalid);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Invalid puzzle, cannot compile"});
}
