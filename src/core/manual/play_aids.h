// Edit Pencil Marks and Check As You Go while solving by hand (the marks
// themselves live in AppState::aids, state/play_aids.h).
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <cstddef>

namespace vextor {

// The mode starts or restarts: every white cell gets its candidates as pencil
// marks (none with Start with empty notes); undo and redo records and error
// digits are forgotten.
void ResetPlayAids(AppState& st);

// Keeps the pencil marks as they are now for the new entry just made; the
// entries undone before it can no longer be redone.
void SavePencilForUndo(AppState& st);
// Undo took back the entry that made the undo list depth long: the pencil
// marks saved with it return.
void RestorePencilForUndo(AppState& st, std::size_t depth);

// Digit d entered in cell leaves the pencil marks of the other cells of its runs.
void ClearPencilInRuns(AppState& st, int cell, int digit);

// Shift+digit or Shift+click with Edit Pencil Marks on: removes or restores
// digit d, one of its starting candidates, in the pencil marks of an open
// white cell, as an undo entry. The
// candidates (Choices) stay as they are. False when nothing was changed.
bool TogglePencilMark(AppState& st, int cell, int digit);

// Fill In Candidates: every open white cell without pencil marks gets its
// candidates (less the digits entered in its runs) as marks, in one undo
// entry. False when no cell changed; refused while AutoSolve runs and
// outside manual solving.
bool FillInCandidates(AppState& st, UserInterface& ui);

// Start with empty notes: the pencil marks start empty from the next start
// of solving by hand, or at once while nothing has been entered. Turning it
// on turns on Edit Pencil Marks.
void SetStartWithEmptyNotes(AppState& st, bool on);

// Check As You Go after an entry (already verified): a complete run's clue
// turns green when it adds up and red when not, an incomplete one keeps the
// plain clue colour (repeated digits are marked by describeCell). Nothing
// when the option is off.
void ColourAsYouGo(AppState& st);
// After an undo or a reset, or when the option is switched on: the grid is
// verified as after an entry (without the congratulation), then coloured.
void CheckAsYouGo(AppState& st, UserInterface& ui);

void SetEditPencilMarks(AppState& st, bool on);
void SetCheckAsYouGo(AppState& st, UserInterface& ui, bool on);

// Stop Solving by Hand: leaves the mode and its marks; the grid keeps its
// entries and nothing is loaded.
void StopManualSolve(AppState& st, UserInterface& ui);

} // namespace vextor
