#include "create/random_layout.h"

#include "base/text.h"
#include "create/compile.h"
#include "model/runs.h"
#include "state/grid_commands.h"
#include "state/play_aids.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace vextor {

namespace {

int rounded(double v) {
    return static_cast<int>(roundHalfEven(v));
}

// colorder must hold cols and ncells entries, roworder rows entries.
void sizeOrders(AppState& st) {
    const Grid& g = st.grid;
    const std::size_t n = static_cast<std::size_t>(std::max(g.ncells, g.cols)) + 1;
    if (st.creator.colorder.size() < n)
        st.creator.colorder.resize(n, 0);
    if (st.creator.roworder.size() < static_cast<std::size_t>(g.rows) + 1)
        st.creator.roworder.resize(static_cast<std::size_t>(g.rows) + 1, 0);
}

void shuffleDown(AppState& st, std::vector<int>& order, int n, bool wholeRange) {
    for (int k = n; k >= 1; --k) {
        const int j = st.rng.draw(wholeRange ? n : k);
        std::swap(order[static_cast<std::size_t>(k)], order[static_cast<std::size_t>(j)]);
    }
}

} // namespace

double DensityFactor(int ncells) {
    if (ncells > 100)
        return 1.5;
    if (ncells == 100)
        return 2.0;
    if (ncells >= 51)
        return 2.5;
    if (ncells == 50)
        return 2.0;
    if (ncells >= 25)
        return 3.0;
    return 2.0;
}

void ShuffleColumns(AppState& st) {
    sizeOrders(st);
    shuffleDown(st, st.creator.colorder, st.grid.cols, false);
}

void ShuffleRows(AppState& st) {
    sizeOrders(st);
    shuffleDown(st, st.creator.roworder, st.grid.rows, false);
}

void ShuffleCells(AppState& st, int n) {
    sizeOrders(st);
    auto& order = st.creator.colorder;
    if (order.size() < static_cast<std::size_t>(n) + 1)
        order.resize(static_cast<std::size_t>(n) + 1, 0);
    for (int k = 1; k <= n; ++k)
        order[static_cast<std::size_t>(k)] = k;
    shuffleDown(st, order, n, true);
}

void ApplyColours(AppState& st) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        Square& s = g[i];
        s.known = true;
        s.Black = false;
        s.across = 0;
        s.down = 0;
        if (s.BackColor == st.whitecol)
            s.known = false;
        if (s.BackColor == st.blackcol)
            s.Black = true;
        if (s.BackColor == st.greycol) {
            s.across = -1;
            s.down = -1;
        }
    }
}

void BreakLongRuns(AppState& st) {
    Grid& g = st.grid;
    const auto blacken = [&](int cell) {
        if (!g.valid(cell))
            return;
        g[cell].BackColor = st.blackcol;
        g[cell].Black = true;
        g[cell].known = true;
    };
    for (int i = 1; i <= g.ncells; ++i) {
        if (g[i].lenacross >= g.cols - 2 && !g[i].cellsacross.empty()) {
            const int x = g[i].cellsacross.back();
            blacken(x);
            blacken(x - rounded(g.cols / 2.0));
        }
        if (g[i].lendown >= g.rows - 2 && !g[i].cellsdown.empty()) {
            const int x = g[i].cellsdown.back();
            blacken(x);
            blacken(x - rounded(g.rows / 2.0));
        }
    }
}

