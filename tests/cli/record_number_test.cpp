// Record numbers read alike by every command; solve over all records reads
// the file once and gives what solving each record alone gives.
#include "cli/cli.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace vextor;
using vextor::test::TempDir;
using vextor::test::writeFile;

namespace {

struct CliRun {
    int status = -1;
    std::string out, err;
};

CliRun runCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    CliRun r;
    r.status = cli::run(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

const std::string kTiny = "#1\r\nTiny\r\n 3, 3\r\nX 0,3 0,4\r\n3,0 2\r\n4,0 2\r\n";

// Output lines without the timing column.
std::string untimed(const std::string& out) {
    std::istringstream in(out);
    std::string line, result;
    while (std::getline(in, line))
        result += line.substr(0, line.rfind('\t')) + "\n";
    return result;
}

} // namespace

TEST(RecordNumbers, EveryCommandReadsThemAlike) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    writeFile(path, kTiny);
    for (const char* cmd : {"show", "check", "candidates", "solve"}) {
        for (const char* bad : {"0", "-0", "-2", "-99999999999", "99999999999", "1x", "+1", ""}) {
            const CliRun r = runCli({cmd, path, bad});
            EXPECT_EQ(r.status, 2) << cmd << " " << bad;
            EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
                      std::string("vextor-cli ") + cmd +
                          ": N must be a record number (1 or more) or -1 for the empty grid, "
                          "not '" +
                          bad + "'")
                << cmd << " " << bad;
            EXPECT_EQ(r.out, "") << cmd << " " << bad;
        }
        // -1, the empty grid, is a number for every command, not an option.
        EXPECT_NE(runCli({cmd, path, "-1"}).status, 2) << cmd;
        EXPECT_NE(runCli({cmd, path, "1"}).status, 2) << cmd;
        const std::string unknown = std::string("vextor-cli ") + cmd + ": unknown option '-x'\n";
        EXPECT_EQ(runCli({cmd, path, "1", "-x"}).err.substr(0, unknown.size()), unknown) << cmd;
    }
    EXPECT_EQ(runCli({"show", path, "-1"}).out.substr(0, 5), "#-1\r\n");
}

TEST(RecordNumbers, SolvingAllRecordsMatchesSolvingEachAlone) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    // Headers #0 and #x are found as records but not counted: all = 1..3.
    writeFile(path, "note\r\n" + kTiny + "#0\r\nZero\r\n 1, 1\r\nX\r\n" +
                        "#x\r\nCut\r\n 3, 3\r\nX 0,3 0,4\r\n" + kTiny + kTiny);
    const CliRun all = runCli({"solve", path, "all", "--seed", "3"});
    std::string each;
    for (const char* n : {"1", "2", "3"})
        each += runCli({"solve", path, n, "--seed", "3"}).out;
    EXPECT_EQ(untimed(all.out), untimed(each));
    EXPECT_EQ(untimed(all.out), "#1\tsolved\t0\t0\n#2\tinvalid\t0\t0\n#3\tinvalid\t0\t0\n");
    EXPECT_EQ(all.status, 1);
}
