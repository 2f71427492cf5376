// vextor-cli solutions, rate and create --unique.
#include "base/text.h"
#include "cli/cli.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sstream>

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
    const std::string file = dir.file("p.vxt");
    writeFile(file, kThree);
    const std::string black = dir.file("black.vxt"); // no white cell: nothing to count
    writeFile(black, "#1\r\nBlack\r\n 2, 2\r\nX X\r\nX X\r\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"solutions", file}, 0, "#1\t1\t\n#2\t2+\t5,6,8,9\n#3\t0\t\n"},
        {{"solutions", file, "all"}, 0, "#1\t1\t\n#2\t2+\t5,6,8,9\n#3\t0\t\n"},
        {{"solutions", file, "2"}, 0, "#2\t2+\t5,6,8,9\n"},
        {{"solutions", file, "-1"}, 0, "#-1\t2+\t81\n"}, // no clues: any digits
        {{"solutions", black}, 0, "#1\tnone\t\n"},
        {{"solutions", dir.file("none.vxt")}, 1, ""},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::run(c.args, out, err), c.status) << c.args.back();
        EXPECT_EQ(out.str(), c.out) << c.args.back();
    }
}

TEST(SolutionsCli, RateAndUniqueCreation) {
    TempDir dir;
    const std::string file = dir.file("p.vxt");
    writeFile(file, kThree);
    std::ostringstream out, err;
    EXPECT_EQ(cli::run({"rate", file}, out, err), 0);
    EXPECT_EQ(out.str().substr(0, 8), "#1\teasy\t");
    EXPECT_NE(out.str().find("#2\tvery hard\t"), std::string::npos);
    EXPECT_NE(out.str().find("#3\tunsolved\t0\n"), std::string::npos);
    // Every line of create --unique ends in unique or repaired, and every
    // record made has one solution.
    const std::string made = dir.file("made.vxt");
    std::ostringstream cout, cerr, sout;
    EXPECT_EQ(cli::run({"create", made, "--count", "3", "--size", "8x8", "--unique", "--seed", "4"},
                       cout, cerr),
              0);
    for (const std::string& line : split(cout.str(), '\n'))
        EXPECT_TRUE(line.empty() || line.ends_with("\tunique") || line.ends_with("\trepaired"))
            << line;
    EXPECT_EQ(cli::run({"solutions", made}, sout, cerr), 0);
    EXPECT_EQ(sout.str(), "#1\t1\t\n#2\t1\t\n#3\t1\t\n");
}
