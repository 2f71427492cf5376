// The puzzle-file record format: counting, finding, reading and appending records.
#pragma once

#include <string>

#include "base/user_interface.h"
#include "shell/app_state.h"

namespace vextor {

// Number of records: lines starting with "#" whose number after it is > 0.
// A missing or empty file gives 0.
int CountPuzzles(const std::string& file, UserInterface& ui);

// Loads record n of file into the grid (n = -1: an empty 9 x 9 grid, no file
// read). Sets npuzzles, puznum and the main-window texts. On failure shows
// "Error reading puzzle# N from file PATH", restores puznum from the number
// box and returns false.
bool ReadPuzzle(AppState& st, UserInterface& ui, const std::string& file, int n);

// Appends the current grid as record n (with the solution part when
// withSolution), creating the file when missing. Returns false when the file
// cannot be written.
bool AppendPuzzle(const AppState& st, const std::string& title, int n, bool withSolution,
                  const std::string& file);

} // namespace vextor
