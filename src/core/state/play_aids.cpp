#include "state/play_aids.h"

#include "base/user_interface.h"
#include "state/app_state.h"

namespace vextor {

PencilMask pencilMask(const std::string& digits) {
    PencilMask m = 0;
    for (char c : digits)
        if (c >= '1' && c <= '9')
            m = static_cast<PencilMask>(m | (1u << (c - '0')));
    return m;
}

std::string pencilDigits(PencilMask mask) {
    std::string s;
    for (int d = 1; d <= 9; ++d)
        if (mask & (1u << d))
            s += static_cast<char>('0' + d);
    return s;
}

bool playAidsCurrent(const AppState& st) {
    const auto size = static_cast<std::size_t>(st.grid.ncells) + 1;
    return st.aids.generation == st.grid.generation && st.aids.pencil.size() == size;
}

void forEachRunCell(const AppState& st, int cell, const std::function<void(int)>& visit) {
    const auto at = static_cast<std::size_t>(cell);
    const auto& across = st.solver.acrossowner;
    const auto& down = st.solver.downowner;
    if (at < across.size() && st.grid.valid(across[at]))
        for (int j : st.grid[across[at]].cellsacross)
            if (st.grid.valid(j))
                visit(j);
    if (at < down.size() && st.grid.valid(down[at]))
        for (int j : st.grid[down[at]].cellsdown)
            if (st.grid.valid(j))
                visit(j);
}

bool DigitRepeatsInRun(const AppState& st, int cell) {
    if (!st.grid.valid(cell))
        return false;
    const std::string& digit = st.grid[cell].Choices;
    if (digit.size() != 1)
        return false;
    bool repeated = false;
    forEachRunCell(st, cell, [&](int j) { repeated |= j != cell && st.grid[j].Choices == digit; });
    return repeated;
}

bool HasManualEntries(const AppState& st) {
    if (!st.manualmode)
        return false;
    const bool marks = playAidsCurrent(st);
    for (int i = 1; i <= st.grid.ncells; ++i) {
        const Square& s = st.grid[i];
        if (s.known || s.Black)
            continue;
        const PencilMask start = st.aids.notesStartedEmpty ? 0 : pencilMask(s.Choices0);
        if (s.Choices != s.Choices0 ||
            (marks && st.aids.pencil[static_cast<std::size_t>(i)] != start))
            return true;
    }
    return false;
}

bool ConfirmDiscardEntries(const AppState& st, UserInterface& ui) {
    return !HasManualEntries(st) || ui.askYesNoDefaultNo("Discard your entries?");
}

Colour cursorHighlight(const AppState& st) {
    // Slot 4 of a scheme is its highlight; navy before any scheme is read.
    return st.schemesApplied > 0 ? st.schemecolours[4] : packColour(0, 0, 128);
}

bool sharesRunWithCursor(const AppState& st, int cell) {
    const auto at = static_cast<std::size_t>(cell), cur = static_cast<std::size_t>(st.curcell);
    auto same = [&](const std::vector<int>& owner) {
        return at < owner.size() && cur < owner.size() && owner[at] != 0 && owner[at] == owner[cur];
    };
    return same(st.solver.acrossowner) || same(st.solver.downowner);
}

CellDisplay describeCell(const AppState& st, int i) {
    const Square& s = st.grid[i];
    CellMarks marks;
    if (st.manualmode && !st.autosolving && st.grid.valid(st.curcell)) {
        marks.highlight = cursorHighlight(st);
        marks.cursor = i == st.curcell;
        marks.runTint = !s.known && !s.Black && (marks.cursor || sharesRunWithCursor(st, i));
    }
    if (!st.manualmode || !playAidsCurrent(st) || s.known || s.Black)
        return describeCell(s, marks);
    // An open cell of manual solving holds its starting candidates; anything
    // else (AutoSolve working on the grid) is shown as it is.
    if (st.aids.editPencilMarks && s.Choices == s.Choices0) {
        marks.pencilShown = true;
        marks.pencil = pencilDigits(st.aids.pencil[static_cast<std::size_t>(i)]);
    }
    if (st.aids.checkAsYouGo && DigitRepeatsInRun(st, i)) {
        marks.errorDigit = true;
        marks.errorColour = st.redcol;
    }
    return describeCell(s, marks);
}

void ClearVerifyStatus(AppState& st) {
    if (st.texts.status.starts_with(kVerifyStatusPrefix))
        st.texts.status.clear();
}

} // namespace vextor
