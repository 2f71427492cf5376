#include "support/random_puzzle.h"

#include "model/grid_checks.h"
#include "model/runs.h"

#include <algorithm>
#include <random>
#include <vector>

namespace vextor::test {

namespace {

struct Layout {
    int rows, cols;
    std::vector<char> white; // index (r - 1) * cols + (c - 1)
    bool at(int r, int c) const {
        return r >= 1 && c >= 1 && r <= rows && c <= cols &&
               white[static_cast<std::size_t>((r - 1) * cols + (c - 1))];
    }
    void set(int r, int c, bool w) {
        white[static_cast<std::size_t>((r - 1) * cols + (c - 1))] = w;
    }
};

// Length of the white segment through (r, c) across or down.
int segment(const Layout& l, int r, int c, bool across) {
    if (!l.at(r, c))
        return 0;
    int n = 1;
    for (int k = 1; across ? l.at(r, c - k) : l.at(r - k, c); ++k)
        ++n;
    for (int k = 1; across ? l.at(r, c + k) : l.at(r + k, c); ++k)
        ++n;
    return n;
}

// Repairs the layout until every white cell is in a 2..9 segment one way and
// in no segment longer than 9 either way.
bool repair(Layout& l, std::mt19937_64& rng) {
    for (int pass = 0; pass < 200; ++pass) {
        bool ok = true;
        for (int r = 2; r <= l.rows; ++r) {
            for (int c = 2; c <= l.cols; ++c) {
                if (!l.at(r, c))
                    continue;
                const int a = segment(l, r, c, true), d = segment(l, r, c, false);
                if (a > 9 || d > 9) {
                    l.set(r, c, false);
                    ok = false;
                } else if (a < 2 && d < 2) {
                    // Join a neighbour, or drop the cell.
                    const int pick = static_cast<int>(rng() % 3);
                    if (pick == 0 && c < l.cols)
                        l.set(r, c + 1, true);
                    else if (pick == 1 && r < l.rows)
                        l.set(r + 1, c, true);
                    else
                        l.set(r, c, false);
                    ok = false;
                }
            }
        }
        if (ok)
            return true;
    }
    return false;
}

// Fills every white cell with a digit, distinct within each segment.
bool fill(AppState& st, std::mt19937_64& rng) {
    Grid& g = st.grid;
    std::vector<int> cells;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known)
            cells.push_back(i);
    std::vector<int> digit(static_cast<std::size_t>(g.ncells) + 1, 0);
    auto allowed = [&](int i, int d) {
        const int r = g.rowOf(i), c = g.colOf(i);
        for (int c2 = c - 1; c2 >= 1 && !g[g.CellIndex(r, c2)].known; --c2)
            if (digit[static_cast<std::size_t>(g.CellIndex(r, c2))] == d)
                return false;
        for (int c2 = c + 1; c2 <= g.cols && !g[g.CellIndex(r, c2)].known; ++c2)
            if (digit[static_cast<std::size_t>(g.CellIndex(r, c2))] == d)
                return false;
        for (int r2 = r - 1; r2 >= 1 && !g[g.CellIndex(r2, c)].known; --r2)
            if (digit[static_cast<std::size_t>(g.CellIndex(r2, c))] == d)
                return false;
        for (int r2 = r + 1; r2 <= g.rows && !g[g.CellIndex(r2, c)].known; ++r2)
            if (digit[static_cast<std::size_t>(g.CellIndex(r2, c))] == d)
                return false;
        return true;
    };
    long budget = 200000;
    std::vector<std::vector<int>> orders(cells.size());
    std::size_t pos = 0;
    std::vector<std::size_t> next(cells.size(), 0);
    while (pos < cells.size()) {
        if (--budget < 0)
            return false;
        if (next[pos] == 0) {
            orders[pos] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
            std::shuffle(orders[pos].begin(), orders[pos].end(), rng);
        }
        const int i = cells[pos];
        digit[static_cast<std::size_t>(i)] = 0;
        bool placed = false;
        while (next[pos] < 9) {
            const int d = orders[pos][next[pos]++];
            if (allowed(i, d)) {
                digit[static_cast<std::size_t>(i)] = d;
                placed = true;
                break;
            }
        }
        if (placed) {
            ++pos;
            if (pos < cells.size())
                next[pos] = 0;
        } else {
            if (pos == 0)
                return false;
            --pos;
        }
    }
    for (int i : cells)
        g[i].Choices = std::to_string(digit[static_cast<std::size_t>(i)]);
    return true;
}

} // namespace

std::string makeRandomPuzzle(AppState& st, int rows, int cols, std::uint64_t seed,
                             double whiteShare) {
    std::mt19937_64 rng(seed);
    for (;;) {
        Layout l{rows, cols, std::vector<char>(static_cast<std::size_t>(rows * cols), 0)};
        std::uniform_real_distribution<double> u(0.0, 1.0);
        for (int r = 2; r <= rows; ++r)
            for (int c = 2; c <= cols; ++c)
                l.set(r, c, u(rng) < whiteShare);
        if (!repair(l, rng))
            continue;
        // Build the grid: white cells, and a sum or black cell elsewhere.
        st.grid = Grid();
        st.grid.resize(rows, cols, st.whitecol);
        Grid& g = st.grid;
        int whites = 0;
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= cols; ++c) {
                Square& s = g[g.CellIndex(r, c)];
                s = Square();
                if (l.at(r, c)) {
                    s.BackColor = st.whitecol;
                    ++whites;
                } else {
                    s.known = true;
                    s.Black = true;
                    s.BackColor = st.blackcol;
                }
            }
        }
        if (whites == 0)
            continue;
        if (!fill(st, rng))
            continue;
        // Clues from the digits: a non-white cell heading a segment of 2 or more.
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= cols; ++c) {
                if (l.at(r, c))
                    continue;
                Square& s = g[g.CellIndex(r, c)];
                int across = 0, down = 0, na = 0, nd = 0;
                for (int c2 = c + 1; l.at(r, c2); ++c2, ++na)
                    across += g[g.CellIndex(r, c2)].Choices[0] - '0';
                for (int r2 = r + 1; l.at(r2, c); ++r2, ++nd)
                    down += g[g.CellIndex(r2, c)].Choices[0] - '0';
                s.across = na >= 2 ? across : 0;
                s.down = nd >= 2 ? down : 0;
                if (s.across || s.down) {
                    s.Black = false;
                    s.BackColor = st.greycol;
                }
            }
        }
        g.place();
        st.maxtries = 2 * rows * cols;
        return snapshotLine(g);
    }
}

} // namespace vextor::test
