#include "run_cli.h"
#include "support/file_size_limit.h"
#include "support/random_puzzle.h"
#include "support/test_files.h"

using namespace vextor;
using namespace vextor::test;

namespace {

using SolveRun = CliRun;

SolveRun solve(std::vector<std::string> args) {
    args.insert(args.begin(), "solve");
    return runCli(args);
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
    auto lines = withoutTimes(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].substr(0, 11), "#2\tguessed\t");
    lines[1] = "";
    EXPECT_EQ(lines, (std::vector<std::string>{"#1\tsolved\t0\t0", "", "#3\tno-solution\t0\t0",
                                               "#4\tinvalid\t0\t0"}));
    EXPECT_NE(r.err.find("Solved without guesswork\n"), std::string::npos);
    EXPECT_NE(r.err.find("Invalid puzzle\n"), std::string::npos);

    r = solve({file, "2"});
    EXPECT_TRUE(r.status == 0 && withoutTimes(r.out).size() == 1u);
    r = solve({file, "2147483647"}); // the largest record number ends the loop
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(withoutTimes(r.out), std::vector<std::string>{"#2147483647\tinvalid\t0\t0"});

    // The largest and smallest values of --tries and --rounds.
    EXPECT_EQ(solve({file, "1", "--tries", "1000000000", "--rounds", "1000000"}).status, 0);
    EXPECT_EQ(solve({file, "1", "--rounds", "0", "--seed", "0"}).status, 0);
}

TEST(SolveCommand, WithoutANumberEveryRecordIsSolved) {
    TempDir dir;
    const std::string one = dir.file("one.vxt"), empty = dir.file("empty.vxt");
    append(one, {"X 0,4 0,3", "3,0 . .", "4,0 . ."}, 1, "Unique");
    writeFile(empty, "");
    SolveRun r = solve({one});
    EXPECT_TRUE(r.status == 0 &&
                withoutTimes(r.out) == std::vector<std::string>{"#1\tsolved\t0\t0"});
    for (const std::string& file : {empty, std::string("-")}) {
        r = solve({file});
        EXPECT_EQ(r.said() + r.out, "1 vextor-cli solve: no puzzle records in " + file + "\n");
    }
}

TEST(SolveCommand, OutAppendsSolvedRecordsOnly) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), out = dir.file("out.vxt");
    append(file, {"X 0,4 0,3", "3,0 . .", "4,0 . ."}, 7, "Unique");
    append(file, {"X 0,3 0,17", "3,0 . .", "17,0 . ."}, 8, "Broken");
    SolveRun r = solve({file, "--out", out});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("vextor-cli solve: #2 was not solved and is not written to " + out),
              std::string::npos)
        << r.err;
    const std::string solved = "#1\r\nUnique\r\n 3, 3\r\nX 0,4 0,3|X 0,4 0,3\r\n3,0 2|3,0 1 2\r\n"
                               "4,0 2|4,0 3 1\r\n";
    EXPECT_EQ(readFile(out), solved);
    // A full disk: the record cut short goes again.
    {
        FileSizeLimit full(solved.size() + 20);
        r = solve({file, "1", "--out", out});
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("vextor-cli solve: cannot write " + out), std::string::npos) << r.err;
    EXPECT_EQ(readFile(out), solved);
}

TEST(SolveCommand, SeedAndTriesRepeat) {
    TempDir dir;
    const std::string file = dir.file("p.vxt");
    for (int n = 1; n <= 4; ++n) {
        AppState st(1);
        makeRandomPuzzle(st, 6, 7, static_cast<std::uint64_t>(n) * 31, 0.85);
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
