// Runs (the white cells a clue governs) and the layout check.
#pragma once

#include "base/colour.h"
#include "base/user_interface.h"
#include "shell/app_state.h"

#include <string>

namespace vextor {

// Recomputes lenacross/cellsacross/lendown/cellsdown of every cell from the
// clues and the known flags. A run shorter than 2 cells is recorded as empty.
// Black cells lose their clues and runs.
void FindRuns(Grid& grid);

// Checks the layout that FindRuns (or an equivalent rebuild) recorded.
// Returns true when the layout failed: on the first error the check stops.
// Warnings never fail. With show, every error and warning is shown through
// FlagCell; without it nothing is shown.
bool CheckLayout(AppState& st, UserInterface& ui, bool show);

// Marks the cell with a tick of the colour while the message is shown.
void FlagCell(AppState& st, UserInterface& ui, int cell, const std::string& message, Colour colour);

} // namespace vextor
