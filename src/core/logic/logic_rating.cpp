#include "logic/logic_rating.h"

#include <algorithm>
#include <cmath>

namespace vextor {

namespace {

// Steps of the top tier from which the number starts to grow within its
// word, and at which that part is full.
constexpr int kFrom[kTopTier + 1] = {0, 20, 1, 1, 1};
constexpr int kFullAt[kTopTier + 1] = {1, 250, 60, 12, 6};
// Tier-1 steps available per step at which the puzzle counts as all easy.
constexpr double kPlentyEasy = 10;
constexpr int kWidth = 20; // numbers per word

} // namespace

const char* tierWord(int tier) {
    static constexpr const char* words[] = {"easy", "medium", "hard", "expert", "trial"};
    return words[std::clamp(tier, 1, kTopTier + 1) - 1];
}

LogicRating RateSolve(const LogicSolve& solve) {
    LogicRating r;
    if (solve.outcome == LogicOutcome::Contradiction)
        return r;
    r.rated = true;
    r.solved = solve.outcome == LogicOutcome::Solved;
    if (!r.solved) {
        r.word = tierWord(kTopTier + 1);
        const double open =
            solve.whiteCells ? static_cast<double>(solve.openCellsLeft) / solve.whiteCells : 1.0;
        r.number = kTopTier * kWidth + 1 + static_cast<int>(std::lround((kWidth - 1) * open));
        return r;
    }
    const int tier = std::clamp(solve.highestTier, 1, kTopTier);
    r.word = tierWord(tier);
    const double top = std::clamp((std::log1p(solve.topTierSteps) - std::log1p(kFrom[tier])) /
                                      (std::log1p(kFullAt[tier]) - std::log1p(kFrom[tier])),
                                  0.0, 1.0);
    const double scarce = std::clamp(1.0 - solve.easyAvailable / kPlentyEasy, 0.0, 1.0);
    const int within = static_cast<int>(std::lround((kWidth - 1) * (0.7 * top + 0.3 * scarce)));
    r.number = (tier - 1) * kWidth + 1 + std::clamp(within, 0, kWidth - 1);
    return r;
}

LogicRating RateLogically(const Grid& grid) {
    return RateSolve(SolveLogically(grid, false));
}

} // namespace vextor
