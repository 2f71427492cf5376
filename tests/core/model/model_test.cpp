// Runs, the cell under a point, and what a cell shows.
#include "model/cell_display.h"
#include "model/geometry.h"
#include "model/runs.h"
#include "support/grid_builder.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;

TEST(FindRuns, RecordsRunsOfTwoOrMoreCells) {
    AppState st(1);
    test::makeGrid(st, {"X    0,4  0,17 X", //
                        "3,0  .    .    X", //
                        "16,0 .    .    .", //
                        "X    X    .    X"});
    st.grid[1].across = 5; // a black cell loses any clue
    FindRuns(st.grid);
    EXPECT_EQ(st.grid[5].cellsacross, (std::vector<int>{6, 7}));
    EXPECT_EQ(st.grid[9].cellsacross, (std::vector<int>{10, 11, 12}));
    EXPECT_EQ(st.grid[3].cellsdown, (std::vector<int>{7, 11, 15}));
    EXPECT_EQ(std::tuple(st.grid[5].lenacross, st.grid[3].lendown, st.grid[6].lenacross),
              std::tuple(2, 3, 0));
    EXPECT_EQ(st.grid[2].cellsdown, (std::vector<int>{6, 10}));
    EXPECT_TRUE(st.grid[1].across == 0 && st.grid[1].cellsacross.empty());
    test::makeGrid(st, {"X 0,4 X", "16,3 . X", "X . X"}); // a one-cell run is empty
    FindRuns(st.grid);
    EXPECT_TRUE(st.grid[4].lenacross == 0 && st.grid[4].cellsacross.empty());
    EXPECT_EQ(st.grid[2].lendown, 2);
}

TEST(Geometry, CellUnderAPointAndWindowFit) {
    AppState st(1);
    test::makeGrid(st, {". . .", ". . ."});
    const int left = cellLeft(2), top = cellTop(2); // cell 5
    const struct {
        int x, y, cell;
    } cases[] = {{left, top, 5},
                 {left + kCellWidth - 1, top + kCellHeight - 1, 5},
                 {left - 1, top, 4},
                 {left, top - 1, 2},
                 {left + kCellWidth, top, 6},
                 {left, top + kCellHeight, 0},
                 {cellLeft(1) - 1, cellTop(1), 0}};
    for (const auto& c : cases)
        EXPECT_EQ(cellAt(st.grid, c.x, c.y), c.cell) << c.x << "," << c.y;

    EXPECT_EQ(FitGridWindow(5, 10).gridWidth, 6450);
    const WindowFit f = FitGridWindow(15, 18);
    EXPECT_EQ(std::tuple(f.gridWidth, f.gridHeight, f.windowWidth, f.windowHeight),
              std::tuple(18 * 624 + 150, 15 * 564 + 120, 18 * 624 + 300, 696 + 15 * 564 + 620));
}

TEST(CellDisplay, DigitsCluesTickAndBlack) {
    Square s;
    s.Choices = "123456";
    s.across = 16;
    s.down = -1; // a clue still to be computed
    s.BackColor = packColour(192, 192, 192);
    auto d = describeCell(s);
    EXPECT_EQ(d.line1 + "|" + d.line2, "12345|6");
    EXPECT_EQ(d.acrossText + "|" + d.downText, "16|?");
    EXPECT_TRUE(d.pointSize == 8 && !d.tickVisible);
    s.Choices = "7";
    s.tick = packColour(10, 200, 10);
    d = describeCell(s);
    EXPECT_EQ(d.line1 + "|" + d.line2, "7|");
    EXPECT_TRUE(d.pointSize == 16 && d.bold && d.tickVisible);
    s.Black = true;
    EXPECT_TRUE(describeCell(s).background == packColour(0, 0, 0) &&
                describeCell(s).acrossText.empty());
}
