#include "files/file_management.h"

#include "base/text.h"
#include "files/file_commands.h"
#include "files/puzzle_file.h"
#include "files/safe_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace vextor {

namespace {

bool isHeader(const std::string& line) {
    return !line.empty() && line[0] == '#';
}

std::string unableToRead(const std::string& file) {
    return "Unable to read file:\r\n" + file;
}

std::string unableToWrite(const std::string& file) {
    return "Unable to write file:\r\n" + file;
}

std::string twoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

} // namespace

bool RefusedWhileSolving(const AppState& st, UserInterface& ui) {
    if (st.autosolving)
        ui.message("Cancel AutoSolve first");
    return st.autosolving;
}

void ShowStoredSolution(AppState& st, UserInterface& ui, int n, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::optional<int> found;
    if (in)
        found = FindPuzzle(in, n);
    if (!found) {
        ui.message(spacedNumber(n) + " Not found");
        return;
    }
    const std::string noSolution =
        "There is no solution for puzzle#" + spacedNumber(n) + " in file:\r\n" + file;
    std::string title, size;
    if (!readRecordLine(in, title) || !readRecordLine(in, size)) {
        ui.message(noSolution);
        return;
    }
    const int rows = parseSize(size).rows;
    std::vector<std::string> lines;
    std::string line;
    for (int r = 1; r <= rows; ++r) {
        if (!readRecordLine(in, line) || line.find('|') == std::string::npos) {
            ui.message(noSolution);
            return;
        }
        lines.push_back(line);
    }
    // Row by row, as printing places them: a row whose solution part lost an
    // empty token at its end does not move the digits of the rows below.
    applySolution(st.grid, st.whitecol, lines);
}

void ViewSolutionCommand(AppState& st, UserInterface& ui) {
    // The digits go into the grid, which a running AutoSolve owns.
    if (RefusedWhileSolving(st, ui))
        return;
    ShowStoredSolution(st, ui, st.puznum, st.puzfile);
}

bool AddPuzzleToFile(AppState& st, UserInterface& ui, const std::string& outputFile,
                     bool withSolution) {
    if (outputFile.empty())
        return false;
    const int n = CountPuzzles(outputFile, ui) + 1;
    if (!AppendPuzzle(st, st.texts.title, n, withSolution, outputFile)) {
        ui.message(unableToWrite(outputFile));
        return false;
    }
    st.texts.puzNumNow = plainNumber(n);
    ReadPuzzle(st, ui, st.puzfile, n);
    ui.message("Puzzle#" + spacedNumber(n) + " added to file " + outputFile);
    return true;
}

bool DeletePuzzleRecord(UserInterface& ui, const std::string& file, int n) {
    std::ifstream in(file, std::ios::binary);
    if (!in || !fs::is_regular_file(file)) {
        ui.message(unableToRead(file));
        return false;
    }
    if (RefusedReadOnly(ui, file))
        return false;
    ReplacingWriter out(file);
    if (!out.good()) {
        ui.message(unableToWrite(file));
        return false;
    }
    int headers = 0;
    std::string line;
    while (readRecordLine(in, line)) {
        if (isHeader(line) && ++headers == n) {
            // Skip the record: up to 100 lines, to the next header. The end of
            // the file ends the copy; the 100th line is kept.
            bool atEnd = false;
            for (int i = 0; i < 100; ++i) {
                if (!readRecordLine(in, line)) {
                    atEnd = true;
                    break;
                }
                if (isHeader(line))
                    break;
            }
            if (atEnd)
                break;
        }
        out.line(line);
    }
    if (in.bad()) {
        ui.message(unableToRead(file));
        return false;
    }
    if (!out.commit()) {
        ui.message(unableToWrite(file));
        return false;
    }
    return true;
}

bool DeletePuzzleCommand(AppState& st, UserInterface& ui) {
    if (RefusedWhileSolving(st, ui))
        return false;
    if (!ui.askYesNo("Delete current puzzle from file?"))
        return false;
    if (!DeletePuzzleRecord(ui, st.puzfile, st.puznum))
        return false;
    st.texts.puzNumNow = "1";
    ReadPuzzle(st, ui, st.puzfile, 1);
    ui.message("Done");
    return true;
}

bool SavePuzzleFileAsCommand(AppState& st, UserInterface& ui) {
    if (RefusedWhileSolving(st, ui))
        return false;
    // The picker's second title, "Vextor", is the one shown (as for Load).
    const std::string path = ui.pickFile(puzzleFileRequest(st, "Vextor", true));
    if (path.empty())
        return false;
    // Copying a file onto itself would first remove it.
    if (SameFile(path, st.puzfile)) {
        ui.message("A puzzle file cannot be saved onto itself:\r\n" + path);
        return false;
    }
    if (!ConfirmOverwrite(ui, path) || RefusedReadOnly(ui, path))
        return false;
    if (!CopyFileReplacing(st.puzfile, path)) {
        ui.message("Error saving to file:\r\n" + path);
        return false;
    }
    ui.message("File saved as:\r\n" + path);
    return true;
}

std::optional<std::string> BackupName(const std::string& path) {
    // Only the file name carries the extension and the counter, not a folder.
    const std::size_t nameStart = path.find_last_of("/\\") + 1;
    std::size_t d = path.rfind('.');
    if (d == std::string::npos || d < nameStart)
        d = path.size();
    std::size_t s = std::string::npos;
    if (d > nameStart) {
        s = path.rfind(';', d - 1);
        if (s != std::string::npos && s < nameStart)
            s = std::string::npos;
    }
    int n = s == std::string::npos ? 0 : leadingInt(path.substr(s + 1, d - s - 1));
    for (int tries = 0; tries < 99; ++tries) {
        ++n;
        if (n > 99 || n < 1)
            n = 1;
        const std::string candidate = s == std::string::npos
                                          ? path.substr(0, d) + ";" + twoDigits(n) + path.substr(d)
                                          : path.substr(0, s + 1) + twoDigits(n) + path.substr(d);
        if (!FileExists(candidate))
            return candidate;
    }
    return std::nullopt;
}

std::optional<std::string> BackupPuzzleFile(UserInterface& ui, const std::string& file) {
    const auto name = BackupName(file);
    if (!name) {
        ui.message("No free backup name: all 99 backups of this file exist:\r\n" + file);
        return std::nullopt;
    }
    if (!CopyFileReplacing(file, *name)) {
        ui.message("Error backing to file:\r\n" + *name);
        return std::nullopt;
    }
    ui.message("File backed up as:\r\n" + *name);
    return name;
}

bool BackupPuzzleFileCommand(AppState& st, UserInterface& ui) {
    if (RefusedWhileSolving(st, ui))
        return false;
    return BackupPuzzleFile(ui, st.puzfile).has_value();
}

bool ConfirmOverwrite(UserInterface& ui, const std::string& path) {
    if (FileLength(path) <= 0)
        return true;
    return ui.askYesNo("OverWrite file: " + path + " ?");
}

bool FileExists(const std::string& path) {
    if (path.empty())
        return false;
    std::error_code ec;
    return fs::exists(fs::symlink_status(path, ec));
}

} // namespace vextor
