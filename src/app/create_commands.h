// The creation commands of the main window that use the creation dialog: Auto
// in the Create menu and Add Puzzle in the Puzzle menu (the dialog in its save
// form).
#pragma once

namespace vextor::app {

class MainWindow;
class CreateDialog;

// Auto: the creation dialog, then the batch it asks for.
void autoCreate(MainWindow& window);
// Add Puzzle: the creation dialog in its save form, then the record.
void addPuzzle(MainWindow& window);

// The window's creation dialog, made on first use; it keeps its values
// between uses.
CreateDialog* createDialog(MainWindow& window);

} // namespace vextor::app
