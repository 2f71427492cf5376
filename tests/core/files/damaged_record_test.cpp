// Reading records: the one-pass reader finds them as counting and FindPuzzle
// do; records that must not load as they stand, what a failed load leaves
// behind, and titles that keep their blanks.
#include "base/text.h"
#include "files/puzzle_file.h"
#include "model/geometry.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <fstream>
#include <gtest/gtest.h>
#include <random>

using namespace vextor;
using namespace vextor::test;

namespace {

// Record n as FindPuzzle and line-by-line reading give it: the header number,
// the title line, then the lines up to the next header (at most 17 lines).
std::optional<RecordLines> byFindPuzzle(const std::string& path, int n) {
    std::ifstream in(path, std::ios::binary);
    const auto number = FindPuzzle(in, n);
    if (!number)
        return std::nullopt;
    RecordLines r;
    r.number = *number;
    std::string line;
    while (r.lines.size() < 17 && readRecordLine(in, line)) {
        if (!r.lines.empty() && !line.empty() && line[0] == '#')
            break;
        r.lines.push_back(line);
    }
    return r;
}

void expectSameRecords(const std::string& path, const std::string& what) {
    ScriptedUserInterface ui;
    PuzzleFileReader reader(path);
    EXPECT_EQ(reader.count(), CountPuzzles(path, ui)) << what;
    for (int n = -1; n <= reader.headers() + 1; ++n) {
        const auto expected = byFindPuzzle(path, n);
        const auto got = reader.record(n);
        ASSERT_EQ(got.has_value(), expected.has_value()) << what << " record " << n;
        if (got) {
            EXPECT_EQ(got->number, expected->number) << what << " record " << n;
            EXPECT_EQ(got->lines, expected->lines) << what << " record " << n;
        }
    }
}

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
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(st.grid[i].left == cellLeft(st.grid.colOf(i)) &&
                    st.grid[i].top == cellTop(st.grid.rowOf(i)))
            << i;
    EXPECT_EQ(st.fit.gridWidth, FitGridWindow(5, 6).gridWidth);
    EXPECT_EQ(st.fit.gridHeight, FitGridWindow(5, 6).gridHeight);
    EXPECT_FALSE(st.manualmode || st.editmode || st.interactive);
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
    const std::vector<std::string> titles = {" lead", "trail ",        "\tTab",
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

TEST(PuzzleFileReader, FindsWhatFindPuzzleFinds) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    const std::vector<std::pair<std::string, std::string>> files = {
        {"empty", ""},
        {"notes and odd headers",
         "note\r\n#1\r\nA\r\n 3, 3\r\n#0\r\nB\r\n\r\n#x\r\nC\r\n#-1\n#12abc\nlast"},
        {"byte-order mark, LF ends",
         "\xEF\xBB\xBF#1\nTiny\n 3, 3\nX 0,3 0,4\n3,0 2\n4,0 2\n#2\n#title\n 1, 1\nX\n"},
        {"no line end at the end", "#1\r\nT\r\n 1, 2\r\n2"},
        {"long notes", "#3\r\nT\r\n" + std::string(40, '\n') + "#4\r\n"},
    };
    for (const auto& [what, content] : files) {
        writeFile(path, content);
        expectSameRecords(path, what);
    }
    // Damaged files of every shape.
    std::mt19937 gen(8);
    const std::string alphabet = "#X x,|0123\r\n\"\xEF\xBB\xBF";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int k = static_cast<int>(gen() % 200); k > 0; --k)
            text += alphabet[gen() % alphabet.size()];
        writeFile(path, text);
        expectSameRecords(path, "random " + std::to_string(round));
    }
    EXPECT_FALSE(PuzzleFileReader(dir.file("missing.vxt")).ok());
    EXPECT_FALSE(PuzzleFileReader(dir.file("missing.vxt")).record(1));
}