namespace {

enum Kind : unsigned char { kWhite, kGrey, kBlack };

// Draws on the cells' colours.
struct ColourCanvas {
    AppState& st;
    Colour colourOf(Kind k) const {
        return k == kWhite ? st.whitecol : k == kGrey ? st.greycol : st.blackcol;
    }
    void begin() {
        for (int i = 1; i <= st.grid.ncells; ++i) {
            st.grid[i].Choices.clear();
            st.grid[i].BackColor = st.whitecol;
        }
    }
    void set(int cell, Kind k) {
        if (st.grid.valid(cell))
            st.grid[cell].BackColor = colourOf(k);
    }
    bool is(int cell, Kind k) const {
        return st.grid.valid(cell) && st.grid[cell].BackColor == colourOf(k);
    }
};

// Draws on cell kinds (index 0 unused).
struct KindCanvas {
    std::vector<unsigned char>& kind;
    int n;
    void begin() { std::fill(kind.begin(), kind.end(), kWhite); }
    void set(int cell, Kind k) {
        if (cell >= 1 && cell <= n)
            kind[static_cast<std::size_t>(cell)] = k;
    }
    bool is(int cell, Kind k) const {
        return cell >= 1 && cell <= n && kind[static_cast<std::size_t>(cell)] == k;
    }
};

// Steps 1 to 12 of RandomLayout: the kinds of a new layout.
template <class Canvas> void drawLayout(AppState& st, Canvas& canvas) {
    const Grid& g = st.grid;
    sizeOrders(st);
    auto& colorder = st.creator.colorder;
    auto& roworder = st.creator.roworder;
    // 1-3.
    canvas.begin();
    for (int c = 1; c <= g.cols; ++c)
        colorder[static_cast<std::size_t>(c)] = c;
    for (int r = 1; r <= g.rows; ++r)
        roworder[static_cast<std::size_t>(r)] = r;
    for (int c = 1; c <= g.cols; ++c)
        canvas.set(g.CellIndex(1, c), kGrey);
    // 4. Black cells in row 1, each with its partner turned half a turn.
    ShuffleColumns(st);
    const double f = DensityFactor(g.ncells);
    const int topBlacks = rounded(g.cols / f);
    for (int k = 1; k <= topBlacks; ++k) {
        const int c = colorder[static_cast<std::size_t>(k)];
        canvas.set(g.CellIndex(1, c), kBlack);
        canvas.set(g.CellIndex(g.rows, g.cols - c + 1), kBlack);
    }
    // 5-7. Column 1.
    canvas.set(1, kBlack);
    canvas.set(g.ncells, kBlack);
    for (int r = 2; r <= g.rows; ++r)
        canvas.set(g.CellIndex(r, 1), kGrey);
    ShuffleRows(st);
    const int sideBlacks = rounded(g.rows / f);
    for (int k = 1; k <= sideBlacks; ++k)
        canvas.set(g.CellIndex(roworder[static_cast<std::size_t>(k)], 1), kBlack);
    // 8-10. Sum cells next to black cells of the edges.
    if (g.ncells >= 2 && g.cols + 1 <= g.ncells && canvas.is(1, kBlack) && canvas.is(2, kBlack) &&
        canvas.is(g.cols + 1, kBlack))
        canvas.set(2, kGrey);
    if (g.rows >= 2)
        for (int c = 4; c <= g.cols - 2; ++c)
            if (canvas.is(g.CellIndex(1, c), kBlack))
                canvas.set(g.CellIndex(2, c), kGrey);
    if (g.cols >= 2)
        for (int r = 4; r <= g.rows - 2; ++r)
            if (canvas.is(g.CellIndex(r, 1), kBlack))
                canvas.set(g.CellIndex(r, 2), kGrey);
    // 11. Interior sum cells: the whole part of f * ncells / 10 of them.
    ShuffleCells(st, g.ncells);
    const double limit = f * g.ncells / 10;
    int count = 0;
    for (int k = 1; k <= g.ncells; ++k) {
        const int cell = colorder[static_cast<std::size_t>(k)];
        const int r = g.rowOf(cell);
        const int c = g.colOf(cell);
        if (r < 3 || r > g.rows - 2 || c < 3)
            continue;
        ++count;
        if (count > limit)
            break;
        canvas.set(cell, kGrey);
    }
    if (canvas.is(g.ncells, kGrey))
        canvas.set(g.ncells, kBlack);
}

} // namespace

