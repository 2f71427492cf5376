#include "support/random_puzzle.h"

#include "model/grid_checks.h"

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
    // Length of the white segment through (r, c) across or down.
    int segment(int r, int c, bool across) const {
        int n = 0;
        for (int k = -1; at(r + (across ? 0 : k), c + (across ? k : 0)); --k)
            ++n;
        for (int k = 0; at(r + (across ? 0 : k), c + (across ? k : 0)); ++k)
            ++n;
        return n;
    }
};

// Repairs the layout until every white cell is in a 2..9 segment one way and
// in no segment longer than 9 either way.
bool repair(Layout& l, std::mt19937_64& rng) {
    for (int pass = 0; pass < 200; ++pass) {
        bool ok = true;
        for (int r = 2; r <= l.rows; ++r) {
            for (int c = 2; c <= l.cols; ++c) {
                if (!l.at(r, c))
                    continue;
                const int a = l.segment(r, c, true), d = l.segment(r, c, false);
                if (a > 9 || d > 9 || (a < 2 && d < 2))
                    ok = false;
                if (a > 9 || d > 9) {
                    l.set(r, c, false);
                } else if (a < 2 && d < 2) { // join a neighbour, or drop the cell
                    const int pick = static_cast<int>(rng() % 3);
                    if (pick == 0 && c < l.cols)
                        l.set(r, c + 1, true);
                    else if (pick == 1 && r < l.rows)
                        l.set(r + 1, c, true);
                    else
                        l.set(r, c, false);
                }
            }
        }
        if (ok)
            return true;
    }
    return false;
}

// Fills every white cell with a digit, distinct within each segment, by
// backtracking over shuffled digit orders.
bool fill(Grid& g, std::mt19937_64& rng) {
    std::vector<int> cells;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known)
            cells.push_back(i);
    std::vector<int> digit(static_cast<std::size_t>(g.ncells) + 1, 0);
    auto allowed = [&](int i, int d) {
        for (auto [dr, dc] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}})
            for (int r = g.rowOf(i) + dr, c = g.colOf(i) + dc;
                 r >= 1 && c >= 1 && r <= g.rows && c <= g.cols && !g[g.CellIndex(r, c)].known;
                 r += dr, c += dc)
                if (digit[static_cast<std::size_t>(g.CellIndex(r, c))] == d)
                    return false;
        return true;
    };
    long budget = 200000;
    std::vector<std::vector<int>> orders(cells.size());
    std::vector<std::size_t> next(cells.size(), 0);
    for (std::size_t pos = 0; pos < cells.size();) {
        if (--budget < 0)
            return false;
        if (next[pos] == 0) {
            orders[pos] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
            std::shuffle(orders[pos].begin(), orders[pos].end(), rng);
        }
        const auto i = static_cast<std::size_t>(cells[pos]);
        digit[i] = 0;
        while (next[pos] < 9 && digit[i] == 0) {
            const int d = orders[pos][next[pos]++];
            if (allowed(cells[pos], d))
                digit[i] = d;
        }
        if (digit[i] != 0 && ++pos < cells.size())
            next[pos] = 0;
        else if (digit[i] == 0 && pos-- == 0)
            return false;
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
        // White cells, and black ones elsewhere until they get a clue.
        st.grid = Grid();
        Grid& g = st.grid;
        g.resize(rows, cols, st.whitecol);
        int whites = 0;
        for (int i = 1; i <= g.ncells; ++i) {
            Square& s = g[i];
            s = Square();
            s.known = s.Black = !l.at(g.rowOf(i), g.colOf(i));
            s.BackColor = s.Black ? st.blackcol : st.whitecol;
            whites += !s.Black;
        }
        if (whites == 0 || !fill(g, rng))
            continue;
        // Clues from the digits: a non-white cell heading a segment of 2 or more.
        for (int i = 1; i <= g.ncells; ++i) {
            const int r = g.rowOf(i), c = g.colOf(i);
            if (l.at(r, c))
                continue;
            Square& s = g[i];
            int sums[2] = {0, 0};
            for (int way = 0; way < 2; ++way) {
                int n = 0;
                for (int k = 1; way ? l.at(r + k, c) : l.at(r, c + k); ++k, ++n)
                    sums[way] +=
                        g[way ? g.CellIndex(r + k, c) : g.CellIndex(r, c + k)].Choices[0] - '0';
                sums[way] = n >= 2 ? sums[way] : 0;
            }
            s.across = sums[0];
            s.down = sums[1];
            if (s.across || s.down) {
                s.Black = false;
                s.BackColor = st.greycol;
            }
        }
        g.place();
        st.maxtries = 2 * rows * cols;
        return snapshotLine(g);
    }
}

} // namespace vextor::test
