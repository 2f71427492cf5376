// Classic creation: drawn layouts keep the run rules, connection and symmetry;
// puzzles have one solution and the word asked for; a drawn layout's first
// fault is named.
#include "create/classic_batch.h"
#include "create/classic_fill.h"
#include "create/classic_layout.h"
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "logic/logic_rating.h"
#include "model/runs.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vextor;

namespace {

// Checked through the model's own run finder, apart from the layout code:
// every white cell in an across and a down run of 2..9 cells headed by a clue.
std::string runFault(const ClassicLayout& l) {
    Grid g;
    BuildClassicGrid(g, l, std::vector<int>(l.white.size(), 1));
    FindRuns(g);
    std::vector<int> across(l.white.size(), 0), down(l.white.size(), 0);
    for (int i = 1; i <= g.ncells; ++i) {
        for (const int c : g[i].cellsacross)
            across[static_cast<std::size_t>(c)] = g[i].lenacross;
        for (const int c : g[i].cellsdown)
            down[static_cast<std::size_t>(c)] = g[i].lendown;
    }
    for (int i = 1; i <= g.ncells; ++i)
        if (const auto k = static_cast<std::size_t>(i);
            !g[i].known && (std::min(across[k], down[k]) < 2 || std::max(across[k], down[k]) > 9))
            return "r" + std::to_string(g.rowOf(i)) + "c" + std::to_string(g.colOf(i));
    return {};
}

bool mirrored(const ClassicLayout& l, bool halfTurn) {
    for (int r = 2; r <= l.rows; ++r)
        for (int c = 2; c <= l.cols; ++c)
            if (l.isWhite(r, c) != l.isWhite(halfTurn ? l.rows + 2 - r : r, l.cols + 2 - c))
                return false;
    return true;
}

ClassicLayout drawn(const std::vector<std::string>& rows) {
    ClassicLayout l;
    l.rows = static_cast<int>(rows.size());
    l.cols = static_cast<int>(rows[0].size());
    l.white.assign(static_cast<std::size_t>(l.rows * l.cols) + 1, 0);
    for (int r = 0; r < l.rows; ++r)
        for (int c = 0; c < l.cols; ++c)
            l.white[static_cast<std::size_t>(r * l.cols + c + 1)] =
                rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == '.';
    return l;
}

} // namespace

TEST(ClassicLayout, DrawnLayoutsKeepTheRulesOverSizesSeedsAndSymmetries) {
    const struct {
        int rows, cols;
        ClassicSymmetry s;
    } cases[] = {
        {5, 5, ClassicSymmetry::HalfTurn}, {6, 9, ClassicSymmetry::Mirror},
        {8, 8, ClassicSymmetry::None},     {10, 10, ClassicSymmetry::HalfTurn},
        {12, 7, ClassicSymmetry::Mirror},  {15, 15, ClassicSymmetry::HalfTurn},
        {15, 18, ClassicSymmetry::None},   {15, 18, ClassicSymmetry::HalfTurn},
        {13, 16, ClassicSymmetry::Mirror},
    };
    for (const auto& k : cases) {
        Random rng(static_cast<std::uint64_t>(k.rows * 100 + k.cols));
        for (int seed = 0; seed < 12; ++seed) {
            const double target = 0.57 + 0.015 * seed;
            const auto l = DrawClassicLayout(rng, k.rows, k.cols, k.s, target, 9, 50);
            ASSERT_TRUE(l) << k.rows << "x" << k.cols << " " << seed;
            EXPECT_EQ(ClassicLayoutProblem(*l, k.s), "") << k.rows << "x" << k.cols;
            EXPECT_EQ(runFault(*l), "") << k.rows << "x" << k.cols;
            if (k.s != ClassicSymmetry::None) {
                EXPECT_TRUE(mirrored(*l, k.s == ClassicSymmetry::HalfTurn));
            }
            EXPECT_TRUE(WhiteShare(*l) >= 0.55 && WhiteShare(*l) <= 0.75) << WhiteShare(*l);
            EXPECT_TRUE(EveryLineHasWhite(*l));
        }
    }
}

