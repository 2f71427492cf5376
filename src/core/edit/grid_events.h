// The key and mouse events of the grid cells. Manual solving takes precedence
// over layout editing; outside both modes keys do nothing.
#pragma once

#include "base/user_interface.h"
#include "model/cell_events.h"
#include "state/app_state.h"

namespace vextor {

// What the window has to open after a mouse release on a cell.
enum class CellPopup {
    None,
    DigitMenu, // the digit menu mnucnx at the pointer, for mnucnxTag's cell
    CellPad,   // the cell pad, placed from the anchor cell
};

struct CellMouseResult {
    CellPopup popup = CellPopup::None;
    int anchor = 0; // CellPad: the cell the pad is placed from
};

void GridKeyUp(AppState& st, UserInterface& ui, const KeyEvent& key);

// A mouse release on a cell (x, y in twips inside the cell). Cells whose
// Enabled is off ignore it.
CellMouseResult GridMouseUp(AppState& st, const MouseEvent& ev);

} // namespace vextor
