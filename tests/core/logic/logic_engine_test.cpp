// The logic engine: each technique where it is the step to take and where it
// must not fire (its soundness is judged with the exact solver's tests).
#include "logic/logic_engine.h"
#include "support/grid_builder.h"

#include <gtest/gtest.h>

using namespace vextor;

namespace {

// The state written in the grid's cells: "=7" a placed digit, "." all nine,
// else the candidates.
LogicState stateOf(const Grid& g) {
    LogicState s(static_cast<std::size_t>(g.ncells) + 1, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        if (g[i].known)
            continue;
        const std::string& c = g[i].Choices;
        DigitMask m = c.empty() ? kAllDigits : 0;
        for (const char ch : c)
            if (ch >= '1' && ch <= '9')
                m = static_cast<DigitMask>(m | 1 << (ch - '1'));
        if (!c.empty() && c[0] == '=')
            m = static_cast<DigitMask>(m | kPlacedFlag);
        s[static_cast<std::size_t>(i)] = m;
    }
    return s;
}

// Takes steps below `tier` until none is left, then the next step of at
// most `tier`: "technique: changes", or the outcome's word.
std::string stepAt(const std::vector<std::string>& rows, int tier,
                   std::string* sentence = nullptr) {
    AppState st(1);
    test::makeGrid(st, rows);
    LogicEngine engine(st.grid);
    LogicState s = stateOf(st.grid);
    LogicStep step;
    while (tier > 1 && engine.nextStep(s, step, tier - 1) == LogicOutcome::Step)
        engine.applyStep(s, step);
    const LogicOutcome o = engine.nextStep(s, step, tier);
    const char* outcomes[] = {"step", "solved", "stuck", "contradiction"};
    if (o != LogicOutcome::Step)
        return outcomes[static_cast<int>(o)];
    if (sentence)
        *sentence = step.sentence;
    return std::string(techniqueId(step.technique)) + ": " + changesCode(st.grid, step.changes);
}

} // namespace

TEST(LogicEngine, EachTechniqueWhereItIsTheStepAndWhereItMustNotFire) {
    const struct {
        std::vector<std::string> rows;
        int tier;
        std::string step;
    } cases[] = {
        // One candidate left; the same cell placed: solved.
        {{"X 0,4 0,6", "4,0 3 =1", "6,0 =1 =5"}, 1, "single: r2c2=3"},
        {{"X 0,4 0,6", "4,0 =3 =1", "6,0 =1 =5"}, 1, "solved"},
        // The last open cell of a run.
        {{"X 0,4 0,6", "4,0 13 =1", "6,0 =1 =5"}, 1, "last-cell: r2c2=3"},
        // A placed digit leaves its run's other cells; not when none holds it.
        {{"X X X X", "6,0 =1 123 123"}, 1, "placed-digit: r2c3-1 r2c4-1"},
        {{"X X X X", "6,0 =1 23 23"}, 1, "stuck"},
        // The combinations of length and clue, then with a digit placed.
        {{"X X X", "3,0 . ."},
         1,
         "combinations: r2c2-3 r2c2-4 r2c2-5 r2c2-6 r2c2-7 r2c2-8 r2c2-9 r2c3-3 r2c3-4 r2c3-5 "
         "r2c3-6 r2c3-7 r2c3-8 r2c3-9"},
        {{"X X X X", "7,0 =4 1235 1235"}, 1, "combinations: r2c3-3 r2c3-5 r2c4-3 r2c4-5"},
        {{"X X X", "5,0 1234 1234"}, 1, "stuck"},
        // Tier 2 one run at a time: combinations that fit the candidates ...
        {{"X X X", "5,0 12 24"}, 2, "run-combinations: r2c2=1 r2c3=4"},
        {{"X X X", "5,0 14 14"}, 2, "stuck"},
        // ... a digit the run needs that one cell alone can take ...
        {{"X X X X", "6,0 12 123 12"}, 2, "hidden-single: r2c3=3"},
        {{"X X X X", "6,0 12 123 123"}, 2, "stuck"},
        // ... a pair, a triple ...
        {{"X X X X X", "10,0 12 12 1234 1234"}, 2, "pair: r2c4-1 r2c4-2 r2c5-1 r2c5-2"},
        {{"X X X X X", "10,0 12 13 1234 1234"}, 2, "stuck"},
        {{"X X X X X X", "15,0 12 23 13 12345 12345"},
         2,
         "triple: r2c5-1 r2c5-2 r2c5-3 r2c6-1 r2c6-2 r2c6-3"},
        {{"X X X X X X", "15,0 12 23 14 12345 12345"}, 2, "stuck"},
        // ... every filling tried: 2 + 3 + 7 + 9 needs the 2 in row 2, column 2.
        {{"X X X X X", "21,0 124 26789 359 35"}, 2, "run-filling: r2c3-2"},
        {{"X X X X X", "21,0 124 6789 359 35"}, 2, "stuck"},
        // Tier 3: the area of rows 2-5 leaves one cell; sums reaching out of
        // row 3; a candidate that breaks a run one step later.
        {{"X 0,29 0,13 X", "10,0 . . .", "9,0 . . 0,17", "22,0 . . .", "21,0 . . ."},
         3,
         "area-sum: r2c4=3"},
        {{"X 0,9 X X X 0,11 X 0,19", "X . 0,17 16,15 . . 0,5 .", "22,0 . . . 6,0 . . .",
          "35,0 . . . . . . ."},
         3,
         "area-sum: r4c4-8"},
        {{"X 0,14 0,23 X X X", "20,0 . . . 0,16 X", "6,0 . . 0,7 . 0,10", "X 15,0 . . . .",
          "6,0 . . . 0,4 .", "X 14,0 . . . .", "16,0 . . 3,0 . ."},
         3,
         "one-step: r4c3-4"},
        // Tier 4: a chain of steps from an assumed candidate.
        {{"X X 0,17 0,34", "23,0 . . .", "X 13,3 . .", "X . 0,10 .", "8,0 . . .", "X 6,3 . .",
          "9,0 . . .", "12,0 . . ."},
         4,
         "chain: r7c2=1"},
        // Two solutions: no tier finds anything, the engine never guesses.
        {{"X 0,4 0,4", "4,0 . .", "4,0 . ."}, 4, "stuck"},
        // A run that cannot be filled.
        {{"X X X", "5,0 12 12"}, 1, "contradiction"},
        {{"X X X X X X X X X X X", "45,0 . . . . . . . . . ."}, 1, "contradiction"}, // 10 cells
    };
    for (const auto& c : cases)
        EXPECT_EQ(stepAt(c.rows, c.tier), c.step) << c.rows[1];
}

