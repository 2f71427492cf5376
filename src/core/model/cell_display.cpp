#include "model/cell_display.h"

#include <algorithm>

namespace vextor {

std::string clueText(int clue) {
    if (clue == 0)
        return {};
    return clue == -1 ? "?" : std::to_string(clue);
}

Colour runTintColour(Colour background, Colour highlight) {
    // A light touch first: the weakest blend that is seen keeps every text
    // readable with the least change of its colour.
    for (Colour towards : {highlight, plainTextColour(background)})
        for (int weight = 24; weight <= 160; weight += 8) {
            const Colour tint = blendColour(background, towards, weight);
            if (contrastRatio(tint, background) >= kRunTintContrast)
                return tint;
        }
    return blendColour(background, plainTextColour(background), 160);
}

Colour cursorOutlineColour(Colour background, Colour highlight) {
    return shadeWithContrast(highlight, background, std::max(kCursorContrast, kReadableContrast));
}

CellDisplay describeCell(const Square& cell, const CellMarks& marks) {
    CellDisplay d;
    d.background = cell.Black ? packColour(0, 0, 0) : cell.BackColor;
    if (marks.runTint && !cell.Black) {
        d.background = runTintColour(d.background, marks.highlight);
        d.runTinted = true;
    }
    d.cursor = marks.cursor;
    d.cursorColour = cursorOutlineColour(d.background, marks.highlight);
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
