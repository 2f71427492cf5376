#include "model/cell_display.h"

namespace vextor {

std::string clueText(int clue) {
    if (clue == 0)
        return {};
    return clue == -1 ? "?" : std::to_string(clue);
}

CellDisplay describeCell(const Square& cell, const CellMarks& marks) {
    CellDisplay d;
    d.background = cell.Black ? packColour(0, 0, 0) : cell.BackColor;
    if (!cell.Black) {
        d.acrossText = clueText(cell.across);
        d.downText = clueText(cell.down);
    }
    d.acrossColour = readableTextColour(cell.acrosscol, d.background);
    d.downColour = readableTextColour(cell.downcol, d.background);
    const bool settled = cell.Choices.size() == 1;
    const std::string& s = marks.pencilShown && !settled ? marks.pencil : cell.Choices;
    if (s.size() >= 6) {
        d.line1 = s.substr(0, 5);
        d.line2 = s.substr(5);
    } else if (settled) { // a lone pencil mark stays small: it is no entry
        d.line1 = s;
        d.pointSize = 16;
        d.bold = true;
    } else {
        d.line1 = s;
    }
    if (!settled && !s.empty())
        d.pencilMarks = s;
    d.textColour = plainTextColour(d.background);
    d.errorDigit = marks.errorDigit && settled;
    d.errorColour = readableTextColour(marks.errorColour, d.background);
    d.tickVisible = cell.tick != 0;
    d.tickColour = cell.tick;
    d.tickOutline = readableTextColour(cell.tick, d.background);
    return d;
}

} // namespace vextor
