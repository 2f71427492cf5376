// vextor-cli compile and create.
#include "base/text.h"
#include "cli/cli.h"
#include "files/puzzle_file.h"
#include "support/grid_builder.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace vextor;
using namespace vextor::test;

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

CliRun runCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

void append(const std::string& file, const std::vector<std::string>& rows, int n) {
    AppState st(1);
    makeGrid(st, rows);
    ASSERT_TRUE(AppendPuzzle(st, "Drawn", n, false, file));
}

const std::vector<std::string> kSquare = {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . . .",
                                          "-1,0 . . ."};

} // namespace

TEST(CompileCli, WritesTheCompiledRecordOrTheReason) {
    TempDir dir;
    const std::string file = dir.file("layouts.vxt");
    append(file, kSquare, 1);
    append(
        file,
        {"X 0,-1 0,-1 X X", "-1,0 . . X X", "-1,0 . . 0,-1 0,-1", "X X -1,0 . .", "X X -1,0 . ."},
        2);
    append(file, {"X 0,-1 X", "-1,0 . X", "X X X"}, 3);
    const CliRun ok = runCli({"compile", file, "1", "--largest-first"});
    EXPECT_EQ(ok.status, 0);
    EXPECT_EQ(ok.out, "#1\r\nDrawn\r\n 4, 4\r\nX 0,16 0,16 0,22|X 0,16 0,16 0,22\r\n"
                      "16,0 3|16,0 1 8 7\r\n16,0 3|16,0 8 2 6\r\n22,0 3|22,0 7 6 9\r\n");
    EXPECT_EQ(runCli({"compile", file, "1", "--largest-first", "--seed", "9"}).out, ok.out);
    const CliRun seeded = runCli({"compile", file, "1", "--seed", "9"});
    EXPECT_EQ(seeded.status, 0);
    EXPECT_EQ(runCli({"compile", file, "1", "--seed", "9"}).out, seeded.out);
    const std::pair<std::string, std::string> failures[] = {
        {"2", "Cells are blocked\n"},
        {"3", "Invalid puzzle, cannot compile\n"},
        {"4", "Error reading puzzle# 4 from file " + file + "\n"}};
    for (const auto& [n, err] : failures) {
        const CliRun r = runCli({"compile", file, n});
        EXPECT_TRUE(r.status == 1 && r.out.empty() && r.err == err) << n << ": " << r.err;
    }
    EXPECT_EQ(runCli({"compile", file, "1", "--seed", "x"}).status, 2);
}

// The records of a file without their title lines (random titles carry the
// date and time).
std::string withoutTitles(const std::string& text) {
    std::string out;
    bool title = false;
    for (const auto& line : split(text, '\n')) {
        if (!title)
            out += line + "\n";
        title = !line.empty() && line[0] == '#';
    }
    return out;
}

TEST(CreateCli, AppendsNumberedRecordsRepeatably) {
    TempDir dir;
    test::ScriptedUserInterface ui;
    const std::string file = dir.file("made.vxt");
    for (int n = 1; n <= 12; ++n)
        append(file, kSquare, n);
    const CliRun r =
        runCli({"create", file, "--count", "5", "--size", "7x8", "--seed", "3", "--solution"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, " 5 Puzzles added to file: " + file + "\n");
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 6u);
    for (int k = 0; k < 5; ++k) {
        const auto f = split(lines[static_cast<std::size_t>(k)], '\t');
        ASSERT_EQ(f.size(), 4u);
        EXPECT_EQ(f[0], std::to_string(13 + k));
        EXPECT_EQ(f[1], "7x8");
        EXPECT_GE(leadingInt(f[2]), 1);
    }
    EXPECT_EQ(CountPuzzles(file, ui), 17);
    const auto record = readRecord(file, 13);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->number, 13);
    EXPECT_EQ(record->title.substr(0, 11), "New Puzzle ");
    EXPECT_NE(record->lines[1].find('|'), std::string::npos);
    // The same seed makes the same puzzles; another seed others.
    for (const char* seed : {"3", "4"}) {
        const std::string again = dir.file(std::string("again") + seed);
        for (int n = 1; n <= 12; ++n)
            append(again, kSquare, n);
        runCli({"create", again, "--count", "5", "--size", "7x8", "--seed", seed, "--solution"});
        EXPECT_EQ(withoutTitles(readFile(again)) == withoutTitles(readFile(file)), *seed == '3');
    }
}

TEST(CreateCli, TemplatesCountsAndRefusals) {
    TempDir dir;
    test::ScriptedUserInterface ui;
    const std::string layouts = dir.file("layouts.vxt");
    append(layouts, kSquare, 1);
    const std::string out = dir.file("out.vxt");
    CliRun r = runCli({"create", out, "--count", "3", "--template", layouts + ":1", "--title", "Sq",
                       "--seed", "1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(CountPuzzles(out, ui), 3);
    EXPECT_EQ(readRecord(out, 3)->title, "Sq"); // a template keeps the plain title
    r = runCli({"create", out, "--count", "2", "--random-size", "--seed", "2"});
    EXPECT_EQ(r.status, 0);
    for (const auto& line : split(r.out, '\n'))
        if (!line.empty()) {
            const int side = leadingInt(split(line, '\t')[1]);
            EXPECT_TRUE(side >= 7 && side <= 10) << line;
        }
    // --count 0 makes one puzzle and writes nothing.
    r = runCli({"create", out, "--count", "0", "--size", "5x5", "--seed", "2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Puzzle created\n");
    EXPECT_EQ(CountPuzzles(out, ui), 5);
    const struct {
        std::vector<std::string> args;
        std::string err;
    } refused[] = {
        {{"--size", "11x10"}, "Maximum rows or columns are limted to 10 for this option\n"},
        {{"--size", "10x0"}, "Maximum rows or columns are limted to 10 for this option\n"},
        {{"--size", "3x10"}, "Random layouts need at least 4 rows and 4 columns\n"},
    };
    for (const auto& c : refused) {
        std::vector<std::string> args = {"create", out, "--count", "1"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        r = runCli(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err, c.err);
    }
    EXPECT_EQ(runCli({"create", out, "--size", "5x5"}).status, 2);
    EXPECT_EQ(runCli({"create", out, "--count", "1", "--size", "5x5", "--random-size"}).status, 2);
    EXPECT_EQ(CountPuzzles(out, ui), 5);
}
