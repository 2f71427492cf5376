// vextor-cli solutions, rate, explain and create --unique.
#include "base/text.h"
#include "cli/cli.h"
#include "run_cli.h"
#include "support/test_files.h"

#include <algorithm>

using namespace vextor;
using namespace vextor::test;

namespace {

// #1 has one solution, #2 two (the digits of the square swap), #3 none.
const std::string kThree = "#1\r\nOne\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n"
                           "#2\r\nTwo\r\n 3, 3\r\nX 0,4 0,4\r\n4,0 2\r\n4,0 2\r\n"
                           "#3\r\nNone\r\n 3, 3\r\nX 0,3 0,3\r\n3,0 2\r\n4,0 2\r\n";

} // namespace

TEST(SolutionsCli, CountsAndDifferingCells) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), black = dir.file("black.vxt");
    writeFile(file, kThree);
    writeFile(black, "#1\r\nBlack\r\n 2, 2\r\nX X\r\nX X\r\n"); // no white cell: nothing to count
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{file, "all"}, "0 #1\t1\t\n#2\t2+\t5,6,8,9\n#3\t0\t\n"},
        {{file, "2"}, "0 #2\t2+\t5,6,8,9\n"},
        {{file, "-1"}, "0 #-1\t2+\t81\n"}, // no clues: any digits
        {{black}, "0 #1\tnone\t\n"},
        {{dir.file("none.vxt")}, "1 "},
    };
    for (auto [args, said] : cases) {
        args.insert(args.begin(), "solutions");
        const CliRun r = runCli(args);
        EXPECT_EQ(std::to_string(r.status) + " " + r.out, said) << args.back();
    }
}

TEST(SolutionsCli, ExplainPrintsEveryStepAndTheResult) {
    TempDir dir;
    const std::string file = dir.file("p.vxt");
    writeFile(file, kThree);
    const struct {
        std::vector<std::string> args;
        int status;
        std::vector<std::string> tail; // the last lines
        std::string err = "";
    } cases[] = {
        {{file, "1", "--tsv"},
         0,
         {"6\tlast-cell\t1\tr3c2=1\t3 down (column 2, rows 2\u20133) has one open cell left: 3 "
          "- 2 = 1, so row 3, column 2 is 1.",
          "result\tsolved\teasy\t5"}},
        {{file, "1"},
         0,
         {"6. Last open cell (easy): 3 down (column 2, rows 2\u20133) has one open cell left: 3 - "
          "2 = 1, so row 3, column 2 is 1.",
          "Solved in 6 steps: easy 5."}},
        // Two solutions: stuck; no solution: stuck, unsolved.
        {{file, "2"},
         0,
         {"Stuck after 2 steps, 4 of 4 cells open: needs trial and error (trial 100)."}},
        {{file, "3", "--tsv"}, 0, {"result\tstuck\tunsolved\t0"}},
        {{file, "3"},
         0,
         {"Stuck after 2 steps: a run or a cell has no possibility left, the clues have no "
          "solution."}},
        {{file, "4"}, 1, {}, "Error reading puzzle# 4 from file " + file + "\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.begin(), "explain");
        const CliRun r = runCli(args);
        EXPECT_EQ(r.said(), std::to_string(c.status) + " " + c.err) << c.args[1];
        std::vector<std::string> lines = split(r.out, '\n');
        if (!lines.empty() && lines.back().empty())
            lines.pop_back();
        ASSERT_GE(lines.size(), c.tail.size()) << c.args[1];
        EXPECT_TRUE(std::equal(c.tail.rbegin(), c.tail.rend(), lines.rbegin())) << c.args[1];
    }
}

TEST(SolutionsCli, RateAndUniqueCreation) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), made = dir.file("made.vxt");
    writeFile(file, kThree);
    const CliRun rate = runCli({"rate", file});
    EXPECT_EQ(rate.status, 0);
    EXPECT_EQ(rate.out.substr(0, 8), "#1\teasy\t");
    EXPECT_NE(rate.out.find("#2\ttrial\t100\n"), std::string::npos);
    EXPECT_NE(rate.out.find("#3\tunsolved\t0\n"), std::string::npos);
    // Every line of create --unique ends in unique or repaired.
    const CliRun r =
        runCli({"create", made, "--count", "3", "--size", "8x8", "--unique", "--seed", "4"});
    EXPECT_EQ(r.status, 0);
    for (const std::string& line : split(r.out, '\n'))
        EXPECT_TRUE(line.empty() || line.ends_with("\tunique") || line.ends_with("\trepaired"))
            << line;
}
