// What a cell shows: a pure function of its properties, used by the grid view
// and by the tests.
#pragma once

#include <string>

#include "model/square.h"

namespace vextor {

struct CellDisplay {
    Colour background = 0;     // pure black for black cells, else BackColor
    std::string acrossText;    // across clue, empty when 0 (right-aligned, top)
    std::string downText;      // down clue, empty when 0 (left-aligned, bottom)
    Colour acrossColour = 0;
    Colour downColour = 0;
    std::string line1;         // Choices: first five characters...
    std::string line2;         // ...and the rest, when there are six or more
    int pointSize = 8;         // 8 regular, 16 bold for a single digit
    bool bold = false;
    bool tickVisible = false;
    Colour tickColour = 0;
};

CellDisplay describeCell(const Square& cell);

} // namespace vextor
