#include "exact/exact_solver.h"

#include "model/runs.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstdint>
#include <deque>
#include <span>
#include <unordered_map>

namespace vextor {

namespace {

using Mask = std::uint16_t;
constexpr Mask kAll = 0x1FF; // digits 1..9 as bits 0..8
constexpr int kSets = 512;

// Set bits of a mask by table: no processor instruction is assumed.
constexpr std::array<std::uint8_t, 512> kBits = [] {
    std::array<std::uint8_t, 512> t{};
    for (int m = 1; m < 512; ++m)
        t[static_cast<std::size_t>(m)] =
            static_cast<std::uint8_t>(t[static_cast<std::size_t>(m >> 1)] + (m & 1));
    return t;
}();
int bits(Mask m) {
    return kBits[m & 0x1FF];
}
bool single(Mask m) {
    return m != 0 && (m & (m - 1)) == 0;
}
Mask lowest(Mask m) {
    return static_cast<Mask>(m & -m);
}
Mask withoutLowest(Mask m) {
    return static_cast<Mask>(m & (m - 1));
}

struct Tables {
    std::array<int, kSets> sum{};                  // digit sum of each set
    std::array<std::array<Mask, 46>, 10> digits{}; // union of the sets of (length, sum)
    // The sets of each (length, sum), one after another: those of (l, s) are
    // sets[start[l][s] .. start[l][s + 1]) (start[l][46] = start[l + 1][0]).
    std::array<Mask, kSets> sets{};
    std::array<std::array<int, 47>, 10> start{};
    Tables() {
        for (int m = 0; m < kSets; ++m) {
            for (int d = 0; d < 9; ++d)
                if (m & (1 << d))
                    sum[m] += d + 1;
            digits[bits(static_cast<Mask>(m))][sum[m]] |= static_cast<Mask>(m);
        }
        int at = 0;
        for (int l = 0; l <= 9; ++l) {
            for (int s = 0; s <= 45; ++s) {
                start[l][s] = at;
                for (int m = 0; m < kSets; ++m)
                    if (bits(static_cast<Mask>(m)) == l && sum[m] == s)
                        sets[static_cast<std::size_t>(at++)] = static_cast<Mask>(m);
            }
            start[l][46] = at;
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

// The working memory of one search level: the masks after a guess, the
// first and second solution of the branch, the components found in it.
struct Frame {
    std::vector<Mask> next, first, second;
    std::vector<int> cells;  // the components' cells, one component after another
    std::vector<int> starts; // where each component starts in cells, and the end
    std::vector<int> order;  // the order the components are counted in
    void fit(std::size_t n) {
        if (starts.size() < n + 1) {
            order.resize(n);
            next.resize(n);
            first.resize(n);
            second.resize(n);
            cells.resize(n);
            starts.resize(n + 1);
        }
    }
};

// A component's state as the key of the cache of settled components: its
// cells with their masks, the fixed digits of every run it touches.
struct Key {
    std::vector<std::uint32_t> words;
    bool operator==(const Key&) const = default;
};
struct KeyHash {
    std::size_t operator()(const Key& k) const {
        std::uint64_t h = 0x9E3779B97F4A7C15ull;
        for (const std::uint32_t w : k.words)
            h = (h ^ w) * 0x100000001B3ull + (h >> 29);
        return static_cast<std::size_t>(h);
    }
};
// A settled component: its solution count (capped at `limit`) and its first
// two solutions, by the key's cell order.
struct Settled {
    int count = 0;
    int limit = 0;
    std::vector<Mask> first, second;
};

// Memory kept between calls, so that the many small counts creation asks
// for allocate nothing once warm.
struct Workspace {
    std::vector<int> cellOf, compact, stamp, runStamp, weight;
    std::vector<Run> runs;
    std::vector<std::array<int, 2>> runsOf;
    std::vector<int> queue;
    std::vector<char> queued;
    std::vector<Mask> masks, first, second;
    std::vector<int> top;
    std::deque<Frame> frames;
    std::unordered_map<Key, Settled, KeyHash> cache;
    std::size_t cacheWords = 0;
    Key key;
    std::vector<int> sorted;
};

Workspace& workspace() {
    thread_local Workspace w;
    return w;
}

// Nodes searched before settled components are remembered: small counts
// never pay for the cache.
constexpr long long kCacheFrom = 256;
// Nodes of the first search before it starts over.
constexpr double kFirstShare = 100;
// Words (keys and solutions) the remembered components may hold, about 16 MB.
constexpr std::size_t kCacheWords = std::size_t{1} << 22;

class Solver {
public:
    Solver(const Grid& g, int limit, long long budget, double seconds)
        : g_(g), w_(workspace()), limit_(limit), budget_(budget), seconds_(seconds),
          start_(std::chrono::steady_clock::now()) {}

    ExactResult run() {
        ExactResult r;
        w_.cache.clear();
        w_.cacheWords = 0;
        int count = 0;
        if (setUp() && propagateAll(w_.masks)) {
            // A search that grows past its share stops and starts over: the
            // runs' weights and the settled components it learnt stay.
            for (double share = kFirstShare;; share *= 1.5) {
                restartAt_ = nodes_ + static_cast<long long>(share);
                stop_ = false;
                count = countAll();
                if (!stop_ || unknown_)
                    break;
            }
        }
        r.nodes = nodes_;
        r.unknown = unknown_;
        r.count = unknown_ ? 0 : count;
        if (r.count >= 1)
            r.first = digits(w_.first);
        if (r.count >= 2) {
            r.second = digits(w_.second);
            for (int i = 1; i <= g_.ncells; ++i)
                if (r.first[static_cast<std::size_t>(i)] != r.second[static_cast<std::size_t>(i)])
                    r.differing.push_back(i);
        }
        if (w_.cache.size() > 4096)
            w_.cache = {};
        return r;
    }

private:
    const Grid& g_;
    Workspace& w_;
    int limit_;
    long long budget_;
    double seconds_;
    std::chrono::steady_clock::time_point start_;
    long long nodes_ = 0;
    bool unknown_ = false;
    bool stop_ = false; // unknown_, or the search's share of nodes used up
    long long restartAt_ = 0;
    int stampNow_ = 0;
    std::size_t n_ = 0;

    // Builds the runs and the first masks; false when a clue cannot be made.
    bool setUp() {
        w_.cellOf.clear();
        w_.compact.assign(static_cast<std::size_t>(g_.ncells) + 1, -1);
        for (int i = 1; i <= g_.ncells; ++i) {
            if (!g_[i].known) {
                w_.compact[static_cast<std::size_t>(i)] = static_cast<int>(w_.cellOf.size());
                w_.cellOf.push_back(i);
            }
        }
        n_ = w_.cellOf.size();
        w_.masks.assign(n_, kAll);
        w_.first.assign(n_, 0);
        w_.second.assign(n_, 0);
        w_.runsOf.assign(n_, {-1, -1});
        w_.stamp.assign(n_, 0);
        std::size_t nruns = 0;
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
                if (w_.runs.size() <= nruns)
                    w_.runs.emplace_back();
                Run& run = w_.runs[nruns];
                run.sum = clue;
                run.cells.clear();
                for (const int c : cells) {
                    const int k = w_.compact[static_cast<std::size_t>(c)];
                    run.cells.push_back(k);
                    w_.masks[static_cast<std::size_t>(k)] &= allowed;
                    auto& of = w_.runsOf[static_cast<std::size_t>(k)];
                    (of[0] < 0 ? of[0] : of[1]) = static_cast<int>(nruns);
                }
                ++nruns;
            }
        }
        w_.runs.resize(nruns);
        w_.queued.assign(nruns, 0);
        w_.runStamp.assign(nruns, 0);
        w_.weight.assign(nruns, 0);
        w_.queue.clear();
        return possible;
    }

    // Exact filtering of one run: keeps the digits that some assignment of
    // distinct digits summing to the clue uses. Fixed cells are taken out
    // first; two open cells are paired directly. Otherwise the digit sets of
    // (open cells, sum left) that meet every cell's candidates are listed,
    // then a walk over the sets of digits the first k open cells can take
    // (inside one of those sets for five or more cells) and back from the
    // complete ones. False when no assignment is left.
    bool filter(const Run& run, Mask* masks, std::array<Mask, 9>& out) {
        const std::size_t len = run.cells.size();
        Mask fixed = 0;
        int rest = run.sum;
        std::array<int, 9> open{}; // positions of the open cells in the run
        std::size_t nopen = 0;
        for (std::size_t k = 0; k < len; ++k) {
            const Mask m = masks[run.cells[k]];
            out[k] = m;
            if (m == 0)
                return false;
            if (single(m)) {
                if (fixed & m)
                    return false;
                fixed |= m;
                rest -= std::countr_zero(m) + 1;
            } else {
                open[nopen++] = static_cast<int>(k);
            }
        }
        if (nopen == 0)
            return rest == 0;
        if (rest < 0 || rest > 45)
            return false;
        const Mask free = static_cast<Mask>(kAll & ~fixed);
        if (nopen == 1) {
            const Mask m = static_cast<Mask>(out[open[0]] & free &
                                             (rest >= 1 && rest <= 9 ? 1 << (rest - 1) : 0));
            out[open[0]] = m;
            return m != 0;
        }
        if (nopen == 2) {
            const Mask c0 = static_cast<Mask>(out[static_cast<std::size_t>(open[0])] & free);
            const Mask c1 = static_cast<Mask>(out[static_cast<std::size_t>(open[1])] & free);
            // Pairs a + b = rest, a != b.
            Mask a = 0, b = 0;
            for (Mask m = c0; m != 0; m = withoutLowest(m)) {
                const int d = std::countr_zero(static_cast<unsigned>(m)) + 1;
                const int e = rest - d;
                if (e != d && e >= 1 && e <= 9 && (c1 >> (e - 1) & 1)) {
                    a |= lowest(m);
                    b |= static_cast<Mask>(1 << (e - 1));
                }
            }
            out[static_cast<std::size_t>(open[0])] = a;
            out[static_cast<std::size_t>(open[1])] = b;
            return a != 0;
        }
        if (nopen <= 4)
            return filterFew(open, nopen, free, rest, out);
        // The digit sets that can fill the open cells: each meets every
        // cell's candidates.
        const Tables& t = tables();
        const Mask reach = static_cast<Mask>(t.digits[nopen][rest] & free);
        std::array<Mask, 9> cand{};
        Mask offered = 0;
        for (std::size_t j = 0; j < nopen; ++j) {
            cand[j] = static_cast<Mask>(out[static_cast<std::size_t>(open[j])] & reach);
            offered |= cand[j];
        }
        std::array<Mask, 16> combos{};
        std::size_t ncombos = 0;
        Mask used = 0;
        for (int i = t.start[nopen][rest]; i < t.start[nopen][rest + 1]; ++i) {
            const Mask set = t.sets[static_cast<std::size_t>(i)];
            if (set & ~offered)
                continue;
            bool meets = true;
            for (std::size_t j = 0; j < nopen && meets; ++j)
                meets = (cand[j] & set) != 0;
            if (meets && ncombos < combos.size()) {
                combos[ncombos++] = set;
                used |= set;
            }
        }
        if (ncombos == 0)
            return false;
        // Cells with fewer candidates first keep the walk's levels narrow.
        for (std::size_t j = 0; j < nopen; ++j) {
            cand[j] &= used;
            for (std::size_t i = j; i > 0 && bits(cand[i]) < bits(cand[i - 1]); --i) {
                std::swap(cand[i], cand[i - 1]);
                std::swap(open[i], open[i - 1]);
            }
        }
        // levels[k]: the sets the first k open cells can take that lie in
        // one of the digit sets left.
        std::array<char, kSets> seen{}, good{};
        auto test = [](const std::array<char, kSets>& s, Mask m) { return s[m] != 0; };
        auto mark = [](std::array<char, kSets>& s, Mask m) { s[m] = 1; };
        auto inSome = [&](Mask m) {
            for (std::size_t i = 0; i < ncombos; ++i)
                if ((combos[i] & m) == m)
                    return true;
            return false;
        };
        std::array<std::array<Mask, kSets>, 10>& levels = levels_;
        std::array<int, 10> sizes{};
        levels[0][0] = 0;
        sizes[0] = 1;
        for (std::size_t k = 0; k < nopen; ++k) {
            int count = 0;
            for (int i = 0; i < sizes[k]; ++i) {
                const Mask s = levels[k][static_cast<std::size_t>(i)];
                for (Mask avail = static_cast<Mask>(cand[k] & ~s); avail != 0;
                     avail = withoutLowest(avail)) {
                    const Mask next = static_cast<Mask>(s | lowest(avail));
                    if (!test(seen, next)) {
                        mark(seen, next);
                        if (nopen < 5 || inSome(next))
                            levels[k + 1][static_cast<std::size_t>(count++)] = next;
                    }
                }
            }
            if (count == 0)
                return false;
            sizes[k + 1] = count;
        }
        bool any = false;
        for (int i = 0; i < sizes[nopen]; ++i) {
            const Mask s = levels[nopen][static_cast<std::size_t>(i)];
            if (t.sum[s] == rest)
                mark(good, s), any = true;
        }
        if (!any)
            return false;
        for (std::size_t k = nopen; k-- > 0;) {
            Mask allowed = 0;
            for (int i = 0; i < sizes[k]; ++i) {
                const Mask s = levels[k][static_cast<std::size_t>(i)];
                for (Mask avail = static_cast<Mask>(cand[k] & ~s); avail != 0;
                     avail = withoutLowest(avail)) {
                    const Mask bit = lowest(avail);
                    if (test(good, static_cast<Mask>(s | bit))) {
                        allowed |= bit;
                        mark(good, s);
                    }
                }
            }
            out[static_cast<std::size_t>(open[k])] = allowed;
        }
        return true;
    }
    std::array<std::array<Mask, kSets>, 10> levels_;

    // Three or four open cells (runs cut for unique creation have no more):
    // every assignment of distinct digits, the last cell's digit following
    // from the sum; a digit stays when some assignment uses it.
    static bool filterFew(const std::array<int, 9>& open, std::size_t nopen, Mask free, int rest,
                          std::array<Mask, 9>& out) {
        std::array<Mask, 4> cand{}, kept{};
        for (std::size_t j = 0; j < nopen; ++j)
            cand[j] = static_cast<Mask>(out[static_cast<std::size_t>(open[j])] & free);
        const auto digit = [](Mask m) { return std::countr_zero(static_cast<unsigned>(m)) + 1; };
        // The last cell's digit for what the others took, 0 when none fits.
        const auto last = [&](Mask taken, int left) -> Mask {
            if (left < 1 || left > 9)
                return 0;
            return static_cast<Mask>(cand[nopen - 1] & ~taken & (1 << (left - 1)));
        };
        for (Mask a = cand[0]; a != 0; a = withoutLowest(a)) {
            const Mask ma = lowest(a);
            for (Mask b = static_cast<Mask>(cand[1] & ~ma); b != 0; b = withoutLowest(b)) {
                const Mask mb = lowest(b);
                const int ab = rest - digit(ma) - digit(mb);
                if (nopen == 3) {
                    if (const Mask mc = last(ma | mb, ab)) {
                        kept[0] |= ma;
                        kept[1] |= mb;
                        kept[2] |= mc;
                    }
                    continue;
                }
                for (Mask c = static_cast<Mask>(cand[2] & ~(ma | mb)); c != 0;
                     c = withoutLowest(c)) {
                    const Mask mc = lowest(c);
                    if (const Mask md = last(ma | mb | mc, ab - digit(mc))) {
                        kept[0] |= ma;
                        kept[1] |= mb;
                        kept[2] |= mc;
                        kept[3] |= md;
                    }
                }
            }
        }
        for (std::size_t j = 0; j < nopen; ++j)
            out[static_cast<std::size_t>(open[j])] = kept[j];
        return kept[0] != 0;
    }

    void enqueue(int run) {
        if (run >= 0 && !w_.queued[static_cast<std::size_t>(run)]) {
            w_.queued[static_cast<std::size_t>(run)] = 1;
            w_.queue.push_back(run);
        }
    }

    // Filters queued runs until nothing changes; false on a contradiction.
    bool propagate(Mask* masks) {
        std::array<Mask, 9> out{};
        bool ok = true;
        while (!w_.queue.empty()) {
            const int r = w_.queue.back();
            w_.queue.pop_back();
            w_.queued[static_cast<std::size_t>(r)] = 0;
            if (!ok)
                continue;
            const Run& run = w_.runs[static_cast<std::size_t>(r)];
            if (!filter(run, masks, out)) {
                w_.weight[static_cast<std::size_t>(r)] += 8;
                ok = false;
                continue;
            }
            for (std::size_t k = 0; k < run.cells.size(); ++k) {
                Mask& m = masks[run.cells[k]];
                if (out[k] != m) {
                    m = out[k];
                    for (const int other : w_.runsOf[static_cast<std::size_t>(run.cells[k])])
                        if (other != r)
                            enqueue(other);
                }
            }
        }
        return ok;
    }

    bool propagateAll(std::vector<Mask>& masks) {
        for (std::size_t r = 0; r < w_.runs.size(); ++r)
            enqueue(static_cast<int>(r));
        return propagate(masks.data());
    }

    std::vector<int> digits(const std::vector<Mask>& masks) const {
        std::vector<int> d(static_cast<std::size_t>(g_.ncells) + 1, 0);
        for (std::size_t k = 0; k < n_; ++k)
            d[static_cast<std::size_t>(w_.cellOf[k])] = std::countr_zero(masks[k]) + 1;
        return d;
    }

    Frame& frame(std::size_t depth) {
        while (w_.frames.size() <= depth)
            w_.frames.emplace_back();
        Frame& f = w_.frames[depth];
        f.fit(n_);
        return f;
    }

    // Splits the open cells among `cells` into the components that runs
    // connect, into f.cells / f.starts; returns how many. Cells fixed in
    // `masks` are copied to `first` on the way.
    int components(const Mask* masks, std::span<const int> cells, Frame& f, Mask* first) {
        ++stampNow_;
        std::size_t end = 0;
        int count = 0;
        for (const int c : cells) {
            const std::size_t cu = static_cast<std::size_t>(c);
            if (!single(masks[cu])) {
                if (w_.stamp[cu] == stampNow_)
                    continue;
                f.starts[static_cast<std::size_t>(count++)] = static_cast<int>(end);
                w_.stamp[cu] = stampNow_;
                f.cells[end++] = c;
                for (std::size_t at = end - 1; at < end; ++at) {
                    for (const int r : w_.runsOf[static_cast<std::size_t>(f.cells[at])]) {
                        if (r < 0)
                            continue;
                        for (const int x : w_.runs[static_cast<std::size_t>(r)].cells) {
                            const std::size_t xu = static_cast<std::size_t>(x);
                            if (w_.stamp[xu] != stampNow_ && !single(masks[xu])) {
                                w_.stamp[xu] = stampNow_;
                                f.cells[end++] = x;
                            }
                        }
                    }
                }
            } else {
                first[cu] = masks[cu];
            }
        }
        f.starts[static_cast<std::size_t>(count)] = static_cast<int>(end);
        return count;
    }

    bool outOfBudget() {
        if (stop_)
            return true;
        if (++nodes_ > budget_) {
            unknown_ = true;
        } else if (seconds_ > 0 && (nodes_ & 255) == 0 &&
                   std::chrono::duration<double>(std::chrono::steady_clock::now() - start_)
                           .count() > seconds_) {
            unknown_ = true;
        }
        stop_ = unknown_ || nodes_ > restartAt_;
        return stop_;
    }

    int countAll() {
        w_.top.resize(n_);
        for (std::size_t k = 0; k < n_; ++k)
            w_.top[k] = static_cast<int>(k);
        return countCells(0, w_.masks.data(), w_.top, limit_, w_.first.data(), w_.second.data());
    }

    // Counts the solutions of the open cells among `cells` (propagated masks),
    // component by component, up to limit. Writes the cells of the first
    // solution to first, of the second (count >= 2) to second.
    int countCells(std::size_t depth, const Mask* masks, std::span<const int> cells, int limit,
                   Mask* first, Mask* second) {
        Frame& f = frame(depth);
        const int ncomp = components(masks, cells, f, first);
        for (const int c : cells)
            second[static_cast<std::size_t>(c)] = first[static_cast<std::size_t>(c)];
        // Smallest components first: a component without solutions ends the
        // count soonest. Among equal ones the last first, so that two
        // solutions differ late in the grid, as a plain search would find.
        auto size = [&](int i) {
            return f.starts[static_cast<std::size_t>(i) + 1] -
                   f.starts[static_cast<std::size_t>(i)];
        };
        for (int i = 0; i < ncomp; ++i)
            f.order[static_cast<std::size_t>(i)] = i;
        std::sort(f.order.begin(), f.order.begin() + ncomp,
                  [&](int a, int b) { return size(a) != size(b) ? size(a) < size(b) : a > b; });
        int product = 1;
        int doubled = -1; // a component with two solutions found
        for (int j = 0; j < ncomp; ++j) {
            const int i = f.order[static_cast<std::size_t>(j)];
            const std::span<const int> comp(f.cells.data() + f.starts[static_cast<std::size_t>(i)],
                                            static_cast<std::size_t>(size(i)));
            const int need = static_cast<int>(
                std::max<long long>(1, (static_cast<long long>(limit) + product - 1) / product));
            const int c = countComponent(depth, masks, comp, need, first, second);
            if (c == 0)
                return 0;
            if (c >= 2 && doubled < 0)
                doubled = i;
            product =
                static_cast<int>(std::min<long long>(static_cast<long long>(product) * c, limit));
        }
        // The second solution differs in one component only.
        if (doubled >= 0)
            for (int i = 0; i < ncomp; ++i)
                if (i != doubled)
                    for (int k = f.starts[static_cast<std::size_t>(i)];
                         k < f.starts[static_cast<std::size_t>(i) + 1]; ++k) {
                        const std::size_t c =
                            static_cast<std::size_t>(f.cells[static_cast<std::size_t>(k)]);
                        second[c] = first[c];
                    }
        return product;
    }

    // The cell to guess: fewest candidates for the weight of its runs with
    // other open cells (a run weighs more each time it fails), so the search
    // turns to the part of the grid where guesses go wrong.
    int pick(const Mask* masks, std::span<const int> comp) const {
        int best = comp[0];
        long long bestBits = 10, bestWeight = 0;
        for (const int c : comp) {
            const long long n = bits(masks[c]);
            long long weight = 0;
            for (const int r : w_.runsOf[static_cast<std::size_t>(c)]) {
                if (r < 0)
                    continue;
                int open = 0;
                for (const int x : w_.runs[static_cast<std::size_t>(r)].cells)
                    open += !single(masks[x]);
                if (open > 1)
                    weight += w_.weight[static_cast<std::size_t>(r)] + open;
            }
            if (n * bestWeight < bestBits * weight)
                best = c, bestBits = n, bestWeight = weight;
        }
        return best;
    }

    // Counts the solutions of one connected component of open cells.
    int countComponent(std::size_t depth, const Mask* masks, std::span<const int> comp, int limit,
                       Mask* first, Mask* second) {
        if (comp.size() == 1) {
            // Both its runs are filtered exactly with every other cell fixed.
            const Mask m = masks[comp[0]];
            first[comp[0]] = lowest(m);
            second[comp[0]] = lowest(withoutLowest(m));
            return std::min(bits(m), limit);
        }
        const bool useCache = nodes_ >= kCacheFrom;
        if (useCache) {
            makeKey(masks, comp);
            const auto it = w_.cache.find(w_.key);
            if (it != w_.cache.end() &&
                (it->second.count < it->second.limit || it->second.count >= limit)) {
                const Settled& s = it->second;
                for (std::size_t k = 0; k < w_.sorted.size(); ++k) {
                    const std::size_t c = static_cast<std::size_t>(w_.sorted[k]);
                    if (s.count >= 1)
                        first[c] = s.first[k];
                    if (s.count >= 2)
                        second[c] = s.second[k];
                }
                return std::min(s.count, limit);
            }
        }
        Frame& f = frame(depth);
        const int cell = pick(masks, comp);
        const std::size_t cu = static_cast<std::size_t>(cell);
        int total = 0;
        for (Mask avail = masks[cu]; avail != 0 && total < limit; avail = withoutLowest(avail)) {
            if (outOfBudget())
                return 0;
            std::copy(masks, masks + n_, f.next.begin());
            f.next[cu] = lowest(avail);
            for (const int run : w_.runsOf[cu])
                enqueue(run);
            if (!propagate(f.next.data()))
                continue;
            const int c = countCells(depth + 1, f.next.data(), comp, limit - total, f.first.data(),
                                     f.second.data());
            if (stop_)
                return 0;
            if (c == 0)
                continue;
            for (const int x : comp) {
                const std::size_t xu = static_cast<std::size_t>(x);
                if (total == 0) {
                    first[xu] = f.first[xu];
                    second[xu] = f.second[xu];
                } else if (total == 1) {
                    second[xu] = f.first[xu];
                }
            }
            total += c;
        }
        total = std::min(total, limit);
        if (useCache && w_.cacheWords < kCacheWords) {
            makeKey(masks, comp);
            Settled s;
            s.count = total;
            s.limit = limit;
            for (const int c : w_.sorted) {
                if (total >= 1)
                    s.first.push_back(first[static_cast<std::size_t>(c)]);
                if (total >= 2)
                    s.second.push_back(second[static_cast<std::size_t>(c)]);
            }
            w_.cacheWords += w_.key.words.size() + s.first.size() / 2 + s.second.size() / 2 + 8;
            w_.cache[w_.key] = std::move(s);
        }
        return total;
    }

    // The key of a component: its cells (ascending) with their masks, then
    // every run it touches with the digits fixed in it.
    void makeKey(const Mask* masks, std::span<const int> comp) {
        w_.sorted.assign(comp.begin(), comp.end());
        std::sort(w_.sorted.begin(), w_.sorted.end());
        auto& words = w_.key.words;
        words.clear();
        ++stampNow_;
        for (const int c : w_.sorted) {
            words.push_back(static_cast<std::uint32_t>(c) << 9 | masks[c]);
            for (const int r : w_.runsOf[static_cast<std::size_t>(c)]) {
                if (r < 0 || w_.runStamp[static_cast<std::size_t>(r)] == stampNow_)
                    continue;
                w_.runStamp[static_cast<std::size_t>(r)] = stampNow_;
                Mask fixed = 0;
                for (const int x : w_.runs[static_cast<std::size_t>(r)].cells)
                    if (single(masks[x]))
                        fixed |= masks[x];
                words.push_back(0x80000000u | static_cast<std::uint32_t>(r) << 9 | fixed);
            }
        }
    }
};

} // namespace

ExactResult CountSolutions(const Grid& grid, int limit, long long nodeBudget, double seconds) {
    return Solver(grid, std::max(limit, 1), nodeBudget, seconds).run();
}

} // namespace vextor
