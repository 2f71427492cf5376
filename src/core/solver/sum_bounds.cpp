#include "solver/sum_bounds.h"

#include "model/grid_checks.h"

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
// or 99 standing for none). So for a cell under test the bound sums of all
// its digits follow from one walk over the run: the sum of first bounds,
// less a correction for the cells whose first bound is the digit itself.
template <bool Max> struct CellBounds {
    int first = Max ? 0 : 99;
    int second = Max ? 0 : 99;
    void add(int v) {
        if (Max ? v > first : v < first) {
            second = first;
            first = v;
        } else if (Max ? (v < first && v > second) : (v > first && v < second)) {
            second = v;
        }
    }
};

// Passes 1 to 4: every open cell keeps the digits that can still meet the clue.
template <bool Max> void boundPass(AppState& st, bool acrossRuns) {
    Grid& g = st.grid;
    struct Correction {
        int value;
        int amount;
    };
    std::vector<Correction> corrections;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const auto& run = acrossRuns ? s.cellsacross : s.cellsdown;
        const int len = acrossRuns ? s.lenacross : s.lendown;
        if (run.empty() || len <= 2)
            continue;
        const int clue = acrossRuns ? s.across : s.down;
        for (int k : run) {
            if (g[k].Choices.size() == 1)
                continue;
            // The cell under test counts neither as settled nor as open.
            std::string c = std::move(g[k].Choices);
            g[k].Choices.clear();
            int base = 0;
            corrections.clear();
            for (int j : run) {
                const std::string& cj = g[j].Choices;
                if (cj.size() == 1) {
                    base += cj[0] - '0';
                } else if (cj.size() > 1) {
                    CellBounds<Max> b;
                    for (char ch : cj)
                        b.add(ch - '0');
                    base += b.first;
                    corrections.push_back({b.first, b.first - b.second});
                }
            }
            std::string keep;
            for (char d : c) {
                const int dv = d - '0';
                int total = dv + base;
                for (const Correction& corr : corrections)
                    if (corr.value == dv)
                        total -= corr.amount;
                if (Max ? total >= clue : total <= clue)
                    keep += d;
                else
                    st.solver.changed = true;
            }
            g[k].Choices = std::move(keep);
        }
    }
}

// Passes 5 and 6: two open cells with the same two candidates leave the
// third open cell the rest of the clue.
void pairPass(AppState& st, bool acrossRuns) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const auto& run = acrossRuns ? s.cellsacross : s.cellsdown;
        if (run.empty())
            continue;
        long long rest = acrossRuns ? s.across : s.down;
        const int len = acrossRuns ? s.lenacross : s.lendown;
        int settled = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() == 1) {
                rest -= c[0] - '0';
                ++settled;
            }
        }
        if (len - settled != 3 || static_cast<int>(run.size()) - settled != 3)
            continue;
        std::string t[3];
        int nt = 0;
        for (int j : run)
            if (g[j].Choices.size() != 1)
                t[nt++] = SortDigits(g[j].Choices);
        const std::string* pair = nullptr;
        const std::string* third = nullptr;
        if (t[0] == t[1] && t[0].size() == 2) {
            pair = &t[0];
            third = &t[2];
        } else if (t[0] == t[2] && t[0].size() == 2) {
            pair = &t[0];
            third = &t[1];
        } else if (t[1] == t[2] && t[1].size() == 2) {
            pair = &t[1];
            third = &t[0];
        } else {
            continue;
        }
        const int p = ((*pair)[0] - '0') + ((*pair)[1] - '0');
        if (p >= rest)
            continue;
        const long long r = rest - p;
        if (r > 9) // only a run without a solution gets here: leave it
            continue;
        const std::string thirdText = *third;
        for (int j : run)
            if (SortDigits(g[j].Choices) == thirdText)
                g[j].Choices.assign(1, static_cast<char>('0' + r));
    }
}

} // namespace

int SumOfMax(const Grid& g, const std::vector<int>& run, char d) {
    return sumOfBound<true>(g, run, d);
}

int SumOfMin(const Grid& g, const std::vector<int>& run, char d) {
    return sumOfBound<false>(g, run, d);
}

void CheckMaxSums(AppState& st) {
    st.solver.changed = false;
    boundPass<true>(st, true);
    boundPass<true>(st, false);
    boundPass<false>(st, true);
    boundPass<false>(st, false);
    pairPass(st, true);
    pairPass(st, false);
}

} // namespace vextor
