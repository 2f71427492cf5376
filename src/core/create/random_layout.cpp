#include "create/random_layout.h"

#include "base/text.h"
#include "create/compile.h"
#include "model/grid_checks.h"
#include "model/runs.h"
#include "state/grid_commands.h"
#include "state/play_aids.h"

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

namespace {

// Draws on the cells' colours.
struct ColourCanvas {
    AppState& st;
    Colour colourOf(CellKind k) const {
        return k == kWhite ? st.whitecol : k == kGrey ? st.greycol : st.blackcol;
    }
    void begin() {
        for (int i = 1; i <= st.grid.ncells; ++i) {
            st.grid[i].Choices.clear();
            st.grid[i].BackColor = st.whitecol;
        }
    }
    void set(int cell, CellKind k) {
        if (st.grid.valid(cell))
            st.grid[cell].BackColor = colourOf(k);
    }
    bool is(int cell, CellKind k) const {
        return st.grid.valid(cell) && st.grid[cell].BackColor == colourOf(k);
    }
};

// Draws on cell kinds (index 0 unused).
struct KindCanvas {
    std::vector<unsigned char>& kind;
    int n;
    void begin() { std::fill(kind.begin(), kind.end(), kWhite); }
    void set(int cell, CellKind k) {
        if (cell >= 1 && cell <= n)
            kind[static_cast<std::size_t>(cell)] = k;
    }
    bool is(int cell, CellKind k) const {
        return cell >= 1 && cell <= n && kind[static_cast<std::size_t>(cell)] == k;
    }
};

// Steps 1 to 12 of RandomLayout: the kinds of a new layout.
template <class Canvas> void drawLayout(AppState& st, Canvas& canvas) {
    const Grid& g = st.grid;
    sizeOrders(st);
    auto& colorder = st.creator.colorder;
    auto& roworder = st.creator.roworder;
    // 1-3.
    canvas.begin();
    for (int c = 1; c <= g.cols; ++c)
        colorder[static_cast<std::size_t>(c)] = c;
    for (int r = 1; r <= g.rows; ++r)
        roworder[static_cast<std::size_t>(r)] = r;
    for (int c = 1; c <= g.cols; ++c)
        canvas.set(g.CellIndex(1, c), kGrey);
    // 4. Black cells in row 1, each with its partner turned half a turn.
    ShuffleColumns(st);
    const double f = DensityFactor(g.ncells);
    const int topBlacks = rounded(g.cols / f);
    for (int k = 1; k <= topBlacks; ++k) {
        const int c = colorder[static_cast<std::size_t>(k)];
        canvas.set(g.CellIndex(1, c), kBlack);
        canvas.set(g.CellIndex(g.rows, g.cols - c + 1), kBlack);
    }
    // 5-7. Column 1.
    canvas.set(1, kBlack);
    canvas.set(g.ncells, kBlack);
    for (int r = 2; r <= g.rows; ++r)
        canvas.set(g.CellIndex(r, 1), kGrey);
    ShuffleRows(st);
    const int sideBlacks = rounded(g.rows / f);
    for (int k = 1; k <= sideBlacks; ++k)
        canvas.set(g.CellIndex(roworder[static_cast<std::size_t>(k)], 1), kBlack);
    // 8-10. Sum cells next to black cells of the edges.
    if (g.ncells >= 2 && g.cols + 1 <= g.ncells && canvas.is(1, kBlack) && canvas.is(2, kBlack) &&
        canvas.is(g.cols + 1, kBlack))
        canvas.set(2, kGrey);
    if (g.rows >= 2)
        for (int c = 4; c <= g.cols - 2; ++c)
            if (canvas.is(g.CellIndex(1, c), kBlack))
                canvas.set(g.CellIndex(2, c), kGrey);
    if (g.cols >= 2)
        for (int r = 4; r <= g.rows - 2; ++r)
            if (canvas.is(g.CellIndex(r, 1), kBlack))
                canvas.set(g.CellIndex(r, 2), kGrey);
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
        canvas.set(cell, kGrey);
    }
    if (canvas.is(g.ncells, kGrey))
        canvas.set(g.ncells, kBlack);
}

} // namespace

void RandomLayout(AppState& st) {
    Grid& g = st.grid;
    ColourCanvas canvas{st};
    drawLayout(st, canvas);
    ApplyColours(st);
    PruneClues(g);
    FindCreationRuns(g);
    BreakLongRuns(st);
    FindCreationRuns(g);
}

namespace {

// A valid layout onto the grid, with the runs and the white area as the last
// step left them.
void showValid(AppState& st, const KindRepairs& sim) {
    Grid& g = st.grid;
    paintKinds(st, sim.kind);
    PruneClues(g);
    FindCreationRuns(g);
    std::vector<int> region;
    FindChains(st, region);
}

// RandomLayout and the repair loop on the cell kinds (KindRepairs). A valid
// layout is painted onto the grid; events run once per layout.
bool repairOnKinds(AppState& st, UserInterface& ui, KindRepairs& sim) {
    KindCanvas canvas{sim.kind, st.grid.ncells};
    drawLayout(st, canvas);
    sim.breakLongRuns();
    const bool valid = sim.repair(st.maxtries);
    ui.pumpEvents();
    if (valid)
        showValid(st, sim);
    return valid;
}

} // namespace

RandomPuzzleResult CreateRandomPuzzle(AppState& st, UserInterface& ui, int* layouts) {
    Grid& g = st.grid;
    const unsigned generation = g.generation;
    st.maxtries = rounded(g.ncells / 2.0);
    // The kinds stand for the colours only when the colours differ.
    const bool byKinds = !st.creator.literalRepairs && KindRepairs::fits(g.rows, g.cols) &&
                         st.whitecol != st.greycol && st.whitecol != st.blackcol &&
                         st.greycol != st.blackcol && st.redcol != st.whitecol;
    KindRepairs sim(g.rows, g.cols);
    int drawn = 0;
    if (layouts)
        *layouts = 0;
    // When creation stops, the grid shows the last layout drawn.
    const auto stop = [&](RandomPuzzleResult result) {
        if (byKinds && drawn > 0 && g.generation == generation)
            paintKinds(st, sim.kind);
        return result;
    };
    while (drawn < kMaxRandomLayouts) {
        if (st.cancelsolve || g.generation != generation)
            return stop(RandomPuzzleResult::Cancelled);
        ++drawn;
        if (layouts)
            *layouts = drawn;
        bool valid = false;
        if (byKinds) {
            valid = repairOnKinds(st, ui, sim);
        } else {
            RandomLayout(st);
            valid = repairOnRecords(st, ui, generation);
        }
        if (g.generation != generation)
            return stop(RandomPuzzleResult::Cancelled);
        if (!valid)
            continue;
        resetCells(g, st.blackcol);
        // A layout without white cells compiles but is no puzzle.
        bool white = false;
        for (int i = 1; i <= g.ncells && !white; ++i)
            white = !g[i].known;
        if (white && CompileGrid(st, ui, false, false) == CompileResult::Compiled)
            return RandomPuzzleResult::Made;
    }
    stop(RandomPuzzleResult::GaveUp);
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
    if (!ConfirmDiscardEntries(st, ui))
        return;
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