void RandomLayout(AppState& st) {
    Grid& g = st.grid;
    ColourCanvas canvas{st};
    drawLayout(st, canvas);
    ApplyColours(st);
    PruneClues(g);
    FindCreationRuns(g);
    BreakLongRuns(st);
    FindCreationRuns(g);
}

bool AdjustGreyCells(AppState& st, UserInterface& ui, bool showMessages) {
    Grid& g = st.grid;
    PruneClues(g);
    FindCreationRuns(g);
    const auto paint = [&](int cell, Colour colour) {
        if (g.valid(cell))
            g[cell].BackColor = colour;
    };
    // Short runs.
    std::vector<char>& covered = st.creator.covered;
    covered.assign(static_cast<std::size_t>(g.ncells) + 1, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const int c = g.colOf(i);
        if (s.across != 0 && s.lenacross < 2) {
            if (c > g.cols - 2) {
                paint(i, st.blackcol);
            } else {
                paint(i + 1, st.whitecol);
                paint(i + 2, st.whitecol);
            }
            return false;
        }
        if (s.down != 0 && s.lendown < 2) {
            if (i + 2 * g.cols > g.ncells) {
                paint(i, st.blackcol);
            } else {
                paint(i + g.cols, st.whitecol);
                paint(i + 2 * g.cols, st.whitecol);
            }
            return false;
        }
        for (const auto* run : {&s.cellsacross, &s.cellsdown})
            for (int j : *run)
                if (g.valid(j))
                    covered[static_cast<std::size_t>(j)] = 1;
    }
    // Uncovered white cells.
    for (int i = 1; i <= g.ncells; ++i) {
        if (!g[i].known && !covered[static_cast<std::size_t>(i)]) {
            paint(i, st.greycol);
            return false;
        }
    }
    // Runs without a head.
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            const int i = g.CellIndex(r, c);
            if (!g[i].Black)
                continue;
            if (r <= g.rows - 2 && g[i + g.cols].BackColor == st.whitecol &&
                g[i + 2 * g.cols].BackColor == st.whitecol) {
                paint(i, st.greycol);
                g[i].down = -1;
                return false;
            }
            if (c <= g.cols - 2 && g[i + 1].BackColor == st.whitecol &&
                g[i + 2].BackColor == st.whitecol) {
                paint(i, st.greycol);
                g[i].across = -1;
                return false;
            }
        }
    }
    // Connection.
    std::vector<int> region;
    if (FindChains(st, region)) {
        if (showMessages) {
            MarkCells(st, region);
            ui.message("Cells are blocked");
        }
        return false;
    }
    for (int i = 1; i <= g.ncells; ++i)
        if (g[i].BackColor == st.greycol && g[i].across == 0 && g[i].down == 0)
            g[i].BackColor = st.blackcol;
    ApplyColours(st);
    return true;
}

namespace {

// The repair steps of AdjustGreyCells, with the clean-up that follows each
// of them in CreateRandomPuzzle, on the cell kinds alone. Between steps the
// records are the colours applied (every sum cell marked -1 both ways), so
// the kinds decide everything: a white cell found uncovered turns grey
// without clues and the clean-up blackens it at once; a black cell heading
// a headless run turns grey with a mark and stays.
class KindRepairs {
public:
    KindRepairs(int rows, int cols)
        : rows_(rows), cols_(cols), n_(rows * cols), stride_(cols + 1),
          fits_(rows >= 1 && cols >= 1 && rows * (cols + 1) <= 128 && 2 * (cols + 1) < 128),
          kind(static_cast<std::size_t>(n_) + 1), covered_(static_cast<std::size_t>(n_) + 1),
          area_(static_cast<std::size_t>(n_) + 1), seen_(kSeenSlots) {
        stack_.reserve(static_cast<std::size_t>(n_));
        if (fits_)
            for (int i = 1; i <= n_; ++i)
                grid_ |= bit(bitOf(i));
    }

