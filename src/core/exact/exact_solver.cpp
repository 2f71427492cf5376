#include "exact/exact_solver.h"

#include "model/runs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace vextor {

namespace {

using Mask = std::uint16_t;
constexpr Mask kAll = 0x1FF; // digits 1..9 as bits 0..8
constexpr int kSets = 512;

struct Tables {
    std::array<int, kSets> sum{};                  // digit sum of each set
    std::array<std::array<Mask, 46>, 10> digits{}; // union of the sets of (length, sum)
    Tables() {
        for (int m = 0; m < kSets; ++m) {
            for (int d = 0; d < 9; ++d)
                if (m & (1 << d))
                    sum[m] += d + 1;
            digits[std::popcount(static_cast<unsigned>(m))][sum[m]] |= static_cast<Mask>(m);
        }
    }
};

const Tables& tables() {
    static const Tables t;
    return t;
}

struct Run {
    std::vector<int> cells; // compact cell indexes
    int sum = 0;
};

class Solver {
public:
    Solver(const Grid& g, int limit, long long budget) : g_(g), limit_(limit), budget_(budget) {}

    ExactResult run() {
        ExactResult r;
        std::vector<Mask> masks;
        if (setUp(masks) && propagateAll(masks))
            search(masks, r);
        r.nodes = nodes_;
        r.unknown = unknown_;
        if (r.count >= 2)
            for (int i = 1; i <= g_.ncells; ++i)
                if (r.first[static_cast<std::size_t>(i)] != r.second[static_cast<std::size_t>(i)])
                    r.differing.push_back(i);
        return r;
    }

private:
    const Grid& g_;
    int limit_;
    long long budget_;
    long long nodes_ = 0;
    bool unknown_ = false;
    std::vector<int> cellOf_; // compact index -> cell number
    std::vector<Run> runs_;
    std::vector<std::array<int, 2>> runsOf_; // compact index -> its runs (-1: none)
    std::vector<int> queue_;
    std::vector<char> queued_;

    // Builds the runs and the first masks; false when a clue cannot be made.
    bool setUp(std::vector<Mask>& masks) {
        std::vector<int> compact(static_cast<std::size_t>(g_.ncells) + 1, -1);
        for (int i = 1; i <= g_.ncells; ++i) {
            if (!g_[i].known) {
                compact[static_cast<std::size_t>(i)] = static_cast<int>(cellOf_.size());
                cellOf_.push_back(i);
            }
        }
        masks.assign(cellOf_.size(), kAll);
        runsOf_.assign(cellOf_.size(), {-1, -1});
        bool possible = true;
        for (int i = 1; i <= g_.ncells; ++i) {
            const Square& s = g_[i];
            if (!s.known || s.Black)
                continue;
            for (const bool across : {true, false}) {
                const int clue = across ? s.across : s.down;
                if (clue == 0)
                    continue;
                const std::vector<int> cells = collectRun(g_, g_.rowOf(i), g_.colOf(i), across);
                if (cells.empty() || cells.size() > 9 || clue < 0 || clue > 45 ||
                    tables().digits[cells.size()][static_cast<std::size_t>(clue)] == 0) {
                    possible = false;
                    continue;
                }
                const Mask allowed = tables().digits[cells.size()][static_cast<std::size_t>(clue)];
                Run run;
                run.sum = clue;
                for (const int c : cells) {
                    const int k = compact[static_cast<std::size_t>(c)];
                    run.cells.push_back(k);
                    masks[static_cast<std::size_t>(k)] &= allowed;
                    auto& of = runsOf_[static_cast<std::size_t>(k)];
                    (of[0] < 0 ? of[0] : of[1]) = static_cast<int>(runs_.size());
                }
                runs_.push_back(std::move(run));
            }
        }
        queued_.assign(runs_.size(), 0);
        return possible;
    }

