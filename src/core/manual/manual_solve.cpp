#include "manual/manual_solve.h"

#include "base/text.h"
#include "manual/game_clock.h"
#include "manual/hint.h"
#include "manual/play_aids.h"
#include "manual/saved_game.h"
#include "model/grid_checks.h"
#include "state/cursor.h"

#include <array>
#include <fstream>

namespace vextor {

namespace {

constexpr const char* kWellDone = "Well done...";
constexpr const char* kCancelAutoSolveFirst = "Cancel AutoSolve first";

bool isDigitEntry(const std::string& s) {
    return s.size() == 1 && s[0] >= '1' && s[0] <= '9';
}

// The settled cells of a run: how many there are and what they add up to.
struct RunTotal {
    int settled = 0;
    int sum = 0;
};

RunTotal runTotal(const Grid& g, const std::vector<int>& run) {
    RunTotal t;
    for (int j : run) {
        if (g.valid(j) && g[j].Choices.size() == 1) {
            ++t.settled;
            t.sum += leadingInt(g[j].Choices);
        }
    }
    return t;
}

// `incomplete`: the clue colour of a run not yet filled.
void colourRun(AppState& st, const std::vector<int>& run, int len, int clue, Colour& colour,
               Colour incomplete) {
    const RunTotal t = runTotal(st.grid, run);
    const bool complete = t.settled == len;
    if (complete && t.sum == clue) {
        colour = st.greencol;
    } else {
        colour = complete ? st.redcol : incomplete;
        if (complete)
            TickCells(st, run);
    }
}

void colourRuns(AppState& st, Colour incomplete) {
    Grid& g = st.grid;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty())
            colourRun(st, g[i].cellsacross, g[i].lenacross, g[i].across, g[i].acrosscol,
                      incomplete);
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty())
            colourRun(st, g[i].cellsdown, g[i].lendown, g[i].down, g[i].downcol, incomplete);
}

std::string verifyStatus(const AppState& st) {
    int conflicts = 0;
    for (int i = 1; i <= st.grid.ncells; ++i)
        conflicts += st.grid[i].tick == st.redcol;
    std::string text(kVerifyStatusPrefix);
    if (conflicts == 0)
        return text + "no conflicts";
    return text + std::to_string(conflicts) + (conflicts == 1 ? " cell" : " cells") +
           " in conflict";
}

bool markDuplicates(AppState& st, const std::vector<int>& run) {
    std::array<int, 10> count{};
    for (int j : run)
        if (st.grid.valid(j) && isDigitEntry(st.grid[j].Choices))
            ++count[static_cast<std::size_t>(st.grid[j].Choices[0] - '0')];
    bool found = false;
    for (int d = 1; d <= 9; ++d)
        if (count[static_cast<std::size_t>(d)] > 1)
            found = true;
    if (found)
        TickCells(st, run);
    return found;
}

// A run with exactly one open cell: the digit it needs must be 1..9, not be
// in the run already and be one of the open cell's candidates.
bool markSingleOpenCell(AppState& st, const std::vector<int>& run, int clue) {
    const Grid& g = st.grid;
    int open = 0, openCell = 0;
    for (int j : run) {
        if (g.valid(j) && g[j].Choices.size() >= 2) {
            ++open;
            openCell = j;
        }
    }
    if (open != 1)
        return false;
    const int need = clue - runTotal(g, run).sum;
    bool conflict = false;
    if (need < 1 || need > 9) {
        TickCells(st, openCell);
        return true;
    }
    const char needed = static_cast<char>('0' + need);
    for (int j : run) {
        if (g.valid(j) && g[j].Choices.size() == 1 && g[j].Choices[0] == needed) {
            TickCells(st, run);
            conflict = true;
            break;
        }
    }
    if (g[openCell].Choices.find(needed) == std::string::npos) {
        TickCells(st, openCell);
        conflict = true;
    }
    return conflict;
}

