// Difficulty: what AutoSolve's deduction needs to solve a puzzle.
#pragma once

#include "solver/rule_table.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

struct Difficulty {
    bool rated = false;    // AutoSolve solved the puzzle (else no word, number 0)
    bool guessFree = true; // solved without guesswork
    RuleFamily hardest = RuleFamily::Singles;
    int guesses = 0;  // guesses AutoSolve applied
    int passes = 0;   // rounds of the rules the deduction took
    std::string word; // "easy", "medium", "hard", "very hard"
    int number = 0;   // 1..100: easy 1-25, medium 26-50, hard 51-75, very hard 76-100
};

// Rates the puzzle in st's grid without changing st: AutoSolve runs silently
// on a copy (its outcome tells whether guessing was needed and how many
// guesses), and the rule families are applied on another copy, the simplest
// alone first, to find the hardest one needed. The same puzzle always gets
// the same rating.
Difficulty RatePuzzle(const AppState& st);

// The main window's difficulty label: "medium 31", or empty when the grid
// holds no solvable puzzle. Rates again only when the layout or the clues
// changed since the last call; empty while sum cells wait to be compiled.
void UpdateDifficultyText(AppState& st);

} // namespace vextor
