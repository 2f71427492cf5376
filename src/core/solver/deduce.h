// The preparation pass and the deduction loop.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

namespace vextor {

// The most repetitions any repeat-until-unchanged loop of the solver makes on
// this grid. Replacing rules can in principle undo each other's work; a loop
// that reaches the bound is treated as making no further progress.
int SolverLoopBound(const Grid& grid);

// Empties and disables every cell, builds the first candidates and applies
// the simple rules and the sum bounds until they change nothing. Returns
// false (after the message "Invalid puzzle") when there is no white cell.
bool PrepareSolve(AppState& st, UserInterface& ui);

// Applies every rule, cycle after cycle, until a cycle settles no further
// cell and the sum bounds change nothing. Lets pending window events run
// once per cycle and stops early when a cancel has been requested; a grid
// replaced while events ran sets st.cancelsolve, and callers must then leave
// the grid alone. Returns
// the contradiction flag as it stands at the end; callers judge the grid
// with IsGridValid.
bool Deduce(AppState& st, UserInterface& ui);

} // namespace vextor
