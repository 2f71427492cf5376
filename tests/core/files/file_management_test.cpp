#include "files/file_management.h"
#include "files/puzzle_file.h"
#include "support/file_size_limit.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::test;
namespace fs = std::filesystem;

namespace {

// Record i: a 3 x 3 puzzle titled "Puzzle i", with its solution when asked.
std::string record(int i, bool solution = false) {
    return "#" + std::to_string(i) + "\r\nPuzzle " + std::to_string(i) + "\r\n 3, 3\r\n" +
           (solution ? "X 0,3 0,4|X 0,3 0,4\r\n3,0 2|3,0 2 1\r\n4,0 2|4,0 1 3\r\n"
                     : "X 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n");
}

std::string records(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i)
        s += record(i);
    return s;
}

struct Files : ::testing::Test {
    TempDir dir;
    AppState st{7};
    ScriptedUserInterface ui;
    std::string path(const std::string& name) { return dir.file(name); }
    void open(const std::string& content, int n = 1) {
        st.apppath = dir.folder();
        st.puzfile = path("puz.vxt");
        writeFile(st.puzfile, content);
        ASSERT_TRUE(ReadPuzzle(st, ui, st.puzfile, n));
        ui.messages.clear();
        ui.log.clear();
    }
};

} // namespace

TEST_F(Files, ViewSolutionWritesDigitsOrSaysWhyNot) {
    open(record(1) + record(2, true), 2);
    ViewSolutionCommand(st, ui);
    std::string digits; // black and sum cells get nothing
    for (int i = 1; i <= 9; ++i)
        digits += st.grid[i].Choices;
    EXPECT_EQ(digits, "2113");
    st.texts.puzNumNow = "1";
    ViewSolutionCommand(st, ui);
    st.texts.puzNumNow = "7";
    ViewSolutionCommand(st, ui);
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "There is no solution for puzzle# 1 in file:\r\n" + st.puzfile, " 7 Not found"}));
    st.autosolving = true;
    st.texts.puzNumNow = "2";
    st.grid[5].Choices = "9";
    ViewSolutionCommand(st, ui);
    EXPECT_EQ(ui.messages.back(), "Cancel AutoSolve first");
    EXPECT_EQ(st.grid[5].Choices, "9");
}

TEST_F(Files, ViewSolutionOfALargerRecordStaysInsideTheGrid) {
    open(record(1) +
         "#2\r\nWide\r\n 3, 4\r\nX 0,3 0,4 X|X 0,3 0,4 X\r\n3,0 2 X|3,0 2 1 X\r\n"
         "4,0 2 X|4,0 1 3 X\r\n#3\r\nBig\r\n 5, 5\r\n" +
         std::string(5, 'x') + "\r\n");
    ShowStoredSolution(st, ui, 2, st.puzfile); // pieces run on by position
    EXPECT_EQ(st.grid[6].Choices, "2");
    ShowStoredSolution(st, ui, 3, st.puzfile); // cut short: no "|"
    EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(Files, AddPuzzleAppendsReloadsAndReports) {
    open(records(2));
    st.grid[5].Choices = "2";
    // To the current file: record 3 is written and becomes current.
    EXPECT_TRUE(AddPuzzleToFile(st, ui, st.puzfile, true));
    EXPECT_TRUE(st.puznum == 3 && st.npuzzles == 3 && st.texts.title == "Puzzle 1");
    EXPECT_NE(readFile(st.puzfile)
                  .find("#3\r\nPuzzle 1\r\n 3, 3\r\nX 0,3 0,4|X 0,3 0,4\r\n"
                        "3,0 2|3,0 2\r\n"),
              std::string::npos);
    EXPECT_EQ(ui.messages.back(), "Puzzle# 3 added to file " + st.puzfile);
    // To a missing file: created with the grid as record 1; record 1 of the
    // current file is shown.
    EXPECT_TRUE(AddPuzzleToFile(st, ui, path("new.vxt"), false));
    EXPECT_EQ(readFile(path("new.vxt")),
              "#1\r\nPuzzle 1\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n");
    EXPECT_EQ(st.puznum, 1);
    // To another file with more records than the current one: the read error,
    // and N stays in the number box and in puznum.
    writeFile(path("big.vxt"), records(4));
    ui.messages.clear();
    EXPECT_TRUE(AddPuzzleToFile(st, ui, path("big.vxt"), false));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Error reading puzzle# 5 from file " + st.puzfile,
                                        "Puzzle# 5 added to file " + path("big.vxt")}));
    EXPECT_TRUE(st.puznum == 5 && st.texts.puzNumNow == "5");
    EXPECT_FALSE(AddPuzzleToFile(st, ui, "", false)); // the dialog's empty file box
}

