// Deduction rules on one run, across and down: exact candidate strings and the
// change flag. The rules run on solver work built from a grid alone.
#include "model/grid_checks.h"
#include "model/runs.h"
#include "solver/rule_table.h"
#include "support/grid_builder.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace vextor;

namespace {

// A grid of one run ("a,0" then the cells) in one row, or in one column with a down clue.
Grid runGrid(const std::string& cells, bool down) {
    std::istringstream in(cells);
    std::vector<std::string> tokens;
    for (std::string t; in >> t;)
        tokens.push_back(t);
    Grid g;
    if (!down) {
        g = test::makeGrid({cells});
    } else {
        tokens[0] = "0," + tokens[0].substr(0, tokens[0].find(','));
        g = test::makeGrid(tokens);
    }
    FindRuns(g);
    return g;
}

// The run back in the across form of runGrid.
std::string runText(const Grid& g, bool down) {
    std::string out;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        out += i > 1 ? " " : "";
        if (s.known)
            out += std::to_string(down ? s.down : s.across) + ",0";
        else
            out += s.Choices.empty() ? "." : s.Choices;
    }
    return out;
}

using Rule = bool (*)(SolverWork&);

struct RuleCase {
    const char* name;
    Rule rule;
    const char* before;
    const char* after;
    bool changed;
    bool contradiction = false;
};

} // namespace

TEST(Rules, OneRunAcrossAndDown) {
    const Rule pairs = noContradiction<PairRunComplements>, same = noContradiction<FindSameChoices>,
               singles = noContradiction<RemoveSingles>, bounds = noContradiction<CheckMaxSums>,
               pairPair = noContradiction<TestPairPair>,
               pairTriple = noContradiction<TestPairTriple>;
    const RuleCase cases[] = {
        // The longer string is replaced (not intersected) by the shorter's complements in 1..9.
        {"complements", pairs, "10,0 37 1234678", "10,0 37 73", true},
        {"complements", pairs, "10,0 37 73", "10,0 37 73", false},
        {"complements", pairs, "10,0 1234 5", "10,0 5 5", true},
        {"complements", pairs, "12,0 123 12345", "12,0 123 9", true},
        {"same", same, "19,0 36 63 1369", "19,0 36 63 19", true},
        {"same", same, "14,0 126 612 261 1245", "14,0 126 612 261 45", true},
        {"same", same, "10,0 12 13 1234", "10,0 12 13 1234", false},
        {"same", same, "10,0 12 12 12 1234", "10,0 12 12 12 1234", false},
        {"same", same, "20,0 126 612 261 1456", "20,0 126 612 261 45", true},
        {"same", same, "30,0 123 132 456 12378", "30,0 123 132 456 12378", false},
        {"same", same, "40,0 345 354 435 12 21 12 3456789", "40,0 345 354 435 12 21 12 6789", true},
        {"singles", singles, "10,0 3 37 123", "10,0 3 7 12", true},
        {"singles", singles, "13,0 7 345", "13,0 7 345", false},
        // The only open cell takes the remainder, if it is one of its digits.
        {"last", CompleteLastCell, "15,0 4 8 123", "15,0 4 8 3", true},
        {"last", CompleteLastCell, "15,0 4 8 12", "15,0 4 8 12", false, true},
        {"last", CompleteLastCell, "24,0 4 8 12", "24,0 4 8 12", false, true},
        {"bounds", bounds, "23,0 6789 89 89", "23,0 6 89 89", true},
        {"bounds", bounds, "7,0 1245 124 124", "7,0 1245 124 124", false},
        {"bounds", bounds, "10,0 1234 1234 1234 1234", "10,0 1234 1234 1234 1234", false},
        {"bounds", bounds, "17,0 1289 123456789", "17,0 1289 123456789", false},
        // The pair pass settles the third cell without reporting a change.
        {"bounds", bounds, "12,0 45 54 23", "12,0 45 54 3", false},
        {"bounds", bounds, "12,0 45 234 54", "12,0 45 3 54", true},
        // Remainders: the entry replaces a string no shorter than it, intersects longer ones.
        {"remainder", ApplyRemainderCombos, "20,0 9 123456789 12348 2367",
         "20,0 9 24536178 12348 2367", true},
        {"remainder", ApplyRemainderCombos, "6,0 3 123 1245", "6,0 3 12 12", true},
        {"remainder", ApplyRemainderCombos, "12,0 3 1245 1249", "12,0 3 1245 124", true},
        {"remainder", ApplyRemainderCombos, "7,0 5 123 123", "7,0 5 123 123", false, true},
        {"remainder", ApplyRemainderCombos, "7,0 1234 123 123", "7,0 1234 123 123", false},
        // The silent two-cell pass skips settled cells and self- or out-of-range complements.
        {"remainder", ApplyRemainderCombos, "9,0 18 12345678", "9,0 18 81", false},
        {"remainder", ApplyRemainderCombos, "10,0 5 46", "10,0 5 46", false},
        {"remainder", ApplyRemainderCombos, "10,0 46 5", "10,0 46 5", false},
        {"remainder", ApplyRemainderCombos, "10,0 15 123456789", "10,0 15 9", false},
        {"remainder", ApplyRemainderCombos, "11,0 12 123456789", "11,0 12 9", false},
        {"pairpair", pairPair, "12,0 1 29 38", "12,0 1 9 38", true},
        {"pairpair", pairPair, "12,0 1 29 38 123", "12,0 1 29 38 123", false},
        {"pairtriple", pairTriple, "15,0 6 27 138", "15,0 6 7 138", true},
        {"pairtriple", pairTriple, "15,0 6 27 1389", "15,0 6 27 1389", false},
    };
    for (const RuleCase& c : cases) {
        for (bool down : {false, true}) {
            Grid g = runGrid(c.before, down);
            SolverWork w(g);
            w.changed = !c.changed;
            EXPECT_EQ(c.rule(w), c.contradiction) << c.name << " " << c.before << down;
            w.store(g);
            EXPECT_EQ(runText(g, down), c.after) << c.name << " " << c.before << down;
            EXPECT_EQ(w.changed, c.changed) << c.name << " " << c.before << down;
        }
    }
}

