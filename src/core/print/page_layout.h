// Printed pages as drawing operations: two grids to a page, a puzzle or its
// solution in each half, in page units that a backend maps onto paper.
//
// A half is laid out on a logical page of 11568 x s by 15960 x s units, where
// s grows with the grid's rows (larger grids print smaller); its header,
// grid, clues and footer follow fixed positions on that page. Nothing here
// draws: a PageSink (the printer or PDF backend, or a test) receives each
// finished page.
#pragma once

#include "base/colour.h"
#include "base/user_interface.h"
#include "files/puzzle_reader.h"
#include "state/app_state.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vextor::print {

constexpr double kPageWidth = 11568; // logical page at scale 1
constexpr double kPageHeight = 15960;
constexpr double kLeft = 600;          // left edge of column 0
constexpr double kTopOrigin = 600;     // the top half
constexpr double kBottomOrigin = 8500; // the bottom half
inline const char* const kFont = "Courier New";
constexpr int kLineWidth = 6; // grid lines, in printer pixels (600 per inch)

enum class Half { Top, Bottom };
// "BOTTOM" is the bottom half; any other text the top half.
Half halfFromText(std::string_view position);

struct DrawOp {
    enum class Kind { Text, FilledRect, Outline };
    Kind kind = Kind::Text;
    double x = 0; // left edge; for text the left of its line box
    double y = 0; // top edge; for text the top of its line box
    double w = 0; // rectangles only
    double h = 0;
    Colour colour = 0; // rectangles
    std::string text;  // text only
    double points = 0; // font size in points
    bool bold = false;
    int lineWidth = 0; // outlines, printer pixels
};

// One half-page (or any part of a page) at its own scale: coordinates are
// units of a logical page 11568 x scale wide and 15960 x scale high.
struct Section {
    double scale = 1;
    std::vector<DrawOp> ops;
};

struct Page {
    std::vector<Section> sections;
};

// How much a backend must shrink the page so that every operation lies on the
// logical page (1 when all fit). Text is measured as 0.6 em per character
// (a fixed-pitch face) and 1.2 em high.
double fitFactor(const Page& page);

// Page scale for a grid of `rows` rows: 1 below 10 rows, then 0.075 more per row.
double pageScale(int rows);

// One cell of a record as printing reads it.
struct PrintCell {
    enum class Kind { Black, Sum, White };
    Kind kind = Kind::White;
    int across = 0;
    int down = 0;
    std::string solution; // white cells: the solution token at this cell
};

struct PrintGrid {
    std::string title;
    int rows = 0;
    int cols = 0;
    std::vector<PrintCell> cells; // rows x cols, in index order
};

// The cells of a record: layout tokens in index order (white counts run on
// across row ends) and each row's solution tokens at their own cells, an
// empty token keeping its place. nullopt when the size is out of range or the
// row lines do not cover exactly rows x cols cells.
std::optional<PrintGrid> printGrid(const std::string& title, int rows, int cols,
                                   const std::vector<std::string>& rowLines);

// The drawing of a puzzle (or, with solution, its solution) in one half. A
// title too long for the paper is cut and ends in "..."; only a grid too
// wide for it makes the page shrink (fitFactor).
Section puzzleSection(const PrintGrid& grid, int number, Half half, bool solution, Colour blackcol,
                      const std::string& footer);

// The line under every grid: the program's name and the date given.
std::string footerText(const std::string& date);

// Receives every finished page, in order. page() returns false when the
// output failed; printing then stops.
class PageSink {
public:
    virtual ~PageSink() = default;
    virtual bool page(const Page& page) = 0;
};

// Records of one puzzle file found by the number written in their header:
// the first record whose header number is N. The file is read once.
class RecordsByNumber {
public:
    explicit RecordsByNumber(std::string file);
    const std::string& file() const { return reader_.file(); }
    bool ok() const { return reader_.ok(); }
    int count() const { return reader_.count(); }
    // Adds record N's drawing in that half to the page; a missing record
    // gives "N Not found", a damaged one the read-error message naming the
    // file, and leaves the half empty. True when the record was drawn.
    bool draw(Page& page, Half half, int n, bool solution, Colour blackcol,
              const std::string& footer, UserInterface& ui);

private:
    PuzzleFileReader reader_;
    std::map<int, int> first_; // header number -> header position
    bool indexed_ = false;
};

} // namespace vextor::print
