#include "solver/remainder_rules.h"

#include "solver/sum_combos.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vextor {

namespace {

inline int digitValue(char ch) {
    return ch - '0';
}

// A remainder as a table sum: values far outside the table stay outside it.
inline int clampSum(long long rest) {
    return static_cast<int>(std::clamp(rest, -1000LL, 1000LL));
}

inline void eraseChar(std::string& s, char ch) {
    std::size_t out = 0;
    for (char c : s)
        if (c != ch)
            s[out++] = c;
    s.resize(out);
}

// Passes 1 and 2.
void remainderPass(AppState& st, bool acrossRuns, bool& contradiction) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const int clue = acrossRuns ? s.across : s.down;
        if (clue == 0)
            continue;
        const auto& run = acrossRuns ? s.cellsacross : s.cellsdown;
        int k = 0, u = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() == 1)
                k += digitValue(c[0]);
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
        const std::string& digits = sumcombos(u, clampSum(rest));
        if (digits.empty())
            continue;
        for (int j : run) {
            std::string& c = g[j].Choices;
            if (c.size() >= 2 && digits.size() <= c.size()) {
                c = digits;
                st.solver.changed = true;
            }
            if (c.size() > 1) {
                std::size_t out = 0;
                for (char ch : c) {
                    if (digits.find(ch) != std::string::npos)
                        c[out++] = ch;
                    else
                        st.solver.changed = true;
                }
                c.resize(out);
            }
        }
    }
}

// Passes 3 and 4 (they do not set the change flag).
void twoCellPass(AppState& st, bool acrossRuns) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const int clue = acrossRuns ? s.across : s.down;
        const int len = acrossRuns ? s.lenacross : s.lendown;
        const auto& run = acrossRuns ? s.cellsacross : s.cellsdown;
        if (clue == 0 || len != 2 || run.size() != 2)
            continue;
        std::string& ca = g[run[0]].Choices;
        std::string& cb = g[run[1]].Choices;
        if (ca.size() == 1 || cb.size() == 1)
            continue;
        auto complements = [clue](const std::string& from) {
            std::string out;
            for (char ch : from) {
                const int d = digitValue(ch);
                if (d < clue && clue - d < 10 && clue != 2 * d)
                    out += static_cast<char>('0' + (clue - d));
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

RunShape shapeOf(const Grid& g, const std::vector<int>& run) {
    RunShape r;
    for (int j : run) {
        const std::string& c = g[j].Choices;
        const std::size_t n = c.size() < 4 ? c.size() : 4;
        ++r.count[n];
        if (n == 1)
            r.settledSum += digitValue(c[0]);
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

// Removes digit from every run cell whose candidate string equals p.
void removeFromEqual(AppState& st, const std::vector<int>& run, const std::string& p, char digit) {
    for (int j : run) {
        std::string& c = st.grid[j].Choices;
        if (c == p)
            eraseChar(c, digit);
    }
    st.solver.changed = true;
}

// Removes each digit of the two-candidate string p that no digit of other
// completes to the clue.
void testAgainst(AppState& st, const std::vector<int>& run, int clue, int settledSum,
                 const std::string& p, const std::string& other) {
    for (char x : {p[0], p[1]}) {
        bool completes = false;
        for (char z : other)
            if (settledSum + digitValue(x) + digitValue(z) == clue)
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
    st.solver.changed = false;
    bool contradiction = false;
    remainderPass(st, true, contradiction);
    remainderPass(st, false, contradiction);
    twoCellPass(st, true);
    twoCellPass(st, false);
    return contradiction;
}

void TestPairPair(AppState& st) {
    st.solver.changed = false;
    forEachRun(st.grid, [&](const std::vector<int>& run, int clue) {
        const RunShape r = shapeOf(st.grid, run);
        if (r.count[3] + r.count[4] != 0 || r.count[2] != 2)
            return;
        const std::string p = st.grid[r.firstTwo].Choices;
        const std::string q = st.grid[r.secondTwo].Choices;
        testAgainst(st, run, clue, r.settledSum, p, q);
    });
}

void TestPairTriple(AppState& st) {
    st.solver.changed = false;
    forEachRun(st.grid, [&](const std::vector<int>& run, int clue) {
        const RunShape r = shapeOf(st.grid, run);
        if (r.count[4] != 0 || r.count[3] != 1 || r.count[2] != 1)
            return;
        const std::string p = st.grid[r.firstTwo].Choices;
        const std::string t = st.grid[r.firstThree].Choices;
        testAgainst(st, run, clue, r.settledSum, p, t);
    });
}

} // namespace vextor
