// Placement of cells and sizing of the grid area and the main window, in twips.
#pragma once

#include "model/grid.h"

namespace vextor {

constexpr int kGridAreaLeft = 48;
constexpr int kGridAreaTop = 696;

// Column c has Left c * cellwidth - 570; row r has Top 50 + (r - 1) * cellheight.
constexpr int cellLeft(int col) { return col * kCellWidth - 570; }
constexpr int cellTop(int row) { return 50 + (row - 1) * kCellHeight; }

struct WindowFit {
    int gridWidth = 0;    // Picture1
    int gridHeight = 0;
    int windowWidth = 0;  // main window
    int windowHeight = 0;
};

WindowFit FitGridWindow(int rows, int cols);

// The cell under a point of the grid area (twips), 0 when none.
int cellAt(const Grid& grid, int x, int y);

} // namespace vextor
