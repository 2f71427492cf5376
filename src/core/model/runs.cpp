#include "model/runs.h"

#include "base/text.h"

#include <vector>

namespace vextor {

std::vector<int> collectRun(const Grid& g, int r, int c, bool across) {
    std::vector<int> run;
    if (across) {
        for (int c2 = c + 1; c2 <= g.cols && !g[g.CellIndex(r, c2)].known; ++c2)
            run.push_back(g.CellIndex(r, c2));
    } else {
        for (int r2 = r + 1; r2 <= g.rows && !g[g.CellIndex(r2, c)].known; ++r2)
            run.push_back(g.CellIndex(r2, c));
    }
    return run;
}

void DropBlackCellRuns(Grid& g) {
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        if (s.Black) {
            s.across = 0;
            s.down = 0;
            s.cellsacross.clear();
            s.cellsdown.clear();
            s.lenacross = 0;
            s.lendown = 0;
        }
    }
}

void FindRuns(Grid& g) {
    ScanRuns(g, [](const std::vector<int>&, int) {});
}

} // namespace vextor
