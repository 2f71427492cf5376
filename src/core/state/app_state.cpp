#include "state/app_state.h"

namespace vextor {

void AppState::setWorkingFiles() {
    retractfile = apppath + "retractbackup.vxt";
    startupfile = apppath + "startupgrid.vxt";
    undofile = apppath + "undofile.vxt";
    currentpuzfile = apppath + "currentpuzfile.vxt";
    temppuzfile = apppath + "temporarypuzfile.vxt";
}

} // namespace vextor
