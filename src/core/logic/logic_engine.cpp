#include "logic/logic_engine.h"

#include "logic/logic_words.h"
#include "model/runs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <set>

namespace vextor {

namespace words = logic_words;

namespace {

using Mask = DigitMask;

int bits(Mask m) {
    return std::popcount(static_cast<unsigned>(m & kAllDigits));
}
bool single(Mask m) {
    m &= kAllDigits;
    return m != 0 && (m & (m - 1)) == 0;
}
int digitOf(Mask m) {
    return std::countr_zero(static_cast<unsigned>(m & kAllDigits)) + 1;
}
Mask bitOf(int d) {
    return static_cast<Mask>(1u << (d - 1));
}

// The digit sets of every (length, sum), one after another: those of (l, s)
// are sets[start[l][s] .. start[l][s + 1]).
struct ComboTable {
    std::array<int, 512> sum{};
    std::array<Mask, 512> sets{};
    std::array<std::array<int, 47>, 10> start{};
    ComboTable() {
        for (int m = 0; m < 512; ++m)
            for (int d = 0; d < 9; ++d)
                if (m & (1 << d))
                    sum[static_cast<std::size_t>(m)] += d + 1;
        int at = 0;
        for (int l = 0; l <= 9; ++l) {
            for (int s = 0; s <= 45; ++s) {
                start[l][s] = at;
                for (int m = 0; m < 512; ++m)
                    if (bits(static_cast<Mask>(m)) == l && sum[static_cast<std::size_t>(m)] == s)
                        sets[static_cast<std::size_t>(at++)] = static_cast<Mask>(m);
            }
            start[l][46] = at;
        }
    }
    int from(int l, int s) const { return inRange(l, s) ? start[l][s] : 0; }
    int to(int l, int s) const { return inRange(l, s) ? start[l][s + 1] : 0; }
    static bool inRange(int l, int s) { return l >= 0 && l <= 9 && s >= 0 && s <= 45; }
};

const ComboTable& comboTable() {
    static const ComboTable t;
    return t;
}

// The fillings of a run's open cells: which digit sets can fill them with
// distinct digits from their candidates, and which digits each cell can
// take in one of them.
struct Filling {
    std::array<Mask, 9> allowed{}; // by open cell
    std::array<Mask, 16> sets{};   // the digit sets that fit
    int nsets = 0;
    bool feasible = false;
};

// cand: the open cells' candidates; rest: the sum they must make; free: the
// digits not fixed elsewhere in the run.
void fillRun(const Mask* cand, int n, int rest, Mask free, Filling& f) {
    f.nsets = 0;
    f.feasible = false;
    for (int j = 0; j < n; ++j)
        f.allowed[static_cast<std::size_t>(j)] = 0;
    if (n == 0) {
        f.feasible = rest == 0;
        return;
    }
    const ComboTable& t = comboTable();
    Mask offered = 0;
    for (int j = 0; j < n; ++j)
        offered |= cand[j];
    // Only the first 2^n entries are used, cleared for each set.
    std::array<std::uint8_t, 512> reach, good;
    std::array<Mask, 9> cc{};
    std::array<int, 9> digit{};
    std::array<std::uint16_t, 512> list; // written before it is read
    std::array<int, 11> level{};
    for (int i = t.from(n, rest); i < t.to(n, rest); ++i) {
        const Mask set = t.sets[static_cast<std::size_t>(i)];
        if ((set & ~free) || (set & ~offered))
            continue;
        bool meets = true;
        for (int j = 0; j < n && meets; ++j)
            meets = (cand[j] & set) != 0;
        if (!meets)
            continue;
        // The set's digits as bits 0..n-1.
        int k = 0;
        for (Mask m = set; m; m = static_cast<Mask>(m & (m - 1)))
            digit[static_cast<std::size_t>(k++)] = std::countr_zero(static_cast<unsigned>(m));
        for (int j = 0; j < n; ++j) {
            Mask c = 0;
            for (int b = 0; b < n; ++b)
                if (cand[j] >> digit[static_cast<std::size_t>(b)] & 1)
                    c = static_cast<Mask>(c | 1 << b);
            cc[static_cast<std::size_t>(j)] = c;
        }
        const std::size_t states = std::size_t{1} << n;
        std::fill(reach.begin(), reach.begin() + static_cast<std::ptrdiff_t>(states), 0);
        std::fill(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(states), 0);
        int count = 0;
        list[0] = 0;
        reach[0] = 1;
        level[0] = 0;
        count = 1;
        for (int j = 0; j < n; ++j) {
            level[static_cast<std::size_t>(j) + 1] = count;
            for (int i2 = level[static_cast<std::size_t>(j)];
                 i2 < level[static_cast<std::size_t>(j) + 1]; ++i2) {
                const Mask s = list[static_cast<std::size_t>(i2)];
                for (Mask a = static_cast<Mask>(cc[static_cast<std::size_t>(j)] & ~s); a;
                     a = static_cast<Mask>(a & (a - 1))) {
                    const Mask nx = static_cast<Mask>(s | (a & -a));
                    if (!reach[nx]) {
                        reach[nx] = 1;
                        list[static_cast<std::size_t>(count++)] = nx;
                    }
                }
            }
        }
        level[static_cast<std::size_t>(n) + 1] = count;
        const Mask full = static_cast<Mask>(states - 1);
        if (!reach[full])
            continue;
        good[full] = 1;
        for (int j = n - 1; j >= 0; --j) {
            Mask allowedC = 0;
            for (int i2 = level[static_cast<std::size_t>(j)];
                 i2 < level[static_cast<std::size_t>(j) + 1]; ++i2) {
                const Mask s = list[static_cast<std::size_t>(i2)];
                for (Mask a = static_cast<Mask>(cc[static_cast<std::size_t>(j)] & ~s); a;
                     a = static_cast<Mask>(a & (a - 1))) {
                    const Mask b = static_cast<Mask>(a & -a);
                    if (good[s | b]) {
                        good[s] = 1;
                        allowedC |= b;
                    }
                }
            }
            Mask real = 0;
            for (int b = 0; b < n; ++b)
                if (allowedC >> b & 1)
                    real = static_cast<Mask>(real | 1 << digit[static_cast<std::size_t>(b)]);
            f.allowed[static_cast<std::size_t>(j)] |= real;
        }
        if (f.nsets < static_cast<int>(f.sets.size()))
            f.sets[static_cast<std::size_t>(f.nsets++)] = set;
        f.feasible = true;
    }
}

// An area of a band of rows (or columns) and the cells left over in it (or
// outside it), whose digits add up to a known total.
struct Area {
    bool rowsBand = true;
    int from = 0, to = 0; // the band's first and last row (column)
    int corner = 0;       // the area's first cell
    int size = 0;         // cells in the area
    bool outside = false; // cells of the crossing runs outside the band
    int cover = 0;        // the clues of the runs covering the area
    int other = 0;        // the clues of the runs inside (crossing) it
    int total = 0;        // what the left-over cells add up to
    std::vector<int> cells;
    std::vector<int> runs; // the runs read
};

constexpr int kNone = -1;
constexpr int kContradiction = -2;
constexpr int kChainSteps = 8;
constexpr int kAreaOpenCells = 4;
constexpr int kAreaCells = 12;

struct RunMemo {
    std::array<Mask, 9> seen{};
    int n = -1;
    int verdict = kNone;
};

} // namespace

int techniqueTier(Technique t) {
    switch (t) {
    case Technique::Single:
    case Technique::LastCell:
    case Technique::PlacedDigit:
    case Technique::Combinations:
        return 1;
    case Technique::RunCombinations:
    case Technique::HiddenSingle:
    case Technique::Pair:
    case Technique::Triple:
    case Technique::Group:
    case Technique::RunFilling:
        return 2;
    case Technique::AreaSum:
    case Technique::OneStepTest:
        return 3;
    case Technique::Chain:
        return 4;
    }
    return 4;
}

const char* techniqueId(Technique t) {
    static constexpr const char* ids[] = {
        "single",        "last-cell", "placed-digit", "combinations", "run-combinations",
        "hidden-single", "pair",      "triple",       "group",        "run-filling",
        "area-sum",      "one-step",  "chain"};
    return ids[static_cast<int>(t)];
}

const char* techniqueName(Technique t) {
    static constexpr const char* names[] = {"One candidate left",
                                            "Last open cell",
                                            "Placed digit",
                                            "Combinations",
                                            "Combinations that fit",
                                            "Only one cell for a digit",
                                            "Pair",
                                            "Triple",
                                            "Group",
                                            "Every filling tried",
                                            "Area sum",
                                            "One-step test",
                                            "Chain"};
    return names[static_cast<int>(t)];
}

std::string cellName(const Grid& grid, int cell) {
    return "row " + std::to_string(grid.rowOf(cell)) + ", column " +
           std::to_string(grid.colOf(cell));
}

std::string cellCode(const Grid& grid, int cell) {
    return "r" + std::to_string(grid.rowOf(cell)) + "c" + std::to_string(grid.colOf(cell));
}

std::string changesCode(const Grid& grid, const std::vector<LogicChange>& changes) {
    std::string out;
    for (const LogicChange& c : changes) {
        if (!out.empty())
            out += ' ';
        out += cellCode(grid, c.cell) + (c.placed ? "=" : "-") + std::to_string(c.digit);
    }
    return out;
}

struct LogicEngine::Impl {
    Grid grid; // rows and columns for the names; no cells needed
    int ncells = 0;
    std::vector<LogicRun> runs;
    std::vector<std::array<int, 2>> runsOf; // by cell: across run, down run (-1: none)
    std::vector<int> whites;
    bool broken = false; // a clue no run can make
    std::vector<Area> areas;
    std::vector<RunMemo> memo;
    bool words = true;
    int easy = 0;
    // The one-step test tries the digits of cells with at most three
    // candidates, a chain assumes a digit of a cell with two: what a person
    // tries, and on the largest grids the cost of a hint stays small.
    int oneStepCells = 3;
    int chainCells = 2;
    // Scratch of the one-step test and of chains.
    LogicState scratch, levelState;
    std::vector<int> touched, firstLevel;
    std::vector<LogicState> chainStates;

