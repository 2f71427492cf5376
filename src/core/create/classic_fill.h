// Classic puzzles: digits for a classic layout so that the clues have exactly
// one solution (the exact solver proves it) and the logic engine solves them
// without getting stuck, at the tier asked for.
#pragma once

#include "base/random.h"
#include "create/classic_layout.h"
#include "model/grid.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace vextor {

struct ClassicPuzzle {
    ClassicLayout layout;
    std::vector<int> digits; // the solution by cell number; 0 for cells that are not white
    int tier = 0;            // the highest tier the logic engine needed, 1..4
    std::string word;        // "easy", "medium", "hard" or "expert"
    int number = 0;          // the logic rating's number, 1..80
};

// What a search tried, counted (never timed).
struct ClassicSearchCounts {
    int layouts = 0; // layouts drawn and filled
    int fills = 0;   // fillings started from fresh digits
    int rounds = 0;  // solution counts and gradings after a change of digits
};

// Budgets, in attempts. A fill starts from fresh digits and makes at most
// kClassicRounds changes, and one more per white cell (each followed by a count of solutions and,
// once unique, a grading); a layout gets kClassicFillsPerLayout fills (twice as many when one came
// within a tier of the word); a puzzle of a drawn layout gives up after kClassicLayouts layouts, a
// template after kClassicTemplateFills fills.
inline constexpr int kClassicRounds = 60;
// Repairs in a row on the same cells before their region is filled afresh.
inline constexpr int kClassicStuckRepairs = 20;
inline constexpr int kClassicFillsPerLayout = 3;
inline constexpr int kClassicLayouts = 150;
inline constexpr int kClassicTemplateFills = 400;
// Node budget of one solution count; a count that runs out is not unique.
inline constexpr long long kClassicNodeBudget = 50000;

// The grid of a classic puzzle: white cells (not known) with their solution
// digit in Choices, sum cells with the clues of the runs they head, black
// cells for the other blocks. BackColor is left to the caller.
void BuildClassicGrid(Grid& grid, const ClassicLayout& layout, const std::vector<int>& digits);

// Fills `layout` (it must pass ClassicLayoutFault) with digits: a unique
// puzzle the engine solves at `tier` (1..4; 0 takes any of them). Gives up
// after `fills` fills (nullopt).
std::optional<ClassicPuzzle> FillClassicLayout(Random& rng, const ClassicLayout& layout, int tier,
                                               int fills, ClassicSearchCounts* counts = nullptr);

// Layouts a batch has used: from 9 x 9 up (64 cells below and right of the
// clue row and column) a batch never uses one twice; smaller grids have only
// a handful of classic layouts.
using ClassicLayoutsSeen = std::set<std::vector<char>>;
inline constexpr int kClassicDistinctFrom = 64;

// A classic puzzle of rows x cols with the symmetry asked for, at `tier`
// (0: any of easy to expert); nullopt after kClassicLayouts layouts. With
// `seen`, a layout in it is drawn again and the layout made is added.
std::optional<ClassicPuzzle> MakeClassicPuzzle(Random& rng, int rows, int cols, ClassicSymmetry s,
                                               int tier, ClassicSearchCounts* counts = nullptr,
                                               ClassicLayoutsSeen* seen = nullptr);

// The tier of a word ("easy" 1 .. "expert" 4), 0 for any other word.
int ClassicTierOf(const std::string& word);

} // namespace vextor
