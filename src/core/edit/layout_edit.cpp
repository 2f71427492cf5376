#include "edit/layout_edit.h"

#include "base/text.h"
#include "edit/cell_pad.h"
#include "model/grid_checks.h"
#include "state/cursor.h"
#include "state/play_aids.h"

namespace vextor {

namespace {

constexpr int kMaxClue = 45;
constexpr int kRemoveClue = 99; // the pad's "C": remove the clue on that side

void makeSumCell(Square& s, Colour greycol) {
    s.Black = false;
    s.known = true;
    s.BackColor = greycol;
}

void makeWhiteCell(AppState& st, int cell) {
    Square& s = st.grid[cell];
    s.known = false;
    s.BackColor = st.whitecol;
    s.across = 0;
    s.down = 0;
    s.Black = false;
}

// Applies a pair "a,d" of clues to a cell: 0 keeps that side, 99 removes it.
void applyPair(AppState& st, int cell, const std::string& pair) {
    const std::size_t comma = pair.find(',');
    const int a = leadingInt(pair.substr(0, comma));
    const int d = leadingInt(pair.substr(comma + 1));
    Square& s = st.grid[cell];
    makeSumCell(s, st.greycol);
    if (a > 0)
        s.across = a;
    if (d > 0)
        s.down = d;
    if (a == kRemoveClue)
        s.across = 0;
    if (d == kRemoveClue)
        s.down = 0;
    if (s.across == 0 && s.down == 0)
        makeWhiteCell(st, cell);
}

// A single number goes to the side of the quarter the pointer is in: the
// upper-right quarter sets the across clue, the lower-left the down clue.
void applyNumber(AppState& st, int cell, int n, int x, int y) {
    const int half = st.cellwidth / 2;
    Square& s = st.grid[cell];
    if (x > half && y < half) {
        makeSumCell(s, st.greycol);
        s.across = n;
    } else if (x < half && y > half) {
        makeSumCell(s, st.greycol);
        s.down = n;
    }
}

int wrapNext(const AppState& st, int cell) {
    return cell + 1 > st.grid.ncells ? 1 : cell + 1;
}

// The cursor position an edit-mode navigation key leads to; 0 for other keys.
int editTarget(const AppState& st, KeyCode code) {
    const int cur = st.curcell;
    const int n = st.grid.ncells;
    const int cols = st.grid.cols;
    switch (code) {
    case KeyCode::Enter:
    case KeyCode::Right:
        return wrapNext(st, cur);
    case KeyCode::Left:
        return cur - 1 < 1 ? n : cur - 1;
    case KeyCode::Down:
        return cur + cols > n ? cur - (n - cols) : cur + cols;
    case KeyCode::Up:
        return cur - cols < 1 ? cur + (n - cols) : cur - cols;
    case KeyCode::Home:
        return 1;
    case KeyCode::End:
        return n;
    default:
        return 0;
    }
}

// Applies typedsums to curcell; false when the typed clue is refused.
bool applyTypedSums(AppState& st) {
    std::string typed = st.typedsums;
    st.typedsums.clear();
    if (typed.find(',') == std::string::npos)
        typed += ',';
    const std::size_t comma = typed.find(',');
    const int a = leadingInt(typed.substr(0, comma));
    const int d = leadingInt(typed.substr(comma + 1));
    if (a > kMaxClue || d > kMaxClue || a == 1 || a == 2 || d == 1 || d == 2 || (a == 0 && d == 0))
        return false;
    if (!st.grid.valid(st.curcell))
        return false;
    Square& s = st.grid[st.curcell];
    s.across = a;
    s.down = d;
    makeSumCell(s, st.greycol);
    return true;
}

} // namespace

namespace {
// The cell of mnumainTag for a layout change; none while AutoSolve runs, as
// the solver owns the grid then.
int editableCell(const AppState& st) {
    return st.autosolving ? 0 : mnumainCell(st);
}
} // namespace

int mnumainCell(const AppState& st) {
    std::string tag = trim(st.mnumainTag);
    if (!tag.empty() && (tag[0] == 'A' || tag[0] == 'D'))
        tag.erase(0, 1);
    const int cell = leadingInt(tag);
    return st.grid.valid(cell) ? cell : 0;
}

void MakeBlack(AppState& st) {
    const int cell = editableCell(st);
    if (cell == 0)
        return;
    Square& s = st.grid[cell];
    s.known = true;
    s.BackColor = st.blackcol;
    s.across = 0;
    s.down = 0;
    s.Black = true;
}

void MakeWhite(AppState& st) {
    const int cell = editableCell(st);
    if (cell != 0)
        makeWhiteCell(st, cell);
}

void MakeSum(AppState& st) {
    const int cell = editableCell(st);
    if (cell == 0)
        return;
    makeWhiteCell(st, cell);
    Square& s = st.grid[cell];
    makeSumCell(s, st.greycol);
    s.across = -1;
    s.down = -1;
}

bool EditCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return false;
    }
    if (st.manualmode) {
        ui.message("Cannot edit in ManualSolve mode");
        return false;
    }
    st.manualmode = false;
    st.editmode = true;
    st.typedsums.clear();
    clearCellMarks(st.grid, st.blackcol);
    for (int i = 1; i <= st.grid.ncells; ++i)
        st.grid[i].Enabled = true;
    st.pendingaction.clear();
    MoveCursor(st, 1);
    return true;
}

