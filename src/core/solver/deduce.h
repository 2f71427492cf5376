// The preparation pass and the deduction loop.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"
#include "state/solver_work.h"

#include <vector>

namespace vextor {

// The most repetitions any repeat-until-unchanged loop of the solver makes on
// this grid. Replacing rules can in principle undo each other's work; a loop
// that reaches the bound is treated as making no further progress.
int SolverLoopBound(const Grid& grid);

// Empties and disables every cell, builds the first candidates and applies
// the simple rules, the last-cell rule and the sum bounds until they change
// nothing. Returns false (after the message "Invalid puzzle") when there is
// no white cell.
bool PrepareSolve(AppState& st, UserInterface& ui);

// Applies the rules of the rule table (solver/rule_table.h) to the solver
// work, cycle after cycle, until a cycle settles no further cell and the
// rechecked rules change nothing, a cycle rule finds a contradiction, or the
// loop bound is reached. Lets pending window events run once per cycle and
// stops early when a cancel has been requested; a grid replaced while events
// ran sets st.cancelsolve, and callers must then leave the grid alone.
// Returns the contradiction flag as it stands at the end; callers judge the
// grid with IsGridValid.
bool Deduce(AppState& st, UserInterface& ui);

// What one Deduce did, so that the same deduction from the same candidates
// can be replayed: the candidates it started from and showed at each event
// pump, the state after each pump, and how it ended. Usable only when no
// event pump during it changed anything.
struct DeduceTrace {
    bool usable = false;
    Work start;                               // the candidates it started from
    std::vector<DigitList> shown;             // per pumped cycle, ncells + 1 each
    std::vector<unsigned char> again;         // per pumped cycle: another cycle follows
    std::vector<unsigned char> contradiction; // per pumped cycle: the flag after it
    std::vector<int> singles;                 // per pumped cycle: singlescount
    std::vector<unsigned char> changed;       // per pumped cycle: the change flag
    bool endsInCycle = false; // it ended inside a cycle (a contradiction), not at a pump
    Work end;                 // the candidates at the end
    bool result = false;
    int singlescount = 0;
    bool endChanged = false;
    int boundHits = 0;
};

// Deduce, recording what it does in trace.
bool Deduce(AppState& st, UserInterface& ui, DeduceTrace& trace);

// Does what the traced Deduce did, from the same candidates, without
// running the rules: the same cycles, event pumps and candidates at each
// pump, the same end. When an event pump changes candidates or runs, the
// deduction goes on from there with the rules.
bool ReplayDeduce(AppState& st, UserInterface& ui, const DeduceTrace& trace);

} // namespace vextor
