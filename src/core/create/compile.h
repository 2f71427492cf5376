// Compiling a drawn layout into a puzzle: the connection test, the run list,
// the attempts of digit filling, and the Compile command.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>
#include <vector>

namespace vextor {

enum class CompileResult {
    Compiled, // digits and clues in place
    Invalid,  // the layout check failed: "Invalid puzzle, cannot compile"
    Unable    // every attempt of digit filling failed: all clues cleared
};

// Tidies clue marks before the runs are found: clears every run field, drops
// a positive clue with no white cell after it; -1 marks are left alone.
void PruneClues(Grid& grid);

// FindRuns without allocations: the same run fields, written into the cells'
// own lists. Creation calls it many thousands of times per puzzle.
void FindCreationRuns(Grid& grid);

// The connection test: a flood fill over the white cells (neighbours above,
// below, left, right) that records every area in st.creator.regions. Returns
// true when the white cells form two or more areas; `region` is then the
// area found last (the one whose first cell comes last). White cells end
// with BackColor = whitecol.
bool FindChains(AppState& st, std::vector<int>& region);

// The Compile command's preparation of the grid: candidates, clue colours
// and ticks cleared, clue marks pruned, runs found, white cells tested for
// connection. Returns true when they form two or more areas (`region` is
// then the area found last, as FindChains gives it).
bool PrepareCompile(AppState& st, std::vector<int>& region);

// Paints the listed cells redcol.
void MarkCells(AppState& st, const std::vector<int>& cells);

// The run-list entry of a run headed by `head`: "07,A, 8, 9, 10,".
std::string RunListText(int head, bool across, const std::vector<int>& run);

// Rebuilds st.creator.runList from the run fields: one entry per run of 2 or
// more cells, in ascending text order.
void BuildRunList(AppState& st);

// Compiles the layout in the grid: up to ncells / 2 attempts (maxtries, left
// at that value) of the layout check and digit filling. showMessages shows
// the check's messages, "Done" and "Unable to compile"; "Invalid puzzle,
// cannot compile" is always shown. randomDigits: random free digits, else
// the largest free digit first (then every attempt gives the same result).
CompileResult CompileGrid(AppState& st, UserInterface& ui, bool showMessages, bool randomDigits);

// The Compile command: resets the cells' digits and markers, refuses a layout
// whose white cells fall apart ("Cells are blocked", the later area painted
// red), otherwise compiles with messages and random digits; "Done" then says
// how many solutions the clues allow, and the cells where two of them differ
// carry the tick marker until the next edit.
void CompileCommand(AppState& st, UserInterface& ui);

} // namespace vextor