    explicit Impl(const Grid& g) {
        grid.rows = g.rows;
        grid.cols = g.cols;
        ncells = g.ncells;
        grid.ncells = g.ncells;
        runsOf.assign(static_cast<std::size_t>(ncells) + 1, {-1, -1});
        const ComboTable& t = comboTable();
        for (int i = 1; i <= ncells; ++i) {
            if (!g[i].known)
                whites.push_back(i);
            if (!g[i].known || g[i].Black)
                continue;
            for (const bool across : {true, false}) {
                const int clue = across ? g[i].across : g[i].down;
                if (clue == 0)
                    continue;
                LogicRun run;
                run.head = i;
                run.across = across;
                run.clue = clue;
                run.cells = collectRun(g, g.rowOf(i), g.colOf(i), across);
                const int n = static_cast<int>(run.cells.size());
                if (n == 0 || n > 9 || t.from(n, clue) == t.to(n, clue)) {
                    broken = true;
                    continue;
                }
                for (const int c : run.cells)
                    runsOf[static_cast<std::size_t>(c)][across ? 0 : 1] =
                        static_cast<int>(runs.size());
                runs.push_back(std::move(run));
            }
        }
        memo.assign(runs.size(), RunMemo{});
        buildAreas(g);
    }

    int clueOf(int r) const { return runs[static_cast<std::size_t>(r)].clue; }

    void buildAreas(const Grid& g) {
        std::set<std::pair<std::vector<int>, int>> seen;
        std::vector<int> mark(static_cast<std::size_t>(ncells) + 1, 0);
        int stamp = 0;
        for (const bool rowsBand : {true, false}) {
            const int lines = rowsBand ? g.rows : g.cols;
            const int cover = rowsBand ? 0 : 1; // the runs that cover the area
            const int cross = 1 - cover;
            auto lineOf = [&](int c) { return rowsBand ? g.rowOf(c) : g.colOf(c); };
            for (int a = 1; a <= lines; ++a) {
                for (int b = a; b <= lines; ++b) {
                    ++stamp;
                    for (const int w : whites) {
                        if (lineOf(w) < a || lineOf(w) > b ||
                            mark[static_cast<std::size_t>(w)] == stamp)
                            continue;
                        // One connected part of the band.
                        std::vector<int> comp{w};
                        mark[static_cast<std::size_t>(w)] = stamp;
                        for (std::size_t k = 0; k < comp.size(); ++k) {
                            const int c = comp[k];
                            const int r = g.rowOf(c), col = g.colOf(c);
                            const int nb[4][2] = {
                                {r - 1, col}, {r + 1, col}, {r, col - 1}, {r, col + 1}};
                            for (const auto& p : nb) {
                                if (p[0] < 1 || p[0] > g.rows || p[1] < 1 || p[1] > g.cols)
                                    continue;
                                const int x = g.CellIndex(p[0], p[1]);
                                if (g[x].known || lineOf(x) < a || lineOf(x) > b ||
                                    mark[static_cast<std::size_t>(x)] == stamp)
                                    continue;
                                mark[static_cast<std::size_t>(x)] = stamp;
                                comp.push_back(x);
                            }
                        }
                        int lo = b, hi = a;
                        for (const int c : comp)
                            lo = std::min(lo, lineOf(c)), hi = std::max(hi, lineOf(c));
                        if (lo == a && hi == b) // else a narrower band gives the same part
                            addAreas(comp, rowsBand, a, b, cover, cross, lineOf, seen);
                    }
                }
            }
        }
    }