// On a full grid: every run must hold one digit per cell adding up to its clue.
bool markWrongTotal(AppState& st, const std::vector<int>& run, int clue) {
    const RunTotal t = runTotal(st.grid, run);
    if (t.settled == static_cast<int>(run.size()) && t.sum == clue)
        return false;
    TickCells(st, run);
    return true;
}

void writeUndoFile(const AppState& st) {
    // The file is a record of the starting position; nothing reads it back,
    // so a folder that cannot be written to is not worth a message.
    std::ofstream out(st.undofile, std::ios::binary | std::ios::trunc);
    if (out)
        out << snapshotLine(st.grid) << "\r\n";
}

void placeCursorOnFirstWhiteCell(AppState& st) {
    MoveCursor(st, firstWhiteCell(st.grid));
}

int nextWhite(const Grid& g, int from, int step, int limitLow, int limitHigh) {
    for (int i = from; i >= limitLow && i <= limitHigh; i += step)
        if (!g[i].known)
            return i;
    return 0;
}

int manualTarget(const AppState& st, KeyCode code) {
    const Grid& g = st.grid;
    const int cur = st.curcell;
    const int n = g.ncells;
    int target = 0;
    switch (code) {
    case KeyCode::Right:
        target = nextWhite(g, cur + 1, 1, 1, n);
        return target != 0 ? target : nextWhite(g, 1, 1, 1, n);
    case KeyCode::Left:
        target = nextWhite(g, cur - 1, -1, 1, n);
        return target != 0 ? target : nextWhite(g, n, -1, 1, n);
    case KeyCode::Down:
        return nextWhite(g, cur + g.cols, g.cols, 1, n);
    case KeyCode::Up:
        return nextWhite(g, cur - g.cols, -g.cols, 1, n);
    case KeyCode::Home:
        return n >= 1 ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace

void StartManualSolve(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message(kCancelAutoSolveFirst);
        return;
    }
    if (!ConfirmDiscardEntries(st, ui))
        return;
    BeginManualMode(st);
    ForgetSavedGame(st);
    ResetGameClock(st);
}

void BeginManualMode(AppState& st) {
    st.texts.status.clear();
    st.pendingaction.clear();
    st.undolist.clear();
    ClearHint(st);
    ClearVerifyStatus(st);
    resetCells(st.grid, st.blackcol);
    for (int i = 1; i <= st.grid.ncells; ++i)
        if (st.grid[i].BackColor == st.whitecol)
            st.grid[i].Enabled = true;
    PrepareManualCandidates(st);
    ColourRunSums(st);
    writeUndoFile(st);
    st.manualmode = true;
    SnapshotChoices(st.grid);
    ResetPlayAids(st);
    ColourAsYouGo(st);
    placeCursorOnFirstWhiteCell(st);
}

void ColourRunSums(AppState& st) {
    colourRuns(st, st.redcol);
}

void ColourCompleteRuns(AppState& st) {
    colourRuns(st, st.blackcol);
}

void TickCells(AppState& st, const std::vector<int>& cells) {
    for (int j : cells)
        TickCells(st, j);
}

void TickCells(AppState& st, int cell) {
    if (st.grid.valid(cell))
        st.grid[cell].tick = st.redcol;
}

void EnterDigit(AppState& st, int cell, const std::string& digit) {
    if (!st.grid.valid(cell))
        return;
    st.undolist.push_front(std::to_string(cell) + "," + st.grid[cell].Choices);
    st.grid[cell].Choices = trim(digit);
}

VerifyResult VerifyEntries(AppState& st, UserInterface& ui) {
    Grid& g = st.grid;
    const unsigned generation = g.generation;
    bool conflict = false;
    for (int i = 1; i <= g.ncells; ++i)
        g[i].tick = 0;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty() && markDuplicates(st, g[i].cellsacross))
            conflict = true;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty() && markDuplicates(st, g[i].cellsdown))
            conflict = true;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty() && markSingleOpenCell(st, g[i].cellsacross, g[i].across))
            conflict = true;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty() && markSingleOpenCell(st, g[i].cellsdown, g[i].down))
            conflict = true;
    const bool full = IsGridFull(g, ui);
    // The events let through may have loaded another puzzle: its cells are
    // not the ones checked, and nothing is marked on them.
    if (g.generation != generation)
        return VerifyResult::Clean;
    if (!full)
        return conflict ? VerifyResult::Conflict : VerifyResult::Clean;
    // A full grid is solved only when nothing conflicts and every run adds up;
    // runs that do not are marked so the missing congratulation is explained.
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsacross.empty() && markWrongTotal(st, g[i].cellsacross, g[i].across))
            conflict = true;
    for (int i = 1; i <= g.ncells; ++i)
        if (!g[i].cellsdown.empty() && markWrongTotal(st, g[i].cellsdown, g[i].down))
            conflict = true;
    return conflict ? VerifyResult::Conflict : VerifyResult::Complete;
}