TEST(LogicEngine, SentencesNameCellsRunsAndCombinations) {
    const struct {
        std::vector<std::string> rows;
        int tier;
        std::string sentence;
    } cases[] = {
        {{"X X X X", "X 16,0 789 ."},
         1,
         "16 across in 2 cells (row 2, columns 3\u20134): the only combination is 7 + 9, so row 2, "
         "column 3 cannot be 8 and row 2, column 4 keeps only 7 and 9."},
        {{"X X X X X", "10,0 12 12 1234 1234"},
         2,
         "In 10 across (row 2, columns 2\u20135), row 2, columns 2\u20133 hold only 1 and 2 "
         "between "
         "them, so row 2, columns 4\u20135 cannot be 1 or 2."},
        {{"X X X X", "6,0 12 123 12"},
         2,
         "6 across (row 2, columns 2\u20134) needs a 3 (its only combination left holds it) and "
         "only row 2, column 3 can take it, so row 2, column 3 is 3."},
        {{"X X X X X", "10,0 =1 1234 1234 1234"},
         1,
         "Row 2, column 2 is 1 in 10 across (row 2, columns 2\u20135), so row 2, columns 3\u20135 "
         "cannot be 1."},
        {{"X 0,14 0,23 X X X", "20,0 . . . 0,16 X", "6,0 . . 0,7 . 0,10", "X 15,0 . . . .",
          "6,0 . . . 0,4 .", "X 14,0 . . . .", "16,0 . . 3,0 . ."},
         3,
         "If row 4, column 3 were 4, then by 23 down (column 3, rows 2\u20137) row 5, column 3 "
         "would be 2, and 6 across (row 5, columns 2\u20134) could not be filled; so row 4, "
         "column 3 cannot be 4."},
        {{"X X X", "5,0 12 24"},
         2,
         "5 across (row 2, columns 2\u20133): the only combination its cells' candidates fit is 1 "
         "+ 4, so row 2, column 2 is 1 and row 2, column 3 is 4."},
        {{"X X 0,17 0,34", "23,0 . . .", "X 13,3 . .", "X . 0,10 .", "8,0 . . .", "X 6,3 . .",
          "9,0 . . .", "12,0 . . ."},
         4,
         "Suppose row 7, column 2 were 2: then row 8, column 2 would be 1 (last open cell), row 7, "
         "column 3 would be 1 (last open cell), row 8, column 4 would be 8 (last open cell), row "
         "2, "
         "column 4 would be 9 (placed digit), row 2, column 3 would be 8 (last open cell), row 3, "
         "column 3 would be 9 (last open cell) and row 3, column 4 would be 4 (last open cell), "
         "and "
         "34 down (column 4, rows 2\u20138) could not be filled. So row 7, column 2 cannot be 2: "
         "it "
         "is 1."},
    };
    for (const auto& c : cases) {
        std::string sentence;
        stepAt(c.rows, c.tier, &sentence);
        EXPECT_EQ(sentence, c.sentence);
    }
}
