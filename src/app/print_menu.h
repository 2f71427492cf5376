// The print menu: Print Current Puzzle and Print Puzzles from File, on a
// system printer or, where there is none or "PDF file" is chosen, into a PDF
// file named with a Save picker.
#pragma once

#include <QString>

namespace vextor::app {

class MainWindow;
class PrintDialog;

// Print Current Puzzle.
void printCurrentPuzzle(MainWindow& window);
// Print Puzzles from File: the print dialog, then the pages of its range.
void printPuzzlesFromFile(MainWindow& window);

// The print dialog of the window, created on first use.
PrintDialog* printDialog(MainWindow& window);

// The printer the print commands use: the one last chosen in the print
// dialog, else the system's default printer, else the "PDF file" entry.
QString currentPrinter(MainWindow& window);

} // namespace vextor::app
