// The starting candidates of solving by hand.
#include "manual/manual_solve.h"
#include "model/grid_checks.h"
#include "model/runs.h"
#include "solver/sum_combos.h"

#include <vector>

namespace vextor {

namespace {

// Each run cell with no candidates, or with more than the table allows for
// the run, takes the table's string whole: the shorter string wins.
void offerRunDigits(Grid& g, const std::vector<int>& run, int clue) {
    const std::string& digits = sumcombos(static_cast<int>(run.size()), clue);
    for (int j : run)
        if (g[j].Choices.empty() || g[j].Choices.size() > digits.size())
            g[j].Choices = digits;
}

} // namespace

void PrepareManualCandidates(AppState& st) {
    Grid& g = st.grid;
    ScanRuns(g, [&g](const std::vector<int>& run, int clue) { offerRunDigits(g, run, clue); });
    const auto size = static_cast<std::size_t>(g.ncells) + 1;
    st.solver.acrossowner.assign(size, 0);
    st.solver.downowner.assign(size, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        for (int j : g[i].cellsacross)
            st.solver.acrossowner[static_cast<std::size_t>(j)] = i;
        for (int j : g[i].cellsdown)
            st.solver.downowner[static_cast<std::size_t>(j)] = i;
    }
    for (int i = 1; i <= g.ncells; ++i)
        g[i].Choices = SortDigits(g[i].Choices);
}

} // namespace vextor
