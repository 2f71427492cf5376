// Hint while solving by hand: the logic engine's next step from the
// player's grid, told in three presses.
#pragma once

#include "base/user_interface.h"
#include "logic/logic_engine.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// The player's grid as the logic engine reads it: an entry (one digit) is a
// placed digit; an open cell has its pencil marks when Edit Pencil Marks is
// on, otherwise its candidates (and so has a cell whose notes, started
// empty, were not written yet).
LogicState PlayerCandidates(const AppState& st);

// Hint (Manual Solve menu, key H). First the grid is checked against the
// solution (the exact solver's): an entry that differs from it, or marks
// that no longer hold its digit, is named and ticked red, its digit never
// told. Otherwise the presses on one step: the first ticks the cells the
// next step reads (yellow) and names its technique, the second tells the
// step in a sentence, the third applies it as one undo entry (Undo Last
// Entry takes the whole step back). A change on the grid starts again at
// the first press. A puzzle with no solution or several gets a sentence
// instead. Everything is told in the hint line (HintText), never in a
// message box; refused while AutoSolve runs.
void HintCommand(AppState& st, UserInterface& ui);

// The hint line: the text of the last hint on this grid, empty otherwise.
std::string HintText(const AppState& st);

// Empties the hint line and starts the presses again.
void ClearHint(AppState& st);

} // namespace vextor
