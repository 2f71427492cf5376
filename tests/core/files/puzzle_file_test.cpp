#include "base/text.h"
#include "exact/exact_solver.h"
#include "files/puzzle_file.h"
#include "model/runs.h"
#include "state/grid_commands.h"
#include "state/layout_check.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using namespace vextor::test;

namespace {

const std::string kTinyWithSolution = tinyRecord(1, true, "Tiny");
const std::string kTinyLayout = tinyRecord(1, false, "Tiny");

void buildTiny(AppState& st) {
    test::makeGrid(st, {"X 0,3 0,4", "3,0 2 1", "4,0 1 3"});
}

// Cell kinds by colour, as the writer sees them: B black, W/w white, S sum with clues.
std::string kinds(const AppState& st) {
    std::string out;
    for (int i = 1; i <= st.grid.ncells; ++i) {
        const Square& s = st.grid[i];
        if (s.Black)
            out += "B";
        else if (s.BackColor == st.whitecol)
            out += s.known ? "w" : "W";
        else
            out += "S" + std::to_string(s.across) + "," + std::to_string(s.down);
        out += ' ';
    }
    return out;
}

struct PuzzleFile : ::testing::Test {
    TempDir dir;
    AppState st{1};
    ScriptedUserInterface ui;
    // Loads record n of a file holding `content`, the messages before cleared.
    bool load(const std::string& content, int n = 1) {
        ui.messages.clear();
        st.puzfile = dir.file("p.vxt");
        writeFile(st.puzfile, content);
        return ReadPuzzle(st, ui, st.puzfile, n);
    }
};

} // namespace

TEST_F(PuzzleFile, TinyExampleWrittenByteForByte) {
    buildTiny(st);
    ASSERT_TRUE(AppendPuzzle(st, "Tiny", 1, true, dir.file("with.vxt")));
    ASSERT_TRUE(AppendPuzzle(st, "Tiny", 1, false, dir.file("without.vxt")));
    EXPECT_EQ(readFile(dir.file("with.vxt")), kTinyWithSolution);
    EXPECT_EQ(readFile(dir.file("without.vxt")), kTinyLayout);

    // A last line without its line end gets one before the new record.
    for (const std::string old : {"note", "note\n", "note\r\n", ""}) {
        const std::string path = dir.file("open" + std::to_string(old.size()) + ".vxt");
        writeFile(path, old);
        ASSERT_TRUE(AppendPuzzle(st, "Tiny", 1, false, path));
        EXPECT_EQ(readFile(path), old + (old == "note" ? "\r\n" : "") + kTinyLayout);
        EXPECT_EQ(CountPuzzles(path, ui), 1);
    }

    EXPECT_FALSE(AppendPuzzle(st, "Tiny", 1, false, dir.file("no-such-folder/x.vxt")));
}

TEST_F(PuzzleFile, TinyReadsIntoTheGridWithEveryLabel) {
    const std::string path = dir.file("tiny.vxt");
    writeFile(path, kTinyWithSolution + kTinyWithSolution);
    BuildGrid(st, ui, 10, 10);
    st.grid[5].tick = st.greencol;
    st.puzfile = "/the/current/file.vxt";
    st.editmode = st.manualmode = st.interactive = true;
    st.solver.choiceList = {"a"};
    st.solver.retractStack = {RetractEntry{1, 2, 3, "b"}};
    st.solver.retractLines = {"4,5,"};

    ASSERT_TRUE(ReadPuzzle(st, ui, path, 2));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(kinds(st), "B S0,3 S0,4 S3,0 W W S4,0 W W ");
    EXPECT_EQ(std::tuple(st.grid.ncells, st.maxtries, st.npuzzles, st.puznum),
              std::tuple(9, 18, 2, 2));
    EXPECT_EQ(st.texts.title + st.texts.gridSize + st.texts.puzNumNow + st.texts.puzNumber,
              "Tiny3x32 of 2");
    EXPECT_EQ(st.texts.caption, "/the/current/file.vxt");
    EXPECT_EQ(st.fit.gridWidth, 6450);
    EXPECT_FALSE(st.editmode || st.manualmode || st.interactive || st.cancelsolve);
    EXPECT_TRUE(st.solver.choiceList.empty() && st.solver.retractStack.empty() &&
                st.solver.retractLines.empty());
    EXPECT_EQ(ui.busyDepth + ui.hiddenDepth, 0);
    EXPECT_GE(ui.maxBusyDepth, 1);
    for (int i = 1; i <= 9; ++i) // no solution read
        EXPECT_TRUE(!st.grid[i].Enabled && !st.grid[i].tick && st.grid[i].Choices.empty()) << i;
}

