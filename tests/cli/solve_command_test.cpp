#include "base/text.h"
#include "cli/cli.h"
#include "files/puzzle_file.h"
#include "support/grid_builder.h"
#include "support/random_puzzle.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace vextor;
using vextor::test::TempDir;

namespace {

struct SolveRun {
    int status = -1;
    std::string out, err;
};

SolveRun solve(const std::vector<std::string>& args) {
    std::vector<std::string> all = {"solve"};
    all.insert(all.end(), args.begin(), args.end());
    std::ostringstream out, err;
    SolveRun r;
    r.status = cli::run(all, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

// Appends a hand-made puzzle as record n.
void append(const std::string& file, const std::vector<std::string>& rows, int n,
            const std::string& title) {
    AppState st(1);
    vextor::test::makeGrid(st, rows);
    ASSERT_TRUE(AppendPuzzle(st, title, n, false, file));
}

// The lines of the output without the timing column.
std::vector<std::string> withoutTimes(const std::string& out) {
    std::vector<std::string> lines;
    for (const auto& line : split(out, '\n')) {
        if (line.empty())
            continue;
        lines.push_back(line.substr(0, line.rfind('\t')));
    }
    return lines;
}

} // namespace

TEST(SolveCommand, OneLinePerRecordAndExitStatus) {
    TempDir dir;
    const std::string file = dir.file("p.vxt");
    append(file, {"X 0,4 0,3", "3,0 . .", "4,0 . ."}, 1, "Unique");
    append(file, {"X 0,3 0,3", "3,0 . .", "3,0 . ."}, 2, "Two");
    append(file, {"X 0,3 0,17", "3,0 . .", "17,0 . ."}, 3, "Broken");
    append(file, {"X 0,3 X", "3,0 X X", "X X X"}, 4, "Empty");

    SolveRun r = solve({file, "--seed", "3"});
    EXPECT_EQ(r.status, 1);
    const auto lines = withoutTimes(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "#1\tsolved\t0\t0");
    EXPECT_EQ(lines[1].substr(0, 11), "#2\tguessed\t");
    EXPECT_EQ(lines[2], "#3\tno-solution\t0\t0");
    EXPECT_EQ(lines[3], "#4\tinvalid\t0\t0");
    EXPECT_NE(r.err.find("Solved without guesswork\n"), std::string::npos);
    EXPECT_NE(r.err.find("Invalid puzzle\n"), std::string::npos);

    r = solve({file, "2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(withoutTimes(r.out).size(), 1u);
    r = solve({file, "2147483647"}); // the largest record number ends the loop
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(withoutTimes(r.out), std::vector<std::string>{"#2147483647\tinvalid\t0\t0"});

    // Usage errors: values with junk or out of range, options without values.
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {file, "x"},
             {file, "0"},
             {file, "1", "2"},
             {},
             {file, "--bogus"},
             {"-x"},
             {file, "--tries"},
             {file, "--out"},
             {file, "--tries", "5x"},
             {file, "--tries", "0"},
             {file, "--tries", "1000000001"},
             {file, "--rounds", "-1"},
             {file, "--rounds", "1000001"},
             {file, "--rounds", "2 "},
             {file, "--seed", "-1"},
         }) {
        r = solve(args);
        EXPECT_EQ(r.status, 2) << (args.size() > 1 ? args.back() : "");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(solve({file, "1", "--tries", "1000000000", "--rounds", "1000000"}).status, 0);
    EXPECT_EQ(solve({file, "1", "--rounds", "0", "--seed", "0"}).status, 0);
}

TEST(SolveCommand, WithoutANumberEveryRecordIsSolved) {
    TempDir dir;
    const std::string one = dir.file("one.vxt"), empty = dir.file("empty.vxt");
    append(one, {"X 0,4 0,3", "3,0 . .", "4,0 . ."}, 1, "Unique");
    vextor::test::writeFile(empty, "");
    SolveRun r = solve({one});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(withoutTimes(r.out), std::vector<std::string>{"#1\tsolved\t0\t0"});
    for (const std::string& file : {empty, std::string("-")}) {
        r = solve({file});
        EXPECT_EQ(r.status, 1) << file;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "vextor-cli solve: no puzzle records in " + file + "\n");
    }
}

TEST(SolveCommand, OutAppendsSolvedRecords) {
    TempDir dir;
    const std::string file = dir.file("p.vxt");
    const std::string out = dir.file("out.vxt");
    append(file, {"X 0,4 0,3", "3,0 . .", "4,0 . ."}, 7, "Unique");
    EXPECT_EQ(solve({file, "1", "--out", out}).status, 0);
    const std::string text = vextor::test::readFile(out);
    EXPECT_EQ(text, "#1\r\nUnique\r\n 3, 3\r\nX 0,4 0,3|X 0,4 0,3\r\n3,0 2|3,0 1 2\r\n"
                    "4,0 2|4,0 3 1\r\n");
}

TEST(SolveCommand, SeedAndTriesRepeat) {
    TempDir dir;
    const std::string file = dir.file("p.vxt");
    for (int n = 1; n <= 4; ++n) {
        AppState st(1);
        vextor::test::makeRandomPuzzle(st, 6, 7, static_cast<std::uint64_t>(n) * 31, 0.85);
        for (int i = 1; i <= st.grid.ncells; ++i)
            if (!st.grid[i].known)
                st.grid[i].Choices.clear();
        ASSERT_TRUE(AppendPuzzle(st, "Random", n, false, file));
    }
    const SolveRun a = solve({file, "all", "--seed", "11", "--tries", "5", "--rounds", "2"});
    const SolveRun b = solve({file, "--seed", "11", "--tries", "5", "--rounds", "2"});
    EXPECT_EQ(withoutTimes(a.out), withoutTimes(b.out));
    EXPECT_EQ(a.err, b.err);
    EXPECT_EQ(withoutTimes(a.out).size(), 4u);
}
