// The clock of solving by hand and the end of a game: the time spent on the
// grid, and the best time of each puzzle, kept in the save folder.
#pragma once

#include "state/app_state.h"

#include <string>

namespace vextor {

// One second of play passed (the program calls it every second while its
// window is active and not minimised). It counts while solving by hand with
// the Timer on, before the grid is completed and while AutoSolve does not
// run. True when it counted.
bool TickGameClock(AppState& st);

// A time as "3:07", from an hour on "1:02:03".
std::string ClockText(long long seconds);

// The timer label: the time spent on the grid while solving by hand with
// the Timer on; "" otherwise (the label is hidden).
std::string TimerText(const AppState& st);

// The Timer option.
void SetTimer(AppState& st, bool on);

// A fresh start of solving by hand: the clock starts from 0.
void ResetGameClock(AppState& st);

// The grid was completed (the first time in this game): the clock stops and
// the saved game is deleted. With the Timer on the time is kept as the
// puzzle's best when it is, and the status line tells both: "Solved in 3:07
// (best 2:41)" (the hint line is emptied, so the status line shows).
void FinishGame(AppState& st);

// The best time kept for the puzzle in the grid; -1 when there is none.
long long BestTime(const AppState& st);

} // namespace vextor