    template <class LineOf>
    void addAreas(std::vector<int>& comp, bool rowsBand, int a, int b, int cover, int cross,
                  LineOf lineOf, std::set<std::pair<std::vector<int>, int>>& seen) {
        std::sort(comp.begin(), comp.end());
        std::set<int> covering, crossing;
        bool allCrossed = true;
        for (const int c : comp) {
            const auto& of = runsOf[static_cast<std::size_t>(c)];
            if (of[static_cast<std::size_t>(cover)] < 0)
                return; // a cell no covering run holds: no total
            covering.insert(of[static_cast<std::size_t>(cover)]);
            if (of[static_cast<std::size_t>(cross)] < 0)
                allCrossed = false;
            else
                crossing.insert(of[static_cast<std::size_t>(cross)]);
        }
        // Covering runs must lie inside the part (true for whole runs of a
        // line of the band).
        int coverSum = 0;
        for (const int r : covering)
            coverSum += clueOf(r);
        auto inside = [&](int r) {
            for (const int c : runs[static_cast<std::size_t>(r)].cells)
                if (lineOf(c) < a || lineOf(c) > b)
                    return false;
            return true;
        };
        // An area of this part read from the covering runs; kept when its
        // left-over cells are few and new.
        auto startArea = [&](bool outside) {
            Area area;
            area.rowsBand = rowsBand;
            area.from = a;
            area.to = b;
            area.corner = comp.front();
            area.size = static_cast<int>(comp.size());
            area.outside = outside;
            area.cover = coverSum;
            area.runs.assign(covering.begin(), covering.end());
            return area;
        };
        auto keep = [&](Area& area) {
            if (!area.cells.empty() && static_cast<int>(area.cells.size()) <= kAreaCells &&
                seen.insert({area.cells, area.total}).second)
                areas.push_back(std::move(area));
        };
        // Inside: the crossing runs wholly in the band leave the rest.
        {
            Area area = startArea(false);
            std::set<int> in;
            for (const int r : crossing)
                if (inside(r)) {
                    in.insert(r);
                    area.other += clueOf(r);
                    area.runs.push_back(r);
                }
            for (const int c : comp) {
                const int r = runsOf[static_cast<std::size_t>(c)][static_cast<std::size_t>(cross)];
                if (r < 0 || !in.count(r))
                    area.cells.push_back(c);
            }
            area.total = coverSum - area.other;
            if (!in.empty())
                keep(area);
        }
        // Outside: the crossing runs reach beyond the band.
        if (allCrossed) {
            Area area = startArea(true);
            for (const int r : crossing) {
                area.other += clueOf(r);
                area.runs.push_back(r);
                for (const int c : runs[static_cast<std::size_t>(r)].cells)
                    if (lineOf(c) < a || lineOf(c) > b)
                        area.cells.push_back(c);
            }
            std::sort(area.cells.begin(), area.cells.end());
            area.total = area.other - coverSum;
            keep(area);
        }
    }

    // ---- changes -------------------------------------------------------

    // Adds the change of one cell from `had` to `now` candidates: a digit
    // placed when one is left, else the candidates removed.
    static void addChange(LogicStep& step, int cell, Mask had, Mask now) {
        now &= kAllDigits;
        if (single(now) && (!(had & kPlacedFlag) || (had & kAllDigits) != now)) {
            step.changes.push_back({cell, digitOf(now), true});
            return;
        }
        for (Mask gone = static_cast<Mask>(had & kAllDigits & ~now); gone;
             gone = static_cast<Mask>(gone & (gone - 1)))
            step.changes.push_back({cell, digitOf(gone), false});
    }

    std::string runName(int r) const {
        const LogicRun& run = runs[static_cast<std::size_t>(r)];
        return std::to_string(run.clue) + (run.across ? " across (" : " down (") +
               words::cellGroup(grid, run.cells) + ")";
    }
    std::string runNameWithLength(int r) const {
        const LogicRun& run = runs[static_cast<std::size_t>(r)];
        const std::size_t n = run.cells.size();
        return std::to_string(run.clue) + (run.across ? " across in " : " down in ") +
               std::to_string(n) + (n == 1 ? " cell (" : " cells (") +
               words::cellGroup(grid, run.cells) + ")";
    }
    std::string combinationsText(const Mask* sets, int n, Mask with) const {
        std::vector<std::string> parts;
        for (int i = 0; i < n; ++i)
            parts.push_back(words::combination(static_cast<Mask>(sets[i] | with)));
        std::string out;
        for (std::size_t i = 0; i < parts.size(); ++i)
            out += (i == 0 ? "" : i + 1 == parts.size() ? " or " : ", ") + parts[i];
        return out;
    }

    // ---- one run -------------------------------------------------------

    // The first technique of tiers 1 and 2 that changes something in run r
    // (kNone, or kContradiction when the run cannot be filled). With out,
    // writes that step.
    int evalRun(int r, const LogicState& s, LogicStep* out) {
        const LogicRun& run = runs[static_cast<std::size_t>(r)];
        const int n = static_cast<int>(run.cells.size());
        RunMemo& m = memo[static_cast<std::size_t>(r)];
        if (!out && m.n == n) {
            bool same = true;
            for (int k = 0; k < n && same; ++k)
                same = m.seen[static_cast<std::size_t>(k)] ==
                       s[static_cast<std::size_t>(run.cells[static_cast<std::size_t>(k)])];
            if (same)
                return m.verdict;
        }
        const int v = judgeRun(r, s, out);
        m.n = n;
        for (int k = 0; k < n; ++k)
            m.seen[static_cast<std::size_t>(k)] =
                s[static_cast<std::size_t>(run.cells[static_cast<std::size_t>(k)])];
        m.verdict = v;
        return v;
    }

    void beginRunStep(LogicStep* out, Technique t, int r) {
        out->technique = t;
        out->tier = techniqueTier(t);
        out->cells = runs[static_cast<std::size_t>(r)].cells;
        out->runs = {r};
        out->changes.clear();
        out->sentence.clear();
    }

