#include "solver/sum_bounds.h"

#include <bit>
#include <span>
#include <string>

namespace vextor {

int MaxDigit(std::string_view s) {
    int m = 0;
    for (char ch : s)
        if (ch - '0' > m)
            m = ch - '0';
    return m;
}

int MinDigit(std::string_view s) {
    int m = 99;
    for (char ch : s)
        if (ch - '0' < m)
            m = ch - '0';
    return m;
}

namespace {

// The bound of one open cell's candidates without d; an open cell whose
// only candidate is d gives the bound of an empty string.
template <bool Max> int boundWithout(const std::string& c, char d) {
    int m = Max ? 0 : 99;
    for (char ch : c) {
        if (ch == d)
            continue;
        const int v = ch - '0';
        if (Max ? v > m : v < m)
            m = v;
    }
    return m;
}

template <bool Max> int sumOfBound(const Grid& g, const std::vector<int>& run, char d) {
    int total = 0;
    for (int j : run) {
        const std::string& c = g[j].Choices;
        if (c.size() > 1)
            total += boundWithout<Max>(c, d);
        else if (c.size() == 1)
            total += c[0] - '0';
    }
    return total;
}

// The bound of an open cell without one digit is its first or second bound
// (largest and next smaller value, or smallest and next larger value, with 0
// or 99 standing for none). So the bound sums of a run follow from the sum of
// first bounds, less a correction for the cells whose first bound is the
// digit under test. The run's totals are kept up to date as its cells change,
// so each cell under test costs one subtraction instead of a walk over the run.
template <bool Max> struct RunBounds {
    int base = 0;
    int correction[10] = {};
    // The largest (smallest) digit of a non-empty mask.
    static int firstOf(unsigned m) {
        return Max ? 32 - std::countl_zero(m) : std::countr_zero(m) + 1;
    }
    // Adds (sign 1) or removes (sign -1) one cell's share.
    void add(DigitList c, int sign) {
        const int n = c.size();
        if (n == 1) {
            base += sign * c.first();
        } else if (n > 1) {
            const unsigned m = c.mask();
            const int first = firstOf(m);
            const int second = firstOf(m & ~(1u << (first - 1)));
            base += sign * first;
            correction[first] += sign * (first - second);
        }
    }
};

// Passes 1 to 4: every open cell keeps the digits that can still meet the clue.
template <bool Max> void boundPass(SolverWork& w, bool acrossRuns) {
    w.forEachRunOf(acrossRuns, [&](const SolverRun& sum, std::span<const int> run) {
        if (sum.len <= 2)
            return;
        w.passOnRun(Max ? RulePass::UpperBound : RulePass::LowerBound, sum, [&] {
            const int clue = sum.clue;
            RunBounds<Max> bounds;
            for (int j : run)
                bounds.add(w[j], 1);
            for (int k : run) {
                DigitList& cell = w[k];
                if (cell.size() == 1)
                    continue;
                // The cell under test counts neither as settled nor as open.
                const DigitList c = cell;
                bounds.add(c, -1);
                const unsigned m = c.mask();
                unsigned keep = 0;
                for (unsigned rest = m; rest != 0; rest &= rest - 1) {
                    const int dv = std::countr_zero(rest) + 1;
                    const int total = dv + bounds.base - bounds.correction[dv];
                    if (Max ? total >= clue : total <= clue)
                        keep |= 1u << (dv - 1);
                }
                if (keep != m) {
                    w.changed = true;
                    cell = c.keep(keep);
                }
                bounds.add(cell, 1);
            }
            return false;
        });
    });
}

// Passes 5 and 6: two open cells with the same two candidates leave the
// third open cell the rest of the clue. Sorted candidate strings are equal
// when their digit sets are.
void pairPass(SolverWork& w, bool acrossRuns) {
    w.forEachRunOf(acrossRuns, [&](const SolverRun& sum, std::span<const int> run) {
        long long rest = sum.clue;
        const int len = sum.len;
        // Three open cells in a run of its recorded length need three cells.
        if (len != static_cast<int>(run.size()) || len < 3)
            return;
        int settled = 0;
        for (int j : run) {
            const DigitList& c = w[j];
            if (c.size() == 1) {
                rest -= c.first();
                ++settled;
            }
        }
        if (len - settled != 3 || static_cast<int>(run.size()) - settled != 3)
            return;
        DigitList t[3];
        int nt = 0;
        for (int j : run)
            if (w[j].size() != 1)
                t[nt++] = w[j];
        const DigitList* pair = nullptr;
        const DigitList* third = nullptr;
        if (t[0].mask() == t[1].mask() && t[0].size() == 2) {
            pair = &t[0];
            third = &t[2];
        } else if (t[0].mask() == t[2].mask() && t[0].size() == 2) {
            pair = &t[0];
            third = &t[1];
        } else if (t[1].mask() == t[2].mask() && t[1].size() == 2) {
            pair = &t[1];
            third = &t[0];
        } else {
            return;
        }
        const int p = pair->minDigit() + pair->maxDigit();
        if (p >= rest)
            return;
        const long long r = rest - p;
        if (r > 9) // only a run without a solution gets here: leave it
            return;
        const unsigned thirdDigits = third->mask();
        for (int j : run)
            if (w[j].mask() == thirdDigits)
                w[j] = DigitList::single(static_cast<int>(r));
    });
}

} // namespace

int SumOfMax(const Grid& g, const std::vector<int>& run, char d) {
    return sumOfBound<true>(g, run, d);
}

int SumOfMin(const Grid& g, const std::vector<int>& run, char d) {
    return sumOfBound<false>(g, run, d);
}

void CheckMaxSums(SolverWork& w) {
    w.changed = false;
    boundPass<true>(w, true);
    boundPass<true>(w, false);
    boundPass<false>(w, true);
    boundPass<false>(w, false);
    pairPass(w, true);
    pairPass(w, false);
}

} // namespace vextor