TEST(ClassicLayout, FirstFaultIsNamed) {
    const struct {
        std::vector<std::string> rows;
        std::string fault;
    } cases[] = {
        {{"############", "#..........#", "#..........#"},
         "The white cell at row 2, column 2 lies in an across run of 10 cells (runs have 2 to 9 "
         "cells)"},
        {{"#####", "#...#", "#.#.#", "#...#", "#####"},
         "The white cell at row 2, column 3 lies in a down run of 1 cell (runs have 2 to 9 "
         "cells)"},
        {{"#####", "#..##", "#..##", "###..", "###.."},
         "The white cell at row 4, column 4 is not connected to the white cell at row 2, column 2"},
        {{"###", "###"}, "The layout has no white cells"},
        {{"#####", "#..##", "#..##", "##...", "##..."}, ""},
        {{"#..", "#..", "#.."},
         "The white cell at row 1, column 2 has no down clue: its run "
         "starts at the edge of the grid"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(ClassicLayoutFault(drawn(k.rows)), k.fault) << k.rows[1];
    // The drawn checker also names symmetry and the white share.
    const ClassicLayout l = drawn({"#####", "#..##", "#..##", "##...", "##..."});
    EXPECT_EQ(ClassicLayoutProblem(l, ClassicSymmetry::HalfTurn),
              "The pattern is not symmetric (half-turn)");
    EXPECT_EQ(ClassicLayoutProblem(drawn({"#####", "#....", "#....", "#....", "#...."}),
                                   ClassicSymmetry::None),
              "White cells make 100 % of the grid (55 to 75 % wanted)");
}

TEST(ClassicLayout, SizesOutsideTheRangeAreRefused) {
    const struct {
        int rows, cols;
        bool ok;
    } cases[] = {{5, 5, true},   {15, 18, true},  {4, 10, false},
                 {10, 4, false}, {16, 10, false}, {10, 19, false}};
    Random rng(1);
    for (const auto& k : cases) {
        EXPECT_EQ(ClassicSizeProblem(k.rows, k.cols).empty(), k.ok) << k.rows << "x" << k.cols;
        EXPECT_EQ(DrawClassicLayout(rng, k.rows, k.cols, ClassicSymmetry::HalfTurn, 0.65, 9, 5)
                      .has_value(),
                  k.ok);
    }
}

TEST(ClassicFill, PuzzlesHaveOneSolutionAndTheWordAsked) {
    const struct {
        int rows, cols, tier;
        ClassicSymmetry s;
    } cases[] = {
        {7, 7, 1, ClassicSymmetry::HalfTurn},   {9, 9, 2, ClassicSymmetry::Mirror},
        {10, 10, 3, ClassicSymmetry::HalfTurn}, {10, 12, 4, ClassicSymmetry::None},
        {8, 11, 0, ClassicSymmetry::HalfTurn},
    };
    for (const auto& k : cases) {
        Random rng(static_cast<std::uint64_t>(7 + k.tier)), again(rng);
        for (int n = 0; n < 2; ++n) {
            const auto p = MakeClassicPuzzle(rng, k.rows, k.cols, k.s, k.tier);
            ASSERT_TRUE(p) << k.rows << "x" << k.cols << " tier " << k.tier;
            if (n == 0) { // the same seed, the same puzzle
                const auto q = MakeClassicPuzzle(again, k.rows, k.cols, k.s, k.tier);
                EXPECT_TRUE(q && p->layout == q->layout && p->digits == q->digits);
            }
            EXPECT_EQ(ClassicLayoutProblem(p->layout, k.s), "");
            Grid g;
            BuildClassicGrid(g, p->layout, p->digits);
            const ExactResult r = CountSolutions(g, 2);
            ASSERT_EQ(r.count, 1);
            for (int i = 1; i <= g.ncells; ++i)
                EXPECT_EQ(r.first[static_cast<std::size_t>(i)],
                          p->digits[static_cast<std::size_t>(i)]);
            const LogicRating rating = RateLogically(g);
            EXPECT_EQ(rating.word, p->word);
            EXPECT_EQ(rating.number, p->number);
            if (k.tier != 0)
                EXPECT_EQ(rating.word, tierWord(k.tier));
            else
                EXPECT_NE(rating.word, "trial");
        }
    }
}

TEST(ClassicBatch, ThePuzzleMadeShowsInTheSchemeColours) {
    AppState st(3);
    test::ScriptedUserInterface ui;
    st.blackcol = packColour(1, 2, 3);
    ClassicBatchOptions o;
    o.rows = o.cols = 6;
    o.count = 0;
    EXPECT_FALSE(RunClassicBatch(st, ui, o).failed);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Puzzle created"});
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_EQ(st.grid[i].BackColor, !st.grid[i].known  ? st.whitecol
                                        : st.grid[i].Black ? st.blackcol
                                                           : st.greycol)
            << i;
}

TEST(ClassicFill, PublishedLayoutsAreFilledAsDrawn) {
    const auto dir = test::corpusDir();
    if (!dir)
        GTEST_SKIP() << "no corpus";
    AppState st(1); // record 25, a 13 x 13 template, is timed in bench/
    test::ScriptedUserInterface ui;
    ASSERT_TRUE(ReadPuzzle(st, ui, (*dir / "published.vxt").string(), 1));
    const ClassicLayout l = LayoutOfGrid(st.grid);
    ASSERT_EQ(ClassicLayoutFault(l), "");
    const auto p = FillClassicLayout(st.rng, l, 0, kClassicTemplateFills);
    ASSERT_TRUE(p);
    EXPECT_TRUE(p->layout == l);
    Grid g;
    BuildClassicGrid(g, p->layout, p->digits);
    EXPECT_EQ(CountSolutions(g, 2).count, 1);
    EXPECT_TRUE(RateLogically(g).solved);
}
