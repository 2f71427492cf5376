// Classic layouts: the patterns of puzzle books. Every white cell lies in one
// across run and one down run, each headed by a clue and 2 to 9 cells long;
// the white cells are connected; the top row and the left column hold only
// clues and black cells; the pattern is symmetric (a half turn by default).
#pragma once

#include "base/random.h"
#include "model/grid.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vextor {

enum class ClassicSymmetry { HalfTurn, Mirror, None };

// "half-turn", "mirror", "none".
const char* SymmetryWord(ClassicSymmetry s);
std::optional<ClassicSymmetry> ParseSymmetry(std::string_view word);

// Sizes of classic puzzles, the clue row and column included.
inline constexpr int kClassicMinSide = 5;
inline constexpr int kClassicMaxRows = 15;
inline constexpr int kClassicMaxCols = 18;
// The share of white cells below and right of the clue row and column.
inline constexpr double kClassicMinWhite = 0.55;
inline constexpr double kClassicMaxWhite = 0.75;

// Empty when rows x cols is a classic size, else the message telling the
// sizes allowed.
std::string ClassicSizeProblem(int rows, int cols);

// A pattern: white flags by cell number (1..rows * cols, numbered as Grid).
struct ClassicLayout {
    int rows = 0;
    int cols = 0;
    std::vector<char> white; // index 0 unused
    bool isWhite(int r, int c) const {
        return r >= 1 && r <= rows && c >= 1 && c <= cols &&
               white[static_cast<std::size_t>((r - 1) * cols + c)] != 0;
    }
    bool operator==(const ClassicLayout&) const = default;
};

// The layout of a grid: its white cells are the cells that are not known.
ClassicLayout LayoutOfGrid(const Grid& grid);

// The first fault of the run rules and the connection test, in cell order:
// empty when every white cell lies in an across and a down run of 2 to 9
// cells, each headed by a cell that can hold its clue (not the grid's edge),
// and the white cells form one area. Otherwise a message naming the cell at
// fault ("row R, column C").
std::string ClassicLayoutFault(const ClassicLayout& layout);

bool IsSymmetric(const ClassicLayout& layout, ClassicSymmetry s);
// The share of white cells below and right of the top row and left column.
double WhiteShare(const ClassicLayout& layout);
// Whether every row and column below and right of the top row and left
// column holds a white cell.
bool EveryLineHasWhite(const ClassicLayout& layout);
// Everything a drawn classic layout satisfies (the run rules, connection,
// symmetry, white lines, clue row and column, white share); empty when it
// does, else the first fault in words.
std::string ClassicLayoutProblem(const ClassicLayout& layout, ClassicSymmetry s);

// Draws a classic layout of rows x cols: blocks are set one symmetric pair at
// a time on an all-white field, never leaving a one-cell run, an empty line or
// separated white cells, first inside runs longer than maxRun, then until
// about whiteTarget of the cells are white. Gives up after `attempts` draws
// (nullopt); *drawn counts the draws made.
std::optional<ClassicLayout> DrawClassicLayout(Random& rng, int rows, int cols, ClassicSymmetry s,
                                               double whiteTarget, int maxRun, int attempts,
                                               int* drawn = nullptr);

} // namespace vextor
