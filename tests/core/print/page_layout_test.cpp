// Printed pages: scale, positions and texts of drawing operations, ranges, bad records.
#include "print/print_commands.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace vextor;
using namespace vextor::print;
using namespace vextor::test;

namespace {

struct Collect : PageSink {
    std::vector<Page> pages;
    bool page(const Page& p) override {
        pages.push_back(p);
        return true;
    }
};

std::vector<DrawOp> texts(const Section& sec) {
    std::vector<DrawOp> out;
    for (const DrawOp& op : sec.ops)
        if (op.kind == DrawOp::Kind::Text)
            out.push_back(op);
    return out;
}

// The text op holding t; skip: how many such ops to pass over first.
const DrawOp* findText(const Section& sec, const std::string& t, int skip = 0) {
    for (const DrawOp& op : sec.ops)
        if (op.kind == DrawOp::Kind::Text && op.text == t && skip-- == 0)
            return &op;
    return nullptr;
}

const double kCw = 1.1 * kCellWidth;

struct PrintCommands : ::testing::Test {
    TempDir dir;
    const std::string file = dir.file("p.vxt");
    AppState st{1};
    ScriptedUserInterface ui;
    Collect sink;
};

} // namespace

TEST(PageLayout, ScaleAndTextSizeFollowTheRows) {
    const struct {
        int rows;
        double scale;
    } cases[] = {{9, 1.0}, {10, 1.0}, {15, 1.375}};
    for (const auto& c : cases) {
        std::vector<std::string> lines(static_cast<std::size_t>(c.rows), "X 2");
        const auto g = printGrid("T", c.rows, 3, lines);
        ASSERT_TRUE(g) << c.rows;
        const Section sec = puzzleSection(*g, 4, Half::Bottom, false, 0, "foot");
        EXPECT_DOUBLE_EQ(sec.scale, c.scale);
        const DrawOp& header = sec.ops.front();
        EXPECT_TRUE(header.text == "Puzzle Number4 : T" && header.bold);
        EXPECT_DOUBLE_EQ(header.points, 10 / c.scale);
        EXPECT_DOUBLE_EQ(header.y, c.scale * kBottomOrigin);
        EXPECT_DOUBLE_EQ(header.x, kLeft + kCw);
        const DrawOp& footer = sec.ops.back(); // under the grid
        EXPECT_TRUE(footer.text == "foot" && footer.x == kLeft + kCw &&
                    footer.points == 7 / c.scale);
        EXPECT_NEAR(footer.y, c.scale * (kBottomOrigin + 250) + c.rows * 1.1 * kCellHeight + 100,
                    1e-9);
    }
}

TEST(PageLayout, CluesPrintAtTheirPlaces) {
    const auto g = printGrid("Tiny", 3, 3, {"X 7,0 0,16", "3,0 2", "16,0 2"});
    ASSERT_TRUE(g);
    const Section sec = puzzleSection(*g, 1, Half::Top, false, 0, "foot");
    const double top = kTopOrigin + 250;
    const struct {
        std::string text;
        double x, y;
    } cases[] = {
        {" 7", kLeft + 2 * kCw + 425, top + 10},                     // across, two places
        {"16", kLeft + 3 * kCw + 50, top + 400},                     // down only
        {" 3", kLeft + 1 * kCw + 425, top + 1.1 * kCellHeight + 10}, // row 2
    };
    for (const auto& c : cases) {
        const DrawOp* op = findText(sec, c.text);
        ASSERT_TRUE(op) << c.text;
        EXPECT_DOUBLE_EQ(op->x, c.x) << c.text;
        EXPECT_NEAR(op->y, c.y, 1e-9) << c.text;
        EXPECT_TRUE(op->points == 10 && op->bold) << c.text;
    }
    // A two-digit across clue fills both places.
    EXPECT_DOUBLE_EQ(findText(sec, "16", 1)->x, kLeft + kCw + 425);
    // No zero clue is printed, and exactly 4 clues, header and footer.
    EXPECT_EQ(texts(sec).size(), 6u);
    EXPECT_FALSE(findText(sec, "0"));
}

