// Guessing with retraction, and the Find Choices command.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// The choice-list line of an open cell: LL,SS,RR,CC,candidates (candidate
// count, the clues of its two owners added, row, column; each at least two
// digits), e.g. "02,39,03,05,79".
std::string ChoiceLine(AppState& st, int cell);

// Repeats the two-cell complements, the sum bounds and the table narrowing
// until the narrowing changes nothing, then rebuilds the sorted choice list
// (st.solver.choiceList) from every cell with more than one candidate.
void RefineAndListChoices(AppState& st);

// A line of the choice list drawn uniformly among the cells with the fewest
// candidates; empty when the list is empty.
std::string PickGuessCell(AppState& st);

// Tries each digit of the line's candidates (field 4) on its cell (fields 2
// and 3) with a trial deduction; returns the last digit that leaves a valid
// grid without an emptied white cell, or an empty string. The grid is left
// as it was.
std::string ChooseOption(AppState& st, UserInterface& ui, const std::string& line);

// One guessing step: picks a cell, applies the digit ChooseOption gives and
// deduces (replaying the trial deduction of that digit). When no digit
// survives, or no cell is left to guess on a grid that is not solved, it
// retracts to the newest guess with untried digits. It restarts from the
// start-up snapshot after more than 2 x ncells guesses since the last restart,
// when a retract snapshot is missing, and when the retract stack is exhausted
// (which also sets st.solver.searchExhausted). Before a restart the try limit
// applies (not after an exhausted search): with showMessages it asks whether
// to go on; without, the step gives up (st.solver.solveresult = GaveUp).
void TryNextGuess(AppState& st, UserInterface& ui, bool showMessages);

// Fills st.solver.perm(1..n) with a random permutation of 1..n.
void MakePermutation(AppState& st, int n);
// The characters of s in a random order.
std::string ShuffleDigits(AppState& st, const std::string& s);

// The text of the try-limit question for a limit of maxtries.
std::string TryLimitQuestion(int maxtries);

// The Find Choices command: narrows the current candidates (without emptying
// them first), lists the choices, applies the simple rules and says "Done"
// when the grid is full.
void FindChoicesCommand(AppState& st, UserInterface& ui);

// Writes the start-up snapshot (the current candidate strings) to
// st.startupfile and keeps it in memory for restarts.
void WriteStartupSnapshot(AppState& st);

// Empties the retract snapshots and the retract stack.
void ClearRetractData(AppState& st);

} // namespace vextor