TEST_F(PuzzleFile, AFailedLoadOfALargerRecordPlacesItsCellsAndEndsTheModes) {
    ASSERT_TRUE(load(kTinyLayout));
    st.manualmode = st.editmode = st.interactive = true;
    // A valid 5 x 6 size, then too few row lines.
    EXPECT_FALSE(load(kTinyLayout + "#2\r\nBig\r\n 5, 6\r\nX X X X X X\r\nX 5\r\n", 2));
    ASSERT_EQ(st.grid.ncells, 30);
    for (int i = 1; i <= st.grid.ncells; ++i)
        EXPECT_TRUE(st.grid[i].left == cellLeft(st.grid.colOf(i)) &&
                    st.grid[i].top == cellTop(st.grid.rowOf(i)))
            << i;
    EXPECT_EQ(std::pair(st.fit.gridWidth, st.fit.gridHeight),
              std::pair(FitGridWindow(5, 6).gridWidth, FitGridWindow(5, 6).gridHeight));
    EXPECT_FALSE(st.manualmode || st.editmode || st.interactive || st.puznum != 1);
    // A fault before the grid is touched leaves the modes alone.
    ASSERT_TRUE(ReadPuzzle(st, ui, st.puzfile, 1));
    st.manualmode = true;
    EXPECT_FALSE(ReadPuzzle(st, ui, st.puzfile, 9));
    EXPECT_TRUE(st.manualmode && st.grid.ncells == 9);
}

TEST_F(PuzzleFile, WhiteCountsRunAcrossRowEnds) {
    // A count of 4 white cells runs from row 1 into row 2.
    test::makeGrid(st, {"X 2 3", "4 5 X", "5,0 8 9"});
    const std::string path = dir.file("runs.vxt");
    ASSERT_TRUE(AppendPuzzle(st, "Runs", 3, true, path));
    EXPECT_EQ(readFile(path), "#3\r\nRuns\r\n 3, 3\r\nX 4|X 2 3\r\nX|4 5 X\r\n5,0 2|5,0 8 9\r\n");
    // A whole grid of white cells is one count on the first line.
    test::makeGrid(st, {". . .", ". . ."});
    EXPECT_EQ(rowLines(st.grid, st.whitecol, false), (std::vector<std::string>{"6", ""}));

    AppState back(2);
    ASSERT_TRUE(ReadPuzzle(back, ui, path, 1));
    EXPECT_EQ(kinds(back), "B W W W W B S5,0 W W ");
}

TEST_F(PuzzleFile, LargestGridWrittenCompletely) {
    // A pattern with every kind, the last cells white and runs over row ends.
    std::vector<std::string> rows;
    for (int i = 1; i <= 270; ++i) {
        if (i % 18 == 1)
            rows.emplace_back();
        rows.back() += i % 7 == 0 && i < 269 ? "X "
                       : i % 5 == 0 && i < 269
                           ? std::to_string(i % 45) + "," + std::to_string(i * 3 % 45) + " "
                           : std::to_string(i % 9 + 1) + " ";
    }
    test::makeGrid(st, rows);
    const std::string path = dir.file("big.vxt");
    ASSERT_TRUE(AppendPuzzle(st, "Big", 1, true, path));

    const auto record = readRecord(path, 1);
    ASSERT_TRUE(record && record->lines.size() == 15u);
    EXPECT_EQ(parseSolution(record->lines[14]).size(), 18u);
    AppState back(2);
    ASSERT_TRUE(ReadPuzzle(back, ui, path, 1));
    EXPECT_EQ(kinds(back), kinds(st));
    applySolution(back.grid, back.whitecol, record->lines);
    EXPECT_EQ(recordText(back.grid, back.whitecol, "Big", 1, true), readFile(path));
    EXPECT_EQ(back.fit.gridWidth, 18 * 624 + 150);
}

