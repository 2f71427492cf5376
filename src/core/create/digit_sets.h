// How many sets of distinct digits 1..9 a run's length and clue allow.
#pragma once

#include <cstddef>

namespace vextor {

// The number of sets of `len` distinct digits 1..9 adding up to `sum`; 1 means
// the clue tells its digits outright, 0 that none fits.
int digitSetCount(std::size_t len, int sum);

} // namespace vextor
