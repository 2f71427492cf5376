#include "files/sort_file.h"
#include "support/file_size_limit.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vextor;
using namespace vextor::test;
namespace fs = std::filesystem;

namespace {

// A record with the header "#<number>", a title and `rows` row lines.
std::string rec(const std::string& number, const std::string& title, int rows = 1,
                const std::string& row = "X 0,3") {
    std::string s = "#" + number + "\r\n" + title + "\r\n " + std::to_string(rows) + ", 2\r\n";
    for (int r = 0; r < rows; ++r)
        s += row + "\r\n";
    return s;
}

struct Sorting : ::testing::Test {
    TempDir dir;
    ScriptedUserInterface ui;
    SortOptions o;
    void SetUp() override {
        o.input = dir.file("in.vxt");
        o.output = dir.file("out.vxt");
    }
    std::string sort(const std::string& content) {
        writeFile(o.input, content);
        fs::remove(o.output);
        EXPECT_TRUE(SortPuzzleFile(ui, o)) << (ui.messages.empty() ? "" : ui.messages.back());
        return readFile(o.output);
    }
};

} // namespace

TEST_F(Sorting, KeysOrdersAndTies) {
    const std::string a = rec("10", "beta", 2), b = rec("2", "Alpha", 12), c = rec("1", "alpha", 9);
    struct Case {
        SortKey key;
        bool descending;
        std::string expected;
    } cases[] = {
        {SortKey::Number, false, c + b + a}, // #2 before #10
        {SortKey::Number, true, a + b + c},
        {SortKey::Rows, false, a + c + b},   // 02, 09, 12
        {SortKey::Header, false, c + b + a}, // case ignored: "alpha\r#1" < "alpha\r#2"
    };
    for (const Case& t : cases) {
        o.key = t.key;
        o.descending = t.descending;
        EXPECT_EQ(sort(a + b + c), t.expected);
        EXPECT_EQ(ui.messages.back(), "3 puzzles sorted to file:\r\n" + o.output);
    }
    // Equal keys: the rest of the item decides, header line first, as text.
    o.key = SortKey::Number;
    const std::string x = rec("7", "Zed"), y = rec("7", "abc"), z = rec("007", "abc");
    EXPECT_EQ(sort(x + y + z), z + y + x);
    o.key = SortKey::Header;
    EXPECT_EQ(sort(rec("3", "Same") + rec("12", "same")), rec("12", "same") + rec("3", "Same"));
    // Items equal but for letter case keep their file order; a shorter title sorts first.
    for (const auto& [first, second] :
         {std::pair{rec("1", "ABC"), rec("1", "abc")}, {rec("1", "abc"), rec("1", "ABC")}})
        EXPECT_EQ(sort(first + second), first + second);
    EXPECT_EQ(sort(rec("1", "Abc d") + rec("2", "Abc")), rec("2", "Abc") + rec("1", "Abc d"));
}

TEST_F(Sorting, ResequenceAndStartNumber) {
    const std::string content = rec("4", "d") + rec("1", "a") + rec("3", "c");
    o.resequence = true;
    o.descending = true;
    o.start = "5";
    EXPECT_EQ(sort(content), rec("5", "d") + rec("6", "c") + rec("7", "a"));
    for (const char* start : {"0", "abc", "-3"}) {
        o.start = start;
        o.descending = false;
        EXPECT_EQ(sort(content), rec("1", "a") + rec("2", "c") + rec("3", "d")) << start;
        EXPECT_EQ(o.start, "1");
    }
    o.resequence = false;
    o.start = "0";
    EXPECT_EQ(sort(content), rec("1", "a") + rec("3", "c") + rec("4", "d"));
    EXPECT_EQ(o.start, "0"); // untouched without renumbering
}

TEST_F(Sorting, SolutionsBlankLinesAndNotesBetweenRecords) {
    const std::string solved = rec("2", "s", 2, "X 0,3|X 0,3 1 2");
    EXPECT_EQ(sort("\r\n" + solved + "\r\n  \r\nnote\r\n" + rec("1", "t") + "\r\n"),
              rec("1", "t") + solved);
}

