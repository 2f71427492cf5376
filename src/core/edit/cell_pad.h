// The cell pad: a small window of clue numbers and cell kinds that a right
// click on a cell opens. Its layout, placement and button logic, in twips.
#pragma once

#include "model/cell_events.h"
#include "model/grid.h"
#include "state/app_state.h"

#include <string>
#include <vector>

namespace vextor {

constexpr int kPadWidth = 3300;  // twips
constexpr int kPadHeight = 1608; // twips
constexpr int kPadButtonWidth = 324;
constexpr int kPadButtonHeight = 300;
constexpr int kPadFirstNumber = 3;
constexpr int kPadLastNumber = 45;
constexpr int kPadTopOffset = 380; // the pad opens this far below the anchor cell's top

enum class PadButtonKind { Exit, Number, C, Black, Grey, White };

struct PadButton {
    PadButtonKind kind = PadButtonKind::Number;
    int number = 0; // the clue of a Number button
    std::string caption;
    int left = 0; // twips inside the pad
    int top = 0;
    int width = kPadButtonWidth;
    int height = kPadButtonHeight;
};

// Every button of the pad: Exit (double width) and 3..10 in the first row,
// 11..20, 21..30 and 31..40 below, then 41..45, C, Black, Grey and White.
std::vector<PadButton> padButtons();

// The cell the pad is placed from: the clicked cell, moved up two rows from
// the last row (one from the row before it) and left two columns from the
// last column (one from the column before it), so the pad stays over the grid.
int PadAnchorCell(const Grid& grid, int cell);

// The pad's Tag: the anchor cell's left and top edges in screen twips, five
// digits each with leading zeros. Positions are kept within 0..99999 so the
// Tag always has ten digits.
std::string PadTag(int leftTwips, int topTwips);

struct PadPosition {
    int left = 0; // screen twips
    int top = 0;
};
// Where the pad goes on activation: the Tag's left edge, its top edge + 380.
PadPosition PadPositionFromTag(const std::string& tag);

// What the window has to do after a button of the pad was released.
struct PadOutcome {
    bool hide = false;
    int paintRed = 0;   // number whose button turns redcol (0: none)
    int paintWhite = 0; // number whose button returns to whitecol (0: none)
};

// A mouse release on a pad button. Sets pendingaction; the buttons that apply
// it press the hidden Command10 (Command10Click), which applies it to the cell
// of mnumainTag. A right-button number starts or completes an across,down pair.
PadOutcome PadButtonUp(AppState& st, const PadButton& button, MouseButton mouse);

} // namespace vextor
