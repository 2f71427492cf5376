#include "solver/deduce.h"

#include "solver/remainder_rules.h"
#include "solver/rules.h"
#include "solver/sum_bounds.h"
#include "solver/sum_combos.h"
#include "solver/work_grid.h"

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

bool Deduce(AppState& st, UserInterface& ui) {
    WorkScope scope(st);
    Grid& g = st.grid;
    const Work& w = st.solver.work;
    SolverState& sv = st.solver;
    bool contradiction = false;
    const int bound = SolverLoopBound(g);
    sv.deduceBoundHits = 0;
    for (int cycle = 0;; ++cycle) {
        if (cycle >= bound) {
            sv.deduceBoundHits = cycle;
            return contradiction;
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
                return true;
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
        // Between cycles the grid is shown and pending events (a Cancel
        // press among them) are delivered.
        const unsigned generation = g.generation;
        PumpWithWork(st, ui);
        // A grid replaced meanwhile (a puzzle loaded) ends every solve on it.
        if (g.generation != generation)
            st.cancelsolve = true;
        if (!again || st.cancelsolve)
            return contradiction;
    }
}

} // namespace vextor
