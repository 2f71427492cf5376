// Start-up, the configuration file "vextor.cfg" and the Exit command.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// The folder as the program keeps it: ending in one path separator ("/" is
// appended unless the text already ends in "/" or "\").
std::string folderWithSeparator(std::string folder);

// Everything that happens when the main window opens, in order: modes off,
// default colours, apppath and the working-file paths, the configuration file,
// the current puzzle (record N of puzfile, N from the number box; the empty
// 9 x 9 grid when the file is missing, empty or unreadable), the retract file
// removed, the colour scheme loaded and applied. st.buttoncol must already
// hold the platform's button face colour.
void StartUp(AppState& st, UserInterface& ui, const std::string& programFolder);

// Reads schemefile (line 2, first comma-separated field) and puzfile (line 3)
// from apppath + "vextor.cfg". A missing or damaged file (fewer than three
// lines) is reported and rewritten with defaults, schemefile becoming
// "default.sch"; puzfile keeps its value then. Returns true when read.
bool ReadcfgFile(AppState& st, UserInterface& ui);

// Writes the date and time, schemefile and puzfile. Reports a failure.
bool SavecfgFile(const AppState& st, UserInterface& ui);

// Deletes the five working files; missing files are no error.
void DeleteWorkingFiles(const AppState& st);

// The program starts to close (the Exit button's Yes, the close box): sets
// shuttingdown, after which no message is shown, and cancels a running AutoSolve.
void BeginShutdown(AppState& st);

// The Exit button: asks "Exit?"; on Yes saves the configuration (a failure is
// reported), begins the shutdown (BeginShutdown) and deletes the working
// files, and returns true: the program then closes its windows.
bool ExitCommand(AppState& st, UserInterface& ui);

} // namespace vextor