    int judgeRun(int r, const LogicState& s, LogicStep* out) {
        const LogicRun& run = runs[static_cast<std::size_t>(r)];
        const int n = static_cast<int>(run.cells.size());
        std::array<Mask, 9> cand{};
        std::array<Mask, 9> raw{};
        Mask placed = 0, fixed = 0;
        int placedSum = 0, fixedSum = 0, nopen = 0, nfree = 0;
        std::array<int, 9> open{}; // not placed
        std::array<int, 9> free{}; // more than one candidate
        for (int k = 0; k < n; ++k) {
            const Mask x = s[static_cast<std::size_t>(run.cells[static_cast<std::size_t>(k)])];
            raw[static_cast<std::size_t>(k)] = x;
            cand[static_cast<std::size_t>(k)] = static_cast<Mask>(x & kAllDigits);
            const Mask c = cand[static_cast<std::size_t>(k)];
            if (c == 0)
                return kContradiction;
            if (x & kPlacedFlag) {
                if (placed & c)
                    return kContradiction;
                placed |= c;
                placedSum += digitOf(c);
            } else {
                open[static_cast<std::size_t>(nopen++)] = k;
            }
            if (single(c)) {
                if (fixed & c)
                    return kContradiction;
                fixed |= c;
                fixedSum += digitOf(c);
            } else {
                free[static_cast<std::size_t>(nfree++)] = k;
            }
        }
        // The exact fillings of the cells with more than one candidate.
        std::array<Mask, 9> fc{};
        for (int j = 0; j < nfree; ++j)
            fc[static_cast<std::size_t>(j)] = static_cast<Mask>(
                cand[static_cast<std::size_t>(free[static_cast<std::size_t>(j)])] & ~fixed);
        Filling f;
        fillRun(fc.data(), nfree, run.clue - fixedSum, static_cast<Mask>(kAllDigits & ~fixed), f);
        if (!f.feasible)
            return kContradiction;
        const auto cellAt = [&](int k) { return run.cells[static_cast<std::size_t>(k)]; };

        // Tier 1: the last open cell.
        if (nopen == 1) {
            const int k = open[0];
            const int d = run.clue - placedSum;
            if (d >= 1 && d <= 9 && (cand[static_cast<std::size_t>(k)] & bitOf(d))) {
                if (out) {
                    beginRunStep(out, Technique::LastCell, r);
                    out->changes.push_back({cellAt(k), d, true});
                    if (words) {
                        std::string sum = std::to_string(run.clue);
                        for (int i = 0; i < n; ++i)
                            if (i != k)
                                sum += " - " +
                                       std::to_string(digitOf(cand[static_cast<std::size_t>(i)]));
                        out->sentence = runName(r) + " has one open cell left: " + sum + " = " +
                                        std::to_string(d) + ", so " + cellName(grid, cellAt(k)) +
                                        " is " + std::to_string(d) + ".";
                    }
                }
                return static_cast<int>(Technique::LastCell);
            }
        }
        // Tier 1: placed digits leave the run's other cells.
        {
            bool any = false;
            for (int j = 0; j < nopen && !any; ++j)
                any = (cand[static_cast<std::size_t>(open[static_cast<std::size_t>(j)])] &
                       placed) != 0;
            if (any) {
                if (out) {
                    beginRunStep(out, Technique::PlacedDigit, r);
                    std::vector<int> placedCells;
                    Mask hit = 0;
                    for (int j = 0; j < nopen; ++j) {
                        const int k = open[static_cast<std::size_t>(j)];
                        const Mask c = cand[static_cast<std::size_t>(k)];
                        if (c & placed) {
                            hit |= static_cast<Mask>(c & placed);
                            addChange(*out, cellAt(k), raw[static_cast<std::size_t>(k)],
                                      static_cast<Mask>(c & ~placed));
                        }
                    }
                    if (words) {
                        std::vector<std::string> which;
                        for (int k = 0; k < n; ++k)
                            if ((raw[static_cast<std::size_t>(k)] & kPlacedFlag) &&
                                (cand[static_cast<std::size_t>(k)] & hit))
                                which.push_back(
                                    cellName(grid, cellAt(k)) + " is " +
                                    std::to_string(digitOf(cand[static_cast<std::size_t>(k)])));
                        out->sentence = words::joinPhrases(which) + " in " + runName(r) + ", so " +
                                        words::changesPhrase(grid, s, out->changes) + ".";
                    }
                }
                return static_cast<int>(Technique::PlacedDigit);
            }
        }
        // Tier 1: the combinations of the length, the clue and the placed digits.
        {
            const ComboTable& t = comboTable();
            const int rest = run.clue - placedSum;
            Mask allowed = 0;
            for (int i = t.from(nopen, rest); i < t.to(nopen, rest); ++i)
                if (!(t.sets[static_cast<std::size_t>(i)] & placed))
                    allowed |= t.sets[static_cast<std::size_t>(i)];
            bool any = false;
            for (int j = 0; j < nopen && !any; ++j)
                any = (cand[static_cast<std::size_t>(open[static_cast<std::size_t>(j)])] &
                       ~allowed) != 0;
            if (any && allowed != 0) {
                if (out) {
                    beginRunStep(out, Technique::Combinations, r);
                    Mask gone = 0;
                    for (int j = 0; j < nopen; ++j) {
                        const int k = open[static_cast<std::size_t>(j)];
                        const Mask c = cand[static_cast<std::size_t>(k)];
                        if (c & ~allowed) {
                            gone |= static_cast<Mask>(c & ~allowed);
                            addChange(*out, cellAt(k), raw[static_cast<std::size_t>(k)],
                                      static_cast<Mask>(c & allowed));
                        }
                    }
                    if (words) {
                        std::array<Mask, 16> sets{};
                        int ns = 0;
                        for (int i = t.from(nopen, rest); i < t.to(nopen, rest); ++i)
                            if (!(t.sets[static_cast<std::size_t>(i)] & placed) && ns < 16)
                                sets[static_cast<std::size_t>(ns++)] =
                                    t.sets[static_cast<std::size_t>(i)];
                        std::string head = runNameWithLength(r) + ": ";
                        if (placed)
                            head += "with " + words::digitList(placed, "and") + " placed, ";
                        std::string what;
                        if (ns == 1)
                            what = "the only combination is " +
                                   combinationsText(sets.data(), 1, placed);
                        else if (ns <= 4)
                            what =
                                "the combinations are " + combinationsText(sets.data(), ns, placed);
                        else
                            what = "none of its " + std::to_string(ns) + " combinations uses " +
                                   words::digitList(gone, "or");
                        out->sentence = head + what + ", so " +
                                        words::changesPhrase(grid, s, out->changes) + ".";
                    }
                }
                return static_cast<int>(Technique::Combinations);
            }
        }
        // Tier 2: the combinations the cells' candidates still fit.
        Mask unionSets = 0, needed = kAllDigits;
        for (int i = 0; i < f.nsets; ++i) {
            unionSets |= f.sets[static_cast<std::size_t>(i)];
            needed &= f.sets[static_cast<std::size_t>(i)];
        }
        {
            bool any = false;
            for (int j = 0; j < nfree && !any; ++j)
                any = (fc[static_cast<std::size_t>(j)] & ~unionSets) != 0 ||
                      fc[static_cast<std::size_t>(j)] !=
                          cand[static_cast<std::size_t>(free[static_cast<std::size_t>(j)])];
            if (any) {
                if (out) {
                    beginRunStep(out, Technique::RunCombinations, r);
                    for (int j = 0; j < nfree; ++j) {
                        const int k = free[static_cast<std::size_t>(j)];
                        const Mask c = cand[static_cast<std::size_t>(k)];
                        const Mask now = static_cast<Mask>(c & unionSets & ~fixed);
                        if (now != c)
                            addChange(*out, cellAt(k), raw[static_cast<std::size_t>(k)], now);
                    }
                    if (words) {
                        const std::string which =
                            f.nsets == 1 ? "the only combination its cells' candidates fit is " +
                                               combinationsText(f.sets.data(), 1, fixed)
                                         : "the only combinations its cells' candidates fit are " +
                                               combinationsText(f.sets.data(), f.nsets, fixed);
                        out->sentence = runName(r) + ": " + which + ", so " +
                                        words::changesPhrase(grid, s, out->changes) + ".";
                    }
                }
                return static_cast<int>(Technique::RunCombinations);
            }
        }
        // Tier 2: a digit the run needs that only one cell can take.
        for (Mask d = needed; d; d = static_cast<Mask>(d & (d - 1))) {
            const Mask b = static_cast<Mask>(d & -d);
            int holder = -1, holders = 0;
            for (int j = 0; j < nfree; ++j)
                if (fc[static_cast<std::size_t>(j)] & b)
                    holder = free[static_cast<std::size_t>(j)], ++holders;
            if (holders == 1 && cand[static_cast<std::size_t>(holder)] != b) {
                if (out) {
                    beginRunStep(out, Technique::HiddenSingle, r);
                    out->changes.push_back({cellAt(holder), digitOf(b), true});
                    if (words)
                        out->sentence = runName(r) + " needs a " + std::to_string(digitOf(b)) +
                                        (f.nsets == 1 ? " (its only combination left holds it)"
                                                      : " (every combination left holds it)") +
                                        " and only " + cellName(grid, cellAt(holder)) +
                                        " can take it, so " + cellName(grid, cellAt(holder)) +
                                        " is " + std::to_string(digitOf(b)) + ".";
                }
                return static_cast<int>(Technique::HiddenSingle);
            }
        }
        // Tier 2: pairs, triples and larger groups.
        for (int size = 2; size < nfree; ++size) {
            for (unsigned sub = 1; sub < (1u << nfree); ++sub) {
                if (std::popcount(sub) != size)
                    continue;
                Mask u = 0;
                for (int j = 0; j < nfree; ++j)
                    if (sub >> j & 1)
                        u |= fc[static_cast<std::size_t>(j)];
                if (bits(u) != size)
                    continue;
                bool hits = false;
                for (int j = 0; j < nfree && !hits; ++j)
                    hits = !(sub >> j & 1) && (fc[static_cast<std::size_t>(j)] & u);
                if (!hits)
                    continue;
                const Technique t = size == 2   ? Technique::Pair
                                    : size == 3 ? Technique::Triple
                                                : Technique::Group;
                if (out) {
                    beginRunStep(out, t, r);
                    std::vector<int> group;
                    for (int j = 0; j < nfree; ++j) {
                        const int k = free[static_cast<std::size_t>(j)];
                        if (sub >> j & 1) {
                            group.push_back(cellAt(k));
                            continue;
                        }
                        const Mask c = cand[static_cast<std::size_t>(k)];
                        if (c & u)
                            addChange(*out, cellAt(k), raw[static_cast<std::size_t>(k)],
                                      static_cast<Mask>(c & ~u));
                    }
                    if (words)
                        out->sentence = "In " + runName(r) + ", " + words::cellGroup(grid, group) +
                                        " hold only " + words::digitList(u, "and") +
                                        " between them, so " +
                                        words::changesPhrase(grid, s, out->changes) + ".";
                }
                return static_cast<int>(t);
            }
        }
        // Tier 2: every filling tried.
        {
            bool any = false;
            for (int j = 0; j < nfree && !any; ++j)
                any = f.allowed[static_cast<std::size_t>(j)] != fc[static_cast<std::size_t>(j)];
            if (any) {
                if (out) {
                    beginRunStep(out, Technique::RunFilling, r);
                    for (int j = 0; j < nfree; ++j) {
                        const int k = free[static_cast<std::size_t>(j)];
                        if (f.allowed[static_cast<std::size_t>(j)] !=
                            cand[static_cast<std::size_t>(k)])
                            addChange(*out, cellAt(k), raw[static_cast<std::size_t>(k)],
                                      f.allowed[static_cast<std::size_t>(j)]);
                    }
                    if (words)
                        out->sentence =
                            runName(r) +
                            ": trying every way to fill it from its cells' candidates (" +
                            combinationsText(f.sets.data(), f.nsets, fixed) + ") shows that " +
                            words::changesPhrase(grid, s, out->changes) + ".";
                }
                return static_cast<int>(Technique::RunFilling);
            }
        }
        return kNone;
    }

