#include "create/random_layout.h"

#include "base/text.h"
#include "create/compile.h"
#include "model/runs.h"
#include "state/grid_commands.h"

#include <algorithm>
#include <utility>

namespace vextor {

namespace {

int rounded(double v) {
    return static_cast<int>(roundHalfEven(v));
}

// colorder must hold cols and ncells entries, roworder rows entries.
void sizeOrders(AppState& st) {
    const Grid& g = st.grid;
    const std::size_t n = static_cast<std::size_t>(std::max(g.ncells, g.cols)) + 1;
    if (st.creator.colorder.size() < n)
        st.creator.colorder.resize(n, 0);
    if (st.creator.roworder.size() < static_cast<std::size_t>(g.rows) + 1)
        st.creator.roworder.resize(static_cast<std::size_t>(g.rows) + 1, 0);
}

void shuffleDown(AppState& st, std::vector<int>& order, int n, bool wholeRange) {
    for (int k = n; k >= 1; --k) {
        const int j = st.rng.draw(wholeRange ? n : k);
        std::swap(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(j)]);
    }
}

} // namespace

double DensityFactor(int ncells) {
    if (ncells > 100)
        return 1.5;
    if (ncells == 100)
        return 2.0;
    if (ncells >= 51)
        return 2.5;
    if (ncells == 50)
        return 2.0;
    if (ncells >= 25)
        return 3.0;
    return 2.0;
}

void ShuffleColumns(AppState& st) {
    sizeOrders(st);
    shuffleDown(st, st.creator.colorder, st.grid.cols, false);
}

void ShuffleRows(AppState& st) {
    sizeOrders(st);
    shuffleDown(st, st.creator.roworder, st.grid.rows, false);
}

void ShuffleCells(AppState& st, int n) {
    sizeOrders(st);
    auto& order = st.creator.colorder;
    if (order.size() < static_cast<std::size_t>(n) + 1)
        order.resize(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 1; k <= n; ++k)
        order[static_cast<std::size_t>(k)] = k;
    shuffleDown(st, order, n, true);
}

void ApplyColours(AppState& st) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        s.known = true;
        s.Black = false;
        s.across = 0;
        s.down = 0;
        if (s.BackColor == st.whitecol)
            s.known = false;
        if (s.BackColor == st.blackcol)
            s.Black = true;
        if (s.BackColor == st.greycol) {
            s.across = -1;
            s.down = -1;
        }
    }
}

void BreakLongRuns(AppState& st) {
    Grid& g = st.grid;
    const auto blacken = [&](int cell) {
        if (!g.valid(cell))
            return;
        g[cell].BackColor = st.blackcol;
        g[cell].Black = true;
        g[cell].known = true;
    };
    for (int i = 1; i <= g.ncells; ++i) {
        if (g[i].lenacross >= g.cols - 2 && !g[i].cellsacross.empty()) {
            const int x = g[i].cellsacross.back();
            blacken(x);
            blacken(x - rounded(g.cols / 2.0));
        }
        if (g[i].lendown >= g.rows - 2 && !g[i].cellsdown.empty()) {
            const int x = g[i].cellsdown.back();
            blacken(x);
            blacken(x - rounded(g.rows / 2.0));
        }
    }
}

