// vextor-cli on puzzle files: record numbers, sort, convert, delete, backup, compile
// and create.
#include "cli/command.h"
#include "run_cli.h"
#include "support/file_size_limit.h"
#include "support/test_files.h"

#include <algorithm>

using namespace vextor;
using namespace vextor::test;

namespace {

std::string rec(int n, const std::string& title, int rows = 1) {
    std::string s =
        "#" + std::to_string(n) + "\r\n" + title + "\r\n " + std::to_string(rows) + ", 2\r\n";
    for (int r = 0; r < rows; ++r)
        s += "X 0,3\r\n";
    return s;
}

const std::string kTiny = tinyRecord(1, false, "Tiny");

const std::vector<std::string> kSquare = {"X 0,-1 0,-1 0,-1", "-1,0 . . .", "-1,0 . . .",
                                          "-1,0 . . ."};

} // namespace

TEST(FileManagementCli, SortConvertDeleteAndBackup) {
    TempDir dir;
    const std::string in = dir.file("in.vxt"), out = dir.file("out.vxt");
    writeFile(in, rec(10, "b", 3) + rec(2, "C", 1) + rec(7, "a", 2));
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--by", "title", "--renumber", "5"}, rec(5, "a", 2) + rec(6, "b", 3) + rec(7, "C", 1)},
        {{"--by=rows", "--descending"}, rec(10, "b", 3) + rec(7, "a", 2) + rec(2, "C", 1)},
    };
    for (const auto& [options, expected] : cases) {
        std::vector<std::string> args = {"--yes", "sort", in, out};
        args.insert(args.end(), options.begin(), options.end());
        const CliRun r = runCli(args);
        EXPECT_TRUE(r.status == 0 && readFile(out) == expected) << r.err;
        EXPECT_NE(r.err.find("3 puzzles sorted to file:\n" + out), std::string::npos) << r.err;
    }
    // Without --yes the overwrite question is answered No.
    EXPECT_EQ(runCli({"sort", in, out}).said(), "1 OverWrite file: " + out + " ? [No]\n");
    EXPECT_EQ(readFile(out), cases[1].second);

    const std::string old = dir.file("old.vxt"), conv = dir.file("conv.vxt");
    writeFile(old, "#4\r\nT\r\n 1, 2\r\nX 2\r\na\r\nb\r\nc\r\nX 1 2\r\n");
    EXPECT_EQ(runCli({"convert", old, conv}).said(), "0 done\n");
    EXPECT_EQ(readFile(conv), "#1\r\nT\r\n 1, 2\r\nX 2|X 1 2\r\n");
    writeFile(old, "junk\r\n");
    EXPECT_EQ(runCli({"--yes", "convert", old, conv}).said(),
              "1 OverWrite file: " + conv + " ? [Yes]\nerror:junk\n");

    const std::string f = dir.file("puz.vxt");
    writeFile(f, rec(1, "a") + rec(2, "b") + rec(3, "c"));
    EXPECT_EQ(runCli({"delete", f, "2"}).said(), "0 Done\n");
    EXPECT_EQ(readFile(f), rec(1, "a") + rec(3, "c"));
    EXPECT_EQ(runCli({"delete", f, "3"}).said(), "1  3 Not found\n");
    const CliRun r = runCli({"backup", f});
    EXPECT_EQ(r.said() + r.out, "0 File backed up as:\n" + dir.file("puz;01.vxt") + "\n" +
                                    dir.file("puz;01.vxt") + "\n");
    EXPECT_EQ(readFile(dir.file("puz;01.vxt")), readFile(f));
}

TEST(RecordNumbers, EveryCommandReadsThemAlike) {
    TempDir dir;
    const std::string path = dir.file("p.vxt");
    writeFile(path, kTiny);
    int checked = 0;
    for (const cli::Command* cmd : cli::commands()) {
        const auto n = std::find_if(cmd->args.begin(), cmd->args.end(), [](const cli::Arg& a) {
            return a.positional() && a.name == "N";
        });
        if (n == cmd->args.end())
            continue;
        ++checked;
        std::vector<std::string> bad = {
            "0", "-0", "-2", "-99999999999", "99999999999", "x", "1.5", "1x", "+1", "-1.5", ""};
        if (!n->emptyGrid)
            bad.push_back("-1");
        else // -1, the empty grid, is a number, not an option
            EXPECT_NE(runCli({std::string(cmd->name), path, "-1"}).status, 2) << cmd->name;
        const std::string rule = std::string("vextor-cli ") + std::string(cmd->name) +
                                 ": N must be a record number (1 or more)" +
                                 (n->emptyGrid ? " or -1 for the empty grid" : "") + ", not '";
        for (const std::string& word : bad) {
            const CliRun r = runCli({std::string(cmd->name), path, word});
            EXPECT_EQ(r.said() + r.out, "2 " + rule + word + "'\nUsage: vextor-cli " +
                                            std::string(cmd->name) + " " + cmd->usage() + "\n");
        }
    }
    EXPECT_GE(checked, 8); // show, check, candidates, solve, solutions, rate, delete, compile
}

