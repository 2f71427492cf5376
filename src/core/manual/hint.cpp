#include "manual/hint.h"

#include "exact/exact_solver.h"
#include "logic/logic_rating.h"
#include "manual/manual_solve.h"
#include "manual/play_aids.h"

#include <algorithm>

namespace vextor {

namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

DigitMask maskOf(const std::string& digits) {
    DigitMask m = 0;
    for (const char c : digits)
        if (c >= '1' && c <= '9')
            m = static_cast<DigitMask>(m | 1u << (c - '1'));
    return m;
}

// An open cell whose pencil marks are shown, and none written yet by a
// player who started with empty notes: it stands for all its candidates.
bool unwrittenNotes(const AppState& st, int i) {
    const Square& s = st.grid[i];
    return st.aids.editPencilMarks && playAidsCurrent(st) && s.Choices == s.Choices0 &&
           st.aids.notesStartedEmpty && st.aids.pencil[at(i)] == 0;
}

// Whether an open cell's marks are its pencil marks (else its Choices).
bool usesPencil(const AppState& st, int i) {
    const Square& s = st.grid[i];
    return st.aids.editPencilMarks && playAidsCurrent(st) && s.Choices == s.Choices0 &&
           !unwrittenNotes(st, i);
}

bool isWhite(const Square& s) {
    return !s.known && !s.Black;
}

std::string capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

void clearTicks(AppState& st) {
    for (int i = 1; i <= st.grid.ncells; ++i)
        st.grid[i].tick = 0;
    RemarkCursor(st);
}

// A hint line that is no step: the presses start again.
void say(AppState& st, const std::string& text) {
    ClearHint(st);
    st.hint.text = text;
    st.hint.generation = st.grid.generation;
}

// Applies the step to the player's grid as one undo entry: "G" and, for
// every cell it changes, ";cell,previous Choices".
void applyToGrid(AppState& st, const LogicStep& step) {
    std::vector<int> cells;
    for (const LogicChange& c : step.changes)
        if (std::find(cells.begin(), cells.end(), c.cell) == cells.end())
            cells.push_back(c.cell);
    std::string group = "G";
    for (const int c : cells)
        group += ";" + std::to_string(c) + "," + st.grid[c].Choices;
    st.undolist.push_front(group);
    SavePencilForUndo(st);
    ClearVerifyStatus(st); // an entry like the player's
    for (const LogicChange& c : step.changes) {
        Square& s = st.grid[c.cell];
        if (c.placed) {
            s.Choices = std::to_string(c.digit);
            ClearPencilInRuns(st, c.cell, c.digit);
        } else if (usesPencil(st, c.cell) || unwrittenNotes(st, c.cell)) {
            auto& marks = st.aids.pencil[at(c.cell)];
            if (unwrittenNotes(st, c.cell))
                marks = pencilMask(s.Choices); // the candidates the cell stood for
            marks = static_cast<PencilMask>(marks & ~(1u << c.digit));
        } else {
            std::erase(s.Choices, static_cast<char>('0' + c.digit));
        }
    }
}

} // namespace

LogicState PlayerCandidates(const AppState& st) {
    const Grid& g = st.grid;
    LogicState s(at(g.ncells) + 1, 0);
    for (int i = 1; i <= g.ncells; ++i) {
        const Square& c = g[i];
        if (!isWhite(c))
            continue;
        if (c.Choices.size() == 1) {
            s[at(i)] = static_cast<DigitMask>(maskOf(c.Choices) | kPlacedFlag);
            continue;
        }
        s[at(i)] = usesPencil(st, i) ? static_cast<DigitMask>(st.aids.pencil[at(i)] >> 1)
                                     : maskOf(c.Choices);
    }
    return s;
}

std::string HintText(const AppState& st) {
    return st.hint.generation == st.grid.generation ? st.hint.text : std::string();
}

void ClearHint(AppState& st) {
    st.hint.text.clear();
    st.hint.presses = 0;
    st.hint.seen.clear();
}

void HintCommand(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    if (!st.manualmode) {
        say(st, "Hints are given while solving by hand: choose Solve Manually first.");
        return;
    }
    const Grid& g = st.grid;
    const ExactResult exact = CountSolutions(g, 2);
    if (exact.unknown) {
        say(st, "The solutions of this puzzle could not be counted in time, so there is no "
                "hint.");
        return;
    }
    if (exact.count == 0) {
        say(st, "This puzzle has no solution, so there is no hint.");
        return;
    }
    if (exact.count > 1) {
        say(st, "This puzzle has more than one solution: no reasoning can choose between "
                "them, so there is no hint.");
        return;
    }
    // The player's grid against the solution.
    const LogicState player = PlayerCandidates(st);
    for (int i = 1; i <= g.ncells; ++i) {
        if (!isWhite(g[i]))
            continue;
        const DigitMask m = player[at(i)];
        const int digit = exact.first[at(i)];
        if (m & (1u << (digit - 1)))
            continue;
        clearTicks(st);
        st.grid[i].tick = st.redcol;
        if (m & kPlacedFlag)
            say(st,
                "Hint: " + capitalised(cellName(g, i)) + " holds a wrong digit (marked in red).");
        else
            say(st, "Hint: the " + std::string(usesPencil(st, i) ? "pencil marks" : "candidates") +
                        " of " + cellName(g, i) +
                        " no longer hold the digit it needs (marked in red).");
        return;
    }
    LogicEngine engine(g);
    LogicStep step;
    const LogicOutcome o = engine.nextStep(player, step);
    if (o == LogicOutcome::Solved) {
        say(st, "Hint: the puzzle is solved.");
        return;
    }
    if (o != LogicOutcome::Step) {
        say(st, "Hint: no step of reasoning the hint knows is left from here: the rest needs "
                "trial and error.");
        return;
    }
    // The presses count while the grid stays as it was at the last press.
    HintState& h = st.hint;
    const int press = h.generation == g.generation && h.seen == player ? h.presses + 1 : 1;
    h.seen = player;
    h.presses = press;
    if (press < 3) {
        clearTicks(st);
        for (const int c : step.cells)
            st.grid[c].tick = st.yellowcol;
    }
    const std::string kind =
        std::string(techniqueName(step.technique)) + " (" + tierWord(step.tier) + ")";
    if (press == 1) {
        h.text = "Hint 1 of 3: " + kind + ": look at the marked cells.";
    } else if (press == 2) {
        h.text = "Hint 2 of 3: " + step.sentence;
    } else {
        applyToGrid(st, step);
        h.text = "Hint 3 of 3, applied: " + step.sentence;
        h.presses = 0;
        h.seen.clear();
        if (!CheckAfterChange(st, ui))
            return; // another puzzle was loaded meanwhile
    }
    h.generation = g.generation;
}

} // namespace vextor
