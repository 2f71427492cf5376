// State owned by the solver: the run owners, the guessing counters, the
// working state of deduction (SolverWork) with what keeps it in step with the
// cells' Choices, and the ordered containers of the guessing machinery.
#pragma once

#include "state/solver_work.h"

#include <deque>
#include <string>
#include <vector>

namespace vextor {

// How the last AutoSolve (or a guessing step) ended, as the program records it.
enum class SolveResult {
    None = 0,       // not solved (invalid, no solution, gave up silently)
    Solved = 1,     // a real solution was reached
    GaveUp = -88,   // a guessing step reached the try limit without asking
    Cancelled = -99 // the user cancelled
};

// The outcome message of one AutoSolve run.
enum class SolveOutcome {
    Invalid,    // "Invalid puzzle"
    NoSolution, // "There appears to be no valid solution ..."
    Solved,     // "Solved without guesswork"
    Guessed,    // "Done, this puzzle may have multiple solutions"
    Cancelled,  // "Cancelled"
    GaveUp      // the try limit was reached without asking (no message)
};

// One applied guess: the retract snapshot that holds the grid just before
// it (numbered from 1 since the last restart), the cell, and the digits of
// the cell not yet tried.
struct RetractEntry {
    int k = 0;
    int row = 0;
    int col = 0;
    std::string untried;
};

// How solver work stands to the cells' Choices while a driver runs it
// (solver/work_grid.h).
struct WorkSync {
    Work saved;              // the saved copy (Choices0 of solver work)
    Work shown;              // what the cells' Choices were last given
    bool savedSet = false;   // saved holds a copy taken in this piece of work
    int depth = 0;           // nesting of solver work; 0 = Choices are the truth
    unsigned generation = 0; // grid generation the work was loaded from
};

struct SolverState {
    std::vector<int> acrossowner; // white cell -> sum cell heading its across run (0 none)
    std::vector<int> downowner;   // white cell -> sum cell heading its down run (0 none)

    int singlescount = 0;       // settled cells at the start of the current deduction cycle
    long long choicestotal = 0; // total candidate length after the first candidates
    int tries = 0;              // guesses applied since the last restart
    int guesscount = 0;         // guesses applied since the start or the last limit question
    bool nolimit = false;       // the user chose to go on without a try limit
    int restarts = 0;           // restarts during the current AutoSolve
    int guessesApplied = 0;     // guesses applied during the current AutoSolve
    std::vector<int> perm;      // positions 1..n of the last permutation (index 0 unused)
    SolveResult solveresult = SolveResult::None;
    // Set by a guessing step whose retracting found no recorded guess left
    // to try: the search from the last restart point is exhausted.
    bool searchExhausted = false;
    // Deduction cycles of the last Deduce call that stopped at its bound
    // (0 when it ended on its own).
    int deduceBoundHits = 0;

    // The candidates, runs and pass record of deduction, and their link to
    // the cells' Choices.
    SolverWork work;
    WorkSync sync;

    // The solver's ordered containers; a loaded puzzle empties them.
    std::vector<std::string> choiceList;   // kept in ascending text order
    std::deque<RetractEntry> retractStack; // top at the front
    std::vector<std::string> retractLines; // line k = grid just before guess k
    std::string startupSnapshot;           // the grid after the first deduction

    // A loaded puzzle empties the lists and forgets the start-up snapshot.
    void clearLists() {
        startupSnapshot.clear();
        choiceList.clear();
        retractStack.clear();
        retractLines.clear();
    }
};

} // namespace vextor