    enum class Step { Repaired, Blocked, Valid };

    // A new layout: the short-run scan starts at the first cell.
    void restart() { resume_ = 1; }

    // One step. A short-run repair at cell i leaves the cells before i
    // without short runs (it only whitens cells after i or blackens i, which
    // lengthens runs or changes none), so the next scan resumes at i.
    Step step() {
        for (int i = resume_, c = (resume_ - 1) % cols_ + 1; i <= n_;
             ++i, c = c == cols_ ? 1 : c + 1) {
            if (at(i) != kGrey)
                continue;
            if (acrossRun(i, c) < 2) {
                if (c > cols_ - 2) {
                    set(i, kBlack);
                } else {
                    set(i + 1, kWhite);
                    set(i + 2, kWhite);
                }
                resume_ = i;
                return Step::Repaired;
            }
            if (downRun(i) < 2) {
                if (i + 2 * cols_ > n_) {
                    set(i, kBlack);
                } else {
                    set(i + cols_, kWhite);
                    set(i + 2 * cols_, kWhite);
                }
                resume_ = i;
                return Step::Repaired;
            }
        }
        resume_ = 1;
        std::fill(covered_.begin(), covered_.end(), 0);
        for (int i = 1, c = 1; i <= n_; ++i, c = c == cols_ ? 1 : c + 1) {
            if (at(i) != kGrey)
                continue;
            for (int j = i + 1, end = i + acrossRun(i, c); j <= end; ++j)
                covered_[static_cast<std::size_t>(j)] = 1;
            for (int j = i + cols_, m = downRun(i); m > 0; j += cols_, --m)
                covered_[static_cast<std::size_t>(j)] = 1;
        }
        for (int i = 1; i <= n_; ++i) {
            if (at(i) == kWhite && !covered_[static_cast<std::size_t>(i)]) {
                set(i, kBlack); // grey without clues, blackened by the clean-up
                return Step::Repaired;
            }
        }
        for (int i = 1, r = 1, c = 1; i <= n_;
             ++i, r += c == cols_ ? 1 : 0, c = c == cols_ ? 1 : c + 1) {
            if (at(i) != kBlack)
                continue;
            if ((r <= rows_ - 2 && at(i + cols_) == kWhite && at(i + 2 * cols_) == kWhite) ||
                (c <= cols_ - 2 && at(i + 1) == kWhite && at(i + 2) == kWhite)) {
                set(i, kGrey);
                return Step::Repaired;
            }
        }
        return blocked() ? Step::Blocked : Step::Valid;
    }

    // The grid fits the bit planes: each row takes cols + 1 bits, the last
    // one never set, so a shift along a row never reaches the next row.
    bool fits() const { return fits_; }

    // The kinds into the bit planes, and back.
    void load() {
        white_ = 0;
        grey_ = 0;
        // A row at a time.
        for (int r = 0, i = 1; r < rows_; ++r) {
            Bits rowWhite = 0, rowGrey = 0;
            for (int c = cols_ - 1; c >= 0; --c) {
                const unsigned char k = at(i + c);
                rowWhite = (rowWhite << 1) | (k == kWhite ? 1 : 0);
                rowGrey = (rowGrey << 1) | (k == kGrey ? 1 : 0);
            }
            white_ |= rowWhite << (r * stride_);
            grey_ |= rowGrey << (r * stride_);
            i += cols_;
        }
        resumeBit_ = 0;
    }
    // Only the grid's bit planes are kept up to date while they are used.
    void store() {
        if (!fits_)
            return;
        for (int r = 0, i = 1; r < rows_; ++r) {
            for (int c = 0; c < cols_; ++c, ++i) {
                const Bits b = bit(r * stride_ + c);
                set(i, (white_ & b) ? kWhite : (grey_ & b) ? kGrey : kBlack);
            }
        }
    }

