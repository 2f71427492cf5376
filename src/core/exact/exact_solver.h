// The exact solver: counts the solutions of a puzzle, independent of the
// deduction rules and of the cells' Choices.
//
// Every white cell holds a 9-bit candidate mask. Each run is filtered exactly
// (a digit stays only when some assignment of distinct digits with the clue's
// sum uses it) until nothing changes; then the open cells are counted
// component by component (the counts multiply). The search tries every digit
// of the cell with the fewest candidates for the weight of its runs (a run
// weighs more each time it fails), starts over with a growing node share
// keeping the weights, and remembers the counts of settled components.
#pragma once

#include "model/grid.h"

#include <vector>

namespace vextor {

struct ExactResult {
    int count = 0;        // solutions, at most the limit asked for (0 when unknown)
    bool unknown = false; // a budget ran out before the count was settled
    long long nodes = 0;  // search nodes visited
    // Digits by cell number (0 for cells that are not white): the first
    // solution found (count >= 1) and a second one (count >= 2).
    std::vector<int> first;
    std::vector<int> second;
    // Cell numbers where first and second differ, ascending (count >= 2).
    std::vector<int> differing;
};

constexpr long long kDefaultNodeBudget = 2000000;

// Counts the solutions of the grid's clues (sum cells: known and not black)
// over its white cells (not known), stopping at limit (at least 1). A clue no
// run can make, a clue with no cells or a run longer than 9 cells gives 0; a
// white cell in no run takes any digit. The search gives up ("unknown") after
// nodeBudget guesses or, when seconds > 0, after that much time.
ExactResult CountSolutions(const Grid& grid, int limit = 2,
                           long long nodeBudget = kDefaultNodeBudget, double seconds = 0);

} // namespace vextor
