#include "model/runs.h"
#include "solver/sum_combos.h"
#include "support/grid_builder.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::gridRows;
using vextor::test::makeGrid;

TEST(SumCombos, KnownEntriesAndOrder) {
    EXPECT_EQ(sumcombos(2, 10), "46372819");
    EXPECT_EQ(sumcombos(2, 3), "12");
    EXPECT_EQ(sumcombos(9, 45), "123456789");
    EXPECT_EQ(sumcombos(3, 6), "123");
    EXPECT_EQ(sumcombos(3, 24), "789");
    EXPECT_EQ(sumcombos(4, 10), "1234");
    EXPECT_EQ(sumcombos(2, 17), "89");
    EXPECT_EQ(sumcombos(2, 18), "");
    EXPECT_EQ(sumcombos(1, 5), "");
    EXPECT_EQ(sumcombos(0, 0), "");
    EXPECT_EQ(sumcombos(-1, -1), "");
}

TEST(SumCombos, LookupsOutsideTheTableAreEmpty) {
    EXPECT_EQ(sumcombos(10, 45), "");
    EXPECT_EQ(sumcombos(-2, 10), "");
    EXPECT_EQ(sumcombos(2, 46), "");
    EXPECT_EQ(sumcombos(2, -2), "");
    EXPECT_EQ(sumcombos(3, 1000000), "");
    EXPECT_EQ(sumcombos(1000, 3), "");
    EXPECT_EQ(&BuildSumCombos(), &BuildSumCombos());
}

TEST(SumCombos, EveryEntryHoldsExactlyTheDigitsOfSomeSet) {
    // Brute force over all digit sets, compared as sorted digit strings.
    for (int n = 2; n <= 9; ++n) {
        for (int s = 1; s <= 45; ++s) {
            std::string expected;
            for (int m = 1; m < 512; ++m) {
                int count = 0, total = 0;
                for (int b = 0; b < 9; ++b)
                    if (m & (1 << b)) {
                        ++count;
                        total += b + 1;
                    }
                if (count != n || total != s)
                    continue;
                for (int b = 0; b < 9; ++b)
                    if ((m & (1 << b)) && expected.find(char('1' + b)) == std::string::npos)
                        expected += char('1' + b);
            }
            std::sort(expected.begin(), expected.end());
            std::string got = sumcombos(n, s);
            std::sort(got.begin(), got.end());
            EXPECT_EQ(got, expected) << n << " cells for " << s;
            EXPECT_EQ(got.size(), sumcombos(n, s).size()) << "repeated digits";
        }
    }
}

TEST(SumCombos, FilterDigitsKeepsTheOrderOfDigits) {
    EXPECT_EQ(FilterDigits("", "46372819"), "46372819");
    EXPECT_EQ(FilterDigits("123", "46372819"), "321");
    EXPECT_EQ(FilterDigits("5", "46372819"), "");
    EXPECT_EQ(FilterDigits("12", ""), "");
}

TEST(InitCandidates, AcrossEntryRestrictedByDownEntry) {
    AppState st(1);
    // Cell 5: across run 2 cells for 10 and down run 2 cells for 4.
    makeGrid(st, {"X    0,4 0,16", //
                  "10,0 .   .",    //
                  "X    .   ."});
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "31");
    EXPECT_EQ(st.grid[6].Choices, "79"); // down 79, across order 4637 2819
    EXPECT_EQ(st.grid[8].Choices, "13");
    EXPECT_EQ(st.grid[9].Choices, "79");
    EXPECT_EQ(st.grid[4].cellsacross, (std::vector<int>{5, 6}));
    EXPECT_EQ(st.grid[2].cellsdown, (std::vector<int>{5, 8}));
    EXPECT_EQ(st.grid[3].lendown, 2);
}

TEST(InitCandidates, TwoCellRunsFor3And4SettleTheSharedCell) {
    AppState st(1);
    makeGrid(st, {"X   0,4 0,3", //
                  "3,0 .   .",   //
                  "4,0 .   ."});
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "1");
    EXPECT_EQ(st.grid[6].Choices, "12");
}

TEST(InitCandidates, ExistingCandidatesAreIntersected) {
    AppState st(1);
    makeGrid(st, {"X 0,3 0,4", "3,0 2 .", "4,0 . ."});
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "2"); // kept, since 2 is allowed everywhere
    // The down run empties a 9, and an empty string takes the next run's
    // digits unchanged.
    st.grid[5].Choices = "9";
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "12");
    st.grid[5].Choices = "39";
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "12");
}

TEST(InitCandidates, OneCellRunLosesEverything) {
    AppState st(1);
    makeGrid(st, {"X X X", "5,0 . X", "X X X"});
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "");
    EXPECT_EQ(st.grid[4].lenacross, 0);
}

TEST(InitCandidates, RunOwnersCoverTheWholeGrid) {
    AppState st(1);
    std::vector<std::string> rows;
    // 15 x 18: the last cells have indexes above 256.
    for (int r = 1; r <= 15; ++r) {
        std::string line;
        for (int c = 1; c <= 18; ++c)
            line += (r == 1 || c == 1) ? (r == 1 && c == 1 ? "X " : (r == 1 ? "0,45 " : "45,0 "))
                                       : ". ";
        rows.push_back(line);
    }
    makeGrid(st, rows);
    InitCandidates(st);
    ASSERT_EQ(st.solver.acrossowner.size(), 271u);
    EXPECT_EQ(st.solver.acrossowner[270], 253);
    EXPECT_EQ(st.solver.downowner[270], 18);
    EXPECT_EQ(st.solver.acrossowner[253], 0);
    // Runs of 17 and 14 cells have no table entry: their cells lose every digit.
    EXPECT_EQ(st.grid[270].Choices, "");
}

TEST(ApplyRunCombos, ReplacesLongerStringsWithTheRemainder) {
    AppState st(1);
    makeGrid(st, {"X    X X    X", //
                  "18,0 1 1239 123456789"});
    FindRuns(st.grid);
    ApplyRunCombos(st);
    EXPECT_EQ(vextor::test::gridRows(st)[1], "18,0 1 89 89");
    EXPECT_TRUE(st.solver.changed);
    ApplyRunCombos(st);
    EXPECT_FALSE(st.solver.changed);
}

TEST(ApplyRunCombos, RemainderRulesNeedSettledCellsAndTwoOpenOnes) {
    AppState st(1);
    // Across: one open cell left (no count-1 entries). Down run of cell 3:
    // nothing settled, so it is not narrowed, and down runs get no
    // excluded-digit pass.
    makeGrid(st, {"X    X   0,17",      //
                  "10,0 3   123456789", //
                  "X    X   123456789"});
    FindRuns(st.grid);
    st.grid[6].Choices = "123";
    ApplyRunCombos(st);
    EXPECT_EQ(gridRows(st)[1], "10,0 3 123");
    EXPECT_EQ(gridRows(st)[2], "X X 123456789");
    EXPECT_FALSE(st.solver.changed);
}

TEST(ApplyRunCombos, ExcludedDigitPassOnAcrossRuns) {
    AppState st(1);
    makeGrid(st, {"X X X", "17,0 123456789 923", "X X X"});
    FindRuns(st.grid);
    ApplyRunCombos(st);
    EXPECT_EQ(gridRows(st)[1], "17,0 89 9");
    EXPECT_TRUE(st.solver.changed);
}
