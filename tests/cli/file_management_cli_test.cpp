#include "cli/cli.h"
#include "support/test_files.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

using namespace vextor;
using vextor::test::readFile;
using vextor::test::TempDir;
using vextor::test::writeFile;

namespace {

struct CliResult {
    int status;
    std::string out;
    std::string err;
};

CliResult runCli(const std::vector<std::string>& args) {
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
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(readFile(out), c.expected);
        EXPECT_NE(r.err.find("3 puzzles sorted to file:\n" + out), std::string::npos) << r.err;
    }
    // Without --yes the overwrite question is answered No.
    const CliResult no = runCli({"sort", in, out, "--by", "title"});
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
    CliResult r = runCli({"convert", old, conv});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "done\n");
    EXPECT_EQ(readFile(conv), "#1\r\nT\r\n 1, 2\r\nX 2|X 1 2\r\n");
    writeFile(old, "junk\r\n");
    r = runCli({"--yes", "convert", old, conv});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "OverWrite file: " + conv + " ? [Yes]\nerror:junk\n");

    const std::string f = dir.file("puz.vxt");
    writeFile(f, rec(1, "a") + rec(2, "b") + rec(3, "c"));
    r = runCli({"delete", f, "2"});
    EXPECT_EQ(r.status, 0) << r.err;
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