    // ---- areas ---------------------------------------------------------

    bool shareRun(int a, int b) const {
        const auto& x = runsOf[static_cast<std::size_t>(a)];
        const auto& y = runsOf[static_cast<std::size_t>(b)];
        return (x[0] >= 0 && x[0] == y[0]) || (x[1] >= 0 && x[1] == y[1]);
    }

    int evalArea(const Area& area, const LogicState& s, LogicStep* out) {
        std::array<int, kAreaOpenCells> open{};
        std::array<Mask, kAreaOpenCells> cand{}, allowed{};
        int nopen = 0, rest = area.total;
        for (const int c : area.cells) {
            const Mask m = static_cast<Mask>(s[static_cast<std::size_t>(c)] & kAllDigits);
            if (single(m)) {
                rest -= digitOf(m);
            } else {
                if (nopen == kAreaOpenCells)
                    return kNone;
                open[static_cast<std::size_t>(nopen)] = c;
                cand[static_cast<std::size_t>(nopen++)] = m;
            }
        }
        if (nopen == 0)
            return rest == 0 ? kNone : kContradiction;
        std::array<std::array<bool, kAreaOpenCells>, kAreaOpenCells> shares{};
        for (int i = 0; i < nopen; ++i)
            for (int j = 0; j < i; ++j)
                shares[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] =
                    shareRun(open[static_cast<std::size_t>(i)], open[static_cast<std::size_t>(j)]);
        std::array<int, kAreaOpenCells> pick{};
        auto walk = [&](auto& self, int i, int left) -> void {
            if (i == nopen) {
                if (left == 0)
                    for (int j = 0; j < nopen; ++j)
                        allowed[static_cast<std::size_t>(j)] |=
                            bitOf(pick[static_cast<std::size_t>(j)]);
                return;
            }
            const int after = nopen - i - 1; // cells still to fill add 1..9 each
            for (Mask m = cand[static_cast<std::size_t>(i)]; m;
                 m = static_cast<Mask>(m & (m - 1))) {
                const int d = digitOf(m);
                if (left - d < after || left - d > 9 * after)
                    continue;
                bool clash = false;
                for (int j = 0; j < i && !clash; ++j)
                    clash = shares[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] &&
                            pick[static_cast<std::size_t>(j)] == d;
                if (clash)
                    continue;
                pick[static_cast<std::size_t>(i)] = d;
                self(self, i + 1, left - d);
            }
        };
        walk(walk, 0, rest);
        bool any = false;
        for (int j = 0; j < nopen; ++j) {
            if (allowed[static_cast<std::size_t>(j)] == 0)
                return kContradiction;
            any = any || allowed[static_cast<std::size_t>(j)] != cand[static_cast<std::size_t>(j)];
        }
        if (!any)
            return kNone;
        if (out) {
            out->technique = Technique::AreaSum;
            out->tier = 3;
            out->cells = area.cells;
            out->runs = area.runs;
            out->changes.clear();
            out->sentence.clear();
            for (int j = 0; j < nopen; ++j)
                addChange(*out, open[static_cast<std::size_t>(j)],
                          s[static_cast<std::size_t>(open[static_cast<std::size_t>(j)])],
                          allowed[static_cast<std::size_t>(j)]);
            if (words)
                out->sentence = areaSentence(area, s, open.data(), nopen, rest, *out);
        }
        return static_cast<int>(Technique::AreaSum);
    }

