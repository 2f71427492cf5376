// Difficulty: what the logic engine needs to solve a puzzle the way a person
// does.
#pragma once

#include "state/app_state.h"

#include <string>

namespace vextor {

struct Difficulty {
    bool rated = false;  // false: no clue, or the clues have no solution (no word, number 0)
    bool solved = false; // solved without getting stuck
    int tier = 0;        // the highest tier needed, 1..4; 5 when stuck
    std::string word;    // "easy", "medium", "hard", "expert", or "trial" when stuck
    int number = 0;      // 1..100: easy 1-20, medium 21-40, hard 41-60, expert 61-80, trial 81-100
};

// Rates the puzzle in st's grid without changing st: the logic engine solves
// it from all nine digits in every white cell, always by the simplest step.
// The word is the highest tier it needed, or "trial" when it got stuck (also
// for a puzzle with several solutions); the number orders puzzles by the
// tier, then by the steps of the top tier and how few easy steps were
// available along the way. The same puzzle always gets the same rating.
Difficulty RatePuzzle(const AppState& st);

// The main window's difficulty label: "medium 31", or empty when the grid
// holds no solvable puzzle. Rates again only when the layout or the clues
// changed since the last call; empty while sum cells wait to be compiled.
void UpdateDifficultyText(AppState& st);

} // namespace vextor
