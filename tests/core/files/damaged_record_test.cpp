// Records that must not load as they stand, what a failed load leaves behind,
// and titles that keep their blanks.
#include "base/text.h"
#include "files/puzzle_file.h"
#include "model/geometry.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

using namespace vextor;
using vextor::test::ScriptedUserInterface;
using vextor::test::TempDir;
using vextor::test::writeFile;

namespace {

const std::string kTiny = "#1\r\nTiny\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";

struct FileFixture : ::testing::Test {
    TempDir dir;
    AppState st{1};
    ScriptedUserInterface ui;
    std::string path = dir.file("p.vxt");

    bool loadText(const std::string& content, int n = 1) {
        writeFile(path, content);
        st.puzfile = path;
        return ReadPuzzle(st, ui, path, n);
    }
};

} // namespace

TEST_F(FileFixture, RowLinesThatLeaveCellsUncoveredAreDamaged) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"blank row line", "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n\r\n4,0 2\r\n"},
        {"count of 0", "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 0\r\n4,0 2\r\n"},
        {"count that reads 0", "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 x2\r\n4,0 2\r\n"},
        {"negative count", "#1\r\nT\r\n 2, 3\r\n0,0 7, 2\r\n-4\r\n"},
        {"last row short", "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 1\r\n"},
    };
    for (const auto& [name, content] : cases) {
        ui.messages.clear();
        EXPECT_FALSE(loadText(content)) << name;
        EXPECT_EQ(ui.messages,
                  std::vector<std::string>{"Error reading puzzle# 1 from file " + path})
            << name;
    }
    // Covering every cell, across a row end included, still loads.
    EXPECT_TRUE(loadText("#1\r\nT\r\n 2, 3\r\nX 5\r\n\r\n"));
    EXPECT_TRUE(loadText(kTiny));
}

TEST_F(FileFixture, AFailedLoadOfALargerRecordPlacesItsCellsAndEndsTheModes) {
    ASSERT_TRUE(loadText(kTiny));
    st.manualmode = st.editmode = st.interactive = true;
    // A valid 5 x 6 size, then too few row lines.
    const std::string broken = kTiny + "#2\r\nBig\r\n 5, 6\r\nX X X X X X\r\nX 5\r\n";
    writeFile(path, broken);
    EXPECT_FALSE(ReadPuzzle(st, ui, path, 2));
    ASSERT_EQ(st.grid.ncells, 30);
    for (int i = 1; i <= st.grid.ncells; ++i) {
        EXPECT_EQ(st.grid[i].left, cellLeft(st.grid.colOf(i))) << i;
        EXPECT_EQ(st.grid[i].top, cellTop(st.grid.rowOf(i))) << i;
    }
    EXPECT_EQ(st.fit.gridWidth, FitGridWindow(5, 6).gridWidth);
    EXPECT_EQ(st.fit.gridHeight, FitGridWindow(5, 6).gridHeight);
    EXPECT_FALSE(st.manualmode);
    EXPECT_FALSE(st.editmode);
    EXPECT_FALSE(st.interactive);
    EXPECT_EQ(st.puznum, 1);

    // A fault before the grid is touched leaves the modes alone.
    ASSERT_TRUE(ReadPuzzle(st, ui, path, 1));
    st.manualmode = true;
    EXPECT_FALSE(ReadPuzzle(st, ui, path, 9));
    EXPECT_TRUE(st.manualmode);
    EXPECT_EQ(st.grid.ncells, 9);
}

TEST_F(FileFixture, TitlesKeepTheirBlanks) {
    ASSERT_TRUE(loadText(kTiny));
    const std::vector<std::string> titles = {" lead", "trail ",        "  both  ",    "\tTab",
                                             "   ",   "inner  blanks", " \"quoted\" "};
    std::filesystem::remove(path);
    for (std::size_t k = 0; k < titles.size(); ++k)
        ASSERT_TRUE(AppendPuzzle(st, titles[k], static_cast<int>(k + 1), false, path));
    for (std::size_t k = 0; k < titles.size(); ++k) {
        ASSERT_TRUE(ReadPuzzle(st, ui, path, static_cast<int>(k + 1)));
        EXPECT_EQ(st.texts.title, titles[k]);
    }
    EXPECT_EQ(titleLine(" lead"), "\" lead\"");
    EXPECT_EQ(titleLine("inner  blanks"), "inner  blanks");
}
