#include "files/file_commands.h"

#include "appearance/colour_scheme.h"
#include "base/text.h"
#include "files/puzzle_file.h"
#include "state/play_aids.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace vextor {

FileRequest puzzleFileRequest(const AppState& st, const std::string& title, bool save) {
    FileRequest r;
    r.title = title;
    r.fileTypes = "*.vxt;*.txt;*.dat";
    r.fileTypesName = "Vextor Files";
    r.defaultDir = st.apppath;
    r.save = save;
    return r;
}

namespace {

// Commands that replace the grid refuse while AutoSolve works on it.
bool refusedWhileSolving(const AppState& st, UserInterface& ui) {
    if (st.autosolving)
        ui.message("Cancel AutoSolve first");
    return st.autosolving;
}

} // namespace

namespace {

// Makes path the current file and shows its first record.
void openAtFirstRecord(AppState& st, UserInterface& ui, const std::string& path) {
    BusyPointer busy(ui);
    st.puzfile = path;
    st.puznum = 1;
    ReadPuzzle(st, ui, st.puzfile, 1);
    ApplyScheme(st);
}

} // namespace

bool LoadPuzzleFileCommand(AppState& st, UserInterface& ui) {
    if (refusedWhileSolving(st, ui) || !ConfirmDiscardEntries(st, ui))
        return false;
    const std::string path = ui.pickFile(puzzleFileRequest(st, "Vextor", false));
    if (path.empty())
        return false;
    openAtFirstRecord(st, ui, path);
    return true;
}

bool OpenPuzzleFileCommand(AppState& st, UserInterface& ui, const std::string& path) {
    if (refusedWhileSolving(st, ui))
        return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !std::ifstream(path, std::ios::binary)) {
        ui.message("Cannot open puzzle file:\r\n" + path);
        return false;
    }
    openAtFirstRecord(st, ui, path);
    return true;
}

bool NavigateCommand(AppState& st, UserInterface& ui, Navigate where) {
    if (refusedWhileSolving(st, ui))
        return false;
    if ((st.puznum == 1 && st.npuzzles == 1) || !ConfirmDiscardEntries(st, ui))
        return false;
    switch (where) {
    case Navigate::Previous:
        if (--st.puznum < 1)
            st.puznum = st.npuzzles;
        break;
    case Navigate::First:
        st.puznum = 1;
        break;
    case Navigate::Next:
        if (++st.puznum > st.npuzzles)
            st.puznum = 1;
        break;
    case Navigate::Last:
        st.puznum = st.npuzzles;
        break;
    case Navigate::Random:
        st.puznum = std::min(st.rng.draw(st.npuzzles), std::max(st.npuzzles, 1));
        break;
    }
    ReadPuzzle(st, ui, st.puzfile, st.puznum);
    return true;
}

bool PuzNumEnterCommand(AppState& st, UserInterface& ui) {
    if (refusedWhileSolving(st, ui))
        return false;
    const int n = leadingInt(st.texts.puzNumNow);
    if (n < 1 || n > st.npuzzles)
        return false;
    if (!ConfirmDiscardEntries(st, ui)) {
        // The record on screen stays, and the box shows its number again.
        st.texts.puzNumNow = plainNumber(st.puznum);
        return false;
    }
    ReadPuzzle(st, ui, st.puzfile, n);
    return true;
}

} // namespace vextor