TEST(CompileCli, WritesTheCompiledRecordOrTheReason) {
    TempDir dir;
    const std::string file = dir.file("layouts.vxt");
    append(file, kSquare, 1);
    append(file, {"X 0,-1 X", "-1,0 . X", "X X X"}, 2);
    const CliRun ok = runCli({"compile", file, "1", "--largest-first"});
    EXPECT_EQ(ok.said() + ok.out,
              "0 "
              "#1\r\nDrawn\r\n 4, 4\r\nX 0,16 0,16 0,22|X 0,16 0,16 0,22\r\n"
              "16,0 3|16,0 1 8 7\r\n16,0 3|16,0 8 2 6\r\n22,0 3|22,0 7 6 9\r\n");
    const CliRun seeded = runCli({"compile", file, "1", "--seed", "9"});
    EXPECT_TRUE(seeded.status == 0 &&
                runCli({"compile", file, "1", "--seed", "9"}).out == seeded.out);
    EXPECT_EQ(runCli({"compile", file, "2"}).said(), "1 Invalid puzzle, cannot compile\n");
}

TEST(CreateCli, SizesTemplatesSeedsAndAFullDisk) {
    TempDir dir;
    const std::string out = dir.file("out.vxt"), layouts = dir.file("layouts.vxt");
    CliRun r =
        runCli({"create", out, "--count", "2", "--size", "7x8", "--seed", "3", "--solution"});
    EXPECT_EQ(r.said(), "0  2 Puzzles added to file: " + out + "\n");
    // One line per record: its number, size and layouts tried.
    const auto lines = split(r.out, '\n');
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].substr(0, 6), "2\t7x8\t");
    EXPECT_GE(leadingInt(split(lines[1], '\t')[2]), 1);
    const auto record = readRecord(out, 2);
    EXPECT_TRUE(record && record->title.substr(0, 11) == "New Puzzle " &&
                record->lines[1].find('|') != std::string::npos);
    // The same seed makes the same puzzles (RxC may be written RXC); another seed others.
    // Only the row lines compare: random titles carry the time.
    for (const char* seed : {"3", "4"}) {
        const std::string again = dir.file(std::string("again") + seed);
        runCli({"create", again, "--count", "2", "--size", "7X8", "--seed", seed, "--solution"});
        EXPECT_EQ(readRecord(again, 2)->lines == record->lines, *seed == '3');
    }
    append(layouts, kSquare, 1);
    r = runCli({"create", out, "--count", "1", "--template", layouts + ":1", "--title", "Sq"});
    EXPECT_TRUE(r.status == 0 && readRecord(out, 3)->title == "Sq"); // a template keeps it plain
    r = runCli({"create", out, "--count", "1", "--random-size", "--seed", "2"});
    const int side = leadingInt(split(r.out, '\t')[1]);
    EXPECT_TRUE(r.status == 0 && side >= 7 && side <= 10) << r.out;
    // A size the creation dialog refuses is wrong usage, with its message.
    EXPECT_EQ(runCli({"create", out, "--count", "1", "--size", "11x10"}).said(),
              "2 Maximum rows or columns are limted to 10 for this option\n");
    // A full disk: the record cut short goes again.
    const std::string before = readFile(out);
    {
        FileSizeLimit full(before.size() + 40);
        r = runCli({"create", out, "--count", "2", "--size", "5x5", "--seed", "2"});
    }
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Cannot write to file:\n" + out), std::string::npos) << r.err;
    EXPECT_EQ(readFile(out), before);
}

TEST(CreateCli, TheProgressBarLeavesRecordLinesWhole) {
    if (shell("command -v script >/dev/null").first != 0)
        GTEST_SKIP() << "script (util-linux) is missing";
    TempDir dir;
    // On a terminal (script gives one), standard output and error share the screen.
    const auto [status, screen] =
        shell("script -qec \"'" + std::string(VEXTOR_BIN_DIR) + "/vextor-cli' create '" +
              dir.file("o.vxt") + "' --count 2 --size 5x5 --seed 1\" /dev/null");
    ASSERT_EQ(status, 0) << screen;
    int records = 0;
    for (const std::string& line : split(screen, '\n')) {
        // What the terminal shows: each carriage return writes over from the left.
        std::string shown, part;
        for (const char ch : line + '\r') {
            if (ch != '\r') {
                part += ch;
                continue;
            }
            shown = part + (part.size() < shown.size() ? shown.substr(part.size()) : "");
            part.clear();
        }
        if (shown.find("\t5x5\t") != std::string::npos) {
            ++records;
            EXPECT_EQ(shown.find('['), std::string::npos) << shown;
        }
    }
    EXPECT_EQ(records, 2) << screen;
    EXPECT_NE(screen.find("[" + std::string(20, '#') + std::string(20, '.') + "] 1/2"),
              std::string::npos)
        << screen;
}
