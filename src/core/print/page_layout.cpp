#include "print/page_layout.h"

#include "base/text.h"
#include "files/puzzle_file.h"
#include "model/grid.h"

#include <algorithm>

namespace vextor::print {

namespace {

constexpr double kCellW = 1.1 * kCellWidth; // a cell on paper
constexpr double kCellH = 1.1 * kCellHeight;
const Colour kSumGrey = packColour(192, 192, 192);

DrawOp text(double x, double y, std::string s, double points, bool bold) {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.x = x;
    op.y = y;
    op.text = std::move(s);
    op.points = points;
    op.bold = bold;
    return op;
}

DrawOp rect(DrawOp::Kind kind, double x, double y, Colour colour) {
    DrawOp op;
    op.kind = kind;
    op.x = x;
    op.y = y;
    op.w = kCellW;
    op.h = kCellH;
    op.colour = colour;
    op.lineWidth = kind == DrawOp::Kind::Outline ? kLineWidth : 0;
    return op;
}

// A text line at x cut to the width of the logical page, measured as
// fitFactor measures it, and ending in "..." when cut; whole UTF-8
// characters only.
std::string fitted(std::string t, double x, double points, double scale) {
    const double em = points * 20 * scale;
    const auto fits = [&](std::size_t chars) {
        return (x + 0.6 * em * static_cast<double>(chars)) / (kPageWidth * scale) <= 1.0;
    };
    if (fits(t.size()))
        return t;
    std::size_t keep = t.size();
    while (keep > 0 && !fits(keep + 3))
        --keep;
    while (keep > 0 && (static_cast<unsigned char>(t[keep]) & 0xC0) == 0x80)
        --keep;
    t.resize(keep);
    return t + "...";
}

bool isDigits(const std::string& t) {
    return std::all_of(t.begin(), t.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

// Whether the tokens, laid from column offset + 1 of row r on, agree with
// the kinds of the row's cells.
bool tokensFit(const PrintGrid& g, int r, int offset, const std::vector<std::string>& tokens) {
    for (std::size_t k = 0; k < tokens.size(); ++k) {
        const int c = offset + static_cast<int>(k);
        if (c >= g.cols)
            return false;
        const PrintCell& cell = g.cells[static_cast<std::size_t>(r * g.cols + c)];
        const std::string t = upper(tokens[k]);
        const bool fits = cell.kind == PrintCell::Kind::Black   ? t == "X"
                          : cell.kind == PrintCell::Kind::White ? t.find(',') == std::string::npos
                                                                : t.find(',') != std::string::npos;
        if (!fits)
            return false;
    }
    return true;
}

} // namespace

Half halfFromText(std::string_view position) {
    return position == "BOTTOM" ? Half::Bottom : Half::Top;
}

double pageScale(int rows) {
    return rows < 10 ? 1.0 : 1.0 + 0.075 * (rows - 10);
}

double fitFactor(const Page& page) {
    double need = 1.0;
    for (const Section& sec : page.sections) {
        const double width = kPageWidth * sec.scale;
        const double height = kPageHeight * sec.scale;
        for (const DrawOp& op : sec.ops) {
            double right = op.x + op.w, bottom = op.y + op.h;
            if (op.kind == DrawOp::Kind::Text) {
                const double em = op.points * 20 * sec.scale;
                right = op.x + 0.6 * em * static_cast<double>(op.text.size());
                bottom = op.y + 1.2 * em;
            }
            need = std::max({need, right / width, bottom / height});
        }
    }
    return 1.0 / need;
}

std::optional<PrintGrid> printGrid(const std::string& title, int rows, int cols,
                                   const std::vector<std::string>& rowLines) {
    if (rows < 1 || rows > kMaxRows || cols < 1 || cols > kMaxCols ||
        static_cast<int>(rowLines.size()) < rows)
        return std::nullopt;
    PrintGrid g;
    g.title = title;
    g.rows = rows;
    g.cols = cols;
    const std::size_t ncells = static_cast<std::size_t>(rows * cols);
    for (int r = 0; r < rows; ++r) {
        for (const LayoutToken& t : parseLayout(rowLines[static_cast<std::size_t>(r)])) {
            const std::size_t n = t.kind == LayoutToken::Kind::White
                                      ? static_cast<std::size_t>(std::max(t.count, 0))
                                      : 1;
            if (g.cells.size() + n > ncells)
                return std::nullopt;
            PrintCell cell;
            if (t.kind == LayoutToken::Kind::Black)
                cell.kind = PrintCell::Kind::Black;
            else if (t.kind == LayoutToken::Kind::Sum)
                cell = {PrintCell::Kind::Sum, t.across, t.down, {}};
            g.cells.insert(g.cells.end(), n, cell);
        }
    }
    if (g.cells.size() != ncells)
        return std::nullopt;
    // Each row's solution tokens belong to that row's cells, one token a
    // cell, an empty token (a cell without a digit) in its place. Trimming
    // the part may have lost an empty token at either end: with fewer tokens
    // than cells they are laid from the right when only that fits the row.
    for (int r = 0; r < rows; ++r) {
        const auto tokens = parseSolution(rowLines[static_cast<std::size_t>(r)]);
        const int n = static_cast<int>(tokens.size());
        int offset = 0;
        if (n < cols && !tokensFit(g, r, 0, tokens) && tokensFit(g, r, cols - n, tokens))
            offset = cols - n;
        for (int k = 0; k < n && offset + k < cols; ++k) {
            PrintCell& cell = g.cells[static_cast<std::size_t>(r * cols + offset + k)];
            const std::string t = trim(tokens[static_cast<std::size_t>(k)]);
            if (cell.kind == PrintCell::Kind::White && isDigits(t))
                cell.solution = t;
        }
    }
    return g;
}

Section puzzleSection(const PrintGrid& g, int number, Half half, bool solution, Colour blackcol,
                      const std::string& footer) {
    Section sec;
    const double s = pageScale(g.rows);
    sec.scale = s;
    const double top = half == Half::Bottom ? kBottomOrigin : kTopOrigin;
    const double textX = kLeft + kCellW;

    sec.ops.push_back(text(textX, s * top,
                           fitted((solution ? "Solution Number" : "Puzzle Number") +
                                      plainNumber(number) + " : " + g.title,
                                  textX, 10 / s, s),
                           10 / s, true));
    // The puzzle page keeps its clues bold; the solution page prints them plain.
    const bool clueBold = !solution;
    const double gridTop = s * (top + 250);
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            const PrintCell& cell = g.cells[static_cast<std::size_t>((r - 1) * g.cols + c - 1)];
            const double x = kLeft + c * kCellW;
            const double y = gridTop + (r - 1) * kCellH;
            if (cell.kind == PrintCell::Kind::Black)
                sec.ops.push_back(rect(DrawOp::Kind::FilledRect, x, y, blackcol));
            else if (cell.kind == PrintCell::Kind::Sum)
                sec.ops.push_back(rect(DrawOp::Kind::FilledRect, x, y, kSumGrey));
            sec.ops.push_back(rect(DrawOp::Kind::Outline, x, y, blackcol));
            if (cell.kind != PrintCell::Kind::Sum)
                continue;
            if (cell.across > 0) {
                std::string a = plainNumber(cell.across);
                if (a.size() < 2)
                    a.insert(0, 2 - a.size(), ' ');
                sec.ops.push_back(text(x + 425, y + 10, a, 10 / s, clueBold));
            }
            if (cell.down > 0)
                sec.ops.push_back(text(x + 50, y + 400, plainNumber(cell.down), 10 / s, clueBold));
        }
    }
    // The footer sits under the grid.
    sec.ops.push_back(text(textX, gridTop + g.rows * kCellH + 100, footer, 7 / s, false));
    if (!solution)
        return sec;
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            const PrintCell& cell = g.cells[static_cast<std::size_t>((r - 1) * g.cols + c - 1)];
            const double digit = leadingNumber(cell.solution);
            if (cell.kind != PrintCell::Kind::White || !(digit > 0 && digit < 10))
                continue;
            const double x = kLeft + c * kCellW;
            const double y = gridTop + (r - 1) * kCellH;
            sec.ops.push_back(text(x + kCellW / 2 - 400, y + kCellH / 2 - 200,
                                   spacedNumber(static_cast<long long>(digit)), 20 / s, true));
        }
    }
    return sec;
}

std::string footerText(const std::string& date) {
    return "Printed with Vextor 1.1 on " + date;
}

RecordsByNumber::RecordsByNumber(std::string file) : reader_(std::move(file)) {}

bool RecordsByNumber::draw(Page& page, Half half, int n, bool solution, Colour blackcol,
                           const std::string& footer, UserInterface& ui) {
    if (!indexed_) {
        indexed_ = true;
        for (int i = 1; i <= reader_.headers(); ++i)
            if (const auto rec = reader_.record(i))
                first_.emplace(rec->number, i);
    }
    const auto at = first_.find(n);
    if (at == first_.end()) {
        ui.message(plainNumber(n) + " Not found");
        return false;
    }
    const auto record = readRecord(reader_, at->second);
    std::optional<PrintGrid> grid;
    if (record)
        grid = printGrid(record->title, record->rows, record->cols, record->lines);
    if (!grid) {
        ui.message("Error reading puzzle#" + spacedNumber(n) + " from file " + reader_.file());
        return false;
    }
    page.sections.push_back(puzzleSection(*grid, n, half, solution, blackcol, footer));
    return true;
}

} // namespace vextor::print