bool ClearGridCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return false;
    }
    // Both questions default to No: a stray Enter loses nothing.
    if (!ConfirmDiscardEntries(st, ui) || !ui.askYesNoDefaultNo("Clear grid?"))
        return false;
    BusyPointer busy(ui);
    resetCells(st.grid, st.blackcol);
    for (int i = 1; i <= st.grid.ncells; ++i) {
        Square& s = st.grid[i];
        s.known = true;
        if (s.BackColor == st.whitecol) {
            s.known = false;
        } else {
            s.across = -1;
            s.down = -1;
        }
    }
    return true;
}

void ApplyPending(AppState& st, int cell, int x, int y) {
    if (st.autosolving || !st.grid.valid(cell))
        return;
    MoveCursor(st, cell);
    const std::string action = trim(st.pendingaction);
    if (!action.empty()) {
        st.mnumainTag = std::to_string(cell);
        if (action == "Sum")
            MakeSum(st);
        else if (action == "Black")
            MakeBlack(st);
        else if (action == "Clear")
            MakeWhite(st);
        else if (action.find(',') != std::string::npos)
            applyPair(st, cell, action);
        else
            applyNumber(st, cell, leadingInt(action), x, y);
    }
    st.pendingaction.clear();
}

void Command10Click(AppState& st) {
    if (st.autosolving)
        return;
    const int cell = mnumainCell(st);
    std::string action = trim(st.pendingaction);
    if (cell == 0) {
        // A Tag left over from a larger grid: nothing stays armed for a later click.
        st.pendingaction.clear();
        return;
    }
    if (action.empty())
        return;
    if (action != "Black" && action != "Sum" && action != "Clear" &&
        action.find(',') == std::string::npos) {
        if (!st.mnumainTag.empty() && st.mnumainTag[0] == 'A')
            action += ",";
        else if (!st.mnumainTag.empty() && st.mnumainTag[0] == 'D')
            action = "," + action;
    }
    st.pendingaction = action;
    ApplyPending(st, cell, 0, 0);
}

int EditRightClick(AppState& st, int cell, int y) {
    if (st.autosolving || !st.grid.valid(cell))
        return 0;
    st.mnumainTag = (y <= 350 ? "A" : "D") + std::to_string(cell);
    MoveCursor(st, cell);
    return PadAnchorCell(st.grid, cell);
}

void EditKeyUp(AppState& st, const KeyEvent& key) {
    if (st.autosolving)
        return;
    const int target = editTarget(st, key.code);
    if (target != 0) {
        if (!st.typedsums.empty() && !applyTypedSums(st))
            return; // a refused clue leaves the cursor where it is
        MoveCursor(st, target);
        st.typedsums.clear();
        return;
    }
    switch (key.code) {
    case KeyCode::X:
    case KeyCode::C:
        st.mnumainTag = std::to_string(st.curcell);
        if (key.code == KeyCode::X)
            MakeBlack(st);
        else
            MakeWhite(st);
        st.pendingaction.clear();
        st.typedsums.clear();
        MoveCursor(st, wrapNext(st, st.curcell));
        return;
    case KeyCode::Digit:
        if (!key.keypad && !key.shift) { // Shift+digit types a symbol, no clue digit
            st.typedsums += static_cast<char>('0' + key.digit);
            return;
        }
        break;
    case KeyCode::Comma:
        if (!key.keypad) {
            st.typedsums += ',';
            return;
        }
        break;
    default:
        break;
    }
    st.typedsums.clear();
}

void BackgroundClick(AppState& st) {
    st.pendingaction.clear();
}

} // namespace vextor
