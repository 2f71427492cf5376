// The sum-combination table and the first candidate strings of the white cells.
#pragma once

#include "state/app_state.h"
#include "state/solver_work.h"

#include <array>
#include <string>

namespace vextor {

// For every run length n and clue s: the distinct digits that occur in some
// set of n different digits 1..9 adding up to s, in order of first
// appearance when the sets are listed by increasing bit mask (n = 2, s = 10
// gives "46372819"). Lengths below 2 and impossible sums have no digits.
class SumComboTable {
public:
    static constexpr int kMinCount = -1, kMaxCount = 9;
    static constexpr int kMinSum = -1, kMaxSum = 45;

    // Any count and sum: outside the table the answer is the empty string.
    const std::string& operator()(int count, int sum) const {
        if (count < kMinCount || count > kMaxCount || sum < kMinSum || sum > kMaxSum)
            return empty_;
        return entries_[static_cast<std::size_t>(count - kMinCount)]
                       [static_cast<std::size_t>(sum - kMinSum)];
    }
    // The same entry as a digit list.
    DigitList digits(int count, int sum) const {
        if (count < kMinCount || count > kMaxCount || sum < kMinSum || sum > kMaxSum)
            return {};
        return lists_[static_cast<std::size_t>(count - kMinCount)]
                     [static_cast<std::size_t>(sum - kMinSum)];
    }

private:
    friend const SumComboTable& BuildSumCombos();
    SumComboTable();
    std::array<std::array<std::string, kMaxSum - kMinSum + 1>, kMaxCount - kMinCount + 1> entries_;
    std::array<std::array<DigitList, kMaxSum - kMinSum + 1>, kMaxCount - kMinCount + 1> lists_;
    std::string empty_;
};

// The table, built on first use and never changed afterwards.
const SumComboTable& BuildSumCombos();

// Shorthand for BuildSumCombos()(count, sum).
inline const std::string& sumcombos(int count, int sum) {
    return BuildSumCombos()(count, sum);
}
inline DigitList sumcomboDigits(int count, int sum) {
    return BuildSumCombos().digits(count, sum);
}

// current empty: digits unchanged; otherwise the characters of digits, in
// their order, that also occur in current.
std::string FilterDigits(const std::string& current, const std::string& digits);

// Rebuilds every run, run length and run owner from the clues and narrows
// each white cell's candidates to what the table allows (existing
// candidates are intersected; empty ones take the table's digits).
void InitCandidates(AppState& st);

// One narrowing pass over every run with the table; sets the changed flag.
void ApplyRunCombos(SolverWork& work);

} // namespace vextor
