// Building grids and New Grid.
#include "state/grid_commands.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using vextor::test::ScriptedUserInterface;

TEST(BuildGrid, PlacesEmptyWhiteCellsAndSetsTheTryLimit) {
    AppState st(1);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 10, 10);
    st.grid[3].Black = st.grid[3].known = true;
    st.grid[3].Choices = "12";
    st.grid[40].across = 7;
    st.grid[40].tick = st.redcol;
    st.pendingaction = "Black";
    BuildGrid(st, ui, 9, 9);
    EXPECT_EQ(st.grid.CellIndex(2, 1), 10);
    EXPECT_EQ(std::tuple(st.grid[10].left, st.grid[10].top, st.grid[9].left, st.maxtries),
              std::tuple(54, 50 + 564, 9 * 624 - 570, 3 * 81));
    EXPECT_TRUE(ui.busyDepth == 0 && st.pendingaction.empty());
    for (int i = 1; i <= 81; ++i) {
        const Square& s = st.grid[i];
        EXPECT_FALSE(s.Black || s.known || s.across || s.tick || !s.Enabled) << i;
        EXPECT_TRUE(s.BackColor == st.whitecol && s.Choices.empty()) << i;
    }
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
    EXPECT_EQ(st.fit.gridWidth, 18 * 624 + 150);
    EXPECT_EQ(std::pair(ui.busyDepth, ui.hiddenDepth), std::pair(0, 0));
}
