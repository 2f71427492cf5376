#include "model/grid_checks.h"

#include <algorithm>

namespace vextor {

void SnapshotChoices(Grid& grid) {
    for (int i = 1; i <= grid.ncells; ++i)
        grid[i].Choices0 = grid[i].Choices;
}

void RestoreChoices(Grid& grid) {
    for (int i = 1; i <= grid.ncells; ++i)
        grid[i].Choices = grid[i].Choices0;
}

void clearCellMarks(Grid& grid, Colour clueColour) {
    for (int i = 1; i <= grid.ncells; ++i) {
        Square& s = grid[i];
        s.acrosscol = clueColour;
        s.downcol = clueColour;
        s.tick = 0;
    }
}

void resetCells(Grid& grid, Colour clueColour) {
    for (int i = 1; i <= grid.ncells; ++i)
        grid[i].Choices.clear();
    clearCellMarks(grid, clueColour);
}

bool IsGridFullNoEvents(const Grid& grid) {
    int atMostOne = 0;
    int empty = 0;
    for (int i = 1; i <= grid.ncells; ++i) {
        const std::size_t n = grid[i].Choices.size();
        if (n < 2)
            ++atMostOne;
        if (n == 0)
            ++empty;
    }
    return atMostOne == grid.ncells && empty != grid.ncells;
}

bool IsGridFull(const Grid& grid, UserInterface& ui) {
    const bool full = IsGridFullNoEvents(grid);
    ui.pumpEvents();
    return full;
}

std::string SortDigits(std::string s) {
    std::sort(s.begin(), s.end());
    return s;
}

std::string snapshotLine(const Grid& grid, bool saved) {
    std::string line;
    for (int i = 1; i <= grid.ncells; ++i) {
        line += saved ? grid[i].Choices0 : grid[i].Choices;
        line += ',';
    }
    return line;
}

void restoreSnapshotLine(Grid& grid, const std::string& line) {
    std::size_t start = 0;
    for (int i = 1; i <= grid.ncells; ++i) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string::npos)
            return;
        grid[i].Choices = line.substr(start, comma - start);
        start = comma + 1;
    }
}

bool HasWhiteCell(const Grid& grid) {
    for (int i = 1; i <= grid.ncells; ++i)
        if (!grid[i].known)
            return true;
    return false;
}

} // namespace vextor
