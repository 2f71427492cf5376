// State owned by puzzle creation: the shuffled orders of random layouts, the
// white areas found by the connection test and the compiler's run list.
#pragma once

#include <string>
#include <vector>

namespace vextor {

struct RunListEntry {
    std::string text;
    int head = 0;
    bool across = true;
};

struct CreatorState {
    // Random layouts: a random order of the columns 1..cols, later of the
    // cells 1..ncells, and of the rows 1..rows (index 0 unused).
    std::vector<int> colorder;
    std::vector<int> roworder;
    // The connected areas of white cells of the last connection test, each
    // in the order the flood fill reached its cells.
    std::vector<std::vector<int>> regions;
    // The run list of the last compile attempt, in ascending text order of
    // its entries "07,A, 8, 9, 10," (head cell with at least two digits, A or
    // D, the run string); each entry names its head cell and direction.
    std::vector<RunListEntry> runList;
    // Working space of the connection test and the repairs, kept between
    // calls so that the many repair steps of a layout allocate nothing.
    std::vector<int> areaOf;
    std::vector<char> covered;
    // Random layouts are repaired on the cell records step by step, as
    // AdjustGreyCells works, instead of on the cell kinds (tests compare the
    // two; the records are also used when scheme colours coincide or the
    // grid does not fit the kinds' bit planes).
    bool literalRepairs = false;
    // Puzzles asked for by the last Auto command.
    int ncreate = 0;
    // Cells marked by the last solution count (two solutions differ there).
    std::vector<int> markedCells;
    // The layout and clues the difficulty label was last rated for.
    std::string ratedLayout;
};

} // namespace vextor
