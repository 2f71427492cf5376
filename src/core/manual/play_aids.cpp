#include "manual/play_aids.h"

#include "manual/hint.h"
#include "manual/manual_solve.h"
#include "model/grid_checks.h"

namespace vextor {

namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

bool openWhiteCell(const AppState& st, int cell) {
    if (!st.grid.valid(cell))
        return false;
    const Square& s = st.grid[cell];
    return !s.known && !s.Black && s.Choices.size() != 1 && s.Choices == s.Choices0;
}

} // namespace

void ResetPlayAids(AppState& st) {
    PlayAids& a = st.aids;
    const std::size_t size = at(st.grid.ncells) + 1;
    a.generation = st.grid.generation;
    a.pencil.assign(size, 0);
    a.undo.clear();
    a.redo.clear();
    a.notesStartedEmpty = a.emptyNotes;
    if (!a.emptyNotes)
        for (int i = 1; i <= st.grid.ncells; ++i)
            a.pencil[at(i)] = pencilMask(st.grid[i].Choices0);
}

void SavePencilForUndo(AppState& st) {
    st.aids.redo.clear();
    if (playAidsCurrent(st))
        st.aids.undo.push_back({st.undolist.size(), st.aids.pencil});
}

void RestorePencilForUndo(AppState& st, std::size_t depth) {
    auto& undo = st.aids.undo;
    while (!undo.empty() && undo.back().depth > depth)
        undo.pop_back(); // records of entries no longer in the list
    if (undo.empty() || undo.back().depth != depth)
        return;
    if (playAidsCurrent(st) && undo.back().pencil.size() == st.aids.pencil.size())
        st.aids.pencil = undo.back().pencil;
    undo.pop_back();
}

void ClearPencilInRuns(AppState& st, int cell, int digit) {
    if (!playAidsCurrent(st) || digit < 1 || digit > 9)
        return;
    const auto bit = static_cast<PencilMask>(1u << digit);
    forEachRunCell(st, cell, [&](int j) {
        if (j != cell)
            st.aids.pencil[at(j)] = static_cast<PencilMask>(st.aids.pencil[at(j)] & ~bit);
    });
}

bool TogglePencilMark(AppState& st, int cell, int digit) {
    if (st.autosolving || !st.manualmode || !st.aids.editPencilMarks || !playAidsCurrent(st) ||
        !openWhiteCell(st, cell) || digit < 1 || digit > 9)
        return false;
    const auto bit = static_cast<PencilMask>(1u << digit);
    if (!(pencilMask(st.grid[cell].Choices0) & bit))
        return false; // only the cell's own candidates are marked
    // An undo entry that gives the cell back the candidates it has: taking it
    // back only restores the pencil marks.
    st.undolist.push_front(std::to_string(cell) + "," + st.grid[cell].Choices);
    SavePencilForUndo(st);
    PencilMask& marks = st.aids.pencil[at(cell)];
    marks = static_cast<PencilMask>(marks ^ bit);
    return true;
}

bool FillInCandidates(AppState& st, UserInterface& ui) {
    if (refusedOutsideManualSolve(st, ui, "Fill In Candidates"))
        return false;
    if (!playAidsCurrent(st))
        return false;
    std::vector<PencilMask> filled = st.aids.pencil;
    bool changed = false;
    for (int i = 1; i <= st.grid.ncells; ++i) {
        if (!openWhiteCell(st, i) || filled[at(i)] != 0)
            continue;
        // The digits entered in the cell's runs are no longer candidates.
        PencilMask taken = 0;
        forEachRunCell(st, i, [&](int j) {
            if (j != i && st.grid[j].Choices.size() == 1)
                taken = static_cast<PencilMask>(taken | pencilMask(st.grid[j].Choices));
        });
        filled[at(i)] = static_cast<PencilMask>(pencilMask(st.grid[i].Choices) & ~taken);
        changed |= filled[at(i)] != 0;
    }
    if (!changed)
        return false;
    // One undo entry that changes no cell's candidates: only the marks return.
    st.undolist.push_front("G");
    SavePencilForUndo(st);
    st.aids.pencil = std::move(filled);
    return true;
}

void SetStartWithEmptyNotes(AppState& st, bool on) {
    st.aids.emptyNotes = on;
    if (on)
        st.aids.editPencilMarks = true;
    // Before the first entry the marks follow at once; after it, from the
    // next start.
    if (st.manualmode && !st.autosolving && playAidsCurrent(st) && st.undolist.empty() &&
        !HasManualEntries(st) && st.aids.notesStartedEmpty != on)
        ResetPlayAids(st);
}

void ColourAsYouGo(AppState& st) {
    if (!st.aids.checkAsYouGo || !st.manualmode)
        return;
    ColourCompleteRuns(st); // repeated digits are drawn ringed from the grid itself
}

void CheckAsYouGo(AppState& st, UserInterface& ui) {
    if (!st.aids.checkAsYouGo || !st.manualmode)
        return;
    const unsigned generation = st.grid.generation;
    VerifyEntries(st, ui);
    if (st.grid.generation != generation)
        return; // another puzzle was loaded meanwhile
    ColourAsYouGo(st);
    RemarkCursor(st);
}

void SetEditPencilMarks(AppState& st, bool on) {
    st.aids.editPencilMarks = on;
}

void SetCheckAsYouGo(AppState& st, UserInterface& ui, bool on) {
    st.aids.checkAsYouGo = on;
    if (on && !st.autosolving)
        CheckAsYouGo(st, ui);
}

void StopManualSolve(AppState& st, UserInterface& ui) {
    if (st.autosolving) {
        ui.message("Cancel AutoSolve first");
        return;
    }
    if (!st.manualmode)
        return;
    st.manualmode = false;
    st.undolist.clear();
    ClearHint(st);
    ClearVerifyStatus(st);
    st.aids.pencil.clear();
    st.aids.undo.clear();
    st.aids.redo.clear();
    clearCellMarks(st.grid, st.blackcol);
}

} // namespace vextor
