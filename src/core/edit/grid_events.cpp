#include "edit/grid_events.h"

#include "edit/layout_edit.h"
#include "manual/manual_solve.h"
#include "state/cursor.h"
#include "state/solution_marks.h"

namespace vextor {

void GridKeyUp(AppState& st, UserInterface& ui, const KeyEvent& key) {
    if (st.autosolving)
        return; // the solver owns the grid while it runs
    ClearSolutionMarks(st);
    if (st.manualmode)
        ManualKeyUp(st, ui, key);
    else if (st.editmode)
        EditKeyUp(st, key);
}

CellMouseResult GridMouseUp(AppState& st, const MouseEvent& ev) {
    CellMouseResult result;
    if (st.autosolving || !st.grid.valid(ev.cell) || !st.grid[ev.cell].Enabled)
        return result;
    ClearSolutionMarks(st);
    if (st.manualmode && ev.button == MouseButton::Left) {
        MoveCursor(st, ev.cell);
    } else if (st.manualmode && ev.button == MouseButton::Right) {
        // Only white cells take digits; a right click elsewhere opens nothing.
        if (!st.grid[ev.cell].known && !st.grid[ev.cell].Black) {
            st.mnucnxTag = std::to_string(ev.cell);
            result.popup = CellPopup::DigitMenu;
        }
    } else if (!st.manualmode && ev.button == MouseButton::Right) {
        result.anchor = EditRightClick(st, ev.cell, ev.y);
        result.popup = CellPopup::CellPad;
    } else {
        ApplyPending(st, ev.cell, ev.x, ev.y);
    }
    return result;
}

} // namespace vextor
