#include "shell/toolbar_commands.h"

namespace vextor {

namespace {

bool allowedWhileIdle(const AppState& st, UserInterface& ui) {
    if (st.autosolving)
        ui.message("Cancel AutoSolve first");
    return !st.autosolving;
}

} // namespace

bool PrintButtonAllowed(const AppState& st, UserInterface& ui) {
    return allowedWhileIdle(st, ui);
}

bool CreateButtonAllowed(const AppState& st, UserInterface& ui) {
    return allowedWhileIdle(st, ui);
}

} // namespace vextor
