#include "create/difficulty.h"

#include "base/silent_user_interface.h"
#include "base/text.h"
#include "model/grid_checks.h"
#include "solver/autosolve.h"
#include "solver/deduce.h"
#include "solver/rule_table.h"
#include "solver/rules.h"
#include "solver/sum_combos.h"

#include <algorithm>

namespace vextor {

namespace {

constexpr const char* kWords[] = {"easy", "medium", "hard", "very hard"};

// Applies the rules of every family up to `top` once, family by family and
// in the table's order within a family; true on a contradiction.
bool applyFamilies(SolverWork& w, RuleFamily top) {
    for (int f = 0; f <= static_cast<int>(top); ++f)
        for (const DeductionRule& r : kDeductionRules)
            if (static_cast<int>(r.family) == f && r.apply(w) && r.findsContradiction)
                return true;
    return false;
}

// A copy of the state that talks to nobody and writes no working file.
AppState quietCopy(const AppState& st) {
    AppState a = st;
    a.rng.reseed(1);
    a.startupfile.clear();
    a.retractfile.clear();
    a.undofile.clear();
    a.autosolving = false;
    a.cancelsolve = false;
    a.interactive = false;
    return a;
}

} // namespace

Difficulty RatePuzzle(const AppState& st) {
    Difficulty d;
    SilentUserInterface quiet;
    {
        AppState a = quietCopy(st);
        a.maxtries = 2 * a.grid.rows * a.grid.cols;
        const SolveOutcome o = RunAutoSolve(a, quiet, false);
        if (o == SolveOutcome::Guessed || o == SolveOutcome::GaveUp) {
            d.rated = true;
            d.guessFree = false;
            d.hardest = RuleFamily::Guessing;
            // Gave up at the try limit: as hard as the scale goes.
            d.guesses = a.solver.guessesApplied;
            d.word = kWords[3];
            d.number = 75 + (o == SolveOutcome::GaveUp ? 25 : std::clamp(d.guesses, 1, 25));
            return d;
        }
        if (o != SolveOutcome::Solved)
            return d;
    }
    // Solved by deduction: the simplest families first, each to a fixpoint.
    AppState b = quietCopy(st);
    Grid& g = b.grid;
    for (int i = 1; i <= g.ncells; ++i)
        g[i].Choices.clear();
    InitCandidates(b);
    SolverWork w(g);
    d.rated = true;
    d.hardest = RuleFamily::Remainder; // AutoSolve's own order may need them all
    const int bound = SolverLoopBound(g);
    for (const RuleFamily f : {RuleFamily::Singles, RuleFamily::Pairs, RuleFamily::Remainder}) {
        for (int pass = 0; pass < bound; ++pass) {
            const Work before = w.cells;
            if (applyFamilies(w, f) || w.cells == before)
                break;
            ++d.passes;
        }
        w.store(g);
        if (IsGridFullNoEvents(g) && IsGridSolved(g)) {
            d.hardest = f;
            break;
        }
    }
    const int level = static_cast<int>(d.hardest);
    d.word = kWords[level];
    d.number = 25 * level + std::clamp(d.passes, 1, 25);
    return d;
}

void UpdateDifficultyText(AppState& st) {
    const Grid& g = st.grid;
    std::string layout = plainNumber(g.rows) + "x" + plainNumber(g.cols) + ":";
    bool white = false, marks = false; // marks: clues still to be compiled (-1)
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& s = g[i];
        white = white || !s.known;
        marks = marks || (s.known && (s.across < 0 || s.down < 0));
        layout +=
            s.known ? (s.Black ? "X" : plainNumber(s.across) + "," + plainNumber(s.down)) : ".";
        layout += ' ';
    }
    if (marks || !white) {
        st.creator.ratedLayout.clear();
        st.texts.difficulty.clear();
        return;
    }
    if (layout == st.creator.ratedLayout)
        return;
    st.creator.ratedLayout = layout;
    const Difficulty d = RatePuzzle(st);
    st.texts.difficulty = d.rated ? d.word + " " + plainNumber(d.number) : std::string();
}

} // namespace vextor