    std::string areaSentence(const Area& area, const LogicState& s, const int* open, int nopen,
                             int rest, const LogicStep& step) const {
        const std::string dash = "\u2013";
        const std::string band =
            std::string(area.rowsBand ? "Rows " : "Columns ") + std::to_string(area.from) +
            (area.to > area.from ? dash + std::to_string(area.to) : std::string()) +
            (area.rowsBand ? "" : "");
        const std::string bandName =
            area.from == area.to
                ? std::string(area.rowsBand ? "Row " : "Column ") + std::to_string(area.from)
                : band;
        const char* coverWord = area.rowsBand ? "across" : "down";
        const char* crossWord = area.rowsBand ? "down" : "across";
        std::string out = bandName + ", the area of " + std::to_string(area.size) + " cells from " +
                          cellName(grid, area.corner) + ": its " + coverWord + " runs total " +
                          std::to_string(area.cover);
        const bool one = area.cells.size() == 1;
        if (area.outside)
            out += " and the " + std::string(crossWord) + " runs through it total " +
                   std::to_string(area.other) +
                   (one ? ", so their one cell outside it, " : ", so their cells outside it, ");
        else
            out += " and the " + std::string(crossWord) + " runs wholly inside it total " +
                   std::to_string(area.other) +
                   (one ? ", so the one cell left over, " : ", so the cells left over, ");
        if (one)
            return out + cellName(grid, area.cells[0]) + ", is " + std::to_string(area.total) + ".";
        out += words::cellGroup(grid, area.cells) + ", add up to " + std::to_string(area.total);
        if (static_cast<int>(area.cells.size()) != nopen) {
            std::vector<int> cells(open, open + nopen);
            out += "; without the digits already known, " + words::cellGroup(grid, cells);
            if (nopen == 1)
                return out + " is " + std::to_string(rest) + ".";
            out += " add up to " + std::to_string(rest);
        }
        return out + ", so " + words::changesPhrase(grid, s, step.changes) + ".";
    }

    // ---- the one-step test --------------------------------------------

    // Filters run r exactly in st; false when it cannot be filled. Cells that
    // change are added to touched.
    bool filterInto(int r, LogicState& st) {
        const LogicRun& run = runs[static_cast<std::size_t>(r)];
        const int n = static_cast<int>(run.cells.size());
        std::array<Mask, 9> fc{};
        std::array<int, 9> freeAt{};
        Mask fixed = 0;
        int fixedSum = 0, nfree = 0;
        for (int k = 0; k < n; ++k) {
            const Mask c = static_cast<Mask>(
                st[static_cast<std::size_t>(run.cells[static_cast<std::size_t>(k)])] & kAllDigits);
            if (c == 0)
                return false;
            if (single(c)) {
                if (fixed & c)
                    return false;
                fixed |= c;
                fixedSum += digitOf(c);
            } else {
                freeAt[static_cast<std::size_t>(nfree)] = k;
                fc[static_cast<std::size_t>(nfree++)] = c;
            }
        }
        for (int j = 0; j < nfree; ++j)
            fc[static_cast<std::size_t>(j)] &= static_cast<Mask>(~fixed);
        Filling f;
        fillRun(fc.data(), nfree, run.clue - fixedSum, static_cast<Mask>(kAllDigits & ~fixed), f);
        if (!f.feasible)
            return false;
        for (int j = 0; j < nfree; ++j) {
            const int cell =
                run.cells[static_cast<std::size_t>(freeAt[static_cast<std::size_t>(j)])];
            Mask& m = st[static_cast<std::size_t>(cell)];
            if ((m & kAllDigits) != f.allowed[static_cast<std::size_t>(j)]) {
                m = static_cast<Mask>((m & kPlacedFlag) | f.allowed[static_cast<std::size_t>(j)]);
                touched.push_back(cell);
            }
        }
        return true;
    }

    // What the test of digit d in cell c found: the run that failed, and
    // the cells the first runs changed on the way.
    struct OneStep {
        int failed = -1;
        int via = -1; // the run whose changes led there (-1: c's own run failed)
        std::vector<LogicChange> changes;
    };

    bool tryOneStep(const LogicState& s, int c, int d, OneStep* why) {
        scratch = s;
        scratch[static_cast<std::size_t>(c)] = bitOf(d);
        touched.clear();
        const auto own = runsOf[static_cast<std::size_t>(c)];
        std::size_t fromFirst = 0; // touched by the first of c's runs
        for (int i = 0; i < 2; ++i) {
            const int r = own[static_cast<std::size_t>(i)];
            if (r >= 0 && !filterInto(r, scratch)) {
                if (why)
                    why->failed = r;
                return true;
            }
            if (i == 0)
                fromFirst = touched.size();
        }
        firstLevel = touched;
        if (why)
            levelState = scratch;
        for (std::size_t k = 0; k < firstLevel.size(); ++k) {
            for (const int r : runsOf[static_cast<std::size_t>(firstLevel[k])]) {
                if (r < 0 || r == own[0] || r == own[1] || filterInto(r, scratch))
                    continue;
                if (why) {
                    why->failed = r;
                    why->via = k < fromFirst ? own[0] : own[1];
                    LogicStep tmp;
                    for (const int y : runs[static_cast<std::size_t>(r)].cells)
                        if (std::find(firstLevel.begin(), firstLevel.end(), y) != firstLevel.end())
                            addChange(tmp, y, s[static_cast<std::size_t>(y)],
                                      levelState[static_cast<std::size_t>(y)]);
                    why->changes = tmp.changes;
                }
                return true;
            }
        }
        return false;
    }

