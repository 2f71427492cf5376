// Toolbar buttons that only open a menu, and whether they may open it now.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

namespace vextor {

// The Print button and the Create button: false (after the message "Cancel
// AutoSolve first") while AutoSolve runs; true when the menu may open.
bool PrintButtonAllowed(const AppState& st, UserInterface& ui);
bool CreateButtonAllowed(const AppState& st, UserInterface& ui);

} // namespace vextor
