// One grid position: a black cell, a sum ("grey") cell or a white cell.
#pragma once

#include <string>
#include <vector>

#include "base/colour.h"

namespace vextor {

struct Square {
    Colour BackColor = 0;   // background; tells sum cells from white cells
    bool Enabled = true;    // mouse releases on a disabled cell are ignored
    int across = 0;         // across clue of a sum cell, 0 = none
    int down = 0;           // down clue of a sum cell, 0 = none
    bool Black = false;     // black cell
    std::string Choices;    // candidate digits of a white cell; one digit = settled
    bool known = false;     // never filled (black or sum cell); run scans stop here
    int lenacross = 0;      // cells in the across run (0 when shorter than 2)
    int lendown = 0;        // cells in the down run
    std::vector<int> cellsacross; // cell indexes of the across run, in order
    std::vector<int> cellsdown;   // cell indexes of the down run, in order
    std::string Choices0;   // saved copy of Choices
    int neibors = 0;        // white cells sharing a run with this one
    Colour acrosscol = 0;   // text colour of the across clue
    Colour downcol = 0;     // text colour of the down clue
    Colour tick = 0;        // corner marker colour; 0 hides it

    // Placement inside the grid area, in twips.
    int left = 0;
    int top = 0;
};

// The text form of a run: each index with one leading space and a trailing
// comma (" 12, 13, 14,").
std::string runString(const std::vector<int>& run);

} // namespace vextor
