// vextor-cli solutions, rate and create --unique.
#include "run_cli.h"
#include "support/test_files.h"

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
        {{file}, "0 #1\t1\t\n#2\t2+\t5,6,8,9\n#3\t0\t\n"},
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

TEST(SolutionsCli, RateAndUniqueCreation) {
    TempDir dir;
    const std::string file = dir.file("p.vxt"), made = dir.file("made.vxt");
    writeFile(file, kThree);
    const CliRun rate = runCli({"rate", file});
    EXPECT_EQ(rate.status, 0);
    EXPECT_EQ(rate.out.substr(0, 8), "#1\teasy\t");
    EXPECT_NE(rate.out.find("#2\tvery hard\t"), std::string::npos);
    EXPECT_NE(rate.out.find("#3\tunsolved\t0\n"), std::string::npos);
    // Every line of create --unique ends in unique or repaired, and every
    // record made has one solution.
    const CliRun r =
        runCli({"create", made, "--count", "3", "--size", "8x8", "--unique", "--seed", "4"});
    EXPECT_EQ(r.status, 0);
    for (const std::string& line : split(r.out, '\n'))
        EXPECT_TRUE(line.empty() || line.ends_with("\tunique") || line.ends_with("\trepaired"))
            << line;
    EXPECT_EQ(runCli({"solutions", made}).out, "#1\t1\t\n#2\t1\t\n#3\t1\t\n");
}