TEST_F(PuzzleFile, TokenReadingRules) {
    const std::pair<const char*, const char*> cases[] = {
        // Lower-case x, several spaces, LF line ends, text after "|" ignored.
        {"#1\nT\n 3, 3\n  x   0,3  0,4 |junk 9 9\n3,0    2\n4,0 2|\n",
         "B S0,3 S0,4 S3,0 W W S4,0 W W "},
        // 0,0: a sum cell without clues; 0 and garbage counts: no cells; no down field: 0.
        {"#1\r\nT\r\n 2, 3\r\n0,0 0 abc 7, 2.5\r\n-4 X X\r\n", "S0,0 S7,0 W W B B "},
        // Counts round half to even: 2.5 -> 2, 3.5 -> 4.
        {"#1\r\nT\r\n 1, 8\r\nX 2.5 X 3.5\r\n", "B W W B W W W W "},
        {"\xEF\xBB\xBF#4\r\nT\r\n 1, 2\r\nX 1\r\n", "B W "}, // a byte-order mark first
    };
    for (const auto& [content, cells] : cases) {
        ASSERT_TRUE(load(content)) << content;
        EXPECT_EQ(kinds(st), cells);
    }
}

TEST_F(PuzzleFile, TitlesWithCommasQuotesAndBlanksSurvive) {
    buildTiny(st);
    const std::vector<std::string> titles =
        split("Hard, really|\"Quoted\" start|a \"b\", c|#5 looks like a header|  \"  spaced|"
              "trailing,|Plain title 12x12|| lead|trail |\tTab|   |inner  blanks",
              '|');
    const std::string path = dir.file("titles.vxt");
    for (std::size_t k = 0; k < titles.size(); ++k)
        ASSERT_TRUE(AppendPuzzle(st, titles[k], static_cast<int>(k + 1), false, path));
    EXPECT_EQ(CountPuzzles(path, ui), static_cast<int>(titles.size()));
    for (std::size_t k = 0; k < titles.size(); ++k) {
        AppState back(2);
        ASSERT_TRUE(ReadPuzzle(back, ui, path, static_cast<int>(k + 1))) << titles[k];
        EXPECT_EQ(back.texts.title, titles[k]);
        EXPECT_EQ(kinds(back), kinds(st));
    }
    EXPECT_EQ(titleLine("a \"b\", c"), "\"a \"\"b\"\", c\"");
    EXPECT_EQ(titleLine("two\r\nlines"), "two  lines");

    // Older files: an unquoted comma cuts the title; the size line is still its own.
    ASSERT_TRUE(load("#1\r\nOld, title\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n"));
    EXPECT_EQ(st.texts.title + st.texts.gridSize, "Old3x3");
    EXPECT_EQ(parseTitle("  padded  "), "padded");
    EXPECT_EQ(parseTitle("\"unterminated, title"), "unterminated, title");
    EXPECT_EQ(parseTitle("\"closed\" rest, more"), "closed");
}

TEST_F(PuzzleFile, SolutionTokens) {
    EXPECT_EQ(parseSolution("X 0,3 0,4|X 0,3 0,4"), (std::vector<std::string>{"X", "0,3", "0,4"}));
    EXPECT_EQ(parseSolution("3,0 2|3,0  1"), (std::vector<std::string>{"3,0", "", "1"}));
    EXPECT_TRUE(parseSolution("3,0 2").empty() && parseSolution("3,0 2|").empty());

    // A white cell without candidates writes an empty token.
    buildTiny(st);
    st.grid[5].Choices.clear();
    st.grid[9].Choices = "123";
    EXPECT_EQ(rowLines(st.grid, st.whitecol, true),
              (std::vector<std::string>{"X 0,3 0,4|X 0,3 0,4", "3,0 2|3,0  1", "4,0 2|4,0 1 123"}));
    for (int i : {5, 6, 8, 9})
        st.grid[i].Choices = "x";
    applySolution(st.grid, st.whitecol, {"X 0,3 0,4|X 0,3 0,4", "3,0 2|3,0  1", "4,0 2"});
    // 8: no solution part, unchanged; 2: sum cells never take a token.
    EXPECT_EQ(st.grid[5].Choices + "/" + st.grid[6].Choices + "/" + st.grid[8].Choices + "/" +
                  st.grid[2].Choices,
              "/1/x/");

    // A row starting with an empty white cell loses that token to trimming; no "X" lands in it.
    makeGrid(st, {"X 0,3 0,4", "3,0 . .", ". . X"});
    st.grid[8].Choices = "2";
    const auto lines = rowLines(st.grid, st.whitecol, true);
    EXPECT_EQ(lines[2], "X|2 X");
    st.grid[8].Choices = "x";
    applySolution(st.grid, st.whitecol, lines);
    EXPECT_EQ(st.grid[7].Choices + "/" + st.grid[8].Choices, "/2");
}