    // step() on the bit planes: the same defects in the same order, found
    // with whole-grid masks instead of cell-by-cell scans.
    Step bitStep() {
        const int s = stride_;
        const Bits w = white_;
        // Cells followed by two white cells across, and by two down.
        const Bits acrossOk = (w >> 1) & (w >> 2);
        const Bits downOk = (w >> s) & (w >> (2 * s));
        const Bits shortRuns = grey_ & ~(acrossOk & downOk) & ~(bit(resumeBit_) - 1);
        if (shortRuns) {
            const int b = lowest(shortRuns);
            const int r = b / s + 1;
            const int c = b % s + 1;
            if (!((acrossOk >> b) & 1)) {
                if (c > cols_ - 2) {
                    setBit(b, kBlack);
                } else {
                    setBit(b + 1, kWhite);
                    setBit(b + 2, kWhite);
                }
            } else if (r > rows_ - 2) {
                setBit(b, kBlack);
            } else {
                setBit(b + s, kWhite);
                setBit(b + 2 * s, kWhite);
            }
            resumeBit_ = b;
            return Step::Repaired;
        }
        resumeBit_ = 0;
        // The white cells reached from a sum cell across: adding the first
        // cell of a run carries through the run and clears it.
        const Bits across = w & ~(w + ((grey_ << 1) & w));
        // And down, doubling the reach each time.
        Bits down = (grey_ << s) & w;
        Bits open = w;
        for (int k = s; k < rows_ * s; k *= 2) {
            down |= open & (down << k);
            open &= open << k;
        }
        const Bits uncovered = w & ~(across | down);
        if (uncovered) {
            setBit(lowest(uncovered), kBlack); // grey without clues, blackened by the clean-up
            return Step::Repaired;
        }
        const Bits headless = grid_ & ~w & ~grey_ & (acrossOk | downOk);
        if (headless) {
            setBit(lowest(headless), kGrey);
            return Step::Repaired;
        }
        if (!w)
            return Step::Valid;
        Bits area = w & (~w + 1);
        for (;;) {
            const Bits next = (area | (area << 1) | (area >> 1) | (area << s) | (area >> s)) & w;
            if (next == area)
                break;
            area = next;
        }
        return (w & ~area) ? Step::Blocked : Step::Valid;
    }

    // Starts a new set of states seen (for bitStep).
    void forgetStates() {
        if (++stamp_ == 0) {
            for (Seen& e : seen_)
                e.stamp = 0;
            stamp_ = 1;
        }
    }
    // Records the present bit planes; false when they were seen before.
    bool remember() {
        std::uint64_t h = static_cast<std::uint64_t>(white_) * 0x9e3779b97f4a7c15ULL;
        h ^= static_cast<std::uint64_t>(white_ >> 64) * 0xff51afd7ed558ccdULL;
        h ^= static_cast<std::uint64_t>(grey_) * 0xc4ceb9fe1a85ec53ULL;
        h ^= static_cast<std::uint64_t>(grey_ >> 64) * 0x100000001b3ULL;
        h ^= h >> 29;
        for (std::size_t m = static_cast<std::size_t>(h) & (kSeenSlots - 1);;
             m = (m + 1) & (kSeenSlots - 1)) {
            Seen& e = seen_[m];
            if (e.stamp != stamp_) {
                e = Seen{white_, grey_, stamp_};
                return true;
            }
            if (e.white == white_ && e.grey == grey_)
                return false;
        }
    }