TEST_F(Files, AddPuzzleThatCannotBeWrittenLeavesTheFileAsItWas) {
    open(records(2));
    const std::string before = readFile(st.puzfile);
    {
        FileSizeLimit full(before.size() + 20); // the record is cut off after 20 bytes
        EXPECT_FALSE(AddPuzzleToFile(st, ui, st.puzfile, false));
    }
    EXPECT_EQ(readFile(st.puzfile), before);
    fs::create_directory(path("folder.vxt"));
    EXPECT_FALSE(AddPuzzleToFile(st, ui, path("folder.vxt"), false));
    EXPECT_TRUE(fs::is_directory(path("folder.vxt")));
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{"Unable to write file:\r\n" + st.puzfile,
                                        "Unable to write file:\r\n" + path("folder.vxt")}));
}

TEST_F(Files, DeleteCopiesAndSkipsTheRecord) {
    const std::string blankBetween = record(1) + "\r\n" + record(2) + "\r\n\r\n" + record(3);
    struct Case {
        std::string content;
        int n;
        std::string expected;
    } cases[] = {
        {records(3), 1, record(2) + record(3)},
        {records(3), 3, record(1) + record(2)},
        {records(3), 9, records(3)},
        // Blank lines after the removed record go with it; the others stay.
        {blankBetween, 2, record(1) + "\r\n" + record(3)},
        // LF line ends and a last line without its end are written with CRLF.
        {"#1\nA\n 1, 1\nX\n#2\nB\n 1, 1\nX", 1, "#2\r\nB\r\n 1, 1\r\nX\r\n"},
    };
    for (const Case& c : cases) {
        open(c.content);
        st.texts.puzNumNow = std::to_string(c.n);
        ui.yesNoAnswers = {true};
        EXPECT_TRUE(DeletePuzzleCommand(st, ui)) << c.n;
        EXPECT_EQ(readFile(st.puzfile), c.expected) << c.n;
        EXPECT_EQ(ui.log.front(), "yesno: Delete current puzzle from file?");
        EXPECT_EQ(ui.messages.back(), "Done");
        EXPECT_TRUE(st.texts.puzNumNow == "1" && st.puznum == 1);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(Files, DeleteThatFailsLosesNothing) {
    open(records(3));
    const std::string before = readFile(st.puzfile);
    st.texts.puzNumNow = "2";
    EXPECT_FALSE(DeletePuzzleCommand(st, ui)); // answered No
    st.autosolving = true;
    EXPECT_FALSE(DeletePuzzleCommand(st, ui));
    st.autosolving = false;
    {
        FileSizeLimit full(30); // the new content does not fit
        ui.yesNoAnswers = {true};
        EXPECT_FALSE(DeletePuzzleCommand(st, ui));
    }
    EXPECT_EQ(readFile(st.puzfile), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    fs::remove(st.puzfile); // the file vanished
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(DeletePuzzleCommand(st, ui));
    EXPECT_FALSE(fs::exists(st.puzfile));
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Cancel AutoSolve first",
                                                     "Unable to write file:\r\n" + st.puzfile,
                                                     "Unable to read file:\r\n" + st.puzfile}));
}

