#include "model/runs.h"
#include "solver/sum_combos.h"
#include "support/grid_builder.h"

#include <algorithm>
#include <bit>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::test;

TEST(SumCombos, EveryEntryHoldsTheDigitsOfItsSetsInFirstSeenOrder) {
    // Brute force over all digit sets, compared as sorted digit strings.
    for (int n = -2; n <= 10; ++n) {
        for (int s = -2; s <= 47; ++s) {
            std::string expected;
            for (int m = 1; m < 512 && n >= 2; ++m) {
                const int count = std::popcount(static_cast<unsigned>(m));
                int total = 0;
                for (int b = 0; b < 9; ++b)
                    total += m & (1 << b) ? b + 1 : 0;
                for (int b = 0; b < 9 && count == n && total == s; ++b)
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
    // The order: digits of the sets by bit mask, each at its first appearance.
    EXPECT_EQ(sumcombos(2, 10), "46372819");
    EXPECT_EQ(sumcombos(3, 1000000), "");
    EXPECT_EQ(sumcombos(1000, 3), "");
    EXPECT_EQ(FilterDigits("", "46372819") + "/" + FilterDigits("123", "46372819") + "/" +
                  FilterDigits("12", ""),
              "46372819/321/");
}

TEST(InitCandidates, AcrossEntryRestrictedByDownEntry) {
    AppState st(1);
    makeGrid(st, {"X    0,4 0,16", //
                  "10,0 .   .",    //
                  "X    .   ."});
    InitCandidates(st);
    EXPECT_EQ(gridRows(st), (std::vector<std::string>{"X 0,4 0,16", "10,0 31 79", "X 13 79"}));
    // Existing candidates are intersected; an emptied one takes the next run's digits.
    makeGrid(st, {"X 0,3 0,4", "3,0 2 .", "4,0 . ."});
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "2");
    st.grid[5].Choices = "39";
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "12");

    makeGrid(st, {"X X X", "5,0 . X", "X X X"}); // a one-cell run gets nothing
    InitCandidates(st);
    EXPECT_EQ(st.grid[5].Choices, "");
}

TEST(ApplyRunCombos, RemainderAndExcludedDigits) {
    const struct {
        std::vector<std::string> before, after;
        bool changed;
    } cases[] = {
        // One settled cell: the open ones take the remainder's entry.
        {{"18,0 1 1239 123456789"}, {"18,0 1 89 89"}, true},
        {{"18,0 1 89 89"}, {"18,0 1 89 89"}, false},
        // No count-1 entry; no settled cell, no narrowing; no excluded-digit pass down.
        {{"X X 0,17", "10,0 3 123", "X X 123456789"},
         {"X X 0,17", "10,0 3 123", "X X 123456789"},
         false},
        {{"17,0 123456789 923"}, {"17,0 89 9"}, true},
    };
    for (const auto& c : cases) {
        AppState st(1);
        makeGrid(st, c.before);
        FindRuns(st.grid);
        SolverWork w(st.grid);
        w.changed = !c.changed;
        ApplyRunCombos(w);
        w.store(st.grid);
        EXPECT_EQ(gridRows(st), c.after) << c.before[0];
        EXPECT_EQ(w.changed, c.changed) << c.before[0];
    }
}
