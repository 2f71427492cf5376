#include "create/digit_fill.h"

#include "base/text.h"
#include "solver/guessing.h"

#include <string_view>

namespace vextor {

namespace {

constexpr std::string_view kLargestFirst = "987654321";

// The characters of order that text does not hold, in order.
std::string without(std::string_view order, const std::string& text) {
    std::string out;
    for (char ch : order)
        if (text.find(ch) == std::string::npos)
            out += ch;
    return out;
}

// A cell's digit as a number; an empty Choices reads as 0.
int digitOf(const Square& s) {
    return s.Choices.empty() ? 0 : leadingInt(s.Choices);
}

// The free digits of a cell in largest-first order.
std::string freeDigits(const Grid& g, int cell) {
    return without(kLargestFirst, RunDigits(g, cell));
}

// a and e of a double cross get new digits.
void repairCross(Grid& g, int a, int e) {
    const std::string free = freeDigits(g, a);
    const std::string lowest = free.empty() ? std::string() : free.substr(free.size() - 1);
    const std::string second = free.size() >= 2 ? free.substr(free.size() - 2, 1) : lowest;
    g[a].Choices = g[a].Choices != lowest ? lowest : second;
    const std::string freeE = without(kLargestFirst, RunDigits(g, e) + g[a].Choices);
    if (!freeE.empty())
        g[e].Choices = freeE.substr(freeE.size() - 1);
}

// Number of characters of " N," for cell number n.
int tokenLength(int n) {
    return static_cast<int>(std::to_string(n).size()) + 2;
}

} // namespace

std::string RunDigits(const Grid& g, int cell) {
    std::string out;
    if (!g.valid(cell))
        return out;
    const int r = (cell - 1) / g.cols + 1;
    const int c = cell - (r - 1) * g.cols;
    for (int c2 = c + 1; c2 <= g.cols && !g[g.CellIndex(r, c2)].known; ++c2)
        out += g[g.CellIndex(r, c2)].Choices;
    for (int c2 = c - 1; c2 >= 1 && !g[g.CellIndex(r, c2)].known; --c2)
        out += g[g.CellIndex(r, c2)].Choices;
    for (int r2 = r + 1; r2 <= g.rows && !g[g.CellIndex(r2, c)].known; ++r2)
        out += g[g.CellIndex(r2, c)].Choices;
    for (int r2 = r - 1; r2 >= 1 && !g[g.CellIndex(r2, c)].known; --r2)
        out += g[g.CellIndex(r2, c)].Choices;
    return out;
}

std::string RandomFreeDigit(AppState& st, const std::string& used) {
    const std::string t = without(ShuffleDigits(st, "123456789"), used);
    return t.empty() ? std::string() : t.substr(0, 1);
}

void FindDoubleCross(AppState& st) {
    Grid& g = st.grid;
    // Across pass: a and d in row r, b and e below them.
    for (int r = 2; r <= g.rows - 1; ++r) {
        for (int c = 1; c <= g.cols - 1; ++c) {
            const int a = g.CellIndex(r, c);
            if (g[a].known)
                continue;
            const int A = digitOf(g[a]);
            const int B = digitOf(g[g.CellIndex(r + 1, c)]);
            for (int c2 = c + 1; c2 <= g.cols; ++c2) {
                const int d = g.CellIndex(r, c2);
                if (g[d].known)
                    break;
                const int e = g.CellIndex(r + 1, c2);
                if (g[e].known)
                    break;
                if (A == digitOf(g[e]) && B == digitOf(g[d]))
                    repairCross(g, a, e);
            }
        }
    }
    // Down pass: a and d in column c, b and e to their right.
    for (int r = 2; r <= g.rows - 1; ++r) {
        for (int c = 1; c <= g.cols - 1; ++c) {
            const int a = g.CellIndex(r, c);
            if (g[a].known)
                continue;
            const int A = digitOf(g[a]);
            const int B = digitOf(g[g.CellIndex(r, c + 1)]);
            for (int r2 = r + 1; r2 <= g.rows; ++r2) {
                const int d = g.CellIndex(r2, c);
                const int e = g.CellIndex(r2, c + 1);
                if (g[d].known || g[e].known)
                    break;
                if (A == digitOf(g[e]) && B == digitOf(g[d]))
                    repairCross(g, a, e);
            }
        }
    }
}

bool FillDigits(AppState& st, bool randomDigits) {
    Grid& g = st.grid;
    // 1. Along the runs, in the order of the run list.
    for (const RunListEntry& entry : st.creator.runList) {
        if (!g.valid(entry.head))
            continue;
        const Square& head = g[entry.head];
        const std::vector<int> cells = entry.across ? head.cellsacross : head.cellsdown;
        for (int cell : cells) {
            if (!g.valid(cell) || !g[cell].Choices.empty())
                continue;
            if (randomDigits) {
                g[cell].Choices = RandomFreeDigit(st, RunDigits(g, cell));
            } else {
                const std::string free = freeDigits(g, cell);
                g[cell].Choices = free.empty() ? std::string() : free.substr(0, 1);
            }
        }
    }
    // 2-3. A cell named in at most one run list takes its smallest free digit
    // (" N," removed from the text of every list: fewer than 6 characters).
    std::vector<int> named(static_cast<std::size_t>(g.ncells) + 1, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        for (const auto* run : {&g[i].cellsacross, &g[i].cellsdown})
            for (int j : *run)
                if (g.valid(j))
                    ++named[static_cast<std::size_t>(j)];
    }
    for (int i = 1; i <= g.ncells; ++i) {
        if (g[i].known)
            continue;
        if (named[static_cast<std::size_t>(i)] * tokenLength(i) < 6) {
            const std::string free = freeDigits(g, i);
            g[i].Choices = free.empty() ? std::string() : free.substr(free.size() - 1);
            g[i].BackColor = st.whitecol;
        }
    }
    // 4.
    FindDoubleCross(st);
    // 5.
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known && g[i].Choices.empty())
            return false;
    // 6. The clues.
    const auto sum = [&](const std::vector<int>& run) {
        int total = 0;
        for (int j : run)
            total += g.valid(j) ? digitOf(g[j]) : 0;
        return total;
    };
    for (int i = 1; i <= g.ncells; ++i) {
        if (!g[i].cellsacross.empty())
            g[i].across = sum(g[i].cellsacross);
        if (!g[i].cellsdown.empty())
            g[i].down = sum(g[i].cellsdown);
    }
    // 7.
    for (int i = 1; i <= g.ncells; ++i) {
        if (!g[i].Choices.empty()) {
            g[i].across = 0;
            g[i].down = 0;
        }
    }
    return true;
}

} // namespace vextor
