// Digit filling: every white cell of a checked layout gets a digit that no
// run-mate holds, then every clue becomes the sum of its run.
#pragma once

#include "state/app_state.h"

#include <string>

namespace vextor {

// The Choices of the cell's run-mates, concatenated: the cells passed walking
// right, left, down and up from it (in that order), each walk stopping before
// the first known cell or at the grid edge. The cell's own Choices is not
// included.
std::string RunDigits(const Grid& grid, int cell);

// One random digit that is not in `used`, or an empty string: the first
// digit of a shuffled "123456789" (always nine draws) that used lacks.
std::string RandomFreeDigit(AppState& st, const std::string& used);

// Breaks the two-by-two swap pattern: white cells a, d sharing an across run
// over b, e sharing the next one (or the same columns exchanged) with
// digit(a) = digit(e) and digit(b) = digit(d). a gets the smallest digit free
// in its runs (the second smallest when it already holds it), e the smallest
// free in its runs and unlike a's new digit.
void FindDoubleCross(AppState& st);

// One attempt of compiling: fills the runs of st.creator.runList in its order
// (random free digits when randomDigits, else the largest free digit), gives
// every cell that lies in at most one run its smallest free digit, breaks
// double crosses, and writes the clues. Returns false, with no clue written,
// when a white cell was left without a digit.
bool FillDigits(AppState& st, bool randomDigits);

} // namespace vextor
