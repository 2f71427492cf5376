// Runs: the white cells a clue governs.
#pragma once

#include "model/grid.h"

#include <vector>

namespace vextor {

// The cells to the right of (r, c) (across) or below it (down), up to the
// first known cell or the grid edge.
std::vector<int> collectRun(const Grid& grid, int r, int c, bool across);

// Black cells lose their clues and runs.
void DropBlackCellRuns(Grid& grid);

// Rebuilds the run fields of every cell, row by row, the across run of a cell
// before its down run. visit(run, clue) sees every clue's run, also one shorter
// than 2 cells, which is recorded as empty. Black cells lose their clues and
// runs at the end.
template <class Visit> void ScanRuns(Grid& grid, Visit&& visit) {
    for (int r = 1; r <= grid.rows; ++r) {
        for (int c = 1; c <= grid.cols; ++c) {
            Square& s = grid[grid.CellIndex(r, c)];
            s.cellsacross.clear();
            s.cellsdown.clear();
            s.lenacross = 0;
            s.lendown = 0;
            for (const bool across : {true, false}) {
                const int clue = across ? s.across : s.down;
                if (clue == 0)
                    continue;
                std::vector<int> run = collectRun(grid, r, c, across);
                visit(run, clue);
                if (run.size() > 1) {
                    (across ? s.lenacross : s.lendown) = static_cast<int>(run.size());
                    (across ? s.cellsacross : s.cellsdown) = std::move(run);
                }
            }
        }
    }
    DropBlackCellRuns(grid);
}

// Recomputes lenacross/cellsacross/lendown/cellsdown of every cell from the
// clues and the known flags. A run shorter than 2 cells is recorded as empty.
// Black cells lose their clues and runs.
void FindRuns(Grid& grid);

} // namespace vextor
