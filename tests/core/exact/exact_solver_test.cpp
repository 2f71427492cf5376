// The exact solver against brute force, the published corpus, bad layouts, its
// budget; the logic engine's steps judged by brute force and the exact solver.
#include "create/compile.h"
#include "create/unique.h"
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "files/puzzle_reader.h"
#include "logic/logic_engine.h"
#include "model/runs.h"
#include "support/grid_builder.h"
#include "support/puzzle_checks.h"
#include "support/random_puzzle.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <thread>

using namespace vextor;

namespace {

using test::bruteCount;

// Whether digits (by cell number) fill every run with distinct digits making its clue.
bool solves(const Grid& g, const std::vector<int>& digits) {
    if (digits.size() != static_cast<std::size_t>(g.ncells) + 1)
        return false;
    std::vector<std::uint16_t> only(digits.size(), 0);
    for (std::size_t i = 1; i < digits.size(); ++i)
        if (digits[i] >= 1 && digits[i] <= 9)
            only[i] = static_cast<std::uint16_t>(1 << (digits[i] - 1));
    return bruteCount(g, only) == 1;
}

void expectConsistent(const Grid& g, const ExactResult& r) {
    if (r.count >= 1) {
        EXPECT_TRUE(solves(g, r.first));
    }
    if (r.count >= 2) {
        EXPECT_TRUE(solves(g, r.second));
        ASSERT_FALSE(r.differing.empty());
        for (int i = 1; i <= g.ncells; ++i) {
            const bool listed =
                std::find(r.differing.begin(), r.differing.end(), i) != r.differing.end();
            EXPECT_EQ(listed, r.first[i] != r.second[i]) << i;
        }
    } else {
        EXPECT_TRUE(r.differing.empty());
    }
}

// Every change of the logic engine's steps agrees with the one solution; the
// highest tier needed, 5 when stuck.
int logicTier(const Grid& g, const ExactResult& r, const std::string& what) {
    const LogicSolve solve = SolveLogically(g, false);
    for (const LogicStep& step : solve.steps)
        for (const LogicChange& ch : step.changes)
            EXPECT_EQ(ch.placed, ch.digit == r.first[static_cast<std::size_t>(ch.cell)])
                << what << " cell " << ch.cell << " " << techniqueId(step.technique);
    return solve.outcome == LogicOutcome::Solved ? solve.highestTier : 5;
}

} // namespace

// Small random grids counted by trying every digit: the exact count, and
// every step of the logic engine keeps every solution.
TEST(ExactSolver, MatchesBruteForceOnSmallRandomGrids) {
    int seen[3] = {0, 0, 0};
    int solved = 0, stuck = 0, none = 0, fromMasks = 0;
    long long most = 0; // the largest count met: the search then restarts and remembers
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
        AppState st(seed);
        const int rows = 3 + static_cast<int>(seed % 4), cols = 3 + static_cast<int>(seed / 4 % 4);
        test::makeRandomPuzzle(st, rows, cols, seed, 0.6);
        Grid& g = st.grid;
        int whites = 0;
        for (int i = 1; i <= g.ncells; ++i)
            whites += !g[i].known;
        if (whites > 11)
            continue;
        if (seed % 3 == 0) // a changed clue: often no solution left
            for (int i = 1; i <= g.ncells; ++i)
                if (g[i].known && !g[i].Black && g[i].across) {
                    g[i].across += seed % 2 ? 1 : -1;
                    break;
                }
        std::vector<DigitMask> digits; // by cell, the digits some solution puts there
        const long long brute = bruteCount(g, {}, &digits);
        const ExactResult r = CountSolutions(g, 2);
        ASSERT_FALSE(r.unknown) << seed;
        EXPECT_EQ(r.count, std::min<long long>(brute, 2)) << "seed " << seed;
        expectConsistent(g, r);
        const ExactResult all = CountSolutions(g, 1000000, 100000000);
        EXPECT_EQ(all.count, brute) << "seed " << seed;
        expectConsistent(g, all); // its solutions may come from remembered components
        // A limit reached deep in the search, shared out among components.
        EXPECT_EQ(CountSolutions(g, 300).count, std::min<long long>(brute, 300)) << seed;
        ++seen[std::min<long long>(brute, 2)];
        most = std::max(most, brute);
        LogicEngine engine(g);
        LogicState s = engine.startState();
        if (seed % 2 == 0 && brute > 0) {
            // Start from candidates that keep every solution and some more.
            std::mt19937 rng(static_cast<unsigned>(seed));
            for (int i = 1; i <= g.ncells; ++i)
                if (!g[i].known)
                    s[static_cast<std::size_t>(i)] = static_cast<DigitMask>(
                        digits[static_cast<std::size_t>(i)] | (rng() & kAllDigits));
            ++fromMasks;
        }
        LogicStep step;
        LogicOutcome o;
        while ((o = engine.nextStep(s, step)) == LogicOutcome::Step) {
            for (const LogicChange& ch : step.changes) {
                const DigitMask d = digits[static_cast<std::size_t>(ch.cell)];
                if (ch.placed)
                    ASSERT_EQ(d & ~(1 << (ch.digit - 1)), 0)
                        << "seed " << seed << ": " << step.sentence;
                else
                    ASSERT_FALSE(d >> (ch.digit - 1) & 1)
                        << "seed " << seed << ": " << step.sentence;
            }
            engine.applyStep(s, step);
        }
        // Clues no run can make are no run of the engine's: the count judges the outcome.
        if (o == LogicOutcome::Solved) {
            EXPECT_EQ(brute, 1) << seed;
            ++solved;
        } else if (o == LogicOutcome::Contradiction) {
            EXPECT_EQ(brute, 0) << seed;
            ++none;
        } else {
            ++stuck;
        }
    }
    // The sample covers every answer and every outcome, and counts large
    // enough for restarts.
    EXPECT_GT(std::min({seen[0], seen[1], seen[2], solved, stuck, none, fromMasks}), 5);
    EXPECT_GT(most, 10000);
}

