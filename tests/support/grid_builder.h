// Builds grids for tests from rows of cell tokens.
#pragma once

#include "state/app_state.h"

#include <string>
#include <vector>

namespace vextor::test {

// Each row is a line of tokens separated by blanks:
//   X      black cell
//   a,d    sum cell with across clue a and down clue d (0 = none)
//   .      white cell with no candidates
//   123    white cell with the candidate string "123"
// Replaces st.grid; every cell gets the kind's colour and flags.
void makeGrid(AppState& st, const std::vector<std::string>& rows);
// The same grid on its own, every cell coloured 0.
Grid makeGrid(const std::vector<std::string>& rows);

// The candidate strings of the grid's rows in the same token form (sum cells
// as a,d; empty white cells as "-").
std::vector<std::string> gridRows(const AppState& st);

} // namespace vextor::test
