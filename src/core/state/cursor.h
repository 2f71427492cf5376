// The selected cell (curcell) and its green tick.
#pragma once

#include "state/app_state.h"

namespace vextor {

// Hides the tick of the old curcell, makes `cell` the curcell and gives it the
// green tick. A cell outside the grid leaves no cursor (curcell 0).
void MoveCursor(AppState& st, int cell);

// The first white cell (known 0) in index order, 0 when there is none.
int firstWhiteCell(const Grid& grid);

} // namespace vextor