    // BreakLongRuns on the kinds: the runs of the sum cells (every one marked
    // both ways) as FindRuns records them, then the blackening.
    void breakLongRuns() {
        std::vector<int>& hits = stack_;
        hits.clear();
        for (int i = 1; i <= n_; ++i) {
            if (at(i) != kGrey)
                continue;
            const int c = (i - 1) % cols_ + 1;
            int len = 0;
            for (int j = i + 1; j <= i + cols_ - c && at(j) == kWhite; ++j)
                ++len;
            if (len >= 2 && len >= cols_ - 2) {
                hits.push_back(i + len);
                hits.push_back(i + len - static_cast<int>(roundHalfEven(cols_ / 2.0)));
            }
            len = 0;
            for (int j = i + cols_; j <= n_ && at(j) == kWhite; j += cols_)
                ++len;
            if (len >= 2 && len >= rows_ - 2) {
                hits.push_back(i + len * cols_);
                hits.push_back(i + len * cols_ - static_cast<int>(roundHalfEven(rows_ / 2.0)));
            }
        }
        for (int cell : hits)
            if (cell >= 1 && cell <= n_)
                set(cell, kBlack);
    }

    // A hash of the kinds, for finding a repeated state quickly.
    std::uint64_t hash() const {
        std::uint64_t h = 0x9e3779b97f4a7c15ULL;
        const std::size_t size = kind.size();
        std::size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            std::uint64_t w;
            std::memcpy(&w, kind.data() + i, 8);
            h = (h ^ w) * 0xff51afd7ed558ccdULL;
            h ^= h >> 32;
        }
        for (; i < size; ++i)
            h = (h ^ kind[i]) * 0x100000001b3ULL;
        return h;
    }

    unsigned char at(int i) const { return kind[static_cast<std::size_t>(i)]; }

    // The white cells right of cell i (in column c) and below it.
    int acrossRun(int i, int c) const {
        int len = 0;
        for (int j = i + 1; j <= i + cols_ - c && at(j) == kWhite; ++j)
            ++len;
        return len;
    }
    int downRun(int i) const {
        int len = 0;
        for (int j = i + cols_; j <= n_ && at(j) == kWhite; j += cols_)
            ++len;
        return len;
    }
    void set(int i, Kind k) { kind[static_cast<std::size_t>(i)] = k; }

private:
    // The white cells form two or more areas.
    bool blocked() {
        std::fill(area_.begin(), area_.end(), 0);
        int areas = 0;
        for (int i = 1; i <= n_; ++i) {
            if (at(i) != kWhite || area_[static_cast<std::size_t>(i)])
                continue;
            if (++areas > 1)
                return true;
            stack_.clear();
            stack_.push_back(i);
            area_[static_cast<std::size_t>(i)] = 1;
            while (!stack_.empty()) {
                const int cell = stack_.back();
                stack_.pop_back();
                const int c = (cell - 1) % cols_ + 1;
                const int next[4] = {cell > cols_ ? cell - cols_ : 0,
                                     cell + cols_ <= n_ ? cell + cols_ : 0, c > 1 ? cell - 1 : 0,
                                     c < cols_ ? cell + 1 : 0};
                for (int m : next) {
                    if (m == 0 || at(m) != kWhite || area_[static_cast<std::size_t>(m)])
                        continue;
                    area_[static_cast<std::size_t>(m)] = 1;
                    stack_.push_back(m);
                }
            }
        }
        return false;
    }

    using Bits = unsigned __int128;
    static Bits bit(int b) { return static_cast<Bits>(1) << b; }
    static int lowest(Bits x) {
        const auto lo = static_cast<std::uint64_t>(x);
        return lo ? __builtin_ctzll(lo) : 64 + __builtin_ctzll(static_cast<std::uint64_t>(x >> 64));
    }
    int bitOf(int i) const { return (i - 1) / cols_ * stride_ + (i - 1) % cols_; }
    void setBit(int b, Kind k) {
        const Bits m = bit(b);
        white_ &= ~m;
        grey_ &= ~m;
        if (k == kWhite)
            white_ |= m;
        else if (k == kGrey)
            grey_ |= m;
    }

