#include "edit/cell_pad.h"

#include "base/text.h"
#include "edit/layout_edit.h"

#include <algorithm>
#include <cstdio>

namespace vextor {

namespace {

constexpr int kPadMargin = 24;
constexpr int kPadRowStep = 312;

PadButton at(PadButtonKind kind, int number, std::string caption, int column, int row,
             int span = 1) {
    PadButton b;
    b.kind = kind;
    b.number = number;
    b.caption = std::move(caption);
    b.left = kPadMargin + column * kPadButtonWidth;
    b.top = kPadMargin + row * kPadRowStep;
    b.width = span * kPadButtonWidth;
    return b;
}

int padNumber(int n) {
    return n >= kPadFirstNumber && n <= kPadLastNumber ? n : 0;
}

} // namespace

std::vector<PadButton> padButtons() {
    std::vector<PadButton> buttons;
    buttons.push_back(at(PadButtonKind::Exit, 0, "Exit", 0, 0, 2));
    for (int n = kPadFirstNumber; n <= kPadLastNumber; ++n) {
        // 3..10 follow Exit in the first row; then ten numbers to a row.
        const int slot = n - kPadFirstNumber + 2;
        buttons.push_back(at(PadButtonKind::Number, n, std::to_string(n), slot % 10, slot / 10));
    }
    buttons.push_back(at(PadButtonKind::C, 0, "C", 5, 4));
    buttons.push_back(at(PadButtonKind::Black, 0, "", 6, 4));
    buttons.push_back(at(PadButtonKind::Grey, 0, "", 7, 4));
    buttons.push_back(at(PadButtonKind::White, 0, "", 8, 4));
    return buttons;
}

int PadAnchorCell(const Grid& grid, int cell) {
    if (!grid.valid(cell))
        return 0;
    int row = grid.rowOf(cell);
    int col = grid.colOf(cell);
    if (row == grid.rows)
        row -= 2;
    else if (row == grid.rows - 1)
        row -= 1;
    if (col == grid.cols)
        col -= 2;
    else if (col == grid.cols - 1)
        col -= 1;
    row = std::max(row, 1);
    col = std::max(col, 1);
    return grid.CellIndex(row, col);
}

std::string PadTag(int leftTwips, int topTwips) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%05d%05d", std::clamp(leftTwips, 0, 99999),
                  std::clamp(topTwips, 0, 99999));
    return buf;
}

PadPosition PadPositionFromTag(const std::string& tag) {
    PadPosition p;
    p.left = leadingInt(tag.substr(0, 5));
    p.top = leadingInt(tag.size() > 5 ? tag.substr(5, 5) : std::string()) + kPadTopOffset;
    return p;
}

PadOutcome PadButtonUp(AppState& st, const PadButton& button, MouseButton mouse) {
    PadOutcome out;
    if (st.autosolving) {
        out.hide = true; // the solver owns the grid: the pad only goes away
        return out;
    }
    auto apply = [&](std::string action) {
        st.pendingaction = std::move(action);
        Command10Click(st);
        out.hide = true;
    };
    switch (button.kind) {
    case PadButtonKind::Black:
        apply("Black");
        return out;
    case PadButtonKind::Grey:
        apply("Sum");
        return out;
    case PadButtonKind::White:
        apply("Clear");
        return out;
    case PadButtonKind::C:
        apply("99");
        return out;
    case PadButtonKind::Exit:
        st.pendingaction.clear();
        out.hide = true;
        return out;
    case PadButtonKind::Number:
        break;
    }
    const int n = button.number;
    if (mouse != MouseButton::Right) {
        apply(std::to_string(n));
        return out;
    }
    const std::string& pending = st.pendingaction;
    const std::size_t comma = pending.find(',');
    if (comma != std::string::npos) {
        // A finished pair is still pending: start a new one with n.
        out.paintWhite = padNumber(leadingInt(pending.substr(0, comma)));
        st.pendingaction = std::to_string(n);
        out.paintRed = n;
        return out;
    }
    const int m = leadingInt(pending);
    if (m == 0) {
        st.pendingaction = std::to_string(n);
        out.paintRed = n;
        return out;
    }
    out.paintWhite = padNumber(m);
    apply(std::to_string(m) + "," + std::to_string(n));
    return out;
}

} // namespace vextor
