#include "shell/startup.h"

#include "appearance/colour_scheme.h"
#include "base/text.h"
#include "files/puzzle_file.h"
#include "solver/sum_combos.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace vextor {

namespace {

const char* const kConfigName = "vextor.cfg";
const char* const kDefaultPuzzles = "puzzles.vxt";

std::string configPath(const AppState& st) {
    return st.apppath + kConfigName;
}

void removeQuietly(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

std::uintmax_t fileLength(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return 0;
    const auto n = std::filesystem::file_size(path, ec);
    return ec ? 0 : n;
}

bool writeConfig(const std::string& path, const std::string& scheme, const std::string& puzzles) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << dateTimeNow() << "\r\n" << scheme << "\r\n" << puzzles << "\r\n";
    out.close();
    return !out.fail();
}

} // namespace

std::string folderWithSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder += '/';
    return folder;
}

bool ReadcfgFile(AppState& st, UserInterface& ui) {
    const std::string path = configPath(st);
    std::vector<std::string> lines;
    {
        std::ifstream in(path, std::ios::binary);
        std::string line;
        while (in && lines.size() < 3 && std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            lines.push_back(line);
        }
    }
    if (lines.size() >= 2)
        st.schemefile = trim(split(lines[1], ',')[0]);
    if (lines.size() == 3) {
        st.puzfile = lines[2];
        return true;
    }
    ui.message("Configuration file:\r\n" + path +
               "\r\ncould not be accessed, new file will be created");
    st.schemefile = "default.sch";
    // A folder that cannot take the file: go on with the defaults.
    writeConfig(path, st.schemefile, st.apppath + kDefaultPuzzles);
    return false;
}

bool SavecfgFile(const AppState& st, UserInterface& ui) {
    const std::string path = configPath(st);
    if (writeConfig(path, st.schemefile, st.puzfile))
        return true;
    ui.message("Configuration file:\r\n" + path + "\r\ncould not be accessed, options not saved");
    return false;
}

void DeleteWorkingFiles(const AppState& st) {
    for (const std::string* f :
         {&st.retractfile, &st.startupfile, &st.undofile, &st.currentpuzfile, &st.temppuzfile})
        if (!f->empty())
            removeQuietly(*f);
}

void StartUp(AppState& st, UserInterface& ui, const std::string& programFolder) {
    st.apppath = folderWithSeparator(programFolder);
    st.interactive = false;
    st.manualmode = false;
    st.editmode = false;

    st.blackcol = packColour(0, 0, 0);
    st.greycol = packColour(192, 192, 192);
    st.whitecol = packColour(254, 254, 254);
    st.redcol = packColour(150, 50, 50);
    st.greencol = packColour(10, 200, 10);
    st.yellowcol = packColour(200, 200, 10);

    st.setWorkingFiles();
    BuildSumCombos();

    ReadcfgFile(st, ui);
    if (st.puzfile.empty())
        st.puzfile = st.apppath + kDefaultPuzzles;

    if (fileLength(st.puzfile) != 0) {
        const int n = leadingInt(st.texts.puzNumNow);
        if (!ReadPuzzle(st, ui, st.puzfile, n)) {
            ReadPuzzle(st, ui, st.puzfile, -1);
            st.texts.caption.clear();
        }
    } else {
        ReadPuzzle(st, ui, st.puzfile, -1);
        st.texts.caption.clear();
        st.texts.title.clear();
        st.texts.puzNumNow.clear();
        st.texts.puzNumber.clear();
    }

    removeQuietly(st.retractfile);
    st.solver.work.changed = false;

    LoadColorFile(st, ui, st.schemefile);
    ApplyScheme(st);
}

void BeginShutdown(AppState& st) {
    st.shuttingdown = true;
    if (st.autosolving)
        st.cancelsolve = true; // the solver's loop ends at its next check
}

bool ExitCommand(AppState& st, UserInterface& ui) {
    if (!ui.askYesNo("Exit?"))
        return false;
    // Saved before the shutdown begins: from then on no message is shown, and
    // the person must learn that the options could not be saved.
    SavecfgFile(st, ui);
    BeginShutdown(st);
    DeleteWorkingFiles(st);
    return true;
}

} // namespace vextor