    // Exact filtering of one run: keeps the digits that some assignment of
    // distinct digits summing to the clue uses. Walks the sets of digits the
    // first k cells can take (at most 512 of them), then back from the sets
    // that make the sum. False when no assignment is left.
    bool filter(const Run& run, std::vector<Mask>& masks, std::array<Mask, 9>& out) {
        const std::size_t len = run.cells.size();
        std::array<char, kSets> seen{};
        std::array<char, kSets> good{};
        std::array<std::vector<Mask>, 10>& levels = levels_;
        levels[0].assign(1, 0);
        for (std::size_t k = 0; k < len; ++k) {
            levels[k + 1].clear();
            const Mask cand = masks[static_cast<std::size_t>(run.cells[k])];
            for (const Mask set : levels[k]) {
                for (Mask avail = cand & static_cast<Mask>(~set); avail != 0;
                     avail = static_cast<Mask>(avail & (avail - 1))) {
                    const Mask next = static_cast<Mask>(set | (avail & -avail));
                    if (!seen[next]) {
                        seen[next] = 1;
                        levels[k + 1].push_back(next);
                    }
                }
            }
        }
        bool any = false;
        for (const Mask set : levels[len])
            if (tables().sum[set] == run.sum)
                good[set] = 1, any = true;
        if (!any)
            return false;
        for (std::size_t k = len; k-- > 0;) {
            const Mask cand = masks[static_cast<std::size_t>(run.cells[k])];
            Mask allowed = 0;
            for (const Mask set : levels[k]) {
                for (Mask avail = cand & static_cast<Mask>(~set); avail != 0;
                     avail = static_cast<Mask>(avail & (avail - 1))) {
                    const Mask bit = static_cast<Mask>(avail & -avail);
                    if (good[set | bit]) {
                        allowed |= bit;
                        good[set] = 1;
                    }
                }
            }
            out[k] = allowed;
        }
        return true;
    }
    std::array<std::vector<Mask>, 10> levels_;

    void enqueue(int run) {
        if (run >= 0 && !queued_[static_cast<std::size_t>(run)]) {
            queued_[static_cast<std::size_t>(run)] = 1;
            queue_.push_back(run);
        }
    }

    // Filters queued runs until nothing changes; false on a contradiction.
    bool propagate(std::vector<Mask>& masks) {
        std::array<Mask, 9> out{};
        bool ok = true;
        while (!queue_.empty()) {
            const int r = queue_.back();
            queue_.pop_back();
            queued_[static_cast<std::size_t>(r)] = 0;
            if (!ok)
                continue;
            const Run& run = runs_[static_cast<std::size_t>(r)];
            if (!filter(run, masks, out)) {
                ok = false;
                continue;
            }
            for (std::size_t k = 0; k < run.cells.size(); ++k) {
                Mask& m = masks[static_cast<std::size_t>(run.cells[k])];
                if (out[k] != m) {
                    m = out[k];
                    for (const int other : runsOf_[static_cast<std::size_t>(run.cells[k])])
                        if (other != r)
                            enqueue(other);
                }
            }
        }
        return ok;
    }

    bool propagateAll(std::vector<Mask>& masks) {
        for (std::size_t r = 0; r < runs_.size(); ++r)
            enqueue(static_cast<int>(r));
        return propagate(masks);
    }

    std::vector<int> digits(const std::vector<Mask>& masks) const {
        std::vector<int> d(static_cast<std::size_t>(g_.ncells) + 1, 0);
        for (std::size_t k = 0; k < masks.size(); ++k)
            d[static_cast<std::size_t>(cellOf_[k])] = std::countr_zero(masks[k]) + 1;
        return d;
    }

    // Depth-first search; false when the count reached the limit or the
    // budget ran out.
    bool search(std::vector<Mask>& masks, ExactResult& r) {
        if (++nodes_ > budget_) {
            unknown_ = true;
            return false;
        }
        int best = -1, bestCount = 10;
        for (std::size_t k = 0; k < masks.size(); ++k) {
            const int n = std::popcount(static_cast<unsigned>(masks[k]));
            if (n > 1 && n < bestCount) {
                best = static_cast<int>(k);
                bestCount = n;
                if (n == 2)
                    break;
            }
        }
        if (best < 0) {
            (r.count == 0 ? r.first : r.second) = digits(masks);
            ++r.count;
            return r.count < limit_;
        }
        const Mask cand = masks[static_cast<std::size_t>(best)];
        for (Mask avail = cand; avail != 0; avail = static_cast<Mask>(avail & (avail - 1))) {
            std::vector<Mask> next = masks;
            next[static_cast<std::size_t>(best)] = static_cast<Mask>(avail & -avail);
            for (const int run : runsOf_[static_cast<std::size_t>(best)])
                enqueue(run);
            if (propagate(next) && !search(next, r))
                return false;
        }
        return true;
    }
};

} // namespace

ExactResult CountSolutions(const Grid& grid, int limit, long long nodeBudget) {
    return Solver(grid, std::max(limit, 1), nodeBudget).run();
}

} // namespace vextor
