#include "solver/guessing.h"

#include "base/text.h"
#include "model/grid_checks.h"
#include "solver/deduce.h"
#include "solver/rules.h"
#include "solver/sum_bounds.h"
#include "solver/sum_combos.h"
#include "solver/work_grid.h"

#include <algorithm>
#include <fstream>

namespace vextor {

namespace {

// A number in "00" form: at least two digits, with a leading zero.
void appendTwoDigits(std::string& out, long long v) {
    if (v >= 0 && v < 100) {
        out += static_cast<char>('0' + v / 10);
        out += static_cast<char>('0' + v % 10);
        return;
    }
    out += std::to_string(v);
}

// Fields 2, 3 and 4 of a choice-list line (or of a retract entry behind a comma).
struct LineFields {
    int row = 0;
    int col = 0;
    std::string candidates;
};

LineFields parseLine(const std::string& line) {
    const auto f = split(line, ',');
    LineFields out;
    if (f.size() > 2)
        out.row = leadingInt(f[2]);
    if (f.size() > 3)
        out.col = leadingInt(f[3]);
    if (f.size() > 4)
        out.candidates = f[4];
    return out;
}

int cellOf(const Grid& g, int row, int col) {
    if (row < 1 || row > g.rows || col < 1 || col > g.cols)
        return 0;
    return g.CellIndex(row, col);
}

std::string retractLine(const RetractEntry& e) {
    return "," + spacedNumber(e.k) + "," + spacedNumber(e.row) + "," + spacedNumber(e.col) + "," +
           e.untried;
}

// Restores the grid from the start-up snapshot: the copy kept in memory by
// the AutoSolve of this puzzle; without one (Solve Interactively after a
// load) the file, when it can be read. The file may be stale (an unwritable
// folder, a second instance), so it never overrides the copy in memory.
void restoreStartup(AppState& st) {
    std::string line = st.solver.startupSnapshot;
    bool read = !line.empty();
    if (!read && !st.startupfile.empty()) {
        std::ifstream in(st.startupfile, std::ios::binary);
        if (in && std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            read = true;
        }
    }
    if (read)
        restoreSnapshotLine(st.grid, line);
}

// Step 6: the try limit, then a restart from the start-up snapshot. After
// an exhausted search there is nothing to ask: the caller ends the solve.
void limitAndRestart(AppState& st, UserInterface& ui, bool showMessages) {
    SolverState& sv = st.solver;
    if (st.cancelsolve)
        return;
    {
        // The question shows the grid, and the restart works on the text.
        GridText text(st);
        if (!sv.searchExhausted && !sv.nolimit && sv.guesscount >= st.maxtries) {
            if (!showMessages) {
                sv.solveresult = SolveResult::GaveUp;
                return;
            }
            const Answer a = ui.askYesNoCancel(TryLimitQuestion(st.maxtries));
            sv.guesscount = 0;
            if (a == Answer::Cancel) {
                st.cancelsolve = true;
                return;
            }
            if (a == Answer::Yes)
                sv.nolimit = true;
        }
        restoreStartup(st);
        Grid& g = st.grid;
        for (int i = 1; i <= g.ncells; ++i)
            if (!g[i].Choices.empty())
                g[i].Choices = ShuffleDigits(st, g[i].Choices);
    }
    SaveWork(st);
    ClearRetractData(st);
    ++sv.restarts;
    sv.tries = 0;
}

} // namespace

namespace {

std::string choiceLine(const AppState& st, int i) {
    const Grid& g = st.grid;
    const DigitList& c = st.solver.work[i];
    const auto owner = [](const std::vector<int>& owners, int cell) {
        return cell >= 0 && static_cast<std::size_t>(cell) < owners.size()
                   ? owners[static_cast<std::size_t>(cell)]
                   : 0;
    };
    const int ao = owner(st.solver.acrossowner, i);
    const int dO = owner(st.solver.downowner, i);
    const long long ss =
        static_cast<long long>(g.valid(ao) ? g[ao].across : 0) + (g.valid(dO) ? g[dO].down : 0);
    std::string line;
    line.reserve(24);
    appendTwoDigits(line, c.size());
    line += ',';
    appendTwoDigits(line, ss);
    line += ',';
    appendTwoDigits(line, g.rowOf(i));
    line += ',';
    appendTwoDigits(line, g.colOf(i));
    line += ',';
    for (int k = 0, n = c.size(); k < n; ++k)
        line += static_cast<char>('0' + c.at(k));
    return line;
}

} // namespace

std::string ChoiceLine(AppState& st, int i) {
    WorkScope scope(st);
    return choiceLine(st, i);
}

void RefineAndListChoices(AppState& st) {
    WorkScope scope(st);
    SolverState& sv = st.solver;
    SolverWork& w = sv.work;
    const int bound = SolverLoopBound(st.grid);
    for (int n = 0; n < bound; ++n) {
        PairRunComplements(w);
        CheckMaxSums(w);
        ApplyRunCombos(w);
        if (!w.changed)
            break;
    }
    sv.choiceList.clear();
    const Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i)
        if (w[i].size() > 1)
            sv.choiceList.push_back(choiceLine(st, i));
    std::sort(sv.choiceList.begin(), sv.choiceList.end());
}

