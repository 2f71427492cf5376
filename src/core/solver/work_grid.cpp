#include "solver/work_grid.h"

#include "model/grid_checks.h"

#include <algorithm>

namespace vextor {

namespace {

// Writes the candidates that changed since they were last written.
void showChanged(AppState& st) {
    SolverState& sv = st.solver;
    Grid& g = st.grid;
    if (g.generation != sv.workGeneration)
        return;
    const DigitList* work = sv.work.data();
    DigitList* shown = sv.shown.data();
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

// The runs of the grid's cells, as solver work walks them. The record of
// the rule passes is kept while the runs stay the same. Returns true when
// the runs changed.
bool listRuns(AppState& st) {
    SolverState& sv = st.solver;
    const Grid& g = st.grid;
    std::size_t nRuns = 0, nCells = 0;
    bool same = true;
    for (const bool across : {true, false}) {
        for (int i = 1; i <= g.ncells; ++i) {
            const auto& cells = across ? g[i].cellsacross : g[i].cellsdown;
            if (cells.empty())
                continue;
            SolverRun r;
            r.head = i;
            r.clue = across ? g[i].across : g[i].down;
            r.len = across ? g[i].lenacross : g[i].lendown;
            r.begin = static_cast<int>(nCells);
            r.end = static_cast<int>(nCells + cells.size());
            if (same) {
                same = nRuns < sv.runs.size() && sv.runs[nRuns].head == r.head &&
                       sv.runs[nRuns].clue == r.clue && sv.runs[nRuns].len == r.len &&
                       sv.runs[nRuns].end == r.end && sv.runCells.size() >= nCells + cells.size() &&
                       std::equal(cells.begin(), cells.end(), sv.runCells.begin() + r.begin);
                if (!same) {
                    sv.runs.resize(nRuns);
                    sv.runCells.resize(nCells);
                }
            }
            if (!same) {
                sv.runs.push_back(r);
                sv.runCells.insert(sv.runCells.end(), cells.begin(), cells.end());
            }
            ++nRuns;
            nCells += cells.size();
        }
        if (across) {
            if (same && sv.acrossRuns != nRuns) {
                same = false;
                sv.runs.resize(nRuns);
                sv.runCells.resize(nCells);
            }
            sv.acrossRuns = nRuns;
        }
    }
    if (same && sv.runs.size() == nRuns && sv.runCells.size() == nCells &&
        sv.passKept.size() == kRulePasses * nRuns)
        return false;
    sv.runs.resize(nRuns);
    sv.runCells.resize(nCells);
    sv.passSeen.assign(kRulePasses * nCells, DigitList());
    sv.passKept.assign(kRulePasses * nRuns, 0);
    return true;
}

void loadAll(AppState& st) {
    SolverState& sv = st.solver;
    const Grid& g = st.grid;
    const auto size = static_cast<std::size_t>(g.ncells) + 1;
    sv.work.assign(size, DigitList());
    sv.shown.assign(size, DigitList());
    sv.work0.assign(size, DigitList());
    for (int i = 1; i <= g.ncells; ++i)
        sv.work[static_cast<std::size_t>(i)] = DigitList::fromText(g[i].Choices);
    sv.shown = sv.work;
    sv.work0Set = false;
    sv.workGeneration = g.generation;
    listRuns(st);
}

void storeAll(AppState& st) {
    SolverState& sv = st.solver;
    Grid& g = st.grid;
    if (g.generation != sv.workGeneration)
        return;
    showChanged(st);
    if (sv.work0Set) {
        for (int i = 1; i <= g.ncells; ++i) {
            const DigitList& d = sv.work0[static_cast<std::size_t>(i)];
            if (!d.equalsText(g[i].Choices0))
                g[i].Choices0 = d.text();
        }
    }
}

// Takes back Choices edited outside the solver; true when there were any
// (or the runs or the grid changed).
bool takeBack(AppState& st) {
    SolverState& sv = st.solver;
    const Grid& g = st.grid;
    if (g.generation != sv.workGeneration) {
        // The grid was replaced: the work only has to stay in range until
        // the solver notices and leaves.
        const auto size = static_cast<std::size_t>(g.ncells) + 1;
        if (sv.work.size() < size) {
            sv.work.resize(size);
            sv.work0.resize(size);
            sv.shown.resize(size);
        }
        sv.runs.clear();
        sv.runCells.clear();
        sv.passKept.clear();
        sv.acrossRuns = 0;
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
        if (!sv.shown[k].equalsText(s.Choices)) {
            const DigitList taken = DigitList::fromText(s.Choices);
            edited = edited || !(taken == sv.work[k]);
            sv.work[k] = sv.shown[k] = taken;
        }
        if (sameRuns && !s.cellsacross.empty())
            sameRuns = listed(across, sv.acrossRuns, i, s.cellsacross, s.across, s.lenacross);
        if (sameRuns && !s.cellsdown.empty())
            sameRuns = listed(down, sv.runs.size(), i, s.cellsdown, s.down, s.lendown);
    }
    if (!sameRuns || across != sv.acrossRuns || down != sv.runs.size())
        edited = listRuns(st) || edited;
    return edited;
}

} // namespace

WorkScope::WorkScope(AppState& st) : st_(st) {
    if (st_.solver.workDepth++ == 0)
        loadAll(st_);
}

WorkScope::~WorkScope() {
    if (--st_.solver.workDepth == 0)
        storeAll(st_);
}

GridText::GridText(AppState& st) : st_(st) {
    if (st_.solver.workDepth > 0)
        storeAll(st_);
}

GridText::~GridText() {
    if (st_.solver.workDepth > 0 && st_.grid.generation == st_.solver.workGeneration) {
        const bool saved = st_.solver.work0Set;
        loadAll(st_);
        if (saved) {
            for (int i = 1; i <= st_.grid.ncells; ++i)
                st_.solver.work0[static_cast<std::size_t>(i)] =
                    DigitList::fromText(st_.grid[i].Choices0);
            st_.solver.work0Set = true;
        }
    }
}

bool PassKeepsRun(const SolverState& sv, RulePass pass, const SolverRun& r) {
    const auto index = static_cast<std::size_t>(&r - sv.runs.data());
    const auto p = static_cast<std::size_t>(pass);
    if (!sv.passKept[p * sv.runs.size() + index])
        return false;
    const DigitList* seen = sv.passSeen.data() + p * sv.runCells.size();
    for (int k = r.begin; k < r.end; ++k)
        if (!(sv.work[static_cast<std::size_t>(sv.runCells[static_cast<std::size_t>(k)])] ==
              seen[k]))
            return false;
    return true;
}

void NotePass(SolverState& sv, RulePass pass, const SolverRun& r, bool keptAsItWas) {
    const auto index = static_cast<std::size_t>(&r - sv.runs.data());
    const auto p = static_cast<std::size_t>(pass);
    sv.passKept[p * sv.runs.size() + index] = keptAsItWas;
    if (!keptAsItWas)
        return;
    DigitList* seen = sv.passSeen.data() + p * sv.runCells.size();
    for (int k = r.begin; k < r.end; ++k)
        seen[k] = sv.work[static_cast<std::size_t>(sv.runCells[static_cast<std::size_t>(k)])];
}

void ShowWork(AppState& st) {
    if (st.solver.workDepth > 0)
        showChanged(st);
}

bool PumpWithWork(AppState& st, UserInterface& ui) {
    ShowWork(st);
    ui.pumpEvents();
    return st.solver.workDepth > 0 && takeBack(st);
}

bool IsWorkFull(AppState& st, UserInterface& ui) {
    ShowWork(st);
    const bool full = IsGridFull(st.grid, ui);
    if (st.solver.workDepth > 0)
        takeBack(st);
    return full;
}

void SaveWork(AppState& st) {
    st.solver.work0 = st.solver.work;
    st.solver.work0Set = true;
}

void RestoreWork(AppState& st) {
    st.solver.work = st.solver.work0;
}

std::string WorkLine(const AppState& st, bool saved) {
    const Work& w = saved ? st.solver.work0 : st.solver.work;
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
        st.solver.work[static_cast<std::size_t>(i)] =
            DigitList::fromText(std::string_view(line).substr(start, comma - start));
        start = comma + 1;
    }
}

} // namespace vextor
