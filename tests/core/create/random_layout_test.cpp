// Random layouts: the density table, the drawn pattern, the repairs and
// random puzzles over many seeds.
#include "create/compile.h"
#include "create/random_layout.h"
#include "model/runs.h"
#include "puzzle_checks.h"
#include "state/grid_commands.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::gridRows;
using vextor::test::makeGrid;
using vextor::test::puzzleFault;
using vextor::test::ScriptedUserInterface;

TEST(RandomLayout, DensityFactorByCellCount) {
    const struct {
        int ncells;
        double f;
    } cases[] = {{101, 1.5}, {100, 2.0}, {99, 2.5}, {81, 2.5}, {51, 2.5},
                 {50, 2.0},  {49, 3.0},  {25, 3.0}, {24, 2.0}};
    for (const auto& c : cases)
        EXPECT_EQ(DensityFactor(c.ncells), c.f) << c.ncells;
}

TEST(RandomLayout, SumCellsOnlyAtTheEdgesAndInTheInteriorBand) {
    for (const int size : {7, 9, 10}) {
        for (std::uint64_t seed = 1; seed <= 40; ++seed) {
            AppState st(seed);
            ScriptedUserInterface ui;
            BuildGrid(st, ui, size, size);
            RandomLayout(st);
            const Grid& g = st.grid;
            int interior = 0;
            for (int i = 1; i <= g.ncells; ++i) {
                if (g[i].BackColor != st.greycol)
                    continue;
                const int r = g.rowOf(i), c = g.colOf(i);
                const bool band = r >= 3 && r <= g.rows - 2 && c >= 3;
                interior += band;
                EXPECT_TRUE(r == 1 || c == 1 || band || (r == 2 && c >= 4 && c <= g.cols - 2) ||
                            (c == 2 && r >= 4 && r <= g.rows - 2))
                    << "cell " << i << " seed " << seed;
            }
            EXPECT_LE(interior, static_cast<int>(DensityFactor(g.ncells) * g.ncells / 10));
            // The records follow the colours; the corners are black.
            EXPECT_TRUE(g[1].Black && g[g.ncells].Black);
            EXPECT_EQ(g[g.ncells / 2].known, g[g.ncells / 2].BackColor != st.whitecol);
        }
    }
}

TEST(RandomLayout, LongRunsLoseTheirLastCellAndOneHalfARowBefore) {
    AppState st(1);
    // Across run of 8 cells (cols - 2) after cell 11; down run of 8 after 2.
    makeGrid(st, {"X    0,-1 X X X X X X X X", //
                  "-1,0 .    . . . . . . . X", //
                  "X    .    X X X X X X X X", //
                  "X    .    X X X X X X X X", //
                  "X    .    X X X X X X X X", //
                  "X    .    X X X X X X X X", //
                  "X    .    X X X X X X X X", //
                  "X    .    X X X X X X X X", //
                  "X    .    X X X X X X X X", //
                  "X    X    X X X X X X X X"});
    FindRuns(st.grid);
    BreakLongRuns(st);
    std::vector<int> black;
    for (const int i : {19, 14, 82, 77})
        if (st.grid[i].Black && st.grid[i].known && st.grid[i].BackColor == st.blackcol)
            black.push_back(i);
    EXPECT_EQ(black, (std::vector<int>{19, 14, 82, 77}));
    EXPECT_FALSE(st.grid[18].Black);
}

TEST(RandomLayout, AdjustGreyCellsMakesOneRepairInItsOrder) {
    const struct {
        const char* what;
        std::vector<std::string> layout;
        bool valid;
        std::vector<std::string> after; // colours: X black, G grey, . white
    } cases[] = {
        {"short down: the two cells below turn white",
         {"X 0,-1 0,-1 X", "-1,0 . . X", "-1,0 X X X", "X X X X"},
         false,
         {"X G G X", "G . . X", "G . X X", "X X X X"}},
        {"short across: the two cells to the right turn white",
         {"X X X X", "-1,0 . X X", "X X X X", "X X X X"},
         false,
         {"X X X X", "G . . X", "X X X X", "X X X X"}},
        {"short across at the edge: the cell turns black",
         {"X 0,-1 0,-1 X", "-1,0 . . -1,0", "-1,0 . . X", "X X X X"},
         false,
         {"X G G X", "G . . X", "G . . X", "X X X X"}},
        {"uncovered white cell turns grey",
         {"X 0,-1 0,-1 X", "-1,0 . . X", "-1,0 . . X", "X X X ."},
         false,
         {"X G G X", "G . . X", "G . . X", "X X X G"}},
        {"black cell over two white cells turns grey",
         {"X 0,-1 X X", "-1,0 . . .", "-1,0 . . .", "X X X X"},
         false,
         {"X G G X", "G . . .", "G . . .", "X X X X"}},
        {"blocked layout: no repair",
         {"X 0,-1 0,-1 X X", "-1,0 . . X X", "-1,0 . . 0,-1 0,-1", "X X -1,0 . .", "X X -1,0 . ."},
         false,
         {"X G G X X", "G . . X X", "G . . G G", "X X G . .", "X X G . ."}},
        {"valid: a sum cell without clues turns black",
         {"X 0,-1 0,-1 0,0", "-1,0 . . X", "-1,0 . . X", "X X X X"},
         true,
         {"X G G X", "G . . X", "G . . X", "X X X X"}},
    };
    for (const auto& c : cases) {
        AppState st(1);
        ScriptedUserInterface ui;
        makeGrid(st, c.layout);
        EXPECT_EQ(AdjustGreyCells(st, ui, false), c.valid) << c.what;
        std::vector<std::string> colours;
        for (int r = 1; r <= st.grid.rows; ++r) {
            std::string line;
            for (int col = 1; col <= st.grid.cols; ++col) {
                const Colour k = st.grid[st.grid.CellIndex(r, col)].BackColor;
                line += std::string(col > 1 ? " " : "") + (k == st.blackcol  ? "X"
                                                           : k == st.greycol ? "G"
                                                                             : ".");
            }
            colours.push_back(line);
        }
        EXPECT_EQ(colours, c.after) << c.what;
        EXPECT_TRUE(ui.messages.empty());
    }
}

