// The main window's commands that choose and browse puzzle files.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// The navigation buttons, by their index in the button row.
enum class Navigate { Previous = 0, First = 1, Next = 2, Last = 3, Random = 4 };

// The picker request used to choose a puzzle file to open.
FileRequest puzzleFileRequest(const AppState& st, const std::string& title, bool save);

// Load, the navigation and the number box, about to replace the grid during
// manual solving with entries, first ask "Discard your entries?"; No keeps
// the grid, the record number and the mode.

// Load Puzzle File: asks for a file, makes it current and loads record 1.
// Returns true when a file was chosen.
bool LoadPuzzleFileCommand(AppState& st, UserInterface& ui);

// Opens the puzzle file named on the command line: makes it current and
// loads record 1, like Load Puzzle File without the picker. A path that is not
// a readable file gets "Cannot open puzzle file:" and the path, and changes
// nothing. Returns true when the file was made current.
bool OpenPuzzleFileCommand(AppState& st, UserInterface& ui, const std::string& path);

// First, previous, next, last or a random record of the current file.
// Returns true when a record was asked for.
bool NavigateCommand(AppState& st, UserInterface& ui, Navigate where);

// Enter in the number box: loads the typed record when it is between 1 and
// npuzzles; anything else changes nothing. The box text is st.texts.puzNumNow;
// after No to "Discard your entries?" it shows puznum again.
// Like Load and the navigation, it refuses while AutoSolve runs.
bool PuzNumEnterCommand(AppState& st, UserInterface& ui);

} // namespace vextor
