// Edit Pencil Marks and Check As You Go while solving by hand (the marks
// themselves live in AppState::aids, state/play_aids.h).
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <cstddef>

namespace vextor {

// The mode starts or restarts: every white cell gets its candidates as pencil
// marks; undo records and error digits are forgotten.
void ResetPlayAids(AppState& st);

// Keeps the pencil marks as they are now for the undo entry just made.
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
