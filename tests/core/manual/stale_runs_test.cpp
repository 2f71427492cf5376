// Solving by hand never follows run lists of cells that are gone.
#include "files/puzzle_file.h"
#include "manual/manual_solve.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::test;

namespace {

// Records: 5 x 5; 3 x 3 solved by 2 1 / 1 3; 3 x 3 with one row line missing.
const std::string kFile = "#1\r\nFive\r\n 5, 5\r\n"
                          "X 0,3 0,4 X X\r\n3,0 2 X X\r\n4,0 2 X X\r\nX X X X X\r\nX X X X X\r\n"
                          "#2\r\nTiny\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n"
                          "#3\r\nCut\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n";

struct ManualFixture : ::testing::Test {
    TempDir dir;
    AppState st{1};
    ScriptedUserInterface ui;
    std::string path = dir.file("p.vxt");
    void SetUp() override {
        st.apppath = dir.folder();
        st.setWorkingFiles();
        writeFile(path, kFile);
        st.puzfile = path;
    }
    std::function<void()> loadFirstOnPump = [this] {
        ui.onPump = nullptr;
        ReadPuzzle(st, ui, path, 1);
    };
    void put(int cell, int digit) {
        st.mnucnxTag = std::to_string(cell);
        DigitMenuClick(st, ui, digit - 1);
    }
};

} // namespace

TEST_F(ManualFixture, AFailedLoadEndsManualSolvingAndLeavesNoStaleRuns) {
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 1));
    StartManualSolve(st, ui);
    put(7, 2);
    ASSERT_TRUE(st.manualmode);
    ui.messages.clear();
    EXPECT_TRUE(!ReadPuzzle(st, ui, path, 3) && st.grid.ncells == 9);
    for (int i = 1; i <= st.grid.ncells; ++i) // every run list names cells of the grid only
        for (const auto* run : {&st.grid[i].cellsacross, &st.grid[i].cellsdown})
            for (int j : *run)
                EXPECT_TRUE(st.grid.valid(j)) << "cell " << i << " names " << j;
    EXPECT_FALSE(st.manualmode);
    VerifyManualSolve(st, ui);
    UndoLastEntry(st, ui);
    EXPECT_EQ(ui.messages, (std::vector<std::string>{"Error reading puzzle# 3 from file " + path,
                                                     "Verify in Manual Solve mode only",
                                                     "Undo in Manual Solve mode only"}));
    // The empty grid drops the run lists as well.
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 1));
    StartManualSolve(st, ui);
    ASSERT_TRUE(ReadPuzzle(st, ui, path, -1));
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(st.grid[i].cellsacross.empty() && st.grid[i].cellsdown.empty()) << i;
}

TEST_F(ManualFixture, ALoadWhileVerifyingStopsTheCheck) {
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 2));
    StartManualSolve(st, ui);
    for (const auto& [cell, digit] : {std::pair{5, 2}, {6, 1}, {8, 1}})
        put(cell, digit);
    // The last digit fills the grid; while its check lets events run, record 1 is loaded.
    ui.onPump = loadFirstOnPump;
    ui.messages.clear();
    put(9, 3);
    EXPECT_TRUE(st.grid.ncells == 25 && ui.messages.empty()); // no "Well done..."

    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_EQ(st.grid[i].tick, 0) << i;
    // The same through Verify Manual Solve: nothing is coloured on the new cells.
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 2));
    StartManualSolve(st, ui);
    ui.onPump = loadFirstOnPump;
    VerifyManualSolve(st, ui);
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(st.grid[i].acrosscol == st.blackcol && st.grid[i].downcol == st.blackcol) << i;
}

TEST_F(ManualFixture, RunListsBeyondTheGridAreNotFollowed) {
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 2));
    StartManualSolve(st, ui);
    // Run lists as a replaced, larger grid left them.
    st.grid[4].cellsacross = {5, 6, 4000};
    st.grid[2].cellsdown = {5, 8, 5000};
    put(5, 2);
    put(6, 1);
    VerifyManualSolve(st, ui);
    UndoLastEntry(st, ui);
    UndoLastEntry(st, ui);
    UndoLastEntry(st, ui); // the restart
    EXPECT_EQ(st.grid[5].Choices, st.grid[5].Choices0);
}
