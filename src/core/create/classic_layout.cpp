#include "create/classic_layout.h"

#include "base/text.h"

#include <algorithm>
#include <cmath>

namespace vextor {

const char* SymmetryWord(ClassicSymmetry s) {
    switch (s) {
    case ClassicSymmetry::HalfTurn:
        return "half-turn";
    case ClassicSymmetry::Mirror:
        return "mirror";
    case ClassicSymmetry::None:
        break;
    }
    return "none";
}

std::optional<ClassicSymmetry> ParseSymmetry(std::string_view word) {
    for (const ClassicSymmetry s :
         {ClassicSymmetry::HalfTurn, ClassicSymmetry::Mirror, ClassicSymmetry::None})
        if (word == SymmetryWord(s))
            return s;
    return std::nullopt;
}

std::string ClassicSizeProblem(int rows, int cols) {
    if (rows >= kClassicMinSide && rows <= kClassicMaxRows && cols >= kClassicMinSide &&
        cols <= kClassicMaxCols)
        return {};
    return "Classic puzzles have " + plainNumber(kClassicMinSide) + " to " +
           plainNumber(kClassicMaxRows) + " rows and " + plainNumber(kClassicMinSide) + " to " +
           plainNumber(kClassicMaxCols) + " columns, not " + plainNumber(rows) + "x" +
           plainNumber(cols);
}

ClassicLayout LayoutOfGrid(const Grid& grid) {
    ClassicLayout l;
    l.rows = grid.rows;
    l.cols = grid.cols;
    l.white.assign(static_cast<std::size_t>(grid.ncells) + 1, 0);
    for (int i = 1; i <= grid.ncells; ++i)
        l.white[static_cast<std::size_t>(i)] = grid[i].known ? 0 : 1;
    return l;
}

namespace {

std::string cellWords(int r, int c) {
    return "row " + plainNumber(r) + ", column " + plainNumber(c);
}

// The white cells of the run through (r, c): its first cell's position along
// the line and its length.
struct Span {
    int first = 0;
    int length = 0;
};

Span spanAt(const ClassicLayout& l, int r, int c, bool across) {
    const auto white = [&](int k) { return across ? l.isWhite(r, k) : l.isWhite(k, c); };
    int a = across ? c : r;
    int b = a;
    while (white(a - 1))
        --a;
    while (white(b + 1))
        ++b;
    return {a, b - a + 1};
}

// Cells of the one area holding `from`, as flags by cell number.
std::vector<char> areaOf(const ClassicLayout& l, int from) {
    std::vector<char> seen(l.white.size(), 0);
    std::vector<int> pending{from};
    seen[static_cast<std::size_t>(from)] = 1;
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        const int r = (i - 1) / l.cols + 1;
        const int c = (i - 1) % l.cols + 1;
        const int nr[4] = {r - 1, r + 1, r, r};
        const int nc[4] = {c, c, c - 1, c + 1};
        for (int k = 0; k < 4; ++k) {
            if (!l.isWhite(nr[k], nc[k]))
                continue;
            const int j = (nr[k] - 1) * l.cols + nc[k];
            if (!seen[static_cast<std::size_t>(j)]) {
                seen[static_cast<std::size_t>(j)] = 1;
                pending.push_back(j);
            }
        }
    }
    return seen;
}

int firstWhite(const ClassicLayout& l) {
    for (int i = 1; i < static_cast<int>(l.white.size()); ++i)
        if (l.white[static_cast<std::size_t>(i)])
            return i;
    return 0;
}

bool connected(const ClassicLayout& l) {
    const int first = firstWhite(l);
    if (first == 0)
        return false;
    const std::vector<char> seen = areaOf(l, first);
    for (std::size_t i = 1; i < l.white.size(); ++i)
        if (l.white[i] && !seen[i])
            return false;
    return true;
}

// The cell a symmetry pairs with (r, c); the top row and left column stay
// out of the pattern.
std::pair<int, int> partner(const ClassicLayout& l, ClassicSymmetry s, int r, int c) {
    switch (s) {
    case ClassicSymmetry::HalfTurn:
        return {l.rows + 2 - r, l.cols + 2 - c};
    case ClassicSymmetry::Mirror:
        return {r, l.cols + 2 - c};
    case ClassicSymmetry::None:
        break;
    }
    return {r, c};
}

} // namespace

