// What a cell shows: a pure function of its properties, used by the grid view
// and by the tests.
#pragma once

#include "model/square.h"

#include <string>

namespace vextor {

struct CellDisplay {
    Colour background = 0;   // pure black for black cells, else BackColor
    std::string acrossText;  // across clue, empty when 0 (right-aligned, top)
    std::string downText;    // down clue, empty when 0 (left-aligned, bottom)
    Colour acrossColour = 0; // acrosscol and downcol in a shade that reads on
    Colour downColour = 0;   // the background (readableTextColour)
    std::string line1;       // Choices: first five characters...
    std::string line2;       // ...and the rest, when there are six or more
    int pointSize = 8;       // 8 regular, 16 bold for a single digit
    bool bold = false;
    // Two or more candidates: drawn as small pencil marks, digit d at place d
    // of a 3 x 3 pattern (1 top left .. 9 bottom right) instead of the lines.
    std::string pencilMarks;
    Colour textColour = 0; // digits and pencil marks: black or white
    bool tickVisible = false;
    Colour tickColour = 0;  // the marker's fill...
    Colour tickOutline = 0; // ...and its rim, a shade of it that reads
    // The digit repeats in a run: drawn in errorColour and ringed, so the
    // mark does not rest on colour alone.
    bool errorDigit = false;
    Colour errorColour = 0; // the wrong colour in a shade that reads
    // The cursor of solving by hand: an outline along the cell's edges, clear
    // of the corner marker, in a colour with kCursorContrast on the background.
    bool cursor = false;
    Colour cursorColour = 0;
    bool runTinted = false; // the background is the tint of the cursor's runs
};

// What solving by hand lays over a white cell's own properties.
struct CellMarks {
    bool pencilShown = false; // the player's pencil marks replace the candidates
    std::string pencil;       // ascending digits
    bool errorDigit = false;  // the cell's single digit is drawn in errorColour
    Colour errorColour = 0;
    bool cursor = false;  // the cursor cell
    bool runTint = false; // a white cell of the cursor's across or down run
    Colour highlight = 0; // the colour the cursor and the tint are made from
};

// The least contrast of the cursor's outline on its cell (it is drawn with
// the contrast of text where the highlight allows), and of a tinted cell on
// its own colour (so the tint is seen).
constexpr double kCursorContrast = 3.0;
constexpr double kRunTintContrast = 1.3;

// A cell of the cursor's runs: `background` moved towards `highlight` (or,
// when the highlight is as light or dark as the cell, towards black or white)
// until the two differ by kRunTintContrast.
Colour runTintColour(Colour background, Colour highlight);
// The cursor's outline on a cell of colour `background`.
Colour cursorOutlineColour(Colour background, Colour highlight);

// The text of a clue: empty for 0, "?" for -1 (still to be computed).
std::string clueText(int clue);

CellDisplay describeCell(const Square& cell, const CellMarks& marks = {});

} // namespace vextor
