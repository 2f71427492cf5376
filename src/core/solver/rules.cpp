#include "solver/rules.h"

#include <span>

namespace vextor {

namespace {

inline const DigitList& at(const Work& w, int j) {
    return w[static_cast<std::size_t>(j)];
}

// A digit character as a value; 0 for anything else (no list holds it).
inline int digitOf(char ch) {
    return ch >= '1' && ch <= '9' ? ch - '0' : 0;
}

void removeDigit(SolverWork& w, int digit, std::span<const int> run, int limit) {
    for (int k : run) {
        DigitList& c = w[k];
        if (c.size() > limit && c.has(digit)) {
            c.erase(digit);
            w.changed = true;
        }
    }
}

// Removes the digits of mask from every run cell with more than limit
// candidates.
void removeDigits(SolverWork& w, unsigned mask, std::span<const int> run, int limit) {
    for (int k : run) {
        DigitList& c = w[k];
        if (c.size() > limit) {
            c = c.keep(~mask);
            w.changed = true;
        }
    }
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

int CountSingles(const SolverWork& w) {
    // Four counts side by side: the deduction loop asks after every rule.
    const DigitList* p = w.cells.data() + 1;
    const DigitList* end = w.cells.data() + w.cells.size();
    int n0 = 0, n1 = 0, n2 = 0, n3 = 0;
    for (; end - p >= 4; p += 4) {
        n0 += p[0].size() == 1;
        n1 += p[1].size() == 1;
        n2 += p[2].size() == 1;
        n3 += p[3].size() == 1;
    }
    for (; p < end; ++p)
        n0 += p->size() == 1;
    return n0 + n1 + n2 + n3;
}

void RemoveDigitFromRun(SolverWork& w, char digit, const std::vector<int>& run, std::size_t limit) {
    removeDigit(w, digitOf(digit), run, static_cast<int>(limit));
}

void RemoveSingles(SolverWork& w) {
    w.changed = false;
    w.forEachRun([&](const SolverRun&, std::span<const int> run) {
        // Nothing to remove while no open cell holds a settled digit.
        unsigned settled = 0, open = 0;
        for (int j : run) {
            const DigitList c = w[j];
            const unsigned m = c.mask();
            const unsigned one = c.size() == 1 ? ~0u : 0u;
            settled |= m & one;
            open |= m & ~one;
        }
        if ((settled & open) == 0)
            return;
        // Open cells only lose digits, so a settled digit outside the open
        // cells' digits found above has nothing to remove.
        for (int j : run)
            if (w[j].size() == 1 && (w[j].mask() & open) != 0)
                removeDigit(w, w[j].first(), run, 1);
    });
}

bool CompleteLastCell(SolverWork& w) {
    w.changed = false;
    bool contradiction = false;
    auto check = [&](std::span<const int> run, int clue) {
        int open = 0, last = 0, settled = 0;
        for (int j : run) {
            const DigitList& c = w[j];
            if (c.size() > 1) {
                ++open;
                last = j;
            } else if (c.size() == 1) {
                settled += c.first();
            }
        }
        if (open != 1)
            return true;
        const long long rest = static_cast<long long>(clue) - settled;
        DigitList& c = w[last];
        if (rest >= 1 && rest <= 9 && c.has(static_cast<int>(rest))) {
            c = DigitList::single(static_cast<int>(rest));
            w.changed = true;
            return true;
        }
        contradiction = true;
        w.changed = false;
        return false;
    };
    for (const SolverRun& r : w.runs)
        if (!check(w.cellsOf(r), r.clue))
            return true;
    return contradiction;
}

void PairRunComplements(SolverWork& w) {
    w.changed = false;
    // The complements of from, in from's order; values outside 1..9 are skipped.
    auto complements = [](int clue, DigitList from) {
        DigitList out;
        for (int k = 0, n = from.size(); k < n; ++k) {
            const long long v = static_cast<long long>(clue) - from.at(k);
            if (v >= 1 && v <= 9)
                out.push(static_cast<int>(v));
        }
        return out;
    };
    // The two-cell runs in order, across runs first: which runs these are
    // depends on the layout alone, so they are taken as they come.
    w.forEachRun([&](const SolverRun& r, std::span<const int> run) {
        if (run.size() != 2)
            return;
        DigitList& a = w[run[0]];
        DigitList& b = w[run[1]];
        const DigitList ca = a;
        const DigitList cb = b;
        if (ca.size() < cb.size()) {
            b = complements(r.clue, ca);
            w.changed = true;
        } else if (cb.size() < ca.size()) {
            a = complements(r.clue, cb);
            w.changed = true;
        }
    });
}

void FindSameChoices(SolverWork& w) {
    w.changed = false;
    // Sorted strings of distinct digits are equal when their digit sets are.
    w.forEachRun([&](const SolverRun&, std::span<const int> run) {
        // In a run of two cells an equal pair leaves no other cell to clear.
        if (run.size() <= 2)
            return;
        unsigned twos[2] = {0, 0}, threes[3] = {0, 0, 0};
        int n2 = 0, n3 = 0;
        for (int j : run) {
            const DigitList& c = w[j];
            if (c.size() == 2) {
                if (n2 < 2)
                    twos[n2] = c.mask();
                ++n2;
            } else if (c.size() == 3) {
                if (n3 < 3)
                    threes[n3] = c.mask();
                ++n3;
            }
        }
        if (n2 == 2 && twos[0] == twos[1])
            removeDigits(w, twos[0], run, 2);
        if (n3 == 3 && threes[0] == threes[1] && threes[1] == threes[2])
            removeDigits(w, threes[0], run, 3);
    });
}

namespace {

// The candidates of the checks below, read from the cells' Choices or from
// the working candidates: count, first digit, whether a digit is among them,
// and whether a single candidate is a digit 1..9.
struct TextCells {
    const Grid& g;
    int size(int j) const { return static_cast<int>(g[j].Choices.size()); }
    int first(int j) const { return g[j].Choices[0] - '0'; }
    bool has(int j, int d) const {
        return g[j].Choices.find(static_cast<char>('0' + d)) != std::string::npos;
    }
    bool proper(int j) const { return g[j].Choices[0] >= '1' && g[j].Choices[0] <= '9'; }
};

struct WorkCells {
    const Work& w;
    int size(int j) const { return at(w, j).size(); }
    int first(int j) const { return at(w, j).first(); }
    bool has(int j, int d) const { return at(w, j).has(d); }
    bool proper(int) const { return true; }
};

template <typename Cells> bool gridValid(const Grid& g, const Cells& cells) {
    // One walk per run checks that (1, 2) a complete run adds up, (3, 4) its
    // settled digits are 1..9 and distinct, and (5, 6) a last open cell can
    // take the remainder.
    auto valid = [&](const std::vector<int>& run, int clue) {
        int open = 0, last = 0, sum = 0;
        unsigned settled = 0; // bits of the settled digits 1..9
        for (int j : run) {
            const int n = cells.size(j);
            if (n > 1) {
                ++open;
                last = j;
            } else if (n == 1) {
                if (!cells.proper(j))
                    return false;
                const int d = cells.first(j);
                const unsigned bit = 1u << d;
                if (settled & bit)
                    return false;
                settled |= bit;
                sum += d;
            }
        }
        if (open == 0)
            return sum == clue;
        if (open != 1)
            return true;
        const long long rest = static_cast<long long>(clue) - sum;
        if (rest < 1 || rest > 9)
            return false;
        const int r = static_cast<int>(rest);
        return (settled & (1u << r)) == 0 && cells.has(last, r);
    };
    for (int i = 1; i <= g.ncells; ++i) {
        if (!g[i].cellsacross.empty() && !valid(g[i].cellsacross, g[i].across))
            return false;
        if (!g[i].cellsdown.empty() && !valid(g[i].cellsdown, g[i].down))
            return false;
    }
    return true;
}

template <typename Cells> bool gridSolved(const Grid& g, const Cells& cells) {
    bool anyWhite = false;
    for (int i = 1; i <= g.ncells; ++i) {
        if (g[i].known)
            continue;
        anyWhite = true;
        if (cells.size(i) != 1 || !cells.proper(i))
            return false;
    }
    if (!anyWhite)
        return false;
    bool ok = true;
    forEachRun(g, [&](const std::vector<int>& run, int clue) {
        unsigned seen = 0;
        int sum = 0;
        for (int j : run) {
            if (cells.size(j) != 1 || !cells.proper(j)) {
                ok = false;
                return;
            }
            const unsigned bit = 1u << cells.first(j);
            if (seen & bit)
                ok = false;
            seen |= bit;
            sum += cells.first(j);
        }
        if (sum != clue)
            ok = false;
    });
    return ok;
}

} // namespace

bool IsGridValid(const Grid& g) {
    return gridValid(g, TextCells{g});
}

bool IsGridValid(const Grid& g, const Work& w) {
    return gridValid(g, WorkCells{w});
}

bool HasEmptiedWhiteCell(const Grid& g, const Work& w) {
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known && at(w, i).empty())
            return true;
    return false;
}

bool HasEmptiedWhiteCell(const Grid& g) {
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known && g[i].Choices.empty())
            return true;
    return false;
}

bool IsGridSolved(const Grid& g, const Work& w) {
    return gridSolved(g, WorkCells{w});
}

bool IsGridSolved(const Grid& g) {
    return gridSolved(g, TextCells{g});
}

} // namespace vextor
