// The puzzle-file commands of the main window's Puzzle and Puzfile menus:
// View Solution, Delete Puzzle, Save Puzzle File As, Backup Puzzle File and
// Sort Puzzle File (with its dialog).
#pragma once

namespace vextor::app {

class MainWindow;
class SortDialog;

// Connects the menu items to the core's commands and enables them.
void wireFileMenu(MainWindow& window);

// The Sort dialog of the window, created on first use.
SortDialog* sortDialog(MainWindow& window);

} // namespace vextor::app
