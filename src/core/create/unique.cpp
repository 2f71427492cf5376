#include "create/unique.h"

#include "base/silent_user_interface.h"
#include "create/compile.h"
#include "create/digit_sets.h"
#include "model/grid_checks.h"
#include "state/layout_check.h"
#include "state/solution_marks.h"

#include <algorithm>
#include <array>
#include <bit>

namespace vextor {

namespace {

int digitOf(const Square& s) {
    return s.Choices.size() == 1 && s.Choices[0] >= '1' && s.Choices[0] <= '9' ? s.Choices[0] - '0'
                                                                               : 0;
}

constexpr std::size_t kRecent = 3;
// A repair that has not succeeded within this many steps turns a differing
// cell every so many steps, whether or not a digit could change.
constexpr int kSplitAfter = 40;
constexpr int kSplitEvery = 10;
// Runs longer than this are cut in two before a layout is repaired.
constexpr int kLongRun = 4;

struct Move {
    int cell = 0;
    int digit = 0;
};

} // namespace

const char* UniquenessWord(Uniqueness u) {
    switch (u) {
    case Uniqueness::Unique:
        return "unique";
    case Uniqueness::Repaired:
        return "repaired";
    case Uniqueness::Failed:
        break;
    }
    return "failed";
}

namespace {

// The sum cells heading each white cell's across [0] and down [1] run, from
// the run fields.
using Heads = std::vector<std::array<int, 2>>;

Heads headsOf(Grid& g) {
    FindCreationRuns(g);
    Heads head(static_cast<std::size_t>(g.ncells) + 1, {0, 0});
    for (int i = 1; i <= g.ncells; ++i) {
        if (!g[i].known || g[i].Black)
            continue;
        for (const int c : g[i].cellsacross)
            head[static_cast<std::size_t>(c)][0] = i;
        for (const int c : g[i].cellsdown)
            head[static_cast<std::size_t>(c)][1] = i;
    }
    return head;
}

const std::vector<int>& runOf(const Grid& g, int h, int dir) {
    return dir == 0 ? g[h].cellsacross : g[h].cellsdown;
}

// The digits of c's run-mates, as bits 1..9.
unsigned usedAround(const Grid& g, const Heads& head, int c) {
    unsigned used = 0;
    for (int dir = 0; dir < 2; ++dir)
        if (const int h = head[static_cast<std::size_t>(c)][static_cast<std::size_t>(dir)])
            for (const int m : runOf(g, h, dir))
                if (m != c)
                    used |= 1u << digitOf(g[m]);
    return used & 0x3FEu;
}

// Turns white cell y into a sum cell heading the white cells after it (a
// black cell when they make no run). A run cut down to one cell loses its
// clue, a sum cell left without clues turns black, and a white cell left in
// no run is turned the same way, until every white cell lies in a run. A
// digit seen twice in a new run then gets a free one, and every clue is
// summed again. False, with the grid as it was, when the layout would fail
// the layout check or fall apart.
bool splitAt(AppState& st, int y) {
    Grid& g = st.grid;
    const Grid saved = g;
    const auto fail = [&] {
        g = saved;
        return false;
    };
    // White cells after c, up to two, across or down.
    const auto followers = [&](int c, bool across) {
        const int step = across ? 1 : g.cols;
        int n = 0;
        for (int k = 1; k <= 2; ++k) {
            const bool inside = across ? g.colOf(c) + k <= g.cols : g.rowOf(c) + k <= g.rows;
            if (!inside || g[c + k * step].known)
                break;
            ++n;
        }
        return n;
    };
    std::vector<int> turn{y};
    std::vector<char> covered;
    for (int round = 0; !turn.empty(); ++round) {
        if (round >= g.ncells)
            return fail();
        for (const int c : turn) {
            Square& s = g[c];
            s.known = true;
            s.Choices.clear();
            s.across = followers(c, true) == 2 ? -1 : 0;
            s.down = followers(c, false) == 2 ? -1 : 0;
        }
        for (int i = 1; i <= g.ncells; ++i) {
            Square& h = g[i];
            if (h.known && !h.Black) {
                h.Black = h.across == 0 && h.down == 0;
                h.BackColor = h.Black ? st.blackcol : st.greycol;
            }
        }
        for (int pass = 0; pass < 2; ++pass) {
            FindCreationRuns(g);
            for (int i = 1; i <= g.ncells; ++i) {
                Square& h = g[i];
                if (!h.known || h.Black)
                    continue;
                if (h.lenacross == 0)
                    h.across = 0;
                if (h.lendown == 0)
                    h.down = 0;
                if (h.across == 0 && h.down == 0) {
                    h.Black = true;
                    h.BackColor = st.blackcol;
                }
            }
        }
        covered.assign(static_cast<std::size_t>(g.ncells) + 1, 0);
        for (int i = 1; i <= g.ncells; ++i)
            for (const int dir : {0, 1})
                for (const int c : runOf(g, i, dir))
                    covered[static_cast<std::size_t>(c)] = 1;
        turn.clear();
        for (int i = 1; i <= g.ncells; ++i)
            if (!g[i].known && !covered[static_cast<std::size_t>(i)])
                turn.push_back(i);
    }
    const Heads head = headsOf(g);
    for (int i = 1; i <= g.ncells; ++i) {
        for (const int dir : {0, 1}) {
            unsigned seen = 0;
            for (const int c : runOf(g, i, dir)) {
                if (seen & (1u << digitOf(g[c]))) {
                    const unsigned freeDigits = ~usedAround(g, head, c) & 0x3FEu;
                    if (freeDigits == 0)
                        return fail();
                    g[c].Choices =
                        std::string(1, static_cast<char>('0' + std::countr_zero(freeDigits)));
                }
                seen |= 1u << digitOf(g[c]);
            }
        }
    }
    for (int i = 1; i <= g.ncells; ++i) {
        Square& h = g[i];
        for (const int dir : {0, 1}) {
            int total = 0;
            for (const int c : runOf(g, i, dir))
                total += digitOf(g[c]);
            if (!runOf(g, i, dir).empty())
                (dir == 0 ? h.across : h.down) = total;
        }
    }
    SilentUserInterface quiet;
    std::vector<int> region;
    if (CheckLayout(st, quiet, false) || FindChains(st, region))
        return fail();
    return true;
}

// Two white cells that lie in one run only, the same one, swap their digits
// whatever they are. Parts every such pair: one of them becomes a sum cell.
// Returns the number of cells turned, or -1 when a pair cannot be parted.
int partLoneCells(AppState& st, Heads& head) {
    Grid& g = st.grid;
    std::vector<int> lone;
    for (int turned = 0; turned < g.ncells; ++turned) {
        bool parted = false, pair = false;
        lone.clear();
        for (int c = 1; c <= g.ncells; ++c) {
            const auto& hc = head[static_cast<std::size_t>(c)];
            if (!g[c].known && (hc[0] == 0) != (hc[1] == 0))
                lone.push_back(c);
        }
        for (std::size_t a = 0; a < lone.size() && !parted; ++a) {
            for (std::size_t b = a + 1; b < lone.size() && !parted; ++b) {
                if (head[static_cast<std::size_t>(lone[a])] !=
                    head[static_cast<std::size_t>(lone[b])])
                    continue;
                pair = true;
                const bool first = st.rng.draw(2) == 1;
                parted = splitAt(st, first ? lone[a] : lone[b]) ||
                         splitAt(st, first ? lone[b] : lone[a]);
            }
        }
        if (!pair)
            return turned;
        if (!parted)
            return -1;
        head = headsOf(g);
    }
    return -1;
}

// Cuts every run longer than kLongRun in two at a random inner cell (both
// parts keep two cells or more) that becomes a sum cell; returns the cuts.
int cutLongRuns(AppState& st, Heads& head) {
    Grid& g = st.grid;
    int cuts = 0;
    for (int i = 1; i <= g.ncells; ++i) {
        for (const int dir : {0, 1}) {
            if (!g[i].known || g[i].Black)
                continue;
            const std::vector<int> run = runOf(g, i, dir);
            const int len = static_cast<int>(run.size());
            if (len <= kLongRun)
                continue;
            const int at = 2 + st.rng.draw(len - 4) - 1; // 2 .. len - 3
            if (splitAt(st, run[static_cast<std::size_t>(at)]))
                ++cuts;
        }
    }
    if (cuts > 0)
        head = headsOf(g);
    return cuts;
}

} // namespace

Uniqueness MakeUnique(AppState& st, bool layoutChanges, int maxRepairs, long long nodeBudget) {
    Grid& g = st.grid;
    if (!HasWhiteCell(g)) // a layout without white cells is no puzzle
        return Uniqueness::Failed;
    const auto clue = [&](int h, int dir) -> int& { return dir == 0 ? g[h].across : g[h].down; };
    Heads head = headsOf(g);
    const int parted = layoutChanges ? cutLongRuns(st, head) + partLoneCells(st, head) : 0;
    if (parted < 0)
        return Uniqueness::Failed;
    // The cells changed last do not change again at once: no going round.
    std::array<int, kRecent> recent{};
    std::vector<Move> best;
    for (int step = 0;; ++step) {
        // Cells turned into sum cells may have taken the last white cell.
        if (!HasWhiteCell(g))
            return Uniqueness::Failed;
        const ExactResult r = CountSolutions(g, 2, nodeBudget);
        if (r.unknown || r.count == 0)
            return Uniqueness::Failed;
        if (r.count == 1)
            return step == 0 && parted == 0 ? Uniqueness::Unique : Uniqueness::Repaired;
        if (step >= maxRepairs)
            return Uniqueness::Failed;
        // Every other digit of every differing cell that keeps its runs
        // distinct; the fewer digit sets its runs' new clues allow, the better.
        // The cells changed last come in only when nothing else is left.
        best.clear();
        for (const bool withRecent : {false, true}) {
            long long bestScore = 0;
            for (const int c : r.differing) {
                if (g[c].known ||
                    (!withRecent && std::find(recent.begin(), recent.end(), c) != recent.end()))
                    continue;
                const auto& heads = head[static_cast<std::size_t>(c)];
                const unsigned used = usedAround(g, head, c);
                const int d = digitOf(g[c]);
                for (int v = 1; v <= 9; ++v) {
                    if (v == d || (used & (1u << v)))
                        continue;
                    long long score = 1;
                    for (int dir = 0; dir < 2; ++dir) {
                        const int h = heads[static_cast<std::size_t>(dir)];
                        if (h != 0)
                            score *= digitSetCount(runOf(g, h, dir).size(), clue(h, dir) - d + v);
                    }
                    if (best.empty() || score < bestScore) {
                        best.clear();
                        bestScore = score;
                    }
                    if (score == bestScore)
                        best.push_back({c, v});
                }
            }
            if (!best.empty())
                break;
        }
        // When no digit can change, or now and then in a long repair, a
        // differing cell becomes a sum cell instead. Turning cells early and
        // often made more repairs run out of steps (each layout change brings
        // new cells that swap), so more puzzles were dropped.
        if (layoutChanges && (best.empty() || (step >= kSplitAfter && step % kSplitEvery == 0))) {
            bool split = false;
            const std::size_t n = r.differing.size();
            const std::size_t from = static_cast<std::size_t>(st.rng.draw(static_cast<int>(n)) - 1);
            for (std::size_t k = 0; k < n && !split; ++k)
                split = splitAt(st, r.differing[(from + k) % n]);
            if (split) {
                head = headsOf(g);
                recent = {};
                continue;
            }
        }
        if (best.empty())
            return Uniqueness::Failed;
        const Move m =
            best[static_cast<std::size_t>(st.rng.draw(static_cast<int>(best.size())) - 1)];
        const int d = digitOf(g[m.cell]);
        std::rotate(recent.rbegin(), recent.rbegin() + 1, recent.rend());
        recent[0] = m.cell;
        g[m.cell].Choices = std::string(1, static_cast<char>('0' + m.digit));
        for (int dir = 0; dir < 2; ++dir)
            if (const int h = head[static_cast<std::size_t>(m.cell)][static_cast<std::size_t>(dir)])
                clue(h, dir) += m.digit - d;
    }
}

std::string SolutionCountText(const ExactResult& r) {
    if (r.unknown)
        return "The solutions could not be counted in time";
    if (r.count == 0)
        return "This puzzle has no solution";
    if (r.count == 1)
        return "This puzzle has exactly one solution";
    return "This puzzle has two or more solutions\r\nThe marked cells differ between two of them";
}

void MarkDifferingCells(AppState& st, const ExactResult& r) {
    ClearSolutionMarks(st);
    for (const int c : r.differing) {
        if (!st.grid.valid(c))
            continue;
        st.grid[c].tick = st.yellowcol;
        st.creator.markedCells.push_back(c);
    }
}

void CountSolutionsCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    // A puzzle needs white cells, and sum cells whose clues were compiled.
    bool white = false, marks = false;
    for (int i = 1; i <= st.grid.ncells; ++i) {
        const Square& c = st.grid[i];
        white = white || !c.known;
        marks = marks || c.across < 0 || c.down < 0;
    }
    if (!white || marks) {
        ui.message("Invalid puzzle");
        return;
    }
    ExactResult r;
    {
        BusyPointer busy(ui);
        r = CountSolutions(st.grid, 2);
    }
    MarkDifferingCells(st, r);
    ui.message(SolutionCountText(r));
}

} // namespace vextor
