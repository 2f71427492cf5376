#include "solver/deduce.h"

#include "solver/rule_table.h"
#include "solver/rules.h"
#include "solver/sum_bounds.h"
#include "solver/sum_combos.h"
#include "solver/work_grid.h"

#include <algorithm>

namespace vextor {

int SolverLoopBound(const Grid& grid) {
    return 100 + 20 * grid.ncells;
}

namespace {

// Repeats the two-cell complements, equal pairs and triples and settled-digit
// removal until the removal changes nothing; every pass uses up one unit of
// the budget the caller shares with its own loop.
void simpleRules(SolverWork& w, int& budget) {
    while (budget-- > 0) {
        PairRunComplements(w);
        FindSameChoices(w);
        RemoveSingles(w);
        if (!w.changed)
            return;
    }
}

} // namespace

bool PrepareSolve(AppState& st, UserInterface& ui) {
    Grid& g = st.grid;
    long long total = 0;
    {
        GridText text(st);
        for (int i = 1; i <= g.ncells; ++i) {
            g[i].Choices.clear();
            g[i].Enabled = false;
        }
        InitCandidates(st);
        for (int i = 1; i <= g.ncells; ++i)
            total += static_cast<long long>(g[i].Choices.size());
    }
    st.solver.choicestotal = total;
    if (total == 0) {
        ui.message("Invalid puzzle");
        return false;
    }
    WorkScope scope(st);
    SolverWork& w = st.solver.work;
    st.solver.tries = 0;
    w.changed = false;
    // One budget for the outer loop and its inner simple-rules loop, so the
    // bounds do not multiply.
    int budget = SolverLoopBound(g);
    while (budget-- > 0) {
        simpleRules(w, budget);
        w.changed = false;
        for (int k = 0; k < g.ncells; ++k) {
            CompleteLastCell(w);
            if (!w.changed)
                break;
        }
        w.changed = false;
        CheckMaxSums(w);
        if (!w.changed)
            break;
    }
    return true;
}

namespace {

enum class CycleEnd { Again, Done, Contradiction };

// One deduction cycle on the work, from the rule table: the cycle rules in
// order (a contradiction ends the cycle at once), with a sweep after those
// marked for it when the settled count grew. Another cycle follows when the
// count grew and some rule changed something; otherwise the closing rules run
// until they change nothing, and the rechecked rules decide.
CycleEnd deduceCycle(SolverWork& w, int& singlescount, bool& contradiction) {
    singlescount = CountSingles(w);
    const auto grown = [&] { return CountSingles(w) > singlescount; };
    int acc = 0;
    // Whether the count has grown, as last looked at; a sweep never lowers
    // the count, so the answer stays true after one.
    bool grew = false, looked = false;
    for (const DeductionRule& r : kDeductionRules) {
        if (r.role != RuleRole::Cycle)
            continue;
        const bool found = r.apply(w);
        if (r.findsContradiction) {
            contradiction = found;
            if (found)
                return CycleEnd::Contradiction;
        }
        acc += w.changed;
        looked = r.sweepAfter;
        if (looked) {
            grew = grown();
            if (grew)
                kSweepRule(w);
        }
    }
    if (!looked)
        grew = grown();
    if (grew && acc != 0)
        return CycleEnd::Again;
    kSweepRule(w);
    w.changed = false;
    const int rounds = static_cast<int>(w.cells.size()) - 1; // the grid's cell count
    for (int k = 0; k < rounds; ++k) {
        for (const DeductionRule& r : kDeductionRules) {
            if (r.role != RuleRole::Closing)
                continue;
            const bool found = r.apply(w);
            if (r.findsContradiction)
                contradiction = found;
            if (grown())
                kSweepRule(w);
        }
        if (!w.changed)
            break;
    }
    bool rechanged = false;
    for (const DeductionRule& r : kDeductionRules) {
        if (!r.recheck)
            continue;
        w.changed = false;
        r.apply(w);
        rechanged = rechanged || w.changed;
    }
    w.changed = rechanged;
    if (rechanged)
        return CycleEnd::Again;
    if (grown()) {
        kSweepRule(w);
        return CycleEnd::Again;
    }
    return CycleEnd::Done;
}

// The deduction loop from cycle firstCycle on, with the contradiction flag
// as it stands; records into trace when given.
bool deduceFrom(AppState& st, UserInterface& ui, int firstCycle, bool contradiction,
                DeduceTrace* trace) {
    WorkScope scope(st);
    Grid& g = st.grid;
    SolverState& sv = st.solver;
    SolverWork& work = sv.work;
    const Work& w = work.cells;
    const int bound = SolverLoopBound(g);
    sv.deduceBoundHits = 0;
    const auto finish = [&](bool result, bool inCycle) {
        if (trace) {
            trace->endsInCycle = inCycle;
            trace->end = w;
            trace->result = result;
            trace->singlescount = sv.singlescount;
            trace->endChanged = work.changed;
            trace->boundHits = sv.deduceBoundHits;
        }
        return result;
    };
    if (trace) {
        trace->usable = true;
        trace->start = w;
        trace->shown.clear();
        trace->again.clear();
        trace->contradiction.clear();
        trace->singles.clear();
        trace->changed.clear();
    }
    for (int cycle = firstCycle;; ++cycle) {
        if (cycle >= bound) {
            sv.deduceBoundHits = cycle;
            return finish(contradiction, false);
        }
        CycleEnd end;
        {
            HiddenGrid hidden(ui);
            end = deduceCycle(work, sv.singlescount, contradiction);
            if (end == CycleEnd::Contradiction)
                return finish(true, true);
        }
        const bool again = end == CycleEnd::Again;
        if (trace) {
            trace->shown.insert(trace->shown.end(), w.begin(), w.end());
            trace->again.push_back(again);
            trace->contradiction.push_back(contradiction);
            trace->singles.push_back(sv.singlescount);
            trace->changed.push_back(work.changed);
        }
        // Between cycles the grid is shown and pending events (a Cancel
        // press among them) are delivered.
        const unsigned generation = g.generation;
        const bool edited = PumpWithWork(st, ui);
        // A grid replaced meanwhile (a puzzle loaded) ends every solve on it.
        if (g.generation != generation)
            st.cancelsolve = true;
        if (trace && (edited || st.cancelsolve))
            trace->usable = false;
        if (!again || st.cancelsolve)
            return finish(contradiction, false);
    }
}

} // namespace

bool Deduce(AppState& st, UserInterface& ui) {
    return deduceFrom(st, ui, 0, false, nullptr);
}

bool Deduce(AppState& st, UserInterface& ui, DeduceTrace& trace) {
    return deduceFrom(st, ui, 0, false, &trace);
}

bool ReplayDeduce(AppState& st, UserInterface& ui, const DeduceTrace& trace) {
    WorkScope scope(st);
    Grid& g = st.grid;
    SolverState& sv = st.solver;
    Work& w = sv.work.cells;
    const std::size_t stride = w.size();
    const std::size_t pumped = trace.again.size();
    sv.deduceBoundHits = 0;
    for (std::size_t cycle = 0; cycle < pumped; ++cycle) {
        { HiddenGrid hidden(ui); }
        const auto from = trace.shown.begin() + static_cast<std::ptrdiff_t>(cycle * stride);
        std::copy(from, from + static_cast<std::ptrdiff_t>(stride), w.begin());
        sv.singlescount = trace.singles[cycle];
        sv.work.changed = trace.changed[cycle];
        const bool contradiction = trace.contradiction[cycle];
        const unsigned generation = g.generation;
        const bool edited = PumpWithWork(st, ui);
        if (g.generation != generation)
            st.cancelsolve = true;
        if (!trace.again[cycle] || st.cancelsolve)
            return contradiction;
        if (edited)
            return deduceFrom(st, ui, static_cast<int>(cycle) + 1, contradiction, nullptr);
    }
    if (trace.endsInCycle) {
        HiddenGrid hidden(ui);
    }
    w = trace.end;
    sv.singlescount = trace.singlescount;
    sv.work.changed = trace.endChanged;
    sv.deduceBoundHits = trace.boundHits;
    return trace.result;
}

} // namespace vextor
