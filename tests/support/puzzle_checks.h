// Checks of filled and unfilled puzzles for tests.
#pragma once

#include "state/app_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vextor::test {

// A clue and the cells of its run.
struct ClueRun {
    std::vector<int> cells;
    int sum;
};
std::vector<ClueRun> clueRuns(const Grid& g);

// Solutions by trying every digit in every white cell (small grids only): a
// white cell in no run takes any digit, a clue over no cells allows none.
// `start` (by cell, bit d-1 for digit d; empty: all) limits the digits tried;
// `seen` gets, by cell, the digits some solution puts there.
long long bruteCount(const Grid& g, const std::vector<std::uint16_t>& start = {},
                     std::vector<std::uint16_t>* seen = nullptr);

// What is wrong with a filled puzzle, "" when nothing: one digit in every white
// cell, runs of 2 to 9 distinct digits making their clues, every white cell in
// a run, the white cells connected, and AutoSolve solving it.
std::string puzzleFault(AppState& st);

} // namespace vextor::test
