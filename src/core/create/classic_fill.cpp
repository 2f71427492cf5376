#include "create/classic_fill.h"

#include "create/digit_sets.h"
#include "exact/exact_solver.h"
#include "logic/logic_rating.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace vextor {

namespace {

struct Run {
    int head = 0;
    bool across = true;
    std::vector<int> cells;
    int lean = 0; // the digits a fill favours: -1 small, +1 large, 0 none
};

// How a tier shapes the search: the white share and longest run of drawn
// layouts, and how strongly fresh digits lean to small or large ones (clues
// with few digit sets make easier puzzles).
struct Shape {
    double whiteLow, whiteHigh;
    int maxRun;
    double lean;
};

Shape shapeOf(int tier) {
    switch (tier) {
    case 1:
        return {0.57, 0.63, 4, 3.0};
    case 2:
        return {0.60, 0.68, 7, 1.5};
    case 3:
        return {0.64, 0.72, 9, 0.5};
    case 4:
        return {0.66, 0.73, 9, 0.0};
    default:
        return {0.58, 0.72, 8, 1.0};
    }
}

class Filler {
public:
    Filler(Random& rng, const ClassicLayout& layout, int tier, ClassicSearchCounts* counts)
        : rng_(rng), layout_(layout), tier_(tier), counts_(counts), shape_(shapeOf(tier)) {
        digits_.assign(layout.white.size(), 0);
        BuildClassicGrid(grid_, layout, digits_);
        runOf_.assign(layout.white.size(), {-1, -1});
        for (int i = 1; i <= grid_.ncells; ++i) {
            if (!grid_[i].known) {
                whites_.push_back(i);
                continue;
            }
            for (const bool across : {true, false}) {
                Run run;
                run.head = i;
                run.across = across;
                const int step = across ? 1 : grid_.cols;
                for (int c = i + step; grid_.valid(c) && !grid_[c].known; c += step) {
                    if (across && grid_.rowOf(c) != grid_.rowOf(i))
                        break;
                    run.cells.push_back(c);
                }
                if (run.cells.empty())
                    continue;
                for (const int c : run.cells)
                    runOf_[static_cast<std::size_t>(c)][across ? 0 : 1] =
                        static_cast<int>(runs_.size());
                runs_.push_back(std::move(run));
            }
        }
    }

    std::optional<ClassicPuzzle> fill(int fills, int* closest) {
        int best = 99;
        for (int f = 0; f < fills; ++f) {
            if (counts_)
                ++counts_->fills;
            for (Run& r : runs_)
                r.lean = rng_.draw(2) == 1 ? -1 : 1;
            std::fill(digits_.begin(), digits_.end(), 0);
            if (!randomFill(whites_))
                continue;
            if (auto p = search(best))
                return p;
        }
        if (closest)
            *closest = best;
        return std::nullopt;
    }

private:
    std::size_t at(int cell) const { return static_cast<std::size_t>(cell); }

    // The digits held by the cell's run-mates, as bits 1..9.
    unsigned usedAround(int cell) const {
        unsigned used = 0;
        for (const int r : runOf_[at(cell)])
            if (r >= 0)
                for (const int m : runs_[static_cast<std::size_t>(r)].cells)
                    if (m != cell)
                        used |= 1u << digits_[at(m)];
        return used & 0x3FEu;
    }

    double weight(int cell, int d) const {
        double w = 1.0;
        for (const int r : runOf_[at(cell)]) {
            if (r < 0)
                continue;
            const int lean = runs_[static_cast<std::size_t>(r)].lean;
            const double base = lean < 0 ? 10 - d : d;
            w *= std::pow(base, shape_.lean);
        }
        return w;
    }

    // Gives every cell of `cells` a digit that none of its run-mates holds
    // (the other cells keep theirs): the cell with the fewest free digits
    // first, digits drawn by weight, going back on a dead end within a node
    // budget.
    bool randomFill(const std::vector<int>& cells) {
        for (const int c : cells)
            digits_[at(c)] = 0;
        long long nodes = 0;
        const long long budget = 40LL * static_cast<long long>(cells.size()) + 200;
        return place(cells, nodes, budget);
    }

