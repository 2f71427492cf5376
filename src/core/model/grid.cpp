#include "model/grid.h"

#include "model/geometry.h"

#include <string>

namespace vextor {

std::string runString(const std::vector<int>& run) {
    std::string s;
    for (int i : run) {
        s += ' ';
        s += std::to_string(i);
        s += ',';
    }
    return s;
}

void Grid::resize(int r, int c, Colour newCellColour) {
    ++generation;
    rows = r;
    cols = c;
    ncells = r * c;
    const std::size_t oldSize = cells_.size();
    cells_.resize(static_cast<std::size_t>(ncells) + 1);
    for (std::size_t i = oldSize; i < cells_.size(); ++i)
        cells_[i].BackColor = newCellColour;
}

void Grid::place() {
    for (int i = 1; i <= ncells; ++i) {
        cells_[static_cast<std::size_t>(i)].left = cellLeft(colOf(i));
        cells_[static_cast<std::size_t>(i)].top = cellTop(rowOf(i));
    }
}

} // namespace vextor
