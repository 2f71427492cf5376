// The deduction rules on small hand-made runs: exact candidate strings, in order.
#include "model/grid_checks.h"
#include "model/runs.h"
#include "solver/remainder_rules.h"
#include "solver/rules.h"
#include "solver/sum_bounds.h"
#include "support/grid_builder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

using namespace vextor;
using vextor::test::gridRows;
using vextor::test::makeGrid;

namespace {

// A grid with one across run in its second row: the clue, then the cells.
AppState acrossRun(const std::string& cells) {
    AppState st(1);
    std::string top = "X";
    std::string bottom = "X";
    const std::size_t n = static_cast<std::size_t>(std::count(cells.begin(), cells.end(), ' '));
    for (std::size_t i = 0; i < n; ++i) {
        top += " X";
        bottom += " X";
    }
    makeGrid(st, {top, cells, bottom});
    FindRuns(st.grid);
    return st;
}

std::string row2(const AppState& st) {
    return gridRows(st)[1];
}

} // namespace

TEST(PairRunComplements, LongerStringTakesTheComplementsInOrder) {
    AppState st = acrossRun("10,0 37 1234678");
    PairRunComplements(st);
    EXPECT_EQ(row2(st), "10,0 37 73");
    EXPECT_TRUE(st.solver.changed);
    PairRunComplements(st);
    EXPECT_EQ(row2(st), "10,0 37 73");
    EXPECT_FALSE(st.solver.changed);

    // Replaced, not intersected: the complement of 5 is written even though
    // the other cell did not have it.
    st = acrossRun("10,0 1234 5");
    PairRunComplements(st);
    EXPECT_EQ(row2(st), "10,0 5 5");
}

TEST(PairRunComplements, ComplementsOutsideOneToNineAreSkipped) {
    AppState st = acrossRun("12,0 123 12345");
    PairRunComplements(st);
    EXPECT_EQ(row2(st), "12,0 123 9");
}

TEST(FindSameChoices, EqualPairAndTriple) {
    AppState st = acrossRun("19,0 36 63 1369");
    FindSameChoices(st);
    EXPECT_EQ(row2(st), "19,0 36 63 19");
    EXPECT_TRUE(st.solver.changed);

    st = acrossRun("14,0 126 612 261 1245");
    FindSameChoices(st);
    EXPECT_EQ(row2(st), "14,0 126 612 261 45");
}

TEST(FindSameChoices, UnequalPairsAndThreePairsTriggerNothing) {
    AppState st = acrossRun("10,0 12 13 1234");
    FindSameChoices(st);
    EXPECT_EQ(row2(st), "10,0 12 13 1234");
    EXPECT_FALSE(st.solver.changed);

    st = acrossRun("10,0 12 12 12 1234");
    FindSameChoices(st);
    EXPECT_EQ(row2(st), "10,0 12 12 12 1234");
    EXPECT_FALSE(st.solver.changed);
}

TEST(RemoveSingles, SettledDigitsLeaveTheirRunsAcrossAndDown) {
    AppState st(1);
    makeGrid(st, {"X    0,10 0,12", //
                  "9,0  3    123",  //
                  "13,0 37   345"});
    FindRuns(st.grid);
    RemoveSingles(st);
    EXPECT_EQ(gridRows(st)[1], "9,0 3 12");
    EXPECT_EQ(gridRows(st)[2], "13,0 7 345");
    EXPECT_TRUE(st.solver.changed);
    RemoveSingles(st);
    EXPECT_EQ(gridRows(st)[2], "13,0 7 345");
    EXPECT_FALSE(st.solver.changed);
}

TEST(CompleteLastCell, SettlesTheOpenCellOrReportsAContradiction) {
    AppState st = acrossRun("15,0 4 8 123");
    EXPECT_FALSE(CompleteLastCell(st));
    EXPECT_EQ(row2(st), "15,0 4 8 3");
    EXPECT_TRUE(st.solver.changed);

    st = acrossRun("15,0 4 8 12");
    EXPECT_TRUE(CompleteLastCell(st));
    EXPECT_EQ(row2(st), "15,0 4 8 12");
    EXPECT_FALSE(st.solver.changed);

    // A remainder of 12 is no digit, although 1 and 2 are candidates.
    st = acrossRun("24,0 4 8 12");
    EXPECT_TRUE(CompleteLastCell(st));
    EXPECT_EQ(row2(st), "24,0 4 8 12");
}

