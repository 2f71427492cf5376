// vextor-cli solutions: per record the count and the cells where two solutions differ.
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
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out;
    } cases[] = {
        {{"solutions", file}, 0, "#1\t1\t\n#2\t2+\t5,6,8,9\n#3\t0\t\n"},
        {{"solutions", file, "all"}, 0, "#1\t1\t\n#2\t2+\t5,6,8,9\n#3\t0\t\n"},
        {{"solutions", file, "2"}, 0, "#2\t2+\t5,6,8,9\n"},
        {{"solutions", file, "-1"}, 0, "#-1\t2+\t81\n"}, // no clues: any digits
        {{"solutions", file, "x"}, 2, ""},
        {{"solutions", file, "1", "2"}, 2, ""},
        {{"solutions", dir.file("none.vxt")}, 1, ""},
    };
    for (const auto& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::run(c.args, out, err), c.status) << c.args.back();
        EXPECT_EQ(out.str(), c.out) << c.args.back();
    }
}