std::string PickGuessCell(AppState& st) {
    const auto& list = st.solver.choiceList;
    if (list.empty())
        return {};
    if (list.size() == 1)
        return list[0];
    const std::string p = list[0].substr(0, 2);
    std::size_t m = list.size();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].compare(0, 2, p) != 0) {
            m = i;
            break;
        }
    }
    auto r = static_cast<std::size_t>(st.rng.uniform() * static_cast<double>(m));
    if (r > list.size() - 1)
        r = list.size() - 1;
    return list[r];
}

namespace {

// ChooseOption; with kept, the trial deduction of the chosen digit is kept
// there, for applying the guess without deducing it again.
std::string chooseOption(AppState& st, UserInterface& ui, const std::string& line,
                         DeduceTrace* kept) {
    const LineFields f = parseLine(line);
    const int cell = cellOf(st.grid, f.row, f.col);
    std::string option;
    if (kept)
        kept->usable = false;
    if (cell == 0)
        return option;
    WorkScope scope(st);
    SolverWork& w = st.solver.work;
    const unsigned generation = st.grid.generation;
    DeduceTrace trial;
    for (char d : f.candidates) {
        SaveWork(st);
        w[cell] = DigitList::fromText(std::string(1, d));
        if (kept)
            Deduce(st, ui, trial);
        else
            Deduce(st, ui);
        if (st.grid.generation != generation)
            return {}; // the grid was replaced: its cells are not ours

        if (IsGridValid(st.grid, w.cells) && !HasEmptiedWhiteCell(st.grid, w.cells)) {
            option.assign(1, d);
            if (kept)
                std::swap(*kept, trial);
        }
        RestoreWork(st);
    }
    return option;
}

} // namespace

std::string ChooseOption(AppState& st, UserInterface& ui, const std::string& line) {
    return chooseOption(st, ui, line, nullptr);
}

