// The solver's working candidates. While solver work runs, the candidates of
// the white cells live in st.solver.work as digit lists; the cells' Choices
// are brought up to date whenever someone could look at them (every event
// pump, every question, the end of the work), and Choices edited from outside
// meanwhile (during an event pump) are taken back.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <span>
#include <string>
#include <vector>

namespace vextor {

using Work = std::vector<DigitList>;

// Solver work: the outermost scope loads the candidates from Choices and
// writes them back at its end (Choices0 too, when a copy was saved), unless
// the grid was replaced meanwhile.
class WorkScope {
public:
    explicit WorkScope(AppState& st);
    ~WorkScope();
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;

private:
    AppState& st_;
};

// Text work inside solver work: Choices and Choices0 are written first and
// read back afterwards. Outside solver work it does nothing.
class GridText {
public:
    explicit GridText(AppState& st);
    ~GridText();
    GridText(const GridText&) = delete;
    GridText& operator=(const GridText&) = delete;

private:
    AppState& st_;
};

// The cells of a run of solver work.
inline std::span<const int> runCells(const SolverState& sv, const SolverRun& r) {
    return {sv.runCells.data() + r.begin, static_cast<std::size_t>(r.end - r.begin)};
}

// Calls f(run, cells) for the across runs (across true) or the down runs of
// solver work, by sum cell.
template <typename F> void forEachRunOf(const SolverState& sv, bool across, F&& f) {
    const std::size_t from = across ? 0 : sv.acrossRuns;
    const std::size_t to = across ? sv.acrossRuns : sv.runs.size();
    for (std::size_t k = from; k < to; ++k)
        f(sv.runs[k], runCells(sv, sv.runs[k]));
}

// Calls f(run, cells) for every across run, then every down run.
template <typename F> void forEachRun(const SolverState& sv, F&& f) {
    for (const SolverRun& r : sv.runs)
        f(r, runCells(sv, r));
}

// Rule passes that work on one run at a time, reading and writing only its
// cells: run on the same candidates, such a pass does the same again. When it
// left a run as it was (no candidate written, no flag set), it can skip the
// run until one of the run's candidates changes.
enum class RulePass { UpperBound, LowerBound, Remainder };
inline constexpr std::size_t kRulePasses = 3;

// True when the pass left the run as it was on the run's present candidates.
bool PassKeepsRun(const SolverState& sv, RulePass pass, const SolverRun& run);
// Records whether the pass left the run as it was.
void NotePass(SolverState& sv, RulePass pass, const SolverRun& run, bool keptAsItWas);

// Runs body() (which returns true when it acted without setting the change
// flag) on the run unless the pass is known to leave it as it is.
template <typename F>
void PassOnRun(SolverState& sv, RulePass pass, const SolverRun& run, F&& body) {
    if (PassKeepsRun(sv, pass, run))
        return;
    const bool before = sv.changed;
    sv.changed = false;
    const bool acted = body();
    const bool flagged = sv.changed;
    sv.changed = before || flagged;
    NotePass(sv, pass, run, !acted && !flagged);
}

// Writes the candidates that changed into Choices.
void ShowWork(AppState& st);
// Lets pending events run with Choices up to date; takes back Choices that
// were edited meanwhile. True when the events changed candidates or runs.
bool PumpWithWork(AppState& st, UserInterface& ui);
// IsGridFull with Choices up to date.
bool IsWorkFull(AppState& st, UserInterface& ui);

// Saves and restores the working candidates (SnapshotChoices and
// RestoreChoices of solver work).
void SaveWork(AppState& st);
void RestoreWork(AppState& st);

// The snapshot line of the working candidates (or of the saved copy).
std::string WorkLine(const AppState& st, bool saved = false);
// Restores the working candidates from a snapshot line; fields missing at
// the end leave their cells unchanged.
void RestoreWorkLine(AppState& st, const std::string& line);

} // namespace vextor