    bool place(const std::vector<int>& cells, long long& nodes, long long budget) {
        if (++nodes > budget)
            return false;
        int pick = 0, fewest = 10;
        unsigned pickFree = 0;
        for (const int c : cells) {
            if (digits_[at(c)] != 0)
                continue;
            const unsigned freeDigits = ~usedAround(c) & 0x3FEu;
            const int n = std::popcount(freeDigits);
            if (n < fewest) {
                fewest = n;
                pick = c;
                pickFree = freeDigits;
            }
        }
        if (pick == 0)
            return true;
        std::array<double, 10> w{};
        double total = 0;
        for (int d = 1; d <= 9; ++d)
            if (pickFree & (1u << d))
                total += w[static_cast<std::size_t>(d)] = weight(pick, d);
        for (int tries = 0; tries < fewest; ++tries) {
            double x = rng_.uniform() * total;
            int d = 0;
            for (int k = 1; k <= 9; ++k) {
                if (w[static_cast<std::size_t>(k)] <= 0)
                    continue;
                d = k;
                x -= w[static_cast<std::size_t>(k)];
                if (x < 0)
                    break;
            }
            total -= w[static_cast<std::size_t>(d)];
            w[static_cast<std::size_t>(d)] = 0;
            digits_[at(pick)] = d;
            if (place(cells, nodes, budget))
                return true;
            digits_[at(pick)] = 0;
            if (nodes > budget)
                return false;
        }
        return false;
    }

    void writeClues() {
        for (const Run& r : runs_) {
            int total = 0;
            for (const int c : r.cells)
                total += digits_[at(c)];
            (r.across ? grid_[r.head].across : grid_[r.head].down) = total;
        }
    }

    int clueOf(int run) const {
        int total = 0;
        for (const int c : runs_[static_cast<std::size_t>(run)].cells)
            total += digits_[at(c)];
        return total;
    }

    // The digits held in run `r` by cells other than `cell`, as bits 1..9.
    unsigned usedIn(int r, int cell) const {
        unsigned used = 0;
        if (r >= 0)
            for (const int m : runs_[static_cast<std::size_t>(r)].cells)
                if (m != cell)
                    used |= 1u << digits_[at(m)];
        return used & 0x3FEu;
    }

    long long setsOf(int r, int delta) const {
        return r < 0 ? 1
                     : digitSetCount(runs_[static_cast<std::size_t>(r)].cells.size(),
                                     clueOf(r) + delta);
    }

    // Changes digits among `cells`: one cell takes another digit, or two
    // cells of a run swap theirs (the only change a full run allows), keeping
    // every run distinct; of all changes the one leaving the changed clues
    // with the fewest digit sets (tighten) or the most (loosen). Cells changed
    // lately come in only when no other can.
    bool change(const std::vector<int>& cells, bool tighten) {
        struct Move {
            int cell, digit, mate; // mate: the run-mate swapped with, or 0
        };
        std::vector<Move> best;
        const auto offer = [&](long long& bestScore, long long score, Move m) {
            if (!tighten)
                score = -score;
            if (best.empty() || score < bestScore) {
                best.clear();
                bestScore = score;
            }
            if (score == bestScore)
                best.push_back(m);
        };
        for (const bool withRecent : {false, true}) {
            long long bestScore = 0;
            for (const int c : cells) {
                if (!withRecent && std::find(recent_.begin(), recent_.end(), c) != recent_.end())
                    continue;
                const auto& runs = runOf_[at(c)];
                const unsigned used = usedAround(c);
                const int d = digits_[at(c)];
                for (int v = 1; v <= 9; ++v)
                    if (v != d && !(used & (1u << v)))
                        offer(bestScore, setsOf(runs[0], v - d) * setsOf(runs[1], v - d),
                              {c, v, 0});
                for (int dir = 0; dir < 2; ++dir) {
                    if (runs[static_cast<std::size_t>(dir)] < 0)
                        continue;
                    const int other = runs[static_cast<std::size_t>(1 - dir)];
                    for (const int m :
                         runs_[static_cast<std::size_t>(runs[static_cast<std::size_t>(dir)])]
                             .cells) {
                        if (m == c)
                            continue;
                        const int e = digits_[at(m)];
                        const int mateOther = runOf_[at(m)][static_cast<std::size_t>(1 - dir)];
                        if ((usedIn(other, c) & (1u << e)) || (usedIn(mateOther, m) & (1u << d)))
                            continue;
                        offer(bestScore, setsOf(other, e - d) * setsOf(mateOther, d - e),
                              {c, e, m});
                    }
                }
            }
            if (!best.empty())
                break;
        }
        if (best.empty())
            return false;
        const Move m = best[static_cast<std::size_t>(rng_.draw(static_cast<int>(best.size())) - 1)];
        if (m.mate != 0)
            digits_[at(m.mate)] = digits_[at(m.cell)];
        digits_[at(m.cell)] = m.digit;
        std::rotate(recent_.rbegin(), recent_.rbegin() + 1, recent_.rend());
        recent_[0] = m.cell;
        return true;
    }