TEST(Rules, TableRowsFindTheContradictionsTheirColumnPromises) {
    // Two open cells left less than 3; a last open cell that cannot take 3.
    Grid g = test::makeGrid({"7,0 5 123 123", "15,0 4 8 12"});
    FindRuns(g);
    for (const DeductionRule& r : kDeductionRules) {
        SolverWork w(g);
        EXPECT_EQ(r.apply(w), r.findsContradiction) << r.name;
    }
}

TEST(Rules, ValidAndSolvedGrids) {
    const struct {
        const char* run;
        bool valid, solved;
    } cases[] = {
        {"15,0 4 8 3", true, true},       {"16,0 4 8 3", false, false},  // one short
        {"15,0 4 4 123", false, false},   {"15,0 4 8 123", true, false}, // repeated digit
        {"15,0 4 8 12", false, false},    {"13,0 4 8 12", true, false},  // rest not a candidate
        {"16,0 4 8 234", false, false},   {"24,0 4 8 12", false, false}, // rest repeats, rest 12
        {"24,0 4 8 12 123", true, false}, {"8,0 4 4", false, false},     // two open cells
        {"12,0 4 8 .", true, false}, // an emptied cell: full, but no solution
        {"3,0 0 3", false, false},
    };
    for (const auto& c : cases) {
        for (bool down : {false, true}) {
            const Grid g = runGrid(c.run, down);
            EXPECT_EQ(IsGridValid(g), c.valid) << c.run << down;
            EXPECT_EQ(IsGridSolved(g), c.solved) << c.run << down;
            EXPECT_EQ(HasEmptiedWhiteCell(g), std::string(c.run).ends_with(" ."));
        }
    }
    // A white cell outside every run must still hold one digit.
    AppState st(1);
    test::makeGrid(st, {"3,0 1 2", "X X 12"});
    FindRuns(st.grid);
    EXPECT_FALSE(IsGridSolved(st.grid));
    st.grid[6].Choices = "5";
    EXPECT_TRUE(IsGridSolved(st.grid));
    test::makeGrid(st, {"X X"});
    EXPECT_FALSE(IsGridSolved(st.grid));
    EXPECT_TRUE(HasWhiteCell(test::makeGrid({". X"})) && !HasWhiteCell(st.grid));
}
