// Whole-grid helpers shared by manual solving and the solver.
#pragma once

#include "base/user_interface.h"
#include "model/grid.h"

#include <string>

namespace vextor {

// Choices0 = Choices for every cell.
void SnapshotChoices(Grid& grid);
// Choices = Choices0 for every cell.
void RestoreChoices(Grid& grid);

// Hides every cell's marks: both clue colours back to clueColour (blackcol),
// the tick off.
void clearCellMarks(Grid& grid, Colour clueColour);
// clearCellMarks, and every cell's Choices emptied: the cells as a command
// that starts over finds them.
void resetCells(Grid& grid, Colour clueColour);

// True when every cell has at most one candidate and not every cell is empty.
// Lets pending window events run once before it returns.
bool IsGridFull(const Grid& grid, UserInterface& ui);
// The same test without letting events run (for hot loops and queries).
bool IsGridFullNoEvents(const Grid& grid);

// Whether some cell is a white cell (not known): a grid without one holds no
// puzzle.
bool HasWhiteCell(const Grid& grid);

// The characters of s in ascending order, repeated characters kept.
std::string SortDigits(std::string s);

// The snapshot line of a grid: Choices (or Choices0) of cells 1..ncells, each
// followed by a comma.
std::string snapshotLine(const Grid& grid, bool saved = false);
// Restores Choices of cells 1..ncells from a snapshot line; fields missing at
// the end leave their cells unchanged.
void restoreSnapshotLine(Grid& grid, const std::string& line);

} // namespace vextor
