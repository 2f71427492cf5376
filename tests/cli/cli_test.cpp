#include "cli/console_ui.h"
#include "files/puzzle_file.h"
#include "run_cli.h"
#include "state/grid_commands.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace vextor;
using namespace vextor::test;

namespace {

using Result = vextor::test::CliRun;

// A 4 x 5 puzzle with a run over a row end and a solution with an unsolved cell.
void appendSample(const std::string& path, const std::string& title, int n, bool withSolution) {
    AppState st(1);
    ScriptedUserInterface ui;
    BuildGrid(st, ui, 4, 5);
    auto sum = [&](int i, int a, int d) {
        st.grid[i].known = true;
        st.grid[i].BackColor = st.greycol;
        st.grid[i].across = a;
        st.grid[i].down = d;
    };
    sum(1, 0, 0);
    st.grid[1].Black = true;
    st.grid[1].BackColor = st.blackcol;
    for (auto [i, a, d] : {std::tuple{2, 0, 10}, {3, 0, 17}, {4, 0, 6}, {6, 24, 0}, {16, 7, 0}})
        sum(i, a, d);
    for (int i : {5, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 20})
        st.grid[i].Choices = std::to_string(i % 9 + 1);
    st.grid[12].Choices = "123";
    st.grid[13].Choices.clear();
    ASSERT_TRUE(AppendPuzzle(st, title, n, withSolution, path));
}

} // namespace

TEST(Cli, ShowReproducesWhatAppendPuzzleWrote) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    appendSample(path, "First, with a comma", 1, true);
    appendSample(path, "Second", 2, false);
    appendSample(path, "\"Third\"", 3, true);
    const std::string file = readFile(path);

    EXPECT_EQ(runCli({"count", path}).out, "3\n");
    std::string shown;
    for (const auto& [n, sol] : {std::pair{1, true}, {2, false}, {3, true}}) {
        std::vector<std::string> args = {"show", path, std::to_string(n)};
        if (sol)
            args.push_back("--solution");
        const Result r = runCli(args);
        EXPECT_TRUE(r.status == 0 && r.err.empty()) << r.err;
        shown += r.out;
    }
    EXPECT_EQ(shown, file);

    // Without --solution only the layout part is printed.
    const Result layout = runCli({"show", path, "1"});
    EXPECT_EQ(layout.out.find('|'), std::string::npos);
    EXPECT_EQ(layout.out.substr(0, 27), "#1\r\n\"First, with a comma\"\r\n");

    // Options may stand anywhere; --yes is accepted everywhere.
    EXPECT_EQ(runCli({"--yes", "show", "--solution", path, "3"}).out,
              runCli({"show", path, "3", "--solution"}).out);
}

TEST(Cli, FailuresAndUsageErrors) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    appendSample(path, "One", 1, true);

    Result r = runCli({"show", path, "2"});
    EXPECT_TRUE(r.status == 1 && r.out.empty());
    EXPECT_EQ(r.err, "Error reading puzzle# 2 from file " + path + "\n");
    EXPECT_EQ(runCli({"show", dir.file("missing.vxt"), "1"}).status, 1);

    EXPECT_EQ(runCli({"count", dir.file("missing.vxt")}).out, "0\n");
    // Record -1 is the empty 9 x 9 grid, with no solution from the file.
    r = runCli({"show", path, "-1"});
    EXPECT_EQ(r.said() + r.out, "0 #-1\r\n\r\n 9, 9\r\n81\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(runCli({"show", path, "-1", "--solution"}).out,
              runCli({"show", dir.file("missing.vxt"), "-1", "--solution"}).out);

    const std::pair<std::vector<std::string>, std::string> usage[] = {
        {{}, "Usage: vextor-cli [--yes] COMMAND"},
        {{"frobnicate"}, "vextor-cli: unknown command 'frobnicate'\n"},
        {{"show", path}, "vextor-cli show: missing arguments\n"},
        {{"show", path, "1", "2"}, "vextor-cli show: too many arguments\n"},
        {{"show", path, "1", "--bogus"}, "vextor-cli show: unknown option '--bogus'\n"},
        {{"count"}, "vextor-cli count: missing arguments\n"},
        {{"count", path, "--solution"}, "vextor-cli count: unknown option '--solution'\n"},
        {{"help", "frobnicate"}, "vextor-cli help: no command 'frobnicate'\n"},
    };
    for (const auto& [args, err] : usage) {
        r = runCli(args);
        EXPECT_TRUE(r.status == 2 && r.out.empty()) << err;
        EXPECT_EQ(r.err.substr(0, err.size()), err);
    }
}

TEST(Cli, Help) {
    const Result tool = runCli({"--help"});
    EXPECT_EQ(tool.status, 0);
    for (const char* cmd :
         {"count FILE", "show FILE N [--solution]", "check FILE N", "candidates FILE N", "--yes"})
        EXPECT_NE(tool.out.find(cmd), std::string::npos) << cmd;
    EXPECT_EQ(runCli({"help"}).out, tool.out);
    // Each summary goes on the line below its usage.
    EXPECT_NE(tool.out.find("\n  solve FILE [N|all] [--seed S] [--tries N] [--rounds R] [--out "
                            "OUTFILE]\n      Solve records"),
              std::string::npos);

    const Result show = runCli({"show", "--help"});
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
    EXPECT_FALSE(no.inputBox("p", "t", "d").has_value());
    EXPECT_EQ(no.pickFile(FileRequest{}), "");
    {
        BusyPointer busy(no);
        no.pumpEvents();
    }
    EXPECT_EQ(err.str(), "Line one\nLine two\nbare\rCR and\nLF\r\nDelete? [No]\nKeep? [No]\n");

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
        {"X X X\r\nX 2\r\nX X X", 1,
         "Cell 5 () does not appears to be part of any across or down sums\n", nullptr},
        // Warnings are shown but do not fail the check.
        {"X 0,3 0,4\r\n3,0 2\r\nX 2", 0, "Row at cell 8 across may not have unique digits\n",
         nullptr},
    };
    for (const auto& c : cases) {
        const std::string file = dir.file("p.vxt");
        writeFile(file, "#1\r\nT\r\n 3, 3\r\n" + std::string(c.layout) + "\r\n");
        Result r = runCli({"check", file, "1"});
        EXPECT_TRUE(r.status == c.check && r.err == c.err) << c.layout << ": " << r.err;
        if (c.candidates) {
            r = runCli({"candidates", file, "1"});
            EXPECT_TRUE(r.status == 0 && r.out == c.candidates) << r.out;
        }
    }
    const std::string tiny = dir.file("p.vxt");
    for (const char* cmd : {"check", "candidates"}) {
        EXPECT_EQ(runCli({cmd, tiny, "5"}).said(),
                  "1 Error reading puzzle# 5 from file " + tiny + "\n");
        EXPECT_EQ(runCli({cmd, tiny}).status, 2) << cmd;
        EXPECT_EQ(runCli({cmd, "--help"}).status, 0) << cmd;
    }
}
