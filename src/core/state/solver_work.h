// The deduction solver's working state: the candidates of every cell as digit
// lists, the runs of the grid as one flat list, the record of which rule
// passes left which runs as they were, and the change flag the rules report
// through. The rules (solver/) take it by reference and need nothing else; the
// drivers that hold an AppState keep it in step with the cells' Choices
// (solver/work_grid.h).
#pragma once

#include "model/digit_list.h"
#include "model/grid.h"

#include <cstddef>
#include <span>
#include <vector>

namespace vextor {

// Candidates by cell index (index 0 unused).
using Work = std::vector<DigitList>;

// A run as the solver walks it: its sum cell, clue, recorded length and its
// cells, SolverWork::runCells[begin] to runCells[end - 1].
struct SolverRun {
    int head = 0;
    int clue = 0;
    int len = 0;
    int begin = 0;
    int end = 0;
};

// Rule passes that work on one run at a time, reading and writing only its
// cells: run on the same candidates, such a pass does the same again. When it
// left a run as it was (no candidate written, no flag set), it can skip the
// run until one of the run's candidates changes.
enum class RulePass { UpperBound, LowerBound, Remainder };
inline constexpr std::size_t kRulePasses = 3;

struct SolverWork {
    Work cells;           // the candidates by cell
    bool changed = false; // set by every rule that writes a candidate string

    // The runs of the grid: the across runs by sum cell, then the down runs;
    // only runs of at least one cell.
    std::vector<SolverRun> runs;
    std::vector<int> runCells;
    std::size_t acrossRuns = 0; // runs[0 .. acrossRuns - 1] are the across runs

    // Per rule pass and run: the run's candidates when the pass last left the
    // run as it was (passKept marks the runs for which that holds).
    std::vector<DigitList> passSeen;
    std::vector<unsigned char> passKept;

    SolverWork() = default;
    // The candidates of the grid's Choices and its runs (as the cells' run
    // lists give them).
    explicit SolverWork(const Grid& grid) { load(grid); }

    // Loads the candidates from the grid's Choices and lists its runs.
    void load(const Grid& grid);
    // Lists the grid's runs; the record of the rule passes is kept while the
    // runs stay the same. Returns true when the runs changed.
    bool listRuns(const Grid& grid);
    // Forgets the runs and the record of the rule passes.
    void forgetRuns();
    // Writes every cell's candidates into the grid's Choices.
    void store(Grid& grid) const;

    DigitList& operator[](int cell) { return cells[static_cast<std::size_t>(cell)]; }
    const DigitList& operator[](int cell) const { return cells[static_cast<std::size_t>(cell)]; }

    // The cells of a run.
    std::span<const int> cellsOf(const SolverRun& r) const {
        return {runCells.data() + r.begin, static_cast<std::size_t>(r.end - r.begin)};
    }
    // Calls f(run, cells) for the across runs (across true) or the down runs,
    // by sum cell.
    template <typename F> void forEachRunOf(bool across, F&& f) const {
        const std::size_t from = across ? 0 : acrossRuns;
        const std::size_t to = across ? acrossRuns : runs.size();
        for (std::size_t k = from; k < to; ++k)
            f(runs[k], cellsOf(runs[k]));
    }
    // Calls f(run, cells) for every across run, then every down run.
    template <typename F> void forEachRun(F&& f) const {
        for (const SolverRun& r : runs)
            f(r, cellsOf(r));
    }

    // True when the pass left the run as it was on the run's present candidates.
    bool passKeepsRun(RulePass pass, const SolverRun& run) const;
    // Records whether the pass left the run as it was.
    void notePass(RulePass pass, const SolverRun& run, bool keptAsItWas);
    // Runs body() (which returns true when it acted without setting the
    // change flag) on the run unless the pass is known to leave it as it is.
    template <typename F> void passOnRun(RulePass pass, const SolverRun& run, F&& body) {
        if (passKeepsRun(pass, run))
            return;
        const bool before = changed;
        changed = false;
        const bool acted = body();
        const bool flagged = changed;
        changed = before || flagged;
        notePass(pass, run, !acted && !flagged);
    }
};

} // namespace vextor
