// What every created puzzle must satisfy, for the property tests.
#pragma once

#include "state/app_state.h"

#include <string>

namespace vextor::test {

// Empty when the compiled grid is a sound puzzle: every run has 2 to 9 cells
// with distinct digits adding up to its clue, every white cell holds a digit
// and lies in a run, the white cells are connected, and AutoSolve solves the
// puzzle (the grid is left solved by it). Otherwise what is wrong.
std::string puzzleFault(AppState& st);

} // namespace vextor::test
