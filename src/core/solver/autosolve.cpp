#include "solver/autosolve.h"

#include "model/grid_checks.h"
#include "model/runs.h"
#include "solver/deduce.h"
#include "solver/guessing.h"
#include "solver/rules.h"
#include "solver/sum_combos.h"
#include "solver/work_grid.h"
#include "state/layout_check.h"

namespace vextor {

std::string OutcomeMessage(SolveOutcome outcome) {
    switch (outcome) {
    case SolveOutcome::Invalid:
        return "Invalid puzzle";
    case SolveOutcome::NoSolution:
        return kNoValidSolution;
    case SolveOutcome::Solved:
        return "Solved without guesswork";
    case SolveOutcome::Guessed:
        return "Done, this puzzle may have multiple solutions";
    case SolveOutcome::Cancelled:
        return "Cancelled";
    case SolveOutcome::GaveUp:
        break;
    }
    return {};
}

namespace {

// Steps 3 to 8 of AutoSolve: everything between the button change and the finish.
SolveOutcome solve(AppState& st, UserInterface& ui, bool showMessages) {
    Grid& g = st.grid;
    SolverState& sv = st.solver;
    ClearRetractData(st);
    resetCells(g, st.blackcol);
    for (int i = 1; i <= g.ncells; ++i)
        g[i].Enabled = false;
    InitCandidates(st);
    long long total = 0;
    for (int i = 1; i <= g.ncells; ++i)
        total += static_cast<long long>(g[i].Choices.size());
    sv.choicestotal = total;
    if (total == 0)
        return SolveOutcome::Invalid;
    if (CheckLayout(st, ui, true))
        return SolveOutcome::Invalid;

    sv.tries = 0;
    sv.work.changed = false;
    if (!PrepareSolve(st, ui))
        return SolveOutcome::Invalid;
    // From here on the candidates are worked on as digit lists.
    WorkScope scope(st);
    Work& w = sv.work.cells;
    // Events run inside Deduce and IsGridFull; a puzzle loaded meanwhile
    // replaced the grid, and nothing of this solve may touch it any more.
    const unsigned generation = g.generation;
    const auto replaced = [&] { return g.generation != generation; };
    Deduce(st, ui);
    if (replaced())
        return SolveOutcome::Cancelled;
    if (!IsGridValid(g, w))
        return SolveOutcome::NoSolution;
    const bool full = IsWorkFull(st, ui);
    if (replaced())
        return SolveOutcome::Cancelled;
    if (full)
        return IsGridSolved(g, w) ? SolveOutcome::Solved : SolveOutcome::NoSolution;

    WriteStartupSnapshot(st);
    for (int i = 1; i <= g.ncells; ++i) {
        DigitList& c = w[static_cast<std::size_t>(i)];
        if (!c.empty())
            c = DigitList::fromText(ShuffleDigits(st, c.text()));
    }
    sv.guesscount = 0;
    for (;;) {
        TryNextGuess(st, ui, showMessages);
        if (sv.solveresult == SolveResult::GaveUp)
            return SolveOutcome::GaveUp;
        if (replaced())
            return SolveOutcome::Cancelled;
        const bool solved = IsWorkFull(st, ui) && !replaced() && IsGridSolved(g, w);
        if (replaced())
            return SolveOutcome::Cancelled;
        if (solved)
            return SolveOutcome::Guessed;
        if (st.cancelsolve)
            return SolveOutcome::Cancelled;
        if (sv.searchExhausted)
            return SolveOutcome::NoSolution;
    }
}

} // namespace

SolveOutcome RunAutoSolve(AppState& st, UserInterface& ui, bool showMessages) {
    SolverState& sv = st.solver;
    if (st.autosolving) {
        st.cancelsolve = true;
        return SolveOutcome::Cancelled;
    }
    st.autosolving = true;
    st.interactive = false;
    st.cancelsolve = false;
    st.texts.autoSolveTag = "Cancel";
    st.texts.autoSolveTooltip = "Cancel AutoSolve";
    sv.nolimit = false;
    sv.singlescount = -1;
    sv.solveresult = SolveResult::None;
    sv.searchExhausted = false;
    sv.restarts = 0;
    sv.guessesApplied = 0;

    const SolveOutcome outcome = solve(st, ui, showMessages);

    st.autosolving = false;
    st.cancelsolve = false;
    st.texts.autoSolveTag = "Auto Solve";
    st.texts.autoSolveTooltip = "Let computer solve this puzzle";
    ClearRetractData(st);
    if (showMessages) {
        const std::string m = OutcomeMessage(outcome);
        ui.message(m);
    }
    switch (outcome) {
    case SolveOutcome::Solved:
    case SolveOutcome::Guessed:
        sv.solveresult = SolveResult::Solved;
        break;
    case SolveOutcome::Cancelled:
        sv.solveresult = SolveResult::Cancelled;
        break;
    default:
        sv.solveresult = SolveResult::None;
        break;
    }
    return outcome;
}

void AutoSolveCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving)
        return;
    st.maxtries = 2 * st.grid.rows * st.grid.cols;
    BusyPointer busy(ui);
    RunAutoSolve(st, ui, true);
}

void CancelAutoSolveCommand(AppState& st) {
    st.cancelsolve = true;
    st.interactive = false;
    st.texts.overlayVisible = false;
}

void SolveInteractivelyCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    Grid& g = st.grid;
    if (!st.interactive) {
        resetCells(g, st.blackcol);
        st.solver.searchExhausted = false;
        st.cancelsolve = false; // a cancel left from before must not cut this deduction short
        const unsigned generation = g.generation;
        if (PrepareSolve(st, ui))
            Deduce(st, ui);
        if (st.grid.generation != generation)
            return; // the grid was replaced while events ran
        if (!CheckLayout(st, ui, true)) {
            st.interactive = true;
            st.cancelsolve = false;
        }
        return;
    }
    const unsigned generation = g.generation;
    const bool full = IsGridFull(g, ui);
    if (g.generation != generation)
        return; // a puzzle was loaded while events ran: no step on it
    if (full) {
        ui.message("Done");
        return;
    }
    BusyPointer busy(ui);
    TryNextGuess(st, ui, false);
}

} // namespace vextor
