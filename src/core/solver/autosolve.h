// The AutoSolve driver, its buttons, and interactive solving.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

inline constexpr const char* kNoValidSolution =
    "There appears to be no valid solution to this puzzle\r\nPlease check the puzzle layout";

// The message shown for an outcome (empty for GaveUp).
std::string OutcomeMessage(SolveOutcome outcome);

// Solves the puzzle in the grid: checks the layout, builds the candidates,
// deduces, then guesses until the grid holds a real solution, the user
// cancels or the try limit stops it. With showMessages the outcome is shown
// and the try limit asks whether to go on; without, nothing is shown and the
// guessing gives up at the limit. Entered while running, it requests a cancel.
SolveOutcome RunAutoSolve(AppState& st, UserInterface& ui, bool showMessages);

// The Auto Solve button: ignored while AutoSolve runs; otherwise sets the try
// limit to 2 x rows x cols and runs AutoSolve with messages under the busy
// pointer.
void AutoSolveCommand(AppState& st, UserInterface& ui);

// The Cancel Auto Solve button.
void CancelAutoSolveCommand(AppState& st);

// Solve Interactively: the first use deduces and checks the layout; every
// further use makes one guessing step, or says "Done" on a full grid.
void SolveInteractivelyCommand(AppState& st, UserInterface& ui);

} // namespace vextor
