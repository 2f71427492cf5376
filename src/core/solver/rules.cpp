#include "solver/rules.h"

#include "model/grid_checks.h"

namespace vextor {

namespace {

inline int digitValue(char ch) {
    return ch - '0';
}

inline bool isDigit19(char ch) {
    return ch >= '1' && ch <= '9';
}

// Removes every occurrence of ch from s.
inline void eraseChar(std::string& s, char ch) {
    std::size_t out = 0;
    for (char c : s)
        if (c != ch)
            s[out++] = c;
    s.resize(out);
}

// Calls f(run, clue) for every across run, then every down run.
template <typename F> void forEachRun(const Grid& g, F&& f) {
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty())
            f(g[i].cellsacross, g[i].across);
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty())
            f(g[i].cellsdown, g[i].down);
}

} // namespace

int CountSingles(const Grid& g) {
    int n = 0;
    for (int i = 1; i <= g.ncells; ++i)
        if (g[i].Choices.size() == 1)
            ++n;
    return n;
}

void RemoveDigitFromRun(AppState& st, char digit, const std::vector<int>& run, std::size_t limit) {
    Grid& g = st.grid;
    for (int k : run) {
        std::string& c = g[k].Choices;
        if (c.size() > limit && c.find(digit) != std::string::npos) {
            eraseChar(c, digit);
            st.solver.changed = true;
        }
    }
}

void RemoveSingles(AppState& st) {
    Grid& g = st.grid;
    st.solver.changed = false;
    for (int i = 1; i <= g.ncells; ++i) {
        const auto& run = g[i].cellsacross;
        for (int j : run)
            if (g[j].Choices.size() == 1)
                RemoveDigitFromRun(st, g[j].Choices[0], run, 1);
    }
    for (int i = 1; i <= g.ncells; ++i) {
        const auto& run = g[i].cellsdown;
        for (int j : run)
            if (g[j].Choices.size() == 1)
                RemoveDigitFromRun(st, g[j].Choices[0], run, 1);
    }
}

bool CompleteLastCell(AppState& st) {
    Grid& g = st.grid;
    st.solver.changed = false;
    bool contradiction = false;
    auto check = [&](const std::vector<int>& run, int clue) {
        int open = 0, last = 0, settled = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() > 1) {
                ++open;
                last = j;
            } else if (c.size() == 1) {
                settled += digitValue(c[0]);
            }
        }
        if (open != 1)
            return true;
        const long long rest = static_cast<long long>(clue) - settled;
        std::string& c = g[last].Choices;
        if (rest >= 1 && rest <= 9 && c.find(static_cast<char>('0' + rest)) != std::string::npos) {
            c.assign(1, static_cast<char>('0' + rest));
            st.solver.changed = true;
            return true;
        }
        contradiction = true;
        st.solver.changed = false;
        return false;
    };
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty() && !check(g[i].cellsacross, g[i].across))
            return true;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty() && !check(g[i].cellsdown, g[i].down))
            return true;
    return contradiction;
}

void PairRunComplements(AppState& st) {
    Grid& g = st.grid;
    st.solver.changed = false;
    auto& pairs = st.solver.scratch;
    pairs.clear();
    for (int i = 1; i <= g.ncells; ++i)
        if (g[i].cellsacross.size() == 2)
            pairs.push_back({g[i].across, g[i].cellsacross[0], g[i].cellsacross[1]});
    for (int i = 1; i <= g.ncells; ++i)
        if (g[i].cellsdown.size() == 2)
            pairs.push_back({g[i].down, g[i].cellsdown[0], g[i].cellsdown[1]});

    // The complements of from, in from's order; values outside 1..9 are skipped.
    auto complements = [](int clue, const std::string& from) {
        std::string out;
        for (char d : from) {
            const long long v = static_cast<long long>(clue) - digitValue(d);
            if (v >= 1 && v <= 9)
                out += static_cast<char>('0' + v);
        }
        return out;
    };
    for (const PairRun& p : pairs) {
        const std::string ca = g[p.a].Choices;
        const std::string cb = g[p.b].Choices;
        if (ca.size() < cb.size()) {
            g[p.b].Choices = complements(p.clue, ca);
            st.solver.changed = true;
        } else if (cb.size() < ca.size()) {
            g[p.a].Choices = complements(p.clue, cb);
            st.solver.changed = true;
        }
    }
}