    // SolveLogically with steps of at most maxTier: the same steps as long as
    // none harder is needed (the engine always takes the simplest), and it
    // stops (stuck) where a harder one would be, without looking for it.
    LogicSolve solveUpTo(int maxTier) const {
        return SolveLogically(grid_, false, nullptr, maxTier);
    }

    // The differing cells and their run-mates.
    std::vector<int> regionAround(const std::vector<int>& cells) const {
        std::vector<char> in(digits_.size(), 0);
        std::vector<int> region;
        for (const int c : cells)
            for (const int r : runOf_[at(c)])
                if (r >= 0)
                    for (const int m : runs_[static_cast<std::size_t>(r)].cells)
                        if (!in[at(m)]) {
                            in[at(m)] = 1;
                            region.push_back(m);
                        }
        return region;
    }

    // Changes digits until the clues have one solution and the engine solves
    // them at the tier asked for: where two solutions differ, a digit there
    // changes (and after a run of such changes that did not help, the region
    // around them is filled afresh); a puzzle too hard changes a digit where
    // the engine got stuck or needed more than the tier; one too easy changes
    // a digit anywhere toward clues with more digit sets.
    std::optional<ClassicPuzzle> search(int& closest) {
        // Repairs in a row whose two solutions differed in a cell of the
        // repair before: the region around them is filled afresh after a few.
        int stuck = 0;
        std::vector<char> lastDiffering(digits_.size(), 0);
        recent_ = {};
        const int rounds = kClassicRounds + static_cast<int>(whites_.size());
        for (int round = 0; round < rounds; ++round) {
            if (counts_)
                ++counts_->rounds;
            writeClues();
            const ExactResult r = CountSolutions(grid_, 2, kClassicNodeBudget);
            if (r.unknown || r.count == 0)
                return std::nullopt;
            if (r.count > 1) {
                const bool again = std::any_of(r.differing.begin(), r.differing.end(),
                                               [&](int c) { return lastDiffering[at(c)] != 0; });
                stuck = again ? stuck + 1 : 0;
                std::fill(lastDiffering.begin(), lastDiffering.end(), 0);
                for (const int c : r.differing)
                    lastDiffering[at(c)] = 1;
                // Half the repairs change the best cell, half a cell drawn
                // at random (the best change alone tends to go round).
                std::vector<int> where = r.differing;
                if (rng_.draw(2) == 1)
                    where = {r.differing[static_cast<std::size_t>(
                        rng_.draw(static_cast<int>(r.differing.size())) - 1)]};
                if (stuck >= kClassicStuckRepairs || !change(where, true)) {
                    stuck = 0;
                    if (!randomFill(regionAround(r.differing)))
                        return std::nullopt;
                }
                continue;
            }
            const LogicSolve solve = solveUpTo(tier_ == 0 ? kTopTier : tier_);
            if (solve.outcome == LogicOutcome::Contradiction)
                return std::nullopt;
            const int tier = solve.outcome == LogicOutcome::Solved
                                 ? std::clamp(solve.highestTier, 1, kTopTier)
                                 : kTopTier + 1;
            const bool fits = tier_ == 0 ? tier <= kTopTier : tier == tier_;
            if (fits) {
                ClassicPuzzle p;
                p.layout = layout_;
                p.digits = digits_;
                p.tier = tier;
                const LogicRating rating = RateSolve(solve);
                p.word = rating.word;
                p.number = rating.number;
                return p;
            }
            const int want = tier_ == 0 ? kTopTier : tier_;
            closest = std::min(closest, std::abs(tier - want));
            if (tier > want) {
                std::vector<int> cells;
                if (solve.outcome != LogicOutcome::Solved) {
                    for (const int w : whites_)
                        if (!(solve.state[at(w)] & kPlacedFlag))
                            cells.push_back(w);
                } else {
                    for (const LogicStep& s : solve.steps)
                        if (s.tier > want) {
                            for (const int c : s.cells)
                                if (c >= 1 && c < static_cast<int>(digits_.size()) &&
                                    layout_.white[at(c)])
                                    cells.push_back(c);
                            break;
                        }
                }
                if (cells.empty() || !change(cells, true))
                    return std::nullopt;
            } else {
                std::vector<int> one{whites_[static_cast<std::size_t>(
                    rng_.draw(static_cast<int>(whites_.size())) - 1)]};
                if (!change(one, false))
                    return std::nullopt;
            }
        }
        return std::nullopt;
    }

