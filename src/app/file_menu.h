// Sort Puzzle File in the main window's Puzfile menu, with its dialog. (The
// other items of the Puzzle and Puzfile menus call the core directly, see
// command_table.cpp.)
#pragma once

namespace vextor::app {

class MainWindow;
class SortDialog;

// Sort Puzzle File: the Sort dialog; afterwards the cursor tick of solving by
// hand comes back.
void sortPuzzleFile(MainWindow& window);

// The Sort dialog of the window, created on first use.
SortDialog* sortDialog(MainWindow& window);

} // namespace vextor::app
