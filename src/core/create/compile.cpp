#include "create/compile.h"

#include "base/text.h"
#include "create/digit_fill.h"
#include "create/unique.h"
#include "model/grid_checks.h"
#include "model/runs.h"
#include "state/layout_check.h"
#include "state/solution_marks.h"

#include <algorithm>

namespace vextor {

void PruneClues(Grid& g) {
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            Square& s = g[g.CellIndex(r, c)];
            s.cellsacross.clear();
            s.cellsdown.clear();
            s.lenacross = 0;
            s.lendown = 0;
            if (s.across > 0) {
                int count = 0;
                for (int c2 = c + 1; c2 <= g.cols && !g[g.CellIndex(r, c2)].known; ++c2)
                    ++count;
                if (count == 0)
                    s.across = 0;
                else
                    s.lenacross = count;
            }
            if (s.down > 0) {
                int count = 0;
                for (int r2 = r + 1; r2 <= g.rows && !g[g.CellIndex(r2, c)].known; ++r2)
                    ++count;
                if (count == 0)
                    s.down = 0;
                else
                    s.lendown = count;
            }
        }
    }
}

void FindCreationRuns(Grid& g) {
    for (int r = 1; r <= g.rows; ++r) {
        for (int c = 1; c <= g.cols; ++c) {
            const int i = g.CellIndex(r, c);
            Square& s = g[i];
            s.cellsacross.clear();
            s.cellsdown.clear();
            s.lenacross = 0;
            s.lendown = 0;
            if (s.across != 0) {
                for (int c2 = c + 1; c2 <= g.cols && !g[i + c2 - c].known; ++c2)
                    s.cellsacross.push_back(i + c2 - c);
                if (s.cellsacross.size() > 1)
                    s.lenacross = static_cast<int>(s.cellsacross.size());
                else
                    s.cellsacross.clear();
            }
            if (s.down != 0) {
                for (int r2 = r + 1; r2 <= g.rows && !g[i + (r2 - r) * g.cols].known; ++r2)
                    s.cellsdown.push_back(i + (r2 - r) * g.cols);
                if (s.cellsdown.size() > 1)
                    s.lendown = static_cast<int>(s.cellsdown.size());
                else
                    s.cellsdown.clear();
            }
        }
    }
    DropBlackCellRuns(g);
}

bool FindChains(AppState& st, std::vector<int>& region) {
    Grid& g = st.grid;
    auto& regions = st.creator.regions;
    for (auto& area : regions)
        area.clear();
    std::size_t used = 0; // areas found; the vectors after them are spare
    region.clear();
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known)
            g[i].BackColor = st.whitecol;
    // inArea[i]: the number of the area holding cell i, plus one (0: none yet).
    std::vector<int>& inArea = st.creator.areaOf;
    inArea.assign(static_cast<std::size_t>(g.ncells) + 1, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        if (g[i].known || g[i].BackColor == st.redcol)
            continue;
        g[i].tick = 0;
        if (inArea[static_cast<std::size_t>(i)] != 0)
            continue;
        if (used == regions.size())
            regions.emplace_back();
        const int k = static_cast<int>(++used);
        std::vector<int>& area = regions[used - 1];
        area.push_back(i);
        inArea[static_cast<std::size_t>(i)] = k;
        for (std::size_t m = 0; m < area.size(); ++m) {
            const int cell = area[m];
            g[cell].BackColor = st.redcol;
            const int r = g.rowOf(cell);
            const int c = g.colOf(cell);
            const int next[4] = {r > 1 ? cell - g.cols : 0, r < g.rows ? cell + g.cols : 0,
                                 c > 1 ? cell - 1 : 0, c < g.cols ? cell + 1 : 0};
            for (int n : next) {
                if (n == 0 || g[n].known || inArea[static_cast<std::size_t>(n)] == k)
                    continue;
                inArea[static_cast<std::size_t>(n)] = k;
                area.push_back(n);
            }
        }
    }
    regions.resize(used);
    const bool blocked = used >= 2;
    if (blocked)
        region = regions.back();
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].known)
            g[i].BackColor = st.whitecol;
    return blocked;
}

void MarkCells(AppState& st, const std::vector<int>& cells) {
    for (int i : cells)
        if (st.grid.valid(i))
            st.grid[i].BackColor = st.redcol;
}

std::string RunListText(int head, bool across, const std::vector<int>& run) {
    std::string text;
    if (head >= 0 && head < 10)
        text += '0';
    text += std::to_string(head);
    text += across ? ",A," : ",D,";
    text += runString(run);
    return text;
}

void BuildRunList(AppState& st) {
    const Grid& g = st.grid;
    auto& list = st.creator.runList;
    list.clear();
    for (int i = 1; i <= g.ncells; ++i) {
        if (g[i].lenacross > 0)
            list.push_back({RunListText(i, true, g[i].cellsacross), i, true});
        if (g[i].lendown > 0)
            list.push_back({RunListText(i, false, g[i].cellsdown), i, false});
    }
    std::sort(list.begin(), list.end(),
              [](const RunListEntry& a, const RunListEntry& b) { return a.text < b.text; });
}

namespace {

// CompileGrid; sayDone shows "Done" (with showMessages) on success.
CompileResult compileGrid(AppState& st, UserInterface& ui, bool showMessages, bool randomDigits,
                          bool sayDone) {
    BusyPointer busy(ui);
    Grid& g = st.grid;
    st.maxtries = static_cast<int>(roundHalfEven(g.ncells / 2.0));
    // Without random digits every attempt repeats the first one exactly.
    const int attempts = randomDigits ? st.maxtries : std::min(st.maxtries, 1);
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        PruneClues(g);
        FindCreationRuns(g);
        if (CheckLayout(st, ui, showMessages)) {
            ui.message("Invalid puzzle, cannot compile");
            return CompileResult::Invalid;
        }
        for (int i = 1; i <= g.ncells; ++i)
            g[i].Choices.clear();
        FindCreationRuns(g);
        BuildRunList(st);
        if (FillDigits(st, randomDigits)) {
            if (showMessages && sayDone)
                ui.message("Done");
            return CompileResult::Compiled;
        }
    }
    for (int i = 1; i <= g.ncells; ++i) {
        g[i].Choices.clear();
        g[i].across = 0;
        g[i].down = 0;
    }
    if (showMessages)
        ui.message("Unable to compile");
    return CompileResult::Unable;
}

} // namespace

CompileResult CompileGrid(AppState& st, UserInterface& ui, bool showMessages, bool randomDigits) {
    return compileGrid(st, ui, showMessages, randomDigits, true);
}

bool PrepareCompile(AppState& st, std::vector<int>& region) {
    Grid& g = st.grid;
    resetCells(g, st.blackcol);
    PruneClues(g);
    FindCreationRuns(g);
    return FindChains(st, region);
}

void CompileCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    {
        BusyPointer busy(ui);
        std::vector<int> region;
        if (PrepareCompile(st, region)) {
            MarkCells(st, region);
        } else {
            ClearSolutionMarks(st);
            if (compileGrid(st, ui, true, true, false) == CompileResult::Compiled) {
                // Done, and how many solutions the clues allow (a layout
                // without white cells has none to tell).
                bool white = false;
                for (int i = 1; i <= st.grid.ncells && !white; ++i)
                    white = !st.grid[i].known;
                const ExactResult r = white ? CountSolutions(st.grid, 2) : ExactResult{};
                MarkDifferingCells(st, r);
                ui.message(white ? "Done\r\n" + SolutionCountText(r) : "Done");
            }
            return;
        }
    }
    ui.message("Cells are blocked");
}

} // namespace vextor
