// Solving by hand: starting the mode, entering digits through the digit menu
// or the keys, checking the grid, undoing entries, verifying.
#pragma once

#include "base/user_interface.h"
#include "model/cell_events.h"
#include "state/app_state.h"

#include <string>
#include <vector>

namespace vextor {

// VerifyEntries results.
enum class VerifyResult {
    Clean = 0,     // no conflict found, the grid is not full yet
    Conflict = -1, // at least one conflict was marked with red ticks
    Complete = 99, // full, no conflict, every run adds up to its clue
};

// Items of the digit menu mnucnx: 0..8 enter the digits 1..9.
constexpr int kDigitMenuReset = 10;
constexpr int kDigitMenuCancel = 11;

// Solve Manually: with entries on the grid, first asks "Discard your entries?"
// (No keeps them). Clears every entry, gives each white cell the candidates its
// runs allow, colours the clues, writes the undo file and puts the cursor on
// the first white cell (none when there is no white cell).
// It also forgets the puzzle's saved game and starts the clock from 0.
void StartManualSolve(AppState& st, UserInterface& ui);
// Its steps after the question, on the grid as it is: what resuming a saved
// game starts from. Empties the status line.
void BeginManualMode(AppState& st);

// Rebuilds the runs and gives each white cell the shorter of its two runs'
// table strings (the down one on a tie), in ascending order.
void PrepareManualCandidates(AppState& st);

// Clue colours: green for a complete run that adds up, red otherwise; a
// complete run that does not add up also gets red ticks.
void ColourRunSums(AppState& st);
// The clue colours of Check As You Go: as ColourRunSums, but a run not yet
// complete keeps the plain clue colour (blackcol).
void ColourCompleteRuns(AppState& st);

// Red ticks on the listed cells.
void TickCells(AppState& st, const std::vector<int>& cells);
void TickCells(AppState& st, int cell);

// Records an undo entry and writes the digit into the cell.
void EnterDigit(AppState& st, int cell, const std::string& digit);

// Marks duplicate digits in a run and impossible single open cells with red
// ticks (all earlier ticks, the cursor's included, are cleared first).
// Complete only for a full grid without any conflict whose every run adds up.
// It lets window events run once; when they replaced the grid (a puzzle was
// loaded), it stops there with Clean and callers must not touch the new cells.
// Run lists are only followed inside the grid.
VerifyResult VerifyEntries(AppState& st, UserInterface& ui);

// The digit menu's handler for item k on the cell of mnucnxTag. Like the keys
// below, it does nothing while AutoSolve runs: the solver owns the grid then.
// With shift (Shift+click, Shift+digit) and Edit Pencil Marks on, a digit
// item removes or restores that pencil mark instead of entering the digit.
void DigitMenuClick(AppState& st, UserInterface& ui, int k, bool shift = false);

// Undo Last Entry: takes back the newest entry; with none left, restarts the
// puzzle from its starting candidates. Refused while AutoSolve runs.
void UndoLastEntry(AppState& st, UserInterface& ui);

// The cells an undo entry names, with the Choices it gives back: "cell,prev",
// or a group "G" followed by ";cell,prev" for each cell (a hint applied, Fill
// In Candidates; "G" alone changes only pencil marks).
struct UndoChange {
    int cell = 0;
    std::string choices;
};
std::vector<UndoChange> undoChanges(const std::string& entry);
// The entry that gives the same cells back their Choices as they are now.
std::string reverseEntry(const Grid& g, const std::string& entry);

// Redo: makes the entry last taken back by Undo again, with the pencil marks
// it left, and checks the grid as after an entry. A new entry, a restart and
// the start of the mode forget what could be redone. Refused while AutoSolve
// runs.
void RedoLastEntry(AppState& st, UserInterface& ui);

// After a change made for the player (a redo, an applied hint): the grid is
// checked as after an entry, coloured, the cursor ticked again and a complete
// grid finished. False when the check let another puzzle be loaded.
bool CheckAfterChange(AppState& st, UserInterface& ui);

// A check found the grid complete: the game is finished (FinishGame) and
// "Well done..." is shown.
void GridCompleted(AppState& st, UserInterface& ui);

// Verify Manual Solve. Refused while AutoSolve runs. The status line tells
// how many cells it marked: "Verify: 3 cells in conflict", "Verify: no
// conflicts".
void VerifyManualSolve(AppState& st, UserInterface& ui);
// While AutoSolve runs, or outside solving by hand, says why `command` is refused
// ("Cancel AutoSolve first", "<command> in Manual Solve mode only") and returns true.
bool refusedOutsideManualSolve(AppState& st, UserInterface& ui, const std::string& command);

// After the Help button's menu: in manual mode the cursor cell gets its green
// tick back. Returns true when it did (the grid then takes the focus).
bool RemarkCursor(AppState& st);

// Keys in manual mode, acting on curcell: arrows and Home move, digits (main
// keyboard or keypad) enter, Delete and Backspace reset the cell.
void ManualKeyUp(AppState& st, UserInterface& ui, const KeyEvent& key);

} // namespace vextor
