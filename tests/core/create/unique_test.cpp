// Puzzles with one solution: unique creation and its repairs, the solution
// count of Compile and Count Solutions, difficulty.
#include "create/batch_create.h"
#include "create/compile.h"
#include "create/difficulty.h"
#include "create/unique.h"
#include "edit/grid_events.h"
#include "exact/exact_solver.h"
#include "support/grid_builder.h"
#include "support/puzzle_checks.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::test;

namespace {

// Two white squares under the same clues: one, two and no solutions.
const std::vector<std::string> kOne = {"X 0,4 0,3", "3,0 . .", "4,0 . ."};
const std::vector<std::string> kTwo = {"X 0,4 0,4", "4,0 . .", "4,0 . ."};
const std::vector<std::string> kNone = {"X 0,3 0,3", "3,0 . .", "4,0 . ."};
const std::vector<std::string> kSquare = {"X 0,-1 0,-1", "-1,0 . .", "-1,0 . ."};

} // namespace

TEST(Unique, EveryCreatedPuzzleHasOneSolution) {
    const struct {
        bool random;
        const char* rows;
        const char* cols;
        int seeds;
    } cases[] = {{true, "4", "5", 3},
                 {true, "7", "7", 3},
                 {true, "8", "8", 2},
                 {true, "10", "10", 2},
                 {false, "", "", 3}};
    for (const auto& c : cases) {
        for (int seed = 1; seed <= c.seeds; ++seed) {
            AppState st(static_cast<std::uint64_t>(seed));
            ScriptedUserInterface ui;
            CreateDialogForm f;
            if (c.random) {
                SelectRandomTemplate(f);
                f.fixedSize = true;
                f.rows = c.rows;
                f.cols = c.cols;
            } else { // the current layout: 4 x 4 with every cell in two runs
                makeGrid(st, {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . . .", "-1,0 . . ."});
            }
            std::string word;
            RunBatch(st, ui, f, [&](const CreatedPuzzle& p) { word = p.uniqueness; });
            const std::string at =
                std::string(c.rows) + "x" + c.cols + " seed " + std::to_string(seed);
            EXPECT_TRUE(word == "unique" || word == "repaired") << at;
            const ExactResult r = CountSolutions(st.grid, 2);
            EXPECT_TRUE(r.count == 1 && !r.unknown) << at;
            EXPECT_EQ(puzzleFault(st), "") << at;
        }
    }
}

TEST(Unique, RepairsKeepTheLayoutWhenAskedAndFailWithoutWhiteCells) {
    AppState st(3);
    // No run to cut and no cell alone in a run: the layout may change, it need not.
    for (const bool layoutChanges : {false, true}) {
        makeGrid(st, kTwo);
        for (int i : {5, 6, 8, 9})
            st.grid[i].Choices = i == 5 || i == 9 ? "1" : "3";
        EXPECT_EQ(MakeUnique(st, layoutChanges), Uniqueness::Repaired);
        EXPECT_EQ(puzzleFault(st), "");
        EXPECT_EQ(bruteCount(st.grid), 1);
    }
    makeGrid(st, {"X 0,0", "X X"});
    EXPECT_EQ(MakeUnique(st, true), Uniqueness::Failed);
}

TEST(Unique, CountSolutionsAndCompileTellTheCountAndMark) {
    const std::string two =
        "This puzzle has two or more solutions\r\nThe marked cells differ between two of them";
    const struct {
        const std::vector<std::string>* rows;
        std::string text;
        std::vector<int> marked;
    } cases[] = {{&kOne, "This puzzle has exactly one solution", {}},
                 {&kTwo, two, {5, 6, 8, 9}},
                 {&kNone, "This puzzle has no solution", {}},
                 {&kSquare, "Invalid puzzle", {}}}; // not compiled yet
    for (const auto& c : cases) {
        AppState st(1);
        ScriptedUserInterface ui;
        makeGrid(st, *c.rows);
        CountSolutionsCommand(st, ui);
        ASSERT_EQ(ui.messages, std::vector<std::string>{c.text});
        std::vector<int> ticked;
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (st.grid[i].tick == st.yellowcol)
                ticked.push_back(i);
        EXPECT_EQ(ticked, c.marked);
        GridMouseUp(st, MouseEvent{MouseButton::Left, false, 5, 0, 0}); // any edit clears them
        EXPECT_EQ(st.grid[6].tick, 0u);
    }
    // Compile: two cells in one run only always swap.
    AppState st(1);
    ScriptedUserInterface ui;
    makeGrid(st, {"X X X", "-1,0 . ."});
    CompileCommand(st, ui);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Done\r\n" + two});
    EXPECT_TRUE(st.grid[5].tick == st.yellowcol && st.grid[6].tick == st.yellowcol);
}

TEST(Difficulty, WordsFollowWhatTheLogicEngineNeeds) {
    AppState st(1);
    makeGrid(st, kOne);
    Difficulty d = RatePuzzle(st);
    EXPECT_TRUE(d.rated && d.solved && d.word == "easy" && d.number >= 1 && d.number <= 20);
    EXPECT_EQ(st.grid[5].Choices, ""); // rated on a copy
    makeGrid(st, kTwo);                // two solutions: the engine is stuck
    d = RatePuzzle(st);
    EXPECT_TRUE(d.rated && !d.solved && d.word == "trial" && d.number > 80);
    makeGrid(st, kNone);
    EXPECT_FALSE(RatePuzzle(st).rated);
    makeGrid(st, {"X X", "X ."}); // no clue: nothing to rate
    EXPECT_FALSE(RatePuzzle(st).rated);
    UpdateDifficultyText(st);
    EXPECT_EQ(st.texts.difficulty, "");
    makeGrid(st, kOne);
    UpdateDifficultyText(st);
    EXPECT_EQ(st.texts.difficulty.rfind("easy ", 0), 0u);
}
