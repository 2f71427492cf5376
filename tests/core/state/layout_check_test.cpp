// The layout check: errors stop at the first, warnings are all shown.
#include "model/runs.h"
#include "state/layout_check.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;
using Texts = std::vector<std::string>;

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
