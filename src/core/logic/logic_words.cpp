#include "logic/logic_words.h"

#include <bit>

namespace vextor::logic_words {

namespace {

int bitCount(DigitMask m) {
    return std::popcount(static_cast<unsigned>(m & kAllDigits));
}

// One cell's change: a placed digit, or the candidates removed.
struct CellChange {
    int cell = 0;
    int placed = 0;
    DigitMask removed = 0;
};

std::vector<CellChange> byCell(const std::vector<LogicChange>& changes) {
    std::vector<CellChange> out;
    for (const LogicChange& c : changes) {
        CellChange* at = nullptr;
        for (CellChange& o : out)
            if (o.cell == c.cell)
                at = &o;
        if (!at) {
            out.push_back({c.cell, 0, 0});
            at = &out.back();
        }
        if (c.placed)
            at->placed = c.digit;
        else
            at->removed = static_cast<DigitMask>(at->removed | 1 << (c.digit - 1));
    }
    return out;
}

// Groups cells with the same words, side by side in a row or a column.
std::string phrase(const Grid& grid, const LogicState& before,
                   const std::vector<LogicChange>& changes, bool would) {
    struct Item {
        std::vector<int> cells;
        std::string verb; // the words after the cells, singular and plural
        std::string plural;
    };
    std::vector<Item> items;
    for (const CellChange& c : byCell(changes)) {
        std::string one, many;
        if (c.placed) {
            one = (would ? "would be " : "is ") + std::to_string(c.placed);
            many = (would ? "would be " : "are ") + std::to_string(c.placed);
        } else {
            const DigitMask had =
                static_cast<DigitMask>(before[static_cast<std::size_t>(c.cell)] & kAllDigits);
            const DigitMask kept = static_cast<DigitMask>(had & ~c.removed);
            if (kept != 0 && bitCount(kept) < bitCount(c.removed)) {
                one = (would ? "would keep only " : "keeps only ") + digitList(kept, "and");
                many = (would ? "would keep only " : "keep only ") + digitList(kept, "and");
            } else {
                one = (would ? "could not be " : "cannot be ") + digitList(c.removed, "or");
                many = one;
            }
        }
        if (!items.empty() && items.back().verb == one) {
            const int last = items.back().cells.back();
            const bool nextInRow = grid.rowOf(last) == grid.rowOf(c.cell) && c.cell == last + 1;
            const bool nextInCol =
                grid.colOf(last) == grid.colOf(c.cell) && c.cell == last + grid.cols;
            const auto& cs = items.back().cells;
            const bool rowRun = cs.size() < 2 || cs[1] == cs[0] + 1;
            if ((nextInRow && rowRun) || (nextInCol && (cs.size() < 2 || !rowRun))) {
                items.back().cells.push_back(c.cell);
                continue;
            }
        }
        items.push_back({{c.cell}, one, many});
    }
    std::vector<std::string> parts;
    for (const Item& it : items)
        parts.push_back(cellGroup(grid, it.cells) + " " +
                        (it.cells.size() > 1 ? it.plural : it.verb));
    return joinPhrases(parts);
}

} // namespace

std::string digitList(DigitMask digits, const char* conjunction) {
    std::vector<std::string> ds;
    for (int d = 1; d <= 9; ++d)
        if (digits & (1 << (d - 1)))
            ds.push_back(std::to_string(d));
    std::string out;
    for (std::size_t i = 0; i < ds.size(); ++i) {
        if (i > 0)
            out += i + 1 == ds.size() ? std::string(" ") + conjunction + " " : ", ";
        out += ds[i];
    }
    return out;
}

std::string combination(DigitMask digits) {
    std::string out;
    for (int d = 1; d <= 9; ++d)
        if (digits & (1 << (d - 1)))
            out += (out.empty() ? "" : " + ") + std::to_string(d);
    return out;
}

std::string joinPhrases(const std::vector<std::string>& phrases) {
    std::string out;
    for (std::size_t i = 0; i < phrases.size(); ++i) {
        if (i > 0)
            out += i + 1 == phrases.size() ? " and " : ", ";
        out += phrases[i];
    }
    return out;
}

std::string cellGroup(const Grid& grid, const std::vector<int>& cells) {
    if (cells.size() == 1)
        return cellName(grid, cells[0]);
    bool row = true, col = true;
    for (std::size_t i = 1; i < cells.size(); ++i) {
        row = row && cells[i] == cells[i - 1] + 1 && grid.rowOf(cells[i]) == grid.rowOf(cells[0]);
        col = col && cells[i] == cells[i - 1] + grid.cols;
    }
    const std::string dash = "\u2013";
    if (row && !cells.empty())
        return "row " + std::to_string(grid.rowOf(cells[0])) + ", columns " +
               std::to_string(grid.colOf(cells.front())) + dash +
               std::to_string(grid.colOf(cells.back()));
    if (col && !cells.empty())
        return "column " + std::to_string(grid.colOf(cells[0])) + ", rows " +
               std::to_string(grid.rowOf(cells.front())) + dash +
               std::to_string(grid.rowOf(cells.back()));
    std::vector<std::string> names;
    for (const int c : cells)
        names.push_back(cellName(grid, c));
    return joinPhrases(names);
}

std::string changesPhrase(const Grid& grid, const LogicState& before,
                          const std::vector<LogicChange>& changes) {
    return phrase(grid, before, changes, false);
}

std::string wouldPhrase(const Grid& grid, const LogicState& before,
                        const std::vector<LogicChange>& changes) {
    return phrase(grid, before, changes, true);
}

} // namespace vextor::logic_words
