#include "state/cursor.h"

namespace vextor {

void MoveCursor(AppState& st, int cell) {
    if (st.grid.valid(st.curcell))
        st.grid[st.curcell].tick = 0;
    if (!st.grid.valid(cell)) {
        st.curcell = 0;
        return;
    }
    st.curcell = cell;
    st.grid[cell].tick = st.greencol;
}

int firstWhiteCell(const Grid& grid) {
    for (int i = 1; i <= grid.ncells; ++i)
        if (!grid[i].known)
            return i;
    return 0;
}

} // namespace vextor
