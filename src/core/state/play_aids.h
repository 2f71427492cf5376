// Aids to solving by hand that the player switches on: pencil marks of the
// player's own (Edit Pencil Marks) and live checking (Check As You Go). They
// belong to one grid: a loaded puzzle or a new grid has none.
#pragma once

#include "model/cell_display.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vextor {

struct AppState;
class UserInterface;

// Pencil marks of a cell: bit d set when digit d is marked.
using PencilMask = std::uint16_t;

struct PlayAids {
    bool editPencilMarks = false; // Shift+digit edits the pencil marks, which are shown
    bool checkAsYouGo = false;    // every entry and undo is checked at once
    // Start with empty notes: the marks start empty (the player writes them)
    // instead of as the cells' candidates; how the marks now shown started.
    bool emptyNotes = false;
    bool notesStartedEmpty = false;

    unsigned generation = 0;        // grid generation the marks below belong to
    std::vector<PencilMask> pencil; // per cell (index 0 unused)
    // The pencil marks before an undo entry, with the length the undo list
    // had once that entry was made (entries without one left them alone).
    struct Saved {
        std::size_t depth = 0;
        std::vector<PencilMask> pencil;
    };
    std::vector<Saved> undo;
    // Entries taken back by Undo, newest at the back: the entry that makes
    // them again (as the undo list writes it) and the pencil marks after it.
    struct Redo {
        std::string entry;
        std::vector<PencilMask> pencil;
    };
    std::vector<Redo> redo;
};

PencilMask pencilMask(const std::string& digits);
std::string pencilDigits(PencilMask mask);

// True when the aids' marks belong to the grid now in st.
bool playAidsCurrent(const AppState& st);

// Calls visit(j) for every cell j of the across and the down run of a white
// cell (the cell itself included), as the run owners of the last preparation
// name them.
void forEachRunCell(const AppState& st, int cell, const std::function<void(int)>& visit);

// The cell's single digit is held by another cell of one of its runs.
bool DigitRepeatsInRun(const AppState& st, int cell);

// In manual solving: a white cell holds something other than its starting
// candidates, or the pencil marks differ from how they started.
bool HasManualEntries(const AppState& st);

// Before a command replaces the grid or the entries on it: true when there
// is nothing to lose or the player answers Yes to "Discard your entries?"
// (No is the default).
bool ConfirmDiscardEntries(const AppState& st, UserInterface& ui);

// The colour the cursor of solving by hand and the tint of its runs are made
// from: the colour scheme's highlight.
Colour cursorHighlight(const AppState& st);

// Cell shares the across or the down run of the cursor cell.
bool sharesRunWithCursor(const AppState& st, int cell);

// What cell i shows, when those aids are on: the player's pencil marks in
// place of its starting candidates, and a repeated digit in the error colour
// (worked out as the cell is drawn, so it always fits the grid shown). In
// manual solving the cursor cell is outlined and the white cells of its runs
// tinted.
CellDisplay describeCell(const AppState& st, int i);

// The status line after Verify Manual Solve starts with this; the next entry,
// a new start of the mode or another grid clears it (ClearVerifyStatus), and
// leaves any other status alone.
inline constexpr std::string_view kVerifyStatusPrefix = "Verify: ";
void ClearVerifyStatus(AppState& st);

} // namespace vextor
