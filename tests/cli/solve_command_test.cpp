// vextor-cli solve: one line per record, the exit status, --seed and --out.
#include "run_cli.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"

using namespace vextor;
using namespace vextor::test;

namespace {

CliRun solve(std::vector<std::string> args) {
    args.insert(args.begin(), "solve");
    return runCli(args);
}

const std::vector<std::string> kUnique = {"X 0,4 0,3", "3,0 . .", "4,0 . ."};

} // namespace

TEST(SolveCommand, OneLinePerRecordAndExitStatus) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), empty = dir.file("empty.vxt");
    append(file, kUnique, 1, "Unique");
    append(file, {"X 0,3 0,3", "3,0 . .", "3,0 . ."}, 2, "Two");
    append(file, {"X 0,3 0,17", "3,0 . .", "17,0 . ."}, 3, "Broken");
    append(file, {"X 0,3 X", "3,0 X X", "X X X"}, 4, "Empty");

    // Without N every record; the same seed guesses alike.
    const CliRun r = solve({file, "--seed", "3"});
    EXPECT_EQ(r.status, 1);
    auto lines = withoutTimes(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[1].substr(0, 11), "#2\tguessed\t");
    std::string each;
    for (const char* n : {"1", "2", "3", "4"})
        each += solve({file, n, "--seed", "3"}).out;
    EXPECT_EQ(withoutTimes(each), lines);
    lines[1] = "";
    EXPECT_EQ(lines, (std::vector<std::string>{"#1\tsolved\t0\t0", "", "#3\tno-solution\t0\t0",
                                               "#4\tinvalid\t0\t0"}));

    EXPECT_EQ(solve({file, "2"}).status, 0);
    const CliRun last = solve({file, "2147483647"}); // the largest record number ends the loop
    EXPECT_EQ(last.status, 1);
    EXPECT_EQ(withoutTimes(last.out), std::vector<std::string>{"#2147483647\tinvalid\t0\t0"});
    // The largest and smallest values of --tries and --rounds.
    EXPECT_EQ(solve({file, "1", "--tries", "1000000000", "--rounds", "1000000"}).status, 0);
    EXPECT_EQ(solve({file, "1", "--rounds", "0", "--seed", "0"}).status, 0);

    writeFile(empty, "");
    for (const std::string& f : {empty, std::string("-")})
        EXPECT_EQ(solve({f}).said(), "1 vextor-cli solve: no puzzle records in " + f + "\n");
}

TEST(SolveCommand, OutAppendsSolvedRecordsOnly) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), out = dir.file("out.vxt");
    append(file, kUnique, 7, "Unique");
    append(file, {"X 0,3 0,17", "3,0 . .", "17,0 . ."}, 8, "Broken");
    CliRun r = solve({file, "--out", out});
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
