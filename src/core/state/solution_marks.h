// The marks of the last solution count: the cells where two solutions of the
// puzzle differ carry the tick marker (yellowcol) until the next edit.
#pragma once

#include "state/app_state.h"

namespace vextor {

// Takes the marks away (a cell whose tick changed meanwhile keeps it).
inline void ClearSolutionMarks(AppState& st) {
    for (const int c : st.creator.markedCells)
        if (st.grid.valid(c) && st.grid[c].tick == st.yellowcol)
            st.grid[c].tick = 0;
    st.creator.markedCells.clear();
}

} // namespace vextor