    int findOneStep(const LogicState& s, LogicStep* out) {
        for (const int c : whites) {
            const Mask m = s[static_cast<std::size_t>(c)];
            if ((m & kPlacedFlag) || bits(m) < 2 || bits(m) > oneStepCells)
                continue;
            for (Mask a = static_cast<Mask>(m & kAllDigits); a;
                 a = static_cast<Mask>(a & (a - 1))) {
                const int d = digitOf(a);
                if (!tryOneStep(s, c, d, nullptr))
                    continue;
                if (out) {
                    OneStep why;
                    tryOneStep(s, c, d, &why);
                    out->technique = Technique::OneStepTest;
                    out->tier = 3;
                    out->cells = {c};
                    out->runs.clear();
                    out->changes.clear();
                    out->sentence.clear();
                    for (const int r : runsOf[static_cast<std::size_t>(c)])
                        if (r >= 0)
                            out->runs.push_back(r);
                    if (why.failed >= 0 && std::find(out->runs.begin(), out->runs.end(),
                                                     why.failed) == out->runs.end())
                        out->runs.push_back(why.failed);
                    for (const int r : out->runs)
                        for (const int x : runs[static_cast<std::size_t>(r)].cells)
                            if (std::find(out->cells.begin(), out->cells.end(), x) ==
                                out->cells.end())
                                out->cells.push_back(x);
                    addChange(*out, c, m, static_cast<Mask>(m & ~bitOf(d)));
                    if (words) {
                        std::string text =
                            "If " + cellName(grid, c) + " were " + std::to_string(d) + ", ";
                        if (why.via >= 0 && !why.changes.empty())
                            text += "then by " + runName(why.via) + " " +
                                    words::wouldPhrase(grid, s, why.changes) + ", and ";
                        text += runName(why.failed) + " could not be filled; so " +
                                cellName(grid, c) + " cannot be " + std::to_string(d) +
                                otherDigit(*out) + ".";
                        out->sentence = text;
                    }
                }
                return static_cast<int>(Technique::OneStepTest);
            }
        }
        return kNone;
    }

    // ---- chains --------------------------------------------------------

    // Whether a run through the cells a step changed is left without a filling.
    bool brokenAfter(const LogicState& s, const LogicStep& step) {
        for (const LogicChange& ch : step.changes) {
            if ((s[static_cast<std::size_t>(ch.cell)] & kAllDigits) == 0)
                return true;
            for (const int r : runsOf[static_cast<std::size_t>(ch.cell)])
                if (r >= 0 && evalRun(r, s, nullptr) == kContradiction)
                    return true;
        }
        return false;
    }

    int findChain(const LogicState& s, LogicStep* out, LogicEngine& self) {
        struct Try {
            int cell, digit;
            bool alive;
        };
        std::vector<Try> tries;
        for (const int c : whites) {
            const Mask m = s[static_cast<std::size_t>(c)];
            if ((m & kPlacedFlag) || bits(m) < 2 || bits(m) > chainCells)
                continue;
            for (Mask a = static_cast<Mask>(m & kAllDigits); a; a = static_cast<Mask>(a & (a - 1)))
                tries.push_back({c, digitOf(a), true});
        }
        if (chainStates.size() < tries.size())
            chainStates.resize(tries.size());
        for (std::size_t i = 0; i < tries.size(); ++i) {
            chainStates[i] = s;
            chainStates[i][static_cast<std::size_t>(tries[i].cell)] =
                static_cast<Mask>(bitOf(tries[i].digit) | kPlacedFlag);
        }
        const bool savedWords = words;
        const int savedEasy = easy;
        words = false;
        int found = -1, length = 0;
        LogicStep inner;
        for (int depth = 1; depth <= kChainSteps && found < 0; ++depth) {
            for (std::size_t i = 0; i < tries.size() && found < 0; ++i) {
                if (!tries[i].alive)
                    continue;
                const LogicOutcome o = self.nextStep(chainStates[i], inner, 3, false);
                if (o == LogicOutcome::Contradiction) {
                    found = static_cast<int>(i), length = depth - 1;
                    break;
                }
                if (o != LogicOutcome::Step) {
                    tries[i].alive = false;
                    continue;
                }
                self.applyStep(chainStates[i], inner);
                if (brokenAfter(chainStates[i], inner))
                    found = static_cast<int>(i), length = depth;
            }
        }
        words = savedWords;
        easy = savedEasy;
        if (found < 0)
            return kNone;
        if (out) {
            const Try& t = tries[static_cast<std::size_t>(found)];
            const Mask m = s[static_cast<std::size_t>(t.cell)];
            out->technique = Technique::Chain;
            out->tier = 4;
            out->cells = {t.cell};
            out->runs.clear();
            out->changes.clear();
            out->sentence.clear();
            // Follow the chain again for its words.
            LogicState st = s;
            st[static_cast<std::size_t>(t.cell)] = static_cast<Mask>(bitOf(t.digit) | kPlacedFlag);
            std::vector<std::string> links;
            for (int k = 0; k < length; ++k) {
                words = false;
                if (self.nextStep(st, inner, 3, false) != LogicOutcome::Step)
                    break;
                words = savedWords;
                links.push_back(words::wouldPhrase(grid, st, inner.changes) + " (" +
                                lower(techniqueName(inner.technique)) + ")");
                for (const LogicChange& ch : inner.changes)
                    if (std::find(out->cells.begin(), out->cells.end(), ch.cell) ==
                        out->cells.end())
                        out->cells.push_back(ch.cell);
                for (const int r : inner.runs)
                    if (std::find(out->runs.begin(), out->runs.end(), r) == out->runs.end())
                        out->runs.push_back(r);
                self.applyStep(st, inner);
            }
            words = savedWords;
            easy = savedEasy;
            addChange(*out, t.cell, m, static_cast<Mask>(m & ~bitOf(t.digit)));
            if (words) {
                std::string end;
                for (std::size_t r = 0; r < runs.size() && end.empty(); ++r)
                    if (evalRun(static_cast<int>(r), st, nullptr) == kContradiction)
                        end = runName(static_cast<int>(r)) + " could not be filled";
                if (end.empty())
                    end = "a cell would have no candidate left";
                std::string text = "Suppose " + cellName(grid, t.cell) + " were " +
                                   std::to_string(t.digit) + ": then ";
                if (!links.empty())
                    text += words::joinPhrases(links) + ", and ";
                out->sentence = text + end + ". So " + cellName(grid, t.cell) + " cannot be " +
                                std::to_string(t.digit) + otherDigit(*out) + ".";
            }
        }
        return static_cast<int>(Technique::Chain);
    }

