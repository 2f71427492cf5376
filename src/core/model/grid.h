// The grid of cells 1..ncells, numbered row by row from the top-left cell.
#pragma once

#include "model/square.h"

#include <vector>

namespace vextor {

constexpr int kMaxRows = 15;
constexpr int kMaxCols = 18;
constexpr int kCellWidth = 624;  // twips
constexpr int kCellHeight = 564; // twips

class Grid {
public:
    int rows = 0;
    int cols = 0;
    int ncells = 0;
    // Goes up by one whenever the grid is resized (every load or new grid),
    // so work that spans event pumping can tell the grid was replaced.
    unsigned generation = 0;

    // Cell i, 1 <= i <= ncells.
    Square& operator[](int i) { return cells_[static_cast<std::size_t>(i)]; }
    const Square& operator[](int i) const { return cells_[static_cast<std::size_t>(i)]; }
    bool valid(int i) const { return i >= 1 && i <= ncells; }

    int CellIndex(int row, int col) const { return (row - 1) * cols + col; }
    int rowOf(int i) const { return (i - 1) / cols + 1; }
    int colOf(int i) const { return (i - 1) % cols + 1; }

    // Resizes to r x c: cells above r * c are removed, existing cells keep
    // their properties, new cells start with BackColor = newCellColour.
    void resize(int r, int c, Colour newCellColour);
    // Gives every cell its place in the grid area (twips).
    void place();

private:
    std::vector<Square> cells_ = std::vector<Square>(1); // element 0 is never a cell
};

} // namespace vextor