    int rows_, cols_, n_;
    int resume_ = 1;
    int stride_;
    bool fits_;
    Bits grid_ = 0, white_ = 0, grey_ = 0;
    int resumeBit_ = 0;

public:
    std::vector<unsigned char> kind; // index 0 unused

private:
    std::vector<unsigned char> covered_;
    std::vector<unsigned char> area_;
    std::vector<int> stack_;
    // An open-addressed table of the states of the present layout; entries
    // of earlier layouts carry an older stamp. The repair steps are limited
    // to ncells / 2, well below the slots.
    struct Seen {
        Bits white = 0, grey = 0;
        unsigned stamp = 0;
    };
    static constexpr std::size_t kSeenSlots = 256;
    std::vector<Seen> seen_;
    unsigned stamp_ = 0;
};

// The repair loop of one layout, step by step on the cell records as
// AdjustGreyCells works. True when the layout became valid in time.
bool repairOnRecords(AppState& st, UserInterface& ui, unsigned generation) {
    Grid& g = st.grid;
    std::vector<std::vector<Colour>> seen;
    for (int steps = 1;; ++steps) {
        const bool valid = AdjustGreyCells(st, ui, false);
        for (int i = 1; i <= g.ncells; ++i)
            if (g[i].BackColor == st.greycol && g[i].across == 0 && g[i].down == 0)
                g[i].BackColor = st.blackcol;
        ApplyColours(st);
        ui.pumpEvents();
        if (g.generation != generation || steps > st.maxtries)
            return false;
        if (valid)
            return true;
        // The repairs depend on the colours alone: colours seen before in
        // this layout mean it goes round in a circle and is never valid.
        std::vector<Colour> colours(static_cast<std::size_t>(g.ncells));
        for (int i = 1; i <= g.ncells; ++i)
            colours[static_cast<std::size_t>(i - 1)] = g[i].BackColor;
        if (std::find(seen.begin(), seen.end(), colours) != seen.end())
            return false;
        seen.push_back(std::move(colours));
    }
}

// The states a layout went through, with their hashes.
struct RepairTrail {
    std::vector<std::uint64_t> hashes;
    std::vector<std::vector<unsigned char>> states;
};

// The kinds onto the grid: colours, then the records from them.
void paintKinds(AppState& st, const KindRepairs& sim) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        const unsigned char k = sim.at(i);
        g[i].Choices.clear();
        g[i].BackColor = k == kWhite ? st.whitecol : k == kGrey ? st.greycol : st.blackcol;
    }
    ApplyColours(st);
}

// A valid layout onto the grid, with the runs and the white area as the last
// step left them.
void showValid(AppState& st, const KindRepairs& sim) {
    Grid& g = st.grid;
    paintKinds(st, sim);
    PruneClues(g);
    FindCreationRuns(g);
    std::vector<int> region;
    FindChains(st, region);
}

// RandomLayout and the repair loop on the cell kinds (KindRepairs). A valid
// layout is painted onto the grid; events run once per layout.
bool repairOnKinds(AppState& st, UserInterface& ui, KindRepairs& sim, RepairTrail& seen) {
    Grid& g = st.grid;
    KindCanvas canvas{sim.kind, g.ncells};
    drawLayout(st, canvas);
    sim.breakLongRuns();
    sim.restart();
    bool valid = false;
    if (sim.fits()) {
        sim.load();
        sim.forgetStates();
        for (int steps = 1;; ++steps) {
            const KindRepairs::Step step = sim.bitStep();
            if (steps > st.maxtries || step == KindRepairs::Step::Blocked)
                break;
            if (step == KindRepairs::Step::Valid) {
                valid = true;
                break;
            }
            if (!sim.remember())
                break;
        }
        ui.pumpEvents();
        if (valid) {
            sim.store();
            showValid(st, sim);
        }
        return valid;
    }
    seen.hashes.clear();
    seen.states.clear();
    for (int steps = 1;; ++steps) {
        const KindRepairs::Step step = sim.step();
        // A blocked layout stays as it is: every later step is the same.
        if (steps > st.maxtries || step == KindRepairs::Step::Blocked)
            break;
        if (step == KindRepairs::Step::Valid) {
            valid = true;
            break;
        }
        const std::uint64_t h = sim.hash();
        bool repeated = false;
        for (std::size_t m = 0; m < seen.hashes.size() && !repeated; ++m)
            repeated = seen.hashes[m] == h && seen.states[m] == sim.kind;
        if (repeated)
            break;
        seen.hashes.push_back(h);
        seen.states.push_back(sim.kind);
    }
    ui.pumpEvents();
    if (valid)
        showValid(st, sim);
    return valid;
}

} // namespace

