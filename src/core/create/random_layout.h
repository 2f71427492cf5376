// Random layouts: a pattern of black and sum cells drawn on the current grid,
// repaired one defect at a time, then compiled (largest digit first).
//
// While a layout is made the cell kind lives in BackColor (blackcol, greycol,
// whitecol); ApplyColours turns the colours into the cell records.
#pragma once

#include "base/user_interface.h"
#include "create/layout_repairs.h"
#include "state/app_state.h"

namespace vextor {

// The density factor of a grid of ncells cells.
double DensityFactor(int ncells);

// Shuffles st.creator.colorder(1..cols), roworder(1..rows), or colorder over
// the cell numbers 1..n (ShuffleCells sets colorder(k) = k first).
void ShuffleColumns(AppState& st);
void ShuffleRows(AppState& st);
void ShuffleCells(AppState& st, int n);

// Sets every cell's known, Black, across and down from its colour (sum
// cells get the -1 marks).
void ApplyColours(AppState& st);

// Blackens the last cell of every across run of cols - 2 or more cells and
// the cell cols / 2 before it; the same for down runs of rows - 2 or more
// cells with rows / 2 (a step back in cell order, along the row). The run
// lengths are those recorded before the first change.
void BreakLongRuns(AppState& st);

// Draws a layout on the current grid (at most 10 x 10) and applies it.
void RandomLayout(AppState& st);

enum class RandomPuzzleResult {
    Made,      // a compiled puzzle is in the grid
    Cancelled, // cancelsolve was found set between layouts
    GaveUp     // no layout compiled within the layout limit (message shown)
};

// Layouts drawn before CreateRandomPuzzle gives up.
inline constexpr int kMaxRandomLayouts = 20000;

// Draws layouts on the current grid until one is repaired within ncells / 2
// steps and compiles; events run after every repair step. Stops when
// cancelsolve is set between layouts, or after kMaxRandomLayouts layouts with
// a message. `layouts` counts the layouts drawn.
RandomPuzzleResult CreateRandomPuzzle(AppState& st, UserInterface& ui, int* layouts = nullptr);

// The CreateNewRandom button: a new random 10 x 10 puzzle (after "Discard your
// entries?" when manual solving has entries).
void CreateNewRandomCommand(AppState& st, UserInterface& ui);

// While creation runs it counts as a running AutoSolve: other commands refuse
// with "Cancel AutoSolve first" and Cancel Auto Solve stops it.
class CreationRunning {
public:
    explicit CreationRunning(AppState& st) : st_(st) { st_.autosolving = true; }
    ~CreationRunning() { st_.autosolving = false; }
    CreationRunning(const CreationRunning&) = delete;
    CreationRunning& operator=(const CreationRunning&) = delete;

private:
    AppState& st_;
};

// BuildGrid for creation: a cancel requested before stays requested, and a
// running creation does not cancel itself.
void BuildCreationGrid(AppState& st, UserInterface& ui, int rows, int cols);

} // namespace vextor