    // ": it is 7" when the step's one removal leaves the cell one digit.
    static std::string otherDigit(const LogicStep& step) {
        if (step.changes.size() == 1 && step.changes[0].placed)
            return ": it is " + std::to_string(step.changes[0].digit);
        return "";
    }

    static std::string lower(const char* text) {
        std::string s = text;
        if (!s.empty() && s[0] >= 'A' && s[0] <= 'Z')
            s[0] = static_cast<char>(s[0] - 'A' + 'a');
        return s;
    }
};

LogicEngine::LogicEngine(const Grid& grid) : impl_(std::make_unique<Impl>(grid)) {}
LogicEngine::~LogicEngine() = default;

const std::vector<LogicRun>& LogicEngine::runs() const {
    return impl_->runs;
}

std::string LogicEngine::runName(int run) const {
    return impl_->runName(run);
}

LogicState LogicEngine::startState() const {
    LogicState s(static_cast<std::size_t>(impl_->ncells) + 1, 0);
    for (const int w : impl_->whites)
        s[static_cast<std::size_t>(w)] = kAllDigits;
    return s;
}

bool LogicEngine::solved(const LogicState& state) const {
    for (const int w : impl_->whites)
        if (!(state[static_cast<std::size_t>(w)] & kPlacedFlag))
            return false;
    return true;
}

int LogicEngine::easyStepsAvailable() const {
    return impl_->easy;
}

LogicOutcome LogicEngine::nextStep(const LogicState& s, LogicStep& step, int maxTier,
                                   bool sentence) {
    const LogicOutcome o = findStep(s, step, maxTier, sentence);
    if (o == LogicOutcome::Step && !step.sentence.empty() && step.sentence[0] >= 'a' &&
        step.sentence[0] <= 'z')
        step.sentence[0] = static_cast<char>(step.sentence[0] - 'a' + 'A');
    return o;
}

LogicOutcome LogicEngine::findStep(const LogicState& s, LogicStep& step, int maxTier,
                                   bool sentence) {
    Impl& m = *impl_;
    const bool savedWords = m.words;
    m.words = sentence;
    struct Restore {
        Impl& m;
        bool w;
        ~Restore() { m.words = w; }
    } restore{m, savedWords};
    if (m.broken || s.size() != static_cast<std::size_t>(m.ncells) + 1)
        return LogicOutcome::Contradiction;
    int best = INT_MAX, bestRun = -1, easy = 0;
    for (std::size_t r = 0; r < m.runs.size(); ++r) {
        const int v = m.evalRun(static_cast<int>(r), s, nullptr);
        if (v == kContradiction)
            return LogicOutcome::Contradiction;
        if (v == kNone)
            continue;
        if (techniqueTier(static_cast<Technique>(v)) == 1)
            ++easy;
        if (v < best && techniqueTier(static_cast<Technique>(v)) <= maxTier)
            best = v, bestRun = static_cast<int>(r);
    }
    int singleCell = 0;
    for (const int w : m.whites) {
        const Mask x = s[static_cast<std::size_t>(w)];
        if ((x & kAllDigits) == 0)
            return LogicOutcome::Contradiction;
        if (single(x) && !(x & kPlacedFlag)) {
            ++easy;
            if (!singleCell)
                singleCell = w;
        }
    }
    m.easy = easy;
    if (singleCell) {
        const Mask x = s[static_cast<std::size_t>(singleCell)];
        step = LogicStep{};
        step.technique = Technique::Single;
        step.tier = 1;
        step.cells = {singleCell};
        for (const int r : m.runsOf[static_cast<std::size_t>(singleCell)])
            if (r >= 0)
                step.runs.push_back(r);
        step.changes.push_back({singleCell, digitOf(x), true});
        if (sentence)
            step.sentence = cellName(m.grid, singleCell) + " has only " +
                            std::to_string(digitOf(x)) + " left, so it is " +
                            std::to_string(digitOf(x)) + ".";
        return LogicOutcome::Step;
    }
    if (bestRun >= 0) {
        m.evalRun(bestRun, s, &step);
        return LogicOutcome::Step;
    }
    if (solved(s))
        return LogicOutcome::Solved;
    if (maxTier >= 3) {
        for (const Area& a : m.areas) {
            const int v = m.evalArea(a, s, nullptr);
            if (v == kContradiction)
                return LogicOutcome::Contradiction;
            if (v >= 0) {
                m.evalArea(a, s, &step);
                return LogicOutcome::Step;
            }
        }
        if (m.findOneStep(s, &step) >= 0)
            return LogicOutcome::Step;
    }
    if (maxTier >= 4 && m.findChain(s, &step, *this) >= 0)
        return LogicOutcome::Step;
    return LogicOutcome::Stuck;
}

void LogicEngine::applyStep(LogicState& state, const LogicStep& step) const {
    for (const LogicChange& c : step.changes) {
        Mask& m = state[static_cast<std::size_t>(c.cell)];
        if (c.placed)
            m = static_cast<Mask>(bitOf(c.digit) | kPlacedFlag);
        else
            m = static_cast<Mask>(m & ~bitOf(c.digit));
    }
}

LogicSolve SolveLogically(const Grid& grid, bool sentences, const LogicState* from, int maxTier) {
    LogicEngine engine(grid);
    LogicSolve out;
    out.state = from ? *from : engine.startState();
    long long easySum = 0;
    LogicStep step;
    // Every step removes a candidate or places a digit: bounded by the
    // candidates of the grid.
    const long long bound = 20LL * (grid.ncells + 1);
    for (long long k = 0; k < bound; ++k) {
        const LogicOutcome o = engine.nextStep(out.state, step, maxTier, sentences);
        if (o != LogicOutcome::Step) {
            out.outcome = o;
            break;
        }
        easySum += engine.easyStepsAvailable();
        engine.applyStep(out.state, step);
        if (step.tier > out.highestTier) {
            out.highestTier = step.tier;
            out.topTierSteps = 0;
        }
        if (step.tier == out.highestTier)
            ++out.topTierSteps;
        out.steps.push_back(step);
    }
    if (!out.steps.empty())
        out.easyAvailable = static_cast<double>(easySum) / static_cast<double>(out.steps.size());
    for (int i = 1; i <= grid.ncells; ++i) {
        if (grid[i].known)
            continue;
        ++out.whiteCells;
        if (!(out.state[static_cast<std::size_t>(i)] & kPlacedFlag))
            ++out.openCellsLeft;
    }
    return out;
}

} // namespace vextor
