#include "logic/logic_rating.h"

#include <algorithm>
#include <cmath>

namespace vextor {

namespace {

// Steps of the top tier at which the number reaches the top of its word.
constexpr int kFullAt[kTopTier + 1] = {1, 300, 60, 12, 6};
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
    const double top = std::min(1.0, std::log1p(solve.topTierSteps) / std::log1p(kFullAt[tier]));
    const double scarce = 1.0 / (1.0 + solve.easyAvailable / 2.0);
    const int within = static_cast<int>(std::lround((kWidth - 1) * (0.6 * top + 0.4 * scarce)));
    r.number = (tier - 1) * kWidth + 1 + std::clamp(within, 0, kWidth - 1);
    return r;
}

LogicRating RateLogically(const Grid& grid) {
    return RateSolve(SolveLogically(grid, false));
}

} // namespace vextor
