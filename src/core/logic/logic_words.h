// The words of the logic engine's sentences: digits, combinations, cells and
// the changes of a step.
#pragma once

#include "logic/logic_engine.h"

#include <string>
#include <vector>

namespace vextor::logic_words {

// "7", "7 and 9", "1, 2 and 8" (conjunction "and") or "1, 2 or 8" ("or").
std::string digitList(DigitMask digits, const char* conjunction);
// "7 + 9".
std::string combination(DigitMask digits);
// "a", "a and b", "a, b and c".
std::string joinPhrases(const std::vector<std::string>& phrases);
// "row 2, columns 3–4" when the cells lie side by side in one row or one
// column, else their names joined.
std::string cellGroup(const Grid& grid, const std::vector<int>& cells);
// What a step changes, in words: "row 2, column 3 is 7", "row 2, columns 3–4
// keep only 7 and 9", "row 4, column 5 cannot be 8". `before` gives the
// candidates the changes start from.
std::string changesPhrase(const Grid& grid, const LogicState& before,
                          const std::vector<LogicChange>& changes);
// The same in the conditional, for what an assumption would lead to:
// "row 2, column 3 would be 7", "row 2, column 4 would keep only 8 and 9".
std::string wouldPhrase(const Grid& grid, const LogicState& before,
                        const std::vector<LogicChange>& changes);

} // namespace vextor::logic_words
