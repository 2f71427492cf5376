// The solver's controls of the main window: Auto Solve, Cancel Auto Solve,
// the Solve Interactively menu item and the hidden Find Choices button.
#pragma once

namespace vextor::app {

class MainWindow;

// Connects the controls to the core's commands. The hidden Find Choices
// button is created here (object name "Command2").
void wireSolverButtons(MainWindow& window);

} // namespace vextor::app