TEST_F(PuzzleFile, SizesAndMalformedRecords) {
    // Sizes and counts in range load; everything else ends in the read error.
    const std::vector<std::pair<std::string, int>> good = {
        {"#1\r\nT\r\n 3, 3\r\nX 2\r\nX 2\r\nX 2\r\n", 9},
        {"#1\r\nT\r\n15,18\r\n270\r\n" + std::string(14, '\n'), 270},
        {"#1\r\nT\r\n 4 5\r\n20\r\n\r\n\r\n\r\n", 20},
        {"#1\r\nT\r\n 2, 3\r\nX 5\r\n\r\n", 6}, // cells covered across a row end
    };
    for (const auto& [content, cells] : good) {
        EXPECT_TRUE(load(content)) << content;
        EXPECT_EQ(st.grid.ncells, cells);
    }
    load("#1\r\nTall\r\n 16, 9\r\nX\r\n");
    EXPECT_EQ(st.texts.title + st.texts.gridSize, "Tall16x9"); // set before the fault
    std::vector<std::string> bad = {
        std::string("#1\r\n\x01\xff\x00\x80 \r\n\x7f\x00,\x02\r\n", 17),
        "#1\r\nT\r\n 3, 3\r\n99999999999999999999\r\n\r\n\r\n",
        "#1\r\nT\r\n 99999999999999999999, 3\r\n3\r\n3\r\n3\r\n",
        "#1\r\nT\r\n 3, 3\r\nX X X X\r\nX X X X\r\nX X X X\r\n",
        "#1\r\nT\r\n 3, 3\r\nX 9\r\n\r\n\r\n",
        "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n", // truncated
        "#1\r\nT\r\n",
        "#1",
        "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n#2\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n",
        // Row lines that leave cells uncovered: blank, a count of 0 or one that
        // reads 0, a negative count, the last row short.
        "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n\r\n4,0 2\r\n",
        "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 0\r\n4,0 2\r\n",
        "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 x2\r\n4,0 2\r\n",
        "#1\r\nT\r\n 2, 3\r\n0,0 7, 2\r\n-4\r\n",
        "#1\r\nT\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 1\r\n",
    };
    for (const char* size : {" 16, 9", " 0, 9", " 9, 0", " 9, 19", "-3, 5", " 5,-3", "", " 7"})
        bad.push_back(std::string("#1\r\nT\r\n") + size + "\r\n3\r\n3\r\n3\r\n");
    for (const std::string& content : bad) {
        EXPECT_FALSE(load(content)) << content;
        EXPECT_EQ(ui.messages,
                  std::vector<std::string>{"Error reading puzzle# 1 from file " + st.puzfile});
        EXPECT_EQ(std::tuple(ui.busyDepth, ui.hiddenDepth), std::tuple(0, 0));
        EXPECT_EQ(st.grid.ncells, st.grid.rows * st.grid.cols) << content;
    }
    EXPECT_TRUE(load(bad[8], 2)); // the record after a short one is whole
}

// The shipped sample puzzles: each loads, passes the layout check, has exactly
// one solution, says its size in its title, and is written back byte for byte.
TEST_F(PuzzleFile, ShippedSamplesLoadAreSoundAndRoundTrip) {
    const std::string file = (test::resourcesDir() / "puzzles.vxt").string();
    const int count = CountPuzzles(file, ui);
    ASSERT_GE(count, 4);
    std::string rewritten;
    for (int n = 1; n <= count; ++n) {
        ASSERT_TRUE(ReadPuzzle(st, ui, file, n)) << n;
        FindRuns(st.grid);
        EXPECT_FALSE(CheckLayout(st, ui, true)) << n;
        const ExactResult r = CountSolutions(st.grid, 2);
        EXPECT_TRUE(r.count == 1 && !r.unknown) << n;
        const std::string size =
            std::to_string(st.grid.rows) + " x " + std::to_string(st.grid.cols);
        EXPECT_EQ(st.texts.title.rfind(size + " ", 0), 0u) << st.texts.title;
        const auto record = readRecord(file, n);
        ASSERT_TRUE(record) << n;
        EXPECT_EQ(record->number, n);
        applySolution(st.grid, st.whitecol, record->lines);
        rewritten += recordText(st.grid, st.whitecol, st.texts.title, n, true);
    }
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(rewritten, readFile(file));
}
