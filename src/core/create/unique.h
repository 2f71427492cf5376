// Puzzles with exactly one solution: repairing a compiled puzzle that has
// several, telling how many solutions a puzzle has, and the Count Solutions
// command.
#pragma once

#include "base/user_interface.h"
#include "exact/exact_solver.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

enum class Uniqueness {
    Unique,   // the compiled puzzle had one solution as it was
    Repaired, // new digits where two solutions differed gave it one
    Failed    // no repair within the bound (or the count was not settled)
};

// "unique", "repaired" or "failed".
const char* UniquenessWord(Uniqueness u);

// Repair steps tried before a puzzle is given up, and the node budget of
// each count: a count that runs out of it counts as "not unique".
inline constexpr int kMaxUniqueRepairs = 100;
inline constexpr long long kUniqueNodeBudget = 5000;

// Gives the compiled puzzle in the grid (one digit in every white cell, the
// clues their run sums) exactly one solution. While two solutions exist, one
// cell where they differ gets another digit that none of its run-mates hold,
// the one leaving its runs' clues with the fewest digit sets, and its clues
// are summed again. With layoutChanges (random layouts) the layout changes
// too, a white cell becoming a sum cell heading what follows it whenever the
// layout still passes the layout check and the connection test: first every
// run longer than four cells is cut in two, and of two cells that share their
// only run (they swap whatever their digits) one is turned; later a differing
// cell is turned when no differing cell can take another digit, and every
// tenth step from the fortieth on. Failed leaves a puzzle that is still
// sound (distinct digits, clues equal to the sums) but not unique.
Uniqueness MakeUnique(AppState& st, bool layoutChanges, int maxRepairs = kMaxUniqueRepairs,
                      long long nodeBudget = kUniqueNodeBudget);

// The sentence that tells a solution count: none, exactly one, two or more
// (the marked cells differ), or not settled.
std::string SolutionCountText(const ExactResult& r);

// Clears the marks of the last solution count (the tick marker of the cells
// where two solutions differed), then marks r's differing cells.
void MarkDifferingCells(AppState& st, const ExactResult& r);

// The Count Solutions command: refuses while AutoSolve runs; "Invalid
// puzzle" without white cells or with sum cells not yet compiled; otherwise counts the solutions of
// the clues (up to two), marks the cells where two of them differ and tells the count.
void CountSolutionsCommand(AppState& st, UserInterface& ui);

} // namespace vextor
