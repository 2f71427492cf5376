// What a cell shows: a pure function of its properties, used by the grid view
// and by the tests.
#pragma once

#include "model/square.h"

#include <string>

namespace vextor {

struct CellDisplay {
    Colour background = 0;  // pure black for black cells, else BackColor
    std::string acrossText; // across clue, empty when 0 (right-aligned, top)
    std::string downText;   // down clue, empty when 0 (left-aligned, bottom)
    Colour acrossColour = 0;
    Colour downColour = 0;
    std::string line1; // Choices: first five characters...
    std::string line2; // ...and the rest, when there are six or more
    int pointSize = 8; // 8 regular, 16 bold for a single digit
    bool bold = false;
    bool tickVisible = false;
    Colour tickColour = 0;
    bool errorDigit = false; // the digit repeats in a run: drawn in errorColour
    Colour errorColour = 0;
};

// What solving by hand lays over a white cell's own properties.
struct CellMarks {
    bool pencilShown = false; // the player's pencil marks replace the candidates
    std::string pencil;       // ascending digits
    bool errorDigit = false;  // the cell's single digit is drawn in errorColour
    Colour errorColour = 0;
};

CellDisplay describeCell(const Square& cell, const CellMarks& marks = {});

} // namespace vextor
