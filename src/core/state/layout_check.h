// The layout check: errors and warnings about the runs FindRuns recorded.
#pragma once

#include "base/colour.h"
#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// Checks the layout that FindRuns (or an equivalent rebuild) recorded.
// Returns true when the layout failed: on the first error the check stops.
// Warnings never fail. With show, every error and warning is shown through
// FlagCell; without it nothing is shown.
bool CheckLayout(AppState& st, UserInterface& ui, bool show);

// Whether the black cell heads two white cells below it (down) or to its
// right: a run without a clue.
bool HeadsTwoWhiteCells(const AppState& st, int cell, bool down);

// Marks the cell with a tick of the colour while the message is shown.
void FlagCell(AppState& st, UserInterface& ui, int cell, const std::string& message, Colour colour);

} // namespace vextor