TEST(ExactSolver, MalformedLayouts) {
    const struct {
        std::vector<std::string> rows;
        int count;
    } cases[] = {
        {{"X 0,3 0,4", "3,0 . .", "4,0 . ."}, 1}, // 2 1 / 1 3
        {{"X 0,30", "30,0 ."}, 0},                // clues no run can make
        {{"X 0,7", "7,0 ."}, 1},                  // runs of one cell
        {{"X 0,5", "4,0 ."}, 0},                  // one cell, two sums
        {{"X 4,0 X", "X X X"}, 0},                // a clue with no cells
        {{"X 0,4", "X ."}, 1},                    // a white cell in one run of one
        {{"X X", "X ."}, 2},                      // a white cell in no run
        {{"X X X", "X X X"}, 1},                  // nothing to fill
        {{"X 0,4 0,4", "4,0 . .", "4,0 . ."}, 2}, // 1 3 / 3 1 or 3 1 / 1 3
        {{"X 0,3 0,3", "3,0 . .", "4,0 . ."}, 0}, // the sums disagree
        // Two blocks apart, two solutions each: four in all.
        {{"X 0,4 0,4 X 0,4 0,4", "4,0 . . 4,0 . .", "4,0 . . 4,0 . ."}, 2},
        {{"X X X X X X X X X X X", "45,0 . . . . . . . . . ."}, 0}, // ten cells in one run
    };
    for (const auto& c : cases) {
        AppState st(1);
        test::makeGrid(st, c.rows);
        const ExactResult r = CountSolutions(st.grid, 2);
        EXPECT_TRUE(!r.unknown && r.count == c.count) << c.rows[0] << " / " << c.rows[1];
        EXPECT_EQ(CountSolutions(st.grid, 1000).count, bruteCount(st.grid)) << c.rows[0];
        expectConsistent(st.grid, r);
    }
}

TEST(ExactSolver, ANewThreadAndTheLargestGrid) {
    AppState st(1);
    // The first count of a new thread, with no white cell at all.
    int nothing = -1;
    test::makeGrid(st, {"X X", "X X"});
    std::thread([&] { nothing = CountSolutions(st.grid).count; }).join();
    EXPECT_EQ(nothing, 1);
    // Every published-size grid, the largest included, is answered.
    for (std::uint64_t seed = 1; seed <= 5; ++seed) {
        AppState big(seed);
        test::makeRandomPuzzle(big, kMaxRows, kMaxCols, seed);
        const ExactResult r = CountSolutions(big.grid, 2);
        EXPECT_TRUE(!r.unknown && r.count >= 1) << seed;
        expectConsistent(big.grid, r);
    }
}

