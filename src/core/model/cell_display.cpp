#include "model/cell_display.h"

namespace vextor {

CellDisplay describeCell(const Square& cell, const CellMarks& marks) {
    CellDisplay d;
    d.background = cell.Black ? packColour(0, 0, 0) : cell.BackColor;
    if (!cell.Black) {
        d.acrossText = cell.across != 0 ? std::to_string(cell.across) : std::string();
        d.downText = cell.down != 0 ? std::to_string(cell.down) : std::string();
    }
    d.acrossColour = cell.acrosscol;
    d.downColour = cell.downcol;
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
    d.errorDigit = marks.errorDigit && settled;
    d.errorColour = marks.errorColour;
    d.tickVisible = cell.tick != 0;
    d.tickColour = cell.tick;
    return d;
}

} // namespace vextor