TEST(IsGridValid, RunChecks) {
    EXPECT_TRUE(IsGridValid(acrossRun("15,0 4 8 3").grid));
    EXPECT_FALSE(IsGridValid(acrossRun("16,0 4 8 3").grid));   // one short of the clue
    EXPECT_FALSE(IsGridValid(acrossRun("15,0 4 4 123").grid)); // repeated digit
    EXPECT_TRUE(IsGridValid(acrossRun("15,0 4 8 123").grid));
    EXPECT_FALSE(IsGridValid(acrossRun("15,0 4 8 12").grid)); // rest 3 not a candidate
    EXPECT_TRUE(IsGridValid(acrossRun("13,0 4 8 12").grid));
    EXPECT_FALSE(IsGridValid(acrossRun("16,0 4 8 234").grid));   // rest 4 repeats a digit
    EXPECT_FALSE(IsGridValid(acrossRun("24,0 4 8 12").grid));    // rest 12
    EXPECT_TRUE(IsGridValid(acrossRun("24,0 4 8 12 123").grid)); // two open cells
}

TEST(IsGridSolved, NeedsEveryWhiteCellRunAndClue) {
    EXPECT_TRUE(IsGridSolved(acrossRun("15,0 4 8 3").grid));
    EXPECT_FALSE(IsGridSolved(acrossRun("15,0 4 8 12").grid));
    EXPECT_FALSE(IsGridSolved(acrossRun("16,0 4 8 3").grid));
    EXPECT_FALSE(IsGridSolved(acrossRun("8,0 4 4").grid));
    // An emptied white cell is not a solution, although the grid counts as full.
    AppState st = acrossRun("12,0 4 8 .");
    EXPECT_FALSE(IsGridSolved(st.grid));
    EXPECT_TRUE(IsGridValid(st.grid));
}

TEST(SumBounds, Helpers) {
    EXPECT_EQ(MaxDigit(""), 0);
    EXPECT_EQ(MinDigit(""), 99);
    EXPECT_EQ(MaxDigit("3817"), 8);
    EXPECT_EQ(MinDigit("3817"), 1);
    const AppState st = acrossRun("23,0 5 89 9 .");
    const auto& run = st.grid[st.grid.cols + 1].cellsacross;
    ASSERT_EQ(run.size(), 4u);
    EXPECT_EQ(SumOfMax(st.grid, run, '9'), 5 + 8 + 9); // settled digits always count
    EXPECT_EQ(SumOfMin(st.grid, run, '8'), 5 + 9 + 9);
    EXPECT_EQ(SumOfMin(st.grid, run, '1'), 5 + 8 + 9);
}

TEST(CheckMaxSums, BoundsThenPairAndThirdCell) {
    AppState st = acrossRun("23,0 6789 89 89");
    CheckMaxSums(st);
    EXPECT_EQ(row2(st), "23,0 6 89 89");
    EXPECT_TRUE(st.solver.changed);
}

TEST(CheckMaxSums, DigitsWithinBothBoundsStay) {
    AppState st = acrossRun("7,0 1245 124 124");
    CheckMaxSums(st);
    EXPECT_EQ(row2(st), "7,0 1245 124 124");
    EXPECT_FALSE(st.solver.changed);

    st = acrossRun("10,0 1234 1234 1234 1234");
    CheckMaxSums(st);
    EXPECT_EQ(row2(st), "10,0 1234 1234 1234 1234");
    EXPECT_FALSE(st.solver.changed);

    // Two-cell runs are left to other rules.
    st = acrossRun("17,0 1289 123456789");
    CheckMaxSums(st);
    EXPECT_EQ(row2(st), "17,0 1289 123456789");
}

TEST(CheckMaxSums, PairPassSettlesTheThirdCellWithoutReportingAChange) {
    AppState st = acrossRun("12,0 45 54 23");
    CheckMaxSums(st);
    EXPECT_EQ(row2(st), "12,0 45 54 3");
    EXPECT_FALSE(st.solver.changed);
}

TEST(ApplyRemainderCombos, ReplaceWholeOrIntersect) {
    AppState st = acrossRun("20,0 9 123456789 12348 2367");
    EXPECT_FALSE(ApplyRemainderCombos(st));
    EXPECT_EQ(row2(st), "20,0 9 24536178 12348 2367");
    EXPECT_TRUE(st.solver.changed);

    // The entry is not longer than the cell: taken whole, digits re-added.
    st = acrossRun("6,0 3 123 1245");
    ApplyRemainderCombos(st);
    EXPECT_EQ(row2(st), "6,0 3 12 12");

    // The entry is longer than the cells: intersected.
    st = acrossRun("12,0 3 1245 1249");
    ApplyRemainderCombos(st);
    EXPECT_EQ(row2(st), "12,0 3 1245 124"); // intersected with 45362718
}