void DigitMenuClick(AppState& st, UserInterface& ui, int k, bool shift) {
    if (st.autosolving)
        return; // the solver owns the grid
    const int cell = leadingInt(st.mnucnxTag);
    // Digits and Reset belong to white cells only: writing them into a black or
    // sum cell (reachable with Home or the arrow keys) would repaint it white
    // and the layout would be saved wrongly.
    if (!st.grid.valid(cell) || st.grid[cell].known || st.grid[cell].Black)
        return;
    if (k == kDigitMenuReset || (k >= 0 && k <= 8))
        ClearVerifyStatus(st);
    if (k == kDigitMenuReset) {
        Square& s = st.grid[cell];
        s.Choices = s.Choices0;
        s.BackColor = st.whitecol;
        CheckAsYouGo(st, ui);
        return;
    }
    if (k < 0 || k > 8)
        return; // Cancel, and anything that is not an item
    if (shift && st.aids.editPencilMarks) {
        TogglePencilMark(st, cell, k + 1);
        return;
    }
    EnterDigit(st, cell, std::to_string(k + 1));
    SavePencilForUndo(st);
    ClearPencilInRuns(st, cell, k + 1);
    const unsigned generation = st.grid.generation;
    const VerifyResult result = VerifyEntries(st, ui);
    if (st.grid.generation != generation)
        return; // another puzzle was loaded meanwhile
    ColourAsYouGo(st);
    if (result == VerifyResult::Complete)
        GridCompleted(st, ui);
}

std::vector<UndoChange> undoChanges(const std::string& entry) {
    // A group (a hint applied, Fill In Candidates): "G" and ";cell,previous"
    // for each cell it changed.
    std::vector<UndoChange> changes;
    if (entry == "G")
        return changes;
    const std::vector<std::string> parts =
        entry.starts_with("G;") ? split(entry.substr(2), ';') : std::vector<std::string>{entry};
    for (const std::string& part : parts) {
        const std::size_t comma = part.find(',');
        if (comma != std::string::npos)
            changes.push_back({leadingInt(part.substr(0, comma)), part.substr(comma + 1)});
    }
    return changes;
}

std::string reverseEntry(const Grid& g, const std::string& entry) {
    const bool group = entry.starts_with("G");
    std::string out = group ? "G" : "";
    for (const UndoChange& c : undoChanges(entry)) {
        const std::string now = g.valid(c.cell) ? g[c.cell].Choices : c.choices;
        out += (group ? ";" : "") + std::to_string(c.cell) + "," + now;
    }
    return out;
}

bool refusedOutsideManualSolve(AppState& st, UserInterface& ui, const std::string& command) {
    if (st.autosolving)
        ui.message(kCancelAutoSolveFirst);
    else if (!st.manualmode)
        ui.message(command + " in Manual Solve mode only");
    return st.autosolving || !st.manualmode;
}

void GridCompleted(AppState& st, UserInterface& ui) {
    FinishGame(st);
    ui.message(kWellDone);
}