TEST(RandomLayout, CreatedPuzzlesAreSoundAndRepeatable) {
    for (const int size : {7, 8, 9, 10}) {
        for (std::uint64_t seed = 1; seed <= 12; ++seed) {
            AppState st(seed);
            ScriptedUserInterface ui;
            BuildGrid(st, ui, size, size);
            int layouts = 0;
            ASSERT_EQ(CreateRandomPuzzle(st, ui, &layouts), RandomPuzzleResult::Made);
            EXPECT_EQ(st.maxtries, static_cast<int>(size * size / 2.0 + 0.25));
            EXPECT_GE(ui.pumpCount, 1);
            const auto made = gridRows(st);
            // The allocation-free run finder agrees with FindRuns.
            Grid copy = st.grid;
            FindRuns(copy);
            FindCreationRuns(st.grid);
            for (int i = 1; i <= copy.ncells; ++i)
                ASSERT_EQ(copy[i].cellsacross, st.grid[i].cellsacross);
            EXPECT_EQ(puzzleFault(st), "") << size << "x" << size << " seed " << seed;
            // Again, repairing on the cell records step by step: the same.
            AppState again(seed);
            again.creator.literalRepairs = true;
            BuildGrid(again, ui, size, size);
            int layoutsAgain = 0;
            CreateRandomPuzzle(again, ui, &layoutsAgain);
            EXPECT_EQ(gridRows(again), made);
            EXPECT_EQ(layoutsAgain, layouts);
            EXPECT_TRUE(ui.messages.empty());
        }
    }
}

TEST(RandomLayout, CreationStopsOnCancelAndGivesUpOnHopelessSizes) {
    AppState st(3);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 10, 10);
    int pumps = 0;
    ui.onPump = [&] {
        if (++pumps == 3)
            st.cancelsolve = true;
    };
    int layouts = 0;
    EXPECT_EQ(CreateRandomPuzzle(st, ui, &layouts), RandomPuzzleResult::Cancelled);
    EXPECT_LE(layouts, 3);

    // Grids too small for a run, or whose layouts all end without white
    // cells, give up.
    ui.onPump = nullptr;
    st.cancelsolve = false;
    for (const int size : {1, 2, 3}) {
        BuildGrid(st, ui, size, size);
        EXPECT_EQ(CreateRandomPuzzle(st, ui, &layouts), RandomPuzzleResult::GaveUp) << size;
        EXPECT_EQ(layouts, kMaxRandomLayouts);
        EXPECT_EQ(ui.messages.back(), "Unable to create a random puzzle of " +
                                          std::to_string(size) + "x" + std::to_string(size) +
                                          " after 20000 layouts");
    }
}

TEST(RandomLayout, CreateNewRandomMakesATenByTenPuzzle) {
    AppState st(4);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 5, 7);
    st.cancelsolve = true; // a press of Cancel Auto Solve while idle
    st.manualmode = true;
    CreateNewRandomCommand(st, ui);
    EXPECT_EQ(st.grid.rows, 10);
    EXPECT_EQ(st.grid.cols, 10);
    EXPECT_EQ(st.texts.gridSize, "10x10");
    EXPECT_FALSE(st.manualmode);
    EXPECT_FALSE(st.autosolving);
    EXPECT_FALSE(st.cancelsolve);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(puzzleFault(st), "");

    st.autosolving = true;
    CreateNewRandomCommand(st, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Cancel AutoSolve first"});
}