TEST_F(Sorting, RefusalsAndFailuresLeaveTheOutputAlone) {
    writeFile(o.input, rec("1", "a") + rec("2", "b", 3).substr(0, 20)); // the last record cut
    writeFile(o.output, "keep");
    o.output = " ";
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    o.output = dir.file("out.vxt");
    EXPECT_FALSE(SortPuzzleFile(ui, o)); // overwrite answered No
    ui.defaultYesNo = true;
    EXPECT_FALSE(SortPuzzleFile(ui, o)); // the cut record
    const std::string upperCase = dir.folder() + "IN.VXT";
    o.output = upperCase;
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    o.output = dir.folder() + "./in.vxt";
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    writeFile(dir.file("none.vxt"), "no header\r\n");
    o.input = dir.file("none.vxt");
    o.output = dir.file("out.vxt");
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    o.input = dir.file("missing.vxt");
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    // A header where a row line belongs: that record is cut short.
    writeFile(dir.file("cut.vxt"), rec("1", "a", 2).substr(0, 21) + rec("2", "b"));
    o.input = dir.file("cut.vxt");
    EXPECT_FALSE(SortPuzzleFile(ui, o));
    EXPECT_EQ(readFile(o.output), "keep");
    const std::string failed = "Unable to sort file:\r\n";
    EXPECT_EQ(ui.messages,
              (std::vector<std::string>{
                  "Specify output file name", failed + dir.file("in.vxt"),
                  "Input and output files cannot be same", "Input and output files cannot be same",
                  "There are no puzzles in this file", failed + dir.file("missing.vxt"),
                  failed + dir.file("cut.vxt")}));
    // A full disk: the old output stays whole and no temporary file is left.
    writeFile(dir.file("big.vxt"), std::string(5000, 'k'));
    o.output = dir.file("big.vxt");
    o.input = dir.file("in.vxt");
    writeFile(o.input, rec("1", std::string(6000, 't')));
    {
        FileSizeLimit full(4000);
        EXPECT_FALSE(SortPuzzleFile(ui, o));
    }
    EXPECT_EQ(readFile(dir.file("big.vxt")), std::string(5000, 'k'));
    EXPECT_EQ(ui.messages.back(), failed + o.input);
    for (const auto& f : fs::directory_iterator(dir.path()))
        EXPECT_EQ(f.path().filename().string().find(".tmp"), std::string::npos) << f.path();
}

TEST_F(Sorting, ConvertTheOldLayout) {
    auto old = [](int n, const std::string& title) {
        return "#" + std::to_string(n) + "\r\n" + title +
               "\r\n 2, 3\r\nX 0,3 0,4 \r\n3,0 2\r\nskip\r\nskip\r\nskip\r\n X 0,3 0,4\r\n"
               "3,0 2 1\r\n";
    };
    auto converted = [](int n, const std::string& title) {
        return "#" + std::to_string(n) + "\r\n" + title +
               "\r\n 2, 3\r\nX 0,3 0,4|X 0,3 0,4\r\n3,0 2|3,0 2 1\r\n";
    };
    writeFile(o.input, old(5, "one") + "\r\n" + old(9, "two"));
    EXPECT_FALSE(ConvertCommand(ui, o.input, o.output)); // not Yes
    EXPECT_FALSE(fs::exists(o.output));
    ui.yesNoAnswers = {true};
    EXPECT_TRUE(ConvertCommand(ui, o.input, o.output));
    EXPECT_EQ(readFile(o.output), converted(1, "one") + converted(2, "two"));
    EXPECT_EQ(ui.log[0], "yesno: This option will convert old format puzzle file containing "
                         "solutions as well\r\nNo conversion is required if there are only "
                         "puzzles stored in a file\r\nProceed?");
    EXPECT_EQ(ui.messages.back(), "done");
    // A bad header line: the records before it stay in the output; the
    // non-empty output was only replaced after Yes to the overwrite question.
    writeFile(o.input, old(1, "one") + "bad line\r\n" + old(2, "two"));
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, o.output)); // overwrite: No
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, o.output));
    EXPECT_EQ(ui.messages.back(), "error:bad line");
    EXPECT_EQ(readFile(o.output), converted(1, "one"));
    // A record cut short: a message, and the output as it was.
    writeFile(o.input, old(1, "one").substr(0, 40));
    ui.yesNoAnswers = {true};
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, o.output));
    EXPECT_EQ(ui.messages.back(), "Unable to convert file:\r\n" + o.input);
    EXPECT_EQ(readFile(o.output), converted(1, "one"));
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, ""));
    EXPECT_FALSE(ConvertPuzzleFile(ui, o.input, dir.folder() + "IN.vxt"));
    EXPECT_EQ(ui.messages[ui.messages.size() - 2], "Specify output file name");
    EXPECT_EQ(ui.messages.back(), "Input and output files cannot be same");
}
