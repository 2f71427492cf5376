// Sum bounds: candidates that cannot reach, or must overshoot, a run's clue.
#pragma once

#include "model/grid.h"
#include "state/solver_work.h"

#include <string_view>
#include <vector>

namespace vextor {

// The largest digit value in s, 0 when s is empty.
int MaxDigit(std::string_view s);
// The smallest digit value in s, 99 when s is empty.
int MinDigit(std::string_view s);

// The settled digits of the run plus, for every open cell, its largest
// (smallest) candidate other than d.
int SumOfMax(const Grid& grid, const std::vector<int>& run, char d);
int SumOfMin(const Grid& grid, const std::vector<int>& run, char d);

// Upper and lower bound passes over runs of three or more cells (these set
// the changed flag), then the pair-and-third-cell passes (these do not).
void CheckMaxSums(SolverWork& work);

} // namespace vextor
