#include "model/cell_display.h"

namespace vextor {

std::string clueText(int clue) {
    if (clue == 0)
        return {};
    return clue == -1 ? "?" : std::to_string(clue);
}

CellDisplay describeCell(const Square& cell) {
    CellDisplay d;
    d.background = cell.Black ? packColour(0, 0, 0) : cell.BackColor;
    if (!cell.Black) {
        d.acrossText = clueText(cell.across);
        d.downText = clueText(cell.down);
    }
    d.acrossColour = readableTextColour(cell.acrosscol, d.background);
    d.downColour = readableTextColour(cell.downcol, d.background);
    const std::string& s = cell.Choices;
    if (s.size() >= 6) {
        d.line1 = s.substr(0, 5);
        d.line2 = s.substr(5);
    } else if (s.size() == 1) {
        d.line1 = s;
        d.pointSize = 16;
        d.bold = true;
    } else {
        d.line1 = s;
    }
    if (s.size() >= 2)
        d.pencilMarks = s;
    d.textColour = plainTextColour(d.background);
    d.tickVisible = cell.tick != 0;
    d.tickColour = cell.tick;
    d.tickOutline = readableTextColour(cell.tick, d.background);
    return d;
}

} // namespace vextor
