// The creation commands of the main window: Compile and Auto in the Create
// menu, the CreateNewRandom button (Command14), and Add Puzzle in the Puzfile
// menu (the creation dialog in its save form).
#pragma once

namespace vextor::app {

class MainWindow;
class CreateDialog;

// Enables and connects the items; the creation dialog is made on first use
// and keeps its values between uses.
void wireCreateCommands(MainWindow& window);

// The window's creation dialog (made on first use).
CreateDialog* createDialog(MainWindow& window);

} // namespace vextor::app
