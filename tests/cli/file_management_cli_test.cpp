// vextor-cli on puzzle files: record numbers read alike by every command,
// solve over all records, sort, convert, delete and backup.
#include "cli/cli.h"
#include "support/test_files.h"

#include <filesystem>
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

std::string rec(int n, const std::string& title, int rows = 1) {
    std::string s =
        "#" + std::to_string(n) + "\r\n" + title + "\r\n " + std::to_string(rows) + ", 2\r\n";
    for (int r = 0; r < rows; ++r)
        s += "X 0,3\r\n";
    return s;
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

TEST(FileManagementCli, SortOptionsAndOverwrite) {
    TempDir dir;
    const std::string in = dir.file("in.vxt"), out = dir.file("out.vxt");
    writeFile(in, rec(10, "b", 3) + rec(2, "C", 1) + rec(7, "a", 2));
    struct Case {
        std::vector<std::string> options;
        std::string expected;
    } cases[] = {
        {{}, rec(2, "C", 1) + rec(7, "a", 2) + rec(10, "b", 3)},
        {{"--by", "title"}, rec(7, "a", 2) + rec(10, "b", 3) + rec(2, "C", 1)},
        {{"--by=rows", "--descending"}, rec(10, "b", 3) + rec(7, "a", 2) + rec(2, "C", 1)},
        {{"--renumber", "5", "--descending"}, rec(5, "b", 3) + rec(6, "a", 2) + rec(7, "C", 1)},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"--yes", "sort", in, out};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliRun r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(readFile(out), c.expected);
        EXPECT_NE(r.err.find("3 puzzles sorted to file:\n" + out), std::string::npos) << r.err;
    }
    // Without --yes the overwrite question is answered No.
    const CliRun no = runCli({"sort", in, out, "--by", "title"});
    EXPECT_EQ(no.status, 1);
    EXPECT_EQ(no.err, "OverWrite file: " + out + " ? [No]\n");
    EXPECT_EQ(readFile(out), cases[3].expected);
    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"sort", in},
                                               {"sort", in, out, "--by", "size"},
                                               {"sort", in, out, "--renumber"},
                                               {"sort", in, out, "--renumber", "x"},
                                               {"sort", in, out, "--fast"},
                                               {"convert", in},
                                               {"delete", in, "two"},
                                               {"backup"}})
        EXPECT_EQ(runCli(bad).status, 2) << bad.back();
    EXPECT_NE(runCli({"--yes", "sort", in, in}).err.find("Input and output files cannot be same\n"),
              std::string::npos);
}

TEST(FileManagementCli, ConvertDeleteAndBackup) {
    TempDir dir;
    const std::string old = dir.file("old.vxt"), conv = dir.file("conv.vxt");
    writeFile(old, "#4\r\nT\r\n 1, 2\r\nX 2\r\na\r\nb\r\nc\r\nX 1 2\r\n");
    CliRun r = runCli({"convert", old, conv});
    EXPECT_EQ(r.err, "done\n");
    EXPECT_EQ(readFile(conv), "#1\r\nT\r\n 1, 2\r\nX 2|X 1 2\r\n");
    writeFile(old, "junk\r\n");
    r = runCli({"--yes", "convert", old, conv});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "OverWrite file: " + conv + " ? [Yes]\nerror:junk\n");
    const std::string f = dir.file("puz.vxt");
    writeFile(f, rec(1, "a") + rec(2, "b") + rec(3, "c"));
    r = runCli({"delete", f, "2"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "Done\n");
    EXPECT_EQ(readFile(f), rec(1, "a") + rec(3, "c"));
    for (const char* n : {"3", "0"}) {
        r = runCli({"delete", f, n});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, std::string(" ") + n + " Not found\n");
    }
    r = runCli({"delete", dir.file("missing.vxt"), "1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Unable to read file:\n" + dir.file("missing.vxt") + "\n");
    for (const char* name : {"puz;01.vxt", "puz;02.vxt"}) {
        r = runCli({"backup", f});
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, dir.file(name) + "\n");
        EXPECT_EQ(r.err, "File backed up as:\n" + dir.file(name) + "\n");
        EXPECT_EQ(readFile(dir.file(name)), readFile(f));
    }
    EXPECT_EQ(runCli({"backup", dir.file("missing.vxt")}).status, 1);
}

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
