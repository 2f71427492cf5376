// The deduction rules in one table: their order, their family and whether
// they can find a contradiction. Deduce applies them from it, and grading
// applies them family by family from it, the simplest family first and each
// family's rows in the table's order. A new rule is a function on SolverWork
// plus a row here.
#pragma once

#include "solver/remainder_rules.h"
#include "solver/rules.h"
#include "solver/sum_bounds.h"
#include "state/solver_work.h"

#include <cstddef>
#include <iterator>

namespace vextor {

// The rule families, from the simplest up. A puzzle is as hard as the
// hardest family (or the guessing) it cannot be solved without.
enum class RuleFamily {
    Singles,   // settled digits removed from their runs, the last open cell of a run
    Pairs,     // two-cell complements, equal pairs and triples, sum bounds
    Remainder, // remainder combinations, pair-pair and pair-triple tests
    Guessing   // deduction alone stalls: AutoSolve guesses
};

// Where Deduce applies a rule.
enum class RuleRole {
    Cycle,  // once in every cycle, in the table's order
    Sweep,  // removes the settled digits: after a cycle rule marked sweepAfter
            // when the settled count grew, and when a cycle ends
    Closing // when a cycle settles nothing more: repeated, each time followed
            // by a sweep if the count grew, until it changes nothing
};

struct DeductionRule {
    const char* name;
    // Applies the rule once; true when it found a contradiction (never for
    // a rule whose findsContradiction is false).
    bool (*apply)(SolverWork&);
    RuleFamily family;
    bool findsContradiction;
    RuleRole role;
    bool sweepAfter; // Cycle rules: a sweep follows when the settled count grew
    bool recheck;    // Cycle rules: applied once more after the closing rules;
                     // a change starts another cycle
};

// A rule that cannot find a contradiction, as a table entry.
template <void (*Rule)(SolverWork&)> bool noContradiction(SolverWork& work) {
    Rule(work);
    return false;
}

// clang-format off
inline constexpr DeductionRule kDeductionRules[] = {
    // name, apply, family, finds a contradiction, role, sweepAfter, recheck
    {"PairRunComplements",   noContradiction<PairRunComplements>, RuleFamily::Pairs,     false, RuleRole::Cycle,   true,  false},
    {"ApplyRemainderCombos", ApplyRemainderCombos,                RuleFamily::Remainder, true,  RuleRole::Cycle,   true,  false},
    {"FindSameChoices",      noContradiction<FindSameChoices>,    RuleFamily::Pairs,     false, RuleRole::Cycle,   true,  false},
    {"TestPairPair",         noContradiction<TestPairPair>,       RuleFamily::Remainder, false, RuleRole::Cycle,   true,  false},
    {"TestPairTriple",       noContradiction<TestPairTriple>,     RuleFamily::Remainder, false, RuleRole::Cycle,   false, false},
    {"CheckMaxSums",         noContradiction<CheckMaxSums>,       RuleFamily::Pairs,     false, RuleRole::Cycle,   true,  true},
    {"RemoveSingles",        noContradiction<RemoveSingles>,      RuleFamily::Singles,   false, RuleRole::Sweep,   false, false},
    {"CompleteLastCell",     CompleteLastCell,                    RuleFamily::Singles,   true,  RuleRole::Closing, false, false},
};
// clang-format on

// The row of the sweep rule: the one row whose role is Sweep.
inline constexpr std::size_t kSweepRow = [] {
    std::size_t row = std::size(kDeductionRules), count = 0;
    for (std::size_t k = 0; k < std::size(kDeductionRules); ++k)
        if (kDeductionRules[k].role == RuleRole::Sweep) {
            row = k;
            ++count;
        }
    return count == 1 ? row : std::size(kDeductionRules);
}();
static_assert(kSweepRow < std::size(kDeductionRules), "the rule table needs one sweep rule");
inline constexpr bool (*kSweepRule)(SolverWork&) = kDeductionRules[kSweepRow].apply;

} // namespace vextor
