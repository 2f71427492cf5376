#include <gtest/gtest.h>

#include "model/cell_display.h"
#include "state/grid_commands.h"
#include "support/scripted_ui.h"

using namespace vextor;
using vextor::test::ScriptedUserInterface;

TEST(Grid, CellIndexAndPlacement) {
    AppState st(1);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 9, 9);
    EXPECT_EQ(st.grid.CellIndex(2, 1), 10);
    EXPECT_EQ(st.grid[1].left, 54);
    EXPECT_EQ(st.grid[1].top, 50);
    EXPECT_EQ(st.grid[10].left, 54);
    EXPECT_EQ(st.grid[10].top, 50 + 564);
    EXPECT_EQ(st.grid[9].left, 9 * 624 - 570);
    EXPECT_EQ(st.maxtries, 3 * 81);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST(Grid, ShrinkAndGrowKeepsCellsWhiteAndEmpty) {
    AppState st(1);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 10, 10);
    st.grid[3].Black = true;
    st.grid[3].Choices = "12";
    st.grid[40].across = 7;
    BuildGrid(st, ui, 5, 5);
    EXPECT_EQ(st.grid.ncells, 25);
    EXPECT_FALSE(st.grid[3].Black);
    EXPECT_TRUE(st.grid[3].Choices.empty());
    BuildGrid(st, ui, 10, 10);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_EQ(st.grid[i].BackColor, st.whitecol);
        EXPECT_EQ(st.grid[i].across, 0);
        EXPECT_FALSE(st.grid[i].known);
        EXPECT_TRUE(st.grid[i].Enabled);
    }
}

TEST(Grid, FitWindowWidensOnlyAboveTenColumns) {
    EXPECT_EQ(FitGridWindow(9, 9).gridWidth, 6450);
    EXPECT_EQ(FitGridWindow(5, 10).gridWidth, 6450);
    EXPECT_EQ(FitGridWindow(12, 12).gridWidth, 12 * 624 + 150);
    const WindowFit f = FitGridWindow(15, 18);
    EXPECT_EQ(f.gridHeight, 15 * 564 + 120);
    EXPECT_EQ(f.windowWidth, f.gridWidth + 150);
    EXPECT_EQ(f.windowHeight, 696 + f.gridHeight + 500);
}

TEST(CellDisplay, ChoicesLinesAndFont) {
    Square s;
    s.Choices = "12345";
    auto d = describeCell(s);
    EXPECT_EQ(d.line1, "12345");
    EXPECT_EQ(d.line2, "");
    EXPECT_EQ(d.pointSize, 8);
    s.Choices = "123456";
    d = describeCell(s);
    EXPECT_EQ(d.line1, "12345");
    EXPECT_EQ(d.line2, "6");
    s.Choices = "7";
    d = describeCell(s);
    EXPECT_EQ(d.line1, "7");
    EXPECT_EQ(d.pointSize, 16);
    EXPECT_TRUE(d.bold);
}

TEST(CellDisplay, CluesTickAndBlack) {
    Square s;
    s.BackColor = packColour(192, 192, 192);
    s.across = 16;
    s.down = 0;
    auto d = describeCell(s);
    EXPECT_EQ(d.acrossText, "16");
    EXPECT_EQ(d.downText, "");
    EXPECT_FALSE(d.tickVisible);
    s.tick = packColour(10, 200, 10);
    EXPECT_TRUE(describeCell(s).tickVisible);
    s.Black = true;
    EXPECT_EQ(describeCell(s).background, 0u);
}

TEST(NewGrid, ValidationLoop) {
    AppState st(1);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 9, 9);
    ui.inputAnswers = {std::string("16,10"), std::string("4,10"), std::string("10,19"),
                       std::string("10,4"),  std::string("12"),   std::string("0,0"),
                       std::string("15,18")};
    EXPECT_TRUE(NewGridCommand(st, ui));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Incorrect number of rows", "Incorrect number of rows",
                                        "Incorrect number of columns",
                                        "Incorrect number of columns",
                                        "Incorrect number of columns",
                                        "Incorrect number of rows"}));
    EXPECT_EQ(st.grid.rows, 15);
    EXPECT_EQ(st.grid.cols, 18);
    EXPECT_TRUE(st.editmode);
    EXPECT_FALSE(st.manualmode);
    EXPECT_EQ(st.curcell, 1);
    EXPECT_EQ(st.grid[1].tick, st.greencol);
    EXPECT_EQ(st.fit.gridWidth, 18 * 624 + 150);
    EXPECT_EQ(st.texts.gridSize, "15x18");
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_EQ(ui.hiddenDepth, 0);
    ASSERT_FALSE(ui.log.empty());
    EXPECT_EQ(ui.log[0], "input: New Grid: Enter grid size as rows,columns\r\nMaximum rows= 15, "
                         "columns= 18 [10,10]");
}

TEST(NewGrid, CancelAndAutoSolveRefusal) {
    AppState st(1);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 9, 9);
    EXPECT_FALSE(NewGridCommand(st, ui)); // no answer queued: cancelled
    EXPECT_EQ(st.grid.rows, 9);
    EXPECT_FALSE(st.editmode);
    st.autosolving = true;
    EXPECT_FALSE(NewGridCommand(st, ui));
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancel AutoSolve first"});
}
