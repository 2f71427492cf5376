// Remainder rules: what the open cells of a run must add up to once some of
// its cells are settled.
#pragma once

#include "state/solver_work.h"

namespace vextor {

// Narrows open cells to the table digits of the remaining count and sum
// (replacing a string whole when the entry is not longer, intersecting
// otherwise), then the two-cell complement passes. Returns true (a
// contradiction) when two open cells are left less than 3. Only the first
// two passes set the changed flag.
bool ApplyRemainderCombos(SolverWork& work);

// A run with exactly two two-candidate cells and nothing longer: the first
// of them loses each digit that no digit of the second completes to the clue.
void TestPairPair(SolverWork& work);

// A run with one two-candidate and one three-candidate cell and nothing
// longer: the two-candidate cell loses each digit that no digit of the
// three-candidate cell completes to the clue.
void TestPairTriple(SolverWork& work);

} // namespace vextor
