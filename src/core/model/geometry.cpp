#include "model/geometry.h"

namespace vextor {

WindowFit FitGridWindow(int rows, int cols) {
    WindowFit fit;
    fit.gridWidth = cols > 10 ? cols * kCellWidth + 150 : 6450;
    fit.gridHeight = rows * kCellHeight + 120;
    fit.windowWidth = fit.gridWidth + 150;
    fit.windowHeight = kGridAreaTop + fit.gridHeight + 500;
    return fit;
}

int cellAt(const Grid& grid, int x, int y) {
    for (int i = 1; i <= grid.ncells; ++i) {
        const Square& s = grid[i];
        if (x >= s.left && x < s.left + kCellWidth && y >= s.top && y < s.top + kCellHeight)
            return i;
    }
    return 0;
}

} // namespace vextor