TEST_F(Files, SaveAsAsksBeforeOverwritingAndRefusesTheFileItself) {
    open(records(2));
    writeFile(path("old.vxt"), "keep");
    writeFile(path("empty.vxt"), "");
    ui.fileAnswers = {"", path("old.vxt"), path("old.vxt"), path("empty.vxt"),
                      dir.folder() + "./puz.vxt"};
    ui.yesNoAnswers = {false, true};
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui)); // cancelled
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui)); // No
    EXPECT_EQ(readFile(path("old.vxt")), "keep");
    EXPECT_TRUE(SavePuzzleFileAsCommand(st, ui)); // Yes
    EXPECT_EQ(readFile(path("old.vxt")), records(2));
    EXPECT_TRUE(SavePuzzleFileAsCommand(st, ui)); // an empty file: no question
    EXPECT_EQ(readFile(path("empty.vxt")), records(2));
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui)); // the same file, spelt otherwise
    fs::create_symlink(st.puzfile, path("link.vxt"));
    ui.fileAnswers = {path("link.vxt")};
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui));
    EXPECT_EQ(readFile(st.puzfile), records(2));
    EXPECT_TRUE(ui.fileRequests[0].title == "Vextor" && ui.fileRequests[0].save);
    EXPECT_EQ(ui.log[2], "yesno: OverWrite file: " + path("old.vxt") + " ?");
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "File saved as:\r\n" + path("old.vxt"), "File saved as:\r\n" + path("empty.vxt"),
                  "A puzzle file cannot be saved onto itself:\r\n" + dir.folder() + "./puz.vxt",
                  "A puzzle file cannot be saved onto itself:\r\n" + path("link.vxt")}));
    // The current file vanished: the target stays as it was.
    fs::remove(st.puzfile);
    ui.fileAnswers = {path("old.vxt")};
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(SavePuzzleFileAsCommand(st, ui));
    EXPECT_EQ(readFile(path("old.vxt")), records(2));
    EXPECT_EQ(ui.messages.back(), "Error saving to file:\r\n" + path("old.vxt"));
}

TEST_F(Files, BackupNames) {
    const std::string p = path("puzzles.vxt");
    writeFile(p, "#1\r\n");
    const std::pair<std::string, std::string> cases[] = {
        {"puzzles.vxt", "puzzles;01.vxt"},
        {"puzzles.vxt", "puzzles;02.vxt"},
        {"puzzles;07.vxt", "puzzles;08.vxt"},
        {"puzzles;99.vxt", "puzzles;03.vxt"}, // 100 -> 1
        {"noext", "noext;01"},
    };
    for (const auto& [file, backup] : cases) {
        if (!fs::exists(path(file)))
            writeFile(path(file), "#1\r\n");
        EXPECT_EQ(BackupPuzzleFile(ui, path(file)), path(backup));
        EXPECT_EQ(readFile(path(backup)), "#1\r\n");
        EXPECT_EQ(ui.messages.back(), "File backed up as:\r\n" + path(backup));
    }
    // A dot in a folder name is no extension; a ";" there is no counter.
    EXPECT_EQ(BackupName("/x;5.d/puzzles"), "/x;5.d/puzzles;01");
    EXPECT_EQ(BackupName("/x/puzzles;.vxt"), "/x/puzzles;01.vxt"); // an empty counter
    for (int n = 1; n <= 99; ++n) {
        const std::string nn = (n < 10 ? "0" : "") + std::to_string(n);
        writeFile(path("puzzles;" + nn + ".vxt"), "");
    }
    EXPECT_EQ(BackupName(p), std::nullopt);
    EXPECT_FALSE(BackupPuzzleFile(ui, p));
    EXPECT_EQ(ui.messages.back(),
              "No free backup name: all 99 backups of this file exist:\r\n" + p);
    st.puzfile = path("noext");
    st.autosolving = true;
    EXPECT_FALSE(BackupPuzzleFileCommand(st, ui));
    EXPECT_EQ(ui.messages.back(), "Cancel AutoSolve first");
    st.autosolving = false;
    EXPECT_TRUE(BackupPuzzleFileCommand(st, ui));
    EXPECT_EQ(ui.messages.back(), "File backed up as:\r\n" + path("noext;02"));
    fs::create_directory(path("gone"));
    EXPECT_FALSE(BackupPuzzleFile(ui, path("gone/missing.vxt")));
    EXPECT_EQ(ui.messages.back(), "Error backing to file:\r\n" + path("gone/missing;01.vxt"));
    EXPECT_FALSE(fs::exists(path("gone/missing;01.vxt")));
}
