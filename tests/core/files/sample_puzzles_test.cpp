// The shipped sample puzzles: sound layouts, solutions that fit their clues,
// and exactly one solution each.
#include "files/puzzle_file.h"
#include "model/runs.h"
#include "state/layout_check.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::ScriptedUserInterface;

namespace {

struct ClueRun {
    int clue = 0;
    std::vector<int> cells;
};

// The runs of the grid: white cells (by colour) to the right of and below
// every clue, up to the next non-white cell.
std::vector<ClueRun> clueRuns(const AppState& st) {
    const Grid& g = st.grid;
    auto white = [&](int r, int c) {
        const Square& s = g[g.CellIndex(r, c)];
        return !s.Black && s.BackColor == st.whitecol;
    };
    std::vector<ClueRun> runs;
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            const Square& s = g[g.CellIndex(r, c)];
            if (s.across != 0) {
                ClueRun run{s.across, {}};
                for (int c2 = c + 1; c2 <= g.cols && white(r, c2); ++c2)
                    run.cells.push_back(g.CellIndex(r, c2));
                runs.push_back(run);
            }
            if (s.down != 0) {
                ClueRun run{s.down, {}};
                for (int r2 = r + 1; r2 <= g.rows && white(r2, c); ++r2)
                    run.cells.push_back(g.CellIndex(r2, c));
                runs.push_back(run);
            }
        }
    }
    return runs;
}

// Counts the digit fillings that satisfy every run, up to limit: a plain
// depth-first search that always fills the cell with the fewest digits left.
class SolutionCounter {
public:
    SolutionCounter(const std::vector<ClueRun>& runs, int ncells)
        : runs_(runs), cellRuns_(static_cast<std::size_t>(ncells) + 1),
          digit_(static_cast<std::size_t>(ncells) + 1, 0), used_(runs.size(), 0),
          filled_(runs.size(), 0), total_(runs.size(), 0) {
        for (std::size_t k = 0; k < runs.size(); ++k)
            for (int i : runs[k].cells) {
                cellRuns_[static_cast<std::size_t>(i)].push_back(k);
                if (cellRuns_[static_cast<std::size_t>(i)].size() == 1)
                    cells_.push_back(i);
            }
    }

    int count(int limit) {
        found_ = 0;
        limit_ = limit;
        search();
        return found_;
    }

private:
    // Digits d that can still go into run k: d unused, and the cells left can
    // reach the remaining sum with distinct unused digits.
    std::uint16_t possible(std::size_t k) const {
        const int left = static_cast<int>(runs_[k].cells.size()) - filled_[k];
        const int remaining = runs_[k].clue - total_[k];
        std::uint16_t mask = 0;
        for (int d = 1; d <= 9; ++d) {
            if (used_[k] & (1u << d))
                continue;
            // Smallest and largest sums of left - 1 further unused digits.
            int low = 0, high = 0, n = 0;
            for (int e = 1; e <= 9 && n < left - 1; ++e)
                if (e != d && !(used_[k] & (1u << e))) {
                    low += e;
                    ++n;
                }
            if (n < left - 1)
                continue;
            n = 0;
            for (int e = 9; e >= 1 && n < left - 1; --e)
                if (e != d && !(used_[k] & (1u << e))) {
                    high += e;
                    ++n;
                }
            if (remaining - d >= low && remaining - d <= high)
                mask = static_cast<std::uint16_t>(mask | (1u << d));
        }
        return mask;
    }

    void search() {
        int best = 0;
        std::uint16_t bestMask = 0;
        int bestCount = 10;
        for (int i : cells_) {
            if (digit_[static_cast<std::size_t>(i)] != 0)
                continue;
            std::uint16_t mask = 0x3fe;
            for (std::size_t k : cellRuns_[static_cast<std::size_t>(i)])
                mask &= possible(k);
            const int n = std::popcount(mask);
            if (n < bestCount) {
                best = i;
                bestMask = mask;
                bestCount = n;
            }
        }
        if (best == 0) {
            ++found_;
            return;
        }
        for (int d = 1; d <= 9 && found_ < limit_; ++d) {
            if (!(bestMask & (1u << d)))
                continue;
            digit_[static_cast<std::size_t>(best)] = d;
            for (std::size_t k : cellRuns_[static_cast<std::size_t>(best)]) {
                used_[k] |= 1u << d;
                ++filled_[k];
                total_[k] += d;
            }
            search();
            for (std::size_t k : cellRuns_[static_cast<std::size_t>(best)]) {
                used_[k] &= ~(1u << d);
                --filled_[k];
                total_[k] -= d;
            }
            digit_[static_cast<std::size_t>(best)] = 0;
        }
    }

