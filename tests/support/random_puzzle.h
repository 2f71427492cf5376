// Random puzzles for tests and benchmarks: a random layout whose runs are
// filled with random distinct digits, with the clues computed from them.
#pragma once

#include "state/app_state.h"

#include <cstdint>
#include <string>

namespace vextor::test {

// Builds a random puzzle of rows x cols (at least 3 x 3) into st.grid; the
// first row and column hold no white cells, every run has 2 to 9 cells and
// every white cell is in at least one run. whiteShare is the share of white
// cells aimed at (0..1). Every white cell's Choices holds its digit; returns
// the solution as a snapshot line. The same seed gives the same puzzle.
std::string makeRandomPuzzle(AppState& st, int rows, int cols, std::uint64_t seed,
                             double whiteShare = 0.7);

} // namespace vextor::test
