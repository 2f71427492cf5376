// vextor-cli: count, show, check and candidates, usage errors, help, the console interface.
#include "cli/command.h"
#include "files/puzzle_file.h"
#include "run_cli.h"
#include "support/test_files.h"

#include <sstream>

using namespace vextor;
using namespace vextor::test;

namespace {

// A 4 x 5 puzzle with a run over a row end and a solution with an unsolved and
// an empty cell.
void appendSample(const std::string& path, const std::string& title, int n, bool withSolution) {
    append(path, {"X 0,10 0,17 0,6 6", "24,0 8 9 1 2", "3 123 . 6 7", "7,0 9 1 2 3"}, n, title,
           withSolution);
}

} // namespace

TEST(Cli, CountAndShowReproduceWhatAppendPuzzleWrote) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    appendSample(path, "First, with a comma", 1, true);
    appendSample(path, "Second", 2, false);
    EXPECT_EQ(runCli({"count", path}).out, "2\n");
    // Options may stand anywhere; --yes is accepted everywhere.
    const CliRun one = runCli({"--yes", "show", "--solution", path, "1"});
    EXPECT_TRUE(one.status == 0 && one.err.empty()) << one.err;
    EXPECT_EQ(one.out + runCli({"show", path, "2"}).out, readFile(path));
    // Without --solution only the layout part is printed.
    const CliRun layout = runCli({"show", path, "1"});
    EXPECT_EQ(layout.out.find('|'), std::string::npos);
    EXPECT_EQ(layout.out.substr(0, 27), "#1\r\n\"First, with a comma\"\r\n");
}

TEST(Cli, FailuresAndUsageErrors) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    appendSample(path, "One", 1, true);

    CliRun r = runCli({"show", path, "2"});
    EXPECT_TRUE(r.status == 1 && r.out.empty());
    EXPECT_EQ(r.err, "Error reading puzzle# 2 from file " + path + "\n");

    EXPECT_EQ(runCli({"count", dir.file("missing.vxt")}).out, "0\n");
    // Record -1 is the empty 9 x 9 grid, with no solution from the file.
    r = runCli({"show", path, "-1"});
    EXPECT_EQ(r.said() + r.out, "0 #-1\r\n\r\n 9, 9\r\n81\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(runCli({"show", path, "-1", "--solution"}).out,
              runCli({"show", dir.file("missing.vxt"), "-1", "--solution"}).out);

    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{}, "Usage: vextor-cli [--yes] COMMAND"},
        {{"frobnicate"}, "vextor-cli: unknown command 'frobnicate'\n"},
        {{"help", "frobnicate"}, "vextor-cli help: no command 'frobnicate'\n"},
    };
    for (const auto& [args, err] : usage) {
        r = runCli(args);
        EXPECT_TRUE(r.status == 2 && r.out.empty()) << err;
        EXPECT_EQ(r.err.substr(0, err.size()), err);
    }
    // Words that do not fit a command's declarations: its usage line follows.
    const std::pair<const char*, std::string> problems[] = {
        {"show|f", "missing arguments"},
        {"show|f|1|2", "too many arguments"},
        {"show|f|1|--bogus", "unknown option '--bogus'"},
        {"show|f|1|-x", "unknown option '-x'"},
        {"solve", "missing arguments"},
        {"count|f|--solution", "unknown option '--solution'"},
        {"solve|f|--tries", "--tries needs a value"},
        {"solve|f|--tries|5x", "--tries needs a whole number from 1 to 1000000000, not '5x'"},
        {"solve|f|--tries|0", "--tries needs a whole number from 1 to 1000000000, not '0'"},
        {"solve|f|--rounds|1000001",
         "--rounds needs a whole number from 0 to 1000000, not '1000001'"},
        {"solve|f|--seed|-1", "--seed needs a whole number from 0 up, not '-1'"},
        {"sort|i|o|--by|size", "--by needs number, rows or title, not 'size'"},
        {"sort|i|o|--renumber|x", "--renumber needs a whole number, not 'x'"},
        {"sort|i|o|--descending=x", "unknown option '--descending=x'"},
        {"create|o|--size|5x5", "--count N is required"},
        {"create|o|--count|-1", "--count needs a whole number from 0 up, not '-1'"},
        {"create|o|--count|1", "give one of --size, --random-size and --template"},
        {"create|o|--count|1|--size|5x5|--random-size",
         "give one of --size, --random-size and --template"},
        {"create|o|--count|1|--size|5x5|--difficulty|easy",
         "--difficulty and --symmetry need --classic"},
        {"create|o|--count|1|--size|5x5x5", "--size needs RxC, not '5x5x5'"},
        {"create|o|--count|1|--size|5 x 5", "--size needs RxC, not '5 x 5'"},
        {"create|o|--count|1|--template|p.vxt", "--template needs FILE:M, not 'p.vxt'"},
        {"create|o|--count|1|--template|p.vxt:-1",
         "M must be a record number (1 or more), not '-1'"},
    };
    for (const auto& [words, problem] : problems) {
        const auto args = split(words, '|');
        r = runCli(args);
        EXPECT_EQ(r.said() + r.out, "2 vextor-cli " + args[0] + ": " + problem +
                                        "\nUsage: vextor-cli " + args[0] + " " +
                                        cli::findCommand(args[0])->usage() + "\n");
    }
}