TEST(PageLayout, SolutionDigitsKeepTheirCells) {
    // A partly solved row: an empty token in the middle and one lost at the end.
    const auto g = printGrid("P", 3, 4, {"X 0,3 0,4 0,5", "6,0 3|6,0  2 9", "7,0 3|7,0 1"});
    ASSERT_TRUE(g);
    const Section sec = puzzleSection(*g, 2, Half::Bottom, true, 0, "foot");
    EXPECT_EQ(sec.ops.front().text, "Solution Number2 : P");
    std::vector<std::pair<std::string, double>> digits; // text, cell column
    for (const DrawOp& op : texts(sec))
        if (op.points == 20)
            digits.push_back({op.text, (op.x + 400 - kCw / 2 - kLeft) / kCw});
    ASSERT_EQ(digits.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(digits[k].first, std::string(" ") + "291"[k]);
        EXPECT_NEAR(digits[k].second, "342"[k] - '0', 1e-9);
    }
    // The solution page prints its clues plain.
    EXPECT_FALSE(findText(sec, " 6")->bold);
}

TEST(PageLayout, DamagedRecordsAreRefused) {
    EXPECT_FALSE(printGrid("T", 16, 3, std::vector<std::string>(16, "X 2")));
    EXPECT_FALSE(printGrid("T", 2, 3, {"X 2", "X 3"})); // too many cells
    EXPECT_FALSE(printGrid("T", 2, 3, {"X 2", "X 1"})); // too few
    EXPECT_TRUE(printGrid("T", 2, 3, {"X 3", "2"}));    // a count across a row end
}

TEST(PageLayout, OversizedPagesShrinkToFit) {
    const auto g9 = printGrid("T", 9, 9, std::vector<std::string>(9, "X 8"));
    const auto wide = printGrid("T", 9, 18, std::vector<std::string>(9, "X 17"));
    Page small, large;
    small.sections = {puzzleSection(*g9, 1, Half::Top, false, 0, "f"),
                      puzzleSection(*g9, 2, Half::Bottom, false, 0, "f")};
    large.sections = {puzzleSection(*wide, 1, Half::Top, false, 0, "f")};
    EXPECT_DOUBLE_EQ(fitFactor(small), 1.0);
    EXPECT_LT(fitFactor(large), 0.9);
    // A long title is shortened to fit instead; the grids keep their size.
    for (const int rows : {9, 15}) {
        const auto titled =
            printGrid(std::string(220, 'T'), rows, 9, std::vector<std::string>(rows, "X 8"));
        Page page;
        page.sections = {puzzleSection(*titled, 1, Half::Top, false, 0, "f")};
        const std::string header = page.sections[0].ops.front().text;
        EXPECT_DOUBLE_EQ(fitFactor(page), 1.0) << rows;
        EXPECT_EQ(header.substr(0, 20), "Puzzle Number1 : TTT") << rows;
        EXPECT_EQ(header.substr(header.size() - 4), "T...") << rows;
        EXPECT_EQ(header.size(), rows == 9 ? 85u : 121u) << rows; // as many as the width takes
    }
}

TEST_F(PrintCommands, RangesFindRecordsByHeaderNumber) {
    // Header number 2 appears twice; 4 is missing.
    writeFile(file, tinyRecord(1, true, "One") + tinyRecord(2, true, "Two") +
                        tinyRecord(2, true, "Again") + tinyRecord(3, true, "Three") +
                        tinyRecord(5, true, "Five"));
    const struct {
        int from, to;
        bool solution;
        const char* pages; // the section headers of each page, in brackets
        int notFound;
        int drawn;         // records drawn, each once
        bool book = false; // the solutions after all the puzzles
    } cases[] = {
        {1, 3, false, "[Puzzle Number1 : One|Puzzle Number2 : Two][Puzzle Number3 : Three]", 0, 3},
        {2, 2, true, "[Puzzle Number2 : Two|Solution Number2 : Two]", 0, 1},
        {1, 2, false, "[Puzzle Number1 : One|Puzzle Number2 : Two]", 0, 2},
        {4, 5, true, "[][Puzzle Number5 : Five|Solution Number5 : Five]", 2, 1},
        {3, 2, true, "", 0, 0},
        {1, 3, true,
         "[Puzzle Number1 : One|Puzzle Number2 : Two][Puzzle Number3 : Three]"
         "[Solution Number1 : One|Solution Number2 : Two][Solution Number3 : Three]",
         0, 3, true},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        sink.pages.clear();
        int drawn = 0;
        const int pages = PrintPuzzlesFromFile(st, ui, {file, c.from, c.to, c.solution, c.book},
                                               sink, "f", &drawn);
        std::string got;
        for (const Page& page : sink.pages) {
            got += "[";
            for (const Section& sec : page.sections)
                got += (&sec == &page.sections.front() ? "" : "|") + sec.ops.front().text;
            got += "]";
        }
        EXPECT_EQ(got, c.pages) << c.from;
        EXPECT_EQ(pages, static_cast<int>(sink.pages.size()));
        EXPECT_EQ(drawn, c.drawn) << c.from;
        EXPECT_EQ(ui.messages, std::vector<std::string>(c.notFound, "4 Not found")) << c.from;
        EXPECT_EQ(ui.busyDepth, 0);
    }
}

