#include "solver/work_grid.h"

#include "model/grid_checks.h"

#include <algorithm>

namespace vextor {

namespace {

// Writes the candidates that changed since they were last written.
void showChanged(AppState& st) {
    WorkSync& sync = st.solver.sync;
    Grid& g = st.grid;
    if (g.generation != sync.generation)
        return;
    const DigitList* work = st.solver.work.cells.data();
    DigitList* shown = sync.shown.data();
    const auto write = [&](int i) {
        const auto k = static_cast<std::size_t>(i);
        if (!(work[k] == shown[k])) {
            work[k].writeText(g[i].Choices);
            shown[k] = work[k];
        }
    };
    // Most cells are as last written: four at a time are compared without
    // branching, and only a block with a difference is walked.
    int i = 1;
    for (; i + 3 <= g.ncells; i += 4) {
        const auto k = static_cast<std::size_t>(i);
        const bool same = (work[k] == shown[k]) & (work[k + 1] == shown[k + 1]) &
                          (work[k + 2] == shown[k + 2]) & (work[k + 3] == shown[k + 3]);
        if (same)
            continue;
        for (int n = 0; n < 4; ++n)
            write(i + n);
    }
    for (; i <= g.ncells; ++i)
        write(i);
}

void loadAll(AppState& st) {
    SolverState& sv = st.solver;
    const Grid& g = st.grid;
    sv.work.load(g);
    sv.sync.shown = sv.work.cells;
    sv.sync.saved.assign(sv.work.cells.size(), DigitList());
    sv.sync.savedSet = false;
    sv.sync.generation = g.generation;
}

void storeAll(AppState& st) {
    const WorkSync& sync = st.solver.sync;
    Grid& g = st.grid;
    if (g.generation != sync.generation)
        return;
    showChanged(st);
    if (sync.savedSet) {
        for (int i = 1; i <= g.ncells; ++i) {
            const DigitList& d = sync.saved[static_cast<std::size_t>(i)];
            if (!d.equalsText(g[i].Choices0))
                g[i].Choices0 = d.text();
        }
    }
}

// Takes back Choices edited outside the solver; true when there were any
// (or the runs or the grid changed).
bool takeBack(AppState& st) {
    SolverWork& sv = st.solver.work;
    WorkSync& sync = st.solver.sync;
    const Grid& g = st.grid;
    if (g.generation != sync.generation) {
        // The grid was replaced: the work only has to stay in range until
        // the solver notices and leaves.
        const auto size = static_cast<std::size_t>(g.ncells) + 1;
        if (sv.cells.size() < size) {
            sv.cells.resize(size);
            sync.saved.resize(size);
            sync.shown.resize(size);
        }
        sv.forgetRuns();
        return true;
    }
    // While AutoSolve runs the solver owns the grid: every command that
    // would change cells or runs refuses ("Cancel AutoSolve first"), so
    // events leave nothing to take back.
    if (st.autosolving)
        return false;
    // One walk over the cells finds the edited Choices and tells whether
    // the runs are still the ones listed (they may have been rebuilt).
    bool edited = false;
    bool sameRuns = sv.passKept.size() == kRulePasses * sv.runs.size();
    std::size_t across = 0, down = sv.acrossRuns;
    const auto listed = [&](std::size_t& next, std::size_t end, int i,
                            const std::vector<int>& cells, int clue, int len) {
        if (next >= end)
            return false;
        const SolverRun& r = sv.runs[next++];
        if (r.head != i || r.clue != clue || r.len != len ||
            r.end - r.begin != static_cast<int>(cells.size()))
            return false;
        const int* listedCells = sv.runCells.data() + r.begin;
        for (std::size_t n = 0; n < cells.size(); ++n)
            if (listedCells[n] != cells[n])
                return false;
        return true;
    };
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        const auto k = static_cast<std::size_t>(i);
        if (!sync.shown[k].equalsText(s.Choices)) {
            const DigitList taken = DigitList::fromText(s.Choices);
            edited = edited || !(taken == sv.cells[k]);
            sv.cells[k] = sync.shown[k] = taken;
        }
        if (sameRuns && !s.cellsacross.empty())
            sameRuns = listed(across, sv.acrossRuns, i, s.cellsacross, s.across, s.lenacross);
        if (sameRuns && !s.cellsdown.empty())
            sameRuns = listed(down, sv.runs.size(), i, s.cellsdown, s.down, s.lendown);
    }
    if (!sameRuns || across != sv.acrossRuns || down != sv.runs.size())
        edited = sv.listRuns(g) || edited;
    return edited;
}

} // namespace

WorkScope::WorkScope(AppState& st) : st_(st) {
    if (st_.solver.sync.depth++ == 0)
        loadAll(st_);
}

WorkScope::~WorkScope() {
    if (--st_.solver.sync.depth == 0)
        storeAll(st_);
}

GridText::GridText(AppState& st) : st_(st) {
    if (st_.solver.sync.depth > 0)
        storeAll(st_);
}

GridText::~GridText() {
    WorkSync& sync = st_.solver.sync;
    if (sync.depth > 0 && st_.grid.generation == sync.generation) {
        const bool saved = sync.savedSet;
        loadAll(st_);
        if (saved) {
            for (int i = 1; i <= st_.grid.ncells; ++i)
                sync.saved[static_cast<std::size_t>(i)] = DigitList::fromText(st_.grid[i].Choices0);
            sync.savedSet = true;
        }
    }
}

void ShowWork(AppState& st) {
    if (st.solver.sync.depth > 0)
        showChanged(st);
}

bool PumpWithWork(AppState& st, UserInterface& ui) {
    ShowWork(st);
    ui.pumpEvents();
    return st.solver.sync.depth > 0 && takeBack(st);
}

bool IsWorkFull(AppState& st, UserInterface& ui) {
    ShowWork(st);
    const bool full = IsGridFull(st.grid, ui);
    if (st.solver.sync.depth > 0)
        takeBack(st);
    return full;
}

void SaveWork(AppState& st) {
    st.solver.sync.saved = st.solver.work.cells;
    st.solver.sync.savedSet = true;
}

void RestoreWork(AppState& st) {
    st.solver.work.cells = st.solver.sync.saved;
}

std::string WorkLine(const AppState& st, bool saved) {
    const Work& w = saved ? st.solver.sync.saved : st.solver.work.cells;
    std::string line;
    line.reserve(static_cast<std::size_t>(st.grid.ncells) * 3);
    for (int i = 1; i <= st.grid.ncells; ++i) {
        const DigitList& d = w[static_cast<std::size_t>(i)];
        for (int k = 0, n = d.size(); k < n; ++k)
            line += static_cast<char>('0' + d.at(k));
        line += ',';
    }
    return line;
}

void RestoreWorkLine(AppState& st, const std::string& line) {
    std::size_t start = 0;
    for (int i = 1; i <= st.grid.ncells; ++i) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string::npos)
            return;
        st.solver.work[i] =
            DigitList::fromText(std::string_view(line).substr(start, comma - start));
        start = comma + 1;
    }
}

} // namespace vextor