void UndoLastEntry(AppState& st, UserInterface& ui) {
    if (refusedOutsideManualSolve(st, ui, "Undo"))
        return;
    Grid& g = st.grid;
    ClearVerifyStatus(st);
    if (!st.undolist.empty()) {
        const std::string entry = st.undolist.front();
        // What Redo gives back: the cells and the pencil marks as they are now.
        PlayAids::Redo redo{reverseEntry(g, entry), {}};
        if (playAidsCurrent(st))
            redo.pencil = st.aids.pencil;
        RestorePencilForUndo(st, st.undolist.size());
        st.undolist.pop_front();
        for (const UndoChange& c : undoChanges(entry))
            if (g.valid(c.cell))
                g[c.cell].Choices = c.choices;
        st.aids.redo.push_back(std::move(redo));
        CheckAsYouGo(st, ui); // nothing else, unless Check As You Go is on
        return;
    }
    RestoreChoices(g);
    clearCellMarks(g, st.blackcol);
    ColourRunSums(st);
    ResetPlayAids(st);
    ColourAsYouGo(st);
    st.curcell = 0; // every tick is already cleared
    placeCursorOnFirstWhiteCell(st);
}

void RedoLastEntry(AppState& st, UserInterface& ui) {
    if (refusedOutsideManualSolve(st, ui, "Redo"))
        return;
    if (st.aids.redo.empty() || !playAidsCurrent(st))
        return;
    ClearVerifyStatus(st);
    PlayAids::Redo redo = std::move(st.aids.redo.back());
    st.aids.redo.pop_back();
    Grid& g = st.grid;
    // The entry again, with its undo record, as when it was first made.
    st.undolist.push_front(reverseEntry(g, redo.entry));
    st.aids.undo.push_back({st.undolist.size(), st.aids.pencil});
    for (const UndoChange& c : undoChanges(redo.entry))
        if (g.valid(c.cell))
            g[c.cell].Choices = c.choices;
    if (redo.pencil.size() == st.aids.pencil.size())
        st.aids.pencil = std::move(redo.pencil);
    CheckAfterChange(st, ui);
}

bool CheckAfterChange(AppState& st, UserInterface& ui) {
    const unsigned generation = st.grid.generation;
    const VerifyResult result = VerifyEntries(st, ui);
    if (st.grid.generation != generation)
        return false; // another puzzle was loaded meanwhile
    ColourAsYouGo(st);
    RemarkCursor(st);
    if (result == VerifyResult::Complete)
        GridCompleted(st, ui);
    return true;
}

void VerifyManualSolve(AppState& st, UserInterface& ui) {
    if (refusedOutsideManualSolve(st, ui, "Verify"))
        return;
    const unsigned generation = st.grid.generation;
    const VerifyResult result = VerifyEntries(st, ui);
    if (st.grid.generation != generation)
        return; // another puzzle was loaded meanwhile
    ColourRunSums(st);
    ColourAsYouGo(st);
    st.texts.status = verifyStatus(st);
    if (result == VerifyResult::Complete)
        GridCompleted(st, ui);
}

bool RemarkCursor(AppState& st) {
    if (!st.manualmode || !st.grid.valid(st.curcell))
        return false;
    st.grid[st.curcell].tick = st.greencol;
    return true;
}

void ManualKeyUp(AppState& st, UserInterface& ui, const KeyEvent& key) {
    if (st.autosolving)
        return;
    if (key.code == KeyCode::Digit) {
        // Keypad digits count like the main keyboard's; Shift+digit edits
        // pencil marks when that is on and does nothing otherwise.
        if (key.digit < 1 || key.digit > 9 || (key.shift && !st.aids.editPencilMarks))
            return;
        const unsigned generation = st.grid.generation;
        st.mnucnxTag = std::to_string(st.curcell);
        DigitMenuClick(st, ui, key.digit - 1, key.shift);
        if (st.grid.generation == generation && st.grid.valid(st.curcell))
            st.grid[st.curcell].tick = st.greencol;
        return;
    }
    if (key.code == KeyCode::Delete || key.code == KeyCode::Backspace) {
        st.mnucnxTag = std::to_string(st.curcell);
        DigitMenuClick(st, ui, kDigitMenuReset);
        return;
    }
    const int target = manualTarget(st, key.code);
    if (target != 0)
        MoveCursor(st, target);
}

} // namespace vextor