std::string ClassicLayoutFault(const ClassicLayout& l) {
    const int first = firstWhite(l);
    if (first == 0)
        return "The layout has no white cells";
    for (int r = 1; r <= l.rows; ++r) {
        for (int c = 1; c <= l.cols; ++c) {
            if (!l.isWhite(r, c))
                continue;
            for (const bool across : {true, false}) {
                const Span s = spanAt(l, r, c, across);
                const char* dir = across ? "across" : "down";
                if (s.first == 1)
                    return "The white cell at " + cellWords(r, c) + " has no " + dir +
                           " clue: its run starts at the edge of the grid";
                if (s.length < 2 || s.length > 9)
                    return "The white cell at " + cellWords(r, c) + " lies in " +
                           (across ? "an " : "a ") + dir + " run of " + plainNumber(s.length) +
                           (s.length == 1 ? " cell" : " cells") + " (runs have 2 to 9 cells)";
            }
        }
    }
    const std::vector<char> seen = areaOf(l, first);
    for (int i = 1; i < static_cast<int>(l.white.size()); ++i)
        if (l.white[static_cast<std::size_t>(i)] && !seen[static_cast<std::size_t>(i)])
            return "The white cell at " + cellWords((i - 1) / l.cols + 1, (i - 1) % l.cols + 1) +
                   " is not connected to the white cell at " +
                   cellWords((first - 1) / l.cols + 1, (first - 1) % l.cols + 1);
    return {};
}

bool IsSymmetric(const ClassicLayout& l, ClassicSymmetry s) {
    for (int r = 2; r <= l.rows; ++r)
        for (int c = 2; c <= l.cols; ++c) {
            const auto [pr, pc] = partner(l, s, r, c);
            if (l.isWhite(r, c) != l.isWhite(pr, pc))
                return false;
        }
    return true;
}

double WhiteShare(const ClassicLayout& l) {
    int white = 0;
    for (int r = 2; r <= l.rows; ++r)
        for (int c = 2; c <= l.cols; ++c)
            white += l.isWhite(r, c) ? 1 : 0;
    const int inner = (l.rows - 1) * (l.cols - 1);
    return inner > 0 ? static_cast<double>(white) / inner : 0.0;
}

bool EveryLineHasWhite(const ClassicLayout& l) {
    for (int r = 2; r <= l.rows; ++r) {
        bool any = false;
        for (int c = 2; c <= l.cols && !any; ++c)
            any = l.isWhite(r, c);
        if (!any)
            return false;
    }
    for (int c = 2; c <= l.cols; ++c) {
        bool any = false;
        for (int r = 2; r <= l.rows && !any; ++r)
            any = l.isWhite(r, c);
        if (!any)
            return false;
    }
    return true;
}

std::string ClassicLayoutProblem(const ClassicLayout& l, ClassicSymmetry s) {
    if (const std::string size = ClassicSizeProblem(l.rows, l.cols); !size.empty())
        return size;
    if (static_cast<int>(l.white.size()) != l.rows * l.cols + 1)
        return "The layout does not cover the grid";
    for (int k = 1; k <= std::max(l.rows, l.cols); ++k)
        if (l.isWhite(1, k) || l.isWhite(k, 1))
            return "A white cell lies in the top row or the left column";
    if (std::string fault = ClassicLayoutFault(l); !fault.empty())
        return fault;
    if (!IsSymmetric(l, s))
        return std::string("The pattern is not symmetric (") + SymmetryWord(s) + ")";
    if (!EveryLineHasWhite(l))
        return "A row or column has no white cell";
    const double share = WhiteShare(l);
    if (share < kClassicMinWhite || share > kClassicMaxWhite)
        return "White cells make " + plainNumber(std::lround(share * 100)) +
               " % of the grid (55 to 75 % wanted)";
    return {};
}

namespace {

// One draw: blocks set in symmetric pairs on an all-white field.
class LayoutDraw {
public:
    LayoutDraw(Random& rng, int rows, int cols, ClassicSymmetry s, int maxRun)
        : rng_(rng), s_(s), maxRun_(maxRun) {
        l_.rows = rows;
        l_.cols = cols;
        l_.white.assign(static_cast<std::size_t>(rows * cols) + 1, 0);
        for (int r = 2; r <= rows; ++r)
            for (int c = 2; c <= cols; ++c)
                set(r, c, true);
        whiteCount_ = (rows - 1) * (cols - 1);
    }