void TryNextGuess(AppState& st, UserInterface& ui, bool showMessages) {
    WorkScope scope(st);
    SolverState& sv = st.solver;
    Grid& g = st.grid;
    // The flag tells the caller that this step found the search exhausted.
    sv.searchExhausted = false;
    if (sv.tries > 2 * g.ncells) {
        limitAndRestart(st, ui, showMessages);
        return;
    }
    RefineAndListChoices(st);
    if (st.cancelsolve)
        return;
    std::string line;
    if (sv.choiceList.empty()) {
        // Nothing left to guess: either a solution, or a dead end that the
        // rules did not notice (an emptied cell, a run that does not add up),
        // which is retracted like a cell without a surviving digit.
        if (IsGridSolved(g, sv.work.cells))
            return;
    } else {
        line = PickGuessCell(st);
        if (st.cancelsolve)
            return;
    }
    std::string option;
    DeduceTrace trial; // the deduction of the chosen digit, done while choosing it
    for (;;) {
        if (st.cancelsolve)
            return;
        if (!line.empty()) {
            option = chooseOption(st, ui, line, &trial);
            if (!option.empty())
                break;
        }
        // Retract to the newest guess that has untried digits.
        for (;;) {
            if (st.cancelsolve)
                return;
            if (sv.retractStack.empty()) {
                sv.searchExhausted = true;
                limitAndRestart(st, ui, showMessages);
                return;
            }
            if (!sv.retractStack.front().untried.empty())
                break;
            sv.retractStack.pop_front();
        }
        const RetractEntry& top = sv.retractStack.front();
        line = retractLine(top);
        if (top.k < 1 || static_cast<std::size_t>(top.k) > sv.retractLines.size()) {
            limitAndRestart(st, ui, showMessages);
            return;
        }
        RestoreWorkLine(st, sv.retractLines[static_cast<std::size_t>(top.k - 1)]);
        sv.retractStack.pop_front();
    }

    const LineFields f = parseLine(line);
    const int cell = cellOf(g, f.row, f.col);
    SaveWork(st);
    sv.work[cell] = DigitList::fromText(option);
    const unsigned generation = g.generation;
    // The trial deduction started from these very candidates: doing it again
    // would give the same cycles, so it is replayed instead.
    if (trial.usable && trial.start == sv.work.cells)
        ReplayDeduce(st, ui, trial);
    else
        Deduce(st, ui);
    if (g.generation != generation)
        return;
    ++sv.guesscount;
    ++sv.tries;
    ++sv.guessesApplied;
    std::string untried = f.candidates;
    untried.erase(std::remove(untried.begin(), untried.end(), option[0]), untried.end());
    sv.retractStack.push_front({sv.tries, f.row, f.col, std::move(untried)});
    sv.retractLines.push_back(WorkLine(st, true));
}

void MakePermutation(AppState& st, int n) {
    auto& perm = st.solver.perm;
    perm.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
    for (int k = 1; k <= n; ++k)
        perm[static_cast<std::size_t>(k)] = k;
    for (int k = 1; k <= n; ++k) {
        int r = static_cast<int>(st.rng.uniform() * n + 1);
        if (r > n)
            r = n;
        std::swap(perm[static_cast<std::size_t>(r)], perm[static_cast<std::size_t>(k)]);
    }
}

std::string ShuffleDigits(AppState& st, const std::string& s) {
    const int n = static_cast<int>(s.size());
    MakePermutation(st, n);
    std::string out;
    out.reserve(s.size());
    for (int k = 1; k <= n; ++k)
        out += s[static_cast<std::size_t>(st.solver.perm[static_cast<std::size_t>(k)] - 1)];
    return out;
}

std::string TryLimitQuestion(int maxtries) {
    return "Unable to solve in" + spacedNumber(maxtries) +
           " tries\r\nThis puzzle may have multiple solution...\r\n\r\n"
           "Click Yes to continue without any limit\r\n"
           "Click No to continue for another" +
           spacedNumber(maxtries) +
           " tries\r\n"
           "Click Cancel to cancel AutoSolve\r\n";
}

void FindChoicesCommand(AppState& st, UserInterface& ui) {
    WorkScope scope(st);
    SolverWork& w = st.solver.work;
    InitCandidates(st);
    st.solver.tries = 0;
    w.changed = false;
    RefineAndListChoices(st);
    const int bound = SolverLoopBound(st.grid);
    for (int n = 0; n < bound; ++n) {
        PairRunComplements(w);
        FindSameChoices(w);
        RemoveSingles(w);
        if (!w.changed)
            break;
    }
    w.changed = false;
    for (int k = 0; k < st.grid.ncells; ++k) {
        CompleteLastCell(w);
        if (!w.changed)
            break;
    }
    if (IsWorkFull(st, ui))
        ui.message("Done");
}

void WriteStartupSnapshot(AppState& st) {
    st.solver.startupSnapshot = st.solver.sync.depth > 0 ? WorkLine(st) : snapshotLine(st.grid);
    if (st.startupfile.empty())
        return;
    std::ofstream out(st.startupfile, std::ios::binary | std::ios::trunc);
    out << st.solver.startupSnapshot << "\r\n";
}

void ClearRetractData(AppState& st) {
    st.solver.retractLines.clear();
    st.solver.retractStack.clear();
}

} // namespace vextor
