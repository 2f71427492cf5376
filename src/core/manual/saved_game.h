// Games solved by hand kept between sessions: the state of the game in
// progress is written to one small file in the save folder after every
// change, and offered back when its puzzle is loaded again.
//
// A puzzle is known by its key: the puzzle file's path and the record
// (title, size, layout), so a record edited since does not get the old grid.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// The key of the puzzle in the grid: 64-bit FNV-1a over the puzzle file's
// resolved path, the title, the size and the layout rows, as 16 hex digits.
std::string PuzzleKey(const AppState& st);

// The file of the grid's saved game ("KEY.game" in the save folder); "" when
// there is no save folder.
std::string SavedGameFile(const AppState& st);

// The game in progress as the saved file holds it: the key and path, the
// starting and current Choices, pencil marks, how they started, the cursor,
// the undo entries with their pencil marks, the redo entries, the time and a
// check sum of all of it.
std::string SavedGameText(const AppState& st);

// Puts the grid, just loaded, into solving by hand as the text saved it.
// False, with the grid as it was and not in manual solving, when the text is
// damaged, cut short, or belongs to another puzzle or another layout.
bool RestoreGame(AppState& st, const std::string& text);

// After every command: while solving by hand, writes the game to its file
// when anything in it changed (the time alone: once it moved on by
// kTimeSaveStep seconds, or at once when `now`), through a temporary file
// that replaces it. A game with nothing entered or undone has no file.
// Nothing without a save folder, outside manual solving, while AutoSolve
// runs or once the grid was completed.
constexpr long long kTimeSaveStep = 15;
void AutoSaveGame(AppState& st, bool now = false);

// After every command: when another grid was loaded since the last call and
// a saved game of it exists, asks "Resume where you left off?" (Yes the
// default). Yes resumes it in manual solving; No deletes it. A saved file
// that cannot be restored is deleted without a word. True when a game was
// resumed.
bool OfferResume(AppState& st, UserInterface& ui);

// At start-up, after the current puzzle was loaded: the newest saved game
// ("last-game.txt" names its puzzle file and record) is offered even when it
// belongs to another record of the current puzzle file; that record is then
// loaded. No, or a record whose game is gone, brings back the record loaded
// before. True when a game was resumed.
inline constexpr const char* kLastGameFile = "last-game.txt";
bool ResumeLastGame(AppState& st, UserInterface& ui);

// Deletes the grid's saved game (the puzzle was finished or started afresh).
void ForgetSavedGame(AppState& st);

} // namespace vextor
