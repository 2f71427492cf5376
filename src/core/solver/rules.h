// The simple elimination rules, the settled-cell count and the validity checks.
// Every rule clears st.solver.changed on entry and sets it when it writes a
// candidate string. The rules work on the solver's working candidates
// (solver/work_grid.h); the checks come for a grid's Choices and for the
// working candidates.
#pragma once

#include "solver/work_grid.h"
#include "state/app_state.h"

#include <string>
#include <vector>

namespace vextor {

// Number of cells whose candidate string has exactly one character.
int CountSingles(const Grid& grid);
int CountSingles(const Grid& grid, const Work& work);

// Removes the digit of every settled cell from the other cells of its runs.
void RemoveSingles(AppState& st);

// Removes the digit from every run cell that has it and more than limit candidates.
void RemoveDigitFromRun(AppState& st, char digit, const std::vector<int>& run, std::size_t limit);

// Settles the only open cell of a run with the remainder of the clue.
// Returns true (a contradiction) when the remainder is not one of its
// candidates; the rule then stops at once.
bool CompleteLastCell(AppState& st);

// Two-cell runs: the longer candidate string is replaced by the complements
// of the shorter one, in the shorter one's order.
void PairRunComplements(AppState& st);

// Equal pairs (two cells) and triples (three cells) inside one run remove
// their digits from the run's longer candidate strings.
void FindSameChoices(AppState& st);
void RemovePairDigits(AppState& st, const std::string& pair, const std::vector<int>& run);
void RemoveTripleDigits(AppState& st, const std::string& triple, const std::vector<int>& run);

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