    // False when a long run could not be broken; a white share above the
    // target is left to the final check.
    bool run(int target, int minWhite) {
        minWhite_ = minWhite;
        int failures = 0;
        const int limit = 8 * (l_.rows + l_.cols);
        while (failures < limit) {
            int r = 0, c = 0;
            if (!longRunCell(r, c)) {
                if (whiteCount_ <= target)
                    return true;
                randomWhite(r, c);
            }
            if (tryBlock(r, c))
                failures = 0;
            else
                ++failures;
        }
        int r = 0, c = 0;
        return !longRunCell(r, c);
    }

    const ClassicLayout& layout() const { return l_; }

private:
    void set(int r, int c, bool w) {
        l_.white[static_cast<std::size_t>((r - 1) * l_.cols + c)] = w;
    }

    // A cell inside a run longer than maxRun, when there is one.
    bool longRunCell(int& r, int& c) {
        long_.clear();
        for (int rr = 2; rr <= l_.rows; ++rr)
            for (int cc = 2; cc <= l_.cols; ++cc)
                if (l_.isWhite(rr, cc) && (spanAt(l_, rr, cc, true).length > maxRun_ ||
                                           spanAt(l_, rr, cc, false).length > maxRun_))
                    long_.push_back((rr - 1) * l_.cols + cc);
        if (long_.empty())
            return false;
        const int i =
            long_[static_cast<std::size_t>(rng_.draw(static_cast<int>(long_.size())) - 1)];
        r = (i - 1) / l_.cols + 1;
        c = (i - 1) % l_.cols + 1;
        return true;
    }

    void randomWhite(int& r, int& c) {
        int k = rng_.draw(whiteCount_);
        for (int rr = 2; rr <= l_.rows; ++rr)
            for (int cc = 2; cc <= l_.cols; ++cc)
                if (l_.isWhite(rr, cc) && --k == 0) {
                    r = rr;
                    c = cc;
                    return;
                }
    }

    // Whether the row (across) or column holds a white cell and no one-cell run.
    bool lineSound(int k, bool across) const {
        const int n = across ? l_.cols : l_.rows;
        int run = 0, whites = 0;
        for (int j = 2; j <= n + 1; ++j) {
            const bool w = j <= n && (across ? l_.isWhite(k, j) : l_.isWhite(j, k));
            if (w) {
                ++run;
                ++whites;
            } else {
                if (run == 1)
                    return false;
                run = 0;
            }
        }
        return whites > 0;
    }

    bool tryBlock(int r, int c) {
        const auto [pr, pc] = partner(l_, s_, r, c);
        const int after = whiteCount_ - ((r == pr && c == pc) ? 1 : 2);
        if (!l_.isWhite(r, c) || !l_.isWhite(pr, pc) || after < minWhite_)
            return false;
        set(r, c, false);
        set(pr, pc, false);
        const bool sound = lineSound(r, true) && lineSound(c, false) && lineSound(pr, true) &&
                           lineSound(pc, false) && connected(l_);
        if (!sound) {
            set(r, c, true);
            set(pr, pc, true);
            return false;
        }
        whiteCount_ = after;
        return true;
    }

    Random& rng_;
    ClassicSymmetry s_;
    int maxRun_;
    ClassicLayout l_;
    int whiteCount_ = 0;
    int minWhite_ = 0;
    std::vector<int> long_;
};

} // namespace

std::optional<ClassicLayout> DrawClassicLayout(Random& rng, int rows, int cols, ClassicSymmetry s,
                                               double whiteTarget, int maxRun, int attempts,
                                               int* drawn) {
    if (!ClassicSizeProblem(rows, cols).empty())
        return std::nullopt;
    const int inner = (rows - 1) * (cols - 1);
    whiteTarget = std::clamp(whiteTarget, kClassicMinWhite + 0.02, kClassicMaxWhite - 0.02);
    const int target = static_cast<int>(std::lround(whiteTarget * inner));
    maxRun = std::clamp(maxRun, 2, 9);
    for (int k = 0; k < attempts; ++k) {
        if (drawn)
            ++*drawn;
        LayoutDraw d(rng, rows, cols, s, maxRun);
        if (d.run(target, static_cast<int>(std::ceil(kClassicMinWhite * inner))) &&
            ClassicLayoutProblem(d.layout(), s).empty())
            return d.layout();
    }
    return std::nullopt;
}

} // namespace vextor
