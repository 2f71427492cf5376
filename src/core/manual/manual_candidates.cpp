// The starting candidates of solving by hand.
#include "manual/grid_checks.h"
#include "manual/manual_solve.h"
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
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            Square& s = g[g.CellIndex(r, c)];
            s.cellsacross.clear();
            s.cellsdown.clear();
            s.lenacross = 0;
            s.lendown = 0;
            if (s.across != 0) {
                std::vector<int> run;
                for (int c2 = c + 1; c2 <= g.cols && !g[g.CellIndex(r, c2)].known; ++c2)
                    run.push_back(g.CellIndex(r, c2));
                if (run.size() > 1) {
                    s.lenacross = static_cast<int>(run.size());
                    s.cellsacross = run;
                }
                offerRunDigits(g, run, s.across);
            }
            if (s.down != 0) {
                std::vector<int> run;
                for (int r2 = r + 1; r2 <= g.rows && !g[g.CellIndex(r2, c)].known; ++r2)
                    run.push_back(g.CellIndex(r2, c));
                if (run.size() > 1) {
                    s.lendown = static_cast<int>(run.size());
                    s.cellsdown = run;
                }
                offerRunDigits(g, run, s.down);
            }
        }
    }
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        if (s.Black) {
            s.across = 0;
            s.down = 0;
            s.cellsacross.clear();
            s.cellsdown.clear();
        }
    }
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
