// Building grids, New Grid, and the layout check: errors stop at the first,
// warnings are all shown.
#include "model/runs.h"
#include "state/grid_commands.h"
#include "state/layout_check.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;
using Texts = std::vector<std::string>;
using vextor::test::ScriptedUserInterface;

namespace {

// Each message with the ticked cells while shown, "failed" on failure, ticks left after.
Texts check(const std::vector<std::string>& rows, bool show = true) {
    AppState st(1);
    test::ScriptedUserInterface ui;
    test::makeGrid(st, rows);
    FindRuns(st.grid);
    Texts seen;
    ui.onMessage = [&](const std::string& m) {
        std::string line = m;
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (st.grid[i].tick != 0)
                line += " @" + std::to_string(i) +
                        (st.grid[i].tick == st.yellowcol ? " yellow"
                         : st.grid[i].tick == st.redcol  ? " red"
                                                         : " other");
        seen.push_back(line);
    };
    if (CheckLayout(st, ui, show))
        seen.push_back("failed");
    for (int i = 1; i <= st.grid.ncells; ++i)
        if (st.grid[i].tick != 0)
            seen.push_back("tick left on " + std::to_string(i));
    return seen;
}

} // namespace

TEST(CheckLayout, ErrorsAndWarnings) {
    const struct {
        std::vector<std::string> rows;
        Texts seen;
    } cases[] = {
        // Only the first error, across before down, in red while shown.
        {{"X X X X", "16,3 . X X", "X 7,0 . X", "X X X X"},
         {"Need at least 2 cells for sum ( 16) across at 5 @5 red", "failed"}},
        {{"X X X X", "0,3 . X X", "X 7,0 . X", "X X X X"},
         {"Need at least 2 cells for sum ( 3) down at 5 @5 red", "failed"}},
        // Coverage uses whole indexes: cell 12 is in the run of cell 11.
        {{"X 5 X X X X X X X X", "3,0 . . X X X X X X X"},
         {"Cell 2 (5) does not appears to be part of any across or down sums @2 red", "failed"}},
        {{"X . X", "3,0 . ."},
         {"Cell 2 () does not appears to be part of any across or down sums @2 red", "failed"}},
        {{"0,3 X X", ". X X", ". X X"}, {}}, // covered by a down run only
        // Warnings: two white cells after a black one, each shown in yellow.
        {{"X 0,3 0,4 X", "X . . X", "X . . X", "X X X X"},
         {"Row at cell 6 across may not have unique digits @6 yellow",
          "Row at cell 10 across may not have unique digits @10 yellow"}},
        {{"X X X", "3,0 . .", "4,0 . ."},
         {"Column at cell 5 down may not have unique digits @5 yellow",
          "Column at cell 6 down may not have unique digits @6 yellow"}},
        // None where the cells after a black one wrap into the next row or leave the grid.

        {{"X X 0,3", "0,4 X .", ". X .", ". X X", "3,0 . ."}, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(check(c.rows), c.seen) << c.rows[0] << " / " << c.rows[1];
    EXPECT_EQ(check(cases[0].rows, false), Texts{"failed"}); // silently
}

TEST(NewGrid, AsksUntilTheSizeIsValid) {
    AppState st(1);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 9, 9);
    EXPECT_FALSE(NewGridCommand(st, ui)); // no answer queued: cancelled
    EXPECT_TRUE(st.grid.rows == 9 && !st.editmode);
    ui.log.clear();
    ui.inputAnswers = {std::string("16,10"), std::string("4,10"), std::string("10,19"),
                       std::string("10,4"),  std::string("12"),   std::string("0,0"),
                       std::string("15,18")};
    st.manualmode = true;
    st.grid[1].tick = st.redcol;
    st.texts.title = "Replaced puzzle";
    EXPECT_TRUE(NewGridCommand(st, ui));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{
                               "Incorrect number of rows", "Incorrect number of rows",
                               "Incorrect number of columns", "Incorrect number of columns",
                               "Incorrect number of columns", "Incorrect number of rows"}));
    EXPECT_EQ(ui.log[0], "input: New Grid: Enter grid size as rows,columns\r\nMaximum rows= 15, "
                         "columns= 18 [10,10]");
    EXPECT_TRUE(st.grid.ncells == 15 * 18 && st.texts.gridSize == "15x18" &&
                st.texts.title.empty());
    EXPECT_TRUE(st.editmode && !st.manualmode && st.curcell == 1 && st.grid[1].tick == st.greencol);
    EXPECT_EQ(std::pair(st.fit.gridWidth, st.maxtries), std::pair(18 * 624 + 150, 3 * 270));
    EXPECT_EQ(std::pair(ui.busyDepth, ui.hiddenDepth), std::pair(0, 0));
    ui.inputAnswers = {std::string("5,5")}; // the smallest size asked for
    EXPECT_TRUE(NewGridCommand(st, ui) && st.grid.ncells == 25);
}
