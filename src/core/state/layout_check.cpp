#include "state/layout_check.h"

#include "base/text.h"

#include <vector>

namespace vextor {

void FlagCell(AppState& st, UserInterface& ui, int cell, const std::string& message,
              Colour colour) {
    if (!st.grid.valid(cell)) {
        ui.message(message);
        return;
    }
    st.grid[cell].tick = colour;
    ui.message(message);
    st.grid[cell].tick = 0;
}

bool HeadsTwoWhiteCells(const AppState& st, int cell, bool down) {
    const Grid& g = st.grid;
    const int step = down ? g.cols : 1;
    const bool room = down ? g.rowOf(cell) <= g.rows - 2 : g.colOf(cell) <= g.cols - 2;
    return room && g[cell + step].BackColor == st.whitecol &&
           g[cell + 2 * step].BackColor == st.whitecol;
}

bool CheckLayout(AppState& st, UserInterface& ui, bool show) {
    Grid& g = st.grid;
    // A white cell is covered when it belongs to a run of some clue checked
    // below; this is the same as finding " i," in the text of those runs.
    std::vector<char> covered(static_cast<std::size_t>(g.ncells) + 1, 0);
    auto cover = [&](const std::vector<int>& run) {
        for (int j : run)
            if (g.valid(j))
                covered[static_cast<std::size_t>(j)] = 1;
    };
    auto fail = [&](int i, const std::string& text) {
        if (show)
            FlagCell(st, ui, i, text, st.redcol);
        return true;
    };

    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        if (s.across != 0) {
            if (s.lenacross < 2)
                return fail(i, "Need at least 2 cells for sum (" + spacedNumber(s.across) +
                                   ") across at" + spacedNumber(i));
            cover(s.cellsacross);
        }
        if (s.down != 0) {
            if (s.lendown < 2)
                return fail(i, "Need at least 2 cells for sum (" + spacedNumber(s.down) +
                                   ") down at" + spacedNumber(i));
            cover(s.cellsdown);
        }
    }

    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        if (!s.known && !covered[static_cast<std::size_t>(i)])
            return fail(i, "Cell" + spacedNumber(i) + " (" + s.Choices +
                               ") does not appears to be part of any across or down sums");
    }

    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            const int i = g.CellIndex(r, c);
            if (!g[i].Black)
                continue;
            if (HeadsTwoWhiteCells(st, i, true)) {
                const std::string w = "Column at cell" + spacedNumber(i + g.cols) +
                                      " down may not have unique digits";
                if (show)
                    FlagCell(st, ui, i + g.cols, w, st.yellowcol);
            }
            if (HeadsTwoWhiteCells(st, i, false)) {
                const std::string w =
                    "Row at cell" + spacedNumber(i + 1) + " across may not have unique digits";
                if (show)
                    FlagCell(st, ui, i + 1, w, st.yellowcol);
            }
        }
    }
    return false;
}

} // namespace vextor