    Random& rng_;
    const ClassicLayout& layout_;
    int tier_;
    ClassicSearchCounts* counts_;
    Shape shape_;
    Grid grid_;
    std::vector<int> digits_;
    std::vector<int> whites_;
    std::vector<Run> runs_;
    std::vector<std::array<int, 2>> runOf_;
    std::array<int, 3> recent_{};
};

} // namespace

void BuildClassicGrid(Grid& g, const ClassicLayout& l, const std::vector<int>& digits) {
    g.resize(l.rows, l.cols, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        const bool white = l.white[static_cast<std::size_t>(i)] != 0;
        s.known = !white;
        s.Black = false;
        s.across = 0;
        s.down = 0;
        s.Choices =
            white && digits[static_cast<std::size_t>(i)] > 0
                ? std::string(1, static_cast<char>('0' + digits[static_cast<std::size_t>(i)]))
                : std::string();
    }
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        if (!s.known)
            continue;
        const int r = g.rowOf(i), c = g.colOf(i);
        for (const bool across : {true, false}) {
            int total = 0;
            bool any = false;
            for (int k = 1;; ++k) {
                const int rr = across ? r : r + k, cc = across ? c + k : c;
                if (!l.isWhite(rr, cc))
                    break;
                any = true;
                total += digits[static_cast<std::size_t>(g.CellIndex(rr, cc))];
            }
            if (any)
                (across ? s.across : s.down) = std::max(total, 1);
        }
        s.Black = s.across == 0 && s.down == 0;
    }
}

std::optional<ClassicPuzzle> FillClassicLayout(Random& rng, const ClassicLayout& layout, int tier,
                                               int fills, ClassicSearchCounts* counts) {
    if (!ClassicLayoutFault(layout).empty())
        return std::nullopt;
    Filler f(rng, layout, tier, counts);
    return f.fill(fills, nullptr);
}

std::optional<ClassicPuzzle> MakeClassicPuzzle(Random& rng, int rows, int cols, ClassicSymmetry s,
                                               int tier, ClassicSearchCounts* counts,
                                               ClassicLayoutsSeen* seen) {
    if (!ClassicSizeProblem(rows, cols).empty())
        return std::nullopt;
    if ((rows - 1) * (cols - 1) < kClassicDistinctFrom)
        seen = nullptr;
    const Shape shape = shapeOf(tier);
    for (int k = 0; k < kClassicLayouts; ++k) {
        const double target = shape.whiteLow + (shape.whiteHigh - shape.whiteLow) * rng.uniform();
        const auto layout = DrawClassicLayout(rng, rows, cols, s, target, shape.maxRun, 50);
        if (!layout || (seen && seen->count(layout->white)))
            continue;
        if (counts)
            ++counts->layouts;
        Filler f(rng, *layout, tier, counts);
        int closest = 99;
        auto p = f.fill(kClassicFillsPerLayout, &closest);
        // A layout that came within a tier of the word gets as many fills again.
        if (!p && closest <= 1)
            p = f.fill(kClassicFillsPerLayout, nullptr);
        if (p) {
            if (seen)
                seen->insert(layout->white);
            return p;
        }
    }
    return std::nullopt;
}

int ClassicTierOf(const std::string& word) {
    for (int t = 1; t <= kTopTier; ++t)
        if (word == tierWord(t))
            return t;
    return 0;
}

} // namespace vextor