TEST(Cli, Help) {
    const CliRun tool = runCli({"--help"});
    EXPECT_EQ(tool.status, 0);
    EXPECT_EQ(runCli({"help"}).out, tool.out);
    // Usage lines come from the declarations; each summary goes on the line below.
    EXPECT_NE(tool.out.find("\n  show FILE N [--solution]\n      "), std::string::npos);
    const CliRun show = runCli({"show", "--help"});
    EXPECT_EQ(show.out.rfind("Usage: vextor-cli show FILE N [--solution]\n", 0), 0u);
    EXPECT_EQ(runCli({"help", "show"}).out, show.out);
    EXPECT_EQ(runCli({"show", "x.vxt", "1", "-h"}).out, show.out);
    EXPECT_NE(runCli({"count", "--help"}).out, show.out);
}

TEST(Cli, ConsoleUserInterface) {
    std::ostringstream err;
    cli::ConsoleUserInterface no(err, false);
    no.message("Line one\r\nLine two");
    no.message("bare\rCR and\nLF\r");
    EXPECT_FALSE(no.askYesNo("Delete?"));
    EXPECT_EQ(no.askYesNoCancel("Keep?"), Answer::No);
    EXPECT_FALSE(no.askYesNoDefaultNo("Sure?"));
    EXPECT_FALSE(no.inputBox("p", "t", "d").has_value());
    EXPECT_EQ(no.pickFile(FileRequest{}), "");
    EXPECT_EQ(err.str(), "Line one\nLine two\nbare\rCR and\nLF\r\nDelete? [No]\nKeep? [No]\n"
                         "Sure? (default No) [No]\n");

    cli::ConsoleUserInterface yes(err, true);
    EXPECT_TRUE(yes.askYesNo("Delete?"));
    EXPECT_EQ(yes.askYesNoCancel("Keep?"), Answer::Yes);
}

TEST(Cli, CheckAndCandidates) {
    TempDir dir;
    const struct {
        const char* layout;
        int check;
        const char *err, *candidates;
    } cases[] = {
        // Candidates come from the table only, whatever the file's solution says.
        {"X 0,3 0,4|X 0,3 0,4\r\n3,0 2|3,0 2 1\r\n4,0 2|4,0 1 3", 0, "",
         "X 0,3 0,4\n3,0 12 1\n4,0 1 13\n"},
        // A clue over a single cell is an error; a run of one cell gets no digits.
        {"X 0,3 0,4\r\n3,0 2\r\n4,0 1 X", 1, "Need at least 2 cells for sum ( 4) down at 3\n",
         "X 0,3 0,4\n3,0 12 12\n4,0 - X\n"},
        // Warnings are shown but do not fail the check.
        {"X 0,3 0,4\r\n3,0 2\r\nX 2", 0, "Row at cell 8 across may not have unique digits\n",
         nullptr},
    };
    for (const auto& c : cases) {
        const std::string file = dir.file("p.vxt");
        writeFile(file, "#1\r\nT\r\n 3, 3\r\n" + std::string(c.layout) + "\r\n");
        CliRun r = runCli({"check", file, "1"});
        EXPECT_TRUE(r.status == c.check && r.err == c.err) << c.layout << ": " << r.err;
        if (c.candidates) {
            r = runCli({"candidates", file, "1"});
            EXPECT_TRUE(r.status == 0 && r.out == c.candidates) << r.out;
        }
    }
}
