#include "create/layout_repairs.h"

#include "base/text.h"
#include "create/compile.h"
#include "create/random_layout.h"
#include "state/layout_check.h"

#include <algorithm>
#include <utility>

namespace vextor {

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
            if (HeadsTwoWhiteCells(st, i, true)) {
                paint(i, st.greycol);
                g[i].down = -1;
                return false;
            }
            if (HeadsTwoWhiteCells(st, i, false)) {
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

KindRepairs::KindRepairs(int rows, int cols)
    : kind(static_cast<std::size_t>(rows * cols) + 1), rows_(rows), cols_(cols), n_(rows * cols),
      stride_(cols + 1), seen_(kSeenSlots) {
    hits_.reserve(static_cast<std::size_t>(n_));
    if (fits(rows, cols))
        for (int i = 1; i <= n_; ++i)
            grid_ |= bit((i - 1) / cols_ * stride_ + (i - 1) % cols_);
}

bool KindRepairs::fits(int rows, int cols) {
    return rows >= 1 && cols >= 1 && rows * (cols + 1) <= 128 && 2 * (cols + 1) < 128;
}

bool KindRepairs::repair(int maxSteps) {
    load();
    forgetStates();
    bool valid = false;
    for (int steps = 1;; ++steps) {
        const Step s = step();
        // A blocked layout stays as it is: every later step is the same.
        if (steps > maxSteps || s == Step::Blocked)
            break;
        if (s == Step::Valid) {
            valid = true;
            break;
        }
        if (!remember())
            break;
    }
    store();
    return valid;
}

// The kinds into the bit planes, a row at a time.
void KindRepairs::load() {
    white_ = 0;
    grey_ = 0;
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

// The bit planes back into the kinds.
void KindRepairs::store() {
    for (int r = 0, i = 1; r < rows_; ++r) {
        for (int c = 0; c < cols_; ++c, ++i) {
            const Bits b = bit(r * stride_ + c);
            kind[static_cast<std::size_t>(i)] = (white_ & b)  ? kWhite
                                                : (grey_ & b) ? kGrey
                                                              : kBlack;
        }
    }
}

// The repair steps in their order, found with whole-grid masks. A short-run
// repair at a cell leaves the cells before it without short runs (it only
// whitens cells after it or blackens it, which lengthens runs or changes
// none), so the next scan resumes there.
KindRepairs::Step KindRepairs::step() {
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

// Starts a new set of states seen.
void KindRepairs::forgetStates() {
    if (++stamp_ == 0) {
        for (Seen& e : seen_)
            e.stamp = 0;
        stamp_ = 1;
    }
}

// Records the present bit planes; false when they were seen before.
bool KindRepairs::remember() {
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

void KindRepairs::breakLongRuns() {
    std::vector<int>& hits = hits_;
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
            kind[static_cast<std::size_t>(cell)] = kBlack;
}

int KindRepairs::lowest(Bits x) {
    const auto lo = static_cast<std::uint64_t>(x);
    return lo ? __builtin_ctzll(lo) : 64 + __builtin_ctzll(static_cast<std::uint64_t>(x >> 64));
}

void KindRepairs::setBit(int b, CellKind k) {
    const Bits m = bit(b);
    white_ &= ~m;
    grey_ &= ~m;
    if (k == kWhite)
        white_ |= m;
    else if (k == kGrey)
        grey_ |= m;
}

void paintKinds(AppState& st, const std::vector<unsigned char>& kind) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i) {
        const unsigned char k = kind[static_cast<std::size_t>(i)];
        g[i].Choices.clear();
        g[i].BackColor = k == kWhite ? st.whitecol : k == kGrey ? st.greycol : st.blackcol;
    }
    ApplyColours(st);
}

} // namespace vextor
