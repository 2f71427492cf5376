// The difficulty scale of the logic engine: the highest tier a puzzle needs,
// and a number that orders puzzles within and across the words.
#pragma once

#include "logic/logic_engine.h"

#include <string>

namespace vextor {

struct LogicRating {
    bool rated = false; // false: the clues have no solution
    bool solved = false;
    std::string word; // "easy", "medium", "hard", "expert", or "trial" when stuck
    int number = 0;   // 1..100: easy 1-20, medium 21-40, hard 41-60, expert 61-80, trial 81-100
};

// The word of a tier (1..4); "trial" beyond.
const char* tierWord(int tier);

// Rates a whole solve: the tier first, then more steps of the top tier and
// fewer easy steps available along the way rank higher; a stuck solve ranks
// by the share of white cells left open.
LogicRating RateSolve(const LogicSolve& solve);

// Solves the grid's puzzle logically and rates it.
LogicRating RateLogically(const Grid& grid);

} // namespace vextor
