#include "solver/deduce.h"

#include "solver/remainder_rules.h"
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
void simpleRules(AppState& st, int& budget) {
    while (budget-- > 0) {
        PairRunComplements(st);
        FindSameChoices(st);
        RemoveSingles(st);
        if (!st.solver.changed)
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
    st.solver.tries = 0;
    st.solver.changed = false;
    // One budget for the outer loop and its inner simple-rules loop, so the
    // bounds do not multiply.
    int budget = SolverLoopBound(g);
    while (budget-- > 0) {
        simpleRules(st, budget);
        st.solver.changed = false;
        for (int k = 0; k < g.ncells; ++k) {
            CompleteLastCell(st);
            if (!st.solver.changed)
                break;
        }
        st.solver.changed = false;
        CheckMaxSums(st);
        if (!st.solver.changed)
            break;
    }
    return true;
}

namespace {

// The deduction loop from cycle firstCycle on, with the contradiction flag
// as it stands; records into trace when given.
bool deduceFrom(AppState& st, UserInterface& ui, int firstCycle, bool contradiction,
                DeduceTrace* trace) {
    WorkScope scope(st);
    Grid& g = st.grid;
    const Work& w = st.solver.work;
    SolverState& sv = st.solver;
    const int bound = SolverLoopBound(g);
    sv.deduceBoundHits = 0;
    const auto finish = [&](bool result, bool inCycle) {
        if (trace) {
            trace->endsInCycle = inCycle;
            trace->end = w;
            trace->result = result;
            trace->singlescount = sv.singlescount;
            trace->endChanged = sv.changed;
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
        bool again = false;
        {
            HiddenGrid hidden(ui);
            sv.singlescount = CountSingles(g, w);
            int acc = 0;
            auto grown = [&] { return CountSingles(g, w) > sv.singlescount; };

            PairRunComplements(st);
            acc += sv.changed;
            if (grown())
                RemoveSingles(st);
            contradiction = ApplyRemainderCombos(st);
            if (contradiction)
                return finish(true, true);
            acc += sv.changed;
            if (grown())
                RemoveSingles(st);
            FindSameChoices(st);
            acc += sv.changed;
            if (grown())
                RemoveSingles(st);
            TestPairPair(st);
            acc += sv.changed;
            if (grown())
                RemoveSingles(st);
            TestPairTriple(st);
            acc += sv.changed;
            CheckMaxSums(st);
            acc += sv.changed;

            bool growth = grown();
            if (growth)
                RemoveSingles(st);
            if (growth && acc != 0) {
                again = true;
            } else {
                RemoveSingles(st);
                sv.changed = false;
                for (int k = 0; k < g.ncells; ++k) {
                    contradiction = CompleteLastCell(st);
                    if (grown())
                        RemoveSingles(st);
                    if (!sv.changed)
                        break;
                }
                sv.changed = false;
                CheckMaxSums(st);
                if (sv.changed) {
                    again = true;
                } else if (grown()) {
                    RemoveSingles(st);
                    again = true;
                }
            }
        }
        if (trace) {
            trace->shown.insert(trace->shown.end(), w.begin(), w.end());
            trace->again.push_back(again);
            trace->contradiction.push_back(contradiction);
            trace->singles.push_back(sv.singlescount);
            trace->changed.push_back(sv.changed);
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
    Work& w = sv.work;
    const std::size_t stride = w.size();
    const std::size_t pumped = trace.again.size();
    sv.deduceBoundHits = 0;
    for (std::size_t cycle = 0; cycle < pumped; ++cycle) {
        { HiddenGrid hidden(ui); }
        const auto from = trace.shown.begin() + static_cast<std::ptrdiff_t>(cycle * stride);
        std::copy(from, from + static_cast<std::ptrdiff_t>(stride), w.begin());
        sv.singlescount = trace.singles[cycle];
        sv.changed = trace.changed[cycle];
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
    sv.changed = trace.endChanged;
    sv.deduceBoundHits = trace.boundHits;
    return trace.result;
}

} // namespace vextor
