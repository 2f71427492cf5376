#include "files/file_commands.h"
#include "files/puzzle_file.h"
#include "solver/autosolve.h"
#include "support/random_puzzle.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <tuple>
#include <utility>

using namespace vextor;
using namespace vextor::test;

namespace {

struct FileCommandFixture : ::testing::Test {
    TempDir dir;
    AppState st{7};
    ScriptedUserInterface ui;
    void open(int n) {
        st.apppath = dir.folder();
        writeFile(dir.file("five.vxt"), tinyRecords(n));
        st.puzfile = dir.file("five.vxt");
        ASSERT_TRUE(ReadPuzzle(st, ui, st.puzfile, 1));
    }
};

} // namespace

TEST_F(FileCommandFixture, LoadAsksThePickerAndLoadsRecordOne) {
    st.apppath = dir.folder();
    writeFile(dir.file("other.vxt"), tinyRecords(3));
    ui.fileAnswers = {""};
    EXPECT_FALSE(LoadPuzzleFileCommand(st, ui));
    ASSERT_EQ(ui.fileRequests.size(), 1u);
    const FileRequest& r = ui.fileRequests[0];
    EXPECT_EQ(r.title + r.fileTypes + r.fileTypesName, "Vextor*.vxt;*.txt;*.datVextor Files");
    EXPECT_EQ(r.defaultDir, dir.folder());
    EXPECT_TRUE(!r.save && st.puzfile.empty());
    st.schemefile = "default.sch";
    st.buttoncol = packColour(1, 2, 3);
    ui.fileAnswers = {dir.file("other.vxt")};
    EXPECT_TRUE(LoadPuzzleFileCommand(st, ui));
    EXPECT_EQ(st.puzfile + "|" + st.texts.title + st.texts.puzNumber,
              dir.file("other.vxt") + "|Puzzle 1 of 3");
    EXPECT_EQ(std::tuple(st.schemecolours[2], st.grid[5].BackColor, ui.busyDepth),
              std::tuple(packColour(1, 2, 3), packColour(255, 255, 255), 0)); // scheme applied
    // A file that cannot be read stays current after the read error.
    ui.fileAnswers = {dir.file("missing.vxt")};
    EXPECT_TRUE(LoadPuzzleFileCommand(st, ui));
    EXPECT_EQ(st.puzfile, dir.file("missing.vxt"));
    EXPECT_EQ(ui.messages.back(), "Error reading puzzle# 1 from file " + dir.file("missing.vxt"));
}

TEST_F(FileCommandFixture, NavigationWrapsAroundAndASingleRecordStopsIt) {
    open(1);
    st.grid[5].Choices = "7";
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(NavigateCommand(st, ui, static_cast<Navigate>(i)));
    EXPECT_EQ(st.grid[5].Choices, "7"); // nothing was reloaded
    open(5);
    const std::pair<Navigate, int> steps[] = {{Navigate::Previous, 5}, {Navigate::Next, 1},
                                              {Navigate::Last, 5},     {Navigate::Previous, 4},
                                              {Navigate::First, 1},    {Navigate::Next, 2}};
    for (auto [where, n] : steps) {
        EXPECT_TRUE(NavigateCommand(st, ui, where));
        EXPECT_EQ(st.texts.title + st.texts.puzNumNow,
                  "Puzzle " + std::to_string(n) + std::to_string(n));
    }
    for (int i = 0; i < 30; ++i) {
        EXPECT_TRUE(NavigateCommand(st, ui, Navigate::Random));
        EXPECT_TRUE(st.puznum >= 1 && st.puznum <= 5) << st.puznum;
        EXPECT_EQ(st.texts.title, "Puzzle " + std::to_string(st.puznum));
    }
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(FileCommandFixture, NumberBoxLoadsOnlyNumbersInRange) {
    open(5);
    for (const char* text : {"0", "6", "abc", "-2"}) {
        st.texts.puzNumNow = text;
        EXPECT_FALSE(PuzNumEnterCommand(st, ui)) << text;
        EXPECT_TRUE(st.texts.puzNumNow == text && st.puznum == 1); // the typed text stays
    }
    st.texts.puzNumNow = " 4x";
    EXPECT_TRUE(PuzNumEnterCommand(st, ui));
    EXPECT_EQ(std::to_string(st.puznum) + st.texts.title + st.texts.puzNumNow, "4Puzzle 44");
    EXPECT_TRUE(ui.messages.empty());
}

// A load during the solver's event pumping to a smaller or larger grid ends the
// solve without it touching the new cells.
TEST_F(FileCommandFixture, LoadWhileAutoSolveRuns) {
    open(5);
    const std::string small = st.puzfile, big = dir.file("big.vxt");
    AppState b(3);
    makeRandomPuzzle(b, 12, 12, 5);
    ASSERT_TRUE(AppendPuzzle(b, "Big", 1, false, big));
    for (const auto& [from, to] : {std::pair{small, big}, std::pair{big, small}}) {
        ASSERT_TRUE(ReadPuzzle(st, ui, from, 1));
        bool once = false;
        ui.onPump = [&, to = to] {
            if (!std::exchange(once, true))
                ReadPuzzle(st, ui, to, 1);
        };
        const SolveOutcome out = RunAutoSolve(st, ui, false);
        ui.onPump = nullptr;
        ASSERT_TRUE(once);
        EXPECT_FALSE(st.autosolving);
        EXPECT_EQ(out, SolveOutcome::Cancelled);
        EXPECT_EQ(st.grid.rows, to == big ? 12 : 3);
        for (int i = 1; i <= st.grid.ncells; ++i)
            EXPECT_EQ(st.grid[i].Choices, "") << i; // the solve left the new cells alone
    }
}

TEST_F(FileCommandFixture, OpenFromTheCommandLineLoadsRecordOneOrKeepsAll) {
    open(3);
    writeFile(dir.file("other.vxt"), tinyRecords(4));
    // A missing file or a folder: a message; the current file and record stay.
    for (const std::string& bad : {dir.file("missing.vxt"), dir.folder()}) {
        EXPECT_FALSE(OpenPuzzleFileCommand(st, ui, bad));
        EXPECT_EQ(ui.messages.back(), "Cannot open puzzle file:\r\n" + bad);
        EXPECT_EQ(std::pair(st.puzfile, st.puznum), std::pair(dir.file("five.vxt"), 1));
    }
    EXPECT_TRUE(OpenPuzzleFileCommand(st, ui, dir.file("other.vxt")));
    EXPECT_EQ(st.puzfile + "|" + st.texts.title + st.texts.puzNumber,
              dir.file("other.vxt") + "|Puzzle 1 of 4");
}
