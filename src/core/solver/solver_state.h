// State owned by the solver: the change flag, the run owners and the
// ordered containers of the guessing machinery.
#pragma once

#include <string>
#include <vector>

namespace vextor {

struct SolverState {
    bool changed = false;               // set by every rule that writes a candidate string
    std::vector<int> acrossowner;       // white cell -> sum cell heading its across run (0 none)
    std::vector<int> downowner;         // white cell -> sum cell heading its down run (0 none)

    // The solver's ordered containers; a loaded puzzle empties them.
    std::vector<std::string> choiceList;   // kept in ascending text order
    std::vector<std::string> retractStack; // top at the front
    std::vector<std::string> scratch;      // insertion order

    void clearLists() {
        choiceList.clear();
        retractStack.clear();
        scratch.clear();
    }
};

} // namespace vextor
