#include "state/grid_commands.h"

#include "base/text.h"
#include "state/play_aids.h"

namespace vextor {

void BuildGrid(AppState& st, UserInterface& ui, int r, int c) {
    BusyPointer busy(ui);
    if (st.autosolving)
        st.cancelsolve = true; // the running solve must not touch the new cells
    st.maxtries = 3 * r * c;
    Grid& g = st.grid;
    g.resize(r, c, st.whitecol);
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        s.across = 0;
        s.down = 0;
        s.Black = false;
        s.known = false;
        s.Choices.clear();
        s.Choices0.clear();
        s.BackColor = st.whitecol;
        s.tick = 0;
        s.Enabled = true;
    }
    g.place();
    st.pendingaction.clear();
    ClearVerifyStatus(st);
}

void FitGridWindow(AppState& st) {
    st.fit = FitGridWindow(st.grid.rows, st.grid.cols);
}

bool NewGridCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return false;
    }
    if (!ConfirmDiscardEntries(st, ui))
        return false;
    const std::string prompt =
        "Enter grid size as rows,columns\r\nMaximum rows=" + spacedNumber(st.maxrows) +
        ", columns=" + spacedNumber(st.maxcols);
    int rows = 0, cols = 0;
    for (;;) {
        const auto answer = ui.inputBox(prompt, "New Grid", "10,10");
        if (!answer || answer->empty())
            return false;
        const auto parts = split(*answer, ',');
        rows = leadingInt(parts[0]);
        // Without a comma there is no column count: that is not a valid size.
        cols = parts.size() > 1 ? leadingInt(parts[1]) : 0;
        if (rows < 5 || rows > st.maxrows) {
            ui.message("Incorrect number of rows");
            continue;
        }
        if (cols < 5 || cols > st.maxcols) {
            ui.message("Incorrect number of columns");
            continue;
        }
        break;
    }
    {
        BusyPointer busy(ui);
        st.editmode = false;
        st.manualmode = false;
        {
            HiddenGrid hidden(ui);
            BuildGrid(st, ui, rows, cols);
        }
        FitGridWindow(st);
        // The size label follows the new grid, so it never shows the size of
        // the puzzle that was replaced.
        st.texts.gridSize = plainNumber(rows) + "x" + plainNumber(cols);
        st.texts.title.clear(); // the empty grid has no title yet
        st.typedsums.clear();
        st.pendingaction.clear();
        st.curcell = 1;
        st.grid[1].tick = st.greencol;
        st.editmode = true;
    }
    ui.pumpEvents();
    return true;
}

} // namespace vextor
