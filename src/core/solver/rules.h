// The simple elimination rules, the settled-cell count and the validity checks.
// Every rule works on solver work (state/solver_work.h): it clears its
// changed flag on entry and sets it when it writes a candidate string. The
// checks come for a grid's Choices and for the working candidates.
#pragma once

#include "model/grid.h"
#include "state/solver_work.h"

#include <string>
#include <vector>

namespace vextor {

// Number of cells whose candidate string has exactly one character.
int CountSingles(const Grid& grid);
int CountSingles(const SolverWork& work);

// Removes the digit of every settled cell from the other cells of its runs.
void RemoveSingles(SolverWork& work);

// Removes the digit from every run cell that has it and more than limit candidates.
void RemoveDigitFromRun(SolverWork& work, char digit, const std::vector<int>& run,
                        std::size_t limit);

// Settles the only open cell of a run with the remainder of the clue.
// Returns true (a contradiction) when the remainder is not one of its
// candidates; the rule then stops at once.
bool CompleteLastCell(SolverWork& work);

// Two-cell runs: the longer candidate string is replaced by the complements
// of the shorter one, in the shorter one's order.
void PairRunComplements(SolverWork& work);

// Equal pairs (two cells) and triples (three cells) inside one run remove
// their digits from the run's longer candidate strings.
void FindSameChoices(SolverWork& work);

// The candidate grid passes the run checks: complete runs add up, settled
// digits are 1..9 and distinct, and a last open cell can take the remainder.
bool IsGridValid(const Grid& grid);
bool IsGridValid(const Grid& grid, const Work& work);

// A white cell has lost every candidate: no solution can follow.
bool HasEmptiedWhiteCell(const Grid& grid);
bool HasEmptiedWhiteCell(const Grid& grid, const Work& work);

// A real solution: every white cell holds one digit 1..9, no run repeats a
// digit and every run adds up to its clue.
bool IsGridSolved(const Grid& grid);
bool IsGridSolved(const Grid& grid, const Work& work);

} // namespace vextor
