#include "model/runs.h"
#include "state/layout_check.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::makeGrid;
using vextor::test::ScriptedUserInterface;

TEST(FindRuns, RecordsRunsOfTwoOrMoreCells) {
    AppState st(1);
    makeGrid(st, {"X    0,4  0,17 X", //
                  "3,0  .    .    X", //
                  "16,0 .    .    .", //
                  "X    X    .    X"});
    st.grid[1].across = 5; // a black cell loses any clue
    FindRuns(st.grid);
    EXPECT_EQ(st.grid[5].cellsacross, (std::vector<int>{6, 7}));
    EXPECT_EQ(st.grid[5].lenacross, 2);
    EXPECT_EQ(st.grid[9].cellsacross, (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(st.grid[3].cellsdown, (std::vector<int>{7, 11, 15}));
    EXPECT_EQ(st.grid[3].lendown, 3);
    EXPECT_EQ(st.grid[2].cellsdown, (std::vector<int>{6, 10}));
    EXPECT_EQ(runString(st.grid[9].cellsacross), " 10, 11, 12,");
    EXPECT_EQ(st.grid[1].across, 0);
    EXPECT_TRUE(st.grid[1].cellsacross.empty());
    EXPECT_EQ(st.grid[6].lenacross, 0);
}

TEST(FindRuns, OneCellRunIsEmpty) {
    AppState st(1);
    makeGrid(st, {"X 0,4 X", "16,3 . X", "X . X"});
    FindRuns(st.grid);
    EXPECT_EQ(st.grid[4].lenacross, 0);
    EXPECT_TRUE(st.grid[4].cellsacross.empty());
    EXPECT_EQ(st.grid[2].lendown, 2);
}

TEST(CheckLayout, ShortRunFailsAtFirstClueAcrossBeforeDown) {
    AppState st(1);
    ScriptedUserInterface ui;
    // Cell 5 has an across clue over one cell and a down clue over one cell;
    // cell 9 has another short run: only the first error is reported.
    makeGrid(st, {"X    X    X  X", //
                  "16,3 .    X  X", //
                  "X    7,0  .  X", //
                  "X    X    X  X"});
    FindRuns(st.grid);
    int tickDuringMessage = -1;
    ui.onMessage = [&](const std::string&) {
        tickDuringMessage = static_cast<int>(st.grid[5].tick);
    };
    EXPECT_TRUE(CheckLayout(st, ui, true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Need at least 2 cells for sum ( 16) across at 5");
    EXPECT_EQ(tickDuringMessage, static_cast<int>(st.redcol));
    EXPECT_EQ(st.grid[5].tick, 0u);

    st.grid[5].across = 0;
    FindRuns(st.grid);
    ui.messages.clear();
    EXPECT_TRUE(CheckLayout(st, ui, true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Need at least 2 cells for sum ( 3) down at 5");
}

TEST(CheckLayout, WithoutShowFailsSilently) {
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, {"X X X", "16,0 . X", "X X X"});
    FindRuns(st.grid);
    EXPECT_TRUE(CheckLayout(st, ui, false));
    EXPECT_TRUE(ui.log.empty());
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_EQ(st.grid[i].tick, 0u);
}

TEST(CheckLayout, CoverageUsesWholeIndexes) {
    AppState st(1);
    ScriptedUserInterface ui;
    // Ten columns: cell 12 is in the across run of cell 11, cell 2 is in no run.
    makeGrid(st, {"X 5 X X X X X X X X", //
                  "3,0 . . X X X X X X X"});
    FindRuns(st.grid);
    EXPECT_TRUE(CheckLayout(st, ui, true));
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0], "Cell 2 (5) does not appears to be part of any across or down sums");

    st.grid[2].Choices.clear();
    ui.messages.clear();
    EXPECT_TRUE(CheckLayout(st, ui, true));
    EXPECT_EQ(ui.messages[0], "Cell 2 () does not appears to be part of any across or down sums");
}

TEST(CheckLayout, CellCoveredByDownRunOnlyPasses) {
    AppState st(1);
    ScriptedUserInterface ui;
    // Cells 4 and 7 are in the first column, reached only by the down clue of cell 1.
    makeGrid(st, {"0,3 X X", ". X X", ". X X"});
    FindRuns(st.grid);
    EXPECT_FALSE(CheckLayout(st, ui, true));
    EXPECT_TRUE(ui.messages.empty());
}

namespace {
// Every message with the cells that carry a tick while it is shown.
std::vector<std::string> messagesWithTicks(AppState& st, ScriptedUserInterface& ui) {
    std::vector<std::string> seen;
    ui.onMessage = [&](const std::string& m) {
        std::string line = m;
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (st.grid[i].tick != 0)
                line += " @" + std::to_string(i) +
                        (st.grid[i].tick == st.yellowcol ? " yellow" : " other");
        seen.push_back(line);
    };
    const bool failed = CheckLayout(st, ui, true);
    if (failed)
        seen.push_back("failed");
    for (int i = 1; i <= st.grid.ncells; ++i)
        if (st.grid[i].tick != 0)
            seen.push_back("tick left on " + std::to_string(i));
    return seen;
}
} // namespace

TEST(CheckLayout, WarningsAreAllShownInYellowAndDoNotFail) {
    AppState st(1);
    ScriptedUserInterface ui;
    // Black cells 5 and 9 each have two white cells to their right that no
    // across clue governs.
    makeGrid(st, {"X 0,3 0,4 X", //
                  "X .   .   X", //
                  "X .   .   X", //
                  "X X   X   X"});
    FindRuns(st.grid);
    EXPECT_EQ(
        messagesWithTicks(st, ui),
        (std::vector<std::string>{"Row at cell 6 across may not have unique digits @6 yellow",
                                  "Row at cell 10 across may not have unique digits @10 yellow"}));

    // Black cells 2 and 3 each have two white cells below them.
    makeGrid(st, {"X   X X", //
                  "3,0 . .", //
                  "4,0 . .", //
                  "X   X X"});
    FindRuns(st.grid);
    EXPECT_EQ(
        messagesWithTicks(st, ui),
        (std::vector<std::string>{"Column at cell 5 down may not have unique digits @5 yellow",
                                  "Column at cell 6 down may not have unique digits @6 yellow"}));
}

TEST(CheckLayout, NoWarningsNearTheRightAndBottomEdges) {
    AppState st(1);
    ScriptedUserInterface ui;
    // Black cells 5 and 8 sit in the second-last column: the cells after them
    // wrap into the next row and must not count. Black cell 11 sits in the
    // second-last row with a white cell below it.
    makeGrid(st, {"X   X 0,3", //
                  "0,4 X .",   //
                  ".   X .",   //
                  ".   X X",   //
                  "3,0 . ."});
    FindRuns(st.grid);
    EXPECT_TRUE(messagesWithTicks(st, ui).empty());
}