RandomPuzzleResult CreateRandomPuzzle(AppState& st, UserInterface& ui, int* layouts) {
    Grid& g = st.grid;
    const unsigned generation = g.generation;
    st.maxtries = rounded(g.ncells / 2.0);
    // The kinds stand for the colours only when the colours differ.
    const bool byKinds = !st.creator.literalRepairs && st.whitecol != st.greycol &&
                         st.whitecol != st.blackcol && st.greycol != st.blackcol &&
                         st.redcol != st.whitecol;
    KindRepairs sim(g.rows, g.cols);
    RepairTrail seen;
    int drawn = 0;
    if (layouts)
        *layouts = 0;
    // When creation stops, the grid shows the last layout drawn.
    const auto stop = [&](RandomPuzzleResult result) {
        if (byKinds && drawn > 0 && g.generation == generation) {
            sim.store();
            paintKinds(st, sim);
        }
        return result;
    };
    while (drawn < kMaxRandomLayouts) {
        if (st.cancelsolve || g.generation != generation)
            return stop(RandomPuzzleResult::Cancelled);
        ++drawn;
        if (layouts)
            *layouts = drawn;
        bool valid = false;
        if (byKinds) {
            valid = repairOnKinds(st, ui, sim, seen);
        } else {
            RandomLayout(st);
            valid = repairOnRecords(st, ui, generation);
        }
        if (g.generation != generation)
            return stop(RandomPuzzleResult::Cancelled);
        if (!valid)
            continue;
        for (int i = 1; i <= g.ncells; ++i) {
            g[i].Choices.clear();
            g[i].acrosscol = st.blackcol;
            g[i].downcol = st.blackcol;
            g[i].tick = 0;
        }
        // A layout without white cells compiles but is no puzzle.
        bool white = false;
        for (int i = 1; i <= g.ncells && !white; ++i)
            white = !g[i].known;
        if (white && CompileGrid(st, ui, false, false) == CompileResult::Compiled)
            return RandomPuzzleResult::Made;
    }
    stop(RandomPuzzleResult::GaveUp);
    ui.message("Unable to create a random puzzle of " + plainNumber(g.rows) + "x" +
               plainNumber(g.cols) + " after" + spacedNumber(drawn) + " layouts");
    return RandomPuzzleResult::GaveUp;
}

void BuildCreationGrid(AppState& st, UserInterface& ui, int rows, int cols) {
    const bool cancel = st.cancelsolve;
    BuildGrid(st, ui, rows, cols);
    st.cancelsolve = cancel;
    st.texts.gridSize = plainNumber(rows) + "x" + plainNumber(cols);
    st.editmode = false;
    st.manualmode = false;
    st.interactive = false;
}

void CreateNewRandomCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    if (!ConfirmDiscardEntries(st, ui))
        return;
    RandomPuzzleResult result;
    {
        CreationRunning running(st);
        st.cancelsolve = false;
        BusyPointer busy(ui);
        HiddenGrid hidden(ui);
        BuildCreationGrid(st, ui, 10, 10);
        FitGridWindow(st);
        result = CreateRandomPuzzle(st, ui);
        st.cancelsolve = false;
    }
    if (result == RandomPuzzleResult::Cancelled)
        ui.message("Cancelled");
}

} // namespace vextor
