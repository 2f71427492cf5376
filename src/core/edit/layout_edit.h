// Drawing a layout: black, sum and white cells, clues from the cell pad or
// typed on the grid, the Edit and Clear commands of the Create menu.
#pragma once

#include "base/user_interface.h"
#include "model/cell_events.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// The cell named by mnumainTag (a plain index, or "A"/"D" and the index);
// 0 when it names no cell of the grid.
int mnumainCell(const AppState& st);

// The handlers of the cell menu mnumain, on the cell of its Tag.
// None of them touches Choices. Like every other change of the layout below,
// they do nothing while AutoSolve runs: the solver owns the grid then.
void MakeBlack(AppState& st);
void MakeWhite(AppState& st);
void MakeSum(AppState& st); // a sum cell whose clues are not given yet (-1)

// Create > Edit: enters edit mode; refused while AutoSolve runs and in manual
// mode. Returns true when edit mode was entered.
bool EditCommand(AppState& st, UserInterface& ui);

// Create > Clear: after "Discard your entries?" (manual solving with entries
// only) and "Clear grid?" are answered Yes (No is their default), removes every digit
// and turns every clue into "not given" (-1), black cells included; the
// layout stays. Refused while AutoSolve runs. Returns true when cleared.
bool ClearGridCommand(AppState& st, UserInterface& ui);

// The left-click handling of a cell outside manual mode (and of clicks with
// the other buttons in manual mode): moves the cursor, applies pendingaction
// to the cell at (x, y) twips inside it, and clears pendingaction.
void ApplyPending(AppState& st, int cell, int x, int y);

// The hidden button the cell pad presses: applies pendingaction to the cell
// of mnumainTag, an unpaired number going to the side the Tag names. A Tag
// that names no cell (the grid has shrunk since) clears pendingaction.
void Command10Click(AppState& st);

// A right click outside manual mode: sets mnumainTag ("A" in the upper
// 350 twips, "D" below), moves the cursor to the cell and returns the anchor
// cell that the cell pad is placed from.
int EditRightClick(AppState& st, int cell, int y);

// Keys in edit mode (manual mode off, edit mode on), acting on curcell.
void EditKeyUp(AppState& st, const KeyEvent& key);

// A mouse release on the main window's background.
void BackgroundClick(AppState& st);

} // namespace vextor
