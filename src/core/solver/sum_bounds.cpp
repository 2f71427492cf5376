#include "solver/sum_bounds.h"

#include "manual/grid_checks.h"

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

// Passes 1 to 4: every open cell keeps the digits that can still meet the clue.
template <bool Max> void boundPass(AppState& st, bool acrossRuns) {
    Grid& g = st.grid;
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
            std::string keep;
            for (char d : c) {
                const int total = (d - '0') + sumOfBound<Max>(g, run, d);
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
        int rest = acrossRuns ? s.across : s.down;
        const int len = acrossRuns ? s.lenacross : s.lendown;
        int settled = 0;
        std::string t[3];
        int nt = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() == 1) {
                rest -= c[0] - '0';
                ++settled;
            } else {
                if (nt < 3)
                    t[nt] = SortDigits(c);
                ++nt;
            }
        }
        if (len - settled != 3 || nt != 3)
            continue;
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
        const int r = rest - p;
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