    const std::vector<ClueRun>& runs_;
    std::vector<std::vector<std::size_t>> cellRuns_;
    std::vector<int> cells_;
    std::vector<int> digit_;
    std::vector<unsigned> used_;
    std::vector<int> filled_;
    std::vector<int> total_;
    int found_ = 0;
    int limit_ = 0;
};

} // namespace

TEST(SamplePuzzles, EveryRecordIsSoundSolvedAndUnique) {
    const std::string file = (vextor::test::resourcesDir() / "puzzles.vxt").string();
    const std::string content = vextor::test::readFile(file);
    ScriptedUserInterface ui;
    const int count = CountPuzzles(file, ui);
    ASSERT_GE(count, 4);
    std::string rewritten;
    for (int n = 1; n <= count; ++n) {
        SCOPED_TRACE("record " + std::to_string(n));
        AppState st(1);
        st.puzfile = file;
        ASSERT_TRUE(ReadPuzzle(st, ui, file, n));
        const auto record = readRecord(file, n);
        ASSERT_TRUE(record);
        EXPECT_EQ(record->number, n);
        const Grid& g = st.grid;

        // The first cell of every row and column is black or a sum cell.
        for (int r = 1; r <= g.rows; ++r)
            EXPECT_TRUE(g[g.CellIndex(r, 1)].known) << "row " << r;
        for (int c = 1; c <= g.cols; ++c)
            EXPECT_TRUE(g[g.CellIndex(1, c)].known) << "column " << c;

        // Every token of the solution part is the cell's kind or one digit.
        std::vector<std::string> solution(1);
        for (const std::string& line : record->lines) {
            const auto tokens = parseSolution(line);
            ASSERT_EQ(tokens.size(), static_cast<std::size_t>(g.cols));
            solution.insert(solution.end(), tokens.begin(), tokens.end());
        }
        for (int i = 1; i <= g.ncells; ++i) {
            const Square& s = g[i];
            const std::string& token = solution[static_cast<std::size_t>(i)];
            if (s.Black) {
                EXPECT_EQ(token, "X");
            } else if (!s.known) {
                EXPECT_TRUE(token.size() == 1 && token[0] >= '1' && token[0] <= '9')
                    << "cell " << i;
            }
        }

        // Runs of 2 to 9 cells with distinct digits adding up to the clue,
        // and every white cell in one across and one down run.
        const auto runs = clueRuns(st);
        std::vector<int> cover(static_cast<std::size_t>(g.ncells) + 1, 0);
        for (const ClueRun& run : runs) {
            EXPECT_GE(run.cells.size(), 2u);
            EXPECT_LE(run.cells.size(), 9u);
            unsigned seen = 0;
            int sum = 0;
            for (int i : run.cells) {
                const int d = solution[static_cast<std::size_t>(i)][0] - '0';
                EXPECT_FALSE(seen & (1u << d)) << "digit " << d << " twice, cell " << i;
                seen |= 1u << d;
                sum += d;
                ++cover[static_cast<std::size_t>(i)];
            }
            EXPECT_EQ(sum, run.clue);
        }
        for (int i = 1; i <= g.ncells; ++i) {
            if (!g[i].known) {
                EXPECT_EQ(cover[static_cast<std::size_t>(i)], 2) << "cell " << i;
            }
        }

        // The layout check agrees, and the clues allow one solution only.
        AppState checked = st;
        FindRuns(checked.grid);
        EXPECT_FALSE(CheckLayout(checked, ui, false));
        EXPECT_EQ(SolutionCounter(runs, g.ncells).count(2), 1);

        applySolution(st.grid, st.whitecol, record->lines);
        rewritten += recordText(st.grid, st.whitecol, st.texts.title, n, true);
    }
    // The file is exactly what the program writes (CRLF lines, numbered 1..).
    EXPECT_EQ(rewritten, content);
}

TEST(SamplePuzzles, SolutionCounterSeesSeveralSolutions) {
    // A 2 x 2 block of a 3 x 3 grid with every clue 3 has two fillings.
    std::vector<ClueRun> runs = {{3, {5, 6}}, {3, {8, 9}}, {3, {5, 8}}, {3, {6, 9}}};
    EXPECT_EQ(SolutionCounter(runs, 9).count(5), 2);
    EXPECT_EQ(SolutionCounter(runs, 9).count(1), 1);
    // Across 4 needs 1 and 3, but the down runs allow only 1 and 2.
    runs[0].clue = 4;
    EXPECT_EQ(SolutionCounter(runs, 9).count(5), 0);
}