void RandomLayout(AppState& st) {
    Grid& g = st.grid;
    sizeOrders(st);
    auto& colorder = st.creator.colorder;
    auto& roworder = st.creator.roworder;
    const auto paint = [&](int cell, Colour colour) {
        if (g.valid(cell))
            g[cell].BackColor = colour;
    };
    const auto colourOf = [&](int cell) { return g.valid(cell) ? g[cell].BackColor : 0; };
    // 1-3.
    for (int i = 1; i <= g.ncells; ++i) {
        g[i].Choices.clear();
        g[i].BackColor = st.whitecol;
    }
    for (int c = 1; c <= g.cols; ++c)
        colorder[static_cast<std::size_t>(c)] = c;
    for (int r = 1; r <= g.rows; ++r)
        roworder[static_cast<std::size_t>(r)] = r;
    for (int c = 1; c <= g.cols; ++c)
        paint(g.CellIndex(1, c), st.greycol);
    // 4. Black cells in row 1, each with its partner turned half a turn.
    ShuffleColumns(st);
    const double f = DensityFactor(g.ncells);
    for (int k = 1; k <= rounded(g.cols / f); ++k) {
        const int c = colorder[static_cast<std::size_t>(k)];
        paint(g.CellIndex(1, c), st.blackcol);
        paint(g.CellIndex(g.rows, g.cols - c + 1), st.blackcol);
    }
    // 5-7. Column 1.
    paint(1, st.blackcol);
    paint(g.ncells, st.blackcol);
    for (int r = 2; r <= g.rows; ++r)
        paint(g.CellIndex(r, 1), st.greycol);
    ShuffleRows(st);
    for (int k = 1; k <= rounded(g.rows / f); ++k)
        paint(g.CellIndex(roworder[static_cast<std::size_t>(k)], 1), st.blackcol);
    // 8-10. Sum cells next to black cells of the edges.
    if (g.ncells >= 2 && g.cols + 1 <= g.ncells && colourOf(1) == st.blackcol &&
        colourOf(2) == st.blackcol && colourOf(g.cols + 1) == st.blackcol)
        paint(2, st.greycol);
    if (g.rows >= 2)
        for (int c = 4; c <= g.cols - 2; ++c)
            if (colourOf(g.CellIndex(1, c)) == st.blackcol)
                paint(g.CellIndex(2, c), st.greycol);
    if (g.cols >= 2)
        for (int r = 4; r <= g.rows - 2; ++r)
            if (colourOf(g.CellIndex(r, 1)) == st.blackcol)
                paint(g.CellIndex(r, 2), st.greycol);
    // 11. Interior sum cells: the whole part of f * ncells / 10 of them.
    ShuffleCells(st, g.ncells);
    const double limit = f * g.ncells / 10;
    int count = 0;
    for (int k = 1; k <= g.ncells; ++k) {
        const int cell = colorder[static_cast<std::size_t>(k)];
        const int r = g.rowOf(cell);
        const int c = g.colOf(cell);
        if (r < 3 || r > g.rows - 2 || c < 3)
            continue;
        ++count;
        if (count > limit)
            break;
        paint(cell, st.greycol);
    }
    // 12-13.
    if (colourOf(g.ncells) == st.greycol)
        paint(g.ncells, st.blackcol);
    ApplyColours(st);
    PruneClues(g);
    FindCreationRuns(g);
    BreakLongRuns(st);
    FindCreationRuns(g);
}

bool AdjustGreyCells(AppState& st, UserInterface& ui, bool showMessages) {
    Grid& g = st.grid;
    PruneClues(g);
    FindCreationRuns(g);
    const auto paint = [&](int cell, Colour colour) {
        if (g.valid(cell))
            g[cell].BackColor = colour;
    };
    // Short runs.
    std::vector<char>& covered = st.creator.covered;
    covered.assign(static_cast<std::size_t>(g.ncells) + 1, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const int c = g.colOf(i);
        if (s.across != 0 && s.lenacross < 2) {
            if (c > g.cols - 2) {
                paint(i, st.blackcol);
            } else {
                paint(i + 1, st.whitecol);
                paint(i + 2, st.whitecol);
            }
            return false;
        }
        if (s.down != 0 && s.lendown < 2) {
            if (i + 2 * g.cols > g.ncells) {
                paint(i, st.blackcol);
            } else {
                paint(i + g.cols, st.whitecol);
                paint(i + 2 * g.cols, st.whitecol);
            }
            return false;
        }
        for (const auto* run : {&s.cellsacross, &s.cellsdown})
            for (int j : *run)
                if (g.valid(j))
                    covered[static_cast<std::size_t>(j)] = 1;
    }
    // Uncovered white cells.
    for (int i = 1; i <= g.ncells; ++i) {
        if (!g[i].known && !covered[static_cast<std::size_t>(i)]) {
            paint(i, st.greycol);
            return false;
        }
    }
    // Runs without a head.
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            const int i = g.CellIndex(r, c);
            if (!g[i].Black)
                continue;
            if (r <= g.rows - 2 && g[i + g.cols].BackColor == st.whitecol &&
                g[i + 2 * g.cols].BackColor == st.whitecol) {
                paint(i, st.greycol);
                g[i].down = -1;
                return false;
            }
            if (c <= g.cols - 2 && g[i + 1].BackColor == st.whitecol &&
                g[i + 2].BackColor == st.whitecol) {
                paint(i, st.greycol);
                g[i].across = -1;
                return false;
            }
        }
    }
    // Connection.
    std::vector<int> region;
    if (FindChains(st, region)) {
        if (showMessages) {
            MarkCells(st, region);
            ui.message("Cells are blocked");
        }
        return false;
    }
    for (int i = 1; i <= g.ncells; ++i)
        if (g[i].BackColor == st.greycol && g[i].across == 0 && g[i].down == 0)
            g[i].BackColor = st.blackcol;
    ApplyColours(st);
    return true;
}