void RemovePairDigits(AppState& st, const std::string& pair, const std::vector<int>& run) {
    Grid& g = st.grid;
    for (int k : run) {
        std::string& c = g[k].Choices;
        if (c.size() > 2 && SortDigits(c) != pair) {
            eraseChar(c, pair[0]);
            eraseChar(c, pair[1]);
            st.solver.changed = true;
        }
    }
}

void RemoveTripleDigits(AppState& st, const std::string& triple, const std::vector<int>& run) {
    Grid& g = st.grid;
    for (int k : run) {
        std::string& c = g[k].Choices;
        if (c.size() > 3 && SortDigits(c) != triple) {
            eraseChar(c, triple[0]);
            eraseChar(c, triple[2]);
            eraseChar(c, triple[1]);
            st.solver.changed = true;
        }
    }
}

void FindSameChoices(AppState& st) {
    Grid& g = st.grid;
    st.solver.changed = false;
    auto check = [&](const std::vector<int>& run) {
        std::string twos[2], threes[3];
        int n2 = 0, n3 = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() == 2) {
                if (n2 < 2)
                    twos[n2] = SortDigits(c);
                ++n2;
            } else if (c.size() == 3) {
                if (n3 < 3)
                    threes[n3] = SortDigits(c);
                ++n3;
            }
        }
        if (n2 == 2 && twos[0] == twos[1])
            RemovePairDigits(st, twos[0], run);
        if (n3 == 3 && threes[0] == threes[1] && threes[1] == threes[2])
            RemoveTripleDigits(st, threes[0], run);
    };
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty())
            check(g[i].cellsacross);
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty())
            check(g[i].cellsdown);
}

bool IsGridValid(const Grid& g) {
    // 1, 2: complete runs add up.
    auto addsUp = [&](const std::vector<int>& run, int clue) {
        int sum = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() > 1)
                return true; // not complete
            if (c.size() == 1)
                sum += digitValue(c[0]);
        }
        return sum == clue;
    };
    // 3, 4: settled digits are 1..9 and distinct.
    auto distinct = [&](const std::vector<int>& run, int) {
        unsigned seen = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() != 1)
                continue;
            if (!isDigit19(c[0]))
                return false;
            const unsigned bit = 1u << digitValue(c[0]);
            if (seen & bit)
                return false;
            seen |= bit;
        }
        return true;
    };
    // 5, 6: the last open cell can take the remainder.
    auto completable = [&](const std::vector<int>& run, int clue) {
        int open = 0, last = 0, sum = 0;
        std::string settled;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() > 1) {
                ++open;
                last = j;
            } else if (c.size() == 1) {
                sum += digitValue(c[0]);
                settled += c[0];
            }
        }
        if (open != 1)
            return true;
        const long long rest = static_cast<long long>(clue) - sum;
        if (rest < 1 || rest > 9)
            return false;
        const char r = static_cast<char>('0' + rest);
        return settled.find(r) == std::string::npos && g[last].Choices.find(r) != std::string::npos;
    };
    auto all = [&](auto&& check, bool acrossRuns) {
        for (int i = 1; i <= g.ncells; ++i) {
            const auto& run = acrossRuns ? g[i].cellsacross : g[i].cellsdown;
            if (!run.empty() && !check(run, acrossRuns ? g[i].across : g[i].down))
                return false;
        }
        return true;
    };
    return all(addsUp, true) && all(addsUp, false) && all(distinct, true) && all(distinct, false) &&
           all(completable, true) && all(completable, false);
}

bool HasEmptiedWhiteCell(const Grid& g) {
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known && g[i].Choices.empty())
            return true;
    return false;
}

bool IsGridSolved(const Grid& g) {
    bool anyWhite = false;
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        if (s.known)
            continue;
        anyWhite = true;
        if (s.Choices.size() != 1 || !isDigit19(s.Choices[0]))
            return false;
    }
    if (!anyWhite)
        return false;
    bool ok = true;
    forEachRun(g, [&](const std::vector<int>& run, int clue) {
        unsigned seen = 0;
        int sum = 0;
        for (int j : run) {
            const std::string& c = g[j].Choices;
            if (c.size() != 1 || !isDigit19(c[0])) {
                ok = false;
                return;
            }
            const unsigned bit = 1u << digitValue(c[0]);
            if (seen & bit)
                ok = false;
            seen |= bit;
            sum += digitValue(c[0]);
        }
        if (sum != clue)
            ok = false;
    });
    return ok;
}

} // namespace vextor