TEST(ExactSolver, BudgetRunOutIsUnknownNeverAGuess) {
    AppState st(1);
    // 8! fillings of one run of eight cells.
    test::makeGrid(st, {"X X X X X X X X X", "36,0 . . . . . . . ."});
    // Out of nodes, or out of time: no count, no solutions.
    for (const ExactResult& cut :
         {CountSolutions(st.grid, 1000000, 100), CountSolutions(st.grid, 1000000, 1LL << 40, 1e-6)})
        EXPECT_TRUE(cut.unknown && cut.count == 0 && cut.first.empty() && cut.differing.empty());
    for (const double seconds : {0.0, 600.0}) { // no time limit, or one not reached
        const ExactResult whole = CountSolutions(st.grid, 1000000, 10000000, seconds);
        EXPECT_TRUE(!whole.unknown && whole.count == 40320) << seconds;
    }
}

TEST(LogicEngine, CreatedPuzzlesAreSolvedSoundly) {
    int tiers[6] = {};
    for (std::uint64_t seed = 1; seed <= 160; ++seed) {
        AppState st(seed);
        test::makeRandomPuzzle(st, 5 + static_cast<int>(seed % 4),
                               5 + static_cast<int>(seed / 4 % 4), seed, 0.75);
        if (MakeUnique(st, true) == Uniqueness::Failed)
            continue;
        const ExactResult r = CountSolutions(st.grid, 2);
        ASSERT_EQ(r.count, 1) << seed;
        ++tiers[logicTier(st.grid, r, "seed " + std::to_string(seed))];
    }
    // Created puzzles reach the chains, and beyond.
    EXPECT_GT(tiers[3], 0);
    EXPECT_GT(tiers[4] + tiers[5], 0);
}

// Each record is written back byte for byte (AutoSolve's runs over it are pinned).
TEST(ExactSolver, PublishedPuzzlesAreUniqueAndTheLogicEngineSolvesThemSoundly) {
    const auto dir = test::corpusDir();
    if (!dir)
        GTEST_SKIP() << "corpus not present";
    PuzzleFileReader reader((*dir / "published.vxt").string());
    ASSERT_EQ(reader.count(), 225);
    test::ScriptedUserInterface ui;
    int solved = 0;
    int tiers[kTopTier + 2] = {};
    std::string written; // every record as AppendPuzzle writes it, with its solution
    for (int k = 1; k <= reader.count(); ++k) {
        AppState st(1);
        ASSERT_TRUE(ReadPuzzle(st, ui, reader, k)) << k;
        const ExactResult r = CountSolutions(st.grid, 2);
        ASSERT_FALSE(r.unknown) << k;
        ASSERT_EQ(r.count, 1) << "record " << k;
        const int tier = logicTier(st.grid, r, "record " + std::to_string(k));
        ++tiers[tier];
        solved += tier >= 1 && tier <= kTopTier;
        const auto record = readRecord(reader, k);
        ASSERT_TRUE(record) << k;
        applySolution(st.grid, st.whitecol, record->lines);
        written += recordText(st.grid, st.whitecol, st.texts.title, record->number, true);
        for (int i = 1; i <= st.grid.ncells; ++i)
            ASSERT_TRUE(st.grid[i].known || st.grid[i].Choices == std::to_string(r.first[i]))
                << k << " cell " << i;
        // Compiled again, largest digit first: mostly several solutions,
        // some layouts very hard for a plain search; each is answered.
        std::vector<int> region;
        if (PrepareCompile(st, region) ||
            CompileGrid(st, ui, false, false) != CompileResult::Compiled)
            continue;
        const ExactResult again = CountSolutions(st.grid, 2);
        ASSERT_TRUE(!again.unknown && again.count >= 1) << "record " << k;
        expectConsistent(st.grid, again);
    }
    EXPECT_EQ(written, test::readFile((*dir / "published.vxt").string()));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_GE(solved, 220);
    // Every tier up to the area sums is needed somewhere.
    EXPECT_GT(std::min({tiers[1], tiers[2], tiers[3]}), 0);
}