RandomPuzzleResult CreateRandomPuzzle(AppState& st, UserInterface& ui, int* layouts) {
    Grid& g = st.grid;
    const unsigned generation = g.generation;
    st.maxtries = rounded(g.ncells / 2.0);
    int drawn = 0;
    std::vector<std::vector<Colour>> seen;
    if (layouts)
        *layouts = 0;
    while (drawn < kMaxRandomLayouts) {
        if (st.cancelsolve || g.generation != generation)
            return RandomPuzzleResult::Cancelled;
        ++drawn;
        if (layouts)
            *layouts = drawn;
        RandomLayout(st);
        // The repairs depend on the colours alone: colours seen before in
        // this layout mean it goes round in a circle and is never valid.
        seen.clear();
        bool valid = false;
        for (int steps = 1;; ++steps) {
            valid = AdjustGreyCells(st, ui, false);
            for (int i = 1; i <= g.ncells; ++i)
                if (g[i].BackColor == st.greycol && g[i].across == 0 && g[i].down == 0)
                    g[i].BackColor = st.blackcol;
            ApplyColours(st);
            ui.pumpEvents();
            if (g.generation != generation)
                return RandomPuzzleResult::Cancelled;
            if (steps > st.maxtries) {
                valid = false;
                break;
            }
            if (valid)
                break;
            std::vector<Colour> colours(static_cast<std::size_t>(g.ncells));
            for (int i = 1; i <= g.ncells; ++i)
                colours[static_cast<std::size_t>(i - 1)] = g[i].BackColor;
            if (std::find(seen.begin(), seen.end(), colours) != seen.end())
                break;
            seen.push_back(std::move(colours));
        }
        if (!valid)
            continue;
        for (int i = 1; i <= g.ncells; ++i) {
            g[i].Choices.clear();
            g[i].acrosscol = st.blackcol;
            g[i].downcol = st.blackcol;
            g[i].tick = 0;
        }
        // A layout without white cells compiles but is no puzzle.
        bool white = false;
        for (int i = 1; i <= g.ncells && !white; ++i)
            white = !g[i].known;
        if (white && CompileGrid(st, ui, false, false) == CompileResult::Compiled)
            return RandomPuzzleResult::Made;
    }
    ui.message("Unable to create a random puzzle of " + plainNumber(g.rows) + "x" +
               plainNumber(g.cols) + " after" + spacedNumber(drawn) + " layouts");
    return RandomPuzzleResult::GaveUp;
}

void BuildCreationGrid(AppState& st, UserInterface& ui, int rows, int cols) {
    const bool cancel = st.cancelsolve;
    BuildGrid(st, ui, rows, cols);
    st.cancelsolve = cancel;
    st.texts.gridSize = plainNumber(rows) + "x" + plainNumber(cols);
    st.editmode = false;
    st.manualmode = false;
    st.interactive = false;
}

void CreateNewRandomCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    RandomPuzzleResult result;
    {
        CreationRunning running(st);
        st.cancelsolve = false;
        BusyPointer busy(ui);
        HiddenGrid hidden(ui);
        BuildCreationGrid(st, ui, 10, 10);
        FitGridWindow(st);
        result = CreateRandomPuzzle(st, ui);
        st.cancelsolve = false;
    }
    if (result == RandomPuzzleResult::Cancelled)
        ui.message("Cancelled");
}

} // namespace vextor
