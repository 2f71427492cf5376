// Building the grid and the New Grid command.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

namespace vextor {

// Makes the grid r x c, every cell white and empty, and places it.
void BuildGrid(AppState& st, UserInterface& ui, int r, int c);

// Sizes the grid area and the main window to the current grid.
void FitGridWindow(AppState& st);

// The "New" command of the Create menu: asks for a size until it is valid or
// cancelled (after "Discard your entries?" when manual solving has entries),
// then builds an empty grid in edit mode. Returns true when built.
bool NewGridCommand(AppState& st, UserInterface& ui);

} // namespace vextor