TEST(ApplyRemainderCombos, ImpossibleRemainderIsAContradiction) {
    AppState st = acrossRun("7,0 5 123 123");
    EXPECT_TRUE(ApplyRemainderCombos(st));
    EXPECT_EQ(row2(st), "7,0 5 123 123");
    // No settled cell: the run is skipped.
    st = acrossRun("7,0 1234 123 123");
    EXPECT_FALSE(ApplyRemainderCombos(st));
    EXPECT_FALSE(st.solver.changed);
}

TEST(ApplyRemainderCombos, TwoCellPass) {
    AppState st = acrossRun("9,0 18 12345678");
    EXPECT_FALSE(ApplyRemainderCombos(st));
    EXPECT_EQ(row2(st), "9,0 18 81");
    EXPECT_FALSE(st.solver.changed); // the two-cell pass does not report

    st = acrossRun("10,0 5 46");
    ApplyRemainderCombos(st);
    EXPECT_EQ(row2(st), "10,0 5 46");

    // Complements equal to the digit itself or outside 1..9 are dropped.
    st = acrossRun("10,0 15 123456789");
    ApplyRemainderCombos(st);
    EXPECT_EQ(row2(st), "10,0 15 9");
}

TEST(TestPairPair, FirstPairCellLosesDigitsThatCannotComplete) {
    AppState st = acrossRun("12,0 1 29 38");
    TestPairPair(st);
    EXPECT_EQ(row2(st), "12,0 1 9 38");
    EXPECT_TRUE(st.solver.changed);

    // A three-candidate cell keeps the rule away.
    st = acrossRun("12,0 1 29 38 123");
    TestPairPair(st);
    EXPECT_EQ(row2(st), "12,0 1 29 38 123");
    EXPECT_FALSE(st.solver.changed);
}

TEST(TestPairTriple, PairCellLosesDigitsThatCannotComplete) {
    AppState st = acrossRun("15,0 6 27 138");
    TestPairTriple(st);
    EXPECT_EQ(row2(st), "15,0 6 7 138");
    EXPECT_TRUE(st.solver.changed);

    st = acrossRun("15,0 6 27 1389");
    TestPairTriple(st);
    EXPECT_EQ(row2(st), "15,0 6 27 1389");
    EXPECT_FALSE(st.solver.changed);
}

namespace {

// The bound passes written directly from their definition, with SumOfMax and
// SumOfMin over each digit, for comparison with the faster CheckMaxSums.
void referenceBounds(AppState& st) {
    Grid& g = st.grid;
    for (int pass = 0; pass < 4; ++pass) {
        const bool max = pass < 2;
        const bool acrossRuns = pass % 2 == 0;
        for (int i = 1; i <= g.ncells; ++i) {
            const auto& run = acrossRuns ? g[i].cellsacross : g[i].cellsdown;
            const int len = acrossRuns ? g[i].lenacross : g[i].lendown;
            const int clue = acrossRuns ? g[i].across : g[i].down;
            if (run.empty() || len <= 2)
                continue;
            for (int k : run) {
                if (g[k].Choices.size() == 1)
                    continue;
                const std::string c = g[k].Choices;
                g[k].Choices.clear();
                std::string keep;
                for (char d : c) {
                    const int total = (d - '0') + (max ? SumOfMax(g, run, d) : SumOfMin(g, run, d));
                    if (max ? total >= clue : total <= clue)
                        keep += d;
                }
                g[k].Choices = keep;
            }
        }
    }
}

} // namespace

TEST(CheckMaxSums, BoundPassesMatchTheirDefinitionOnRandomRuns) {
    std::mt19937_64 rng(12);
    for (int n = 0; n < 400; ++n) {
        const int cells = 3 + static_cast<int>(rng() % 7);
        std::string line = std::to_string(5 + rng() % 40) + ",0";
        for (int c = 0; c < cells; ++c) {
            std::string s;
            for (char d = '1'; d <= '9'; ++d)
                if (rng() % 3 == 0)
                    s += d;
            std::shuffle(s.begin(), s.end(), rng);
            line += " " + (s.empty() ? std::string(".") : s);
        }
        AppState a = acrossRun(line);
        AppState b = a;
        CheckMaxSums(a);
        referenceBounds(b);
        // The pair pass of CheckMaxSums never runs when the bounds leave no
        // equal two-candidate pair; compare those runs only.
        std::vector<std::string> open;
        for (int j : b.grid[b.grid.cols + 1].cellsacross)
            if (b.grid[j].Choices.size() == 2)
                open.push_back(SortDigits(b.grid[j].Choices));
        std::sort(open.begin(), open.end());
        if (std::adjacent_find(open.begin(), open.end()) != open.end())
            continue;
        EXPECT_EQ(row2(a), row2(b)) << line;
    }
}
