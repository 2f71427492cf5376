// The commands that maintain puzzle files: View Solution, Add Puzzle, Delete
// Puzzle, Save Puzzle File As and Backup Puzzle File, with their helpers.
//
// Every command that writes a file leaves no file open and, on an I/O error,
// shows a message naming the file and leaves the files on disk as they were.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <optional>
#include <string>

namespace vextor {

// "Cancel AutoSolve first" while AutoSolve runs; true when refused.
bool RefusedWhileSolving(const AppState& st, UserInterface& ui);

// Writes the stored solution of record n of file into the white cells of the
// current grid, row by row (applySolution); nothing when a row line has no
// solution part. Shows " N Not found" or "There is no solution for puzzle# N
// in file:" + the path.
void ShowStoredSolution(AppState& st, UserInterface& ui, int n, const std::string& file);
// View Solution: the record shown (puznum), from the current file.
void ViewSolutionCommand(AppState& st, UserInterface& ui);

// Add Puzzle after its dialog: appends the current grid (with its solution
// when withSolution) as record count + 1 of outputFile, loads that record
// number of the current file and reports it. An empty outputFile does
// nothing. Returns true when the record was written.
bool AddPuzzleToFile(AppState& st, UserInterface& ui, const std::string& outputFile,
                     bool withSolution);

// Removes record n (the n-th line starting with "#") of file by the
// copy-and-skip rule; the new content replaces the file in one step. False,
// with a message naming the file, when it cannot be read or written.
bool DeletePuzzleRecord(UserInterface& ui, const std::string& file, int n);
// Delete Puzzle: asks, removes the record shown (puznum) from the current
// file, shows its first record and says "Done".
bool DeletePuzzleCommand(AppState& st, UserInterface& ui);

// Save Puzzle File As: copies the current file to a file the person picks.
bool SavePuzzleFileAsCommand(AppState& st, UserInterface& ui);

// The first backup name no file has yet: base;NN.ext, or the counter after
// an existing ";" increased. nullopt when all 99 names are taken.
std::optional<std::string> BackupName(const std::string& path);
// Copies file to its next backup name and reports it; returns the backup
// path, or nullopt after a message.
std::optional<std::string> BackupPuzzleFile(UserInterface& ui, const std::string& file);
// Backup Puzzle File for the current file.
bool BackupPuzzleFileCommand(AppState& st, UserInterface& ui);

// true unless path is a file longer than 0 bytes and the person answers
// anything but Yes to "OverWrite file: PATH ?".
bool ConfirmOverwrite(UserInterface& ui, const std::string& path);
// false for an empty path, else whether there is an entry with that name.
bool FileExists(const std::string& path);

} // namespace vextor
