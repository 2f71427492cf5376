#include "solver/remainder_rules.h"

#include "solver/sum_combos.h"
#include "solver/work_grid.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vextor {

namespace {

inline DigitList& at(Work& w, int j) {
    return w[static_cast<std::size_t>(j)];
}

// A remainder as a table sum: values far outside the table stay outside it.
inline int clampSum(long long rest) {
    return static_cast<int>(std::clamp(rest, -1000LL, 1000LL));
}

// Passes 1 and 2.
void remainderPass(AppState& st, bool acrossRuns, bool& contradiction) {
    Grid& g = st.grid;
    Work& w = st.solver.work;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const int clue = acrossRuns ? s.across : s.down;
        if (clue == 0)
            continue;
        const auto& run = acrossRuns ? s.cellsacross : s.cellsdown;
        int k = 0, u = 0;
        for (int j : run) {
            const DigitList& c = at(w, j);
            if (c.size() == 1)
                k += c.first();
            else if (c.size() > 1)
                ++u;
        }
        if (u < 2 || k == 0)
            continue;
        const long long rest = static_cast<long long>(clue) - k;
        if (u < 3 && rest < 3) {
            contradiction = true;
            continue;
        }
        const DigitList digits = sumcomboDigits(u, clampSum(rest));
        if (digits.empty())
            continue;
        for (int j : run) {
            DigitList& c = at(w, j);
            if (c.size() >= 2 && digits.size() <= c.size()) {
                c = digits;
                st.solver.changed = true;
            }
            if (c.size() > 1) {
                const DigitList kept = c.keep(digits.mask());
                if (!(kept == c)) {
                    c = kept;
                    st.solver.changed = true;
                }
            }
        }
    }
}

// Passes 3 and 4 (they do not set the change flag).
void twoCellPass(AppState& st, bool acrossRuns) {
    Grid& g = st.grid;
    Work& w = st.solver.work;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const int clue = acrossRuns ? s.across : s.down;
        const int len = acrossRuns ? s.lenacross : s.lendown;
        const auto& run = acrossRuns ? s.cellsacross : s.cellsdown;
        if (clue == 0 || len != 2 || run.size() != 2)
            continue;
        DigitList& ca = at(w, run[0]);
        DigitList& cb = at(w, run[1]);
        if (ca.size() == 1 || cb.size() == 1)
            continue;
        auto complements = [clue](DigitList from) {
            DigitList out;
            for (int k = 0, n = from.size(); k < n; ++k) {
                const int d = from.at(k);
                if (d < clue && clue - d < 10 && clue != 2 * d)
                    out.push(clue - d);
            }
            return out;
        };
        if (cb.size() < ca.size())
            ca = complements(cb);
        else if (ca.size() < cb.size())
            cb = complements(ca);
    }
}

// Counts the run's cells by candidate length (0, 1, 2, 3, 4 or more), sums
// the settled digits and remembers the first two- and three-candidate cells.
struct RunShape {
    int count[5] = {0, 0, 0, 0, 0};
    int settledSum = 0;
    int firstTwo = 0, secondTwo = 0, firstThree = 0;
};

RunShape shapeOf(const Work& w, const std::vector<int>& run) {
    RunShape r;
    for (int j : run) {
        const DigitList& c = w[static_cast<std::size_t>(j)];
        const int n = c.size() < 4 ? c.size() : 4;
        ++r.count[n];
        if (n == 1)
            r.settledSum += c.first();
        else if (n == 2) {
            if (r.firstTwo == 0)
                r.firstTwo = j;
            else if (r.secondTwo == 0)
                r.secondTwo = j;
        } else if (n == 3 && r.firstThree == 0)
            r.firstThree = j;
    }
    return r;
}

// Removes digit from every run cell whose candidates equal p (same order).
void removeFromEqual(AppState& st, const std::vector<int>& run, DigitList p, int digit) {
    for (int j : run) {
        DigitList& c = at(st.solver.work, j);
        if (c == p)
            c.erase(digit);
    }
    st.solver.changed = true;
}

// Removes each digit of the two-candidate list p that no digit of other
// completes to the clue.
void testAgainst(AppState& st, const std::vector<int>& run, int clue, int settledSum, DigitList p,
                 DigitList other) {
    for (int x : {p.at(0), p.at(1)}) {
        bool completes = false;
        for (int k = 0, n = other.size(); k < n; ++k)
            if (settledSum + x + other.at(k) == clue)
                completes = true;
        if (!completes)
            removeFromEqual(st, run, p, x);
    }
}

template <typename F> void forEachRun(Grid& g, F&& f) {
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty())
            f(g[i].cellsacross, g[i].across);
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty())
            f(g[i].cellsdown, g[i].down);
}

} // namespace

bool ApplyRemainderCombos(AppState& st) {
    WorkScope scope(st);
    st.solver.changed = false;
    bool contradiction = false;
    remainderPass(st, true, contradiction);
    remainderPass(st, false, contradiction);
    twoCellPass(st, true);
    twoCellPass(st, false);
    return contradiction;
}

void TestPairPair(AppState& st) {
    WorkScope scope(st);
    st.solver.changed = false;
    const Work& w = st.solver.work;
    forEachRun(st.grid, [&](const std::vector<int>& run, int clue) {
        const RunShape r = shapeOf(w, run);
        if (r.count[3] + r.count[4] != 0 || r.count[2] != 2)
            return;
        const DigitList p = w[static_cast<std::size_t>(r.firstTwo)];
        const DigitList q = w[static_cast<std::size_t>(r.secondTwo)];
        testAgainst(st, run, clue, r.settledSum, p, q);
    });
}

void TestPairTriple(AppState& st) {
    WorkScope scope(st);
    st.solver.changed = false;
    const Work& w = st.solver.work;
    forEachRun(st.grid, [&](const std::vector<int>& run, int clue) {
        const RunShape r = shapeOf(w, run);
        if (r.count[4] != 0 || r.count[3] != 1 || r.count[2] != 1)
            return;
        const DigitList p = w[static_cast<std::size_t>(r.firstTwo)];
        const DigitList t = w[static_cast<std::size_t>(r.firstThree)];
        testAgainst(st, run, clue, r.settledSum, p, t);
    });
}

} // namespace vextor
