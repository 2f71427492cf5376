// Solver work under an AppState. While a driver (AutoSolve, guessing,
// interactive solving, Find Choices) runs, the candidates of the white cells
// live in st.solver.work, where the rules work on them; the cells' Choices are
// brought up to date whenever someone could look at them (every event pump,
// every question, the end of the work), and Choices edited from outside
// meanwhile (during an event pump) are taken back.
#pragma once

#include "base/user_interface.h"
#include "state/app_state.h"

#include <string>

namespace vextor {

// Solver work: the outermost scope loads the candidates from Choices and
// writes them back at its end (Choices0 too, when a copy was saved), unless
// the grid was replaced meanwhile.
class WorkScope {
public:
    explicit WorkScope(AppState& st);
    ~WorkScope();
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;

private:
    AppState& st_;
};

// Text work inside solver work: Choices and Choices0 are written first and
// read back afterwards. Outside solver work it does nothing.
class GridText {
public:
    explicit GridText(AppState& st);
    ~GridText();
    GridText(const GridText&) = delete;
    GridText& operator=(const GridText&) = delete;

private:
    AppState& st_;
};

// Writes the candidates that changed into Choices.
void ShowWork(AppState& st);
// Lets pending events run with Choices up to date; takes back Choices that
// were edited meanwhile. True when the events changed candidates or runs.
bool PumpWithWork(AppState& st, UserInterface& ui);
// IsGridFull with Choices up to date.
bool IsWorkFull(AppState& st, UserInterface& ui);

// Saves and restores the working candidates (SnapshotChoices and
// RestoreChoices of solver work).
void SaveWork(AppState& st);
void RestoreWork(AppState& st);

// The snapshot line of the working candidates (or of the saved copy).
std::string WorkLine(const AppState& st, bool saved = false);
// Restores the working candidates from a snapshot line; fields missing at
// the end leave their cells unchanged.
void RestoreWorkLine(AppState& st, const std::string& line);

} // namespace vextor
