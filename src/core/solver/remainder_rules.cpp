#include "solver/remainder_rules.h"

#include "solver/sum_combos.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace vextor {

namespace {

// A remainder as a table sum: values far outside the table stay outside it.
inline int clampSum(long long rest) {
    return static_cast<int>(std::clamp(rest, -1000LL, 1000LL));
}

// Passes 1 and 2.
void remainderPass(SolverWork& w, bool acrossRuns, bool& contradiction) {
    w.forEachRunOf(acrossRuns, [&](const SolverRun& r, std::span<const int> run) {
        const int clue = r.clue;
        if (clue == 0)
            return;
        int k = 0, u = 0;
        for (int j : run) {
            const DigitList& c = w[j];
            if (c.size() == 1)
                k += c.first();
            else if (c.size() > 1)
                ++u;
        }
        if (u < 2 || k == 0)
            return;
        w.passOnRun(RulePass::Remainder, r, [&] {
            const long long rest = static_cast<long long>(clue) - k;
            if (u < 3 && rest < 3) {
                contradiction = true;
                return true;
            }
            const DigitList digits = sumcomboDigits(u, clampSum(rest));
            if (digits.empty())
                return false;
            for (int j : run) {
                DigitList& c = w[j];
                if (c.size() >= 2 && digits.size() <= c.size()) {
                    c = digits;
                    w.changed = true;
                }
                if (c.size() > 1) {
                    const DigitList kept = c.keep(digits.mask());
                    if (!(kept == c)) {
                        c = kept;
                        w.changed = true;
                    }
                }
            }
            return false;
        });
    });
}

// Passes 3 and 4 (they do not set the change flag).
void twoCellPass(SolverWork& w, bool acrossRuns) {
    w.forEachRunOf(acrossRuns, [&](const SolverRun& r, std::span<const int> run) {
        const int clue = r.clue;
        if (clue == 0 || r.len != 2 || run.size() != 2)
            return;
        DigitList& ca = w[run[0]];
        DigitList& cb = w[run[1]];
        if (ca.size() == 1 || cb.size() == 1)
            return;
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
    });
}

// Counts the run's cells by candidate length (0, 1, 2, 3, 4 or more), sums
// the settled digits and remembers the first two- and three-candidate cells.
struct RunShape {
    int count[5] = {0, 0, 0, 0, 0};
    int settledSum = 0;
    int firstTwo = 0, secondTwo = 0, firstThree = 0;
};

// Stops early (count[4] then 1) at a cell with more than `most` candidates:
// the rules below then leave the run alone.
RunShape shapeOf(const SolverWork& w, std::span<const int> run, int most) {
    RunShape r;
    for (int j : run) {
        const DigitList& c = w[j];
        if (c.size() > most) {
            r.count[4] = 1;
            return r;
        }
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
void removeFromEqual(SolverWork& w, std::span<const int> run, DigitList p, int digit) {
    for (int j : run) {
        DigitList& c = w[j];
        if (c == p)
            c.erase(digit);
    }
    w.changed = true;
}

// Removes each digit of the two-candidate list p that no digit of other
// completes to the clue.
void testAgainst(SolverWork& w, std::span<const int> run, int clue, int settledSum, DigitList p,
                 DigitList other) {
    for (int x : {p.at(0), p.at(1)}) {
        bool completes = false;
        for (int k = 0, n = other.size(); k < n; ++k)
            if (settledSum + x + other.at(k) == clue)
                completes = true;
        if (!completes)
            removeFromEqual(w, run, p, x);
    }
}

} // namespace

bool ApplyRemainderCombos(SolverWork& w) {
    w.changed = false;
    bool contradiction = false;
    remainderPass(w, true, contradiction);
    remainderPass(w, false, contradiction);
    twoCellPass(w, true);
    twoCellPass(w, false);
    return contradiction;
}

void TestPairPair(SolverWork& w) {
    w.changed = false;
    w.forEachRun([&](const SolverRun& sum, std::span<const int> run) {
        const int clue = sum.clue;
        const RunShape r = shapeOf(w, run, 2);
        if (r.count[3] + r.count[4] != 0 || r.count[2] != 2)
            return;
        const DigitList p = w[r.firstTwo];
        const DigitList q = w[r.secondTwo];
        testAgainst(w, run, clue, r.settledSum, p, q);
    });
}

void TestPairTriple(SolverWork& w) {
    w.changed = false;
    w.forEachRun([&](const SolverRun& sum, std::span<const int> run) {
        const int clue = sum.clue;
        const RunShape r = shapeOf(w, run, 3);
        if (r.count[4] != 0 || r.count[3] != 1 || r.count[2] != 1)
            return;
        const DigitList p = w[r.firstTwo];
        const DigitList t = w[r.firstThree];
        testAgainst(w, run, clue, r.settledSum, p, t);
    });
}

} // namespace vextor