TEST_F(PrintCommands, BadRecordsAndFilesNeverStopPrinting) {
    writeFile(file, tinyRecord(1, true, "One") + "#2\r\nBig\r\n 16, 3\r\nX 2\r\n" +
                        tinyRecord(3, true, "Three"));
    EXPECT_EQ(PrintPuzzlesFromFile(st, ui, {file, 1, 3, false}, sink, "f"), 2);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"Error reading puzzle# 2 from file " + file});
    ASSERT_EQ(sink.pages.size(), 2u);
    EXPECT_EQ(sink.pages[0].sections.size(), 1u);
    ScriptedUserInterface missing;

    EXPECT_EQ(PrintPuzzlesFromFile(st, missing, {dir.file("none.vxt"), 1, 1, true}, sink, "f"), 0);
    EXPECT_EQ(missing.messages,
              std::vector<std::string>{"Cannot read the file " + dir.file("none.vxt")});
}

TEST_F(PrintCommands, DialogChecksAndTag) {
    writeFile(file, tinyRecord(1, true, "One") + tinyRecord(2, true, "Two"));
    const struct {
        std::string file, from, to;
        std::string message; // empty: accepted
    } cases[] = {
        {file, "1", "2", ""},
        {file, "2", "1", ""}, // prints nothing
        {file, "0", "2", "Invalid from or to puzzle number"},
        {file, "1", "3", "Invalid from or to puzzle number"},
        {dir.file("none.vxt"), "1", "1", "No puzzles in this file: " + dir.file("none.vxt")},
    };
    for (const auto& c : cases) {
        ui.messages.clear();
        const auto r = CheckPrintRequest(ui, c.file, c.from, c.to, true);
        EXPECT_EQ(r.has_value(), c.message.empty()) << c.from << c.to;
        EXPECT_EQ(ui.messages.empty() ? "" : ui.messages[0], c.message);
    }
    // The file name may hold commas; the flag carries solutions and booklet.
    for (const PrintRequest& r : {PrintRequest{"/a,b/p.vxt", 2, 5, false},
                                  {"p.vxt", 1, 2, true},
                                  {"p.vxt", 1, 2, true, true}}) {
        const auto back = parseRequestTag(requestTag(r));
        ASSERT_TRUE(back) << r.file;
        EXPECT_EQ(std::tuple(back->file, back->from, back->to, back->withSolution, back->book),
                  std::tuple(r.file, r.from, r.to, r.withSolution, r.book));
    }
    EXPECT_FALSE(parseRequestTag("X"));
    EXPECT_FALSE(parseRequestTag("")); // the close box leaves the Tag empty
}

TEST_F(PrintCommands, CurrentPuzzlePrintsTheGridAndItsContents) {
    st.apppath = dir.folder();
    st.setWorkingFiles();
    writeFile(st.currentpuzfile, tinyRecord(9, true, "Old"));
    test::makeGrid(st, {"X 0,3 0,4", "3,0 2 1", "4,0 13 3"});
    st.texts.title = "Now";
    ASSERT_EQ(PrintCurrentPuzzle(st, ui, sink, "f"), 1);
    ASSERT_EQ(sink.pages[0].sections.size(), 2u);
    const Section& sol = sink.pages[0].sections[1];
    EXPECT_EQ(sink.pages[0].sections[0].ops.front().text + "|" + sol.ops.front().text,
              "Puzzle Number1 : Now|Solution Number1 : Now");
    // 2, 1 and 3 are digits; the candidate string 13 is not printed.
    int digits = 0;
    for (const DrawOp& op : texts(sol))
        digits += op.points == 20;
    EXPECT_TRUE(digits == 3 && ui.messages.empty()) << digits;
}
